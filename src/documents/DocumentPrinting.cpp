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

// The lines of the kinds below join their item and storage loosely, as purchase-in
// lines do, so a line whose item was deleted still prints and counts.

PrintedKind returnPrint()
{
    return {
        QStringLiteral("UIn_GH"),
        frxR_GH(),
        QStringLiteral("frxDB_GH"),
        QStringLiteral("select * from UIn_GH Where theNum = ?"),
        QStringLiteral(
            "select UIn_GH_Bill.*, UArticle.AName, UArticle.AStandard, UArticle.AUnit, SStorage.SName, "
            "UArticle.theNum as ANum FROM UIn_GH_Bill LEFT JOIN UArticle ON UArticle.ID = UIn_GH_Bill.AID "
            "LEFT JOIN SStorage ON SStorage.ID = UIn_GH_Bill.SID "
            "Where UIn_GH_Bill.theNum = ? and UIn_GH_Bill.theDel = 0 Order by UIn_GH_Bill.myID"),
    };
}

PrintedKind transferPrint()
{
    return {
        QStringLiteral("UDB"),
        frxR_DB(),
        QStringLiteral("frxDB_DB"),
        QStringLiteral("select * from UDB Where theNum = ?"),
        QStringLiteral(
            "select UArticle.AType, UArticle.AName, UArticle.AStandard, UArticle.AUnit, UDB_Bill.thePrice, "
            "UDB_Bill.theCount, UDB_Bill.Remark, UDB_Bill.myID, UArticle.theNum as ANum "
            "FROM UDB_Bill LEFT JOIN UArticle ON UArticle.ID = UDB_Bill.AID "
            "Where UDB_Bill.theNum = ? and UDB_Bill.theDel = 0 Order by UDB_Bill.myID"),
    };
}

PrintedKind requestPrint()
{
    return {
        QStringLiteral("USQ"),
        frxR_SQ(),
        QStringLiteral("frxDB_SQ"),
        QStringLiteral("select * from USQ Where theNum = ?"),
        QStringLiteral(
            "select UArticle.AType, UArticle.AName, UArticle.AStandard, UArticle.AUnit, USQ_Bill.APrice, "
            "USQ_Bill.theCount, USQ_Bill.Remark, USQ_Bill.myID, UArticle.theNum as ANum "
            "FROM USQ_Bill LEFT JOIN UArticle ON UArticle.ID = USQ_Bill.AID "
            "Where USQ_Bill.theNum = ? and USQ_Bill.theDel = 0 Order by USQ_Bill.myID"),
    };
}

PrintedKind surplusPrint()
{
    return {
        QStringLiteral("UIn_BY"),
        frxR_BY(),
        QStringLiteral("frxDB_In_BY"),
        QStringLiteral("select * from UIn_BY Where theNum = ?"),
        QStringLiteral(
            "select UIn_BY_Bill.*, UArticle.AName, UArticle.AStandard, UArticle.AUnit, SStorage.SName, "
            "UIn_BY_Bill.thePrice AS APrice, UIn_BY_Bill.thePrice*UIn_BY_Bill.theCount AS theSum, "
            "UArticle.theNum as ANum FROM UIn_BY_Bill LEFT JOIN UArticle ON UArticle.ID = UIn_BY_Bill.AID "
            "LEFT JOIN SStorage ON SStorage.ID = UIn_BY_Bill.SID "
            "Where UIn_BY_Bill.theNum = ? and UIn_BY_Bill.theDel = 0 Order by UIn_BY_Bill.myID"),
    };
}

void PrintIn_GH(AppServices &services, QWidget *parent, const QString &number)
{
    printDocument(services, parent, returnPrint(), number);
}

void PrintDB(AppServices &services, QWidget *parent, const QString &number)
{
    printDocument(services, parent, transferPrint(), number);
}

void PrintSQ(AppServices &services, QWidget *parent, const QString &number)
{
    printDocument(services, parent, requestPrint(), number);
}

void PrintIn_BY(AppServices &services, QWidget *parent, const QString &number)
{
    printDocument(services, parent, surplusPrint(), number);
}
