#include "stock/PeriodReportWindow.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(const char *name, const QDate &date)
{
    auto *picker = new QDateEdit(date);
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    return picker;
}

QString reportCaption(ReportPeriod period)
{
    switch (period) {
    case ReportPeriod::Day: return QStringLiteral("日报表");
    case ReportPeriod::Month: return QStringLiteral("月报表");
    case ReportPeriod::Year: return QStringLiteral("年报表");
    }
    return {};
}

QString className(ReportPeriod period)
{
    switch (period) {
    case ReportPeriod::Day: return QStringLiteral("TfrmBB_D");
    case ReportPeriod::Month: return QStringLiteral("TfrmBB_M");
    case ReportPeriod::Year: return QStringLiteral("TfrmBB_Y");
    }
    return {};
}

// The widths of the figure columns: 单数 60, 数量 70, 金额 80.
constexpr int kFigureWidths[] = {60, 70, 80};

} // namespace

PeriodReportWindow::PeriodReportWindow(AppServices services, ReportPeriod period, QWidget *parent)
    : QWidget(parent), m_services(services), m_period(period), m_storageBox(new QCheckBox(QStringLiteral("仓库名称"))),
      m_storage(new LookupComboBox), m_progress(new QProgressBar), m_grid(new DataGrid),
      m_export(new QPushButton(QStringLiteral("Excel")))
{
    setObjectName(QStringLiteral("frm") + className(period).mid(4));
    setWindowTitle(reportCaption(period));
    const DateRange initial =
        initialRange(period, QDate::fromString(services.context.LoginDate, QStringLiteral("yyyy-MM-dd")));
    m_from = datePicker("DateTimePicker1", initial.from);
    m_to = datePicker("DateTimePicker2", initial.to);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setValue(0);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));

    auto *run = new QPushButton(QStringLiteral("统计"));
    run->setObjectName(QStringLiteral("BitBtn1"));
    run->setDefault(true);
    m_export->setObjectName(QStringLiteral("BitBtn3"));
    m_export->setEnabled(false);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    connect(run, &QPushButton::clicked, this, &PeriodReportWindow::run);
    connect(m_export, &QPushButton::clicked, this, &PeriodReportWindow::exportSheet);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *top = new QHBoxLayout;
    top->addWidget(buildConditions());
    top->addStretch();
    for (QPushButton *button : {run, m_export, quit})
        top->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_progress);
    layout->addWidget(m_grid, 1);
}

QWidget *PeriodReportWindow::buildConditions()
{
    auto *group = new QGroupBox(QStringLiteral("查询条件"));
    auto *row = new QHBoxLayout(group);
    m_storageBox->setObjectName(QStringLiteral("CheckBox1"));
    m_storage->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_storage->setMinimumWidth(120);
    m_storage->setLookup(m_services.dm.DBComStorage());
    connect(m_storage, &QComboBox::activated, m_storageBox, [this] { m_storageBox->setChecked(true); });
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("至：")));
    row->addWidget(m_to);
    row->addWidget(m_storageBox);
    row->addWidget(m_storage);
    return group;
}

DateRange PeriodReportWindow::range() const
{
    return {m_from->date(), m_to->date()};
}

void PeriodReportWindow::run()
{
    const DateRange chosen = range();
    if (chosen.from > chosen.to) {
        m_services.dialogs.information(this, QStringLiteral("日期选择错误，请重新选择日期！"), kProgramTitle);
        return;
    }
    std::optional<QString> storage;
    if (m_storageBox->isChecked())
        storage = m_storage->currentText();
    const QVector<ReportRow> rows = computePeriodReport(m_services.dm.database(), m_period, chosen, storage);
    m_progress->setRange(0, int(rows.size()));
    m_progress->setValue(0);
    writeReportTable(m_services.dm.database(), rows, [this](int written) { m_progress->setValue(written); });
    showTable();
    m_export->setEnabled(true);
}

void PeriodReportWindow::showTable()
{
    QSqlQuery query = m_services.dm.select(reportDisplayStatement(m_period));
    m_grid->load(query);
    for (int column = 1; column < m_grid->rows()->columnCount(); ++column)
        m_grid->setColumnWidth(column, kFigureWidths[(column - 1) % 3]);
}

SheetMember PeriodReportWindow::sheetMember(ReportPeriod period)
{
    SheetMember member{.window = className(period), .layout = SheetLayout::Titled,
                       .titleText = reportCaption(period),
                       .columns = {SheetColumn{periodTitle(period), 0, true}}, .landscape = true};
    const char16_t *figures[] = {u"单数", u"数量", u"金额"};
    for (const ReportKind &kind : reportKinds()) {
        for (const char16_t *figure : figures)
            member.columns << SheetColumn{QString::fromUtf8(kind.title) + QString::fromUtf16(figure), 0};
    }
    return member;
}

void PeriodReportWindow::exportSheet()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(sheetMember(m_period), *m_grid->rows());
}

TfrmBB_D::TfrmBB_D(AppServices services, QWidget *parent)
    : PeriodReportWindow(services, ReportPeriod::Day, parent)
{
}

TfrmBB_M::TfrmBB_M(AppServices services, QWidget *parent)
    : PeriodReportWindow(services, ReportPeriod::Month, parent)
{
}

TfrmBB_Y::TfrmBB_Y(AppServices services, QWidget *parent)
    : PeriodReportWindow(services, ReportPeriod::Year, parent)
{
}
