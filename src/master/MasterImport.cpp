#include "master/MasterImport.h"

#include "sheets/SheetTable.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

#include <QDate>
#include <QHash>
#include <QSet>

namespace {

const QString kNothingWritten = QStringLiteral("，没有导入任何数据。");

// The titles of `wanted` that the sheet lacks, as the message names them; empty when
// all are there.
QString missingTitles(const SheetTable &sheet, const QStringList &wanted)
{
    QStringList missing;
    for (const QString &title : wanted) {
        if (sheet.columnOf(title) < 0)
            missing << title;
    }
    return missing.isEmpty() ? QString()
                             : QStringLiteral("EXCEL数据缺少列：") + missing.join(QStringLiteral("、")) + kNothingWritten;
}

// A row's value under `title`, cut to `length` characters.
QString cell(const SheetTable &sheet, int row, const QString &title, int length)
{
    return sheet.value(row, title).left(length);
}

// An amount as the item import reads it: empty counts as 0.
QString amountText(const SheetTable &sheet, int row, const QString &title)
{
    const QString text = sheet.value(row, title).trimmed();
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QSet<QString> columnValues(TfrmDM &dm, const QString &statement)
{
    QSet<QString> values;
    QSqlQuery query = dm.select(statement);
    while (query.next())
        values.insert(query.value(0).toString());
    return values;
}

void report(const ImportProgress &progress, int done, int total)
{
    if (progress && (done % 100 == 0 || done == total))
        progress(done, total);
}

const QString kName = QStringLiteral("物品名称");
const QString kCode = QStringLiteral("物品编码");
const QString kStandard = QStringLiteral("规格型号");
const QString kUnit = QStringLiteral("单位");
const QString kPrice = QStringLiteral("单价");
const QString kRemark = QStringLiteral("备注");
const QString kQuantity = QStringLiteral("库存数量");
const QString kCategory = QStringLiteral("物品分类");
const QString kPlace = QStringLiteral("货位名称");

// The first row whose price or quantity is not a number, as a message; empty when all are.
QString badNumber(const SheetTable &sheet)
{
    for (int row = 0; row < sheet.rowCount(); ++row) {
        for (const QString &title : {kPrice, kQuantity}) {
            const QString text = amountText(sheet, row, title);
            if (!parseNumber(text))
                return QStringLiteral("第 %1 条数据的 %2 不是数字：%3").arg(row + 1).arg(title, text) + kNothingWritten;
        }
    }
    return {};
}

// The codes the import gives to rows without one: the login day's numbering, counted
// once, and never a code an item already has.
class ItemCodes {
public:
    ItemCodes(TfrmDM &dm, const QString &loginDate)
        : m_prefix(QDate::fromString(loginDate, QStringLiteral("yyyy-MM-dd")).toString(QStringLiteral("yyMMdd"))),
          m_todaysItems(dm.myRetCount(QStringLiteral("select ID from UArticle Where theDate=?"), {loginDate}))
    {
        QSqlQuery items = dm.select(QStringLiteral("select theNum, ID from UArticle"));
        while (items.next())
            m_ids.insert(items.value(0).toString(), items.value(1).toInt());
    }

    // The ID of the item with this code, or 0.
    int idOf(const QString &code) const { return m_ids.value(code); }
    void added(const QString &code, int id)
    {
        m_ids.insert(code, id);
        ++m_todaysItems;
    }
    QString next() const
    {
        for (int number = m_todaysItems + 1;; ++number) {
            const QString code = m_prefix + QString::number(number).rightJustified(4, QLatin1Char('0'));
            if (!m_ids.contains(code))
                return code;
        }
    }

private:
    QString m_prefix;
    int m_todaysItems;
    QHash<QString, int> m_ids;
};

} // namespace

ImportOutcome importItems(TfrmDM &dm, const SheetTable &sheet, const ItemImportOptions &options,
                          const ImportProgress &progress)
{
    if (const QString missing = missingTitles(sheet, {kName, kCode, kStandard, kUnit, kPrice, kRemark, kQuantity,
                                                      kCategory, kPlace});
        !missing.isEmpty())
        return {0, missing};
    if (options.saveStock && options.storageId.isEmpty())
        return {0, QStringLiteral("请选择 仓库名称！")};
    if (const QString bad = badNumber(sheet); !bad.isEmpty())
        return {0, bad};

    Transaction transaction(dm.database());
    ItemCodes codes(dm, options.loginDate);
    QSet<QString> categories = columnValues(dm, QStringLiteral("select theName from UAType"));
    QSet<QString> places = columnValues(dm, QStringLiteral("select PName from SPlace"));
    int added = 0;
    const int total = sheet.rowCount();
    for (int row = 0; row < total; ++row) {
        report(progress, row, total);
        const QString fullName = sheet.value(row, kName);
        QString name = fullName.left(50);
        name.remove(QLatin1Char(')')).remove(QLatin1Char('?'));
        if (name.isEmpty())
            continue;
        QString code = cell(sheet, row, kCode, 16);
        if (code.isEmpty())
            code = codes.next();
        const QString quantity = amountText(sheet, row, kQuantity);
        int id = codes.idOf(code);
        if (id == 0) {
            const QString category = cell(sheet, row, kCategory, 20);
            const QString place = cell(sheet, row, kPlace, 20);
            if (!category.isEmpty() && !categories.contains(category)) {
                dm.myESQL(QStringLiteral("Insert InTo UAType(theName,Remark) Values(?,'')"), {category});
                categories.insert(category);
            }
            if (!place.isEmpty() && !places.contains(place)) {
                dm.myESQL(QStringLiteral("Insert InTo SPlace(PName,Remark) Values(?,'')"), {place});
                places.insert(place);
            }
            id = dm.insertRow(
                QStringLiteral("Insert InTo UArticle(AType,AName,AStandard,AUnit,APrice,thePY,Remark,theNum,theDate,"
                               "FJCount,YJMin,YJMax,theYJ,PName) Values(?,?,?,?,?,?,?,?,?,0,9,99,'否',?)"),
                {category, name, cell(sheet, row, kStandard, 20), cell(sheet, row, kUnit, 10),
                 roundMoney(*parseNumber(amountText(sheet, row, kPrice))), PinyinCode(fullName),
                 cell(sheet, row, kRemark, 50), code, options.loginDate, place});
            codes.added(code, id);
            ++added;
        }
        if (options.saveStock) {
            const QString item = QString::number(id);
            dm.SaveWare(item, quantity, options.storageId);
            dm.mySaveUWList(LedgerKind::ItemImported, QString(), options.storageId, item, quantity, QStringLiteral("0"));
        }
    }
    transaction.commit();
    report(progress, total, total);
    return {added, {}};
}

ImportOutcome importPersons(TfrmDM &dm, const SheetTable &sheet, const ImportProgress &progress)
{
    const QString name = QStringLiteral("人员姓名"), job = QStringLiteral("职务"), phone = QStringLiteral("联系方式"),
                  idCard = QStringLiteral("身份证号"), address = QStringLiteral("住址"),
                  department = QStringLiteral("部门名称"), staffNumber = QStringLiteral("工号");
    if (const QString missing = missingTitles(sheet, {name, job, phone, idCard, address, kRemark, department, staffNumber});
        !missing.isEmpty())
        return {0, missing};

    Transaction transaction(dm.database());
    QSet<QString> numbers = columnValues(dm, QStringLiteral("select theNum from SPerson"));
    QSet<QString> departments = columnValues(dm, QStringLiteral("select DName from SDepartment"));
    int added = 0;
    const int total = sheet.rowCount();
    for (int row = 0; row < total; ++row) {
        report(progress, row, total);
        const QString fullName = sheet.value(row, name);
        const QString person = fullName.left(20);
        const QString number = cell(sheet, row, staffNumber, 16);
        if (person.isEmpty() || numbers.contains(number))
            continue;
        const QString departmentName = cell(sheet, row, department, 20);
        if (!departments.contains(departmentName)) {
            dm.myESQL(QStringLiteral("Insert InTo SDepartment(DName,thePY,Remark) Values(?,?,'')"),
                      {departmentName, PinyinCode(departmentName)});
            departments.insert(departmentName);
        }
        dm.myESQL(QStringLiteral("Insert InTo SPerson(DName,PName,theJob,thePhone,theIDCard,theAddress,Remark,thePY,theNum) "
                                 "Values(?,?,?,?,?,?,?,?,?)"),
                  {departmentName, person, cell(sheet, row, job, 20), cell(sheet, row, phone, 50),
                   cell(sheet, row, idCard, 18), cell(sheet, row, address, 50), cell(sheet, row, kRemark, 50),
                   PinyinCode(fullName).left(20), number});
        numbers.insert(number);
        ++added;
    }
    transaction.commit();
    report(progress, total, total);
    return {added, {}};
}

ImportOutcome importSuppliers(TfrmDM &dm, const SheetTable &sheet, const ImportProgress &progress)
{
    const QString name = QStringLiteral("商家名称"), phone = QStringLiteral("电话号码"), contact = QStringLiteral("联系人"),
                  address = QStringLiteral("地址");
    if (const QString missing = missingTitles(sheet, {name, phone, contact, address, kRemark}); !missing.isEmpty())
        return {0, missing};

    Transaction transaction(dm.database());
    QSet<QString> suppliers = columnValues(dm, QStringLiteral("select MName from UMerchant"));
    int added = 0;
    const int total = sheet.rowCount();
    for (int row = 0; row < total; ++row) {
        report(progress, row, total);
        const QString fullName = sheet.value(row, name);
        const QString supplier = fullName.left(40);
        if (supplier.isEmpty() || suppliers.contains(supplier))
            continue;
        dm.myESQL(QStringLiteral("Insert InTo UMerchant(MName,MPhone,MProson,MAddress,Remark,thePY) Values(?,?,?,?,?,?)"),
                  {supplier, cell(sheet, row, phone, 20), cell(sheet, row, contact, 20), cell(sheet, row, address, 30),
                   cell(sheet, row, kRemark, 50), PinyinCode(fullName).left(40)});
        suppliers.insert(supplier);
        ++added;
    }
    transaction.commit();
    report(progress, total, total);
    return {added, {}};
}
