#include "SynxDay.h"

#include "Apaqty.h"
#include "DMMain.h"
#include "TableEngine.h"

namespace {

QString Str(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsString();
}

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

// A related date given by three fields of the detail row; its head row is
// looked up on the browse cursor.
TSynxLink ReadLink(const TSynxTables& tables, const char* monthField, const char* dayField,
                   const char* numberField) {
    TSynxLink link;
    const int month = Int(tables.Detail, monthField);
    const int day = Int(tables.Detail, dayField);
    const int number = Int(tables.Detail, numberField);
    if (month == 0 || day == 0 || number == 0)
        return link;
    link.Shown = true;
    link.Caption = SynxDateCaption(month, day);
    link.HeadID = tables.Browse.FindKey({month, day}) ? Int(tables.Browse, "ID") : 0;
    link.EntryNumber = number;
    return link;
}

} // namespace

QString SynxDateCaption(int copticMonth, int copticDay) {
    return CopticMonthNames[copticMonth] + QLatin1Char(' ') + QString::number(copticDay);
}

QString CopticToGregorianText(int gregorianYear, int copticMonth, int copticDay) {
    int month = 0;
    int day = 0;
    TApaqty::CopticDateInGregorianYear(gregorianYear, copticMonth, copticDay, month, day);
    return GregorianMonthNames[month] + QLatin1Char(' ') + QString::number(day);
}

QString SynxEntryCaption(const TSynxEntry& entry) {
    return QString::number(entry.Number) + QStringLiteral("- ") + entry.Name;
}

TSynxTables MainDMSynxTables() {
    return {MainDM->tblSynxHdBrowse, MainDM->tblSynxDetail, MainDM->tblSynxSaintByIdNum};
}

QString GetEntryKeyword(TTable& saintByIdNum, int synxID, int number) {
    return saintByIdNum.FindKey({synxID, number}) ? Str(saintByIdNum, "Name") : QString();
}

QList<TSynxEntry> ReadSynxEntries(const TSynxTables& tables, int synxID) {
    QList<TSynxEntry> entries;
    const bool browsing = tables.Browse.RecNo() > 0;
    const int month = browsing ? Int(tables.Browse, "Month") : 0;
    const int day = browsing ? Int(tables.Browse, "Day") : 0;
    // The related dates move the browse cursor; it goes back whatever happens.
    struct Restore {
        TTable& browse;
        int month, day;
        ~Restore() {
            if (month != 0)
                browse.FindKey({month, day});
        }
    } restore{tables.Browse, month, day};

    TTable& detail = tables.Detail;
    if (!detail.FindKey({synxID, 1}))
        return entries;
    while (!detail.Eof() && Int(detail, "SynxID") == synxID) {
        TSynxEntry e;
        e.Number = Int(detail, "Number");
        e.Name = Str(detail, "Name");
        e.Desc = Str(detail, "Desc");
        e.PictureFile = Str(detail, "PictureFile");
        if (!e.PictureFile.isEmpty())
            e.PictSaintName = Str(detail, "PictSaintName");
        e.LinkA = ReadLink(tables, "LinkMonth", "LinkDay", "LinkNum");
        e.LinkB = ReadLink(tables, "LinkMonthB", "LinkDayB", "LinkNumB");
        // Every entry gets its own keyword, also one with only a second
        // related date, so no link hands on the keyword of another entry.
        e.Keyword = GetEntryKeyword(tables.SaintByIdNum, synxID, e.Number);
        entries.append(e);
        if (entries.size() == MaxSynxEntries)
            break;
        detail.Next();
    }
    return entries;
}

void StepBrowseCursor(TTable& browse, int synxID, bool forward) {
    if (Int(browse, "ID") != synxID) {
        while (Int(browse, "ID") > synxID && !browse.Bof())
            browse.Prior();
        while (Int(browse, "ID") < synxID && !browse.Eof())
            browse.Next();
    }
    if (forward)
        browse.Next();
    else
        browse.Prior();
}
