// The six statistics windows and the lists of items and persons without documents.
#include "StockFixture.h"
#include "stock/StatisticsWindow.h"
#include "stock/UnusedLists.h"
#include "store/Numbers.h"
#include "support/Screenshots.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

struct Kind {
    const char *window;
    const char *header;
};
const Kind kKinds[] = {{"TfrmTJ_CG", "UIn_CG"},  {"TfrmTJ_TH", "UOut_TH"}, {"TfrmTJ_LY", "UOut_LY"},
                       {"TfrmTJ_JY", "UOut_JC"}, {"TfrmTJ_BS", "UOut_BS"}, {"TfrmTJ_BY", "UIn_BY"}};

struct Line {
    int item;
    double count;
    double price;
    double returned = 0;
    int deleted = 0;
};

// The same documents in every kind's tables: two in the range 2024-03-01 … 2024-03-31 at
// its two ends, one the day before, one in a storage the user may not see, one deleted.
struct Statistics : ::testing::Test {
    TestDatabase db;
    int documents = 0;

    Statistics()
    {
        db.context.OrgName = "测试单位";
        db.context.UserStorages = {"一号库", "二号库"};
        db.dm.myESQL("INSERT INTO UArticle (ID, theNum, AType, AName, AStandard, AUnit, APrice, Remark) VALUES "
                     "(1, '0001', '办公', '铅笔', 'HB', '支', 10, ''), (2, '0002', '办公', '橡皮', '', '块', 3.5, ''), "
                     "(3, '0003', '工具', '锤子', '', '把', 20, '')");
        db.dm.myESQL("INSERT INTO UAType (theName) VALUES ('办公'), ('工具')");
        db.dm.myESQL("INSERT INTO SDepartment (DName) VALUES ('行政部'), ('财务部')");
        db.dm.myESQL("INSERT INTO SPerson (DName, PName, thePhone) VALUES ('行政部', '张三', '0138'), "
                     "('财务部', '李四', '0139'), ('财务部', '王五', '')");
        db.dm.myESQL("INSERT INTO SStorage (SName) VALUES ('二号库'), ('三号库')");
        for (const Kind &kind : kKinds) {
            add(kind.header, "2024-03-01", "一号库", "张三", "行政部",
                {{1, 2, 9, 2}, {1, 3, 11, 1}, {2, 1, 4}, {3, 100, 1, 0, 1}});
            add(kind.header, "2024-03-31", "二号库", "李四", "财务部", {{1, 5, 9}});
            add(kind.header, "2024-02-29", "一号库", "张三", "行政部", {{2, 7, 4}});
            add(kind.header, "2024-03-15", "三号库", "张三", "行政部", {{1, 50, 9}});
            add(kind.header, "2024-03-10", "一号库", "张三", "行政部", {{1, 60, 9}}, 1);
        }
    }

    void add(const QString &header, const QString &date, const QString &storage, const QString &person,
             const QString &department, const QList<Line> &lines, int deleted = 0)
    {
        const QString number = QString::number(++documents);
        QVariantMap columns = {{"theNum", number}, {"myDate", date}, {"SName", storage}, {"theDel", deleted}};
        if (header == "UIn_CG")
            columns["theCGPro"] = person;
        else if (header == "UOut_TH")
            columns["theTHPro"] = person;
        else if (header == "UOut_LY" || header == "UOut_JC")
            columns.insert({{"theLYPro", person}, {"DName", department}});
        insertRow(db.dm, header, columns);
        const bool linePrice = header == "UIn_CG" || header == "UOut_TH";
        const bool returns = header == "UOut_LY" || header == "UOut_JC";
        for (const Line &line : lines) {
            QVariantMap values = {{"theNum", number}, {"AID", line.item}, {"theCount", line.count},
                                  {"theDel", line.deleted}, {linePrice ? "APrice" : "thePrice", line.price}};
            if (returns)
                values["GHCount"] = line.returned;
            insertRow(db.dm, header + "_Bill", values);
        }
    }
};

// Picks the row with `key` as a user would.
void pick(StatisticsWindow &window, const char *lookup, const QVariant &key)
{
    auto *box = window.findChild<LookupComboBox *>(lookup);
    box->setKeyValue(key);
    Q_EMIT box->activated(box->currentIndex());
}

// Ticks the date box with the test range.
void chooseMarch(StatisticsWindow &window)
{
    window.findChild<QDateEdit *>("DateTimePicker1")->setDate(QDate(2024, 3, 1));
    window.findChild<QDateEdit *>("DateTimePicker2")->setDate(QDate(2024, 3, 31));
}

// The rows of the grid, each as its cells joined by "|", sorted.
QStringList gridRows(const DataGrid &grid)
{
    QStringList rows;
    for (int row = 0; row < grid.rows()->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.rows()->columnCount(); ++column)
            cells << grid.rows()->index(row, column).data().toString();
        rows << cells.join('|');
    }
    rows.sort();
    return rows;
}

QStringList totalLabels(const StatisticsWindow &window)
{
    QStringList texts;
    for (int i = 1; i <= 4; ++i) {
        if (auto *label = window.findChild<QLabel *>(QString("Label%1").arg(i)))
            texts << label->text();
    }
    return texts;
}

// Each totals label equals the sum of its column in the grid.
void expectTotalsMatchColumns(const StatisticsWindow &window)
{
    const QStringList labels = totalLabels(window);
    const QStringList titles = statisticsSumTitles(window.kind());
    ASSERT_EQ(labels.size(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        double sum = 0;
        for (int row = 0; row < window.grid()->rows()->rowCount(); ++row)
            sum += window.grid()->rows()->value(row, titles[i]).toDouble();
        EXPECT_EQ(labels[i], titles[i] + "：" + numberText(sum));
    }
}

struct WindowCase {
    const char *window;
    const char *radio; // the return button clicked, or nothing
    QStringList rows;
    QStringList totals;
};

TEST_F(Statistics, EachWindowGroupsTheLiveLinesOfTheUsersStoragesInTheRange)
{
    const WindowCase cases[] = {
        {"TfrmTJ_CG", nullptr,
         {"张三|一号库|0001|办公|铅笔|HB|支|11|3|33", "张三|一号库|0001|办公|铅笔|HB|支|9|2|18",
          "张三|一号库|0002|办公|橡皮||块|4|1|4", "李四|二号库|0001|办公|铅笔|HB|支|9|5|45"},
         {"数量：11", "金额：100"}},
        {"TfrmTJ_TH", nullptr,
         {"张三|一号库|0001|办公|铅笔|HB|支|11|3|33", "张三|一号库|0001|办公|铅笔|HB|支|9|2|18",
          "张三|一号库|0002|办公|橡皮||块|4|1|4", "李四|二号库|0001|办公|铅笔|HB|支|9|5|45"},
         {"数量：11", "金额：100"}},
        // Requisitions and loans start with the lines not fully returned.
        {"TfrmTJ_LY", nullptr,
         {"行政部|张三|0001|办公|铅笔|HB|支|10|3|30|1", "行政部|张三|0002|办公|橡皮||块|3.5|1|3.5|0",
          "财务部|李四|0001|办公|铅笔|HB|支|10|5|50|0"},
         {"数量：9", "金额：83.5", "归还数量：1"}},
        {"TfrmTJ_LY", "RadioButton2", {"行政部|张三|0001|办公|铅笔|HB|支|10|2|20|2"},
         {"数量：2", "金额：20", "归还数量：2"}},
        {"TfrmTJ_LY", "RadioButton3",
         {"行政部|张三|0001|办公|铅笔|HB|支|10|5|50|3", "行政部|张三|0002|办公|橡皮||块|3.5|1|3.5|0",
          "财务部|李四|0001|办公|铅笔|HB|支|10|5|50|0"},
         {"数量：11", "金额：103.5", "归还数量：3"}},
        {"TfrmTJ_JY", nullptr,
         {"行政部|张三|0001|办公|铅笔|HB|支|10|3|30|1|2", "行政部|张三|0002|办公|橡皮||块|3.5|1|3.5|0|1",
          "财务部|李四|0001|办公|铅笔|HB|支|10|5|50|0|5"},
         {"数量：9", "金额：83.5", "归还数量：1", "未还数量：8"}},
        {"TfrmTJ_JY", "RadioButton2", {"行政部|张三|0001|办公|铅笔|HB|支|10|2|20|2|0"},
         {"数量：2", "金额：20", "归还数量：2", "未还数量：0"}},
        {"TfrmTJ_JY", "RadioButton3",
         {"行政部|张三|0001|办公|铅笔|HB|支|10|5|50|3|2", "行政部|张三|0002|办公|橡皮||块|3.5|1|3.5|0|1",
          "财务部|李四|0001|办公|铅笔|HB|支|10|5|50|0|5"},
         {"数量：11", "金额：103.5", "归还数量：3", "未还数量：8"}},
        {"TfrmTJ_BS", nullptr, {"0001|办公|铅笔|HB|支|10|10|100", "0002|办公|橡皮||块|3.5|1|3.5"},
         {"数量：11", "金额：103.5"}},
        {"TfrmTJ_BY", nullptr, {"0001|办公|铅笔|HB|支|10|10|100", "0002|办公|橡皮||块|3.5|1|3.5"},
         {"数量：11", "金额：103.5"}},
    };
    for (const WindowCase &c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + (c.radio ? c.radio : ""));
        StatisticsWindow window(db.services, statisticsKind(QString(c.window)));
        chooseMarch(window);
        if (c.radio)
            window.findChild<QRadioButton *>(c.radio)->click(); // a click runs
        else
            window.run();
        EXPECT_EQ(gridRows(*window.grid()), c.rows);
        EXPECT_EQ(totalLabels(window), c.totals);
        expectTotalsMatchColumns(window);
    }
}

TEST_F(Statistics, FiltersNarrowTheRowsAndAQuoteIsData)
{
    TfrmTJ_CG window(db.services);
    EXPECT_FALSE(window.findChild<QCheckBox *>("CheckBox1")->isChecked());
    window.run(); // every date: the day before the range counts too
    EXPECT_EQ(window.grid()->rows()->rowCount(), 4);
    EXPECT_EQ(totalLabels(window), QStringList({"数量：18", "金额：128"}));

    chooseMarch(window);
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox1")->isChecked());
    pick(window, "DBLookupComboBox3", db.value("SELECT ID FROM SStorage WHERE SName = '二号库'"));
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox5")->isChecked());
    window.run();
    EXPECT_EQ(gridRows(*window.grid()), QStringList{"李四|二号库|0001|办公|铅笔|HB|支|9|5|45"});

    window.findChild<QCheckBox *>("CheckBox5")->setChecked(false);
    pick(window, "DBLookupComboBox2", "张三");
    window.findChild<QLineEdit *>("Edit1")->setText("橡%");
    window.run();
    EXPECT_EQ(gridRows(*window.grid()), QStringList{"张三|一号库|0002|办公|橡皮||块|4|1|4"});

    window.findChild<QLineEdit *>("Edit1")->setText("O'Neil");
    window.run();
    EXPECT_EQ(window.grid()->rows()->rowCount(), 0);
    EXPECT_EQ(totalLabels(window), QStringList({"数量：0", "金额：0"}));
}

TEST_F(Statistics, DepartmentChoosesThePersonsAndNarrowsTheRows)
{
    TfrmTJ_LY window(db.services);
    auto *persons = window.findChild<LookupComboBox *>("DBLookupComboBox3");
    EXPECT_EQ(persons->count(), 0);
    pick(window, "DBLookupComboBox2", "财务部");
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox4")->isChecked());
    EXPECT_EQ(persons->count(), 2);
    window.findChild<QRadioButton *>("RadioButton3")->click();
    EXPECT_EQ(gridRows(*window.grid()), QStringList{"财务部|李四|0001|办公|铅笔|HB|支|10|5|50|0"});
    pick(window, "DBLookupComboBox3", "王五");
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox5")->isChecked());
    window.run();
    EXPECT_EQ(window.grid()->rows()->rowCount(), 0);
}

TEST_F(Statistics, ItemPriceOfTheRunAndNoStoragesMeansNoRows)
{
    TfrmTJ_BS window(db.services);
    chooseMarch(window);
    db.dm.myESQL("UPDATE UArticle SET APrice = 12 WHERE ID = 1");
    window.run();
    EXPECT_EQ(totalLabels(window), QStringList({"数量：11", "金额：123.5"}));
    db.context.UserStorages.clear();
    window.run();
    EXPECT_EQ(window.grid()->rows()->rowCount(), 0);
    EXPECT_EQ(totalLabels(window), QStringList({"数量：0", "金额：0"}));
}

QStringList listColumn(const UnusedListDialog &list, const QString &title)
{
    QStringList values;
    for (int row = 0; row < list.grid()->rows()->rowCount(); ++row)
        values << list.grid()->rows()->value(row, title).toString();
    values.sort();
    return values;
}

TEST_F(Statistics, UnusedItemsAndPersonsFollowTheDateBoxOnly)
{
    // A loan without a borrower's name must not empty the persons list.
    insertRow(db.dm, "UOut_JC", {{"theNum", "X1"}, {"myDate", "2024-01-01"}, {"theDel", 0},
                                 {"SName", "一号库"}, {"theLYPro", QVariant()}});
    TfrmTJ_JY window(db.services);
    window.run();
    QAction *items = window.grid()->findChild<QAction *>("A1");
    ASSERT_TRUE(items);
    EXPECT_EQ(items->text(), "未借用物品 &A");
    EXPECT_EQ(window.grid()->findChild<QAction *>("P1")->text(), "未借用人员 &P");

    TfrmW_A allDates(db.services, "未借用物品", unusedItemsStatement(window.kind(), window.dates()));
    allDates.list();
    EXPECT_EQ(allDates.windowTitle(), "未借用物品");
    EXPECT_EQ(listColumn(allDates, "物品编码"), QStringList{"0003"}); // its only line is deleted
    TfrmW_P persons(db.services, "未借用人员", unusedPersonsStatement(window.kind(), window.dates()));
    persons.list();
    EXPECT_EQ(listColumn(persons, "人员姓名"), QStringList{"王五"});
    EXPECT_EQ(persons.countLabel()->text(), "数量：1");

    // Only the loan in a storage the user does not see and a deleted one fall in here:
    // the lists are not limited by storage.
    window.findChild<QDateEdit *>("DateTimePicker1")->setDate(QDate(2024, 3, 2));
    window.findChild<QDateEdit *>("DateTimePicker2")->setDate(QDate(2024, 3, 30));
    pick(window, "DBLookupComboBox2", "财务部"); // ignored by the lists
    TfrmW_A inRange(db.services, "未借用物品", unusedItemsStatement(window.kind(), window.dates()));
    inRange.list();
    EXPECT_EQ(listColumn(inRange, "物品编码"), QStringList({"0002", "0003"}));
    TfrmW_P personsInRange(db.services, "未借用人员", unusedPersonsStatement(window.kind(), window.dates()));
    personsInRange.list();
    EXPECT_EQ(listColumn(personsInRange, "人员姓名"), QStringList({"李四", "王五"}));

    // The plain export needs no right.
    db.context.RightExport = "否";
    personsInRange.exportSheet();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    const QJsonObject sheet = readSheet(db.dialogs.openedUrls.first().toLocalFile());
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toArray().first().toString(), "序号");
    EXPECT_EQ(rows[0].toArray().last().toString(), "备注");
    EXPECT_TRUE(sheet["merges"].toArray().isEmpty());
    QStringList phones;
    for (int row = 1; row < rows.size(); ++row)
        phones << rows[row].toArray()[4].toVariant().toString();
    phones.sort();
    EXPECT_EQ(phones, QStringList({"", "0139"})); // kept as text
}

TEST_F(Statistics, ExportWritesTitleRowsAndTotalsAndNeedsTheRight)
{
    TfrmTJ_JY window(db.services);
    auto *excel = window.findChild<QPushButton *>("BitBtn2");
    EXPECT_FALSE(excel->isEnabled());
    chooseMarch(window);
    window.findChild<QRadioButton *>("RadioButton3")->click();
    EXPECT_TRUE(excel->isEnabled());
    db.context.RightExport = "否";
    window.exportSheet();
    EXPECT_TRUE(db.dialogs.openedUrls.isEmpty());
    db.context.RightExport = "是";
    window.exportSheet();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    const QString file = db.dialogs.openedUrls.first().toLocalFile();
    EXPECT_TRUE(QFileInfo(file).fileName().startsWith("借用统计表"));

    const QJsonObject sheet = readSheet(file);
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_EQ(rows.size(), 2 + 3 + 1);
    EXPECT_EQ(rows[0].toArray()[0].toString(), "测试单位借用统计表");
    EXPECT_EQ(sheet["merges"].toArray(), QJsonArray({"A1:M1"}));
    EXPECT_TRUE(sheet["landscape"].toBool());
    const QStringList header = QVariant(rows[1].toArray().toVariantList()).toStringList();
    EXPECT_EQ(header, QStringList({"序号", "部门名称", "借用人", "物品编码", "物品分类", "物品名称", "规格型号",
                                   "单位", "单价", "数量", "金额", "归还数量", "未还数量"}));
    EXPECT_EQ(rows[2].toArray()[0].toInt(), 1);
    EXPECT_EQ(rows[2].toArray()[3].toString(), "0002"); // the code stays text
    const QJsonArray totals = rows[5].toArray();
    EXPECT_EQ(totals[0].toString(), "合计");
    EXPECT_EQ(totals[9].toDouble(), 11);
    EXPECT_EQ(totals[10].toDouble(), 103.5);
    EXPECT_EQ(totals[11].toDouble(), 3);
    EXPECT_EQ(totals[12].toDouble(), 8);
    const QJsonObject widths = sheet["widths"].toObject();
    EXPECT_EQ(widths["1"].toDouble() > 0, true);
}

TEST_F(Statistics, Screenshots)
{
    for (const Kind &kind : {kKinds[0], kKinds[3]}) {
        StatisticsWindow window(db.services, statisticsKind(QString(kind.window)));
        window.resize(1200, 500);
        window.show();
        chooseMarch(window);
        window.run();
        EXPECT_TRUE(saveScreenshot(window, QString("statistics_") + kind.window));
    }
    TfrmTJ_LY window(db.services);
    TfrmW_P persons(db.services, "未领用人员", unusedPersonsStatement(window.kind(), std::nullopt));
    persons.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(saveScreenshot(persons, "statistics_unused_persons"));
}

} // namespace
