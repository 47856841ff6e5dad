#pragma once

#include <QString>

class QSqlDatabase;

// The order in which a Chinese reader expects names: Chinese characters by their pinyin
// (安 before 北 before 张), characters of one syllable by code point, everything else
// (digits, Latin letters, punctuation) before the Chinese characters, by code point.
// Negative, zero or positive as in strcmp.
int comparePinyin(const QString &left, const QString &right);

// Registers this order as the collation PINYIN on an open SQLite connection, so
// statements can say "order by AName COLLATE PINYIN". False when the connection is not
// an SQLite one or the registration failed.
bool registerPinyinCollation(const QSqlDatabase &database);
