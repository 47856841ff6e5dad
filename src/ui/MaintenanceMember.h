#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantHash>
#include <functional>
#include <vector>

struct AppServices;
class DataGrid;
class QWidget;

// What makes one maintenance window: its table, the query the grid shows, the form
// fields, the checks of a save and the member's own steps. The window itself is
// MaintenanceWindow; departments, persons, storages, places, suppliers, categories,
// packages and users are each one of these.

struct MaintenanceField {
    enum class Kind { Text, DepartmentList, CategoryList, PlaceList, Number };
    const char *column;  // column of the table
    const char *title;   // its alias in the query, the grid's title
    const char *label;   // the form's label
    Kind kind = Kind::Text;
};

struct RequiredField {
    const char *column;
    const char *message; // shown when the field is empty
};

// A command of the grid's pop-up menu, run for the current row when the grid has rows.
struct MaintenanceAction {
    QString caption;     // "物品明细 &L"
    QString objectName;  // "L1"
    std::function<void(AppServices &, QWidget *window, int id, const QString &name)> run;
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
    // Runs inside the save of a modified row, after its update, with the name before and after.
    std::function<void(AppServices &, const QString &oldName, const QString &newName)> afterUpdate;
    std::vector<MaintenanceAction> gridActions;
    QString closingMessage;  // shown whenever the window closes, when set
    QString statement;       // the grid's query, when the one made from the fields won't do
    // The key proposed by "新增" (a new item's code), when set.
    std::function<QString(AppServices &)> proposeKey;
    // Columns a new row gets besides the form's, with their values.
    std::function<QVariantHash(AppServices &)> insertDefaults;
    bool duplicateCheckOnModify = false; // a changed key is checked like a new one
    // Statements with the row's ID bound that run before its delete, in one transaction.
    QStringList deleteAlso;
};
