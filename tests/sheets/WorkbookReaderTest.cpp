// readSheet1: the committed .xlsx and .xls workbooks read by column titles, and every
// kind of faulty file giving its one message and no rows.
#include "SheetTestSupport.h"
#include "sheets/WorkbookReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct WorkbookCase {
    const char *file;
    QStringList titles;
};

void PrintTo(const WorkbookCase &workbook, std::ostream *out)
{
    *out << workbook.file;
}

class WorkbookReading : public ::testing::TestWithParam<WorkbookCase> {};

// Both fixtures hold the same table; the titles are not in the order the import
// dialogs name them, " 入职日期" has a blank before it, row 4 is empty and row 5
// leaves columns out.
TEST_P(WorkbookReading, ReadsSheet1ByColumnTitles)
{
    const SheetReadResult result = readSheet1(sheetFixture(GetParam().file));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const SheetTable &table = result.table;
    EXPECT_EQ(table.titles(), GetParam().titles);

    const QStringList columns = {"人员姓名", "工号", "部门名称", "单价", "入职日期"};
    const QList<QStringList> expected = {
        {"张三 ", "12", "办公室", "0.3", "2024-03-01"},
        {"李四", "0007", "财务部", "1234567.5", "2025-03-01 12:00:00"},
        {"王五", "", "", "-2.5", ""},
    };
    ASSERT_EQ(table.rowCount(), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        for (int column = 0; column < columns.size(); ++column) {
            EXPECT_EQ(table.value(row, columns[column]), expected[row][column])
                << "row " << row << ", " << columns[column].toStdString();
        }
    }
    EXPECT_EQ(table.value(0, "没有的列"), "");
    EXPECT_EQ(table.columnOf("没有的列"), -1);
    EXPECT_EQ(table.value(expected.size(), "人员姓名"), "");
}

INSTANTIATE_TEST_SUITE_P(
    SheetReader, WorkbookReading,
    ::testing::Values(
        WorkbookCase{"persons.xlsx", {"部门名称", "人员姓名", "工号", "单价", "入职日期", "在职"}},
        WorkbookCase{"persons.xls", {"部门名称", "人员姓名", "工号", "单价", "入职日期"}}),
    [](const auto &info) { return QString(info.param.file).replace('.', '_').toStdString(); });

// What only the .xlsx fixture holds: booleans, and a value in a column without a
// title, which cannot be addressed and is left out.
TEST(SheetReader, XlsxBooleansAndUntitledColumns)
{
    const SheetReadResult result = readSheet1(sheetFixture("persons.xlsx"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.table.value(0, "在职"), "TRUE");
    EXPECT_EQ(result.table.value(1, "在职"), "FALSE");
    EXPECT_EQ(result.table.rowCount(), 3) << "the row holding only 无标题列 is no row";
}

// The first row with a value holds the titles, cells may come in any order, and of two
// cells at one place the later one counts.
TEST(SheetReader, BuildsTableFromCellsInAnyOrder)
{
    SheetTable::Builder builder;
    builder.addCell(3, 1, "2");
    builder.addCell(2, 4, "数量");
    builder.addCell(2, 1, "名称");
    builder.addCell(3, 4, "旧值");
    builder.addCell(3, 4, "5");
    builder.addCell(5, 4, "7");
    const SheetTable table = builder.table();
    EXPECT_EQ(table.titles(), QStringList({"名称", "数量"}));
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.value(0, "名称"), "2");
    EXPECT_EQ(table.value(0, "数量"), "5");
    EXPECT_EQ(table.value(1, "名称"), "");
    EXPECT_EQ(table.value(1, "数量"), "7");
}

QByteArray fixtureBytes(const char *name)
{
    QFile file(sheetFixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FaultyCase {
    const char *name;
    std::function<QByteArray()> content; // what the file holds
    QString error;
};

void PrintTo(const FaultyCase &faulty, std::ostream *out)
{
    *out << faulty.name;
}

class FaultyWorkbook : public ::testing::TestWithParam<FaultyCase> {};

TEST_P(FaultyWorkbook, GivesOneMessageAndNoRows)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(GetParam().name) + ".xlsx");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content());
    file.close();

    const SheetReadResult result = readSheet1(path);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_TRUE(result.table.titles().isEmpty());
    EXPECT_EQ(result.table.rowCount(), 0);
}

std::function<QByteArray()> fixture(const char *name)
{
    return [name] { return fixtureBytes(name); };
}

std::function<QByteArray()> truncated(const char *name)
{
    return [name] {
        const QByteArray bytes = fixtureBytes(name);
        return bytes.left(bytes.size() / 2);
    };
}

// One byte of the packed data changed: the part no longer unpacks or fails its CRC.
QByteArray flippedXlsx()
{
    QByteArray bytes = fixtureBytes("persons.xlsx");
    const qsizetype sheetData = bytes.indexOf("xl/worksheets/sheet2.xml") + 40;
    if (sheetData > 40)
        bytes[sheetData] = char(bytes[sheetData] ^ 0x55);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    SheetReader, FaultyWorkbook,
    ::testing::Values(
        FaultyCase{"truncated_xlsx", truncated("persons.xlsx"), kWorkbookDamagedText},
        FaultyCase{"truncated_xls", truncated("persons.xls"), kWorkbookDamagedText},
        FaultyCase{"flipped_byte", flippedXlsx, kWorkbookDamagedText},
        FaultyCase{"text_file", [] { return QByteArray("工号,姓名\n1,张三\n"); },
                   kWorkbookDamagedText},
        FaultyCase{"empty_file", [] { return QByteArray(); }, kWorkbookDamagedText},
        FaultyCase{"other_zip", fixture("not_a_workbook.xlsx"), kWorkbookDamagedText},
        FaultyCase{"broken_xml", fixture("broken_xml.xlsx"), kWorkbookDamagedText},
        FaultyCase{"bad_string_index", fixture("bad_string_index.xlsx"), kWorkbookDamagedText},
        FaultyCase{"bad_reference", fixture("bad_reference.xlsx"), kWorkbookDamagedText},
        FaultyCase{"missing_sheet_part", fixture("missing_sheet_part.xlsx"),
                   kWorkbookDamagedText},
        FaultyCase{"no_sheet1_xlsx", fixture("no_sheet1.xlsx"), kWorkbookNoSheet1Text},
        FaultyCase{"no_sheet1_xls", fixture("no_sheet1.xls"), kWorkbookNoSheet1Text},
        // Found by fuzzing: make FreeXL read past its own buffers, or crash it outright
        // (a plain freexl_open of the second ends in SIGSEGV). The program survives both.
        FaultyCase{"freexl_overread", fixture("freexl_overread.xls"), kWorkbookDamagedText},
        FaultyCase{"freexl_segfault", fixture("freexl_segfault.xls"), kWorkbookDamagedText},
        FaultyCase{"password_xls", fixture("password.xls"), kWorkbookPasswordText},
        FaultyCase{"password_xlsx", fixture("password.xlsx"), kWorkbookPasswordText}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SheetReader, MissingFileNamesThePath)
{
    const SheetReadResult result = readSheet1("/nonexistent/人员.xlsx");
    EXPECT_EQ(result.error, kWorkbookCannotOpenText + "/nonexistent/人员.xlsx");
}

} // namespace
