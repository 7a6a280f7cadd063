#include "ClickFilter.h"

#include "ErrorHandler.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QShortcut>

namespace {

class TClickFilter final : public QObject {
public:
    TClickFilter(QWidget* widget, QEvent::Type type, Qt::MouseButton button,
                 std::function<void()> handler)
        : QObject(widget), type_(type), button_(button), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = static_cast<QWidget*>(watched);
            if (me->button() == button_ && w->rect().contains(me->position().toPoint())) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    Qt::MouseButton button_;
    std::function<void()> handler_;
};

class TEventFilter final : public QObject {
public:
    TEventFilter(QWidget* widget, QEvent::Type type, std::function<void()> handler)
        : QObject(widget), type_(type), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> handler_;
};

} // namespace

void OnWidgetClick(QWidget* widget, std::function<void()> handler) {
    new TClickFilter(widget, QEvent::MouseButtonRelease, Qt::LeftButton, std::move(handler));
}

void OnWidgetDoubleClick(QWidget* widget, std::function<void()> handler) {
    new TClickFilter(widget, QEvent::MouseButtonDblClick, Qt::LeftButton, std::move(handler));
}

void OnWidgetRightClick(QWidget* widget, std::function<void()> handler) {
    new TClickFilter(widget, QEvent::MouseButtonRelease, Qt::RightButton, std::move(handler));
}

void OnWidgetEvent(QWidget* widget, QEvent::Type type, std::function<void()> handler) {
    new TEventFilter(widget, type, std::move(handler));
}

void OnWidgetKey(QWidget* widget, const QKeySequence& key, std::function<void()> handler) {
    auto* shortcut = new QShortcut(key, widget);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget, std::move(handler));
}

void OpenRowOnEnter(QAbstractItemView* list, const std::function<void()>& open) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        OnWidgetKey(list, QKeySequence(key), [list, open] {
            const QModelIndex row = list->currentIndex();
            if (row.isValid() && list->selectionModel()->isSelected(row))
                RunGuarded(open);
        });
}
