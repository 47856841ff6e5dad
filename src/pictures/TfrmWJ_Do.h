#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// The download of one item's attached file, caption code + " " + name + " 文件下载":
// "选择路径" (BitBtn3) chooses the folder shown in "下载路径：" (Edit1), "下载" (BitBtn1)
// copies the file there, asking before it replaces a file of the same name, "退出"
// (BitBtn2). Construct it with the item's ID; showFileDownload (ItemActions.h) first
// tells the user when the item has no file.
class TfrmWJ_Do : public QDialog {
    Q_OBJECT
public:
    TfrmWJ_Do(AppServices services, int articleId, QWidget *parent = nullptr);

    QLineEdit *path() const { return m_path; }

public Q_SLOTS:
    void chooseFolder();
    void download();

private:
    AppServices m_services;
    QString m_storedName;
    QLineEdit *m_path;
};
