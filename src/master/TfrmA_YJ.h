#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class ArticleForm;
class QCheckBox;
class QLineEdit;

// The warning settings of one item: "最低库存：" (Edit7), "最高库存：" (Edit8) and
// "启用库存预警" (CheckBox1) below the item's fields, which are shown only. Construct
// it with the item's ID and exec() it; a save changes YJMin, YJMax and theYJ alone and
// the caller need not refresh.
class TfrmA_YJ : public QDialog {
    Q_OBJECT
public:
    TfrmA_YJ(AppServices services, int articleId, QWidget *parent = nullptr);

    QLineEdit *minimum() const { return m_min; }
    QLineEdit *maximum() const { return m_max; }
    QCheckBox *enabled() const { return m_on; }

public Q_SLOTS:
    void save();

private:
    AppServices m_services;
    int m_articleId;
    QString m_item; // code + " " + name
    QLineEdit *m_min;
    QLineEdit *m_max;
    QCheckBox *m_on;
};
