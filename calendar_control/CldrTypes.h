#pragma once

#include <QColor>
#include <QDate>
#include <QFlags>
#include <QString>
#include <QtGlobal>

// Days of the week as a set; bit order Sunday first.
enum TDayOfWeekFlag {
    SunDay = 0x01,
    Monday = 0x02,
    TuesDay = 0x04,
    WednesDay = 0x08,
    ThursDay = 0x10,
    FriDay = 0x20,
    SaturDay = 0x40,
};
Q_DECLARE_FLAGS(TLightDay, TDayOfWeekFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLightDay)

// A colour written $00BBGGRR (blue in the high byte) as a QColor.
QColor BgrColor(quint32 bgr);

// The set flag of a weekday 1 = Sunday .. 7 = Saturday.
TDayOfWeekFlag DayFlagOf(int weekDay);

// Whole day number counted from 30 December 1899 (day 0); 0 for a null date.
int DayNumberOf(const QDate& date);

// Years a date of the calendar may hold.
constexpr int MinCalendarYear = 1;
constexpr int MaxCalendarYear = 9999;

bool IsGregorianLeapYear(int year);
// Days of a month by the Gregorian rule; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// What the calendar takes from the locale (QLocale(), the system locale unless
// a default was set).
namespace CldrLocale {
// Short date format; a format that spells the month out cannot be typed back
// as numbers, so such a locale gets yyyy-MM-dd.
QString ShortDateFormat();
// The first character of the short date format that is not a field letter.
QChar DateSeparator();
QString FormatShortDate(const QDate& date);
QString LongMonthName(int month);     // 1..12
QString ShortDayName(int fromSunday); // 0 = Sunday .. 6
} // namespace CldrLocale
