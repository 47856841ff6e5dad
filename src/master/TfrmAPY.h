#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// "修改物品拼音码": sets an item's initials code (thePY) by hand, stored as typed, below
// the item's fields, which are shown only. Construct it with the item's ID and exec()
// it; it returns QDialog::Accepted after a save, when the caller refreshes its list.
// The next save of the item's fields replaces the code by the computed one.
class TfrmAPY : public QDialog {
    Q_OBJECT
public:
    TfrmAPY(AppServices services, int articleId, QWidget *parent = nullptr);

    QLineEdit *pinyin() const { return m_pinyin; }

public Q_SLOTS:
    void save();

private:
    AppServices m_services;
    int m_articleId;
    QLineEdit *m_pinyin;
};
