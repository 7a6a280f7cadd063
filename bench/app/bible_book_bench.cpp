// The whole-book window opened on a long book, as the Bible reader's "Show
// Current Book" opens it, on the sample content beside the program
// (scripts/content.sh): from the show to the text laid out and painted once.

#include "Bible.h"
#include "BibleChapter.h"
#include "Building.h"
#include "DMMain.h"
#include "MainNew.h"
#include "PrintRich.h"
#include "Readings.h"
#include "RichEdit.h"
#include "SampleContent.h"
#include "ScriptedDialogs.h"
#include "TableEngine.h"

#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TWindows {
    std::unique_ptr<TfrmMainNew> main; // the readings font
    std::unique_ptr<TfrmBuilding> building;
    std::unique_ptr<TfrmReadings> readings; // the translation tag
    std::unique_ptr<TfrmPrintRich> printRich;
    std::unique_ptr<TfrmBibleChapter> chapter; // the passage writer
    std::unique_ptr<TfrmBible> book;
};

// The whole-book window on the sample content; null with an error text
// when the content is missing.
TfrmBible* Window(QString& error) {
    static TScriptedDialogs dialogs;
    static TScriptedDialogs::Scope scope(dialogs);
    static TWindows windows;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        StartOffscreenApplication("app_bible_book_bench");
        failure = OpenSampleContent();
        if (failure.isEmpty()) {
            windows.main = std::make_unique<TfrmMainNew>();
            frmMainNew = windows.main.get();
            windows.building = std::make_unique<TfrmBuilding>();
            frmBuilding = windows.building.get();
            windows.readings = std::make_unique<TfrmReadings>();
            frmReadings = windows.readings.get();
            windows.printRich = std::make_unique<TfrmPrintRich>();
            frmPrintRich = windows.printRich.get();
            windows.chapter = std::make_unique<TfrmBibleChapter>();
            frmBibleChapter = windows.chapter.get();
            windows.book = std::make_unique<TfrmBible>();
            frmBible = windows.book.get();
        }
    }
    error = failure;
    return failure.isEmpty() ? windows.book.get() : nullptr;
}

// The book with the reader's default choices: one verse a line, the chapter
// in each verse label.
void ShowBook(benchmark::State& state, const char* name) {
    QString error;
    TfrmBible* w = Window(error);
    if (w == nullptr) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    TTable& books = MainDM->tblBibleBooksbyName;
    if (!books.FindKey({QString::fromLatin1(name)})) {
        state.SkipWithError("book not in the sample content");
        return;
    }
    const int id = books.FieldByName(QStringLiteral("ID"))->AsInteger();
    w->BookID = id;
    w->BookName = QString::fromLatin1(name);
    w->FirstChapter = MainDM->GetFirstChapter(id);
    w->LastChapter = MainDM->GetLastChapter(id);
    for (auto _ : state) {
        w->show();
        benchmark::DoNotOptimize(w->grab());
        state.PauseTiming();
        w->close();
        state.ResumeTiming();
    }
    w->show();
    state.counters["characters"] = w->rchedtReadings->Length();
    w->close();
}

void BM_WholeBook_Psalms(benchmark::State& state) {
    ShowBook(state, "Psalms");
}
BENCHMARK(BM_WholeBook_Psalms)->Unit(benchmark::kMillisecond);

void BM_WholeBook_Jeremiah(benchmark::State& state) {
    ShowBook(state, "Jeremiah");
}
BENCHMARK(BM_WholeBook_Jeremiah)->Unit(benchmark::kMillisecond);

} // namespace
