#include "documents/OpenIssueLookup.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlRecord>
#include <QVBoxLayout>

using LoanReturn::IssueKind;

TfrmFindArticle4::TfrmFindArticle4(AppServices services, const QString &caption, const QString &returner,
                                   const QString &text, const QStringList &excludedItemIds, QWidget *parent)
    : PickerDialog(caption, parent), m_services(services), m_returner(returner), m_text(text),
      m_excludedItemIds(excludedItemIds), m_requisitions(new QRadioButton(QStringLiteral("领用物品"))),
      m_loans(new QRadioButton(QStringLiteral("借用物品")))
{
    setObjectName(QStringLiteral("frmFindArticle4"));
    m_requisitions->setObjectName(QStringLiteral("RadioButton1"));
    m_loans->setObjectName(QStringLiteral("RadioButton2"));
    m_loans->setChecked(true);
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(m_requisitions);
    kinds->addWidget(m_loans);
    kinds->addStretch();
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, kinds);
    for (QRadioButton *button : {m_requisitions, m_loans})
        connect(button, &QRadioButton::clicked, this, &TfrmFindArticle4::myRef);
    enableSelectAll();
    myRef();
}

IssueKind TfrmFindArticle4::kind() const
{
    return m_requisitions->isChecked() ? IssueKind::Requisition : IssueKind::Loan;
}

void TfrmFindArticle4::myRef()
{
    const LoanReturn::Statement statement = LoanReturn::openIssueLines(kind(), m_returner, m_text, m_excludedItemIds);
    QSqlQuery query = m_services.dm.select(statement.text, statement.values);
    load(query, {QStringLiteral("AID"), QStringLiteral("SYMoney"), QStringLiteral("SID"), QStringLiteral("SYCount"),
                 QStringLiteral("ID")},
         {90, 80, 100, 100, 170, 100, 60, 60, 60, 60, 80});
}

OpenIssueLookup::OpenIssueLookup(AppServices services, LineGrid &grid, QLineEdit &returnerBox, QWidget *window)
    : m_services(services), m_grid(grid), m_returnerBox(returnerBox), m_window(window)
{
}

void OpenIssueLookup::run()
{
    const QString returner = m_returnerBox.text();
    if (returner.isEmpty()) {
        m_services.dialogs.information(m_window, QStringLiteral("归还人 不能为空！请选择 归还人！"), kProgramTitle);
        m_returnerBox.setFocus();
        return;
    }
    LineGridModel &lines = *m_grid.lines();
    const int line = m_grid.currentLine();
    if (!lines.cell(line, DocumentLines::ItemId).isEmpty())
        return;
    const QString text = lines.cell(line, DocumentLines::Code);
    const QStringList excluded = itemIdsOnDocument();
    const bool zeroPrice = m_services.context.ZeroPriceGH;

    const LoanReturn::Statement statement = LoanReturn::openIssueLines(IssueKind::Loan, returner, text, excluded);
    QSqlQuery loans = m_services.dm.select(statement.text, statement.values);
    QList<QSqlRecord> found;
    while (loans.next() && found.size() < 2)
        found << loans.record();
    if (found.size() == 1) {
        const QSqlRecord &record = found.first();
        LoanReturn::writeLine(lines, line, IssueKind::Loan,
                              [&record](const QString &column) { return record.value(column); }, zeroPrice);
        m_grid.moveToNextLine();
        return;
    }
    TfrmFindArticle4 picker(m_services, returner + QStringLiteral(" 借用 物品 查找"), returner, text, excluded, m_window);
    if (picker.exec() == QDialog::Accepted)
        writeChoices(picker);
}

void OpenIssueLookup::writeChoices(const TfrmFindArticle4 &picker)
{
    LineGridModel &lines = *m_grid.lines();
    const bool zeroPrice = m_services.context.ZeroPriceGH;
    const auto write = [&](int line, int row) {
        LoanReturn::writeLine(lines, line, picker.kind(),
                              [&picker, row](const QString &column) { return picker.value(row, column); }, zeroPrice);
    };
    const QList<int> chosen = picker.chosenRows();
    if (chosen.size() == 1) {
        write(m_grid.currentLine(), chosen.first());
        return;
    }
    // "全选": every record into a line without an item, from the current line down.
    qsizetype written = 0;
    int line = m_grid.currentLine();
    for (; line <= LineGridModel::kLines && written < chosen.size(); ++line) {
        if (lines.cell(line, DocumentLines::ItemId).isEmpty())
            write(line, chosen.at(written++));
    }
    m_grid.setCurrent(qMin(line, int(LineGridModel::kLines)), DocumentLines::Code);
    if (written < chosen.size()) {
        m_services.dialogs.information(
            m_window, QStringLiteral("单据最多 99 行，有 %1 条物品未能加入！").arg(chosen.size() - written), kProgramTitle);
    }
}

QStringList OpenIssueLookup::itemIdsOnDocument() const
{
    QStringList ids;
    for (int line : DocumentLines::itemLines(*m_grid.lines()))
        ids << m_grid.lines()->cell(line, DocumentLines::ItemId);
    return ids;
}
