// The item rules and the dialogs other windows open on one item.
#include "ui/ArticleForm.h"
#include "store/ArticleRules.h"
#include "master/TfrmA_M.h"
#include "master/TfrmA_YJ.h"
#include "master/TfrmAPY.h"
#include "master/ArticleFixture.h"
#include "store/ArticleCode.h"
#include "support/Screenshots.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ArticleDialogs : ::testing::Test {
    TestDatabase db;

    template <typename Dialog>
    static void click(Dialog &dialog, const char *button)
    {
        dialog.template findChild<QPushButton *>(QLatin1String(button))->click();
    }
    template <typename Dialog>
    static QLineEdit *edit(Dialog &dialog, const char *name)
    {
        return dialog.template findChild<QLineEdit *>(QLatin1String(name));
    }
    QString text(const QString &statement, const QVariantList &values = {})
    {
        return db.value(statement, values).toString();
    }
};

TEST_F(ArticleDialogs, NewCodesAreConsecutiveAndSkipCodesInUse)
{
    const QString first = newArticleCode(db.dm);
    EXPECT_EQ(first, QStringLiteral("2603150001"));
    addArticle(db, {first, QStringLiteral("订书机")});
    const QString second = newArticleCode(db.dm);
    EXPECT_EQ(second, QStringLiteral("2603150002"));
    const int secondId = addArticle(db, {second, QStringLiteral("回形针")});
    addArticle(db, {newArticleCode(db.dm), QStringLiteral("胶水")});

    // After a delete the day's count gives 0003 again, which the third item holds.
    db.dm.myESQL(QStringLiteral("delete from UArticle where ID=?"), {secondId});
    EXPECT_EQ(newArticleCode(db.dm), QStringLiteral("2603150004"));
}

TEST_F(ArticleDialogs, ItemDialogShowsAndSavesEveryField)
{
    db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('办公用品'), ('五金')"));
    db.dm.myESQL(QStringLiteral("insert into SPlace (PName) values ('A-01'), ('B-02')"));
    const int id = addArticle(db, {QStringLiteral("2603150001"), QStringLiteral("订书机"),
                                   QStringLiteral("办公用品"), QStringLiteral("12.5"), QStringLiteral("A-01")});
    TfrmA_M dialog(db.services, id);
    EXPECT_EQ(edit(dialog, "Edit1")->text(), QStringLiteral("2603150001"));
    EXPECT_EQ(edit(dialog, "Edit5")->text(), QStringLiteral("12.5"));
    auto *category = dialog.findChild<LookupComboBox *>(QStringLiteral("DBLookupComboBox1"));
    EXPECT_EQ(category->currentText(), QStringLiteral("办公用品"));
    saveScreenshot(dialog, QStringLiteral("frmA_M"));

    edit(dialog, "Edit1")->setText(QStringLiteral("2603159999"));
    edit(dialog, "Edit2")->setText(QStringLiteral("大号订书机"));
    edit(dialog, "Edit5")->setText(QStringLiteral("20"));
    category->setKeyValue(QStringLiteral("五金"));
    click(dialog, "BitBtn1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(db.dialogs.messages.isEmpty()) << db.dialogs.lastText().toStdString();
    QSqlQuery row = db.dm.select(QStringLiteral("select theNum, AName, APrice, AType, thePY, PName from UArticle where ID=?"), {id});
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), QStringLiteral("2603159999"));
    EXPECT_EQ(row.value(1).toString(), QStringLiteral("大号订书机"));
    EXPECT_EQ(row.value(2).toDouble(), 20.0);
    EXPECT_EQ(row.value(3).toString(), QStringLiteral("五金"));
    EXPECT_EQ(row.value(4).toString(), QStringLiteral("DHDSJ"));
    EXPECT_EQ(row.value(5).toString(), QStringLiteral("A-01"));
}

TEST_F(ArticleDialogs, ItemDialogChecksInOrderAndRefusesACodeInUse)
{
    addArticle(db, {QStringLiteral("2603150001"), QStringLiteral("订书机")});
    const int id = addArticle(db, {QStringLiteral("2603150002"), QStringLiteral("回形针")});
    const struct {
        const char *field;
        QString typed;
        QString message;
        const char *focus;
    } cases[] = {
        {"Edit1", QString(), QStringLiteral("物品编码 不能为空！"), "Edit1"},
        {"Edit2", QStringLiteral("  "), QStringLiteral("物品名称 不能为空！"), "Edit2"},
        {"Edit4", QString(), QStringLiteral("单位 不能为空！"), "Edit4"},
        {"Edit5", QString(), QStringLiteral("单价 不能为空！"), "Edit5"},
        {"Edit5", QStringLiteral("."), QStringLiteral("单价 不是有效的数字！"), "Edit5"},
        {"Edit1", QStringLiteral("2603150001"), QStringLiteral("物品编码 添加重复！"), "Edit1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TfrmA_M dialog(db.services, id);
        dialog.show();
        dialog.activateWindow();
        edit(dialog, c.field)->setText(c.typed);
        db.dialogs.clear();
        click(dialog, "BitBtn1");
        EXPECT_EQ(db.dialogs.lastText(), c.message);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), edit(dialog, c.focus));
    }
    EXPECT_EQ(text(QStringLiteral("select theNum from UArticle where ID=?"), {id}), QStringLiteral("2603150002"));

    // Keeping its own code is no duplicate.
    TfrmA_M dialog(db.services, id);
    click(dialog, "BitBtn1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ArticleDialogs, PriceBoxTakesOnlyANumber)
{
    const int id = addArticle(db, {QStringLiteral("2603150001"), QStringLiteral("订书机")});
    TfrmA_M dialog(db.services, id);
    QLineEdit *price = edit(dialog, "Edit5");
    price->clear();
    QTest::keyClicks(price, QStringLiteral("1a2.5.0'"));
    EXPECT_EQ(price->text(), QStringLiteral("12.50"));
}

TEST_F(ArticleDialogs, WarningLimitsAreStoredWithTheirMessage)
{
    const int id = addArticle(db, {QStringLiteral("2603150001"), QStringLiteral("订书机")});
    TfrmA_YJ dialog(db.services, id);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("2603150001 订书机 预警设置"));
    EXPECT_EQ(dialog.minimum()->text(), QStringLiteral("9"));
    EXPECT_EQ(dialog.maximum()->text(), QStringLiteral("99"));
    EXPECT_FALSE(dialog.enabled()->isChecked());
    saveScreenshot(dialog, QStringLiteral("frmA_YJ"));

    dialog.minimum()->clear();
    dialog.maximum()->setText(QStringLiteral("250"));
    dialog.enabled()->setChecked(true);
    click(dialog, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("2603150001 订书机 预警设置 保存成功！"));
    QSqlQuery row = db.dm.select(QStringLiteral("select YJMin, YJMax, theYJ, AName from UArticle where ID=?"), {id});
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toInt(), 0);
    EXPECT_EQ(row.value(1).toInt(), 250);
    EXPECT_EQ(row.value(2).toString(), QStringLiteral("是"));
    EXPECT_EQ(row.value(3).toString(), QStringLiteral("订书机"));

    QTest::keyClicks(dialog.minimum(), QStringLiteral("12a345"));
    EXPECT_EQ(dialog.minimum()->text(), QStringLiteral("1234"));
}

TEST_F(ArticleDialogs, PinyinCodeIsStoredAsTypedAndReplacedAtTheNextSave)
{
    const int id = addArticle(db, {QStringLiteral("2603150001"), QStringLiteral("订书机")});
    {
        TfrmAPY dialog(db.services, id);
        EXPECT_EQ(dialog.pinyin()->text(), QStringLiteral("PY"));
        saveScreenshot(dialog, QStringLiteral("frmAPY"));
        dialog.pinyin()->clear();
        click(dialog, "BitBtn1");
        EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("拼音码 不能为空！"));
        dialog.pinyin()->setText(QStringLiteral("dingshuji's"));
        click(dialog, "BitBtn1");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(text(QStringLiteral("select thePY from UArticle where ID=?"), {id}), QStringLiteral("dingshuji's"));
    TfrmA_M item(db.services, id);
    click(item, "BitBtn1");
    EXPECT_EQ(text(QStringLiteral("select thePY from UArticle where ID=?"), {id}), QStringLiteral("DSJ"));
}

TEST_F(ArticleDialogs, DeleteIsRefusedForStockAndForHistory)
{
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('一号库'), ('二号库')"));
    const int stocked = addArticle(db, {QStringLiteral("1"), QStringLiteral("有库存")});
    addStock(db, stocked, 1, 5);
    addStock(db, stocked, 2, 0);
    const int booked = addArticle(db, {QStringLiteral("2"), QStringLiteral("有单据")});
    db.dm.myESQL(QStringLiteral("insert into UOut_LY_Bill (theNum, AID, theCount, myID, theDel) values ('x', ?, 1, 1, 1)"),
                 {booked});
    const int ledgered = addArticle(db, {QStringLiteral("3"), QStringLiteral("有流水")});
    db.dm.myESQL(QStringLiteral("insert into UWList (theType, AID, SID, theIn, theOut) values ('物品导入', ?, 1, 1, 0)"),
                 {ledgered});
    const int free = addArticle(db, {QStringLiteral("4"), QStringLiteral("可删除")});
    addStock(db, free, 1, 0);

    EXPECT_EQ(articleDeleteRefusal(db.dm, stocked, QStringLiteral("有库存")), QStringLiteral("有库存 有库存，不能删除！"));
    EXPECT_EQ(articleDeleteRefusal(db.dm, booked, QStringLiteral("有单据")), QStringLiteral("有单据 已有出入库记录，不能删除！"));
    EXPECT_EQ(articleDeleteRefusal(db.dm, ledgered, QStringLiteral("有流水")), QStringLiteral("有流水 已有出入库记录，不能删除！"));
    EXPECT_EQ(articleDeleteRefusal(db.dm, free, QStringLiteral("可删除")), QString());

    const BatchDeleteResult result = deleteArticles(
        db.dm, {{stocked, QStringLiteral("有库存")}, {booked, QStringLiteral("有单据")},
                {ledgered, QStringLiteral("有流水")}, {free, QStringLiteral("可删除")}});
    EXPECT_EQ(result.deleted, 1);
    EXPECT_EQ(batchDeleteMessage(result),
              QStringLiteral("已删除 1 个物品，3 个物品未删除：\n有库存 有库存，不能删除！\n"
                             "有单据 已有出入库记录，不能删除！\n有流水 已有出入库记录，不能删除！"));
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from UArticle")).toInt(), 3);
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from UWare where AID=?"), {free}).toInt(), 0);
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from UWare where AID=?"), {stocked}).toInt(), 2);
}

} // namespace
