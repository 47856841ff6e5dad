#include "ui/MaintenanceWindow.h"

#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/Schema.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The longest text a column takes, or 0 when it has no limit.
int columnLength(const QString &table, const QString &column)
{
    for (const TableDef &def : databaseTables()) {
        if (table != QLatin1String(def.name))
            continue;
        for (const ColumnDef &col : def.columns) {
            if (column == QLatin1String(col.name))
                return col.length;
        }
    }
    return 0;
}

// The rows of a drop-down field, or nothing for a text field.
std::unique_ptr<LookupModel> lookupRows(TfrmDM &dm, MaintenanceField::Kind kind)
{
    switch (kind) {
    case MaintenanceField::Kind::DepartmentList: return dm.DBComDepartment();
    case MaintenanceField::Kind::CategoryList: return dm.DBComAType();
    case MaintenanceField::Kind::PlaceList: return dm.DBComSPlace();
    default: return nullptr;
    }
}

QToolButton *navigatorButton(const QString &glyph, const QString &hint)
{
    auto *button = new QToolButton;
    button->setText(glyph);
    button->setToolTip(hint);
    return button;
}

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

MaintenanceWindow::MaintenanceWindow(AppServices services, MaintenanceMember member, QWidget *parent)
    : QWidget(parent), m_services(services), m_member(std::move(member)), m_grid(new DataGrid)
{
    setObjectName(m_member.objectName);
    setWindowTitle(m_member.caption);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(m_member.titleSorting);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildForm());
    layout->addWidget(buildButtons());

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showCurrentRow(); });
    for (const MaintenanceAction &action : m_member.gridActions) {
        auto *item = new QAction(action.caption, m_grid);
        item->setObjectName(action.objectName);
        m_grid->addAction(item);
        connect(item, &QAction::triggered, this, [this, run = action.run] {
            if (m_grid->rows()->rowCount() > 0)
                run(m_services, this, currentId(), currentName());
        });
    }
    if (!m_member.gridActions.empty())
        m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    Ref();
    setState(State::Browse);
}

QWidget *MaintenanceWindow::buildForm()
{
    m_form = new QGroupBox(m_member.groupCaption);
    auto *form = new QFormLayout(m_form);
    for (const MaintenanceField &def : m_member.fields) {
        const QString column = QLatin1String(def.column);
        QWidget *editor = nullptr;
        if (auto rows = lookupRows(m_services.dm, def.kind)) {
            auto *list = new LookupComboBox;
            list->setLookup(std::move(rows));
            editor = list;
        } else {
            auto *edit = new QLineEdit;
            if (const int length = columnLength(m_member.table, column))
                edit->setMaxLength(length);
            if (def.kind == MaintenanceField::Kind::Number)
                edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), edit));
            editor = edit;
        }
        editor->setObjectName(column);
        m_fields.insert(column, editor);
        form->addRow(QString::fromUtf8(def.label), editor);
    }
    return m_form;
}

QWidget *MaintenanceWindow::buildButtons()
{
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    m_navigator = {navigatorButton(QStringLiteral("|◀"), QStringLiteral("第一条")),
                   navigatorButton(QStringLiteral("◀"), QStringLiteral("上一条")),
                   navigatorButton(QStringLiteral("▶"), QStringLiteral("下一条")),
                   navigatorButton(QStringLiteral("▶|"), QStringLiteral("最后一条"))};
    const DataGrid::Move moves[] = {DataGrid::Move::First, DataGrid::Move::Previous,
                                    DataGrid::Move::Next, DataGrid::Move::Last};
    for (int i = 0; i < m_navigator.size(); ++i) {
        row->addWidget(m_navigator[i]);
        connect(m_navigator[i], &QToolButton::clicked, this,
                [this, move = moves[i]] { m_grid->moveCursor(move); });
    }
    row->addStretch();
    m_new = button(QStringLiteral("新增（&N）"), "ButNew");
    m_modify = button(QStringLiteral("修改（&E）"), "ButMed");
    m_cancel = button(QStringLiteral("取消（&C）"), "ButCan");
    m_delete = button(QStringLiteral("删除（&D）"), "ButDel");
    m_saveNew = button(QStringLiteral("保存（&S）"), "ButSave");
    m_saveEdit = button(QStringLiteral("保存（&S）"), "ButSaveEdit");
    auto *exit = button(QStringLiteral("退出（&X）"), "ButExi");
    for (QPushButton *b : {m_new, m_modify, m_cancel, m_delete, m_saveNew, m_saveEdit, exit})
        row->addWidget(b);
    connect(m_new, &QPushButton::clicked, this, &MaintenanceWindow::ButNewClick);
    connect(m_modify, &QPushButton::clicked, this, &MaintenanceWindow::ButMedClick);
    connect(m_cancel, &QPushButton::clicked, this, &MaintenanceWindow::ButCanClick);
    connect(m_delete, &QPushButton::clicked, this, &MaintenanceWindow::ButDelClick);
    connect(m_saveNew, &QPushButton::clicked, this, &MaintenanceWindow::ButSaveClick);
    connect(m_saveEdit, &QPushButton::clicked, this, &MaintenanceWindow::ButSaveEditClick);
    connect(exit, &QPushButton::clicked, this, &MaintenanceWindow::ButExiClick);
    return bar;
}

void MaintenanceWindow::Ref()
{
    QStringList columns;
    for (const MaintenanceField &def : m_member.fields)
        columns << QStringLiteral("%1 as %2").arg(QLatin1String(def.column), QString::fromUtf8(def.title));
    columns << m_member.hiddenTitles;
    if (!m_member.hiddenTitles.contains(QStringLiteral("ID")))
        columns << QStringLiteral("ID");
    QString statement = QStringLiteral("select %1 from %2").arg(columns.join(QLatin1Char(',')), m_member.table);
    if (!m_member.orderBy.isEmpty())
        statement += QStringLiteral(" order by ") + m_member.orderBy;
    if (!m_member.statement.isEmpty())
        statement = m_member.statement;
    QSqlQuery query = m_services.dm.select(statement);
    m_grid->load(query);
    m_grid->hideColumns(m_member.hiddenTitles + QStringList{QStringLiteral("ID")});
    for (auto width = m_member.columnWidths.cbegin(); width != m_member.columnWidths.cend(); ++width)
        m_grid->setColumnWidthByTitle(width.key(), width.value());
    showCurrentRow();
}

QWidget *MaintenanceWindow::field(const QString &column) const
{
    return m_fields.value(column);
}

QString MaintenanceWindow::fieldText(const QString &column) const
{
    QWidget *editor = m_fields.value(column);
    if (auto *list = qobject_cast<LookupComboBox *>(editor)) {
        if (list->currentIndex() >= 0)
            return list->currentText();
        // A value the list no longer holds (its row was deleted) stays on a modified row.
        return m_state == State::Modifying ? storedText(column) : QString();
    }
    return static_cast<QLineEdit *>(editor)->text().trimmed();
}

QString MaintenanceWindow::storedText(const QString &column) const
{
    for (const MaintenanceField &def : m_member.fields) {
        if (column == QLatin1String(def.column))
            return m_grid->currentValue(QString::fromUtf8(def.title)).toString();
    }
    return {};
}

void MaintenanceWindow::setFieldText(const QString &column, const QString &text)
{
    QWidget *editor = m_fields.value(column);
    if (auto *list = qobject_cast<LookupComboBox *>(editor))
        list->setKeyValue(text);
    else
        static_cast<QLineEdit *>(editor)->setText(text);
}

void MaintenanceWindow::showCurrentRow()
{
    if (m_state != State::Browse)
        return;
    for (const MaintenanceField &def : m_member.fields)
        setFieldText(QLatin1String(def.column), m_grid->currentValue(QString::fromUtf8(def.title)).toString());
}

QString MaintenanceWindow::currentName() const
{
    for (const MaintenanceField &def : m_member.fields) {
        if (m_member.nameColumn == QLatin1String(def.column))
            return m_grid->currentValue(QString::fromUtf8(def.title)).toString();
    }
    return {};
}

int MaintenanceWindow::currentId() const
{
    return m_grid->currentValue(QStringLiteral("ID")).toInt();
}

void MaintenanceWindow::setState(State state)
{
    m_state = state;
    const bool browsing = state == State::Browse;
    m_form->setEnabled(!browsing);
    m_new->setEnabled(browsing);
    m_modify->setEnabled(browsing);
    m_delete->setEnabled(browsing);
    m_cancel->setEnabled(!browsing);
    m_saveNew->setVisible(state == State::Adding);
    m_saveNew->setEnabled(state == State::Adding);
    m_saveEdit->setVisible(state != State::Adding);
    m_saveEdit->setEnabled(state == State::Modifying);
    m_grid->setEnabled(browsing);
    for (QToolButton *button : m_navigator)
        button->setEnabled(browsing);
    if (browsing)
        showCurrentRow();
    else
        m_fields.value(m_member.nameColumn)->setFocus();
}

void MaintenanceWindow::ButNewClick()
{
    for (const MaintenanceField &def : m_member.fields)
        setFieldText(QLatin1String(def.column), QString());
    setState(State::Adding);
    if (m_member.proposeKey)
        setFieldText(m_member.keyColumn, m_member.proposeKey(m_services));
}

void MaintenanceWindow::ButMedClick()
{
    if (currentName().isEmpty() || !rightAllows(m_services.context.RightModify))
        return;
    setState(State::Modifying);
}

void MaintenanceWindow::ButCanClick()
{
    setState(State::Browse);
}

void MaintenanceWindow::ButDelClick()
{
    const QString name = currentName();
    if (name.isEmpty() || !rightAllows(m_services.context.RightDelete))
        return;
    if (m_member.deleteRefusal) {
        const QString refusal = m_member.deleteRefusal(m_services, currentId(), name);
        if (!refusal.isEmpty()) {
            m_services.dialogs.information(this, refusal, kProgramTitle);
            return;
        }
    }
    if (!m_services.dialogs.question(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"),
                                     QStringLiteral("删除")))
        return;
    Transaction transaction(m_services.dm.database());
    for (const QString &statement : m_member.deleteAlso)
        m_services.dm.myESQL(statement, {currentId()});
    m_services.dm.myESQL(QStringLiteral("delete from %1 where ID=?").arg(m_member.table), {currentId()});
    transaction.commit();
    m_grid->rows()->removeRow(m_grid->currentRowNumber());
    showCurrentRow();
}

bool MaintenanceWindow::checkRequired()
{
    for (const RequiredField &required : m_member.required) {
        const QString column = QLatin1String(required.column);
        if (fieldText(column).isEmpty()) {
            m_services.dialogs.information(this, QString::fromUtf8(required.message), kProgramTitle);
            m_fields.value(column)->setFocus();
            return false;
        }
    }
    for (const MaintenanceField &def : m_member.fields) {
        const QString column = QLatin1String(def.column);
        if (def.kind == MaintenanceField::Kind::Number && !fieldText(column).isEmpty() && !parseNumber(fieldText(column))) {
            m_services.dialogs.information(this, QString::fromUtf8(def.title) + QStringLiteral(" 不是有效的数字！"),
                                           kProgramTitle);
            m_fields.value(column)->setFocus();
            return false;
        }
    }
    return true;
}

bool MaintenanceWindow::keyTaken(const QString &key, int exceptId)
{
    return m_services.dm.myRetCount(QStringLiteral("select ID from %1 Where %2=? and ID<>? limit 1")
                                        .arg(m_member.table, m_member.keyColumn),
                                    {key, exceptId}) > 0;
}

QVariantList MaintenanceWindow::fieldValues() const
{
    QVariantList values;
    for (const MaintenanceField &def : m_member.fields) {
        const QString text = fieldText(QLatin1String(def.column));
        if (def.kind == MaintenanceField::Kind::Number)
            values << roundMoney(parseNumber(text).value_or(0));
        else
            values << text;
    }
    if (m_member.hasPinyin)
        values << PinyinCode(fieldText(m_member.nameColumn));
    return values;
}

void MaintenanceWindow::ButSaveClick()
{
    if (!checkRequired())
        return;
    if (keyTaken(fieldText(m_member.keyColumn), 0)) {
        m_services.dialogs.information(this, m_member.duplicateMessage, kProgramTitle);
        return;
    }
    QStringList columns;
    for (const MaintenanceField &def : m_member.fields)
        columns << QLatin1String(def.column);
    if (m_member.hasPinyin)
        columns << QStringLiteral("thePY");
    QVariantList values = fieldValues();
    if (m_member.insertDefaults) {
        const QVariantHash defaults = m_member.insertDefaults(m_services);
        for (auto value = defaults.cbegin(); value != defaults.cend(); ++value) {
            columns << value.key();
            values << value.value();
        }
    }

    Transaction transaction(m_services.dm.database());
    m_services.dm.myESQL(QStringLiteral("insert into %1 (%2) values (%3)")
                             .arg(m_member.table, columns.join(QLatin1Char(',')), placeholders(columns.size())),
                         values);
    if (m_member.afterInsert)
        m_member.afterInsert(m_services, fieldText(m_member.nameColumn));
    transaction.commit();

    m_state = State::Browse; // show the refreshed rows, not the typed ones
    Ref();
    setState(State::Browse);
}

void MaintenanceWindow::ButSaveEditClick()
{
    if (!checkRequired())
        return;
    if (m_member.duplicateCheckOnModify && keyTaken(fieldText(m_member.keyColumn), currentId())) {
        m_services.dialogs.information(this, m_member.duplicateMessage, kProgramTitle);
        m_fields.value(m_member.keyColumn)->setFocus();
        return;
    }
    QStringList assignments;
    for (const MaintenanceField &def : m_member.fields)
        assignments << QLatin1String(def.column) + QStringLiteral("=?");
    if (m_member.hasPinyin)
        assignments << QStringLiteral("thePY=?");
    QVariantList values = fieldValues();
    values << currentId();
    Transaction transaction(m_services.dm.database());
    m_services.dm.myESQL(QStringLiteral("update %1 set %2 where ID=?").arg(m_member.table, assignments.join(QLatin1Char(','))),
                         values);
    if (m_member.afterUpdate)
        m_member.afterUpdate(m_services, currentName(), fieldText(m_member.nameColumn));
    transaction.commit();

    // Show the saved values in the grid without reading the table again.
    const int row = m_grid->currentRowNumber();
    for (const MaintenanceField &def : m_member.fields)
        m_grid->rows()->setValue(row, QString::fromUtf8(def.title), fieldText(QLatin1String(def.column)));
    if (m_member.hasPinyin && m_grid->rows()->column(QStringLiteral("thePY")) >= 0)
        m_grid->rows()->setValue(row, QStringLiteral("thePY"), PinyinCode(fieldText(m_member.nameColumn)));
    setState(State::Browse);
}

void MaintenanceWindow::ButExiClick()
{
    close();
}

void MaintenanceWindow::closeEvent(QCloseEvent *event)
{
    if (!m_member.closingMessage.isEmpty())
        m_services.dialogs.information(this, m_member.closingMessage, kProgramTitle);
    event->accept();
}
