#include "ui/LookupLineEdit.h"

#include <QKeyEvent>

void LookupLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT lookupRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LookupLineEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT lookupRequested();
}
