// The engine on a built content database: set EVELM_CONTENT_DIR to its
// DataEng folder. Without it every case is skipped.
#include "DMMain.h"
#include "Schema.h"
#include "TableEngine.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

bool attach(benchmark::State& state) {
    static QTemporaryDir user;
    const QString dir = qEnvironmentVariable("EVELM_CONTENT_DIR");
    if (dir.isEmpty()) {
        state.SkipWithError("EVELM_CONTENT_DIR is not set");
        return false;
    }
    Session.Reset();
    Session.AddPassword(TablePassword);
    Session.AddStandardAlias(DatabaseAlias, dir, QStringLiteral("PARADOX"));
    Session.SetUserDataFolder(user.path());
    return true;
}

int wordId(const QString& word) {
    TTable t;
    t.SetDatabaseName(DatabaseAlias);
    t.SetTableName(QStringLiteral("BW.db"));
    t.Open();
    return t.FindKey({word}) ? t.FieldByName(QStringLiteral("WordID"))->AsInteger() : -1;
}

// The Bible table on its book, chapter and verse index.
void openBible(TTable& bible, bool filtered) {
    bible.SetDatabaseName(DatabaseAlias);
    bible.SetTableName(QStringLiteral("Bible.DB"));
    bible.SetIndexName(QStringLiteral("ndxBible1"));
    bible.SetFiltered(filtered);
    bible.Open();
}

void allWords(benchmark::State& state, const QStringList& words) {
    if (!attach(state))
        return;
    QList<int> ids;
    for (const QString& w : words)
        ids << wordId(w);
    const QString sql = TMainDM::AllWordsSearchSQL(ids, QString());
    TQuery q;
    q.SetDatabaseName(DatabaseAlias);
    int rows = 0;
    for (auto _ : state) {
        q.SetSQL(sql);
        q.Open();
        rows = q.RecordCount();
    }
    state.counters["rows"] = rows;
}

void BM_ContentAllWordsCommon(benchmark::State& state) {
    allWords(state, {"GOD", "SAID", "KING"});
}
BENCHMARK(BM_ContentAllWordsCommon)->Unit(benchmark::kMillisecond);
void BM_ContentAllWordsRare(benchmark::State& state) {
    allWords(state, {"SHEPHERD", "STILL", "WATERS"});
}
BENCHMARK(BM_ContentAllWordsRare)->Unit(benchmark::kMillisecond);

void BM_ContentFindKeyAndWalk60(benchmark::State& state) {
    if (!attach(state))
        return;
    TTable bible;
    openBible(bible, false);
    QRandomGenerator rng(5);
    for (auto _ : state) {
        bible.FindKey({int(rng.bounded(1, 60)), 1, 1});
        int chars = 0;
        for (int i = 0; i < 60 && !bible.Eof(); ++i, bible.Next())
            chars += int(bible.FieldByName(QStringLiteral("Text"))->AsString().size());
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ContentFindKeyAndWalk60)->Unit(benchmark::kMicrosecond);

void BM_ContentTestamentFilterCount(benchmark::State& state) {
    if (!attach(state))
        return;
    TTable bible;
    openBible(bible, true);
    bool old = false;
    for (auto _ : state) {
        bible.SetFilter(old ? QStringLiteral("(BookID >= 28) AND (BookID<= 66) ")
                            : QStringLiteral("BookID < 28 "));
        benchmark::DoNotOptimize(bible.RecordCount());
        old = !old;
    }
}
BENCHMARK(BM_ContentTestamentFilterCount)->Unit(benchmark::kMicrosecond);

} // namespace
