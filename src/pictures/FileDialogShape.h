#pragma once

#include <QString>

class QDialog;
class QLineEdit;
class QPushButton;

// The shape of the file upload and download dialogs: group "文件信息" with a read-only
// path (Edit1) and its chooser button (BitBtn3), then the action (BitBtn1) and "退出"
// (BitBtn2), which rejects the dialog.
struct FileDialogParts {
    QLineEdit *path;
    QPushButton *choose;
    QPushButton *run;
};
FileDialogParts buildFileDialog(QDialog &dialog, const QString &pathLabel, const QString &chooseCaption,
                                const QString &runCaption);
