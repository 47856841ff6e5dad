#include "master/TfrmArticle_M.h"

#include "master/ArticleMembers.h"
#include "master/TfrmA_YJ.h"
#include "pictures/ItemActions.h"
#include "ui/DataGrid.h"

#include <QMenu>

namespace {

void showWarningLimits(AppServices &services, QWidget *parent, int articleId)
{
    TfrmA_YJ(services, articleId, parent).exec();
}

void showAllPictures(AppServices &services, QWidget *parent, int)
{
    showPictureList(services, parent, {});
}

} // namespace

TfrmArticle_M::TfrmArticle_M(AppServices services, QWidget *parent)
    : MaintenanceWindow(services, articleMember(), parent), m_services(services), m_menu(new QMenu(this))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    addItemAction(QStringLiteral("附件管理 &A"), "A1", [](AppServices &s, QWidget *parent, int id) {
        showAccessories(s, parent, id);
        static_cast<TfrmArticle_M *>(parent)->Ref();
    });
    m_menu->addSeparator();
    addItemAction(QStringLiteral("预警设置 &Y"), "Y1", showWarningLimits);
    m_menu->addSeparator();
    addItemAction(QStringLiteral("图片管理 &P"), "P1", showPictureManager);
    addItemAction(QStringLiteral("查看图片 &K"), "K1", showPictureViewer);
    addItemAction(QStringLiteral("图片列表 &L"), "L1", showAllPictures);
    m_menu->addSeparator();
    addItemAction(QStringLiteral("文件上传 &F"), "F1", showFileUpload);
    addItemAction(QStringLiteral("文件下载 &D"), "D1", showFileDownload);

    grid()->setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    grid()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(grid()->viewport()->mapToGlobal(at)); });
}

void TfrmArticle_M::addItemAction(const QString &caption, const char *name,
                                  void (*action)(AppServices &, QWidget *, int))
{
    QAction *entry = m_menu->addAction(caption);
    entry->setObjectName(QLatin1String(name));
    connect(entry, &QAction::triggered, this, [this, action] {
        if (currentId() > 0)
            action(m_services, this, currentId());
    });
}
