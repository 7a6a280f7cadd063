#pragma once
// The days of the sample lectionary that have readings and names of their
// own: the great feasts, Kiahk, Holy Week and Easter, and the Fifty Days.

#include "Lectionary.h"

#include <QHash>
#include <QPair>

struct DayServices {
    int VelmType = 0;
    int DayID = 0;
    QList<QPair<int, QString>> Services; // reading time, readings
};

struct AnnualDay {
    QString Name;        // DayName, also added to the comment
    QString VerseRef;    // verse of the day, "John 1:14"
    QString PictureFile; // the day's own picture
    QString PictureCaption;
    int FromMonth = 0;
    int FromDay = 0;
};

struct LentDay { // also used for the Fifty Days
    QString Name;
    QString Comment;
    QString VerseRef;
};

struct HourService {
    int DayID = 0;
    int Time = 0;
    QList<ReadingRow> Rows;
};

const QList<DayServices>& WrittenServices();
QHash<int, AnnualDay> AnnualDays(); // by AnnualDayID
QHash<int, LentDay> LentDays();     // by days before Easter
QHash<int, LentDay> FiftyDays();    // by days after Easter
// The day and night hours of Palm Sunday and Holy Week that are not written
// out: a prophecy, a psalm and a Gospel passage each, read through in order.
QList<HourService> HolyWeekHours(const VerseIndex& index);
