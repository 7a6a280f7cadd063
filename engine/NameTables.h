#pragma once
// The one home of the program's fixed English names: Coptic and Gregorian
// months, weekdays and ordinals. Every window, rule and builder reads them
// here.

#include <QString>

// A fixed table of names indexed from 1, as the windows expect. An index
// outside the table gives an empty string rather than undefined behaviour.
class TNameTable {
public:
    template <int N>
    constexpr TNameTable(const char* const (&names)[N]) : names_(names), count_(N) {}
    QString operator[](int index) const;
    constexpr int Count() const { return count_; }

private:
    const char* const* names_;
    int count_;
};

extern const TNameTable CopticMonthNames;    // [1..13] Tut .. Nasi
extern const TNameTable GregorianMonthNames; // [1..12] January .. December
extern const TNameTable WeekDayNames;        // [1..7] Sunday .. Saturday
extern const TNameTable OrdinalNames;        // [1..7] First .. Seventh

class QDate;

// A feast date as the windows show it: the English month name, a blank and
// the day without a leading zero ("January 7"); no year.
QString MonthDayText(const QDate& date);
