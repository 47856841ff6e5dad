// The person and supplier search windows: conditions, order, status line and export.
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList column(DataGrid *grid, const QString &title)
{
    QStringList values;
    for (int row = 0; row < grid->rows()->rowCount(); ++row)
        values << grid->rows()->value(row, title).toString();
    return values;
}

struct SearchWindows : ::testing::Test {
    TestDatabase db;
    SearchWindows()
    {
        db.context.OrgName = "测试单位";
        db.dm.myESQL("insert into SDepartment (DName) values ('财务部'), ('行政部')");
        db.dm.myESQL("insert into SPerson (theNum, DName, PName, thePY, thePhone) values "
                     "('3', '行政部', '王五', 'WW', '0012'), ('1', '财务部', '张三', 'ZS', ''), "
                     "('2', '行政部', '张四', 'ZS', '')");
        db.dm.myESQL("insert into UMerchant (MName, thePY, MProson) values ('北京文具', 'BJWJ', '李'), "
                     "('上海纸业', 'SHZY', '王'), ('北京100%办公', 'BJ100%BG', '王')");
    }
};

TEST_F(SearchWindows, PersonSearchFiltersByDepartmentAndNameOrInitials)
{
    TfrmP_Q window(db.services);
    auto *excel = window.findChild<QPushButton *>("BitBtn2");
    EXPECT_FALSE(excel->isEnabled());
    window.BitBtn1Click();
    EXPECT_TRUE(excel->isEnabled());
    QStringList byDepartment;
    QSqlQuery ordered = db.dm.select("select DName from SPerson order by DName");
    while (ordered.next())
        byDepartment << ordered.value(0).toString();
    EXPECT_EQ(column(window.grid(), "部门名称"), byDepartment);
    EXPECT_EQ(window.statusLine()->text(), "人员数量：3");

    window.name()->setText("zs");
    window.BitBtn1Click();
    QStringList found = column(window.grid(), "人员姓名");
    found.sort();
    EXPECT_EQ(found, QStringList({"张三", "张四"}));
    window.department()->setKeyValue("行政部");
    window.BitBtn1Click();
    EXPECT_EQ(column(window.grid(), "人员姓名"), QStringList{"张四"});
}

TEST_F(SearchWindows, SupplierSearchMatchesNameOrInitialsAndContact)
{
    TfrmM_Q window(db.services);
    window.name()->setText("BJ");
    window.BitBtn1Click();
    EXPECT_EQ(column(window.grid(), "商家名称"), QStringList({"北京100%办公", "北京文具"}));
    window.contact()->setText("王");
    window.BitBtn1Click();
    EXPECT_EQ(column(window.grid(), "商家名称"), QStringList{"北京100%办公"});
    EXPECT_EQ(window.statusLine()->text(), "供应商数量：1");
    window.name()->setText("'");
    window.BitBtn1Click(); // a quote is data, not SQL
    EXPECT_EQ(window.statusLine()->text(), "供应商数量：0");
}

TEST_F(SearchWindows, ExportNeedsTheRightAndHandsTheFileToTheDesktop)
{
    TfrmP_Q window(db.services);
    window.BitBtn1Click();
    db.context.RightExport = "否";
    window.BitBtn2Click();
    EXPECT_TRUE(db.dialogs.openedUrls.isEmpty());
    EXPECT_TRUE(db.dialogs.messages.isEmpty());

    db.context.RightExport = "是";
    window.BitBtn2Click();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    const QString file = db.dialogs.openedUrls.first().toLocalFile();
    EXPECT_TRUE(file.endsWith(".xlsx"));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(QFileInfo(file).fileName().contains("人员信息"));
}

} // namespace

namespace {

TEST_F(SearchWindows, Screenshots)
{
    TfrmP_Q persons(db.services);
    persons.resize(1000, 500);
    persons.show();
    persons.BitBtn1Click();
    EXPECT_TRUE(saveScreenshot(persons, "person_query"));
    TfrmM_Q suppliers(db.services);
    suppliers.resize(1000, 500);
    suppliers.show();
    suppliers.BitBtn1Click();
    EXPECT_TRUE(saveScreenshot(suppliers, "supplier_query"));
}

} // namespace
