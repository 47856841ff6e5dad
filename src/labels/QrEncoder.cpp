#include "labels/QrEncoder.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

// Error correction codewords per block and number of blocks, by level (L, M, Q, H)
// and version (index 0 unused).
constexpr std::array<std::array<int, 41>, 4> eccPerBlock = {{
    {0, 7, 10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0, 10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {0, 13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0, 17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};
constexpr std::array<std::array<int, 41>, 4> blockCount = {{
    {0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 4, 4, 4, 4, 6, 6, 6, 6, 7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {0, 1, 1, 1, 2, 2, 4, 4, 4, 5, 5, 5, 8, 9, 9, 10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {0, 1, 1, 2, 2, 4, 4, 6, 6, 8, 8, 8, 10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {0, 1, 1, 2, 4, 4, 4, 5, 6, 8, 8, 11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

// Format information level bits of L, M, Q, H.
constexpr std::array<unsigned, 4> levelBits = {1, 0, 3, 2};

// Modules that carry codewords (data, error correction and remainder bits).
constexpr int dataModuleCount(int version)
{
    int modules = (16 * version + 128) * version + 64;
    if (version >= 2) {
        const int alignmentsPerSide = version / 7 + 2;
        modules -= (25 * alignmentsPerSide - 10) * alignmentsPerSide - 55;
        if (version >= 7)
            modules -= 36;
    }
    return modules;
}

constexpr int totalCodewords(int version) { return dataModuleCount(version) / 8; }

// GF(2^8) with the field polynomial x^8 + x^4 + x^3 + x^2 + 1.
struct GaloisField {
    std::array<unsigned char, 256> exp {};
    std::array<unsigned char, 256> log {};
};

constexpr GaloisField makeField()
{
    GaloisField field;
    unsigned value = 1;
    for (int power = 0; power < 255; ++power) {
        field.exp[power] = static_cast<unsigned char>(value);
        field.log[value] = static_cast<unsigned char>(power);
        value <<= 1;
        if (value & 0x100)
            value ^= 0x11D;
    }
    field.exp[255] = field.exp[0];
    return field;
}

constexpr GaloisField field = makeField();

constexpr unsigned char multiply(unsigned char a, unsigned char b)
{
    if (a == 0 || b == 0)
        return 0;
    return field.exp[(field.log[a] + field.log[b]) % 255];
}

constexpr int MaxEccPerBlock = 30;

// Generator polynomials (x - α^0)(x - α^1)...(x - α^(n-1)) for every degree n up to 30,
// without the leading coefficient, highest power first.
using Generators = std::array<std::array<unsigned char, MaxEccPerBlock>, MaxEccPerBlock + 1>;

constexpr Generators makeGenerators()
{
    Generators generators {};
    for (int degree = 1; degree <= MaxEccPerBlock; ++degree) {
        // coefficients[0] is the leading one.
        std::array<unsigned char, MaxEccPerBlock + 1> coefficients {};
        coefficients[0] = 1;
        for (int root = 0; root < degree; ++root) {
            for (int i = root + 1; i >= 1; --i)
                coefficients[i] ^= multiply(coefficients[i - 1], field.exp[root]);
        }
        for (int i = 0; i < degree; ++i)
            generators[degree][i] = coefficients[i + 1];
    }
    return generators;
}

constexpr Generators generators = makeGenerators();

// Character class used for segmentation: 0 numeric, 1 alphanumeric, 2 byte, 3 Kanji lead byte.
constexpr std::array<unsigned char, 256> characterClasses = [] {
    std::array<unsigned char, 256> classes {};
    classes.fill(QrEncoder::Byte);
    for (int c = '0'; c <= '9'; ++c)
        classes[c] = QrEncoder::Numeric;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[c] = QrEncoder::Alphanumeric;
    for (char c : {' ', '$', '%', '*', '+', '-', '.', '/', ':'})
        classes[static_cast<unsigned char>(c)] = QrEncoder::Alphanumeric;
    for (int c = 0x81; c <= 0x9F; ++c)
        classes[c] = QrEncoder::Kanji;
    for (int c = 0xE0; c <= 0xEB; ++c)
        classes[c] = QrEncoder::Kanji;
    return classes;
}();

constexpr std::array<unsigned char, 256> alphanumericValues = [] {
    std::array<unsigned char, 256> values {};
    for (int c = '0'; c <= '9'; ++c)
        values[c] = static_cast<unsigned char>(c - '0');
    for (int c = 'A'; c <= 'Z'; ++c)
        values[c] = static_cast<unsigned char>(c - 'A' + 10);
    const char symbols[] = " $%*+-./:";
    for (int i = 0; i < 9; ++i)
        values[static_cast<unsigned char>(symbols[i])] = static_cast<unsigned char>(36 + i);
    return values;
}();

// The 13-bit value of a Shift JIS double-byte character.
constexpr int kanjiValue(unsigned char lead, unsigned char trail)
{
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xC1;
    return row * 0xC0 + (trail - 0x40);
}

// A lead byte of 81–9F or E0–EB with a trail byte of 40–7E or 80–FC whose value fits
// the 13 bits of Kanji mode (the lead byte EB stops at the trail byte BF).
constexpr bool isKanjiPair(unsigned char lead, unsigned char trail)
{
    return characterClasses[lead] == QrEncoder::Kanji
           && ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC))
           && kanjiValue(lead, trail) < 0x2000;
}

constexpr std::array<unsigned, 4> modeIndicators = {0x1, 0x2, 0x4, 0x8};

constexpr int countIndicatorBits(int mode, int version)
{
    constexpr int bits[4][3] = {{10, 12, 14}, {9, 11, 13}, {8, 16, 16}, {8, 10, 12}};
    return bits[mode][version <= 9 ? 0 : version <= 26 ? 1 : 2];
}

constexpr int dataBits(int mode, int byteCount)
{
    switch (mode) {
    case QrEncoder::Numeric:
        return 10 * (byteCount / 3) + (byteCount % 3 == 0 ? 0 : byteCount % 3 == 1 ? 4 : 7);
    case QrEncoder::Alphanumeric:
        return 11 * (byteCount / 2) + 6 * (byteCount % 2);
    case QrEncoder::Byte:
        return 8 * byteCount;
    default:
        return 13 * (byteCount / 2);
    }
}

// Characters (Kanji: byte pairs) in a segment of byteCount bytes.
constexpr int characterCount(int mode, int byteCount)
{
    return mode == QrEncoder::Kanji ? byteCount / 2 : byteCount;
}

constexpr int formatBits(int level, int mask)
{
    const int data = static_cast<int>(levelBits[level] << 3) | mask;
    int remainder = data;
    for (int i = 0; i < 10; ++i)
        remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
    return ((data << 10) | remainder) ^ 0x5412;
}

constexpr int versionBits(int version)
{
    int remainder = version;
    for (int i = 0; i < 12; ++i)
        remainder = (remainder << 1) ^ ((remainder >> 11) * 0x1F25);
    return (version << 12) | remainder;
}

// Centre coordinates of the alignment patterns; returns how many.
int alignmentPositions(int version, std::array<int, 7> &positions)
{
    if (version == 1)
        return 0;
    const int count = version / 7 + 2;
    const int size = QrEncoder::moduleCount(version);
    const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
    positions[0] = 6;
    for (int i = count - 1, position = size - 7; i >= 1; --i, position -= step)
        positions[i] = position;
    return count;
}

bool maskCondition(int mask, int row, int column)
{
    switch (mask) {
    case 0: return (row + column) % 2 == 0;
    case 1: return row % 2 == 0;
    case 2: return column % 3 == 0;
    case 3: return (row + column) % 3 == 0;
    case 4: return (row / 2 + column / 3) % 2 == 0;
    case 5: return (row * column) % 2 + (row * column) % 3 == 0;
    case 6: return ((row * column) % 2 + (row * column) % 3) % 2 == 0;
    default: return ((row + column) % 2 + (row * column) % 3) % 2 == 0;
    }
}

// A row or column of modules as bits (bit c = module c, set = dark), in W words.
template <int W>
struct Line {
    std::array<std::uint64_t, W> words {};

    static Line load(const QrEncoder::ModuleLine &bits)
    {
        Line line;
        std::copy_n(bits.begin(), W, line.words.begin());
        return line;
    }
    static Line lowBits(int count)
    {
        Line line;
        for (int i = 0; i < W; ++i) {
            const int bits = std::clamp(count - 64 * i, 0, 64);
            line.words[i] = bits == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << bits) - 1;
        }
        return line;
    }
    static Line bit(int index)
    {
        Line line;
        line.words[index / 64] = std::uint64_t(1) << (index % 64);
        return line;
    }
    Line operator&(const Line &other) const { return combine(other, [](auto a, auto b) { return a & b; }); }
    Line operator|(const Line &other) const { return combine(other, [](auto a, auto b) { return a | b; }); }
    Line andNot(const Line &other) const { return combine(other, [](auto a, auto b) { return a & ~b; }); }
    // Bit i takes bit i + k (0 < k < 64).
    Line down(int k) const
    {
        Line line;
        for (int i = 0; i < W; ++i)
            line.words[i] = (words[i] >> k) | (i + 1 < W ? words[i + 1] << (64 - k) : 0);
        return line;
    }
    // Bit i takes bit i - k (0 < k < 64).
    Line up(int k) const
    {
        Line line;
        for (int i = 0; i < W; ++i)
            line.words[i] = (words[i] << k) | (i > 0 ? words[i - 1] >> (64 - k) : 0);
        return line;
    }
    int count() const
    {
        int total = 0;
        for (std::uint64_t word : words)
            total += std::popcount(word);
        return total;
    }

private:
    template <typename Op>
    Line combine(const Line &other, Op op) const
    {
        Line line;
        for (int i = 0; i < W; ++i)
            line.words[i] = op(words[i], other.words[i]);
        return line;
    }
};

// Runs of five or more (3 + length - 5 each) and the dark-light-dark-dark-dark-light-dark
// pattern with a light module or the edge on both sides (40 each), along one line.
template <int W>
int lineScore(const Line<W> &dark, const Line<W> &inside, int size)
{
    const Line<W> light = inside.andNot(dark);
    int score = 0;
    for (const Line<W> &colour : {dark, light}) {
        // Bit i: modules i..i+4 share the colour; a run of n >= 5 has n - 4 such bits
        // and one of them starts the run.
        const Line<W> fives = colour & colour.down(1) & colour.down(2) & colour.down(3) & colour.down(4);
        const Line<W> runStarts = fives.andNot(colour.up(1));
        score += fives.count() + 2 * runStarts.count();
    }
    if (size < 7)
        return score;
    const Line<W> pattern = dark & light.down(1) & dark.down(2) & dark.down(3) & dark.down(4)
                            & light.down(5) & dark.down(6);
    const Line<W> lightBefore = light.up(1) | Line<W>::bit(0);
    const Line<W> lightAfter = light.down(7) | Line<W>::bit(size - 7);
    return score + 40 * (pattern & lightBefore & lightAfter).count();
}

template <int W>
int scoreLines(const QrEncoder::ModuleLine *rows, const QrEncoder::ModuleLine *columns, int size)
{
    const Line<W> inside = Line<W>::lowBits(size);
    int score = 0;
    int darkCount = 0;
    Line<W> previous;
    for (int i = 0; i < size; ++i) {
        const Line<W> row = Line<W>::load(rows[i]);
        score += lineScore(row, inside, size) + lineScore(Line<W>::load(columns[i]), inside, size);
        darkCount += row.count();
        if (i > 0) {
            // 2 × 2 blocks of one colour with their top left module in the row above.
            const Line<W> dark = previous & previous.down(1) & row & row.down(1);
            const Line<W> lightAbove = inside.andNot(previous);
            const Line<W> lightHere = inside.andNot(row);
            const Line<W> light = lightAbove & lightAbove.down(1) & lightHere & lightHere.down(1);
            score += 3 * ((dark | light).count());
        }
        previous = row;
    }
    const int deviation = std::abs(darkCount * 100 / (size * size) - 50);
    return score + 10 * (deviation / 5);
}

int scoreLines(const QrEncoder::ModuleLine *rows, const QrEncoder::ModuleLine *columns, int size)
{
    if (size <= 64)
        return scoreLines<1>(rows, columns, size);
    if (size <= 128)
        return scoreLines<2>(rows, columns, size);
    return scoreLines<3>(rows, columns, size);
}

void setBit(QrEncoder::ModuleLine &line, int index)
{
    line[index / 64] |= std::uint64_t(1) << (index % 64);
}

// The eight mask patterns as lines of the largest symbol, by rows and by columns.
struct MaskPatterns {
    std::array<std::array<QrEncoder::ModuleLine, QrEncoder::MaxSize>, 8> rows {};
    std::array<std::array<QrEncoder::ModuleLine, QrEncoder::MaxSize>, 8> columns {};
};

const MaskPatterns &maskPatterns()
{
    static const MaskPatterns patterns = [] {
        MaskPatterns built;
        for (int mask = 0; mask < 8; ++mask) {
            for (int row = 0; row < QrEncoder::MaxSize; ++row) {
                for (int column = 0; column < QrEncoder::MaxSize; ++column) {
                    if (maskCondition(mask, row, column)) {
                        setBit(built.rows[mask][row], column);
                        setBit(built.columns[mask][column], row);
                    }
                }
            }
        }
        return built;
    }();
    return patterns;
}

} // namespace

int QrEncoder::dataCodewordCount(int version, int level)
{
    return totalCodewords(version) - blockCount[level][version] * eccPerBlock[level][version];
}

int QrEncoder::characterCapacity(int version, int level, int mode)
{
    const int bits = dataCodewordCount(version, level) * 8 - 4 - countIndicatorBits(mode, version);
    switch (mode) {
    case Numeric: {
        const int rest = bits % 10;
        return 3 * (bits / 10) + (rest >= 7 ? 2 : rest >= 4 ? 1 : 0);
    }
    case Alphanumeric:
        return 2 * (bits / 11) + (bits % 11 >= 6 ? 1 : 0);
    case Byte:
        return bits / 8;
    default:
        return bits / 13;
    }
}

int QrEncoder::penalty(const unsigned char *dark, int size)
{
    std::array<ModuleLine, MaxSize> rows {};
    std::array<ModuleLine, MaxSize> columns {};
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            if (dark[row * size + column]) {
                setBit(rows[row], column);
                setBit(columns[column], row);
            }
        }
    }
    return scoreLines(rows.data(), columns.data(), size);
}

bool QrEncoder::encode(std::span<const unsigned char> data, const Options &options)
{
    m_data = data.data();
    m_length = static_cast<int>(data.size());
    m_options = options;
    m_size = moduleCount(options.version);
    m_dataCodewordCount = dataCodewordCount(options.version, options.level);
    m_bitCount = 0;
    std::fill_n(m_dataCodewords.begin(), m_dataCodewordCount, 0);

    if (m_length > MaxPieceBytes)
        return false;
    if (options.appendCount > 1) {
        // The header holds position and count in four bits each.
        if (options.appendCount > 16 || options.appendPosition < 0
            || options.appendPosition >= options.appendCount)
            return false;
        writeBits(0x3, 4);
        writeBits(static_cast<unsigned>(options.appendPosition), 4);
        writeBits(static_cast<unsigned>(options.appendCount - 1), 4);
        writeBits(static_cast<unsigned>(options.appendParity), 8);
    }
    if (!writeSegments())
        return false;
    finishDataCodewords();
    addErrorCorrection();
    drawFunctionPatterns();
    placeCodewords();
    const int mask = options.mask >= 0 ? options.mask : chooseMask();
    applyMask(mask);
    drawFormatAndVersion(mask);
    m_maskUsed = mask;
    return true;
}

int QrEncoder::classAt(int position) const
{
    if (!m_options.kanjiClasses)
        return Byte;
    const int characterClass = characterClasses[m_data[position]];
    if (characterClass != Kanji)
        return characterClass;
    return position + 1 < m_length && isKanjiPair(m_data[position], m_data[position + 1]) ? Kanji
                                                                                           : Byte;
}

int QrEncoder::runEnd(int position, int characterClass) const
{
    const int step = characterClass == Kanji ? 2 : 1;
    while (position < m_length && classAt(position) == characterClass)
        position += step;
    return position;
}

int QrEncoder::segmentBits(int mode, int byteCount) const
{
    return 4 + countIndicatorBits(mode, m_options.version) + dataBits(mode, byteCount);
}

// The automatic segmentation: a run of one class, widened over the next run or extended
// over a narrower run when one segment costs fewer bits than two (or three, when the
// current mode would have to start again after the narrower run).
QrEncoder::Segment QrEncoder::nextSegment(int begin) const
{
    int mode = classAt(begin);
    int end = runEnd(begin, mode);
    while (end < m_length && mode != Kanji) {
        const int nextClass = classAt(end);
        if (nextClass == Kanji)
            break;
        if (nextClass == mode) {
            end = runEnd(end, mode);
            continue;
        }
        const int runStop = runEnd(end, nextClass);
        const int separate = segmentBits(mode, end - begin) + segmentBits(nextClass, runStop - end);
        if (nextClass > mode) {
            if (separate >= segmentBits(nextClass, runStop - begin)) {
                mode = nextClass;
                end = runStop;
            }
            break;
        }
        const bool currentResumes = runStop < m_length && classAt(runStop) == mode;
        const int separateTotal = separate + (currentResumes ? segmentBits(mode, 0) : 0);
        if (separateTotal < segmentBits(mode, runStop - begin))
            break;
        end = runStop;
    }
    return {mode, begin, end};
}

bool QrEncoder::suitsMode(int mode) const
{
    const unsigned char *end = m_data + m_length;
    switch (mode) {
    case Numeric:
        return std::all_of(m_data, end, [](unsigned char c) { return characterClasses[c] == Numeric; });
    case Alphanumeric:
        return std::all_of(m_data, end, [](unsigned char c) { return characterClasses[c] <= Alphanumeric; });
    case Kanji:
        if (m_length % 2 != 0)
            return false;
        for (int i = 0; i < m_length; i += 2) {
            if (!isKanjiPair(m_data[i], m_data[i + 1]))
                return false;
        }
        return true;
    default:
        return true;
    }
}

bool QrEncoder::writeSegments()
{
    m_modeUsed = -1;
    if (m_options.mode != Automatic) {
        if (!suitsMode(m_options.mode))
            return false;
        return m_length == 0 || writeSegment({m_options.mode, 0, m_length});
    }
    for (int begin = 0; begin < m_length;) {
        const Segment segment = nextSegment(begin);
        if (!writeSegment(segment))
            return false;
        begin = segment.end;
    }
    return true;
}

bool QrEncoder::writeSegment(const Segment &segment)
{
    const int byteCount = segment.end - segment.begin;
    const int countBits = countIndicatorBits(segment.mode, m_options.version);
    const int count = characterCount(segment.mode, byteCount);
    if (count >> countBits != 0
        || m_bitCount + segmentBits(segment.mode, byteCount) > m_dataCodewordCount * 8)
        return false;

    writeBits(modeIndicators[segment.mode], 4);
    writeBits(static_cast<unsigned>(count), countBits);
    const unsigned char *bytes = m_data + segment.begin;
    switch (segment.mode) {
    case Numeric:
        for (int i = 0; i < byteCount; i += 3) {
            const int digits = std::min(3, byteCount - i);
            unsigned value = 0;
            for (int k = 0; k < digits; ++k)
                value = value * 10 + (bytes[i + k] - '0');
            writeBits(value, digits == 3 ? 10 : digits == 2 ? 7 : 4);
        }
        break;
    case Alphanumeric:
        for (int i = 0; i + 1 < byteCount; i += 2)
            writeBits(alphanumericValues[bytes[i]] * 45u + alphanumericValues[bytes[i + 1]], 11);
        if (byteCount % 2 != 0)
            writeBits(alphanumericValues[bytes[byteCount - 1]], 6);
        break;
    case Byte:
        for (int i = 0; i < byteCount; ++i)
            writeBits(bytes[i], 8);
        break;
    default:
        for (int i = 0; i < byteCount; i += 2)
            writeBits(static_cast<unsigned>(kanjiValue(bytes[i], bytes[i + 1])), 13);
        break;
    }
    m_modeUsed = segment.mode;
    return true;
}

// Writes the low bitCount bits of value, most significant first, into zeroed codewords.
void QrEncoder::writeBits(unsigned value, int bitCount)
{
    for (int bit = bitCount - 1; bit >= 0; --bit, ++m_bitCount) {
        if ((value >> bit) & 1u)
            m_dataCodewords[m_bitCount >> 3] |= static_cast<unsigned char>(0x80 >> (m_bitCount & 7));
    }
}

// Terminator (up to four zero bits), zero bits to the byte boundary, then pad codewords.
void QrEncoder::finishDataCodewords()
{
    const int capacityBits = m_dataCodewordCount * 8;
    m_bitCount = std::min(capacityBits, m_bitCount + 4);
    int codeword = (m_bitCount + 7) / 8;
    for (bool first = true; codeword < m_dataCodewordCount; ++codeword, first = !first)
        m_dataCodewords[codeword] = first ? 0xEC : 0x11;
}

// Splits the data codewords into blocks, computes each block's error correction
// codewords and interleaves everything into m_codewords.
void QrEncoder::addErrorCorrection()
{
    const int version = m_options.version;
    const int level = m_options.level;
    const int blocks = blockCount[level][version];
    const int eccLength = eccPerBlock[level][version];
    const int total = totalCodewords(version);
    const int shortBlocks = blocks - total % blocks;
    const int shortDataLength = total / blocks - eccLength;
    const unsigned char *generator = generators[eccLength].data();

    int dataOffset = 0;
    for (int block = 0; block < blocks; ++block) {
        const bool isLong = block >= shortBlocks;
        const int dataLength = shortDataLength + (isLong ? 1 : 0);
        const unsigned char *blockData = m_dataCodewords.data() + dataOffset;
        std::array<unsigned char, MaxEccPerBlock> remainder {};
        for (int i = 0; i < dataLength; ++i) {
            const unsigned char factor = blockData[i] ^ remainder[0];
            std::copy(remainder.begin() + 1, remainder.begin() + eccLength, remainder.begin());
            remainder[eccLength - 1] = 0;
            if (factor != 0) {
                for (int k = 0; k < eccLength; ++k)
                    remainder[k] ^= multiply(generator[k], factor);
            }
        }
        for (int i = 0; i < shortDataLength; ++i)
            m_codewords[i * blocks + block] = blockData[i];
        if (isLong)
            m_codewords[shortDataLength * blocks + block - shortBlocks] = blockData[shortDataLength];
        for (int i = 0; i < eccLength; ++i)
            m_codewords[m_dataCodewordCount + i * blocks + block] = remainder[i];
        dataOffset += dataLength;
    }
    m_codewordCount = total;
}

void QrEncoder::setFunction(int row, int column, bool dark)
{
    const int index = row * m_size + column;
    m_function[index] = 1;
    m_dark[index] = dark ? 1 : 0;
}

// Finder patterns with separators, alignment patterns, timing patterns, and the reserved
// (still light) format and version areas and dark module.
void QrEncoder::drawFunctionPatterns()
{
    const int cells = m_size * m_size;
    std::fill_n(m_function.begin(), cells, 0);
    std::fill_n(m_dark.begin(), cells, 0);
    std::fill_n(m_dataBit.begin(), cells, 0);

    const int finderCentres[3][2] = {{3, 3}, {3, m_size - 4}, {m_size - 4, 3}};
    for (const auto &centre : finderCentres) {
        for (int dr = -4; dr <= 4; ++dr) {
            for (int dc = -4; dc <= 4; ++dc) {
                const int row = centre[0] + dr;
                const int column = centre[1] + dc;
                if (row < 0 || row >= m_size || column < 0 || column >= m_size)
                    continue;
                const int distance = std::max(std::abs(dr), std::abs(dc));
                setFunction(row, column, distance != 2 && distance != 4);
            }
        }
    }

    // Alignment patterns go before the timing patterns: a centre on the timing row or
    // column still gets its pattern; only the centres in the finder corners are skipped.
    std::array<int, 7> positions {};
    const int alignmentCount = alignmentPositions(m_options.version, positions);
    for (int i = 0; i < alignmentCount; ++i) {
        for (int j = 0; j < alignmentCount; ++j) {
            if (m_function[positions[i] * m_size + positions[j]])
                continue;
            for (int dr = -2; dr <= 2; ++dr) {
                for (int dc = -2; dc <= 2; ++dc)
                    setFunction(positions[i] + dr, positions[j] + dc,
                                std::max(std::abs(dr), std::abs(dc)) != 1);
            }
        }
    }

    for (int i = 0; i < m_size; ++i) {
        if (!m_function[6 * m_size + i])
            setFunction(6, i, i % 2 == 0);
        if (!m_function[i * m_size + 6])
            setFunction(i, 6, i % 2 == 0);
    }

    for (int i = 0; i <= 8; ++i) {
        if (!m_function[8 * m_size + i])
            setFunction(8, i, false);
        if (!m_function[i * m_size + 8])
            setFunction(i, 8, false);
    }
    for (int i = 0; i < 8; ++i) {
        setFunction(8, m_size - 1 - i, false);
        setFunction(m_size - 1 - i, 8, false);
    }
    if (m_options.version >= 7) {
        for (int i = 0; i < 18; ++i) {
            setFunction(i / 3, m_size - 11 + i % 3, false);
            setFunction(m_size - 11 + i % 3, i / 3, false);
        }
    }
}

// Codeword bits from the bottom right corner in two-module columns, upwards and
// downwards in turn, skipping function modules and the vertical timing column.
// Remainder modules keep the bit 0.
void QrEncoder::placeCodewords()
{
    const int bitTotal = m_codewordCount * 8;
    int bit = 0;
    for (int right = m_size - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        const bool upward = ((right + 1) & 2) == 0;
        for (int step = 0; step < m_size; ++step) {
            const int row = upward ? m_size - 1 - step : step;
            for (int column = right; column >= right - 1; --column) {
                const int index = row * m_size + column;
                if (m_function[index] || bit >= bitTotal)
                    continue;
                m_dataBit[index] = (m_codewords[bit >> 3] >> (7 - (bit & 7))) & 1;
                ++bit;
            }
        }
    }
}

// Writes the final colours: the mask inverts the data modules where its condition holds.
void QrEncoder::applyMask(int mask)
{
    const auto &patternRows = maskPatterns().rows[mask];
    for (int row = 0; row < m_size; ++row) {
        for (int column = 0; column < m_size; ++column) {
            const int index = row * m_size + column;
            if (!m_function[index]) {
                const bool inverted = (patternRows[row][column / 64] >> (column % 64)) & 1;
                m_dark[index] = m_dataBit[index] ^ (inverted ? 1 : 0);
            }
        }
    }
}

// Scores every mask on the matrix without format and version information; the lowest
// score wins, a tie goes to the lower mask number. The masks are applied a line of
// modules at a time: colour = unmasked colour XOR (pattern AND data module).
int QrEncoder::chooseMask()
{
    std::fill_n(m_unmaskedRows.begin(), m_size, ModuleLine {});
    std::fill_n(m_unmaskedColumns.begin(), m_size, ModuleLine {});
    std::fill_n(m_dataRows.begin(), m_size, ModuleLine {});
    std::fill_n(m_dataColumns.begin(), m_size, ModuleLine {});
    for (int row = 0; row < m_size; ++row) {
        for (int column = 0; column < m_size; ++column) {
            const int index = row * m_size + column;
            if (m_function[index] ? m_dark[index] : m_dataBit[index]) {
                setBit(m_unmaskedRows[row], column);
                setBit(m_unmaskedColumns[column], row);
            }
            if (!m_function[index]) {
                setBit(m_dataRows[row], column);
                setBit(m_dataColumns[column], row);
            }
        }
    }

    const MaskPatterns &patterns = maskPatterns();
    const auto masked = [this](const ModuleLine *unmasked, const ModuleLine *data,
                               const ModuleLine *pattern, ModuleLine *target) {
        for (int line = 0; line < m_size; ++line) {
            for (size_t word = 0; word < target[line].size(); ++word)
                target[line][word] = unmasked[line][word] ^ (pattern[line][word] & data[line][word]);
        }
    };
    int best = 0;
    for (int mask = 0; mask < 8; ++mask) {
        masked(m_unmaskedRows.data(), m_dataRows.data(), patterns.rows[mask].data(), m_maskedRows.data());
        masked(m_unmaskedColumns.data(), m_dataColumns.data(), patterns.columns[mask].data(),
               m_maskedColumns.data());
        m_maskScores[mask] = scoreLines(m_maskedRows.data(), m_maskedColumns.data(), m_size);
        if (m_maskScores[mask] < m_maskScores[best])
            best = mask;
    }
    return best;
}

void QrEncoder::drawFormatAndVersion(int mask)
{
    const int bits = formatBits(m_options.level, mask);
    const auto bitAt = [bits](int i) { return ((bits >> i) & 1) != 0; };
    for (int i = 0; i <= 5; ++i)
        setFunction(i, 8, bitAt(i));
    setFunction(7, 8, bitAt(6));
    setFunction(8, 8, bitAt(7));
    setFunction(8, 7, bitAt(8));
    for (int i = 9; i < 15; ++i)
        setFunction(8, 14 - i, bitAt(i));
    for (int i = 0; i < 8; ++i)
        setFunction(8, m_size - 1 - i, bitAt(i));
    for (int i = 8; i < 15; ++i)
        setFunction(m_size - 15 + i, 8, bitAt(i));

    if (m_options.version >= 7) {
        const int version = versionBits(m_options.version);
        for (int i = 0; i < 18; ++i) {
            const bool dark = ((version >> i) & 1) != 0;
            setFunction(i / 3, m_size - 11 + i % 3, dark);
            setFunction(m_size - 11 + i % 3, i / 3, dark);
        }
    }
    setFunction(m_size - 8, 8, true);
}
