#pragma once

#include <QDate>

#include <vector>

// Whole day numbers of dates, sorted ascending, without duplicates.
class TListDates {
public:
    // Adds the date's day number when absent; true when it was added.
    bool Add(const QDate& date);
    bool Contains(int dayNumber) const;
    void Clear() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    int operator[](int index) const { return FItems[size_t(index)]; }

private:
    std::vector<int> FItems;
};
