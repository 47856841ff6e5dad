#include "stock/StatisticsWindow.h"

#include "stock/UnusedLists.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

// A sum as a label shows it: nothing summed reads "0".
QString sumText(const QVariant &sum)
{
    return sum.isNull() ? QStringLiteral("0") : numberText(sum.toDouble());
}

} // namespace

StatisticsWindow::StatisticsWindow(AppServices services, const StatisticsKind &kind, QWidget *parent)
    : QWidget(parent), m_services(services), m_kind(kind), m_dateBox(new QCheckBox(kind.dateCaption)),
      m_from(datePicker("DateTimePicker1", QDate::currentDate().addMonths(-1))),
      m_to(datePicker("DateTimePicker2", QDate::currentDate())),
      m_nameBox(new QCheckBox(QStringLiteral("物品名称"))), m_name(new QLineEdit), m_grid(new DataGrid),
      m_totals(new RowsModel(this)), m_export(new QPushButton(QStringLiteral("Excel")))
{
    setObjectName(QStringLiteral("frm") + kind.window.mid(4));
    setWindowTitle(kind.caption);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(true);

    auto *run = new QPushButton(QStringLiteral("统计"));
    run->setObjectName(QStringLiteral("BitBtn1"));
    m_export->setObjectName(QStringLiteral("BitBtn2"));
    m_export->setEnabled(false);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn3"));
    connect(run, &QPushButton::clicked, this, &StatisticsWindow::run);
    connect(m_export, &QPushButton::clicked, this, &StatisticsWindow::exportSheet);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *commands = new QHBoxLayout;
    if (kind.returns != StatisticsReturns::None)
        commands->addWidget(buildReturnButtons());
    commands->addStretch();
    for (QPushButton *button : {run, m_export, quit})
        commands->addWidget(button);

    auto *totals = new QHBoxLayout;
    for (const QString &title : statisticsSumTitles(kind)) {
        auto *label = new QLabel(title + QStringLiteral("：0"));
        label->setObjectName(QStringLiteral("Label%1").arg(m_totalLabels.size() + 1));
        label->setMinimumWidth(160);
        m_totalLabels << label;
        totals->addWidget(label);
    }
    totals->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFilters());
    layout->addLayout(commands);
    layout->addWidget(m_grid, 1);
    layout->addLayout(totals);
}

QWidget *StatisticsWindow::buildFilters()
{
    auto *group = new QGroupBox(m_kind.groupCaption);
    auto *row = new QHBoxLayout(group);
    m_dateBox->setObjectName(QStringLiteral("CheckBox1"));
    row->addWidget(m_dateBox);
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("至：")));
    row->addWidget(m_to);
    for (QDateEdit *picker : {m_from, m_to})
        connect(picker, &QDateEdit::dateChanged, m_dateBox, [this] { m_dateBox->setChecked(true); });

    m_category = lookupFilter(QStringLiteral("物品分类"), "CheckBox2", "DBLookupComboBox1");
    m_category.lookup->setLookup(m_services.dm.DBComAType());
    row->addWidget(m_category.box);
    row->addWidget(m_category.lookup);
    m_nameBox->setObjectName(QStringLiteral("CheckBox3"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    connect(m_name, &QLineEdit::textChanged, m_nameBox, [this] { m_nameBox->setChecked(true); });
    row->addWidget(m_nameBox);
    row->addWidget(m_name);

    if (m_kind.party == StatisticsParty::PersonAndStorage) {
        m_first = lookupFilter(m_kind.personCaption, "CheckBox4", "DBLookupComboBox2");
        m_first.lookup->setLookup(m_services.dm.DBComPersonAll());
        m_second = lookupFilter(m_kind.storageTitle, "CheckBox5", "DBLookupComboBox3");
        m_second.lookup->setLookup(m_services.dm.DBComStorage());
    } else if (m_kind.party == StatisticsParty::DepartmentAndPerson) {
        m_first = lookupFilter(QStringLiteral("部门名称"), "CheckBox4", "DBLookupComboBox2");
        m_first.lookup->setLookup(m_services.dm.DBComDepartment());
        // The person list follows the chosen department.
        m_second = lookupFilter(m_kind.personCaption, "CheckBox5", "DBLookupComboBox3");
        connect(m_first.lookup, &QComboBox::activated, this, [this] {
            m_second.lookup->setLookup(m_services.dm.DBComPerson(m_first.lookup->currentText()));
        });
    }
    for (const LookupFilter &filter : {m_first, m_second}) {
        if (filter.box) {
            row->addWidget(filter.box);
            row->addWidget(filter.lookup);
        }
    }
    row->addStretch();
    return group;
}

StatisticsWindow::LookupFilter StatisticsWindow::lookupFilter(const QString &caption, const char *boxName,
                                                              const char *lookupName)
{
    LookupFilter filter{new QCheckBox(caption), new LookupComboBox};
    filter.box->setObjectName(QLatin1String(boxName));
    filter.lookup->setObjectName(QLatin1String(lookupName));
    filter.lookup->setMinimumWidth(100);
    connect(filter.lookup, &QComboBox::activated, filter.box, [box = filter.box] { box->setChecked(true); });
    return filter;
}

QWidget *StatisticsWindow::buildReturnButtons()
{
    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    m_notReturned = new QRadioButton(QStringLiteral("未还"));
    m_notReturned->setObjectName(QStringLiteral("RadioButton1"));
    m_notReturned->setChecked(true);
    m_returned = new QRadioButton(QStringLiteral("已还"));
    m_returned->setObjectName(QStringLiteral("RadioButton2"));
    auto *all = new QRadioButton(QStringLiteral("全部"));
    all->setObjectName(QStringLiteral("RadioButton3"));
    for (QRadioButton *button : {m_notReturned, m_returned, all}) {
        row->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &StatisticsWindow::run);
    }
    return buttons;
}

std::optional<QString> StatisticsWindow::chosen(const LookupFilter &filter) const
{
    if (!filter.box || !filter.box->isChecked())
        return std::nullopt;
    return filter.lookup->currentText();
}

std::optional<DateSpan> StatisticsWindow::dates() const
{
    if (!m_dateBox->isChecked())
        return std::nullopt;
    const QString format = QStringLiteral("yyyy-MM-dd");
    return DateSpan{m_from->date().toString(format), m_to->date().toString(format)};
}

StatisticsFilter StatisticsWindow::filter() const
{
    StatisticsFilter filter;
    filter.dates = dates();
    filter.category = chosen(m_category);
    if (m_nameBox->isChecked())
        filter.name = m_name->text();
    if (m_kind.party == StatisticsParty::PersonAndStorage) {
        filter.person = chosen(m_first);
        filter.storage = chosen(m_second);
    } else if (m_kind.party == StatisticsParty::DepartmentAndPerson) {
        filter.department = chosen(m_first);
        filter.person = chosen(m_second);
    }
    if (m_notReturned)
        filter.returnState = m_notReturned->isChecked() ? ReturnState::NotReturned
                             : m_returned->isChecked()  ? ReturnState::Returned
                                                        : ReturnState::All;
    return filter;
}

void StatisticsWindow::run()
{
    const StatisticsFilter current = filter();
    const QStringList &storages = m_services.context.UserStorages;
    const BoundStatement rows = statisticsStatement(m_kind, current, storages);
    // Read once from top to bottom: over years of documents the rows are many.
    QSqlQuery query = runStatement(m_services.dm.database(), rows.sql, rows.values, ResultRows::ForwardOnly);
    m_grid->load(query);
    for (int column = 0; column < m_kind.gridWidths.size(); ++column)
        m_grid->setColumnWidth(column, m_kind.gridWidths[column]);
    const BoundStatement totals = statisticsTotalsStatement(m_kind, current, storages);
    QSqlQuery totalsQuery = m_services.dm.select(totals.sql, totals.values);
    m_totals->load(totalsQuery);
    showTotals();
    m_export->setEnabled(true);
    addUnusedMenu();
}

void StatisticsWindow::showTotals()
{
    const QStringList titles = statisticsSumTitles(m_kind);
    for (int i = 0; i < titles.size(); ++i)
        m_totalLabels[i]->setText(titles[i] + QStringLiteral("：") + sumText(m_totals->value(0, titles[i])));
}

void StatisticsWindow::addUnusedMenu()
{
    if (m_menuAdded || m_kind.unusedWord.isEmpty())
        return;
    m_menuAdded = true;
    auto *items = new QAction(QStringLiteral("未%1物品 &A").arg(m_kind.unusedWord), m_grid);
    items->setObjectName(QStringLiteral("A1"));
    auto *persons = new QAction(QStringLiteral("未%1人员 &P").arg(m_kind.unusedWord), m_grid);
    persons->setObjectName(QStringLiteral("P1"));
    connect(items, &QAction::triggered, this, &StatisticsWindow::showUnusedItems);
    connect(persons, &QAction::triggered, this, &StatisticsWindow::showUnusedPersons);
    m_grid->addActions({items, persons});
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void StatisticsWindow::showUnusedItems()
{
    TfrmW_A list(m_services, QStringLiteral("未%1物品").arg(m_kind.unusedWord),
                 unusedItemsStatement(m_kind, dates()), this);
    list.exec();
}

void StatisticsWindow::showUnusedPersons()
{
    TfrmW_P list(m_services, QStringLiteral("未%1人员").arg(m_kind.unusedWord),
                 unusedPersonsStatement(m_kind, dates()), this);
    list.exec();
}

void StatisticsWindow::exportSheet()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(m_kind.sheet, *m_grid->rows(), m_totals);
}

TfrmTJ_CG::TfrmTJ_CG(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_CG"), parent)
{
}

TfrmTJ_TH::TfrmTJ_TH(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_TH"), parent)
{
}

TfrmTJ_LY::TfrmTJ_LY(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_LY"), parent)
{
}

TfrmTJ_JY::TfrmTJ_JY(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_JY"), parent)
{
}

TfrmTJ_BS::TfrmTJ_BS(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_BS"), parent)
{
}

TfrmTJ_BY::TfrmTJ_BY(AppServices services, QWidget *parent)
    : StatisticsWindow(services, statisticsKind(u"TfrmTJ_BY"), parent)
{
}
