#include "app/BackgroundArea.h"

#include "store/AppContext.h"

#include <QLinearGradient>
#include <QPainter>

BackgroundArea::BackgroundArea(QWidget *parent) : QMdiArea(parent), m_picture(builtInPicture()) {}

void BackgroundArea::setPicture(const QImage &picture)
{
    m_picture = picture;
    viewport()->update();
}

QImage BackgroundArea::builtInPicture()
{
    QImage picture(1280, 720, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, QColor(0x2b, 0x5d, 0x8c));
    sky.setColorAt(1, QColor(0xd6, 0xe6, 0xf2));
    painter.fillRect(picture.rect(), sky);

    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(64);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 255, 255, 220));
    painter.drawText(picture.rect().adjusted(0, 0, 0, -120), Qt::AlignCenter, kProgramTitle);
    return picture;
}

void BackgroundArea::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(viewport()->rect(), m_picture);
}
