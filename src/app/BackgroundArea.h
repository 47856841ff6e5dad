#pragma once

#include <QImage>
#include <QMdiArea>

// The MDI area of the main window, painted with a picture stretched over the whole
// client area: `bj.jpg` beside the program when there is one, otherwise a built-in one.
class BackgroundArea : public QMdiArea {
    Q_OBJECT
public:
    explicit BackgroundArea(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // The picture shown when there is no `bj.jpg`.
    static QImage builtInPicture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
