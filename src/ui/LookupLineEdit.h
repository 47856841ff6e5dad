#pragma once

#include <QLineEdit>

// A text box whose Enter key and double click ask for a lookup (a supplier or a person
// picker), as the name boxes of the documents do.
class LookupLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void lookupRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
