#pragma once

#include <QApplication>

class Dialogs;

// The application object. An error that escapes an event handler (a database error in
// the middle of an action, whose transaction has already rolled back) is shown in an
// error box instead of ending the program.
class ArticleApplication : public QApplication {
    Q_OBJECT
public:
    ArticleApplication(int &argc, char **argv);

    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    Dialogs *m_dialogs = nullptr;
};
