#include "FeastTabs.h"

#include "Apaqty.h"
#include "NameTables.h"
#include "NativityCalculator.h"

namespace FeastTabs {

namespace {

QString days(int n) {
    switch (n) {
    case 1:
        return QStringLiteral("1 day");
    case 2:
        return QStringLiteral("2 days");
    case 3:
        return QStringLiteral("3 days");
    default:
        return QString();
    }
}

// Counts shown as the low byte of their value.
QString byteDays(int n) {
    return QString::number(static_cast<quint8>(n)) + QStringLiteral(" days");
}

} // namespace

QList<QDate> StMaryDates(int cy) {
    auto c2g = [](int y, int m, int d) { return TApaqty::CopticToGregorian(y, m, d); };
    return {c2g(cy, 12, 7),  c2g(cy, 9, 1),   c2g(cy + 1, 4, 3), c2g(cy, 5, 21),
            c2g(cy, 12, 16), c2g(cy, 10, 21), c2g(cy, 7, 24)};
}

TFeastTabTexts FeastTabTexts(const TApaqty& e, const TNativityCalculator& nativity) {
    const int cy = e.CopticYearOfJanuary;
    TFeastTabTexts t;
    t.GregYear = QString::number(e.Year);
    t.CopticYears = QString::number(cy) + QStringLiteral(" / ") + QString::number(cy + 1) +
                    QStringLiteral(" A.M.");

    t.Nativity =
        nativity.NativityOnKiahk28 ? QStringLiteral("January 7,8") : QStringLiteral("January 7");
    t.Epiphany = MonthDayText(e.EpiphanyDate());
    t.PalmSunday = MonthDayText(e.PalmSundayDate());
    t.Resurrection = MonthDayText(e.EasterDate);
    t.Ascension = MonthDayText(e.AscensionDate());
    t.Pentecost = MonthDayText(e.PentecostDate());
    t.AnnunciationCelebrated = e.IsAnnunciationCelebrated();
    t.Annunciation = MonthDayText(e.AnnunciationDate());
    if (!t.AnnunciationCelebrated)
        t.Annunciation += QLatin1Char('*');

    t.Circumcision = MonthDayText(e.CircumcisionDate());
    t.CanaGalilee = MonthDayText(e.CanaGalileeDate());
    t.EntryToTemple = MonthDayText(e.EntryToTempleDate());
    t.MaundyThursday = MonthDayText(e.CovenantThursdayDate());
    t.ThomasSunday = MonthDayText(e.ThomasSundayDate());
    t.EntryToEgypt = MonthDayText(e.EntryToEgyptDate());
    t.Transfiguration = MonthDayText(e.TransfigurationDate());
    t.Cross1 = MonthDayText(e.CrossFeastDate(0));
    t.Cross2 = MonthDayText(e.CrossFeastDate(1));

    const QList<QDate> mary = StMaryDates(cy);
    QString* maryTexts[] = {
        &t.MaryBirthAnnunciation, &t.MaryBirthday,    &t.MaryEntryToTemple, &t.MaryDeparture,
        &t.MaryBodyAssumption,    &t.MaryFirstChurch, &t.MaryZeiton};
    for (int i = 0; i < mary.size(); ++i)
        *maryTexts[i] = MonthDayText(mary[i]);

    t.NativityParamouni = days(nativity.ParamounDays);
    t.EpiphanyParamouni = days(e.EpiphanyParamounDays());
    t.UnfastingDays = byteDays(e.NativityToLentDays());
    t.StartOfJonahFast = MonthDayText(e.StartOfJonahFast());
    t.StartOfTheLent = MonthDayText(e.StartOfLent());
    t.ResurrectionFeast = MonthDayText(e.EasterDate);
    t.StartOfApostlesFast = MonthDayText(e.StartOfApostlesFast());
    t.ApostlesFastDuration = byteDays(e.ApostlesFastDays());
    t.CopticNewYear =
        QStringLiteral("Coptic New Year (") + QString::number(cy + 1) + QStringLiteral("):");
    t.CopticNewYearDate = MonthDayText(e.NayrouzDate);
    return t;
}

QList<TFeastLight> FeastLights(const TApaqty& e, const TNativityCalculator& nativity) {
    const int cy = e.CopticYearOfJanuary;
    QList<TFeastLight> l;
    // The Minor page's feasts.
    l << TFeastLight{e.CircumcisionDate()} << TFeastLight{e.CanaGalileeDate()}
      << TFeastLight{e.EntryToTempleDate()} << TFeastLight{e.CovenantThursdayDate()}
      << TFeastLight{e.ThomasSundayDate()} << TFeastLight{e.EntryToEgyptDate()}
      << TFeastLight{e.TransfigurationDate()} << TFeastLight{e.CrossFeastDate(0)}
      << TFeastLight{e.CrossFeastDate(1), true};
    // The Nativity, Easter and the Traveling page's fasts.
    l << TFeastLight{QDate(e.Year, 1, 7)};
    if (nativity.NativityOnKiahk28)
        l << TFeastLight{QDate(e.Year, 1, 8)};
    l << TFeastLight{e.EasterDate} << TFeastLight{e.StartOfJonahFast()}
      << TFeastLight{e.StartOfLent()} << TFeastLight{e.NayrouzDate};
    // The rest of the Major page.
    l << TFeastLight{e.EpiphanyDate()} << TFeastLight{e.PalmSundayDate()}
      << TFeastLight{e.AscensionDate()} << TFeastLight{e.PentecostDate()};
    if (e.IsAnnunciationCelebrated())
        l << TFeastLight{e.AnnunciationDate()};
    // The start of the Nativity fast, the Apostles' feast and fast, St. Mary's fast.
    l << TFeastLight{TApaqty::CopticToGregorian(cy + 1, 3, 16)}
      << TFeastLight{e.ApostlesFeastDate()} << TFeastLight{e.PentecostDate().addDays(1)}
      << TFeastLight{e.StartOfStMaryFast()} << TFeastLight{e.StMaryFastEndDate()};
    return l;
}

void ApplyFeastLights(const QList<TFeastLight>& lights,
                      const std::function<bool(const QDate&)>& isLit,
                      const std::function<void(const QDate&)>& light) {
    for (const TFeastLight& f : lights) {
        if (isLit(f.Date))
            continue;
        light(f.Date);
        if (f.ThreeDays)
            for (int i = 1; i <= 2; ++i)
                if (!isLit(f.Date.addDays(i)))
                    light(f.Date.addDays(i));
    }
}

} // namespace FeastTabs
