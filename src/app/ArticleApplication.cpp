#include "app/ArticleApplication.h"

#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "ui/Dialogs.h"

ArticleApplication::ArticleApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(kProgramTitle);
    setApplicationDisplayName(kProgramTitle);
}

bool ArticleApplication::notify(QObject *receiver, QEvent *event)
{
    QString failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (const DatabaseError &error) {
        failure = error.text();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    if (m_dialogs)
        m_dialogs->error(activeWindow(), failure, kProgramTitle);
    return false;
}
