#include "platform/InputBlock.h"
#include <QCoreApplication>
#include <QEvent>

TInputBlock::TInputBlock()
{
    QCoreApplication::instance()->installEventFilter(this);
}

TInputBlock::~TInputBlock()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void TInputBlock::Process_Waiting()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TInputBlock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        return event->spontaneous();
    default:
        return QObject::eventFilter(watched, event);
    }
}
