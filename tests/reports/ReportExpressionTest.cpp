// Expressions and number formats of report text boxes.
#include "reports/ReportError.h"
#include "reports/ReportExpression.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportFormat, ShowsNumbersAsTheFormatSays)
{
    struct Case {
        QVariant value;
        const char *format;
        const char *shown;
    };
    const Case cases[] = {
        {1234.5, "%2.2n", "1,234.50"},
        {-1234567.891, "%2.2n", "-1,234,567.89"},
        {0.0, "%2.2n", "0.00"},
        {3, "%2.2n", "3.00"},
        {QString("12.5"), "%2.2n", "12.50"}, // a number stored as text
        {2.5, "%g", "2.5"},
        {3.0, "%g", "3"},
        {0.1 + 0.2, "%g", "0.3"},
        {2.5, "", "2.5"},
        {7, "", "7"},
        {QString("WP0001"), "%2.2n", "WP0001"}, // text stays text
        {QString("0012"), "", "0012"},          // codes keep their zeros
        {QVariant(), "%2.2n", ""},
        {QDateTime(QDate(2026, 3, 15), QTime(9, 5, 7)), "", "2026-03-15 09:05:07"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatValue(c.value, QString::fromLatin1(c.format)), QString::fromUtf8(c.shown))
            << c.value.toString().toStdString() << " with " << c.format;
}

// A header of one row, an empty header (as when its joins find nothing), and three lines.
struct Expressions : ::testing::Test {
    ReportData data;

    Expressions()
    {
        data.printTime = QDateTime(QDate(2026, 3, 15), QTime(14, 30));
        data.sets.insert("Unit", {{"UName"}, {{QString("晴川朔禾")}}});
        data.sets.insert("Kind", {{"theName"}, {{QString("物品采购入库单")}}});
        data.sets.insert("Head", {{"MName", "theNum"}, {{QString("齐心"), QString("2603150001")}}});
        data.sets.insert("Gone", {{"MName"}, {}});
        data.sets.insert("Lines", {{"APrice", "theCount", "AName"},
                                   {{1234.5, 2.5, QString("笔")},
                                    {8.0, 3.0, QString("本")},
                                    {QVariant(), 4.0, QString("夹")}}});
    }

    QString expand(const char *text, const char *format = "", qsizetype row = 0) const
    {
        return expandText(QString::fromUtf8(text), QString::fromLatin1(format), {data, "Lines", row});
    }
};

TEST_F(Expressions, ExpandEveryBracketedPart)
{
    struct Case {
        const char *text;
        const char *format;
        qsizetype row;
        const char *expanded;
    };
    const Case cases[] = {
        {"[Unit.UName][Kind.theName]", "", 0, "晴川朔禾物品采购入库单"},
        {"编号：[Head.theNum]", "", 2, "编号：2603150001"},
        {"商家名称：[Gone.MName]", "", 0, "商家名称："},
        {"[Lines.AName]", "", 1, "本"},
        {"[Lines.APrice]", "%2.2n", 0, "1,234.50"},
        {"[ Lines.APrice * Lines.theCount ]", "%2.2n", 0, "3,086.25"},
        {"[Lines.APrice*Lines.theCount]", "%2.2n", 2, "0.00"}, // a missing price counts as 0
        {"[SUM(Lines.theCount)]", "%g", 1, "9.5"},
        {"[sum(Lines.APrice*Lines.theCount)]", "%2.2n", 0, "3,110.25"},
        {"[SUM(Lines.theCount)*2]", "%g", 0, "19"},
        {"打印时间：[PrintTime]", "", 0, "打印时间：2026-03-15 14:30:00"},
        {"合计", "%g", 0, "合计"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(expand(c.text, c.format, c.row), QString::fromUtf8(c.expanded)) << c.text;
}

TEST_F(Expressions, SumsOverNoRowsAreEmpty)
{
    data.sets["Lines"].rows.clear();
    EXPECT_EQ(expand("[SUM(Lines.theCount)]", "%g"), QString());
    EXPECT_EQ(expand("[SUM(Lines.APrice*Lines.theCount)]", "%2.2n"), QString());
}

TEST_F(Expressions, TemplateFaultsAreReported)
{
    for (const char *text : {"[Nowhere.MName]", "[Head.NoSuchField]", "[Head.]", "[Head MName]",
                             "[SUM(Lines.theCount]", "[Lines.APrice*]", "[2..5]", "[Head.theNum", "[]"})
        EXPECT_THROW(expand(text), ReportError) << text;
}

} // namespace
