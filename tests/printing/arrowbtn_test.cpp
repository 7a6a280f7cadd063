#include "arrowbtn.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the paints through the one virtual drawing operation.
class CountingArrow : public TArrowButton {
public:
    using TArrowButton::TArrowButton;
    int Paints = 0;

protected:
    void DrawEdges(QPainter& painter, const QPoint& p1, const QPoint& p2,
                   const QPoint& p3) override {
        ++Paints;
        TArrowButton::DrawEdges(painter, p1, p2, p3);
    }
};

struct HitCase {
    TButtonDirection Direction;
    QPoint Point;
    bool Clicks;
};

TEST(ArrowButton, ClicksOnlyInsideTheTriangle) {
    const HitCase cases[] = {
        {arwUP, {16, 20}, true},     {arwUP, {2, 2}, false},     {arwUP, {30, 4}, false},
        {arwUP, {16, 31}, false},    {arwDOWN, {16, 12}, true},  {arwDOWN, {2, 30}, false},
        {arwDOWN, {30, 30}, false},  {arwLEFT, {20, 16}, true},  {arwLEFT, {3, 3}, false},
        {arwLEFT, {4, 29}, false},   {arwRIGHT, {12, 16}, true}, {arwRIGHT, {30, 3}, false},
        {arwRIGHT, {30, 30}, false},
    };
    for (const HitCase& c : cases) {
        TArrowButton button;
        EXPECT_EQ(button.size(), QSize(33, 33));
        button.SetDirection(c.Direction);
        int clicks = 0;
        button.OnClick = [&] { ++clicks; };
        QTest::mouseClick(&button, Qt::LeftButton, {}, c.Point);
        EXPECT_EQ(clicks, c.Clicks ? 1 : 0)
            << "direction " << c.Direction << " at " << c.Point.x() << "," << c.Point.y();
        EXPECT_FALSE(button.Pressed());
    }
}

TEST(ArrowButton, ReleaseOutsideAfterAPressInsideClicks) {
    QWidget window;
    window.resize(200, 200);
    TArrowButton button(&window);
    button.move(50, 50);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(66, 70));
    EXPECT_TRUE(button.Pressed());
    QTest::mouseMove(window.windowHandle(), QPoint(150, 150));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Pressed());
    // A press outside the triangle, released inside, is no click.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(51, 51));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(66, 70));
    EXPECT_EQ(clicks, 1);
}

TEST(ArrowButton, PressSinksTheEdgesAndTheColourFillsTheTriangle) {
    TArrowButton button;
    // The left edge P1-P3 of the up arrow is white when raised, black when
    // pressed; the middle is the button colour.
    const QPoint leftEdge(9, 20);
    const QImage raised = button.grab().toImage();
    EXPECT_EQ(raised.pixelColor(16, 22), QColor(0x00, 0x80, 0x80));
    EXPECT_EQ(raised.pixelColor(leftEdge), QColor(Qt::white));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(16, 20));
    EXPECT_EQ(button.grab().toImage().pixelColor(leftEdge), QColor(Qt::black));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(16, 20));
    button.SetButtonColor(Qt::red);
    EXPECT_EQ(button.grab().toImage().pixelColor(16, 22), QColor(Qt::red));
}

TEST(ArrowButton, SettingTheSameValueDoesNotRepaint) {
    CountingArrow button;
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QApplication::processEvents();
    button.Paints = 0;
    button.SetDirection(arwUP);
    button.SetButtonColor(QColor(0x00, 0x80, 0x80));
    QApplication::processEvents();
    EXPECT_EQ(button.Paints, 0);
    button.SetDirection(arwDOWN);
    QApplication::processEvents();
    EXPECT_GT(button.Paints, 0);
}

} // namespace
