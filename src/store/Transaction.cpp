#include "store/Transaction.h"

#include "store/DatabaseError.h"

#include <QSqlError>

Transaction::Transaction(QSqlDatabase database) : m_database(std::move(database))
{
    if (!m_database.transaction())
        throw DatabaseError(m_database.lastError().text());
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open)
        m_database.rollback();
}

void Transaction::commit()
{
    if (!m_database.commit()) {
        const QString text = m_database.lastError().text();
        m_database.rollback();
        m_open = false;
        throw DatabaseError(text);
    }
    m_open = false;
}
