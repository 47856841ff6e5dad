#include "store/PinyinCode.h"
#include "store/PinyinTable.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace {

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// --- The program's usual call: initials, "?" for unknown, letters and digits only ---

struct UsualCase {
    std::u16string_view text;
    const char *code;
};

void PrintTo(const UsualCase &c, std::ostream *os)
{
    *os << fromUtf16(c.text).toStdString() << " -> " << c.code;
}

class PinyinCodeUsual : public ::testing::TestWithParam<UsualCase> {};

TEST_P(PinyinCodeUsual, GivesCode)
{
    const UsualCase &c = GetParam();
    EXPECT_EQ(PinyinCode(fromUtf16(c.text)), QLatin1String(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Pinyin, PinyinCodeUsual,
    ::testing::Values(
        UsualCase{u"系统管理员", "XTGLY"}, UsualCase{u"物品仓库", "WPCK"},
        UsualCase{u"啊中", "AZ"},
        // Characters with several readings take the one names need; 给 has no entry.
        UsualCase{u"调拨单", "TBD"}, UsualCase{u"行长重还率", "HZZHL"}, UsualCase{u"给", "?"},
        // ASCII: letters upper-cased, spaces and punctuation dropped.
        UsualCase{u"A4纸 (80g)", "A4Z80G"}, UsualCase{u"a-b_c.1/2", "ABC12"},
        // Full-width ASCII keeps its case; full-width punctuation vanishes.
        UsualCase{u"ａｂ１", "ab1"}, UsualCase{u"ＡＺ０９", "AZ09"}, UsualCase{u"（）", ""},
        // Chinese punctuation and other symbol rows give "?".
        UsualCase{u"、", "?"}, UsualCase{u"仓、库。", "C?K?"}, UsualCase{u"→", "?"},
        // Row 0xA2 numbers, every run from its first to its last symbol.
        UsualCase{u"①②", "12"}, UsualCase{u"⑩", "10"}, UsualCase{u"Ⅻ", "12"},
        UsualCase{u"Ⅰ", "1"}, UsualCase{u"ⅰⅹ", "110"}, UsualCase{u"⒈⒛", "120"},
        UsualCase{u"⑴⒇", "120"}, UsualCase{u"㈠㈩", "110"},
        // Row 0xA6 Greek, capitals and small letters alike.
        UsualCase{u"α", "A"}, UsualCase{u"θ", "TH"}, UsualCase{u"Α", "A"},
        UsualCase{u"ΩωψΨφχ", "OOPSPSPHKH"},
        // Characters GBK cannot encode are dropped.
        UsualCase{u"\U0001F600物", "W"}, UsualCase{u"", ""}));

// --- Raw GBK bytes, including sequences no encoder produces ---

struct BytesCase {
    const char *name;
    QByteArray gbk;
    int flags;
    const char *code;
};

void PrintTo(const BytesCase &c, std::ostream *os)
{
    *os << c.name << " -> " << c.code;
}

class PinyinCodeBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(PinyinCodeBytes, GivesCode)
{
    const BytesCase &c = GetParam();
    EXPECT_EQ(PinyinCode(c.gbk, c.flags, 255), QLatin1String(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Pinyin, PinyinCodeBytes,
    ::testing::Values(
        BytesCase{"lone lead byte at the end", QByteArray("AB\x81"), 2, "AB"},
        BytesCase{"lone lead byte after a character", QByteArray("\xD6\xD0\xB9"), 2, "Z"},
        BytesCase{"lone lead byte kept by no flag", QByteArray("A\xFE"), 7, "A"},
        BytesCase{"lead byte before a byte below 0x40", QByteArray("\xB0" "1"), 2, "1"},
        BytesCase{"byte 0xFF is no lead byte", QByteArray("\xFF" "A"), 6, "A"},
        BytesCase{"byte 0xFF is no trail byte", QByteArray("\xFE\xFF" "b"), 6, "B"},
        BytesCase{"byte 0x80 alone", QByteArray("\x80" "1"), 6, "1"},
        BytesCase{"trail byte 0x7F has no entry", QByteArray("\xB0\x7F"), 2, "?"},
        BytesCase{"row 0xA2 below 0xA1", QByteArray("\xA2\x40"), 2, "?"},
        BytesCase{"row 0xA2 below 0xA1 unmarked", QByteArray("\xA2\x40"), 0, ""},
        BytesCase{"row 0xA2 gap between runs", QByteArray("\xA2\xE3\xA2\xFD"), 2, ""},
        BytesCase{"row 0xA3 below 0xA1", QByteArray("\xA3\x40\xA3\xA0"), 6, "??"},
        BytesCase{"row 0xA3 punctuation kept", QByteArray("\xA3\xA8\xA3\xFE"), 4, "(~"},
        BytesCase{"row 0xA6 outside the letters", QByteArray("\xA6\xB9\xA6\x40"), 2, ""},
        BytesCase{"row 0xA1 symbol", QByteArray("\xA1\xA2"), 2, "?"},
        BytesCase{"row 0xA8 symbol", QByteArray("\xA8\xA6"), 2, "?"}));

// --- Each flag bit, alone and combined ---

struct FlagsCase {
    int flags;
    const char *code;
};

void PrintTo(const FlagsCase &c, std::ostream *os)
{
    *os << "flags " << c.flags << " -> " << c.code;
}

class PinyinCodeFlags : public ::testing::TestWithParam<FlagsCase> {};

TEST_P(PinyinCodeFlags, ChangeWhatIsKept)
{
    const FlagsCase &c = GetParam();
    // 装 is a six-letter syllable; 、 and 给 have no reading.
    const QString text = fromUtf16(u"装物 a-1（ｘ）、给");
    EXPECT_EQ(PinyinCode(text, c.flags, 255), QLatin1String(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Pinyin, PinyinCodeFlags,
    ::testing::Values(FlagsCase{0, "ZWA1x"}, FlagsCase{1, "ZHUANGWUA1x"},
                      FlagsCase{2, "ZWA1x??"}, FlagsCase{3, "ZHUANGWUA1x??"},
                      FlagsCase{4, "ZW A-1(x)"}, FlagsCase{6, "ZW A-1(x)??"},
                      FlagsCase{7, "ZHUANGWU A-1(x)??"}, FlagsCase{-1, ""}, FlagsCase{-2, ""},
                      FlagsCase{-8, ""}));

// --- The cut to the maximum length ---

TEST(PinyinCodeLength, CutToMaxLength)
{
    struct Case {
        QString text;
        int flags;
        int maxLength;
        QString code;
    };
    const Case cases[] = {
        {fromUtf16(u"物").repeated(300), 2, 255, QString(255, QLatin1Char('W'))},
        {QStringLiteral("a1").repeated(200), 2, 255, QStringLiteral("A1").repeated(200).left(255)},
        {fromUtf16(u"物").repeated(255), 2, 255, QString(255, QLatin1Char('W'))},
        {fromUtf16(u"装装"), 1, 8, QStringLiteral("ZHUANGZH")},
        {fromUtf16(u"⒇⒇"), 2, 3, QStringLiteral("202")},
        {fromUtf16(u"物品"), 2, 0, QString()},
        {fromUtf16(u"物品"), 2, -1, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PinyinCode(c.text, c.flags, c.maxLength), c.code)
            << c.text.left(10).toStdString() << " max " << c.maxLength;
    EXPECT_EQ(PinyinCode(fromUtf16(u"库").repeated(400)).size(), 255);
}

// --- The syllable list ---

TEST(PinyinTable, SyllableList)
{
    using PinyinTable::syllables;
    QStringList numbered;  // index = syllable number - 1
    for (int number = 1; number <= PinyinTable::SyllableCount; ++number)
        numbered << QLatin1String(syllables[number]);

    EXPECT_EQ(QLatin1String(syllables[0]), QLatin1String(""));
    EXPECT_EQ(numbered.first(), QLatin1String("a"));
    EXPECT_EQ(numbered.at(392), QLatin1String("zuo"));
    EXPECT_EQ(numbered.at(393), QLatin1String(""));
    EXPECT_EQ(numbered.mid(394), QStringList({QStringLiteral("ei"), QStringLiteral("m"),
                                              QStringLiteral("n"), QStringLiteral("dia"),
                                              QStringLiteral("cen"), QStringLiteral("nou"),
                                              QStringLiteral("jv"), QStringLiteral("qv"),
                                              QStringLiteral("xv"), QStringLiteral("lv"),
                                              QStringLiteral("nv")}));
    EXPECT_FALSE(numbered.contains(QStringLiteral("gei")));

    // Three syllables stand out of order: ge ji gen, jiang qiao jiao, nue yao nuo.
    const auto runAround = [&](const char *syllable) {
        const qsizetype at = numbered.indexOf(QLatin1String(syllable));
        return at > 0 ? numbered.mid(at - 1, 3).join(QLatin1Char(' ')) : QString();
    };
    EXPECT_EQ(runAround("ji"), QStringLiteral("ge ji gen"));
    EXPECT_EQ(runAround("qiao"), QStringLiteral("jiang qiao jiao"));
    EXPECT_EQ(runAround("yao"), QStringLiteral("nue yao nuo"));

    // The others of 1..393 are in strict alphabetical order, so none repeats.
    QStringList ordered = numbered.mid(0, 393);
    for (const char *moved : {"ji", "qiao", "yao"})
        ordered.removeOne(QLatin1String(moved));
    for (qsizetype i = 1; i < ordered.size(); ++i)
        EXPECT_LT(ordered.at(i - 1), ordered.at(i)) << "number " << i;

    const QStringList all = numbered.mid(0, 393) + numbered.mid(394);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    for (const QString &syllable : all) {
        EXPECT_TRUE(syllable.size() >= 1 && syllable.size() <= 6) << syllable.toStdString();
        for (QChar letter : syllable)
            EXPECT_TRUE(letter >= QLatin1Char('a') && letter <= QLatin1Char('z'))
                << syllable.toStdString();
    }
}

// --- The character table covers exactly the Chinese rows of GBK ---

bool isChineseArea(int lead, int trail)
{
    if (trail == 0x7F)
        return false;
    return (lead >= 0x81 && lead <= 0xA0) || (lead >= 0xAA && lead <= 0xAF && trail <= 0xA0)
           || (lead >= 0xB0 && lead <= 0xF7) || (lead >= 0xF8 && lead <= 0xFD && trail <= 0xA0);
}

TEST(PinyinTable, EntriesOnlyForChineseCharacters)
{
    using namespace PinyinTable;
    QStringDecoder fromGbk("GBK");
    ASSERT_TRUE(fromGbk.isValid());
    int inArea = 0;
    int withEntry = 0;
    for (int lead = FirstLead; lead <= LastLead; ++lead) {
        for (int trail = FirstTrail; trail <= LastTrail; ++trail) {
            const int number = characterSyllables[(lead - FirstLead) * TrailCount + trail - FirstTrail];
            const bool chinese = isChineseArea(lead, trail);
            inArea += chinese;
            if (number == 0)
                continue;
            ++withEntry;
            ASSERT_TRUE(chinese) << std::hex << lead << ' ' << trail;
            ASSERT_TRUE(number <= SyllableCount && number != 394) << number;
            // Qt's GBK decoder agrees that the code is a Chinese character.
            const char code[] = {char(lead), char(trail)};
            const QString character = fromGbk.decode(QByteArray(code, 2));
            ASSERT_EQ(character.size(), 1);
            ASSERT_TRUE(character.at(0).unicode() >= 0x4E00 && character.at(0).unicode() <= 0x9FA5)
                << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(inArea, 20912);
    // Nearly every character of the area has a reading; only rare ones and "gei" lack one.
    EXPECT_GT(withEntry, inArea - 100);
}

}  // namespace
