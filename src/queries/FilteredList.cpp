#include "queries/FilteredList.h"

#include "sheets/SheetMembers.h"
#include "sheets/StatementRows.h"
#include "store/AppContext.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/LookupComboBox.h"
#include "ui/QueryRowsModel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr int kFiltersPerRow = 3;
// Exports longer than this show a progress bar.
constexpr qint64 kProgressFromRows = 5000;

} // namespace

SqlCondition filterCondition(const ListFilter &filter, const FilterValue &value)
{
    switch (filter.kind) {
    case FilterKind::Text: {
        SqlCondition condition;
        QStringList alternatives;
        for (const QString &column : filter.columns) {
            alternatives << column + QStringLiteral(" like ?");
            condition.values << containing(value.text);
        }
        condition.text = QLatin1Char('(') + alternatives.join(QStringLiteral(" or ")) + QLatin1Char(')');
        return condition;
    }
    case FilterKind::Lookup:
        return {QStringLiteral("(%1=?)").arg(filter.columns.value(0)), {value.text}};
    case FilterKind::Dates:
        return {QStringLiteral("(%1>=?) AND (%1<=?)").arg(filter.columns.value(0)),
                {value.text, value.to}};
    }
    return {};
}

ListConditions searchConditions(const FilteredListConfig &config, const QStringList &storages,
                                const QList<FilterValue> &filters, int state)
{
    ListConditions conditions;
    if (!config.storageColumn.isEmpty())
        conditions.add(storageCondition(config.storageColumn, storages, config.storageRule));
    for (int index = 0; index < config.filters.size() && index < filters.size(); ++index) {
        if (filters[index].ticked)
            conditions.add(filterCondition(config.filters[index], filters[index]));
    }
    if (state >= 0 && state < config.states.size() && !config.states[state].condition.isEmpty())
        conditions.add(SqlCondition{config.states[state].condition});
    return conditions;
}

// The check box and the control of one filter.
struct FilteredList::FilterControls {
    QCheckBox *tick = nullptr;
    QLineEdit *text = nullptr;
    LookupComboBox *lookup = nullptr;
    QDateEdit *from = nullptr;
    QDateEdit *to = nullptr;
};

FilteredList::FilteredList(AppServices services, FilteredListConfig config, QWidget *parent)
    : QWidget(parent), m_services(services), m_config(std::move(config)), m_grid(new QTableView),
      m_rows(new QueryRowsModel(this)), m_totals(new QueryRowsModel(this))
{
    setObjectName(m_config.objectName);
    setWindowTitle(m_config.caption);

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &FilteredList::titleClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (m_contextMenu)
            m_contextMenu->popup(m_grid->viewport()->mapToGlobal(at));
    });

    auto *top = new QHBoxLayout;
    top->addWidget(buildFilters(), 1);
    top->addWidget(buildButtons());

    auto *strip = new QHBoxLayout;
    const int labels = 1 + int(m_config.statement.sums.size());
    for (int index = 0; index < labels; ++index) {
        auto *label = new QLabel;
        label->setObjectName(QStringLiteral("StatusLabel%1").arg(index));
        label->setMinimumWidth(150);
        strip->addWidget(label);
        m_status << label;
    }
    strip->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(strip);
}

FilteredList::~FilteredList() = default;

QWidget *FilteredList::buildFilters()
{
    auto *group = new QGroupBox(m_config.groupCaption);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(group);
    const QDate today = QDate::currentDate();
    int texts = 0, lookups = 0, dates = 0;
    for (int index = 0; index < m_config.filters.size(); ++index) {
        const ListFilter &filter = m_config.filters[index];
        auto controls = std::make_unique<FilterControls>();
        controls->tick = new QCheckBox(filter.caption);
        controls->tick->setObjectName(QStringLiteral("CheckBox%1").arg(index + 1));
        QCheckBox *tick = controls->tick;
        const auto tickIt = [tick] { tick->setChecked(true); };
        QWidget *control = nullptr;
        switch (filter.kind) {
        case FilterKind::Text:
            controls->text = new QLineEdit;
            controls->text->setObjectName(QStringLiteral("Edit%1").arg(++texts));
            connect(controls->text, &QLineEdit::textEdited, this, tickIt);
            connect(controls->text, &QLineEdit::returnPressed, this, &FilteredList::search);
            control = controls->text;
            break;
        case FilterKind::Lookup:
            controls->lookup = new LookupComboBox;
            controls->lookup->setObjectName(QStringLiteral("DBLookupComboBox%1").arg(++lookups));
            if (filter.lookup)
                controls->lookup->setLookup(filter.lookup(m_services.dm));
            connect(controls->lookup, &QComboBox::activated, this, tickIt);
            control = controls->lookup;
            break;
        case FilterKind::Dates: {
            controls->from = new QDateEdit(today.addMonths(-1));
            controls->to = new QDateEdit(today);
            for (QDateEdit *picker : {controls->from, controls->to}) {
                picker->setObjectName(QStringLiteral("DateTimePicker%1").arg(++dates));
                picker->setDisplayFormat(kDateFormat);
                picker->setCalendarPopup(true);
                connect(picker, &QDateEdit::dateChanged, this, tickIt);
            }
            auto *range = new QWidget;
            auto *row = new QHBoxLayout(range);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(controls->from);
            row->addWidget(new QLabel(QStringLiteral("至")));
            row->addWidget(controls->to);
            control = range;
            break;
        }
        }
        grid->addWidget(controls->tick, index / kFiltersPerRow, 2 * (index % kFiltersPerRow));
        grid->addWidget(control, index / kFiltersPerRow, 2 * (index % kFiltersPerRow) + 1);
        m_filters.push_back(std::move(controls));
    }
    // Picking a department refills the persons of the filter it names.
    for (int index = 0; index < m_config.filters.size(); ++index) {
        const QString persons = m_config.filters[index].refillsPersonsOf;
        LookupComboBox *departments = m_filters[size_t(index)]->lookup;
        for (int target = 0; !persons.isEmpty() && target < m_config.filters.size(); ++target) {
            LookupComboBox *people = m_filters[size_t(target)]->lookup;
            if (m_config.filters[target].caption != persons || !departments || !people)
                continue;
            connect(departments, &QComboBox::activated, this, [this, departments, people] {
                people->setLookup(m_services.dm.DBComPerson(departments->currentText()));
            });
        }
    }
    return group;
}

QWidget *FilteredList::buildButtons()
{
    auto *panel = new QWidget;
    auto *column = new QVBoxLayout(panel);
    if (!m_config.states.isEmpty()) {
        auto *choices = new QHBoxLayout;
        for (int index = 0; index < m_config.states.size(); ++index) {
            auto *button = new QRadioButton(m_config.states[index].caption);
            button->setObjectName(QStringLiteral("RadioButton%1").arg(index + 1));
            connect(button, &QRadioButton::clicked, this, &FilteredList::search);
            choices->addWidget(button);
            m_states << button;
        }
        column->addLayout(choices);
    }
    auto *buttons = new QHBoxLayout;
    auto *searchButton = new QPushButton(QStringLiteral("查询"));
    searchButton->setObjectName(QStringLiteral("BitBtn1"));
    m_export = new QPushButton(QStringLiteral("Excel"));
    m_export->setObjectName(QStringLiteral("BitBtn2"));
    m_export->setEnabled(false);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton *button : {searchButton, m_export, quit})
        buttons->addWidget(button);
    connect(searchButton, &QPushButton::clicked, this, &FilteredList::search);
    connect(m_export, &QPushButton::clicked, this, &FilteredList::exportList);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    column->addLayout(buttons);
    column->addStretch();
    return panel;
}

QList<FilterValue> FilteredList::filterValues() const
{
    QList<FilterValue> values;
    for (const auto &controls : m_filters) {
        FilterValue value{controls->tick->isChecked()};
        if (controls->text)
            value.text = controls->text->text();
        if (controls->lookup)
            value.text = controls->lookup->currentText();
        if (controls->from) {
            value.text = controls->from->date().toString(kDateFormat);
            value.to = controls->to->date().toString(kDateFormat);
        }
        values << value;
    }
    return values;
}

void FilteredList::setFilter(const QString &caption, const FilterValue &value)
{
    for (int index = 0; index < m_config.filters.size(); ++index) {
        if (m_config.filters[index].caption != caption)
            continue;
        FilterControls &controls = *m_filters[size_t(index)];
        if (controls.text)
            controls.text->setText(value.text);
        if (controls.lookup)
            controls.lookup->setCurrentIndex(controls.lookup->findText(value.text));
        if (controls.from) {
            controls.from->setDate(QDate::fromString(value.text, kDateFormat));
            controls.to->setDate(QDate::fromString(value.to, kDateFormat));
        }
        controls.tick->setChecked(value.ticked);
    }
}

int FilteredList::chosenState() const
{
    for (int index = 0; index < m_states.size(); ++index) {
        if (m_states[index]->isChecked())
            return index;
    }
    return -1;
}

void FilteredList::chooseState(const QString &caption)
{
    for (QAbstractButton *button : m_states) {
        if (button->text() == caption) {
            button->setChecked(true);
            search();
        }
    }
}

ListConditions FilteredList::conditions() const
{
    return searchConditions(m_config, m_services.context.UserStorages, filterValues(), chosenState());
}

QStringList FilteredList::statusTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_status)
        texts << label->text();
    return texts;
}

QVariant FilteredList::currentValue(const QString &title) const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_rows->value(current.row(), title) : QVariant();
}

void FilteredList::search()
{
    m_searched = conditions();
    runListStatement();
    for (const ListColumn &column : m_config.statement.columns) {
        const int index = m_rows->column(column.title);
        m_grid->setColumnHidden(index, column.hidden);
        if (column.width > 0)
            m_grid->setColumnWidth(index, column.width);
    }
    m_export->setEnabled(true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    showTotals();
}

void FilteredList::runListStatement()
{
    const BoundStatement list = m_config.statement.listStatement(m_searched, m_sort);
    m_rows->setStatement(m_services.dm.database(), list.text, list.values);
    if (m_rows->rowCount() > 0)
        m_grid->setCurrentIndex(m_rows->index(0, 0));
    if (m_sort) {
        m_rows->setTitleMark(m_rows->column(m_sort->title),
                             m_sort->direction == SortDirection::Ascending ? QColor(Qt::red)
                                                                           : QColor(Qt::blue));
    }
}

void FilteredList::showTotals()
{
    const BoundStatement totals = m_config.statement.totalsStatement(m_searched);
    m_totals->setStatement(m_services.dm.database(), totals.text, totals.values);
    m_recordCount = m_totals->value(0, kRecordCountTitle).toLongLong();
    m_status[0]->setText(m_config.recordLabel + QString::number(m_recordCount));
    for (int index = 0; index < m_config.statement.sums.size(); ++index) {
        const ListSum &sum = m_config.statement.sums[index];
        m_status[index + 1]->setText(sum.label + sumText(m_totals->value(0, sum.title), sum.format));
    }
}

void FilteredList::titleClick(int column)
{
    if (column < 0 || column >= m_rows->columnCount())
        return;
    const QString title = m_rows->headerData(column, Qt::Horizontal).toString();
    const bool wasAscending = m_sort && m_sort->title == title
                              && m_sort->direction == SortDirection::Ascending;
    m_sort = ListSort{title, wasAscending ? SortDirection::Descending : SortDirection::Ascending};
    runListStatement();
}

void FilteredList::exportList()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    const BoundStatement list = m_config.statement.listStatement(m_searched, m_sort);
    StatementRows rows(runStatement(m_services.dm.database(), list.text, list.values,
                                    ResultRows::ForwardOnly),
                       m_recordCount);
    std::unique_ptr<QProgressDialog> bar;
    SheetProgress progress;
    if (m_recordCount > kProgressFromRows) {
        bar = std::make_unique<QProgressDialog>(QStringLiteral("正在导出…"), QString(), 0,
                                                int(m_recordCount), this);
        bar->setWindowModality(Qt::WindowModal);
        bar->setMinimumDuration(0);
        progress = [&bar](qint64 written, qint64) { bar->setValue(int(written)); };
    }
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportRows(sheetMember(m_config.exportWindow), rows, m_totals, {}, progress);
}
