// Logging in: the checks, what the context gets, the remembered user, the window.
#include "app/LoginService.h"
#include "app/TfrmLogin.h"
#include "support/TestDatabase.h"
#include "ui/LookupComboBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 3, 15);

void addUser(TestDatabase &db, const QString &name, const QString &password, const QString &rights)
{
    db.dm.myESQL(QStringLiteral("insert into SUser (UName, UPass, theM, theD, theE) values (?, ?, ?, ?, ?)"),
                 {name, password, rights, rights, rights});
}

TEST(Login, RefusesAnEmptyNameAndAWrongPasswordWithoutChangingTheContext)
{
    TestDatabase db;
    const AppContext before = db.context;
    const QString admin = QStringLiteral("系统管理员");
    EXPECT_EQ(logIn(db.dm, db.context, QString(), QString(), kToday).outcome, LoginOutcome::EmptyName);
    EXPECT_EQ(logIn(db.dm, db.context, admin, QStringLiteral("x"), kToday).outcome, LoginOutcome::WrongPassword);
    EXPECT_EQ(logIn(db.dm, db.context, QStringLiteral("nobody"), QString(), kToday).outcome,
              LoginOutcome::WrongPassword);
    EXPECT_EQ(db.context.CurUserName, before.CurUserName);
    EXPECT_EQ(db.context.RightModify, QString());
}

TEST(Login, FillsTheUserPartOfTheContext)
{
    TestDatabase db;
    addUser(db, QStringLiteral("O'Neil"), QStringLiteral("pa'ss"), QStringLiteral("否"));
    db.dm.myESQL(QStringLiteral("insert into SLevel (UID, MNum) values (2, '212'), (2, '102')"));
    const LoginResult result = logIn(db.dm, db.context, QStringLiteral("O'Neil"), QStringLiteral("pa'ss"), kToday);
    ASSERT_EQ(result.outcome, LoginOutcome::LoggedIn);
    EXPECT_EQ(result.grantedCodes, QStringList({"102", "212"}));
    EXPECT_EQ(db.context.CurUserName, QStringLiteral("O'Neil"));
    EXPECT_EQ(db.context.CurUserPass, QStringLiteral("pa'ss"));
    EXPECT_EQ(db.context.CurUserID, QStringLiteral("2"));
    EXPECT_EQ(db.context.LoginDate, QStringLiteral("2026-03-15"));
    EXPECT_EQ(db.context.RightModify, QStringLiteral("否"));
    EXPECT_EQ(db.context.RightDelete, QStringLiteral("否"));
    EXPECT_EQ(db.context.RightExport, QStringLiteral("否"));
}

TEST(Login, StorageListJoinsTheUsersStorages)
{
    const struct { QStringList rows; QString list; } cases[] = {
        {{}, ""},
        {{"物品仓库"}, "物品仓库"},
        {{"物品仓库", "二号库"}, "物品仓库','二号库"},
    };
    for (const auto &c : cases) {
        TestDatabase db;
        db.dm.myESQL(QStringLiteral("delete from SLW"));
        for (const QString &name : c.rows)
            db.dm.myESQL(QStringLiteral("insert into SLW (UID, SName) values (1, ?)"), {name});
        logIn(db.dm, db.context, QStringLiteral("系统管理员"), QString(), kToday);
        EXPECT_EQ(db.context.UserStorages, c.rows);
        EXPECT_EQ(db.context.UserStorageList(), c.list);
    }
}

TEST(Login, OnlyTheExactTextNoRefusesARight)
{
    const struct { const char *value; bool allowed; } cases[] = {
        {"是", true}, {"", true}, {"否 ", true}, {"no", true}, {"否", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rightAllows(QString::fromUtf8(c.value)), c.allowed) << c.value;
}

TEST(Login, LastUserRoundTripsThroughTheIniFile)
{
    QTemporaryDir folder;
    const QString appDir = folder.path() + QLatin1Char('/');
    EXPECT_EQ(myLoadIni(appDir), QString()); // no file yet: nothing remembered
    mySaveIni(appDir, QStringLiteral("王 小'明"));
    EXPECT_EQ(myLoadIni(appDir), QStringLiteral("王 小'明"));
    EXPECT_TRUE(QFile::exists(appDir + QStringLiteral("myDefault.ini")));
}

struct LoginWindow : ::testing::Test {
    TestDatabase db;
    void click(TfrmLogin &window)
    {
        window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    }
};

TEST_F(LoginWindow, ShowsTheMessagesAndKeepsTheFocusOnTheField)
{
    TfrmLogin window(db.services);
    window.show();
    QSignalSpy loggedIn(&window, &TfrmLogin::loggedIn);
    EXPECT_EQ(window.userList()->currentIndex(), -1); // no ini file: nobody chosen

    click(window);
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("用户名 不能为空！请选择 用户名！"));
    EXPECT_EQ(window.focusWidget(), window.userList());

    window.userList()->setKeyValue(QStringLiteral("系统管理员"));
    window.passwordEdit()->setText(QStringLiteral("wrong"));
    click(window);
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("密码错误，请重新录入密码！"));
    EXPECT_EQ(window.focusWidget(), window.passwordEdit());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(loggedIn.count(), 0);
}

TEST_F(LoginWindow, SuccessHidesTheWindowAndRemembersTheUser)
{
    {
        TfrmLogin window(db.services);
        window.show();
        QSignalSpy loggedIn(&window, &TfrmLogin::loggedIn);
        window.userList()->setKeyValue(QStringLiteral("系统管理员"));
        click(window);
        ASSERT_EQ(loggedIn.count(), 1);
        EXPECT_EQ(loggedIn.at(0).at(0).toStringList().size(), 76);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(db.dialogs.messages.isEmpty());
    }
    TfrmLogin next(db.services);
    next.show();
    EXPECT_EQ(next.userList()->currentText(), QStringLiteral("系统管理员"));
    EXPECT_EQ(next.focusWidget(), next.passwordEdit());
}

TEST_F(LoginWindow, PasswordTakesAtMostTwelveCharactersShownMasked)
{
    TfrmLogin window(db.services);
    QLineEdit *password = window.passwordEdit();
    password->setText(QStringLiteral("1234567890abcdef"));
    EXPECT_EQ(password->text(), QStringLiteral("1234567890ab"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
}

TEST_F(LoginWindow, ARememberedUserWhoNoLongerExistsPreselectsNobody)
{
    mySaveIni(db.context.AppDir, QStringLiteral("已删除的用户"));
    TfrmLogin window(db.services);
    EXPECT_EQ(window.userList()->currentIndex(), -1);
}

} // namespace
