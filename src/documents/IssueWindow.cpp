#include "documents/IssueWindow.h"

#include "documents/LineFill.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

using namespace IssueDocument;

namespace {

const QString kStorage = QStringLiteral("DBLookupComboBox1");

} // namespace

LineGridLayout IssueWindow::gridLayout(const Columns &columns, bool editablePrice)
{
    LineGridLayout layout;
    layout.titles = {QStringLiteral("序号"), QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                     QStringLiteral("规格型号"), QStringLiteral("单位"), QStringLiteral("单价"),
                     QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注")};
    layout.widths = {30, 100, 200, 100, 60, 70, 60, 80, 100};
    layout.columnCount = columns.count;
    layout.itemIdColumn = layout.countingColumn = columns.itemId;
    layout.keys = {{Name, CellKeys::None}, {Standard, CellKeys::None}, {Unit, CellKeys::None},
                   {Price, editablePrice ? CellKeys::Number : CellKeys::None},
                   {Quantity, CellKeys::Number}, {Amount, CellKeys::BackspaceEnter}};
    layout.enterOrder = editablePrice ? QList<int>{Code, Price, Quantity} : QList<int>{Code, Quantity};
    layout.zeroWhenEmpty = editablePrice ? QList<int>{Price, Quantity} : QList<int>{Quantity};
    if (columns.loanDays >= 0) {
        layout.titles << QStringLiteral("归还天数");
        layout.widths << 70;
        layout.keys.insert(columns.loanDays, CellKeys::Digits);
        layout.zeroWhenEmpty << columns.loanDays;
    }
    return layout;
}

IssueWindow::IssueWindow(AppServices services, DocumentDescription description, Settings settings,
                         QWidget *parent)
    : DocumentWindow(services, std::move(description), parent), m_settings(std::move(settings))
{
    connect(this, &DocumentWindow::packageChosen, this, &IssueWindow::fillFromPackage);
}

IssueDocument::Header IssueWindow::header() const
{
    Header h;
    h.storageId = storageId(kStorage);
    h.storageName = storageName(kStorage);
    h.date = date(QStringLiteral("DateTimePicker1"));
    h.remark = text(m_settings.remarkBox);
    h.person = text(m_settings.personBox);
    h.approver = text(m_settings.approverBox);
    h.handler = text(m_settings.handlerBox);
    h.department = department(m_settings.personBox);
    h.supplierId = text(QStringLiteral("LabJSSID"));
    h.supplierName = text(QStringLiteral("Edit1"));
    return h;
}

std::optional<DocumentRefusal> IssueWindow::check()
{
    return IssueDocument::check(m_services, m_settings.kind, header(), lines());
}

QString IssueWindow::write()
{
    return IssueDocument::save(m_services, m_settings.kind, header(), lines());
}

StockLineRules IssueWindow::rules(bool zeroPrice) const
{
    StockLineRules rules;
    rules.columns = m_settings.kind.columns;
    rules.zeroPrice = zeroPrice && m_settings.zeroPrice && m_services.context.*m_settings.zeroPrice;
    rules.loanDays = m_services.context.LoanDays;
    return rules;
}

void IssueWindow::findItem()
{
    const QString storage = storageId(kStorage);
    if (storage.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("出库仓库 不能为空！请选择 出库仓库！"), kProgramTitle);
        focusField(kStorage);
        return;
    }
    StockLookup::Mode mode;
    mode.rules = rules(true);
    mode.positiveOnly = !m_services.context.AllowNegativeStock;
    mode.remarkOnOneMatch = m_settings.remarkOnOneMatch;
    StockLookup(m_services, *grid(), this, mode, storage, storageName(kStorage)).run();
}

QString IssueWindow::stockFigure(const QString &itemId) const
{
    const QString storage = storageId(kStorage);
    return storage.isEmpty() ? QString() : m_services.dm.myRetKCCount(storage, itemId);
}

void IssueWindow::fill(const QList<StockLineRecord> &records, const StockLineRules &rules,
                       const QStringList &requestLines)
{
    const int unfitted = fillFreeLines(*grid(), grid()->currentLine(), false, int(records.size()),
                                       [&](int line, int index) {
        writeStockLine(lines(), line, records.at(index), rules);
        if (!requestLines.isEmpty())
            lines().setCell(line, rules.columns.requestLine, requestLines.at(index));
    });
    reportUnfitted(m_services, this, unfitted);
}

void IssueWindow::fillFromPackage(const QString &name)
{
    QSqlQuery query = m_services.dm.select(
        QStringLiteral("SELECT theNum, AName, AStandard, AUnit, UAPList.APrice, UAPList.theCount, UAPList.Remark, AID "
                       "FROM UAPList INNER JOIN UArticle ON UAPList.AID = UArticle.ID "
                       "WHERE (UAPList.theName = ?) order by UAPList.myID"),
        {name});
    QList<StockLineRecord> records;
    while (query.next()) {
        const QString itemId = query.value(7).toString();
        records << StockLineRecord{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                   query.value(3).toString(), numberText(query.value(4).toDouble()),
                                   numberText(query.value(5).toDouble()), query.value(6).toString(), itemId,
                                   stockFigure(itemId)};
    }
    fill(records, rules(true));
}

void IssueWindow::takeOverRequest(const QString &requestNumber)
{
    TfrmDM &dm = m_services.dm;
    // The request's people and remark are taken over only when its number is unique.
    QSqlQuery request = dm.select(
        QStringLiteral("Select theSQPro, theBGPro, DName, Remark from USQ  Where theNum=?"), {requestNumber});
    if (request.next()) {
        const QStringList values = {request.value(0).toString(), request.value(1).toString(),
                                    request.value(2).toString(), request.value(3).toString()};
        if (!request.next()) {
            setText(m_settings.personBox, values[0]);
            setText(m_settings.handlerBox, values[1]);
            setDepartment(m_settings.personBox, values[2]);
            setText(m_settings.remarkBox, values[3]);
        }
    }
    QSqlQuery query = dm.select(
        QStringLiteral("select UArticle.theNum, AName, AStandard, AUnit, USQ_Bill.APrice, theCount, "
                       "USQ_Bill.Remark, AID, USQ_Bill.ID from USQ_Bill INNER JOIN UArticle ON USQ_Bill.AID=UArticle.ID "
                       "Where USQ_Bill.theNum=? AND (USQ_Bill.theDel=0) order by USQ_Bill.myID"),
        {requestNumber});
    QList<StockLineRecord> records;
    QStringList requestLines;
    while (query.next()) {
        const QString itemId = query.value(7).toString();
        records << StockLineRecord{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                   query.value(3).toString(), numberText(query.value(4).toDouble()),
                                   numberText(query.value(5).toDouble()), query.value(6).toString(), itemId,
                                   stockFigure(itemId)};
        requestLines << query.value(8).toString();
    }
    // The zero-price setting does not apply to a request's lines.
    fill(records, rules(false), requestLines);
}
