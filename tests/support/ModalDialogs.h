#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Windows shown with exec() block the test until closed. This runs `act` on the next
// modal window once it is on screen, then closes it (reject) if it is still open. The
// returned timer is null once it has acted; delete it to stop waiting.
inline QPointer<QTimer> whenModalShown(std::function<void(QWidget &)> act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(*modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
    return timer;
}
