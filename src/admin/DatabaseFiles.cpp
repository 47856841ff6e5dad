#include "admin/DatabaseFiles.h"

#include "store/DatabaseError.h"
#include "store/Schema.h"
#include "store/TfrmDM.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <filesystem>
#include <memory>

namespace {

const QByteArray kSqliteHeader("SQLite format 3\0", 16);

bool hasSqliteHeader(const QString &file)
{
    QFile data(file);
    return data.open(QIODevice::ReadOnly) && data.read(16) == kSqliteHeader;
}

// The checks of a database file on a read-only connection of its own.
QString checkOpenDatabase(QSqlDatabase database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next()
        || query.value(0).toString() != QStringLiteral("ok"))
        return QStringLiteral("damaged");
    for (const TableDef &table : databaseTables()) {
        const QString name = QLatin1String(table.name);
        QSet<QString> columns;
        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)))
            return QStringLiteral("unreadable table ") + name;
        while (query.next())
            columns.insert(query.value(1).toString().toLower());
        if (!columns.contains(QStringLiteral("id")))
            return QStringLiteral("missing table ") + name;
        for (const ColumnDef &column : table.columns) {
            if (!columns.contains(QString::fromLatin1(column.name).toLower()))
                return QStringLiteral("missing column %1.%2").arg(name, QLatin1String(column.name));
        }
    }
    const auto count = [&query](const char *statement) {
        return query.exec(QLatin1String(statement)) && query.next() ? query.value(0).toInt() : 0;
    };
    if (count("select count(*) from SMRX where ID=1") != 1)
        return QStringLiteral("no settings row");
    if (count("select count(*) from SUser") < 1)
        return QStringLiteral("no user");
    return {};
}

bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(a.toStdString(), b.toStdString(), error);
}

bool renameOver(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(from.toStdString(), to.toStdString(), error);
    return !error;
}

// An empty temporary file in `folder`, removed when it goes out of scope unless kept.
std::unique_ptr<QTemporaryFile> temporaryBeside(const QString &folder)
{
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/.article-XXXXXX.tmp"));
    if (!file->open())
        return nullptr;
    file->close();
    return file;
}

} // namespace

QString backupPath(const QString &folder, const QString &loginDate)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + loginDate + QStringLiteral(".edb"));
}

bool backupDatabase(TfrmDM &dm, const QString &target)
{
    const std::unique_ptr<QTemporaryFile> copy = temporaryBeside(QFileInfo(target).absolutePath());
    if (!copy)
        return false;
    try {
        dm.myESQL(QStringLiteral("VACUUM INTO ?"), {copy->fileName()});
    } catch (const DatabaseError &) {
        return false;
    }
    if (!databaseFileProblem(copy->fileName()).isEmpty() || !renameOver(copy->fileName(), target))
        return false;
    copy->setAutoRemove(false); // it has become the backup
    return true;
}

QString databaseFileProblem(const QString &file)
{
    if (!QFileInfo(file).isFile() || !hasSqliteHeader(file))
        return QStringLiteral("not an SQLite database");
    static int number = 0;
    const QString connection = QStringLiteral("article-check-%1").arg(++number);
    QString problem;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(file);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        problem = database.open() ? checkOpenDatabase(database) : database.lastError().text();
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return problem;
}

bool restoreDatabase(TfrmDM &dm, const QString &chosen)
{
    const QString live = dm.database().databaseName();
    if (sameFile(chosen, live) || !databaseFileProblem(chosen).isEmpty())
        return false;
    // Copy first, beside the live file, and check the copy: the chosen file may change
    // or be cut short while it is read.
    const std::unique_ptr<QTemporaryFile> incoming = temporaryBeside(QFileInfo(live).absolutePath());
    if (!incoming || !QFile::remove(incoming->fileName()) || !QFile::copy(chosen, incoming->fileName())
        || !databaseFileProblem(incoming->fileName()).isEmpty())
        return false;

    const QString kept = live + QStringLiteral(".before-restore");
    QFile::remove(kept);
    dm.close();
    bool restored = renameOver(live, kept) && renameOver(incoming->fileName(), live);
    if (restored) {
        incoming->setAutoRemove(false);
        try {
            dm.open(live);
            restored = dm.myCheckData() && databaseFileProblem(live).isEmpty();
        } catch (const DatabaseError &) {
            restored = false;
        }
    }
    if (restored) {
        QFile::remove(kept);
        return true;
    }
    // Put the kept database back.
    dm.close();
    if (QFileInfo::exists(kept)) {
        QFile::remove(live);
        renameOver(kept, live);
    }
    dm.open(live);
    return false;
}
