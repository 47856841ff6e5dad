#include "store/NewDatabase.h"

#include "store/DatabaseError.h"
#include "store/MenuTable.h"
#include "store/SqlStatement.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QVariantList>

namespace {

void writeFirstRows(QSqlDatabase &database)
{
    const QString yes = QStringLiteral("是");
    runStatement(database,
        QStringLiteral("INSERT INTO SUser (UName, UPass, Remark, thePY, theM, theD, theE) "
                       "VALUES (?, '', '', ?, ?, ?, ?)"),
        {QStringLiteral("系统管理员"), QStringLiteral("XTGLY"), yes, yes, yes});

    for (const MenuRight &right : menuRights()) {
        runStatement(database, QStringLiteral("INSERT INTO SMenu (MNum, MName) VALUES (?, ?)"),
            {right.code, right.name});
        runStatement(database, QStringLiteral("INSERT INTO SLevel (UID, MNum) VALUES (1, ?)"), {right.code});
    }

    runStatement(database, QStringLiteral("INSERT INTO SUnit (UName) VALUES (?)"),
        {QStringLiteral("晴川朔禾信息科技有限公司")});

    const char *titles[] = {"物品申请单",     "物品采购入库单", "物品退货出库单",
                            "物品领用出库单", "物品借用出库单", "物品归还入库单",
                            "物品调拨单",     "物品报损出库单", "物品报溢入库单"};
    const std::vector<DocumentTables> &kinds = documentTables();
    for (size_t i = 0; i < kinds.size(); ++i) {
        runStatement(database, QStringLiteral("INSERT INTO SDJ (theT, theName) VALUES (?, ?)"),
            {QString::fromLatin1(kinds[i].header), QString::fromUtf8(titles[i])});
    }

    const QString storage = QStringLiteral("物品仓库");
    runStatement(database, QStringLiteral("INSERT INTO SStorage (SName, Remark, thePY) VALUES (?, '', 'WPCK')"),
        {storage});
    runStatement(database, QStringLiteral("INSERT INTO SLW (UID, SName) VALUES (1, ?)"), {storage});

    runStatement(database,
        QStringLiteral("INSERT INTO SMRX (ID, theCK, theJBR, theCGR, theFKC, theTX, theGH, YJMin, "
                       "YJMax, thePZR, Z_LY, Z_JY, Z_GH, Z_DB, ImgPath) "
                       "VALUES (1, 1, '', '', 0, 1, 7, 0, 0, '', 0, 0, 0, 0, '')"));
}

} // namespace

void writeNewDatabase(QSqlDatabase database, SqlEngine engine)
{
    Transaction transaction(database);
    for (const QString &statement : schemaStatements(engine))
        runStatement(database, statement);
    writeFirstRows(database);
    transaction.commit();
}

void createDatabaseFile(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (file.exists())
        throw DatabaseError(QStringLiteral("数据库文件已存在：%1").arg(fileName));
    if (!QDir().mkpath(file.absolutePath()))
        throw DatabaseError(QStringLiteral("无法创建文件夹：%1").arg(file.absolutePath()));

    const QString connection = QStringLiteral("article-newdb-") + file.absoluteFilePath();
    bool written = false;
    QString failure;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(file.absoluteFilePath());
        if (!database.open()) {
            failure = database.lastError().text();
        } else {
            try {
                writeNewDatabase(database, SqlEngine::SQLite);
                written = true;
            } catch (const DatabaseError &error) {
                failure = error.text();
            }
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!written) {
        QFile::remove(file.absoluteFilePath());
        throw DatabaseError(QStringLiteral("无法创建数据库文件：%1\n%2").arg(fileName, failure));
    }
}
