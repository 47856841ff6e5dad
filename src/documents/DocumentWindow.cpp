#include "documents/DocumentWindow.h"

#include "documents/Pickers.h"
#include "pictures/TfrmPic_V.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"
#include "ui/LookupLineEdit.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSupplierId = QStringLiteral("LabJSSID");
const QString kGridName = QStringLiteral("StringGrid1");

QLabel *hint(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: #a04000;"));
    return label;
}

QLabel *hiddenLabel(const QString &objectName)
{
    auto *label = new QLabel;
    label->setObjectName(objectName);
    label->hide();
    return label;
}

} // namespace

DocumentWindow::DocumentWindow(AppServices services, DocumentDescription description, QWidget *parent)
    : QDialog(parent), m_services(services), m_description(std::move(description)),
      m_grid(new LineGrid(m_description.grid))
{
    setObjectName(m_description.objectName);
    setWindowTitle(m_description.caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(m_description.size);

    m_grid->setObjectName(kGridName);
    m_grid->setToolTip(m_description.gridHint);
    auto *picture = new QAction(QStringLiteral("查看图片 &P"), m_grid);
    picture->setObjectName(QStringLiteral("P1"));
    m_grid->addAction(picture);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(picture, &QAction::triggered, this, &DocumentWindow::showPicture);
    connect(m_grid, &LineGrid::lookupRequested, this, &DocumentWindow::lookUpItem);

    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    saveButton->setAutoDefault(false);
    quit->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &DocumentWindow::save);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint(m_description.peopleHint), 1);
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);

    auto *layout = new QVBoxLayout(this);
    for (const HeaderGroup &group : m_description.groups) {
        if (!group.belowGrid)
            layout->addWidget(buildGroup(group));
    }
    layout->addWidget(hint(m_description.linesHint));
    layout->addWidget(m_grid, 1);
    for (const HeaderGroup &group : m_description.groups) {
        if (group.belowGrid)
            layout->addWidget(buildGroup(group));
    }
    layout->addLayout(buttons);

    restoreDefaults();
}

QWidget *DocumentWindow::buildGroup(const HeaderGroup &group)
{
    auto *box = new QGroupBox(group.caption);
    auto *layout = new QGridLayout(box);
    m_groupLayouts << layout;
    int row = 0;
    int column = 0;
    for (const HeaderField &field : group.fields) {
        if (field.kind == HeaderField::Kind::Suppliers) {
            addSupplierBoxes(layout, row);
            continue;
        }
        if (column + field.span > group.fieldsPerRow) {
            ++row;
            column = 0;
        }
        layout->addWidget(new QLabel(field.label), row, column * 2);
        layout->addWidget(buildField(field), row, column * 2 + 1, 1, field.span * 2 - 1);
        if (!field.departmentLabel.isEmpty()) {
            QLabel *department = hiddenLabel(field.departmentLabel);
            m_fields.insert(field.departmentLabel, department);
            layout->addWidget(department, row, column * 2 + 1);
        }
        column += field.span;
    }
    return box;
}

QWidget *DocumentWindow::buildField(const HeaderField &field)
{
    QWidget *widget = nullptr;
    switch (field.kind) {
    case HeaderField::Kind::Text:
    case HeaderField::Kind::Person: {
        auto *box = field.kind == HeaderField::Kind::Person ? new LookupLineEdit : new QLineEdit;
        if (field.maxLength > 0)
            box->setMaxLength(field.maxLength);
        if (auto *person = qobject_cast<LookupLineEdit *>(box)) {
            person->setToolTip(QStringLiteral("录入姓名拼音首字母，按回车"));
            connect(person, &LookupLineEdit::lookupRequested, this,
                    [this, person, label = field.departmentLabel] { findPerson(person, label); });
            // A name typed by hand is not the chosen person: forget the department.
            if (!field.departmentLabel.isEmpty()) {
                connect(person, &QLineEdit::textEdited, this, [this, label = field.departmentLabel] {
                    static_cast<QLabel *>(m_fields.value(label))->clear();
                });
            }
        }
        if (field.changeEmptiesLines)
            connect(box, &QLineEdit::textEdited, this, [this] { lines().reset(); });
        widget = box;
        break;
    }
    case HeaderField::Kind::Storage:
    case HeaderField::Kind::Packages: {
        auto *list = new LookupComboBox;
        list->setLookup(field.kind == HeaderField::Kind::Storage ? m_services.dm.DBComStorage()
                                                                 : m_services.dm.DBComUAPack());
        if (field.changeEmptiesLines)
            connect(list, &QComboBox::activated, this, [this] { lines().reset(); });
        if (field.kind == HeaderField::Kind::Packages) {
            connect(list, &QComboBox::activated, this, [this, list] { Q_EMIT packageChosen(list->currentText()); });
        }
        widget = list;
        break;
    }
    case HeaderField::Kind::Date: {
        auto *edit = new QDateEdit(QDate::currentDate());
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        widget = edit;
        break;
    }
    case HeaderField::Kind::Suppliers:
        break;
    }
    widget->setObjectName(field.objectName);
    m_fields.insert(field.objectName, widget);
    return widget;
}

void DocumentWindow::addSupplierBoxes(QGridLayout *layout, int &row)
{
    auto *name = new LookupLineEdit;
    name->setMaxLength(40);
    name->setToolTip(QStringLiteral("录入商家名称拼音首字母，按回车"));
    const QStringList names = {QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
                               QStringLiteral("Edit4"), QStringLiteral("Edit5")};
    const QList<QLineEdit *> boxes = {name, new QLineEdit, new QLineEdit, new QLineEdit, new QLineEdit};
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->setObjectName(names[i]);
        m_fields.insert(names[i], boxes[i]);
    }
    QLabel *supplierId = hiddenLabel(kSupplierId);
    m_fields.insert(kSupplierId, supplierId);

    layout->addWidget(new QLabel(QStringLiteral("商家名称：")), row, 0);
    layout->addWidget(name, row, 1);
    layout->addWidget(new QLabel(QStringLiteral("录入商家名称或拼音首字母按回车...")), row, 2, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("电话号码：")), row + 1, 0);
    layout->addWidget(boxes[1], row + 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("联  系  人：")), row + 1, 2);
    layout->addWidget(boxes[2], row + 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("地址：")), row + 2, 0);
    layout->addWidget(boxes[3], row + 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("备注：")), row + 2, 2);
    layout->addWidget(boxes[4], row + 2, 3, 1, 2);
    layout->addWidget(supplierId, row + 3, 0);
    row += 4;

    connect(name, &LookupLineEdit::lookupRequested, this, &DocumentWindow::findSupplier);
    // A name typed by hand is not the chosen supplier: forget its ID.
    connect(name, &QLineEdit::textEdited, supplierId, &QLabel::clear);
    // Edit1Change: an emptied supplier name forgets the supplier.
    connect(name, &QLineEdit::textChanged, this, [boxes, supplierId](const QString &text) {
        if (!text.isEmpty())
            return;
        for (QLineEdit *box : boxes.mid(1))
            box->clear();
        supplierId->clear();
    });
}

QString DocumentWindow::text(const QString &objectName) const
{
    QWidget *widget = m_fields.value(objectName);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    return {};
}

void DocumentWindow::setText(const QString &objectName, const QString &text)
{
    QWidget *widget = m_fields.value(objectName);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
}

QString DocumentWindow::department(const QString &personBox) const
{
    for (const HeaderGroup &group : m_description.groups) {
        for (const HeaderField &field : group.fields) {
            if (field.objectName == personBox)
                return text(field.departmentLabel);
        }
    }
    return {};
}

QString DocumentWindow::storageId(const QString &objectName) const
{
    auto *list = qobject_cast<LookupComboBox *>(m_fields.value(objectName));
    return list ? list->keyValue().toString() : QString();
}

QString DocumentWindow::storageName(const QString &objectName) const
{
    auto *list = qobject_cast<LookupComboBox *>(m_fields.value(objectName));
    return list && list->currentIndex() >= 0 ? list->currentText() : QString();
}

QString DocumentWindow::date(const QString &objectName) const
{
    auto *edit = qobject_cast<QDateEdit *>(m_fields.value(objectName));
    return edit ? edit->date().toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QWidget *DocumentWindow::field(const QString &objectName) const
{
    return objectName == kGridName ? m_grid : m_fields.value(objectName);
}

void DocumentWindow::focusField(const QString &objectName)
{
    if (QWidget *widget = field(objectName))
        widget->setFocus();
}

void DocumentWindow::findPerson(QLineEdit *box, const QString &departmentLabel)
{
    TfrmFindProson picker(m_services, box->text(), this);
    if (picker.exec() != QDialog::Accepted || picker.chosenRows().isEmpty())
        return;
    const int row = picker.chosenRows().first();
    box->setText(picker.value(row, QStringLiteral("人员姓名")).toString());
    if (!departmentLabel.isEmpty())
        setText(departmentLabel, picker.value(row, QStringLiteral("部门名称")).toString());
}

void DocumentWindow::findSupplier()
{
    TfrmFind picker(m_services, text(QStringLiteral("Edit1")), this);
    if (picker.exec() != QDialog::Accepted || picker.chosenRows().isEmpty())
        return;
    const int row = picker.chosenRows().first();
    const auto value = [&picker, row](const char *title) {
        return picker.value(row, QString::fromUtf8(title)).toString();
    };
    setText(QStringLiteral("Edit1"), value("商家名称"));
    setText(QStringLiteral("Edit2"), value("电话号码"));
    setText(QStringLiteral("Edit3"), value("联系人"));
    setText(QStringLiteral("Edit4"), value("地址"));
    setText(QStringLiteral("Edit5"), value("备注"));
    setText(kSupplierId, value("FindID"));
    m_grid->setFocus();
}

void DocumentWindow::save()
{
    if (const std::optional<DocumentRefusal> refusal = check()) {
        m_services.dialogs.information(this, refusal->message, kProgramTitle);
        focusField(refusal->focus);
        return;
    }
    const QString number = write();
    m_services.dialogs.information(this, m_description.successMessage, kProgramTitle);
    if (m_description.print)
        printDocument(m_services, this, m_description.print(), number);
    if (m_closeAfterSave) {
        accept();
        return;
    }
    reset();
}

void DocumentWindow::reset()
{
    for (QWidget *widget : std::as_const(m_fields)) {
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            box->clear();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->clear();
    }
    restoreDefaults();
    focusField(m_description.resetFocus);
}

void DocumentWindow::restoreDefaults()
{
    lines().reset();
    m_grid->setCurrent(1, m_description.grid.codeColumn);
    for (const HeaderGroup &group : m_description.groups) {
        for (const HeaderField &field : group.fields) {
            if (!field.preset)
                continue;
            const QString value = m_services.context.*field.preset;
            if (auto *list = qobject_cast<LookupComboBox *>(m_fields.value(field.objectName)))
                list->setKeyValue(value);
            else
                setText(field.objectName, value);
        }
    }
}

void DocumentWindow::showPicture()
{
    const int line = m_grid->currentLine();
    const QString itemId = lines().cell(line, m_description.grid.itemIdColumn);
    if (itemId.isEmpty())
        return;
    TfrmPic_V viewer(lines().cell(line, m_description.grid.codeColumn) + QLatin1Char(' ') + lines().cell(line, 2),
                     itemPictureFile(m_services.context.ImageDir, itemId), this);
    viewer.exec();
}
