#pragma once

#include <QString>

// A failed check of a document save: its message and the objectName of the widget that
// gets the focus ("StringGrid1" for the line grid).
struct DocumentRefusal {
    QString message;
    QString focus;
};
