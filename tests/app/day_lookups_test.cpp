// The table look-ups of the shown day on the fixture tables: the saints of a
// Coptic day and the verse of the day.

#include "DMMain.h"
#include "DayTables.h"
#include "TableEngine.h"
#include "day_fixture.h"

#include <gtest/gtest.h>

#include <memory>

using namespace DayRules;
using namespace DayFixture;

namespace {

class DayLookupsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { db_ = std::make_unique<TDayDatabase>(); }
    static void TearDownTestSuite() { db_.reset(); }
    static std::unique_ptr<TDayDatabase> db_;
};
std::unique_ptr<TDayDatabase> DayLookupsTest::db_;

} // namespace

class DaySaints : public DayLookupsTest {};

TEST_F(DaySaints, LabelsOfADay) {
    TSynaxariumDay three =
        LocateSynaxariumDay(MainDM->tblSynxHead, MainDM->tblSynxDetail, 2, 3, true);
    ASSERT_TRUE(three.Found);
    EXPECT_EQ(three.SynxID, SynxHeadID(2, 3));
    EXPECT_EQ(three.Captions,
              QStringList({"1- Saint 1 of 2/3", "2- Saint 2 of 2/3", "3- Saint 3 of 2/3"}));

    TSynaxariumDay many =
        LocateSynaxariumDay(MainDM->tblSynxHead, MainDM->tblSynxDetail, 2, 4, true);
    ASSERT_EQ(many.Captions.size(), 12);
    EXPECT_EQ(many.Captions.last(), "12- Saint 12 of 2/4");
}

TEST_F(DaySaints, LocateLeavesTheDetailOnEntryOne) {
    TSynaxariumDay day =
        LocateSynaxariumDay(MainDM->tblSynxHead, MainDM->tblSynxDetail, 2, 4, false);
    ASSERT_TRUE(day.Found);
    EXPECT_TRUE(day.Captions.isEmpty());
    EXPECT_EQ(MainDM->tblSynxDetail.FieldByName("SynxID")->AsInteger(), SynxHeadID(2, 4));
    EXPECT_EQ(MainDM->tblSynxDetail.FieldByName("Number")->AsInteger(), 1);
}

TEST_F(DaySaints, MissingDaysAreNotFound) {
    EXPECT_FALSE(LocateSynaxariumDay(MainDM->tblSynxHead, MainDM->tblSynxDetail, 3, 7, true).Found);
    EXPECT_FALSE(LocateSynaxariumDay(MainDM->tblSynxHead, MainDM->tblSynxDetail, 3, 8, true).Found);
}

// ------------------------------------------------------------------- verse ---

class DayVerse : public DayLookupsTest {};

TEST_F(DayVerse, ByDayOfTheYear) {
    EXPECT_EQ(VerseOfTheDay(MainDM->tblVerses, 366), "Verse 1");
    EXPECT_EQ(VerseOfTheDay(MainDM->tblVerses, 1), "Verse 2");
    EXPECT_EQ(VerseOfTheDay(MainDM->tblVerses, 365), "Verse 366");
}

TEST(DayVerseEmpty, EmptyTableGivesEmptyVerse) {
    TDayDatabase db(0);
    EXPECT_EQ(VerseOfTheDay(MainDM->tblVerses, 100), "");
}
