// Item labels rendered to PDF and read back by outside readers: pdftoppm rasterises the
// pages at 300 dpi and zbarimg decodes the Code 39 and QR symbols.
#include "labels/ItemLabels.h"
#include "support/TestDatabase.h"
#include "store/Transaction.h"

#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

struct ItemLabels : ::testing::Test {
    TestDatabase db;
    QString pdf = db.folder.filePath("labels.pdf");

    void addItems(int count, const QString &prefix = QStringLiteral("26031500"))
    {
        Transaction transaction(db.dm.database());
        for (int i = 1; i <= count; ++i)
            addItem(prefix + QString::number(i).rightJustified(2, '0'), QStringLiteral("物品%1").arg(i));
        transaction.commit();
    }
    void addItem(const QString &code, const QString &name, const QString &type = QStringLiteral("五金"))
    {
        db.dm.myESQL("insert into UArticle (theNum, AName, AType, AUnit, AStandard, APrice) values (?, ?, ?, '个', 'M6', 1234.5)",
                     {code, name, type});
    }
    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // Rasterises every page at 300 dpi; the page images, first page first.
    QStringList pages(const QString &name)
    {
        const QString prefix = db.folder.filePath(name);
        run("pdftoppm", {"-r", "300", "-png", pdf, prefix});
        QStringList files = QDir(db.folder.path()).entryList({name + "-*.png"}, QDir::Files, QDir::Name);
        for (QString &file : files)
            file = db.folder.filePath(file);
        const QString shots = qEnvironmentVariable("ARTICLE_SCREENSHOT_DIR");
        if (!shots.isEmpty() && !files.isEmpty()) {
            QDir().mkpath(shots);
            QFile::remove(shots + "/" + name + ".png");
            QFile::copy(files.first(), shots + "/" + name + ".png");
        }
        return files;
    }
    static QStringList codes(const QString &page)
    {
        QStringList found = run("zbarimg", {"--quiet", "--nodbus", page}).split('\n', Qt::SkipEmptyParts);
        found.sort();
        return found;
    }
    QString pageSize() { return run("pdfinfo", {pdf}).section("Page size:", 1).section('\n', 0, 0).simplified(); }
};

TEST_F(ItemLabels, ThreeItemsMakeThreeSmallPagesWithTheirCodesInOrder)
{
    addItem("2603150003", "扳手", "工具");
    addItem("2603150001", "订书机", "办公");
    addItem("2603150002", "回形针", "办公");
    {
        QPdfWriter writer(pdf);
        EXPECT_TRUE(renderBarcodeLabels(db.dm, {}, LabelSheet::Small, writer).isEmpty());
    }
    const QStringList files = pages("label-tm");
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(pageSize(), "170 x 85 pts");
    // The table's order, not the query's; no check character.
    EXPECT_EQ(codes(files[0]), QStringList{"CODE-39:2603150003"});
    EXPECT_EQ(codes(files[1]), QStringList{"CODE-39:2603150001"});
    EXPECT_EQ(codes(files[2]), QStringList{"CODE-39:2603150002"});
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("名称：扳手"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("单价：1,234.50"))) << text.toStdString();
}

TEST_F(ItemLabels, ThirtyOneItemsFillTwoA4Pages)
{
    addItems(31);
    {
        QPdfWriter writer(pdf);
        renderBarcodeLabels(db.dm, {" AND (AType=?)", {QStringLiteral("五金")}}, LabelSheet::A4, writer);
    }
    const QStringList files = pages("label-tma4");
    ASSERT_EQ(files.size(), 2);
    QStringList expected;
    for (int i = 1; i <= 30; ++i)
        expected << "CODE-39:26031500" + QString::number(i).rightJustified(2, '0');
    EXPECT_EQ(codes(files[0]), expected);
    EXPECT_EQ(codes(files[1]), QStringList{"CODE-39:2603150031"});
}

TEST_F(ItemLabels, ACodeCode39CannotHoldNamesTheItemAndPrintsNoSymbol)
{
    addItem("ab-1", "小写", "五金");
    addItem("编码1", "中文", "五金");
    addItem("AB-1", "大写", "五金");
    {
        QPdfWriter writer(pdf);
        EXPECT_EQ(renderBarcodeLabels(db.dm, {}, LabelSheet::Small, writer), (QStringList{"小写", "中文"}));
    }
    const QStringList files = pages("label-refused");
    ASSERT_EQ(files.size(), 3);
    EXPECT_TRUE(codes(files[0]).isEmpty());
    EXPECT_TRUE(codes(files[1]).isEmpty());
    EXPECT_EQ(codes(files[2]), QStringList{"CODE-39:AB-1"});

    ArticleCondition everything;
    db.dialogs.onPreview = [](const std::function<void(QPrinter *)> &) {};
    PrintWPTM(db.services, nullptr, everything);
    EXPECT_TRUE(db.dialogs.texts().join('\n').contains(QStringLiteral("小写\n中文"))) << db.dialogs.lastText().toStdString();
    EXPECT_EQ(db.dialogs.previews, 1);
}

QString decodeQrPage(const QString &page)
{
    QProcess zbar;
    zbar.start("zbarimg", {"--quiet", "--raw", "--nodbus", "-Sbinary", "-Sqrcode.enable", page});
    zbar.waitForFinished(60000);
    QByteArray bytes = zbar.readAllStandardOutput();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    return QStringDecoder("GBK").decode(bytes);
}

TEST_F(ItemLabels, QrLabelHoldsTheSixLinesInGbk)
{
    const QrLabelValues item{"2603150001", "五金配件", "不锈钢内六角螺钉", "M6×20", "盒", "1234.5"};
    {
        QPdfWriter writer(pdf);
        EXPECT_EQ(renderQrLabel(db.context.AppDir, item, writer), QString());
    }
    EXPECT_TRUE(QFile::exists(db.context.AppDir + "Image/2603150001.bmp"));
    EXPECT_EQ(QImage(db.context.AppDir + "Image/2603150001.bmp").size(), QSize(65, 65));
    const QStringList files = pages("label-qr");
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(pageSize(), "255 x 99 pts");
    EXPECT_EQ(decodeQrPage(files[0]), qrText(item));
    EXPECT_EQ(qrText(item), QStringLiteral("编码：2603150001\r\n分类：五金配件\r\n名称：不锈钢内六角螺钉\r\n"
                                           "规格：M6×20\r\n单位：盒\r\n单价：1234.5"));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("单价：1234.5"))) << text.toStdString();
}

TEST_F(ItemLabels, ALongQrTextTakesALargerVersionInTheSameArea)
{
    const QrLabelValues item{"2603150001", "五金配件", QString(60, QChar(0x87BA)), "M6×20 不锈钢 加长型", "盒", "12.5"};
    {
        QPdfWriter writer(pdf);
        EXPECT_EQ(renderQrLabel(db.context.AppDir, item, writer), QString());
    }
    const QImage symbol(db.context.AppDir + "Image/2603150001.bmp");
    EXPECT_GT(symbol.width(), 65);
    const QStringList files = pages("label-qr-long");
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(decodeQrPage(files[0]), qrText(item));
}

TEST_F(ItemLabels, QrPictureNamesStayInTheImageFolder)
{
    const QString image = db.context.AppDir + "Image/";
    EXPECT_EQ(qrPictureFile(db.context.AppDir, "A-1"), image + "A-1.bmp");
    EXPECT_EQ(qrPictureFile(db.context.AppDir, ""), image + ".bmp");
    for (const char *code : {"../../etc/x", "..\\evil", "/abs/path"}) {
        const QFileInfo file(qrPictureFile(db.context.AppDir, code));
        EXPECT_EQ(file.absolutePath() + "/", QFileInfo(image).absoluteFilePath()) << code;
    }
    EXPECT_EQ(my2wm("编码：../x", qrPictureFile(db.context.AppDir, "../x")), QString());
    EXPECT_TRUE(QFile::exists(image + ".._x.bmp"));
}

} // namespace
