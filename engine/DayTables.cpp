#include "DayTables.h"

#include "DMMain.h"
#include "TableEngine.h"

namespace DayRules {

namespace {

QString Str(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsString();
}

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

std::optional<TDayRow> DayRow(TTable& table, const QVariantList& key) {
    if (!table.FindKey(key))
        return std::nullopt;
    return TDayRow{Int(table, "ID"), Str(table, "Comment"), Str(table, "DayName"),
                   Str(table, "VerseOfTheDay")};
}

} // namespace

std::optional<TDayRow> TDataModuleDayTables::Lent(int daysBeforeEaster) {
    return DayRow(dm_.tblLent, {daysBeforeEaster});
}

std::optional<TDayRow> TDataModuleDayTables::Fifty(int daysAfterEaster) {
    return DayRow(dm_.tblFifty, {daysAfterEaster});
}

std::optional<TDayRow> TDataModuleDayTables::Sunday(int copticMonth, int sundayNumber) {
    return DayRow(dm_.tblSundays, {copticMonth, sundayNumber});
}

std::optional<TYearlyRow> TDataModuleDayTables::Yearly(int copticMonth, int copticDay) {
    TTable& y = dm_.tblYearly;
    if (!y.FindKey({copticMonth, copticDay}))
        return std::nullopt;
    TYearlyRow r;
    r.DayID = Int(y, "DayID");
    r.MonthID = Int(y, "MonthID");
    r.Day = Int(y, "Day");
    r.Comment = Str(y, "Comment");
    r.DayName = Str(y, "DayName");
    r.VerseOfTheDay = Str(y, "VerseOfTheDay");
    r.FromMonth = Int(y, "FromMonth");
    r.FromDay = Int(y, "FromDay");
    r.PictureFile = Str(y, "PictureFile");
    r.PictureSaintName = Str(y, "PictureSaintName");
    return r;
}

TSynaxariumDay LocateSynaxariumDay(TTable& head, TTable& detail, int month, int day,
                                   bool withCaptions) {
    TSynaxariumDay s;
    if (!head.FindKey({month, day}))
        return s;
    const int id = Int(head, "ID");
    if (!detail.FindKey({id, 1}))
        return s;
    s.Found = true;
    s.SynxID = id;
    if (!withCaptions)
        return s;
    while (!detail.Eof() && Int(detail, "SynxID") == id && s.Captions.size() < 12) {
        s.Captions << Str(detail, "Number") + QStringLiteral("- ") + Str(detail, "Name");
        detail.Next();
    }
    return s;
}

QString VerseOfTheDay(TTable& verses, int dayOfYear) {
    const int count = verses.RecordCount();
    if (count <= 0)
        return QString();
    verses.SetRecNo(dayOfYear % count + 1);
    return Str(verses, "Verse");
}

} // namespace DayRules
