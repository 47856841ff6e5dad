#include "queries/QueryWindow.h"

#include "documents/DocumentPrinting.h"
#include "documents/LineDialogs.h"
#include "queries/DocumentDeletes.h"
#include "sheets/SheetMembers.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kDeleteQuestion = QStringLiteral("确认要删除吗？该删除将不可恢复！");
const QString kNumberField = QStringLiteral("编号");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QAction *separator(QObject *parent)
{
    auto *action = new QAction(parent);
    action->setSeparator(true);
    return action;
}

} // namespace

QueryFilterValue QueryWindow::Filter::value() const
{
    QueryFilterValue value{.ticked = tick->isChecked()};
    if (text)
        value.text = text->text();
    if (lookup)
        value.text = lookup->currentIndex() >= 0 ? lookup->currentText() : QString();
    if (from) {
        value.from = from->date().toString(kDateFormat);
        value.to = to->date().toString(kDateFormat);
    }
    return value;
}

QueryWindow::QueryWindow(AppServices services, const QueryKind &kind, QWidget *parent)
    : QWidget(parent), m_services(services), m_kind(kind), m_documents(new QTableView),
      m_documentRows(new QSqlQueryModel(this)), m_lines(new DataGrid)
{
    setObjectName(QStringLiteral("frm") + kind.windowClass.mid(4));
    setWindowTitle(kind.caption);
    setAttribute(Qt::WA_DeleteOnClose);

    m_documents->setObjectName(QStringLiteral("DBGrid1"));
    m_documents->setModel(m_documentRows);
    m_documents->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_documents->setSelectionMode(QAbstractItemView::SingleSelection);
    m_documents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_documents->verticalHeader()->setDefaultSectionSize(22);
    m_lines->setObjectName(QStringLiteral("DBGrid2"));
    for (QTableView *grid : {m_documents, static_cast<QTableView *>(m_lines)})
        grid->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_documents->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &QueryWindow::documentChanged);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_documents);
    splitter->addWidget(m_lines);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFilters());
    layout->addWidget(splitter, 1);
    if (kind.totals)
        layout->addWidget(buildTotals());
    buildMenus();
    resize(1000, 640);
}

QueryWindow::Filter QueryWindow::createFilter(const QueryFilter &definition, QHBoxLayout *cell, int &texts,
                                              int &lookups)
{
    Filter filter;
    filter.tick = new QCheckBox(definition.caption);
    filter.tick->setObjectName(QStringLiteral("CheckBox%1").arg(m_filters.size() + 1));
    cell->addWidget(filter.tick);
    const auto tick = [box = filter.tick] { box->setChecked(true); };
    switch (definition.kind) {
    case QueryFilterKind::Text:
    case QueryFilterKind::Supplier:
        filter.text = new QLineEdit;
        filter.text->setObjectName(QStringLiteral("Edit%1").arg(++texts));
        connect(filter.text, &QLineEdit::textEdited, filter.tick, tick);
        connect(filter.text, &QLineEdit::returnPressed, this, &QueryWindow::BitBtn1Click);
        cell->addWidget(filter.text, 1);
        break;
    case QueryFilterKind::Dates:
        filter.from = new QDateEdit(QDate::currentDate().addMonths(-1));
        filter.to = new QDateEdit(QDate::currentDate());
        filter.from->setObjectName(QStringLiteral("DateTimePicker1"));
        filter.to->setObjectName(QStringLiteral("DateTimePicker2"));
        for (QDateEdit *picker : {filter.from, filter.to}) {
            picker->setDisplayFormat(kDateFormat);
            picker->setCalendarPopup(true);
            connect(picker, &QDateEdit::dateChanged, filter.tick, tick);
            cell->addWidget(picker);
        }
        break;
    default:
        filter.lookup = new LookupComboBox;
        filter.lookup->setObjectName(QStringLiteral("DBLookupComboBox%1").arg(++lookups));
        connect(filter.lookup, &QComboBox::activated, filter.tick, tick);
        cell->addWidget(filter.lookup, 1);
        break;
    }
    return filter;
}

void QueryWindow::fillLookup(const QueryFilter &definition, LookupComboBox *lookup, LookupComboBox *&departments)
{
    switch (definition.kind) {
    case QueryFilterKind::AllPersons: lookup->setLookup(m_services.dm.DBComPersonAll()); break;
    case QueryFilterKind::Storages: lookup->setLookup(m_services.dm.DBComStorage()); break;
    case QueryFilterKind::Users: lookup->setLookup(m_services.dm.DBComSUser()); break;
    case QueryFilterKind::Departments:
        lookup->setLookup(m_services.dm.DBComDepartment());
        departments = lookup;
        break;
    case QueryFilterKind::DepartmentPersons:
        // Empty until a department is chosen; each choice refills it with that department's persons.
        connect(departments, &QComboBox::activated, lookup, [this, departments, lookup] {
            lookup->setLookup(m_services.dm.DBComPerson(departments->currentText()));
        });
        break;
    default: break;
    }
}

QWidget *QueryWindow::buildFilters()
{
    auto *group = new QGroupBox(QStringLiteral("查询条件"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout;
    int texts = 0, lookups = 0;
    LookupComboBox *departments = nullptr;
    for (const QueryFilter &definition : m_kind.filters) {
        auto *cell = new QHBoxLayout;
        const Filter filter = createFilter(definition, cell, texts, lookups);
        if (filter.lookup)
            fillLookup(definition, filter.lookup, departments);
        const int index = int(m_filters.size());
        grid->addLayout(cell, index / 4, index % 4);
        m_filters << filter;
    }

    auto *search = new QPushButton(QStringLiteral("查询"));
    search->setObjectName(QStringLiteral("BitBtn1"));
    m_export = new QPushButton(QStringLiteral("Excel"));
    m_export->setObjectName(QStringLiteral("BitBtn2"));
    m_export->setEnabled(false);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn3"));
    connect(search, &QPushButton::clicked, this, &QueryWindow::BitBtn1Click);
    connect(m_export, &QPushButton::clicked, this, &QueryWindow::BitBtn2Click);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {search, m_export, quit})
        buttons->addWidget(button);

    auto *row = new QHBoxLayout(group);
    row->addLayout(grid, 1);
    row->addLayout(buttons);
    return group;
}

QWidget *QueryWindow::buildTotals()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("StatusBar1"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    for (int i = 1; i <= 3; ++i) {
        auto *label = new QLabel;
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        label->setMinimumWidth(160);
        row->addWidget(label);
        m_totals << label;
    }
    row->addStretch();
    return strip;
}

void QueryWindow::buildMenus()
{
    auto addTo = [](QWidget *grid, const QString &caption, const char *name) {
        auto *action = new QAction(caption, grid);
        action->setObjectName(QLatin1String(name));
        grid->addAction(action);
        return action;
    };
    connect(addTo(m_documents, QStringLiteral("打印%1 &P").arg(m_kind.menuName), "P1"), &QAction::triggered, this,
            &QueryWindow::printDocument);
    m_documents->addAction(separator(m_documents));
    connect(addTo(m_documents, QStringLiteral("删除%1 &D").arg(m_kind.menuName), "D1"), &QAction::triggered, this,
            &QueryWindow::deleteDocument);

    if (!m_kind.priceCaption.isEmpty())
        connect(addTo(m_lines, QStringLiteral("修改单价 &P"), "P2"), &QAction::triggered, this, &QueryWindow::changePrice);
    if (m_kind.countChange)
        connect(addTo(m_lines, QStringLiteral("修改数量 &M"), "M1"), &QAction::triggered, this, &QueryWindow::changeCount);
    if (!m_kind.remarkCaption.isEmpty())
        connect(addTo(m_lines, QStringLiteral("修改备注 &R"), "R1"), &QAction::triggered, this, &QueryWindow::changeRemark);
    if (!m_lines->actions().isEmpty())
        m_lines->addAction(separator(m_lines));
    connect(addTo(m_lines, QStringLiteral("删除明细 &D"), "D2"), &QAction::triggered, this, &QueryWindow::deleteLine);
}

QList<QAction *> QueryWindow::addDocumentCommands(const QList<std::pair<QString, const char *>> &commands)
{
    m_documents->addAction(separator(m_documents));
    QList<QAction *> actions;
    for (const auto &[caption, objectName] : commands) {
        actions << new QAction(caption, m_documents);
        actions.last()->setObjectName(QLatin1String(objectName));
        m_documents->addAction(actions.last());
    }
    return actions;
}

QAction *QueryWindow::addLineCommand(const QString &caption, const char *objectName)
{
    auto *action = new QAction(caption, m_lines);
    action->setObjectName(QLatin1String(objectName));
    QAction *first = m_lines->actions().value(0);
    m_lines->insertAction(first, action);
    m_lines->insertAction(first, separator(m_lines));
    return action;
}

QList<QueryFilterValue> QueryWindow::filterValues() const
{
    QList<QueryFilterValue> values;
    for (const Filter &filter : m_filters)
        values << filter.value();
    return values;
}

void QueryWindow::BitBtn1Click()
{
    myRef();
    m_export->setEnabled(true);
}

void QueryWindow::BitBtn2Click()
{
    if (!rightAllows(m_services.context.RightExport))
        return;
    SheetExporter(m_services.dialogs, m_services.context.OrgName)
        .exportList(sheetMember(m_kind.windowClass), *m_documentRows);
}

void QueryWindow::myRef()
{
    const QList<QueryFilterValue> filters = filterValues();
    const QStringList &storages = m_services.context.UserStorages;
    const BoundStatement master = masterStatement(m_kind, filters, storages);
    m_documentRows->setQuery(runStatement(m_services.dm.database(), master.text, master.values));
    for (const QueryColumn &column : m_kind.masterColumns) {
        if (column.width > 0)
            m_documents->setColumnWidth(m_documentRows->record().indexOf(column.title), column.width);
    }
    m_documents->setContextMenuPolicy(Qt::ActionsContextMenu);
    if (m_documentRows->rowCount() > 0)
        m_documents->setCurrentIndex(m_documentRows->index(0, 0));
    if (m_kind.totals) {
        const BoundStatement count = countStatement(m_kind, filters, storages);
        QSqlQuery counted = m_services.dm.select(count.text, count.values);
        m_totals[0]->setText(QStringLiteral("记录：%1").arg(counted.next() ? counted.value(0).toInt() : 0));
        myRefhj();
    }
}

void QueryWindow::myRefhj()
{
    QString from, to;
    for (const Filter &filter : m_filters) {
        if (filter.from) {
            from = filter.from->date().toString(kDateFormat);
            to = filter.to->date().toString(kDateFormat);
        }
    }
    const BoundStatement totals = totalsStatement(m_kind, from, to);
    QSqlQuery sums = m_services.dm.select(totals.text, totals.values);
    const bool found = sums.next();
    m_totals[1]->setText(QStringLiteral("数量：") + numberText(found ? sums.value(0).toDouble() : 0));
    m_totals[2]->setText(QStringLiteral("金额：") + numberText(found ? sums.value(1).toDouble() : 0));
}

void QueryWindow::documentChanged()
{
    const int row = m_documents->currentIndex().row();
    if (row < 0)
        return;
    m_selectedNumber = m_documentRows->record(row).value(kNumberField).toString();
    myMXRef(m_selectedNumber);
}

void QueryWindow::myMXRef(const QString &number)
{
    if (number.isEmpty())
        return;
    const BoundStatement lines = lineStatement(m_kind, number);
    QSqlQuery query = m_services.dm.select(lines.text, lines.values);
    m_lines->load(query);
    const QList<std::pair<const char16_t *, int>> commonWidths = {
        {u"编号", 86}, {u"物品编码", 100}, {u"物品分类", 100}, {u"物品名称", 200}, {u"规格型号", 100}};
    for (const auto &[title, width] : commonWidths)
        m_lines->setColumnWidthByTitle(QString::fromUtf16(title), width);
    for (const QueryColumn &column : m_kind.lineColumns) {
        if (column.width > 0)
            m_lines->setColumnWidthByTitle(column.title, column.width);
    }
    m_lines->hideColumns(m_kind.hiddenLineColumns);
    m_lines->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void QueryWindow::reloadLines()
{
    myMXRef(m_selectedNumber);
    if (m_kind.totals)
        myRefhj();
}

QVariant QueryWindow::currentLine(const QString &field) const
{
    return m_lines->currentRowNumber() < 0 ? QVariant() : m_lines->currentValue(field);
}

void QueryWindow::printDocument()
{
    const int row = m_documents->currentIndex().row();
    if (row < 0)
        return;
    m_selectedNumber = m_documentRows->record(row).value(kNumberField).toString();
    ::printDocument(m_services, this, m_kind.print(), m_selectedNumber);
}

void QueryWindow::deleteDocument()
{
    if (m_selectedNumber.isEmpty() || !rightAllows(m_services.context.RightDelete))
        return;
    if (liveLineCount(m_services.dm, m_kind, m_selectedNumber) > 0) {
        m_services.dialogs.information(this, m_kind.deleteRefusal, kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, m_kind.deleteNotice + m_selectedNumber, kProgramTitle);
    if (!m_services.dialogs.question(this, kDeleteQuestion, QStringLiteral("删除")))
        return;
    if (const std::optional<QString> refusal = ::deleteDocument(m_services, m_kind, m_selectedNumber))
        m_services.dialogs.information(this, *refusal, kProgramTitle);
    myRef();
}

void QueryWindow::deleteLine()
{
    const QVariant line = currentLine(QStringLiteral("ID"));
    if (!line.isValid() || !rightAllows(m_services.context.RightDelete))
        return;
    m_services.dialogs.information(this, QStringLiteral("当前选中物品名称为 ") + currentLine(QStringLiteral("物品名称")).toString(),
                                   kProgramTitle);
    if (m_services.dialogs.question(this, kDeleteQuestion, QStringLiteral("删除"))) {
        if (const std::optional<QString> refusal = ::deleteLine(m_services, m_kind, line.toInt()))
            m_services.dialogs.information(this, *refusal, kProgramTitle);
    }
    reloadLines();
}

QVariant QueryWindow::correctableLine() const
{
    return rightAllows(m_services.context.RightModify) ? currentLine(QStringLiteral("ID")) : QVariant();
}

void QueryWindow::runCorrection(QDialog &dialog)
{
    if (dialog.exec() == QDialog::Accepted)
        myMXRef(m_selectedNumber);
}

void QueryWindow::changeCount()
{
    const QVariant line = correctableLine();
    if (!line.isValid())
        return;
    TfrmMCount dialog(m_services, currentLine(QStringLiteral("物品名称")).toString() + QStringLiteral(" 修改数量"),
                      m_kind.lines, line.toInt(), numberText(currentLine(QStringLiteral("数量")).toDouble()), this);
    runCorrection(dialog);
}

void QueryWindow::changePrice()
{
    const QVariant line = correctableLine();
    if (!line.isValid())
        return;
    TfrmMPrice dialog(m_services, m_kind.priceCaption, m_kind.lines, line.toInt(),
                      numberText(currentLine(QStringLiteral("单价")).toDouble()), this);
    runCorrection(dialog);
}

void QueryWindow::changeRemark()
{
    const QVariant line = correctableLine();
    if (!line.isValid())
        return;
    TfrmMRemark dialog(m_services, m_kind.remarkCaption, m_kind.lines, line.toInt(),
                       currentLine(QStringLiteral("备注")).toString(), this);
    runCorrection(dialog);
}
