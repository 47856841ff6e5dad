// The request window: the applicant with the department, the catalogue lookup, a save
// that moves no stock.
#include "DocumentTestData.h"
#include "documents/TfrmSQ_In.h"
#include "support/Screenshots.h"
#include "ui/LineGrid.h"
#include "ui/PickerDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace DocumentLines;

struct RequestWindow : DocumentTestData, ::testing::Test {
    static QLineEdit *box(QWidget &window, const char *name) { return window.findChild<QLineEdit *>(name); }
    static void save(QWidget &window) { window.findChild<QPushButton *>("BitBtn1")->click(); }
};

TEST_F(RequestWindow, TheApplicantComesWithHisDepartmentAndTheRequestMovesNoStock)
{
    db.context.DefaultHandler = "李四";
    TfrmSQ_In window(db.services);
    window.show();
    QLineEdit *applicant = box(window, "Edit2");
    applicant->setText("ww");
    whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->myLoad(); });
    QTest::keyClick(applicant, Qt::Key_Return);
    EXPECT_EQ(applicant->text(), "王五");
    EXPECT_EQ(window.findChild<QLabel *>("Label3")->text(), "工程部");

    window.grid()->setCurrent(1, Code);
    window.lines().setCell(1, Code, "dz");
    whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->myLoad(); });
    QTest::keyClick(window.grid(), Qt::Key_Return); // 电钻 and 电钻钻头: the picker
    EXPECT_EQ(window.lines().cell(1, ItemId), itemId("B001"));
    EXPECT_EQ(window.lines().cell(1, Quantity), "1");
    EXPECT_TRUE(saveScreenshot(window, "request"));

    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "物品申请单 保存成功！");
    EXPECT_EQ(db.dialogs.previews, 1);
    EXPECT_EQ(rows("select theSQPro, theBGPro, DName from USQ"), QStringList{"王五|李四|工程部"});
    EXPECT_EQ(rows("select AID, theCount, theCG, theLY, theJY from USQ_Bill"), QStringList{itemId("B001") + "|1|0|0|0"});
    EXPECT_EQ(count("UWare") + count("UWList"), 0);
    EXPECT_EQ(window.findChild<QLabel *>("Label3")->text(), QString());
    EXPECT_EQ(window.focusWidget(), window.field("DateTimePicker1"));
}

TEST_F(RequestWindow, AnApplicantTypedWithoutTheLookupIsRefused)
{
    TfrmSQ_In window(db.services);
    window.show();
    QLineEdit *applicant = box(window, "Edit2");
    applicant->setFocus();
    QTest::keyClicks(applicant, "ww"); // typed, never chosen
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "请按回车选择 申请人！");
    EXPECT_EQ(window.focusWidget(), applicant);
    EXPECT_EQ(count("USQ"), 0);
}

} // namespace
