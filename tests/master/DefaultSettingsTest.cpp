// "默认项设置": what it shows, what a save writes, and what the next start reads.
#include "master/TfrmMRX.h"
#include "store/DefaultSettings.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct DefaultSettings : ::testing::Test {
    TestDatabase db;

    DefaultSettings()
    {
        db.dm.myESQL(QStringLiteral("insert into SStorage(SName, Remark, thePY) values('二号库', '', '')"));
        for (const char *name : {"张三", "O'Hara"})
            db.dm.myESQL(QStringLiteral("insert into SPerson(PName, DName, theNum) values(?, '', '')"), {QString::fromUtf8(name)});
    }
    template <class T> static T *child(TfrmMRX &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    static void save(TfrmMRX &window) { child<QPushButton>(window, "saveButton")->click(); }
    QString settingsRow()
    {
        return db.value(QStringLiteral("select theCK||'|'||theJBR||'|'||theCGR||'|'||thePZR||'|'||theGH||'|'||ImgPath||'|'||"
                                       "theFKC||theTX||YJMin||YJMax||Z_LY||Z_JY||Z_GH||Z_DB from SMRX"))
            .toString();
    }
};

TEST_F(DefaultSettings, ASaveEndsTheProgramAndTheNextStartReadsIt)
{
    TfrmMRX window(db.services);
    window.show();
    EXPECT_EQ(child<LookupComboBox>(window, "theCK")->currentText(), QStringLiteral("物品仓库"));
    EXPECT_EQ(child<QLineEdit>(window, "ImgPath")->text(), db.context.AppDir + QStringLiteral("Image"));
    EXPECT_EQ(child<QLineEdit>(window, "theGH")->text(), QStringLiteral("7"));
    EXPECT_TRUE(child<QCheckBox>(window, "theTX")->isChecked());
    saveScreenshot(window, QStringLiteral("frmMRX"));

    child<LookupComboBox>(window, "theCK")->setKeyValue(2);
    child<LookupComboBox>(window, "theJBR")->setKeyValue(QStringLiteral("O'Hara"));
    child<LookupComboBox>(window, "thePZR")->setKeyValue(QStringLiteral("张三"));
    for (const char *flag : {"theFKC", "theTX", "Z_GH"})
        child<QCheckBox>(window, flag)->toggle();
    child<QLineEdit>(window, "theGH")->setText(QStringLiteral("30"));
    db.dialogs.fileNames = {QStringLiteral("/srv/O'Neil 图片")};
    child<QPushButton>(window, "choosePath")->click();
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("默认项设置 保存成功！请重新打开软件！"));
    EXPECT_EQ(db.dialogs.quitRequests, 1);
    EXPECT_EQ(settingsRow(), QStringLiteral("2|O'Hara||张三|30|/srv/O'Neil 图片|10000010"));

    AppContext next;
    next.AppDir = db.context.AppDir;
    loadDefaultSettings(db.dm, next);
    EXPECT_EQ(next.DefaultStorage, QStringLiteral("2"));
    EXPECT_EQ(next.DefaultHandler, QStringLiteral("O'Hara"));
    EXPECT_EQ(next.DefaultApprover, QStringLiteral("张三"));
    EXPECT_EQ(next.LoanDays, QStringLiteral("30"));
    EXPECT_TRUE(next.AllowNegativeStock && !next.RemindOverdueLoans && next.ZeroPriceGH && !next.ZeroPriceDB);
    EXPECT_EQ(next.ImageDir, QStringLiteral("/srv/O'Neil 图片"));

    TfrmMRX reopened(db.services);
    EXPECT_EQ(reopened.row().handler, QStringLiteral("O'Hara"));
    EXPECT_EQ(child<LookupComboBox>(reopened, "theCK")->currentText(), QStringLiteral("二号库"));
}

TEST_F(DefaultSettings, LoanDaysThatAreNotAWholeNumberAreRefusedAndNothingIsSaved)
{
    const QString before = settingsRow();
    for (const char *days : {"", "3.5"}) {
        TfrmMRX window(db.services);
        child<QLineEdit>(window, "theGH")->setText(QString::fromUtf8(days));
        child<QCheckBox>(window, "theFKC")->toggle();
        save(window);
        EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("归还天数 必须是整数！请重新录入！")) << days;
    }
    EXPECT_EQ(settingsRow(), before);
    EXPECT_EQ(db.dialogs.quitRequests, 0);
}

TEST_F(DefaultSettings, AStorageTheUserCannotSeeIsKeptAndNoneStoresZero)
{
    db.dm.myESQL(QStringLiteral("update SMRX set theCK=2"));
    db.context.UserStorages = {QStringLiteral("物品仓库")};
    {
        TfrmMRX window(db.services);
        EXPECT_EQ(child<LookupComboBox>(window, "theCK")->currentIndex(), -1);
        save(window);
        EXPECT_TRUE(settingsRow().startsWith("2|"));
    }
    {
        TfrmMRX window(db.services);
        child<QCheckBox>(window, "theCK_None")->setChecked(true);
        child<QCheckBox>(window, "theJBR_None")->setChecked(true);
        save(window);
        EXPECT_TRUE(settingsRow().startsWith("0||"));
    }
    {
        // "空" and then a choice: the choice is saved.
        TfrmMRX window(db.services);
        child<QCheckBox>(window, "theCK_None")->setChecked(true);
        child<LookupComboBox>(window, "theCK")->setKeyValue(1);
        save(window);
        EXPECT_TRUE(settingsRow().startsWith("1|"));
    }
}

TEST_F(DefaultSettings, ARemovedPersonIsSavedEmptyAndACancelledPickerEmptiesThePath)
{
    db.dm.myESQL(QStringLiteral("update SMRX set theCGR='已离职', ImgPath='/old'"));
    TfrmMRX window(db.services);
    child<QPushButton>(window, "choosePath")->click(); // cancelled
    save(window);
    EXPECT_EQ(settingsRow(), QStringLiteral("1||||7||01000000"));
}

TEST_F(DefaultSettings, ASaveThatChangesNoRowIsReported)
{
    db.dm.myESQL(QStringLiteral("delete from SMRX"));
    TfrmMRX window(db.services);
    child<QLineEdit>(window, "theGH")->setText(QStringLiteral("7"));
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("默认项设置 保存失败！"));
    EXPECT_EQ(db.dialogs.quitRequests, 0);
}

} // namespace
