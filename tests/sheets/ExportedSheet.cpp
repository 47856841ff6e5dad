#include "ExportedSheet.h"

#include "sheets/ZipArchive.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

ExportedSheet::ExportedSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    ZipArchive zip(bytes);
    QByteArray sheetXml;
    if (zip.read("xl/worksheets/sheet1.xml", sheetXml) != ZipArchive::Status::Ok)
        return;

    QXmlStreamReader xml(sheetXml);
    QString reference;
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        const QStringView name = xml.name();
        if (name == u"c") {
            reference = attributes.value("r").toString();
            type = attributes.value("t").toString();
            cells[reference] = Cell{};
        } else if (name == u"v") {
            cells[reference] = Cell{xml.readElementText(), type == "str" || type == "s"};
        } else if (name == u"t") {
            cells[reference] = Cell{xml.readElementText(), true};
        } else if (name == u"mergeCell") {
            merges << attributes.value("ref").toString();
        } else if (name == u"col") {
            for (int column = attributes.value("min").toInt();
                 column <= attributes.value("max").toInt(); ++column)
                widths[column] = attributes.value("width").toDouble();
        } else if (name == u"pageSetup") {
            landscape = attributes.value("orientation") == u"landscape";
        } else if (name == u"oddFooter") {
            footer = xml.readElementText();
        }
    }
    ok = !xml.hasError();
}

QStringList ExportedSheet::row(int number, char lastColumn) const
{
    QStringList texts;
    for (char column = 'A'; column <= lastColumn; ++column)
        texts << text(QString(QChar(column)) + QString::number(number));
    return texts;
}

int ExportedSheet::lastRow() const
{
    int last = 0;
    static const QRegularExpression digits("\\d+$");
    for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
        last = std::max(last, digits.match(cell.key()).captured().toInt());
    return last;
}
