#pragma once

#include "ui/Dialogs.h"

#include <QStringList>

// The Dialogs seam of the benchmarks: answers No, picks nothing, shows nothing, and
// keeps the text of error boxes so a benchmark can tell that its work failed.
class SilentDialogs : public Dialogs {
public:
    void information(QWidget *, const QString &, const QString &) override {}
    void warning(QWidget *, const QString &, const QString &) override {}
    void error(QWidget *, const QString &text, const QString &) override { failures << text; }
    bool question(QWidget *, const QString &, const QString &) override { return false; }
    bool questionDefaultNo(QWidget *, const QString &, const QString &) override { return false; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
    bool openUrl(const QUrl &) override { return true; }
    void printPreview(QWidget *, const QString &, const std::function<void(QPrinter *)> &) override {}
    void quitProgram() override {}

    QStringList failures;
};
