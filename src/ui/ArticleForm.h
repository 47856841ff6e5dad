#pragma once

#include "store/ArticleRules.h"

#include <QGroupBox>
#include <functional>

class LookupComboBox;
class QDialog;
class QLineEdit;
class TfrmDM;

// The group "物品信息" of the item dialogs: code (Edit1), category (DBLookupComboBox1),
// name (Edit2), standard (Edit3), unit (Edit4), price (Edit5, digits and one point),
// place (DBLookupComboBox2) and remark (Edit6).
class ArticleForm : public QGroupBox {
    Q_OBJECT
public:
    explicit ArticleForm(TfrmDM &dm, QWidget *parent = nullptr);

    // Fills the fields from item `id`; they stay empty when it is not found.
    bool load(int id);
    // Sets the code box only: a new item's proposed or typed code.
    void setCode(const QString &code);
    // The fields as typed. A category or place the lists no longer hold (it was
    // deleted) keeps the item's stored value unless the user chose another.
    ArticleFields fields() const;
    QWidget *editor(ArticleProblem::Field field) const;

private:
    QLineEdit *m_code, *m_name, *m_standard, *m_unit, *m_price, *m_remark;
    LookupComboBox *m_category, *m_place;
    TfrmDM &m_dm;
    ArticleFields m_loaded;
};

// The button row "保存" (BitBtn1) and "退出" (BitBtn2) of the item dialogs; "保存"
// calls `save`, "退出" rejects the dialog.
void addSaveAndQuitButtons(QDialog &dialog, const std::function<void()> &save);

// The caption of the item dialogs: code + " " + name.
QString articleCaption(const ArticleFields &fields);
