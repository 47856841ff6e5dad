// Reads "Sheet1" of a BIFF workbook (.xls, Excel 97–2003 and older) through FreeXL,
// which hands out every cell as a typed value; texts arrive as UTF-8.
//
// FreeXL trusts lengths written in the file: a crafted workbook makes it read past its
// own buffers (found by fuzzing). So it runs in a child process that sends the cells
// back through a pipe; a workbook that brings the child down, or keeps it busy too
// long, is a damaged workbook and the program goes on.
#include "sheets/WorkbookFormats.h"

#include "store/Numbers.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>

#include <freexl.h>

#include <csignal>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct FreeXlClose {
    void operator()(const void *handle) const { freexl_close(handle); }
};
using FreeXlHandle = std::unique_ptr<const void, FreeXlClose>;

QString cellText(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return QString();
    }
}

// The index of the worksheet named Sheet1, or -1.
int sheet1Index(const void *handle)
{
    unsigned int sheetCount = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK)
        return -1;
    for (unsigned int index = 0; index < sheetCount && index <= 0xFFFF; ++index) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(index), &name)
                == FREEXL_OK
            && name
            && QString::fromUtf8(name).compare(QLatin1String("Sheet1"), Qt::CaseInsensitive) == 0)
            return int(index);
    }
    return -1;
}

// The cells of Sheet1 as FreeXL gives them, or the message of a failed read.
struct XlsCells {
    QString error;
    QList<std::tuple<qint32, qint32, QString>> cells; // row, column, text
};

XlsCells readWithFreeXl(const QString &path)
{
    const void *rawHandle = nullptr;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &rawHandle);
    const FreeXlHandle handle(rawHandle);
    if (opened != FREEXL_OK)
        return {kWorkbookDamagedText, {}};

    unsigned int protection = FREEXL_UNKNOWN;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK
        && protection == FREEXL_BIFF_OBFUSCATED)
        return {kWorkbookPasswordText, {}};

    const int sheetIndex = sheet1Index(handle.get());
    if (sheetIndex < 0)
        return {kWorkbookNoSheet1Text, {}};
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle.get(), static_cast<unsigned short>(sheetIndex))
            != FREEXL_OK
        || freexl_worksheet_dimensions(handle.get(), &rows, &columns) != FREEXL_OK)
        return {kWorkbookDamagedText, {}};

    XlsCells read;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle.get(), row, column, &cell) != FREEXL_OK)
                return {kWorkbookDamagedText, {}};
            const QString text = cellText(cell);
            if (!text.isEmpty())
                read.cells.append({qint32(row), qint32(column), text});
        }
    }
    return read;
}

QDataStream &operator<<(QDataStream &stream, const XlsCells &read)
{
    stream << read.error << qint64(read.cells.size());
    for (const auto &[row, column, text] : read.cells)
        stream << row << column << text;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, XlsCells &read)
{
    qint64 count = 0;
    stream >> read.error >> count;
    for (qint64 index = 0; index < count && stream.status() == QDataStream::Ok; ++index) {
        qint32 row = 0;
        qint32 column = 0;
        QString text;
        stream >> row >> column >> text;
        read.cells.append({row, column, text});
    }
    return stream;
}

// A workbook that keeps FreeXL busy longer than this is taken as damaged.
constexpr int kReadTimeLimitMs = 60 * 1000;

void writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written <= 0)
            return;
        done += written;
    }
}

// Everything the child sends until it closes the pipe; false when the time is up.
bool readAll(int fd, QByteArray &bytes)
{
    const QDeadlineTimer deadline(kReadTimeLimitMs);
    char buffer[64 * 1024];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (polled == 0)
            return false;
        if (polled < 0)
            continue; // interrupted by a signal
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count < 0)
            return false;
        bytes.append(buffer, count);
    }
}

} // namespace

SheetReadResult readXlsSheet1(const QString &path)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return sheetReadFailure(kWorkbookDamagedText);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        QByteArray message;
        QDataStream stream(&message, QIODevice::WriteOnly);
        stream << readWithFreeXl(path);
        writeAll(channel[1], message);
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray message;
    const bool complete = child > 0 && readAll(channel[0], message);
    ::close(channel[0]);
    int status = 0;
    if (child > 0) {
        if (!complete)
            ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return sheetReadFailure(kWorkbookDamagedText);

    XlsCells read;
    QDataStream stream(message);
    stream >> read;
    if (stream.status() != QDataStream::Ok)
        return sheetReadFailure(kWorkbookDamagedText);
    if (!read.error.isEmpty())
        return sheetReadFailure(read.error);
    SheetTable::Builder builder;
    for (const auto &[row, column, text] : read.cells)
        builder.addCell(row, column, text);
    return SheetReadResult{builder.table(), QString()};
}
