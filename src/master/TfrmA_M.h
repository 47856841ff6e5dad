#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class ArticleForm;

// "物品信息": edits every field of one item. Construct it with the item's ID and exec()
// it; it returns QDialog::Accepted after a save, when the caller refreshes its list
// (the item query searches again, the stock list refreshes). A changed code is refused
// when another item has it.
class TfrmA_M : public QDialog {
    Q_OBJECT
public:
    TfrmA_M(AppServices services, int articleId, QWidget *parent = nullptr);

    ArticleForm *form() const { return m_form; }

public Q_SLOTS:
    void save();

private:
    AppServices m_services;
    int m_articleId;
    ArticleForm *m_form;
};
