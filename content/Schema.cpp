#include "Schema.h"

const QString TablePassword = QStringLiteral("38kelvor772104");
const QString DatabaseAlias = QStringLiteral("VelmEng4");

namespace {

TFieldDef autoinc(const QString& name) {
    return {name, TFieldType::ftAutoInc, 0};
}
TFieldDef smallint(const QString& name) {
    return {name, TFieldType::ftSmallint, 0};
}
TFieldDef integer(const QString& name) {
    return {name, TFieldType::ftInteger, 0};
}
TFieldDef boolean(const QString& name) {
    return {name, TFieldType::ftBoolean, 0};
}
TFieldDef date(const QString& name) {
    return {name, TFieldType::ftDate, 0};
}
TFieldDef string(const QString& name, int size) {
    return {name, TFieldType::ftString, size};
}
TFieldDef memo(const QString& name) {
    return {name, TFieldType::ftMemo, 0};
}

TIndexDef primary(const QStringList& fields) {
    return {QString(), fields, false};
}
TIndexDef index(const QString& name, const QStringList& fields) {
    return {name, fields, false};
}

TTableDef table(const QString& file, QList<TFieldDef> fields, QList<TIndexDef> indexes) {
    TTableDef def;
    def.FileName = file;
    def.Fields = std::move(fields);
    def.Indexes = std::move(indexes);
    return def;
}

// The day-of-the-Fifty-Days layout, shared by FiftyDays.DB and Rpt2.db.
QList<TFieldDef> fiftyDaysFields() {
    return {autoinc("ID"),         smallint("DaysFromEster"), string("DayName", 60),
            memo("VerseOfTheDay"), string("Comment", 30),     smallint("Week"),
            smallint("DOW"),       smallint("CopticDOW"),     smallint("Sound"),
            smallint("Image")};
}

QList<TTableDef> buildTables() {
    QList<TTableDef> t;

    t << table("BibleBooks.db",
               {autoinc("ID"), string("BookName", 30), smallint("BookType"), smallint("BookOrder"),
                smallint("Translation"), string("MoreInfo", 80)},
               {primary({"ID"}), index("ndxBookID", {"ID"}), index("ndxBookName", {"BookName"}),
                index("ndxBookOrder", {"BookOrder"})});

    t << table(
        "Bible.DB",
        {autoinc("ID"), smallint("BookID"), smallint("Chapter"), smallint("Verse"), memo("Text")},
        {primary({"ID"}), index("ndxBible1", {"BookID", "Chapter", "Verse"})});

    t << table("Translations.DB", {smallint("ID"), string("Name", 40), string("ShortName", 6)},
               {primary({"ID"})});

    // Order last in ndxReadings2: the rows of one service follow in reading order.
    t << table(
        "Readings.DB",
        {autoinc("ID"), smallint("VelmType"), smallint("DayID"), smallint("ReadingTime"),
         smallint("ReadingType"), smallint("Order"), smallint("BookID"), smallint("StartChapter"),
         smallint("StartVerse"), smallint("EndChapter"), smallint("EndVerse"),
         smallint("StartSkipWords"), smallint("EndSkipWords")},
        {primary({"ID"}), index("ndxReadings2", {"VelmType", "DayID", "ReadingTime", "Order"})});

    t << table("ReadingTimes.DB", {autoinc("ID"), string("Time", 30)},
               {primary({"ID"}), index("ndxTime", {"Time"}), index("ndxID", {"ID"})});

    t << table("ReadingTypes.DB", {smallint("ID"), string("Description", 60)},
               {primary({"ID"}), index("ndxType", {"ID"})});

    t << table("VelmType.db", {integer("ID"), string("Description", 30)},
               {primary({"ID"}), index("ndxDesc", {"Description"})});

    t << table("Yearly.DB",
               {autoinc("DayID"), smallint("MonthID"), smallint("Day"), memo("VerseOfTheDay"),
                string("Comment", 60), string("DayName", 60), smallint("FromMonth"),
                smallint("FromDay"), string("PictureFile", 30), string("PictureSaintName", 30)},
               {primary({"DayID"}), index("ndxMonthDay", {"MonthID", "Day"})});

    // DaysFromEaster holds the days before Easter as a positive number.
    t << table("Lent_HolyWeek.DB",
               {autoinc("ID"), smallint("DaysFromEaster"), string("DayName", 60),
                memo("VerseOfTheDay"), string("Comment", 60)},
               {primary({"ID"}), index("ndxDaysFromEaster", {"DaysFromEaster"})});

    t << table("FiftyDays.DB", fiftyDaysFields(),
               {primary({"ID"}), index("ndxDaysFromEaster", {"DaysFromEster"})});

    t << table("Sundays.DB",
               {autoinc("ID"), string("DayName", 60), memo("VerseOfTheDay"), string("Comment", 30),
                smallint("Month"), smallint("Week"), smallint("Sound"), smallint("Image")},
               {primary({"ID"}), index("ndxMonthWeek", {"Month", "Week"})});

    t << table("SynxHead.db", {autoinc("ID"), smallint("Month"), smallint("Day")},
               {primary({"ID"}), index("ndxMonthDay", {"Month", "Day"}), index("ndxID", {"ID"})});

    t << table("SynxDetail.DB",
               {smallint("SynxID"), smallint("Number"), string("Name", 200), memo("Desc"),
                smallint("LinkMonth"), smallint("LinkDay"), smallint("LinkNum"),
                string("PictureFile", 30), string("PictSaintName", 60), smallint("LinkMonthB"),
                smallint("LinkDayB"), smallint("LinkNumB")},
               {primary({"SynxID", "Number"}), index("ndxSynxIDNumber", {"SynxID", "Number"})});

    t << table("SynxSaints.DB", {string("Name", 40), smallint("SynxID"), smallint("SynxNumber")},
               {index("ndxName", {"Name"}), index("ndxSynxIDNum", {"SynxID", "SynxNumber"})});

    t << table("Verses.DB", {autoinc("Id"), memo("Verse")}, {primary({"Id"})});

    t << table("BW.db",
               {integer("Hits"), boolean("Included"), smallint("WordID"), string("TheWord", 16)},
               {primary({"TheWord"})});

    // A word may occur twice in one verse, so no unique key; ndxVerseID and
    // ndxWordVerse serve the self-joins of the all-words search.
    t << table("WVN.DB",
               {smallint("WordID"), integer("VerseID"), smallint("BookID"), smallint("BookOrder")},
               {index("ndxWordID", {"WordID"}), index("ndxVerseID", {"VerseID"}),
                index("ndxWordVerse", {"WordID", "VerseID"})});

    {
        // The phrase-search results, in the all-words search's order.
        TTableDef srn = table("SRN.DB", {integer("VerseID"), smallint("BookOrder")},
                              {primary({"BookOrder", "VerseID"})});
        srn.PasswordProtected = false;
        srn.UserWritable = true;
        t << srn;
    }

    t << table("Months.DB", {smallint("ID"), string("MonthName", 20)}, {primary({"ID"})});

    {
        TTableDef rpt1 = table("Rpt1", {string("name", 100), memo("Text")}, {});
        rpt1.PasswordProtected = false; // a dBASE table has no password
        t << rpt1;
    }

    t << table("Rpt2.db", fiftyDaysFields(),
               {primary({"ID"}), index("ndxDayID", {"ID"}), index("ndxDayName", {"DayName"}),
                index("ndxDaysFromEaster", {"DaysFromEster"}),
                index("ndxWeek_Day", {"Week", "CopticDOW"})});

    t << table("Events.DB", {date("EventDate"), string("EventName", 50), smallint("EventType")},
               {primary({"EventDate"}), index("Date", {"EventDate"})});

    return t;
}

} // namespace

const QList<TTableDef>& ContentTables() {
    static const QList<TTableDef> tables = buildTables();
    return tables;
}

const TTableDef& ContentTable(const QString& fileName) {
    for (const TTableDef& def : ContentTables())
        if (def.FileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return def;
    throw EDatabaseError(
        QStringLiteral("Table '%1' is not part of the content database").arg(fileName));
}

void CreateContentTables(TDatabaseWriter& writer) {
    for (const TTableDef& def : ContentTables())
        writer.CreateTable(def);
}
