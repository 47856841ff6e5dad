#include "stock/TfrmWQ_D.h"

#include "sheets/SheetMembers.h"
#include "sheets/StatementRows.h"
#include "stock/MovementReport.h"
#include "store/AppContext.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(const QDate &date, const QString &name)
{
    auto *picker = new QDateEdit(date);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace

TfrmWQ_D::TfrmWQ_D(AppServices services, StockQuery::StockListSearch search, QWidget *parent)
    : QDialog(parent), m_services(services), m_search(std::move(search)),
      m_dateBox(new QCheckBox(QStringLiteral("操作日期"))),
      m_from(datePicker(QDate::currentDate().addMonths(-1), QStringLiteral("DateTimePicker1"))),
      m_to(datePicker(QDate::currentDate(), QStringLiteral("DateTimePicker2"))),
      m_progress(new QProgressBar)
{
    setObjectName(QStringLiteral("frmWQ_D"));
    setWindowTitle(QStringLiteral("查看物品流动报表"));
    m_dateBox->setObjectName(QStringLiteral("CheckBox1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    // The ten kinds, then the rows of the sheet.
    m_progress->setRange(0, int(kMovementKindCount + m_search.rows));
    m_progress->setValue(0);

    auto *group = new QGroupBox(QStringLiteral("查询条件"));
    auto *dates = new QHBoxLayout(group);
    dates->addWidget(m_dateBox);
    dates->addWidget(m_from);
    dates->addWidget(new QLabel(QStringLiteral("至：")));
    dates->addWidget(m_to);

    auto *excel = new QPushButton(QStringLiteral("Excel"));
    excel->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    connect(excel, &QPushButton::clicked, this, &TfrmWQ_D::exportReport);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(excel);
    buttons->addWidget(quit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
}

void TfrmWQ_D::exportReport()
{
    std::optional<MovementPeriod> period;
    QString title = sheetMember(u"TfrmWQ_D").titleText;
    if (m_dateBox->isChecked()) {
        period = MovementPeriod{m_from->date().toString(QStringLiteral("yyyy-MM-dd")),
                                m_to->date().toString(QStringLiteral("yyyy-MM-dd"))};
        title += period->from + QLatin1Char(' ') + period->to;
    }
    const auto show = [this](qint64 done) {
        m_progress->setValue(int(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    show(0);
    MovementTotals totals = MovementTotals::compute(m_services.dm, period, m_search.items, show);
    auto stockRows = std::make_unique<StatementRows>(
        runStatement(m_services.dm.database(), m_search.list.text, m_search.list.values,
                     ResultRows::ForwardOnly),
        m_search.rows);
    MovementReportRows report(std::move(stockRows), std::move(totals));
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportRows(sheetMember(u"TfrmWQ_D"), report, nullptr, title,
                    [&show](qint64 written, qint64) { show(kMovementKindCount + written); });
    show(m_progress->maximum());
}
