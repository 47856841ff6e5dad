#pragma once

#include "ui/Dialogs.h"

// The Dialogs of the running program: Qt message boxes, file dialogs, the desktop
// services and the print preview dialog.
class QtDialogs : public Dialogs {
public:
    void information(QWidget *parent, const QString &text, const QString &caption) override;
    void warning(QWidget *parent, const QString &text, const QString &caption) override;
    void error(QWidget *parent, const QString &text, const QString &caption) override;
    bool question(QWidget *parent, const QString &text, const QString &caption) override;
    bool questionDefaultNo(QWidget *parent, const QString &text, const QString &caption) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString existingDirectory(QWidget *parent, const QString &caption,
                              const QString &dir) override;
    bool openUrl(const QUrl &url) override;
    void printPreview(QWidget *parent, const QString &caption,
                      const std::function<void(QPrinter *)> &paint) override;
    void quitProgram() override;
};
