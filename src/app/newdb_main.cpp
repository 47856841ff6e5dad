// article-newdb PATH: writes a new database file at PATH.
#include "store/DatabaseError.h"
#include "store/NewDatabase.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: article-newdb PATH\n";
        return 2;
    }
    try {
        createDatabaseFile(arguments.at(1));
    } catch (const DatabaseError &error) {
        err << error.text() << '\n';
        return 1;
    }
    QTextStream(stdout) << "created " << arguments.at(1) << '\n';
    return 0;
}
