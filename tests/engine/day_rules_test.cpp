// The day rules without a window or a database: titles and keys, day
// records, fasting, tune, Synaxarium reading and pictures, each computed
// through the one computation of the shown day on the day rows in memory.

#include "DayRules.h"

#include "Apaqty.h"
#include "DayRows.h"
#include "NativityCalculator.h"
#include "ShownDay.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace DayRules;
using namespace DayFixture;

namespace {

const QString NL = QStringLiteral("\r\n");

QDate D(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// One shown day as the main window computes it; calendarDate is the date
// the calendar shows (the same unless given).
struct TDay {
    TApaqty e;
    TNativityCalculator n;
    TMemoryDayTables tables;
    TShownDay shown;
    TDayKey key;
    TDayRecord record;
    QString title;

    explicit TDay(const QDate& date, QDate calendarDate = QDate()) {
        shown = ComputeShownDay(date, calendarDate.isValid() ? calendarDate : date, e, n, tables);
        key = shown.DayKey;
        record = shown.Record;
        title = shown.Title;
    }
    TFastingLevel Fasting() const { return shown.FastingLevel; }
    QString FastingLabel() const { return FastingText(shown.FastingLevel, shown.NoAbstinence); }
    QString TuneLabel() const { return TuneText(shown.TuneKind); }
    TPictureChoice Picture() const { return shown.Picture; }
};

// The rules are pure: a suite needs nothing set up.
class DayRulesTest : public ::testing::Test {};

} // namespace

// ------------------------------------------------------------------ titles ---

class DayTitle : public DayRulesTest {};

TEST_F(DayTitle, PlainAnnualWeekdayIsTheWeekdayName) {
    TDay day(D("2024-10-22")); // Tuesday, Babah 12
    EXPECT_EQ(day.title, "Tuesday");
    EXPECT_EQ(day.key.DayType, 3);
    EXPECT_EQ(day.record.DayID, YearlyID(2, 12));
    EXPECT_EQ(day.record.DayComment, "Annual comment 2/12");
    EXPECT_EQ(day.record.DayName, "Annual name 2/12");
}

TEST_F(DayTitle, SundayOnMonthly29thReadsBaramhat29WithNote) {
    TDay day(D("2026-11-08")); // Sunday, Babah 29
    EXPECT_EQ(day.title, "Fifth Sunday of Babah" + NL + "Readings source: Baramhat 29");
    EXPECT_EQ(day.key.DayType, 3);
    EXPECT_EQ(day.key.CopticMonth, 7);
    EXPECT_EQ(day.key.CopticDay, 29);
    EXPECT_EQ(day.record.DayID, YearlyID(7, 29));
    EXPECT_TRUE(day.record.DayComment.isEmpty());
    EXPECT_TRUE(day.record.DayName.isEmpty());
    EXPECT_EQ(day.record.VerseOfTheDay, "Annual verse 7/29");
}

TEST_F(DayTitle, NativityOnKiahk28IsObservedOnTwoDays) {
    TDay jan7(D("2024-01-07"));
    EXPECT_EQ(jan7.title, "Sunday" + NL + "(Nativity Feast Observed)");
    EXPECT_EQ(jan7.key.DayType, 3);
    EXPECT_EQ(jan7.record.DayID, YearlyID(4, 29));

    TDay jan8(D("2024-01-08"));
    EXPECT_EQ(jan8.title, "Monday (Nativity Feast)");
    EXPECT_EQ(jan8.key.DayType, 3);
    EXPECT_EQ(jan8.record.DayID, YearlyID(4, 29));
}

TEST_F(DayTitle, NativityOnKiahk29IsOneDay) {
    TDay jan7(D("2025-01-07"));
    EXPECT_EQ(jan7.title, "Tuesday (Nativity Feast)");
    TDay jan8(D("2025-01-08"));
    EXPECT_EQ(jan8.title, "Wednesday");
    EXPECT_EQ(jan8.record.DayID, YearlyID(4, 30));
}

TEST_F(DayTitle, ThreeParamounDaysBeforeAMondayNativity) {
    const char* days[] = {"2019-01-04", "2019-01-05", "2019-01-06"};
    const char* names[] = {"Friday", "Saturday", "Sunday"};
    for (int i = 0; i < 3; ++i) {
        TDay day(D(days[i]));
        EXPECT_EQ(day.title, QString::fromLatin1(names[i]) + NL + "(Nativity Paramouni)")
            << days[i];
        EXPECT_EQ(day.key.DayType, 3);
        EXPECT_EQ(day.key.CopticDay, 28);
        EXPECT_EQ(day.record.DayID, YearlyID(4, 28));
    }
    TDay before(D("2019-01-03"));
    EXPECT_EQ(before.title, "Thursday");
    EXPECT_EQ(before.record.DayID, YearlyID(4, 25));
}

TEST_F(DayTitle, AnnunciationInLentUsesTheAnnualRecord) {
    TDay day(D("2024-04-07")); // a Sunday of Great Lent
    ASSERT_EQ(day.e.DayType, 1);
    EXPECT_EQ(day.title, "Sunday" + NL + "(Annunciation Feast)");
    EXPECT_EQ(day.key.DayType, 3);
    EXPECT_EQ(day.record.DayID, YearlyID(7, 29));
}

TEST_F(DayTitle, FifthSundayBeforeJonahReadsPreLentSunday) {
    TDay day(D("2039-02-06")); // Tubah 29, 70 days before Easter
    EXPECT_EQ(day.title, "Fifth Sunday of Tubah" + NL + "(Readings of Pre-Lent Sunday)");
    EXPECT_EQ(day.key.DayType, 1);
    EXPECT_EQ(day.key.EasterOffset, 56);
    EXPECT_EQ(day.record.DayID, LentID(56));
    EXPECT_TRUE(IsSynaxariumRead(day.key));
}

TEST_F(DayTitle, BorrowedKiahkSundays) {
    TDay first(D("2007-12-09")); // Hatour 29
    EXPECT_EQ(first.title, "First Sunday of Kiahk" + NL + "(Borrowed From Hatour)" + NL +
                               "Readings source: Baramhat 29");
    EXPECT_EQ(first.record.DayID, YearlyID(7, 29));

    TDay second(D("2007-12-16"));
    EXPECT_EQ(second.title, "Second Sunday of Kiahk" + NL + "(Moved one week)");
    EXPECT_EQ(second.key.DayType, 4);
    EXPECT_EQ(second.record.DayID, SundayID(4, 2));

    TDay third(D("2007-12-23"));
    EXPECT_EQ(third.title, "Third Sunday of Kiahk" + NL + "(Moved one week)");
    EXPECT_EQ(third.record.DayID, SundayID(4, 3));

    TDay fourth(D("2007-12-30"));
    EXPECT_EQ(fourth.title, "Fourth Sunday of Kiahk" + NL + "(Moved one week)");
    EXPECT_EQ(fourth.record.DayID, SundayID(4, 4));

    // The fourth Sunday that falls in January says nothing of moving.
    TDay january(D("2012-01-01"));
    EXPECT_EQ(january.title, "Fourth Sunday of Kiahk");
    EXPECT_EQ(january.record.DayID, SundayID(4, 4));
}

TEST_F(DayTitle, KiahkSundaysInAYearWithoutBorrowing) {
    TDay first(D("2024-12-15"));
    EXPECT_EQ(first.title, "First Sunday of Kiahk");
    EXPECT_EQ(first.key.CopticMonth, 4);
    EXPECT_EQ(first.record.DayID, SundayID(4, 1));
    TDay third(D("2024-12-29"));
    EXPECT_EQ(third.title, "Third Sunday of Kiahk");
}

TEST_F(DayTitle, YearWhoseFirstOfTutIsASunday) {
    TDay tut1(D("2022-09-11"));
    EXPECT_EQ(tut1.title, "Sunday (New Coptic Year)");
    EXPECT_EQ(tut1.key.DayType, 3);
    EXPECT_EQ(tut1.record.DayID, YearlyID(1, 1));

    TDay tut8(D("2022-09-18"));
    EXPECT_EQ(tut8.title, "(Readings of First Sunday of Tut)");
    EXPECT_EQ(tut8.key.SundayNumber, 1);
    EXPECT_EQ(tut8.record.DayID, SundayID(1, 1));

    TDay tut22(D("2022-10-02"));
    EXPECT_EQ(tut22.title, "(Readings of Third Sunday of Tut)");
    EXPECT_EQ(tut22.record.DayID, SundayID(1, 3));
}

TEST_F(DayTitle, NewCopticYearOnAWeekday) {
    TDay tut1(D("2024-09-11"));
    EXPECT_EQ(tut1.title, "Wednesday (New Coptic Year)");
}

TEST_F(DayTitle, FifthSundayOfKiahkUsesKiahk30) {
    TDay day(D("2017-01-08"));
    EXPECT_EQ(day.title, "Fifth Sunday of Kiahk (Using Kiahk 30 Readings)");
    EXPECT_EQ(day.key.DayType, 3);
    EXPECT_EQ(day.record.DayID, YearlyID(4, 30));
}

TEST_F(DayTitle, EntryToEgyptInTheFiftyDaysIsAnnual) {
    // Bashans 24 on a Sunday of the Fifty Days.
    TDay day(D("2025-06-01"));
    ASSERT_TRUE(day.e.IsEntryToEgypt());
    ASSERT_EQ(day.e.DayType, 2);
    EXPECT_EQ(day.title, "Sunday" + NL + "(Entry of the Lord into Egypt)");
    EXPECT_EQ(day.key.DayType, 3);
}

TEST_F(DayTitle, LentAndFiftyDaysAreNamedByTheirRecord) {
    TDay lent(D("2024-03-20"));
    EXPECT_EQ(lent.title, "Lent name 46");
    EXPECT_EQ(lent.record.DayID, LentID(46));
    TDay easter(D("2024-05-05"));
    EXPECT_EQ(easter.title, "Lent name 0");
    TDay fifty(D("2024-05-12"));
    EXPECT_EQ(fifty.title, "Fifty name 7");
    EXPECT_EQ(fifty.record.DayID, FiftyID(7));
}

TEST_F(DayTitle, LayoutByLengthAndLines) {
    EXPECT_FALSE(TitleIsLong("Tuesday"));
    EXPECT_FALSE(TitleTopAligned("Tuesday"));
    const QString twoLines = "Sunday" + NL + "(X)";
    EXPECT_FALSE(TitleIsLong(twoLines));
    EXPECT_TRUE(TitleTopAligned(twoLines));
    EXPECT_FALSE(TitleIsLong(QString(25, QLatin1Char('a'))));
    EXPECT_TRUE(TitleIsLong(QString(26, QLatin1Char('a'))));
}

TEST_F(DayTitle, DateTexts) {
    TDay day(D("2027-01-07"));
    EXPECT_EQ(GregorianDateText(D("2027-01-07")), "January 7, 2027");
    EXPECT_EQ(CopticDayText(day.e), "Kiahk 29");
    EXPECT_EQ(CopticDateText(day.e), "Kiahk 29, 1743");
    EXPECT_EQ(EasterOffsetByte(-69), -69);
    EXPECT_EQ(EasterOffsetByte(200), -56);
}

namespace {

// One row of a table of days: the date, the text a rule must give for it
// ("|" stands for a line break), a number it must give (the key's Coptic day,
// the fasting level), why the date is listed, and a second text.
struct TDateRow {
    const char* Date;
    const char* Text;
    int Value = 0;
    const char* Why = "";
    const char* Extra = "";
};
// Failures name the date rather than the bytes of the row.
void PrintTo(const TDateRow& row, std::ostream* os) {
    *os << row.Date << " (" << row.Why << ')';
}

QString Lines(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1Char('|'), QStringLiteral("\r\n"));
}

} // namespace

class DayTitleTable : public DayRulesTest, public ::testing::WithParamInterface<TDateRow> {};

TEST_P(DayTitleTable, FeastNoteAndKey) {
    const TDateRow& row = GetParam();
    TDay day(D(row.Date));
    EXPECT_EQ(day.title, Lines(row.Text));
    EXPECT_EQ(day.key.DayType, 3);
    EXPECT_EQ(day.key.CopticDay, row.Value);
    // Every feast reads the Annual record of its (possibly moved) day.
    EXPECT_EQ(day.record.DayID, YearlyID(day.key.CopticMonth, row.Value));
}

INSTANTIATE_TEST_SUITE_P(
    AppDayFeasts, DayTitleTable,
    ::testing::Values(
        TDateRow{"2018-01-19", "Friday (Epiphany Feast)", 11},
        TDateRow{"2024-01-20", "Saturday (Epiphany Feast)", 11},
        TDateRow{"2018-01-18", "Thursday|(Epiphany Paramouni)", 10},
        TDateRow{"2025-04-07", "Monday|(Annunciation Feast)", 29},
        TDateRow{"2025-01-14", "Tuesday|(Circumcision Feast)", 6},
        TDateRow{"2025-01-21", "Tuesday, Feast of the Wedding of Cana of Galilee", 13},
        TDateRow{"2025-02-15", "Saturday, Candlemas Feast", 8},
        TDateRow{"2025-06-01", "Sunday|(Entry of the Lord into Egypt)", 24},
        TDateRow{"2025-08-19", "Tuesday|(Transfiguration Feast)", 13},
        TDateRow{"2025-03-19", "Wednesday|(Feast of the Holy Cross)", 10},
        TDateRow{"2024-09-27", "Friday, First day of the|Feast of the Holy Cross", 17},
        TDateRow{"2024-09-28", "Saturday, Second day of the|Feast of the Holy Cross", 18},
        // A Sunday feast keeps its weekday title and the Annual record.
        TDateRow{"2024-09-29", "Sunday, Third day of the|Feast of the Holy Cross", 19},
        TDateRow{"2022-01-07", "Friday (Nativity Feast)", 29},
        TDateRow{"2024-09-11", "Wednesday (New Coptic Year)", 1}));

// ------------------------------------------------------------- day records ---

class DayRecord : public DayRulesTest {};

TEST_F(DayRecord, SundaysTable) {
    TDay day(D("2024-10-20")); // second Sunday of Babah
    EXPECT_EQ(day.title, "Second Sunday of Babah");
    EXPECT_EQ(day.record.DayID, SundayID(2, 2));
    EXPECT_EQ(day.record.DayComment, "Sunday comment 2/2");
    EXPECT_EQ(day.record.VerseOfTheDay, "Sunday verse 2/2");
}

TEST_F(DayRecord, Tubah12OnASundayReadsTubah11) {
    TDay sunday(D("2024-01-21"));
    EXPECT_EQ(sunday.title, "Second Sunday of Tubah" + NL + "Readings source: Tubah 11");
    EXPECT_EQ(sunday.key.CopticDay, 11);
    EXPECT_EQ(sunday.record.DayID, YearlyID(5, 11));
    EXPECT_TRUE(sunday.record.DayComment.isEmpty());

    TDay weekday(D("2025-01-20"));
    EXPECT_EQ(weekday.title, "Monday");
    EXPECT_EQ(weekday.record.DayID, YearlyID(5, 12));
}

TEST_F(DayRecord, BorrowingChainTakesTheLastDayAndNamesTheFirst) {
    TDay day(D("2024-10-15")); // Babah 5 -> 6 -> 7
    EXPECT_EQ(day.record.DayID, YearlyID(2, 7));
    EXPECT_EQ(day.record.NoteText, "Readings source: Babah 6");
    EXPECT_EQ(day.record.DayComment, "Annual comment 2/5");
    EXPECT_EQ(day.record.VerseOfTheDay, "Annual verse 2/5");
    EXPECT_FALSE(day.record.ChainError);
    EXPECT_EQ(day.title, "Tuesday" + NL + "Readings source: Babah 6");
}

TEST_F(DayRecord, BorrowingCycleStopsAndIsReported) {
    TDay day(D("2025-10-20")); // Babah 10 -> 11 -> 10
    EXPECT_TRUE(day.record.ChainError);
    EXPECT_EQ(day.record.DayID, YearlyID(2, 11));
    EXPECT_EQ(day.record.NoteText, "Readings source: Babah 11");
    EXPECT_EQ(QString::fromLatin1(AnnualDayNotFoundMessage),
              "Annual Day Not Found#13#10Please Report This Error to Technical Support");
}

TEST_F(DayRecord, MissingAnnualDayGivesZeroWithoutError) {
    TApaqty e;
    e.SetDate(D("2024-10-22"));
    TDayKey key;
    key.DayType = dtAnnual;
    key.CopticMonth = 13;
    key.CopticDay = 9;
    TMemoryDayTables tables;
    const TDayRecord r = GetDayRecord(key, e, D("2024-10-22"), tables);
    EXPECT_EQ(r.DayID, 0);
    EXPECT_FALSE(r.ChainError);
    EXPECT_TRUE(r.DayComment.isEmpty());
}

TEST_F(DayRecord, StartOfTheFastsFollowsTheCalendarDate) {
    TDay apostles(D("2024-06-24"));
    EXPECT_EQ(apostles.record.DayComment, "Start of the Apostles' Fast");
    EXPECT_EQ(apostles.record.VerseOfTheDay,
              "But the days will come when the bridegroom will be taken away from them; then they "
              "will fast in those days. (Luke 5:35)");
    TDay elsewhere(D("2024-06-24"), D("2024-06-25"));
    EXPECT_EQ(elsewhere.record.DayComment, "Annual comment 10/17");

    TDay stMary(D("2024-08-07"));
    EXPECT_EQ(stMary.record.DayComment, "Start of Saint Mary's Fast");
    EXPECT_EQ(stMary.record.VerseOfTheDay,
              "For behold, henceforth all generations will call me blessed For He who is mighty "
              "has done great things for me, And holy is His name. (Luke 1:48-49)");
}

// ---------------------------------------------------------- fasting, tune ---

class DayFastingAndTune : public DayRulesTest {};

TEST_F(DayFastingAndTune, LazarusSaturday) {
    TDay day(D("2024-04-27"));
    ASSERT_TRUE(day.e.IsLazarusSaturday());
    EXPECT_EQ(day.FastingLabel(), "Strict Fasting, No Abstinence");
    EXPECT_EQ(day.TuneLabel(), "Annual Tune");
}

TEST_F(DayFastingAndTune, NoAbstinenceDays) {
    EXPECT_FALSE(IsNoAbstinenceDay(TDay(D("2024-05-04")).e)); // Joyous Saturday
    EXPECT_TRUE(IsNoAbstinenceDay(TDay(D("2024-11-08")).e));  // Babah 29, a Friday
    EXPECT_TRUE(IsNoAbstinenceDay(TDay(D("2025-01-08")).e));  // Kiahk 30
    EXPECT_FALSE(IsNoAbstinenceDay(TDay(D("2024-10-23")).e));
}

TEST_F(DayFastingAndTune, NoTextBeyondTheSevenTunes) {
    EXPECT_EQ(TuneText(TTuneKind(7)), "");
}

TEST_F(DayFastingAndTune, Kiahk30IsFestalOnlyWithoutBorrowedSundays) {
    EXPECT_EQ(TDay(D("2006-01-08")).TuneLabel(), "Festal Tune");
    EXPECT_EQ(TDay(D("2001-01-08")).TuneLabel(), "Annual Tune");
}

class DayFastingTable : public DayRulesTest, public ::testing::WithParamInterface<TDateRow> {};

TEST_P(DayFastingTable, LevelAndText) {
    const TDateRow& row = GetParam();
    TDay day(D(row.Date));
    EXPECT_EQ(day.Fasting(), row.Value) << row.Why;
    EXPECT_EQ(day.FastingLabel(), row.Text) << row.Why;
}

INSTANTIATE_TEST_SUITE_P(
    AppDayFasting, DayFastingTable,
    ::testing::Values(
        TDateRow{"2018-01-19", "(No Fasting)", 0, "Epiphany on a Friday"},
        TDateRow{"2022-01-07", "(No Fasting)", 0, "Nativity on a Friday"},
        TDateRow{"2024-05-15", "(No Fasting)", 0, "Wednesday of the Fifty Days"},
        TDateRow{"2024-05-17", "(No Fasting)", 0, "Friday of the Fifty Days"},
        TDateRow{"2024-01-07", "(No Fasting)", 0, "Nativity on Kiahk 28"},
        TDateRow{"2024-03-21", "Strict Fasting", 2, "Thursday of Great Lent"},
        TDateRow{"2024-03-23", "Strict Fasting, No Abstinence", 2, "Saturday of Great Lent"},
        TDateRow{"2018-01-18", "Strict Fasting", 2, "Epiphany paramoun, a Thursday"},
        TDateRow{"2019-01-05", "Strict Fasting, No Abstinence", 2, "Nativity paramoun, a Saturday"},
        TDateRow{"2025-02-11", "Strict Fasting", 2, "Jonah's fast"},
        TDateRow{"2024-04-30", "Strict Fasting", 2, "Holy Tuesday"},
        TDateRow{"2024-05-04", "Strict Fasting", 2, "Joyous Saturday abstains"},
        TDateRow{"2024-04-28", "Strict Fasting, No Abstinence", 2, "Palm Sunday"},
        TDateRow{"2025-04-07", "Strict Fasting, No Abstinence", 2, "Annunciation in Lent"},
        TDateRow{"2024-10-25", "Strict Fasting", 2, "Friday of the year"},
        TDateRow{"2024-09-27", "Strict Fasting, No Abstinence", 2, "Cross feast on a Friday"},
        TDateRow{"2024-11-08", "Strict Fasting, No Abstinence", 2, "Monthly 29th on a Friday"},
        TDateRow{"2025-01-08", "Strict Fasting, No Abstinence", 2, "Kiahk 30 on a Wednesday"},
        TDateRow{"2024-12-04", "Strict Fasting", 2, "Wednesday in the Nativity fast"},
        TDateRow{"2024-12-05", "Fasting, Fish is allowable", 1, "Thursday in the Nativity fast"},
        TDateRow{"2024-12-07", "Fasting, No Abstinence, Fish is allowable", 1,
                 "Saturday in the Nativity fast"},
        TDateRow{"2024-12-08", "Fasting, No Abstinence, Fish is allowable", 1,
                 "Sunday in the Nativity fast"},
        TDateRow{"2024-06-25", "Fasting, Fish is allowable", 1, "Apostles' fast"},
        TDateRow{"2024-08-08", "Fasting, Fish is allowable", 1, "St Mary's fast"},
        TDateRow{"2025-08-19", "Fasting, No Abstinence, Fish is allowable", 1,
                 "Transfiguration in St Mary's fast"},
        TDateRow{"2024-10-22", "(No Fasting)", 0, "Tuesday of the year"},
        TDateRow{"2024-10-23", "Strict Fasting", 2, "Wednesday of the year"}));

class DayTuneTable : public DayRulesTest, public ::testing::WithParamInterface<TDateRow> {};

TEST_P(DayTuneTable, FirstRuleWins) {
    const TDateRow& row = GetParam();
    EXPECT_EQ(TDay(D(row.Date)).TuneLabel(), row.Text) << row.Why;
}

INSTANTIATE_TEST_SUITE_P(
    AppDayTunes, DayTuneTable,
    ::testing::Values(
        TDateRow{"2024-04-28", "Hosanna Tune", 0, "Palm Sunday"},
        TDateRow{"2024-09-27", "Hosanna Tune", 0, "Tut 17, a feast of the Cross"},
        TDateRow{"2024-09-15", "Festal Tune", 0, "Tut 5"},
        TDateRow{"2024-09-26", "Festal Tune", 0, "Tut 16"},
        TDateRow{"2024-09-29", "Hosanna Tune", 0, "Tut 19, a feast of the Cross"},
        TDateRow{"2024-09-30", "Annual Tune", 0, "Tut 20"},
        TDateRow{"2001-01-07", "Festal Tune", 0, "Nativity while Kiahk Sundays are borrowed"},
        TDateRow{"2025-01-11", "Festal Tune", 0, "Tubah 3"},
        TDateRow{"2025-01-16", "Annual Tune", 0, "Tubah 8"},
        TDateRow{"2025-01-20", "Festal Tune", 0, "Tubah 12"},
        TDateRow{"2025-01-22", "Annual Tune", 0, "Tubah 14"},
        TDateRow{"2025-02-15", "Festal Tune", 0, "Candlemas, a minor feast of the Lord"},
        TDateRow{"2025-08-19", "Festal Tune", 0, "Transfiguration"},
        TDateRow{"2025-04-07", "Festal Tune", 0, "Annunciation in Lent"},
        TDateRow{"2024-12-09", "Annual Tune", 0, "Hatour 30"},
        TDateRow{"2025-01-02", "Kiahk Tune", 0, "Kiahk 24"},
        TDateRow{"2025-02-11", "Lenten Tune", 0, "Jonah's fast"},
        TDateRow{"2024-12-19", "Kiahk Tune", 0, "Kiahk 10"},
        TDateRow{"2024-03-21", "Lenten Tune", 0, "Great Lent"},
        TDateRow{"2024-04-30", "Attribis Tune", 0, "Holy Tuesday"},
        TDateRow{"2024-05-04", "Attribis/Annual Tune", 0, "Joyous Saturday"},
        TDateRow{"2024-05-15", "Festal Tune", 0, "Fifty Days"},
        TDateRow{"2024-10-22", "Annual Tune", 0, "Tuesday of the year"},
        TDateRow{"2024-11-08", "Festal Tune", 0, "Monthly 29th"},
        TDateRow{"2025-01-18", "Annual Tune", 0, "Epiphany paramoun, Saturday"},
        TDateRow{"2018-01-18", "Annual Tune", 0, "Epiphany paramoun, Thursday"},
        TDateRow{"2019-01-05", "Annual Tune", 0, "Nativity paramoun"},
        // The festal ranges from their first to past their last day.
        TDateRow{"2024-09-10", "Annual Tune", 0, "Nasie 6, the eve of the year"},
        TDateRow{"2024-09-11", "Festal Tune", 0, "Tut 1"},
        TDateRow{"2024-12-10", "Kiahk Tune", 0, "Kiahk 1"},
        TDateRow{"2025-01-09", "Festal Tune", 0, "Tubah 1"},
        TDateRow{"2025-01-13", "Festal Tune", 0, "Tubah 5"},
        TDateRow{"2025-01-15", "Annual Tune", 0, "Tubah 7"},
        TDateRow{"2027-01-17", "Annual Tune", 0, "Tubah 9, not a paramoun day"},
        TDateRow{"2025-01-21", "Festal Tune", 0, "Tubah 13"}));

// -------------------------------------------------------------- Synaxarium ---

class DaySynaxarium : public DayRulesTest {};

TEST_F(DaySynaxarium, CaptionInHolyWeekAndTheFiftyDays) {
    const QString notRead =
        QStringLiteral("Synaxarium (Not to be read in the church during this time of the year)");
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-04-30")).key)), notRead);
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-04-28")).key)), notRead);
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-05-05")).key)), notRead);
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-05-15")).key)), notRead);
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-04-27")).key)), "Synaxarium");
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2024-03-20")).key)), "Synaxarium");
    // A feast in the Fifty Days is read from the Annual table.
    EXPECT_EQ(SynaxariumCaption(IsSynaxariumRead(TDay(D("2025-06-01")).key)), "Synaxarium");
}

TEST(DaySynaxariumRead, ByDayTypeAndOffset) {
    struct Row {
        int DayType;
        int EasterOffset;
        bool Read;
    };
    const Row rows[] = {{1, -69, true}, {1, -8, true}, {1, -7, false}, {1, 0, false},
                        {1, 56, true},  {2, 1, false}, {2, 49, false}, {3, 0, true},
                        {3, 10, true},  {4, 0, true},  {4, -20, true}};
    for (const Row& r : rows) {
        TDayKey key;
        key.DayType = TDayType(r.DayType);
        key.EasterOffset = qint8(r.EasterOffset);
        EXPECT_EQ(IsSynaxariumRead(key), r.Read) << r.DayType << '/' << r.EasterOffset;
    }
    EXPECT_EQ(SynaxariumCaption(true), "Synaxarium");
}

// ---------------------------------------------------------------- pictures ---

class DayPicture : public DayRulesTest {};

TEST_F(DayPicture, EasterOnThe21stIsStillTheResurrection) {
    TDay easter(D("1951-04-29"));
    ASSERT_TRUE(easter.e.IsEaster());
    ASSERT_EQ(easter.e.CopticDay, 21);
    EXPECT_EQ(easter.Picture().File, "xResurrection3.jpg");
}

TEST_F(DayPicture, OwnPictureOfTheDay) {
    const TPictureChoice own = TDay(D("2024-10-25")).Picture(); // Babah 15
    EXPECT_EQ(own.File, OwnPicture);
    EXPECT_EQ(own.Caption, OwnPictureCaption);
}

TEST_F(DayPicture, DayCategories) {
    EXPECT_EQ(DayCategory(TDay(D("2024-05-05")).e), 1);
    EXPECT_EQ(DayCategory(TDay(D("2024-01-07")).e), 2);
    EXPECT_EQ(DayCategory(TDay(D("2024-01-20")).e), 3);
    EXPECT_EQ(DayCategory(TDay(D("2024-04-28")).e), 4);
    EXPECT_EQ(DayCategory(TDay(D("2024-10-22")).e), 5);
    EXPECT_EQ(DayCategory(TDay(D("2024-10-20")).e), 6);
    EXPECT_EQ(DayCategory(TDay(D("2024-05-15")).e), 7);
    EXPECT_EQ(DayCategory(TDay(D("2024-03-24")).e), 8);
    EXPECT_EQ(DayCategory(TDay(D("2024-03-21")).e), 9);
    EXPECT_EQ(DayCategory(TDay(D("2024-04-30")).e), 10);
    EXPECT_EQ(DayCategory(TDay(D("2024-05-03")).e), 11);
    EXPECT_EQ(DayCategory(TDay(D("2024-05-04")).e), 12);
    EXPECT_EQ(DayCategory(TDay(D("2024-04-27")).e), 13);
}

class DayPictureTable : public DayRulesTest, public ::testing::WithParamInterface<TDateRow> {};

TEST_P(DayPictureTable, FileAndCaption) {
    const TDateRow& row = GetParam();
    const TPictureChoice p = TDay(D(row.Date)).Picture();
    EXPECT_EQ(p.File, row.Text) << row.Date;
    EXPECT_EQ(p.Caption, row.Extra) << row.Date;
}

INSTANTIATE_TEST_SUITE_P(
    DayPictures, DayPictureTable,
    ::testing::Values(
        TDateRow{"2024-01-20", "xEpiphany4.jpg", 0, "", "Epiphany"},
        TDateRow{"2024-05-05", "xResurrection3.jpg", 0, "", "Resurrection"},
        TDateRow{"2024-01-07", "xNativity3.jpg", 0, "", "Nativity"},
        TDateRow{"2024-04-28", "xPalmSunday3.jpg", 0, "", "Palm Sunday"},
        TDateRow{"2024-06-13", "xAscenssion3.jpg", 0, "", "Ascension"},
        TDateRow{"2024-06-23", "xPentecost1.jpg", 0, "", "Pentecost"},
        TDateRow{"2024-04-07", "xAnnunciation4.jpg", 0, "", "Annunciation"},
        TDateRow{"2024-04-29", "xGassimany1.jpg", 0, "", "In Gethsemane"},
        TDateRow{"2024-04-30", "xGassimany1.jpg", 0, "", "In Gethsemane"},
        TDateRow{"2024-05-01", "xGassimany1.jpg", 0, "", "In Gethsemane"},
        TDateRow{"2024-05-02", "xLastSupper2.jpg", 0, "", "Maundy Thursday"},
        TDateRow{"2024-05-03", "xCross2.jpg", 0, "", "Behold, the lamb of God"},
        TDateRow{"2024-05-04", "xHadesCoptic.jpg", 0, "", "Christ saving Adam & Eve"},
        TDateRow{"2025-02-15", "xEntryInTemple.jpg", 0, "", "Lord's Entry to the Temple"},
        TDateRow{"2025-01-21", "xCanaGalilee.jpg", 0, "", "Wedding of Cana"},
        TDateRow{"2025-04-27", "xThomasSunday.jpg", 0, "", "Thomas Sunday"},
        TDateRow{"2025-06-01", "xFlightToEgypt.jpg", 0, "", "Flight to Egypt"},
        TDateRow{"2025-08-19", "xTransfiguration.jpg", 0, "", "Transfiguration"},
        TDateRow{"2024-04-27", "xLazarus.jpg", 0, "", "Lazarus Saturday"},
        TDateRow{"2024-09-28", "xCross8.jpg", 0, "", "The Lord on the Cross"},
        TDateRow{"2025-03-19", "xCross8.jpg", 0, "", "The Lord on the Cross"},
        TDateRow{"2025-02-10", "xProphetJonahAndTheWhale.jpg", 0, "",
                 "Prophet Jonah and the whale"},
        TDateRow{"2025-08-13", "xTheotokos1.jpg", 0, "", "St. Mary the Theotokos"},
        TDateRow{"2025-05-09", "xTheotokos1.jpg", 0, "", "St. Mary the Theotokos"},
        TDateRow{"2024-12-12", "xTheotokos3.jpg", 0, "", "St. Mary the Theotokos"},
        TDateRow{"2024-10-31", "xTheotokos2.jpg", 0, "", "St. Mary the Theotokos"},
        TDateRow{"2024-11-08", "xTriFeasts3.jpg", 0, "", "Commemoration of the 3 feasts"},
        TDateRow{"2024-10-22", "xStMichael02.jpg", 0, "", "Archangel Michael"},
        TDateRow{"2024-12-11", "xChurchFatherDec11.jpg", 0, "", "Church Father of December 11"},
        TDateRow{"2024-02-07", "xChurchFatherFeb07.jpg", 0, "", "Church Father of February 7"},
        TDateRow{"2024-12-17", "xChurchFatherDec17.jpg", 0, "", "Church Father of December 17"},
        TDateRow{"2025-06-04", "xStThomasNew.jpg", 0, "", "St. Thomas the Hermit"},
        TDateRow{"2024-12-31", "xArchangelGabriel.jpg", 0, "", "Archangel Gabriel"},
        TDateRow{"2025-04-08", "xArchangelGabriel.jpg", 0, "", "Archangel Gabriel"},
        TDateRow{"2025-07-03", "xArchangelGabriel.jpg", 0, "", "Archangel Gabriel"},
        TDateRow{"2024-10-23", "xPantocrator2.jpg", 0, "", "Christ on the Throne"}));

// ------------------------------------------------------ the whole shown day ---

TEST(ShownDay, OneComputationGivesTheWholeDay) {
    struct Row {
        const char* Date;
        TDayCategory Category;
        const char* Fasting;
        const char* Tune;
        bool SynaxariumRead;
        const char* Picture;
        const char* Coptic;
    };
    const Row rows[] = {
        {"2024-05-03", dcGoodFriday, "Strict Fasting", "Attribis Tune", false, "xCross2.jpg",
         "Barmoudah 25, 1740"},
        {"2024-01-07", dcNativity, "(No Fasting)", "Festal Tune", true, "xNativity3.jpg",
         "Kiahk 28, 1740"},
        {"2024-10-25", dcOrdinary, "Strict Fasting", "Annual Tune", true, "xOwnPictureBabah15.jpg",
         "Babah 15, 1741"},
    };
    TApaqty e;
    TNativityCalculator n;
    TMemoryDayTables tables;
    for (const Row& r : rows) {
        const TShownDay d = ComputeShownDay(D(r.Date), D(r.Date), e, n, tables);
        EXPECT_EQ(d.Date, D(r.Date));
        EXPECT_EQ(d.Category, r.Category) << r.Date;
        EXPECT_EQ(FastingText(d.FastingLevel, d.NoAbstinence), r.Fasting) << r.Date;
        EXPECT_EQ(TuneText(d.TuneKind), r.Tune) << r.Date;
        EXPECT_EQ(d.SynaxariumRead, r.SynaxariumRead) << r.Date;
        EXPECT_EQ(d.Picture.File, r.Picture) << r.Date;
        EXPECT_EQ(d.CopticDateText, r.Coptic) << r.Date;
        // The engine and the calculator are left on the date and its year.
        EXPECT_EQ(e.Date, D(r.Date));
        EXPECT_EQ(n.Year, D(r.Date).year());
    }
}

TEST(ShownDay, ATableErrorInTheChainKeepsTheDayFoundBefore) {
    TApaqty e;
    TNativityCalculator n;
    TMemoryDayTables tables;
    tables.Failing.insert(206); // Babah 5 borrows from Babah 6
    const TShownDay d = ComputeShownDay(D("2024-10-15"), D("2024-10-15"), e, n, tables);
    EXPECT_TRUE(d.Record.ChainError);
    EXPECT_EQ(d.Record.DayID, YearlyID(2, 5));
    EXPECT_EQ(d.Record.DayComment, "Annual comment 2/5");
    EXPECT_EQ(d.Title, "Tuesday");
}
