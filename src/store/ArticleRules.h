#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class TfrmDM;

// The decisions about items (UArticle) that the item windows and dialogs share, as plain
// functions over the data module.

// The fields of the item form "物品信息", as typed.
struct ArticleFields {
    QString code, category, name, standard, unit, price, remark, place;
};

// The item with this ID, or nothing when there is not exactly one such row.
std::optional<ArticleFields> loadArticle(TfrmDM &dm, int id);

// The first failed check of a save in the dialog "物品信息": which field and the message.
struct ArticleProblem {
    enum class Field { Code, Name, Unit, Price };
    Field field;
    QString message;
};
// Required fields in order, a price that is a number, and a code no other item has.
std::optional<ArticleProblem> checkArticleChange(TfrmDM &dm, int id, const ArticleFields &fields);

// Writes the fields to item `id`, with thePY computed from the name. Check first.
void updateArticle(TfrmDM &dm, int id, const ArticleFields &fields);

// Whether another item than `exceptId` (0: any item) has this code.
bool articleCodeTaken(TfrmDM &dm, const QString &code, int exceptId = 0);

// Why item `id` may not be deleted, or empty text when it may: it has stock, or it is
// named by a document line or a ledger row (its lines would drop out of the lists,
// statistics and reports).
QString articleDeleteRefusal(TfrmDM &dm, int id, const QString &name);

// Deletes item `id` with its stock rows (all of quantity 0, see articleDeleteRefusal).
// Accessories and the attached file stay. Runs inside the caller's transaction.
void deleteArticleRows(TfrmDM &dm, int id);

// "全部删除": deletes every listed item that may go, in one transaction.
struct ListedArticle {
    int id;
    QString name;
};
struct BatchDeleteResult {
    int deleted = 0;
    QStringList refusals; // one per item left, saying why
};
BatchDeleteResult deleteArticles(TfrmDM &dm, const QList<ListedArticle> &articles);
// What the user is told afterwards when not every item went; empty when all did.
QString batchDeleteMessage(const BatchDeleteResult &result);

// The warning limits of an item. Limits are whole numbers; empty counts as 0.
struct WarningLimits {
    QString min, max;
    bool on = false;
};
std::optional<WarningLimits> loadWarningLimits(TfrmDM &dm, int id);
// Writes YJMin, YJMax and theYJ ("是" or "否") only. Throws InputError for a limit
// that is not a whole number.
void saveWarningLimits(TfrmDM &dm, int id, const WarningLimits &limits);

// The item's initials code (thePY).
QString loadPinyinCode(TfrmDM &dm, int id);
void savePinyinCode(TfrmDM &dm, int id, const QString &code);
