#pragma once

#include "store/Schema.h"

#include <QString>

// The few pieces of SQL that differ between the engines. Everything else the program
// writes is plain SQL both understand (LIMIT, LIKE with %, INSERT ... RETURNING).

// Whole days from the "yyyy-MM-dd" text `dateExpression` to today.
QString daysUntilToday(SqlEngine engine, const QString &dateExpression);

// Today's date as "yyyy-MM-dd" text.
QString todayText(SqlEngine engine);

// The COLLATE clause that orders Chinese text by pinyin, as a Chinese reader expects:
// the PINYIN collation registered on SQLite connections (PinyinCollation.h), a zh
// collation on PostgreSQL.
QString pinyinCollation(SqlEngine engine);
