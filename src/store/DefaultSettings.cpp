#include "store/DefaultSettings.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"

void loadDefaultSettings(TfrmDM &dm, AppContext &context)
{
    QSqlQuery row = dm.select(QStringLiteral(
        "select theCK,theJBR,theCGR,theFKC,theTX,theGH,YJMin,YJMax,thePZR,Z_LY,Z_JY,Z_GH,Z_DB,"
        "ImgPath from SMRX Where ID=1"));
    if (row.next()) {
        context.DefaultStorage = row.value(0).toString();
        context.DefaultHandler = row.value(1).toString();
        context.DefaultPurchaser = row.value(2).toString();
        context.AllowNegativeStock = row.value(3).toBool();
        context.RemindOverdueLoans = row.value(4).toBool();
        context.LoanDays = row.value(5).toString();
        context.WarnBelowMin = row.value(6).toBool();
        context.WarnAboveMax = row.value(7).toBool();
        context.DefaultApprover = row.value(8).toString();
        context.ZeroPriceLY = row.value(9).toBool();
        context.ZeroPriceJY = row.value(10).toBool();
        context.ZeroPriceGH = row.value(11).toBool();
        context.ZeroPriceDB = row.value(12).toBool();
        context.ImageDir = row.value(13).toString();
    }
    if (context.ImageDir.isEmpty())
        context.ImageDir = context.AppDir + QStringLiteral("Image");

    QSqlQuery unit = dm.select(QStringLiteral("select UName from SUnit"));
    if (unit.next())
        context.OrgName = unit.value(0).toString();
}
