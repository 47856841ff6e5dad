#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

// The shape of the backup and restore dialogs: a picture beside notes, a group with a
// read-only path field and "选择路径", an action button and "退出".
class PathDialog : public QDialog {
    Q_OBJECT
public:
    PathDialog(const QString &caption, const QStringList &notes, const QString &pathLabel,
               const QString &actionCaption, QWidget *parent);

    QLineEdit *pathEdit() const { return m_path; }
    QPushButton *chooseButton() const { return m_choose; }
    QPushButton *actionButton() const { return m_action; }

private:
    QLineEdit *m_path;
    QPushButton *m_choose;
    QPushButton *m_action;
};
