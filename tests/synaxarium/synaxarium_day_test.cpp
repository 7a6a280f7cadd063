// One Synaxarium day read from the fixture tables: entries, icons, related
// dates and keywords, the twelve-entry limit, a day without entry 1, the
// browse cursor's steps and the Gregorian date text of a Coptic date.

#include "DMMain.h"
#include "FixtureDb.h"
#include "SynxDay.h"
#include "SynxFixture.h"
#include "TableEngine.h"

#include <gtest/gtest.h>

using namespace SynxFixture;

namespace {

int BrowseID() {
    return MainDM->tblSynxHdBrowse.FieldByName("ID")->AsInteger();
}

void Browse(int month, int day) {
    ASSERT_TRUE(MainDM->tblSynxHdBrowse.FindKey({month, day}));
}

} // namespace

TEST(SynxDates, GregorianTextOfACopticDateInAYear) {
    struct Case {
        int year, month, day;
        const char* text;
    } cases[] = {
        {2006, 1, 1, "September 11"}, {2007, 1, 1, "September 12"}, // before a leap year
        {2006, 2, 1, "October 11"},   {2006, 5, 1, "January 9"},    // no leading zero
        {2008, 5, 1, "January 10"},   {2006, 7, 29, "April 7"},     {2006, 13, 5, "September 10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CopticToGregorianText(c.year, c.month, c.day), c.text)
            << c.year << " " << c.month << "/" << c.day;
    EXPECT_EQ(SynxDateCaption(8, 1), "Barmoudah 1");
}

class SynxDayEntries : public SynxTest {};

TEST_F(SynxDayEntries, IconsRelatedDatesAndKeywordsOfEachEntry) {
    Browse(4, 29);
    const QList<TSynxEntry> e = ReadSynxEntries(MainDMSynxTables(), Three);
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(SynxEntryCaption(e[0]), "1- Three One");
    EXPECT_EQ(e[0].Desc, "The first story.");
    EXPECT_EQ(e[0].PictureFile, "one.jpg");
    EXPECT_EQ(e[0].PictSaintName, "Saint One Icon");
    EXPECT_TRUE(e[0].LinkA.Shown);
    EXPECT_EQ(e[0].LinkA.Caption, "Tut 1");
    EXPECT_EQ(e[0].LinkA.HeadID, Fixture::SynxTut1);
    EXPECT_EQ(e[0].LinkA.EntryNumber, 2);
    // A related date without a head row is shown and carries ID 0.
    EXPECT_TRUE(e[0].LinkB.Shown);
    EXPECT_EQ(e[0].LinkB.Caption, "Hatour 7");
    EXPECT_EQ(e[0].LinkB.HeadID, 0);
    EXPECT_EQ(e[0].Keyword, KeywordThree1);

    // Day 0 is no date: no link A; B alone hands on the entry's own keyword.
    EXPECT_FALSE(e[1].LinkA.Shown);
    EXPECT_TRUE(e[1].PictureFile.isEmpty());
    EXPECT_EQ(e[1].LinkB.Caption, "Barmoudah 2");
    EXPECT_EQ(e[1].LinkB.HeadID, Fourteen);
    EXPECT_EQ(e[1].LinkB.EntryNumber, 4);
    EXPECT_EQ(e[1].Keyword, KeywordThree2);

    EXPECT_FALSE(e[2].LinkA.Shown);
    EXPECT_EQ(e[2].LinkB.HeadID, Fixture::SynxTut2);
    EXPECT_TRUE(e[2].Keyword.isEmpty());

    // The related dates leave the browse cursor where it was.
    EXPECT_EQ(BrowseID(), Fixture::SynxKiahk29);
}

TEST_F(SynxDayEntries, TwelveOfFourteenAndNoneWithoutEntryOne) {
    Browse(1, 1);
    const QList<TSynxEntry> many = ReadSynxEntries(MainDMSynxTables(), Fourteen);
    ASSERT_EQ(many.size(), MaxSynxEntries);
    EXPECT_EQ(many.last().Name, "Entry 12");
    EXPECT_TRUE(ReadSynxEntries(MainDMSynxTables(), NoFirst).isEmpty());
    EXPECT_TRUE(ReadSynxEntries(MainDMSynxTables(), 0).isEmpty());
    EXPECT_EQ(GetEntryKeyword(MainDM->tblSynxSaintByIdNum, Fourteen, 3), KeywordFourteen3);
    EXPECT_EQ(GetEntryKeyword(MainDM->tblSynxSaintByIdNum, Fourteen, 4), "");
}

TEST_F(SynxDayEntries, StepsStopAtTheFirstAndLastDay) {
    struct Case {
        int from;
        bool forward;
        int to;
    } cases[] = {
        {Fixture::SynxTut1, false, Fixture::SynxTut1},
        {Fixture::SynxTut1, true, Fixture::SynxTut2},
        {Fixture::SynxTut2, true, Fixture::SynxKiahk29},
        {Three, false, Fixture::SynxBaramhat29},
        {Last, false, NoFirst},
        {Last, true, Last},
    };
    for (const Case& c : cases) {
        // The cursor starts away from the day and is brought back first.
        Browse(c.from < NoFirst ? 13 : 1, c.from < NoFirst ? 5 : 1);
        StepBrowseCursor(MainDM->tblSynxHdBrowse, c.from, c.forward);
        EXPECT_EQ(BrowseID(), c.to) << c.from << (c.forward ? " forward" : " back");
    }
}
