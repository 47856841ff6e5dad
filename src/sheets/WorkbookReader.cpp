#include "sheets/WorkbookReader.h"

#include "sheets/WorkbookFormats.h"

#include <QDir>
#include <QFile>

namespace {

const QByteArray kZipSignature("PK\x03\x04", 4);
// The compound file that holds .xls workbooks and also password-protected .xlsx ones.
const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// An .xlsx workbook saved with a password is a compound file with an "EncryptionInfo"
// stream; its name sits in the file's directory in UTF-16.
bool holdsEncryptedPackage(const QByteArray &content)
{
    const QString streamName = QStringLiteral("EncryptionInfo");
    const QByteArray utf16(reinterpret_cast<const char *>(streamName.utf16()),
                           streamName.size() * 2);
    return content.contains(utf16);
}

} // namespace

SheetReadResult readSheet1(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sheetReadFailure(kWorkbookCannotOpenText + QDir::toNativeSeparators(path));

    const QByteArray head = file.peek(kCompoundFileSignature.size());
    if (head.startsWith(kZipSignature))
        return readXlsxSheet1(file.readAll());
    if (head != kCompoundFileSignature)
        return sheetReadFailure(kWorkbookDamagedText);

    SheetReadResult result = readXlsSheet1(path);
    if (result.error == kWorkbookDamagedText && holdsEncryptedPackage(file.readAll()))
        result.error = kWorkbookPasswordText;
    return result;
}
