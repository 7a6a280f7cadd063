#pragma once
// The whole church day of a date, computed without a widget: key, title, day
// record, fasting, tune, Synaxarium rule, category and picture. The main
// window's refresh and the range readings take it whole and only then show
// it; tests call it without a window.

#include "DayRules.h"

#include <QDate>
#include <QString>

namespace DayRules {

struct TShownDay {
    QDate Date;
    TDayKey DayKey;
    QString Title;
    // DayID 0 when no record was found; ChainError when following the Annual
    // borrowing chain failed (the caller reports it).
    TDayRecord Record;
    TFastingLevel FastingLevel = flNoFasting;
    bool NoAbstinence = false;
    TTuneKind TuneKind = tkAnnual;
    bool SynaxariumRead = false;
    TDayCategory Category = dcOrdinary;
    TPictureChoice Picture;
    QString GregorianDateText; // "January 7, 2027"
    QString CopticDayText;     // "Kiahk 29"
    QString CopticDateText;    // "Kiahk 29, 1743"
};

// The steps in the order the day is refreshed: the calculator for the
// date's year (recomputed only when the year changes), the engine set to the
// date, the key from the engine's day type and Easter offset, the title with
// the day record, fasting, tune, Synaxarium rule, category and picture.
// engine and nativity are left on the date. calendarDate is the date the
// month calendar shows, which alone decides the start of the fasts.
TShownDay ComputeShownDay(const QDate& date, const QDate& calendarDate, TApaqty& engine,
                          TNativityCalculator& nativity, IDayTables& tables);

} // namespace DayRules
