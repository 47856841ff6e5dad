#pragma once

#include <QString>

class TfrmDM;

// Backup and restore of the program's database file. The open database is copied with
// SQLite's VACUUM INTO, which reads one consistent state even while another connection
// is writing; a restored file replaces the live one only after it has been checked.

// Where a backup into `folder` goes: the login date as file name ("2026-03-15.edb").
QString backupPath(const QString &folder, const QString &loginDate);

// Writes a copy of the open database to `target`, replacing a file of that name. The
// copy goes to a temporary file beside it, is checked and then renamed into place, so
// a failure leaves no partial file behind. False on any failure.
bool backupDatabase(TfrmDM &dm, const QString &target);

// Why `file` is not a database of this program (not SQLite, damaged, a table or column
// missing, no settings row, no user), or empty text when it is one.
QString databaseFileProblem(const QString &file);

// Replaces the open database by the checked copy of `chosen` and opens it. The current
// file is kept until the restored one has opened and passed the same checks; on any
// failure it is put back and opened again. False when nothing was restored.
bool restoreDatabase(TfrmDM &dm, const QString &chosen);
