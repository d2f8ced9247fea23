#pragma once
// What both start-up probes do at their first frame: say so on standard output (the driver's clock stops there)
// and quit once the paint is done.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>

class TFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            std::fputs("first frame\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FSeen = false;
};
