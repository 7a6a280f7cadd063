#pragma once
// The sample lectionary: services, day types, the day records of the four
// day tables and their readings.

#include "ContentData.h"

#include <stdexcept>

class ELectionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading-time IDs; the hours of Holy Week follow the four daily services.
enum ReadingTimeID {
    rtVespers = 1,
    rtMatins,
    rtLiturgy,
    rtEvening,
    rtDay1st,
    rtDay3rd,
    rtDay6th,
    rtDay9th,
    rtDay11th,
    rtDay12th,
    rtNight1st,
    rtNight3rd,
    rtNight6th,
    rtNight9th,
    rtNight11th
};

// Day-type IDs of VelmType.db: the same numbers as the day types.
enum VelmTypeID { vtLent = 1, vtFifty = 2, vtAnnual = 3, vtSundays = 4 };

// One readings row before it is written.
struct ReadingRow {
    int VelmType = 0, DayID = 0, Time = 0, Type = 0, Order = 0, Book = 0;
    int StartChapter = 0, StartVerse = 0, EndChapter = 0, EndVerse = 0;
    int StartSkip = 0, EndSkip = 0;
};

// Every table of the lectionary. Raises ELectionaryError when a reading names
// a passage that the Bible text cannot give.
QList<TableRows> BuildLectionaryTables(const VerseIndex& index);

// The DayID of an Annual day.
inline int AnnualDayID(int month, int day) {
    return (month - 1) * 30 + day;
}
inline int SundayDayID(int month, int week) {
    return (month - 1) * 5 + week;
}
inline int LentDayID(int daysBeforeEaster) {
    return daysBeforeEaster + 1;
}

// Parses one service written as "Rom 8:28-39; Ps 96:1-3 + Ps 96:11-13; John 1:1-14"
// ("#N " before a reading sets its Order) into rows, checking each passage.
QList<ReadingRow> ParseService(const QString& text, const VerseIndex& index);

// Checks that the passage reads verse by verse the way the data module walks
// it; returns an empty string when it does, else what is wrong.
QString CheckPassage(const VerseIndex& index, int book, int sc, int sv, int ec, int ev);
