#include "documents/DocumentPrinting.h"

#include "reports/DocumentTemplates.h"
#include "reports/ReportRenderer.h"
#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/TfrmDM.h"
#include "ui/AppServices.h"
#include "ui/Dialogs.h"

#include <QPrinter>

namespace {

// The title data, the header and the lines of one document.
ReportData documentData(TfrmDM &dm, const PrintedKind &kind, const QString &number,
                        const QDateTime &printTime)
{
    const auto read = [&dm](const QString &statement, const QVariantList &values) {
        QSqlQuery query = dm.select(statement, values);
        return DataSet::fromQuery(query);
    };
    ReportData data;
    data.printTime = printTime;
    data.sets.insert(kUnitSet, read(QStringLiteral("select * from SUnit"), {}));
    data.sets.insert(kKindSet, read(QStringLiteral("select * from SDJ Where (theT = ?)"),
                                    {kind.kindKey}));
    data.sets.insert(kind.headerSet, read(kind.headerStatement, {number}));
    data.sets.insert(kind.report.masterDataSet, read(kind.lineStatement, {number}));
    return data;
}

// The printed title of the kind, for the preview's caption.
QString kindTitle(const ReportData &data)
{
    return data.sets.value(kKindSet).value(0, QStringLiteral("theName")).toString();
}

} // namespace

PrintedKind purchaseInPrint()
{
    // The header joins supplier and storage: a document whose supplier was deleted
    // prints without header fields. (The joins are written one after the other: SQLite
    // renames the columns of a bracketed join that share a name, "Remark:1".) The lines
    // join their item loosely, so a line whose item was deleted still prints and still
    // counts in the totals.
    return {
        QStringLiteral("UIn_CG"),
        frxR_CG(),
        QStringLiteral("frxDB_CG"),
        QStringLiteral(
            "select UIn_CG.ID, UIn_CG.theNum, UIn_CG.theCGPro, UIn_CG.theBGPro, UMerchant.MName, "
            "SStorage.SName, UIn_CG.theUser, UIn_CG.myDate, UIn_CG.Remark, UIn_CG.theDel, "
            "UIn_CG.theDate FROM UIn_CG INNER JOIN SStorage ON SStorage.ID = UIn_CG.SID "
            "INNER JOIN UMerchant ON UMerchant.ID = UIn_CG.MID Where UIn_CG.theNum = ?"),
        QStringLiteral(
            "select UIn_CG_Bill.ID, UIn_CG_Bill.theNum, UArticle.AName, UArticle.AStandard, "
            "UArticle.AUnit, UIn_CG_Bill.APrice, UIn_CG_Bill.theCount, UIn_CG_Bill.theDel, "
            "UIn_CG_Bill.AID, UIn_CG_Bill.SID, UIn_CG_Bill.Remark, "
            "UIn_CG_Bill.APrice*UIn_CG_Bill.theCount AS theSum, UIn_CG_Bill.myID, "
            "UArticle.theNum as ANum FROM UIn_CG_Bill LEFT JOIN UArticle ON "
            "UArticle.ID = UIn_CG_Bill.AID Where UIn_CG_Bill.theNum = ? and "
            "UIn_CG_Bill.theDel = 0 Order by UIn_CG_Bill.myID"),
    };
}

void renderDocument(TfrmDM &dm, const PrintedKind &kind, const QString &number,
                    QPagedPaintDevice &device, const QDateTime &printTime)
{
    ReportRenderer(kind.report, documentData(dm, kind, number, printTime)).print(device);
}

void printDocument(AppServices &services, QWidget *parent, const PrintedKind &kind,
                   const QString &number)
{
    ReportData data;
    try {
        data = documentData(services.dm, kind, number, QDateTime());
    } catch (const DatabaseError &error) {
        services.dialogs.error(parent, error.text(), kProgramTitle);
        return;
    }
    const QString caption = kindTitle(data);
    services.dialogs.printPreview(parent, caption, [&kind, &data](QPrinter *printer) {
        data.printTime = QDateTime::currentDateTime();
        ReportRenderer(kind.report, data).print(*printer);
    });
}

void PrintIn_CG(AppServices &services, QWidget *parent, const QString &number)
{
    printDocument(services, parent, purchaseInPrint(), number);
}
