#pragma once
// The fields that the openers of the readings window fill before they show
// it, and that its builds read. Fields an opener does not write keep the
// values of the previous opening.

#include "DayKey.h"

#include <QDateTime>
#include <QString>

// What a range of days shows of one service group (stored as a byte).
enum class ServiceRangeChoice : quint8 {
    FullReadings = 0,
    CitationsOnly = 1, // for the Synaxarium: the names only
    NotShown = 2,
};

// The choice of a radio group's item index: 0 and 1 as they are, anything
// else (2, or no item selected) not shown.
constexpr ServiceRangeChoice RangeChoiceOfIndex(int index) {
    return index == 0   ? ServiceRangeChoice::FullReadings
           : index == 1 ? ServiceRangeChoice::CitationsOnly
                        : ServiceRangeChoice::NotShown;
}

struct TReadingsParameters {
    int VelmTypeID = 0;
    TDayType DayType = dtNone;
    int DayID = 0;
    int ReadingTimeID = 0;
    QString ServiceName;
    bool AllServices = false;
    bool IsPalmSunday = false;
    bool IsJoyousSaturday = false;
    bool IsCovenantThursday = false;
    bool IsHolyWeek = false;

    ServiceRangeChoice VespersChoice = ServiceRangeChoice::FullReadings;
    ServiceRangeChoice MatinsChoice = ServiceRangeChoice::FullReadings;
    ServiceRangeChoice LiturgyChoice = ServiceRangeChoice::FullReadings;
    ServiceRangeChoice EveningChoice = ServiceRangeChoice::FullReadings;
    ServiceRangeChoice PassionChoice = ServiceRangeChoice::FullReadings;
    ServiceRangeChoice SynxChoice = ServiceRangeChoice::FullReadings;
    bool RangeAllServices = false;
    bool ShowSynxAlways = false;

    QDateTime StartDate;
    QDateTime EndDate;
    bool RangeMode = false;

    // A range day writes the service's headings (shown) and its passages (full).
    bool IsServiceShown(int readingTime) const;
    bool IsServiceFull(int readingTime) const;
    // The Synaxarium section of a range day: not when the user chose not to
    // show it; else when it is read that day or asked for on every day.
    bool IsSynaxariumShown(bool readInChurch) const;
    bool IsSynaxariumFull() const;
};
