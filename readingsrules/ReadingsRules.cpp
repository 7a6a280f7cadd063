#include "ReadingsRules.h"

#include "Apaqty.h"
#include "DMMain.h"
#include "ReadingsParameters.h"
#include "TableEngine.h"

#include <algorithm>
#include <stdexcept>

int PairedBookID = 0;

namespace ReadingsRules {

const char* const NoDataMessage = "No Data Was Entered For This Selectioin";
const char* const BookNotFoundMessage = "Book Not Found in tblBookNames:";

QString RuleText() {
    return QString(RuleLength, QLatin1Char('_'));
}

namespace {

QString RangeEnd(int startChapter, int endChapter, int startVerse, int endVerse) {
    if (endChapter != startChapter)
        return QStringLiteral("-%1:%2").arg(endChapter).arg(endVerse);
    if (endVerse != startVerse)
        return QStringLiteral("-%1").arg(endVerse);
    return QString();
}

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

// Moves back over the rows a join walked, whatever ends it.
class TRowRestore {
public:
    explicit TRowRestore(TTable& table) : table_(table) {}
    ~TRowRestore() {
        if (moves_ > 0)
            table_.MoveBy(-moves_);
    }
    // Steps forward; only a real move is counted, so that stepping off the
    // last row does not send the restore one row too far back.
    void Next() {
        table_.Next();
        if (!table_.Eof())
            ++moves_;
    }
    TRowRestore(const TRowRestore&) = delete;
    TRowRestore& operator=(const TRowRestore&) = delete;

private:
    TTable& table_;
    int moves_ = 0;
};

} // namespace

QString CitationText(const QString& bookName, int startChapter, int endChapter, int startVerse,
                     int endVerse) {
    return bookName + QStringLiteral(" %1:%2").arg(startChapter).arg(startVerse) +
           RangeEnd(startChapter, endChapter, startVerse, endVerse);
}

QString BuildCitation(TTable& readings, TTable& bookNames, const TServiceKey& key) {
    const int book = Int(readings, "BookID");
    int sc = Int(readings, "StartChapter");
    int ec = Int(readings, "EndChapter");
    int sv = Int(readings, "StartVerse");
    int ev = Int(readings, "EndVerse");
    if (!bookNames.FindKey({book}))
        throw std::runtime_error(
            (QLatin1String(BookNotFoundMessage) + QString::number(book)).toStdString());
    QString result =
        CitationText(bookNames.FieldByName(QStringLiteral("BookName"))->AsString(), sc, ec, sv, ev);
    if (book != PsalmsBookID && book != PairedBookID)
        return result;

    const int order = Int(readings, "Order");
    TRowRestore restore(readings);
    restore.Next();
    while (!readings.Eof() && Int(readings, "VelmType") == key.VelmTypeID &&
           Int(readings, "DayID") == key.DayID &&
           Int(readings, "ReadingTime") == key.ReadingTimeID && Int(readings, "Order") == order) {
        if (Int(readings, "BookID") == book) {
            const bool sameChapter = ec == Int(readings, "StartChapter");
            sc = Int(readings, "StartChapter");
            ec = Int(readings, "EndChapter");
            sv = Int(readings, "StartVerse");
            ev = Int(readings, "EndVerse");
            result += sameChapter ? QStringLiteral(", %1").arg(sv)
                                  : QStringLiteral(", %1:%2").arg(sc).arg(sv);
            result += RangeEnd(sc, ec, sv, ev);
        }
        restore.Next();
    }
    return result;
}

QString TranslationTag(TTable& bookNames, TTable& translations, int bookID) {
    if (!bookNames.FindKey({bookID}))
        return QString();
    if (!translations.FindKey({bookNames.FieldByName(QStringLiteral("Translation"))->AsInteger()}))
        return QString();
    return QLatin1Char('[') + translations.FieldByName(QStringLiteral("ShortName"))->AsString() +
           QLatin1Char(']');
}

QString ClosingSentence(int readingType) {
    static const char* const sentences[] = {
        "  Glory be to the Holy Trinity. Amen",
        "  The Grace of God the Father be with you all. Amen",
        "  Do not love the world, nor the things which are in the world. The world shall pass "
        "away and all its desires; but he who does the will of God shall abide forever. Amen",
        "  The word of the Lord shall grow, multiply, be mighty and be confirmed in the holy "
        "church of God. Amen",
        "  Alleluia",
        "  Glory is due to our God to the age of all ages. Amen",
    };
    if (readingType < 1 || readingType > 6)
        return QString();
    return QLatin1String(sentences[readingType - 1]);
}

TRunStyle RunStyle(TRunKind kind, int readingsSize, int textSize, quint32 headingRgb) {
    const int s = readingsSize;
    switch (kind) {
    case TRunKind::Rule:
        return {Black, TRunWeight::Bold, 12};
    case TRunKind::ServiceHeading:
        return {headingRgb, TRunWeight::Bold, std::min(26, s + 8)};
    case TRunKind::ReadingHeading:
        return {Blue, TRunWeight::Bold, s + 2};
    case TRunKind::ChapterMarker:
        return {Blue, TRunWeight::Bold, s + 5};
    case TRunKind::VerseNumber:
        return {Red, TRunWeight::Bold, s - 5};
    case TRunKind::Body:
        return {Black, TRunWeight::ReadingsStyle, s};
    case TRunKind::Tag:
        return {Black, TRunWeight::Regular, std::max(6, s - 5)};
    case TRunKind::Closing:
        return {Blue, TRunWeight::Regular, textSize - 3};
    }
    return {};
}

QList<TPassageRun> SplitPassage(const QString& passage) {
    QList<TPassageRun> runs;
    const int n = int(passage.size());
    int i = 0;
    bool afterMarker = false;
    while (i < n) {
        const QChar c = passage[i];
        int end = i + 1; // one past the run
        TRunKind kind;
        if (c == QLatin1Char('[') && !afterMarker) {
            const int close = int(passage.indexOf(QLatin1Char(']'), i + 1));
            end = close < 0 ? n : close + 1;
            kind = TRunKind::ChapterMarker;
        } else if (c.isDigit()) {
            while (end < n && (passage[end].isDigit() || passage[end] == QLatin1Char(':')))
                ++end;
            kind = TRunKind::VerseNumber;
        } else {
            while (end < n && !passage[end].isDigit() && passage[end] != QLatin1Char('['))
                ++end;
            kind = TRunKind::Body;
        }
        runs.append({kind, passage.mid(i, end - i)});
        afterMarker = kind == TRunKind::ChapterMarker;
        i = end;
    }
    return runs;
}

QString WithFullStop(const QString& passage) {
    // Closing quotes and brackets stand after the sentence's own mark, nested
    // ones with a blank between them ("receive.’ ”").
    static const QString closers = QStringLiteral("\"')]\u2019\u201D");
    static const QString marks = QStringLiteral(".,;:!?\u2014");
    qsizetype end = passage.size();
    while (end > 0 && (closers.contains(passage[end - 1]) || passage[end - 1].isSpace()))
        --end;
    if (end > 0 && marks.contains(passage[end - 1]))
        return passage;
    return passage + QLatin1Char('.');
}

QString ReadingTitle(const QString& copticDate, const QString& gregorianDate,
                     const QString& dayTitle, const TTitleDay& day) {
    QString title =
        copticDate + QStringLiteral(" - ") + gregorianDate + QStringLiteral(", ") + dayTitle;
    if (day.DayType != dtAnnual && (day.IsHolyWeek || day.IsPalmSunday) && !day.IsGoodFriday &&
        !day.IsHolySaturday)
        title += QStringLiteral(" / Night of Holy ") + WeekDayNames[day.WeekDay % 7 + 1];
    return title;
}

TCitationLink ParseCitation(const QString& text) {
    TCitationLink link;
    const int colon = int(text.indexOf(QLatin1Char(':')));
    if (colon < 0)
        return link;
    // The last blank before the colon, not looking at the first character:
    // a book name with blanks is taken whole.
    int blank = -1;
    for (int i = colon - 1; i >= 1; --i) {
        if (text[i] == QLatin1Char(' ')) {
            blank = i;
            break;
        }
    }
    if (blank < 0)
        return link;
    link.BookName = text.left(blank);
    bool ok = false;
    const int chapter = text.mid(blank + 1, colon - blank - 1).toInt(&ok);
    link.Chapter = ok ? chapter : 0;
    int end = colon + 1;
    while (end < text.size() && text[end].isDigit())
        ++end;
    link.Verse = text.mid(colon + 1, end - colon - 1).toInt();
    return link;
}

int ReadingTitleFontSize(const QString& title) {
    return title.size() > 40 ? 10 : 12;
}

} // namespace ReadingsRules

namespace {

// The choice that governs a service of a range; none for IDs of 0 or below.
const ServiceRangeChoice* ChoiceOf(const TReadingsParameters& p, int readingTime) {
    switch (readingTime) {
    case 1:
        return &p.VespersChoice;
    case 2:
        return &p.MatinsChoice;
    case 3:
        return &p.LiturgyChoice;
    case 4:
        return &p.EveningChoice;
    default:
        return readingTime > 4 ? &p.PassionChoice : nullptr;
    }
}

} // namespace

bool TReadingsParameters::IsServiceShown(int readingTime) const {
    if (RangeAllServices)
        return true;
    const ServiceRangeChoice* c = ChoiceOf(*this, readingTime);
    return c != nullptr && *c != ServiceRangeChoice::NotShown;
}

bool TReadingsParameters::IsServiceFull(int readingTime) const {
    if (RangeAllServices)
        return true;
    const ServiceRangeChoice* c = ChoiceOf(*this, readingTime);
    return c != nullptr && *c == ServiceRangeChoice::FullReadings;
}

bool TReadingsParameters::IsSynaxariumShown(bool readInChurch) const {
    if (SynxChoice == ServiceRangeChoice::NotShown)
        return false;
    return readInChurch || ShowSynxAlways;
}

bool TReadingsParameters::IsSynaxariumFull() const {
    return SynxChoice == ServiceRangeChoice::FullReadings;
}
