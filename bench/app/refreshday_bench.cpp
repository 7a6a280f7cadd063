// One whole refresh of the shown day (what a date change in the calendar
// costs), on the sample content beside the program (scripts/content.sh).

#include "DMMain.h"
#include "MainNew.h"
#include "Schema.h"
#include "ScriptedDialogs.h"
#include "TableEngine.h"

#include <QApplication>
#include <QDate>
#include <QDir>

#include <benchmark/benchmark.h>

#include <exception>
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
        static int argc = 1;
        static char name[] = "app_refreshday_bench";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            new QApplication(argc, argv);
        }
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/DataEng");
        if (!QDir(folder).exists()) {
            failure = QStringLiteral("no sample content in ") + folder +
                      QStringLiteral(" (run scripts/content.sh with this build folder)");
        } else {
            try {
                Session.AddPassword(TablePassword);
                if (!Session.IsAlias(DatabaseAlias))
                    Session.AddStandardAlias(DatabaseAlias, folder, QStringLiteral("PARADOX"));
                CreateMainDM();
                MainDM->OpenStartupTables();
                window = std::make_unique<TfrmMainNew>();
                frmMainNew = window.get();
            } catch (const std::exception& e) {
                failure = QString::fromUtf8(e.what());
                window.reset();
            }
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
