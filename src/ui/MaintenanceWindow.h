#pragma once

#include "ui/AppServices.h"
#include "ui/MaintenanceMember.h"

#include <QWidget>

class DataGrid;
class QGroupBox;
class QPushButton;
class QToolButton;

// The common master-data window: a grid of all rows above a form of the current row,
// a navigator and the buttons 新增, 修改, 取消, 删除, 保存 (new / modified) and 退出.
// It moves between browsing, adding and modifying; what it keeps is a MaintenanceMember.
class MaintenanceWindow : public QWidget {
    Q_OBJECT
public:
    enum class State { Browse, Adding, Modifying };

    MaintenanceWindow(AppServices services, MaintenanceMember member, QWidget *parent = nullptr);

    State state() const { return m_state; }
    DataGrid *grid() const { return m_grid; }
    // The form's editor of a column: a QLineEdit, or a LookupComboBox for departments.
    QWidget *field(const QString &column) const;
    // Reads the rows again and shows the current one.
    void Ref();
    // The ID of the grid's current row, 0 when the grid is empty.
    int currentId() const;

public Q_SLOTS:
    void ButNewClick();
    void ButMedClick();
    void ButCanClick();
    void ButDelClick();
    void ButSaveClick();
    void ButSaveEditClick();
    void ButExiClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setState(State state);
    void showCurrentRow();
    QString fieldText(const QString &column) const;
    // The current row's value of a column as the grid shows it.
    QString storedText(const QString &column) const;
    void setFieldText(const QString &column, const QString &text);
    bool checkRequired();
    QVariantList fieldValues() const;
    QString currentName() const;
    bool keyTaken(const QString &key, int exceptId);
    QWidget *buildForm();
    QWidget *buildButtons();

    AppServices m_services;
    MaintenanceMember m_member;
    State m_state = State::Browse;
    DataGrid *m_grid;
    QGroupBox *m_form = nullptr;
    QHash<QString, QWidget *> m_fields;
    QList<QToolButton *> m_navigator;
    QPushButton *m_new = nullptr;
    QPushButton *m_modify = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_saveNew = nullptr;
    QPushButton *m_saveEdit = nullptr;
};
