#pragma once
// What the Synaxarium window shows of one Coptic day, read from the data
// module's Synaxarium tables without any widget: the Coptic and Gregorian
// date texts, the day's entries with their icons, related dates and index
// keywords, and the step of the browse cursor to the next or previous day.

#include <QList>
#include <QString>

class TTable;

// At most this many entries of a day are listed and written.
constexpr int MaxSynxEntries = 12;

// "Tut 5": the Coptic month name, a blank and the day.
QString SynxDateCaption(int copticMonth, int copticDay);

// The Gregorian month name and day ("May 25") on which a Coptic month and
// day fall within the Gregorian year.
QString CopticToGregorianText(int gregorianYear, int copticMonth, int copticDay);

// A related date of an entry, as its link shows and opens it.
struct TSynxLink {
    bool Shown = false; // month, day and entry number all given
    QString Caption;    // Coptic date only: "Babah 3"
    int HeadID = 0;     // SynxHead ID of the date; 0 when it has no head row
    int EntryNumber = 0;
};

struct TSynxEntry {
    int Number = 0; // as stored; the slot and the text count entries from 1
    QString Name;
    QString Desc;
    QString PictureFile;
    QString PictSaintName;
    TSynxLink LinkA;
    TSynxLink LinkB;
    QString Keyword; // the entry's SynxSaints name, empty when it has none
};

// The caption of the entry's list label: the stored number, "- " and the name.
QString SynxEntryCaption(const TSynxEntry& entry);

// The tables one day is read from; each is positioned again before use.
struct TSynxTables {
    TTable& Browse;       // SynxHead by month and day
    TTable& Detail;       // SynxDetail by SynxID and number
    TTable& SaintByIdNum; // SynxSaints by SynxID and number
};
// The data module's tables.
TSynxTables MainDMSynxTables();

// Name of the SynxSaints row of an entry, or "".
QString GetEntryKeyword(TTable& saintByIdNum, int synxID, int number);

// The first twelve entries of a day in reading order; none when the day has
// no entry numbered 1. The browse cursor is used for the related dates and is
// put back on the row it stood on.
QList<TSynxEntry> ReadSynxEntries(const TSynxTables& tables, int synxID);

// Moves the browse cursor from the day synxID to the next (forward) or
// previous day; at either end it stays on the day. Relies on the IDs
// ascending in month and day order.
void StepBrowseCursor(TTable& browse, int synxID, bool forward);
