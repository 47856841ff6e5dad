#pragma once

#include <array>
#include <cstdint>
#include <span>

// Encodes one QR Code symbol (ISO/IEC 18004, model 2, versions 1..40) from data bytes
// into a module matrix. Pure computation: every buffer has its fixed maximum size, the
// standard's tables are built at compile time, and encoding allocates nothing.
class QrEncoder {
public:
    static constexpr int MaxVersion = 40;
    static constexpr int MaxSize = 17 + 4 * MaxVersion;
    static constexpr int MaxCodewords = 3706;     // version 40
    static constexpr int MaxDataCodewords = 2956; // version 40, level L
    static constexpr int MaxPieceBytes = 7089;    // numeric digits of version 40, level L

    // A row or column of modules as bits, bit i for module i.
    using ModuleLine = std::array<std::uint64_t, 3>;

    enum Mode { Automatic = -1, Numeric = 0, Alphanumeric = 1, Byte = 2, Kanji = 3 };

    struct Options {
        int version = 1;          // 1..40
        int level = 0;            // 0..3 = L, M, Q, H
        int mode = Automatic;     // Automatic or one Mode for the whole symbol
        int mask = -1;            // -1 chooses the mask by score, else 0..7
        bool kanjiClasses = false; // automatic mode: tell digits, letters and Shift JIS pairs apart
        // Structured Append header, written when appendCount > 1.
        int appendPosition = 0;   // 0-based position of this symbol
        int appendCount = 0;
        int appendParity = 0;
    };

    // Encodes data with the options; false when the data does not fit or does not suit
    // a forced mode. The matrix and codewords are valid only after a true result.
    bool encode(std::span<const unsigned char> data, const Options &options);

    int size() const { return m_size; }
    bool isDark(int row, int column) const { return m_dark[row * m_size + column] != 0; }
    int maskUsed() const { return m_maskUsed; }
    // Mode of the last segment written; -1 when the symbol holds no segment.
    int modeUsed() const { return m_modeUsed; }
    // Scores of the eight masks from the last automatic choice.
    const std::array<int, 8> &maskScores() const { return m_maskScores; }
    std::span<const unsigned char> dataCodewords() const
    {
        return {m_dataCodewords.data(), size_t(m_dataCodewordCount)};
    }

    static int moduleCount(int version) { return 17 + 4 * version; }
    static int dataCodewordCount(int version, int level);
    // Characters of one mode that fit a symbol with one segment.
    static int characterCapacity(int version, int level, int mode);
    // Mask score of a square of modules (nonzero = dark), row by row.
    static int penalty(const unsigned char *dark, int size);

private:
    struct Segment {
        int mode;
        int begin;
        int end;
    };

    int classAt(int position) const;
    int runEnd(int position, int characterClass) const;
    int segmentBits(int mode, int byteCount) const;
    Segment nextSegment(int begin) const;
    bool suitsMode(int mode) const;
    bool writeSegments();
    bool writeSegment(const Segment &segment);
    void writeBits(unsigned value, int bitCount);
    void finishDataCodewords();
    void addErrorCorrection();
    void drawFunctionPatterns();
    void setFunction(int row, int column, bool dark);
    void placeCodewords();
    void applyMask(int mask);
    int chooseMask();
    void drawFormatAndVersion(int mask);

    // Current input.
    const unsigned char *m_data = nullptr;
    int m_length = 0;
    Options m_options;
    int m_size = 0;

    // Bit stream of the data codewords.
    std::array<unsigned char, MaxDataCodewords> m_dataCodewords {};
    int m_dataCodewordCount = 0;
    int m_bitCount = 0;

    std::array<unsigned char, MaxCodewords> m_codewords {};
    int m_codewordCount = 0;

    // Module matrix, m_size × m_size, row by row: the final colour, the unmasked data
    // bit and the function-module flag.
    std::array<unsigned char, MaxSize * MaxSize> m_dark {};
    std::array<unsigned char, MaxSize * MaxSize> m_dataBit {};
    std::array<unsigned char, MaxSize * MaxSize> m_function {};

    // Lines for scoring the masks: the colours before masking, the data modules (which
    // the mask inverts), and the masked colours, by rows and by columns.
    std::array<ModuleLine, MaxSize> m_unmaskedRows {};
    std::array<ModuleLine, MaxSize> m_unmaskedColumns {};
    std::array<ModuleLine, MaxSize> m_dataRows {};
    std::array<ModuleLine, MaxSize> m_dataColumns {};
    std::array<ModuleLine, MaxSize> m_maskedRows {};
    std::array<ModuleLine, MaxSize> m_maskedColumns {};

    int m_maskUsed = -1;
    int m_modeUsed = -1;
    std::array<int, 8> m_maskScores {};
};
