#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// "图片管理" of one item picture P: "打开" (BitBtn1) chooses a JPEG, "上传" (BitBtn2)
// stores it as P with a new thumbnail, "压缩" (BitBtn3) scales P to "压缩比例：" (Edit1)
// percent, "删除" (BitBtn4) removes P and its thumbnail, "退出" (BitBtn5).
class TfrmPic_M : public QDialog {
    Q_OBJECT
public:
    TfrmPic_M(AppServices services, const QString &caption, const QString &pictureFile,
              QWidget *parent = nullptr);

    QLabel *picture() const { return m_picture; }
    QLineEdit *percent() const { return m_percent; }

public Q_SLOTS:
    void openPicture();
    void upload();
    void compress();
    void deletePicture();

private:
    void showPicture(const QString &file);
    // Reports a failure, or the success message when `failure` is empty.
    void report(const QString &failure, const QString &success);

    AppServices m_services;
    QString m_pictureFile;
    QString m_chosenFile;
    QLabel *m_picture;
    QLineEdit *m_percent;
};
