#include "NativityCalculator.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}

TEST(NativityCalculator, NewCalculatorIsZero) {
    TNativityCalculator c;
    EXPECT_EQ(c.Year, 0);
    EXPECT_FALSE(c.NativityDate.isValid());
    EXPECT_EQ(c.ParamounDays, 0);
}

TEST(NativityCalculator, Year2024NativityOnKiahk28Sunday) {
    TNativityCalculator c;
    c.Calculate(2024);
    EXPECT_EQ(c.Year, 2024);
    EXPECT_EQ(c.NativityDate, QDate(2024, 1, 7));
    EXPECT_TRUE(c.NativityOnKiahk28);
    EXPECT_EQ(c.ParamounDays, 2);
    EXPECT_EQ(c.NativityWeekDay, 1);
    EXPECT_FALSE(c.Kiahk30IsSunday); // 2024-01-09 is a Tuesday
    // Paramoun January 5-6; the Sunday before is December 31, 2023.
    EXPECT_FALSE(c.HasJanuaryFourthSunday);
}

TEST(NativityCalculator, Year2025NativityOnKiahk29) {
    TNativityCalculator c;
    c.Calculate(2025);
    EXPECT_FALSE(c.NativityOnKiahk28);
    EXPECT_EQ(c.ParamounDays, 1);
    EXPECT_EQ(c.NativityWeekDay, 3);
    EXPECT_FALSE(c.Kiahk30IsSunday); // 2025-01-08 is a Wednesday
    EXPECT_TRUE(c.HasJanuaryFourthSunday);
    EXPECT_EQ(c.JanuaryFourthSunday, QDate(2025, 1, 5));
}

TEST(NativityCalculator, FourthSundayInJanuaryOfNextYear) {
    TNativityCalculator c;
    c.Calculate(2020);
    EXPECT_FALSE(c.HasDecemberFourthSunday);
    EXPECT_EQ(c.FirstKiahkSunday, QDate(2020, 12, 13));
    EXPECT_EQ(c.SecondKiahkSunday, QDate(2020, 12, 20));
    EXPECT_EQ(c.ThirdKiahkSunday, QDate(2020, 12, 27));
    c.Calculate(2021);
    EXPECT_TRUE(c.HasJanuaryFourthSunday);
    EXPECT_EQ(c.JanuaryFourthSunday, QDate(2021, 1, 3));
}

TEST(NativityCalculator, MondayNativityHasThreeParamounDays) {
    TNativityCalculator c;
    c.Calculate(2019);
    EXPECT_EQ(c.ParamounDays, 3);
    EXPECT_EQ(c.NativityWeekDay, 2);
    EXPECT_FALSE(c.HasJanuaryFourthSunday); // 2018-12-30
}

TEST(NativityCalculator, December2023Sundays) {
    TNativityCalculator c;
    c.Calculate(2023);
    EXPECT_TRUE(c.HasDecemberFourthSunday);
    EXPECT_EQ(c.FourthKiahkSunday, QDate(2023, 12, 31));
    EXPECT_EQ(c.FirstKiahkSunday, QDate(2023, 12, 10)); // Hatour 30
    EXPECT_TRUE(c.KiahkSundaysBorrowed);
}

TEST(NativityCalculator, Kiahk30OnSunday) {
    // 2028-01-07 is a Friday on Kiahk 28 (2028 is a leap year): Kiahk 30 is
    // Sunday January 9.
    TNativityCalculator c;
    c.Calculate(2028);
    EXPECT_TRUE(c.NativityOnKiahk28);
    EXPECT_TRUE(c.Kiahk30IsSunday);
}

TEST(NativityCalculator, EveryYearAgreesWithTheEngine) {
    TNativityCalculator c;
    TApaqty a;
    for (int y = 1901; y <= 2098; ++y) {
        c.Calculate(y);
        a.SetDate(QDate(y, 1, 7));
        ASSERT_EQ(c.NativityOnKiahk28, a.CopticDay == 28) << y;
        ASSERT_EQ(c.NativityOnKiahk28, TApaqty::IsLeapYear(y)) << y;
        // The four Sundays are a week apart, the last before the paramoun.
        const QDate s4 = c.ThirdKiahkSunday.addDays(7);
        ASSERT_EQ(DayOfWeekSun1(c.FirstKiahkSunday), 1) << y;
        ASSERT_EQ(c.SecondKiahkSunday, c.FirstKiahkSunday.addDays(7)) << y;
        ASSERT_EQ(c.ThirdKiahkSunday, c.SecondKiahkSunday.addDays(7)) << y;
        ASSERT_EQ(c.HasDecemberFourthSunday, s4.year() == y) << y;
        if (c.HasDecemberFourthSunday) {
            ASSERT_EQ(c.FourthKiahkSunday, s4) << y;
        }
        const QDate nextNativity(y + 1, 1, 7);
        ASSERT_LT(s4, nextNativity) << y;
        ASSERT_GE(s4.daysTo(nextNativity), 2) << y;
        ASSERT_LE(s4.daysTo(nextNativity), 10) << y;
        // Borrowed exactly when the first Sunday still lies in Hatour.
        a.SetDate(c.FirstKiahkSunday);
        ASSERT_EQ(c.KiahkSundaysBorrowed, a.CopticMonth == 3) << y;
        if (!c.KiahkSundaysBorrowed) {
            ASSERT_EQ(a.CopticMonth, 4) << y;
        }
    }
}
