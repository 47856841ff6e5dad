#include "pictures/TfrmWJ_Do.h"

#include "pictures/FileDialogShape.h"
#include "pictures/ItemActions.h"
#include "pictures/ItemFiles.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

TfrmWJ_Do::TfrmWJ_Do(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_storedName(services.dm.myRetAF(articleId))
{
    setObjectName(QStringLiteral("frmWJ_Do"));
    setWindowTitle(itemCaption(services.dm, articleId) + QStringLiteral(" 文件下载"));
    const FileDialogParts parts = buildFileDialog(*this, QStringLiteral("下载路径："), QStringLiteral("选择路径"),
                                                  QStringLiteral("下载"));
    m_path = parts.path;
    connect(parts.choose, &QPushButton::clicked, this, &TfrmWJ_Do::chooseFolder);
    connect(parts.run, &QPushButton::clicked, this, &TfrmWJ_Do::download);
}

void TfrmWJ_Do::chooseFolder()
{
    m_path->setText(m_services.dialogs.existingDirectory(this, QStringLiteral("选择备份路径："), QString()));
}

void TfrmWJ_Do::download()
{
    const QString folder = m_path->text();
    if (folder.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("下载路径 不能为空，请单击 选择路径！"), kProgramTitle);
        findChild<QPushButton *>(QStringLiteral("BitBtn3"))->setFocus();
        return;
    }
    const QString target = downloadTarget(m_storedName, folder);
    const bool exists = QFile::exists(target);
    if (exists && !m_services.dialogs.question(this, target + QStringLiteral(" 已存在，是否覆盖？"),
                                               QStringLiteral("文件下载")))
        return;
    const QString failure = downloadAttachedFile(m_services.context.AppDir, m_storedName, folder, exists);
    if (!failure.isEmpty()) {
        m_services.dialogs.warning(this, failure, kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, windowTitle() + QStringLiteral(" 下载成功！"), kProgramTitle);
    accept();
}
