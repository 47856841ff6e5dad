// Data clearing, the background picture and the About box.
#include "admin/DataClearing.h"
#include "admin/TfrmAbout.h"
#include "admin/TfrmBImage.h"
#include "admin/TfrmClean.h"
#include "store/DatabaseError.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// One row in every table, so that a clearing shows which tables it emptied.
void fillEveryTable(TestDatabase &db)
{
    Transaction transaction(db.dm.database());
    for (const TableDef &table : databaseTables())
        db.dm.myESQL(QStringLiteral("insert into %1 default values").arg(QLatin1String(table.name)));
    transaction.commit();
}

QStringList emptyTables(TestDatabase &db)
{
    QStringList empty;
    for (const TableDef &table : databaseTables()) {
        const QString name = QLatin1String(table.name);
        if (db.value(QStringLiteral("select count(*) from ") + name).toInt() == 0)
            empty << name;
    }
    return empty;
}

TEST(DataClearing, EachGroupEmptiesExactlyItsTablesAndTheProgramEnds)
{
    for (const ClearingGroup &group : clearingGroups()) {
        SCOPED_TRACE(group.name.toStdString());
        TestDatabase db;
        fillEveryTable(db);
        TfrmClean dialog(db.services);
        dialog.groupBox(group.name)->setChecked(true);
        db.dialogs.answers = {true};
        dialog.findChild<QPushButton *>(QStringLiteral("clearButton"))->click();
        QStringList expected = group.tables;
        expected.sort();
        QStringList emptied = emptyTables(db);
        emptied.sort();
        EXPECT_EQ(emptied, expected);
        EXPECT_EQ(db.dialogs.texts(), QStringList({"您正在清空 全部 " + group.name + " 数据，请谨慎操作！",
                                                   "确认要清空吗？该清空将不可恢复！", "数据清空成功，请重新打开软件！"}));
        EXPECT_EQ(db.dialogs.messages[1].caption, QStringLiteral("清空"));
        EXPECT_TRUE(db.dialogs.messages[1].defaultNo);
        EXPECT_EQ(db.dialogs.quitRequests, 1);
    }
}

TEST(DataClearing, WalksTheTickedGroupsInItsOrderAndNoKeepsAGroup)
{
    TestDatabase db;
    fillEveryTable(db);
    TfrmClean dialog(db.services);
    dialog.show();
    for (const char *name : {"人员", "采购单", "库存"})
        dialog.groupBox(QString::fromUtf8(name))->setChecked(true);
    saveScreenshot(dialog, QStringLiteral("frmClean"));
    db.dialogs.answers = {true, false, true}; // 采购单, 库存, 人员
    dialog.clear();
    const QStringList texts = db.dialogs.texts();
    EXPECT_EQ(texts.filter("您正在清空"), QStringList({"您正在清空 全部 采购单 数据，请谨慎操作！",
                                                  "您正在清空 全部 库存 数据，请谨慎操作！",
                                                  "您正在清空 全部 人员 数据，请谨慎操作！"}));
    EXPECT_EQ(emptyTables(db), QStringList({"SDepartment", "SPerson", "UIn_CG", "UIn_CG_Bill"}));
    EXPECT_EQ(db.dialogs.quitRequests, 1);
}

TEST(DataClearing, NothingTickedOnlyReportsAndEnds)
{
    TestDatabase db;
    TfrmClean dialog(db.services);
    dialog.clear();
    EXPECT_EQ(db.dialogs.texts(), QStringList{"数据清空成功，请重新打开软件！"});
    EXPECT_EQ(db.dialogs.quitRequests, 1);
}

TEST(DataClearing, AFailureInAGroupKeepsItsHeadersAndLinesTogether)
{
    TestDatabase db;
    fillEveryTable(db);
    db.dm.myESQL(QStringLiteral("create trigger keep_lines before delete on UIn_CG_Bill "
                                "begin select raise(abort, 'forced'); end"));
    const ClearingGroup &purchases = clearingGroups()[1];
    ASSERT_EQ(purchases.name, QStringLiteral("采购单"));
    EXPECT_THROW(clearGroup(db.dm, purchases), DatabaseError);
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from UIn_CG")).toInt(), 1);
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from UIn_CG_Bill")).toInt(), 1);
}

struct Background : ::testing::Test {
    TestDatabase db;
    TfrmBImage dialog{db.services};
    QString target = db.context.AppDir + QStringLiteral("bj.jpg");

    Background() { dialog.show(); }
    void click(const char *name) { dialog.findChild<QPushButton *>(QLatin1String(name))->click(); }
    QString picture(const QString &name, const QColor &colour)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = db.folder.filePath(name);
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }
};

TEST_F(Background, SavesAPictureAsBjJpgAndClearsIt)
{
    saveScreenshot(dialog, QStringLiteral("frmBImage"));
    click("saveButton"); // empty field: nothing happens
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
    EXPECT_TRUE(dialog.isVisible());

    db.dialogs.fileNames = {picture(QStringLiteral("O'Neil 背景.jpg"), Qt::red)};
    click("openButton");
    click("saveButton");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("背景图保存成功！请退出软件后重新登录！"));
    EXPECT_EQ(QImage(target).size(), QSize(40, 30));
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    db.dialogs.answers = {false};
    click("clearButton");
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(db.dialogs.messages.last().defaultNo);
    EXPECT_EQ(db.dialogs.messages.last().text, QStringLiteral("确认要清除背景图吗？该清除将不可恢复！"));
    db.dialogs.answers = {true};
    click("clearButton");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("背景图清除成功！请退出软件后重新登录！"));
}

TEST_F(Background, RefusesAFileThatIsNotAPictureAndKeepsTheOldOne)
{
    const QString old = picture(QStringLiteral("old.jpg"), Qt::blue);
    QFile::copy(old, target);
    const QString text = db.folder.filePath(QStringLiteral("notes.jpg"));
    QFile file(text);
    file.open(QIODevice::WriteOnly);
    file.write("not a picture");
    file.close();
    dialog.pathEdit()->setText(text);
    click("saveButton");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("所选文件不是图片，请重新选择！"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QImage(target).pixelColor(5, 5).blue() > 200, true);

    // A copy that cannot be written is reported, not announced as saved.
    QString failure;
    EXPECT_FALSE(copyBackground(old, db.folder.filePath(QStringLiteral("missing/bj.jpg")), failure));
    EXPECT_EQ(failure, QStringLiteral("背景图保存失败！"));
    EXPECT_EQ(QDir(db.context.AppDir).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden), QStringList());
}

TEST(About, ShowsVersionAndEditionAndOpensTheHomePageThroughTheSeam)
{
    TestDatabase db;
    db.context.AppVersion = QStringLiteral("5.9.0.6");
    db.context.Edition = QStringLiteral("单机版");
    TfrmAbout about(db.services);
    about.show();
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(), QStringLiteral("5.9.0.6 单机版"));
    auto *link = about.findChild<QLabel *>(QStringLiteral("homePageLink"));
    Q_EMIT link->linkActivated(kMakerHomePage);
    EXPECT_EQ(db.dialogs.openedUrls, QList<QUrl>{QUrl(kMakerHomePage)});
    saveScreenshot(about, QStringLiteral("frmAbout"));
}

} // namespace
