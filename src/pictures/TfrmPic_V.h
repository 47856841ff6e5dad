#pragma once

#include <QDialog>

class QLabel;

// The picture viewer: one item picture at its natural size, scrollable; empty when the
// file is missing or not a picture.
class TfrmPic_V : public QDialog {
    Q_OBJECT
public:
    TfrmPic_V(const QString &caption, const QString &pictureFile, QWidget *parent = nullptr);

    bool hasPicture() const;

private:
    QLabel *m_picture;
};

// The file of an item's picture: ImageDir/ID.jpg.
QString itemPictureFile(const QString &imageDir, const QString &itemId);
