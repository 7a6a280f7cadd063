#include "NativityCalculator.h"

void TNativityCalculator::Calculate(int year) {
    Year = year;
    const QDate J(year, 1, 7);
    NativityDate = J;
    const QDate J2(year + 1, 1, 7);
    const QDate jan1(year, 1, 1);
    const QDate dec31(year, 12, 31);

    thisJanuary_.SetDate(J);
    NativityOnKiahk28 = thisJanuary_.CopticDay == 28;
    NativityWeekDay = thisJanuary_.WeekDay;
    ParamounDays = ParamounDaysBefore(J);

    const QDate S = TApaqty::PreviousSunday(J.addDays(-ParamounDays));
    HasJanuaryFourthSunday = S >= jan1;
    if (HasJanuaryFourthSunday)
        JanuaryFourthSunday = S;

    Kiahk30IsSunday = DayOfWeekSun1(NativityOnKiahk28 ? J.addDays(2) : J.addDays(1)) == 1;

    nextJanuary_.SetDate(J2);
    const QDate S4 = TApaqty::PreviousSunday(J2.addDays(-ParamounDaysBefore(J2)));
    HasDecemberFourthSunday = S4 <= dec31;
    if (HasDecemberFourthSunday)
        FourthKiahkSunday = S4;

    const int k = static_cast<int>(S4.daysTo(J2));
    KiahkSundaysBorrowed = TApaqty::WeekOfMonth(nextJanuary_.CopticDay - k) < 4;

    ThirdKiahkSunday = S4.addDays(-7);
    SecondKiahkSunday = S4.addDays(-14);
    FirstKiahkSunday = S4.addDays(-21);
}
