#pragma once
// Books of the Bible reader tests, added to the fixture's own: one at the
// end of the deuterocanonical range, one of another translation with a
// chapter of three-digit verses, one above 80 whose name ends in a digit, and
// one whose first chapter misses a verse.

#include "MainDMTest.h"

namespace BibleFixture {

constexpr int OtherJob = 40; // chapter 1 of one verse, 2 of 176; translation 2
constexpr int Baruch = 80;   // two chapters of 3 verses, translation 1
constexpr int Psalm151 = 82; // "Psalm 151": one chapter of 3 verses, translation 2
constexpr int Broken = 83;   // chapter 1 holds verses 1 and 3 only, chapter 2 verses 1 and 2
constexpr int LongChapterVerses = 176;
QString LongChapterVerse(int verse);

void AddBibleRows(TFixtureDatabase& db);

// A book set as the sample Bible is: typographic quotes and a verse of more
// than 4,000 characters (verse 3), with concordance rows for NEIGHBOR,
// COVET, GOD and KING and the omitted word S.
constexpr int Quoted = 84; // "Esther (Greek)", one chapter of 3 verses
constexpr int NeighborWordID = 9, CovetWordID = 10, KingWordID = 11, SWordID = 12;
QString QuotedVerse(int verse);
void AddQuotedRows(TFixtureDatabase& db);

} // namespace BibleFixture

class BibleTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override { BibleFixture::AddBibleRows(db); }
};
