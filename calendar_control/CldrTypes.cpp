#include "CldrTypes.h"

#include <QLocale>

QColor BgrColor(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

TDayOfWeekFlag DayFlagOf(int weekDay) {
    return TDayOfWeekFlag(1 << ((weekDay - 1) % 7));
}

static const qint64 DayZeroJulian = QDate(1899, 12, 30).toJulianDay();

int DayNumberOf(const QDate& date) {
    if (!date.isValid())
        return 0;
    return int(date.toJulianDay() - DayZeroJulian);
}

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsGregorianLeapYear(year))
        return 29;
    return days[month - 1];
}

namespace CldrLocale {

QString ShortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        return QStringLiteral("yyyy-MM-dd");
    return format;
}

QChar DateSeparator() {
    const QString format = ShortDateFormat();
    for (QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return c;
    }
    return QLatin1Char('/');
}

QString FormatShortDate(const QDate& date) {
    return QLocale().toString(date, ShortDateFormat());
}

QString LongMonthName(int month) {
    return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString ShortDayName(int fromSunday) {
    // QLocale counts Monday = 1 .. Sunday = 7.
    const int qtDay = fromSunday % 7 == 0 ? 7 : fromSunday % 7;
    return QLocale().dayName(qtDay, QLocale::ShortFormat);
}

} // namespace CldrLocale
