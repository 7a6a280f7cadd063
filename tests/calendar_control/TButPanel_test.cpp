#include "TButPanel.h"

#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class CalendarButPanel : public ::testing::Test {
protected:
    void SetUp() override {
        button.resize(24, 24);
        button.OnTick = [this](TButPanel* sender) {
            ++ticks;
            lastSender = sender;
        };
    }
    TButPanel button;
    int ticks = 0;
    TButPanel* lastSender = nullptr;
};

TEST_F(CalendarButPanel, SingleClickGivesOneTick) {
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(lastSender, &button);
    EXPECT_FALSE(button.Down());
    EXPECT_FALSE(button.Repeating());
}

TEST_F(CalendarButPanel, HeldButtonTicksAtOnceAndOnEveryTimerTick) {
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(button.Repeating());
    EXPECT_EQ(button.RepeatInterval(), 300);
    // One second held at 300 ms: three more ticks.
    button.TimerTick();
    button.TimerTick();
    button.TimerTick();
    EXPECT_EQ(ticks, 4);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 12));
    button.TimerTick();
    EXPECT_EQ(ticks, 4);
}

TEST_F(CalendarButPanel, ReleaseOutsideTheButtonEndsTheRepeat) {
    QWidget window;
    window.resize(200, 200);
    button.setParent(&window);
    button.move(50, 50);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Through the window, as the mouse really goes: the release lands elsewhere.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(62, 62));
    ASSERT_TRUE(button.Repeating());
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_FALSE(button.Repeating());
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(ticks, 1);
    button.setParent(nullptr);
}

TEST_F(CalendarButPanel, PressOnTheEdgeDoesNotTickAndStopsARepeat) {
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(0, 12));
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(button.Down());

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    ASSERT_TRUE(button.Repeating());
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 0));
    EXPECT_FALSE(button.Repeating());
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(ticks, 1);
}

TEST_F(CalendarButPanel, PressWhileDownChangesNothing) {
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(button.Repeating());
}

TEST_F(CalendarButPanel, AutoRepeatChangeTakesEffectAtNextPress) {
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    button.SetAutoRepeat(50);
    EXPECT_EQ(button.RepeatInterval(), 300);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 12));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(button.RepeatInterval(), 50);
}

TEST_F(CalendarButPanel, RunningTimerDrivesTheTicks) {
    button.SetAutoRepeat(40);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(ticks, 1);
    // The repeat timer's own expiries, delivered at once rather than waited for.
    auto* timer = button.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 40);
    for (int i = 0; i < 3; ++i) {
        QTimerEvent expiry(timer->timerId());
        QCoreApplication::sendEvent(timer, &expiry);
    }
    EXPECT_EQ(ticks, 4);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_FALSE(timer->isActive());
}

TEST_F(CalendarButPanel, FailingTickStopsTheRepeat) {
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    button.OnTick = [](TButPanel*) { throw std::runtime_error("step failed"); };
    EXPECT_THROW(button.TimerTick(), std::runtime_error);
    EXPECT_FALSE(button.Repeating());
    EXPECT_FALSE(button.Down());
    EXPECT_NO_THROW(button.TimerTick());
}

TEST_F(CalendarButPanel, HidingOrDisablingStopsTheRepeat) {
    QWidget window;
    button.setParent(&window);
    window.show();
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    ASSERT_TRUE(button.Repeating());
    button.setEnabled(false);
    EXPECT_FALSE(button.Repeating());
    button.setEnabled(true);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    ASSERT_TRUE(button.Repeating());
    window.hide();
    EXPECT_FALSE(button.Repeating());
    EXPECT_FALSE(button.Down());
    button.setParent(nullptr);
}

TEST_F(CalendarButPanel, RightButtonDoesNotTick) {
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(12, 12));
    EXPECT_EQ(ticks, 0);
}

TEST_F(CalendarButPanel, GlyphIsDrawnCentred) {
    QPixmap glyph(4, 4);
    glyph.fill(Qt::red);
    button.resize(20, 20);
    button.SetGlyph(glyph);
    const QImage img = button.grab().toImage();
    EXPECT_EQ(img.pixelColor(10 - 2, 10 - 2), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(10 + 1, 10 + 1), QColor(Qt::red));
    EXPECT_NE(img.pixelColor(10 + 2, 10 + 2), QColor(Qt::red));
}

} // namespace
