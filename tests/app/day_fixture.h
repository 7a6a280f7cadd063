#pragma once
// A small content database for the day computation: every Coptic day in the
// Annual table (with a borrowing chain, a borrowing cycle and a day with its
// own picture), every Lent, Fifty Days and Sunday record, Synaxarium days
// with 1, 3 and 13 entries and two days that cannot be found, and a table of
// verses. The data module is opened on it.

#include "DayRows.h"

#include <QString>

#include <functional>

#include <memory>

class TFixtureDatabase;

namespace DayFixture {

// Synaxarium: Babah 3 has 3 entries, Babah 4 has 13, Hatour 7 has no head
// row and Hatour 8 no entry number 1; every other day one entry.
constexpr int SynxHeadID(int month, int day) {
    return month * 100 + day;
}

// Builds the database (verseCount verses "Verse n") through the fixture
// library, points the session's alias at it and opens the data module's
// start-up tables; the destructor closes and destroys the data module.
class TDayDatabase {
public:
    // addRows writes rows of the test's own before the database is finished;
    // without the cycle every day of every year can be computed.
    explicit TDayDatabase(int verseCount = 366,
                          const std::function<void(TFixtureDatabase&)>& addRows = {},
                          bool borrowingCycle = true);
    ~TDayDatabase();
    QString Folder() const;

private:
    std::unique_ptr<TFixtureDatabase> db_;
};

} // namespace DayFixture
