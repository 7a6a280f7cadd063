#include "TButPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

TButPanel::TButPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(false);
    // A child, so that tests find it and drive it without waiting.
    FTimer.setParent(this);
    FTimer.setSingleShot(false);
    connect(&FTimer, &QTimer::timeout, this, &TButPanel::TimerTick);
}

TButPanel::~TButPanel() {
    FTimer.stop();
}

void TButPanel::SetGlyph(const QPixmap& glyph) {
    FGlyph = glyph;
    update();
}

void TButPanel::SetDown(bool down) {
    if (FDown == down)
        return;
    FDown = down;
    update();
}

void TButPanel::StopRepeat() {
    FTimer.stop();
    SetDown(false);
}

void TButPanel::TimerTick() {
    if (FTimer.isActive())
        FireTick();
}

void TButPanel::FireTick() {
    if (!OnTick)
        return;
    try {
        OnTick(this);
    } catch (...) {
        // A failing tick must not fail again at every interval.
        StopRepeat();
        throw;
    }
}

void TButPanel::hideEvent(QHideEvent* event) {
    StopRepeat();
    QFrame::hideEvent(event);
}

void TButPanel::changeEvent(QEvent* event) {
    // A window that loses activation (a message shown meanwhile) never
    // passes the release on to us.
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (event->type() == QEvent::EnabledChange && !isEnabled()))
        StopRepeat();
    QFrame::changeEvent(event);
}

void TButPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    if (p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height()) {
        if (!FDown) {
            FTimer.start(FAutoRepeat);
            SetDown(true);
            FireTick();
        }
        QFrame::mousePressEvent(event);
    } else {
        StopRepeat();
        event->accept();
    }
}

void TButPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is a press like any other.
    mousePressEvent(event);
}

void TButPanel::mouseReleaseEvent(QMouseEvent* event) {
    // The button holds the mouse while pressed, so a release anywhere lands here.
    if (event->button() == Qt::LeftButton)
        StopRepeat();
    QFrame::mouseReleaseEvent(event);
}

void TButPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    if (FDown)
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), true, 1);
    if (!FGlyph.isNull()) {
        const QSize gs = FGlyph.deviceIndependentSize().toSize();
        p.drawPixmap(width() / 2 - gs.width() / 2, height() / 2 - gs.height() / 2, FGlyph);
    }
}
