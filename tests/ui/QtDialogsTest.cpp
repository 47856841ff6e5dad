// The Qt message boxes behind the Dialogs seam: which answer Enter gives.
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses Enter in the question box as soon as it is shown.
void pressEnterInTheNextBox()
{
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

TEST(QtDialogs, EnterAnswersNoWhenNoIsTheDefault)
{
    QtDialogs dialogs;
    pressEnterInTheNextBox();
    EXPECT_FALSE(dialogs.questionDefaultNo(nullptr, "确认要恢复数据吗?", "恢复数据"));
}

TEST(QtDialogs, EnterAnswersYesInThePlainQuestion)
{
    QtDialogs dialogs;
    pressEnterInTheNextBox();
    EXPECT_TRUE(dialogs.question(nullptr, "确认要退出 朔禾物品管理软件 吗？ ^_^ ", "确认退出"));
}

} // namespace
