#include "CldrDates.h"

#include "CldrTypes.h"

#include <QStringList>

int DaysInMonthOf(const QDate& date) {
    return DaysInMonth(date.year(), date.month());
}

static std::optional<QDate> MakeDate(int year, int month, int day) {
    if (year < MinCalendarYear || year > MaxCalendarYear)
        return std::nullopt;
    const QDate d(year, month, day);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QDate> SteppedDate(const QDate& date, int kind) {
    if (!date.isValid())
        return std::nullopt;
    const int y = date.year();
    const int m = date.month();
    const int d = date.day();
    const bool wasLast = d == DaysInMonthOf(date);
    int ny = y;
    int nm = m;
    switch (kind) {
    case StepDayNext:
    case StepDayPrior: {
        const QDate next = date.addDays(kind == StepDayNext ? 1 : -1);
        return MakeDate(next.year(), next.month(), next.day());
    }
    case StepMonthNext:
    case StepMonthPrior:
        if (kind == StepMonthNext) {
            nm = m == 12 ? 1 : m + 1;
            ny = m == 12 ? y + 1 : y;
        } else {
            nm = m == 1 ? 12 : m - 1;
            ny = m == 1 ? y - 1 : y;
        }
        if (ny < MinCalendarYear || ny > MaxCalendarYear)
            return std::nullopt;
        return MakeDate(ny, nm, wasLast ? DaysInMonth(ny, nm) : qMin(d, DaysInMonth(ny, nm)));
    case StepYearNext:
    case StepYearPrior:
        ny = kind == StepYearNext ? y + 1 : y - 1;
        if (ny < MinCalendarYear || ny > MaxCalendarYear)
            return std::nullopt;
        if (m == 2 && wasLast)
            return MakeDate(ny, 2, DaysInMonth(ny, 2));
        // 29 February of a common year cannot happen here: it is a last day.
        return MakeDate(ny, m, d);
    default:
        return std::nullopt;
    }
}

int ExpandTwoDigitYear(int twoDigits, int todayYear) {
    int year = todayYear / 100 * 100 + twoDigits;
    if (year > todayYear + 49)
        year -= 100;
    else if (year < todayYear - 50)
        year += 100;
    return year;
}

static bool ReadNumber(const QString& text, int& value) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return false;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    value = t.toInt();
    return true;
}

std::optional<QDate> ParseDateText(const QString& text, const QString& shortDateFormat,
                                   QChar separator, const QDate& shown, int todayYear) {
    // Field order: separators before the first Y, M and D of the format.
    int yearPos = -1, monthPos = -1, dayPos = -1;
    int seps = 0;
    for (QChar c : shortDateFormat) {
        const QChar u = c.toUpper();
        if (c == separator)
            ++seps;
        else if (u == QLatin1Char('Y') && yearPos < 0)
            yearPos = seps;
        else if (u == QLatin1Char('M') && monthPos < 0)
            monthPos = seps;
        else if (u == QLatin1Char('D') && dayPos < 0)
            dayPos = seps;
    }
    if (yearPos < 0 || monthPos < 0 || dayPos < 0 || yearPos > 2 || monthPos > 2 || dayPos > 2)
        return std::nullopt;

    const QStringList fields = text.split(separator);
    if (fields.size() != 3)
        return std::nullopt;
    int year = 0, month = 0, day = 0;
    if (!ReadNumber(fields[yearPos], year) || !ReadNumber(fields[monthPos], month) ||
        !ReadNumber(fields[dayPos], day))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;

    if (fields[yearPos].trimmed().size() < 3) {
        const int shownYear = shown.isValid() ? shown.year() : todayYear;
        if (shownYear % 100 > 80 && year % 100 < 50)
            year = year + (shownYear / 100 + 1) * 100;
        else
            year = ExpandTwoDigitYear(year, todayYear);
    }
    return MakeDate(year, month, day);
}
