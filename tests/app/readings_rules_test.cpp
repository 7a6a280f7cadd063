// What the readings window writes, tested without a window: citations from
// readings rows, translation tags, closing sentences, passage runs and their
// styles, reading titles, range predicates and the service-button groups.

#include "MainDMTest.h"
#include "ReadingsParameters.h"
#include "ReadingsRules.h"
#include "ServiceButtons.h"

#include <gtest/gtest.h>

using namespace ReadingsRules;

namespace {

const QStringList ReadingFields = {"VelmType",   "DayID",    "ReadingTime",    "ReadingType",
                                   "Order",      "BookID",   "StartChapter",   "StartVerse",
                                   "EndChapter", "EndVerse", "StartSkipWords", "EndSkipWords"};

constexpr int JoinDay = 40;
constexpr int LastVelm = 99; // after every other row of the table

class ReadingsCitation : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        using namespace Fixture;
        auto row = [&](int velm, int time, int order, int book, int sc, int sv, int ec, int ev) {
            db.Insert("Readings.DB", ReadingFields,
                      {velm, JoinDay, time, 1, order, book, sc, sv, ec, ev, 0, 0});
        };
        row(VelmAnnual, Matins, 1, Psalms, 1, 1, 1, 3);
        row(VelmAnnual, Matins, 1, Matthew, 1, 1, 1, 2); // another book inside the join
        row(VelmAnnual, Matins, 1, Psalms, 1, 5, 1, 6);
        row(VelmAnnual, Matins, 1, Psalms, 2, 1, 2, 2);
        row(VelmAnnual, Matins, 2, Psalms, 3, 1, 3, 2);
        row(VelmAnnual, Matins, 3, Proverbs, 1, 1, 1, 2);
        row(VelmAnnual, Matins, 3, Proverbs, 1, 4, 1, 4);
        row(VelmAnnual, Liturgy, 3, Proverbs, 1, 7, 1, 8); // same Order, next service
        row(VelmAnnual, Liturgy, 4, 99, 1, 1, 1, 1);       // no such book
        row(LastVelm, Matins, 1, Psalms, 1, 1, 1, 2);
        row(LastVelm, Matins, 1, Psalms, 2, 1, 2, 2);
        db.Insert("BibleBooks.db", {"ID", "BookName", "BookType", "BookOrder", "Translation"},
                  {90, "Odes", 2, 90, 7}); // a translation that is missing
    }
    void SetUp() override {
        MainDMTest::SetUp();
        PsalmsBookID = PsalmsBook;
        PairedBookID = PairedBook;
    }

    // The citation of the row at recNo (1-based) of the day's rows, and
    // whether the row is current again afterwards.
    QString CitationAt(int velm, int time, int recNo, bool& restored) {
        TTable& r = dm().tblReadings;
        r.SetRange({velm, JoinDay}, {velm, JoinDay});
        r.SetRecNo(recNo);
        const int before = r.RecNo();
        const QString c = BuildCitation(r, dm().tblBookNames,
                                        {velm, JoinDay, time == 0 ? Fixture::Matins : time});
        restored = r.RecNo() == before;
        return c;
    }
};

TEST(ReadingsCitationText, OneVerseOneChapterAcrossChapters) {
    EXPECT_EQ(CitationText("John", 5, 5, 7, 7), "John 5:7");
    EXPECT_EQ(CitationText("John", 5, 5, 7, 9), "John 5:7-9");
    EXPECT_EQ(CitationText("John", 5, 6, 7, 2), "John 5:7-6:2");
    EXPECT_EQ(CitationText("Song of Songs", 3, 3, 20, 20), "Song of Songs 3:20");
}

TEST_F(ReadingsCitation, JoinsPsalmsAndPairedBookRowsOfOneOrder) {
    using namespace Fixture;
    struct Case {
        int velm, time, recNo;
        const char* citation;
    } cases[] = {
        // The Matthew row inside the join is passed over; the join goes on.
        {VelmAnnual, Matins, 1, "Psalms 1:1-3, 5-6, 2:1-2"},
        {VelmAnnual, Matins, 2, "Matthew 1:1-2"},
        {VelmAnnual, Matins, 3, "Psalms 1:5-6, 2:1-2"},
        {VelmAnnual, Matins, 5, "Psalms 3:1-2"}, // another Order
        // The paired book joins within its service only.
        {VelmAnnual, Matins, 6, "Proverbs 1:1-2, 4"},
        {VelmAnnual, Liturgy, 8, "Proverbs 1:7-8"},
        // The join runs off the end of the table.
        {LastVelm, Matins, 1, "Psalms 1:1-2, 2:1-2"},
        {LastVelm, Matins, 2, "Psalms 2:1-2"},
    };
    for (const Case& c : cases) {
        bool restored = false;
        EXPECT_EQ(CitationAt(c.velm, c.time, c.recNo, restored), QString::fromLatin1(c.citation))
            << "row " << c.recNo;
        EXPECT_TRUE(restored) << "row " << c.recNo;
    }
}

TEST_F(ReadingsCitation, MissingBookNamesItsIDAndKeepsTheRow) {
    bool restored = false;
    try {
        CitationAt(Fixture::VelmAnnual, Fixture::Liturgy, 9, restored);
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Book Not Found in tblBookNames:99");
    }
    EXPECT_EQ(dm().tblReadings.RecNo(), 9);
}

TEST_F(ReadingsCitation, TranslationTagOrNothing) {
    EXPECT_EQ(TranslationTag(dm().tblBookNames, dm().tblBibleTranslations, Fixture::Matthew),
              "[WEB]");
    EXPECT_EQ(TranslationTag(dm().tblBookNames, dm().tblBibleTranslations, 90), "");
    EXPECT_EQ(TranslationTag(dm().tblBookNames, dm().tblBibleTranslations, 99), "");
}

// The Bible place of a tree node: a book name with blanks is taken whole;
// service, day and Synaxarium nodes are not citations.
TEST(ReadingsCitationLink, BookChapterAndFirstVerse) {
    struct Case {
        const char* node;
        const char* book;
        int chapter, verse;
        bool valid;
    } cases[] = {
        {"Psalms 1:1-3, 5-6", "Psalms", 1, 1, true},
        {"John 3:20-4:6", "John", 3, 20, true},
        {"1 John 4:8", "1 John", 4, 8, true},
        {"Song of Songs 2:11", "Song of Songs", 2, 11, true},
        {"Liturgy", "", 0, 0, false},
        {"Liturgy Tut 7, 1741 - September 17, 2024, Day title", "", 0, 0, false},
        {"Synaxarium: Tut 7, 1741 - September 17, 2024", "", 0, 0, false},
        {"Mark x:1", "Mark", 0, 1, false},
        {"Mark 1:", "Mark", 1, 0, false},
        {"", "", 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        const ReadingsRules::TCitationLink link = ReadingsRules::ParseCitation(c.node);
        EXPECT_EQ(link.BookName, QLatin1String(c.book));
        EXPECT_EQ(link.Chapter, c.chapter);
        EXPECT_EQ(link.Verse, c.verse);
        EXPECT_EQ(link.Valid(), c.valid);
    }
}

// The radio group's item index as a range choice, and what each choice
// shows of a service and of the Synaxarium.
TEST(ReadingsRangeChoice, IndexesAndPredicates) {
    EXPECT_EQ(RangeChoiceOfIndex(0), ServiceRangeChoice::FullReadings);
    EXPECT_EQ(RangeChoiceOfIndex(1), ServiceRangeChoice::CitationsOnly);
    EXPECT_EQ(RangeChoiceOfIndex(2), ServiceRangeChoice::NotShown);
    EXPECT_EQ(RangeChoiceOfIndex(-1), ServiceRangeChoice::NotShown);
    TReadingsParameters p;
    p.SynxChoice = ServiceRangeChoice::CitationsOnly;
    EXPECT_TRUE(p.IsSynaxariumShown(true));
    EXPECT_FALSE(p.IsSynaxariumShown(false));
    EXPECT_FALSE(p.IsSynaxariumFull());
    p.ShowSynxAlways = true;
    EXPECT_TRUE(p.IsSynaxariumShown(false));
    p.SynxChoice = ServiceRangeChoice::NotShown;
    EXPECT_FALSE(p.IsSynaxariumShown(true));
}

TEST(ReadingsClosingSentence, OneToSixAndNoneOutside) {
    const char* expected[] = {
        "",
        "  Glory be to the Holy Trinity. Amen",
        "  The Grace of God the Father be with you all. Amen",
        "  Do not love the world, nor the things which are in the world. The world shall pass "
        "away and all its desires; but he who does the will of God shall abide forever. Amen",
        "  The word of the Lord shall grow, multiply, be mighty and be confirmed in the holy "
        "church of God. Amen",
        "  Alleluia",
        "  Glory is due to our God to the age of all ages. Amen",
        "",
    };
    for (int type = 0; type <= 7; ++type)
        EXPECT_EQ(ClosingSentence(type), QString::fromLatin1(expected[type])) << type;
}

TEST(ReadingsRunStyle, SizesColoursAndWeightsForThreeFonts) {
    struct Case {
        TRunKind kind;
        quint32 rgb;
        TRunWeight weight;
        int size8, size12, size20;
    } cases[] = {
        {TRunKind::Rule, Black, TRunWeight::Bold, 12, 12, 12},
        {TRunKind::ServiceHeading, Red, TRunWeight::Bold, 16, 20, 26},
        {TRunKind::ReadingHeading, Blue, TRunWeight::Bold, 10, 14, 22},
        {TRunKind::ChapterMarker, Blue, TRunWeight::Bold, 13, 17, 25},
        {TRunKind::VerseNumber, Red, TRunWeight::Bold, 3, 7, 15},
        {TRunKind::Body, Black, TRunWeight::ReadingsStyle, 8, 12, 20},
        {TRunKind::Tag, Black, TRunWeight::Regular, 6, 7, 15},
        {TRunKind::Closing, Blue, TRunWeight::Regular, 9, 9, 9},
    };
    for (const Case& c : cases) {
        const int sizes[] = {c.size8, c.size12, c.size20};
        const int fonts[] = {8, 12, 20};
        for (int i = 0; i < 3; ++i) {
            const TRunStyle s = RunStyle(c.kind, fonts[i], DefaultTextSize, Red);
            EXPECT_EQ(s.Size, sizes[i]) << int(c.kind) << " at " << fonts[i];
            EXPECT_EQ(s.Rgb, c.rgb) << int(c.kind);
            EXPECT_EQ(s.Weight, c.weight) << int(c.kind);
        }
    }
    EXPECT_EQ(RunStyle(TRunKind::ServiceHeading, 12, DefaultTextSize, Blue).Rgb, Blue);
}

TEST(ReadingsPassage, RunsOfMarkersNumbersAndBody) {
    using R = TPassageRun;
    const TRunKind M = TRunKind::ChapterMarker, N = TRunKind::VerseNumber, B = TRunKind::Body;
    struct Case {
        QString passage;
        QList<R> runs;
    } cases[] = {
        {"[Psalm 3] 1 Lord, how many. 2 Many say.",
         {{M, "[Psalm 3]"},
          {B, " "},
          {N, "1"},
          {B, " Lord, how many. "},
          {N, "2"},
          {B, " Many say."}}},
        // Digits inside a verse's text take the verse-number style.
        {"3:16 He chose 12 men.", {{N, "3:16"}, {B, " He chose "}, {N, "12"}, {B, " men."}}},
        // A "[" right after a marker starts a body run.
        {"[A][B]", {{M, "[A]"}, {B, "[B]"}}},
        {"[Chapter 2", {{M, "[Chapter 2"}}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitPassage(c.passage), c.runs) << c.passage.toStdString();
}

// A full stop only where no punctuation mark ends the passage, closing
// quotes and brackets aside; the text before it never changes.
TEST(ReadingsPassage, EndsInOnePunctuationMark) {
    const struct {
        QString passage, ending;
    } cases[] = {
        {"He is risen.", ""},
        {"He is risen", "."},
        {"", "."},
        {"Glory to God in the highest!\u201D", ""},
        {"who made the seas;", ""},
        {"and he said,", ""},
        {"Who is he?\u2019\u201D", ""},
        {"than to receive.\u2019 \u201D", ""},
        {"the very last penny. \u201D", ""},
        {"(as it is written:)", ""},
        {"if you will forgive their sin\u2014", ""},
        {"your neighbor\u2019s", "."},
        {"\u201CI am the light\u201D", "."},
        {"the ark (of the covenant)", "."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithFullStop(c.passage), c.passage + c.ending) << c.passage.toStdString();
}

TEST(ReadingsTitle, NightSuffixAndFontSize) {
    struct Case {
        TTitleDay day;
        const char* suffix;
    } cases[] = {
        {{dtHolyLent, true, false, false, false, 1}, " / Night of Holy Monday"},   // Palm Sunday
        {{dtHolyLent, false, true, false, false, 4}, " / Night of Holy Thursday"}, // Holy Wednesday
        {{dtHolyLent, false, true, false, false, 5},
         " / Night of Holy Friday"},                       // Covenant Thursday
        {{dtHolyLent, false, true, true, false, 6}, ""},   // Good Friday
        {{dtHolyLent, false, true, false, true, 7}, ""},   // Holy Saturday
        {{dtAnnual, false, true, false, false, 4}, ""},    // an Annual day
        {{dtHolyLent, false, false, false, false, 4}, ""}, // a Lent day
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadingTitle("Baramhat 9, 1740", "March 18, 2024", "Day", c.day),
                  QStringLiteral("Baramhat 9, 1740 - March 18, 2024, Day") +
                      QLatin1String(c.suffix));
    EXPECT_EQ(ReadingTitleFontSize(QString(40, 'x')), 12);
    EXPECT_EQ(ReadingTitleFontSize(QString(41, 'x')), 10);
}

TEST(ReadingsRange, ServiceShownAndFullByChoice) {
    TReadingsParameters p;
    p.VespersChoice = ServiceRangeChoice::NotShown;
    p.MatinsChoice = ServiceRangeChoice::CitationsOnly;
    p.PassionChoice = ServiceRangeChoice::CitationsOnly;
    struct Case {
        int time;
        bool shown, full;
    } cases[] = {{dtHolyLent, false, false}, {2, true, false},  {3, true, true},  {4, true, true},
                 {5, true, false},           {16, true, false}, {0, false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(p.IsServiceShown(c.time), c.shown) << c.time;
        EXPECT_EQ(p.IsServiceFull(c.time), c.full) << c.time;
    }
    p.RangeAllServices = true;
    EXPECT_TRUE(p.IsServiceShown(0));
    EXPECT_TRUE(p.IsServiceFull(1));
}

TEST(ServiceButtonsGroups, EveryCategory) {
    // times, vespers, evening (visible, enabled), palm, day hours, 12th, night, bright
    struct Case {
        int category;
        bool times, vespers, eveningShown, eveningEnabled, palm, dayHours, twelfth, night, bright;
    } cases[] = {
        {1, true, false, true, true, false, false, false, false, false},
        {2, true, true, false, false, false, false, false, false, false},
        {3, true, true, false, false, false, false, false, false, false},
        {4, false, true, false, false, true, false, false, true, false},
        {5, true, true, false, false, false, false, false, false, false},
        {6, true, true, false, false, false, false, false, false, false},
        {7, true, true, false, false, false, false, false, false, false},
        {8, true, true, true, true, false, false, false, false, false},
        {9, true, false, true, false, false, false, false, false, false},
        {10, false, true, false, false, false, true, false, true, false},
        {11, false, true, false, false, false, true, true, false, false},
        {12, false, true, false, false, false, false, false, false, true},
        {13, true, false, false, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        const ServiceButtons::TGroupState g =
            ServiceButtons::GroupState(TDayCategory(c.category), false);
        EXPECT_EQ(g.TimesVisible, c.times) << c.category;
        EXPECT_EQ(g.VespersEnabled, c.vespers) << c.category;
        EXPECT_EQ(g.EveningVisible, c.eveningShown) << c.category;
        EXPECT_EQ(g.EveningEnabled, c.eveningEnabled) << c.category;
        EXPECT_EQ(g.PalmSundayVisible, c.palm) << c.category;
        EXPECT_EQ(g.DayHoursVisible, c.dayHours) << c.category;
        EXPECT_EQ(g.Day12thHourVisible, c.twelfth) << c.category;
        EXPECT_EQ(g.NightHoursVisible, c.night) << c.category;
        EXPECT_EQ(g.BrightSaturdayVisible, c.bright) << c.category;
        // The Entry of the Lord to the Temple keeps Vespers open.
        EXPECT_TRUE(ServiceButtons::GroupState(TDayCategory(c.category), true).VespersEnabled)
            << c.category;
    }
    const auto friday = ServiceButtons::GroupState(dcGoodFriday, false);
    EXPECT_TRUE(friday.DayHoursTopAligned);
    EXPECT_EQ(friday.DayHoursWidth, 199);
    EXPECT_EQ(friday.DayHourButtonLeft, 24);
    EXPECT_EQ(friday.DayHourButtonWidth, 150);
    const auto monday = ServiceButtons::GroupState(dcHolyWeek, false);
    EXPECT_FALSE(monday.DayHoursTopAligned);
    EXPECT_EQ(monday.DayHoursWidth, 100);
    EXPECT_EQ(monday.DayHourButtonLeft, 10);
    EXPECT_EQ(monday.Day12thHourLeft, 8);
    EXPECT_EQ(monday.DayHourButtonWidth, 75);
}

} // namespace
