#include "ShownDay.h"

#include "Apaqty.h"
#include "NativityCalculator.h"

namespace DayRules {

TShownDay ComputeShownDay(const QDate& date, const QDate& calendarDate, TApaqty& engine,
                          TNativityCalculator& nativity, IDayTables& tables) {
    if (date.year() != nativity.Year)
        nativity.Calculate(date.year());
    engine.SetDate(date);

    TShownDay day;
    day.Date = date;
    day.GregorianDateText = GregorianDateText(date);
    day.DayKey.DayType = engine.DayType;
    day.DayKey.EasterOffset = EasterOffsetByte(engine.DaysFromEaster);
    day.Title = BuildDayTitle(
        date, engine, nativity, day.DayKey,
        [&](TDayKey& key) { return GetDayRecord(key, engine, calendarDate, tables); }, day.Record);
    day.FastingLevel = FastingLevel(engine);
    day.NoAbstinence = IsNoAbstinenceDay(engine);
    day.TuneKind = TuneKind(engine, nativity, day.DayKey);
    day.SynaxariumRead = IsSynaxariumRead(day.DayKey);
    day.CopticDayText = CopticDayText(engine);
    day.CopticDateText = CopticDateText(engine);
    day.Category = DayCategory(engine);
    day.Picture = SelectDayPicture(day.Category, engine, &tables);
    return day;
}

} // namespace DayRules
