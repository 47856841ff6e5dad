#include "pictures/TfrmPic_M.h"

#include "pictures/ItemFiles.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "ui/Dialogs.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

TfrmPic_M::TfrmPic_M(AppServices services, const QString &caption, const QString &pictureFile, QWidget *parent)
    : QDialog(parent), m_services(services), m_pictureFile(pictureFile), m_picture(new QLabel),
      m_percent(new QLineEdit(QStringLiteral("100")))
{
    setObjectName(QStringLiteral("frmPic_M"));
    setWindowTitle(caption.isEmpty() ? QStringLiteral("图片管理") : caption);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_percent->setObjectName(QStringLiteral("Edit1"));
    m_percent->setMaxLength(4);
    m_percent->setFixedWidth(60);
    m_percent->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_percent));
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_picture);
    scroll->setAlignment(Qt::AlignCenter);

    auto *bar = new QHBoxLayout;
    const struct {
        const char *caption, *name;
        void (TfrmPic_M::*slot)();
    } buttons[] = {{"打开", "BitBtn1", &TfrmPic_M::openPicture},
                   {"上传", "BitBtn2", &TfrmPic_M::upload},
                   {"压缩", "BitBtn3", &TfrmPic_M::compress}};
    for (const auto &def : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(def.caption));
        button->setObjectName(QLatin1String(def.name));
        connect(button, &QPushButton::clicked, this, def.slot);
        bar->addWidget(button);
    }
    bar->addWidget(new QLabel(QStringLiteral("压缩比例：")));
    bar->addWidget(m_percent);
    bar->addWidget(new QLabel(QStringLiteral("%")));
    auto *remove = new QPushButton(QStringLiteral("删除"));
    remove->setObjectName(QStringLiteral("BitBtn4"));
    connect(remove, &QPushButton::clicked, this, &TfrmPic_M::deletePicture);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn5"));
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    bar->addWidget(remove);
    bar->addStretch();
    bar->addWidget(quit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(bar);
    resize(800, 600);
    showPicture(m_pictureFile);
}

void TfrmPic_M::showPicture(const QString &file)
{
    const QPixmap pixmap(file);
    m_picture->setPixmap(pixmap);
    m_picture->resize(pixmap.size());
}

void TfrmPic_M::report(const QString &failure, const QString &success)
{
    if (failure.isEmpty())
        m_services.dialogs.information(this, success, kProgramTitle);
    else
        m_services.dialogs.warning(this, failure, kProgramTitle);
}

void TfrmPic_M::openPicture()
{
    const QString file = m_services.dialogs.openFileName(this, QStringLiteral("打开"), QString(),
                                                         QStringLiteral("*.jpg (*.jpg)"));
    if (file.isEmpty())
        return;
    m_chosenFile = file;
    showPicture(file);
}

void TfrmPic_M::upload()
{
    if (m_chosenFile.isEmpty())
        return;
    report(uploadPicture(m_chosenFile, m_pictureFile), QStringLiteral("图片上传 成功！"));
    showPicture(m_pictureFile);
}

void TfrmPic_M::compress()
{
    if (m_percent->text().isEmpty() || !QFile::exists(m_pictureFile))
        return;
    report(compressPicture(m_pictureFile, int(parseWholeNumber(m_percent->text()).value_or(0))),
           QStringLiteral("图片压缩 成功！"));
    showPicture(m_pictureFile);
}

void TfrmPic_M::deletePicture()
{
    if (!rightAllows(m_services.context.RightDelete) || !QFile::exists(m_pictureFile))
        return;
    if (!m_services.dialogs.question(this, QStringLiteral("确认要删除吗？该删除将不可恢复！"), QStringLiteral("删除")))
        return;
    report(::deletePicture(m_pictureFile), QStringLiteral("图片删除 成功！"));
    showPicture(m_pictureFile);
}
