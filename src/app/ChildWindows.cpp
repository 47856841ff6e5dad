#include "app/ChildWindows.h"

#include <QMdiSubWindow>

void ChildWindows::opened(ChildKind kind, QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    Slot &entry = slot(kind);
    entry.open = true;
    entry.window = window;
    QObject::connect(window, &QObject::destroyed, window, [this, kind, window] {
        // A later window of the same kind may already hold the slot.
        Slot &current = slot(kind);
        if (current.window == window || current.window.isNull())
            current.open = false;
    });
}

bool ChildWindows::isOpen(ChildKind kind) const
{
    return slot(kind).open;
}

void ChildWindows::closeAll()
{
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot &entry = m_slots[i];
        if (!entry.open || entry.window.isNull())
            continue;
        // A child shown in the MDI area sits inside a sub-window frame: close that.
        QWidget *frame = entry.window->parentWidget();
        QWidget *target = qobject_cast<QMdiSubWindow *>(frame) ? frame : entry.window.data();
        if (target->close())
            entry.open = false;
    }
}
