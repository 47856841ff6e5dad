#pragma once

#include "admin/UserRights.h"

#include <QStringList>
#include <functional>

class QBoxLayout;
class QDialog;
class QGroupBox;
class QListWidget;

// The pieces the two rights dialogs share: a titled group holding a check list, and
// the buttons "保存" and "退出".

// A check list of `items` inside `group`, laid out in `columns` columns.
QListWidget *checkList(QGroupBox *group, const std::vector<CheckItem> &items, int columns);
// The texts of the ticked items, top to bottom.
QStringList tickedTexts(const QListWidget *list);
// Ticks or unticks every item.
void tickAll(QListWidget *list, bool on);
// "保存" (objectName "saveButton", calls `save`) and "退出" (closes the dialog).
QBoxLayout *saveAndExitButtons(QDialog *dialog, const std::function<void()> &save);
// "<name> 保存成功！重新登录软件后生效。"
QString savedForNextLoginText(const QString &groupText);
