// The models behind the grids, and the line grid's recomputation of a line.
#include "store/AppContext.h"
#include "support/QtPrinters.h"
#include "ui/DataGrid.h"
#include "ui/LineGrid.h"

#include <QAbstractItemModelTester>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

LineGridLayout layout()
{
    LineGridLayout l;
    l.titles = {"序号", "物品编码", "物品名称", "规格型号", "单位", "单价", "数量", "金额", "备注"};
    l.columnCount = 11;
    return l;
}

TEST(LineGridModel, NumbersItsLinesAndKeepsHiddenCells)
{
    LineGridModel lines(layout().titles, 11);
    QAbstractItemModelTester tester(&lines, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(lines.rowCount(), 99);
    EXPECT_EQ(lines.cell(1, 0), "1");
    EXPECT_EQ(lines.cell(99, 0), "99");
    lines.setCell(5, 10, "hidden");
    lines.setCell(100, 1, "beyond the last line"); // ignored
    EXPECT_EQ(lines.cell(5, 10), "hidden");
    EXPECT_FALSE(lines.flags(lines.index(0, 9)) & Qt::ItemIsEditable);
    EXPECT_TRUE(lines.flags(lines.index(0, 1)) & Qt::ItemIsEditable);
    lines.clearLine(5);
    EXPECT_EQ(lines.cell(5, 10), "");
    EXPECT_EQ(lines.cell(5, 0), "5");
}

TEST(LineGrid, RecomputingALineFillsZerosTheAmountOrEmptiesIt)
{
    const struct { const char *code, *price, *quantity; QStringList expected; } cases[] = {
        {"A1", "2.5", "4", {"A1", "2.5", "4", "10"}},
        {"A1", "", "", {"A1", "0", "0", "0"}},
        {"A1", "0.1", "3", {"A1", "0.1", "3", "0.3"}},
        {"A1", "1.2.3", "2", {"A1", "1.2.3", "2", "0"}},
        {"", "5", "5", {"", "", "", ""}},
    };
    for (const auto &c : cases) {
        LineGrid grid(layout());
        LineGridModel &lines = *grid.lines();
        lines.setCell(1, 1, c.code);
        lines.setCell(1, 5, c.price);
        lines.setCell(1, 6, c.quantity);
        lines.setCell(1, 9, "77");
        grid.recomputeLine(1);
        EXPECT_EQ(QStringList({lines.cell(1, 1), lines.cell(1, 5), lines.cell(1, 6), lines.cell(1, 7)}), c.expected)
            << c.code << " " << c.price << " " << c.quantity;
    }
}

TEST(LineGrid, TheCursorNeverLeavesLine99)
{
    LineGrid grid(layout());
    grid.setCurrent(99, 5);
    grid.moveToNextLine();
    EXPECT_EQ(grid.currentLine(), 99);
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST(RowsModel, SortsLoadedRowsAndPassesTheModelTester)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "rows");
    db.setDatabaseName(":memory:");
    ASSERT_TRUE(db.open());
    {
        QSqlQuery setup(db);
        setup.exec("create table t (code text, name text)");
        setup.exec("insert into t values ('10', '乙'), ('9', '甲'), ('100', '丙')");
        QSqlQuery query(db);
        query.exec("select code as 编码, name as 名称 from t");
        DataGrid grid;
        QAbstractItemModelTester tester(grid.rows(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        grid.load(query);
        EXPECT_EQ(grid.rows()->column("名称"), 1);
        grid.titleClick(0);
        EXPECT_EQ(grid.rows()->value(0, "编码").toString(), "9"); // numbers inside text sort as numbers
        EXPECT_EQ(grid.rows()->value(2, "编码").toString(), "100");
        grid.moveCursor(DataGrid::Move::Last);
        EXPECT_EQ(grid.currentValue("编码").toString(), "100");
        grid.rows()->removeRow(2);
        EXPECT_EQ(grid.rows()->rowCount(), 2);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("rows");
}

} // namespace
