#include "reports/ReportExpression.h"

#include "reports/ReportError.h"
#include "store/Numbers.h"

#include <QLocale>

namespace {

// Reads an expression left to right and evaluates it as it goes.
class ExpressionReader {
public:
    ExpressionReader(const QString &text, const ExpressionScope &scope)
        : m_text(text), m_scope(scope) {}

    QVariant read()
    {
        const QVariant value = product();
        skipBlanks();
        if (m_position != m_text.size())
            fail();
        return value;
    }

private:
    QVariant product()
    {
        QVariant value = term();
        skipBlanks();
        while (accept(QLatin1Char('*'))) {
            const double factor = term().toDouble();
            value = value.toDouble() * factor;
            skipBlanks();
        }
        return value;
    }

    QVariant term()
    {
        skipBlanks();
        if (m_position < m_text.size() && m_text[m_position].isDigit())
            return numberLiteral();
        const QString first = name();
        if (first == QLatin1String("PrintTime"))
            return m_scope.data.printTime;
        if (first.compare(QLatin1String("SUM"), Qt::CaseInsensitive) == 0 && accept(QLatin1Char('(')))
            return sum();
        if (!accept(QLatin1Char('.')))
            fail();
        return field(first, name());
    }

    QVariant numberLiteral()
    {
        const qsizetype start = m_position;
        while (m_position < m_text.size()
               && (m_text[m_position].isDigit() || m_text[m_position] == QLatin1Char('.')))
            ++m_position;
        const std::optional<double> number = parseNumber(m_text.mid(start, m_position - start));
        if (!number)
            fail();
        return *number;
    }

    // SUM(...): the inner expression, read again for every master row.
    QVariant sum()
    {
        const qsizetype start = m_position;
        const qsizetype close = closingParenthesis(start);
        const QString inner = m_text.mid(start, close - start);
        m_position = close + 1;

        const DataSet &master = dataSet(m_scope.masterSet);
        if (master.rows.isEmpty())
            return {};
        double total = 0;
        for (qsizetype row = 0; row < master.rows.size(); ++row) {
            const ExpressionScope rowScope{m_scope.data, m_scope.masterSet, row};
            total += ExpressionReader(inner, rowScope).read().toDouble();
        }
        return total;
    }

    // The position of the ")" that closes the "(" just before `start`.
    qsizetype closingParenthesis(qsizetype start) const
    {
        int depth = 1;
        for (qsizetype i = start; i < m_text.size(); ++i) {
            if (m_text[i] == QLatin1Char('('))
                ++depth;
            else if (m_text[i] == QLatin1Char(')') && --depth == 0)
                return i;
        }
        fail();
    }

    QVariant field(const QString &setName, const QString &column) const
    {
        const qsizetype row = setName == m_scope.masterSet ? m_scope.masterRow : 0;
        return dataSet(setName).value(row, column);
    }

    const DataSet &dataSet(const QString &setName) const
    {
        const auto found = m_scope.data.sets.constFind(setName);
        if (found == m_scope.data.sets.constEnd())
            throw ReportError(QStringLiteral("The report has no data set %1.").arg(setName));
        return *found;
    }

    QString name()
    {
        skipBlanks();
        const qsizetype start = m_position;
        while (m_position < m_text.size()
               && (m_text[m_position].isLetterOrNumber() || m_text[m_position] == QLatin1Char('_')))
            ++m_position;
        if (m_position == start)
            fail();
        return m_text.mid(start, m_position - start);
    }

    bool accept(QChar wanted)
    {
        skipBlanks();
        if (m_position < m_text.size() && m_text[m_position] == wanted) {
            ++m_position;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_position < m_text.size() && m_text[m_position].isSpace())
            ++m_position;
    }

    [[noreturn]] void fail() const
    {
        throw ReportError(QStringLiteral("Cannot read the expression \"%1\".").arg(m_text));
    }

    const QString &m_text;
    const ExpressionScope &m_scope;
    qsizetype m_position = 0;
};

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

std::optional<double> numberIn(const QVariant &value)
{
    if (isNumber(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString)
        return parseNumber(value.toString());
    return std::nullopt;
}

} // namespace

QVariant evaluate(const QString &expression, const ExpressionScope &scope)
{
    return ExpressionReader(expression, scope).read();
}

QString formatValue(const QVariant &value, const QString &format)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    const std::optional<double> number = numberIn(value);
    if (number && format == QLatin1String("%2.2n"))
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(*number, 'f', 2);
    if (number && (format == QLatin1String("%g") || isNumber(value)))
        return numberText(*number);
    return value.toString();
}

QString expandText(const QString &text, const QString &format, const ExpressionScope &scope)
{
    QString result;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), position);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char(']'), open);
        if (close < 0)
            throw ReportError(QStringLiteral("Unclosed \"[\" in \"%1\".").arg(text));
        result += text.mid(position, open - position);
        result += formatValue(evaluate(text.mid(open + 1, close - open - 1), scope), format);
        position = close + 1;
    }
    return result + text.mid(position);
}
