#pragma once
// Synaxarium days of the Synaxarium tests, added to the fixture database
// after its own days (Tut 1, Tut 2, Kiahk 29, Baramhat 29; IDs 1 to 4), so
// that the IDs keep ascending in month and day order.

#include "MainDMTest.h"

#include <QString>

namespace SynxFixture {

// Barmoudah 1: three entries. [1] has an icon, related date A Tut 1 entry 2
// and related date B Hatour 7 entry 1 (a date without a head row); [2] has
// related date A given as Amshir 0 entry 2 (not a date) and B Barmoudah 2
// entry 4; [3] only related date B Tut 2 entry 1 and no keyword.
constexpr int Three = 5;
// Barmoudah 2: fourteen entries "Entry n" with long stories; entry 3 has a
// keyword and related date A Tut 1 entry 1.
constexpr int Fourteen = 6;
// Barmoudah 3: entries numbered 2 and 3 only.
constexpr int NoFirst = 7;
// Nasi 5: the last day, one entry.
constexpr int Last = 8;

inline const QString KeywordThree1 = QStringLiteral("Saint One");
inline const QString KeywordThree2 = QStringLiteral("Second Keyword");
inline const QString KeywordFourteen3 = QStringLiteral("Fourteen Three");

// A story of many lines, so that the text scrolls.
QString LongStory(int n);

void AddSynxRows(TFixtureDatabase& db);

} // namespace SynxFixture

// The data module on the fixture with the days above.
class SynxTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override { SynxFixture::AddSynxRows(db); }
};
