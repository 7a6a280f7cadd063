#include "ClickFilter.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

class TClickFilter final : public QObject {
public:
    TClickFilter(QWidget* widget, QEvent::Type type, std::function<void()> handler)
        : QObject(widget), type_(type), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = static_cast<QWidget*>(watched);
            if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> handler_;
};

} // namespace

void OnWidgetClick(QWidget* widget, std::function<void()> handler) {
    new TClickFilter(widget, QEvent::MouseButtonRelease, std::move(handler));
}

void OnWidgetDoubleClick(QWidget* widget, std::function<void()> handler) {
    new TClickFilter(widget, QEvent::MouseButtonDblClick, std::move(handler));
}
