#include "store/PinyinCode.h"

#include "store/PinyinTable.h"

#include <QStringEncoder>

namespace {

using namespace PinyinTable;

// Row 0xA2 holds runs of numbered symbols; each run counts from 1.
struct NumberRun {
    unsigned char first;
    unsigned char last;
};

constexpr NumberRun numberRuns[] = {
    {0xA1, 0xAA},  // small Roman numerals
    {0xB1, 0xC4},  // numbers with full stop
    {0xC5, 0xD8},  // numbers in parentheses
    {0xD9, 0xE2},  // numbers in circles
    {0xE5, 0xEE},  // parenthesised Chinese numerals
    {0xF1, 0xFC},  // capital Roman numerals
};

// Row 0xA6 holds the Greek capitals from 0xA1 and the small letters from 0xC1, in alphabet order.
constexpr int GreekLetterCount = 24;
constexpr const char *greekLetters[GreekLetterCount] = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L",  "M",
    "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O",
};

bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Only a lead byte followed by a trail byte of the table's ranges makes one character; a byte
// 0xFF, or a lead byte at the end or before a byte below 0x40, stands alone.
bool isDoubleByteCode(unsigned char lead, unsigned char trail)
{
    return lead >= FirstLead && lead <= LastLead && trail >= FirstTrail && trail <= LastTrail;
}

void appendUnknown(QString &code, int flags)
{
    if (flags & PinyinMarkUnknown)
        code += QLatin1Char('?');
}

void appendSingleByte(QString &code, unsigned char byte, int flags)
{
    // A byte from 0x80 up is no character by itself (a lone lead byte): always dropped.
    if (byte >= 0x80)
        return;
    if ((flags & PinyinKeepAllSingleBytes) || isAsciiLetterOrDigit(byte))
        code += QLatin1Char(toUpperAscii(char(byte)));
}

void appendNumberSymbol(QString &code, unsigned char trail, int flags)
{
    if (trail < 0xA1) {
        appendUnknown(code, flags);
        return;
    }
    for (const NumberRun &run : numberRuns) {
        if (trail >= run.first && trail <= run.last) {
            const int number = trail - run.first + 1;
            if (number >= 10)
                code += QLatin1Char(char('0' + number / 10));
            code += QLatin1Char(char('0' + number % 10));
            return;
        }
    }
}

// Full-width ASCII keeps its case: a full-width small letter gives a small letter.
void appendFullWidthAscii(QString &code, unsigned char trail, int flags)
{
    // Below 0xA1 the row holds user-defined codes, which have no ASCII form.
    if (trail < 0xA1) {
        appendUnknown(code, flags);
        return;
    }
    const auto ascii = static_cast<unsigned char>(trail - 0x80);
    if ((flags & PinyinKeepAllSingleBytes) || isAsciiLetterOrDigit(ascii))
        code += QLatin1Char(char(ascii));
}

void appendGreekLetter(QString &code, unsigned char trail)
{
    if (trail >= 0xA1 && trail < 0xA1 + GreekLetterCount)
        code += QLatin1String(greekLetters[trail - 0xA1]);
    else if (trail >= 0xC1 && trail < 0xC1 + GreekLetterCount)
        code += QLatin1String(greekLetters[trail - 0xC1]);
}

void appendSyllable(QString &code, unsigned char lead, unsigned char trail, int flags)
{
    const int number = characterSyllables[(lead - FirstLead) * TrailCount + (trail - FirstTrail)];
    if (number == 0) {
        appendUnknown(code, flags);
        return;
    }
    const char *syllable = syllables[number];
    const int letters = (flags & PinyinWholeSyllables) ? MaxSyllableLength : 1;
    for (int i = 0; i < letters && syllable[i] != '\0'; ++i)
        code += QLatin1Char(toUpperAscii(syllable[i]));
}

void appendCharacter(QString &code, unsigned char lead, unsigned char trail, int flags)
{
    switch (lead) {
    case 0xA2:
        appendNumberSymbol(code, trail, flags);
        break;
    case 0xA3:
        appendFullWidthAscii(code, trail, flags);
        break;
    case 0xA6:
        appendGreekLetter(code, trail);
        break;
    default:
        appendSyllable(code, lead, trail, flags);
    }
}

}  // namespace

QString PinyinCode(const QByteArray &gbkText, int flags, int maxLength)
{
    QString code;
    if (flags < 0 || maxLength <= 0)
        return code;
    code.reserve(qMin(gbkText.size(), qsizetype(maxLength)) + MaxSyllableLength);

    const qsizetype size = gbkText.size();
    qsizetype position = 0;
    // Pieces only ever append, so the walk can stop once the cut is reached.
    while (position < size && code.size() < maxLength) {
        const auto first = static_cast<unsigned char>(gbkText[position]);
        const auto second =
            static_cast<unsigned char>(position + 1 < size ? gbkText[position + 1] : '\0');
        if (isDoubleByteCode(first, second)) {
            appendCharacter(code, first, second, flags);
            position += 2;
        } else {
            appendSingleByte(code, first, flags);
            position += 1;
        }
    }
    code.truncate(maxLength);
    return code;
}

QString PinyinCode(const QString &text, int flags, int maxLength)
{
    QStringEncoder toGbk("GBK");
    const QByteArray gbkText = toGbk.encode(text);
    return PinyinCode(gbkText, flags, maxLength);
}
