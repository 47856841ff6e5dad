#pragma once

#include "stock/PeriodReport.h"
#include "StockFixture.h"
#include "store/Transaction.h"

#include <QRandomGenerator>

// Documents of the report kinds written straight into their tables.
struct ReportLine {
    int item;
    double count;
    double price = 0; // the line's own price, where the kind has one
    int deleted = 0;
    int storageId = 1;
};

class ReportDocuments {
public:
    explicit ReportDocuments(TfrmDM &dm) : m_dm(dm) {}

    // A document of `header` (USQ, UIn_CG, UOut_LY, UOut_JC, UIn_GH, UOut_BS) on `date`.
    void add(const QString &header, const QString &date, const QString &storage,
             const QList<ReportLine> &lines, int deleted = 0)
    {
        const QString number = QString::number(++m_documents).rightJustified(6, '0');
        QVariantMap columns = {{"theNum", number}, {"myDate", date}, {"theDel", deleted}};
        if (header != "USQ" && header != "UIn_GH")
            columns["SName"] = storage;
        if (header == "UIn_CG")
            columns["MID"] = 77; // a supplier that has no row
        insertRow(m_dm, header, columns);
        for (const ReportLine &line : lines) {
            QVariantMap values = {{"theNum", number}, {"AID", line.item}, {"theCount", line.count},
                                  {"theDel", line.deleted}};
            if (header != "USQ")
                values["SID"] = line.storageId;
            if (header == "USQ" || header == "UIn_CG")
                values["APrice"] = line.price;
            else if (header != "UIn_GH")
                values["thePrice"] = line.price;
            insertRow(m_dm, header + "_Bill", values);
        }
    }

    // Random documents of every kind between `from` and `to`: some deleted, some lines
    // deleted, some of a missing item, in two storages, prices with two decimals.
    void addRandom(quint32 seed, const QDate &from, const QDate &to, int documents)
    {
        Transaction transaction(m_dm.database());
        QRandomGenerator random(seed);
        const QStringList headers = {"USQ", "UIn_CG", "UOut_LY", "UOut_JC", "UIn_GH", "UOut_BS"};
        const QStringList storages = {"一号库", "二号库", "三号库"};
        const qint64 days = from.daysTo(to);
        for (int d = 0; d < documents; ++d) {
            QList<ReportLine> lines;
            const int count = random.bounded(0, 5);
            for (int l = 0; l < count; ++l) {
                lines << ReportLine{random.bounded(1, 5), random.bounded(1, 40) / 2.0,
                                    random.bounded(0, 10000) / 100.0,
                                    random.bounded(10) == 0 ? 1 : 0, random.bounded(1, 4)};
            }
            add(headers[random.bounded(int(headers.size()))],
                from.addDays(random.bounded(days + 1)).toString("yyyy-MM-dd"),
                storages[random.bounded(int(storages.size()))], lines, random.bounded(8) == 0 ? 1 : 0);
        }
        transaction.commit();
    }

private:
    TfrmDM &m_dm;
    int m_documents = 0;
};

// Items 1 to 3 (item 4 is missing), priced 10, 3.5 and 0.25.
inline void addReportItems(TfrmDM &dm)
{
    dm.myESQL("INSERT INTO UArticle (ID, theNum, AName, APrice) VALUES "
              "(1, '0001', '铅笔', 10), (2, '0002', '橡皮', 3.5), (3, '0003', '胶水', 0.25)");
    dm.myESQL("INSERT INTO SStorage (ID, SName) VALUES (11, '一号库'), (12, '二号库')");
}
