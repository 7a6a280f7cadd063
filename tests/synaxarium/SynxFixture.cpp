#include "SynxFixture.h"

#include "FixtureDb.h"

namespace SynxFixture {

QString LongStory(int n) {
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("Story %1, sentence %2 of the life of this saint.").arg(n).arg(i);
    return lines.join(QLatin1Char(' '));
}

void AddSynxRows(TFixtureDatabase& db) {
    const QStringList head = {"ID", "Month", "Day"};
    db.Insert("SynxHead.db", head, {Three, 8, 1});
    db.Insert("SynxHead.db", head, {Fourteen, 8, 2});
    db.Insert("SynxHead.db", head, {NoFirst, 8, 3});
    db.Insert("SynxHead.db", head, {Last, 13, 5});

    const QStringList detail = {"SynxID",        "Number",     "Name",     "Desc",
                                "LinkMonth",     "LinkDay",    "LinkNum",  "PictureFile",
                                "PictSaintName", "LinkMonthB", "LinkDayB", "LinkNumB"};
    db.Insert(
        "SynxDetail.DB", detail,
        {Three, 1, "Three One", "The first story.", 1, 1, 2, "one.jpg", "Saint One Icon", 3, 7, 1});
    db.Insert("SynxDetail.DB", detail,
              {Three, 2, "Three Two", "The second story.", 6, 0, 2, "", "", 8, 2, 4});
    db.Insert("SynxDetail.DB", detail,
              {Three, 3, "Three Three", "The third story.", 0, 0, 0, "", "", 1, 2, 1});
    for (int n = 1; n <= 14; ++n) {
        const bool linked = n == 3;
        db.Insert("SynxDetail.DB", detail,
                  {Fourteen, n, QStringLiteral("Entry %1").arg(n), LongStory(n), linked ? 1 : 0,
                   linked ? 1 : 0, linked ? 1 : 0, "", "", 0, 0, 0});
    }
    db.Insert("SynxDetail.DB", detail,
              {NoFirst, 2, "Not First", "A day without entry 1.", 1, 1, 1, "", "", 0, 0, 0});
    db.Insert("SynxDetail.DB", detail,
              {NoFirst, 3, "Not First Either", "Nor this.", 0, 0, 0, "", "", 0, 0, 0});
    db.Insert("SynxDetail.DB", detail,
              {Last, 1, "The Last Day", "The year ends.", 0, 0, 0, "", "", 0, 0, 0});

    const QStringList saints = {"Name", "SynxID", "SynxNumber"};
    db.Insert("SynxSaints.DB", saints, {KeywordThree1, Three, 1});
    db.Insert("SynxSaints.DB", saints, {KeywordThree2, Three, 2});
    db.Insert("SynxSaints.DB", saints, {KeywordFourteen3, Fourteen, 3});
}

} // namespace SynxFixture
