#include "admin/TfrmUser.h"

#include "admin/TfrmLW.h"
#include "admin/TfrmLevel.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/DataGrid.h"

#include <QAction>

namespace {

MaintenanceMember userMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmUser");
    m.caption = QStringLiteral("用户管理");
    m.groupCaption = QStringLiteral("用户信息");
    m.table = QStringLiteral("SUser");
    m.orderBy = QStringLiteral("UName");
    m.fields = {{"UName", "用户名", "用  户  名："}, {"Remark", "备注", "备       注："}};
    m.shownColumns = {QStringLiteral("theM as 修改"), QStringLiteral("theD as 删除"), QStringLiteral("theE as 导出")};
    m.hiddenTitles = {QStringLiteral("thePY"), QStringLiteral("UPass"), QStringLiteral("ID")};
    m.formNotes = {QStringLiteral("新增或修改后用户密码为470953"), QStringLiteral("保存后，请在用户列表处鼠标右键设置权限")};
    m.required = {{"UName", "用户名 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("UName");
    m.duplicateMessage = QStringLiteral("用户名 添加重复！");
    m.duplicateCheckOnModify = true;
    m.insertDefaults = [](AppServices &) {
        const QString no = QStringLiteral("否");
        return QVariantHash{{QStringLiteral("UPass"), TfrmUser::defaultPassword()},
                            {QStringLiteral("theM"), no}, {QStringLiteral("theD"), no}, {QStringLiteral("theE"), no}};
    };
    m.updateValues = {{QStringLiteral("UPass"), TfrmUser::defaultPassword()}};
    // The last user cannot go, nor the one logged in: either would lock everyone out
    // of user management.
    m.deleteRefusal = [](AppServices &services, int id, const QString &) {
        if (services.dm.myRetCount(QStringLiteral("select ID from SUser")) == 1)
            return QStringLiteral("用户只有一个了，不能删除！");
        if (QString::number(id) == services.context.CurUserID)
            return QStringLiteral("当前登录的用户不能删除！");
        return QString();
    };
    return m;
}

} // namespace

TfrmUser::TfrmUser(AppServices services, QWidget *parent)
    : MaintenanceWindow(services, userMember(), parent), m_services(services)
{
    auto *rights = new QAction(QStringLiteral("操作权限 &L"), this);
    rights->setObjectName(QStringLiteral("L1"));
    auto *storages = new QAction(QStringLiteral("仓库权限 &W"), this);
    storages->setObjectName(QStringLiteral("W1"));
    grid()->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid()->addActions({rights, storages});
    connect(rights, &QAction::triggered, this, &TfrmUser::editMenuRights);
    connect(storages, &QAction::triggered, this, &TfrmUser::editStorageAccess);
}

bool TfrmUser::currentUser(int &id, QString &name) const
{
    if (grid()->currentRowNumber() < 0)
        return false;
    id = grid()->currentValue(QStringLiteral("ID")).toInt();
    name = grid()->currentValue(QStringLiteral("用户名")).toString();
    return true;
}

void TfrmUser::editMenuRights()
{
    int id = 0;
    QString name;
    if (!currentUser(id, name))
        return;
    TfrmLevel dialog(m_services, id, name, this);
    if (dialog.exec() == QDialog::Accepted)
        Ref();
}

void TfrmUser::editStorageAccess()
{
    int id = 0;
    QString name;
    if (!currentUser(id, name))
        return;
    TfrmLW dialog(m_services, id, name, this);
    dialog.exec();
}
