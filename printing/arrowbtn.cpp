#include "arrowbtn.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TArrowButton::TArrowButton(QWidget* parent)
    : QWidget(parent), buttonColor_(QColor(0x00, 0x80, 0x80)) {
    resize(33, 33);
    region_ = QRegion(OuterTriangle(), Qt::OddEvenFill);
}

TArrowButton::~TArrowButton() = default;

void TArrowButton::SetDirection(TButtonDirection direction) {
    if (direction == direction_)
        return;
    direction_ = direction;
    region_ = QRegion(OuterTriangle(), Qt::OddEvenFill);
    update();
}

void TArrowButton::SetButtonColor(const QColor& color) {
    if (color == buttonColor_)
        return;
    buttonColor_ = color;
    update();
}

QPolygon TArrowButton::OuterTriangle() const {
    const int w = width();
    const int h = height();
    switch (direction_) {
    case arwUP:
        return QPolygon({QPoint(w / 2, 3), QPoint(w - 3, h - 3), QPoint(3, h - 3)});
    case arwRIGHT:
        return QPolygon({QPoint(3, 3), QPoint(w - 3, h / 2), QPoint(3, h - 3)});
    case arwDOWN:
        return QPolygon({QPoint(w - 3, 3), QPoint(w / 2, h - 3), QPoint(3, 3)});
    case arwLEFT:
        return QPolygon({QPoint(w - 3, 3), QPoint(w - 3, h - 3), QPoint(3, h / 2)});
    }
    return {};
}

void TArrowButton::DrawEdges(QPainter& painter, const QPoint& p1, const QPoint& p2,
                             const QPoint& p3) {
    painter.setBrush(Qt::NoBrush);
    if (pressed_) {
        painter.setPen(Qt::black);
        painter.drawLine(p1, p3);
        painter.setPen(buttonColor_);
        painter.drawLine(p1, p2);
        painter.drawLine(p2, p3);
    } else {
        painter.setPen(Qt::black);
        painter.drawLine(p1, p2);
        painter.drawLine(p2, p3);
        painter.setPen(Qt::white);
        painter.drawLine(p1, p3);
    }
}

void TArrowButton::paintEvent(QPaintEvent*) {
    const QPolygon outer = OuterTriangle();
    region_ = QRegion(outer, Qt::OddEvenFill);

    QPainter painter(this);
    // The frame: the triangle's outline stroked two pixels wide in black.
    QPainterPath path;
    path.addPolygon(outer);
    path.closeSubpath();
    painter.strokePath(path, QPen(Qt::black, 2));

    QPoint p1 = outer[0], p2 = outer[1], p3 = outer[2];
    switch (direction_) {
    case arwUP:
        p1 += QPoint(0, 3);
        p2 += QPoint(-4, -2);
        p3 += QPoint(3, -2);
        break;
    case arwRIGHT:
        p1 += QPoint(2, 3);
        p2 += QPoint(-3, 0);
        p3 += QPoint(2, -3);
        break;
    case arwDOWN:
        p1 += QPoint(-3, 2);
        p2 += QPoint(0, -3);
        p3 += QPoint(2, 2);
        break;
    case arwLEFT:
        p1 += QPoint(-2, 3);
        p2 += QPoint(-2, -2);
        p3 += QPoint(3, 0);
        break;
    }
    p1_ = p1;
    p2_ = p2;
    p3_ = p3;
    painter.setPen(Qt::black);
    painter.setBrush(buttonColor_);
    painter.drawPolygon(QPolygon({p1, p2, p3}));
    DrawEdges(painter, p1, p2, p3);
}

void TArrowButton::resizeEvent(QResizeEvent* event) {
    region_ = QRegion(OuterTriangle(), Qt::OddEvenFill);
    QWidget::resizeEvent(event);
}

void TArrowButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !region_.contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    pressed_ = true;
    update();
    event->accept();
}

void TArrowButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    pressed_ = false;
    update();
    event->accept();
    // Qt keeps the mouse with the widget that took the press, so a release
    // outside the triangle still clicks.
    if (OnClick)
        OnClick();
}

// No double clicks: the second press of a double click is a press.
void TArrowButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
