#include "store/ArticleRules.h"

#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/Schema.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

namespace {

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

// A limit as stored: empty text is 0.
qlonglong limitValue(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const std::optional<qlonglong> value = parseWholeNumber(text);
    if (!value)
        throw InputError(QStringLiteral("库存预警 不是有效的数字！"));
    return *value;
}

// One statement that finds any document line or ledger row of an item.
QString historyStatement()
{
    QStringList parts{QStringLiteral("select AID from UWList where AID=?")};
    for (const DocumentTables &kind : documentTables())
        parts << QStringLiteral("select AID from %1 where AID=?").arg(QLatin1String(kind.lines));
    return QStringLiteral("select * from (%1) as history limit 1").arg(parts.join(QStringLiteral(" union all ")));
}

} // namespace

std::optional<ArticleFields> loadArticle(TfrmDM &dm, int id)
{
    QSqlQuery query = dm.select(QStringLiteral("select theNum, AType, AName, AStandard, AUnit, APrice, Remark, PName "
                                               "from UArticle where id = ?"),
                                {id});
    if (!query.next())
        return std::nullopt;
    ArticleFields fields;
    fields.code = query.value(0).toString();
    fields.category = query.value(1).toString();
    fields.name = query.value(2).toString();
    fields.standard = query.value(3).toString();
    fields.unit = query.value(4).toString();
    fields.price = query.value(5).isNull() ? QString() : numberText(query.value(5).toDouble());
    fields.remark = query.value(6).toString();
    fields.place = query.value(7).toString();
    if (query.next())
        return std::nullopt;
    return fields;
}

bool articleCodeTaken(TfrmDM &dm, const QString &code, int exceptId)
{
    return dm.myRetCount(QStringLiteral("select ID from UArticle where theNum=? and ID<>? limit 1"),
                         {code, exceptId}) > 0;
}

std::optional<ArticleProblem> checkArticleChange(TfrmDM &dm, int id, const ArticleFields &fields)
{
    using Field = ArticleProblem::Field;
    const struct {
        const QString &text;
        Field field;
        const char *message;
    } required[] = {
        {fields.code, Field::Code, "物品编码 不能为空！"},
        {fields.name, Field::Name, "物品名称 不能为空！"},
        {fields.unit, Field::Unit, "单位 不能为空！"},
        {fields.price, Field::Price, "单价 不能为空！"},
    };
    for (const auto &check : required) {
        if (check.text.trimmed().isEmpty())
            return ArticleProblem{check.field, QString::fromUtf8(check.message)};
    }
    if (!parseNumber(fields.price))
        return ArticleProblem{Field::Price, QStringLiteral("单价 不是有效的数字！")};
    if (articleCodeTaken(dm, fields.code.trimmed(), id))
        return ArticleProblem{Field::Code, QStringLiteral("物品编码 添加重复！")};
    return std::nullopt;
}

void updateArticle(TfrmDM &dm, int id, const ArticleFields &fields)
{
    const std::optional<double> price = parseNumber(fields.price);
    if (!price)
        throw InputError(QStringLiteral("单价 不是有效的数字！"));
    dm.myESQL(QStringLiteral("UPDATE UArticle SET theNum=?, AType=?, AName=?, AStandard=?, AUnit=?, APrice=?, "
                             "Remark=?, thePY=?, PName=? WHERE (ID = ?)"),
              {fields.code.trimmed(), fields.category, fields.name.trimmed(), fields.standard, fields.unit,
               roundMoney(*price), fields.remark, PinyinCode(fields.name.trimmed()), fields.place, id});
}

QString articleDeleteRefusal(TfrmDM &dm, int id, const QString &name)
{
    if (dm.myRetCount(QStringLiteral("Select WCount from UWare Where AID=? and WCount<>0 limit 1"), {id}) > 0)
        return name + QStringLiteral(" 有库存，不能删除！");
    QVariantList ids;
    for (qsizetype i = 0; i <= qsizetype(documentTables().size()); ++i)
        ids << id;
    if (dm.myRetCount(historyStatement(), ids) > 0)
        return name + QStringLiteral(" 已有出入库记录，不能删除！");
    return {};
}

void deleteArticleRows(TfrmDM &dm, int id)
{
    dm.myESQL(QStringLiteral("Delete from UWare Where AID=?"), {id});
    dm.myESQL(QStringLiteral("Delete From UArticle Where ID=?"), {id});
}

BatchDeleteResult deleteArticles(TfrmDM &dm, const QList<ListedArticle> &articles)
{
    BatchDeleteResult result;
    Transaction transaction(dm.database());
    for (const ListedArticle &article : articles) {
        const QString refusal = articleDeleteRefusal(dm, article.id, article.name);
        if (!refusal.isEmpty()) {
            result.refusals << refusal;
            continue;
        }
        deleteArticleRows(dm, article.id);
        ++result.deleted;
    }
    transaction.commit();
    return result;
}

QString batchDeleteMessage(const BatchDeleteResult &result)
{
    if (result.refusals.isEmpty())
        return {};
    return QStringLiteral("已删除 %1 个物品，%2 个物品未删除：\n")
               .arg(result.deleted)
               .arg(result.refusals.size())
        + result.refusals.join(QLatin1Char('\n'));
}

std::optional<WarningLimits> loadWarningLimits(TfrmDM &dm, int id)
{
    QSqlQuery query = dm.select(QStringLiteral("select YJMin, YJMax, theYJ from UArticle where id = ?"), {id});
    if (!query.next())
        return std::nullopt;
    return WarningLimits{query.value(0).toString(), query.value(1).toString(), query.value(2).toString() == kYes};
}

void saveWarningLimits(TfrmDM &dm, int id, const WarningLimits &limits)
{
    dm.myESQL(QStringLiteral("UPDATE UArticle SET YJMin=?, YJMax=?, theYJ=? WHERE (ID = ?)"),
              {limitValue(limits.min), limitValue(limits.max), limits.on ? kYes : kNo, id});
}

QString loadPinyinCode(TfrmDM &dm, int id)
{
    QSqlQuery query = dm.select(QStringLiteral("select thePY from UArticle where id = ?"), {id});
    return query.next() ? query.value(0).toString() : QString();
}

void savePinyinCode(TfrmDM &dm, int id, const QString &code)
{
    dm.myESQL(QStringLiteral("UPDATE UArticle SET thePY = ? WHERE (ID = ?)"), {code, id});
}
