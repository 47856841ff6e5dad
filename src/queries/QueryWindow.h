#pragma once

#include "queries/QueryKinds.h"
#include "queries/QueryStatements.h"
#include "ui/AppServices.h"

#include <QWidget>

class DataGrid;
class LookupComboBox;
class QAction;
class QCheckBox;
class QDialog;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QLabel;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// The document query window: the filters of "查询条件" with "查询", "Excel" and "退出",
// the document list (fetched as it scrolls), the lines of the current document, and for
// purchase-in and return-to-supplier the strip of record count, total count and amount.
// The current row of the document list is the one current document: it drives the line
// list, print and delete. The pop-up menus appear with the first search and the first
// lines.
class QueryWindow : public QWidget {
    Q_OBJECT
public:
    const QueryKind &kind() const { return m_kind; }
    QTableView *documents() const { return m_documents; }
    QSqlQueryModel *documentRows() const { return m_documentRows; }
    DataGrid *lines() const { return m_lines; }
    QString selectedNumber() const { return m_selectedNumber; }
    QList<QueryFilterValue> filterValues() const;

public Q_SLOTS:
    void BitBtn1Click(); // 查询
    void BitBtn2Click(); // Excel
    void myRef();
    void myMXRef(const QString &number);
    void printDocument();  // P1
    void deleteDocument(); // D1
    void deleteLine();     // D2
    void changeCount();    // M1
    void changePrice();    // P2
    void changeRemark();   // R1

protected:
    QueryWindow(AppServices services, const QueryKind &kind, QWidget *parent);

    // Adds commands (caption, object name) to the document menu after print and delete,
    // set apart by a separator, or one command to the front of the line menu.
    QList<QAction *> addDocumentCommands(const QList<std::pair<QString, const char *>> &commands);
    QAction *addLineCommand(const QString &caption, const char *objectName);
    // The value of `field` in the current line, or an invalid value without one.
    QVariant currentLine(const QString &field) const;
    // The ID of the current line when there is one and the user may correct lines.
    QVariant correctableLine() const;
    // Shows a correction dialog and shows the lines again when it saved.
    void runCorrection(QDialog &dialog);

    AppServices m_services;

private:
    // One filter: its check box and the control beside it (a text box, a pair of date
    // pickers or a lookup list).
    struct Filter {
        QCheckBox *tick = nullptr;
        QLineEdit *text = nullptr;
        QDateEdit *from = nullptr, *to = nullptr;
        LookupComboBox *lookup = nullptr;
        QueryFilterValue value() const;
    };

    QWidget *buildFilters();
    Filter createFilter(const QueryFilter &definition, QHBoxLayout *cell, int &texts, int &lookups);
    void fillLookup(const QueryFilter &definition, LookupComboBox *lookup, LookupComboBox *&departments);
    QWidget *buildTotals();
    void buildMenus();
    void myRefhj();
    void documentChanged();
    void reloadLines();

    const QueryKind &m_kind;
    QList<Filter> m_filters;
    QPushButton *m_export;
    QTableView *m_documents;
    QSqlQueryModel *m_documentRows;
    DataGrid *m_lines;
    QList<QLabel *> m_totals; // record count, count, amount
    QString m_selectedNumber;
};
