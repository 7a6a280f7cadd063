#pragma once
// What the main window's four feast pages show for the Gregorian year of the
// shown day, and the dates they light in the month calendar.

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class TApaqty;
class TNativityCalculator;

namespace FeastTabs {

struct TFeastTabTexts {
    QString GregYear;    // each page's year label
    QString CopticYears; // "1718 / 1719 A.M."
    // Major.
    QString Nativity;
    QString Epiphany;
    QString PalmSunday;
    QString Resurrection;
    QString Ascension;
    QString Pentecost;
    QString Annunciation;        // with "*" when not celebrated
    bool AnnunciationCelebrated; // the note is shown when it is not
    // Minor.
    QString Circumcision;
    QString CanaGalilee;
    QString EntryToTemple;
    QString MaundyThursday;
    QString ThomasSunday;
    QString EntryToEgypt;
    QString Transfiguration;
    QString Cross1;
    QString Cross2;
    // St. Mary's.
    QString MaryBirthAnnunciation;
    QString MaryBirthday;
    QString MaryEntryToTemple;
    QString MaryDeparture;
    QString MaryBodyAssumption;
    QString MaryFirstChurch;
    QString MaryZeiton;
    // Traveling.
    QString NativityParamouni;
    QString EpiphanyParamouni;
    QString UnfastingDays;
    QString StartOfJonahFast;
    QString StartOfTheLent;
    QString ResurrectionFeast;
    QString StartOfApostlesFast;
    QString ApostlesFastDuration;
    QString CopticNewYear; // the name label, "Coptic New Year (1719):"
    QString CopticNewYearDate;
};

// dayEngine set to any day of the year, nativity computed for that year.
TFeastTabTexts FeastTabTexts(const TApaqty& dayEngine, const TNativityCalculator& nativity);

// The St. Mary's dates of the Coptic years around the Gregorian year whose
// January falls in copticYearOfJanuary, in the page's order.
QList<QDate> StMaryDates(int copticYearOfJanuary);

// One date to light; a three-day light also lights the two days after it,
// but only when its first day was not lit yet.
struct TFeastLight {
    QDate Date;
    bool ThreeDays = false;
};
QList<TFeastLight> FeastLights(const TApaqty& dayEngine, const TNativityCalculator& nativity);

// Lights each date that is not lit yet, in order.
void ApplyFeastLights(const QList<TFeastLight>& lights,
                      const std::function<bool(const QDate&)>& isLit,
                      const std::function<void(const QDate&)>& light);

} // namespace FeastTabs
