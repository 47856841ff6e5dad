#include "admin/TfrmRecover.h"

#include "admin/DatabaseFiles.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QPushButton>

TfrmRecover::TfrmRecover(AppServices services, QWidget *parent)
    : PathDialog(QStringLiteral("数据恢复"),
                 {QStringLiteral("注意：数据恢复容易造成数据丢失。"),
                  QStringLiteral("选择备份文件，单击 恢复 按钮，即可完成数据恢复操作。")},
                 QStringLiteral("选择备份文件："), QStringLiteral("恢复"), parent),
      m_services(services)
{
    setObjectName(QStringLiteral("frmRecover"));
    connect(chooseButton(), &QPushButton::clicked, this, &TfrmRecover::choosePath);
    connect(actionButton(), &QPushButton::clicked, this, &TfrmRecover::restore);
}

void TfrmRecover::choosePath()
{
    pathEdit()->setText(m_services.dialogs.openFileName(this, QStringLiteral("打开数据备份文件"), QString(),
                                                        QStringLiteral("EDB文件 (*.edb)")));
}

void TfrmRecover::restore()
{
    const QString chosen = pathEdit()->text();
    if (chosen.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("请选择备份文件"), kProgramTitle);
        return;
    }
    if (!m_services.dialogs.questionDefaultNo(this, QStringLiteral("确认要恢复数据吗?"), QStringLiteral("恢复数据")))
        return;
    if (!restoreDatabase(m_services.dm, chosen)) {
        m_services.dialogs.information(this, QStringLiteral("数据恢复失败！"), kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, QStringLiteral("数据恢复成功！"), kProgramTitle);
    accept();
}
