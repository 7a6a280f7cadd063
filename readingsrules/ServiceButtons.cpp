#include "ServiceButtons.h"

namespace ServiceButtons {

const QList<TServiceButton>& Buttons() {
    static const QList<TServiceButton> buttons = {
        {"btnVespers", "Vespers", "Vespers"},
        {"btnMatins", "Matins", "Matins"},
        {"btnLiturgy", "Liturgy", "Liturgy"},
        {"btnEvening", "Evening", "Evening"},
        {"btnPalmVespers", "Vespers", "Vespers"},
        {"btnPalmMatins", "Matins", "Matins"},
        {"btnPalmLiturgy", "Liturgy", "Liturgy"},
        {"btnPalmDay6thHour", "Sixth hour of the day", "Sixth hour of the day", true},
        {"btnPalmDay9thHour", "Ninth hour of the day", "Ninth hour of the day"},
        {"btnPalmDay11thHour", "Eleventh hour of the day", "Eleventh hour of the day"},
        {"btnDay1stHour", "First hour of the day", "First hour of the day"},
        {"btnDay3rdHour", "Third hour of the day", "Third hour of the day"},
        {"btnDay6thHour", "Sixth hour of the day", "Sixth hour of the day"},
        {"btnDay9thHour", "Ninth hour of the day", "Ninth hour of the day"},
        {"btnDay11thHour", "Eleventh hour of the day", "Eleventh hour of the day"},
        {"btnDay12thHour", "Twelfth hour of the day", "Twelfth hour of the day"},
        {"btnNight1stHour", "First hour of the night", "First hour of the night"},
        {"btnNight3rdHour", "Third hour of the night", "Third hour of the night"},
        {"btnNight6thHour", "Sixth hour of the night", "Sixth hour of the night"},
        {"btnNight9thHour", "Ninth hour of the night", "Ninth hour of the night"},
        {"btnNight11thHour", "Eleventh hour of the night", "Eleventh hour of the night"},
        {"btnLightSaturdayPraises", "Praises", "Vespers"},
        {"btnLightSaturday1stHour", "First hour of the day", "First hour of the day"},
        {"btnLightSaturday3rdHour", "Third Hour", "Third hour of the day"},
        {"btnLightSaturday6thHour", "Sixth Hour", "Sixth hour of the day"},
        {"btnLightSaturday9thHour", "Ninth Hour", "Ninth hour of the day"},
        {"btnLightSaturdayLiturgy", "Liturgy", "Eleventh hour of the day"},
    };
    return buttons;
}

const TServiceButton* FindButton(const QString& name) {
    for (const TServiceButton& b : Buttons())
        if (name == QLatin1String(b.Name))
            return &b;
    return nullptr;
}

TGroupState GroupState(TDayCategory c, bool isEntryToTemple) {
    TGroupState g;
    g.TimesVisible =
        !(c == dcPalmSunday || c == dcHolyWeek || c == dcGoodFriday || c == dcHolySaturday);
    g.VespersEnabled =
        !(c == dcEaster || c == dcLentWeekday || c == dcLazarusSaturday) || isEntryToTemple;
    g.EveningVisible = c == dcEaster || c == dcLentSunday || c == dcLentWeekday;
    g.EveningEnabled = c == dcEaster || c == dcLentSunday;
    g.PalmSundayVisible = c == dcPalmSunday;
    g.DayHoursVisible = c == dcHolyWeek || c == dcGoodFriday;
    g.Day12thHourVisible = c == dcGoodFriday;
    if (c == dcGoodFriday) {
        g.DayHoursTopAligned = true;
        g.DayHoursWidth = 199;
        g.DayHourButtonLeft = 24;
        g.Day12thHourLeft = 24;
        g.DayHourButtonWidth = 150;
    }
    g.NightHoursVisible = c == dcPalmSunday || c == dcHolyWeek;
    g.BrightSaturdayVisible = c == dcHolySaturday;
    return g;
}

} // namespace ServiceButtons
