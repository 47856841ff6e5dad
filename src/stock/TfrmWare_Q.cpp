#include "stock/TfrmWare_Q.h"

#include "documents/LineDialogs.h"
#include "master/TfrmAPY.h"
#include "master/TfrmA_M.h"
#include "master/TfrmA_YJ.h"
#include "pictures/ItemActions.h"
#include "stock/StockBalance.h"
#include "stock/StockQuery.h"
#include "stock/TfrmLDJL.h"
#include "stock/TfrmWList.h"
#include "stock/TfrmWQ_D.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTableView>

namespace {

// The right a command needs, besides a row in the list.
enum class Needs { Nothing, Modify, Delete };

struct Command {
    const char16_t *caption;
    const char *objectName;
    void (TfrmWare_Q::*run)();
    Needs needs;
};

const Command kCommands[] = {
    {u"复制物品编码 &C", "C1", &TfrmWare_Q::copyCode, Needs::Nothing},
    {u"查看物品流动记录 &V", "V1", &TfrmWare_Q::showMovementRecord, Needs::Nothing},
    {u"查看物品流动报表 &B", "B1", &TfrmWare_Q::showMovementReport, Needs::Nothing},
    {u"修改库存数量 &K", "K1", &TfrmWare_Q::correctCount, Needs::Modify},
    {u"库存流动记录 &J", "J1", &TfrmWare_Q::showLedger, Needs::Nothing},
    {u"附件管理 &A", "A1", &TfrmWare_Q::showAccessories, Needs::Nothing},
    {u"预警设置 &Y", "Y1", &TfrmWare_Q::editWarnings, Needs::Nothing},
    {u"修改物品信息 &M", "M1", &TfrmWare_Q::editItem, Needs::Modify},
    {u"修改物品拼音码 &P", "P1", &TfrmWare_Q::editPinyin, Needs::Modify},
    {u"查看图片 &I", "I1", &TfrmWare_Q::showPicture, Needs::Nothing},
    {u"图片列表 &L", "L1", &TfrmWare_Q::showPictureList, Needs::Nothing},
    {u"文件下载 &F", "F1", &TfrmWare_Q::downloadFile, Needs::Nothing},
    {u"删除 &D", "D1", &TfrmWare_Q::deleteRow, Needs::Delete},
    {u"全部删除 &Q", "Q1", &TfrmWare_Q::deleteAll, Needs::Delete},
};

} // namespace

TfrmWare_Q::TfrmWare_Q(AppServices services, QWidget *parent)
    : FilteredList(services, StockQuery::config(), parent), m_menu(new QMenu(this))
{
    grid()->setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const Command &command : kCommands) {
        QAction *action = m_menu->addAction(QString::fromUtf16(command.caption));
        action->setObjectName(QLatin1String(command.objectName));
        connect(action, &QAction::triggered, this, [this, command] {
            const AppContext &context = m_services.context;
            if ((command.needs == Needs::Modify && !rightAllows(context.RightModify))
                || (command.needs == Needs::Delete && !rightAllows(context.RightDelete)))
                return;
            // Only copying the code works on an empty list (it copies nothing).
            if (command.run != &TfrmWare_Q::copyCode && currentItem() == 0)
                return;
            (this->*command.run)();
        });
    }
    setContextMenu(m_menu);
}

int TfrmWare_Q::currentItem() const
{
    return currentValue(QStringLiteral("AID")).toInt();
}

QString TfrmWare_Q::codeName() const
{
    return currentValue(QStringLiteral("物品编码")).toString() + QLatin1Char(' ')
           + currentValue(QStringLiteral("物品名称")).toString();
}

void TfrmWare_Q::copyCode()
{
    QGuiApplication::clipboard()->setText(currentValue(QStringLiteral("物品编码")).toString());
}

void TfrmWare_Q::showMovementRecord()
{
    TfrmLDJL(m_services, currentItem(), currentValue(QStringLiteral("仓库名称")).toString(),
             currentValue(QStringLiteral("库存数量")).toString(), this)
        .exec();
}

void TfrmWare_Q::showMovementReport()
{
    TfrmWQ_D(m_services, StockQuery::lastSearch(*this), this).exec();
}

void TfrmWare_Q::correctCount()
{
    TfrmMCount dialog(m_services, currentValue(QStringLiteral("物品名称")).toString() + QStringLiteral(" 修改数量"),
                      QStringLiteral("UWare"), currentValue(QStringLiteral("ID")).toInt(),
                      currentValue(QStringLiteral("库存数量")).toString(), this);
    if (dialog.exec() == QDialog::Accepted)
        search();
}

void TfrmWare_Q::showLedger()
{
    const QString caption = currentValue(QStringLiteral("仓库名称")).toString() + QLatin1Char(' ') + codeName()
                            + QStringLiteral(" 库存流动记录");
    TfrmWList(m_services, caption, currentValue(QStringLiteral("SID")).toLongLong(), currentItem(), this).exec();
}

void TfrmWare_Q::showAccessories()
{
    ::showAccessories(m_services, this, currentItem());
}

void TfrmWare_Q::editWarnings()
{
    TfrmA_YJ(m_services, currentItem(), this).exec();
}

void TfrmWare_Q::editItem()
{
    if (TfrmA_M(m_services, currentItem(), this).exec() == QDialog::Accepted)
        search();
}

void TfrmWare_Q::editPinyin()
{
    if (TfrmAPY(m_services, currentItem(), this).exec() == QDialog::Accepted)
        search();
}

void TfrmWare_Q::showPicture()
{
    showPictureViewer(m_services, this, currentItem());
}

void TfrmWare_Q::showPictureList()
{
    // The items of the rows listed, by the list's own conditions.
    const BoundStatement items = StockQuery::itemsStatement(searchedConditions());
    ::showPictureList(m_services, this,
                      ArticleCondition{QStringLiteral(" AND (ID IN (%1))").arg(items.text), items.values});
}

void TfrmWare_Q::downloadFile()
{
    showFileDownload(m_services, this, currentItem());
}

void TfrmWare_Q::deleteRow()
{
    if (!m_services.dialogs.questionDefaultNo(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"),
                                     QStringLiteral("删除")))
        return;
    deleteRows({currentValue(QStringLiteral("ID")).toLongLong()}, codeName() + StockBalance::kHasStockText);
}

void TfrmWare_Q::deleteAll()
{
    if (!m_services.dialogs.questionDefaultNo(this, QStringLiteral("确认要全部删除吗？该删除将不可恢复！"),
                                     QStringLiteral("全部删除")))
        return;
    QList<qlonglong> ids;
    const BoundStatement listed = StockQuery::balanceIdsStatement(searchedConditions());
    QSqlQuery rows = m_services.dm.select(listed.text, listed.values);
    while (rows.next())
        ids << rows.value(0).toLongLong();
    deleteRows(ids, QString());
}

void TfrmWare_Q::deleteRows(const QList<qlonglong> &ids, const QString &keptText)
{
    const QList<qlonglong> kept = StockBalance::deleteEmptyRows(m_services.dm, ids);
    search();
    if (kept.isEmpty())
        return;
    const QString text = keptText.isEmpty()
                             ? QStringLiteral("%1 条库存记录").arg(kept.size()) + StockBalance::kHasStockText
                             : keptText;
    m_services.dialogs.information(this, text, kProgramTitle);
}
