#include "PanelScroller.h"

#include "Controls.h"

#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>

TPanelScroller::TPanelScroller(QWidget* panel, Qt::Orientations directions, QWidget* parent)
    : QScrollArea(parent), directions_(directions) {
    setObjectName(panel->objectName() + QStringLiteral("Scroller"));
    setFrameShape(QFrame::NoFrame);
    // The scroller is no control: the keys go to the controls it holds, the
    // one with the focus scrolled into view, and a click on a button that
    // takes no focus leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(directions & Qt::Horizontal ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(directions & Qt::Vertical ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
    setWidget(panel);
    if (!(directions & Qt::Horizontal)) {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        panel->installEventFilter(this);
        verticalScrollBar()->installEventFilter(this);
        FollowPanelWidth();
    }
}

bool TPanelScroller::eventFilter(QObject* watched, QEvent* event) {
    // The scroll area watches its panel as well; only a vertical-only
    // scroller follows the panel's width.
    const QEvent::Type t = event->type();
    if (screenBound_ && watched == widget() && t == QEvent::LayoutRequest)
        updateGeometry();
    if (!(directions_ & Qt::Horizontal) && (t == QEvent::Show || t == QEvent::Hide ||
                                            t == QEvent::Resize || t == QEvent::LayoutRequest))
        FollowPanelWidth();
    return QScrollArea::eventFilter(watched, event);
}

void TPanelScroller::FollowPanelWidth() {
    QWidget* panel = widget();
    if (!panel)
        return;
    const int panelWidth = std::max(panel->minimumWidth(), panel->minimumSizeHint().width());
    const int bar =
        verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->sizeHint().width() : 0;
    if (width() != panelWidth + bar || minimumWidth() != panelWidth + bar)
        setFixedWidth(panelWidth + bar);
}

QSize TPanelScroller::minimumSizeHint() const {
    const QWidget* panel = widget();
    if (!screenBound_ || !panel)
        return QScrollArea::minimumSizeHint();
    QSize need = panel->minimumSizeHint().expandedTo(panel->minimumSize());
    const QSize room = RoomOnScreen(window());
    // Room for the bar that scrolls one way, so the other needs none.
    if (need.height() > room.height())
        need.rwidth() += verticalScrollBar()->sizeHint().width();
    if (need.width() > room.width())
        need.rheight() += horizontalScrollBar()->sizeHint().height();
    return need.boundedTo(room);
}

QWidget* TPanelScroller::WindowBody(QWidget* window) {
    // The body is inside the window before any control moves onto it, so
    // the controls keep their tab order.
    auto* body = new QWidget;
    body->setObjectName(window->objectName() + QStringLiteral("Body"));
    auto* scroller = new TPanelScroller(body, Qt::Vertical | Qt::Horizontal, window);
    scroller->screenBound_ = true;
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    return body;
}
