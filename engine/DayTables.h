#pragma once
// The day rules' tables read from the content tables, and the look-ups of
// the shown day that are table work only: the saints of a Coptic day and
// the verse of the day.

#include "DayRules.h"

#include <QString>
#include <QStringList>

class TMainDM;
class TTable;

namespace DayRules {

// The Lent, Fifty Days, Sundays and Annual tables of the data module, each
// on the index the content schema gives it. A look-up moves the table's
// cursor, as a FindKey does.
class TDataModuleDayTables final : public IDayTables {
public:
    explicit TDataModuleDayTables(TMainDM& dm) : dm_(dm) {}
    std::optional<TDayRow> Lent(int daysBeforeEaster) override;
    std::optional<TDayRow> Fifty(int daysAfterEaster) override;
    std::optional<TDayRow> Sunday(int copticMonth, int sundayNumber) override;
    std::optional<TYearlyRow> Yearly(int copticMonth, int copticDay) override;

private:
    TMainDM& dm_;
};

// The Synaxarium day of a Coptic date: its head row and the captions of its
// first twelve entries ("1- " + name). synxDetail is left on entry 1 of the
// day when the day was found.
struct TSynaxariumDay {
    bool Found = false;
    int SynxID = 0;
    QStringList Captions;
};
TSynaxariumDay LocateSynaxariumDay(TTable& synxHead, TTable& synxDetail, int copticMonth,
                                   int copticDay, bool withCaptions);

// The verse of the day of the year from the verses table, reached by record
// number; an empty table gives an empty verse.
QString VerseOfTheDay(TTable& verses, int dayOfYear);

} // namespace DayRules
