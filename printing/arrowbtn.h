#pragma once
// A small button drawn as a filled triangle that reacts to presses only
// inside the triangle.
#include <QColor>
#include <QPoint>
#include <QRegion>
#include <QWidget>

#include <functional>

enum TButtonDirection { arwUP, arwRIGHT, arwLEFT, arwDOWN };

class TArrowButton : public QWidget {
    Q_OBJECT
public:
    explicit TArrowButton(QWidget* parent = nullptr);
    ~TArrowButton() override;

    TButtonDirection Direction() const { return direction_; }
    void SetDirection(TButtonDirection direction);
    // Teal, $808000 in the class library's notation.
    QColor ButtonColor() const { return buttonColor_; }
    void SetButtonColor(const QColor& color);

    bool Pressed() const { return pressed_; }
    // The outer triangle of the last paint, in widget coordinates; a press
    // counts only inside it.
    const QRegion& Region() const { return region_; }
    // The outer triangle for the current size and direction.
    QPolygon OuterTriangle() const;

    std::function<void()> OnClick;

protected:
    // Raised edges: black P1-P2 and P2-P3, white P1-P3; pressed: black
    // P1-P3 and the other two in the button colour.
    virtual void DrawEdges(QPainter& painter, const QPoint& p1, const QPoint& p2, const QPoint& p3);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TButtonDirection direction_ = arwUP;
    QColor buttonColor_;
    QPoint p1_, p2_, p3_; // the inner triangle of the last paint
    QRegion region_;
    bool pressed_ = false;
};
