#include "day_fixture.h"

#include "DMMain.h"
#include "FixtureDb.h"
#include "TableEngine.h"

namespace DayFixture {

namespace {

void FillYearly(TFixtureDatabase& w, bool borrowingCycle) {
    const QStringList fields = {"DayID",       "MonthID",         "Day",       "VerseOfTheDay",
                                "Comment",     "DayName",         "FromMonth", "FromDay",
                                "PictureFile", "PictureSaintName"};
    for (DayRules::TYearlyRow r : YearlyRows()) {
        if (!borrowingCycle && r.FromDay >= 10)
            r.FromMonth = r.FromDay = 0;
        w.Insert(QStringLiteral("Yearly.DB"), fields,
                 {r.DayID, r.MonthID, r.Day, r.VerseOfTheDay, r.Comment, r.DayName, r.FromMonth,
                  r.FromDay, r.PictureFile, r.PictureSaintName});
    }
}

void FillDayTables(TFixtureDatabase& w) {
    for (const auto& [n, r] : LentRows())
        w.Insert(QStringLiteral("Lent_HolyWeek.DB"),
                 {"ID", "DaysFromEaster", "DayName", "VerseOfTheDay", "Comment"},
                 {r.ID, n, r.DayName, r.VerseOfTheDay, r.Comment});
    for (const auto& [n, r] : FiftyRows())
        w.Insert(QStringLiteral("FiftyDays.DB"),
                 {"ID", "DaysFromEster", "DayName", "VerseOfTheDay", "Comment"},
                 {r.ID, n, r.DayName, r.VerseOfTheDay, r.Comment});
    for (const auto& [key, r] : SundayRows())
        w.Insert(QStringLiteral("Sundays.DB"),
                 {"ID", "DayName", "VerseOfTheDay", "Comment", "Month", "Week"},
                 {r.ID, r.DayName, r.VerseOfTheDay, r.Comment, key / 10, key % 10});
}

void FillSynaxarium(TFixtureDatabase& w) {
    const QStringList detail = {"SynxID", "Number", "Name", "Desc"};
    for (int m = 1; m <= 13; ++m) {
        for (int d = 1; d <= DaysInCopticMonth(m); ++d) {
            if (m == 3 && d == 7)
                continue; // no head row
            const int id = SynxHeadID(m, d);
            w.Insert(QStringLiteral("SynxHead.db"), {"ID", "Month", "Day"}, {id, m, d});
            int first = 1;
            int count = 1;
            if (m == 2 && d == 3)
                count = 3;
            if (m == 2 && d == 4)
                count = 13;
            if (m == 3 && d == 8)
                first = 2; // entry 1 missing
            for (int k = first; k < first + count; ++k)
                w.Insert(QStringLiteral("SynxDetail.DB"), detail,
                         {id, k, QStringLiteral("Saint %1 of %2/%3").arg(k).arg(m).arg(d),
                          QStringLiteral("The story of saint %1 of %2/%3.").arg(k).arg(m).arg(d)});
        }
    }
}

void FillLookups(TFixtureDatabase& w, int verseCount) {
    const QStringList types = {"Holy Lent", "Holy Fifty Days", "Annual", "Sundays"};
    for (int i = 0; i < types.size(); ++i)
        w.Insert(QStringLiteral("VelmType.db"), {"ID", "Description"}, {11 + i, types[i]});
    const QStringList times = {"Vespers",
                               "Matins",
                               "Liturgy",
                               "Evening",
                               "First hour of the day",
                               "Third hour of the day",
                               "Sixth hour of the day",
                               "Ninth hour of the day",
                               "Eleventh hour of the day",
                               "Twelfth hour of the day",
                               "First hour of the night",
                               "Third hour of the night",
                               "Sixth hour of the night",
                               "Ninth hour of the night",
                               "Eleventh hour of the night"};
    for (int i = 0; i < times.size(); ++i)
        w.Insert(QStringLiteral("ReadingTimes.DB"), {"ID", "Time"}, {i + 1, times[i]});
    for (int i = 1; i <= verseCount; ++i)
        w.Insert(QStringLiteral("Verses.DB"), {"Id", "Verse"},
                 {i, QStringLiteral("Verse %1").arg(i)});
}

} // namespace

TDayDatabase::TDayDatabase(int verseCount, const std::function<void(TFixtureDatabase&)>& addRows,
                           bool borrowingCycle)
    : db_(std::make_unique<TFixtureDatabase>(false)) {
    FillYearly(*db_, borrowingCycle);
    FillDayTables(*db_);
    FillSynaxarium(*db_);
    FillLookups(*db_, verseCount);
    if (addRows)
        addRows(*db_);
    db_->Finish();
    CreateMainDM();
    MainDM->OpenStartupTables();
}

TDayDatabase::~TDayDatabase() {
    if (MainDM)
        MainDM->CloseAll();
    DestroyMainDM();
}

QString TDayDatabase::Folder() const {
    return db_->Folder();
}

} // namespace DayFixture
