// Pictures, accessories and attached files of items: the file rules and their dialogs.
#include "pictures/Accessories.h"
#include "pictures/ItemActions.h"
#include "pictures/ItemFiles.h"
#include "pictures/PictureListModel.h"
#include "pictures/TfrmA_FJ.h"
#include "pictures/TfrmPic_List.h"
#include "pictures/TfrmPic_M.h"
#include "pictures/TfrmWJ_Do.h"
#include "pictures/TfrmWJ_Up.h"
#include "store/DatabaseError.h"
#include "store/Transaction.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

struct ItemFiles : ::testing::Test {
    TestDatabase db;
    QString source; // a folder for the user's files

    ItemFiles()
    {
        db.context.ImageDir = db.folder.path() + QStringLiteral("/Image");
        source = db.folder.path() + QStringLiteral("/home/");
        QDir().mkpath(source);
    }
    int addItem(const QString &name)
    {
        return db.dm.insertRow(QStringLiteral("insert into UArticle (theNum, AName, FJCount) values (?, ?, 0)"),
                               {QStringLiteral("C-") + name, name});
    }
    QString writeJpeg(const QString &name, QSize size, QColor colour = Qt::darkCyan)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = source + name;
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(source + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QSize sizeOf(const QString &path) { return QImageReader(path).size(); }
    QStringList filesOf(int id)
    {
        return QDir(db.folder.path() + QStringLiteral("/Files")).entryList({QString::number(id) + ".*"}, QDir::Files);
    }
    int fjCount(int id) { return db.value(QStringLiteral("select FJCount from UArticle where ID=?"), {id}).toInt(); }
    template <typename Dialog>
    static void click(Dialog &dialog, const char *name)
    {
        dialog.template findChild<QPushButton *>(QLatin1String(name))->click();
    }
};

TEST_F(ItemFiles, UploadMakesTheThumbnailAndCompressHalvesThePicture)
{
    const QString picture = itemPicture(db.services, 7);
    ASSERT_FALSE(QDir(db.context.ImageDir).exists());
    EXPECT_EQ(uploadPicture(writeJpeg("big.jpg", {800, 600}), picture), QString());
    EXPECT_EQ(sizeOf(picture), QSize(800, 600));
    EXPECT_EQ(sizeOf(thumbnailFile(picture)), QSize(200, 200));
    EXPECT_EQ(thumbnailFile(picture), db.context.ImageDir + "/7.jpg_YS.jpg");

    EXPECT_EQ(compressPicture(picture, 50), QString());
    EXPECT_EQ(sizeOf(picture), QSize(400, 300));
    EXPECT_EQ(compressPicture(picture, 0), QStringLiteral("压缩比例 必须大于 0！"));
    EXPECT_EQ(sizeOf(picture), QSize(400, 300));
    // The size is read from the file each time, not remembered.
    EXPECT_EQ(compressPicture(picture, 50), QString());
    EXPECT_EQ(sizeOf(picture), QSize(200, 150));
    EXPECT_EQ(sizeOf(thumbnailFile(picture)), QSize(200, 200));

    EXPECT_EQ(deletePicture(picture), QString());
    EXPECT_FALSE(QFile::exists(picture));
    EXPECT_FALSE(QFile::exists(thumbnailFile(picture)));
}

TEST_F(ItemFiles, AFailingPictureCopyIsReported)
{
    // The picture folder cannot be made: a file has its name.
    writeFile("blocker", "x");
    const QString picture = source + "blocker/7.jpg";
    const QString failure = uploadPicture(writeJpeg("a.jpg", {10, 10}), picture);
    EXPECT_TRUE(failure.startsWith(QStringLiteral("图片上传 失败！"))) << failure.toStdString();
    EXPECT_TRUE(uploadPicture(writeFile("fake.jpg", "text"), itemPicture(db.services, 7))
                    .startsWith(QStringLiteral("图片上传 失败！")));
    EXPECT_FALSE(QFile::exists(itemPicture(db.services, 7)));
}

TEST_F(ItemFiles, PictureDialogUploadsCompressesAndDeletes)
{
    const int id = addItem("订书机");
    db.dialogs.fileNames << writeJpeg("photo.jpg", {800, 600});
    TfrmPic_M dialog(db.services, itemCaption(db.dm, id), itemPicture(db.services, id));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("C-订书机 订书机"));
    click(dialog, "BitBtn2"); // nothing chosen yet: nothing happens
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
    click(dialog, "BitBtn1");
    click(dialog, "BitBtn2");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("图片上传 成功！"));
    dialog.percent()->setText("50");
    click(dialog, "BitBtn3");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("图片压缩 成功！"));
    EXPECT_EQ(dialog.picture()->pixmap().size(), QSize(400, 300));
    dialog.percent()->setText("0");
    click(dialog, "BitBtn3");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("压缩比例 必须大于 0！"));
    dialog.percent()->setText("100");
    saveScreenshot(dialog, "frmPic_M");
    db.dialogs.answers << true;
    click(dialog, "BitBtn4");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("图片删除 成功！"));
    EXPECT_FALSE(QFile::exists(itemPicture(db.services, id)));
}

TEST_F(ItemFiles, ReUploadLeavesOneFileWithTheNewBytesAndDownloadCopiesThem)
{
    const int id = addItem("图纸");
    const QString files = db.folder.path() + "/Files/";
    EXPECT_EQ(uploadAttachedFile(db.dm, db.context.AppDir, id, writeFile("plan.pdf", "first")), QString());
    EXPECT_EQ(filesOf(id), QStringList{QString::number(id) + ".pdf"});
    EXPECT_EQ(uploadAttachedFile(db.dm, db.context.AppDir, id, writeFile("plan.pdf", "second")), QString());
    EXPECT_EQ(bytes(files + QString::number(id) + ".pdf"), "second");
    EXPECT_EQ(uploadAttachedFile(db.dm, db.context.AppDir, id, writeFile("plan.txt", QByteArray(3 * 1024 * 1024, 'x'))),
              QString());
    EXPECT_EQ(filesOf(id), QStringList{QString::number(id) + ".txt"});
    EXPECT_EQ(db.value("select count(*) from UAFiles where AID=?", {id}).toInt(), 1);
    EXPECT_EQ(db.value("select FType from UAFiles where AID=?", {id}).toString(), "txt");
    EXPECT_EQ(db.value("select FSize from UAFiles where AID=?", {id}).toDouble(), 3.0);
    EXPECT_EQ(db.dm.myRetAF(id), QString::number(id) + ".txt");

    const QString target = source + "download/";
    QDir().mkpath(target);
    EXPECT_EQ(downloadAttachedFile(db.context.AppDir, db.dm.myRetAF(id), target, false), QString());
    EXPECT_EQ(bytes(target + db.dm.myRetAF(id)), bytes(files + db.dm.myRetAF(id)));
    EXPECT_TRUE(downloadAttachedFile(db.context.AppDir, db.dm.myRetAF(id), target, false)
                    .startsWith(QStringLiteral("文件下载 失败！")));
    EXPECT_TRUE(downloadAttachedFile(db.context.AppDir, db.dm.myRetAF(id), source + "missing/", false)
                    .startsWith(QStringLiteral("文件下载 失败！")));
}

TEST_F(ItemFiles, FileDialogsReportEveryOutcome)
{
    const int id = addItem("图纸");
    showFileDownload(db.services, nullptr, id);
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("C-图纸 图纸 没有上传文件！"));

    TfrmWJ_Up upload(db.services, id);
    EXPECT_EQ(upload.windowTitle(), QStringLiteral("C-图纸 图纸 文件上传"));
    click(upload, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("上传文件 不能为空，请单击 打开文件！"));
    db.dialogs.fileNames << writeFile("plan.pdf", "plan");
    click(upload, "BitBtn3");
    saveScreenshot(upload, "frmWJ_Up");
    click(upload, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("C-图纸 图纸 文件上传 保存成功！"));
    EXPECT_EQ(upload.result(), QDialog::Accepted);

    TfrmWJ_Do download(db.services, id);
    click(download, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("下载路径 不能为空，请单击 选择路径！"));
    // A folder that does not exist: the copy fails and is reported, never as success.
    db.dialogs.fileNames << source + "missing";
    click(download, "BitBtn3");
    click(download, "BitBtn1");
    EXPECT_TRUE(db.dialogs.lastText().startsWith(QStringLiteral("文件下载 失败！")));
    db.dialogs.fileNames << source;
    click(download, "BitBtn3");
    saveScreenshot(download, "frmWJ_Do");
    click(download, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("C-图纸 图纸 文件下载 下载成功！"));

    // Onto an existing file: "No" keeps it and claims nothing, "Yes" replaces it.
    writeFile(QString::number(id) + ".pdf", "mine");
    db.dialogs.clear();
    db.dialogs.answers << false;
    click(download, "BitBtn1");
    ASSERT_EQ(db.dialogs.messages.size(), 1);
    EXPECT_EQ(db.dialogs.messages[0].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(bytes(source + QString::number(id) + ".pdf"), "mine");
    db.dialogs.answers << true;
    click(download, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("C-图纸 图纸 文件下载 下载成功！"));
    EXPECT_EQ(bytes(source + QString::number(id) + ".pdf"), "plan");
}

TEST_F(ItemFiles, AccessoryCountFollowsEveryChangeEvenAFailedOne)
{
    const int id = addItem("电钻");
    TfrmA_FJ dialog(db.services, id);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("C-电钻 电钻 附件管理"));
    auto *name = dialog.findChild<QLineEdit *>("Edit1");
    auto *count = dialog.findChild<QLineEdit *>("Edit2");
    EXPECT_EQ(count->text(), "1");
    click(dialog, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("附件名称 不能为空！"));
    name->setText("钻头's");
    count->setText("3");
    click(dialog, "BitBtn1");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("C-电钻 电钻 附件管理 附件保存成功！"));
    EXPECT_EQ(count->text(), "1");
    name->setText("电池");
    click(dialog, "BitBtn1");
    EXPECT_EQ(fjCount(id), 4);
    EXPECT_EQ(dialog.grid()->rows()->rowCount(), 2);
    saveScreenshot(dialog, "frmA_FJ");

    db.dialogs.answers << true;
    dialog.grid()->setCurrentIndex(dialog.grid()->rows()->index(0, 0));
    dialog.deleteCurrent();
    EXPECT_EQ(fjCount(id), 1);
    EXPECT_EQ(dialog.grid()->rows()->rowCount(), 1);

    // A failing insert takes the count change with it.
    db.dm.myESQL("CREATE TRIGGER refuse BEFORE INSERT ON UAccessory BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_THROW(addAccessory(db.dm, id, "电源线", "2", ""), DatabaseError);
    EXPECT_EQ(fjCount(id), 1);
    db.dm.myESQL("CREATE TRIGGER refuseDelete BEFORE DELETE ON UAccessory BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_THROW(deleteAccessory(db.dm, dialog.grid()->rows()->value(0, "ID").toInt()), DatabaseError);
    EXPECT_EQ(fjCount(id), 1);
}

TEST_F(ItemFiles, PictureListShowsFourFramesARowAndReadsOnlyVisibleThumbnails)
{
    QList<int> ids;
    for (int i = 0; i < 10; ++i)
        ids << addItem(QStringLiteral("物品%1").arg(i));
    uploadPicture(writeJpeg("red.jpg", {300, 200}, Qt::red), itemPicture(db.services, ids[0]));
    uploadPicture(writeJpeg("blue.jpg", {300, 200}, Qt::blue), itemPicture(db.services, ids[5]));

    TfrmPic_List list(db.services, {QStringLiteral(" AND (AName like ?)"), {QStringLiteral("物品%")}});
    EXPECT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(list.model()->item(list.model()->index(2, 1))->name, QStringLiteral("物品9"));
    EXPECT_EQ(list.model()->item(list.model()->index(2, 2)), nullptr);
    list.show();
    list.view()->grab();
    saveScreenshot(list, "frmPic_List");

    {
        Transaction transaction(db.dm.database());
        for (int i = 10; i < 400; ++i)
            addItem(QStringLiteral("物品%1").arg(i));
        transaction.commit();
    }
    TfrmPic_List large(db.services, {});
    large.show();
    large.view()->grab();
    EXPECT_EQ(large.model()->rowCount(), 100);
    EXPECT_GT(large.model()->thumbnailsRead(), 0);
    EXPECT_LE(large.model()->thumbnailsRead(), 4 * 5);
}

} // namespace
