#pragma once
// The main window's service buttons without the widgets: which button opens
// which service, and which groups and buttons a day category offers.

#include "DayKey.h"

#include <QList>
#include <QString>

namespace ServiceButtons {

// One service button: its control's name, the name the readings window
// shows and the reading time whose rows it opens.
struct TServiceButton {
    const char* Name;
    const char* ServiceName;
    const char* ReadingTime;
    // The name comes from the data module's Palm Sunday naming of the time.
    bool PalmSundayName = false;
};

// Every service button, group by group.
const QList<TServiceButton>& Buttons();
// The entry of a button by control name; null when there is none.
const TServiceButton* FindButton(const QString& name);

// What the day category makes of the groups of service buttons.
struct TGroupState {
    bool TimesVisible = false;
    bool VespersEnabled = true;
    bool EveningVisible = false;
    bool EveningEnabled = false;
    bool PalmSundayVisible = false;
    bool DayHoursVisible = false;
    bool Day12thHourVisible = false;
    bool DayHoursTopAligned = false;
    int DayHoursWidth = 100;
    int DayHourButtonLeft = 10;
    int Day12thHourLeft = 8;
    int DayHourButtonWidth = 75;
    bool NightHoursVisible = false;
    bool BrightSaturdayVisible = false;
};

// The groups for a day category; the Entry of the Lord to the Temple
// keeps Vespers open on days that otherwise close it.
TGroupState GroupState(TDayCategory category, bool isEntryToTemple);

} // namespace ServiceButtons
