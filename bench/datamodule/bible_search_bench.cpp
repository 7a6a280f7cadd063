// The Bible searches on the sample content (beside the program, or the
// folder EVELM_DATAENG names), each beside SQLite's own form of the same
// search on the same file: the phrase search (results written into the
// results table) against instr(upper(Text), ...) with INSERT ... SELECT into
// the same results file, the all-words search against the self-join of the
// search window. The first phrase search of a session (a new search object,
// which reads the texts) is timed beside the later ones. Without the sample
// content every case is skipped.

#include "DMMain.h"
#include "PhraseSearch.h"
#include "Schema.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <sqlite3.h>

#include <memory>

namespace {

QString contentFolder() {
    QString folder = qEnvironmentVariable("EVELM_DATAENG");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + "/DataEng";
    return QFileInfo::exists(QDir(folder).filePath(DatabaseFileName())) ? folder : QString();
}

struct Content {
    QTemporaryDir user;
    QString folder = contentFolder();
    sqlite3* db = nullptr;
    std::unique_ptr<TPhraseSearch> phrase;
    Content() {
        if (folder.isEmpty())
            return;
        Session.AddPassword(TablePassword);
        Session.AddStandardAlias(DatabaseAlias, folder, "PARADOX");
        Session.SetUserDataFolder(user.path());
        CreateMainDM();
        MainDM->OpenStartupTables();
        MainDM->tblSearchResults.Open();
        phrase = std::make_unique<TPhraseSearch>(*MainDM);
        phrase->Matches(QStringLiteral("x"), false, 0, 0); // reads the texts once
        sqlite3_open_v2(QDir(folder).filePath(DatabaseFileName()).toUtf8().constData(), &db,
                        SQLITE_OPEN_READONLY, nullptr);
        // SQLite's own writer of the results: a connection on the results
        // file with the content file attached.
        sqlite3_open_v2(QDir(user.path()).filePath("userdata.sqlite").toUtf8().constData(),
                        &results, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
        const QByteArray attach =
            "ATTACH '" +
            QUrl::fromLocalFile(QDir(folder).absoluteFilePath(DatabaseFileName())).toEncoded() +
            "?immutable=1' AS content";
        sqlite3_exec(results, attach.constData(), nullptr, nullptr, nullptr);
    }
    sqlite3* results = nullptr;
};

Content* content(benchmark::State& state) {
    static Content c;
    if (c.folder.isEmpty()) {
        state.SkipWithError("no sample content");
        return nullptr;
    }
    return &c;
}

int sqliteRows(sqlite3* db, const char* sql, const QByteArray& arg = {}) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (!arg.isNull())
        sqlite3_bind_text(st, 1, arg.constData(), int(arg.size()), SQLITE_TRANSIENT);
    int rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW)
        ++rows;
    sqlite3_finalize(st);
    return rows;
}

// The first search of a session: the texts are read, then searched.
void phraseFirstSearch(benchmark::State& state, const char* needle) {
    Content* c = content(state);
    if (!c)
        return;
    int rows = 0;
    for (auto _ : state) {
        TPhraseSearch first(*MainDM);
        rows = first.Run(QString::fromLatin1(needle), false, 0, 0);
    }
    state.counters["rows"] = rows;
}

void phraseSearch(benchmark::State& state, const char* needle) {
    Content* c = content(state);
    if (!c)
        return;
    int rows = 0, steps = 0;
    for (auto _ : state)
        rows = c->phrase->Run(QString::fromLatin1(needle), false, 0, 0,
                              [&](int, const QString&) { ++steps; });
    state.counters["rows"] = rows;
}

void sqliteInstr(benchmark::State& state, const char* needle) {
    Content* c = content(state);
    if (!c)
        return;
    int rows = 0;
    for (auto _ : state)
        rows = sqliteRows(c->db, "SELECT ID FROM Bible WHERE instr(upper(Text), ?1) > 0",
                          QByteArray(needle).toUpper());
    state.counters["rows"] = rows;
}

int exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// SQLite's own phrase search with its rows written into the results table.
void sqliteInstrInsert(benchmark::State& state, const char* needle) {
    Content* c = content(state);
    if (!c)
        return;
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(c->results,
                       "INSERT INTO SRN(VerseID, BookOrder) SELECT b.ID, k.BookOrder FROM "
                       "content.Bible b JOIN content.BibleBooks k ON k.ID = b.BookID WHERE "
                       "instr(upper(b.Text), ?1) > 0",
                       -1, &insert, nullptr);
    const QByteArray upper = QByteArray(needle).toUpper();
    sqlite3_bind_text(insert, 1, upper.constData(), int(upper.size()), SQLITE_STATIC);
    for (auto _ : state) {
        exec(c->results, "BEGIN IMMEDIATE");
        exec(c->results, "DELETE FROM SRN");
        sqlite3_step(insert);
        sqlite3_reset(insert);
        exec(c->results, "COMMIT");
    }
    state.counters["rows"] = sqliteRows(c->results, "SELECT VerseID FROM SRN");
    sqlite3_finalize(insert);
}

int wordID(const char* word) {
    TTable& w = MainDM->tblBibleWords;
    return w.FindKey({QString::fromLatin1(word)}) ? w.FieldByName("WordID")->AsInteger() : -1;
}

void allWords(benchmark::State& state, std::initializer_list<const char*> words) {
    Content* c = content(state);
    if (!c)
        return;
    QList<int> ids, hits;
    for (const char* w : words) {
        ids << wordID(w);
        hits << MainDM->tblBibleWords.FieldByName("Hits")->AsInteger();
    }
    for (auto _ : state)
        MainDM->OpenAllWordsSearch(ids, QString(), hits);
    state.counters["rows"] = MainDM->qrySearch.RecordCount();
}

void sqliteJoin(benchmark::State& state, std::initializer_list<const char*> words) {
    Content* c = content(state);
    if (!c)
        return;
    QList<int> ids;
    for (const char* w : words)
        ids << wordID(w);
    const QByteArray sql = QStringLiteral("SELECT v1.BookOrder, v1.VerseID FROM WVN v1 JOIN WVN v2 "
                                          "ON v1.VerseID = v2.VerseID JOIN WVN v3 ON v2.VerseID = "
                                          "v3.VerseID WHERE v1.WordID = %1 AND v2.WordID = %2 AND "
                                          "v3.WordID = %3 ORDER BY 1, 2")
                               .arg(ids[0])
                               .arg(ids[1])
                               .arg(ids[2])
                               .toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = sqliteRows(c->db, sql.constData());
    state.counters["rows"] = rows;
}

// The first count distinct indexed words of the Bible's text, in its
// order, with their counts: more words than one join of SQLite may hold.
void manyWords(sqlite3* db, int count, QList<int>& ids, QList<int>& hits) {
    static const QRegularExpression nonLetters(QStringLiteral("[^A-Za-z]+"));
    TTable& words = MainDM->tblBibleWords;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT Text FROM Bible ORDER BY ID", -1, &st, nullptr);
    while (ids.size() < count && sqlite3_step(st) == SQLITE_ROW) {
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        for (const QString& w : text.split(nonLetters, Qt::SkipEmptyParts))
            if (ids.size() < count && words.FindKey({w.toUpper()}) &&
                !ids.contains(words.FieldByName("WordID")->AsInteger())) {
                ids << words.FieldByName("WordID")->AsInteger();
                hits << words.FieldByName("Hits")->AsInteger();
            }
    }
    sqlite3_finalize(st);
}

void allWordsMany(benchmark::State& state, int count) {
    Content* c = content(state);
    if (!c)
        return;
    QList<int> ids, hits;
    manyWords(c->db, count, ids, hits);
    for (auto _ : state)
        MainDM->OpenAllWordsSearch(ids, QString(), hits);
    state.counters["rows"] = MainDM->qrySearch.RecordCount();
}

// SQLite's own form of a search of many words: the verses whose rows of
// those words count them all.
void sqliteGroupMany(benchmark::State& state, int count) {
    Content* c = content(state);
    if (!c)
        return;
    QList<int> ids, hits;
    manyWords(c->db, count, ids, hits);
    QStringList list;
    for (int id : ids)
        list << QString::number(id);
    const QByteArray sql = QStringLiteral("SELECT VerseID FROM WVN WHERE WordID IN (%1) GROUP BY "
                                          "VerseID HAVING COUNT(DISTINCT WordID) = %2")
                               .arg(list.join(QLatin1Char(',')))
                               .arg(ids.size())
                               .toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = sqliteRows(c->db, sql.constData());
    state.counters["rows"] = rows;
}

} // namespace

#define PHRASE(name, needle)                                                                       \
    BENCHMARK_CAPTURE(phraseFirstSearch, name, needle)->Unit(benchmark::kMillisecond);             \
    BENCHMARK_CAPTURE(phraseSearch, name, needle)->Unit(benchmark::kMillisecond);                  \
    BENCHMARK_CAPTURE(sqliteInstrInsert, name, needle)->Unit(benchmark::kMillisecond);             \
    BENCHMARK_CAPTURE(sqliteInstr, name, needle)->Unit(benchmark::kMillisecond);
PHRASE(living_water, "living water")
PHRASE(love_one_another, "love one another")
PHRASE(light, "light")
PHRASE(the, "the")

BENCHMARK_CAPTURE(allWords, rare, {"SHEPHERD", "STILL", "WATERS"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sqliteJoin, rare, {"SHEPHERD", "STILL", "WATERS"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(allWords, rare_found, {"STILL", "WATERS", "BESIDE"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sqliteJoin, rare_found, {"STILL", "WATERS", "BESIDE"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(allWords, frequent, {"YAHWEH", "GOD", "SAID"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sqliteJoin, frequent, {"YAHWEH", "GOD", "SAID"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(allWordsMany, 65, 65)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sqliteGroupMany, 65, 65)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(allWordsMany, 1200, 1200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sqliteGroupMany, 1200, 1200)->Unit(benchmark::kMillisecond);
