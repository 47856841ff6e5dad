#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class ArticleForm;
class QLineEdit;

// "物品录入": creates a catalogue item on the spot when a document's lookup finds none.
// On a successful save `createdItem()` holds the new item's line values.
class TfrmA_In : public QDialog {
    Q_OBJECT
public:
    struct Item {
        QString id, code, name, standard, unit, price, remark;
    };

    TfrmA_In(AppServices services, const QString &presetCode, QWidget *parent = nullptr);

    const Item &createdItem() const { return m_item; }
    QLineEdit *edit(const char *objectName) const;

public Q_SLOTS:
    void BitBtn1Click();

private:
    AppServices m_services;
    ArticleForm *m_form;
    Item m_item;
};
