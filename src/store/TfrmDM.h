#pragma once

#include "store/LookupModel.h"
#include "store/Schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <memory>

struct AppContext;

// The data module: owns the one database connection and the routines every window
// uses to run statements and fill drop-down lists. Values always travel as bound
// parameters ("?"); a failing statement throws DatabaseError.
class TfrmDM {
public:
    explicit TfrmDM(const AppContext &context);
    ~TfrmDM();
    TfrmDM(const TfrmDM &) = delete;
    TfrmDM &operator=(const TfrmDM &) = delete;

    // Opens the database file. A missing file, one that cannot be read or one that is
    // not a database throws DatabaseError with a message for the user; nothing is
    // created on the way.
    void open(const QString &fileName);
    void close();
    QSqlDatabase database() const;
    SqlEngine engine() const { return SqlEngine::SQLite; }

    // The start-up check of the data file: true when its user tables include RUser and
    // SUnit. Another program's database, or an empty one, fails it.
    bool myCheckData();

    // Runs a statement with the values bound in order and returns the query, positioned
    // before the first row.
    QSqlQuery select(const QString &statement, const QVariantList &values = {});
    // The number of rows the statement returns.
    int myRetCount(const QString &statement, const QVariantList &values = {});
    // Runs a statement without result (INSERT, UPDATE, DELETE). The statement is prepared
    // once and kept, so a save that runs it per line prepares it only once.
    void myESQL(const QString &statement, const QVariantList &values = {});
    // Runs an INSERT and returns the ID the database gave the new row.
    int insertRow(const QString &statement, const QVariantList &values = {});
    // The name under which the item's attached file is kept ("12.pdf"), or empty text
    // when the item has no file row or more than one.
    QString myRetAF(int articleId);

    // Stock and numbering. Keys and quantities travel as decimal text, as the windows
    // hold them; text that is not a number throws InputError before anything is written.

    // Adds the signed quantity `delta` to the balance of item `aid` in storage `sid`,
    // creating the balance row at the first movement. Empty text in any argument
    // changes nothing.
    void SaveWare(const QString &aid, const QString &delta, const QString &sid);
    // The balance of (storage, item) as text; "0" when there is no single such row.
    QString myRetKCCount(const QString &sid, const QString &aid);
    // Appends a ledger row of kind `theType` (see LedgerKinds.h) with the balance of
    // (storage, item) as it stands now: call it after SaveWare of the same movement.
    void mySaveUWList(const QString &theType, const QString &theNum, const QString &sid,
                      const QString &aid, const QString &theIn, const QString &theOut);
    // The next number for `tableName` (a document header table or "UArticle"): "yymmdd"
    // of the login date and the day's count of its rows plus one, at least four digits.
    // Call it inside the transaction of the save that writes the row.
    QString NewNum(const QString &tableName);

    // The drop-down lists. Each call makes a new list, so windows never share rows.
    std::unique_ptr<LookupModel> DBComDepartment();
    std::unique_ptr<LookupModel> DBComPerson(const QString &departmentName);
    std::unique_ptr<LookupModel> DBComStorage();
    std::unique_ptr<LookupModel> DBComPersonAll();
    std::unique_ptr<LookupModel> DBComAType();
    std::unique_ptr<LookupModel> DBComSUser();
    std::unique_ptr<LookupModel> DBComSPlace();
    std::unique_ptr<LookupModel> DBComUAPack();

private:
    // The kept statement of this text, prepared at its first use.
    QSqlQuery &prepared(const QString &statement);
    // The first column of every row of a kept statement.
    QVariantList firstColumn(const QString &statement, const QVariantList &values);
    std::unique_ptr<LookupModel> lookup(const QString &statement, const QVariantList &values,
                                        int keyColumn, int shownColumn);

    const AppContext &m_context;
    QString m_connectionName;
    QHash<QString, QSqlQuery> m_prepared;
};

// "?, ?, ?" for a list of `count` bound values, for IN (...).
QString placeholders(qsizetype count);
