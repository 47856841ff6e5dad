#pragma once

#include "master/SearchWindow.h"

class LookupComboBox;
class QLineEdit;

// "人员查询": persons by department and by name or initials, sorted by a title click,
// exported as "人员信息".
class TfrmP_Q : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmP_Q(AppServices services, QWidget *parent = nullptr);

    LookupComboBox *department() const { return m_department; }
    QLineEdit *name() const { return m_name; }

protected:
    QString statement(QVariantList &values) const override;
    void showResult() override;

private:
    LookupComboBox *m_department;
    QLineEdit *m_name;
};
