// The transfer, request and surplus documents: the checks of a save in their order and
// what a save writes.
#include "DocumentTestData.h"
#include "documents/Request.h"
#include "documents/SurplusIn.h"
#include "documents/Transfer.h"
#include "store/DatabaseError.h"

#include <gtest/gtest.h>

namespace {

using DocumentLines::CheckFailure;
using DocumentLines::Price;
using DocumentLines::Quantity;

struct Documents : DocumentTestData, ::testing::Test {
    // An item line as the lookups fill it: code, name, standard, unit, price, quantity,
    // amount, remark, item ID.
    void itemLine(LineGridModel &lines, int line, const QString &code, const QString &quantity,
                  const QString &remark = {})
    {
        const QString price = db.value("select APrice from UArticle where theNum=?", {code}).toString();
        setLine(lines, line, {code, db.value("select AName from UArticle where theNum=?", {code}).toString(), "", "",
                              price, quantity, "", remark, itemId(code)});
    }
};

Transfer::Header transferHeader()
{
    return {"1", "物品仓库", "2", "备品仓库", "李四", "2026-03-14", "搬'库"};
}

TEST_F(Documents, TransferMovesStockFromSourceToDestinationWithTwoLedgerRows)
{
    db.dm.SaveWare(itemId("A001"), "5", "1");
    LineGridModel lines(QStringList(9), Transfer::kColumnCount);
    itemLine(lines, 1, "A001", "3", "整包");
    ASSERT_FALSE(Transfer::check(db.services, transferHeader(), lines).has_value());
    EXPECT_EQ(Transfer::save(db.services, transferHeader(), lines), "2603150001");

    const QString item = itemId("A001");
    EXPECT_EQ(rows("select SID, WCount from UWare order by SID"), QStringList({"1|2", "2|3"}));
    EXPECT_EQ(rows("select theType, theNum, SID, AID, theIn, theOut, KCCount from UWList order by ID"),
              QStringList({"调拨出库|2603150001|1|" + item + "|0|3|2", "调拨入库|2603150001|2|" + item + "|3|0|3"}));
    EXPECT_EQ(rows("select theNum, theUser, myDate, theBGPro, DBName, RKName, Remark, theDate, theDel from UDB"),
              QStringList{"2603150001|系统管理员|2026-03-14|李四|物品仓库|备品仓库|搬'库|2026-03-15|0"});
    EXPECT_EQ(rows("select theNum, AID, theCount, thePrice, Remark, myID, DBID, RKID, theDel from UDB_Bill"),
              QStringList{"2603150001|" + item + "|3|25|整包|1|1|2|0"});
}

// With negative stock switched off the source must hold what leaves it, summed over
// the item's lines; switched on, the source may go below zero.
TEST_F(Documents, TransferKeepsTheNegativeStockRuleOnTheSource)
{
    db.dm.SaveWare(itemId("A001"), "5", "1");
    db.dm.SaveWare(itemId("A002"), "9", "2"); // in the destination only
    const struct {
        const char *name;
        bool allowNegative;
        QList<QPair<QString, QString>> lines; // code, quantity
        const char *message;
    } cases[] = {
        {"all there is", false, {{"A001", "5"}}, ""},
        {"more than there is", false, {{"A001", "5.5"}}, "A001 A4纸 的库存不足，不能调拨！"},
        {"one item on two lines", false, {{"A001", "3"}, {"A001", "3"}}, "A001 A4纸 的库存不足，不能调拨！"},
        {"stock only in the destination", false, {{"A002", "1"}}, "A002 签字笔 的库存不足，不能调拨！"},
        {"below zero when allowed", true, {{"A001", "8"}, {"A002", "1"}}, ""},
    };
    for (const auto &c : cases) {
        db.context.AllowNegativeStock = c.allowNegative;
        LineGridModel lines(QStringList(9), Transfer::kColumnCount);
        int line = 0;
        for (const auto &[code, quantity] : c.lines)
            itemLine(lines, ++line, code, quantity);
        const std::optional<CheckFailure> failure = Transfer::check(db.services, transferHeader(), lines);
        EXPECT_EQ(failure ? failure->message : QString(), QString::fromUtf8(c.message)) << c.name;
    }
    db.context.AllowNegativeStock = true;
    LineGridModel lines(QStringList(9), Transfer::kColumnCount);
    itemLine(lines, 1, "A001", "8");
    Transfer::save(db.services, transferHeader(), lines);
    EXPECT_EQ(db.dm.myRetKCCount("1", itemId("A001")), "-3");
}

TEST_F(Documents, TransferChecksRunInOrder)
{
    db.dm.SaveWare(itemId("A001"), "5", "1");
    using H = Transfer::Header;
    const struct {
        std::function<void(H &, LineGridModel &)> spoil;
        const char *message, *field;
    } cases[] = {
        {[](H &h, LineGridModel &) { h.sourceId.clear(); h.destinationId.clear(); }, "调拨仓库 不能为空！请选择 调拨仓库！", "DBLookupComboBox1"},
        {[](H &h, LineGridModel &) { h.destinationId.clear(); h.handler.clear(); }, "入库仓库 不能为空！请选择 入库仓库！", "DBLookupComboBox2"},
        {[](H &h, LineGridModel &) { h.destinationId = "1"; h.destinationName = "物品仓库"; }, "调拨仓库 不能和 入库仓库 相同！", "DBLookupComboBox1"},
        {[](H &h, LineGridModel &l) { h.handler.clear(); l.clearLine(1); }, "经办人 不能为空！请选择 经办人！", "Edit1"},
        {[](H &, LineGridModel &l) { l.clearLine(1); }, "调拨物品明细 不能为空！", "StringGrid1"},
        {[](H &, LineGridModel &l) { l.setCell(1, Quantity, "0"); }, "A001 数量不能小于或等于0！", "StringGrid1"},
        {[](H &, LineGridModel &l) { l.setCell(1, Quantity, "6"); }, "A001 A4纸 的库存不足，不能调拨！", "StringGrid1"},
        {[](H &, LineGridModel &l) { l.setCell(1, Price, "2,5"); }, "A001 单价不是有效的数字！", "StringGrid1"},
    };
    for (const auto &c : cases) {
        LineGridModel lines(QStringList(9), Transfer::kColumnCount);
        itemLine(lines, 1, "A001", "2");
        H header = transferHeader();
        c.spoil(header, lines);
        const std::optional<CheckFailure> failure = Transfer::check(db.services, header, lines);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->field, c.field);
    }
    EXPECT_EQ(count("UDB"), 0);
}

TEST_F(Documents, ATransferThatFailsHalfWayLeavesNothingBehind)
{
    db.dm.SaveWare(itemId("A001"), "5", "1");
    LineGridModel lines(QStringList(9), Transfer::kColumnCount);
    itemLine(lines, 1, "A001", "3");
    db.dm.myESQL("drop table UDB_Bill"); // the line row fails after both bookings
    EXPECT_THROW(Transfer::save(db.services, transferHeader(), lines), DatabaseError);
    EXPECT_EQ(rows("select SID, WCount from UWare"), QStringList{"1|5"});
    EXPECT_EQ(count("UWList"), 0);
    EXPECT_EQ(count("UDB"), 0);
}

Request::Header requestHeader()
{
    return {"王五", "工程部", "李四", "2026-03-14", "开工"};
}

TEST_F(Documents, ARequestMovesNoStockAndKeepsEveryLine)
{
    LineGridModel lines(QStringList(9), Request::kColumnCount);
    itemLine(lines, 1, "B001", "2", "急");
    itemLine(lines, 3, "B002", "5");
    lines.setCell(3, Price, ""); // a line without a price is stored at price 0, not dropped
    ASSERT_FALSE(Request::check(requestHeader(), lines).has_value());
    EXPECT_EQ(Request::save(db.services, requestHeader(), lines), "2603150001");

    EXPECT_EQ(rows("select theNum, theUser, myDate, theSQPro, theBGPro, Remark, theDate, DName, theDel from USQ"),
              QStringList{"2603150001|系统管理员|2026-03-14|王五|李四|开工|2026-03-15|工程部|0"});
    EXPECT_EQ(rows("select AID, APrice, theCount, Remark, myID, theDel, theCG, theLY, theJY from USQ_Bill order by ID"),
              QStringList({itemId("B001") + "|300|2|急|1|0|0|0|0", itemId("B002") + "|0|5||2|0|0|0|0"}));
    EXPECT_EQ(count("UWare"), 0);
    EXPECT_EQ(count("UWList"), 0);
}

TEST_F(Documents, RequestChecksRunInOrder)
{
    using H = Request::Header;
    const struct {
        std::function<void(H &, LineGridModel &)> spoil;
        const char *message, *field;
    } cases[] = {
        {[](H &h, LineGridModel &) { h.applicant.clear(); h.handler.clear(); }, "申请人 不能为空！请选择 申请人！", "Edit2"},
        {[](H &h, LineGridModel &) { h.department.clear(); h.handler.clear(); }, "请按回车选择 申请人！", "Edit2"},
        {[](H &h, LineGridModel &l) { h.handler.clear(); l.clearLine(1); }, "经办人 不能为空！请选择 经办人！", "Edit3"},
        {[](H &, LineGridModel &l) { l.clearLine(1); }, "申请物品明细 不能为空！", "StringGrid1"},
        {[](H &, LineGridModel &l) { l.setCell(1, Quantity, "-1"); }, "B001 电钻 数量不能小于或等于0！", "StringGrid1"},
    };
    for (const auto &c : cases) {
        LineGridModel lines(QStringList(9), Request::kColumnCount);
        itemLine(lines, 1, "B001", "2");
        H header = requestHeader();
        c.spoil(header, lines);
        const std::optional<CheckFailure> failure = Request::check(header, lines);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->field, c.field);
    }
}

SurplusIn::Header surplusHeader()
{
    return {"2", "备品仓库", "张三", "李四", "2026-03-14", "盘点"};
}

TEST_F(Documents, SurplusRaisesTheBalanceWithoutAStockTest)
{
    db.dm.SaveWare(itemId("B001"), "-2", "2"); // below zero before the count
    LineGridModel lines(QStringList(9), SurplusIn::kColumnCount);
    itemLine(lines, 1, "B001", "3", "盘盈");
    ASSERT_FALSE(SurplusIn::check(surplusHeader(), lines).has_value());
    EXPECT_EQ(SurplusIn::save(db.services, surplusHeader(), lines), "2603150001");

    const QString item = itemId("B001");
    EXPECT_EQ(rows("select theNum, thePZPro, theBGPro, myDate, theUser, Remark, theDate, theDel, SName from UIn_BY"),
              QStringList{"2603150001|张三|李四|2026-03-14|系统管理员|盘点|2026-03-15|0|备品仓库"});
    EXPECT_EQ(rows("select theNum, AID, SID, theCount, Remark, myID, thePrice, theDel from UIn_BY_Bill"),
              QStringList{"2603150001|" + item + "|2|3|盘盈|1|300|0"});
    EXPECT_EQ(rows("select SID, WCount from UWare"), QStringList{"2|1"});
    EXPECT_EQ(rows("select theType, SID, AID, theIn, theOut, KCCount from UWList"),
              QStringList{"报溢入库|2|" + item + "|3|0|1"});
}

TEST_F(Documents, SurplusChecksRunInOrder)
{
    using H = SurplusIn::Header;
    const struct {
        std::function<void(H &, LineGridModel &)> spoil;
        const char *message, *field;
    } cases[] = {
        {[](H &h, LineGridModel &) { h.storageId.clear(); h.approver.clear(); }, "入库仓库 不能为空！请选择 入库仓库！", "DBLookupComboBox1"},
        {[](H &h, LineGridModel &) { h.approver.clear(); h.handler.clear(); }, "审批人 不能为空！请选择 审批人！", "Edit2"},
        {[](H &h, LineGridModel &l) { h.handler.clear(); l.clearLine(1); }, "经办人 不能为空！请选择 经办人！", "Edit3"},
        {[](H &, LineGridModel &l) { l.clearLine(1); }, "报溢明细 不能为空！", "StringGrid1"},
        {[](H &, LineGridModel &l) { l.setCell(1, Quantity, "0"); }, "B001 电钻 数量不能小于或等于0！", "StringGrid1"},
    };
    for (const auto &c : cases) {
        LineGridModel lines(QStringList(9), SurplusIn::kColumnCount);
        itemLine(lines, 1, "B001", "2");
        H header = surplusHeader();
        c.spoil(header, lines);
        const std::optional<CheckFailure> failure = SurplusIn::check(header, lines);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->field, c.field);
    }
}

} // namespace
