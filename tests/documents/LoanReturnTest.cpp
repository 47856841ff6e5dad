// The return of loans and requisitions: the open-issue lookup statement, the checks and
// what a save writes, including what is still out as it stands inside the save.
#include "DocumentTestData.h"
#include "documents/LoanReturn.h"
#include "documents/OpenIssueLookup.h"
#include "documents/TfrmAddJYTS.h"
#include "store/DatabaseError.h"
#include "ui/DataGrid.h"
#include "ui/LineGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace LoanReturn;
using DocumentLines::Quantity;

struct Return : DocumentTestData, ::testing::Test {
    LineGridModel lines{QStringList(9), kColumnCount};

    Header header()
    {
        return {"张三", "李四", "2026-03-14", "按时'归还"};
    }

    // Fills `line` from issue line `id` as the picker does, then sets its quantity.
    void fill(int line, IssueKind kind, const QString &id, const QString &quantity = {})
    {
        const Statement statement = issueLine(kind, id);
        QSqlQuery record = db.dm.select(statement.text, statement.values);
        ASSERT_TRUE(record.next());
        writeLine(lines, line, kind, [&record](const QString &column) { return record.value(column); }, false);
        if (!quantity.isEmpty())
            lines.setCell(line, Quantity, quantity);
    }

    // Checks and saves `document` as the window does; returns the refusal's message, or
    // empty text when it saved.
    QString checkAndSave(const LineGridModel &document)
    {
        if (const std::optional<CheckFailure> failure = check(db.services, header(), document))
            return failure->message;
        save(db.services, header(), document);
        return {};
    }

    QStringList offered(IssueKind kind, const QString &text, const QStringList &excluded = {})
    {
        const Statement statement = openIssueLines(kind, "张三", text, excluded);
        QStringList found;
        QSqlQuery query = db.dm.select(statement.text, statement.values);
        while (query.next())
            found << query.value("单号").toString() + ":" + query.value("SYCount").toString();
        return found;
    }
};

TEST_F(Return, ALineOfFiveWithTwoReturnedOffersThreeAndTakesNoMore)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5, 2);
    fill(1, IssueKind::Loan, loanLine);
    EXPECT_EQ(lines.cell(1, Quantity), "3");
    EXPECT_EQ(lines.cell(1, Returnable), "3");
    EXPECT_EQ(lines.cell(1, StorageId), "2");
    EXPECT_EQ(lines.cell(1, SourceTable), "UOut_JC_Bill");
    EXPECT_EQ(lines.cell(1, SourceLineId), loanLine);
    EXPECT_EQ(lines.cell(1, DocumentLines::Amount), "900");

    lines.setCell(1, Quantity, "4");
    EXPECT_EQ(checkAndSave(lines), "B001 电钻 的归还数大于借用数！");
    EXPECT_EQ(count("UIn_GH"), 0);

    lines.setCell(1, Quantity, "3");
    db.context.DefaultStorage = "1"; // the goods go back where they came from, not here
    EXPECT_EQ(checkAndSave(lines), QString());
    const QString item = itemId("B001");
    EXPECT_EQ(rows("select theNum, theGHPro, theBGPro, myDate, theUser, Remark, theDate, theDel from UIn_GH"),
              QStringList{"2603150001|张三|李四|2026-03-14|系统管理员|按时'归还|2026-03-15|0"});
    EXPECT_EQ(rows("select theNum, AID, SID, theCount, Remark, myID, theDel, JYID, JYT from UIn_GH_Bill"),
              QStringList{"2603150001|" + item + "|2|3||1|0|" + loanLine + "|UOut_JC_Bill"});
    EXPECT_EQ(db.value("select GHCount from UOut_JC_Bill").toString(), "5");
    EXPECT_EQ(rows("select SID, WCount from UWare"), QStringList{"2|3"});
    EXPECT_EQ(rows("select theType, theNum, SID, AID, theIn, theOut, KCCount from UWList"),
              QStringList{"归还入库|2603150001|2|" + item + "|3|0|3"});
    EXPECT_EQ(offered(IssueKind::Loan, ""), QStringList()); // fully returned
}

// Each case returns from one issue line in successive saves; a refused save writes nothing.
TEST_F(Return, SavesAgainstWhatIsStillOutInsideTheSave)
{
    const struct {
        const char *name;
        const char *kind;
        double count, returned;
        QStringList filledWith; // quantities, each saved from a line filled before any of them
        QStringList refusals;   // "" for a save that went through
        const char *returnedAfter;
        QStringList openAfter;  // the lookup's offer afterwards, number:still out
    } cases[] = {
        {"all of a loan", "JC", 5, 2, {"3"}, {""}, "5", {}},
        {"more than a loan has out", "JC", 5, 2, {"4"}, {"B001 电钻 的归还数大于借用数！"}, "2", {"2603010001:3"}},
        {"all of a requisition", "LY", 2, 0, {"2"}, {""}, "2", {}},
        {"tenths add up to nothing left", "JC", 0.3, 0, {"0.1", "0.2"}, {"", ""}, "0.3", {}},
        // Two lines filled while 3 were out: the second save finds only 1 still out.
        {"a stale returnable figure", "JC", 5, 2, {"2", "2"}, {"", "B001 电钻 的归还数大于借用数！"}, "4", {"2603010001:1"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const IssueKind kind = QString(c.kind) == "JC" ? IssueKind::Loan : IssueKind::Requisition;
        const QString issueLineId = issue(c.kind, "2603010001", "张三", "B001", c.count, c.returned);
        std::vector<std::unique_ptr<LineGridModel>> filled;
        for (const QString &quantity : c.filledWith) {
            fill(1, kind, issueLineId, quantity);
            filled.push_back(std::make_unique<LineGridModel>(QStringList(9), kColumnCount));
            for (int column = 1; column < kColumnCount; ++column)
                filled.back()->setCell(1, column, lines.cell(1, column));
        }
        for (size_t i = 0; i < filled.size(); ++i) {
            const int documentsBefore = count("UIn_GH");
            const int ledgerBefore = count("UWList");
            const QString refusal = checkAndSave(*filled[i]);
            EXPECT_EQ(refusal, c.refusals[qsizetype(i)]);
            if (!refusal.isEmpty()) {
                EXPECT_EQ(count("UIn_GH"), documentsBefore);
                EXPECT_EQ(count("UWList"), ledgerBefore);
            }
        }
        EXPECT_EQ(db.value("select GHCount from " + issueLinesTable(kind) + " where ID=?", {issueLineId.toInt()}).toString(),
                  c.returnedAfter);
        EXPECT_EQ(offered(kind, "B001"), c.openAfter);
        db.dm.myESQL("delete from " + issueLinesTable(kind));
        db.dm.myESQL(QString("delete from UOut_") + c.kind);
    }
}

// Another return saved between the checks and the save (another user, say) is seen
// inside the save's transaction.
TEST_F(Return, TheSaveReadsWhatIsStillOutAgainInsideItsTransaction)
{
    fill(1, IssueKind::Loan, issue("JC", "2603010001", "张三", "B001", 5, 2), "3");
    ASSERT_FALSE(check(db.services, header(), lines).has_value());
    db.dm.myESQL("update UOut_JC_Bill set GHCount = 4");
    try {
        save(db.services, header(), lines);
        ADD_FAILURE() << "saved a return of 3 with 1 still out";
    } catch (const InputError &error) {
        EXPECT_EQ(error.text(), "B001 电钻 的归还数大于借用数！");
    }
    EXPECT_EQ(count("UIn_GH"), 0);
    EXPECT_EQ(count("UWare"), 0);
    EXPECT_EQ(db.value("select GHCount from UOut_JC_Bill").toString(), "4");
}

// The same issue line on two lines of one return counts once against what is out.
TEST_F(Return, TwoLinesOfOneIssueLineShareWhatIsStillOut)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5, 2);
    fill(1, IssueKind::Loan, loanLine, "2");
    fill(2, IssueKind::Loan, loanLine, "2");
    ASSERT_TRUE(check(db.services, header(), lines).has_value());
    EXPECT_EQ(check(db.services, header(), lines)->message, "B001 电钻 的归还数大于借用数！");
    lines.setCell(2, Quantity, "1");
    EXPECT_EQ(checkAndSave(lines), QString());
    EXPECT_EQ(db.value("select GHCount from UOut_JC_Bill").toString(), "5");
}

TEST_F(Return, TheLookupOffersOpenLinesOfThePersonAndLeavesOutItemsOnTheDocument)
{
    issue("JC", "2603010001", "张三", "B001", 5, 2);
    issue("JC", "2603020001", "张三", "B001", 1);        // the same item from a second loan
    issue("JC", "2603030001", "张三", "B002", 4, 4);     // wholly returned
    issue("JC", "2603040001", "李四", "B001", 2);        // somebody else's
    issue("LY", "2603050001", "张三", "A001", 10);       // a requisition
    db.dm.myESQL("insert into UOut_JC (theNum, theLYPro, theDel) values ('2603060001', '张三', 1)");
    db.dm.myESQL("insert into UOut_JC_Bill (theNum, AID, theCount, GHCount, SID, theDel) values ('2603060001', ?, 3, 0, 2, 0)",
                 {itemId("A002").toInt()}); // a line of a deleted loan

    EXPECT_EQ(offered(IssueKind::Loan, ""), QStringList({"2603010001:3", "2603020001:1"}));
    EXPECT_EQ(offered(IssueKind::Loan, "dz"), QStringList({"2603010001:3", "2603020001:1"}));
    EXPECT_EQ(offered(IssueKind::Loan, "A0"), QStringList());
    EXPECT_EQ(offered(IssueKind::Requisition, "A001"), QStringList({"2603050001:10"}));
    // Once one line of the item is on the document, its other loan is not offered.
    EXPECT_EQ(offered(IssueKind::Loan, "", {itemId("B001")}), QStringList());
}

TEST_F(Return, ZeroPriceLinesCarryNoPrice)
{
    const Statement statement = issueLine(IssueKind::Loan, issue("JC", "2603010001", "张三", "A002", 4));
    QSqlQuery record = db.dm.select(statement.text, statement.values);
    ASSERT_TRUE(record.next());
    writeLine(lines, 1, IssueKind::Loan, [&record](const QString &column) { return record.value(column); }, true);
    EXPECT_EQ(lines.cell(1, DocumentLines::Price), "0");
    EXPECT_EQ(lines.cell(1, DocumentLines::Amount), "0");
    EXPECT_EQ(lines.cell(1, Quantity), "4");
}

TEST_F(Return, ChecksRunInOrder)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5, 2);
    const struct {
        std::function<void(Header &, LineGridModel &)> spoil;
        const char *message, *field;
    } cases[] = {
        {[](Header &h, LineGridModel &) { h.returner.clear(); h.handler.clear(); }, "归还人 不能为空！请选择 归还人！", "Edit2"},
        {[](Header &h, LineGridModel &l) { h.handler.clear(); l.clearLine(1); }, "经办人 不能为空！请选择 经办人！", "Edit3"},
        {[](Header &, LineGridModel &l) { l.clearLine(1); }, "归还明细 不能为空！", "StringGrid1"},
        {[](Header &, LineGridModel &l) { l.setCell(1, Quantity, "0"); }, "B001 电钻 数量不能小于或等于0！", "StringGrid1"},
        {[](Header &, LineGridModel &l) { l.setCell(1, Quantity, "三"); }, "B001 电钻 数量不是有效的数字！", "StringGrid1"},
        {[](Header &, LineGridModel &l) { l.setCell(1, Quantity, "3.5"); }, "B001 电钻 的归还数大于借用数！", "StringGrid1"},
    };
    for (const auto &c : cases) {
        fill(1, IssueKind::Loan, loanLine);
        Header h = header();
        c.spoil(h, lines);
        const std::optional<CheckFailure> failure = check(db.services, h, lines);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->field, c.field);
    }
}

TEST_F(Return, AnIssueTableNamedOtherwiseIsNeverWritten)
{
    fill(1, IssueKind::Loan, issue("JC", "2603010001", "张三", "B001", 5), "1");
    lines.setCell(1, SourceTable, "UOut_JC_Bill Set theDel=1; --");
    EXPECT_THROW(save(db.services, header(), lines), InputError);
    EXPECT_EQ(count("UIn_GH"), 0);
    EXPECT_EQ(db.value("select GHCount from UOut_JC_Bill").toString(), "0");
}

// The lookup of the return window on a grid of its own, with the returner box.
struct ReturnLookup : Return {
    LineGrid grid{returnGridLayout()};
    QLineEdit returner{"张三"};

    static LineGridLayout returnGridLayout()
    {
        LineGridLayout layout;
        layout.titles = QStringList(9);
        layout.widths = QList<int>(9, 50);
        layout.columnCount = kColumnCount;
        return layout;
    }
    void lookUp(int line, const QString &text)
    {
        grid.setCurrent(line, DocumentLines::Code);
        grid.lines()->setCell(line, DocumentLines::Code, text);
        OpenIssueLookup(db.services, grid, returner, nullptr).run();
    }
    // Runs `answer` on the picker when it opens.
    static void whenPickerOpens(std::function<void(TfrmFindArticle4 &)> answer)
    {
        QTimer::singleShot(0, [answer] {
            auto *picker = qobject_cast<TfrmFindArticle4 *>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            answer(*picker);
        });
    }
};

TEST_F(ReturnLookup, OneOpenLoanFillsTheLineAndMovesOn)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5, 2);
    lookUp(1, "dz");
    EXPECT_EQ(grid.lines()->cell(1, DocumentLines::Code), "B001");
    EXPECT_EQ(grid.lines()->cell(1, SourceLineId), loanLine);
    EXPECT_EQ(grid.currentLine(), 2);
}

TEST_F(ReturnLookup, WithoutAReturnerTheLookupAsksForOne)
{
    issue("JC", "2603010001", "张三", "B001", 5);
    returner.clear();
    lookUp(1, "dz");
    EXPECT_EQ(db.dialogs.lastText(), "归还人 不能为空！请选择 归还人！");
    EXPECT_EQ(grid.lines()->cell(1, DocumentLines::ItemId), QString());
}

TEST_F(ReturnLookup, ThePickerSwitchesToRequisitionsAndWritesTheirTable)
{
    issue("JC", "2603010001", "张三", "B001", 5);
    issue("JC", "2603020001", "张三", "B002", 1);
    const QString requisitionLine = issue("LY", "2603030001", "张三", "A001", 4, 1);
    QString caption;
    int loans = 0;
    whenPickerOpens([&](TfrmFindArticle4 &picker) {
        caption = picker.windowTitle();
        loans = picker.recordCount();
        picker.findChild<QRadioButton *>("RadioButton1")->click();
        ASSERT_EQ(picker.recordCount(), 1);
        picker.grid()->setCurrentIndex(picker.grid()->rows()->index(0, 0));
        picker.myLoad();
    });
    lookUp(1, "");
    EXPECT_EQ(caption, "张三 借用 物品 查找");
    EXPECT_EQ(loans, 2);
    EXPECT_EQ(grid.lines()->cell(1, DocumentLines::Code), "A001");
    EXPECT_EQ(grid.lines()->cell(1, Quantity), "3");
    EXPECT_EQ(grid.lines()->cell(1, SourceTable), "UOut_LY_Bill");
    EXPECT_EQ(grid.lines()->cell(1, SourceLineId), requisitionLine);
    EXPECT_EQ(grid.currentLine(), 1);
}

TEST_F(ReturnLookup, SelectAllFillsEmptyLinesWithZeroPricesAndStopsAtLine99)
{
    db.context.ZeroPriceGH = true;
    issue("JC", "2603010001", "张三", "B001", 5);
    issue("JC", "2603020001", "张三", "B002", 1);
    issue("JC", "2603030001", "张三", "A001", 2);
    grid.lines()->setCell(99, DocumentLines::Code, "X");
    grid.lines()->setCell(99, DocumentLines::ItemId, itemId("A002")); // taken: kept, not overwritten
    whenPickerOpens([](TfrmFindArticle4 &picker) { picker.A1Click(); });
    lookUp(97, "");
    EXPECT_EQ(grid.lines()->cell(97, DocumentLines::Code), "A001"); // in the picker's order
    EXPECT_EQ(grid.lines()->cell(98, DocumentLines::Code), "B001");
    EXPECT_EQ(grid.lines()->cell(99, DocumentLines::Code), "X");
    for (int line : {97, 98}) {
        EXPECT_EQ(grid.lines()->cell(line, DocumentLines::Price), "0");
        EXPECT_EQ(grid.lines()->cell(line, DocumentLines::Amount), "0");
    }
    EXPECT_EQ(db.dialogs.lastText(), "单据最多 99 行，有 1 条物品未能加入！");
}

TEST_F(Return, TheLoanExtensionAddsDaysAndAnEmptyBoxAddsNone)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5);
    db.dm.myESQL("update UOut_JC_Bill set theGH = 7");
    db.context.LoanDays = "7";
    const struct { const char *typed; int after; } cases[] = {{"3", 10}, {"", 10}, {"0", 10}, {"15", 25}};
    for (const auto &c : cases) {
        TfrmAddJYTS dialog(db.services, loanLine, "2603010001");
        EXPECT_EQ(dialog.windowTitle(), "增加借用天数");
        auto *days = dialog.findChild<QLineEdit *>("Edit1");
        EXPECT_EQ(days->text(), "7");
        days->setText(c.typed);
        dialog.findChild<QPushButton *>("BitBtn1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(db.value("select theGH from UOut_JC_Bill").toInt(), c.after) << c.typed;
    }
    EXPECT_EQ(db.value("select theCount || '|' || GHCount from UOut_JC_Bill").toString(), "5.0|0.0");
}

} // namespace
