#include "InputHold.h"

#include <QApplication>
#include <QEvent>

TInputHold::TInputHold(const QList<QWidget*>& windows) {
    for (QWidget* w : windows)
        if (w != nullptr)
            windows_.append(w);
    qApp->installEventFilter(this);
}

TInputHold::~TInputHold() {
    if (qApp != nullptr)
        qApp->removeEventFilter(this);
}

bool TInputHold::IsHeld(QObject* object) const {
    // Shortcuts and actions are objects inside a window, not widgets.
    while (object != nullptr && !object->isWidgetType())
        object = object->parent();
    if (object == nullptr)
        return false;
    const QWidget* window = static_cast<QWidget*>(object)->window();
    for (const QPointer<QWidget>& w : windows_)
        if (w == window)
            return true;
    return false;
}

bool TInputHold::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Gesture:
    case QEvent::NativeGesture:
        return IsHeld(watched);
    case QEvent::Close:
        // The close box; the program's own closing is not spontaneous. An
        // eaten close event must also say no, or the window closes anyway.
        if (event->spontaneous() && IsHeld(watched)) {
            event->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}
