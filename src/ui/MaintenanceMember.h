#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

struct AppServices;
class DataGrid;

// What makes one maintenance window: its table, the query the grid shows, the form
// fields, the checks of a save and the member's own steps. The window itself is
// MaintenanceWindow; departments, persons, storages, places, suppliers, categories,
// packages and users are each one of these.

struct MaintenanceField {
    enum class Kind { Text, DepartmentList };
    const char *column;  // column of the table
    const char *title;   // its alias in the query, the grid's title
    const char *label;   // the form's label
    Kind kind = Kind::Text;
};

struct RequiredField {
    const char *column;
    const char *message; // shown when the field is empty
};

struct MaintenanceMember {
    QString objectName;      // "frmDepartment"
    QString caption;         // "部门管理"
    QString groupCaption;    // "部门信息"
    QString table;           // "SDepartment"
    QString orderBy;         // "" or "DName"
    std::vector<MaintenanceField> fields;  // in grid and form order
    QStringList hiddenTitles;              // grid columns beyond the fields, hidden ("thePY")
    QHash<QString, int> columnWidths;      // title → pixels
    bool titleSorting = false;
    std::vector<RequiredField> required;   // checked in this order
    QString nameColumn;      // the name field: focus, modify/delete guard, pinyin source
    QString keyColumn;       // duplicate check of a new row
    QString duplicateMessage;
    bool hasPinyin = true;   // thePY := PinyinCode(name) on save
    // Refusal text of a delete, or empty when the row may go. Gets the row's ID and name.
    std::function<QString(AppServices &, int id, const QString &name)> deleteRefusal;
    // Runs inside the save of a new row, after its insert.
    std::function<void(AppServices &, const QString &name)> afterInsert;
    QString closingMessage;  // shown whenever the window closes, when set
    // Grid columns shown after the fields ("theM as 修改"); they have no form field.
    QStringList shownColumns;
    // Lines of text shown under the form's fields.
    QStringList formNotes;
    // Columns a save of a new row, or of a modified row, sets to fixed values.
    QList<std::pair<QString, QVariant>> insertValues;
    QList<std::pair<QString, QVariant>> updateValues;
    // A modified row may not take a key another row already has.
    bool keyUniqueOnModify = false;
};
