// evelm_content_builder <output-folder>: writes the sample content DataEng/
// and pict/ into the folder, unless it is already up to date.

#include "ContentBuilder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv) {
    // Pictures are painted off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    QStringList args = app.arguments().mid(1);
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    if (args.size() != 1) {
        err << "Usage: evelm_content_builder [--force] <output-folder>\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const ContentBuildResult r = BuildContent(args[0], force, [&](const QString& line) {
            out << line << '\n';
            out.flush();
        });
        if (r.Skipped) {
            out << "Sample content in " << args[0] << " is up to date\n";
            return 0;
        }
        out << "Sample content written to " << args[0] << " in " << timer.elapsed()
            << " ms: " << r.Books << " books, " << r.Verses << " verses, " << r.Words << " words ("
            << r.IncludedWords << " indexed), " << r.WordVerseRows << " word-verse rows, "
            << r.ReadingRows << " reading rows, " << r.Pictures << " pictures\n";
        return 0;
    } catch (const std::exception& e) {
        err << "evelm_content_builder: " << e.what() << '\n';
        return 1;
    }
}
