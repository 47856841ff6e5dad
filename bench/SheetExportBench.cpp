// Exporting a large list: 100 000 rows × 20 columns in the titled layout, with text,
// number and date columns, from a model that makes its texts on request (as a query
// model does), so that the figures are those of the export itself.
#include "SilentDialogs.h"
#include "sheets/SheetExport.h"
#include "ui/Dialogs.h"

#include <xlsxwriter.h>

#include <QAbstractTableModel>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 20;

class GeneratedRows : public QAbstractTableModel {
public:
    explicit GeneratedRows(int rows) : m_rows(rows) {}

    int rowCount(const QModelIndex & = {}) const override { return m_rows; }
    int columnCount(const QModelIndex & = {}) const override { return kColumns; }

    QVariant headerData(int section, Qt::Orientation, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(columnTitle(section)) : QVariant();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const int row = index.row();
        switch (index.column() % 4) {
        case 0: return QStringLiteral("%1").arg(row, 8, 10, QLatin1Char('0')); // a number kept as text
        case 1: return QStringLiteral("办公用品%1").arg(row % 997);
        case 2: return QString::number(row * 0.25);
        default: return QStringLiteral("2024-03-%1").arg(row % 28 + 1, 2, 10, QLatin1Char('0'));
        }
    }

    static QString columnTitle(int column) { return QStringLiteral("列%1").arg(column + 1); }

private:
    int m_rows;
};

// Nothing is shown and nothing is opened while measuring.
SheetMember largeListMember()
{
    SheetMember member{.window = QStringLiteral("BenchList"),
                       .layout = SheetLayout::Titled,
                       .titleText = QStringLiteral("物品流动报表"),
                       .columns = {},
                       .landscape = true};
    for (int column = 0; column < kColumns; ++column) {
        const bool text = column % 4 == 0 || column % 4 == 3;
        member.columns.append({GeneratedRows::columnTitle(column), 10, text});
    }
    return member;
}

void BM_ExportTitledList(benchmark::State &state)
{
    QTemporaryDir folder;
    SilentDialogs dialogs;
    SheetExporter exporter(dialogs, QStringLiteral("晴川朔禾信息科技有限公司"), folder.path());
    GeneratedRows rows(int(state.range(0)));
    const SheetMember member = largeListMember();
    for (auto _ : state) {
        const QString path = exporter.exportList(member, rows);
        if (path.isEmpty()) {
            state.SkipWithError("export failed");
            break;
        }
        state.counters["file_MB"] = double(QFile(path).size()) / 1e6;
        QFile::remove(path);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}
BENCHMARK(BM_ExportTitledList)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The yardstick: the same cells of the same model written with libxlsxwriter directly,
// by code that knows each column's kind, with one bordered format; no title, totals or
// page setup, which cost nothing at this size.
void BM_ExportRawLibxlsxwriter(benchmark::State &state)
{
    QTemporaryDir folder;
    GeneratedRows rows(int(state.range(0)));
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("raw.xlsx")));
    for (auto _ : state) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw_workbook *workbook = workbook_new_opt(path.constData(), &options);
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Sheet1");
        lxw_format *body = workbook_add_format(workbook);
        format_set_border(body, LXW_BORDER_THIN);
        format_set_font_size(body, 9);
        for (int row = 0; row < rows.rowCount(); ++row) {
            worksheet_write_number(sheet, lxw_row_t(row + 2), 0, row + 1, body);
            for (int column = 0; column < kColumns; ++column) {
                const QString text = rows.data(rows.index(row, column), Qt::DisplayRole).toString();
                if (column % 4 == 2)
                    worksheet_write_number(sheet, lxw_row_t(row + 2), lxw_col_t(column + 1), text.toDouble(), body);
                else
                    worksheet_write_string(sheet, lxw_row_t(row + 2), lxw_col_t(column + 1),
                                           text.toUtf8().constData(), body);
            }
        }
        workbook_close(workbook);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}
BENCHMARK(BM_ExportRawLibxlsxwriter)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
