// Chapter and verse look-ups, day-type IDs and reading-time names.

#include "MainDMTest.h"

using namespace Fixture;

namespace {

template <typename F> QString errorOf(F&& f) {
    try {
        f();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

// ---- first and last chapter and verse ------------------------------------------

using ChapterVerseTest = MainDMTest;

TEST_F(ChapterVerseTest, FirstAndLastChapterOfABook) {
    EXPECT_EQ(dm().GetFirstChapter(Matthew), 1);
    EXPECT_EQ(dm().GetLastChapter(Matthew), 3);
    EXPECT_EQ(dm().GetLastChapter(Mark), 3);
    EXPECT_EQ(dm().GetLastChapter(Proverbs), 1);
}

TEST_F(ChapterVerseTest, FirstAndLastVerseOfAChapter) {
    EXPECT_EQ(dm().GetFirstVerse(Matthew, 2), 1);
    EXPECT_EQ(dm().GetLastVerse(Matthew, 2), 23);
    EXPECT_EQ(dm().GetLastVerse(Matthew, 3), 17);
    EXPECT_EQ(dm().GetLastVerse(Psalms, 2), 12);
}

TEST_F(ChapterVerseTest, LookupsLeaveTheBibleCursorOnTheAnswer) {
    dm().GetLastVerse(Genesis, 1);
    EXPECT_EQ(dm().tblBible.FieldByName("BookID")->AsInteger(), Genesis);
    EXPECT_EQ(dm().tblBible.FieldByName("Chapter")->AsInteger(), 1);
    EXPECT_EQ(dm().tblBible.FieldByName("Verse")->AsInteger(), 31);
}

TEST_F(ChapterVerseTest, LastBookOfTheTable) {
    // No key follows the last book: its last verse must not be skipped.
    EXPECT_EQ(dm().GetLastChapter(Manasseh), 2);
    EXPECT_EQ(dm().GetLastVerse(Manasseh, 2), 1);
    EXPECT_EQ(dm().GetLastVerse(Manasseh, 1), 3);
}

TEST_F(ChapterVerseTest, MissingBookRaises) {
    EXPECT_EQ(errorOf([&] { dm().GetFirstChapter(3); }),
              "Can Not Locate First Chapter for This Book");
    EXPECT_EQ(errorOf([&] { dm().GetLastChapter(3); }), "Can Not Locate Last Chapter of This Book");
    EXPECT_EQ(errorOf([&] { dm().GetFirstChapter(99); }),
              "Can Not Locate First Chapter for This Book");
}

TEST_F(ChapterVerseTest, MissingChapterRaises) {
    EXPECT_EQ(errorOf([&] { dm().GetFirstVerse(Matthew, 4); }),
              "Can Not Locate First Verse for This Book");
    EXPECT_EQ(errorOf([&] { dm().GetLastVerse(Matthew, 4); }), "Can Not Locate Last Verse");
    EXPECT_EQ(errorOf([&] { dm().GetFirstVerse(Mark, 0); }),
              "Can Not Locate First Verse for This Book");
}

TEST_F(ChapterVerseTest, LastVerseComparesTheBook) {
    // Book 3 is missing; the row before its place is Mark 3:5.
    EXPECT_EQ(errorOf([&] { dm().GetLastVerse(3, 3); }), "Can Not Locate Last Verse");
}

TEST_F(ChapterVerseTest, LookupsHonourTheBibleFilter) {
    dm().tblBible.SetFilter("BookID < 28");
    EXPECT_EQ(errorOf([&] { dm().GetFirstChapter(Genesis); }),
              "Can Not Locate First Chapter for This Book");
    EXPECT_EQ(dm().GetLastChapter(Mark), 3);
}

// ---- day types and reading times -----------------------------------------------

using DayTypeTest = MainDMTest;

TEST_F(DayTypeTest, VelmTypeIDOfEachDayType) {
    EXPECT_EQ(dm().GetVelmTypeID(1), VelmLent);
    EXPECT_EQ(dm().GetVelmTypeID(2), VelmFifty);
    EXPECT_EQ(dm().GetVelmTypeID(3), VelmAnnual);
    EXPECT_EQ(dm().GetVelmTypeID(4), VelmSundays);
}

TEST_F(DayTypeTest, UnknownDayTypeRaisesWithAnEmptyName) {
    EXPECT_EQ(errorOf([&] { dm().GetVelmTypeID(5); }),
              "Velmorande Type Not Found in VelmType.db: ");
    EXPECT_EQ(errorOf([&] { dm().GetVelmTypeID(0); }),
              "Velmorande Type Not Found in VelmType.db: ");
}

TEST_F(DayTypeTest, ReadingTimeIDByName) {
    EXPECT_EQ(dm().GetReadingTimeID("Liturgy"), Liturgy);
    EXPECT_EQ(dm().GetReadingTimeID("Vespers"), Vespers);
    EXPECT_EQ(errorOf([&] { dm().GetReadingTimeID("Compline"); }),
              "Reading Time is not found in ReadingsTimes.db: Compline");
}

class ReadingTimeNameTest : public MainDMTest {
protected:
    QString name(int id, bool palm, bool joyous, bool holyWeek, int weekDay) {
        dayState.weekDay = weekDay;
        return dm().GetReadingTimeName(id, palm, joyous, holyWeek);
    }
};

TEST_F(ReadingTimeNameTest, OrdinaryDayGivesTheTime) {
    for (int id : {1, 3, 7, 11, 16, 17})
        EXPECT_EQ(name(id, false, false, false, 4), ReadingTimeName(id)) << id;
}

TEST_F(ReadingTimeNameTest, HolyWeekColumn) {
    EXPECT_EQ(name(1, false, false, true, 3), "Vespers of Holy Tuesday");
    EXPECT_EQ(name(7, false, false, true, 3), "Sixth Hour of Holy Tuesday");
    EXPECT_EQ(name(10, false, false, true, 5), "Twelfth Hour of Holy Thursday");
    EXPECT_EQ(name(11, false, false, true, 3), "First Hour of the Eve of Holy Wednesday");
    EXPECT_EQ(name(16, false, false, true, 6), "Twelfth Hour of the Eve of Holy Saturday");
    EXPECT_EQ(name(17, false, false, true, 3), "Psalmody");
}

TEST_F(ReadingTimeNameTest, HolyWeekEveOfSaturdayWrapsToSunday) {
    EXPECT_EQ(name(11, false, false, true, 7), "First Hour of the Eve of Holy Sunday");
    EXPECT_EQ(name(16, false, false, true, 7), "Twelfth Hour of the Eve of Holy Sunday");
}

TEST_F(ReadingTimeNameTest, JoyousSaturdayColumn) {
    EXPECT_EQ(name(1, false, true, false, 7), "Songs and Prayers of Holy Saturday");
    EXPECT_EQ(name(1, false, true, true, 7), "Songs and Prayers of Holy Saturday");
    EXPECT_EQ(name(2, false, true, false, 7), "Matins");
    EXPECT_EQ(name(2, false, true, true, 7), "Matins of Holy Saturday");
    EXPECT_EQ(name(7, false, true, true, 7), "Sixth Hour of Holy Saturday");
}

TEST_F(ReadingTimeNameTest, PalmSundayColumn) {
    EXPECT_EQ(name(1, true, false, false, 1), "Vespers of Palm Sunday");
    EXPECT_EQ(name(6, true, false, false, 1), "Third Hour of Palm Sunday");
    EXPECT_EQ(name(8, true, false, false, 1), "Ninth Hour of Palm Sunday");
    EXPECT_EQ(name(7, true, false, false, 1), "General Funeral Prayers");
    EXPECT_EQ(name(12, true, false, false, 1), "Third Hour of the Eve of Holy Monday");
    EXPECT_EQ(name(17, true, false, false, 1), "Psalmody");
}

TEST_F(ReadingTimeNameTest, WeekdayIsReadAtEachCall) {
    EXPECT_EQ(name(3, false, false, true, 2), "Liturgy of Holy Monday");
    EXPECT_EQ(name(3, false, false, true, 6), "Liturgy of Holy Friday");
}

TEST_F(ReadingTimeNameTest, UnknownIDRaises) {
    EXPECT_EQ(errorOf([&] { name(99, false, false, false, 1); }),
              "Reading Time ID is not found in ReadingsTimes.db: 99");
}

} // namespace
