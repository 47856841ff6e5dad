#include "OpenpyxlSheet.h"

#include "store/Numbers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const char *const kReader = R"(
import json, sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1])['Sheet1']
rows = [[c.value for c in row] for row in sheet.iter_rows()]
print(json.dumps({'rows': rows,
                  'merges': sorted(str(r) for r in sheet.merged_cells.ranges),
                  'landscape': sheet.page_setup.orientation == 'landscape'}))
)";

} // namespace

OpenpyxlSheet::OpenpyxlSheet(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(kReader), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        error = QString::fromUtf8(python.readAllStandardError());
        return;
    }
    const QJsonObject sheet = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const QJsonValue &row : sheet.value(QStringLiteral("rows")).toArray()) {
        QStringList values;
        QList<bool> texts;
        for (const QJsonValue &cell : row.toArray()) {
            values << (cell.isDouble() ? numberText(cell.toDouble()) : cell.toString());
            texts << cell.isString();
        }
        rows << values;
        isText << texts;
    }
    for (const QJsonValue &merge : sheet.value(QStringLiteral("merges")).toArray())
        merges << merge.toString();
    landscape = sheet.value(QStringLiteral("landscape")).toBool();
    ok = true;
}

QStringList OpenpyxlSheet::row(int number) const
{
    QStringList values = rows.value(number - 1);
    while (!values.isEmpty() && values.last().isEmpty())
        values.removeLast();
    return values;
}
