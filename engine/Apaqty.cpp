#include "Apaqty.h"

namespace {

constexpr int kFriday = 6;
constexpr int kSaturday = 7;
constexpr int kSunday = 1;
constexpr int kMonday = 2;

} // namespace

int DayOfWeekSun1(const QDate& date) {
    return date.dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
}

int ParamounDaysBefore(const QDate& feast) {
    switch (DayOfWeekSun1(feast)) {
    case kSunday:
        return 2;
    case kMonday:
        return 3;
    default:
        return 1;
    }
}

// ---------------------------------------------------------------- SetDate --

void TApaqty::SetDate(const QDate& date) {
    Date = date;
    Day = date.day();
    Month = date.month();
    Year = date.year();
    DayOfYear = date.dayOfYear();

    CopticYearOfJanuary = Year - 284;
    NextYearIsLeap = IsLeapYear(Year + 1);
    CopticYear = Year - 284;

    // Days since the last Coptic New Year.
    qint64 n;
    if (NextYearIsLeap)
        n = QDate(Year - 1, 9, 11).daysTo(date) % 366;
    else if (IsLeapYear(Year))
        n = QDate(Year - 1, 9, 12).daysTo(date) % 365;
    else
        n = QDate(Year - 1, 9, 11).daysTo(date) % 365;
    CopticMonth = static_cast<int>(n / 30) + 1;
    CopticDay = static_cast<int>(n % 30) + 1;

    NayrouzDay = NextYearIsLeap ? 12 : 11;
    NayrouzDate = QDate(Year, 9, NayrouzDay);
    NayrouzIsSunday = DayOfWeekSun1(NayrouzDate) == kSunday;

    if ((Month == 9 && Day >= NayrouzDay) || Month > 9)
        ++CopticYear;

    WeekDay = DayOfWeekSun1(date);
    IsSunday = WeekDay == kSunday;
    if (IsSunday)
        SundayOfMonth = WeekOfMonth(CopticDay);

    // Day type.
    EasterDate = EasterOfYear(Year);
    IsHolyWeek = false;
    DaysFromEaster = static_cast<int>(EasterDate.daysTo(date));
    DayType = dtNone;
    const int N = DaysFromEaster;
    if (N == 0) {
        DayType = dtHolyLent; // Easter's readings sit in the Lent book at offset 0
    } else if (N < 0) {
        const int a = -N;
        if ((a >= 1 && a <= 57) || (a >= 66 && a <= 69))
            DayType = dtHolyLent;
        if (a >= 1 && a <= 6)
            IsHolyWeek = true;
    } else if (N < 50) {
        DayType = dtHolyFifty;
    }
    if (DayType == dtNone)
        DayType = IsSunday ? dtSundays : dtAnnual;
}

// ------------------------------------------------------- class operations --

bool TApaqty::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QDate TApaqty::EasterOfYear(int year) {
    // Julian computus, moved by 13 days onto the Gregorian calendar.
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + 16) % 30;
    const int e = (2 * b + 4 * c + 6 * d) % 7;
    return QDate(year, 3, 21).addDays(13 + d + e);
}

int TApaqty::KiahkDayOfJanuary1(int CopticYear) {
    // January 1 of CopticYear + 284 is a day earlier in Kiahk when that
    // Gregorian year has a February 29, because the Coptic year began a
    // day later (September 12). The Coptic year number itself says nothing
    // about this in the century years.
    return IsLeapYear(CopticYear + 284) ? 22 : 23;
}

QDate TApaqty::CopticToGregorian(int CopticYear, int CopticMonth, int CopticDay) {
    return QDate(CopticYear + 284, 1, 1)
        .addDays(-90 - KiahkDayOfJanuary1(CopticYear) + (CopticMonth - 1) * 30 + CopticDay);
}

int TApaqty::CopticYearOf(int GregorianYear, int CopticMonth, int CopticDay) {
    const int T = IsLeapYear(GregorianYear) ? 21 : 22;
    if (CopticMonth > 4)
        return GregorianYear - 284;
    if (CopticMonth < 4)
        return GregorianYear - 283;
    return CopticDay <= T ? GregorianYear - 283 : GregorianYear - 284;
}

void TApaqty::CopticDateInGregorianYear(int GregorianYear, int CopticMonth, int CopticDay,
                                        int& Month, int& Day) {
    const QDate d = CopticToGregorian(CopticYearOf(GregorianYear, CopticMonth, CopticDay),
                                      CopticMonth, CopticDay);
    Month = d.month();
    Day = d.day();
}

int TApaqty::WeekOfMonth(int Day) {
    return (Day + 6) / 7;
}

QDate TApaqty::PreviousSunday(const QDate& D) {
    QDate s = D.addDays(-1);
    while (DayOfWeekSun1(s) != kSunday)
        s = s.addDays(-1);
    return s;
}

// ------------------------------------------------------------- predicates --

bool TApaqty::IsEaster() const {
    return DaysFromEaster == 0;
}
bool TApaqty::IsInHolyFifty() const {
    return DaysFromEaster >= 0 && DaysFromEaster <= 49;
}
bool TApaqty::IsThomasSunday() const {
    return DaysFromEaster == 7;
}
bool TApaqty::IsAscension() const {
    return DaysFromEaster == 39;
}
bool TApaqty::IsPentecost() const {
    return DaysFromEaster == 49;
}
bool TApaqty::IsHolySaturday() const {
    return DaysFromEaster == -1;
}
bool TApaqty::IsJoyousSaturday() const {
    return DaysFromEaster == -1;
}
bool TApaqty::IsGoodFriday() const {
    return DaysFromEaster == -2;
}
bool TApaqty::IsCovenantThursday() const {
    return DaysFromEaster == -3;
}
bool TApaqty::IsPalmSunday() const {
    return DaysFromEaster == -7;
}
bool TApaqty::IsLazarusSaturday() const {
    return DaysFromEaster == -8;
}
bool TApaqty::IsGreatLent() const {
    return DaysFromEaster >= -55 && DaysFromEaster <= -9;
}
bool TApaqty::IsPreLentSunday() const {
    return DaysFromEaster == -56 || IsFifthSundayBeforeJonah();
}
bool TApaqty::IsJonahPassover() const {
    return DaysFromEaster == -66;
}
bool TApaqty::IsJonahFast() const {
    return DaysFromEaster >= -69 && DaysFromEaster <= -67;
}
bool TApaqty::IsStartOfJonahFast() const {
    return DaysFromEaster == -69;
}
bool TApaqty::IsFifthSundayBeforeJonah() const {
    return DaysFromEaster == -70 && IsSunday && SundayOfMonth == 5;
}

bool TApaqty::IsNativity() const {
    return (CopticMonth == 4 && CopticDay == 29) || (Month == 1 && Day == 7);
}

bool TApaqty::IsNativityFast() const {
    return ((CopticMonth == 3 && CopticDay >= 16) || (CopticMonth == 4 && CopticDay <= 28)) &&
           !IsNativity();
}

bool TApaqty::IsNativityParamoun() const {
    const QDate j7 = January7();
    const qint64 before = Date.daysTo(j7);
    return before >= 1 && before <= ParamounDaysBefore(j7);
}

bool TApaqty::IsEpiphany() const {
    return CopticMonth == 5 && CopticDay == 11;
}

bool TApaqty::IsEpiphanyParamoun() const {
    if (CopticMonth != 5)
        return false;
    return CopticDay == 10 || (CopticDay == 9 && (WeekDay == kFriday || WeekDay == kSaturday)) ||
           (CopticDay == 8 && WeekDay == kFriday);
}

bool TApaqty::IsCircumcision() const {
    return CopticMonth == 5 && CopticDay == 6;
}
bool TApaqty::IsCanaGalilee() const {
    return CopticMonth == 5 && CopticDay == 13;
}
bool TApaqty::IsEntryToTemple() const {
    return CopticMonth == 6 && CopticDay == 8;
}
bool TApaqty::IsCrossDayBaramhat10() const {
    return CopticMonth == 7 && CopticDay == 10;
}
bool TApaqty::IsCrossDayTut17() const {
    return CopticMonth == 1 && CopticDay == 17;
}
bool TApaqty::IsCrossDayTut18() const {
    return CopticMonth == 1 && CopticDay == 18;
}
bool TApaqty::IsCrossDayTut19() const {
    return CopticMonth == 1 && CopticDay == 19;
}
bool TApaqty::IsFeastOfCross() const {
    return IsCrossDayBaramhat10() || IsCrossDayTut17() || IsCrossDayTut18() || IsCrossDayTut19();
}

bool TApaqty::IsAnnunciation() const {
    return CopticMonth == 7 && CopticDay == 29 && IsAnnunciationCelebrated();
}

bool TApaqty::IsAnnunciationCelebrated() const {
    const qint64 k = EasterDate.daysTo(AnnunciationDate());
    return !(k >= -9 && k <= 1);
}

bool TApaqty::IsEntryToEgypt() const {
    return CopticMonth == 9 && CopticDay == 24 && !IsPentecost() && !IsAscension();
}

bool TApaqty::IsTransfiguration() const {
    return CopticMonth == 12 && CopticDay == 13;
}

bool TApaqty::IsMonthly29th() const {
    const bool month = CopticMonth == 1 || CopticMonth == 2 || CopticMonth == 3 ||
                       (CopticMonth >= 8 && CopticMonth <= 12);
    return CopticDay == 29 && month && !IsHolyWeek;
}

bool TApaqty::IsApostlesFast() const {
    return (CopticMonth == 11 && CopticDay <= 5) ||
           ((CopticMonth == 8 || CopticMonth == 9 || CopticMonth == 10) && DaysFromEaster >= 50);
}

bool TApaqty::IsStMaryFast() const {
    return CopticMonth == 12 && CopticDay >= 1 && CopticDay <= 15;
}

bool TApaqty::IsMajorLordFeast() const {
    return IsAnnunciation() || IsNativity() || IsEpiphany() || IsPalmSunday() || IsEaster() ||
           IsAscension() || IsPentecost();
}

bool TApaqty::IsMinorLordFeast() const {
    return IsCircumcision() || IsEntryToTemple() || IsCanaGalilee() || IsEntryToEgypt() ||
           IsTransfiguration();
}

// ---------------------------------------------------------------- getters --

QDate TApaqty::C2G(int month, int day) const {
    return CopticToGregorian(CopticYearOfJanuary, month, day);
}

QDate TApaqty::January7() const {
    return QDate(Year, 1, 7);
}

QDate TApaqty::StartOfApostlesFast() const {
    return EasterDate.addDays(50);
}
QDate TApaqty::ApostlesFeastDate() const {
    return C2G(11, 5);
}
int TApaqty::ApostlesFastDays() const {
    return static_cast<int>(StartOfApostlesFast().daysTo(ApostlesFeastDate()));
}
QDate TApaqty::AscensionDate() const {
    return EasterDate.addDays(39);
}
QDate TApaqty::PentecostDate() const {
    return EasterDate.addDays(49);
}
QDate TApaqty::ThomasSundayDate() const {
    return EasterDate.addDays(7);
}
QDate TApaqty::PalmSundayDate() const {
    return EasterDate.addDays(-7);
}
QDate TApaqty::CovenantThursdayDate() const {
    return EasterDate.addDays(-3);
}
QDate TApaqty::GoodFridayDate() const {
    return EasterDate.addDays(-2);
}
QDate TApaqty::EndOfLentDate() const {
    return EasterDate.addDays(-9);
}
QDate TApaqty::StartOfLent() const {
    return EasterDate.addDays(-55);
}
QDate TApaqty::StartOfJonahFast() const {
    return EasterDate.addDays(-69);
}
int TApaqty::NativityToLentDays() const {
    return static_cast<int>(January7().daysTo(StartOfLent()));
}
QDate TApaqty::EpiphanyDate() const {
    return C2G(5, 11);
}
int TApaqty::EpiphanyParamounDays() const {
    return ParamounDaysBefore(EpiphanyDate());
}
QDate TApaqty::CircumcisionDate() const {
    return C2G(5, 6);
}
QDate TApaqty::CanaGalileeDate() const {
    return C2G(5, 13);
}
QDate TApaqty::EntryToTempleDate() const {
    return C2G(6, 8);
}
QDate TApaqty::AnnunciationDate() const {
    return C2G(7, 29);
}
QDate TApaqty::EntryToEgyptDate() const {
    return C2G(9, 24);
}
QDate TApaqty::TransfigurationDate() const {
    return C2G(12, 13);
}
QDate TApaqty::StartOfStMaryFast() const {
    return C2G(12, 1);
}
QDate TApaqty::AssumptionDate() const {
    return C2G(12, 16);
}

QDate TApaqty::CrossFeastDate(int Which) const {
    if (Which == 0)
        return C2G(7, 10);
    if (Which == 1)
        return CopticToGregorian(CopticYearOfJanuary + 1, 1, 17);
    return QDate();
}
