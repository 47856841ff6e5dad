#include "pictures/TfrmWJ_Up.h"

#include "pictures/FileDialogShape.h"
#include "pictures/ItemActions.h"
#include "pictures/ItemFiles.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QPushButton>

TfrmWJ_Up::TfrmWJ_Up(AppServices services, int articleId, QWidget *parent)
    : QDialog(parent), m_services(services), m_articleId(articleId)
{
    setObjectName(QStringLiteral("frmWJ_Up"));
    setWindowTitle(itemCaption(services.dm, articleId) + QStringLiteral(" 文件上传"));
    const FileDialogParts parts = buildFileDialog(*this, QStringLiteral("文件路径："), QStringLiteral("打开文件"),
                                                  QStringLiteral("上传"));
    m_path = parts.path;
    connect(parts.choose, &QPushButton::clicked, this, &TfrmWJ_Up::chooseFile);
    connect(parts.run, &QPushButton::clicked, this, &TfrmWJ_Up::upload);
}

void TfrmWJ_Up::chooseFile()
{
    const QString file = m_services.dialogs.openFileName(this, QStringLiteral("打开文件"), QString(), QString());
    if (!file.isEmpty())
        m_path->setText(file);
}

void TfrmWJ_Up::upload()
{
    if (m_path->text().isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("上传文件 不能为空，请单击 打开文件！"), kProgramTitle);
        findChild<QPushButton *>(QStringLiteral("BitBtn3"))->setFocus();
        return;
    }
    const QString failure =
        uploadAttachedFile(m_services.dm, m_services.context.AppDir, m_articleId, m_path->text());
    if (!failure.isEmpty()) {
        m_services.dialogs.warning(this, failure, kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, windowTitle() + QStringLiteral(" 保存成功！"), kProgramTitle);
    accept();
}
