#include "TCalendarLighted.h"

#include "Environment.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalendarLightedGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(216, 167);
        grid.OnChange = [this](TCalendar*) { ++changes; };
        grid.OnDateClick = [this](TCalendarLighted*, const QDate& d, Qt::MouseButton b) {
            clicks.push_back(d);
            lastButton = b;
        };
        grid.OnDateDblClick = [this](TCalendarLighted*, const QDate& d) { dblClicks.push_back(d); };
    }
    // Cell (col, row) of the shown month holding a day, found by its text.
    QPoint CellOfDay(int day) const {
        for (int row = 1; row < 7; ++row)
            for (int col = 0; col < 7; ++col)
                if (grid.CellText(col, row) == QString::number(day))
                    return QPoint(col, row);
        return QPoint(-1, -1);
    }
    QPoint CentreOf(int col, int row) const { return grid.CellRect(col, row).center(); }
    // Background of a cell, read from the painting away from its text.
    QColor CellColour(int day) {
        const QPoint c = CellOfDay(day);
        const QRect r = grid.CellRect(c.x(), c.y());
        return grid.grab().toImage().pixelColor(r.left() + 2, r.top() + 2);
    }

    TCalendarLighted grid;
    int changes = 0;
    std::vector<QDate> clicks;
    std::vector<QDate> dblClicks;
    Qt::MouseButton lastButton = Qt::NoButton;
};

TEST_F(CalendarLightedGrid, DefaultsOfTheLightedGrid) {
    EXPECT_EQ(grid.StartOfWeek(), 1);
    EXPECT_EQ(grid.ColorLight(), QColor(255, 255, 0));
    EXPECT_EQ(grid.ColorLightSelect(), QColor(0, 255, 0));
    EXPECT_EQ(grid.ColorLightSunday(), QColor(255, 0, 0));
    EXPECT_EQ(grid.ColorSunday(), QColor(252, 137, 206));
    EXPECT_EQ(grid.WeekEnd(), TLightDay(SunDay) | SaturDay);
    EXPECT_TRUE(grid.UseCurrentDate());
}

TEST(CalendarLightedGridToday, ANewGridShowsTheEnvironmentsToday) {
    TEnvironment env;
    env.Today = [] { return QDate(2026, 12, 31); };
    TEnvironmentScope scope(env);
    TCalendarLighted grid;
    EXPECT_EQ(grid.CalendarDate(), QDate(2026, 12, 31));
}

TEST_F(CalendarLightedGrid, MonthStartingOnSaturdayWithSundayFirst) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 11, 1)); // a Saturday
    EXPECT_EQ(grid.MonthOffset(), -5);
    EXPECT_EQ(grid.CellText(6, 1), "1");
    EXPECT_EQ(grid.CellText(5, 1), "");
    EXPECT_EQ(grid.SelectedCol(), 6);
    EXPECT_EQ(grid.SelectedRow(), 1);
    EXPECT_EQ(grid.CellText(0, 6), "30"); // 30 November sits in the sixth week
}

TEST_F(CalendarLightedGrid, MonthStartingOnSundayWithSundayFirst) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 6, 15)); // 1 June 2025 is a Sunday
    EXPECT_EQ(grid.MonthOffset(), 1);
    EXPECT_EQ(grid.CellText(0, 1), "1");
    EXPECT_EQ(grid.SelectedCol(), 0);
    EXPECT_EQ(grid.SelectedRow(), 3);
}

TEST_F(CalendarLightedGrid, MondayFirstPutsASundayFirstDayInTheLastColumn) {
    grid.SetStartOfWeek(1);
    grid.SetCalendarDate(QDate(2025, 6, 1));
    EXPECT_EQ(grid.CellText(6, 1), "1");
    EXPECT_EQ(grid.CellText(0, 0), QLocale().dayName(1, QLocale::ShortFormat));
}

TEST_F(CalendarLightedGrid, LeapRuleOfTheGridIsGregorian) {
    grid.SetCalendarDate(QDate(2100, 2, 1));
    EXPECT_EQ(CellOfDay(29), QPoint(-1, -1));
    grid.SetCalendarDate(QDate(2000, 2, 1));
    EXPECT_NE(CellOfDay(29), QPoint(-1, -1));
}

TEST_F(CalendarLightedGrid, LightListKeepsOneEntryPerDateSorted) {
    grid.AddLight(QDate(2024, 5, 3));
    grid.AddLight(QDate(2024, 1, 7));
    grid.AddLight(QDate(2024, 5, 3));
    ASSERT_EQ(grid.Lights().Count(), 2);
    EXPECT_LT(grid.Lights()[0], grid.Lights()[1]);
    EXPECT_TRUE(grid.IsLighted(QDate(2024, 5, 3)));
    EXPECT_FALSE(grid.IsLighted(QDate(2024, 5, 4)));
    grid.ClearLights();
    EXPECT_FALSE(grid.IsLighted(QDate(2024, 5, 3)));
}

TEST_F(CalendarLightedGrid, DateZeroIsNeverLighted) {
    const QDate dayZero(1899, 12, 30);
    grid.AddLight(dayZero);
    grid.AddLight(QDate());
    EXPECT_FALSE(grid.IsLighted(dayZero));
    EXPECT_FALSE(grid.IsLighted(QDate()));
    grid.AddLight(QDate(1899, 12, 31)); // day 1
    EXPECT_TRUE(grid.IsLighted(QDate(1899, 12, 31)));
}

TEST_F(CalendarLightedGrid, CellColoursOfLitSelectedAndWeekendDays) {
    grid.SetStartOfWeek(0);
    grid.SetWeekEnd(SunDay);
    grid.SetCalendarDate(QDate(2025, 6, 10)); // a Tuesday, selected
    grid.AddLight(QDate(2025, 6, 8));         // a Sunday
    grid.AddLight(QDate(2025, 6, 11));        // a Wednesday
    const QColor highlight = grid.palette().color(QPalette::Highlight);

    EXPECT_EQ(CellColour(8), grid.ColorLightSunday()); // lit Sunday
    EXPECT_EQ(CellColour(15), grid.ColorSunday());     // unlit Sunday
    EXPECT_EQ(CellColour(11), grid.ColorLight());      // lit weekday
    EXPECT_EQ(CellColour(12), grid.Color());           // plain day
    EXPECT_EQ(CellColour(14), grid.Color());           // Saturday is no weekend here
    EXPECT_EQ(CellColour(10), highlight);              // unlit selected weekday

    grid.SetDay(11);
    EXPECT_EQ(CellColour(11), grid.ColorLightSelect()); // lit and selected
    grid.SetDay(8);
    EXPECT_EQ(CellColour(8), grid.ColorLightSelect()); // lit selected Sunday
    grid.SetDay(15);
    EXPECT_EQ(CellColour(15), highlight); // unlit selected Sunday
}

TEST_F(CalendarLightedGrid, DisabledGridDropsTheWeekendColour) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 6, 10));
    grid.setEnabled(false);
    EXPECT_EQ(CellColour(15), grid.Color());
}

TEST_F(CalendarLightedGrid, ClickOnADayReportsItsDateAndSelectsIt) {
    grid.SetCalendarDate(QDate(2025, 6, 10));
    changes = 0;
    const QPoint cell = CellOfDay(20);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(cell.x(), cell.y()));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], QDate(2025, 6, 20));
    EXPECT_EQ(lastButton, Qt::LeftButton);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 6, 20));
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarLightedGrid, RightClickReportsTheCellWithoutSelectingIt) {
    grid.SetCalendarDate(QDate(2025, 6, 10));
    const QPoint cell = CellOfDay(20);
    QTest::mouseClick(&grid, Qt::RightButton, {}, CentreOf(cell.x(), cell.y()));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], QDate(2025, 6, 20));
    EXPECT_EQ(lastButton, Qt::RightButton);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 6, 10));
}

TEST_F(CalendarLightedGrid, BlankCellAndWeekdayRowReportNothing) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 11, 1)); // cells 0..5 of row 1 are blank
    changes = 0;
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(2, 1));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(3, 0));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 11, 1));
}

TEST_F(CalendarLightedGrid, ClickReportsTheDayOfTheCellItSelects) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 6, 1));
    // 216 pixels: cells of 30 plus a grid line, so near the right the cell
    // under the mouse and x div (width div 7) part.
    const QRect cell = grid.CellRect(5, 2);
    const QPoint p(cell.right(), cell.center().y());
    ASSERT_NE(p.x() / (grid.width() / 7), 5);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, p);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], grid.CalendarDate());
    EXPECT_EQ(clicks[0], QDate(2025, 6, 13));
}

TEST_F(CalendarLightedGrid, ClickOnTheRightEdgeStaysInTheGrid) {
    grid.SetStartOfWeek(0);
    grid.SetCalendarDate(QDate(2025, 11, 3));
    // The last pixel column belongs to the last day column (Saturday 8th in
    // the second week); past the width there is no cell, so no report.
    const int y = grid.CellRect(6, 2).center().y();
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(grid.width() - 1, y));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(grid.width() + 5, y));
    EXPECT_EQ(clicks, std::vector<QDate>{QDate(2025, 11, 8)});
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 11, 8));
}

TEST_F(CalendarLightedGrid, ArrowKeysMoveWithinTheShownMonth) {
    grid.SetStartOfWeek(0);
    struct Row {
        QDate from;
        Qt::Key key;
        QDate to;
    };
    const Row rows[] = {
        {QDate(2025, 6, 10), Qt::Key_Right, QDate(2025, 6, 11)},
        {QDate(2025, 6, 10), Qt::Key_Left, QDate(2025, 6, 9)},
        {QDate(2025, 6, 10), Qt::Key_Down, QDate(2025, 6, 17)},
        {QDate(2025, 6, 10), Qt::Key_Up, QDate(2025, 6, 3)},
        {QDate(2025, 6, 14), Qt::Key_Right, QDate(2025, 6, 15)}, // Saturday to the next row
        {QDate(2025, 6, 1), Qt::Key_Left, QDate(2025, 6, 1)},    // not into May
        {QDate(2025, 6, 30), Qt::Key_Right, QDate(2025, 6, 30)}, // not into July
        {QDate(2025, 6, 5), Qt::Key_Up, QDate(2025, 6, 5)},
        {QDate(2025, 6, 26), Qt::Key_Down, QDate(2025, 6, 26)},
    };
    for (const Row& r : rows) {
        grid.SetCalendarDate(r.from);
        changes = 0;
        QTest::keyClick(&grid, r.key);
        EXPECT_EQ(grid.CalendarDate(), r.to) << r.from.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(changes, r.to != r.from ? 1 : 0) << r.from.toString(Qt::ISODate).toStdString();
        const QPoint cell = CellOfDay(r.to.day());
        EXPECT_EQ(QPoint(grid.SelectedCol(), grid.SelectedRow()), cell);
    }
}

TEST_F(CalendarLightedGrid, DoubleClickReportsTheGridDate) {
    grid.SetCalendarDate(QDate(2025, 6, 10));
    const QPoint cell = CellOfDay(12);
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, CentreOf(cell.x(), cell.y()));
    ASSERT_EQ(dblClicks.size(), 1u);
    EXPECT_EQ(dblClicks[0], QDate(2025, 6, 12));
}

TEST_F(CalendarLightedGrid, DoubleClickOnWeekdayRowReportsNothing) {
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, CentreOf(2, 0));
    EXPECT_TRUE(dblClicks.empty());
}

TEST_F(CalendarLightedGrid, ElementSettersIgnoreBadValues) {
    grid.SetCalendarDate(QDate(2023, 4, 30));
    changes = 0;
    grid.SetDay(0);
    grid.SetDay(31); // April has 30
    grid.SetMonth(13);
    grid.SetMonth(-1);
    grid.SetYear(0);
    grid.SetYear(10000);
    grid.SetDay(30); // unchanged
    EXPECT_EQ(grid.CalendarDate(), QDate(2023, 4, 30));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarLightedGrid, OnlyASetDateElementEndsFollowingToday) {
    grid.SetCalendarDate(QDate(2023, 4, 30));
    EXPECT_TRUE(grid.UseCurrentDate());
    grid.SetDay(31); // ignored
    EXPECT_TRUE(grid.UseCurrentDate());
    grid.SetDay(3);
    EXPECT_FALSE(grid.UseCurrentDate());
}

TEST_F(CalendarLightedGrid, YearOrMonthWithoutTheShownDayGiveTheLastDay) {
    grid.SetCalendarDate(QDate(2024, 2, 29));
    grid.SetYear(2023);
    EXPECT_EQ(grid.CalendarDate(), QDate(2023, 2, 28));
    grid.SetCalendarDate(QDate(2023, 1, 31));
    grid.SetMonth(4);
    EXPECT_EQ(grid.CalendarDate(), QDate(2023, 4, 30));
}

TEST_F(CalendarLightedGrid, ReadOnlyGridKeepsItsDateOnClick) {
    grid.SetCalendarDate(QDate(2025, 6, 10));
    grid.SetReadOnly(true);
    const QPoint cell = CellOfDay(20);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(cell.x(), cell.y()));
    EXPECT_EQ(grid.CalendarDate(), QDate(2025, 6, 10));
    // Setting the date still moves the selection.
    grid.SetDay(20);
    EXPECT_EQ(QPoint(grid.SelectedCol(), grid.SelectedRow()), cell);
}

} // namespace
