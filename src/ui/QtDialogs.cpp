#include "ui/QtDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

void QtDialogs::information(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox::information(parent, caption, text);
}

void QtDialogs::warning(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox::warning(parent, caption, text);
}

void QtDialogs::error(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox::critical(parent, caption, text);
}

bool QtDialogs::question(QWidget *parent, const QString &text, const QString &caption)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool QtDialogs::questionDefaultNo(QWidget *parent, const QString &text, const QString &caption)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString QtDialogs::existingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

bool QtDialogs::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void QtDialogs::printPreview(QWidget *parent, const QString &caption,
                             const std::function<void(QPrinter *)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(caption);
    preview.resize(1000, 760);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter *target) { paint(target); });
    preview.exec();
}

void QtDialogs::quitProgram()
{
    QCoreApplication::quit();
}
