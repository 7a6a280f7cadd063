#pragma once
// What the readings window writes, without a widget: citation texts read
// from the readings rows, translation tags, closing sentences, the runs of a
// passage and the style of every run, and the reading title of a day.

#include "DayKey.h"

#include <QList>
#include <QString>

class TTable;

// The book of the Psalms lives with the data module (PsalmsBookID); this is
// the other book whose consecutive readings of one Order share one heading.
extern int PairedBookID;

namespace ReadingsRules {

// The values the readings window sets at each show.
constexpr int PsalmsBook = 46;
constexpr int PairedBook = 45;

// Raised when a chosen service has no readings rows; the users know the
// text with its typo.
extern const char* const NoDataMessage;
// Followed directly by the book ID.
extern const char* const BookNotFoundMessage;

constexpr int RuleLength = 74;
QString RuleText();

// "John 3:5", "John 3:5-9", "John 3:20-4:6".
QString CitationText(const QString& bookName, int startChapter, int endChapter, int startVerse,
                     int endVerse);

// The rows of the readings table that belong to one service of a day.
struct TServiceKey {
    int VelmTypeID = 0;
    int DayID = 0;
    int ReadingTimeID = 0;
};

// The citation of the readings table's current row; for the Psalms and the
// paired book the ranges of the following rows of the same service and
// Order are joined. The current row is the same afterwards, also after an
// error.
QString BuildCitation(TTable& readings, TTable& bookNames, const TServiceKey& key);

// "[" + the short name of the book's translation + "]", or "" when the book
// or its translation is missing.
QString TranslationTag(TTable& bookNames, TTable& translations, int bookID);

// The sentence written after a reading of the type; "" outside 1..6.
QString ClosingSentence(int readingType);

// The Bible place a citation node names: "Psalms 1:1-3, 5-6" is Psalms,
// chapter 1, verse 1. Not valid when the chapter or verse is 0 or the book
// name empty (service, day and Synaxarium nodes).
struct TCitationLink {
    QString BookName;
    int Chapter = 0;
    int Verse = 0;
    bool Valid() const { return Chapter != 0 && Verse != 0 && !BookName.isEmpty(); }
};
TCitationLink ParseCitation(const QString& text);

// ------------------------------------------------------------------ runs ---

enum class TRunKind {
    Rule,
    ServiceHeading,
    ReadingHeading,
    ChapterMarker,
    VerseNumber,
    Body,
    Tag,
    Closing,
};

enum class TRunWeight { Bold, Regular, ReadingsStyle };

constexpr quint32 Black = 0x000000; // RGB
constexpr quint32 Blue = 0x0000FF;
constexpr quint32 Red = 0xFF0000;

struct TRunStyle {
    quint32 Rgb = Black;
    TRunWeight Weight = TRunWeight::ReadingsStyle;
    int Size = 12; // points
};

// The readings window's base size of the closing sentence.
constexpr int DefaultTextSize = 12;

// The style of a run for a readings font of readingsSize points; service
// headings take the caller's colour.
TRunStyle RunStyle(TRunKind kind, int readingsSize, int textSize = DefaultTextSize,
                   quint32 headingRgb = Blue);

struct TPassageRun {
    TRunKind Kind;
    QString Text;
    bool operator==(const TPassageRun&) const = default;
};

// A passage text cut into chapter markers ("[" .. "]"), verse numbers
// (a digit with the digits and colons after it) and body runs.
QList<TPassageRun> SplitPassage(const QString& passage);

// A passage ends in a punctuation mark, before any closing quotes or
// brackets; one that does not gets a full stop. Its words never change.
QString WithFullStop(const QString& passage);

// ------------------------------------------------------------ day title ---

struct TTitleDay {
    TDayType DayType = dtNone;
    bool IsPalmSunday = false;
    bool IsHolyWeek = false;
    bool IsGoodFriday = false;
    bool IsHolySaturday = false;
    int WeekDay = 1; // 1 = Sunday .. 7 = Saturday
};

// Coptic date + " - " + Gregorian date + ", " + day title, with the night of
// the next day on the evenings of Holy Week.
QString ReadingTitle(const QString& copticDate, const QString& gregorianDate,
                     const QString& dayTitle, const TTitleDay& day);
// 10 points for a title longer than 40 characters, else 12.
int ReadingTitleFontSize(const QString& title);

} // namespace ReadingsRules
