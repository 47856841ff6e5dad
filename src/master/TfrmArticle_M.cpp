#include "master/TfrmArticle_M.h"

#include "master/ArticleMembers.h"
#include "master/TfrmA_YJ.h"
#include "pictures/ItemActions.h"
#include "ui/DataGrid.h"

#include <QMenu>

TfrmArticle_M::TfrmArticle_M(AppServices services, QWidget *parent)
    : MaintenanceWindow(services, articleMember(), parent), m_services(services), m_menu(new QMenu(this))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    addItemAction(QStringLiteral("附件管理 &A"), "A1", [this](int id) {
        showAccessories(m_services, this, id);
        Ref();
    });
    m_menu->addSeparator();
    addItemAction(QStringLiteral("预警设置 &Y"), "Y1", [this](int id) { TfrmA_YJ(m_services, id, this).exec(); });
    m_menu->addSeparator();
    addItemAction(QStringLiteral("图片管理 &P"), "P1", [this](int id) { showPictureManager(m_services, this, id); });
    addItemAction(QStringLiteral("查看图片 &K"), "K1", [this](int id) { showPictureViewer(m_services, this, id); });
    addItemAction(QStringLiteral("图片列表 &L"), "L1", [this](int) { showPictureList(m_services, this, {}); });
    m_menu->addSeparator();
    addItemAction(QStringLiteral("文件上传 &F"), "F1", [this](int id) { showFileUpload(m_services, this, id); });
    addItemAction(QStringLiteral("文件下载 &D"), "D1", [this](int id) { showFileDownload(m_services, this, id); });

    grid()->setToolTip(QStringLiteral("亲，鼠标右键 有惊喜哟！"));
    grid()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(grid()->viewport()->mapToGlobal(at)); });
}

void TfrmArticle_M::addItemAction(const QString &caption, const char *name, std::function<void(int)> action)
{
    QAction *entry = m_menu->addAction(caption);
    entry->setObjectName(QLatin1String(name));
    connect(entry, &QAction::triggered, this, [this, action] {
        if (currentId() > 0)
            action(currentId());
    });
}
