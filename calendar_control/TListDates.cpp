#include "TListDates.h"

#include "CldrTypes.h"

#include <algorithm>

bool TListDates::Add(const QDate& date) {
    if (!date.isValid())
        return false;
    const int dayNumber = DayNumberOf(date);
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), dayNumber);
    if (it != FItems.end() && *it == dayNumber)
        return false;
    FItems.insert(it, dayNumber);
    return true;
}

bool TListDates::Contains(int dayNumber) const {
    return std::binary_search(FItems.begin(), FItems.end(), dayNumber);
}
