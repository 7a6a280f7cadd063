// One whole refresh of the shown day (what a date change in the calendar
// costs), on the sample content beside the program (scripts/content.sh).

#include "MainNew.h"
#include "SampleContent.h"
#include "ScriptedDialogs.h"

#include <QDate>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window on the sample content, tables open; null with an error
// text when the content is missing.
TfrmMainNew* Window(QString& error) {
    // Any message box during the run answers at once rather than blocking.
    static TScriptedDialogs dialogs;
    static TScriptedDialogs::Scope scope(dialogs);
    static std::unique_ptr<TfrmMainNew> window;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        StartOffscreenApplication("app_refreshday_bench");
        failure = OpenSampleContent();
        if (failure.isEmpty()) {
            window = std::make_unique<TfrmMainNew>();
            frmMainNew = window.get();
        }
    }
    error = failure;
    return window.get();
}

TfrmMainNew* WindowOrSkip(benchmark::State& state) {
    QString error;
    TfrmMainNew* w = Window(error);
    if (w == nullptr)
        state.SkipWithError(error.toStdString().c_str());
    return w;
}

// Day after day, as the calendar's step button moves: a new title, record,
// saints and, now and then, a new picture.
void BM_RefreshDay_NextDay(benchmark::State& state) {
    TfrmMainNew* w = WindowOrSkip(state);
    if (w == nullptr)
        return;
    QDate date(2024, 1, 1);
    for (auto _ : state) {
        w->CurrentDate = date;
        w->RefreshDay();
        date = date.year() < 2026 ? date.addDays(1) : QDate(2024, 1, 1);
    }
}
BENCHMARK(BM_RefreshDay_NextDay)->Unit(benchmark::kMicrosecond);

// The same day again: the picture is not read a second time.
void BM_RefreshDay_SameDay(benchmark::State& state) {
    TfrmMainNew* w = WindowOrSkip(state);
    if (w == nullptr)
        return;
    w->CurrentDate = QDate(2024, 4, 28);
    for (auto _ : state)
        w->RefreshDay();
}
BENCHMARK(BM_RefreshDay_SameDay)->Unit(benchmark::kMicrosecond);

} // namespace
