#pragma once

#include "ui/AppServices.h"
#include "ui/PickerDialog.h"

// The pickers of the document windows. Each is a PickerDialog over its own query; the
// caller reads the chosen rows and writes them where they belong.

// "供应商 查找": suppliers whose name or initials contain the text.
class TfrmFind : public PickerDialog {
    Q_OBJECT
public:
    TfrmFind(AppServices services, const QString &text, QWidget *parent = nullptr);
};

// "物品 查找": catalogue items whose name, initials, code or standard contain the
// text, leaving out the items already on the document.
class TfrmFindArticle6 : public PickerDialog {
    Q_OBJECT
public:
    TfrmFindArticle6(AppServices services, const QString &text, const QStringList &excludedIds,
                     QWidget *parent = nullptr);
};

// "查找 人员": persons whose name, initials or staff number contain the text.
class TfrmFindProson : public PickerDialog {
    Q_OBJECT
public:
    TfrmFindProson(AppServices services, const QString &text, QWidget *parent = nullptr);
};

// The condition the item lookups share: name, initials, code or standard contain
// the text. Binds the text four times.
QString itemTextCondition();
QVariantList itemTextValues(const QString &text);
