#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// "修改密码": the logged-in user's old password, the new one and its confirmation.
class TfrmChangePass : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChangePass(AppServices services, QWidget *parent = nullptr);

public Q_SLOTS:
    void confirm();

private:
    AppServices m_services;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_confirmation;
};
