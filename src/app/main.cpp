// The program: one running copy, the database beside the executable, the login window,
// then the main window.
#include "app/ArticleApplication.h"
#include "app/TfrmLogin.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/TfrmDM.h"
#include "ui/QtDialogs.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    ArticleApplication app(argc, argv);
    QtDialogs dialogs;
    app.setDialogs(&dialogs);

    // A second copy for the same user refuses to start. The lock is released when the
    // process ends, also when it ends abnormally.
    QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    QLockFile instanceLock(lockFolder + QStringLiteral("/Article.lock"));
    if (!instanceLock.tryLock(0)) {
        dialogs.warning(nullptr, QStringLiteral("朔禾物品管理软件 已经打开了！"), QStringLiteral("警告"));
        return 0;
    }

    AppContext context;
    context.AppDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    context.Edition = QStringLiteral("单机版");
    context.AppVersion = QStringLiteral("5.9.0.6");

    TfrmDM dm(context);
    try {
        dm.open(context.AppDir + QStringLiteral("Data/db.edb"));
    } catch (const DatabaseError &error) {
        dialogs.error(nullptr, error.text(), kProgramTitle);
        return 1;
    }
    if (!dm.myCheckData())
        return 0; // not this program's data file: end without a word

    AppServices services{context, dm, dialogs};
    TfrmMain mainWindow(services);
    installWindowOpeners(mainWindow, services);
    TfrmLogin login(services);
    QObject::connect(&login, &TfrmLogin::loggedIn, &mainWindow, [&mainWindow](const QStringList &codes) {
        mainWindow.applyMenuRights(codes);
        mainWindow.show();
    });
    login.show();
    return app.exec();
}
