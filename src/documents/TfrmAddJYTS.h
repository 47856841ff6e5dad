#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;
class TfrmDM;

// Lengthens the loan period `theGH` of loan line `lineId` by the days in `daysText`;
// empty text adds 0. Throws InputError when the text is not a whole number.
void addLoanDays(TfrmDM &dm, const QString &lineId, const QString &daysText);

// "增加借用天数": adds days to one saved loan line, moving its due date. Opened by the
// loan query window with the box preset to the default loan days; "保存" adds them and
// closes the dialog accepted, after which the caller shows the document's lines again.
class TfrmAddJYTS : public QDialog {
    Q_OBJECT
public:
    TfrmAddJYTS(AppServices services, const QString &lineId, const QString &documentNumber,
                QWidget *parent = nullptr);

    const QString &documentNumber() const { return m_documentNumber; }

public Q_SLOTS:
    void save(); // 保存

private:
    AppServices m_services;
    QString m_lineId;
    QString m_documentNumber;
    QLineEdit *m_days; // Edit1
};
