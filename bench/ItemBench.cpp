// The item windows at scale: the picture list of 10 000 items, and 1 000 barcode
// labels drawn into a PDF file.
#include "labels/ItemLabels.h"
#include "pictures/ItemFiles.h"
#include "pictures/PictureListModel.h"
#include "pictures/TfrmPic_List.h"
#include "pictures/TfrmPic_V.h"
#include "store/AppContext.h"
#include "store/NewDatabase.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/AppServices.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Widgets need a QApplication; it is made first, offscreen, and lives until the end.
bool ensureWidgetApplication()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        return true;
    if (QCoreApplication::instance())
        return false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "article_bench";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return true;
}

// A new database of `items` items with codes 2603150001 … and, when asked, a thumbnail
// for each.
struct ItemDatabase {
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};
    QtDialogs dialogs;
    AppServices services{context, dm, dialogs};

    ItemDatabase(int items, bool thumbnails)
    {
        context.LoginDate = QStringLiteral("2026-03-15");
        context.AppDir = folder.path() + QLatin1Char('/');
        context.ImageDir = folder.path() + QStringLiteral("/Image");
        createDatabaseFile(folder.filePath(QStringLiteral("db.edb")));
        dm.open(folder.filePath(QStringLiteral("db.edb")));
        QImage thumbnail(200, 200, QImage::Format_RGB32);
        thumbnail.fill(Qt::darkCyan);
        const QString sample = folder.filePath(QStringLiteral("sample.jpg"));
        thumbnail.save(sample, "JPG");
        QDir().mkpath(context.ImageDir);
        Transaction transaction(dm.database());
        for (int i = 1; i <= items; ++i) {
            const int id = dm.insertRow(
                QStringLiteral("insert into UArticle (theNum, AName, AType, AUnit, AStandard, APrice) "
                               "values (?, ?, '五金', '个', 'M6', 12.5)"),
                {QStringLiteral("26031%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("物品%1").arg(i)});
            if (thumbnails)
                QFile::copy(sample, thumbnailFile(itemPictureFile(context.ImageDir, QString::number(id))));
        }
        transaction.commit();
    }
};

void BM_PictureListOf10000Items(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("another application object exists");
        return;
    }
    ItemDatabase db(10000, true);
    int held = 0;
    for (auto _ : state) {
        TfrmPic_List list(db.services, {});
        list.show();
        benchmark::DoNotOptimize(list.view()->grab());
        held = list.model()->thumbnailsHeld();
    }
    state.counters["thumbnails_held"] = held;
}
BENCHMARK(BM_PictureListOf10000Items)->Unit(benchmark::kMillisecond);

void BM_ThousandLabelsToPdf(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("another application object exists");
        return;
    }
    ItemDatabase db(1000, false);
    const auto sheet = LabelSheet(state.range(0));
    for (auto _ : state) {
        QPdfWriter writer(db.folder.filePath(QStringLiteral("labels.pdf")));
        benchmark::DoNotOptimize(renderBarcodeLabels(db.dm, {}, sheet, writer));
    }
}
// 0: one 60 × 30 mm page per label; 1: three columns on A4.
BENCHMARK(BM_ThousandLabelsToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
