#include "store/ArticleCode.h"

#include "store/TfrmDM.h"

#include <QSet>

QString newArticleCode(TfrmDM &dm)
{
    const QString proposed = dm.NewNum(QStringLiteral("UArticle"));
    const QString day = proposed.left(6);
    QSqlQuery query = dm.select(QStringLiteral("select theNum from UArticle where theNum like ?"),
                                {day + QLatin1Char('%')});
    QSet<QString> used;
    while (query.next())
        used.insert(query.value(0).toString());
    qlonglong counter = proposed.mid(6).toLongLong();
    QString code = proposed;
    while (used.contains(code))
        code = day + QString::number(++counter).rightJustified(4, QLatin1Char('0'));
    return code;
}
