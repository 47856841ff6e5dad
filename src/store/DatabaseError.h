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
