#include "admin/TfrmBackup.h"

#include "admin/DatabaseFiles.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QPushButton>

TfrmBackup::TfrmBackup(AppServices services, QWidget *parent)
    : PathDialog(QStringLiteral("数据备份"),
                 {QStringLiteral("单击[选择路径]按钮选择正确备份路径，再单击[备份]按钮即可。")},
                 QStringLiteral("选择备份路径："), QStringLiteral("备份"), parent),
      m_services(services)
{
    setObjectName(QStringLiteral("frmBackup"));
    connect(chooseButton(), &QPushButton::clicked, this, &TfrmBackup::choosePath);
    connect(actionButton(), &QPushButton::clicked, this, &TfrmBackup::backup);
}

void TfrmBackup::choosePath()
{
    const QString folder = m_services.dialogs.existingDirectory(this, QStringLiteral("选择备份路径："), QString());
    pathEdit()->setText(folder.isEmpty() ? QString() : backupPath(folder, m_services.context.LoginDate));
}

void TfrmBackup::backup()
{
    const QString target = pathEdit()->text();
    if (target.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("路径不能为空！"), kProgramTitle);
        return;
    }
    const bool saved = backupDatabase(m_services.dm, target);
    m_services.dialogs.information(this, saved ? QStringLiteral("数据备份成功！") : QStringLiteral("数据备份失败！"),
                                   kProgramTitle);
    accept();
}
