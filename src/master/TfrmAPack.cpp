#include "master/TfrmAPack.h"

#include "master/PackageLines.h"
#include "master/TfrmAPList.h"
#include "store/AppContext.h"
#include "ui/AppServices.h"

MaintenanceMember packageMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmAPack");
    m.caption = QStringLiteral("物品包设置");
    m.groupCaption = QStringLiteral("物品包信息");
    m.table = QStringLiteral("UAPack");
    m.fields = {{"theName", "物品包", "物  品  包："}, {"Remark", "备注", "备       注："}};
    m.required = {{"theName", "物品包 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("theName");
    m.duplicateMessage = QStringLiteral("物品包 添加重复！");
    m.hasPinyin = false;
    m.afterUpdate = PackageLines::rename;
    m.gridActions = {{QStringLiteral("物品明细 &L"), QStringLiteral("L1"),
                      [](AppServices &services, QWidget *window, int id, const QString &name) {
                          if (!rightAllows(services.context.RightModify))
                              return;
                          TfrmAPList lines(services, id, name, window);
                          lines.exec();
                      }}};
    return m;
}
