#include "NameTables.h"

#include <QDate>

namespace {

const char* const kCopticMonths[] = {"Tut",    "Babah",    "Hatour",    "Kiahk",   "Tubah",
                                     "Amshir", "Baramhat", "Barmoudah", "Bashans", "Baunah",
                                     "Abib",   "Misra",    "Nasi"};
const char* const kGregorianMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
const char* const kWeekDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kOrdinals[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh"};

} // namespace

const TNameTable CopticMonthNames(kCopticMonths);
const TNameTable GregorianMonthNames(kGregorianMonths);
const TNameTable WeekDayNames(kWeekDays);
const TNameTable OrdinalNames(kOrdinals);

QString TNameTable::operator[](int index) const {
    if (index < 1 || index > count_)
        return QString();
    return QString::fromLatin1(names_[index - 1]);
}

QString MonthDayText(const QDate& date) {
    return GregorianMonthNames[date.month()] + QLatin1Char(' ') + QString::number(date.day());
}
