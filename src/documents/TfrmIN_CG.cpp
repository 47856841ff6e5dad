#include "documents/TfrmIN_CG.h"

#include "documents/CatalogueLookup.h"
#include "documents/LineImport.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"

#include <QGridLayout>
#include <QPushButton>

using namespace PurchaseIn;

namespace {

DocumentDescription purchaseDescription()
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmIN_CG");
    d.caption = QStringLiteral("采购入库单");
    d.size = QSize(880, 544);
    d.groups = {
        {QStringLiteral("供应商信息"), {Fields::suppliers()}},
        {QStringLiteral("采购信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("采购日期：")),
          Fields::person(QStringLiteral("Edit7"), QStringLiteral("采  购  人："), &AppContext::DefaultPurchaser),
          Fields::person(QStringLiteral("Edit8"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler),
          Fields::storage(QStringLiteral("DBLookupComboBox1"), QStringLiteral("入库仓库："), &AppContext::DefaultStorage),
          Fields::text(QStringLiteral("Edit6"), QStringLiteral("备注："), 100, 2)},
         3, true},
    };
    d.grid.titles = {QStringLiteral("序号"), QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                     QStringLiteral("规格型号"), QStringLiteral("单位"), QStringLiteral("单价"),
                     QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注")};
    d.grid.widths = {30, 100, 200, 100, 60, 70, 60, 80, 100};
    d.grid.columnCount = kColumnCount;
    d.grid.itemIdColumn = ItemId;
    d.grid.itemLockedCode = false; // a purchase line may be typed without an item
    d.peopleHint = QStringLiteral("温馨提示：采购人，经办人 按回车或鼠标双击即可选择，如采购人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("采购入库单 保存成功！");
    d.print = purchaseInPrint;
    d.resetFocus = QStringLiteral("Edit1");
    return d;
}

QString focusName(Focus focus)
{
    switch (focus) {
    case Focus::SupplierName: return QStringLiteral("Edit1");
    case Focus::Purchaser: return QStringLiteral("Edit7");
    case Focus::Handler: return QStringLiteral("Edit8");
    case Focus::Storage: return QStringLiteral("DBLookupComboBox1");
    case Focus::Grid: break;
    }
    return QStringLiteral("StringGrid1");
}

} // namespace

TfrmIN_CG::TfrmIN_CG(AppServices services, const QString &requestNumber, QWidget *parent)
    : DocumentWindow(services, purchaseDescription(), parent)
{
    auto *import = new QPushButton(QStringLiteral("导入采购物品信息"));
    import->setObjectName(QStringLiteral("Button1"));
    import->setAutoDefault(false);
    groupLayout(0)->addWidget(import, 0, 4);
    connect(import, &QPushButton::clicked, this, &TfrmIN_CG::importLines);

    if (!requestNumber.isEmpty())
        takeOverRequest(requestNumber);
}

void TfrmIN_CG::takeOverRequest(const QString &requestNumber)
{
    TfrmDM &dm = m_services.dm;
    // The request's people and remark are taken over only when its number is unique.
    QSqlQuery request = dm.select(QStringLiteral("Select theSQPro, theBGPro, Remark from USQ  Where theNum=?"),
                                  {requestNumber});
    if (request.next()) {
        const QStringList values = {request.value(0).toString(), request.value(1).toString(),
                                    request.value(2).toString()};
        if (!request.next()) {
            setText(QStringLiteral("Edit7"), values[0]);
            setText(QStringLiteral("Edit8"), values[1]);
            setText(QStringLiteral("Edit6"), values[2]);
        }
    }
    QSqlQuery lines = dm.select(
        QStringLiteral("select UArticle.theNum, AName, AStandard, AUnit, USQ_Bill.APrice, theCount, "
                       "USQ_Bill.Remark, AID, USQ_Bill.ID from USQ_Bill INNER JOIN UArticle ON USQ_Bill.AID=UArticle.ID "
                       "Where USQ_Bill.theNum=? AND (USQ_Bill.theDel=0) order by USQ_Bill.myID"),
        {requestNumber});
    LineGridModel &cells = this->lines();
    int line = grid()->currentLine();
    while (lines.next() && line <= LineGridModel::kLines) {
        const double price = lines.value(4).toDouble();
        const double quantity = lines.value(5).toDouble();
        cells.setCell(line, Code, lines.value(0).toString());
        cells.setCell(line, Name, lines.value(1).toString());
        cells.setCell(line, Standard, lines.value(2).toString());
        cells.setCell(line, Unit, lines.value(3).toString());
        cells.setCell(line, Price, numberText(price));
        cells.setCell(line, Quantity, numberText(quantity));
        cells.setCell(line, Amount, numberText(price * quantity));
        cells.setCell(line, Remark, lines.value(6).toString());
        cells.setCell(line, ItemId, lines.value(7).toString());
        cells.setCell(line, RequestLineId, lines.value(8).toString());
        ++line;
    }
    grid()->setCurrent(line, Code);
}

void TfrmIN_CG::findItem()
{
    CatalogueLookup(m_services, *grid(), this).run();
}

PurchaseIn::Header TfrmIN_CG::header() const
{
    Header h;
    h.supplierId = text(QStringLiteral("LabJSSID"));
    h.supplierName = text(QStringLiteral("Edit1"));
    h.phone = text(QStringLiteral("Edit2"));
    h.contact = text(QStringLiteral("Edit3"));
    h.address = text(QStringLiteral("Edit4"));
    h.supplierRemark = text(QStringLiteral("Edit5"));
    h.purchaser = text(QStringLiteral("Edit7"));
    h.handler = text(QStringLiteral("Edit8"));
    h.storageId = storageId(QStringLiteral("DBLookupComboBox1"));
    h.storageName = storageName(QStringLiteral("DBLookupComboBox1"));
    h.date = date(QStringLiteral("DateTimePicker1"));
    h.remark = text(QStringLiteral("Edit6"));
    return h;
}

std::optional<DocumentRefusal> TfrmIN_CG::check()
{
    m_checked = header();
    const std::optional<CheckFailure> failure = PurchaseIn::check(m_services, m_checked, lines());
    setText(QStringLiteral("LabJSSID"), m_checked.supplierId); // a supplier resolved by the checks stays resolved
    if (failure)
        return DocumentRefusal{failure->message, focusName(failure->focus)};
    return std::nullopt;
}

QString TfrmIN_CG::write()
{
    return PurchaseIn::save(m_services, m_checked, lines());
}

void TfrmIN_CG::importLines()
{
    importPurchaseLines(m_services, this, lines());
}
