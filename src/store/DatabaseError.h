#pragma once

#include <QString>
#include <stdexcept>

// A statement or connection that failed. It carries the engine's text so the error box
// can show it; the action that raised it has been rolled back by its Transaction.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// Input that cannot be stored, such as a quantity that is not a number. Thrown before
// any statement runs, with a message for the user.
class InputError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};
