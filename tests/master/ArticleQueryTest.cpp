// The item query: filters, order, deletes, the pop-up and the export.
#include "master/ArticleFilter.h"
#include "master/ArticleFixture.h"
#include "master/TfrmArticle_Q.h"
#include "support/Screenshots.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ArticleQuery : ::testing::Test {
    TestDatabase db;
    std::unique_ptr<TfrmArticle_Q> query;

    ArticleQuery()
    {
        db.dm.myESQL("insert into UAType (theName) values ('工具'), ('办公用品')");
        db.dm.myESQL("insert into SPlace (PName) values ('A-01'), ('B-02')");
        addArticle(db, {"3", "扳手", "工具", "20", "A-01"});
        addArticle(db, {"1", "订书机", "办公用品", "12.5", "B-02"});
        addArticle(db, {"2", "O'Brien 钉", "工具", "1", "A-01"});
        addArticle(db, {"4", "100%纸", "办公用品", "3", "A-01"});
        addArticle(db, {"5", "a_b 夹", "办公用品", "3", ""});
        query = std::make_unique<TfrmArticle_Q>(db.services);
    }
    TfrmArticle_Q &window() { return *query; }
    QLineEdit *edit(const char *name) { return window().findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *button(const char *name) { return window().findChild<QPushButton *>(QLatin1String(name)); }
    LookupComboBox *list(const char *name) { return window().findChild<LookupComboBox *>(QLatin1String(name)); }
    QStringList names()
    {
        QStringList result;
        for (int row = 0; row < window().grid()->rows()->rowCount(); ++row)
            result << window().grid()->rows()->value(row, "物品名称").toString();
        return result;
    }
    void search() { button("BitBtn1")->click(); }
    void trigger(const char *name) { window().popupMenu()->findChild<QAction *>(QLatin1String(name))->trigger(); }
    void choose(const QString &name)
    {
        RowsModel *rows = window().grid()->rows();
        for (int row = 0; row < rows->rowCount(); ++row) {
            if (rows->value(row, "物品名称").toString() == name)
                window().grid()->setCurrentIndex(rows->index(row, 0));
        }
    }
};

TEST_F(ArticleQuery, EmptyFiltersListEveryItemByCategoryAndName)
{
    for (const char *name : {"BitBtn2", "BitBtn4", "BitBtn5", "BitBtn6"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_NE(window().grid()->contextMenuPolicy(), Qt::CustomContextMenu);
    search();
    EXPECT_EQ(names(), (QStringList{"100%纸", "a_b 夹", "订书机", "O'Brien 钉", "扳手"}));
    EXPECT_EQ(window().statusLine()->text(), QStringLiteral("物品数量：5"));
    for (const char *name : {"BitBtn2", "BitBtn4", "BitBtn5", "BitBtn6"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_EQ(window().grid()->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_TRUE(window().grid()->isColumnHidden(window().grid()->rows()->column("ID")));
    window().resize(1100, 600);
    saveScreenshot(window(), "frmArticle_Q");
}

TEST_F(ArticleQuery, FiltersBindTheirValuesAndKeepTheWildcards)
{
    const struct {
        const char *field;
        QString text;
        QStringList expected;
    } cases[] = {
        {"Edit1", "O'Brien", {"O'Brien 钉"}},
        {"Edit1", "%", {"100%纸", "a_b 夹", "订书机", "O'Brien 钉", "扳手"}},
        {"Edit1", "_", {"100%纸", "a_b 夹", "订书机", "O'Brien 钉", "扳手"}},
        {"Edit1", "PY", {"100%纸", "a_b 夹", "订书机", "O'Brien 钉", "扳手"}},
        {"Edit1", "0%纸", {"100%纸"}},
        {"Edit4", "1", {"订书机"}},
        {"Edit2", "A4", {"100%纸", "a_b 夹", "订书机", "O'Brien 钉", "扳手"}},
        {"Edit3", "x", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            edit(name)->clear();
        edit(c.field)->setText(c.text);
        QMetaObject::invokeMethod(edit(c.field), "returnPressed");
        EXPECT_EQ(names(), c.expected);
    }
    for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
        edit(name)->clear();
    list("DBLookupComboBox2")->setKeyValue("A-01");
    search();
    EXPECT_EQ(names(), (QStringList{"100%纸", "O'Brien 钉", "扳手"}));
    list("DBLookupComboBox1")->setKeyValue("工具");
    search();
    EXPECT_EQ(names(), (QStringList{"O'Brien 钉", "扳手"}));
    EXPECT_EQ(window().lastCondition().clauses, " AND (AType=?) AND (PName=?)");
}

TEST_F(ArticleQuery, DeleteAndDeleteAllRefuseStockAndHistory)
{
    db.dm.myESQL("insert into SStorage (SName) values ('一号库')");
    addStock(db, db.value("select ID from UArticle where AName='扳手'").toInt(), 1, 2);
    db.dm.myESQL("insert into UWList (theType, AID, SID, theIn, theOut) values ('物品导入', "
                 "(select ID from UArticle where AName='订书机'), 1, 1, 0)");
    const int free = db.value("select ID from UArticle where theNum='4'").toInt();
    addStock(db, free, 1, 0);
    search();

    choose("扳手");
    trigger("D1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("扳手 有库存，不能删除！"));
    choose("100%纸");
    db.dialogs.answers << true;
    trigger("D1");
    EXPECT_EQ(names(), (QStringList{"a_b 夹", "订书机", "O'Brien 钉", "扳手"}));
    EXPECT_EQ(db.value("select count(*) from UWare where AID=?", {free}).toInt(), 0);

    list("DBLookupComboBox1")->setKeyValue("办公用品");
    search();
    db.dialogs.answers << true;
    trigger("Q1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("已删除 1 个物品，1 个物品未删除：\n订书机 已有出入库记录，不能删除！"));
    EXPECT_EQ(names(), QStringList{"订书机"});
    EXPECT_EQ(db.value("select count(*) from UArticle").toInt(), 3);
}

TEST_F(ArticleQuery, PopupCopiesTheCodeAndTellsOfAMissingFile)
{
    search();
    QStringList captions;
    for (QAction *action : window().popupMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"复制物品编码 &C", "-", "修改 &M", "修改拼音码 &P", "-", "附件管理 &A", "-",
                                     "预警设置 &Y", "-", "图片管理 &I", "查看图片 &V", "图片列表 &L", "-",
                                     "文件下载 &F", "-", "删除 &D", "全部删除 &Q"}));
    choose("订书机");
    trigger("C1");
    EXPECT_EQ(QApplication::clipboard()->text(), "1");
    trigger("F1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("1 订书机 没有上传文件！"));
}

TEST_F(ArticleQuery, ExportWritesTheTitledItemSheet)
{
    search();
    button("BitBtn2")->click();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    QProcess reader;
    reader.start("/usr/bin/python3",
                 {"-c",
                  "import sys, openpyxl\n"
                  "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                  "print('|'.join(str(c.value) for c in ws[2]))\n"
                  "print('|'.join(str(c.value) for c in ws[3]))\n"
                  "print(ws.page_setup.orientation, ws.column_dimensions['D'].width)\n",
                  db.dialogs.openedUrls.first().toLocalFile()});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 3) << reader.readAllStandardError().toStdString();
    EXPECT_EQ(lines[0], "序号|物品编码|物品分类|物品名称|规格型号|单位|单价|备注|货位名称");
    EXPECT_EQ(lines[1], "1|4|办公用品|100%纸|A4|包|3|None|A-01");
    EXPECT_TRUE(lines[2].startsWith("landscape 30")) << lines[2].toStdString();
}

} // namespace

namespace {

TEST_F(ArticleQuery, LabelButtonsPrintTheSearchAndTheCurrentItem)
{
    list("DBLookupComboBox1")->setKeyValue("工具");
    search();
    int labelPages = 0;
    db.dialogs.onPreview = [&](const std::function<void(QPrinter *)> &paint) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(db.folder.filePath("preview.pdf"));
        paint(&printer);
        ++labelPages;
    };
    button("BitBtn4")->click();
    button("BitBtn5")->click();
    choose("扳手");
    button("BitBtn6")->click();
    EXPECT_EQ(db.dialogs.previews, 3);
    EXPECT_EQ(labelPages, 3);
    EXPECT_TRUE(QFile::exists(db.context.AppDir + "Image/3.bmp"));
    EXPECT_TRUE(db.dialogs.messages.isEmpty()) << db.dialogs.lastText().toStdString();
}

} // namespace
