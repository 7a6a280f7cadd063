// Preview of a readings text of about 100 pages, written by the readings
// window's own heading and passage writers from the sample content beside
// the program (scripts/content.sh): every page rendered and its page file
// written, compressed and plain.

#include "DMMain.h"
#include "Readings.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "RichPrint.h"
#include "SampleContent.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <exception>
#include <memory>

namespace {

// Counts pages without keeping them.
class TPageCounter : public TPreviewPageSink {
public:
    int Pages = 0;
    void SavePage(const QPicture&) override { ++Pages; }
};

constexpr int TargetPages = 100;
constexpr int Matthew = 1; // the Gospels from book 1 on, chapter after chapter

struct TSetup {
    std::unique_ptr<TTestEnvironment> environment;
    std::unique_ptr<TfrmReadings> readings;
    std::unique_ptr<TRichPrinter> printer;
    QString error;
};

// The readings window's text: a service heading, then chapter after chapter
// with its citation heading, as the readings of a long range read.
TSetup& Setup() {
    static TSetup s;
    static bool tried = false;
    if (tried)
        return s;
    tried = true;
    StartOffscreenApplication("printing_richpreview_bench");
    // Dialogs that answer at once, a registry of its own.
    s.environment = std::make_unique<TTestEnvironment>();
    s.error = OpenSampleContent();
    if (!s.error.isEmpty())
        return s;
    try {
        s.readings = std::make_unique<TfrmReadings>();
        s.printer = std::make_unique<TRichPrinter>();
        s.printer->SetShowProgress(false);
        TfrmReadings& r = *s.readings;
        r.AddServiceHeading(QStringLiteral("Liturgy"), false, true, true, true, Qt::red);
        TPageCounter counter;
        int book = Matthew;
        int chapter = 1;
        while (counter.Pages < TargetPages) {
            for (int i = 0; i < 10; ++i) {
                if (chapter > MainDM->GetLastChapter(book)) {
                    ++book;
                    chapter = 1;
                }
                const int last = MainDM->GetLastVerse(book, chapter);
                QString passage;
                try {
                    passage = MainDM->GetPassageText(book, chapter, chapter, 1, last, {}, 0, 0,
                                                     true, false, false, false, false);
                } catch (const std::exception&) {
                    ++chapter; // a chapter with a gap in its verse numbers
                    continue;
                }
                r.AddReadingHeading(QStringLiteral("%1 %2").arg(book).arg(chapter));
                QString closing = QStringLiteral("Glory be to God forever. Amen.");
                r.AppendPassage(*r.rchedtReadings, passage, closing, nullptr, QString(), false);
                ++chapter;
            }
            counter.Pages = 0;
            s.printer->RenderPreviewPages(r.rchedtReadings, counter);
        }
        InstallRichPreview();
    } catch (const std::exception& e) {
        s.error = QString::fromUtf8(e.what());
        s.readings.reset();
    }
    return s;
}

void Preview(benchmark::State& state, bool compress) {
    TSetup& s = Setup();
    if (!s.readings) {
        state.SkipWithError(s.error.toStdString().c_str());
        return;
    }
    s.printer->SetCompressPreview(compress);
    int pages = 0;
    for (auto _ : state) {
        s.printer->PreviewRichEdit(s.readings->rchedtReadings);
        QApplication::processEvents(); // the end of building
        state.PauseTiming();
        pages = RichPreviewForm->View().PageCount();
        RichPreviewForm->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}

void BM_Preview_Compressed(benchmark::State& state) {
    Preview(state, true);
}
BENCHMARK(BM_Preview_Compressed)->Unit(benchmark::kMillisecond);

void BM_Preview_Plain(benchmark::State& state) {
    Preview(state, false);
}
BENCHMARK(BM_Preview_Plain)->Unit(benchmark::kMillisecond);

} // namespace
