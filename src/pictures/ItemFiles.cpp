#include "pictures/ItemFiles.h"

#include "store/DatabaseError.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

namespace {

const int kThumbnailSide = 200;

QString fileError(const QString &action, const QString &path, const QString &reason)
{
    return QStringLiteral("%1 失败！\n%2\n%3").arg(action, QDir::toNativeSeparators(path), reason);
}

bool makeFolderOf(const QString &path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

// Puts the finished file `part` in place of `target`.
bool replaceWith(const QString &part, const QString &target)
{
    if (QFile::exists(target) && !QFile::remove(target))
        return false;
    return QFile::rename(part, target);
}

QString partFile(const QString &target)
{
    return target + QStringLiteral(".part");
}

// Draws `image` stretched to `size` and writes it as JPEG of quality 100 via a part file.
bool writeJpeg(const QImage &image, const QSize &size, const QString &target)
{
    QImage scaled(size, QImage::Format_RGB32);
    scaled.fill(Qt::white);
    {
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(scaled.rect(), image);
    }
    QImageWriter writer(partFile(target), "jpeg");
    writer.setQuality(100);
    if (!writer.write(scaled)) {
        QFile::remove(partFile(target));
        return false;
    }
    return replaceWith(partFile(target), target);
}

QString copyInto(const QString &source, const QString &target)
{
    QFile::remove(partFile(target));
    QFile from(source);
    if (!from.copy(partFile(target)))
        return from.errorString();
    if (!replaceWith(partFile(target), target)) {
        QFile::remove(partFile(target));
        return QStringLiteral("无法写入目标文件");
    }
    return {};
}

} // namespace

QString thumbnailFile(const QString &picture)
{
    return picture + QStringLiteral("_YS.jpg");
}

QString uploadPicture(const QString &source, const QString &picture)
{
    const QString action = QStringLiteral("图片上传");
    QImageReader reader(source);
    const QImage image = reader.read();
    if (image.isNull())
        return fileError(action, source, reader.errorString());
    if (!makeFolderOf(picture))
        return fileError(action, picture, QStringLiteral("无法创建文件夹"));
    if (const QString failure = copyInto(source, picture); !failure.isEmpty())
        return fileError(action, picture, failure);
    if (!writeJpeg(image, QSize(kThumbnailSide, kThumbnailSide), thumbnailFile(picture)))
        return fileError(action, thumbnailFile(picture), QStringLiteral("无法写入缩略图"));
    return {};
}

QString compressPicture(const QString &picture, int percent)
{
    const QString action = QStringLiteral("图片压缩");
    if (percent <= 0)
        return QStringLiteral("压缩比例 必须大于 0！");
    QImageReader reader(picture);
    const QImage image = reader.read();
    if (image.isNull())
        return fileError(action, picture, reader.errorString());
    const QSize size(percent * image.width() / 100, percent * image.height() / 100);
    if (size.isEmpty())
        return QStringLiteral("压缩比例 太小，图片没有剩下的像素！");
    if (!writeJpeg(image, size, picture))
        return fileError(action, picture, QStringLiteral("无法写入图片"));
    return {};
}

QString deletePicture(const QString &picture)
{
    for (const QString &file : {picture, thumbnailFile(picture)}) {
        if (QFile::exists(file) && !QFile::remove(file))
            return fileError(QStringLiteral("图片删除"), file, QStringLiteral("无法删除文件"));
    }
    return {};
}

QString attachedFilePath(const QString &appDir, const QString &storedName)
{
    return appDir + QStringLiteral("Files/") + storedName;
}

QString uploadAttachedFile(TfrmDM &dm, const QString &appDir, int articleId, const QString &source)
{
    const QString action = QStringLiteral("文件上传");
    const QFileInfo info(source);
    if (!info.isFile())
        return fileError(action, source, QStringLiteral("文件不存在"));
    const QString extension = info.suffix();
    const QString storedName = QString::number(articleId) + (extension.isEmpty() ? QString() : QLatin1Char('.') + extension);
    const QString target = attachedFilePath(appDir, storedName);
    if (!makeFolderOf(target))
        return fileError(action, target, QStringLiteral("无法创建文件夹"));

    QFile::remove(partFile(target));
    QFile from(source);
    if (!from.copy(partFile(target)))
        return fileError(action, target, from.errorString());

    const double megabytes = std::round(double(info.size()) / 1024 / 1024 * 100) / 100;
    Transaction transaction(dm.database());
    if (dm.myRetCount(QStringLiteral("SELECT AID FROM UAFiles WHERE (AID = ?)"), {articleId}) > 0)
        dm.myESQL(QStringLiteral("UPDATE UAFiles SET FType = ?, FSize = ? WHERE (AID = ?)"),
                  {extension, megabytes, articleId});
    else
        dm.myESQL(QStringLiteral("INSERT INTO UAFiles (AID, FType, FSize) VALUES (?, ?, ?)"),
                  {articleId, extension, megabytes});
    if (!replaceWith(partFile(target), target)) {
        QFile::remove(partFile(target));
        return fileError(action, target, QStringLiteral("无法写入目标文件"));
    }
    transaction.commit();
    // The item keeps one file: an earlier one of another extension goes.
    QDir files(QFileInfo(target).absolutePath());
    for (const QString &old : files.entryList({QString::number(articleId) + QStringLiteral(".*")}, QDir::Files)) {
        if (old != storedName && !old.endsWith(QStringLiteral(".part")))
            files.remove(old);
    }
    return {};
}

QString downloadTarget(const QString &storedName, const QString &folder)
{
    return QDir(folder).filePath(storedName);
}

QString downloadAttachedFile(const QString &appDir, const QString &storedName, const QString &folder,
                             bool replace)
{
    const QString action = QStringLiteral("文件下载");
    const QString source = attachedFilePath(appDir, storedName);
    const QString target = downloadTarget(storedName, folder);
    if (!QFile::exists(source))
        return fileError(action, source, QStringLiteral("文件不存在"));
    if (QFile::exists(target) && !replace)
        return fileError(action, target, QStringLiteral("目标文件已存在"));
    if (const QString failure = copyInto(source, target); !failure.isEmpty())
        return fileError(action, target, failure);
    return {};
}
