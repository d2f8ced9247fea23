#include "support/DropRunner.h"
#include <QCoreApplication>
#include <QDropEvent>
#include <QWidget>

Qt::DropAction DeliverDrop(QWidget* Target, QPoint Pos, const QMimeData* Data, Qt::DropActions Offered,
                           Qt::KeyboardModifiers Modifiers)
{
    QDragEnterEvent enter(Pos, Offered, Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(Target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDragMoveEvent move(Pos, Offered, Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(Target, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(Target, &leave);
        return Qt::IgnoreAction;
    }
    QDropEvent drop(QPointF(Pos), Offered, Data, Qt::LeftButton, Modifiers);
    QCoreApplication::sendEvent(Target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

EventDropRunner::EventDropRunner(QWidget* Target, QPoint Pos, Qt::KeyboardModifiers Modifiers)
    : FTarget(Target), FPos(Pos), FModifiers(Modifiers)
{
    SetDragRunner(this);
}

EventDropRunner::~EventDropRunner()
{
    SetDragRunner(nullptr);
}

Qt::DropAction EventDropRunner::Exec(QWidget*, QMimeData* Data, Qt::DropActions OKEffects,
                                     const std::function<void(Qt::DropAction)>& Feedback)
{
    ++FDrags;
    const Qt::DropAction action = DeliverDrop(FTarget, FPos, Data, OKEffects, FModifiers);
    Feedback(action);
    return action;
}
