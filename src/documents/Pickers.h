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

// "<storage> 物品 查找": items with a balance row in the storage whose name, initials,
// code or standard contain the text, leaving out the items already on the document;
// with `positiveOnly` only those with a balance above 0.
class TfrmFindArticle7 : public PickerDialog {
    Q_OBJECT
public:
    struct Search {
        QString text;
        QString storageId, storageName;
        QStringList excludedIds;
        bool positiveOnly = true;
    };
    TfrmFindArticle7(AppServices services, const Search &search, QWidget *parent = nullptr);

    // The IDs of the items the search finds, ignoring the exclusion.
    static QStringList matchingIds(AppServices services, Search search);
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
