#pragma once
// The pinyin initials code stored in the thePY column of named rows, so that users find
// 物品仓库 by typing "WPCK".
#include <QByteArray>
#include <QString>

enum PinyinFlag : int {
    PinyinWholeSyllables = 0x1,      // whole syllables ("WUPIN") instead of initials ("WP")
    PinyinMarkUnknown = 0x2,         // "?" for a Chinese-area character without a reading
    PinyinKeepAllSingleBytes = 0x4,  // keep ASCII punctuation and spaces, not only letters and digits
};

// What every save of a name uses: initials, "?" for unknown characters, at most 255 characters.
inline constexpr int PinyinUsualFlags = PinyinMarkUnknown;
inline constexpr int PinyinUsualMaxLength = 255;

// Walks GBK-encoded text: Chinese characters give the capital initial (or whole syllable) of
// their pinyin, ASCII letters and digits are kept in capitals, full-width ASCII, circled and
// Roman numbers and Greek letters are spelled out. A negative flags value gives empty text;
// the result is cut to maxLength characters.
QString PinyinCode(const QByteArray &gbkText, int flags, int maxLength);

// The same for text that is first encoded to GBK.
QString PinyinCode(const QString &text, int flags = PinyinUsualFlags,
                   int maxLength = PinyinUsualMaxLength);
