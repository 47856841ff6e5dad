// article-largedb PATH [--days N] [--lines-per-day N] [--seed N]: writes a large database
// of generated documents for measuring, by default ten years and about a million lines.
#include "largedb/LargeDatabase.h"
#include "store/DatabaseError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("the database file to write"));
    const QCommandLineOption days(QStringLiteral("days"), QStringLiteral("days of documents"), QStringLiteral("N"));
    const QCommandLineOption lines(QStringLiteral("lines-per-day"), QStringLiteral("document lines a day"), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("random seed"), QStringLiteral("N"));
    parser.addOptions({days, lines, seed});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    LargeDatabaseOptions options;
    if (parser.isSet(days))
        options.days = parser.value(days).toInt();
    if (parser.isSet(lines))
        options.linesPerDay = parser.value(lines).toInt();
    if (parser.isSet(seed))
        options.seed = parser.value(seed).toUInt();

    QElapsedTimer timer;
    timer.start();
    try {
        writeLargeDatabase(parser.positionalArguments().constFirst(), options);
    } catch (const DatabaseError &error) {
        QTextStream(stderr) << error.text() << '\n';
        return 1;
    }
    QTextStream(stdout) << "written in " << timer.elapsed() / 1000.0 << " s\n";
    return 0;
}
