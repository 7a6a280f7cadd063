// The captions of the main window's feast pages and the dates they light,
// without a window.

#include "Apaqty.h"
#include "FeastTabs.h"
#include "NativityCalculator.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QSet>

#include <ostream>

using namespace FeastTabs;

void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}

namespace {

struct TYear {
    TApaqty Engine;
    TNativityCalculator Nativity;
    // Any day of the year will do; the pages show the whole year.
    explicit TYear(const QDate& shown) {
        Engine.SetDate(shown);
        Nativity.Calculate(shown.year());
    }
};

// The lights of a year added to `lit`; fails on a date lit twice.
QList<QDate> Light(const TYear& y, QSet<QDate>& lit) {
    QList<QDate> added;
    ApplyFeastLights(
        FeastLights(y.Engine, y.Nativity), [&](const QDate& d) { return lit.contains(d); },
        [&](const QDate& d) {
            EXPECT_FALSE(lit.contains(d)) << "lit twice: " << d.toString(Qt::ISODate).toStdString();
            lit.insert(d);
            added << d;
        });
    return added;
}

QSet<QDate> Dates(int year, const QList<std::pair<int, int>>& monthDays) {
    QSet<QDate> s;
    for (const auto& [m, d] : monthDays)
        s.insert(QDate(year, m, d));
    return s;
}

} // namespace

TEST(FeastTabsCaptions, ThreeYears) {
    struct Expected {
        QDate shown;
        QStringList texts;
    } years[] = {
        {QDate(2024, 5, 5), {"2024",        "1740 / 1741 A.M.",
                             "January 7,8", "January 20",
                             "April 28",    "May 5",
                             "June 13",     "June 23",
                             "April 7",     "January 15",
                             "January 22",  "February 16",
                             "May 2",       "May 12",
                             "June 1",      "August 19",
                             "March 19",    "September 27",
                             "August 13",   "May 9",
                             "December 12", "January 30",
                             "August 22",   "June 28",
                             "April 2",     "2 days",
                             "1 day",       "64 days",
                             "February 26", "March 11",
                             "May 5",       "June 24",
                             "18 days",     "Coptic New Year (1741):",
                             "September 11"}},
        {QDate(2026, 12, 31), {"2026",        "1742 / 1743 A.M.",
                               "January 7",   "January 19",
                               "April 5",     "April 12",
                               "May 21",      "May 31",
                               "April 7*",    "January 14",
                               "January 21",  "February 15",
                               "April 9",     "April 19",
                               "June 1",      "August 19",
                               "March 19",    "September 27",
                               "August 13",   "May 9",
                               "December 12", "January 29",
                               "August 22",   "June 28",
                               "April 2",     "1 day",
                               "3 days",      "40 days",
                               "February 2",  "February 16",
                               "April 12",    "June 1",
                               "41 days",     "Coptic New Year (1743):",
                               "September 11"}},
        {QDate(2019, 1, 1), {"2019",        "1735 / 1736 A.M.",
                             "January 7",   "January 19",
                             "April 21",    "April 28",
                             "June 6",      "June 16",
                             "April 7",     "January 14",
                             "January 21",  "February 15",
                             "April 25",    "May 5",
                             "June 1",      "August 19",
                             "March 19",    "September 28",
                             "August 13",   "May 9",
                             "December 13", "January 29",
                             "August 22",   "June 28",
                             "April 2",     "3 days",
                             "1 day",       "56 days",
                             "February 18", "March 4",
                             "April 28",    "June 17",
                             "25 days",     "Coptic New Year (1736):",
                             "September 12"}},
    };
    for (const Expected& e : years) {
        const TYear y(e.shown);
        const TFeastTabTexts t = FeastTabTexts(y.Engine, y.Nativity);
        const QStringList got = {t.GregYear,
                                 t.CopticYears,
                                 t.Nativity,
                                 t.Epiphany,
                                 t.PalmSunday,
                                 t.Resurrection,
                                 t.Ascension,
                                 t.Pentecost,
                                 t.Annunciation,
                                 t.Circumcision,
                                 t.CanaGalilee,
                                 t.EntryToTemple,
                                 t.MaundyThursday,
                                 t.ThomasSunday,
                                 t.EntryToEgypt,
                                 t.Transfiguration,
                                 t.Cross1,
                                 t.Cross2,
                                 t.MaryBirthAnnunciation,
                                 t.MaryBirthday,
                                 t.MaryEntryToTemple,
                                 t.MaryDeparture,
                                 t.MaryBodyAssumption,
                                 t.MaryFirstChurch,
                                 t.MaryZeiton,
                                 t.NativityParamouni,
                                 t.EpiphanyParamouni,
                                 t.UnfastingDays,
                                 t.StartOfJonahFast,
                                 t.StartOfTheLent,
                                 t.ResurrectionFeast,
                                 t.StartOfApostlesFast,
                                 t.ApostlesFastDuration,
                                 t.CopticNewYear,
                                 t.CopticNewYearDate};
        ASSERT_EQ(got.size(), e.texts.size());
        for (qsizetype i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i], e.texts[i]) << e.shown.year() << " caption " << i;
        EXPECT_EQ(t.AnnunciationCelebrated, !t.Annunciation.endsWith('*'));
    }
}

TEST(FeastTabsLights, ThreeYearsEachDateOnce) {
    // 2024: both Nativity days; the Cross feast's three days.
    QSet<QDate> lit;
    Light(TYear(QDate(2024, 5, 5)), lit);
    EXPECT_EQ(lit, Dates(2024, {{1, 7},  {1, 8},  {1, 15}, {1, 20}, {1, 22}, {2, 16}, {2, 26},
                                {3, 11}, {3, 19}, {4, 7},  {4, 28}, {5, 2},  {5, 5},  {5, 12},
                                {6, 1},  {6, 13}, {6, 23}, {6, 24}, {7, 12}, {8, 7},  {8, 19},
                                {8, 22}, {9, 11}, {9, 27}, {9, 28}, {9, 29}, {11, 25}}));

    // 2026: the Annunciation is not lit; June 1 (Entry into Egypt and the
    // Apostles' fast) once.
    lit.clear();
    Light(TYear(QDate(2026, 12, 31)), lit);
    EXPECT_EQ(
        lit, Dates(2026, {{1, 7}, {1, 14}, {1, 19}, {1, 21}, {2, 2},  {2, 15}, {2, 16}, {3, 19},
                          {4, 5}, {4, 9},  {4, 12}, {4, 19}, {5, 21}, {5, 31}, {6, 1},  {7, 12},
                          {8, 7}, {8, 19}, {8, 22}, {9, 11}, {9, 27}, {9, 28}, {9, 29}, {11, 25}}));

    // 2019: only January 7 of the Nativity.
    lit.clear();
    Light(TYear(QDate(2019, 1, 1)), lit);
    EXPECT_TRUE(lit.contains(QDate(2019, 1, 7)));
    EXPECT_FALSE(lit.contains(QDate(2019, 1, 8)));
    EXPECT_TRUE(lit.contains(QDate(2019, 4, 7)));
    EXPECT_TRUE(lit.contains(QDate(2019, 9, 30)));
    EXPECT_EQ(lit.size(), 26);
}

TEST(FeastTabsLights, ShowingAYearAgainAddsNothing) {
    QSet<QDate> lit;
    const QList<QDate> first = Light(TYear(QDate(2024, 5, 5)), lit);
    const QList<QDate> other = Light(TYear(QDate(2025, 1, 1)), lit);
    EXPECT_FALSE(other.isEmpty());
    EXPECT_TRUE(Light(TYear(QDate(2024, 12, 1)), lit).isEmpty());
    EXPECT_EQ(lit.size(), first.size() + other.size());
}

TEST(FeastTabsLights, CrossFeastAlreadyLitAddsNoFollowingDays) {
    QSet<QDate> lit = {QDate(2024, 9, 27)};
    const QList<QDate> added = Light(TYear(QDate(2024, 5, 5)), lit);
    EXPECT_FALSE(added.contains(QDate(2024, 9, 28)));
    EXPECT_FALSE(added.contains(QDate(2024, 9, 29)));
    // A following day lit before does not stop the other one.
    lit = {QDate(2024, 9, 28)};
    const QList<QDate> again = Light(TYear(QDate(2024, 5, 5)), lit);
    EXPECT_TRUE(again.contains(QDate(2024, 9, 27)));
    EXPECT_TRUE(again.contains(QDate(2024, 9, 29)));
}
