#pragma once

#include "documents/DocumentWindow.h"
#include "documents/IssueDocument.h"
#include "documents/StockLookup.h"

// The window of a document that takes goods out of one storage (loan, requisition,
// write-off, return to supplier): a DocumentWindow whose checks and save are those of
// an IssueDocument::Kind, whose lookup is the stock variant, and which can take a
// request's lines over and fill lines from an item package. The storage list is
// "DBLookupComboBox1"; the supplier boxes, when there are any, "Edit1" and "LabJSSID".
class IssueWindow : public DocumentWindow {
    Q_OBJECT
public:
    // What a kind names besides its description.
    struct Settings {
        IssueDocument::Kind kind;
        QString personBox, approverBox, handlerBox, remarkBox; // objectNames; empty when absent
        bool AppContext::*zeroPrice = nullptr;                  // ZeroPriceJY, ZeroPriceLY
        bool remarkOnOneMatch = true;
    };

    IssueWindow(AppServices services, DocumentDescription description, Settings settings,
                QWidget *parent = nullptr);

    // The line grid of a kind: nine visible columns ("归还天数" tenth when the kind keeps
    // loan days); code, name, standard and unit take no typing on a line with an item;
    // the price only with `editablePrice`.
    static LineGridLayout gridLayout(const IssueDocument::Columns &columns, bool editablePrice);

    IssueDocument::Header header() const;

    // Takes over the people, remark and open lines of request `requestNumber`.
    void takeOverRequest(const QString &requestNumber);
    // Fills the free lines from the current one with the lines of package `name`.
    void fillFromPackage(const QString &name);

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    StockLineRules rules(bool zeroPrice) const;
    // The item's balance in the chosen storage, or empty when none is chosen.
    QString stockFigure(const QString &itemId) const;
    // Writes `records` into the free lines from the current one and says what did not fit.
    void fill(const QList<StockLineRecord> &records, const StockLineRules &rules,
              const QStringList &requestLines = {});

    Settings m_settings;
};
