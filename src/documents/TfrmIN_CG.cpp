#include "documents/TfrmIN_CG.h"

#include "documents/CatalogueLookup.h"
#include "documents/DocumentPrinting.h"
#include "documents/LineImport.h"
#include "documents/Pickers.h"
#include "pictures/TfrmPic_V.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"
#include "ui/LookupComboBox.h"
#include "ui/LookupLineEdit.h"

#include <QAction>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PurchaseIn;

namespace {

LineGridLayout purchaseLayout()
{
    LineGridLayout layout;
    layout.titles = {QStringLiteral("序号"), QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                     QStringLiteral("规格型号"), QStringLiteral("单位"), QStringLiteral("单价"),
                     QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注")};
    layout.widths = {30, 100, 200, 100, 60, 70, 60, 80, 100};
    layout.columnCount = kColumnCount;
    return layout;
}

template <typename Edit>
Edit *named(Edit *edit, const char *name, int maxLength = 0)
{
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QDateEdit *dateEdit(const char *name)
{
    auto *edit = new QDateEdit(QDate::currentDate());
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

QLabel *hint(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: #a04000;"));
    return label;
}

} // namespace

TfrmIN_CG::TfrmIN_CG(AppServices services, const QString &requestNumber, QWidget *parent)
    : QDialog(parent), m_services(services), m_grid(new LineGrid(purchaseLayout()))
{
    setObjectName(QStringLiteral("frmIN_CG"));
    setWindowTitle(QStringLiteral("采购入库单"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(880, 544);

    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setToolTip(QStringLiteral("亲，在 物品编码 处录入物品名称拼音首字母或物品编码，按回车或鼠标双击..."));
    auto *picture = new QAction(QStringLiteral("查看图片 &P"), m_grid);
    picture->setObjectName(QStringLiteral("P1"));
    m_grid->addAction(picture);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(picture, &QAction::triggered, this, &TfrmIN_CG::P1Click);
    connect(m_grid, &LineGrid::lookupRequested, this, &TfrmIN_CG::myFindWP);

    auto *save = new QPushButton(QStringLiteral("保存"));
    save->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    save->setAutoDefault(false);
    quit->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TfrmIN_CG::BitBtn1Click);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint(QStringLiteral("温馨提示：采购人，经办人 按回车或鼠标双击即可选择，如采购人为 张三 ，录入 ZS 按回车")), 1);
    buttons->addWidget(save);
    buttons->addWidget(quit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSupplierGroup());
    layout->addWidget(hint(QStringLiteral("中间物品信息 请在 物品编码 处录入 物品编码 或 物品名称 或 拼音码 按回车或鼠标双击进行选择")));
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildPurchaseGroup());
    layout->addLayout(buttons);

    myStringLoad();
    if (!requestNumber.isEmpty())
        takeOverRequest(requestNumber);
}

QWidget *TfrmIN_CG::buildSupplierGroup()
{
    auto *group = new QGroupBox(QStringLiteral("供应商信息"));
    m_supplierName = named(new LookupLineEdit, "Edit1", 40);
    m_supplierName->setToolTip(QStringLiteral("录入商家名称拼音首字母，按回车"));
    m_phone = named(new QLineEdit, "Edit2");
    m_contact = named(new QLineEdit, "Edit3");
    m_address = named(new QLineEdit, "Edit4");
    m_supplierRemark = named(new QLineEdit, "Edit5");
    m_supplierId = new QLabel;
    m_supplierId->setObjectName(QStringLiteral("LabJSSID"));
    m_supplierId->hide();
    auto *import = new QPushButton(QStringLiteral("导入采购物品信息"));
    import->setObjectName(QStringLiteral("Button1"));
    import->setAutoDefault(false);

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("商家名称：")), 0, 0);
    grid->addWidget(m_supplierName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("录入商家名称或拼音首字母按回车...")), 0, 2, 1, 2);
    grid->addWidget(import, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("电话号码：")), 1, 0);
    grid->addWidget(m_phone, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("联  系  人：")), 1, 2);
    grid->addWidget(m_contact, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("地址：")), 2, 0);
    grid->addWidget(m_address, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("备注：")), 2, 2);
    grid->addWidget(m_supplierRemark, 2, 3, 1, 2);
    grid->addWidget(m_supplierId, 3, 0);

    connect(m_supplierName, &LookupLineEdit::lookupRequested, this, &TfrmIN_CG::myFindJXS);
    // Edit1Change: an emptied supplier name forgets the supplier.
    connect(m_supplierName, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            return;
        for (QLineEdit *box : {m_phone, m_contact, m_address, m_supplierRemark})
            box->clear();
        m_supplierId->clear();
    });
    connect(import, &QPushButton::clicked, this, &TfrmIN_CG::Button1Click);
    return group;
}

QWidget *TfrmIN_CG::buildPurchaseGroup()
{
    auto *group = new QGroupBox(QStringLiteral("采购信息"));
    m_date = dateEdit("DateTimePicker1");
    m_purchaser = named(new LookupLineEdit, "Edit7", 20);
    m_handler = named(new LookupLineEdit, "Edit8", 20);
    for (LookupLineEdit *box : {m_purchaser, m_handler}) {
        box->setToolTip(QStringLiteral("录入姓名拼音首字母，按回车"));
        connect(box, &LookupLineEdit::lookupRequested, this, [this, box] { findPerson(box); });
    }
    m_storage = new LookupComboBox;
    m_storage->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_storage->setLookup(m_services.dm.DBComStorage());
    m_remark = named(new QLineEdit, "Edit6", 100);

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("采购日期：")), 0, 0);
    grid->addWidget(m_date, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("采  购  人：")), 0, 2);
    grid->addWidget(m_purchaser, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("经  办  人：")), 0, 4);
    grid->addWidget(m_handler, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("入库仓库：")), 1, 0);
    grid->addWidget(m_storage, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("备注：")), 1, 2);
    grid->addWidget(m_remark, 1, 3, 1, 3);
    return group;
}

void TfrmIN_CG::myStringLoad()
{
    m_grid->lines()->reset();
    m_grid->setCurrent(1, Code);
    m_storage->setKeyValue(m_services.context.DefaultStorage);
    m_handler->setText(m_services.context.DefaultHandler);
    m_purchaser->setText(m_services.context.DefaultPurchaser);
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
            m_purchaser->setText(values[0]);
            m_handler->setText(values[1]);
            m_remark->setText(values[2]);
        }
    }
    QSqlQuery lines = dm.select(
        QStringLiteral("select UArticle.theNum, AName, AStandard, AUnit, USQ_Bill.APrice, theCount, "
                       "USQ_Bill.Remark, AID, USQ_Bill.ID from USQ_Bill INNER JOIN UArticle ON USQ_Bill.AID=UArticle.ID "
                       "Where USQ_Bill.theNum=? AND (USQ_Bill.theDel=0) order by USQ_Bill.myID"),
        {requestNumber});
    LineGridModel &cells = *m_grid->lines();
    int line = m_grid->currentLine();
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
    m_grid->setCurrent(line, Code);
}

void TfrmIN_CG::myFindWP()
{
    CatalogueLookup(m_services, *m_grid, this).run();
}

void TfrmIN_CG::myFindJXS()
{
    TfrmFind picker(m_services, m_supplierName->text(), this);
    if (picker.exec() != QDialog::Accepted || picker.chosenRows().isEmpty())
        return;
    const int row = picker.chosenRows().first();
    m_supplierName->setText(picker.value(row, QStringLiteral("商家名称")).toString());
    m_phone->setText(picker.value(row, QStringLiteral("电话号码")).toString());
    m_contact->setText(picker.value(row, QStringLiteral("联系人")).toString());
    m_address->setText(picker.value(row, QStringLiteral("地址")).toString());
    m_supplierRemark->setText(picker.value(row, QStringLiteral("备注")).toString());
    m_supplierId->setText(picker.value(row, QStringLiteral("FindID")).toString());
    m_grid->setFocus();
}

void TfrmIN_CG::findPerson(QLineEdit *box)
{
    TfrmFindProson picker(m_services, box->text(), this);
    if (picker.exec() == QDialog::Accepted && !picker.chosenRows().isEmpty())
        box->setText(picker.value(picker.chosenRows().first(), QStringLiteral("人员姓名")).toString());
}

PurchaseIn::Header TfrmIN_CG::header() const
{
    Header h;
    h.supplierId = m_supplierId->text();
    h.supplierName = m_supplierName->text();
    h.phone = m_phone->text();
    h.contact = m_contact->text();
    h.address = m_address->text();
    h.supplierRemark = m_supplierRemark->text();
    h.purchaser = m_purchaser->text();
    h.handler = m_handler->text();
    h.storageId = m_storage->keyValue().toString();
    h.storageName = m_storage->currentIndex() >= 0 ? m_storage->currentText() : QString();
    h.date = m_date->date().toString(QStringLiteral("yyyy-MM-dd"));
    h.remark = m_remark->text();
    return h;
}

void TfrmIN_CG::focus(Focus where)
{
    switch (where) {
    case Focus::SupplierName: m_supplierName->setFocus(); break;
    case Focus::Purchaser: m_purchaser->setFocus(); break;
    case Focus::Handler: m_handler->setFocus(); break;
    case Focus::Storage: m_storage->setFocus(); break;
    case Focus::Grid: m_grid->setFocus(); break;
    }
}

void TfrmIN_CG::BitBtn1Click()
{
    Header h = header();
    const std::optional<CheckFailure> failure = check(m_services, h, *m_grid->lines());
    m_supplierId->setText(h.supplierId); // a supplier resolved by the checks stays resolved
    if (failure) {
        m_services.dialogs.information(this, failure->message, kProgramTitle);
        focus(failure->focus);
        return;
    }
    const QString number = save(m_services, h, *m_grid->lines());
    m_services.dialogs.information(this, QStringLiteral("采购入库单 保存成功！"), kProgramTitle);
    PrintIn_CG(m_services, this, number);
    reset();
}

void TfrmIN_CG::reset()
{
    m_supplierId->clear();
    m_supplierName->setFocus();
    const QList<QLineEdit *> boxes = {m_supplierName, m_phone, m_contact, m_address, m_supplierRemark,
                                      m_remark, m_purchaser, m_handler};
    for (QLineEdit *box : boxes)
        box->clear();
    myStringLoad();
}

void TfrmIN_CG::Button1Click()
{
    importPurchaseLines(m_services, this, *m_grid->lines());
}

void TfrmIN_CG::P1Click()
{
    const int line = m_grid->currentLine();
    const QString itemId = m_grid->lines()->cell(line, ItemId);
    if (itemId.isEmpty())
        return;
    TfrmPic_V viewer(m_grid->lines()->cell(line, Code) + QLatin1Char(' ') + m_grid->lines()->cell(line, Name),
                     itemPictureFile(m_services.context.ImageDir, itemId), this);
    viewer.exec();
}
