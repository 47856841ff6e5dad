#include "pictures/Accessories.h"

#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

void addAccessory(TfrmDM &dm, int articleId, const QString &name, const QString &count, const QString &remark)
{
    const std::optional<qlonglong> pieces = parseWholeNumber(count);
    if (!pieces)
        throw InputError(QStringLiteral("数量 不是有效的数字！"));
    Transaction transaction(dm.database());
    dm.myESQL(QStringLiteral("UPDATE UArticle SET FJCount = FJCount + ? WHERE (ID = ?)"), {*pieces, articleId});
    dm.myESQL(QStringLiteral("INSERT INTO UAccessory (AID, theName, theCount, Remark) VALUES (?, ?, ?, ?)"),
              {articleId, name, *pieces, remark});
    transaction.commit();
}

void deleteAccessory(TfrmDM &dm, int accessoryId)
{
    Transaction transaction(dm.database());
    QSqlQuery row = dm.select(QStringLiteral("SELECT AID, theCount FROM UAccessory WHERE (ID = ?)"), {accessoryId});
    if (!row.next())
        return;
    const QVariant articleId = row.value(0);
    const QVariant count = row.value(1);
    row.finish();
    dm.myESQL(QStringLiteral("UPDATE UArticle SET FJCount = FJCount - ? WHERE (ID = ?)"), {count, articleId});
    dm.myESQL(QStringLiteral("DELETE FROM UAccessory WHERE (ID = ?)"), {accessoryId});
    transaction.commit();
}
