#include "pictures/ItemActions.h"

#include "pictures/TfrmA_FJ.h"
#include "pictures/TfrmPic_List.h"
#include "pictures/TfrmPic_M.h"
#include "pictures/TfrmPic_V.h"
#include "pictures/TfrmWJ_Do.h"
#include "pictures/TfrmWJ_Up.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

QString itemCaption(TfrmDM &dm, int articleId)
{
    QSqlQuery row = dm.select(QStringLiteral("select theNum, AName from UArticle where (ID = ?)"), {articleId});
    return row.next() ? row.value(0).toString() + QLatin1Char(' ') + row.value(1).toString() : QString();
}

QString itemPicture(const AppServices &services, int articleId)
{
    return itemPictureFile(services.context.ImageDir, QString::number(articleId));
}

void showAccessories(AppServices &services, QWidget *parent, int articleId)
{
    TfrmA_FJ(services, articleId, parent).exec();
}

void showPictureManager(AppServices &services, QWidget *parent, int articleId)
{
    TfrmPic_M(services, itemCaption(services.dm, articleId), itemPicture(services, articleId), parent).exec();
}

void showPictureViewer(AppServices &services, QWidget *parent, int articleId)
{
    TfrmPic_V(itemCaption(services.dm, articleId), itemPicture(services, articleId), parent).exec();
}

void showPictureList(AppServices &services, QWidget *parent, const ArticleCondition &condition)
{
    TfrmPic_List(services, condition, parent).exec();
}

void showFileUpload(AppServices &services, QWidget *parent, int articleId)
{
    TfrmWJ_Up(services, articleId, parent).exec();
}

void showFileDownload(AppServices &services, QWidget *parent, int articleId)
{
    if (services.dm.myRetAF(articleId).isEmpty()) {
        services.dialogs.information(parent, itemCaption(services.dm, articleId) + QStringLiteral(" 没有上传文件！"),
                                     kProgramTitle);
        return;
    }
    TfrmWJ_Do(services, articleId, parent).exec();
}
