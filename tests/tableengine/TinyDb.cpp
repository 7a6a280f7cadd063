#include "TinyDb.h"

using FT = TFieldType;

void TinyDb::writeInto(const QString& folder, const QString& password) {
    TDatabaseWriter w(folder, password);
    w.CreateTable(
        {QStringLiteral("BibleBooks.db"),
         {{"ID", FT::ftAutoInc}, {"BookName", FT::ftString, 30}, {"BookOrder", FT::ftSmallint}},
         {{"", {"ID"}},
          {"ndxBookID", {"ID"}},
          {"ndxBookName", {"BookName"}},
          {"ndxBookOrder", {"BookOrder"}}}});
    w.CreateTable({QStringLiteral("Bible.DB"),
                   {{"ID", FT::ftAutoInc},
                    {"BookID", FT::ftSmallint},
                    {"Chapter", FT::ftSmallint},
                    {"Verse", FT::ftSmallint},
                    {"Text", FT::ftMemo}},
                   {{"", {"ID"}}, {"ndxBible1", {"BookID", "Chapter", "Verse"}}}});
    w.CreateTable({QStringLiteral("BW.db"),
                   {{"Hits", FT::ftInteger},
                    {"Included", FT::ftBoolean},
                    {"WordID", FT::ftSmallint},
                    {"TheWord", FT::ftString, 16}},
                   {{"", {"TheWord"}}, {"ndxWordID", {"WordID"}}}});
    w.CreateTable({QStringLiteral("WVN.DB"),
                   {{"WordID", FT::ftSmallint},
                    {"VerseID", FT::ftInteger},
                    {"BookID", FT::ftSmallint},
                    {"BookOrder", FT::ftSmallint}},
                   {{"ndxWordID", {"WordID", "VerseID"}}}});
    w.CreateTable({QStringLiteral("SynxDetail.DB"),
                   {{"SynxID", FT::ftSmallint},
                    {"Number", FT::ftSmallint},
                    {"Name", FT::ftString, 200},
                    {"PictSaintName", FT::ftString, 60},
                    {"PictureFile", FT::ftString, 30}},
                   {{"ndxSynxIDNumber", {"SynxID", "Number"}}}});
    w.CreateTable({QStringLiteral("SynxHead.db"),
                   {{"ID", FT::ftAutoInc}, {"Month", FT::ftSmallint}, {"Day", FT::ftSmallint}},
                   {{"ndxMonthDay", {"Month", "Day"}}, {"ndxID", {"ID"}}}});
    w.CreateTable(
        {QStringLiteral("Verses.DB"), {{"Id", FT::ftAutoInc}, {"Verse", FT::ftMemo}}, {}});
    w.CreateTable(
        {QStringLiteral("Rpt1"), {{"name", FT::ftString, 100}, {"Text", FT::ftMemo}}, {}});
    w.CreateTable({QStringLiteral("Events.DB"),
                   {{"EventDate", FT::ftDate}, {"EventName", FT::ftString, 50}},
                   {{"Date", {"EventDate"}}},
                   false});
    TTableDef srn{QStringLiteral("SRN.DB"),
                  {{"VerseID", FT::ftInteger}, {"BookOrder", FT::ftSmallint}},
                  {{"", {}}}};
    srn.UserWritable = true;
    w.CreateTable(srn);

    const QStringList books{"Matthew", "Genesis", "Psalms"};
    const QList<int> orders{40, 1, 19};
    for (int i = 0; i < books.size(); ++i)
        w.Insert("BibleBooks.db", {"BookName", "BookOrder"}, {books[i], orders[i]});
    // Inserted out of key order on purpose: rows must come in index order.
    for (int b : {2, 1, 3})
        for (int c = 1; c <= 3; ++c)
            for (int v = 1; v <= (c == 2 ? 4 : 3); ++v)
                w.Insert("Bible.DB", {"BookID", "Chapter", "Verse", "Text"},
                         {b, c, v, QStringLiteral("Text %1 %2:%3").arg(b).arg(c).arg(v)});
    w.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {5, true, 1, "LOVE"});
    w.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {900, false, 2, "AND"});
    w.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {3, true, 3, "GRACE"});
    w.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {2, true, 4, "FAITH"});
    // Word 1 in verses 1,2,5; word 3 in verses 2,5,7; word 4 in verses 5,9.
    auto wv = [&](int word, int verse) {
        w.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {word, verse, 2, 40});
    };
    for (int v : {5, 1, 2})
        wv(1, v);
    for (int v : {7, 2, 5})
        wv(3, v);
    for (int v : {5, 9})
        wv(4, v);
    w.Insert("SynxDetail.DB", {"SynxID", "Number", "Name", "PictSaintName", "PictureFile"},
             {1, 1, "Saint A", "Anthony", "a.jpg"});
    w.Insert("SynxDetail.DB", {"SynxID", "Number", "Name", "PictSaintName", "PictureFile"},
             {1, 2, "Saint B", "", ""});
    w.Insert("SynxDetail.DB", {"SynxID", "Number", "Name", "PictSaintName", "PictureFile"},
             {2, 1, "Saint C", "Mary", "m.jpg"});
    w.Insert("SynxDetail.DB", {"SynxID", "Number", "Name", "PictSaintName", "PictureFile"},
             {3, 1, "Saint D", "Anthony", "a.jpg"});
    w.Insert("SynxDetail.DB", {"SynxID", "Number", "Name"}, {3, 2, "Saint E"});
    w.Insert("SynxHead.db", {"Month", "Day"}, {1, 1});
    w.Insert("SynxHead.db", {"Month", "Day"}, {1, 2});
    w.Insert("Verses.DB", {"Verse"}, {QString(5000, QLatin1Char('x'))});
    w.Insert("Verses.DB", {"Verse"}, {"second"});
    w.Insert("Rpt1", {"name", "Text"}, {"r", "t"});
    w.Commit();
}

TinyDb::TinyDb() {
    writeInto(content_.path(), kPassword);
    attach();
}

TinyDb::~TinyDb() {
    Session.Reset();
}

void TinyDb::attach() const {
    Session.Reset();
    Session.AddPassword(kPassword);
    Session.AddStandardAlias(kAlias, content_.path(), QStringLiteral("PARADOX"));
    Session.SetUserDataFolder(user_.path());
}

std::unique_ptr<TTable> openTable(const QString& file, const QString& index, bool open) {
    auto t = std::make_unique<TTable>();
    t->SetDatabaseName(kAlias);
    t->SetTableName(file);
    if (!index.isEmpty())
        t->SetIndexName(index);
    t->SetReadOnly(true);
    if (open)
        t->Open();
    return t;
}
