#include "queries/TfrmYLB.h"

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
    ReturnRequest request;
    request.returner = currentValue(loan ? QStringLiteral("借用人") : QStringLiteral("领用人")).toString();
    request.code = currentValue(QStringLiteral("物品编码")).toString();
    request.name = currentValue(QStringLiteral("物品名称")).toString();
    request.standard = currentValue(QStringLiteral("规格型号")).toString();
    request.unit = currentValue(QStringLiteral("单位")).toString();
    request.price = currentValue(QStringLiteral("单价")).toDouble();
    request.count = currentValue(QStringLiteral("未还数量")).toDouble();
    request.articleId = currentValue(QStringLiteral("AID")).toString();
    request.storageId = currentValue(QStringLiteral("SID")).toString();
    request.lineTable = loan ? QStringLiteral("UOut_JC_Bill") : QStringLiteral("UOut_LY_Bill");
    request.lineId = currentValue(QStringLiteral("ID")).toString();
    request.caller = loan ? QStringLiteral("YLB_JC") : QStringLiteral("YLB_LY");
    return request;
}

void OverviewList::returnLine()
{
    const std::optional<ReturnRequest> request = returnRequest();
    if (request && m_returnOpener && m_returnOpener(this, *request))
        search();
}
