// Reads "Sheet1" of an Office Open XML workbook: the zip's parts are found through
// their relationships, the XML is read with QXmlStreamReader by local names, so both
// the usual and the strict namespaces and any prefixes are understood.
#include "sheets/WorkbookFormats.h"

#include "sheets/ZipArchive.h"
#include "store/Numbers.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QTime>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

// A fault in the workbook's content; reading stops and the user sees one message.
struct DamagedWorkbook {
    QString message = kWorkbookDamagedText;
};

struct Relationship {
    QString type;
    QString target; // the part's name inside the zip
};

QString relationshipsPartOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1)
           + QStringLiteral(".rels");
}

// A relationship's target, taken relative to the folder of the part that names it.
QString resolveTarget(const QString &sourcePart, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    const QString folder = sourcePart.left(sourcePart.lastIndexOf(QLatin1Char('/')) + 1);
    return QDir::cleanPath(folder + target);
}

QString attribute(const QXmlStreamReader &xml, QLatin1String name)
{
    for (const QXmlStreamAttribute &item : xml.attributes()) {
        if (item.name() == name)
            return item.value().toString();
    }
    return QString();
}

void requireWellFormed(const QXmlStreamReader &xml)
{
    if (xml.hasError())
        throw DamagedWorkbook();
}

class XlsxWorkbook {
public:
    explicit XlsxWorkbook(const QByteArray &zipContent) : m_zip(zipContent)
    {
        if (!m_zip.isOpen())
            throw DamagedWorkbook();
    }

    SheetTable readSheet1()
    {
        const QString workbookPart = officeDocumentPart();
        const QHash<QString, Relationship> relationships = readRelationships(workbookPart);
        const QString sheetPart = sheet1Part(workbookPart, relationships);
        for (const Relationship &relationship : relationships) {
            if (relationship.type.endsWith(QLatin1String("/sharedStrings")))
                readSharedStrings(relationship.target);
            else if (relationship.type.endsWith(QLatin1String("/styles")))
                readDateStyles(relationship.target);
        }
        return readSheet(sheetPart);
    }

private:
    QByteArray part(const QString &name, bool required = true) const
    {
        QByteArray content;
        switch (m_zip.read(name, content)) {
        case ZipArchive::Status::Ok:
            return content;
        case ZipArchive::Status::Missing:
            if (required)
                throw DamagedWorkbook();
            return content;
        case ZipArchive::Status::Encrypted:
            throw DamagedWorkbook{kWorkbookPasswordText};
        case ZipArchive::Status::Damaged:
            break;
        }
        throw DamagedWorkbook();
    }

    QHash<QString, Relationship> readRelationships(const QString &sourcePart) const
    {
        QHash<QString, Relationship> relationships;
        const QByteArray content = part(relationshipsPartOf(sourcePart), false);
        if (content.isEmpty())
            return relationships;
        QXmlStreamReader xml(content);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement
                && xml.name() == QLatin1String("Relationship")
                && attribute(xml, QLatin1String("TargetMode")) != QLatin1String("External")) {
                relationships.insert(attribute(xml, QLatin1String("Id")),
                                     {attribute(xml, QLatin1String("Type")),
                                      resolveTarget(sourcePart,
                                                    attribute(xml, QLatin1String("Target")))});
            }
        }
        requireWellFormed(xml);
        return relationships;
    }

    // The workbook part named by the package's relationships, usually xl/workbook.xml.
    QString officeDocumentPart() const
    {
        for (const Relationship &relationship : readRelationships(QString())) {
            if (relationship.type.endsWith(QLatin1String("/officeDocument")))
                return relationship.target;
        }
        return QStringLiteral("xl/workbook.xml");
    }

    QString sheet1Part(const QString &workbookPart,
                       const QHash<QString, Relationship> &relationships)
    {
        QXmlStreamReader xml(part(workbookPart));
        std::optional<QString> sheetId;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("workbookPr")) {
                const QString date1904 = attribute(xml, QLatin1String("date1904"));
                m_date1904 = date1904 == QLatin1String("1") || date1904 == QLatin1String("true");
            } else if (xml.name() == QLatin1String("sheet") && !sheetId
                       && attribute(xml, QLatin1String("name"))
                                  .compare(QLatin1String("Sheet1"), Qt::CaseInsensitive)
                              == 0) {
                sheetId = attribute(xml, QLatin1String("id"));
            }
        }
        requireWellFormed(xml);
        if (!sheetId)
            throw DamagedWorkbook{kWorkbookNoSheet1Text};
        const auto relationship = relationships.constFind(*sheetId);
        if (relationship == relationships.cend())
            throw DamagedWorkbook();
        return relationship->target;
    }

    // The text of a shared or inline string: its <t> elements, leaving out the
    // phonetic runs (<rPh>) that East Asian workbooks add.
    static QString readRichText(QXmlStreamReader &xml)
    {
        QString text;
        const QString element = xml.name().toString();
        int phoneticDepth = 0;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (xml.name() == QLatin1String("rPh"))
                    ++phoneticDepth;
                else if (xml.name() == QLatin1String("t") && phoneticDepth == 0)
                    text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (token == QXmlStreamReader::EndElement) {
                if (xml.name() == QLatin1String("rPh"))
                    --phoneticDepth;
                else if (xml.name() == element)
                    break;
            }
        }
        return text;
    }

    void readSharedStrings(const QString &partName)
    {
        QXmlStreamReader xml(part(partName));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement
                && xml.name() == QLatin1String("si"))
                m_sharedStrings.append(readRichText(xml));
        }
        requireWellFormed(xml);
    }

    // Which cell styles show a number as a date or time: the built-in date formats
    // (14–22, 45–47 and the East Asian ones 27–36, 50–58) and custom formats with date
    // or time letters outside quotes and brackets.
    static bool isDateFormat(int id, const QString &code)
    {
        if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47)
            || (id >= 50 && id <= 58))
            return true;
        bool quoted = false;
        int bracketDepth = 0;
        for (qsizetype i = 0; i < code.size(); ++i) {
            const QChar c = code.at(i).toLower();
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (quoted)
                continue;
            else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*'))
                ++i; // the next character is shown as it is
            else if (c == QLatin1Char('['))
                ++bracketDepth;
            else if (c == QLatin1Char(']'))
                --bracketDepth;
            else if (c == QLatin1Char(';'))
                break; // the first section decides
            else if (bracketDepth == 0 && QStringLiteral("ymdhs").contains(c))
                return true;
        }
        return false;
    }

    void readDateStyles(const QString &partName)
    {
        QXmlStreamReader xml(part(partName));
        QHash<int, QString> customFormats;
        bool inCellFormats = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (xml.name() == QLatin1String("numFmt")) {
                    customFormats.insert(attribute(xml, QLatin1String("numFmtId")).toInt(),
                                         attribute(xml, QLatin1String("formatCode")));
                } else if (xml.name() == QLatin1String("cellXfs")) {
                    inCellFormats = true;
                } else if (inCellFormats && xml.name() == QLatin1String("xf")) {
                    const int id = attribute(xml, QLatin1String("numFmtId")).toInt();
                    m_dateStyles.append(isDateFormat(id, customFormats.value(id)));
                }
            } else if (token == QXmlStreamReader::EndElement
                       && xml.name() == QLatin1String("cellXfs")) {
                inCellFormats = false;
            }
        }
        requireWellFormed(xml);
    }

    // A date serial number as "yyyy-MM-dd", "hh:mm:ss" or both.
    std::optional<QString> dateText(double serial) const
    {
        if (serial < 0 || serial > 2958465) // after 9999-12-31 Excel shows no date
            return std::nullopt;
        double days = std::floor(serial);
        int seconds = int(std::lround((serial - days) * 86400));
        if (seconds == 86400) {
            days += 1;
            seconds = 0;
        }
        const QDate epoch = m_date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
        const QString date = epoch.addDays(qint64(days)).toString(QStringLiteral("yyyy-MM-dd"));
        const QString time = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
        if (seconds == 0)
            return date;
        return serial < 1 ? time : date + QLatin1Char(' ') + time;
    }

    QString cellText(const QString &type, int style, const QString &value,
                     const QString &inlineText) const
    {
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size())
                throw DamagedWorkbook();
            return m_sharedStrings.at(index);
        }
        if (type == QLatin1String("inlineStr"))
            return inlineText;
        if (type == QLatin1String("b"))
            return value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (!type.isEmpty() && type != QLatin1String("n"))
            return value; // formula text, error codes, ISO dates
        const std::optional<double> number = parseNumber(value);
        if (!number)
            return value;
        if (style >= 0 && style < m_dateStyles.size() && m_dateStyles.at(style)) {
            if (const std::optional<QString> date = dateText(*number))
                return *date;
        }
        return numberText(*number);
    }

    // "B12" → row 11, column 1 (from 0).
    static bool parseCellReference(const QString &reference, int &row, int &column)
    {
        qsizetype i = 0;
        int letters = 0;
        for (; i < reference.size() && reference.at(i).isUpper() && reference.at(i) <= QLatin1Char('Z');
             ++i) {
            letters = letters * 26 + (reference.at(i).unicode() - 'A' + 1);
            if (letters > kMaxColumns)
                return false;
        }
        if (letters == 0 || i == reference.size() || !reference.at(i).isDigit())
            return false;
        bool ok = false;
        const int number = reference.mid(i).toInt(&ok);
        if (!ok || number < 1 || number > kMaxRows)
            return false;
        row = number - 1;
        column = letters - 1;
        return true;
    }

    void readCell(QXmlStreamReader &xml, int row, int column, SheetTable::Builder &builder) const
    {
        const QString type = attribute(xml, QLatin1String("t"));
        bool styled = false;
        const int style = attribute(xml, QLatin1String("s")).toInt(&styled);
        QString value;
        QString inlineText;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("v"))
                value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("is"))
                inlineText = readRichText(xml);
            else
                xml.skipCurrentElement();
        }
        builder.addCell(row, column, cellText(type, styled ? style : -1, value, inlineText));
    }

    // Rows and cells may leave out their references; they then follow the one before.
    void readRow(QXmlStreamReader &xml, int row, SheetTable::Builder &builder) const
    {
        int column = -1;
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("c")) {
                xml.skipCurrentElement();
                continue;
            }
            const QString reference = attribute(xml, QLatin1String("r"));
            int cellRow = row;
            if (reference.isEmpty())
                ++column;
            else if (!parseCellReference(reference, cellRow, column) || cellRow != row)
                throw DamagedWorkbook();
            if (column >= kMaxColumns)
                throw DamagedWorkbook();
            readCell(xml, row, column, builder);
        }
    }

    SheetTable readSheet(const QString &partName) const
    {
        QXmlStreamReader xml(part(partName));
        SheetTable::Builder builder;
        int row = -1;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement
                || xml.name() != QLatin1String("sheetData"))
                continue;
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("row")) {
                    xml.skipCurrentElement();
                    continue;
                }
                const QString number = attribute(xml, QLatin1String("r"));
                bool ok = true;
                row = number.isEmpty() ? row + 1 : number.toInt(&ok) - 1;
                if (!ok || row < 0 || row >= kMaxRows)
                    throw DamagedWorkbook();
                readRow(xml, row, builder);
            }
        }
        requireWellFormed(xml);
        return builder.table();
    }

    ZipArchive m_zip;
    QStringList m_sharedStrings;
    QList<bool> m_dateStyles; // per cell style index
    bool m_date1904 = false;
};

} // namespace

SheetReadResult readXlsxSheet1(const QByteArray &zipContent)
{
    try {
        XlsxWorkbook workbook(zipContent);
        return SheetReadResult{workbook.readSheet1(), QString()};
    } catch (const DamagedWorkbook &fault) {
        return sheetReadFailure(fault.message);
    }
}
