#include "store/Numbers.h"

#include <QLocale>
#include <cmath>

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qlonglong> parseWholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

double roundMoney(double value)
{
    const double rounded = std::round(value * 10000.0) / 10000.0;
    return rounded == 0.0 ? 0.0 : rounded; // no "-0"
}

QString numberText(double value)
{
    // Round to 15 significant digits to drop binary noise (0.1 + 0.2 gives "0.3"), then
    // write it without exponent and without the zeros behind the decimal point.
    const double significant = QString::number(value, 'g', 15).toDouble();
    if (significant == 0.0)
        return QStringLiteral("0");
    return QString::number(significant, 'f', QLocale::FloatingPointShortest);
}
