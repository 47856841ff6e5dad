#include "queries/TfrmYLB.h"

#include "documents/TfrmIn_GH.h"
#include "pictures/TfrmPic_V.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"

#include <QMenu>

namespace {

bool returnsLines(OverviewKind kind)
{
    return kind == OverviewKind::Loan || kind == OverviewKind::Requisition;
}

} // namespace

OverviewList::OverviewList(AppServices services, OverviewKind kind, QWidget *parent)
    : FilteredList(services, overviewConfig(kind, services.dm.engine()), parent), m_kind(kind),
      m_menu(new QMenu(this))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *picture = m_menu->addAction(QStringLiteral("查看图片 &P"), this, &OverviewList::showPicture);
    picture->setObjectName(QStringLiteral("P1"));
    if (returnsLines(kind)) {
        m_menu->addSeparator();
        QAction *giveBack = m_menu->addAction(QStringLiteral("归还 &G"), this, &OverviewList::returnLine);
        giveBack->setObjectName(QStringLiteral("G1"));
    }
    setContextMenu(m_menu);
}

void OverviewList::showPicture()
{
    const QVariant article = currentValue(QStringLiteral("AID"));
    if (!article.isValid())
        return;
    const QString caption = currentValue(QStringLiteral("物品编码")).toString() + QLatin1Char(' ')
                            + currentValue(QStringLiteral("物品名称")).toString();
    TfrmPic_V viewer(caption, itemPictureFile(m_services.context.ImageDir, article.toString()), this);
    viewer.exec();
}

std::optional<ReturnRequest> OverviewList::returnRequest() const
{
    if (!returnsLines(m_kind) || !currentValue(QStringLiteral("ID")).isValid())
        return std::nullopt;
    if (currentValue(QStringLiteral("归还数量")).toDouble() != 0)
        return std::nullopt;
    const bool loan = m_kind == OverviewKind::Loan;
    return ReturnRequest{currentValue(loan ? QStringLiteral("借用人") : QStringLiteral("领用人")).toString(),
                         loan ? LoanReturn::IssueKind::Loan : LoanReturn::IssueKind::Requisition,
                         currentValue(QStringLiteral("ID")).toString()};
}

void OverviewList::returnLine()
{
    const std::optional<ReturnRequest> request = returnRequest();
    if (!request)
        return;
    TfrmIn_GH window(m_services, request->returner, request->kind, request->lineId, this);
    connect(&window, &TfrmIn_GH::returnSaved, this, &OverviewList::search);
    window.exec();
}
