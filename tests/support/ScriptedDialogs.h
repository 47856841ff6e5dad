#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

// Dialogs for tests: records every message, answers questions and pickers from queues
// filled by the test, and records the addresses handed to the desktop. A question with
// no queued answer is answered No and recorded, so a test sees it was asked.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Information, Warning, Error, Question };
    struct Message {
        Kind kind;
        QString caption;
        QString text;
        bool defaultNo = false; // a question whose default answer is No
    };

    QList<Message> messages;
    QList<bool> answers;            // answers to the next questions, first first
    QStringList fileNames;          // results of the next file or folder pickers
    QList<QUrl> openedUrls;
    int previews = 0;
    int quitRequests = 0;           // how often a window asked to end the program
    // Called with the printer of each preview so a test can render the pages.
    std::function<void(const std::function<void(QPrinter *)> &)> onPreview;

    // The texts of all messages so far, in order.
    QStringList texts() const;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    void clear() { messages.clear(); }

    void information(QWidget *, const QString &text, const QString &caption) override;
    void warning(QWidget *, const QString &text, const QString &caption) override;
    void error(QWidget *, const QString &text, const QString &caption) override;
    bool question(QWidget *, const QString &text, const QString &caption) override;
    bool questionDefaultNo(QWidget *, const QString &text, const QString &caption) override;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override;
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override;
    QString existingDirectory(QWidget *, const QString &, const QString &) override;
    bool openUrl(const QUrl &url) override;
    void printPreview(QWidget *, const QString &,
                      const std::function<void(QPrinter *)> &paint) override;
    void quitProgram() override { ++quitRequests; }

private:
    QString nextFileName();
};
