#pragma once

#include "master/SearchWindow.h"
#include "store/ArticleCondition.h"

class LookupComboBox;
class QLineEdit;
class QMenu;

// "物品查询": items by category, name or initials, standard (model), remark, code and place;
// exported as "物品信息"; labels of the listed items ("条码", "A4 条码") or of the current
// one ("二维码"); after the first search a pop-up over the result reaches the item's
// dialogs, pictures and file, and deletes items.
class TfrmArticle_Q : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmArticle_Q(AppServices services, QWidget *parent = nullptr);

    // The condition of the last search.
    const ArticleCondition &lastCondition() const { return m_condition; }
    QMenu *popupMenu() const { return m_menu; }

public Q_SLOTS:
    void modifyItem();
    void modifyPinyin();
    void deleteItem();
    void deleteAll();
    void printQrLabel(); // "二维码" of the current row

protected:
    QString statement(QVariantList &values) const override;
    void showResult() override;

private:
    ArticleCondition condition() const;
    int currentId() const;
    void buildMenu();

    LookupComboBox *m_category;
    QLineEdit *m_name;
    QLineEdit *m_standard;
    QLineEdit *m_remark;
    QLineEdit *m_code;
    LookupComboBox *m_place;
    ArticleCondition m_condition;
    QMenu *m_menu;
};
