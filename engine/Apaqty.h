#pragma once
// The church day of one Gregorian date: Coptic date and year, Easter, the day
// type that selects the book of readings, feast and fast predicates, feast
// dates of the year and the Coptic/Gregorian conversions.

#include <QDate>
#include <QString>

#include "DayKey.h"
#include "NameTables.h"

// Weekday of a date with 1 = Sunday .. 7 = Saturday (QDate counts from
// Monday); every weekday number in the program comes from here.
int DayOfWeekSun1(const QDate& date);

// Eve days before a feast on this date: 2 on a Sunday, 3 on a Monday, else 1.
int ParamounDaysBefore(const QDate& feast);

class TApaqty {
public:
    TApaqty() = default;

    // Computes every field below for the date; never fails.
    void SetDate(const QDate& date);

    // ---- fields, written only by SetDate -------------------------------
    TDayType DayType = dtNone;
    bool IsSunday = false;
    bool IsHolyWeek = false;
    int SundayOfMonth = 0; // updated on Sundays only
    int DaysFromEaster = 0;
    int CopticDay = 0;
    int CopticMonth = 0;
    int CopticYear = 0;
    int CopticYearOfJanuary = 0;
    bool NextYearIsLeap = false;
    QDate Date;
    int Day = 0;
    int Month = 0;
    int Year = 0;
    int DayOfYear = 0;
    int NayrouzDay = 0;
    QDate EasterDate;
    int WeekDay = 0; // 1 = Sunday .. 7 = Saturday
    bool NayrouzIsSunday = false;
    QDate NayrouzDate;

    // ---- predicates on the last SetDate ---------------------------------
    bool IsEaster() const;
    bool IsInHolyFifty() const;
    bool IsThomasSunday() const;
    bool IsAscension() const;
    bool IsPentecost() const;
    bool IsHolySaturday() const;
    bool IsJoyousSaturday() const;
    bool IsGoodFriday() const;
    bool IsCovenantThursday() const;
    bool IsPalmSunday() const;
    bool IsLazarusSaturday() const;
    bool IsGreatLent() const;
    bool IsPreLentSunday() const;
    bool IsJonahPassover() const;
    bool IsJonahFast() const;
    bool IsStartOfJonahFast() const;
    bool IsFifthSundayBeforeJonah() const;
    bool IsNativity() const;
    bool IsNativityFast() const;
    bool IsNativityParamoun() const;
    bool IsEpiphany() const;
    bool IsEpiphanyParamoun() const;
    bool IsCircumcision() const;
    bool IsCanaGalilee() const;
    bool IsEntryToTemple() const;
    bool IsCrossDayBaramhat10() const;
    bool IsCrossDayTut17() const;
    bool IsCrossDayTut18() const;
    bool IsCrossDayTut19() const;
    bool IsFeastOfCross() const;
    bool IsAnnunciation() const;
    bool IsAnnunciationCelebrated() const;
    bool IsEntryToEgypt() const;
    bool IsTransfiguration() const;
    bool IsMonthly29th() const;
    bool IsApostlesFast() const;
    bool IsStMaryFast() const;
    bool IsMajorLordFeast() const;
    bool IsMinorLordFeast() const;

    // ---- feast dates of the year of the last SetDate --------------------
    QDate StartOfApostlesFast() const;
    QDate ApostlesFeastDate() const;
    int ApostlesFastDays() const;
    QDate AscensionDate() const;
    QDate PentecostDate() const;
    QDate ThomasSundayDate() const;
    QDate PalmSundayDate() const;
    QDate CovenantThursdayDate() const;
    QDate GoodFridayDate() const;
    QDate EndOfLentDate() const;
    QDate StartOfLent() const;
    QDate StartOfJonahFast() const;
    int NativityToLentDays() const;
    QDate EpiphanyDate() const;
    int EpiphanyParamounDays() const;
    QDate CircumcisionDate() const;
    QDate CanaGalileeDate() const;
    QDate EntryToTempleDate() const;
    QDate AnnunciationDate() const;
    QDate EntryToEgyptDate() const;
    QDate TransfigurationDate() const;
    QDate StartOfStMaryFast() const;
    QDate StMaryFastStartDate() const { return StartOfStMaryFast(); }
    QDate AssumptionDate() const;
    QDate StMaryFastEndDate() const { return AssumptionDate(); }
    // Which = 0: Baramhat 10; Which = 1: Tut 17 of the Coptic year that
    // begins in September. Any other selector gives a null date.
    QDate CrossFeastDate(int Which) const;

    // ---- class operations -----------------------------------------------
    static bool IsLeapYear(int year); // the Gregorian rule
    static QDate EasterOfYear(int year);
    static QDate CopticToGregorian(int CopticYear, int CopticMonth, int CopticDay);
    static int KiahkDayOfJanuary1(int CopticYear);
    static int CopticYearOf(int GregorianYear, int CopticMonth, int CopticDay);
    static void CopticDateInGregorianYear(int GregorianYear, int CopticMonth, int CopticDay,
                                          int& Month, int& Day);
    static int WeekOfMonth(int Day);
    static QDate PreviousSunday(const QDate& D);

private:
    QDate C2G(int month, int day) const;
    QDate January7() const;
};
