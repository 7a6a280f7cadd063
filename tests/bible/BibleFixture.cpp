#include "BibleFixture.h"

#include "FixtureDb.h"

namespace BibleFixture {

void AddBibleRows(TFixtureDatabase& db) {
    db.Insert("Translations.DB", {"ID", "Name", "ShortName"}, {2, "Other Version", "OTH"});
    const QStringList book = {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"};
    db.Insert("BibleBooks.db", book, {Baruch, "Baruch", 3, 55, 1, "The book of Baruch"});
    db.Insert("BibleBooks.db", book, {Psalm151, "Psalm 151", 3, 61, 2, QString()});
    db.Insert("BibleBooks.db", book, {Broken, "Broken", 3, 62, 1, QString()});
    db.Insert("BibleBooks.db", book, {OtherJob, "Other Job", 2, 30, 2, QString()});
    const QStringList verse = {"ID", "BookID", "Chapter", "Verse", "Text"};
    int id = 10000;
    for (int c = 1; c <= 2; ++c)
        for (int v = 1; v <= 3; ++v)
            db.Insert("Bible.DB", verse,
                      {++id, Baruch, c, v, QStringLiteral("Baruch %1 %2 text.").arg(c).arg(v)});
    for (int v = 1; v <= 3; ++v)
        db.Insert("Bible.DB", verse, {++id, Psalm151, 1, v, QStringLiteral("I was small.")});
    db.Insert("Bible.DB", verse, {++id, OtherJob, 1, 1, QStringLiteral("Job text.")});
    for (int v = 1; v <= LongChapterVerses; ++v)
        db.Insert("Bible.DB", verse, {++id, OtherJob, 2, v, LongChapterVerse(v)});
    for (int v : {1, 3})
        db.Insert("Bible.DB", verse, {++id, Broken, 1, v, QStringLiteral("Broken text.")});
    for (int v : {1, 2})
        db.Insert("Bible.DB", verse, {++id, Broken, 2, v, QStringLiteral("Whole text.")});
}

QString LongChapterVerse(int verse) {
    return verse == LongChapterVerses
               ? QStringLiteral("I have gone astray like a lost sheep. Seek your servant, for I "
                                "don\u2019t forget your commandments.")
               : QStringLiteral("Job %1 text.").arg(verse);
}

QString QuotedVerse(int verse) {
    switch (verse) {
    case 1:
        return QStringLiteral("\u201CYou shall not covet your neighbor\u2019s house, nor anything "
                              "that is your neighbor\u2019s.\u201D");
    case 2:
        return QStringLiteral("\u201CDon\u2019t be afraid,\u201D said the Lord\u2019s "
                              "messenger; the godly rest in God\u2019s hand.");
    case 3:
        return QStringLiteral("\u2018The king\u2019s letter ") +
               QStringLiteral("to every province and people, greeting; ").repeated(110) +
               QStringLiteral("so let it be done.\u2019");
    default:
        return QString();
    }
}

void AddQuotedRows(TFixtureDatabase& db) {
    db.Insert("BibleBooks.db",
              {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
              {Quoted, "Esther (Greek)", 3, 63, 1, QString()});
    const int first = 20000;
    for (int v = 1; v <= 3; ++v)
        db.Insert("Bible.DB", {"ID", "BookID", "Chapter", "Verse", "Text"},
                  {first + v, Quoted, 1, v, QuotedVerse(v)});
    const QStringList word = {"Hits", "Included", "WordID", "TheWord"};
    db.Insert("BW.db", word, {2, true, NeighborWordID, "NEIGHBOR"});
    db.Insert("BW.db", word, {1, true, CovetWordID, "COVET"});
    db.Insert("BW.db", word, {1, true, KingWordID, "KING"});
    db.Insert("BW.db", word, {3, false, SWordID, "S"});
    const QStringList row = {"WordID", "VerseID", "BookID", "BookOrder"};
    for (int w : {NeighborWordID, CovetWordID})
        db.Insert("WVN.DB", row, {w, first + 1, Quoted, 63});
    db.Insert("WVN.DB", row, {1, first + 2, Quoted, 63}); // GOD
    db.Insert("WVN.DB", row, {KingWordID, first + 3, Quoted, 63});
}

} // namespace BibleFixture
