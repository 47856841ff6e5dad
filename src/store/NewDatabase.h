#pragma once

#include "store/Schema.h"

#include <QSqlDatabase>
#include <QString>

// Writes the tables and the first rows of a new database into an open, empty database:
// the administrator "系统管理员" with every right, the menu list, the organisation name,
// the nine document kinds, the storage "物品仓库" and the default settings. All of it
// or nothing: a failure throws DatabaseError and leaves the database as it was.
void writeNewDatabase(QSqlDatabase database, SqlEngine engine);

// Creates the SQLite file `fileName` (and its folder) holding a new database. Refuses a
// file that already exists, so a working database is never overwritten.
void createDatabaseFile(const QString &fileName);
