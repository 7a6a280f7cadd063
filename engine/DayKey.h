#pragma once
// The day key and the closed sets of the church day. Each enum keeps the byte
// values the content tables and the readings window use, so a key or a
// value can be stored and compared as the byte it always was.

#include <QtGlobal>

// The book of readings a day is read from.
enum TDayType : quint8 {
    dtNone = 0,
    dtHolyLent = 1,  // days before Easter, Easter itself at offset 0
    dtHolyFifty = 2, // days after Easter
    dtAnnual = 3,    // by Coptic month and day
    dtSundays = 4,   // by Coptic month and Sunday of the month
};

enum TFastingLevel : quint8 {
    flNoFasting = 0,
    flFishAllowed = 1,
    flStrict = 2,
};

// The hymn tune of the day.
enum TTuneKind : quint8 {
    tkAnnual = 0,
    tkLenten = 1,
    tkKiahk = 2,
    tkHosanna = 3,
    tkAttribis = 4,
    tkFestal = 5,
    tkAttribisAnnual = 6,
};

// The kind of day that decides the services offered and the picture.
enum TDayCategory : quint8 {
    dcEaster = 1,
    dcNativity = 2,
    dcEpiphany = 3,
    dcPalmSunday = 4,
    dcOrdinary = 5, // also a feast of the Cross and the Annunciation
    dcSunday = 6,
    dcHolyFifty = 7,
    dcLentSunday = 8,  // Great Lent, Jonah's fast and the Sunday before Lent
    dcLentWeekday = 9, // Great Lent and Jonah's fast, the Jonah Passover included
    dcHolyWeek = 10,
    dcGoodFriday = 11,
    dcHolySaturday = 12,
    dcLazarusSaturday = 13,
};

// The key that selects the day's record and readings. DayType may differ
// from the engine's: feasts force Annual, and some Sundays are read from the
// Annual table.
struct TDayKey {
    TDayType DayType = dtNone;
    quint8 CopticDay = 0;   // 1..30
    quint8 CopticMonth = 0; // 1..13
    quint8 SundayNumber = 0;
    qint8 EasterOffset = 0; // days from Easter, low byte, signed
};
