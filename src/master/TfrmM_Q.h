#pragma once

#include "master/SearchWindow.h"

class QLineEdit;

// "供应商查询": suppliers by name or initials and by contact, exported as "供应商信息".
class TfrmM_Q : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmM_Q(AppServices services, QWidget *parent = nullptr);

    QLineEdit *name() const { return m_name; }
    QLineEdit *contact() const { return m_contact; }

protected:
    QString statement(QVariantList &values) const override;
    void showResult() override;

private:
    QLineEdit *m_name;
    QLineEdit *m_contact;
};
