#include "admin/TfrmLW.h"

#include "admin/CheckList.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

TfrmLW::TfrmLW(AppServices services, int userId, const QString &userName, QWidget *parent)
    : QDialog(parent), m_services(services), m_userId(userId)
{
    setObjectName(QStringLiteral("frmLW"));
    const QString title = userName + QStringLiteral(" 的仓库权限");
    setWindowTitle(title);
    m_group = new QGroupBox(title);
    m_items = checkList(m_group, storageAccessItems(m_services.dm, m_userId), 1);
    m_items->setMinimumSize(320, 260);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(saveAndExitButtons(this, [this] { save(); }));
}

void TfrmLW::save()
{
    saveStorageAccess(m_services.dm, m_userId, tickedTexts(m_items));
    m_services.dialogs.information(this, savedForNextLoginText(m_group->title()), kProgramTitle);
    accept();
}
