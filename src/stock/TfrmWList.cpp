#include "stock/TfrmWList.h"

#include "sheets/SheetMembers.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QVBoxLayout>

TfrmWList::TfrmWList(AppServices services, const QString &caption, qlonglong storageId,
                     qlonglong itemId, QWidget *parent)
    : QDialog(parent), m_services(services), m_storageId(storageId), m_itemId(itemId),
      m_grid(new DataGrid)
{
    setObjectName(QStringLiteral("frmWList"));
    setWindowTitle(caption);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *exportAction = new QAction(QStringLiteral("EXCEL导出 &E"), m_grid);
    exportAction->setObjectName(QStringLiteral("EXCELE1"));
    auto *deleteAction = new QAction(QStringLiteral("删除 &D"), m_grid);
    deleteAction->setObjectName(QStringLiteral("D1"));
    m_grid->addActions({exportAction, deleteAction});
    connect(exportAction, &QAction::triggered, this, &TfrmWList::exportLedger);
    connect(deleteAction, &QAction::triggered, this, &TfrmWList::deleteRow);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    resize(760, 460);
}

void TfrmWList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    myRef();
}

void TfrmWList::myRef()
{
    QSqlQuery query = m_services.dm.select(
        QStringLiteral("Select theDate as 日期, UName as 用户, theType as 操作事件, theNum as 编号, "
                       "theIn as 入库数量, theOut as 出库数量, KCCount as 库存数量, ID "
                       "from UWList Where (AID = ?) AND (SID = ?) Order by ID"),
        {m_itemId, m_storageId});
    m_grid->load(query);
    m_grid->hideColumns({QStringLiteral("ID")});
    for (const char16_t *title : {u"入库数量", u"出库数量", u"库存数量"})
        m_grid->setColumnWidthByTitle(QString::fromUtf16(title), 80);
}

void TfrmWList::exportLedger()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(sheetMember(u"TfrmWList"), *m_grid->rows(), nullptr, windowTitle());
}

void TfrmWList::deleteRow()
{
    if (!rightAllows(m_services.context.RightDelete) || m_grid->currentRowNumber() < 0)
        return;
    if (!m_services.dialogs.questionDefaultNo(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"),
                                     QStringLiteral("删除")))
        return;
    m_services.dm.myESQL(QStringLiteral("DELETE FROM UWList WHERE (ID = ?) "),
                         {m_grid->currentValue(QStringLiteral("ID"))});
    myRef();
}
