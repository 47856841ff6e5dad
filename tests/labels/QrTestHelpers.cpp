#include "QrTestHelpers.h"

#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>

QByteArray decodeWithZbar(const QImage &image)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("symbol.png"));
    if (!folder.isValid() || !image.save(fileName))
        return {};
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                                           QStringLiteral("--nodbus"), QStringLiteral("-Sbinary"), fileName});
    if (!zbar.waitForFinished(30000))
        return {};
    return zbar.readAllStandardOutput();
}

QByteArray labelText(int bytes)
{
    const QString text = QStringLiteral("编码：WP000123\r\n分类：五金配件\r\n名称：不锈钢内六角螺钉\r\n"
                                        "规格：M6×20\r\n单位：盒\r\n单价：12.5");
    QByteArray gbk = QStringEncoder("GBK").encode(text);
    while (gbk.size() < bytes)
        gbk += '0';
    return gbk;
}

QByteArray shiftJis(const char *utf8)
{
    return QStringEncoder("Shift_JIS").encode(QString::fromUtf8(utf8));
}
