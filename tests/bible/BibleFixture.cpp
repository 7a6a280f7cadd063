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
    for (int v : {1, 3})
        db.Insert("Bible.DB", verse, {++id, Broken, 1, v, QStringLiteral("Broken text.")});
}

} // namespace BibleFixture
