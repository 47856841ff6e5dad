#pragma once

#include "documents/DocumentPrinting.h"
#include "ui/AppServices.h"
#include "ui/LineGrid.h"

#include <QDialog>
#include <QHash>
#include <optional>

class LookupComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
struct AppContext;

// The document window: the one shape of the nine stock documents. A kind describes its
// header groups, its line grid and its texts in a DocumentDescription and adds its own
// rules by overriding three functions:
//
//   check()    the checks of a save in their order; the first failure is returned with
//              the objectName of the widget that gets the focus. Nothing is written.
//   write()    writes the checked document in one transaction and returns its number
//              (call the kind's plain save function, which a test calls without widgets).
//   findItem() the item lookup of the current line (Enter or a double click in the grid).
//
// "保存" (`save()`) runs check(), then write(), shows the success text, prints the new
// document with the kind's PrintedKind and resets the window: every text box, hidden
// department and hidden supplier ID emptied, the lines emptied, the defaults of the
// description restored, the focus on `resetFocus`. The date keeps its value. With
// closeAfterSave() set (a window opened with prefilled lines) it closes after the print.
//
// Header fields are found by objectName with text(), department(), storageId(),
// storageName(), date() and field(). A person box with a department label fills it
// from the person picker and empties it whenever the box is edited by hand; the
// supplier boxes likewise keep the hidden supplier ID (`LabJSSID`) only while the name
// is the one chosen. A field with `changeEmptiesLines` empties the lines when the user
// changes it (a storage list, a returner box). The pop-up "查看图片 &P" of the grid shows
// the picture of the current line's item.
struct HeaderField {
    enum class Kind {
        Text,      // a plain text box
        Person,    // a text box whose Enter or double click opens "查找 人员"
        Suppliers, // the supplier boxes Edit1–Edit5 with the hidden ID LabJSSID; Enter or a
                   // double click in the name opens "供应商 查找"
        Storage,   // a storage list over DBComStorage
        Packages,  // the item package list over DBComUAPack
        Date,      // a date picker, preset to today
    };
    Kind kind = Kind::Text;
    QString objectName;        // "Edit2", "DBLookupComboBox1", "DateTimePicker1"
    QString label;             // "借  用  人："
    int maxLength = 0;         // text boxes; 0 = no limit
    QString departmentLabel;   // Person: objectName of the hidden department label
    QString AppContext::*preset = nullptr; // the default restored on reset (a person, a storage ID)
    bool changeEmptiesLines = false;
    int span = 1;              // grid cells the editor spans
};

// The fields as the descriptions write them.
namespace Fields {
inline HeaderField text(const QString &name, const QString &label, int maxLength, int span = 1)
{
    HeaderField f;
    f.objectName = name;
    f.label = label;
    f.maxLength = maxLength;
    f.span = span;
    return f;
}
// A person box of at most 20 characters; `departmentLabel` names its hidden department.
inline HeaderField person(const QString &name, const QString &label,
                          QString AppContext::*preset = nullptr, const QString &departmentLabel = {})
{
    HeaderField f = text(name, label, 20);
    f.kind = HeaderField::Kind::Person;
    f.preset = preset;
    f.departmentLabel = departmentLabel;
    return f;
}
inline HeaderField storage(const QString &name, const QString &label,
                           QString AppContext::*preset = nullptr, bool changeEmptiesLines = false)
{
    HeaderField f = text(name, label, 0);
    f.kind = HeaderField::Kind::Storage;
    f.preset = preset;
    f.changeEmptiesLines = changeEmptiesLines;
    return f;
}
inline HeaderField date(const QString &name, const QString &label)
{
    HeaderField f = text(name, label, 0);
    f.kind = HeaderField::Kind::Date;
    return f;
}
inline HeaderField packages(const QString &name, const QString &label)
{
    HeaderField f = text(name, label, 0);
    f.kind = HeaderField::Kind::Packages;
    return f;
}
inline HeaderField suppliers()
{
    HeaderField f;
    f.kind = HeaderField::Kind::Suppliers;
    return f;
}
} // namespace Fields

struct HeaderGroup {
    QString caption;            // "借用信息"
    QList<HeaderField> fields;  // laid out label, editor, label, editor… in rows
    int fieldsPerRow = 3;
    bool belowGrid = false;
};

struct DocumentDescription {
    QString objectName;        // "frmOut_JC"
    QString caption;           // "借用出库单"
    QSize size;
    QList<HeaderGroup> groups;
    LineGridLayout grid;       // itemIdColumn names the hidden item ID cell
    QString gridHint = QStringLiteral("亲，在 物品编码 处录入物品名称拼音首字母或物品编码，按回车或鼠标双击...");
    QString peopleHint;        // "温馨提示：…", beside the buttons
    QString linesHint = QStringLiteral("中间物品信息 请在 物品编码 处录入 物品编码 或 物品名称 或 拼音码 按回车或鼠标双击进行选择");
    QString successMessage;    // "借用出库单 保存成功！"
    PrintedKind (*print)() = nullptr;
    QString resetFocus;        // objectName focused after a reset
};

// A failed check: its message and the objectName of the widget to focus.
struct DocumentRefusal {
    QString message;
    QString focus;
};

class DocumentWindow : public QDialog {
    Q_OBJECT
public:
    DocumentWindow(AppServices services, DocumentDescription description, QWidget *parent = nullptr);

    LineGrid *grid() const { return m_grid; }
    LineGridModel &lines() const { return *m_grid->lines(); }
    const DocumentDescription &description() const { return m_description; }

    QString text(const QString &objectName) const;
    void setText(const QString &objectName, const QString &text);
    QString department(const QString &personBox) const;
    QString storageId(const QString &objectName) const;
    QString storageName(const QString &objectName) const;
    QString date(const QString &objectName) const; // "yyyy-MM-dd"
    QWidget *field(const QString &objectName) const;

    // Close the window after the next successful save.
    void setCloseAfterSave(bool close) { m_closeAfterSave = close; }

public Q_SLOTS:
    void save();          // 保存 (BitBtn1)
    void showPicture();   // 查看图片 &P (P1)
    void lookUpItem() { findItem(); }

Q_SIGNALS:
    // A package was chosen in a Packages list (the window fills its lines from it).
    void packageChosen(const QString &packageName);

protected:
    virtual std::optional<DocumentRefusal> check() = 0;
    virtual QString write() = 0;
    virtual void findItem() = 0;

    // Empties the lines and restores the defaults, as after a save.
    void reset();
    // Puts the focus on the widget with this objectName (the grid is "StringGrid1").
    void focusField(const QString &objectName);
    QGridLayout *groupLayout(int group) const { return m_groupLayouts.at(group); }

    AppServices m_services;

private:
    QWidget *buildGroup(const HeaderGroup &group);
    QWidget *buildField(const HeaderField &field);
    void addSupplierBoxes(QGridLayout *layout, int &row);
    void findPerson(QLineEdit *box, const QString &departmentLabel);
    void findSupplier();
    void restoreDefaults();

    DocumentDescription m_description;
    LineGrid *m_grid;
    QHash<QString, QWidget *> m_fields;
    QList<QGridLayout *> m_groupLayouts;
    bool m_closeAfterSave = false;
};
