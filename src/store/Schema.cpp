#include "store/Schema.h"

namespace {

using T = ColumnType;

ColumnDef integer(const char *name) { return {name, T::Integer}; }
ColumnDef money(const char *name) { return {name, T::Money}; }
ColumnDef yesNo(const char *name) { return {name, T::YesNo}; }
ColumnDef text(const char *name, int length = 0) { return {name, T::Text, length}; }

// Columns every document header has, followed by the kind's own.
TableDef header(const char *name, std::vector<ColumnDef> own)
{
    std::vector<ColumnDef> columns = {text("theNum", 12), text("theUser", 12), text("myDate", 10),
                                      text("theBGPro", 20), text("Remark", 100),
                                      text("theDate", 10), integer("theDel")};
    columns.insert(columns.end(), own.begin(), own.end());
    return {name, columns};
}

// Columns every document line has, followed by the kind's own.
TableDef lines(const char *name, std::vector<ColumnDef> own)
{
    std::vector<ColumnDef> columns = {text("theNum", 12), integer("AID"), money("theCount"),
                                      text("Remark", 50), integer("myID"), integer("theDel")};
    columns.insert(columns.end(), own.begin(), own.end());
    return {name, columns};
}

std::vector<TableDef> makeTables()
{
    return {
        {"SUser", {text("UName"), text("UPass"), text("Remark"), text("thePY"), text("theM", 2),
                   text("theD", 2), text("theE", 2)}},
        {"SMenu", {text("MNum", 3), text("MName")}},
        {"SLevel", {integer("UID"), text("MNum", 3)}},
        {"SLW", {integer("UID"), text("SName", 20)}},
        {"SMRX", {integer("theCK"), text("theJBR"), text("theCGR"), text("thePZR", 20),
                  yesNo("theFKC"), yesNo("theTX"), integer("theGH"), yesNo("YJMin"),
                  yesNo("YJMax"), yesNo("Z_LY"), yesNo("Z_JY"), yesNo("Z_GH"), yesNo("Z_DB"),
                  text("ImgPath", 50)}},
        {"SDJ", {text("theT", 20), text("theName", 20)}},
        {"SUnit", {text("UName")}},
        {"RUser", {text("UName")}},
        {"UArticle", {text("theNum"), text("theDate", 10), text("AType"), text("AName"),
                      text("AStandard"), text("AUnit"), money("APrice"), text("thePY"),
                      text("Remark"), text("PName", 20), integer("YJMin"), integer("YJMax"),
                      text("theYJ", 2), integer("FJCount")}},
        {"UAType", {text("theName"), text("Remark")}},
        {"SStorage", {text("SName"), text("Remark"), text("thePY")}},
        {"SPlace", {text("PName", 20), text("Remark", 50)}},
        {"SDepartment", {text("DName"), text("thePY"), text("Remark")}},
        {"SPerson", {text("theNum", 16), text("DName"), text("PName"), text("theJob"),
                     text("thePhone"), text("theIDCard"), text("theAddress"), text("Remark"),
                     text("thePY")}},
        {"UMerchant", {text("MName"), text("MPhone"), text("MProson"), text("MAddress"),
                       text("Remark"), text("thePY")}},
        {"UAPack", {text("theName", 20), text("Remark", 50)}},
        {"UAPList", {text("theName", 20), integer("AID"), money("APrice"), money("theCount"),
                     text("Remark", 50), integer("myID")}},
        {"UAccessory", {integer("AID"), text("theName", 30), integer("theCount"),
                        text("Remark", 50)}},
        {"UAFiles", {integer("AID"), text("FType", 10), money("FSize")}},

        header("USQ", {text("theSQPro", 20), text("DName")}),
        lines("USQ_Bill", {money("APrice"), money("theCG"), money("theLY"), money("theJY")}),
        header("UIn_CG", {text("theCGPro", 20), integer("MID"), integer("SID"), text("SName", 20)}),
        lines("UIn_CG_Bill", {money("APrice"), integer("SID")}),
        header("UOut_TH", {text("theTHPro", 20), integer("MID"), integer("SID"), text("SName", 20)}),
        lines("UOut_TH_Bill", {money("APrice"), integer("SID")}),
        header("UOut_LY", {text("theLYPro", 20), text("DName"), text("SName", 20)}),
        lines("UOut_LY_Bill", {money("thePrice"), integer("SID"), money("GHCount")}),
        header("UOut_JC", {text("theLYPro", 20), text("thePZPro", 20), text("DName"),
                           text("SName", 20)}),
        lines("UOut_JC_Bill", {money("thePrice"), integer("SID"), money("GHCount"),
                               integer("theGH")}),
        header("UIn_GH", {text("theGHPro", 20)}),
        lines("UIn_GH_Bill", {integer("SID"), integer("JYID"), text("JYT", 20)}),
        header("UDB", {text("DBName", 20), text("RKName", 20)}),
        lines("UDB_Bill", {money("thePrice"), integer("DBID"), integer("RKID")}),
        header("UOut_BS", {text("thePZPro", 20), text("SName", 20)}),
        lines("UOut_BS_Bill", {money("thePrice"), integer("SID")}),
        header("UIn_BY", {text("thePZPro", 20), text("SName", 20)}),
        lines("UIn_BY_Bill", {money("thePrice"), integer("SID")}),

        {"UWare", {integer("AID"), integer("SID"), money("WCount")}},
        {"UWList", {text("theType", 10), text("theNum", 12), integer("SID"), integer("AID"),
                    money("theIn"), money("theOut"), text("theDate", 10), text("UName", 20),
                    money("KCCount")}},
        // Period report rows: per kind the number of documents, the quantity, the amount.
        {"UBB", {text("myDate", 30),
                 integer("SQ1"), money("SQ2"), money("SQ3"), integer("CG1"), money("CG2"),
                 money("CG3"), integer("LY1"), money("LY2"), money("LY3"), integer("JY1"),
                 money("JY2"), money("JY3"), integer("GH1"), money("GH2"), money("GH3"),
                 integer("BS1"), money("BS2"), money("BS3")}},
    };
}

QString columnType(const ColumnDef &column, SqlEngine engine)
{
    const bool pg = engine == SqlEngine::PostgreSQL;
    switch (column.type) {
    case T::Integer:
    case T::YesNo:
        return QStringLiteral("INTEGER");
    case T::Money:
        return pg ? QStringLiteral("NUMERIC(19,4)") : QStringLiteral("REAL");
    case T::Text:
        return column.length > 0 ? QStringLiteral("VARCHAR(%1)").arg(column.length)
                                 : QStringLiteral("TEXT");
    }
    return {};
}

QString createTable(const TableDef &table, SqlEngine engine)
{
    QStringList columns;
    columns << (engine == SqlEngine::PostgreSQL
                    ? QStringLiteral("ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                    : QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT"));
    for (const ColumnDef &column : table.columns)
        columns << QString::fromLatin1(column.name) + QLatin1Char(' ') + columnType(column, engine);
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QLatin1String(table.name), columns.join(QStringLiteral(", ")));
}

QString createIndex(const QString &table, const QString &columns, bool unique = false)
{
    QString name = QStringLiteral("IX_") + table + QLatin1Char('_') + columns;
    name.replace(QLatin1Char(','), QLatin1Char('_'));
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), name, table, columns);
}

// Indexes for the lookups the windows make: documents by number, lines by item and
// storage, the balance by (item, storage), codes and names searched by the pickers.
QStringList indexStatements()
{
    QStringList statements;
    for (const DocumentTables &kind : documentTables()) {
        statements << createIndex(QLatin1String(kind.header), QStringLiteral("theNum"));
        statements << createIndex(QLatin1String(kind.lines), QStringLiteral("theNum"));
        statements << createIndex(QLatin1String(kind.lines), QStringLiteral("AID"));
        // Statistics and period reports select documents by date.
        statements << createIndex(QLatin1String(kind.header), QStringLiteral("myDate"));
    }
    statements << createIndex(QStringLiteral("UWare"), QStringLiteral("AID,SID"), true)
               << createIndex(QStringLiteral("UWare"), QStringLiteral("SID"))
               << createIndex(QStringLiteral("UWList"), QStringLiteral("AID,SID"))
               << createIndex(QStringLiteral("UWList"), QStringLiteral("theNum"))
               << createIndex(QStringLiteral("UArticle"), QStringLiteral("theNum"))
               << createIndex(QStringLiteral("UArticle"), QStringLiteral("thePY"))
               << createIndex(QStringLiteral("SLevel"), QStringLiteral("UID"))
               << createIndex(QStringLiteral("SLW"), QStringLiteral("UID"))
               << createIndex(QStringLiteral("SPerson"), QStringLiteral("DName"))
               << createIndex(QStringLiteral("UAPList"), QStringLiteral("theName"))
               << createIndex(QStringLiteral("UAccessory"), QStringLiteral("AID"))
               << createIndex(QStringLiteral("UAFiles"), QStringLiteral("AID"));
    return statements;
}

} // namespace

const std::vector<TableDef> &databaseTables()
{
    static const std::vector<TableDef> tables = makeTables();
    return tables;
}

const std::vector<DocumentTables> &documentTables()
{
    static const std::vector<DocumentTables> kinds = {
        {"USQ", "USQ_Bill"},         {"UIn_CG", "UIn_CG_Bill"},   {"UOut_TH", "UOut_TH_Bill"},
        {"UOut_LY", "UOut_LY_Bill"}, {"UOut_JC", "UOut_JC_Bill"}, {"UIn_GH", "UIn_GH_Bill"},
        {"UDB", "UDB_Bill"},         {"UOut_BS", "UOut_BS_Bill"}, {"UIn_BY", "UIn_BY_Bill"},
    };
    return kinds;
}

QStringList schemaStatements(SqlEngine engine)
{
    QStringList statements;
    for (const TableDef &table : databaseTables())
        statements << createTable(table, engine);
    return statements + indexStatements();
}
