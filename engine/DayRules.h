#pragma once
// The rules that turn the church day of a date into what the main window
// shows: day title and day key, day record with the Annual borrowing chain,
// fasting, tune, Synaxarium reading, day category, day picture and the
// verse of the day. Nothing here touches a widget, so tests and the range
// readings call the rules without a window.

#include "DayKey.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TApaqty;
class TNativityCalculator;

namespace DayRules {

// Lines of a title or note are joined so.
inline const QString CRLF = QStringLiteral("\r\n");

// Shown when following the Annual table's borrowing chain fails; the text is
// kept exactly as the users know it.
extern const char* const AnnualDayNotFoundMessage;

extern const char* const SynaxariumReadCaption;
extern const char* const SynaxariumNotReadCaption;

extern const char* const ApostlesFastComment;
extern const char* const ApostlesFastVerse;
extern const char* const StMaryFastComment;
extern const char* const StMaryFastVerse;

// "January 7, 2027".
QString GregorianDateText(const QDate& date);
// "Kiahk 29" (no year).
QString CopticDayText(const TApaqty& engine);
// "Kiahk 29, 1743".
QString CopticDateText(const TApaqty& engine);

// The low byte of a day count from Easter, as a signed byte.
qint8 EasterOffsetByte(int daysFromEaster);

// One row of the Lent, Fifty Days or Sundays table.
struct TDayRow {
    int ID = 0;
    QString Comment;
    QString DayName;
    QString VerseOfTheDay;
};

// One row of the Annual table.
struct TYearlyRow {
    int DayID = 0;
    int MonthID = 0;
    int Day = 0;
    QString Comment;
    QString DayName;
    QString VerseOfTheDay;
    int FromMonth = 0; // the day whose readings this one borrows; 0 for none
    int FromDay = 0;
    QString PictureFile;
    QString PictureSaintName;
};

// The day tables the day record and the day's own picture are read from:
// the data module reads the content tables, tests read rows from memory. A
// look-up that finds nothing gives no row; a table error is an exception.
class IDayTables {
public:
    virtual ~IDayTables() = default;
    virtual std::optional<TDayRow> Lent(int daysBeforeEaster) = 0;
    virtual std::optional<TDayRow> Fifty(int daysAfterEaster) = 0;
    virtual std::optional<TDayRow> Sunday(int copticMonth, int sundayNumber) = 0;
    virtual std::optional<TYearlyRow> Yearly(int copticMonth, int copticDay) = 0;
};

struct TDayRecord {
    int DayID = 0; // 0 when no record was found
    QString DayComment;
    QString DayName;
    QString VerseOfTheDay;
    QString NoteText;
    // Following the Annual borrowing chain failed (a table error, or a chain
    // that leads back to a day already visited); the values found before the
    // failure are kept.
    bool ChainError = false;
};

// The day record of the key; may turn a Sunday key into an Annual one and
// change its month and day. calendarDate is the date the month calendar
// shows, which alone decides the fixed texts of the start of the fasts.
TDayRecord GetDayRecord(TDayKey& key, const TApaqty& engine, const QDate& calendarDate,
                        IDayTables& tables);

// The day title of the date, with the day key set by the feast and Sunday
// rules; dayRecord is called once, at its place in the rules, to read the
// day record (and may change the key further). The engine must be set to
// the date and the calculator computed for its year.
QString BuildDayTitle(const QDate& date, const TApaqty& engine, const TNativityCalculator& nativity,
                      TDayKey& key, const std::function<TDayRecord(TDayKey&)>& dayRecord,
                      TDayRecord& record);

// Title layout: top-aligned when long or on several lines; smaller when long.
bool TitleIsLong(const QString& title);
bool TitleTopAligned(const QString& title);

TFastingLevel FastingLevel(const TApaqty& engine);
bool IsNoAbstinenceDay(const TApaqty& engine);
QString FastingText(TFastingLevel fastingLevel, bool noAbstinence);

// The Coptic month and day tested are those of the key (after the title).
TTuneKind TuneKind(const TApaqty& engine, const TNativityCalculator& nativity, const TDayKey& key);
QString TuneText(TTuneKind tuneKind);

bool IsSynaxariumRead(const TDayKey& key);
QString SynaxariumCaption(bool read);

TDayCategory DayCategory(const TApaqty& engine);

struct TPictureChoice {
    QString File;
    QString Caption;
};
// The fixed-date pictures of three modern church figures.
extern const char* const December11Picture;
extern const char* const December11Caption;
extern const char* const February7Picture;
extern const char* const February7Caption;
extern const char* const December17Picture;
extern const char* const December17Caption;

// The picture of the day; tables (may be null) give the day's own picture.
TPictureChoice SelectDayPicture(TDayCategory category, const TApaqty& engine, IDayTables* tables);

} // namespace DayRules
