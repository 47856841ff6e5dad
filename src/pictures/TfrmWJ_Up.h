#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QLineEdit;

// "文件上传" of one item, caption code + " " + name + " 文件上传": "打开文件" (BitBtn3)
// chooses the file shown in "文件路径：" (Edit1), "上传" (BitBtn1) stores it as the
// item's attached file, "退出" (BitBtn2). Construct it with the item's ID.
class TfrmWJ_Up : public QDialog {
    Q_OBJECT
public:
    TfrmWJ_Up(AppServices services, int articleId, QWidget *parent = nullptr);

    QLineEdit *path() const { return m_path; }

public Q_SLOTS:
    void chooseFile();
    void upload();

private:
    AppServices m_services;
    int m_articleId;
    QLineEdit *m_path;
};
