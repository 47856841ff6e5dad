// The filtered-list piece on a small list of items: conditions, totals, database sort
// with coloured titles, numbers shown as they are, the pop-up menu, the oversize refusal.
#include "queries/FilteredList.h"
#include "sheets/SheetMembers.h"
#include "store/PinyinCollation.h"
#include "support/TestDatabase.h"
#include "ui/QueryRowsModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

FilteredListConfig itemList()
{
    FilteredListConfig config;
    config.objectName = "frmItems";
    config.caption = "物品";
    config.groupCaption = "物品";
    config.statement.columns = {{"theNum", "物品编码", 100}, {"AName", "物品名称", 200},
                                {"APrice", "单价", 60}, {"YJMin", "数量", 60},
                                {"ID", "ID", 0, true}};
    config.statement.from = " from UArticle";
    config.statement.where = " Where (ID>0)";
    config.statement.order = " order by ID";
    config.statement.key = "ID";
    config.statement.sums = {{"YJMin", "数量", "数量："}, {"APrice*YJMin", "金额", "金额：", SumFormat::Money}};
    config.filters = {{"物品名称", FilterKind::Text, {"AName", "thePY"}},
                      {"物品分类", FilterKind::Lookup, {"AType"},
                       [](TfrmDM &dm) { return dm.DBComAType(); }}};
    config.states = {{"全部", ""}, {"有库存", "(YJMin>0)"}};
    config.recordLabel = "记录数：";
    config.exportWindow = "TfrmYLB_JC";
    return config;
}

QStringList column(const FilteredList &list, const QString &title)
{
    QStringList values;
    for (int row = 0; row < list.rows()->rowCount(); ++row)
        values << list.rows()->data(list.rows()->index(row, list.rows()->column(title))).toString();
    return values;
}

struct FilteredListTest : ::testing::Test {
    TestDatabase db;
    FilteredListTest()
    {
        db.dm.myESQL("insert into UAType (theName) values ('文具'), ('工具')");
        db.dm.myESQL("insert into UArticle (theNum, AType, AName, thePY, APrice, YJMin) values "
                     "('001', '文具', '张纸', 'ZZ', 10.5, 2), ('002', '文具', '安全帽', 'AQM', 10.25, -10), "
                     "('003', '工具', '北斗', 'BD', 99999.99, -5), ('004', '工具', '100%棉手套', '100%MST', 2, 0)");
    }
};

TEST_F(FilteredListTest, ConditionsComeInOrderWithBoundValues)
{
    FilteredListConfig config = itemList();
    config.storageColumn = "SName";
    const ListConditions conditions =
        searchConditions(config, {"一号库", "二号库"}, {{true, "o'k"}, {false, "文具"}}, 1);
    EXPECT_EQ(conditions.text(),
              " AND (SName IN (?, ?)) AND (AName like ? or thePY like ?) AND (YJMin>0)");
    EXPECT_EQ(conditions.values(), QVariantList({"一号库", "二号库", "%o'k%", "%o'k%"}));
    EXPECT_EQ(searchConditions(config, {}, {}, -1).text(), " AND (0=1)");
    config.storageRule = StorageRule::WhenListed;
    EXPECT_EQ(searchConditions(config, {}, {}, -1).text(), "");
}

TEST_F(FilteredListTest, SearchShowsRowsAndTotalsOfTheSameConditions)
{
    FilteredList list(db.services, itemList());
    QAbstractItemModelTester tester(list.rows());
    auto *excel = list.findChild<QPushButton *>("BitBtn2");
    EXPECT_FALSE(excel->isEnabled());
    list.search();
    EXPECT_TRUE(excel->isEnabled());
    EXPECT_EQ(column(list, "物品编码"), QStringList({"001", "002", "003", "004"}));
    EXPECT_EQ(list.statusTexts(), QStringList({"记录数：4", "数量：-13", "金额：-500,081.45"}));
    EXPECT_TRUE(list.grid()->isColumnHidden(list.rows()->column("ID")));

    // Typing ticks the filter; "%" is a wildcard, a quote is data.
    auto *name = list.findChild<QLineEdit *>("Edit1");
    name->setFocus();
    QTest::keyClicks(name, "0%ST"); // pinyin initials of 100%棉手套
    EXPECT_TRUE(list.findChild<QCheckBox *>("CheckBox1")->isChecked());
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(column(list, "物品编码"), QStringList{"004"});
    list.setFilter("物品名称", {true, "'"});
    list.search();
    EXPECT_EQ(list.statusTexts().first(), "记录数：0");
    EXPECT_EQ(list.statusTexts().at(1), "数量：0"); // an empty sum shows 0

    list.setFilter("物品名称", {false});
    list.chooseState("有库存");
    EXPECT_EQ(list.chosenState(), 1);
    EXPECT_EQ(column(list, "物品编码"), QStringList{"001"});
    // A ticked lookup with nothing chosen compares with the empty text.
    list.setFilter("物品分类", {true, ""});
    list.search();
    EXPECT_EQ(list.recordCount(), 0);
}

TEST_F(FilteredListTest, TitleClicksSortInTheDatabaseAndColourTheTitle)
{
    FilteredList list(db.services, itemList());
    list.search();
    const int price = list.rows()->column("单价");
    const int name = list.rows()->column("物品名称");
    list.titleClick(price);
    EXPECT_EQ(column(list, "单价"), QStringList({"2", "10.25", "10.5", "99999.99"}));
    EXPECT_EQ(list.rows()->headerData(price, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::red));
    EXPECT_TRUE(list.rows()->headerData(price, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    list.titleClick(price);
    EXPECT_EQ(column(list, "单价").first(), "99999.99");
    EXPECT_EQ(list.rows()->headerData(price, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::blue));

    list.titleClick(list.rows()->column("数量"));
    EXPECT_EQ(column(list, "数量"), QStringList({"-10", "-5", "0", "2"}));
    EXPECT_FALSE(list.rows()->headerData(price, Qt::Horizontal, Qt::FontRole).isValid());

    list.titleClick(name); // pinyin: 安 an, 北 bei, 张 zhang; digits first
    EXPECT_EQ(column(list, "物品名称"), QStringList({"100%棉手套", "安全帽", "北斗", "张纸"}));
    list.search(); // a new search keeps the order and the red title
    EXPECT_EQ(column(list, "物品名称").last(), "张纸");
    EXPECT_EQ(list.rows()->headerData(name, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::red));
}

TEST_F(FilteredListTest, ThePopUpMenuIsTheWindowsAndAttachedByTheFirstSearch)
{
    FilteredList list(db.services, itemList());
    QMenu menu;
    menu.addAction("查看图片 &P");
    list.setContextMenu(&menu);
    EXPECT_NE(list.grid()->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_FALSE(list.currentValue("ID").isValid());
    list.search();
    EXPECT_EQ(list.grid()->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(list.currentValue("物品编码").toString(), "001");
}

TEST_F(FilteredListTest, RowsPastTheFirstPageFollowItInTheSameOrder)
{
    db.dm.myESQL("with recursive n(i) as (select 0 union all select i+1 from n where i<599) "
                 "insert into UArticle (theNum, AName, APrice, YJMin) select i, '同名', i % 7, 1 from n");
    FilteredList list(db.services, itemList());
    list.search();
    list.titleClick(list.rows()->column("物品名称")); // 600 ties: the key orders them
    EXPECT_EQ(list.rows()->rowCount(), QueryRowsModel::kPageRows);
    while (list.rows()->canFetchMore())
        list.rows()->fetchMore();
    QSet<int> ids;
    for (int row = 0; row < list.rows()->rowCount(); ++row)
        ids.insert(list.rows()->value(row, "ID").toInt());
    EXPECT_EQ(list.rows()->rowCount(), 604);
    EXPECT_EQ(ids.size(), 604);
    EXPECT_EQ(list.recordCount(), 604);
}

TEST(PinyinOrder, ChineseNamesSortByPinyinThenCodePoint)
{
    QStringList names = {"张三", "李四", "王五", "安娜", "Zoe", "赵六", "陈七", "阿姨", "123"};
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return comparePinyin(a, b) < 0; });
    EXPECT_EQ(names, QStringList({"123", "Zoe", "阿姨", "安娜", "陈七", "李四", "王五", "张三", "赵六"}));
    EXPECT_LT(comparePinyin("张", "张三"), 0);
    EXPECT_EQ(comparePinyin("北京", "北京"), 0);
}

} // namespace
