#include "TCalendarLighted.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Columns inside a cell's raised edges that hold text: pixels much darker
// than the edges' shading.
QList<int> InkColumns(const QImage& image, const QRect& cell) {
    QList<int> columns;
    for (int x = cell.left() + 1; x < cell.right(); ++x)
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            if (image.pixelColor(x, y).lightness() < 80) {
                columns << x;
                break;
            }
    return columns;
}

} // namespace

TEST(CalendarGridPaint, WeekdayNamesKeepClearOfTheCellEdges) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TCalendarLighted grid;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(true);
    grid.setFont(f);
    QPalette p = grid.palette();
    p.setColor(QPalette::ButtonText, Qt::black);
    grid.setPalette(p);
    // The width the main window's calendar gives its grid, and a narrow one.
    for (int width : {170, 150, 120}) {
        grid.resize(width, 115);
        const QImage image = grid.grab().toImage();
        for (int col = 0; col < 7; ++col) {
            const QRect cell = grid.CellRect(col, 0);
            const QList<int> ink = InkColumns(image, cell);
            ASSERT_FALSE(ink.isEmpty()) << width << " col " << col;
            EXPECT_GE(ink.first(), cell.left() + TCalendar::HeaderTextMargin)
                << width << " col " << col;
            EXPECT_LE(ink.last(), cell.right() - TCalendar::HeaderTextMargin)
                << width << " col " << col;
        }
    }
    QLocale::setDefault(QLocale::c());
}

TEST(CalendarGridPaint, FocusIsShownOnTheSelectedDay) {
    QWidget window;
    TCalendarLighted grid(&window);
    grid.resize(216, 167);
    grid.SetCalendarDate(QDate(2026, 3, 18));
    window.show();
    const QRect cell = grid.CellRect(grid.SelectedCol(), grid.SelectedRow());
    const QImage unfocused = grid.grab(cell).toImage();
    grid.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(grid.hasFocus());
    EXPECT_NE(grid.grab(cell).toImage(), unfocused);
    // Other days look the same with the focus.
    const QRect other = grid.CellRect((grid.SelectedCol() + 1) % 7, grid.SelectedRow() + 1);
    grid.clearFocus();
    const QImage otherUnfocused = grid.grab(other).toImage();
    grid.setFocus();
    EXPECT_EQ(grid.grab(other).toImage(), otherUnfocused);
}
