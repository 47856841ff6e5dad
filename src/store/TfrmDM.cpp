#include "store/TfrmDM.h"

#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/PinyinCollation.h"
#include "store/SqlStatement.h"

#include <QFileInfo>
#include <QSqlError>
#include <QStringList>

namespace {

int nextConnectionNumber()
{
    static int number = 0;
    return ++number;
}

} // namespace

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

TfrmDM::TfrmDM(const AppContext &context)
    : m_context(context),
      m_connectionName(QStringLiteral("article-%1").arg(nextConnectionNumber()))
{
}

TfrmDM::~TfrmDM()
{
    close();
}

void TfrmDM::open(const QString &fileName)
{
    close();
    const QFileInfo file(fileName);
    if (!file.exists())
        throw DatabaseError(QStringLiteral("找不到数据库文件：%1").arg(fileName));
    if (!file.isFile() || !file.isReadable())
        throw DatabaseError(QStringLiteral("无法读取数据库文件：%1").arg(fileName));

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    database.setDatabaseName(fileName);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    QString failure;
    if (!database.open()) {
        failure = database.lastError().text();
    } else {
        // SQLite reads the file only at the first statement: ask it now, so a file that is
        // not a database is refused here and not in the middle of some window.
        QSqlQuery probe(database);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            failure = probe.lastError().text();
    }
    if (!failure.isEmpty()) {
        close();
        throw DatabaseError(QStringLiteral("无法打开数据库文件：%1\n%2").arg(fileName, failure));
    }
    registerPinyinCollation(database);
}

void TfrmDM::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase TfrmDM::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool TfrmDM::myCheckData()
{
    QString names;
    for (const QString &table : database().tables(QSql::Tables))
        names += table + QLatin1Char('|');
    return names.contains(QStringLiteral("RUser|")) && names.contains(QStringLiteral("SUnit|"));
}

QSqlQuery TfrmDM::select(const QString &statement, const QVariantList &values)
{
    return runStatement(database(), statement, values, ResultRows::ForwardOnly);
}

int TfrmDM::myRetCount(const QString &statement, const QVariantList &values)
{
    QSqlQuery query = select(statement, values);
    int rows = 0;
    while (query.next())
        ++rows;
    return rows;
}

void TfrmDM::myESQL(const QString &statement, const QVariantList &values)
{
    runStatement(database(), statement, values);
}

int TfrmDM::insertRow(const QString &statement, const QVariantList &values)
{
    QSqlQuery query = select(statement + QStringLiteral(" RETURNING ID"), values);
    if (!query.next())
        throw DatabaseError(QStringLiteral("no ID returned\n") + statement);
    return query.value(0).toInt();
}

QString TfrmDM::myRetAF(int articleId)
{
    QSqlQuery query = select(QStringLiteral("SELECT AID, FType, FSize FROM UAFiles WHERE (AID = ?)"),
                             {articleId});
    QString fileName;
    int rows = 0;
    while (query.next()) {
        ++rows;
        fileName = query.value(0).toString() + QLatin1Char('.') + query.value(1).toString();
    }
    return rows == 1 ? fileName : QString();
}

std::unique_ptr<LookupModel> TfrmDM::lookup(const QString &statement, const QVariantList &values,
                                            int keyColumn, int shownColumn)
{
    QSqlQuery query = runStatement(database(), statement, values);
    auto model = std::make_unique<LookupModel>(keyColumn, shownColumn);
    model->setQuery(std::move(query));
    while (model->canFetchMore())
        model->fetchMore();
    return model;
}

std::unique_ptr<LookupModel> TfrmDM::DBComDepartment()
{
    return lookup(QStringLiteral("select DName from SDepartment"), {}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComPerson(const QString &departmentName)
{
    return lookup(QStringLiteral("select PName from SPerson where DName=?"), {departmentName}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComStorage()
{
    // An empty storage list means the user may work with every storage.
    QString statement = QStringLiteral("select ID, SName from SStorage");
    QVariantList values;
    if (!m_context.UserStorages.isEmpty()) {
        statement += QStringLiteral(" where SName IN (%1)").arg(placeholders(m_context.UserStorages.size()));
        for (const QString &name : m_context.UserStorages)
            values << name;
    }
    return lookup(statement, values, 0, 1);
}

std::unique_ptr<LookupModel> TfrmDM::DBComPersonAll()
{
    return lookup(QStringLiteral("select PName from SPerson"), {}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComAType()
{
    return lookup(QStringLiteral("select theName from UAType"), {}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComSUser()
{
    return lookup(QStringLiteral("select UName from SUser"), {}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComSPlace()
{
    return lookup(QStringLiteral("select PName from SPlace"), {}, 0, 0);
}

std::unique_ptr<LookupModel> TfrmDM::DBComUAPack()
{
    return lookup(QStringLiteral("select theName from UAPack"), {}, 0, 0);
}
