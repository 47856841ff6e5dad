#pragma once

#include "ui/AppServices.h"

#include <QWidget>

class DataGrid;
class QGroupBox;
class QLabel;
class QPushButton;
class QFormLayout;

// A search window over one list: a condition group "查询条件", the buttons "查询",
// "Excel" (enabled after the first search) and "退出", the result grid and a status
// line. Members add their condition fields and build their statement.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    DataGrid *grid() const { return m_grid; }
    QLabel *statusLine() const { return m_status; }

public Q_SLOTS:
    void BitBtn1Click(); // 查询
    void BitBtn2Click(); // Excel

protected:
    // `exportWindow` names the window's row of the export table.
    SearchWindow(AppServices services, const QString &caption, const QString &exportWindow,
                 QWidget *parent);

    QFormLayout *conditions() const { return m_conditions; }
    // Adds a button before "退出" that, like "Excel", is enabled by the first search.
    QPushButton *addResultButton(const QString &caption, const QString &objectName);
    void setConditionCaption(const QString &caption);
    // The statement and values of the search, from the condition fields.
    virtual QString statement(QVariantList &values) const = 0;
    // After the rows are shown: column widths, the status line text.
    virtual void showResult() = 0;

    AppServices m_services;

private:
    QString m_exportWindow;
    QFormLayout *m_conditions;
    DataGrid *m_grid;
    QLabel *m_status;
    QPushButton *m_export;
    QGroupBox *m_group;
    QList<QPushButton *> m_resultButtons;
};
