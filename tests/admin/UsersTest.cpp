// Users, their menu rights, storages and passwords.
#include "admin/TfrmChangePass.h"
#include "admin/TfrmLW.h"
#include "admin/TfrmLevel.h"
#include "admin/TfrmUser.h"
#include "admin/UserRights.h"
#include "app/LoginService.h"
#include "app/TfrmMain.h"
#include "store/DatabaseError.h"
#include "support/ModalDialogs.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Users : ::testing::Test {
    TestDatabase db;
    TfrmUser window{db.services};

    Users() { window.show(); }

    void type(const QString &column, const QString &text)
    {
        static_cast<QLineEdit *>(window.field(column))->setText(text);
    }
    void click(const char *name) { window.findChild<QPushButton *>(QLatin1String(name))->click(); }
    void choose(const QString &userName)
    {
        RowsModel *rows = window.grid()->rows();
        for (int row = 0; row < rows->rowCount(); ++row) {
            if (rows->value(row, QStringLiteral("用户名")).toString() == userName)
                window.grid()->setCurrentIndex(rows->index(row, 0));
        }
    }
    void addUser(const QString &name, const QString &remark = {})
    {
        click("ButNew");
        type(QStringLiteral("UName"), name);
        type(QStringLiteral("Remark"), remark);
        click("ButSave");
    }
    int userId(const QString &name)
    {
        return db.value(QStringLiteral("select ID from SUser where UName=?"), {name}).toInt();
    }
    QString row(const QString &name)
    {
        return db.value(QStringLiteral("select UPass||'|'||theM||theD||theE||'|'||thePY||'|'||Remark from SUser "
                                       "where UName=?"), {name}).toString();
    }
};

TEST_F(Users, ANewUserGetsTheDefaultPasswordAndNoRights)
{
    addUser(QStringLiteral("张三"), QStringLiteral("仓管"));
    EXPECT_EQ(row(QStringLiteral("张三")), QStringLiteral("470953|否否否|ZS|仓管"));
    EXPECT_EQ(window.grid()->rows()->rowCount(), 2);

    // The first login sees only the menus without rights (退出 and Help) and every storage.
    AppContext context;
    const LoginResult login = logIn(db.dm, context, QStringLiteral("张三"), QStringLiteral("470953"), QDate(2026, 3, 15));
    EXPECT_EQ(login.outcome, LoginOutcome::LoggedIn);
    EXPECT_TRUE(login.grantedCodes.isEmpty());
    EXPECT_TRUE(context.UserStorages.isEmpty());
    EXPECT_EQ(context.RightModify, QStringLiteral("否"));
    TfrmMain main(db.services);
    main.applyMenuRights(login.grantedCodes);
    for (int digit = 1; digit <= 4; ++digit)
        EXPECT_FALSE(main.topMenu(digit)->menuAction()->isVisible()) << digit;
    QStringList fileItems;
    for (QAction *item : main.topMenu(0)->actions()) {
        if (item->isVisible())
            fileItems << item->text();
    }
    EXPECT_EQ(fileItems, QStringList{"退出 &X"});
    EXPECT_TRUE(main.topMenu(5)->menuAction()->isVisible());
}

TEST_F(Users, NamesMustBeGivenAndUniqueOnAddAndOnRename)
{
    addUser(QString());
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("用户名 不能为空！请重新录入！"));
    click("ButCan");
    addUser(QStringLiteral("张三"));
    addUser(QStringLiteral("张三"));
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("用户名 添加重复！"));
    click("ButCan");
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from SUser")).toInt(), 2);

    choose(QStringLiteral("张三"));
    click("ButMed");
    type(QStringLiteral("UName"), QStringLiteral("系统管理员"));
    click("ButSaveEdit");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("用户名 添加重复！"));
    click("ButCan");
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from SUser where UName='系统管理员'")).toInt(), 1);
}

TEST_F(Users, ModifyingAUserResetsThePassword)
{
    addUser(QStringLiteral("张三"));
    db.dm.myESQL(QStringLiteral("update SUser set UPass='secret' where UName='张三'"));
    choose(QStringLiteral("张三"));
    click("ButMed");
    type(QStringLiteral("Remark"), QStringLiteral("只改备注"));
    click("ButSaveEdit");
    EXPECT_EQ(row(QStringLiteral("张三")), QStringLiteral("470953|否否否|ZS|只改备注"));
}

TEST_F(Users, TheLastUserAndTheLoggedInUserCannotBeDeleted)
{
    choose(QStringLiteral("系统管理员"));
    click("ButDel");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("用户只有一个了，不能删除！"));

    addUser(QStringLiteral("张三"));
    choose(QStringLiteral("系统管理员"));
    click("ButDel");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("当前登录的用户不能删除！"));
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from SUser")).toInt(), 2);

    choose(QStringLiteral("张三"));
    db.dialogs.answers = {true};
    click("ButDel");
    EXPECT_EQ(db.value(QStringLiteral("select group_concat(UName) from SUser")).toString(), QStringLiteral("系统管理员"));
}

TEST_F(Users, RightsAndStoragesAreReadBackAtTheNextLogin)
{
    db.dm.myESQL(QStringLiteral("insert into SStorage(SName, Remark, thePY) values(?, '', '')"), {QStringLiteral("O'Neil 仓")});
    addUser(QStringLiteral("张三"));
    const int id = userId(QStringLiteral("张三"));
    {
        TfrmLevel rights(db.services, id, QStringLiteral("张三"));
        EXPECT_EQ(rights.windowTitle(), QStringLiteral("张三 的操作权限"));
        auto *list = rights.findChild<QListWidget *>(QStringLiteral("CheckListBox1"));
        ASSERT_EQ(list->count(), 76);
        EXPECT_EQ(list->item(2)->text(), QStringLiteral("002&-"));
        for (int row = 0; row < list->count(); ++row) {
            const QString code = list->item(row)->text().left(3);
            if (code == QStringLiteral("102") || code == QStringLiteral("200"))
                list->item(row)->setCheckState(Qt::Checked);
        }
        rights.findChild<QCheckBox *>(QStringLiteral("rightModify"))->setChecked(true);
        rights.findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
        EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("张三 的操作权限 保存成功！重新登录软件后生效。"));
    }
    {
        TfrmLW storages(db.services, id, QStringLiteral("张三"));
        auto *list = storages.findChild<QListWidget *>(QStringLiteral("CheckListBox1"));
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("O'Neil 仓"));
        list->item(1)->setCheckState(Qt::Checked);
        storages.findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
        EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("张三 的仓库权限 保存成功！重新登录软件后生效。"));
    }
    AppContext context;
    const LoginResult login = logIn(db.dm, context, QStringLiteral("张三"), QStringLiteral("470953"), QDate(2026, 3, 15));
    EXPECT_EQ(login.grantedCodes, QStringList({"102", "200"}));
    EXPECT_EQ(context.RightModify, QStringLiteral("是"));
    EXPECT_EQ(context.RightDelete, QStringLiteral("否"));
    EXPECT_EQ(context.UserStorages, QStringList{"O'Neil 仓"});

    // Opening the dialogs again shows what was saved.
    std::vector<CheckItem> items = menuRightItems(db.dm, id);
    QStringList ticked;
    for (const CheckItem &item : items) {
        if (item.ticked)
            ticked << item.text;
    }
    EXPECT_EQ(ticked, QStringList({"102&采购入库单 ", "200&库存物品一览表 "}));
    EXPECT_FALSE(storageAccessItems(db.dm, id)[0].ticked);
    EXPECT_TRUE(storageAccessItems(db.dm, id)[1].ticked);
}

TEST_F(Users, SelectAllTicksEveryItemSeparatorsAndRightsAndUntickingClearsThem)
{
    addUser(QStringLiteral("张三"));
    TfrmLevel rights(db.services, userId(QStringLiteral("张三")), QStringLiteral("张三"));
    auto *list = rights.findChild<QListWidget *>(QStringLiteral("CheckListBox1"));
    auto *all = rights.findChild<QCheckBox *>(QStringLiteral("selectAll"));
    all->setChecked(true);
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(list->item(row)->checkState(), Qt::Checked) << row;
    for (const char *name : {"rightModify", "rightDelete", "rightExport"})
        EXPECT_TRUE(rights.findChild<QCheckBox *>(QLatin1String(name))->isChecked());
    all->setChecked(false);
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(list->item(row)->checkState(), Qt::Unchecked) << row;
    EXPECT_FALSE(rights.findChild<QCheckBox *>(QStringLiteral("rightExport"))->isChecked());
}

TEST_F(Users, AFailureInTheMiddleOfASaveKeepsTheOldRights)
{
    db.dm.myESQL(QStringLiteral("create trigger refuse_level before insert on SLevel when NEW.MNum='200' "
                                "begin select raise(abort, 'forced'); end"));
    db.dm.myESQL(QStringLiteral("create trigger refuse_storage before insert on SLW when NEW.SName='坏仓' "
                                "begin select raise(abort, 'forced'); end"));
    const QString before = db.value(QStringLiteral("select count(*)||'|'||theM from SLevel, SUser "
                                                   "where UID=1 and SUser.ID=1")).toString();
    EXPECT_THROW(saveMenuRights(db.dm, 1, {QStringLiteral("100"), QStringLiteral("200")}, {}), DatabaseError);
    EXPECT_EQ(db.value(QStringLiteral("select count(*)||'|'||theM from SLevel, SUser where UID=1 and SUser.ID=1")).toString(),
              before);
    EXPECT_THROW(saveStorageAccess(db.dm, 1, {QStringLiteral("物品仓库"), QStringLiteral("坏仓")}), DatabaseError);
    EXPECT_EQ(db.value(QStringLiteral("select group_concat(SName) from SLW where UID=1")).toString(), QStringLiteral("物品仓库"));
}

TEST_F(Users, TheRightClickItemsOpenTheRightsDialogsOfTheCurrentUser)
{
    addUser(QStringLiteral("张三"));
    choose(QStringLiteral("张三"));
    QStringList titles;
    for (const char *name : {"L1", "W1"}) {
        whenModalShown([&titles](QWidget &dialog) {
            titles << dialog.windowTitle();
            saveScreenshot(dialog, dialog.objectName());
        });
        window.findChild<QAction *>(QLatin1String(name))->trigger();
    }
    EXPECT_EQ(titles, QStringList({"张三 的操作权限", "张三 的仓库权限"}));
    saveScreenshot(window, QStringLiteral("frmUser"));
}

TEST(ChangePassword, ChecksInOrderThenStoresTheNewPasswordOfTheLoggedInUser)
{
    TestDatabase db;
    db.context.CurUserPass = QString(); // the administrator's password is empty
    TfrmChangePass dialog(db.services);
    dialog.show();
    auto edit = [&dialog](const char *name) { return dialog.findChild<QLineEdit *>(QLatin1String(name)); };
    const struct { const char *old, *fresh, *confirmation, *message, *focus; } cases[] = {
        {"wrong", "new", "new", "原密码 错误，请重新录入！", "Edit1"},
        {"", "", "", "新密码 与 原密码 一样，请重新录入！", "Edit2"},
        {"", "new", "neu", "新密码 与 确认密码 不一致，请重新录入！", "Edit3"},
    };
    for (const auto &c : cases) {
        edit("Edit1")->setText(QString::fromUtf8(c.old));
        edit("Edit2")->setText(QString::fromUtf8(c.fresh));
        edit("Edit3")->setText(QString::fromUtf8(c.confirmation));
        dialog.confirm();
        EXPECT_EQ(db.dialogs.lastText(), QString::fromUtf8(c.message));
        EXPECT_EQ(dialog.focusWidget(), edit(c.focus)) << c.message;
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_EQ(db.value(QStringLiteral("select UPass from SUser where ID=1")).toString(), QString());
    saveScreenshot(dialog, QStringLiteral("frmChangePass"));

    edit("Edit1")->setText(QString());
    edit("Edit2")->setText(QStringLiteral("O'k-12"));
    edit("Edit3")->setText(QStringLiteral("O'k-12"));
    dialog.confirm();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("密码修改 保存成功！请重新登录软件！"));
    EXPECT_EQ(db.value(QStringLiteral("select UPass from SUser where ID=1")).toString(), QStringLiteral("O'k-12"));
    EXPECT_EQ(db.context.CurUserPass, QStringLiteral("O'k-12"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ChangePassword, AnEmptyNewPasswordIsAcceptedAndAVanishedUserIsReported)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("update SUser set UPass='old' where ID=1"));
    EXPECT_EQ(checkPasswordChange("old", "old", "", ""), PasswordCheck::Accepted);
    EXPECT_TRUE(storePassword(db.dm, 1, QString()));
    EXPECT_FALSE(storePassword(db.dm, 99, QStringLiteral("x")));
}

} // namespace
