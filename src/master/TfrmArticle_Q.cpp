#include "master/TfrmArticle_Q.h"

#include "labels/ItemLabels.h"
#include "master/ArticleFilter.h"
#include "store/ArticleRules.h"
#include "master/TfrmA_M.h"
#include "master/TfrmA_YJ.h"
#include "master/TfrmAPY.h"
#include "pictures/ItemActions.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

QLineEdit *searchEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    return edit;
}

const QString kDeleteQuestion = QStringLiteral("确认要删除吗？该删除将不可恢复！");

} // namespace

TfrmArticle_Q::TfrmArticle_Q(AppServices services, QWidget *parent)
    : SearchWindow(services, QStringLiteral("物品查询"), QStringLiteral("TfrmArticle_Q"), parent),
      m_category(new LookupComboBox), m_name(searchEdit("Edit1")), m_standard(searchEdit("Edit2")),
      m_remark(searchEdit("Edit3")), m_code(searchEdit("Edit4")), m_place(new LookupComboBox),
      m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("frmArticle_Q"));
    setConditionCaption(QStringLiteral("物品查询"));
    m_category->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_category->setLookup(m_services.dm.DBComAType());
    m_place->setObjectName(QStringLiteral("DBLookupComboBox2"));
    m_place->setLookup(m_services.dm.DBComSPlace());
    conditions()->addRow(QStringLiteral("物品分类："), m_category);
    conditions()->addRow(QStringLiteral("物品名称："), m_name);
    conditions()->addRow(QStringLiteral("规格型号："), m_standard);
    conditions()->addRow(QStringLiteral("备       注："), m_remark);
    conditions()->addRow(QStringLiteral("物品编码："), m_code);
    conditions()->addRow(QStringLiteral("货位名称："), m_place);
    for (QLineEdit *edit : {m_name, m_standard, m_remark, m_code})
        connect(edit, &QLineEdit::returnPressed, this, &SearchWindow::BitBtn1Click);
    connect(addResultButton(QStringLiteral("条码"), QStringLiteral("BitBtn4")), &QPushButton::clicked, this,
            [this] { PrintWPTM(m_services, this, m_condition); });
    connect(addResultButton(QStringLiteral("A4 条码"), QStringLiteral("BitBtn5")), &QPushButton::clicked, this,
            [this] { PrintWPTMA4(m_services, this, m_condition); });
    connect(addResultButton(QStringLiteral("二维码"), QStringLiteral("BitBtn6")), &QPushButton::clicked, this,
            &TfrmArticle_Q::printQrLabel);

    grid()->setTitleSorting(true);
    grid()->setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    connect(grid(), &QAbstractItemView::doubleClicked, this, &TfrmArticle_Q::modifyItem);
    buildMenu();
}

void TfrmArticle_Q::buildMenu()
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    const auto add = [this](const QString &caption, const char *name, auto action) {
        QAction *entry = m_menu->addAction(caption);
        entry->setObjectName(QLatin1String(name));
        connect(entry, &QAction::triggered, this, [this, action] {
            if (currentId() > 0)
                action();
        });
    };
    add(QStringLiteral("复制物品编码 &C"), "C1", [this] {
        QApplication::clipboard()->setText(grid()->currentValue(QStringLiteral("物品编码")).toString());
    });
    m_menu->addSeparator();
    add(QStringLiteral("修改 &M"), "M1", [this] { modifyItem(); });
    add(QStringLiteral("修改拼音码 &P"), "P1", [this] { modifyPinyin(); });
    m_menu->addSeparator();
    add(QStringLiteral("附件管理 &A"), "A1", [this] {
        showAccessories(m_services, this, currentId());
        BitBtn1Click();
    });
    m_menu->addSeparator();
    add(QStringLiteral("预警设置 &Y"), "Y1", [this] { TfrmA_YJ(m_services, currentId(), this).exec(); });
    m_menu->addSeparator();
    add(QStringLiteral("图片管理 &I"), "I1", [this] { showPictureManager(m_services, this, currentId()); });
    add(QStringLiteral("查看图片 &V"), "V1", [this] { showPictureViewer(m_services, this, currentId()); });
    add(QStringLiteral("图片列表 &L"), "L1", [this] { showPictureList(m_services, this, m_condition); });
    m_menu->addSeparator();
    add(QStringLiteral("文件下载 &F"), "F1", [this] { showFileDownload(m_services, this, currentId()); });
    m_menu->addSeparator();
    add(QStringLiteral("删除 &D"), "D1", [this] { deleteItem(); });
    add(QStringLiteral("全部删除 &Q"), "Q1", [this] { deleteAll(); });
}

ArticleCondition TfrmArticle_Q::condition() const
{
    const auto chosen = [](const LookupComboBox *list) {
        return list->currentIndex() >= 0 ? list->currentText() : QString();
    };
    return articleCondition({chosen(m_category), m_name->text(), m_standard->text(), m_remark->text(),
                             m_code->text(), chosen(m_place)});
}

QString TfrmArticle_Q::statement(QVariantList &values) const
{
    const ArticleCondition current = condition();
    values = current.values;
    return articleQueryStatement(current);
}

void TfrmArticle_Q::showResult()
{
    m_condition = condition();
    grid()->setColumnWidthByTitle(QStringLiteral("物品名称"), 200);
    grid()->setColumnWidthByTitle(QStringLiteral("规格型号"), 100);
    grid()->setColumnWidthByTitle(QStringLiteral("单价"), 60);
    grid()->setColumnWidthByTitle(QStringLiteral("备注"), 200);
    grid()->hideColumns({QStringLiteral("ID")});
    statusLine()->setText(QStringLiteral("物品数量：%1").arg(grid()->rows()->rowCount()));
    if (grid()->contextMenuPolicy() != Qt::CustomContextMenu) {
        grid()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid(), &QWidget::customContextMenuRequested, this,
                [this](const QPoint &at) { m_menu->popup(grid()->viewport()->mapToGlobal(at)); });
    }
}

int TfrmArticle_Q::currentId() const
{
    return grid()->currentValue(QStringLiteral("ID")).toInt();
}

void TfrmArticle_Q::printQrLabel()
{
    const auto value = [this](const char *title) { return grid()->currentValue(QString::fromUtf8(title)).toString(); };
    ::printQrLabel(m_services, this,
                   {value("物品编码"), value("物品分类"), value("物品名称"), value("规格型号"), value("单位"), value("单价")});
}

void TfrmArticle_Q::modifyItem()
{
    if (currentId() <= 0 || !rightAllows(m_services.context.RightModify))
        return;
    if (TfrmA_M(m_services, currentId(), this).exec() == QDialog::Accepted)
        BitBtn1Click();
}

void TfrmArticle_Q::modifyPinyin()
{
    if (currentId() <= 0 || !rightAllows(m_services.context.RightModify))
        return;
    if (TfrmAPY(m_services, currentId(), this).exec() == QDialog::Accepted)
        BitBtn1Click();
}

void TfrmArticle_Q::deleteItem()
{
    if (!rightAllows(m_services.context.RightDelete))
        return;
    const QString refusal =
        articleDeleteRefusal(m_services.dm, currentId(), grid()->currentValue(QStringLiteral("物品名称")).toString());
    if (!refusal.isEmpty()) {
        m_services.dialogs.information(this, refusal, kProgramTitle);
        return;
    }
    if (!m_services.dialogs.question(this, kDeleteQuestion, QStringLiteral("删除")))
        return;
    Transaction transaction(m_services.dm.database());
    deleteArticleRows(m_services.dm, currentId());
    transaction.commit();
    BitBtn1Click();
}

void TfrmArticle_Q::deleteAll()
{
    if (!rightAllows(m_services.context.RightDelete)
        || !m_services.dialogs.question(this, kDeleteQuestion, QStringLiteral("删除")))
        return;
    QList<ListedArticle> listed;
    const RowsModel *rows = grid()->rows();
    for (int row = 0; row < rows->rowCount(); ++row)
        listed.append({rows->value(row, QStringLiteral("ID")).toInt(),
                       rows->value(row, QStringLiteral("物品名称")).toString()});
    const QString message = batchDeleteMessage(deleteArticles(m_services.dm, listed));
    BitBtn1Click();
    if (!message.isEmpty())
        m_services.dialogs.information(this, message, kProgramTitle);
}
