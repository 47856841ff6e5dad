#include "pictures/TfrmPic_V.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

TfrmPic_V::TfrmPic_V(const QString &caption, const QString &pictureFile, QWidget *parent)
    : QDialog(parent), m_picture(new QLabel)
{
    setObjectName(QStringLiteral("frmPic_V"));
    setWindowTitle(caption);
    m_picture->setObjectName(QStringLiteral("Image1"));
    const QPixmap picture(pictureFile);
    if (!picture.isNull())
        m_picture->setPixmap(picture);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_picture);
    scroll->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    resize(qBound(320, picture.width() + 40, 1200), qBound(240, picture.height() + 40, 900));
}

bool TfrmPic_V::hasPicture() const
{
    return !m_picture->pixmap().isNull();
}

QString itemPictureFile(const QString &imageDir, const QString &itemId)
{
    return imageDir + QLatin1Char('/') + itemId + QStringLiteral(".jpg");
}
