// The statements of the stock list: radio buttons, filters, storages, totals, warnings.
#include "StockFixture.h"
#include "stock/StockQuery.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct StockQueries : ::testing::Test, StockFixture {
    // The item codes of the rows a search lists.
    std::multiset<QString> codes(const StockFilters &filters, StockState state,
                                 const QStringList &storages = {})
    {
        const SqlCondition where = StockQuery::whereClause(filters, state, storages);
        QSqlQuery query = db.dm.select(StockQuery::listStatement(where), where.values);
        std::multiset<QString> found;
        while (query.next())
            found.insert(query.value(2).toString());
        return found;
    }
};

struct Classification {
    const char *code;
    std::initializer_list<const char *> bookings;
    const char *warning; // theYJ; nullptr never set
    int minimum, maximum;
    std::set<StockState> listedUnder; // besides 全部 and no button, which list every row
};

const Classification kClassifications[] = {
    {"below", {"2"}, "是", 3, 10, {StockState::Positive, StockState::BelowMinimum}},
    {"at-min", {"3"}, "是", 3, 10, {StockState::Positive}},
    {"at-max", {"10"}, "是", 3, 10, {StockState::Positive}},
    {"above", {"11"}, "是", 3, 10, {StockState::Positive, StockState::AboveMaximum}},
    {"off-low", {"1"}, "否", 3, 10, {StockState::Positive}},
    {"off-high", {"20"}, "否", 3, 10, {StockState::Positive}},
    {"never-set", {"20"}, nullptr, 3, 10, {StockState::Positive}},
    {"float-zero", {"0.1", "0.2", "-0.3"}, "是", 1, 10, {StockState::Zero, StockState::BelowMinimum}},
    {"zero-at-min", {"1", "-1"}, "是", 0, 10, {StockState::Zero}},
    {"negative", {"-2"}, "是", 0, 10, {StockState::Negative, StockState::BelowMinimum}},
    {"fraction-above", {"10.5"}, "是", 3, 10, {StockState::Positive, StockState::AboveMaximum}},
};

TEST_F(StockQueries, EachBalanceIsListedUnderTheRightRadioButtons)
{
    const int sid = storage("物品仓库");
    for (const Classification &entry : kClassifications) {
        const QVariant warning = entry.warning ? QVariant(QString::fromUtf8(entry.warning)) : QVariant();
        const int aid = item(entry.code, entry.code, 1, warning, entry.minimum, entry.maximum);
        book(aid, sid, entry.bookings);
    }
    const StockState states[] = {StockState::None, StockState::Positive, StockState::Zero,
                                 StockState::Negative, StockState::All, StockState::BelowMinimum,
                                 StockState::AboveMaximum};
    for (const StockState state : states) {
        std::multiset<QString> expected;
        for (const Classification &entry : kClassifications) {
            if (state == StockState::None || state == StockState::All || entry.listedUnder.count(state))
                expected.insert(QString::fromLatin1(entry.code));
        }
        EXPECT_EQ(codes({}, state), expected) << "radio button " << int(state);
        const int warnings = StockQuery::warningCount(db.dm, state, {});
        if (state == StockState::BelowMinimum || state == StockState::AboveMaximum) {
            EXPECT_EQ(warnings, int(expected.size())) << "warning " << int(state);
        }
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
    EXPECT_EQ(codes({.storage = "O'Brien 库"}, StockState::None), S({"B-2"}));
    EXPECT_EQ(codes({.name = "dsj"}, StockState::None), S({"0012"})); // initials, any case
    EXPECT_EQ(codes({.name = "O'Neil"}, StockState::None), S({"B-2"}));
    EXPECT_EQ(codes({.name = "100%"}, StockState::None), S({"A_1"}));
    EXPECT_EQ(codes({.code = "_"}, StockState::None), S({"0012", "A_1", "B-2"})); // "_" any one character
    EXPECT_EQ(codes({.code = "%"}, StockState::None), S({"0012", "A_1", "B-2"}));
    EXPECT_EQ(codes({.code = "01", .category = "办公用品"}, StockState::None), S({"0012"}));
    // A ticked, empty filter matches every value that is not null.
    EXPECT_EQ(codes({.remark = ""}, StockState::None), S({"0012", "A_1"}));
    // The user's storages restrict every search; an empty list restricts nothing.
    EXPECT_EQ(codes({}, StockState::All, {"一号库"}), S({"0012", "A_1"}));
    EXPECT_EQ(codes({}, StockState::All, {"一号库", "O'Brien 库"}).size(), 3u);
    EXPECT_EQ(codes({.storage = "O'Brien 库"}, StockState::All, {"一号库"}), S());
}

TEST_F(StockQueries, TotalsAddUpTheRowsListed)
{
    const int sid = storage("物品仓库");
    const int other = storage("二号库");
    book(item("1", "订书机", 12.5), sid, {"4"});
    book(item("2", "铅笔", 0.3), sid, {"-3", "0.1"});
    book(item("3", "纸", 7), other, {"10"});
    const SqlCondition where = StockQuery::whereClause({.storage = "物品仓库"}, StockState::None, {});
    QSqlQuery totals = db.dm.select(StockQuery::totalsStatement(where), where.values);
    ASSERT_TRUE(totals.next());
    EXPECT_DOUBLE_EQ(totals.value(0).toDouble(), 4 - 2.9);
    EXPECT_DOUBLE_EQ(totals.value(1).toDouble(), 4 * 12.5 - 2.9 * 0.3);

    const SqlCondition none = StockQuery::whereClause({.code = "nothing"}, StockState::None, {});
    QSqlQuery empty = db.dm.select(StockQuery::totalsStatement(none), none.values);
    ASSERT_TRUE(empty.next());
    EXPECT_TRUE(empty.value(0).isNull());
}

} // namespace
