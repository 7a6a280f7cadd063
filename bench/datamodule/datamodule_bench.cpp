// Passage texts on a Bible-sized table: the whole book of Psalms with its
// headings (the whole-book window) and a 60-verse reading (the readings
// window). The sample content is used when it stands beside the program
// (or EVELM_DATAENG names a content folder); else a table is generated.

#include "DMMain.h"
#include "Schema.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

constexpr int PsalmsID = 46;

// Verses per chapter: Psalms has 150 chapters of 6 to 25 verses, every other
// book 25 chapters of 18; about 38,000 verses in all.
int versesIn(int book, int chapter) {
    return book == PsalmsID ? 6 + (chapter * 7) % 20 : 18;
}
int chaptersIn(int book) {
    return book == PsalmsID ? 150 : 25;
}

void writeBible(const QString& folder) {
    TDatabaseWriter w(folder, TablePassword);
    CreateContentTables(w);
    const QString text = QStringLiteral(
        "And it came to pass in those days, that there went out a decree from Caesar Augustus, "
        "that all the world should be taxed. (%1 %2:%3)");
    for (int b = 1; b <= 80; ++b) {
        w.Insert("BibleBooks.db", {"ID", "BookName", "BookType", "BookOrder", "Translation"},
                 {b, b == PsalmsID ? QStringLiteral("Psalms") : QStringLiteral("Book %1").arg(b),
                  b < 28 ? 1 : 2, b, 1});
        for (int c = 1; c <= chaptersIn(b); ++c)
            for (int v = 1; v <= versesIn(b, c); ++v)
                w.Insert("Bible.DB", {"BookID", "Chapter", "Verse", "Text"},
                         {b, c, v, text.arg(b).arg(c).arg(v)});
    }
    w.Commit();
}

// 60 verses across a chapter boundary: Matthew 5:1 to 6:12 in the sample
// content, book 1 3:1 to 6:6 in the generated table.
struct Reading {
    int book, c1, v1, c2, v2;
};
Reading reading{1, 3, 1, 6, 6};

QString sampleContentFolder() {
    QString folder = qEnvironmentVariable("EVELM_DATAENG");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + "/DataEng";
    return QFileInfo::exists(QDir(folder).filePath(DatabaseFileName())) ? folder : QString();
}

struct Content {
    std::unique_ptr<QTemporaryDir> dir;
    Content() {
        QString folder = sampleContentFolder();
        if (!folder.isEmpty()) {
            reading = {1, 5, 1, 6, 12};
        } else {
            dir = std::make_unique<QTemporaryDir>();
            folder = dir->filePath("DataEng");
            QDir().mkpath(folder);
            writeBible(folder);
            Session.SetUserDataFolder(dir->filePath("user"));
        }
        Session.AddPassword(TablePassword);
        Session.AddStandardAlias(DatabaseAlias, folder, "PARADOX");
        CreateMainDM();
        MainDM->OpenStartupTables();
    }
};

TMainDM& dm() {
    static Content content;
    return *MainDM;
}

void BM_PsalmsWholeBookWithHeadings(benchmark::State& state) {
    TMainDM& m = dm();
    const int last = m.GetLastChapter(PsalmsID);
    const int lastVerse = m.GetLastVerse(PsalmsID, last);
    int steps = 0;
    const TProgressStep step = [&steps] { ++steps; };
    qsizetype length = 0;
    for (auto _ : state) {
        const QString text = m.GetPassageText(PsalmsID, 1, last, 1, lastVerse, step, 0, 0, true,
                                              true, false, true, true);
        length = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["chars"] = double(length);
}
BENCHMARK(BM_PsalmsWholeBookWithHeadings)->Unit(benchmark::kMicrosecond);

void BM_Reading60Verses(benchmark::State& state) {
    TMainDM& m = dm();
    const Reading r = reading;
    for (auto _ : state) {
        const QString text = m.GetPassageText(r.book, r.c1, r.c2, r.v1, r.v2, {}, 2, 1, true, false,
                                              false, false, false);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_Reading60Verses)->Unit(benchmark::kMicrosecond);

void BM_LastVerseOfAChapter(benchmark::State& state) {
    TMainDM& m = dm();
    for (auto _ : state)
        benchmark::DoNotOptimize(m.GetLastVerse(40, 12));
}
BENCHMARK(BM_LastVerseOfAChapter)->Unit(benchmark::kMicrosecond);

} // namespace
