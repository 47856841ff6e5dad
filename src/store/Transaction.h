#pragma once

#include <QSqlDatabase>

// One user action that writes runs inside one Transaction: it begins on construction,
// commit() makes the writes permanent, and leaving the scope without commit() — an
// early return or an exception — rolls every write back.
class Transaction {
public:
    explicit Transaction(QSqlDatabase database);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    QSqlDatabase m_database;
    bool m_open = false;
};
