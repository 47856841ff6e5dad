#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;
class QPrinter;

// Every message box, Yes/No question, file or folder picker, "open this file or URL"
// and print preview goes through this interface. The program uses QtDialogs; tests
// install a scripted implementation that records messages and answers questions.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box: a failed check, a success report.
    virtual void information(QWidget *parent, const QString &text, const QString &caption) = 0;
    // A warning box.
    virtual void warning(QWidget *parent, const QString &text, const QString &caption) = 0;
    // An error box: a failure the user cannot fix in the window (database errors).
    virtual void error(QWidget *parent, const QString &text, const QString &caption) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &caption) = 0;
    // The same question with No as the default answer, so Enter alone answers No: for
    // questions before a step that cannot be undone.
    virtual bool questionDefaultNo(QWidget *parent, const QString &text,
                                   const QString &caption) = 0;

    // File and folder pickers; an empty result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &dir) = 0;

    // Hands a file or a web address to the desktop; false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;

    // Shows the print preview of pages that `paint` draws onto the printer it is given.
    virtual void printPreview(QWidget *parent, const QString &caption,
                              const std::function<void(QPrinter *)> &paint) = 0;

    // Ends the program once control returns to the event loop. Windows whose changes
    // take effect only at the next start ask for it here.
    virtual void quitProgram() = 0;
};
