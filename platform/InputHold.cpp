#include "InputHold.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

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

void TInputHold::StopWith(std::function<void()> stop, const QList<QWidget*>& others) {
    stop_ = std::move(stop);
    for (QWidget* w : others)
        if (w != nullptr)
            stopWindows_.append(w);
}

bool TInputHold::IsHeld(QObject* object) const {
    return InWindows(object, windows_);
}

bool TInputHold::InWindows(QObject* object, const QList<QPointer<QWidget>>& windows) const {
    // Shortcuts and actions are objects inside a window, not widgets.
    while (object != nullptr && !object->isWidgetType())
        object = object->parent();
    if (object == nullptr)
        return false;
    const QWidget* window = static_cast<QWidget*>(object)->window();
    for (const QPointer<QWidget>& w : windows)
        if (w == window)
            return true;
    return false;
}

bool TInputHold::eventFilter(QObject* watched, QEvent* event) {
    if (stop_) {
        // The key reaches whichever window has the focus, held or not.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            stop_();
            return true;
        }
        if (event->type() == QEvent::Close && event->spontaneous() &&
            (IsHeld(watched) || InWindows(watched, stopWindows_))) {
            stop_();
            event->ignore();
            return true;
        }
    }
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
