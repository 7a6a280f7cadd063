#include "BibleBooks.h"

#include <QHash>

namespace {

struct Raw {
    const char* osis;
    const char* name;
    const char* info;
};

// Old Testament in English order: IDs 28..66.
const Raw kOld[] = {
    {"Gen", "Genesis", "The Law"},
    {"Exod", "Exodus", "The Law"},
    {"Lev", "Leviticus", "The Law"},
    {"Num", "Numbers", "The Law"},
    {"Deut", "Deuteronomy", "The Law"},
    {"Josh", "Joshua", "History"},
    {"Judg", "Judges", "History"},
    {"Ruth", "Ruth", "History"},
    {"1Sam", "1 Samuel", "History"},
    {"2Sam", "2 Samuel", "History"},
    {"1Kgs", "1 Kings", "History"},
    {"2Kgs", "2 Kings", "History"},
    {"1Chr", "1 Chronicles", "History"},
    {"2Chr", "2 Chronicles", "History"},
    {"Ezra", "Ezra", "History"},
    {"Neh", "Nehemiah", "History"},
    {"Esth", "Esther", "History"},
    {"Job", "Job", "Wisdom and Poetry"},
    {"Ps", "Psalms", "Wisdom and Poetry"},
    {"Prov", "Proverbs", "Wisdom and Poetry"},
    {"Eccl", "Ecclesiastes", "Wisdom and Poetry"},
    {"Song", "Song of Solomon", "Wisdom and Poetry"},
    {"Isa", "Isaiah", "Major Prophets"},
    {"Jer", "Jeremiah", "Major Prophets"},
    {"Lam", "Lamentations", "Major Prophets"},
    {"Ezek", "Ezekiel", "Major Prophets"},
    {"Dan", "Daniel", "Major Prophets"},
    {"Hos", "Hosea", "Minor Prophets"},
    {"Joel", "Joel", "Minor Prophets"},
    {"Amos", "Amos", "Minor Prophets"},
    {"Obad", "Obadiah", "Minor Prophets"},
    {"Jonah", "Jonah", "Minor Prophets"},
    {"Mic", "Micah", "Minor Prophets"},
    {"Nah", "Nahum", "Minor Prophets"},
    {"Hab", "Habakkuk", "Minor Prophets"},
    {"Zeph", "Zephaniah", "Minor Prophets"},
    {"Hag", "Haggai", "Minor Prophets"},
    {"Zech", "Zechariah", "Minor Prophets"},
    {"Mal", "Malachi", "Minor Prophets"},
};

// Deuterocanonical books: IDs 67..80, between the Testaments in the order.
const Raw kDeutero[] = {
    {"Tob", "Tobit", "Deuterocanonical"},
    {"Jdt", "Judith", "Deuterocanonical"},
    {"EsthGr", "Esther (Greek)", "Deuterocanonical"},
    {"Wis", "Wisdom of Solomon", "Deuterocanonical"},
    {"Sir", "Sirach", "Deuterocanonical"},
    {"Bar", "Baruch", "Deuterocanonical"},
    {"1Macc", "1 Maccabees", "Deuterocanonical"},
    {"2Macc", "2 Maccabees", "Deuterocanonical"},
    {"1Esd", "1 Esdras", "Deuterocanonical"},
    {"PrMan", "Prayer of Manasseh", "Deuterocanonical"},
    {"AddPs", "Psalm 151", "Deuterocanonical"},
    {"3Macc", "3 Maccabees", "Deuterocanonical"},
    {"2Esd", "2 Esdras", "Deuterocanonical"},
    {"4Macc", "4 Maccabees", "Deuterocanonical"},
};

// New Testament: IDs 1..27.
const Raw kNew[] = {
    {"Matt", "Matthew", "Gospels"},
    {"Mark", "Mark", "Gospels"},
    {"Luke", "Luke", "Gospels"},
    {"John", "John", "Gospels"},
    {"Acts", "Acts", "History of the Church"},
    {"Rom", "Romans", "Letters of Paul"},
    {"1Cor", "1 Corinthians", "Letters of Paul"},
    {"2Cor", "2 Corinthians", "Letters of Paul"},
    {"Gal", "Galatians", "Letters of Paul"},
    {"Eph", "Ephesians", "Letters of Paul"},
    {"Phil", "Philippians", "Letters of Paul"},
    {"Col", "Colossians", "Letters of Paul"},
    {"1Thess", "1 Thessalonians", "Letters of Paul"},
    {"2Thess", "2 Thessalonians", "Letters of Paul"},
    {"1Tim", "1 Timothy", "Letters of Paul"},
    {"2Tim", "2 Timothy", "Letters of Paul"},
    {"Titus", "Titus", "Letters of Paul"},
    {"Phlm", "Philemon", "Letters of Paul"},
    {"Heb", "Hebrews", "Letters of Paul"},
    {"Jas", "James", "General Letters"},
    {"1Pet", "1 Peter", "General Letters"},
    {"2Pet", "2 Peter", "General Letters"},
    {"1John", "1 John", "General Letters"},
    {"2John", "2 John", "General Letters"},
    {"3John", "3 John", "General Letters"},
    {"Jude", "Jude", "General Letters"},
    {"Rev", "Revelation", "Prophecy"},
};

QList<BookInfo> makeBooks() {
    QList<BookInfo> list;
    int order = 0;
    int id = 28;
    for (const Raw& r : kOld)
        list.append({QString::fromLatin1(r.osis), id++, ++order, 1, QString::fromUtf8(r.name),
                     QString::fromUtf8(r.info)});
    id = 67;
    for (const Raw& r : kDeutero)
        list.append({QString::fromLatin1(r.osis), id++, ++order, 3, QString::fromUtf8(r.name),
                     QString::fromUtf8(r.info)});
    id = 1;
    for (const Raw& r : kNew)
        list.append({QString::fromLatin1(r.osis), id++, ++order, 2, QString::fromUtf8(r.name),
                     QString::fromUtf8(r.info)});
    return list;
}

} // namespace

const QList<BookInfo>& KnownBooks() {
    static const QList<BookInfo> books = makeBooks();
    return books;
}

const BookInfo* FindBookByOsis(const QString& osis) {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < KnownBooks().size(); ++i)
            h.insert(KnownBooks()[i].Osis, i);
        return h;
    }();
    const auto it = index.constFind(osis);
    return it == index.cend() ? nullptr : &KnownBooks()[*it];
}

const BookInfo* FindBookByID(int id) {
    for (const BookInfo& b : KnownBooks())
        if (b.ID == id)
            return &b;
    return nullptr;
}
