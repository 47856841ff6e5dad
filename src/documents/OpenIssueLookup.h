#pragma once

#include "documents/LoanReturn.h"
#include "ui/AppServices.h"
#include "ui/PickerDialog.h"

class LineGrid;
class QLineEdit;
class QRadioButton;

// "物品 查找" of the return window: the open loan lines ("借用物品", at start) or
// requisition lines ("领用物品") of the returner whose item matches the text; choosing
// the other kind runs the search again (myRef).
class TfrmFindArticle4 : public PickerDialog {
    Q_OBJECT
public:
    TfrmFindArticle4(AppServices services, const QString &caption, const QString &returner,
                     const QString &text, const QStringList &excludedItemIds, QWidget *parent = nullptr);

    LoanReturn::IssueKind kind() const;

public Q_SLOTS:
    void myRef();

private:
    AppServices m_services;
    QString m_returner, m_text;
    QStringList m_excludedItemIds;
    QRadioButton *m_requisitions; // RadioButton1, "领用物品"
    QRadioButton *m_loans;        // RadioButton2, "借用物品"
};

// The item lookup of the return window (its myFindWP, Enter or a double click on a line
// without an item): one open loan line of the returner matching the typed text fills
// the line and moves on; otherwise TfrmFindArticle4 lets the user choose among loans or
// requisitions. "全选" fills the lines without an item from the current one down, to
// line 99, and says how many did not fit.
class OpenIssueLookup {
public:
    OpenIssueLookup(AppServices services, LineGrid &grid, QLineEdit &returnerBox, QWidget *window);

    void run();

private:
    QStringList itemIdsOnDocument() const;
    void writeChoices(const TfrmFindArticle4 &picker);

    AppServices m_services;
    LineGrid &m_grid;
    QLineEdit &m_returnerBox;
    QWidget *m_window;
};
