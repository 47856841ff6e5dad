#include "queries/QueryWindows.h"

#include "documents/TfrmAddJYTS.h"

#include <QAction>

TfrmIn_CG_Q::TfrmIn_CG_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmIn_CG_Q")), parent)
{
}

TfrmOut_TH_Q::TfrmOut_TH_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmOut_TH_Q")), parent)
{
}

TfrmOut_LY_Q::TfrmOut_LY_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmOut_LY_Q")), parent)
{
}

TfrmOut_JC_Q::TfrmOut_JC_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmOut_JC_Q")), parent)
{
    connect(addLineCommand(QStringLiteral("增加借用天数 &A"), "A1"), &QAction::triggered, this,
            &TfrmOut_JC_Q::addLoanDays);
}

void TfrmOut_JC_Q::addLoanDays()
{
    const QVariant line = correctableLine();
    if (!line.isValid())
        return;
    TfrmAddJYTS dialog(m_services, line.toString(), selectedNumber(), this);
    runCorrection(dialog);
}

TfrmIn_GH_Q::TfrmIn_GH_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmIn_GH_Q")), parent)
{
}

TfrmOut_BS_Q::TfrmOut_BS_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmOut_BS_Q")), parent)
{
}

TfrmIn_BY_Q::TfrmIn_BY_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmIn_BY_Q")), parent)
{
}

TfrmDB_Q::TfrmDB_Q(AppServices services, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmDB_Q")), parent)
{
}
