// Balance, ledger and document numbers.
#include "store/DatabaseError.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/Transaction.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

struct Stock : ::testing::Test {
    TestDatabase db;

    double balance(int aid, int sid)
    {
        return db.value(QStringLiteral("select WCount from UWare where AID=? and SID=?"), {aid, sid}).toDouble();
    }
    int balanceRows() { return db.dm.myRetCount(QStringLiteral("select * from UWare")); }
    // theType, theNum, SID, AID, theIn, theOut, theDate, UName, KCCount of every ledger row.
    QStringList ledger()
    {
        QStringList rows;
        QSqlQuery query = db.dm.select(QStringLiteral(
            "select theType, theNum, SID, AID, theIn, theOut, theDate, UName, KCCount from UWList order by ID"));
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < 9; ++i) {
                const QVariant value = query.value(i);
                fields << (i >= 4 && i != 6 && i != 7 ? numberText(value.toDouble()) : value.toString());
            }
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }
};

TEST_F(Stock, FirstReceiptAndFirstIssueCreateTheBalanceRow)
{
    db.dm.SaveWare(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("1"));
    db.dm.SaveWare(QStringLiteral("8"), QStringLiteral("-3"), QStringLiteral("1"));
    EXPECT_EQ(balance(7, 1), 5.0);
    EXPECT_EQ(balance(8, 1), -3.0);
    db.dm.SaveWare(QStringLiteral("7"), QStringLiteral("-5"), QStringLiteral("1"));
    EXPECT_EQ(balance(7, 1), 0.0);
    EXPECT_EQ(balanceRows(), 2);
}

TEST_F(Stock, DecimalQuantitiesAreKeptExactly)
{
    for (const char *delta : {"2.5", "0.1", "0.2", "-0.3"})
        db.dm.SaveWare(QStringLiteral("1"), QString::fromLatin1(delta), QStringLiteral("1"));
    EXPECT_EQ(db.dm.myRetKCCount(QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("2.5"));
}

TEST_F(Stock, EmptyArgumentsChangeNothing)
{
    db.dm.SaveWare(QString(), QStringLiteral("5"), QStringLiteral("1"));
    db.dm.SaveWare(QStringLiteral("1"), QString(), QStringLiteral("1"));
    db.dm.SaveWare(QStringLiteral("1"), QStringLiteral("5"), QString());
    EXPECT_EQ(balanceRows(), 0);
}

TEST_F(Stock, TextThatIsNotANumberIsRefusedBeforeAnythingIsWritten)
{
    const struct { const char *aid, *delta, *sid; } cases[] = {
        {"1", "abc", "1"}, {"1", "5;drop table UWare", "1"}, {"1", "1e999", "1"},
        {"x", "5", "1"}, {"1", "5", "1.5"}, {"1", "nan", "1"},
    };
    for (const auto &c : cases) {
        EXPECT_THROW(db.dm.SaveWare(QLatin1String(c.aid), QLatin1String(c.delta), QLatin1String(c.sid)), InputError)
            << c.delta;
    }
    EXPECT_THROW(db.dm.mySaveUWList(LedgerKind::PurchaseIn, QStringLiteral("2603150001"), QStringLiteral("1"),
                                    QStringLiteral("1"), QStringLiteral("两个"), QStringLiteral("0")),
                 InputError);
    EXPECT_EQ(balanceRows(), 0);
    EXPECT_TRUE(ledger().isEmpty());
}

TEST_F(Stock, BalanceTextIsZeroWithoutASingleRow)
{
    EXPECT_EQ(db.dm.myRetKCCount(QStringLiteral("1"), QStringLiteral("99")), QStringLiteral("0"));
    // Two rows for one pair cannot be made: the balance key is unique.
    db.dm.SaveWare(QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("2"));
    EXPECT_EQ(db.dm.myRetKCCount(QStringLiteral("2"), QStringLiteral("3")), QStringLiteral("4"));
    EXPECT_EQ(db.dm.myRetKCCount(QStringLiteral("3"), QStringLiteral("2")), QStringLiteral("0")); // storage first
}

TEST_F(Stock, LedgerRowsCarryTheBalanceAfterTheirOwnStep)
{
    db.context.CurUserName = QStringLiteral("O'Hara");
    const QString num = QStringLiteral("2603150001");
    // A purchase of 10 into storage 1, then a transfer of 2.5 from storage 1 to 2.
    db.dm.SaveWare(QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("1"));
    db.dm.mySaveUWList(LedgerKind::PurchaseIn, num, QStringLiteral("1"), QStringLiteral("5"),
                       QStringLiteral("10"), QStringLiteral("0"));
    db.dm.SaveWare(QStringLiteral("5"), QStringLiteral("-2.5"), QStringLiteral("1"));
    db.dm.mySaveUWList(LedgerKind::TransferOut, num, QStringLiteral("1"), QStringLiteral("5"),
                       QStringLiteral("0"), QStringLiteral("2.5"));
    db.dm.SaveWare(QStringLiteral("5"), QStringLiteral("2.5"), QStringLiteral("2"));
    db.dm.mySaveUWList(LedgerKind::TransferIn, num, QStringLiteral("2"), QStringLiteral("5"),
                       QStringLiteral("2.5"), QStringLiteral("0"));
    EXPECT_EQ(ledger(), QStringList({
                            "采购入库|2603150001|1|5|10|0|2026-03-15|O'Hara|10",
                            "调拨出库|2603150001|1|5|0|2.5|2026-03-15|O'Hara|7.5",
                            "调拨入库|2603150001|2|5|2.5|0|2026-03-15|O'Hara|2.5",
                        }));
}

TEST_F(Stock, DocumentNumbersCountTheLoginDaysRowsOfTheirKind)
{
    auto addHeader = [this](const char *table, const QString &date, int deleted = 0) {
        db.dm.myESQL(QStringLiteral("insert into %1 (theNum, theDate, theDel) values ('x', ?, ?)")
                         .arg(QLatin1String(table)),
                     {date, deleted});
    };
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UIn_CG")), QStringLiteral("2603150001"));
    addHeader("UIn_CG", kTestLoginDate, 1); // deleted rows keep their number taken
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UIn_CG")), QStringLiteral("2603150002"));
    addHeader("UIn_CG", QStringLiteral("2026-03-14"));
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UIn_CG")), QStringLiteral("2603150002"));
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UOut_LY")), QStringLiteral("2603150001"));

    db.context.LoginDate = QStringLiteral("2026-03-16");
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UIn_CG")), QStringLiteral("2603160001"));
    EXPECT_THROW(db.dm.NewNum(QStringLiteral("SUser; drop table SUser")), InputError);
}

TEST_F(Stock, TheTenThousandthRowOfADayGetsFiveDigits)
{
    {
        Transaction transaction(db.dm.database());
        for (int i = 0; i < 9999; ++i)
            db.dm.myESQL(QStringLiteral("insert into UDB (theNum, theDate, theDel) values ('x', ?, 0)"), {kTestLoginDate});
        transaction.commit();
    }
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UDB")), QStringLiteral("26031510000"));
}

TEST_F(Stock, NumberTakenInsideAFailedSaveIsGivenAgain)
{
    try {
        Transaction transaction(db.dm.database());
        const QString num = db.dm.NewNum(QStringLiteral("UIn_BY"));
        db.dm.myESQL(QStringLiteral("insert into UIn_BY (theNum, theDate, theDel) values (?, ?, 0)"),
                     {num, kTestLoginDate});
        db.dm.SaveWare(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"));
        db.dm.SaveWare(QStringLiteral("1"), QStringLiteral("three"), QStringLiteral("1"));
        transaction.commit();
    } catch (const InputError &) {
    }
    EXPECT_EQ(balanceRows(), 0);
    EXPECT_EQ(db.dm.NewNum(QStringLiteral("UIn_BY")), QStringLiteral("2603150001"));
}

TEST(Numbers, ReadAndWriteDecimalText)
{
    const struct { const char *text; std::optional<double> value; } reads[] = {
        {"5", 5}, {" -2.5 ", -2.5}, {"0.1", 0.1}, {"", std::nullopt}, {"1,5", std::nullopt},
        {"abc", std::nullopt}, {"inf", std::nullopt}, {"2.5x", std::nullopt},
    };
    for (const auto &r : reads)
        EXPECT_EQ(parseNumber(QLatin1String(r.text)), r.value) << r.text;

    const struct { double value; const char *text; } writes[] = {
        {0.1 + 0.2, "0.3"}, {2.5, "2.5"}, {-5, "-5"}, {1234567.89, "1234567.89"}, {-0.0, "0"}, {0.0001, "0.0001"},
    };
    for (const auto &w : writes)
        EXPECT_EQ(numberText(w.value), QLatin1String(w.text)) << w.text;
    EXPECT_EQ(roundMoney(1.23456), 1.2346);
}

} // namespace
