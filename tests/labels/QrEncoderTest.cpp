// The encoder core: capacities, segmentation, forced modes, empty data, mask scores.
#include "QrTestHelpers.h"
#include "labels/QrEncoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytesOf(const QByteArray &text)
{
    return Bytes(text.begin(), text.end());
}

Bytes bytesOf(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

struct Segment {
    int mode;
    int count;
    bool operator==(const Segment &) const = default;
};

// Reads the segment headers back from the data codewords, skipping each segment's data.
std::vector<Segment> readSegments(std::span<const unsigned char> codewords, int version)
{
    int position = 0;
    const auto read = [&](int bits) {
        int value = 0;
        for (int i = 0; i < bits; ++i, ++position)
            value = (value << 1) | ((codewords[position / 8] >> (7 - position % 8)) & 1);
        return value;
    };
    const int column = version <= 9 ? 0 : version <= 26 ? 1 : 2;
    const int countBits[4][3] = {{10, 12, 14}, {9, 11, 13}, {8, 16, 16}, {8, 10, 12}};
    std::vector<Segment> segments;
    while (position + 4 <= int(codewords.size()) * 8) {
        const int indicator = read(4);
        const int mode = indicator == 1 ? 0 : indicator == 2 ? 1 : indicator == 4 ? 2 : indicator == 8 ? 3 : -1;
        if (mode < 0)
            break;
        const int count = read(countBits[mode][column]);
        segments.push_back({mode, count});
        const int dataBits[4] = {10 * (count / 3) + (count % 3 == 1 ? 4 : count % 3 == 2 ? 7 : 0),
                                 11 * (count / 2) + 6 * (count % 2), 8 * count, 13 * count};
        position += dataBits[mode];
    }
    return segments;
}

QrEncoder::Options automatic(int version, bool kanjiClasses)
{
    QrEncoder::Options options;
    options.version = version;
    options.kanjiClasses = kanjiClasses;
    return options;
}

} // namespace

TEST(QrEncoder, CapacitiesMatchTheStandardsTable)
{
    struct Row {
        int version, level, mode, characters;
    };
    const Row rows[] = {
        {1, 0, QrEncoder::Numeric, 41},       {1, 0, QrEncoder::Alphanumeric, 25},
        {1, 0, QrEncoder::Byte, 17},          {1, 0, QrEncoder::Kanji, 10},
        {1, 3, QrEncoder::Numeric, 17},       {10, 2, QrEncoder::Byte, 151},
        {40, 0, QrEncoder::Numeric, 7089},    {40, 0, QrEncoder::Alphanumeric, 4296},
        {40, 0, QrEncoder::Byte, 2953},       {40, 0, QrEncoder::Kanji, 1817},
        {40, 3, QrEncoder::Numeric, 3057},    {40, 3, QrEncoder::Alphanumeric, 1852},
        {40, 3, QrEncoder::Byte, 1273},       {40, 3, QrEncoder::Kanji, 784},
    };
    for (const Row &row : rows)
        EXPECT_EQ(QrEncoder::characterCapacity(row.version, row.level, row.mode), row.characters)
            << "version " << row.version << " level " << row.level << " mode " << row.mode;
}

// Exactly the capacity fits; one character more fails, in every version, level and mode.
TEST(QrEncoder, CapacityIsTheLimitOfEveryForcedMode)
{
    const char filler[4] = {'7', 'A', 'a', 0};
    const Bytes kanjiPair = bytesOf(shiftJis("漢"));
    QrEncoder encoder;
    for (int version = 1; version <= 40; ++version) {
        for (int level = 0; level < 4; ++level) {
            for (int mode = 0; mode < 4; ++mode) {
                const int capacity = QrEncoder::characterCapacity(version, level, mode);
                const int unit = mode == QrEncoder::Kanji ? 2 : 1;
                Bytes data;
                for (int i = 0; i <= capacity; ++i) {
                    if (mode == QrEncoder::Kanji)
                        data.insert(data.end(), kanjiPair.begin(), kanjiPair.end());
                    else
                        data.push_back(static_cast<unsigned char>(filler[mode]));
                }
                QrEncoder::Options options;
                options.version = version;
                options.level = level;
                options.mode = mode;
                const std::span<const unsigned char> all(data);
                EXPECT_TRUE(encoder.encode(all.first(size_t(capacity * unit)), options))
                    << "version " << version << " level " << level << " mode " << mode;
                EXPECT_FALSE(encoder.encode(all, options))
                    << "version " << version << " level " << level << " mode " << mode;
            }
        }
    }
}

TEST(QrEncoder, AutomaticSegmentation)
{
    struct Case {
        const char *name;
        QByteArray data;
        bool kanjiClasses;
        std::vector<Segment> segments;
    };
    const QByteArray kanji = shiftJis("日本");
    const std::vector<Case> cases = {
        {"all bytes without Kanji classes", "ABC123", false, {{2, 6}}},
        {"digits cheaper inside the letters' segment", "ABC123", true, {{1, 6}}},
        {"long digit run keeps its own segment", "123456789012ABC", true, {{0, 12}, {1, 3}}},
        {"a digit between letters joins them", "A1B", true, {{1, 3}}},
        {"digits after a byte split off", "a1234567890", true, {{2, 1}, {0, 10}}},
        {"Kanji ends the segments around it", "abc" + kanji + "123", true, {{2, 3}, {3, 2}, {0, 3}}},
        {"lead byte without a trail byte", "ab\x93", true, {{2, 3}}},
        {"Shift JIS pair beyond 13 bits", "\xEB\xC0", true, {{2, 2}}},
    };
    QrEncoder encoder;
    for (const Case &test : cases) {
        const Bytes data = bytesOf(test.data);
        ASSERT_TRUE(encoder.encode(data, automatic(1, test.kanjiClasses))) << test.name;
        EXPECT_EQ(readSegments(encoder.dataCodewords(), 1), test.segments) << test.name;
        EXPECT_EQ(encoder.modeUsed(), test.segments.back().mode) << test.name;
    }
}

TEST(QrEncoder, ForcedModeRejectsBytesOutsideItsAlphabet)
{
    struct Case {
        int mode;
        QByteArray data;
        bool fits;
    };
    const std::vector<Case> cases = {
        {QrEncoder::Numeric, "0123456789", true},
        {QrEncoder::Numeric, "12A", false},
        {QrEncoder::Alphanumeric, "HELLO $%*+-./:", true},
        {QrEncoder::Alphanumeric, "Hello", false},
        {QrEncoder::Byte, QByteArray("\x00\xFF~", 3), true},
        {QrEncoder::Kanji, shiftJis("漢字"), true},
        {QrEncoder::Kanji, shiftJis("漢字").left(3), false},
        {QrEncoder::Kanji, "\x93\x20", false},
        {QrEncoder::Kanji, "\xEB\xBF", true},
        {QrEncoder::Kanji, "\xEB\xC0", false},
    };
    QrEncoder encoder;
    for (const Case &test : cases) {
        QrEncoder::Options options;
        options.mode = test.mode;
        EXPECT_EQ(encoder.encode(bytesOf(test.data), options), test.fits)
            << "mode " << test.mode << " data " << test.data.toHex().constData();
    }
}

TEST(QrEncoder, EmptyDataHoldsOnlyTerminatorAndPadCodewords)
{
    QrEncoder encoder;
    for (int mode : {int(QrEncoder::Automatic), int(QrEncoder::Byte)}) {
        QrEncoder::Options options;
        options.mode = mode;
        ASSERT_TRUE(encoder.encode({}, options));
        const auto codewords = encoder.dataCodewords();
        ASSERT_EQ(codewords.size(), 19u);
        EXPECT_EQ(codewords[0], 0x00);
        for (size_t i = 1; i < codewords.size(); ++i)
            EXPECT_EQ(codewords[i], i % 2 == 1 ? 0xEC : 0x11) << "codeword " << i;
    }
}

TEST(QrEncoder, StructuredAppendHeaderPrecedesTheData)
{
    QrEncoder::Options options;
    options.appendPosition = 2;
    options.appendCount = 5;
    options.appendParity = 0xA7;
    QrEncoder encoder;
    ASSERT_TRUE(encoder.encode(bytesOf(std::string("ab")), options));
    const auto codewords = encoder.dataCodewords();
    // 0011 0010 0100 10100111, then the byte segment 0100 00000010.
    EXPECT_EQ(codewords[0], 0x32);
    EXPECT_EQ(codewords[1], 0x4A);
    EXPECT_EQ(codewords[2], 0x74);
    EXPECT_EQ(codewords[3], 0x02);

    options.appendCount = 17;
    EXPECT_FALSE(encoder.encode(bytesOf(std::string("ab")), options));
}

// Hand-checked matrices; each row of text is one row of modules, '#' dark.
TEST(QrEncoder, PenaltyScoresRunsBlocksFinderLikePatternsAndBalance)
{
    struct Case {
        const char *name;
        std::vector<std::string> rows;
        int score;
    };
    const std::vector<Case> cases = {
        {"all light 5 x 5: runs of five, blocks, no dark", {".....", ".....", ".....", ".....", "....."}, 178},
        {"all light 6 x 6: runs of six", {"......", "......", "......", "......", "......", "......"}, 223},
        {"pattern between the edges",
         {"#.###.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}, 40},
        {"pattern with a dark module after it",
         {"#.###.##", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#"}, 0},
        {"pattern after a light module",
         {".#.###.#", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#"}, 40},
    };
    for (const Case &test : cases) {
        const int size = int(test.rows.size());
        Bytes modules;
        for (const std::string &row : test.rows) {
            ASSERT_EQ(int(row.size()), size) << test.name;
            for (char module : row)
                modules.push_back(module == '#' ? 1 : 0);
        }
        EXPECT_EQ(QrEncoder::penalty(modules.data(), size), test.score) << test.name;
    }
}

// The chosen mask has the lowest score, and of equal scores the lowest number. The
// inputs are searched until ties at the minimum have been seen.
TEST(QrEncoder, MaskChoiceTakesLowestScoreAndLowerNumberOnTie)
{
    QrEncoder encoder;
    int ties = 0;
    for (int seed = 0; seed < 2000 && ties < 3; ++seed) {
        const Bytes data = bytesOf(std::to_string(seed * 7919));
        ASSERT_TRUE(encoder.encode(data, automatic(1, false)));
        const auto &scores = encoder.maskScores();
        const int best = int(std::min_element(scores.begin(), scores.end()) - scores.begin());
        EXPECT_EQ(encoder.maskUsed(), best) << "seed " << seed;
        ties += std::count(scores.begin(), scores.end(), scores[best]) > 1;
    }
    EXPECT_GE(ties, 3) << "no tie at the minimum was found among the inputs";
}
