#include "Apaqty.h"
#include "CldrDates.h"
#include "CldrTypes.h"

#include <gtest/gtest.h>

namespace {

struct StepCase {
    QDate from;
    int kind;
    QDate expected;
};

// The cases the step buttons are tested with live in the calendar's tests.
const StepCase StepCases[] = {
    // The day of the month stays where the new month has it.
    {QDate(2023, 4, 15), StepMonthNext, QDate(2023, 5, 15)},
    {QDate(2023, 12, 31), StepMonthNext, QDate(2024, 1, 31)},
    {QDate(2023, 12, 5), StepMonthNext, QDate(2024, 1, 5)},
    {QDate(2024, 1, 10), StepMonthPrior, QDate(2023, 12, 10)},
    // A longer day becomes the last day; a last day stays last.
    {QDate(2024, 3, 31), StepMonthPrior, QDate(2024, 2, 29)},
    {QDate(2023, 5, 31), StepMonthPrior, QDate(2023, 4, 30)},
    {QDate(2023, 4, 30), StepMonthPrior, QDate(2023, 3, 31)},
    // Century years follow the Gregorian rule.
    {QDate(2100, 1, 31), StepMonthNext, QDate(2100, 2, 28)},
    {QDate(2100, 2, 28), StepMonthNext, QDate(2100, 3, 31)},
    {QDate(2100, 3, 31), StepMonthPrior, QDate(2100, 2, 28)},
    {QDate(2099, 2, 28), StepYearNext, QDate(2100, 2, 28)},
    {QDate(2000, 2, 29), StepYearNext, QDate(2001, 2, 28)},
    // Only a last day of February stays last across years.
    {QDate(2024, 2, 28), StepYearNext, QDate(2025, 2, 28)},
    {QDate(2024, 7, 31), StepYearNext, QDate(2025, 7, 31)},
    {QDate(2024, 7, 31), StepYearPrior, QDate(2023, 7, 31)},
    {QDate(2023, 12, 31), StepDayNext, QDate(2024, 1, 1)},
    {QDate(2024, 3, 1), StepDayPrior, QDate(2024, 2, 29)},
};

TEST(CalendarStepDates, StepTable) {
    for (const StepCase& c : StepCases) {
        const auto r = SteppedDate(c.from, c.kind);
        ASSERT_TRUE(r) << c.from.toString(Qt::ISODate).toStdString() << " kind " << c.kind;
        EXPECT_EQ(*r, c.expected) << c.from.toString(Qt::ISODate).toStdString() << " kind "
                                  << c.kind;
    }
}

TEST(CalendarStepDates, DaysInMonthOfHasTheCenturyRule) {
    EXPECT_EQ(DaysInMonthOf(QDate(2100, 2, 1)), 28);
    EXPECT_EQ(DaysInMonthOf(QDate(2000, 2, 1)), 29);
    EXPECT_EQ(DaysInMonthOf(QDate(2024, 2, 1)), 29);
    EXPECT_EQ(DaysInMonthOf(QDate(2024, 4, 1)), 30);
    EXPECT_EQ(DaysInMonthOf(QDate(2024, 12, 1)), 31);
}

TEST(CalendarStepDates, StepsPastTheYearsADateHoldsFail) {
    EXPECT_FALSE(SteppedDate(QDate(9999, 12, 31), StepDayNext));
    EXPECT_FALSE(SteppedDate(QDate(9999, 12, 1), StepMonthNext));
    EXPECT_FALSE(SteppedDate(QDate(9999, 6, 1), StepYearNext));
    EXPECT_FALSE(SteppedDate(QDate(1, 1, 1), StepDayPrior));
    EXPECT_FALSE(SteppedDate(QDate(1, 1, 1), StepMonthPrior));
    EXPECT_FALSE(SteppedDate(QDate(1, 6, 1), StepYearPrior));
    EXPECT_FALSE(SteppedDate(QDate(2020, 6, 1), 7));
}

TEST(CalendarParseDateText, MonthDayYearOrder) {
    const QDate shown(2024, 3, 3);
    EXPECT_EQ(ParseDateText("1/5/2024", "M/d/yy", '/', shown, 2026), QDate(2024, 1, 5));
    EXPECT_EQ(ParseDateText("12/31/1999", "M/d/yy", '/', shown, 2026), QDate(1999, 12, 31));
}

TEST(CalendarParseDateText, DayMonthYearOrderWithTwoDigitYear) {
    const QDate shown(2024, 3, 3);
    EXPECT_EQ(ParseDateText("5/1/24", "dd/MM/yyyy", '/', shown, 2026), QDate(2024, 1, 5));
    EXPECT_EQ(ParseDateText("5.1.24", "dd.MM.yy", '.', shown, 2026), QDate(2024, 1, 5));
    EXPECT_EQ(ParseDateText("2024-01-05", "yyyy-MM-dd", '-', shown, 2026), QDate(2024, 1, 5));
}

TEST(CalendarParseDateText, TwoDigitYearsAroundTheCentury) {
    // Within 50 years of today.
    EXPECT_EQ(ExpandTwoDigitYear(24, 2026), 2024);
    EXPECT_EQ(ExpandTwoDigitYear(99, 2026), 1999);
    EXPECT_EQ(ExpandTwoDigitYear(75, 2026), 2075);
    // A late-century shown year sends a low typed year to the next century.
    EXPECT_EQ(ParseDateText("1/5/10", "M/d/yy", '/', QDate(2090, 1, 1), 2026), QDate(2110, 1, 5));
    EXPECT_EQ(ParseDateText("1/5/80", "M/d/yy", '/', QDate(2090, 1, 1), 2026), QDate(1980, 1, 5));
    EXPECT_EQ(ParseDateText("1/5/10", "M/d/yy", '/', QDate(2050, 1, 1), 2026), QDate(2010, 1, 5));
}

TEST(CalendarParseDateText, UnreadableTextsFail) {
    const QDate shown(2024, 3, 3);
    const char* bad[] = {
        "1/5", "1/5/2024/3", "a/5/2024", "13/5/2024", "1/32/2024", "0/5/2024",  "1/0/2024",
        "",    "//",         "1/5/",     "2/30/2024", "1/5/20x4",  "-1/5/2024", "1/5/99999999999"};
    for (const char* text : bad)
        EXPECT_FALSE(ParseDateText(text, "M/d/yy", '/', shown, 2026)) << text;
}

TEST(CalendarTypes, ColoursAreBlueGreenRed) {
    EXPECT_EQ(BgrColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(BgrColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(BgrColor(0x000080), QColor(128, 0, 0));
    EXPECT_EQ(BgrColor(0xCE89FC), QColor(252, 137, 206));
}

TEST(CalendarTypes, WeekdaysCountFromSunday) {
    EXPECT_EQ(DayOfWeekSun1(QDate(2025, 6, 1)), 1); // Sunday
    EXPECT_EQ(DayOfWeekSun1(QDate(2025, 6, 7)), 7); // Saturday
    EXPECT_EQ(DayOfWeekSun1(QDate(2025, 6, 2)), 2); // Monday
    EXPECT_EQ(DayFlagOf(1), SunDay);
    EXPECT_EQ(DayFlagOf(7), SaturDay);
}

TEST(CalendarTypes, DayNumbersStartAt30December1899) {
    EXPECT_EQ(DayNumberOf(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(DayNumberOf(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(DayNumberOf(QDate(2023, 3, 15)), 45000);
    EXPECT_EQ(DayNumberOf(QDate()), 0);
}

} // namespace
