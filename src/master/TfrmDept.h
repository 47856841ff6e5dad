#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// "单位设置": the organisation's name, printed on documents and exports. Saving it ends
// the program, which reads the new name at the next start.
class TfrmDept : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDept(AppServices services, QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }

public Q_SLOTS:
    void BitBtn1Click();

private:
    AppServices m_services;
    QLineEdit *m_name;
};
