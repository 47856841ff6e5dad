#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// "更换背景": copies a chosen picture to bj.jpg in the program's folder, or removes it;
// the main window shows it from its next start.
class TfrmBImage : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBImage(AppServices services, QWidget *parent = nullptr);

    QLineEdit *pathEdit() const { return m_path; }

public Q_SLOTS:
    void choosePicture();
    void save();
    void clearPicture();

private:
    QString backgroundFile() const;

    AppServices m_services;
    QLineEdit *m_path;
};

// Copies the picture `source` over `target`: false when `source` is not a picture or
// the copy failed, and then `target` is as it was.
bool copyBackground(const QString &source, const QString &target, QString &failure);
