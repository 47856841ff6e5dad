#include "sheets/SheetExport.h"

#include "sheets/XlsxSheetWriter.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <optional>

namespace {

// The centre footer: program, maker's web address, "page P of N" in Chinese.
const QString kPageFooter = QStringLiteral("&C") + kProgramTitle + QLatin1Char(' ')
                            + kMakerWebAddress + QStringLiteral(" 共&N页，第&P页");
const QString kNumberTitle = QStringLiteral("序号");
const QString kTotalsText = QStringLiteral("合计");
const QString kMovementTitleText = QStringLiteral("物品流动记录表");

// The look of the titled and sectioned layouts.
const CellStyle kTitleStyle{QStringLiteral("宋体"), 16, true, true, true, false};
const CellStyle kHeaderStyle{QString(), 9, true, true, true, true};
const CellStyle kBodyStyle{QString(), 9, false, false, false, true};
const CellStyle kCentredBodyStyle{QString(), 9, false, true, false, true};

// Where a list's columns sit in a model; the error names the first title not found.
struct ModelColumns {
    QList<int> indexes;
    QString missing;
};

QStringList headersOf(const QAbstractItemModel &model)
{
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal).toString();
    return headers;
}

ModelColumns findColumns(const QStringList &headers, const QStringList &titles)
{
    ModelColumns found;
    for (const QString &title : titles) {
        const qsizetype index = headers.indexOf(title);
        if (index < 0) {
            found.missing = title;
            break;
        }
        found.indexes << int(index);
    }
    return found;
}

QString missingColumnText(const QString &title)
{
    return QStringLiteral("导出失败：列表中没有“%1”列。").arg(title);
}

// A window's result may be fetched in parts (QSqlQueryModel); the sheet takes all of it.
void fetchAll(QAbstractItemModel &model)
{
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());
}

QString displayText(const QAbstractItemModel &model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

// The rows of a window's model, fetched whole first (a QSqlQueryModel fetches in parts).
class ModelRows : public SheetRows {
public:
    explicit ModelRows(QAbstractItemModel &model) : m_model(model) { fetchAll(model); }
    QStringList titles() const override { return headersOf(m_model); }
    qint64 size() const override { return m_model.rowCount(); }
    bool next() override { return ++m_row < m_model.rowCount(); }
    QString text(int column) const override { return displayText(m_model, m_row, column); }

private:
    QAbstractItemModel &m_model;
    int m_row = -1;
};

// Rows the sheet needs besides the list's: title, header and the 合计 row.
qint64 extraRows(bool titled, bool totals)
{
    return (titled ? 2 : 1) + (totals ? 1 : 0);
}

QString tooManyRowsText(qint64 rows)
{
    return QStringLiteral("列表共有 %1 行，超过了一张电子表格能容纳的 %2 行，无法导出。"
                          "请缩小查询条件后再导出。")
        .arg(rows)
        .arg(kSheetRowLimit);
}

constexpr qint64 kProgressStep = 2000;

QString columnFieldOf(const SheetColumn &column)
{
    return column.field.isEmpty() ? column.title : column.field;
}

// Writes one exported list; the layout decides the rows and formats.
class ListSheet {
public:
    // The plain layout writes every cell with the default look (no format).
    ListSheet(XlsxSheetWriter &writer, const SheetMember &member)
        : m_writer(writer), m_member(member), m_titled(member.layout == SheetLayout::Titled),
          m_header(m_titled ? writer.format(kHeaderStyle) : nullptr),
          m_body(m_titled ? writer.format(kBodyStyle) : nullptr),
          m_number(m_titled ? writer.format(kCentredBodyStyle) : nullptr)
    {
    }

    void write(const QString &title, SheetRows &rows, const QList<int> &fields,
               const QStringList *totals, const SheetProgress &progress)
    {
        int row = 0;
        setWidths();
        if (m_titled) {
            m_writer.merge(row++, 0, lastColumn(), title, m_writer.format(kTitleStyle));
            m_writer.setFooter(kPageFooter);
            if (m_member.landscape)
                m_writer.setLandscape();
        }
        writeHeader(row++);
        const qint64 total = rows.size();
        for (qint64 written = 0; rows.next(); ++row) {
            m_writer.writeNumber(row, 0, double(++written), m_number);
            for (int column = 0; column < fields.size(); ++column) {
                m_writer.writeValue(row, column + 1, rows.text(fields[column]),
                                    m_member.columns[column].text, m_body);
            }
            if (progress && written % kProgressStep == 0)
                progress(written, total);
        }
        if (totals)
            writeTotals(row, *totals);
    }

private:
    int lastColumn() const { return int(m_member.columns.size()); }

    void setWidths()
    {
        m_writer.setColumnWidth(0, m_member.numberWidth);
        for (int column = 0; column < m_member.columns.size(); ++column)
            m_writer.setColumnWidth(column + 1, m_member.columns[column].width);
    }

    void writeHeader(int row)
    {
        m_writer.writeValue(row, 0, kNumberTitle, true, m_header);
        for (int column = 0; column < m_member.columns.size(); ++column)
            m_writer.writeValue(row, column + 1, m_member.columns[column].title, true, m_header);
    }

    // "合计" under "序号" and the totals under the summed columns; `totals` holds one
    // value per column, empty where nothing is summed.
    void writeTotals(int row, const QStringList &totals)
    {
        m_writer.writeValue(row, 0, kTotalsText, true, m_number);
        for (int column = 0; column < totals.size(); ++column)
            m_writer.writeValue(row, column + 1, totals[column], false, m_body);
    }

    XlsxSheetWriter &m_writer;
    const SheetMember &m_member;
    const bool m_titled;
    lxw_format *const m_header;
    lxw_format *const m_body;
    lxw_format *const m_number;
};

// The totals row's values per column of the member, from the first row of the window's
// totals result; columns that are not summed stay empty, and so do all of them when
// the totals result has no row.
std::optional<QStringList> totalsRow(const SheetMember &member, QAbstractItemModel &totals,
                                     QString &missing)
{
    QStringList values;
    for (const SheetColumn &column : member.columns) {
        if (!member.sums.contains(column.title)) {
            values << QString();
            continue;
        }
        const ModelColumns found = findColumns(headersOf(totals), {columnFieldOf(column)});
        if (!found.missing.isEmpty()) {
            missing = found.missing;
            return std::nullopt;
        }
        values << (totals.rowCount() > 0 ? displayText(totals, 0, found.indexes.first())
                                         : QString());
    }
    return values;
}

// The sections of the movement record: name and the titles after "序号"; the first
// of them, the date, is written as text.
struct MovementSection {
    QString name;
    QStringList titles;
};

const std::array<MovementSection, 6> &movementSections()
{
    static const std::array<MovementSection, 6> sections = {{
        {QStringLiteral("采购记录"),
         {QStringLiteral("采购日期"), QStringLiteral("采购人"), QStringLiteral("数量"),
          QStringLiteral("单价"), QStringLiteral("金额"), QStringLiteral("供应商")}},
        {QStringLiteral("领用记录"),
         {QStringLiteral("领用日期"), QStringLiteral("领用人"), QStringLiteral("数量")}},
        {QStringLiteral("借出记录"),
         {QStringLiteral("借用日期"), QStringLiteral("借用人"), QStringLiteral("批准人"),
          QStringLiteral("数量")}},
        {QStringLiteral("归还记录"),
         {QStringLiteral("归还日期"), QStringLiteral("归还人"), QStringLiteral("数量")}},
        {QStringLiteral("报损记录"),
         {QStringLiteral("报损日期"), QStringLiteral("批准人"), QStringLiteral("数量")}},
        {QStringLiteral("报溢记录"),
         {QStringLiteral("报溢日期"), QStringLiteral("批准人"), QStringLiteral("数量")}},
    }};
    return sections;
}

constexpr int kMovementLastColumn = 6; // A–G

void writeMovementItem(XlsxSheetWriter &writer, const MovementRecordItem &item)
{
    const QStringList titles = {QString(),           QStringLiteral("物品名称"),
                                QStringLiteral("规格"), QStringLiteral("单位"),
                                QStringLiteral("单价"), QStringLiteral("所在仓库"),
                                QStringLiteral("库存数量")};
    const QStringList values = {QString(), item.name,    item.standard, item.unit,
                                item.price, item.storage, item.stock};
    // Row by row: a row is on disk once the next one starts.
    lxw_format *header = writer.format(kHeaderStyle);
    lxw_format *body = writer.format(kBodyStyle);
    for (int column = 0; column <= kMovementLastColumn; ++column)
        writer.writeValue(1, column, titles[column], true, header);
    for (int column = 0; column <= kMovementLastColumn; ++column) {
        const bool isNumber = column == 4 || column == 6; // 单价, 库存数量
        writer.writeValue(2, column, values[column], !isNumber, body);
    }
}

// Blank row, name row, header row and the movements; returns the next free row.
int writeMovementSection(XlsxSheetWriter &writer, int row, const MovementSection &section,
                         const QAbstractItemModel *movements, const QList<int> &fields)
{
    lxw_format *body = writer.format(kBodyStyle);
    writer.merge(row++, 0, kMovementLastColumn, QString(), body);
    writer.merge(row++, 0, kMovementLastColumn, section.name, body);
    // Columns after a section's last title stay empty but bordered, as all of A:G.
    writer.writeValue(row, 0, kNumberTitle, true, body);
    for (int column = 1; column <= kMovementLastColumn; ++column)
        writer.writeValue(row, column, section.titles.value(column - 1), true, body);
    ++row;
    const int count = movements ? movements->rowCount() : 0;
    for (int movement = 0; movement < count; ++movement, ++row) {
        writer.writeNumber(row, 0, movement + 1, body);
        for (int column = 1; column <= kMovementLastColumn; ++column) {
            const int field = fields.value(column - 1, -1);
            const QString text = field < 0 ? QString() : displayText(*movements, movement, field);
            writer.writeValue(row, column, text, column == 1, body);
        }
    }
    return row;
}

QString safeFileName(QString name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    return name.trimmed();
}

} // namespace

SheetExporter::SheetExporter(Dialogs &dialogs, const QString &orgName, const QString &folder)
    : m_dialogs(dialogs), m_orgName(orgName), m_folder(folder)
{
}

QString SheetExporter::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
           + QStringLiteral("/Excel导出");
}

QString SheetExporter::newFilePath(const QString &caption) const
{
    const QString stem = safeFileName(caption) + QLatin1Char('_')
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = m_folder + QLatin1Char('/') + stem + QStringLiteral(".xlsx");
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = m_folder + QLatin1Char('/') + stem + QStringLiteral("(%1).xlsx").arg(copy);
    return path;
}

// Reports a failed export or hands the written file to the desktop.
QString SheetExporter::finish(const QString &path, bool written, const QString &error)
{
    if (!written) {
        QFile::remove(path);
        m_dialogs.error(nullptr, error, kProgramTitle);
        return QString();
    }
    if (!m_dialogs.openUrl(QUrl::fromLocalFile(path))) {
        m_dialogs.information(nullptr,
                              QStringLiteral("文件已保存：") + QDir::toNativeSeparators(path),
                              kProgramTitle);
    }
    return path;
}

QString SheetExporter::exportList(const SheetMember &member, QAbstractItemModel &rows,
                                  QAbstractItemModel *totals, const QString &titleText)
{
    ModelRows modelRows(rows);
    return exportRows(member, modelRows, totals, titleText);
}

QString SheetExporter::exportRows(const SheetMember &member, SheetRows &rows,
                                  QAbstractItemModel *totals, const QString &titleText,
                                  const SheetProgress &progress)
{
    const QString text = titleText.isEmpty() ? member.titleText : titleText;
    const bool titled = member.layout == SheetLayout::Titled;
    const QString title = titled ? m_orgName + text : text;
    const QString caption = member.captionWithoutOrgName ? text : title;

    QStringList fieldNames;
    for (const SheetColumn &column : member.columns)
        fieldNames << columnFieldOf(column);
    const ModelColumns fields = findColumns(rows.titles(), fieldNames);
    QString missing = fields.missing;
    std::optional<QStringList> totalValues;
    if (missing.isEmpty() && titled && !member.sums.isEmpty()) {
        totalValues = totals ? totalsRow(member, *totals, missing)
                             : QStringList(member.columns.size(), QString());
    }
    if (!missing.isEmpty()) {
        m_dialogs.error(nullptr, missingColumnText(missing), kProgramTitle);
        return QString();
    }
    if (rows.size() + extraRows(titled, totalValues.has_value()) > kSheetRowLimit) {
        m_dialogs.warning(nullptr, tooManyRowsText(rows.size()), kProgramTitle);
        return QString();
    }

    if (!QDir().mkpath(m_folder))
        return finish(QString(), false, kSheetFileFailedText);
    const QString path = newFilePath(caption);
    XlsxSheetWriter writer(path);
    writer.setTitle(caption);
    ListSheet(writer, member).write(title, rows, fields.indexes,
                                    totalValues ? &*totalValues : nullptr, progress);
    return finish(path, writer.close(), kSheetFileFailedText);
}

QString SheetExporter::exportMovementRecord(const MovementRecordItem &item,
                                            const MovementSections &sections)
{
    std::array<QList<int>, 6> fields;
    for (size_t index = 0; index < sections.size(); ++index) {
        if (!sections[index])
            continue;
        fetchAll(*sections[index]);
        const ModelColumns found =
            findColumns(headersOf(*sections[index]), movementSections()[index].titles);
        if (!found.missing.isEmpty()) {
            m_dialogs.error(nullptr, missingColumnText(found.missing), kProgramTitle);
            return QString();
        }
        fields[index] = found.indexes;
    }

    if (!QDir().mkpath(m_folder))
        return finish(QString(), false, kSheetFileFailedText);
    const QString title = m_orgName + kMovementTitleText;
    const QString path = newFilePath(title);
    XlsxSheetWriter writer(path);
    writer.setTitle(title);
    const double widths[] = {4, 10, 10, 10, 10, 10, 20};
    for (int column = 0; column <= kMovementLastColumn; ++column)
        writer.setColumnWidth(column, widths[column]);
    writer.merge(0, 0, kMovementLastColumn, title, writer.format(kTitleStyle));
    writeMovementItem(writer, item);
    int row = 3;
    for (size_t index = 0; index < sections.size(); ++index)
        row = writeMovementSection(writer, row, movementSections()[index], sections[index],
                                   fields[index]);
    return finish(path, writer.close(), kSheetFileFailedText);
}
