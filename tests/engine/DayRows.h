#pragma once
// The day tables of the tests: every Coptic day in the Annual table (with a
// borrowing chain, a borrowing cycle and a day with its own picture), every
// Lent, Fifty Days and Sunday record. The rule tests read them from memory,
// the window tests from a fixture database written from the same rows.

#include "DayRules.h"

#include <QList>
#include <QSet>
#include <QString>

namespace DayFixture {

// Annual record IDs are month * 100 + day; Lent 1000 + days before Easter,
// Fifty Days 2000 + days after, Sundays 3000 + month * 10 + Sunday number.
constexpr int YearlyID(int month, int day) {
    return month * 100 + day;
}
constexpr int LentID(int daysBefore) {
    return 1000 + daysBefore;
}
constexpr int FiftyID(int daysAfter) {
    return 2000 + daysAfter;
}
constexpr int SundayID(int month, int week) {
    return 3000 + month * 10 + week;
}

// Borrowing: Babah 5 -> Babah 6 -> Babah 7; Babah 10 -> Babah 11 -> Babah 10.
// Babah 15 has its own picture; every other day an empty file name.
inline const QString OwnPicture = QStringLiteral("xOwnPictureBabah15.jpg");
inline const QString OwnPictureCaption = QStringLiteral("Saint of Babah 15");

constexpr int DaysInCopticMonth(int month) {
    return month == 13 ? 6 : 30;
}

QList<DayRules::TYearlyRow> YearlyRows();
// Keyed by days before Easter, days after Easter and month * 10 + week.
QList<QPair<int, DayRules::TDayRow>> LentRows();
QList<QPair<int, DayRules::TDayRow>> FiftyRows();
QList<QPair<int, DayRules::TDayRow>> SundayRows();

// The rows above as day tables; an Annual day listed in Failing raises a
// table error when it is looked up.
class TMemoryDayTables final : public DayRules::IDayTables {
public:
    TMemoryDayTables();
    std::optional<DayRules::TDayRow> Lent(int daysBeforeEaster) override;
    std::optional<DayRules::TDayRow> Fifty(int daysAfterEaster) override;
    std::optional<DayRules::TDayRow> Sunday(int copticMonth, int sundayNumber) override;
    std::optional<DayRules::TYearlyRow> Yearly(int copticMonth, int copticDay) override;

    QSet<int> Failing; // month * 100 + day

private:
    QHash<int, DayRules::TYearlyRow> yearly_;
    QHash<int, DayRules::TDayRow> lent_;
    QHash<int, DayRules::TDayRow> fifty_;
    QHash<int, DayRules::TDayRow> sundays_;
};

} // namespace DayFixture
