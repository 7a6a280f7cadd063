#pragma once
// For one Gregorian year: the Nativity on Kiahk 28 or 29, its paramoun and
// the four Sundays of Kiahk.

#include "Apaqty.h"

#include <QDate>

class TNativityCalculator {
public:
    TNativityCalculator() = default;
    virtual ~TNativityCalculator() = default;

    void Calculate(int Year);

    QDate NativityDate;
    int Year = 0;
    bool NativityOnKiahk28 = false;
    int ParamounDays = 0;
    bool KiahkSundaysBorrowed = false;
    int NativityWeekDay = 0;
    bool HasJanuaryFourthSunday = false;
    bool HasDecemberFourthSunday = false;
    bool Kiahk30IsSunday = false;
    QDate JanuaryFourthSunday; // meaningful only when HasJanuaryFourthSunday
    QDate FirstKiahkSunday;
    QDate SecondKiahkSunday;
    QDate ThirdKiahkSunday;
    QDate FourthKiahkSunday; // meaningful only when HasDecemberFourthSunday

private:
    TApaqty thisJanuary_; // set to January 7 of Year
    TApaqty nextJanuary_; // set to January 7 of Year + 1
};
