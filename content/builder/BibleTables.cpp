#include "BibleTables.h"

#include <QMap>

#include <algorithm>

namespace {

constexpr int kMaxWordLength = 16; // TheWord is string(16)

TableRows booksTable(const BibleText& bible) {
    TableRows t{QStringLiteral("BibleBooks.db"),
                {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
                {}};
    for (const BookInfo& b : bible.Books)
        t.add({b.ID, b.Name, b.Type, b.Order, 1, b.MoreInfo});
    return t;
}

TableRows bibleTable(const BibleText& bible) {
    TableRows t{QStringLiteral("Bible.DB"), {"ID", "BookID", "Chapter", "Verse", "Text"}, {}};
    t.Rows.reserve(bible.Verses.size());
    int id = 0;
    for (const VerseRow& v : bible.Verses)
        t.add({++id, v.BookID, v.Chapter, v.Verse, v.Text});
    return t;
}

struct WordStats {
    int hits = 0;
    int verses = 0;
    int lastVerse = -1;
    QList<int> verseIndexes; // indexes into bible.Verses, once per verse
};

} // namespace

const QSet<QString>& CommonEnglishWords() {
    static const QSet<QString> words = [] {
        const char* const list[] = {
            "A",    "ALL",  "ALSO",  "AM",      "AN",   "AND",    "ANY",       "ARE",
            "AS",   "AT",   "BE",    "BECAUSE", "BEEN", "BUT",    "BY",        "DIDN",
            "DO",   "DON",  "EVEN",  "FOR",     "FROM", "HAD",    "HAS",       "HAVE",
            "HE",   "HER",  "HIM",   "HIMSELF", "HIS",  "HOW",    "I",         "IF",
            "IN",   "INTO", "IS",    "IT",      "ITS",  "LET",    "MAY",       "ME",
            "MY",   "NO",   "NOT",   "NOW",     "OF",   "ON",     "OR",        "OUR",
            "OUT",  "OVER", "S",     "SHALL",   "SHE",  "SHOULD", "SO",        "T",
            "THAT", "THE",  "THEIR", "THEM",    "THEN", "THERE",  "THEREFORE", "THESE",
            "THEY", "THIS", "THOSE", "THROUGH", "TO",   "UP",     "UPON",      "US",
            "WAS",  "WE",   "WERE",  "WHAT",    "WHEN", "WHICH",  "WHO",       "WHOM",
            "WILL", "WITH", "WOULD", "YOU",     "YOUR"};
        QSet<QString> s;
        for (const char* w : list)
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return words;
}

QStringList VerseWords(const QString& text) {
    QStringList words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!text[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        const qsizetype s = i;
        while (i < n && text[i].isLetterOrNumber())
            ++i;
        words.append(text.mid(s, i - s).toUpper());
    }
    return words;
}

QList<TableRows> BuildBibleTables(const VerseIndex& index) {
    const BibleText& bible = index.bible();
    QList<TableRows> tables;
    tables << booksTable(bible) << bibleTable(bible);
    tables << TableRows{QStringLiteral("Translations.DB"),
                        {"ID", "Name", "ShortName"},
                        {{1, QStringLiteral("World English Bible"), QStringLiteral("WEB")}}};

    // Concordance: words in alphabetical order get WordID 1, 2, ...
    QMap<QString, WordStats> stats;
    for (int vi = 0; vi < bible.Verses.size(); ++vi) {
        for (const QString& w : VerseWords(bible.Verses[vi].Text)) {
            if (w.size() > kMaxWordLength)
                continue; // longer than the word field: not indexed
            WordStats& s = stats[w];
            ++s.hits;
            if (s.lastVerse != vi) {
                s.lastVerse = vi;
                ++s.verses;
                s.verseIndexes.append(vi);
            }
        }
    }
    QHash<int, int> orderOfBook;
    for (const BookInfo& b : bible.Books)
        orderOfBook.insert(b.ID, b.Order);

    TableRows bw{QStringLiteral("BW.db"), {"Hits", "Included", "WordID", "TheWord"}, {}};
    TableRows wvn{QStringLiteral("WVN.DB"), {"WordID", "VerseID", "BookID", "BookOrder"}, {}};
    int wordID = 0;
    for (auto it = stats.cbegin(); it != stats.cend(); ++it) {
        ++wordID;
        const bool included =
            !(it->verses > kOmittedWordMinVerses && CommonEnglishWords().contains(it.key()));
        bw.add({it->hits, included, wordID, it.key()});
        if (!included)
            continue; // only indexed words are searched or listed by verse
        for (int vi : it->verseIndexes) {
            const int book = bible.Verses[vi].BookID;
            wvn.add({wordID, vi + 1, book, orderOfBook.value(book)});
        }
    }
    tables << bw << wvn;

    TableRows verses{QStringLiteral("Verses.DB"), {"Id", "Verse"}, {}};
    int id = 0;
    for (const QString& v : VersesOfTheDay(index))
        verses.add({++id, v});
    tables << verses;
    return tables;
}

QStringList VersesOfTheDay(const VerseIndex& index) {
    // Short, whole-sentence verses of the books that are read for comfort
    // and counsel, spread evenly over the candidates.
    const int books[] = {46, 47, 50, 1, 3, 4, 6, 7, 9, 10, 11, 12, 19, 20, 21, 23};
    QList<const VerseRow*> candidates;
    QSet<int> wanted(std::begin(books), std::end(books));
    QMap<int, QList<const VerseRow*>> byBook;
    for (const VerseRow& v : index.bible().Verses) {
        if (!wanted.contains(v.BookID))
            continue;
        const QString& t = v.Text;
        if (t.size() < 50 || t.size() > 180 || !t[0].isUpper())
            continue;
        if (!(t.endsWith(u'.') || t.endsWith(u'!') || t.endsWith(u'?')))
            continue;
        if (t.contains(u'“') != t.contains(u'”'))
            continue; // a quotation that opens or closes in another verse
        byBook[v.BookID].append(&v);
    }
    for (int b : books)
        candidates.append(byBook.value(b));
    QStringList out;
    const int n = 366;
    for (int i = 0; i < n && !candidates.isEmpty(); ++i) {
        const VerseRow* v = candidates[qsizetype(i) * candidates.size() / n];
        out.append(v->Text + QStringLiteral(" (") + CitationOf(v->BookID, v->Chapter, v->Verse) +
                   u')');
    }
    return out;
}
