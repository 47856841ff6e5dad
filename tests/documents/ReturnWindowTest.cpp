// The return window: opened from the menu and from a line of an overview list.
#include "DocumentTestData.h"
#include "documents/TfrmIn_GH.h"
#include "support/Screenshots.h"
#include "ui/LineGrid.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace LoanReturn;
using DocumentLines::Code;
using DocumentLines::Quantity;

struct ReturnWindow : DocumentTestData, ::testing::Test {
    ReturnWindow() { db.context.DefaultHandler = "李四"; }

    static QLineEdit *box(QWidget &window, const char *name) { return window.findChild<QLineEdit *>(name); }
    static void save(QWidget &window) { window.findChild<QPushButton *>("BitBtn1")->click(); }
};

TEST_F(ReturnWindow, OpenedFromAnOverviewLineItSavesPrintsTellsItsOpenerAndCloses)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5);
    TfrmIn_GH window(db.services, "张三", IssueKind::Loan, loanLine);
    int refreshes = 0;
    QObject::connect(&window, &TfrmIn_GH::returnSaved, [&refreshes] { ++refreshes; });
    window.show();
    EXPECT_EQ(box(window, "Edit2")->text(), "张三");
    EXPECT_EQ(box(window, "Edit3")->text(), "李四");
    EXPECT_EQ(window.lines().cell(1, Code), "B001");
    EXPECT_EQ(window.lines().cell(1, Quantity), "5"); // the whole count still out
    EXPECT_TRUE(saveScreenshot(window, "return_in"));

    window.lines().setCell(1, Quantity, "4");
    save(window);
    EXPECT_EQ(db.dialogs.texts(), QStringList{"归还入库单 保存成功！"});
    EXPECT_EQ(db.dialogs.previews, 1);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(db.value("select GHCount from UOut_JC_Bill").toString(), "4");
    EXPECT_EQ(rows("select SID, WCount from UWare"), QStringList{"2|4"});
}

TEST_F(ReturnWindow, OpenedFromTheMenuItStaysOpenForTheNextReturn)
{
    issue("JC", "2603010001", "张三", "B001", 5, 2);
    issue("LY", "2603020001", "张三", "A001", 1);
    TfrmIn_GH window(db.services);
    int refreshes = 0;
    QObject::connect(&window, &TfrmIn_GH::returnSaved, [&refreshes] { ++refreshes; });
    window.show();
    box(window, "Edit2")->setText("张三");
    window.grid()->setCurrent(1, Code);
    QTest::keyClick(window.grid(), Qt::Key_Return); // the one open loan of 张三
    EXPECT_EQ(window.lines().cell(1, Code), "B001");
    EXPECT_EQ(window.lines().cell(1, Quantity), "3");
    EXPECT_EQ(window.grid()->currentLine(), 2);

    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "归还入库单 保存成功！");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(box(window, "Edit2")->text(), QString());
    EXPECT_EQ(box(window, "Edit3")->text(), "李四");
    EXPECT_EQ(window.lines().cell(1, Code), QString());
    EXPECT_EQ(window.focusWidget(), box(window, "Edit2"));
    EXPECT_EQ(db.value("select JYT from UIn_GH_Bill").toString(), "UOut_JC_Bill");
}

TEST_F(ReturnWindow, ARefusedSaveNamesTheLineAndWritesNothing)
{
    const QString loanLine = issue("JC", "2603010001", "张三", "B001", 5, 2);
    TfrmIn_GH window(db.services, "张三", IssueKind::Loan, loanLine);
    window.show();
    window.lines().setCell(1, Quantity, "4");
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "B001 电钻 的归还数大于借用数！");
    EXPECT_EQ(window.focusWidget(), window.grid());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(count("UIn_GH"), 0);

    box(window, "Edit3")->clear();
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "经办人 不能为空！请选择 经办人！");
    EXPECT_EQ(window.focusWidget(), box(window, "Edit3"));
}

TEST_F(ReturnWindow, TypingAnotherReturnerEmptiesTheLines)
{
    TfrmIn_GH window(db.services, "张三", IssueKind::Loan, issue("JC", "2603010001", "张三", "B001", 5));
    window.show();
    QLineEdit *returner = box(window, "Edit2");
    returner->setFocus();
    QTest::keyClick(returner, Qt::Key_Backspace);
    EXPECT_EQ(window.lines().cell(1, Code), QString());
    EXPECT_EQ(window.lines().cell(1, SourceLineId), QString());
}

} // namespace
