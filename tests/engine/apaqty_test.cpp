#include "Apaqty.h"

#include <gtest/gtest.h>

#include <ostream>

// Dates in failure messages as ISO text.
void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}

namespace {

// Julian Easter by Meeus' formula, carried to the Gregorian calendar through
// the Julian day number; shares nothing with the engine's own computus.
QDate MeeusEaster(int year) {
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    // Julian calendar date to Julian day number.
    const int aa = (14 - month) / 12;
    const int y = year + 4800 - aa;
    const int m = month + 12 * aa - 3;
    const qint64 jdn = day + (153 * m + 2) / 5 + 365LL * y + y / 4 - 32083;
    return QDate::fromJulianDay(jdn);
}

TApaqty At(int y, int m, int d) {
    TApaqty a;
    a.SetDate(QDate(y, m, d));
    return a;
}

void ExpectCoptic(const TApaqty& a, int year, int month, int day) {
    EXPECT_EQ(a.CopticYear, year) << a.Date.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(a.CopticMonth, month) << a.Date.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(a.CopticDay, day) << a.Date.toString(Qt::ISODate).toStdString();
}

} // namespace

// ------------------------------------------------------------------ Easter --

TEST(ApaqtyEaster, KnownDates) {
    EXPECT_EQ(TApaqty::EasterOfYear(2023), QDate(2023, 4, 16));
    EXPECT_EQ(TApaqty::EasterOfYear(2024), QDate(2024, 5, 5));
    EXPECT_EQ(TApaqty::EasterOfYear(2025), QDate(2025, 4, 20));
    EXPECT_EQ(TApaqty::EasterOfYear(2026), QDate(2026, 4, 12));
    EXPECT_EQ(TApaqty::EasterOfYear(2000), QDate(2000, 4, 30));
}

TEST(ApaqtyEaster, MatchesMeeusEveryYear1900To2099) {
    for (int y = 1900; y <= 2099; ++y) {
        const QDate e = TApaqty::EasterOfYear(y);
        ASSERT_EQ(e, MeeusEaster(y)) << y;
        ASSERT_EQ(DayOfWeekSun1(e), 1) << y;
        TApaqty a;
        a.SetDate(QDate(y, 6, 1));
        ASSERT_EQ(a.EasterDate, e) << y;
    }
}

// ------------------------------------------------- Coptic date and New Year --

TEST(ApaqtyCoptic, NewYearBoundaries) {
    auto a = At(2023, 9, 11);
    ExpectCoptic(a, 1739, 13, 6);
    a = At(2023, 9, 12);
    ExpectCoptic(a, 1740, 1, 1);
    EXPECT_EQ(a.NayrouzDay, 12);
    EXPECT_TRUE(a.NextYearIsLeap);
    EXPECT_EQ(a.NayrouzDate, QDate(2023, 9, 12));
    ExpectCoptic(At(2024, 9, 10), 1740, 13, 5);
    a = At(2024, 9, 11);
    ExpectCoptic(a, 1741, 1, 1);
    EXPECT_EQ(a.NayrouzDay, 11);
    EXPECT_EQ(a.CopticYearOfJanuary, 1740);
}

TEST(ApaqtyCoptic, EveryNewYear1900To2099FollowsNasi) {
    for (int y = 1900; y <= 2099; ++y) {
        TApaqty a;
        a.SetDate(QDate(y, 7, 1));
        const QDate tut1 = a.NayrouzDate;
        a.SetDate(tut1);
        ASSERT_EQ(a.CopticMonth, 1) << y;
        ASSERT_EQ(a.CopticDay, 1) << y;
        ASSERT_EQ(a.CopticYear, y - 283) << y;
        a.SetDate(tut1.addDays(-1));
        ASSERT_EQ(a.CopticMonth, 13) << y;
        ASSERT_EQ(a.CopticYear, y - 284) << y;
        // Nasi has six days when the next Tut 1 slips to September 12.
        ASSERT_EQ(a.CopticDay, tut1.day() == 12 ? 6 : 5) << y;
        EXPECT_EQ(a.NayrouzIsSunday, DayOfWeekSun1(tut1) == 1) << y;
    }
}

TEST(ApaqtyCoptic, JanuaryInKiahk) {
    ExpectCoptic(At(2024, 1, 1), 1740, 4, 22);
    auto a = At(2024, 1, 7);
    ExpectCoptic(a, 1740, 4, 28);
    EXPECT_TRUE(a.IsSunday);
    EXPECT_EQ(a.DayType, 4);
    ExpectCoptic(At(2025, 1, 7), 1741, 4, 29);
}

TEST(ApaqtyCoptic, CopticToGregorianExamples) {
    EXPECT_EQ(TApaqty::CopticToGregorian(1740, 1, 1), QDate(2023, 9, 12));
    EXPECT_EQ(TApaqty::CopticToGregorian(1740, 4, 29), QDate(2024, 1, 8));
}

TEST(ApaqtyCoptic, CenturyCopticYearsKeepTheGregorianLeapDay) {
    // Coptic years 1700, 1800 and 1816 are divisible by 4 but the Gregorian
    // years they reach in January (1984, 2084, 2100) decide the leap day.
    EXPECT_EQ(TApaqty::KiahkDayOfJanuary1(1700), 22);
    EXPECT_EQ(TApaqty::KiahkDayOfJanuary1(1800), 22);
    EXPECT_EQ(TApaqty::KiahkDayOfJanuary1(1816), 23);
    EXPECT_EQ(TApaqty::KiahkDayOfJanuary1(1739), 23);
    EXPECT_EQ(TApaqty::CopticToGregorian(1700, 1, 1), QDate(1983, 9, 12));
    ExpectCoptic(At(1983, 9, 12), 1700, 1, 1);
    EXPECT_EQ(TApaqty::CopticToGregorian(1800, 1, 1), QDate(2083, 9, 12));
    ExpectCoptic(At(2083, 9, 12), 1800, 1, 1);
    EXPECT_EQ(TApaqty::CopticToGregorian(1815, 13, 5), QDate(2099, 9, 10));
}

TEST(ApaqtyCoptic, RoundTripEveryDay1901To2099) {
    TApaqty a;
    for (QDate d(1901, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1)) {
        a.SetDate(d);
        ASSERT_GE(a.CopticMonth, 1) << d.toString(Qt::ISODate).toStdString();
        ASSERT_LE(a.CopticMonth, 13) << d.toString(Qt::ISODate).toStdString();
        ASSERT_LE(a.CopticDay, a.CopticMonth == 13 ? 6 : 30)
            << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(TApaqty::CopticToGregorian(a.CopticYear, a.CopticMonth, a.CopticDay), d)
            << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(ApaqtyCoptic, CopticYearOf) {
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 4, 29), 1740);
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 4, 20), 1741);
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 13, 5), 1740);
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 1, 1), 1741);
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 4, 21), 1741);
    EXPECT_EQ(TApaqty::CopticYearOf(2024, 4, 22), 1740);
    EXPECT_EQ(TApaqty::CopticYearOf(2025, 4, 22), 1742);
    EXPECT_EQ(TApaqty::CopticYearOf(2025, 4, 23), 1741);
}

TEST(ApaqtyCoptic, CopticDateInGregorianYear) {
    int m = 0, d = 0;
    TApaqty::CopticDateInGregorianYear(2024, 4, 29, m, d);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 8);
    TApaqty::CopticDateInGregorianYear(2024, 1, 1, m, d);
    EXPECT_EQ(m, 9);
    EXPECT_EQ(d, 11);
    TApaqty::CopticDateInGregorianYear(2024, 4, 10, m, d);
    EXPECT_EQ(m, 12);
    EXPECT_EQ(d, 19);
}

TEST(ApaqtyCoptic, WeekOfMonthAndPreviousSunday) {
    EXPECT_EQ(TApaqty::WeekOfMonth(1), 1);
    EXPECT_EQ(TApaqty::WeekOfMonth(7), 1);
    EXPECT_EQ(TApaqty::WeekOfMonth(8), 2);
    EXPECT_EQ(TApaqty::WeekOfMonth(29), 5);
    EXPECT_EQ(TApaqty::WeekOfMonth(30), 5);
    // Strictly before: a Sunday gives the Sunday a week earlier.
    EXPECT_EQ(TApaqty::PreviousSunday(QDate(2024, 1, 7)), QDate(2023, 12, 31));
    EXPECT_EQ(TApaqty::PreviousSunday(QDate(2024, 1, 8)), QDate(2024, 1, 7));
    EXPECT_EQ(TApaqty::PreviousSunday(QDate(2024, 1, 6)), QDate(2023, 12, 31));
}

// ---------------------------------------------------------------- day type --

TEST(ApaqtyDayType, EdgeDaysAroundEaster) {
    auto a = At(2024, 5, 5);
    EXPECT_EQ(a.DayType, 1);
    EXPECT_EQ(a.DaysFromEaster, 0);
    EXPECT_TRUE(a.IsEaster());
    a = At(2024, 3, 11);
    EXPECT_EQ(a.DaysFromEaster, -55);
    EXPECT_EQ(a.DayType, 1);
    EXPECT_TRUE(a.IsGreatLent());
    a = At(2024, 3, 8);
    EXPECT_EQ(a.DaysFromEaster, -58);
    EXPECT_EQ(a.DayType, 3);
    a = At(2024, 2, 25);
    EXPECT_EQ(a.DaysFromEaster, -70);
    EXPECT_EQ(a.DayType, 4);
    a = At(2024, 6, 14); // N = 40
    EXPECT_EQ(a.DayType, 2);
    a = At(2024, 6, 24); // N = 50, a Monday
    EXPECT_EQ(a.DaysFromEaster, 50);
    EXPECT_EQ(a.DayType, 3);
    a = At(2024, 6, 23); // Pentecost, last of the fifty days
    EXPECT_TRUE(a.IsPentecost());
    EXPECT_EQ(a.DayType, 2);
}

TEST(ApaqtyDayType, WholeSeasonsFromJonahToAfterPentecost) {
    for (int y : {1900, 1943, 2000, 2023, 2024, 2025, 2026, 2099}) {
        const QDate easter = MeeusEaster(y);
        TApaqty a;
        for (int n = -80; n <= 60; ++n) {
            const QDate d = easter.addDays(n);
            a.SetDate(d);
            const bool sunday = DayOfWeekSun1(d) == 1;
            int expected;
            if (n == 0 || (n >= -57 && n <= -1) || (n >= -69 && n <= -66))
                expected = 1;
            else if (n >= 1 && n <= 49)
                expected = 2;
            else
                expected = sunday ? 4 : 3;
            ASSERT_EQ(a.DaysFromEaster, n) << y;
            ASSERT_EQ(a.DayType, expected) << y << " N=" << n;
            ASSERT_EQ(a.IsHolyWeek, n >= -6 && n <= -1) << y << " N=" << n;
            ASSERT_EQ(a.IsSunday, sunday);
            ASSERT_EQ(a.WeekDay, DayOfWeekSun1(d));
            ASSERT_EQ(a.IsInHolyFifty(), n >= 0 && n <= 49);
            ASSERT_EQ(a.IsGreatLent(), n >= -55 && n <= -9);
            ASSERT_EQ(a.IsJonahFast(), n >= -69 && n <= -67);
        }
    }
}

TEST(ApaqtyDayType, HolyWeekPredicates) {
    TApaqty a;
    a.SetDate(QDate(2024, 4, 28));
    EXPECT_TRUE(a.IsPalmSunday());
    EXPECT_FALSE(a.IsHolyWeek);
    a.SetDate(QDate(2024, 4, 27));
    EXPECT_TRUE(a.IsLazarusSaturday());
    a.SetDate(QDate(2024, 5, 2));
    EXPECT_TRUE(a.IsCovenantThursday());
    EXPECT_TRUE(a.IsHolyWeek);
    a.SetDate(QDate(2024, 5, 3));
    EXPECT_TRUE(a.IsGoodFriday());
    a.SetDate(QDate(2024, 5, 4));
    EXPECT_TRUE(a.IsHolySaturday());
    EXPECT_TRUE(a.IsJoyousSaturday());
    a.SetDate(QDate(2024, 5, 12));
    EXPECT_TRUE(a.IsThomasSunday());
    a.SetDate(QDate(2024, 6, 13));
    EXPECT_TRUE(a.IsAscension());
    EXPECT_TRUE(a.IsMajorLordFeast());
}

TEST(ApaqtyDayType, SundayOfMonthKeptOnWeekdays) {
    TApaqty a;
    a.SetDate(QDate(2024, 1, 7)); // Kiahk 28
    EXPECT_EQ(a.SundayOfMonth, 4);
    a.SetDate(QDate(2024, 1, 10)); // a Wednesday
    EXPECT_EQ(a.SundayOfMonth, 4);
    a.SetDate(QDate(2024, 1, 14)); // Sunday, Tubah 5
    EXPECT_EQ(a.SundayOfMonth, 1);
    TApaqty fresh;
    fresh.SetDate(QDate(2024, 1, 10));
    EXPECT_EQ(fresh.SundayOfMonth, 0);
}

TEST(ApaqtyDayType, NewEngineIsZero) {
    TApaqty a;
    EXPECT_EQ(a.DayType, 0);
    EXPECT_EQ(a.CopticYear, 0);
    EXPECT_FALSE(a.Date.isValid());
    EXPECT_FALSE(a.EasterDate.isValid());
}

// -------------------------------------------------------------- predicates --

TEST(ApaqtyFeasts, NativityOnKiahk28AnswersTwice) {
    EXPECT_TRUE(At(2024, 1, 7).IsNativity());
    EXPECT_TRUE(At(2024, 1, 8).IsNativity()); // Kiahk 29
    EXPECT_FALSE(At(2024, 1, 6).IsNativity());
    EXPECT_TRUE(At(2025, 1, 7).IsNativity());
    EXPECT_FALSE(At(2025, 1, 8).IsNativity());
    EXPECT_FALSE(At(2025, 1, 6).IsNativity());
}

TEST(ApaqtyFeasts, NativityFastAndParamoun) {
    EXPECT_TRUE(At(2024, 1, 6).IsNativityFast());
    EXPECT_FALSE(At(2024, 1, 7).IsNativityFast()); // Kiahk 28 but the Nativity
    ExpectCoptic(At(2023, 11, 25), 1740, 3, 15);
    EXPECT_FALSE(At(2023, 11, 25).IsNativityFast());
    EXPECT_TRUE(At(2023, 11, 26).IsNativityFast());
    // 2024-01-07 is a Sunday: two paramoun days.
    EXPECT_FALSE(At(2024, 1, 4).IsNativityParamoun());
    EXPECT_TRUE(At(2024, 1, 5).IsNativityParamoun());
    EXPECT_TRUE(At(2024, 1, 6).IsNativityParamoun());
    EXPECT_FALSE(At(2024, 1, 7).IsNativityParamoun());
    // 2019-01-07 is a Monday: three.
    EXPECT_TRUE(At(2019, 1, 4).IsNativityParamoun());
    EXPECT_FALSE(At(2019, 1, 3).IsNativityParamoun());
    // 2025-01-07 is a Tuesday: one.
    EXPECT_TRUE(At(2025, 1, 6).IsNativityParamoun());
    EXPECT_FALSE(At(2025, 1, 5).IsNativityParamoun());
}

TEST(ApaqtyFeasts, EpiphanyAndItsParamoun) {
    // In a leap year Tubah 11 is January 20 (2024: a Saturday).
    auto a = At(2024, 1, 20);
    ExpectCoptic(a, 1740, 5, 11);
    EXPECT_TRUE(a.IsEpiphany());
    EXPECT_TRUE(a.IsMajorLordFeast());
    EXPECT_EQ(a.EpiphanyDate(), QDate(2024, 1, 20));
    EXPECT_EQ(a.EpiphanyParamounDays(), 1);
    EXPECT_TRUE(At(2024, 1, 19).IsEpiphanyParamoun());  // Tubah 10
    EXPECT_FALSE(At(2024, 1, 18).IsEpiphanyParamoun()); // Tubah 9, a Thursday
    // 2025: Tubah 11 is Sunday January 19; Tubah 9 a Friday, 8 a Thursday.
    EXPECT_EQ(At(2025, 3, 1).EpiphanyParamounDays(), 2);
    EXPECT_TRUE(At(2025, 1, 17).IsEpiphanyParamoun());
    EXPECT_FALSE(At(2025, 1, 16).IsEpiphanyParamoun());
    // 2026: Tubah 11 is Monday January 19; Tubah 9 is a Saturday, 8 a Friday.
    EXPECT_TRUE(At(2026, 1, 17).IsEpiphanyParamoun());
    EXPECT_TRUE(At(2026, 1, 16).IsEpiphanyParamoun());
    EXPECT_EQ(At(2026, 1, 1).EpiphanyParamounDays(), 3);
    EXPECT_TRUE(At(2024, 1, 15).IsCircumcision());
    EXPECT_TRUE(At(2024, 1, 22).IsCanaGalilee());
    EXPECT_TRUE(At(2024, 1, 22).IsMinorLordFeast());
    EXPECT_TRUE(At(2024, 2, 16).IsEntryToTemple());
    EXPECT_FALSE(At(2024, 2, 15).IsEntryToTemple());
}

TEST(ApaqtyFeasts, AnnunciationSkippedNearEaster) {
    auto a = At(2024, 4, 7);
    ExpectCoptic(a, 1740, 7, 29);
    EXPECT_TRUE(a.IsAnnunciationCelebrated());
    EXPECT_TRUE(a.IsAnnunciation());
    a = At(2026, 4, 7); // five days before Easter
    ExpectCoptic(a, 1742, 7, 29);
    EXPECT_FALSE(a.IsAnnunciationCelebrated());
    EXPECT_FALSE(a.IsAnnunciation());
    EXPECT_FALSE(a.IsMajorLordFeast());
}

TEST(ApaqtyFeasts, AnnunciationWindowEndsNineDaysBeforeAndOneDayAfterEaster) {
    // Baramhat 29 (7 April) against the Easters that put it just inside and
    // just outside the days from nine before Easter to the day after.
    const struct {
        int Year;
        QDate Easter;
        bool Celebrated;
    } rows[] = {
        {2039, QDate(2039, 4, 17), true},  // ten days before Easter
        {2023, QDate(2023, 4, 16), false}, // nine days before
        {1980, QDate(1980, 4, 6), false},  // the day after Easter
        {2037, QDate(2037, 4, 5), true},   // two days after
    };
    for (const auto& r : rows) {
        const TApaqty a = At(r.Year, 4, 7);
        ASSERT_EQ(a.EasterDate, r.Easter) << r.Year;
        ExpectCoptic(a, r.Year - 284, 7, 29);
        EXPECT_EQ(a.IsAnnunciationCelebrated(), r.Celebrated) << r.Year;
        EXPECT_EQ(a.IsAnnunciation(), r.Celebrated) << r.Year;
        EXPECT_EQ(a.IsMajorLordFeast(), r.Celebrated || a.IsEaster()) << r.Year;
    }
}

TEST(ApaqtyFeasts, EntryToEgyptGivesWayToPentecostAndAscension) {
    int checked = 0;
    for (int y = 1900; y <= 2099; ++y) {
        TApaqty a;
        a.SetDate(QDate(y, 1, 1));
        const QDate egypt = a.EntryToEgyptDate();
        a.SetDate(egypt);
        ASSERT_EQ(a.CopticMonth, 9);
        ASSERT_EQ(a.CopticDay, 24);
        const bool clash = a.DaysFromEaster == 49 || a.DaysFromEaster == 39;
        ASSERT_EQ(a.IsEntryToEgypt(), !clash) << y;
        checked += clash ? 1 : 0;
    }
    EXPECT_GT(checked, 0);
}

TEST(ApaqtyFeasts, CrossDaysAndMonthlyFeasts) {
    EXPECT_TRUE(At(2024, 9, 27).IsCrossDayTut17());
    EXPECT_TRUE(At(2024, 9, 28).IsCrossDayTut18());
    EXPECT_TRUE(At(2024, 9, 29).IsCrossDayTut19());
    EXPECT_TRUE(At(2024, 3, 19).IsCrossDayBaramhat10());
    EXPECT_TRUE(At(2024, 3, 19).IsFeastOfCross());
    EXPECT_FALSE(At(2024, 9, 30).IsFeastOfCross());
    EXPECT_FALSE(At(2024, 9, 8).IsMonthly29th()); // Nasi 3
    EXPECT_TRUE(At(2024, 10, 9).IsMonthly29th()); // Tut 29
    EXPECT_FALSE(At(2024, 1, 8).IsMonthly29th()); // Kiahk 29
    EXPECT_TRUE(At(2024, 8, 19).IsTransfiguration());
    EXPECT_TRUE(At(2024, 8, 7).IsStMaryFast());
    EXPECT_FALSE(At(2024, 8, 22).IsStMaryFast());
}

TEST(ApaqtyFeasts, MonthlyFeastNotKeptInHolyWeek) {
    int checked = 0;
    for (int y = 1900; y <= 2099; ++y) {
        TApaqty a;
        for (int n = -6; n <= -1; ++n) {
            a.SetDate(TApaqty::EasterOfYear(y).addDays(n));
            if (a.CopticDay == 29 && a.CopticMonth == 8) {
                ASSERT_FALSE(a.IsMonthly29th()) << y;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(ApaqtyFeasts, ApostlesFast) {
    auto a = At(2024, 6, 24); // N = 50, Baunah 17
    EXPECT_TRUE(a.IsApostlesFast());
    EXPECT_FALSE(At(2024, 6, 23).IsApostlesFast());
    EXPECT_TRUE(At(2024, 7, 12).IsApostlesFast()); // Abib 5
    EXPECT_FALSE(At(2024, 7, 13).IsApostlesFast());
    EXPECT_EQ(a.StartOfApostlesFast(), QDate(2024, 6, 24));
    EXPECT_EQ(a.ApostlesFeastDate(), QDate(2024, 7, 12));
    EXPECT_EQ(a.ApostlesFastDays(), 18);
}

TEST(ApaqtyFeasts, JonahAndPreLent) {
    // 2024: Easter May 5.
    EXPECT_TRUE(At(2024, 2, 26).IsStartOfJonahFast());
    EXPECT_TRUE(At(2024, 2, 29).IsJonahPassover());
    EXPECT_TRUE(At(2024, 3, 10).IsPreLentSunday());
    const auto a = At(2024, 2, 25); // N = -70, a Sunday
    EXPECT_EQ(a.IsFifthSundayBeforeJonah(), a.SundayOfMonth == 5);
}

TEST(ApaqtyFeasts, FifthSundayBeforeJonahIsAPreLentSunday) {
    // The Sunday a week before the Jonah fast counts as a pre-Lent Sunday
    // only when it is the fifth Sunday of its Coptic month (day 29 or 30).
    int fifth = 0;
    TApaqty a;
    for (int y = 1900; y <= 2099; ++y) {
        a.SetDate(TApaqty::EasterOfYear(y).addDays(-70));
        ASSERT_TRUE(a.IsSunday) << y;
        const bool isFifth = a.CopticDay >= 29;
        ASSERT_EQ(a.IsFifthSundayBeforeJonah(), isFifth) << y;
        ASSERT_EQ(a.IsPreLentSunday(), isFifth) << y;
        a.SetDate(TApaqty::EasterOfYear(y).addDays(-63));
        ASSERT_FALSE(a.IsPreLentSunday()) << y;
        ASSERT_FALSE(a.IsFifthSundayBeforeJonah()) << y;
        a.SetDate(TApaqty::EasterOfYear(y).addDays(-56));
        ASSERT_TRUE(a.IsPreLentSunday()) << y;
        fifth += isFifth ? 1 : 0;
    }
    EXPECT_GT(fifth, 0);
}

// ----------------------------------------------------------------- getters --

TEST(ApaqtyGetters, FeastDatesOf2024) {
    const auto a = At(2024, 2, 1);
    EXPECT_EQ(a.AscensionDate(), QDate(2024, 6, 13));
    EXPECT_EQ(a.PentecostDate(), QDate(2024, 6, 23));
    EXPECT_EQ(a.ThomasSundayDate(), QDate(2024, 5, 12));
    EXPECT_EQ(a.PalmSundayDate(), QDate(2024, 4, 28));
    EXPECT_EQ(a.CovenantThursdayDate(), QDate(2024, 5, 2));
    EXPECT_EQ(a.GoodFridayDate(), QDate(2024, 5, 3));
    EXPECT_EQ(a.EndOfLentDate(), QDate(2024, 4, 26));
    EXPECT_EQ(a.StartOfLent(), QDate(2024, 3, 11));
    EXPECT_EQ(a.StartOfJonahFast(), QDate(2024, 2, 26));
    EXPECT_EQ(a.NativityToLentDays(), 64);
    EXPECT_EQ(a.EpiphanyDate(), QDate(2024, 1, 20));
    EXPECT_EQ(a.CircumcisionDate(), QDate(2024, 1, 15));
    EXPECT_EQ(a.CanaGalileeDate(), QDate(2024, 1, 22));
    EXPECT_EQ(a.EntryToTempleDate(), QDate(2024, 2, 16));
    EXPECT_EQ(a.AnnunciationDate(), QDate(2024, 4, 7));
    EXPECT_EQ(a.EntryToEgyptDate(), QDate(2024, 6, 1));
    EXPECT_EQ(a.TransfigurationDate(), QDate(2024, 8, 19));
    EXPECT_EQ(a.StartOfStMaryFast(), QDate(2024, 8, 7));
    EXPECT_EQ(a.StMaryFastStartDate(), QDate(2024, 8, 7));
    EXPECT_EQ(a.AssumptionDate(), QDate(2024, 8, 22));
    EXPECT_EQ(a.StMaryFastEndDate(), QDate(2024, 8, 22));
    EXPECT_EQ(a.CrossFeastDate(0), QDate(2024, 3, 19));
    EXPECT_EQ(a.CrossFeastDate(1), QDate(2024, 9, 27));
    EXPECT_FALSE(a.CrossFeastDate(2).isValid());
}

TEST(ApaqtyGetters, FeastDatesLandOnTheirPredicatesEveryYear) {
    struct Feast {
        QDate (TApaqty::*date)() const;
        bool (TApaqty::*is)() const;
        int month, day;
    };
    const Feast feasts[] = {
        {&TApaqty::EpiphanyDate, &TApaqty::IsEpiphany, 5, 11},
        {&TApaqty::CircumcisionDate, &TApaqty::IsCircumcision, 5, 6},
        {&TApaqty::CanaGalileeDate, &TApaqty::IsCanaGalilee, 5, 13},
        {&TApaqty::EntryToTempleDate, &TApaqty::IsEntryToTemple, 6, 8},
        {&TApaqty::AnnunciationDate, nullptr, 7, 29}, // kept or not by Easter
        {&TApaqty::TransfigurationDate, &TApaqty::IsTransfiguration, 12, 13},
        {&TApaqty::StartOfStMaryFast, &TApaqty::IsStMaryFast, 12, 1},
        {&TApaqty::ApostlesFeastDate, &TApaqty::IsApostlesFast, 11, 5},
    };
    TApaqty year, day;
    for (int y = 1900; y <= 2099; ++y) {
        year.SetDate(QDate(y, 3, 1));
        for (const Feast& f : feasts) {
            const QDate d = (year.*f.date)();
            ASSERT_EQ(d.year(), y) << f.month << "/" << f.day;
            day.SetDate(d);
            ASSERT_EQ(day.CopticMonth, f.month) << y;
            ASSERT_EQ(day.CopticDay, f.day) << y;
            if (f.is) {
                ASSERT_TRUE((day.*f.is)()) << y << " " << f.month << "/" << f.day;
            }
        }
        day.SetDate(year.AssumptionDate());
        ASSERT_EQ(day.CopticMonth, 12) << y;
        ASSERT_EQ(day.CopticDay, 16) << y;
        ASSERT_FALSE(day.IsStMaryFast()) << y;
        day.SetDate(year.CrossFeastDate(0));
        ASSERT_TRUE(day.IsCrossDayBaramhat10()) << y;
        day.SetDate(year.CrossFeastDate(1));
        ASSERT_TRUE(day.IsCrossDayTut17()) << y;
        ASSERT_EQ(day.Date.year(), y) << y;
    }
}

TEST(ApaqtyGetters, GettersUseTheYearNotTheCopticYear) {
    // In October the Coptic year has moved on, but the getters still give
    // the feasts of the Gregorian year.
    const auto a = At(2024, 10, 15);
    EXPECT_EQ(a.CopticYear, 1741);
    EXPECT_EQ(a.EpiphanyDate(), QDate(2024, 1, 20));
    EXPECT_EQ(a.CrossFeastDate(1), QDate(2024, 9, 27));
}

// ------------------------------------------------------------- name tables --

TEST(ApaqtyNames, TablesIndexedFromOne) {
    EXPECT_EQ(CopticMonthNames.Count(), 13);
    EXPECT_EQ(CopticMonthNames[1], QStringLiteral("Tut"));
    EXPECT_EQ(CopticMonthNames[8], QStringLiteral("Barmoudah"));
    EXPECT_EQ(CopticMonthNames[13], QStringLiteral("Nasi"));
    EXPECT_EQ(GregorianMonthNames.Count(), 12);
    EXPECT_EQ(GregorianMonthNames[9], QStringLiteral("September"));
    EXPECT_EQ(WeekDayNames.Count(), 7);
    EXPECT_EQ(WeekDayNames[1], QStringLiteral("Sunday"));
    EXPECT_EQ(WeekDayNames[7], QStringLiteral("Saturday"));
    EXPECT_TRUE(WeekDayNames[8].isEmpty());
    EXPECT_TRUE(CopticMonthNames[0].isEmpty());
    EXPECT_EQ(OrdinalNames[1], QStringLiteral("First"));
    EXPECT_EQ(OrdinalNames[7], QStringLiteral("Seventh"));
    EXPECT_TRUE(OrdinalNames[8].isEmpty());
}

TEST(ApaqtyNames, WeekdayNumbering) {
    EXPECT_EQ(DayOfWeekSun1(QDate(2024, 1, 7)), 1);
    EXPECT_EQ(DayOfWeekSun1(QDate(2024, 1, 8)), 2);
    EXPECT_EQ(DayOfWeekSun1(QDate(2024, 1, 13)), 7);
    EXPECT_EQ(WeekDayNames[DayOfWeekSun1(QDate(2024, 1, 12))], QStringLiteral("Friday"));
}
