#include "admin/TfrmBImage.h"

#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <filesystem>

namespace {

QPushButton *button(const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

bool copyBackground(const QString &source, const QString &target, QString &failure)
{
    QImageReader reader(source);
    if (reader.read().isNull()) {
        failure = QStringLiteral("所选文件不是图片，请重新选择！");
        return false;
    }
    // Copy beside the target first, so a failed copy never leaves half a picture.
    failure = QStringLiteral("背景图保存失败！");
    QTemporaryFile copy(QFileInfo(target).absolutePath() + QStringLiteral("/.bj-XXXXXX.tmp"));
    if (!copy.open())
        return false;
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly) || copy.write(input.readAll()) != input.size() || !copy.flush())
        return false;
    std::error_code error;
    std::filesystem::rename(copy.fileName().toStdString(), target.toStdString(), error);
    if (error)
        return false;
    copy.setAutoRemove(false);
    failure.clear();
    return true;
}

TfrmBImage::TfrmBImage(AppServices services, QWidget *parent)
    : QDialog(parent), m_services(services), m_path(new QLineEdit)
{
    setObjectName(QStringLiteral("frmBImage"));
    setWindowTitle(QStringLiteral("更换背景"));
    m_path->setObjectName(QStringLiteral("pathEdit"));
    m_path->setMinimumWidth(320);
    auto *open = button(QStringLiteral("打开"), "openButton");
    auto *group = new QGroupBox(QStringLiteral("选择背景"));
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("选择背景：")));
    row->addWidget(m_path, 1);
    row->addWidget(open);

    auto *saveButton = button(QStringLiteral("保存"), "saveButton");
    auto *clearButton = button(QStringLiteral("清除"), "clearButton");
    auto *exitButton = button(QStringLiteral("退出"), "exitButton");
    connect(open, &QPushButton::clicked, this, &TfrmBImage::choosePicture);
    connect(saveButton, &QPushButton::clicked, this, &TfrmBImage::save);
    connect(clearButton, &QPushButton::clicked, this, &TfrmBImage::clearPicture);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {saveButton, clearButton, exitButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

QString TfrmBImage::backgroundFile() const
{
    return m_services.context.AppDir + QStringLiteral("bj.jpg");
}

void TfrmBImage::choosePicture()
{
    m_path->setText(m_services.dialogs.openFileName(this, QStringLiteral("选择背景"), QString(),
                                                    QStringLiteral("*.jpg (*.jpg)")));
}

void TfrmBImage::save()
{
    if (m_path->text().isEmpty())
        return;
    QString failure;
    if (!copyBackground(m_path->text(), backgroundFile(), failure)) {
        m_services.dialogs.information(this, failure, kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, QStringLiteral("背景图保存成功！请退出软件后重新登录！"), kProgramTitle);
    accept();
}

void TfrmBImage::clearPicture()
{
    if (!m_services.dialogs.questionDefaultNo(this, QStringLiteral("确认要清除背景图吗？该清除将不可恢复！"),
                                              QStringLiteral("清除")))
        return;
    QFile picture(backgroundFile());
    if (picture.exists() && !picture.remove()) {
        m_services.dialogs.information(this, QStringLiteral("背景图清除失败！"), kProgramTitle);
        return;
    }
    m_services.dialogs.information(this, QStringLiteral("背景图清除成功！请退出软件后重新登录！"), kProgramTitle);
    accept();
}
