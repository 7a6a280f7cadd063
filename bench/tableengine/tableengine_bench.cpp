// The table engine on a generated Bible-sized database: 36,000 verses and
// 800,000 word-verse rows, with the 28 tables opened at start-up.
#include "GridModel.h"
#include "TableEngine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <set>
#include <vector>

namespace {

using FT = TFieldType;
const QString kPassword = QStringLiteral("00benchbe000000");
const QString kAlias = QStringLiteral("BenchAlias");
constexpr int kBooks = 80;
constexpr int kWords = 12000;

struct StartupTable {
    const char* component;
    const char* file;
    const char* index;
};

// The start-up tables in their opening order.
const StartupTable kStartup[] = {
    {"tblReadings", "Readings.DB", "ndxReadings2"},
    {"tblBookNames", "BibleBooks.db", "ndxBookID"},
    {"tblBibleTranslations", "Translations.DB", ""},
    {"tblBible", "Bible.DB", "ndxBible1"},
    {"tblBibleBooksbyName", "BibleBooks.DB", "ndxBookName"},
    {"tblBookNamesFiltered", "BibleBooks.db", "ndxBookOrder"},
    {"tblMonths", "Months.DB", ""},
    {"tblReadingsTypes", "ReadingTypes.DB", "ndxType"},
    {"tblReadingsTimes", "ReadingTimes.DB", "ndxTime"},
    {"tblYearly", "Yearly.DB", "ndxMonthDay"},
    {"tblVelmTypes", "VelmType.db", "ndxDesc"},
    {"tblLent", "Lent_HolyWeek.DB", "ndxDaysFromEaster"},
    {"tblFifty", "FiftyDays.DB", "ndxDaysFromEaster"},
    {"tblSundays", "Sundays.DB", "ndxMonthWeek"},
    {"tblSynxHead", "SynxHead.db", "ndxMonthDay"},
    {"tblSynxHdBrowse", "SynxHead.db", "ndxMonthDay"},
    {"tblSynxHeadID", "SynxHead.db", "ndxID"},
    {"tblSynxDetail", "SynxDetail.DB", "ndxSynxIDNumber"},
    {"tblSynxDetailSearch", "SynxDetail.DB", "ndxSynxIDNumber"},
    {"tblSynxDtailByPictSaint", "SynxDetail.DB", "ndxSynxIDNumber"},
    {"tblRpt1", "Rpt1", ""},
    {"tblRpt2", "Rpt2.db", "ndxDaysFromEaster"},
    {"tblReadingTimesID", "ReadingTimes.DB", "ndxID"},
    {"tblVerses", "Verses.DB", ""},
    {"tblSynxSaints", "SynxSaints.DB", "ndxName"},
    {"tblSynxSaintByIdNum", "SynxSaints.DB", "ndxSynxIDNum"},
    {"tblBibleWords", "BW.db", ""},
    {"tblWordVerse", "WVN.DB", ""},
};

QString wordText(int id) {
    return QStringLiteral("W%1").arg(id, 5, 10, QLatin1Char('0'));
}

void build(const QString& folder) {
    TDatabaseWriter w(folder, kPassword);
    auto small = [&](const char* file, QList<TFieldDef> fields, QList<TIndexDef> idx, int rows) {
        w.CreateTable({QString::fromLatin1(file), fields, idx});
        for (int i = 1; i <= rows; ++i) {
            QStringList names;
            QVariantList vals;
            for (const TFieldDef& f : fields) {
                if (f.Type == FT::ftAutoInc)
                    continue;
                names << f.Name;
                vals << (f.Type == FT::ftString || f.Type == FT::ftMemo
                             ? QVariant(QStringLiteral("t%1").arg(i))
                             : QVariant(i % 30));
            }
            w.Insert(QString::fromLatin1(file), names, vals);
        }
    };
    small("Readings.DB",
          {{"ID", FT::ftAutoInc},
           {"VelmType", FT::ftSmallint},
           {"DayID", FT::ftSmallint},
           {"ReadingTime", FT::ftSmallint},
           {"Order", FT::ftSmallint},
           {"BookID", FT::ftSmallint}},
          {{"", {"ID"}}, {"ndxReadings2", {"VelmType", "DayID", "ReadingTime", "Order"}}}, 8000);
    small("Translations.DB", {{"ID", FT::ftSmallint}, {"Name", FT::ftString, 40}}, {{"", {"ID"}}},
          3);
    small("Months.DB", {{"ID", FT::ftSmallint}, {"Name", FT::ftString, 20}}, {}, 13);
    small("ReadingTypes.DB", {{"ID", FT::ftSmallint}, {"Type", FT::ftString, 30}},
          {{"ndxType", {"Type"}}}, 6);
    small("ReadingTimes.DB", {{"ID", FT::ftAutoInc}, {"Time", FT::ftString, 30}},
          {{"ndxTime", {"Time"}}, {"ndxID", {"ID"}}}, 16);
    small("Yearly.DB",
          {{"DayID", FT::ftAutoInc},
           {"MonthID", FT::ftSmallint},
           {"Day", FT::ftSmallint},
           {"VerseOfTheDay", FT::ftMemo}},
          {{"ndxMonthDay", {"MonthID", "Day"}}}, 366);
    small("VelmType.db", {{"ID", FT::ftInteger}, {"Desc", FT::ftString, 30}},
          {{"ndxDesc", {"Desc"}}}, 4);
    small(
        "Lent_HolyWeek.DB",
        {{"DaysFromEaster", FT::ftSmallint}, {"ID", FT::ftInteger}, {"DayName", FT::ftString, 60}},
        {{"ndxDaysFromEaster", {"DaysFromEaster"}}}, 70);
    small("FiftyDays.DB",
          {{"ID", FT::ftAutoInc}, {"DaysFromEster", FT::ftSmallint}, {"DayName", FT::ftString, 60}},
          {{"ndxDaysFromEaster", {"DaysFromEster"}}}, 50);
    small("Sundays.DB",
          {{"ID", FT::ftAutoInc}, {"Month", FT::ftSmallint}, {"Week", FT::ftSmallint}},
          {{"ndxMonthWeek", {"Month", "Week"}}}, 60);
    small("SynxHead.db",
          {{"ID", FT::ftAutoInc}, {"Month", FT::ftSmallint}, {"Day", FT::ftSmallint}},
          {{"ndxMonthDay", {"Month", "Day"}}, {"ndxID", {"ID"}}}, 366);
    small("SynxDetail.DB",
          {{"SynxID", FT::ftSmallint},
           {"Number", FT::ftSmallint},
           {"Name", FT::ftString, 200},
           {"Desc", FT::ftMemo},
           {"PictSaintName", FT::ftString, 60}},
          {{"ndxSynxIDNumber", {"SynxID", "Number"}}}, 3000);
    small("Rpt1", {{"name", FT::ftString, 100}, {"Text", FT::ftMemo}}, {}, 1);
    small("Rpt2.db", {{"ID", FT::ftAutoInc}, {"DaysFromEster", FT::ftSmallint}},
          {{"ndxDaysFromEaster", {"DaysFromEster"}}}, 50);
    small("Verses.DB", {{"Id", FT::ftAutoInc}, {"Verse", FT::ftMemo}}, {}, 366);
    small("SynxSaints.DB",
          {{"Name", FT::ftString, 40}, {"SynxID", FT::ftSmallint}, {"SynxNumber", FT::ftSmallint}},
          {{"ndxName", {"Name"}}, {"ndxSynxIDNum", {"SynxID", "SynxNumber"}}}, 2500);

    w.CreateTable(
        {"BibleBooks.db",
         {{"ID", FT::ftAutoInc}, {"BookName", FT::ftString, 30}, {"BookOrder", FT::ftSmallint}},
         {{"", {"ID"}},
          {"ndxBookID", {"ID"}},
          {"ndxBookName", {"BookName"}},
          {"ndxBookOrder", {"BookOrder"}}}});
    for (int b = 1; b <= kBooks; ++b)
        w.Insert("BibleBooks.db", {"BookName", "BookOrder"}, {QStringLiteral("Book %1").arg(b), b});
    w.CreateTable({"Bible.DB",
                   {{"ID", FT::ftAutoInc},
                    {"BookID", FT::ftSmallint},
                    {"Chapter", FT::ftSmallint},
                    {"Verse", FT::ftSmallint},
                    {"Text", FT::ftMemo}},
                   {{"", {"ID"}}, {"ndxBible1", {"BookID", "Chapter", "Verse"}}}});
    // 36,000 verses: 80 books of 15 chapters of 30 verses.
    std::vector<int> verseBook;
    for (int b = 1; b <= kBooks; ++b)
        for (int c = 1; c <= 15; ++c)
            for (int v = 1; v <= 30; ++v) {
                w.Insert(
                    "Bible.DB", {"BookID", "Chapter", "Verse", "Text"},
                    {b, c, v,
                     QStringLiteral(
                         "And the words of verse %1 of chapter %2 of book %3 were written down.")
                         .arg(v)
                         .arg(c)
                         .arg(b)});
                verseBook.push_back(b);
            }
    w.CreateTable({"BW.db",
                   {{"Hits", FT::ftInteger},
                    {"Included", FT::ftBoolean},
                    {"WordID", FT::ftSmallint},
                    {"TheWord", FT::ftString, 16}},
                   {{"", {"TheWord"}}, {"ndxWordID", {"WordID"}}}});
    for (int i = 1; i <= kWords; ++i)
        w.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {0, i > 20, i, wordText(i)});
    w.CreateTable({"WVN.DB",
                   {{"WordID", FT::ftSmallint},
                    {"VerseID", FT::ftInteger},
                    {"BookID", FT::ftSmallint},
                    {"BookOrder", FT::ftSmallint}},
                   {{"ndxWordID", {"WordID", "VerseID"}}}});
    QRandomGenerator rng(42);
    const int perVerse = 800000 / int(verseBook.size()) + 1;
    int rows = 0;
    for (int vid = 1; vid <= int(verseBook.size()) && rows < 800000; ++vid) {
        std::set<int> words;
        while (int(words.size()) < perVerse) {
            // Log-uniform ranks: a few very common words, many rare ones.
            const double u = rng.generateDouble();
            words.insert(int(std::exp(u * std::log(double(kWords)))));
        }
        for (int wid : words) {
            if (rows++ >= 800000)
                break;
            const int b = verseBook[size_t(vid - 1)];
            w.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {wid, vid, b, b});
        }
    }
    TTableDef srn{
        "SRN.DB", {{"VerseID", FT::ftInteger}, {"BookOrder", FT::ftSmallint}}, {{"", {}}}};
    srn.UserWritable = true;
    w.CreateTable(srn);
    w.Commit();
}

struct Fixture {
    QTemporaryDir content, user;
    Fixture() {
        build(content.path());
        attach();
    }
    void attach() {
        Session.Reset();
        Session.AddPassword(kPassword);
        Session.AddStandardAlias(kAlias, content.path(), QStringLiteral("PARADOX"));
        Session.SetUserDataFolder(user.path());
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

struct Startup {
    std::vector<std::unique_ptr<TTable>> tables;
    TDataSource dsBibleWords;
    TTable* get(const char* component) {
        for (size_t i = 0; i < std::size(kStartup); ++i)
            if (qstrcmp(kStartup[i].component, component) == 0)
                return tables[i].get();
        return nullptr;
    }
    Startup() {
        for (const StartupTable& s : kStartup) {
            auto t = std::make_unique<TTable>();
            t->SetDatabaseName(kAlias);
            t->SetTableName(QString::fromLatin1(s.file));
            t->SetIndexName(QString::fromLatin1(s.index));
            t->SetReadOnly(true);
            tables.push_back(std::move(t));
        }
        TTable* bible = get("tblBible");
        bible->AddLookupField("BookName", FT::ftString, 30, "BookID", get("tblBibleBooksbyName"),
                              "ID", "BookName");
        bible->AddLookupField("BookOrder", FT::ftSmallint, 0, "BookID", get("tblBookNames"), "ID",
                              "BookOrder");
        bible->AddCalcField("VersText", FT::ftMemo, 0);
        bible->OnCalcFields = [](TDataSet& ds) {
            ds.FieldByName("VersText")->SetAsString(ds.FieldByName("Text")->AsString());
        };
        bible->SetFiltered(true);
        get("tblSynxDtailByPictSaint")->SetFilter("PictSaintName<>''");
        get("tblSynxDtailByPictSaint")->SetFiltered(true);
        get("tblBibleWords")->SetFilter("Included");
        get("tblBibleWords")->SetFiltered(true);
        dsBibleWords.SetDataSet(get("tblBibleWords"));
        TTable* wv = get("tblWordVerse");
        wv->SetIndexFieldNames("WordID");
        wv->SetMasterSource(&dsBibleWords);
        wv->SetMasterFields("WordID");
        wv->AddLookupField("Word", FT::ftString, 16, "WordID", get("tblBibleWords"), "WordID",
                           "TheWord");
    }
    void openAll() {
        for (auto& t : tables)
            t->Open();
    }
    void closeAll() {
        for (auto it = tables.rbegin(); it != tables.rend(); ++it)
            (*it)->Close();
    }
};

void BM_OpenStartupTables(benchmark::State& state) {
    fixture();
    Startup s;
    for (auto _ : state) {
        s.openAll();
        state.PauseTiming();
        s.closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStartupTables)->Unit(benchmark::kMillisecond);

void BM_OpenStartupTablesCold(benchmark::State& state) {
    Fixture& f = fixture();
    Startup s;
    for (auto _ : state) {
        state.PauseTiming();
        f.attach(); // drops the cached connection and checked password
        state.ResumeTiming();
        s.openAll();
        state.PauseTiming();
        s.closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStartupTablesCold)->Unit(benchmark::kMillisecond);

struct Open {
    Startup s;
    Open() {
        fixture();
        s.openAll();
    }
};

void BM_FindKeyVerse(benchmark::State& state) {
    Open o;
    TTable* bible = o.s.get("tblBible");
    QRandomGenerator rng(7);
    for (auto _ : state) {
        const bool found = bible->FindKey(
            {int(rng.bounded(1, kBooks + 1)), int(rng.bounded(1, 16)), int(rng.bounded(1, 31))});
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindKeyVerse)->Unit(benchmark::kMicrosecond);

void BM_Walk60Verses(benchmark::State& state) {
    Open o;
    TTable* bible = o.s.get("tblBible");
    QRandomGenerator rng(9);
    for (auto _ : state) {
        bible->FindKey({int(rng.bounded(1, kBooks + 1)), 3, 1});
        int chars = 0;
        for (int i = 0; i < 60 && !bible->Eof(); ++i) {
            chars += int(bible->FieldByName("Text")->AsString().size());
            chars += int(bible->FieldByName("BookName")->AsString().size());
            bible->Next();
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_Walk60Verses)->Unit(benchmark::kMicrosecond);

void BM_TestamentFilterAndCount(benchmark::State& state) {
    Open o;
    TTable* bible = o.s.get("tblBible");
    bool old = false;
    for (auto _ : state) {
        bible->SetFilter(old ? QStringLiteral("(BookID >= 28) AND (BookID<= 66) ")
                             : QStringLiteral("BookID < 28 "));
        benchmark::DoNotOptimize(bible->RecordCount());
        old = !old;
    }
    bible->SetFilter(QString());
}
BENCHMARK(BM_TestamentFilterAndCount)->Unit(benchmark::kMicrosecond);

void BM_RangeMove(benchmark::State& state) {
    Open o;
    TTable* bible = o.s.get("tblBible");
    int book = 1;
    for (auto _ : state) {
        bible->SetRange({book, 2}, {book, 2});
        bible->Last();
        benchmark::DoNotOptimize(bible->FieldByName("Verse")->AsInteger());
        book = book % kBooks + 1;
    }
    bible->CancelRange();
}
BENCHMARK(BM_RangeMove)->Unit(benchmark::kMicrosecond);

void BM_WordMoveWithDetail(benchmark::State& state) {
    Open o;
    TTable* words = o.s.get("tblBibleWords");
    TTable* wv = o.s.get("tblWordVerse");
    QRandomGenerator rng(3);
    for (auto _ : state) {
        words->FindKey({wordText(int(rng.bounded(21, kWords + 1)))});
        wv->Last();
        benchmark::DoNotOptimize(wv->FieldByName("Word")->AsString());
    }
}
BENCHMARK(BM_WordMoveWithDetail)->Unit(benchmark::kMicrosecond);

void threeWords(benchmark::State& state, int a, int b, int c) {
    fixture();
    TQuery q;
    q.SetDatabaseName(kAlias);
    const QString sql =
        QStringLiteral(
            "SELECT v1.BookOrder, v1.VERSEID FROM WVN  V1  JOIN WVN V2 ON v1.VerseID = v2.VerseID "
            " JOIN WVN V3 ON v2.VerseID = v3.VerseID  Where V1.WordID = %1  AND V2.WordID =%2 "
            " AND V3.WordID =%3  ORDER BY BookOrder, VerseID")
            .arg(a)
            .arg(b)
            .arg(c);
    int rows = 0;
    for (auto _ : state) {
        q.Close();
        q.SetSQL(sql);
        q.Open();
        rows = q.RecordCount();
    }
    state.counters["rows"] = rows;
}

// Words 1..20 are the omitted (most frequent) ones; 21.. are searchable.
void BM_ThreeWordQueryCommon(benchmark::State& state) {
    threeWords(state, 21, 22, 23);
}
BENCHMARK(BM_ThreeWordQueryCommon)->Unit(benchmark::kMillisecond);
void BM_ThreeWordQueryRareAmongCommon(benchmark::State& state) {
    threeWords(state, 21, 22, 5000);
}
BENCHMARK(BM_ThreeWordQueryRareAmongCommon)->Unit(benchmark::kMillisecond);
void BM_ThreeWordQueryRare(benchmark::State& state) {
    threeWords(state, 3000, 4000, 5000);
}
BENCHMARK(BM_ThreeWordQueryRare)->Unit(benchmark::kMillisecond);
void BM_ThreeWordQueryMostFrequent(benchmark::State& state) {
    threeWords(state, 1, 2, 3);
}
BENCHMARK(BM_ThreeWordQueryMostFrequent)->Unit(benchmark::kMillisecond);

// The phrase-search results table as the search window shows it: lookups
// of the verse's place and calculated text and citation.
constexpr int kResultRows = 31878;

struct Results {
    TTable bible, bibleByID, results;
    TDataSource source;
    Results() {
        fixture();
        for (TTable* t : {&bible, &bibleByID}) {
            t->SetDatabaseName(kAlias);
            t->SetTableName(QStringLiteral("Bible.DB"));
            t->SetReadOnly(true);
        }
        bible.SetIndexName(QStringLiteral("ndxBible1"));
        results.SetDatabaseName(kAlias);
        results.SetTableName(QStringLiteral("SRN.DB"));
        results.SetExclusive(true);
        results.AddLookupField("ChapterNum", FT::ftSmallint, 0, "VerseID", &bible, "ID", "Chapter");
        results.AddLookupField("VerseNum", FT::ftSmallint, 0, "VerseID", &bible, "ID", "Verse");
        results.AddLookupField("BookID", FT::ftInteger, 0, "VerseID", &bible, "ID", "BookID");
        results.AddCalcField("VerseText", FT::ftMemo, 0);
        results.AddCalcField("Citation", FT::ftString, 80);
        results.OnCalcFields = [this](TDataSet& ds) {
            QString text;
            if (bibleByID.FindKey({ds.FieldByName("VerseID")->AsInteger()}))
                text = bibleByID.FieldByName("Text")->AsString();
            ds.FieldByName("VerseText")->SetAsString(text);
            ds.FieldByName("Citation")
                ->SetAsString(QStringLiteral("Book %1 %2:%3")
                                  .arg(ds.FieldByName("BookID")->AsString(),
                                       ds.FieldByName("ChapterNum")->AsString(),
                                       ds.FieldByName("VerseNum")->AsString()));
        };
        bible.Open();
        bibleByID.Open();
        results.Open();
        source.SetDataSet(&results);
    }
    // Empties the table and appends `rows` results in one batch, as the
    // phrase search writes them.
    void fill(int rows) {
        TWriteBatch batch(results);
        results.EmptyTable();
        TField* verse = results.FieldByName(QStringLiteral("VerseID"));
        TField* order = results.FieldByName(QStringLiteral("BookOrder"));
        for (int i = 0; i < rows; ++i) {
            results.Append();
            verse->SetAsInteger(1 + i % 36000);
            order->SetAsInteger(1 + i / 450);
            results.Post();
        }
        batch.Commit();
    }
};

void BM_EmptyAndFillResults(benchmark::State& state) {
    Results r;
    for (auto _ : state)
        r.fill(kResultRows);
    state.counters["rows"] = r.results.RecordCount();
}
BENCHMARK(BM_EmptyAndFillResults)->Unit(benchmark::kMillisecond);

// One iteration is one screen of 40 rows, painted from top to bottom; at the
// end the grid starts again from the top with nothing read.
void BM_GridPaintScreen(benchmark::State& state) {
    Results r;
    r.fill(kResultRows);
    TGridModel model;
    model.SetColumns({{"Citation"}, {"VerseText"}});
    model.SetDataSource(&r.source);
    constexpr int kScreen = 40;
    int top = 0, chars = 0;
    for (auto _ : state) {
        for (int row = top; row < top + kScreen && row < model.rowCount(); ++row)
            for (int col = 0; col < 2; ++col)
                chars += int(model.data(model.index(row, col)).toString().size());
        top += kScreen;
        if (top >= model.rowCount()) {
            state.PauseTiming();
            top = 0;
            model.Reload();
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(chars);
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_GridPaintScreen)->Unit(benchmark::kMicrosecond);

void BM_SetRecNoRandom(benchmark::State& state) {
    Results r;
    r.fill(30000);
    QRandomGenerator rng(11);
    for (auto _ : state) {
        r.results.SetRecNo(int(rng.bounded(1, 30001)));
        benchmark::DoNotOptimize(r.results.RecNo());
    }
}
BENCHMARK(BM_SetRecNoRandom)->Unit(benchmark::kMicrosecond);

} // namespace
