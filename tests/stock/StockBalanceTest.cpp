// Deleting balance rows: only rows without stock go.
#include "BalanceFixture.h"
#include "stock/StockBalance.h"

#include <gtest/gtest.h>

namespace {

struct BalanceRows : ::testing::Test, BalanceFixture {
    int rows() { return db.dm.myRetCount("select ID from UWare"); }
};

TEST_F(BalanceRows, RowsWithStockAreKeptAndEmptyRowsDeleted)
{
    const int sid = storage("物品仓库");
    const int full = item("1", "订书机");
    const int empty = item("2", "铅笔");
    const int negative = item("3", "纸");
    const int tiny = item("4", "墨水");
    book(full, sid, {"5"});
    book(empty, sid, {"0.1", "0.2", "-0.3"});
    book(negative, sid, {"-1"});
    book(tiny, sid, {"0.0001"});
    const QList<qlonglong> ids = {balanceId(full, sid), balanceId(empty, sid), balanceId(negative, sid),
                                  balanceId(tiny, sid), 9999};

    const QList<qlonglong> kept = StockBalance::deleteEmptyRows(db.dm, ids);
    EXPECT_EQ(kept, (QList<qlonglong>{ids[0], ids[2], ids[3]})); // a missing row is not "kept"
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(balanceId(empty, sid), 0);
    EXPECT_EQ(db.dm.myRetCount("select ID from UWList"), 0); // no ledger row either way
}

} // namespace
