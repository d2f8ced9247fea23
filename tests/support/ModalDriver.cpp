#include "support/ModalDriver.h"

#include <QApplication>
#include <QTimer>
#include <memory>

void OnNextModal(std::function<void(QWidget* modal)> act)
{
    auto* timer = new QTimer(qApp);
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(act));
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, shared, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        // A window that never comes must not leave the timer running into later tests.
        if (!modal && ++*ticks < 400)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            (*shared)(modal);
    });
    timer->start(5);
}
