#include "stock/MovementRecord.h"

namespace {

// The live lines of the item, newest first; lines of one day in the order written.
QString listOf(const QString &columns, const QString &from, const QString &header)
{
    const QString lines = header + QStringLiteral("_Bill");
    return QStringLiteral("select %1 from %2 Where (%3.AID=?) and (%4.theDel=0) AND (%3.theDel=0) "
                          "order by myDate DESC, %3.ID DESC")
        .arg(columns, from, lines, header);
}

QString joined(const QString &header)
{
    return QStringLiteral("%1 INNER JOIN %1_Bill ON %1.theNum = %1_Bill.theNum").arg(header);
}

} // namespace

const std::array<MovementList, 6> &movementLists()
{
    using W = QList<QPair<QString, int>>;
    const auto width = [](const char16_t *title, int pixels) {
        return qMakePair(QString::fromUtf16(title), pixels);
    };
    // A supplier that was deleted keeps its purchases in the list, without a name.
    static const std::array<MovementList, 6> lists = {{
        {QStringLiteral("购买信息"),
         listOf(QStringLiteral("myDate AS 采购日期,MName AS 供应商,theCGPro AS 采购人,"
                               "theCount as 数量,UIn_CG_Bill.APrice AS 单价,"
                               "theCount*UIn_CG_Bill.APrice as 金额,UIn_CG_Bill.Remark AS 备注"),
                QStringLiteral("(UIn_CG LEFT JOIN UMerchant ON UIn_CG.MID = UMerchant.ID) "
                               "INNER JOIN UIn_CG_Bill ON UIn_CG.theNum = UIn_CG_Bill.theNum"),
                QStringLiteral("UIn_CG")),
         W{width(u"数量", 60), width(u"单价", 60), width(u"金额", 80), width(u"备注", 180)}},
        {QStringLiteral("领用记录"),
         listOf(QStringLiteral("myDate AS 领用日期,theLYPro AS 领用人,theCount as 数量,"
                               "UOut_LY_Bill.Remark AS 备注"),
                joined(QStringLiteral("UOut_LY")), QStringLiteral("UOut_LY")),
         W{width(u"领用人", 100), width(u"数量", 60), width(u"备注", 100)}},
        {QStringLiteral("借用记录"),
         listOf(QStringLiteral("myDate AS 借用日期,theLYPro AS 借用人,thePZPro AS 批准人,"
                               "theCount as 数量,UOut_JC_Bill.Remark AS 备注"),
                joined(QStringLiteral("UOut_JC")), QStringLiteral("UOut_JC")),
         W{width(u"借用人", 100), width(u"批准人", 100), width(u"数量", 60), width(u"备注", 100)}},
        {QStringLiteral("归还记录"),
         listOf(QStringLiteral("myDate AS 归还日期,theGHPro AS 归还人,theCount as 数量,"
                               "UIn_GH_Bill.Remark AS 备注"),
                joined(QStringLiteral("UIn_GH")), QStringLiteral("UIn_GH")),
         W{width(u"归还人", 100), width(u"数量", 60), width(u"备注", 100)}},
        {QStringLiteral("报损记录"),
         listOf(QStringLiteral("myDate AS 报损日期,thePZPro AS 批准人,theCount as 数量,"
                               "UOut_BS_Bill.Remark AS 备注"),
                joined(QStringLiteral("UOut_BS")), QStringLiteral("UOut_BS")),
         W{width(u"批准人", 100), width(u"数量", 60), width(u"备注", 100)}},
        {QStringLiteral("报溢记录"),
         listOf(QStringLiteral("myDate AS 报溢日期,thePZPro AS 批准人,theCount as 数量,"
                               "UIn_BY_Bill.Remark AS 备注"),
                joined(QStringLiteral("UIn_BY")), QStringLiteral("UIn_BY")),
         W{width(u"批准人", 100), width(u"数量", 60), width(u"备注", 100)}},
    }};
    return lists;
}

QString movementItemStatement()
{
    return QStringLiteral("select AName as 物品名称,AStandard as 规格,AUnit as 单位,"
                          "APrice as 单价,theNum AS 物品编码 from UArticle Where ID=?");
}
