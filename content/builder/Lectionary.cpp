#include "Lectionary.h"
#include "LectionaryCourse.h"
#include "LectionaryDays.h"
#include "NameTables.h"

#include <QMap>
#include <QRegularExpression>

namespace {

QString month(int m) {
    return CopticMonthNames[m];
}

int readingTypeOf(int book) {
    if (book == kPsalmsBookID)
        return 5;
    if (book >= 1 && book <= 4)
        return 6; // Gospel
    if (book == 5)
        return 4; // Acts
    if (book >= 6 && book <= 19)
        return 2; // Letters of Paul
    if (book >= 20 && book <= 26)
        return 3; // General letters
    return 1;     // prophecies and the other books
}

// Weekday (0 = Sunday) of the day that lies `daysBefore` days before Easter.
int weekdayBeforeEaster(int daysBefore) {
    return (7 - daysBefore % 7) % 7;
}

TableRows readingTimes() {
    TableRows t{QStringLiteral("ReadingTimes.DB"), {"ID", "Time"}, {}};
    const char* const names[] = {"Vespers",
                                 "Matins",
                                 "Liturgy",
                                 "Evening",
                                 "First hour of the day",
                                 "Third hour of the day",
                                 "Sixth hour of the day",
                                 "Ninth hour of the day",
                                 "Eleventh hour of the day",
                                 "Twelfth hour of the day",
                                 "First hour of the night",
                                 "Third hour of the night",
                                 "Sixth hour of the night",
                                 "Ninth hour of the night",
                                 "Eleventh hour of the night"};
    int id = 0;
    for (const char* n : names)
        t.add({++id, QString::fromLatin1(n)});
    return t;
}

TableRows readingTypes() {
    TableRows t{QStringLiteral("ReadingTypes.DB"), {"ID", "Description"}, {}};
    const char* const names[] = {
        "Prophecy", "Letter of Paul", "General letter", "Acts of the Apostles", "Psalm", "Gospel"};
    int id = 0;
    for (const char* n : names)
        t.add({++id, QString::fromLatin1(n)});
    return t;
}

TableRows velmTypes() {
    return {QStringLiteral("VelmType.db"),
            {"ID", "Description"},
            {{vtLent, QStringLiteral("Holy Lent")},
             {vtFifty, QStringLiteral("Holy Fifty Days")},
             {vtAnnual, QStringLiteral("Annual")},
             {vtSundays, QStringLiteral("Sundays")}}};
}

TableRows months() {
    TableRows t{QStringLiteral("Months.DB"), {"ID", "MonthName"}, {}};
    for (int m = 1; m <= 13; ++m)
        t.add({m, month(m)});
    return t;
}

QString verseText(const VerseIndex& index, const QString& ref) {
    const QList<ReadingRow> rows = ParseService(ref, index);
    const ReadingRow& r = rows.first();
    QStringList parts;
    for (int v = r.StartVerse; v <= r.EndVerse; ++v)
        parts << index.text(r.Book, r.StartChapter, v);
    QString cite = CitationOf(r.Book, r.StartChapter, r.StartVerse);
    if (r.EndVerse != r.StartVerse)
        cite += u'-' + QString::number(r.EndVerse);
    return parts.join(u' ') + QStringLiteral(" (") + cite + u')';
}

// Adds the rows of one service; rows of a day come in the order given.
class ReadingsWriter {
public:
    explicit ReadingsWriter(const VerseIndex& index) : index_(index) {}

    void service(int velmType, int dayID, int time, const QList<ReadingRow>& rows) {
        for (ReadingRow r : rows) {
            r.VelmType = velmType;
            r.DayID = dayID;
            r.Time = time;
            if (r.Type == 0)
                r.Type = readingTypeOf(r.Book);
            rows_.append(r);
        }
        done_.insert(key(velmType, dayID, time));
    }
    void service(int velmType, int dayID, int time, const QString& text) {
        service(velmType, dayID, time, ParseService(text, index_));
    }
    bool has(int velmType, int dayID, int time) const {
        return done_.contains(key(velmType, dayID, time));
    }
    bool hasDay(int velmType, int dayID) const {
        for (int t = rtVespers; t <= rtNight11th; ++t)
            if (has(velmType, dayID, t))
                return true;
        return false;
    }

    TableRows table() const {
        TableRows t{QStringLiteral("Readings.DB"),
                    {"ID", "VelmType", "DayID", "ReadingTime", "ReadingType", "Order", "BookID",
                     "StartChapter", "StartVerse", "EndChapter", "EndVerse", "StartSkipWords",
                     "EndSkipWords"},
                    {}};
        int id = 0;
        for (const ReadingRow& r : rows_)
            t.add({++id, r.VelmType, r.DayID, r.Time, r.Type, r.Order, r.Book, r.StartChapter,
                   r.StartVerse, r.EndChapter, r.EndVerse, r.StartSkip, r.EndSkip});
        return t;
    }

private:
    static qint64 key(int a, int b, int c) { return (qint64(a) << 40) | (qint64(b) << 16) | c; }
    const VerseIndex& index_;
    QList<ReadingRow> rows_;
    QSet<qint64> done_;
};

// The courses that fill the days without readings of their own.
struct Courses {
    Courses(const VerseIndex& ix, QList<ChapterSpan> gospelV, QList<ChapterSpan> gospelM,
            QList<ChapterSpan> gospelL, QList<ChapterSpan> paul, QList<ChapterSpan> catholic,
            QList<ChapterSpan> acts, QList<ChapterSpan> prophecy)
        : vespersGospel(ix, std::move(gospelV), 7), matinsGospel(ix, std::move(gospelM), 7),
          liturgyGospel(ix, std::move(gospelL), 8), paul(ix, std::move(paul), 6),
          catholic(ix, std::move(catholic), 5), acts(ix, std::move(acts), 5),
          prophecy(ix, std::move(prophecy), 8), psalms(ix, {{kPsalmsBookID, 1, 150}}, 2) {}
    Course vespersGospel, matinsGospel, liturgyGospel, paul, catholic, acts, prophecy, psalms;

    QList<ReadingRow> psalm(int order) {
        QList<ReadingRow> rows;
        for (int guard = 0; rows.isEmpty() && guard < 200; ++guard)
            rows = psalms.nextPsalm();
        for (ReadingRow& r : rows)
            r.Order = order;
        return rows;
    }
    static ReadingRow at(ReadingRow r, int order) {
        r.Order = order;
        return r;
    }
    QList<ReadingRow> vespers() { return psalm(1) << at(vespersGospel.next(), 2); }
    QList<ReadingRow> matins(bool withProphecy) {
        QList<ReadingRow> rows;
        const int first = withProphecy ? 2 : 1;
        if (withProphecy)
            rows << at(prophecy.next(), 1);
        return rows << psalm(first) << at(matinsGospel.next(), first + 1);
    }
    QList<ReadingRow> liturgy() {
        return QList<ReadingRow>{at(paul.next(), 1), at(catholic.next(), 2), at(acts.next(), 3)}
               << psalm(4) << at(liturgyGospel.next(), 5);
    }
    QList<ReadingRow> evening() { return psalm(1) << at(matinsGospel.next(), 2); }
};

// Vespers, Matins and the Liturgy from the courses, for each of them that the
// day has not got yet.
void addOrdinaryServices(ReadingsWriter& readings, Courses& c, int velmType, int dayID) {
    if (!readings.has(velmType, dayID, rtVespers))
        readings.service(velmType, dayID, rtVespers, c.vespers());
    if (!readings.has(velmType, dayID, rtMatins))
        readings.service(velmType, dayID, rtMatins, c.matins(false));
    if (!readings.has(velmType, dayID, rtLiturgy))
        readings.service(velmType, dayID, rtLiturgy, c.liturgy());
}

QList<ChapterSpan> books(std::initializer_list<int> ids) {
    QList<ChapterSpan> spans;
    for (int id : ids)
        spans.append({id, 1, 0});
    return spans;
}

} // namespace

QString CheckPassage(const VerseIndex& index, int book, int sc, int sv, int ec, int ev) {
    const QString where = CitationOf(book, sc, sv);
    if (!FindBookByID(book))
        return QStringLiteral("unknown book %1").arg(book);
    if (ec < sc || (ec == sc && ev < sv))
        return where + QStringLiteral(": the passage ends before it starts");
    if (!index.has(book, sc, sv))
        return where + QStringLiteral(": the first verse is missing");
    if (!index.has(book, ec, ev))
        return where + QStringLiteral(": the last verse %1:%2 is missing").arg(ec).arg(ev);
    for (int c = sc; c <= ec; ++c) {
        const int from = c == sc ? sv : 1;
        const int to = c == ec ? ev : index.lastVerse(book, c);
        for (int v = from; v <= to; ++v)
            if (!index.has(book, c, v))
                return where +
                       QStringLiteral(": verse %1:%2 is missing inside the passage").arg(c).arg(v);
    }
    return {};
}

QList<ReadingRow> ParseService(const QString& text, const VerseIndex& index) {
    static const QRegularExpression refRe(
        QStringLiteral("^\\s*([1-4]?[A-Za-z]+)\\s+(\\d+):(\\d+)(?:-(?:(\\d+):)?(\\d+))?\\s*$"));
    QList<ReadingRow> rows;
    int order = 0;
    for (QString reading : text.split(u';', Qt::SkipEmptyParts)) {
        reading = reading.trimmed();
        if (reading.startsWith(u'#')) {
            const qsizetype sp = reading.indexOf(u' ');
            order = reading.mid(1, sp - 1).toInt() - 1;
            reading = reading.mid(sp + 1);
        }
        ++order;
        for (const QString& ref : reading.split(u'+')) {
            const QRegularExpressionMatch m = refRe.match(ref);
            if (!m.hasMatch())
                throw ELectionaryError(("Unreadable reading: " + ref.trimmed()).toStdString());
            const BookInfo* b = FindBookByOsis(m.captured(1));
            if (!b)
                throw ELectionaryError(("Unknown book in reading: " + ref.trimmed()).toStdString());
            ReadingRow r;
            r.Book = b->ID;
            r.Order = order;
            r.StartChapter = m.captured(2).toInt();
            r.StartVerse = m.captured(3).toInt();
            r.EndChapter = m.captured(4).isEmpty() ? r.StartChapter : m.captured(4).toInt();
            r.EndVerse = m.captured(5).isEmpty() ? r.StartVerse : m.captured(5).toInt();
            const QString problem =
                CheckPassage(index, r.Book, r.StartChapter, r.StartVerse, r.EndChapter, r.EndVerse);
            if (!problem.isEmpty())
                throw ELectionaryError(("Reading " + ref.trimmed() + ": " + problem).toStdString());
            rows.append(r);
        }
    }
    return rows;
}

QList<TableRows> BuildLectionaryTables(const VerseIndex& index) {
    ReadingsWriter readings(index);

    // Services written for their day come first; the courses fill the rest.
    for (const DayServices& d : WrittenServices())
        for (const auto& [time, text] : d.Services)
            readings.service(d.VelmType, d.DayID, time, text);

    // Annual days.
    TableRows yearly{QStringLiteral("Yearly.DB"),
                     {"DayID", "MonthID", "Day", "VerseOfTheDay", "Comment", "DayName", "FromMonth",
                      "FromDay", "PictureFile", "PictureSaintName"},
                     {}};
    Courses annual(index, books({2}), books({3}), books({1, 4}),
                   books({6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}),
                   books({20, 21, 22, 23, 24, 25, 26}), books({5}), books({50}));
    const QHash<int, AnnualDay> annualDays = AnnualDays();
    for (int m = 1; m <= 13; ++m) {
        for (int d = 1; d <= (m == 13 ? 6 : 30); ++d) {
            const int id = AnnualDayID(m, d);
            const AnnualDay a = annualDays.value(id);
            int fromMonth = a.FromMonth, fromDay = a.FromDay;
            // The 29th of the months that keep the monthly feast reads the Annunciation's readings.
            if (fromMonth == 0 && d == 29 && (m <= 3 || (m >= 8 && m <= 12)))
                fromMonth = 7, fromDay = 29;
            // The 12th of every other month reads the readings of the Archangel's feast.
            if (fromMonth == 0 && d == 12 && m != 3)
                fromMonth = 3, fromDay = 12;
            QString comment = month(m) + u' ' + QString::number(d);
            if (!a.Name.isEmpty())
                comment += QStringLiteral(": ") + a.Name;
            yearly.add({id, m, d, a.VerseRef.isEmpty() ? QString() : verseText(index, a.VerseRef),
                        comment.left(60), a.Name, fromMonth, fromDay, a.PictureFile,
                        a.PictureCaption});
            if (fromMonth == 0)
                addOrdinaryServices(readings, annual, vtAnnual, id);
        }
    }

    // Sundays of the Coptic months (Nasi has one).
    TableRows sundays{
        QStringLiteral("Sundays.DB"),
        {"ID", "DayName", "VerseOfTheDay", "Comment", "Month", "Week", "Sound", "Image"},
        {}};
    Courses sunday(index, books({3}), books({4}), books({1, 2}), books({6, 7, 8, 10, 11, 19}),
                   books({20, 21, 23}), books({5}), books({28}));
    for (int m = 1; m <= 13; ++m) {
        for (int w = 1; w <= (m == 13 ? 1 : 5); ++w) {
            const int id = SundayDayID(m, w);
            const QString name = OrdinalNames[w] + QStringLiteral(" Sunday of ") + month(m);
            sundays.add({id, name, QString(), (QStringLiteral("Sunday: ") + month(m)).left(30), m,
                         w, 0, 0});
            addOrdinaryServices(readings, sunday, vtSundays, id);
        }
    }

    // Lent, Holy Week and Easter, keyed by the days before Easter.
    TableRows lent{QStringLiteral("Lent_HolyWeek.DB"),
                   {"ID", "DaysFromEaster", "DayName", "VerseOfTheDay", "Comment"},
                   {}};
    Courses lentCourse(index, books({4}), books({2}), books({1, 3}), books({6, 9, 10, 11, 12, 19}),
                       books({20, 21, 23}), books({5}), books({28, 47, 50}));
    Courses jonah(index, books({4}), books({2}), books({1}), books({6}), books({20}), books({5}),
                  books({59}));
    const QHash<int, LentDay> lentDays = LentDays();
    QList<int> offsets;
    for (int a = 0; a <= 57; ++a)
        offsets << a;
    offsets << 66 << 67 << 68 << 69;
    for (int a : offsets) {
        const int id = LentDayID(a);
        const int wd = weekdayBeforeEaster(a);
        LentDay day = lentDays.value(a);
        // Great Lent runs from 55 to 9 days before Easter; the days up to 8
        // before Easter are named in LentDays().
        const bool greatLent = a <= 55;
        if (day.Name.isEmpty()) {
            if (a >= 66)
                day.Name = a == 66
                               ? QStringLiteral("Jonah's Passover")
                               : QStringLiteral("%1 Day of Jonah's Fast").arg(OrdinalNames[70 - a]);
            else if (!greatLent)
                day.Name = QStringLiteral("%1 before Great Lent").arg(WeekDayNames[wd + 1]);
            else if (wd == 0)
                day.Name =
                    QStringLiteral("%1 Sunday of Great Lent").arg(OrdinalNames[(56 - a) / 7]);
            else
                day.Name = QStringLiteral("%1 of the %2 Week of Great Lent")
                               .arg(WeekDayNames[wd + 1], OrdinalNames[(55 - a) / 7 + 1]);
        }
        const QString comment = day.Comment.isEmpty() ? day.Name : day.Comment;
        lent.add({id, a, day.Name,
                  day.VerseRef.isEmpty() ? QString() : verseText(index, day.VerseRef),
                  comment.left(60)});
        // Easter, Holy Week and Lazarus Saturday have their own services.
        if (a <= 8 || readings.hasDay(vtLent, id))
            continue;
        Courses& c = a >= 66 ? jonah : lentCourse;
        if (wd == 0) {
            readings.service(vtLent, id, rtVespers, c.vespers());
            readings.service(vtLent, id, rtMatins, c.matins(false));
            readings.service(vtLent, id, rtLiturgy, c.liturgy());
            readings.service(vtLent, id, rtEvening, c.evening());
        } else {
            // The Saturday before Lent is no fast day: its Vespers are read.
            if (!greatLent && a < 66)
                readings.service(vtLent, id, rtVespers, c.vespers());
            readings.service(vtLent, id, rtMatins, c.matins(true));
            readings.service(vtLent, id, rtLiturgy, c.liturgy());
        }
    }
    for (const HourService& h : HolyWeekHours(index))
        if (!readings.has(vtLent, h.DayID, h.Time))
            readings.service(vtLent, h.DayID, h.Time, h.Rows);

    // The Holy Fifty Days, keyed by the days after Easter.
    TableRows fifty{QStringLiteral("FiftyDays.DB"),
                    {"ID", "DaysFromEster", "DayName", "VerseOfTheDay", "Comment", "Week", "DOW",
                     "CopticDOW", "Sound", "Image"},
                    {}};
    Courses fiftyCourse(index, books({3}), books({4}), books({4}), books({6, 7, 8, 9, 10, 11, 12}),
                        books({21, 23}), books({5}), books({50}));
    const QHash<int, LentDay> fiftyDays = FiftyDays();
    for (int d = 1; d <= 49; ++d) {
        const int wd = d % 7; // 0 = Sunday
        LentDay day = fiftyDays.value(d);
        if (day.Name.isEmpty())
            day.Name = QStringLiteral("%1 of the %2 Week of the Holy Fifty Days")
                           .arg(WeekDayNames[wd + 1], OrdinalNames[(d - 1) / 7 + 1]);
        fifty.add(
            {d, d, day.Name, day.VerseRef.isEmpty() ? QString() : verseText(index, day.VerseRef),
             (day.Comment.isEmpty() ? QStringLiteral("Holy Fifty Days") : day.Comment).left(30),
             (d - 1) / 7 + 1, wd + 1, wd + 1, 0, 0});
        addOrdinaryServices(readings, fiftyCourse, vtFifty, d);
    }

    return {readingTimes(), readingTypes(), velmTypes(), months(),        yearly,
            sundays,        lent,           fifty,       readings.table()};
}
