// The reference-data maintenance windows, driven through their widgets.
#include "master/ReferenceMembers.h"
#include "master/TfrmDept.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"
#include "ui/MaintenanceWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ReferenceWindow : ::testing::Test {
    TestDatabase db;

    std::unique_ptr<MaintenanceWindow> open(MaintenanceMember member)
    {
        auto window = std::make_unique<MaintenanceWindow>(db.services, std::move(member));
        window->show();
        return window;
    }
    static void type(MaintenanceWindow &window, const QString &column, const QString &text)
    {
        QWidget *field = window.field(column);
        if (auto *list = qobject_cast<LookupComboBox *>(field))
            list->setKeyValue(text);
        else
            static_cast<QLineEdit *>(field)->setText(text);
    }
    static QPushButton *button(MaintenanceWindow &window, const char *name)
    {
        return window.findChild<QPushButton *>(QLatin1String(name));
    }
    QStringList column(const QString &statement)
    {
        QStringList values;
        QSqlQuery query = db.dm.select(statement);
        while (query.next())
            values << query.value(0).toString();
        return values;
    }
    // Chooses the grid row whose `title` column holds `value`.
    static void choose(MaintenanceWindow &window, const QString &title, const QString &value)
    {
        RowsModel *rows = window.grid()->rows();
        for (int row = 0; row < rows->rowCount(); ++row) {
            if (rows->value(row, title).toString() == value)
                window.grid()->setCurrentIndex(rows->index(row, 0));
        }
    }
};

TEST_F(ReferenceWindow, ButtonsFollowTheState)
{
    auto window = open(departmentMember());
    struct Expected { bool form, add, modify, remove, cancel, saveNewShown, saveEditShown, saveEditEnabled, grid; };
    auto check = [&](const Expected &e, const char *when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(window->field(QStringLiteral("DName"))->parentWidget()->isEnabled(), e.form);
        EXPECT_EQ(button(*window, "ButNew")->isEnabled(), e.add);
        EXPECT_EQ(button(*window, "ButMed")->isEnabled(), e.modify);
        EXPECT_EQ(button(*window, "ButDel")->isEnabled(), e.remove);
        EXPECT_EQ(button(*window, "ButCan")->isEnabled(), e.cancel);
        EXPECT_EQ(button(*window, "ButSave")->isVisible(), e.saveNewShown);
        EXPECT_EQ(button(*window, "ButSaveEdit")->isVisible(), e.saveEditShown);
        EXPECT_EQ(button(*window, "ButSaveEdit")->isEnabled(), e.saveEditEnabled);
        EXPECT_EQ(window->grid()->isEnabled(), e.grid);
    };
    check({false, true, true, true, false, false, true, false, true}, "browse");
    button(*window, "ButNew")->click();
    EXPECT_EQ(window->state(), MaintenanceWindow::State::Adding);
    check({true, false, false, false, true, true, false, false, false}, "adding");
    EXPECT_EQ(window->focusWidget(), window->field(QStringLiteral("DName")));
    button(*window, "ButCan")->click();
    check({false, true, true, true, false, false, true, false, true}, "cancelled");
}

TEST_F(ReferenceWindow, NewDepartmentIsCheckedForEmptyAndDuplicateNames)
{
    auto window = open(departmentMember());
    button(*window, "ButNew")->click();
    button(*window, "ButSave")->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("部门名称 不能为空！请重新录入！"));

    type(*window, QStringLiteral("DName"), QStringLiteral("销售部"));
    type(*window, QStringLiteral("Remark"), QStringLiteral("O'Neil's 100%"));
    button(*window, "ButSave")->click();
    EXPECT_EQ(window->state(), MaintenanceWindow::State::Browse);
    EXPECT_EQ(column(QStringLiteral("select DName || '|' || Remark || '|' || thePY from SDepartment")),
              QStringList{"销售部|O'Neil's 100%|XSB"});
    EXPECT_EQ(window->grid()->rows()->rowCount(), 1);

    button(*window, "ButNew")->click();
    type(*window, QStringLiteral("DName"), QStringLiteral("销售部"));
    button(*window, "ButSave")->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("部门名称 添加重复！"));
    EXPECT_EQ(window->state(), MaintenanceWindow::State::Adding);
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SDepartment")), 1);
}

TEST_F(ReferenceWindow, RenamingToAnExistingNameIsAllowed)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment (DName, thePY) values ('财务部', 'CWB'), ('销售部', 'XSB')"));
    auto window = open(departmentMember());
    choose(*window, QStringLiteral("部门名称"), QStringLiteral("财务部"));
    button(*window, "ButMed")->click();
    ASSERT_EQ(window->state(), MaintenanceWindow::State::Modifying);
    type(*window, QStringLiteral("DName"), QStringLiteral("销售部"));
    button(*window, "ButSaveEdit")->click();
    EXPECT_EQ(window->state(), MaintenanceWindow::State::Browse);
    EXPECT_EQ(column(QStringLiteral("select DName || thePY from SDepartment order by ID")),
              QStringList({"销售部XSB", "销售部XSB"}));
    EXPECT_EQ(window->grid()->currentValue(QStringLiteral("部门名称")).toString(), QStringLiteral("销售部"));
}

TEST_F(ReferenceWindow, DeleteAsksAndObeysTheDeleteCheck)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment (DName) values ('财务部'), ('行政部')"));
    db.dm.myESQL(QStringLiteral("insert into SPerson (theNum, DName, PName) values ('001', '财务部', '张三')"));
    auto window = open(departmentMember());

    choose(*window, QStringLiteral("部门名称"), QStringLiteral("财务部"));
    button(*window, "ButDel")->click();
    EXPECT_EQ(db.dialogs.texts(), QStringList{"该 部门 下有 人员 记录，不能删除！"});

    choose(*window, QStringLiteral("部门名称"), QStringLiteral("行政部"));
    db.dialogs.answers = {false};
    button(*window, "ButDel")->click();
    EXPECT_EQ(db.dialogs.messages.last().caption, QStringLiteral("删除"));
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("确认要删除吗？该删除将不可恢复！"));
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SDepartment")), 2);

    db.dialogs.answers = {true};
    button(*window, "ButDel")->click();
    EXPECT_EQ(column(QStringLiteral("select DName from SDepartment")), QStringList{"财务部"});
    EXPECT_EQ(window->grid()->rows()->rowCount(), 1);
}

TEST_F(ReferenceWindow, ARightOfNoMakesModifyAndDeleteDoNothing)
{
    db.dm.myESQL(QStringLiteral("insert into SPlace (PName) values ('A-01')"));
    db.context.RightModify = QStringLiteral("否");
    db.context.RightDelete = QStringLiteral("否");
    auto window = open(placeMember());
    db.dialogs.answers = {true};
    button(*window, "ButMed")->click();
    EXPECT_EQ(window->state(), MaintenanceWindow::State::Browse);
    button(*window, "ButDel")->click();
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SPlace")), 1);
}

TEST_F(ReferenceWindow, PersonChecksRunInOrderWithFocusOnTheField)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment (DName) values ('财务部')"));
    auto window = open(personMember());
    button(*window, "ButNew")->click();
    const struct { const char *column, *value, *message; } steps[] = {
        {"theNum", "007", "工号 不能为空！请重新录入！"},
        {"DName", "财务部", "部门名称 不能为空！请选择 部门名称！"},
        {"PName", "王小明", "人员姓名 不能为空！请重新录入！"},
    };
    for (const auto &step : steps) {
        button(*window, "ButSave")->click();
        EXPECT_EQ(db.dialogs.lastText(), QString::fromUtf8(step.message));
        EXPECT_EQ(window->focusWidget(), window->field(QLatin1String(step.column)));
        type(*window, QLatin1String(step.column), QString::fromUtf8(step.value));
    }
    button(*window, "ButSave")->click();
    EXPECT_EQ(column(QStringLiteral("select theNum || DName || PName || thePY from SPerson")),
              QStringList{"007财务部王小明WXM"});

    button(*window, "ButNew")->click();
    type(*window, QStringLiteral("theNum"), QStringLiteral("007"));
    type(*window, QStringLiteral("DName"), QStringLiteral("财务部"));
    type(*window, QStringLiteral("PName"), QStringLiteral("李四"));
    button(*window, "ButSave")->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("工号 添加重复！"));
}

TEST_F(ReferenceWindow, PersonTitleClickSortsAscendingThenDescending)
{
    db.dm.myESQL(QStringLiteral("insert into SPerson (theNum, DName, PName) values ('2', 'B', '乙'), ('10', 'A', '甲'), ('1', 'C', '丙')"));
    auto window = open(personMember());
    DataGrid *grid = window->grid();
    auto numbers = [grid] {
        QStringList values;
        for (int row = 0; row < grid->rows()->rowCount(); ++row)
            values << grid->rows()->value(row, QStringLiteral("工号")).toString();
        return values;
    };
    EXPECT_EQ(numbers(), QStringList({"10", "2", "1"})); // ordered by department
    grid->titleClick(0);
    EXPECT_EQ(numbers(), QStringList({"1", "2", "10"}));
    EXPECT_EQ(grid->rows()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    grid->titleClick(0);
    EXPECT_EQ(numbers(), QStringList({"10", "2", "1"}));
    EXPECT_EQ(grid->rows()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    grid->titleClick(2);
    EXPECT_FALSE(grid->rows()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).isValid());
}

TEST_F(ReferenceWindow, NewStorageIsGrantedToItsCreatorAndStockedOnesStay)
{
    db.context.CurUserID = QStringLiteral("1");
    auto window = open(storageMember());
    button(*window, "ButNew")->click();
    type(*window, QStringLiteral("SName"), QStringLiteral("二号'库"));
    button(*window, "ButSave")->click();
    EXPECT_EQ(column(QStringLiteral("select UID || SName from SLW order by ID")),
              QStringList({"1物品仓库", "1二号'库"}));

    db.dm.myESQL(QStringLiteral("insert into UWare (AID, SID, WCount) values (5, 1, 0)"));
    choose(*window, QStringLiteral("仓库名称"), QStringLiteral("物品仓库"));
    db.dialogs.answers = {true, true};
    button(*window, "ButDel")->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("物品仓库 有物品库存信息，不能删除！"));

    choose(*window, QStringLiteral("仓库名称"), QStringLiteral("二号'库"));
    button(*window, "ButDel")->click();
    EXPECT_EQ(column(QStringLiteral("select SName from SStorage")), QStringList{"物品仓库"});

    window->close();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("如果您新增了仓库，请重新打开软件！"));
}

TEST_F(ReferenceWindow, Screenshot)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment (DName) values ('财务部'), ('行政部')"));
    db.dm.myESQL(QStringLiteral("insert into SPerson (theNum, DName, PName, thePhone) values ('001', '财务部', '张三', '13800000000')"));
    auto window = open(personMember());
    window->resize(1000, 600);
    window->grid()->titleClick(0);
    EXPECT_TRUE(saveScreenshot(*window, "persons"));
}

TEST_F(ReferenceWindow, SupplierWithQuotesSavesAndGetsItsInitials)
{
    auto window = open(supplierMember());
    button(*window, "ButNew")->click();
    type(*window, QStringLiteral("MName"), QStringLiteral("北京O'Hara文具"));
    type(*window, QStringLiteral("MPhone"), QStringLiteral("010-1234"));
    button(*window, "ButSave")->click();
    EXPECT_EQ(column(QStringLiteral("select MName || '|' || MPhone || '|' || thePY from UMerchant")),
              QStringList{"北京O'Hara文具|010-1234|BJOHARAWJ"});
}

TEST(Organisation, SavesTheNameOrRefusesAnEmptyOne)
{
    TestDatabase db;
    TfrmDept dialog(db.services);
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("晴川朔禾信息科技有限公司"));
    dialog.nameEdit()->clear();
    dialog.BitBtn1Click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("单位名称 不能为空！"));
    EXPECT_EQ(db.dialogs.quitRequests, 0);
    dialog.nameEdit()->setText(QStringLiteral("O'Brien 有限公司"));
    dialog.BitBtn1Click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("单位名称 保存成功，请重新登录！"));
    EXPECT_EQ(db.value(QStringLiteral("select UName from SUnit")).toString(), QStringLiteral("O'Brien 有限公司"));
    EXPECT_EQ(db.dialogs.quitRequests, 1); // the new name is read at the next start
}

} // namespace
