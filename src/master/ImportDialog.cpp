#include "master/ImportDialog.h"

#include "sheets/SheetTable.h"
#include "sheets/WorkbookReader.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// The rows of a sheet for the preview grid, read from the table as they are painted.
class SheetPreviewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    const SheetTable &sheet() const { return m_sheet; }
    void setSheet(SheetTable sheet)
    {
        beginResetModel();
        m_sheet = std::move(sheet);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_sheet.rowCount(); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_sheet.titles().size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(m_sheet.value(index.row(), index.column())) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return orientation == Qt::Horizontal ? QVariant(m_sheet.titles().value(section)) : QVariant(section + 1);
    }

private:
    SheetTable m_sheet;
};

namespace {

const QString kPreviewCaption = QStringLiteral("EXCEL数据");

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

ImportDialog::ImportDialog(AppServices services, Kind kind, QWidget *parent)
    : QDialog(parent), m_services(services), m_kind(std::move(kind)), m_preview(new QGroupBox(kPreviewCaption)),
      m_grid(new QTableView), m_rows(new SheetPreviewModel(this)), m_import(button(QStringLiteral("导入"), "importButton")), m_progress(new QProgressBar)
{
    setObjectName(m_kind.objectName);
    setWindowTitle(m_kind.caption);
    resize(900, 560);

    auto *openGroup = new QGroupBox(QStringLiteral("打开EXCEL文件"));
    auto *instruction = new QLabel(m_kind.instruction);
    instruction->setWordWrap(true);
    auto *open = button(QStringLiteral("打开"), "openButton");
    auto *openRow = new QHBoxLayout(openGroup);
    openRow->addWidget(instruction, 1);
    openRow->addWidget(open);
    connect(open, &QPushButton::clicked, this, &ImportDialog::openWorkbook);

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    (new QVBoxLayout(m_preview))->addWidget(m_grid);

    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setVisible(false);
    m_import->setEnabled(false);
    auto *exit = button(QStringLiteral("退出"), "exitButton");
    connect(m_import, &QPushButton::clicked, this, &ImportDialog::importRows);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(openGroup);
    layout->addWidget(m_preview, 1);
    if (m_kind.withStorage)
        layout->addWidget(buildStorageGroup());
    layout->addLayout(buttons);
}

QWidget *ImportDialog::buildStorageGroup()
{
    auto *group = new QGroupBox(QStringLiteral("仓库名称"));
    m_storage = new LookupComboBox;
    m_storage->setObjectName(QStringLiteral("DBComStorage"));
    m_storage->setLookup(m_services.dm.DBComStorage());
    m_saveStock = new QCheckBox(QStringLiteral("保存库存"));
    m_saveStock->setObjectName(QStringLiteral("saveStock"));
    // Choosing a storage means its stock is to be saved.
    connect(m_storage, &QComboBox::currentIndexChanged, m_saveStock, [this](int index) {
        if (index >= 0)
            m_saveStock->setChecked(true);
    });
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("仓库名称：")));
    row->addWidget(m_storage, 1);
    row->addWidget(m_saveStock);
    return group;
}

void ImportDialog::openWorkbook()
{
    const QString file = m_services.dialogs.openFileName(
        this, QStringLiteral("打开"), QString(), QStringLiteral("Excel文件(*.xls);;Excel文件(*.xlsx)"));
    if (file.isEmpty())
        return;
    SheetReadResult read = readSheet1(file);
    if (!read.ok()) {
        m_services.dialogs.information(this, read.error, kProgramTitle);
        return;
    }
    m_rows->setSheet(std::move(read.table));
    showSheet();
}

void ImportDialog::showSheet()
{
    for (int column = 0; column < m_kind.columnWidths.size(); ++column)
        m_grid->setColumnWidth(column, m_kind.columnWidths[column]);
    m_preview->setTitle(kPreviewCaption + QStringLiteral("  共有 %1 条数据").arg(m_rows->sheet().rowCount()));
    m_import->setEnabled(m_rows->sheet().rowCount() > 0);
}

void ImportDialog::importRows()
{
    ItemImportOptions options;
    options.loginDate = m_services.context.LoginDate;
    if (m_kind.withStorage) {
        options.saveStock = m_saveStock->isChecked();
        options.storageId = m_storage->keyValue().toString();
        if (options.saveStock && options.storageId.isEmpty()) {
            m_services.dialogs.information(this, QStringLiteral("请选择 仓库名称！"), kProgramTitle);
            m_storage->setFocus();
            return;
        }
    }
    m_progress->setVisible(true);
    m_progress->setValue(0);
    const ImportOutcome outcome = m_kind.import(m_services, m_rows->sheet(), options, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_progress->setVisible(false);
    if (!outcome.error.isEmpty()) {
        m_services.dialogs.information(this, outcome.error, kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, m_kind.reportText.arg(outcome.added), kProgramTitle);
    accept();
}

TfrmIn_A::TfrmIn_A(AppServices services, QWidget *parent)
    : ImportDialog(services,
                   {QStringLiteral("frmIn_A"), QStringLiteral("物品导入"),
                    QStringLiteral("打开的EXCEL文件的底部一定是Sheet1，表格头部顺序为物品编码、物品分类、物品名称、规格型号、"
                                   "单位、单价、库存数量、备注、货位名称"),
                    {100, 80, 200, 100, 60, 60, 80, 80, 80}, QStringLiteral("成功导入物品数据 %1 条！"), true,
                    [](AppServices &s, const SheetTable &sheet, const ItemImportOptions &options,
                       const ImportProgress &progress) { return importItems(s.dm, sheet, options, progress); }},
                   parent)
{
}

TfrmIn_P::TfrmIn_P(AppServices services, QWidget *parent)
    : ImportDialog(services,
                   {QStringLiteral("frmIn_P"), QStringLiteral("人员导入"),
                    QStringLiteral("打开的EXCEL文件的底部一定是Sheet1，表格头部顺序为工号、部门名称、人员姓名、职务、联系方式、"
                                   "身份证号、住址、备注"),
                    {80, 100, 100, 80, 100, 100, 100, 100}, QStringLiteral("成功导入人员数据 %1 条！"), false,
                    [](AppServices &s, const SheetTable &sheet, const ItemImportOptions &,
                       const ImportProgress &progress) { return importPersons(s.dm, sheet, progress); }},
                   parent)
{
}

TfrmIn_G::TfrmIn_G(AppServices services, QWidget *parent)
    : ImportDialog(services,
                   {QStringLiteral("frmIn_G"), QStringLiteral("供应商导入"),
                    QStringLiteral("打开的EXCEL文件的底部一定是Sheet1，表格头部顺序为商家名称、电话号码、联系人、地址、备注"),
                    {120, 120, 120, 120, 120}, QStringLiteral("成功导入供应商数据 %1 条！"), false,
                    [](AppServices &s, const SheetTable &sheet, const ItemImportOptions &,
                       const ImportProgress &progress) { return importSuppliers(s.dm, sheet, progress); }},
                   parent)
{
}
