#pragma once

#include <QStringList>
#include <vector>

// The tables of the database as data: the DDL for either engine is made from it, and the
// tests check the file against it. Every table also has the identity key ID, which is
// not listed here.

enum class ColumnType {
    Integer, // 32-bit integer
    Money,   // fixed point with four decimals (REAL in SQLite, rounded when written)
    YesNo,   // 1 or 0
    Text,    // text; `length` > 0 fixes the longest value
};

struct ColumnDef {
    const char *name;
    ColumnType type;
    int length = 0;
};

struct TableDef {
    const char *name;
    std::vector<ColumnDef> columns;
};

enum class SqlEngine { SQLite, PostgreSQL };

// Every table of the program, system and master data first, then documents, stock,
// ledger and reports.
const std::vector<TableDef> &databaseTables();

// The header and line table of each of the nine document kinds, in the order of SDJ.
struct DocumentTables {
    const char *header;
    const char *lines;
};
const std::vector<DocumentTables> &documentTables();

// CREATE TABLE and CREATE INDEX statements for a new database.
QStringList schemaStatements(SqlEngine engine);
