#include "stock/UnusedLists.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

SheetMember plainSheet(const QString &window, const QString &caption, QList<SheetColumn> columns)
{
    return {.window = window, .layout = SheetLayout::Plain, .titleText = caption,
            .columns = std::move(columns), .numberWidth = 0};
}

SheetColumn column(const char16_t *title, bool text = false)
{
    return SheetColumn{QString::fromUtf16(title), 0, text};
}

} // namespace

UnusedListDialog::UnusedListDialog(AppServices services, const QString &caption, BoundStatement statement,
                                   SheetMember sheet, QList<std::pair<QString, int>> widths,
                                   QWidget *parent)
    : QDialog(parent), m_services(services), m_statement(std::move(statement)), m_sheet(std::move(sheet)),
      m_widths(std::move(widths)), m_grid(new DataGrid), m_count(new QLabel)
{
    setWindowTitle(caption);
    setModal(true);
    resize(900, 500);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(true);
    m_count->setObjectName(QStringLiteral("Label1"));
    m_count->setMinimumWidth(160);
    auto *excel = new QPushButton(QStringLiteral("Excel"));
    excel->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    connect(excel, &QPushButton::clicked, this, &UnusedListDialog::exportSheet);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_count);
    bottom->addStretch();
    bottom->addWidget(excel);
    bottom->addWidget(quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
}

void UnusedListDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_listed)
        list();
}

void UnusedListDialog::list()
{
    QSqlQuery query = m_services.dm.select(m_statement.sql, m_statement.values);
    m_grid->load(query);
    for (const auto &[title, width] : m_widths)
        m_grid->setColumnWidthByTitle(title, width);
    m_count->setText(QStringLiteral("数量：%1").arg(m_grid->rows()->rowCount()));
    m_listed = true;
}

void UnusedListDialog::exportSheet()
{
    SheetExporter(m_services.dialogs, m_services.context.OrgName).exportList(m_sheet, *m_grid->rows());
}

TfrmW_A::TfrmW_A(AppServices services, const QString &caption, BoundStatement statement, QWidget *parent)
    : UnusedListDialog(services, caption, std::move(statement),
                       plainSheet(QStringLiteral("TfrmW_A"), QStringLiteral("物品信息"),
                                  {column(u"物品编码", true), column(u"物品分类"), column(u"物品名称"),
                                   column(u"规格型号"), column(u"单位"), column(u"单价"), column(u"备注")}),
                       {{QStringLiteral("单价"), 80}, {QStringLiteral("备注"), 100}}, parent)
{
    setObjectName(QStringLiteral("frmW_A"));
}

TfrmW_P::TfrmW_P(AppServices services, const QString &caption, BoundStatement statement, QWidget *parent)
    : UnusedListDialog(services, caption, std::move(statement),
                       plainSheet(QStringLiteral("TfrmW_P"), QStringLiteral("人员信息"),
                                  {column(u"部门名称"), column(u"人员姓名"), column(u"职务"),
                                   column(u"联系方式", true), column(u"身份证号", true), column(u"住址"),
                                   column(u"备注")}),
                       {{QStringLiteral("联系方式"), 160}, {QStringLiteral("住址"), 160},
                        {QStringLiteral("备注"), 100}},
                       parent)
{
    setObjectName(QStringLiteral("frmW_P"));
}
