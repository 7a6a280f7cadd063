#include "day_fixture.h"

#include "DMMain.h"
#include "FixtureDb.h"
#include "TableEngine.h"

namespace DayFixture {

namespace {

int DaysInCopticMonth(int month) {
    return month == 13 ? 6 : 30;
}

void FillYearly(TFixtureDatabase& w) {
    const QStringList fields = {"DayID",       "MonthID",         "Day",       "VerseOfTheDay",
                                "Comment",     "DayName",         "FromMonth", "FromDay",
                                "PictureFile", "PictureSaintName"};
    for (int m = 1; m <= 13; ++m) {
        for (int d = 1; d <= DaysInCopticMonth(m); ++d) {
            int fromMonth = 0;
            int fromDay = 0;
            if (m == 2 && (d == 5 || d == 6)) { // Babah 5 -> 6 -> 7
                fromMonth = 2;
                fromDay = d + 1;
            }
            if (m == 2 && d == 10) { // Babah 10 <-> 11
                fromMonth = 2;
                fromDay = 11;
            }
            if (m == 2 && d == 11) {
                fromMonth = 2;
                fromDay = 10;
            }
            QString picture;
            QString caption;
            if (m == 2 && d == 15) {
                picture = OwnPicture;
                caption = OwnPictureCaption;
            }
            const QString md = QStringLiteral("%1/%2").arg(m).arg(d);
            w.Insert(QStringLiteral("Yearly.DB"), fields,
                     {YearlyID(m, d), m, d, QStringLiteral("Annual verse ") + md,
                      QStringLiteral("Annual comment ") + md, QStringLiteral("Annual name ") + md,
                      fromMonth, fromDay, picture, caption});
        }
    }
}

void FillDayTables(TFixtureDatabase& w) {
    for (int n = 0; n <= 69; ++n) {
        const QString s = QString::number(n);
        w.Insert(QStringLiteral("Lent_HolyWeek.DB"),
                 {"ID", "DaysFromEaster", "DayName", "VerseOfTheDay", "Comment"},
                 {LentID(n), n, QStringLiteral("Lent name ") + s, QStringLiteral("Lent verse ") + s,
                  QStringLiteral("Lent comment ") + s});
    }
    for (int n = 1; n <= 49; ++n) {
        const QString s = QString::number(n);
        w.Insert(QStringLiteral("FiftyDays.DB"),
                 {"ID", "DaysFromEster", "DayName", "VerseOfTheDay", "Comment"},
                 {FiftyID(n), n, QStringLiteral("Fifty name ") + s,
                  QStringLiteral("Fifty verse ") + s, QStringLiteral("Fifty comment ") + s});
    }
    for (int m = 1; m <= 13; ++m) {
        for (int k = 1; k <= 5; ++k) {
            const QString s = QStringLiteral("%1/%2").arg(m).arg(k);
            w.Insert(QStringLiteral("Sundays.DB"),
                     {"ID", "DayName", "VerseOfTheDay", "Comment", "Month", "Week"},
                     {SundayID(m, k), QStringLiteral("Sunday name ") + s,
                      QStringLiteral("Sunday verse ") + s, QStringLiteral("Sunday comment ") + s, m,
                      k});
        }
    }
}

void FillSynaxarium(TFixtureDatabase& w) {
    const QStringList detail = {"SynxID", "Number", "Name"};
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
                         {id, k, QStringLiteral("Saint %1 of %2/%3").arg(k).arg(m).arg(d)});
        }
    }
}

void FillLookups(TFixtureDatabase& w, int verseCount) {
    const QStringList types = {"Holy Lent", "Holy Fifty Days", "Annual", "Sundays"};
    for (int i = 0; i < types.size(); ++i)
        w.Insert(QStringLiteral("VelmType.db"), {"ID", "Description"}, {11 + i, types[i]});
    const QStringList times = {"Vespers", "Matins", "Liturgy", "Evening"};
    for (int i = 0; i < times.size(); ++i)
        w.Insert(QStringLiteral("ReadingTimes.DB"), {"ID", "Time"}, {i + 1, times[i]});
    for (int i = 1; i <= verseCount; ++i)
        w.Insert(QStringLiteral("Verses.DB"), {"Id", "Verse"},
                 {i, QStringLiteral("Verse %1").arg(i)});
}

} // namespace

TDayDatabase::TDayDatabase(int verseCount) : db_(std::make_unique<TFixtureDatabase>(false)) {
    FillYearly(*db_);
    FillDayTables(*db_);
    FillSynaxarium(*db_);
    FillLookups(*db_, verseCount);
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
