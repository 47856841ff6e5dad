#include "stock/TfrmLDJL.h"

#include "sheets/SheetExport.h"
#include "stock/MovementRecord.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The fields of the item block: the column they show and their label.
struct ItemField {
    const char16_t *title;
    const char16_t *label;
};
constexpr ItemField kItemFields[] = {
    {u"物品编码", u"物品编码："}, {u"物品名称", u"物品名称："}, {u"规格", u"规       格："},
    {u"单位", u"单        位："},  {u"单价", u"单        价："},  {u"所在仓库", u"所在仓库："},
    {u"库存数量", u"库存数量："},
};

} // namespace

TfrmLDJL::TfrmLDJL(AppServices services, qlonglong itemId, const QString &storageName,
                   const QString &stockQuantity, QWidget *parent)
    : QDialog(parent), m_services(services), m_itemId(itemId), m_storageName(storageName),
      m_stockQuantity(stockQuantity)
{
    setObjectName(QStringLiteral("frmLDJL"));
    setWindowTitle(QStringLiteral("物品流动记录"));
    auto *excel = new QPushButton(QStringLiteral("Excel"));
    excel->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    connect(excel, &QPushButton::clicked, this, &TfrmLDJL::exportRecord);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(excel);
    buttons->addWidget(quit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(itemBlock());
    layout->addWidget(listGroups(), 1);
    layout->addLayout(buttons);
    resize(1100, 760);
}

QWidget *TfrmLDJL::itemBlock()
{
    auto *group = new QGroupBox(QStringLiteral("物品信息"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setEnabled(false);
    auto *grid = new QGridLayout(group);
    int position = 0;
    for (const ItemField &field : kItemFields) {
        auto *edit = new QLineEdit;
        edit->setReadOnly(true);
        const int row = position / 4;
        const int column = position % 4 * 2;
        grid->addWidget(new QLabel(QString::fromUtf16(field.label)), row, column);
        grid->addWidget(edit, row, column + 1);
        m_fields.insert(QString::fromUtf16(field.title), edit);
        ++position;
    }
    return group;
}

QWidget *TfrmLDJL::listGroups()
{
    auto *area = new QWidget;
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int index = 0; index < 6; ++index) {
        auto *group = new QGroupBox(movementLists()[size_t(index)].group);
        auto *list = new DataGrid;
        list->setObjectName(QStringLiteral("DBGrid%1").arg(index + 1));
        list->setTitleSorting(true);
        (new QVBoxLayout(group))->addWidget(list);
        grid->addWidget(group, index / 2, index % 2);
        m_lists[size_t(index)] = list;
    }
    return area;
}

QString TfrmLDJL::field(const QString &title) const
{
    const QLineEdit *edit = m_fields.value(title);
    return edit ? edit->text() : QString();
}

void TfrmLDJL::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    myLoad();
}

void TfrmLDJL::myLoad()
{
    if (m_itemId <= 0)
        return;
    QSqlQuery item = m_services.dm.select(movementItemStatement(), {m_itemId});
    if (item.next()) {
        for (const QString &title : {QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                                     QStringLiteral("规格"), QStringLiteral("单位")})
            m_fields.value(title)->setText(item.value(title).toString());
        m_fields.value(QStringLiteral("单价"))->setText(numberText(item.value(QStringLiteral("单价")).toDouble()));
    }
    m_fields.value(QStringLiteral("所在仓库"))->setText(m_storageName);
    m_fields.value(QStringLiteral("库存数量"))->setText(m_stockQuantity);

    for (size_t index = 0; index < m_lists.size(); ++index) {
        const MovementList &definition = movementLists()[index];
        QSqlQuery lines = m_services.dm.select(definition.statement, {m_itemId});
        m_lists[index]->load(lines);
        for (const auto &[title, width] : definition.widths)
            m_lists[index]->setColumnWidthByTitle(title, width);
    }
}

void TfrmLDJL::exportRecord()
{
    MovementSections sections{};
    for (size_t index = 0; index < m_lists.size(); ++index)
        sections[index] = m_lists[index]->rows();
    const MovementRecordItem item{field(QStringLiteral("物品名称")), field(QStringLiteral("规格")),
                                  field(QStringLiteral("单位")), field(QStringLiteral("单价")),
                                  field(QStringLiteral("所在仓库")), field(QStringLiteral("库存数量"))};
    SheetExporter(m_services.dialogs, m_services.context.OrgName).exportMovementRecord(item, sections);
}
