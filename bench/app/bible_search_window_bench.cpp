// The Bible search window's own search, as its button runs it, on the sample
// content beside the program (scripts/content.sh): with the progress window,
// the banner, the pending messages and the grid pointed at the results. Set
// beside the data module's searches (bench_bible_search), it shows what the
// window adds to them.

#include "Building.h"
#include "DMMain.h"
#include "SampleContent.h"
#include "ScriptedDialogs.h"
#include "Search.h"
#include "TableEngine.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TWindows {
    QTemporaryDir user; // the results table is written here
    std::unique_ptr<TfrmBuilding> building;
    std::unique_ptr<TfrmSearch> search;
};

// The search window shown on the sample content; null with an error text
// when the content is missing.
TfrmSearch* Window(QString& error) {
    static TScriptedDialogs dialogs;
    static TScriptedDialogs::Scope scope(dialogs);
    // Never destroyed, like the application: closing the window at exit
    // would lay out its grid after the fonts have gone.
    static TWindows& windows = *new TWindows;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        StartOffscreenApplication("app_bible_search_bench");
        failure = OpenSampleContent();
        if (failure.isEmpty()) {
            Session.SetUserDataFolder(windows.user.path());
            windows.building = std::make_unique<TfrmBuilding>();
            frmBuilding = windows.building.get();
            windows.search = std::make_unique<TfrmSearch>();
            frmSearch = windows.search.get();
            windows.search->show();
        }
    }
    error = failure;
    return failure.isEmpty() ? windows.search.get() : nullptr;
}

void Search(benchmark::State& state, const char* text, bool phrase) {
    QString error;
    TfrmSearch* w = Window(error);
    if (w == nullptr) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    if (w->chkBxLiteralSearch->isChecked() != phrase)
        w->chkBxLiteralSearch->click();
    w->scopeButtons->button(0)->click();
    w->edtSearch->setText(QString::fromLatin1(text));
    for (auto _ : state) {
        w->btSearch->click();
        w->repaint(); // the results laid out and painted once
    }
    state.counters["rows"] = w->lblFoundRecs->text().toInt();
}

// The first search of a session: a new window, shown, given a moment (the
// user types), then its first click.
void FirstSearch(benchmark::State& state, const char* text) {
    QString error;
    if (Window(error) == nullptr) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<TfrmSearch>();
        w->show();
        QCoreApplication::processEvents();
        w->chkBxLiteralSearch->click();
        w->scopeButtons->button(0)->click();
        w->edtSearch->setText(QString::fromLatin1(text));
        state.ResumeTiming();
        w->btSearch->click();
        w->repaint();
        state.PauseTiming();
        state.counters["rows"] = w->lblFoundRecs->text().toInt();
        w.reset();
        state.ResumeTiming();
    }
}

} // namespace

#define SEARCH(name, text, phrase)                                                                 \
    BENCHMARK_CAPTURE(Search, name, text, phrase)->Unit(benchmark::kMillisecond);
SEARCH(allWords_rare, "shepherd still waters", false)
SEARCH(allWords_frequent, "yahweh god said", false)
SEARCH(phrase_living_water, "living water", true)
SEARCH(phrase_the, "the", true)
BENCHMARK_CAPTURE(FirstSearch, phrase_living_water, "living water")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstSearch, phrase_the, "the")->Unit(benchmark::kMillisecond);
