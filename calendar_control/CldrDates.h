#pragma once

#include <QChar>
#include <QDate>
#include <QString>

#include <optional>

// Step kinds of the calendar's step buttons (their Tag).
enum TStepKind {
    StepDayNext = 1,
    StepDayPrior = 2,
    StepMonthNext = 3,
    StepMonthPrior = 4,
    StepYearNext = 5,
    StepYearPrior = 6,
};

// Days of the month of a date (Gregorian rule, so 2100 is a common year).
int DaysInMonthOf(const QDate& date);

// The date one step of the given kind leads to: months and years keep the day
// when the new month has it, and a last day of a month stays a last day.
// Empty when the result would leave the years a date can hold.
std::optional<QDate> SteppedDate(const QDate& date, int kind);

// A two-digit year placed within 50 years of today's year.
int ExpandTwoDigitYear(int twoDigits, int todayYear);

// Reads a typed date in the order of a short date format: exactly two
// separators, three numbers, month 1..12, day 1..31 and a real date.
// A short year typed while a late-century year (81..99) is shown and below 50
// goes to the next century; other short years to within 50 years of today.
std::optional<QDate> ParseDateText(const QString& text, const QString& shortDateFormat,
                                   QChar separator, const QDate& shown, int todayYear);
