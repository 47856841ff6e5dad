// Feeds arbitrary bytes to the workbook reader as a file: whatever the bytes, it must
// return either a table or a message with no rows, and never crash, hang or leak.
#include "sheets/WorkbookReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.xlsx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const SheetReadResult result = readSheet1(path);
    if (!result.ok() && (result.table.rowCount() != 0 || !result.table.titles().isEmpty()))
        std::abort(); // a failed read hands out no partial table
    for (int row = 0; row < result.table.rowCount(); ++row) {
        for (int column = 0; column < result.table.titles().size(); ++column)
            result.table.value(row, column);
    }
    return 0;
}
