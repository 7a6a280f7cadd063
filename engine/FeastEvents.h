#pragma once
// The feasts, fasts and events of one Gregorian year as rows of text, their
// order, and the lines of the fixed-pitch listing the feasts window shows.
//
// A row is key "?" date text "^" name "~" notes; the key is the month and
// the day, two digits each ("0107" for January 7).

#include <QString>
#include <QStringList>

class QDate;
class TApaqty;
class TNativityCalculator;

namespace FeastEvents {

// The years a date can hold; stepping stops at either end.
constexpr int FirstYear = 1;
constexpr int LastYear = 9999;
int StepYear(int year, int step);

QString EventRow(int month, int day, const QString& dateText, const QString& name,
                 const QString& notes);
// The row of a date, with the date text MonthDayText gives it.
QString EventRowOnDate(const QString& name, const QString& notes, const QDate& date);

struct TEventParts {
    QString Key;
    QString DateText;
    QString Name;
    QString Notes;
};
// Split at the first "?", "^" and "~"; a missing mark leaves the rest empty.
TEventParts SplitEventRow(const QString& row);

// Orders by key, then date text, then name, without regard to case and
// without the locale; equal rows keep their order.
void SortEventRows(QStringList& rows);

// Every event of the year of yearEngine (set to January 1 of that year),
// with the Nativity facts of the same year, sorted.
QStringList BuildEventRows(const TApaqty& yearEngine, const TNativityCalculator& nativity);

// ---------------------------------------------------------------- text ---

// The three text sizes of the listing, in the order of the size box.
enum TTextSize { tsLarge, tsMedium, tsSmall };
struct TTextMetrics {
    int TextSize;    // points of the event lines
    int CharsPerTab; // fixed-pitch characters per default tab stop
};
TTextMetrics MetricsOf(TTextSize size);
// The size box's caption of a size.
QString TextSizeName(TTextSize size);

int TitleSize(int textSize);
int DateColumn(int charsPerTab);
// S followed by enough tabs to reach the column, or S itself when it is
// already past it.
QString PadWithTabs(const QString& s, int column, int charsPerTab);

// The title (two lines) and the lines under it: a blank line, the column
// heading, its rule and one line per row.
QString ListingTitle(int year, int copticYear);
QStringList ListingLines(const QStringList& rows, int charsPerTab);
// The printed page header: the title on one line.
QString PrintHeader(int year, int copticYear);

} // namespace FeastEvents
