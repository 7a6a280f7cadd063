// The events of a year, their order and the fixed-pitch listing, without a
// window.

#include "Apaqty.h"
#include "FeastEvents.h"
#include "NativityCalculator.h"

#include <gtest/gtest.h>

#include <QDate>

using namespace FeastEvents;

namespace {

QStringList RowsOf(int year) {
    TApaqty engine;
    engine.SetDate(QDate(year, 1, 1));
    TNativityCalculator nativity;
    nativity.Calculate(year);
    return BuildEventRows(engine, nativity);
}

void ExpectRows(int year, const QStringList& expected) {
    const QStringList rows = RowsOf(year);
    for (qsizetype i = 0; i < std::max(rows.size(), expected.size()); ++i)
        EXPECT_EQ(rows.value(i).toStdString(), expected.value(i).toStdString())
            << year << " row " << i + 1;
}

} // namespace

// 2024: January 7 is Kiahk 28, a Sunday (two paramoun days); the Epiphany
// (January 20) is a Saturday.
TEST(FeastEventsYear, NativityObservedOnKiahk28) {
    ExpectRows(2024, {
                         "0105?Jan. 5 and 6^Nativity Paramouni~Two Days",
                         "0107?January 7^Nativity Feast (Observed)~Days until the Lent: 64 days",
                         "0108?January 8^Nativity Feast~",
                         "0115?January 15^Circumcision Feast~",
                         "0119?January 19^Epipahny Paramouni~",
                         "0120?January 20^Epipahny Feast~",
                         "0122?January 22^Miracle in Cana of Galilee~",
                         "0130?January 30^Departure of the Virgin St. Mary~",
                         "0216?February 16^Entry of the Lord into the Temple~",
                         "0226?February 26^Start of Johna's Fasting~",
                         "0311?March 11^Start of the Lent~",
                         "0407?April 7^The Annunciation Feast~",
                         "0426?April 26^Last Friday of the Lent~",
                         "0428?April 28^Palm Sunday~",
                         "0502?May 2^Maundy (Covenant) Thursday~",
                         "0503?May 3^Great Friday~",
                         "0505?May 5^Holy Resurrection Feast~",
                         "0512?May 12^Thomas Sunday~",
                         "0601?June 1^Entry of the Lord into Egypt~",
                         "0613?June 13^Ascension of the Lord~",
                         "0623?June 23^Feast of Pentecost~",
                         "0624?June 24^Start of the Apostles Fast~Lasts for: 18 days",
                         "0712?July 12^Feast of the Apostles~",
                         "0807?August 7^Start of St. Mary's Fast~",
                         "0819?August 19^Feast of Transfiguration~",
                         "0822?August 22^Feast of Assumption of St. Mary's body~",
                         "0911?September 11^Nayrouz Feast (Coptic New Year 1741)~",
                         "0927?Sep. 27 - 29^Feast of The Cross~Three days",
                         "1125?November 25^Beginning of the Advent (Holy Nativity Fast)~",
                     });
}

// 2026: Easter April 12, so the Annunciation (April 7) is not celebrated; the
// Epiphany is a Monday (three days of paramoun); Pentecost + 1 and the Entry
// into Egypt share June 1.
TEST(FeastEventsYear, AnnunciationNotCelebrated) {
    ExpectRows(2026, {
                         "0106?January 6^Nativity Paramouni~",
                         "0107?January 7^Nativity Feast~Days until the Lent: 40 days",
                         "0114?January 14^Circumcision Feast~",
                         "0116?January 16^Epipahny Paramouni~Three Days",
                         "0119?January 19^Epipahny Feast~",
                         "0121?January 21^Miracle in Cana of Galilee~",
                         "0129?January 29^Departure of the Virgin St. Mary~",
                         "0202?February 2^Start of Johna's Fasting~",
                         "0215?February 15^Entry of the Lord into the Temple~",
                         "0216?February 16^Start of the Lent~",
                         "0403?April 3^Last Friday of the Lent~",
                         "0405?April 5^Palm Sunday~",
                         "0407?April 7^The Annunciation Feast~(Not Celebrated This Year)",
                         "0409?April 9^Maundy (Covenant) Thursday~",
                         "0410?April 10^Great Friday~",
                         "0412?April 12^Holy Resurrection Feast~",
                         "0419?April 19^Thomas Sunday~",
                         "0521?May 21^Ascension of the Lord~",
                         "0531?May 31^Feast of Pentecost~",
                         "0601?June 1^Entry of the Lord into Egypt~",
                         "0601?June 1^Start of the Apostles Fast~Lasts for: 41 days",
                         "0712?July 12^Feast of the Apostles~",
                         "0807?August 7^Start of St. Mary's Fast~",
                         "0819?August 19^Feast of Transfiguration~",
                         "0822?August 22^Feast of Assumption of St. Mary's body~",
                         "0911?September 11^Nayrouz Feast (Coptic New Year 1743)~",
                         "0927?Sep. 27 - 29^Feast of The Cross~Three days",
                         "1125?November 25^Beginning of the Advent (Holy Nativity Fast)~",
                     });
}

// 2019: January 7 is a Monday (three paramoun days); the Coptic year 1736
// begins on September 12 because 2020 has a February 29.
TEST(FeastEventsYear, ThreeParamounDays) {
    ExpectRows(2019, {
                         "0104?Jan. 4 - 6^Nativity Paramouni~Three Days",
                         "0107?January 7^Nativity Feast~Days until the Lent: 56 days",
                         "0114?January 14^Circumcision Feast~",
                         "0118?January 18^Epipahny Paramouni~",
                         "0119?January 19^Epipahny Feast~",
                         "0121?January 21^Miracle in Cana of Galilee~",
                         "0129?January 29^Departure of the Virgin St. Mary~",
                         "0215?February 15^Entry of the Lord into the Temple~",
                         "0218?February 18^Start of Johna's Fasting~",
                         "0304?March 4^Start of the Lent~",
                         "0407?April 7^The Annunciation Feast~",
                         "0419?April 19^Last Friday of the Lent~",
                         "0421?April 21^Palm Sunday~",
                         "0425?April 25^Maundy (Covenant) Thursday~",
                         "0426?April 26^Great Friday~",
                         "0428?April 28^Holy Resurrection Feast~",
                         "0505?May 5^Thomas Sunday~",
                         "0601?June 1^Entry of the Lord into Egypt~",
                         "0606?June 6^Ascension of the Lord~",
                         "0616?June 16^Feast of Pentecost~",
                         "0617?June 17^Start of the Apostles Fast~Lasts for: 25 days",
                         "0712?July 12^Feast of the Apostles~",
                         "0807?August 7^Start of St. Mary's Fast~",
                         "0819?August 19^Feast of Transfiguration~",
                         "0822?August 22^Feast of Assumption of St. Mary's body~",
                         "0912?September 12^Nayrouz Feast (Coptic New Year 1736)~",
                         "0928?Sep. 28 - 30^Feast of The Cross~Three days",
                         "1126?November 26^Beginning of the Advent (Holy Nativity Fast)~",
                     });
}

TEST(FeastEventsYear, EpiphanyOnSundayAndAscensionWithEntryToEgypt) {
    // 2025: the Epiphany (January 19) is a Sunday.
    EXPECT_TRUE(RowsOf(2025).contains("0117?January 17^Epipahny Paramouni~Two Days"));
    // 2006: the Ascension and the Entry into Egypt both on June 1.
    const QStringList rows = RowsOf(2006);
    const qsizetype ascension = rows.indexOf("0601?June 1^Ascension of the Lord~");
    ASSERT_GE(ascension, 0);
    EXPECT_EQ(rows.value(ascension + 1), "0601?June 1^Entry of the Lord into Egypt~");
}

TEST(FeastEventsYear, EveryYearADateCanHoldGivesValidRows) {
    for (int year : {FirstYear, 1900, 2099, LastYear}) {
        const QStringList rows = RowsOf(year);
        EXPECT_GE(rows.size(), 28) << year;
        for (const QString& row : rows) {
            const TEventParts p = SplitEventRow(row);
            EXPECT_EQ(p.Key.size(), 4) << year << " " << row.toStdString();
            EXPECT_FALSE(p.DateText.isEmpty()) << year << " " << row.toStdString();
        }
    }
}

TEST(FeastEventsSort, ByKeyThenDateTextThenNameWithoutCase) {
    QStringList rows = {"0601?June 1^entry~", "0105?b^Z~", "0601?June 1^Ascension~x",
                        "0105?A^y~",          "0105?a^X~", "0105?B^a~"};
    SortEventRows(rows);
    const QStringList expected = {
        "0105?a^X~",         "0105?A^y~", "0105?B^a~", "0105?b^Z~", "0601?June 1^Ascension~x",
        "0601?June 1^entry~"};
    EXPECT_EQ(rows, expected);
    // Marks and digits that a locale weighs differently keep their code order.
    QStringList marks = {"0107?January 7^Nativity-Feast~", "0107?January 7^Nativity Feast~",
                         "0107?January 7^Nativity(Feast)~"};
    SortEventRows(marks);
    EXPECT_EQ(marks,
              QStringList({"0107?January 7^Nativity Feast~", "0107?January 7^Nativity(Feast)~",
                           "0107?January 7^Nativity-Feast~"}));
}

TEST(FeastEventsSort, SplitTakesTheFirstOfEachMark) {
    const TEventParts p = SplitEventRow("0928?Sep. 28 - 30^A ^ B~Three~days");
    EXPECT_EQ(p.Key, "0928");
    EXPECT_EQ(p.DateText, "Sep. 28 - 30");
    EXPECT_EQ(p.Name, "A ^ B");
    EXPECT_EQ(p.Notes, "Three~days");
}

TEST(FeastEventsYearStep, StaysWithinWhatADateHolds) {
    EXPECT_EQ(StepYear(2024, -1), 2023);
    EXPECT_EQ(StepYear(2024, 1), 2025);
    EXPECT_EQ(StepYear(FirstYear, -1), FirstYear);
    EXPECT_EQ(StepYear(LastYear, 1), LastYear);
}

TEST(FeastEventsText, PadWithTabsCountsCharactersPerTab) {
    struct Case {
        const char* text;
        int column;
        int charsPerTab;
        int tabs;
    } cases[] = {
        {"Date", 3, 5, 3},           {"January 6", 3, 5, 2},    {"September 11", 3, 5, 1},
        {"_____________ ", 3, 5, 1}, {"Date", 4, 4, 3},         {"September 30", 4, 4, 1},
        {"Jan. 4 - 6", 3, 6, 2},     {"September 11", 3, 6, 1}, {"A text past the column", 3, 5, 0},
    };
    for (const Case& c : cases) {
        const QString padded = PadWithTabs(QLatin1String(c.text), c.column, c.charsPerTab);
        EXPECT_EQ(padded, QLatin1String(c.text) + QString(c.tabs, '\t')) << c.text;
    }
    EXPECT_EQ(DateColumn(MetricsOf(tsLarge).CharsPerTab), 4);
    EXPECT_EQ(DateColumn(MetricsOf(tsMedium).CharsPerTab), 3);
    EXPECT_EQ(DateColumn(MetricsOf(tsSmall).CharsPerTab), 3);
}

TEST(FeastEventsText, ListingLinesAtEachSize) {
    const QStringList rows = {"0104?Jan. 4 - 6^Nativity Paramouni~Three Days",
                              "0505?May 5^Holy Resurrection Feast~",
                              "0911?September 11^Nayrouz Feast (Coptic New Year 1741)~"};
    const QString rule = QString(36, '_');
    EXPECT_EQ(ListingLines(rows, MetricsOf(tsMedium).CharsPerTab),
              QStringList({" ", "Date\t\t\tFeast / Event", "_____________ \t" + rule,
                           "Jan. 4 - 6\tNativity Paramouni (Three Days)",
                           "May 5\t\tHoly Resurrection Feast",
                           "September 11\tNayrouz Feast (Coptic New Year 1741)"}));
    EXPECT_EQ(ListingLines(rows, MetricsOf(tsLarge).CharsPerTab),
              QStringList({" ", "Date\t\t\tFeast / Event", "_____________ \t" + rule,
                           "Jan. 4 - 6\t\tNativity Paramouni (Three Days)",
                           "May 5\t\t\tHoly Resurrection Feast",
                           "September 11\tNayrouz Feast (Coptic New Year 1741)"}));
    EXPECT_EQ(ListingTitle(2024, 1740),
              "Coptic Orthodox Feasts and Events For Year:\r\n\t\t\t2024 (1740 / 1741 A.M.)");
    EXPECT_EQ(PrintHeader(2024, 1740),
              "Coptic Orthodox Feasts and Events For Year: 2024 (1740 / 1741 A.M.)");
    EXPECT_EQ(TitleSize(MetricsOf(tsLarge).TextSize), 20);
    EXPECT_EQ(TitleSize(24), 26);
}
