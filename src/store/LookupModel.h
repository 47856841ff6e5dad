#pragma once

#include <QSqlQueryModel>

// The rows of a drop-down list: a query's result, the column whose value the list holds
// (its key) and the column it shows. For storages the key is the ID and the name is
// shown; for every other list both are the name.
class LookupModel : public QSqlQueryModel {
    Q_OBJECT
public:
    LookupModel(int keyColumn, int shownColumn, QObject *parent = nullptr)
        : QSqlQueryModel(parent), m_keyColumn(keyColumn), m_shownColumn(shownColumn) {}

    int keyColumn() const { return m_keyColumn; }
    int shownColumn() const { return m_shownColumn; }

    QVariant keyAt(int row) const { return data(index(row, m_keyColumn)); }
    QString shownAt(int row) const { return data(index(row, m_shownColumn)).toString(); }
    // The first row whose key equals `key` compared as text, or -1.
    int rowOfKey(const QVariant &key) const;

private:
    int m_keyColumn;
    int m_shownColumn;
};
