#include "FixtureDb.h"

#include "NameTables.h"
#include "Schema.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <stdexcept>

namespace Fixture {

namespace {

struct Book {
    int id;
    const char* name;
    int type; // 1 New Testament, 2 Old Testament, 3 Deuterocanonical
    int order;
    QList<int> verses; // verse count of each chapter, from chapter 1
};

const QList<Book>& books() {
    static const QList<Book> b = {
        {Matthew, "Matthew", 1, 70, {25, 23, 17}},
        {Mark, "Mark", 1, 71, {5, 5, 5}},
        {Genesis, "Genesis", 2, 1, {31, 25}},
        {Proverbs, "Proverbs", 2, 20, {10}},
        {Psalms, "Psalms", 2, 19, {6, 12, 8}},
        {Tobit, "Tobit", 3, 50, {4}},
        {Manasseh, "Prayer of Manasseh", 3, 60, {3, 1}},
        // Last, so that the verse IDs of the books above stay as they were.
        {Revelation, "Revelation", 1, 96, {2}},
        {Malachi, "Malachi", 2, 46, {2}},
    };
    return b;
}

const Book* findBook(int id) {
    for (const Book& b : books())
        if (b.id == id)
            return &b;
    return nullptr;
}

QString longVerse() {
    return QStringLiteral("The people who sat in darkness ").repeated(6) +
           QStringLiteral("saw a great light,") +
           QStringLiteral(" and upon them that sat in the region of death").repeated(5) +
           QLatin1Char('.');
}

struct Word {
    int id;
    const char* text;
    bool included;
};

const QList<Word>& words() {
    static const QList<Word> w = {
        {1, "GOD", true},  {2, "LOVE", true},  {3, "LIGHT", true}, {4, "IN", true},
        {5, "WORD", true}, {6, "GRACE", true}, {7, "THE", false},  {8, "AND", false},
    };
    return w;
}

const QStringList readingTimes = {"Vespers",
                                  "Matins",
                                  "Liturgy",
                                  "Evening",
                                  "First Hour",
                                  "Third Hour",
                                  "Sixth Hour",
                                  "Ninth Hour",
                                  "Eleventh Hour",
                                  "Twelfth Hour",
                                  "First Hour of the Eve",
                                  "Third Hour of the Eve",
                                  "Sixth Hour of the Eve",
                                  "Ninth Hour of the Eve",
                                  "Eleventh Hour of the Eve",
                                  "Twelfth Hour of the Eve",
                                  "Psalmody"};

} // namespace

QString ReadingTimeName(int id) {
    return id >= 1 && id <= readingTimes.size() ? readingTimes[id - 1] : QString();
}

int VerseCount(int bookID, int chapter) {
    const Book* b = findBook(bookID);
    return b && chapter >= 1 && chapter <= b->verses.size() ? b->verses[chapter - 1] : 0;
}

QString VerseText(int bookID, int chapter, int verse) {
    if (bookID == Matthew && chapter == 1) {
        switch (verse) {
        case 1:
            return QStringLiteral("In the beginning was the Word, and the Word was with God.");
        case 2:
            return QStringLiteral("God so loved the world; in love He gave light.");
        case 3:
            return QStringLiteral("Walk in the light, as He is in the light.");
        case 4:
            return QStringLiteral("Abide,in love and keep My word.");
        case 5:
            return QStringLiteral("Let the light come in.");
        case 6:
            return QStringLiteral("Within the beginning of days.");
        case 7:
            return longVerse();
        default:
            break;
        }
    }
    const Book* b = findBook(bookID);
    return QStringLiteral("%1 %2:%3 speaks of grace and truth.")
        .arg(QLatin1String(b ? b->name : "Book"))
        .arg(chapter)
        .arg(verse);
}

} // namespace Fixture

using namespace Fixture;

TFixtureDatabase::TFixtureDatabase(bool standardRows) {
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath("DataEng") ||
        !QDir(dir_.path()).mkpath("user"))
        throw std::runtime_error("cannot create the fixture folder");
    writer_ = std::make_unique<TDatabaseWriter>(Folder(), TablePassword);
    CreateContentTables(*writer_);
    if (standardRows)
        writeStandardRows();
}

TFixtureDatabase::~TFixtureDatabase() = default;

QString TFixtureDatabase::Folder() const {
    return dir_.filePath("DataEng");
}
QString TFixtureDatabase::UserFolder() const {
    return dir_.filePath("user");
}

TDatabaseWriter& TFixtureDatabase::Writer() {
    if (!writer_)
        throw std::logic_error("the fixture database is already finished");
    return *writer_;
}

void TFixtureDatabase::Insert(const QString& fileName, const QStringList& fields,
                              const QVariantList& values) {
    Writer().Insert(fileName, fields, values);
}

void TFixtureDatabase::Finish() {
    Writer().Commit();
    writer_.reset();
    Session.AddPassword(TablePassword);
    if (Session.IsAlias(DatabaseAlias))
        Session.DeleteAlias(DatabaseAlias);
    Session.AddStandardAlias(DatabaseAlias, Folder(), "PARADOX");
    Session.SetUserDataFolder(UserFolder());
}

void TFixtureDatabase::writeStandardRows() {
    // Books, verses and the concordance computed from the verse texts.
    Insert("Translations.DB", {"ID", "Name", "ShortName"}, {1, "World English Bible", "WEB"});
    QHash<QString, int> hits;
    int verseID = 0;
    for (const Book& b : books()) {
        Insert("BibleBooks.db",
               {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
               {b.id, QString::fromLatin1(b.name), b.type, b.order, 1, QString()});
        for (int c = 1; c <= b.verses.size(); ++c) {
            for (int v = 1; v <= b.verses[c - 1]; ++v) {
                const QString text = VerseText(b.id, c, v);
                Insert("Bible.DB", {"ID", "BookID", "Chapter", "Verse", "Text"},
                       {++verseID, b.id, c, v, text});
                static const QRegularExpression nonLetters("[^A-Z]+");
                const QStringList tokens = text.toUpper().split(nonLetters, Qt::SkipEmptyParts);
                for (const Word& w : words()) {
                    for (const QString& t : tokens) {
                        if (t != QLatin1String(w.text))
                            continue;
                        ++hits[t];
                        if (w.included)
                            Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"},
                                   {w.id, verseID, b.id, b.order});
                    }
                }
            }
        }
    }
    for (const Word& w : words())
        Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"},
               {hits.value(QLatin1String(w.text)), w.included, w.id, QString::fromLatin1(w.text)});

    // Services and day types.
    for (int i = 1; i <= readingTimes.size(); ++i)
        Insert("ReadingTimes.DB", {"ID", "Time"}, {i, readingTimes[i - 1]});
    for (int i = 1; i <= 6; ++i)
        Insert("ReadingTypes.DB", {"ID", "Description"},
               {i, QStringLiteral("Reading type %1").arg(i)});
    Insert("VelmType.db", {"ID", "Description"}, {VelmLent, "Holy Lent"});
    Insert("VelmType.db", {"ID", "Description"}, {VelmFifty, "Holy Fifty Days"});
    Insert("VelmType.db", {"ID", "Description"}, {VelmAnnual, "Annual"});
    Insert("VelmType.db", {"ID", "Description"}, {VelmSundays, "Sundays"});

    // Day records.
    const QStringList yearly = {"DayID",       "MonthID",         "Day",       "VerseOfTheDay",
                                "Comment",     "DayName",         "FromMonth", "FromDay",
                                "PictureFile", "PictureSaintName"};
    Insert("Yearly.DB", yearly,
           {1, 1, 1, "Behold, I make all things new. (Revelation 21:5)", "Feast of El-Nayrouz",
            "Coptic New Year", 0, 0, "nayrouz.jpg", "The Martyrs"});
    Insert("Yearly.DB", yearly,
           {2, 4, 29, "For unto us a Child is born. (Isaiah 9:6)", "Feast of the Nativity",
            "Nativity", 0, 0, "nativity.jpg", "The Nativity"});
    Insert(
        "Yearly.DB", yearly,
        {3, 7, 29, QString(), "Monthly Commemoration", "Annunciation", 0, 0, QString(), QString()});
    Insert("Yearly.DB", yearly,
           {4, 3, 29, QString(), "Commemoration", QString(), 7, 29, QString(), QString()});
    Insert("Yearly.DB", yearly,
           {5, 5, 11, QString(), "Feast of the Epiphany", "Epiphany", 0, 0, QString(), QString()});

    const QStringList lent = {"ID", "DaysFromEaster", "DayName", "VerseOfTheDay", "Comment"};
    Insert("Lent_HolyWeek.DB", lent,
           {1, 7, "Palm Sunday", "Hosanna in the highest! (Matthew 21:9)", "Palm Sunday"});
    Insert("Lent_HolyWeek.DB", lent, {2, 2, "Good Friday", QString(), "Good Friday"});
    Insert("Lent_HolyWeek.DB", lent, {3, 1, "Joyous Saturday", QString(), "Joyous Saturday"});
    Insert("Lent_HolyWeek.DB", lent, {4, 55, "First Day of Great Lent", QString(), "Great Lent"});

    const QStringList fifty = {"ID",   "DaysFromEster", "DayName",   "VerseOfTheDay", "Comment",
                               "Week", "DOW",           "CopticDOW", "Sound",         "Image"};
    Insert("FiftyDays.DB", fifty,
           {1, 0, "Feast of the Resurrection", "He is risen. (Matthew 28:6)", "Easter", 1, 1, 1, 0,
            0});
    Insert("FiftyDays.DB", fifty,
           {2, 39, "Feast of the Ascension", QString(), "Ascension", 6, 5, 5, 0, 0});
    Insert("FiftyDays.DB", fifty,
           {3, 49, "Feast of Pentecost", QString(), "Pentecost", 8, 1, 1, 0, 0});

    const QStringList sundays = {"ID",    "DayName", "VerseOfTheDay", "Comment",
                                 "Month", "Week",    "Sound",         "Image"};
    Insert("Sundays.DB", sundays,
           {1, "First Sunday of Tut", QString(), "First Sunday of Tut", 1, 1, 0, 0});
    Insert("Sundays.DB", sundays,
           {2, "Fourth Sunday of Kiahk", QString(), "Fourth Sunday of Kiahk", 4, 4, 0, 0});

    // Readings: the Liturgy of 1 Tut (written out of Order on purpose), its
    // Vespers, and one reading of each other day type.
    const QStringList readings = {"VelmType",   "DayID",    "ReadingTime",    "ReadingType",
                                  "Order",      "BookID",   "StartChapter",   "StartVerse",
                                  "EndChapter", "EndVerse", "StartSkipWords", "EndSkipWords"};
    Insert("Readings.DB", readings, {VelmAnnual, 1, Liturgy, 1, 1, Matthew, 1, 1, 1, 3, 0, 0});
    Insert("Readings.DB", readings, {VelmAnnual, 1, Liturgy, 5, 3, Matthew, 2, 20, 3, 2, 0, 0});
    Insert("Readings.DB", readings, {VelmAnnual, 1, Liturgy, 4, 2, Psalms, 2, 1, 2, 3, 0, 0});
    Insert("Readings.DB", readings, {VelmAnnual, 1, Vespers, 4, 1, Mark, 1, 1, 1, 5, 1, 1});
    Insert("Readings.DB", readings, {VelmSundays, 1, Liturgy, 5, 1, Mark, 2, 1, 2, 5, 0, 0});
    Insert("Readings.DB", readings, {VelmLent, 1, Liturgy, 5, 1, Genesis, 1, 1, 1, 10, 0, 0});
    Insert("Readings.DB", readings, {VelmFifty, 1, Liturgy, 5, 1, Matthew, 3, 1, 3, 17, 0, 0});

    // Synaxarium.
    Insert("SynxHead.db", {"ID", "Month", "Day"}, {SynxTut1, 1, 1});
    Insert("SynxHead.db", {"ID", "Month", "Day"}, {SynxTut2, 1, 2});
    Insert("SynxHead.db", {"ID", "Month", "Day"}, {SynxKiahk29, 4, 29});
    Insert("SynxHead.db", {"ID", "Month", "Day"}, {SynxBaramhat29, 7, 29});
    const QStringList detail = {"SynxID",        "Number",     "Name",     "Desc",
                                "LinkMonth",     "LinkDay",    "LinkNum",  "PictureFile",
                                "PictSaintName", "LinkMonthB", "LinkDayB", "LinkNumB"};
    Insert("SynxDetail.DB", detail,
           {SynxTut1, 1, "The Martyrdom of Saint Bartholomew the Apostle",
            "On this day the holy Bartholomew was martyred.", 0, 0, 0, "bartholomew.jpg",
            "St. Bartholomew", 0, 0, 0});
    Insert("SynxDetail.DB", detail,
           {SynxTut1, 2, "The Departure of the Righteous Job",
            "On this day departed the righteous Job.", 1, 2, 1, QString(), QString(), 0, 0, 0});
    Insert("SynxDetail.DB", detail,
           {SynxTut2, 1, "The Martyrdom of Saint John the Baptist",
            "On this day John the Baptist was martyred.", 1, 1, 1, "john.jpg",
            "St. John the Baptist", 0, 0, 0});
    Insert("SynxDetail.DB", detail,
           {SynxKiahk29, 1, "The Nativity of our Lord",
            "On this day the Lord was born in Bethlehem.", 0, 0, 0, "nativity.jpg", "The Nativity",
            0, 0, 0});
    Insert("SynxDetail.DB", detail,
           {SynxBaramhat29, 1, "The Annunciation", "The annunciation to the Virgin.", 0, 0, 0,
            "bartholomew.jpg", "St. Bartholomew", 0, 0, 0});
    const QStringList saints = {"Name", "SynxID", "SynxNumber"};
    Insert("SynxSaints.DB", saints, {"B", 0, 0});
    Insert("SynxSaints.DB", saints, {"BARTHOLOMEW THE APOSTLE", SynxTut1, 1});
    Insert("SynxSaints.DB", saints, {"J", 0, 0});
    Insert("SynxSaints.DB", saints, {"JOB THE RIGHTEOUS", SynxTut1, 2});
    Insert("SynxSaints.DB", saints, {"JOHN THE BAPTIST", SynxTut2, 1});
    Insert("SynxSaints.DB", saints, {"N", 0, 0});
    Insert("SynxSaints.DB", saints, {"NATIVITY", SynxKiahk29, 1});

    // Verses of the day and the tables that are opened but never read.
    Insert("Verses.DB", {"Id", "Verse"},
           {1, "The Lord is my shepherd; I shall not want. (Psalm 23:1)"});
    Insert("Verses.DB", {"Id", "Verse"}, {2, "God is love. (1 John 4:8)"});
    Insert("Verses.DB", {"Id", "Verse"}, {3, "I am the light of the world. (John 8:12)"});
    for (int i = 1; i <= CopticMonthNames.Count(); ++i)
        Insert("Months.DB", {"ID", "MonthName"}, {i, CopticMonthNames[i]});
    Insert("Rpt1", {"name", "Text"}, {"Report", "Report text"});
    Insert("Rpt2.db", fifty,
           {1, 0, "Feast of the Resurrection", QString(), "Easter", 1, 1, 1, 0, 0});
    Insert("Events.DB", {"EventDate", "EventName", "EventType"},
           {QDate(2026, 1, 7), "Nativity", 1});
}
