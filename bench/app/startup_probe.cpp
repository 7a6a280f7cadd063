// Bench-only program: the real start-up on the content next to it, which
// prints "shown" the moment the first day is on screen and then ends. The
// start-up benchmark runs it as a child process.
//
//   app_startup_probe [splash-close-delay-ms]

#include "ErrorHandler.h"
#include "MainNew.h"
#include "ScriptedDialogs.h"
#include "Startup.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    // A message box would wait for a user; report it and go on instead.
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope(dialogs);

    TStartupOptions options;
    if (argc > 1)
        options.SplashCloseDelay = std::atoi(argv[1]);
    bool shown = false;
    options.FirstDayShown = [&] {
        shown = true;
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
    };
    try {
        StartUp(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "start-up failed: %s\n", e.what());
    }
    for (const auto& m : dialogs.Messages)
        std::fprintf(stderr, "message: %s\n", qPrintable(m.Text));
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    ShutDown();
    return shown ? 0 : 1;
}
