#include "store/PinyinCollation.h"

#include "store/PinyinTable.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringDecoder>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

// The CJK unified ideographs with their extension A: every character GBK holds.
constexpr char32_t kFirstHan = 0x3400;
constexpr char32_t kLastHan = 0x9FFF;

// The alphabetical rank (from 1) of each syllable number; equal spellings share a rank.
std::array<std::uint16_t, PinyinTable::SyllableCount + 1> syllableRanks()
{
    std::vector<int> numbers(PinyinTable::SyllableCount);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::sort(numbers.begin(), numbers.end(), [](int a, int b) {
        return std::strcmp(PinyinTable::syllables[a], PinyinTable::syllables[b]) < 0;
    });
    std::array<std::uint16_t, PinyinTable::SyllableCount + 1> ranks{};
    std::uint16_t rank = 0;
    const char *previous = nullptr;
    for (int number : numbers) {
        const char *spelling = PinyinTable::syllables[number];
        if (!previous || std::strcmp(previous, spelling) != 0)
            ++rank;
        ranks[size_t(number)] = rank;
        previous = spelling;
    }
    return ranks;
}

// The syllable rank of every Chinese character, by code point from kFirstHan; 0 for a
// character without a reading. Made once from the GBK table of PinyinCode.
const std::vector<std::uint16_t> &hanRanks()
{
    static const std::vector<std::uint16_t> table = [] {
        const auto ranks = syllableRanks();
        std::vector<std::uint16_t> byCodePoint(kLastHan - kFirstHan + 1, 0);
        QStringDecoder gbk("GBK");
        using namespace PinyinTable;
        for (int lead = FirstLead; lead <= LastLead; ++lead) {
            for (int trail = FirstTrail; trail <= LastTrail; ++trail) {
                const auto syllable = characterSyllables[(lead - FirstLead) * TrailCount + trail - FirstTrail];
                if (syllable == 0)
                    continue;
                const char bytes[2] = {char(lead), char(trail)};
                const QString character = gbk.decode(QByteArrayView(bytes, 2));
                if (character.size() != 1)
                    continue;
                const char32_t code = character.at(0).unicode();
                if (code >= kFirstHan && code <= kLastHan)
                    byCodePoint[code - kFirstHan] = ranks[syllable];
            }
        }
        return byCodePoint;
    }();
    return table;
}

// The sort weight of one code point: other characters first, then Chinese characters
// by syllable, then Chinese characters without a reading; code point within each.
std::uint64_t weight(char32_t code, const std::vector<std::uint16_t> &ranks)
{
    if (code < kFirstHan || code > kLastHan)
        return code;
    const std::uint64_t rank = ranks[code - kFirstHan];
    return rank == 0 ? (std::uint64_t(2) << 40) | code : (std::uint64_t(1) << 40) | (rank << 21) | code;
}

// The next code point of UTF-8 text; a broken sequence gives its first byte.
char32_t nextCodePoint(const unsigned char *&at, const unsigned char *end)
{
    const unsigned char lead = *at++;
    if (lead < 0x80)
        return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0 || end - at < more)
        return lead;
    char32_t code = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if ((at[i] & 0xC0) != 0x80)
            return lead;
        code = (code << 6) | (at[i] & 0x3F);
    }
    at += more;
    return code;
}

int compareUtf8(const unsigned char *left, int leftSize, const unsigned char *right, int rightSize)
{
    const std::vector<std::uint16_t> &ranks = hanRanks();
    const unsigned char *leftEnd = left + leftSize;
    const unsigned char *rightEnd = right + rightSize;
    while (left < leftEnd && right < rightEnd) {
        if (*left < 0x80 && *right < 0x80) { // the common case: plain ASCII
            if (*left != *right)
                return *left < *right ? -1 : 1;
            ++left;
            ++right;
            continue;
        }
        const std::uint64_t a = weight(nextCodePoint(left, leftEnd), ranks);
        const std::uint64_t b = weight(nextCodePoint(right, rightEnd), ranks);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return (left < leftEnd) - (right < rightEnd);
}

int collate(void *, int leftSize, const void *left, int rightSize, const void *right)
{
    return compareUtf8(static_cast<const unsigned char *>(left), leftSize,
                       static_cast<const unsigned char *>(right), rightSize);
}

} // namespace

int comparePinyin(const QString &left, const QString &right)
{
    const QByteArray a = left.toUtf8();
    const QByteArray b = right.toUtf8();
    return compareUtf8(reinterpret_cast<const unsigned char *>(a.constData()), int(a.size()),
                       reinterpret_cast<const unsigned char *>(b.constData()), int(b.size()));
}

bool registerPinyinCollation(const QSqlDatabase &database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    hanRanks(); // build the table before the first sort, not in the middle of one
    return connection
           && sqlite3_create_collation_v2(connection, "PINYIN", SQLITE_UTF8, nullptr, collate,
                                          nullptr) == SQLITE_OK;
}
