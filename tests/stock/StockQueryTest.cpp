// The statements of the stock list: radio buttons, filters, storages, totals, warnings.
#include "BalanceFixture.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct StockQueries : ::testing::Test, BalanceFixture {
    // The item codes of the rows a search lists.
    std::multiset<QString> codes(const QList<FilterValue> &filters, const QString &state = {},
                                 const QStringList &storages = {})
    {
        const StockQuery::StockListSearch found = search(filters, state, storages);
        QSqlQuery query = db.dm.select(found.list.text, found.list.values);
        std::multiset<QString> codes;
        while (query.next())
            codes.insert(query.value("物品编码").toString());
        EXPECT_EQ(qint64(codes.size()), found.rows) << "the totals count the rows listed";
        return codes;
    }
};

struct Classification {
    const char *code;
    std::initializer_list<const char *> bookings;
    const char *warning; // theYJ; nullptr never set
    int minimum, maximum;
    std::set<QString> listedUnder; // besides 全部 and no button, which list every row
};

const Classification kClassifications[] = {
    {"below", {"2"}, "是", 3, 10, {"正库存", "低于最低库存"}},
    {"at-min", {"3"}, "是", 3, 10, {"正库存"}},
    {"at-max", {"10"}, "是", 3, 10, {"正库存"}},
    {"above", {"11"}, "是", 3, 10, {"正库存", "高于最高库存"}},
    {"off-low", {"1"}, "否", 3, 10, {"正库存"}},
    {"off-high", {"20"}, "否", 3, 10, {"正库存"}},
    {"never-set", {"20"}, nullptr, 3, 10, {"正库存"}},
    {"float-zero", {"0.1", "0.2", "-0.3"}, "是", 1, 10, {"零库存", "低于最低库存"}},
    {"zero-at-min", {"1", "-1"}, "是", 0, 10, {"零库存"}},
    {"negative", {"-2"}, "是", 0, 10, {"负库存", "低于最低库存"}},
    {"fraction-above", {"10.5"}, "是", 3, 10, {"正库存", "高于最高库存"}},
};

TEST_F(StockQueries, EachBalanceIsListedUnderTheRightRadioButtons)
{
    const int sid = storage("物品仓库");
    for (const Classification &entry : kClassifications) {
        const QVariant warning = entry.warning ? QVariant(QString::fromUtf8(entry.warning)) : QVariant();
        const int aid = item(entry.code, entry.code, 1, warning, entry.minimum, entry.maximum);
        book(aid, sid, entry.bookings);
    }
    QStringList buttons = {QString()}; // no button chosen
    for (const ListState &state : StockQuery::config().states)
        buttons << state.caption;
    EXPECT_EQ(buttons.mid(1), QStringList({"正库存", "零库存", "负库存", "全部", "低于最低库存", "高于最高库存"}));
    for (const QString &button : buttons) {
        std::multiset<QString> expected;
        for (const Classification &entry : kClassifications) {
            if (button.isEmpty() || button == "全部" || entry.listedUnder.count(button))
                expected.insert(QString::fromLatin1(entry.code));
        }
        EXPECT_EQ(codes(ticked(), button), expected) << "radio button " << button.toStdString();
    }
}

TEST_F(StockQueries, FiltersAreBoundAndKeepTheirWildcards)
{
    const int first = storage("一号库");
    const int second = storage("O'Brien 库");
    const int stapler = item("0012", "订书机", 12.5);
    const int percent = item("A_1", "100%纸", 2);
    const int quote = item("B-2", "O'Neil 笔", 3);
    db.dm.myESQL("update UArticle set thePY='DSJ' where ID=?", {stapler});
    db.dm.myESQL("update UArticle set Remark=NULL where ID=?", {quote});
    book(stapler, first, {"4"});
    book(percent, first, {"1"});
    book(quote, second, {"2"});

    using S = std::multiset<QString>;
    EXPECT_EQ(codes(ticked({{0, "O'Brien 库"}})), S({"B-2"}));
    EXPECT_EQ(codes(ticked({{3, "dsj"}})), S({"0012"})); // initials, any case
    EXPECT_EQ(codes(ticked({{3, "O'Neil"}})), S({"B-2"}));
    EXPECT_EQ(codes(ticked({{3, "100%"}})), S({"A_1"}));
    EXPECT_EQ(codes(ticked({{1, "_"}})), S({"0012", "A_1", "B-2"})); // "_" any one character
    EXPECT_EQ(codes(ticked({{1, "01"}, {2, "办公用品"}})), S({"0012"}));
    // A ticked, empty filter matches every value that is not null.
    EXPECT_EQ(codes(ticked({{5, ""}})), S({"0012", "A_1"}));
    // The user's storages restrict every search; an empty list restricts nothing.
    EXPECT_EQ(codes(ticked(), "全部", {"一号库"}), S({"0012", "A_1"}));
    EXPECT_EQ(codes(ticked(), "全部", {"一号库", "O'Brien 库"}).size(), 3u);
    EXPECT_EQ(codes(ticked({{0, "O'Brien 库"}}), "全部", {"一号库"}), S());
}

TEST_F(StockQueries, TotalsAddUpTheRowsListed)
{
    const int sid = storage("物品仓库");
    const int other = storage("二号库");
    book(item("1", "订书机", 12.5), sid, {"4"});
    book(item("2", "铅笔", 0.3), sid, {"-3", "0.1"});
    book(item("3", "纸", 7), other, {"10"});
    const FilteredListConfig config = StockQuery::config();
    const ListConditions conditions = searchConditions(config, {}, ticked({{0, "物品仓库"}}), -1);
    const BoundStatement totals = config.statement.totalsStatement(conditions);
    QSqlQuery sums = db.dm.select(totals.text, totals.values);
    ASSERT_TRUE(sums.next());
    EXPECT_EQ(sums.value(kRecordCountTitle).toInt(), 2);
    EXPECT_DOUBLE_EQ(sums.value("库存数量").toDouble(), 4 - 2.9);
    EXPECT_DOUBLE_EQ(sums.value("库存金额").toDouble(), 4 * 12.5 - 2.9 * 0.3);
}

} // namespace
