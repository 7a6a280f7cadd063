// The readings of one day, all services, built into the readings window's
// rich text, on the sample content beside the program (scripts/content.sh):
// Palm Sunday (many hour services) and an ordinary Sunday; and ranges of
// 30 to 366 days with every service and the Synaxarium in full.

#include "Building.h"
#include "MainNew.h"
#include "Readings.h"
#include "RichEdit.h"
#include "SampleContent.h"
#include "ScriptedDialogs.h"
#include "Synx.h"

#include <QDate>
#include <QPixmap>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TWindows {
    std::unique_ptr<TfrmMainNew> main;
    std::unique_ptr<TfrmReadings> readings;
    std::unique_ptr<TfrmBuilding> building;
    std::unique_ptr<TfrmSynx> synx;
};

// The main and readings windows on the sample content, tables open; null
// with an error text when the content is missing.
TWindows* Windows(QString& error) {
    // Any message box during the run answers at once rather than blocking.
    static TScriptedDialogs dialogs;
    static TScriptedDialogs::Scope scope(dialogs);
    static TWindows windows;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        StartOffscreenApplication("app_readings_bench");
        failure = OpenSampleContent();
        if (failure.isEmpty()) {
            windows.main = std::make_unique<TfrmMainNew>();
            frmMainNew = windows.main.get();
            windows.building = std::make_unique<TfrmBuilding>();
            frmBuilding = windows.building.get();
            windows.readings = std::make_unique<TfrmReadings>();
            frmReadings = windows.readings.get();
            windows.synx = std::make_unique<TfrmSynx>();
            frmSynx = windows.synx.get();
        }
    }
    error = failure;
    return failure.isEmpty() ? &windows : nullptr;
}

// All readings of the day, as "All Readings" opens them, built again and
// again; the counters tell how much text one build writes.
void BuildAllReadings(benchmark::State& state, const QDate& date) {
    QString error;
    TWindows* w = Windows(error);
    if (w == nullptr) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    w->main->CurrentDate = date;
    w->main->RefreshDay();
    w->main->FillReadingsParameters(true);
    for (auto _ : state)
        w->readings->BuildDayReadings(true, QString());
    state.counters["characters"] = w->readings->rchedtReadings->Length();
    state.counters["nodes"] = w->readings->trvwCitiations->topLevelItemCount();
}

void BM_Readings_PalmSunday(benchmark::State& state) {
    BuildAllReadings(state, QDate(2024, 4, 28));
}
BENCHMARK(BM_Readings_PalmSunday)->Unit(benchmark::kMillisecond);

void BM_Readings_OrdinarySunday(benchmark::State& state) {
    BuildAllReadings(state, QDate(2024, 9, 15));
}
BENCHMARK(BM_Readings_OrdinarySunday)->Unit(benchmark::kMillisecond);

// Days from September 17, 2024, as the multiple-days dialog asks for them
// with "Show All Readings": the window is shown, which builds the text, and
// is painted once, so the time is what the user waits for until the text
// is on screen.
void BM_Readings_Range(benchmark::State& state) {
    QString error;
    TWindows* w = Windows(error);
    if (w == nullptr) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    TfrmReadings& r = *w->readings;
    const QDate start(2024, 9, 17);
    const int days = int(state.range(0));
    r.RangeMode = true;
    r.RangeAllServices = true;
    r.SynxChoice = ServiceRangeChoice::FullReadings;
    r.ShowSynxAlways = false;
    for (auto _ : state) {
        r.StartDate = QDateTime(start, QTime(0, 0));
        r.EndDate = QDateTime(start.addDays(days - 1), QTime(0, 0));
        r.show();
        benchmark::DoNotOptimize(r.grab());
        state.PauseTiming();
        r.hide();
        state.ResumeTiming();
    }
    state.counters["characters"] = r.rchedtReadings->Length();
    state.counters["days"] = r.trvwCitiations->topLevelItemCount();
}
BENCHMARK(BM_Readings_Range)
    ->Arg(30)
    ->Arg(60)
    ->Arg(120)
    ->Arg(240)
    ->Arg(366)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
