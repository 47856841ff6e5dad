// Backup of the open database and restore of a checked backup.
#include "admin/DatabaseFiles.h"
#include "admin/TfrmBackup.h"
#include "admin/TfrmRecover.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList departments(QSqlDatabase database)
{
    QStringList names;
    QSqlQuery query(QStringLiteral("select DName from SDepartment order by ID"), database);
    while (query.next())
        names << query.value(0).toString();
    return names;
}

// Runs `use` on a connection of its own to the SQLite file `path`.
void withConnection(const QString &path, const std::function<void(QSqlDatabase)> &use)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        use(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

struct Backup : ::testing::Test {
    TestDatabase db;
    QTemporaryDir folder;
    QDir target{folder.filePath(QStringLiteral("O'Neil 备份"))};

    Backup() { QDir().mkpath(target.path()); }

    // Chooses `folder` in the dialog, presses "备份" and returns the message.
    QString backUpInto(const QString &folder)
    {
        TfrmBackup dialog(db.services);
        dialog.show();
        db.dialogs.fileNames = {folder};
        dialog.chooseButton()->click();
        dialog.actionButton()->click();
        EXPECT_FALSE(dialog.isVisible());
        return db.dialogs.lastText();
    }
};

TEST(BackupPath, IsTheLoginDateInTheChosenFolder)
{
    EXPECT_EQ(backupPath("/media/usb", "2026-03-15"), "/media/usb/2026-03-15.edb");
    EXPECT_EQ(backupPath("/media/usb/", "2026-03-15"), "/media/usb/2026-03-15.edb");
    EXPECT_EQ(backupPath("/", "2026-03-15"), "/2026-03-15.edb");
}

TEST_F(Backup, AnEmptyPathIsRefusedAndACancelledPickerEmptiesThePath)
{
    TfrmBackup dialog(db.services);
    dialog.show();
    dialog.pathEdit()->setText(QStringLiteral("/old/choice.edb"));
    dialog.chooseButton()->click(); // no folder chosen
    EXPECT_TRUE(dialog.pathEdit()->text().isEmpty());
    dialog.actionButton()->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("路径不能为空！"));
    EXPECT_TRUE(dialog.isVisible());
    saveScreenshot(dialog, QStringLiteral("frmBackup"));
}

TEST_F(Backup, TakenDuringAnotherConnectionsWriteItHoldsTheLastCommit)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('已提交', '', '')"));
    QString message;
    withConnection(db.databasePath(), [&](QSqlDatabase other) {
        QSqlQuery write(other);
        ASSERT_TRUE(write.exec(QStringLiteral("BEGIN IMMEDIATE")));
        ASSERT_TRUE(write.exec(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('未提交', '', '')")));
        message = backUpInto(target.path());
        write.exec(QStringLiteral("ROLLBACK"));
    });
    EXPECT_EQ(message, QStringLiteral("数据备份成功！"));
    const QString copy = target.filePath(QStringLiteral("2026-03-15.edb"));
    EXPECT_EQ(databaseFileProblem(copy), QString());
    withConnection(copy, [&](QSqlDatabase backup) { EXPECT_EQ(departments(backup), departments(db.dm.database())); });
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"2026-03-15.edb"});

    // A second backup of the same day replaces the first without asking.
    db.dm.myESQL(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('第二次', '', '')"));
    EXPECT_EQ(backUpInto(target.path()), QStringLiteral("数据备份成功！"));
    withConnection(copy, [&](QSqlDatabase backup) { EXPECT_TRUE(departments(backup).contains("第二次")); });
}

TEST_F(Backup, AFolderThatCannotBeWrittenGivesTheFailureAndLeavesNothing)
{
    const QString readOnly = target.filePath(QStringLiteral("read-only"));
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // The superuser ignores permissions: make the folder immutable instead.
    const bool immutable = QFileInfo(readOnly).isWritable()
        && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), readOnly}) == 0;
    if (QFileInfo(readOnly).isWritable() && !immutable)
        GTEST_SKIP() << "no way to make a readOnly read-only here";
    const QString message = backUpInto(readOnly);
    const QStringList left = QDir(readOnly).entryList(QDir::Files | QDir::Hidden);
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), readOnly});
    EXPECT_EQ(message, QStringLiteral("数据备份失败！"));
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();

    EXPECT_EQ(backUpInto(target.filePath(QStringLiteral("missing/folder"))), QStringLiteral("数据备份失败！"));
}

struct Restore : ::testing::Test {
    TestDatabase db;
    QTemporaryDir files;
    QString backup = files.filePath(QStringLiteral("good.edb"));

    Restore() { EXPECT_TRUE(backupDatabase(db.dm, backup)); }

    // Chooses `file`, presses "恢复" and answers the question with `yes`.
    QString restoreFrom(const QString &file, bool yes = true)
    {
        TfrmRecover dialog(db.services);
        dialog.show();
        db.dialogs.fileNames = {file};
        dialog.chooseButton()->click();
        db.dialogs.answers = {yes};
        dialog.actionButton()->click();
        return db.dialogs.lastText();
    }
    QString copyOfBackup(const QString &name, const char *change)
    {
        const QString path = files.filePath(name);
        QFile::copy(backup, path);
        withConnection(path, [change](QSqlDatabase database) {
            EXPECT_TRUE(QSqlQuery(database).exec(QLatin1String(change)));
        });
        return path;
    }
    QString fileWith(const QString &name, const QByteArray &content)
    {
        const QString path = files.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
};

TEST_F(Restore, RefusesEveryFileThatIsNotADatabaseOfThisProgram)
{
    QFile whole(backup);
    whole.open(QIODevice::ReadOnly);
    const QByteArray bytes = whole.readAll();
    const QString otherProgram = files.filePath(QStringLiteral("other.edb"));
    withConnection(otherProgram, [](QSqlDatabase database) {
        QSqlQuery(database).exec(QStringLiteral("create table notes(ID integer primary key, body text)"));
    });
    const struct { const char *what; QString file; } cases[] = {
        {"a renamed text file", fileWith(QStringLiteral("text.edb"), "这不是数据库\n")},
        {"an empty file", fileWith(QStringLiteral("empty.edb"), {})},
        {"a truncated backup", fileWith(QStringLiteral("cut.edb"), bytes.left(bytes.size() / 2))},
        {"another program's database", otherProgram},
        {"a missing column", copyOfBackup(QStringLiteral("column.edb"), "alter table UArticle drop column Remark")},
        {"no settings row", copyOfBackup(QStringLiteral("settings.edb"), "delete from SMRX")},
        {"no user", copyOfBackup(QStringLiteral("users.edb"), "delete from SUser")},
        {"the live file itself", db.databasePath()},
    };
    const QByteArray before = fileHash(db.databasePath());
    for (const auto &c : cases) {
        EXPECT_EQ(restoreFrom(c.file), QStringLiteral("数据恢复失败！")) << c.what;
        EXPECT_EQ(fileHash(db.databasePath()), before) << c.what;
        EXPECT_EQ(db.value(QStringLiteral("select UName from SUser where ID=1")).toString(), QStringLiteral("系统管理员"))
            << c.what;
    }
    EXPECT_EQ(QDir(db.folder.filePath(QStringLiteral("Data"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{"db.edb"});
}

TEST_F(Restore, AGoodBackupReplacesTheDatabaseAndLaterWritesSurviveARestart)
{
    db.dm.myESQL(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('备份之后', '', '')"));
    EXPECT_EQ(restoreFrom(backup), QStringLiteral("数据恢复成功！"));
    EXPECT_EQ(db.dialogs.messages.at(db.dialogs.messages.size() - 2).caption, QStringLiteral("恢复数据"));
    EXPECT_FALSE(departments(db.dm.database()).contains("备份之后"));
    db.dm.myESQL(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('恢复之后', '', '')"));

    TfrmDM restarted(db.context);
    db.dm.close();
    restarted.open(db.databasePath());
    EXPECT_TRUE(departments(restarted.database()).contains("恢复之后"));
    EXPECT_EQ(QDir(db.folder.filePath(QStringLiteral("Data"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{"db.edb"});
}

TEST_F(Restore, NoOrEnterChangesNothingAndAnEmptyPathIsRefused)
{
    const QByteArray before = fileHash(db.databasePath());
    db.dm.myESQL(QStringLiteral("insert into SDepartment(DName, thePY, Remark) values('保留', '', '')"));
    const QByteArray changed = fileHash(db.databasePath());
    EXPECT_NE(changed, before);
    restoreFrom(backup, false);
    const ScriptedDialogs::Message question = db.dialogs.messages.last();
    EXPECT_EQ(question.text, QStringLiteral("确认要恢复数据吗?"));
    EXPECT_TRUE(question.defaultNo); // Enter answers No
    EXPECT_EQ(fileHash(db.databasePath()), changed);

    TfrmRecover dialog(db.services);
    dialog.show();
    dialog.actionButton()->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("请选择备份文件"));
    EXPECT_TRUE(dialog.isVisible());
    saveScreenshot(dialog, QStringLiteral("frmRecover"));
}

} // namespace
