// Start-up in its fixed order. The windows that are not built yet take their
// places in the list below as they come; the splash's steps stay where they
// are so the bar always ends at its maximum of 7.

#include "Startup.h"

#include "About.h"
#include "AllDates.h"
#include "Bible.h"
#include "BibleChapter.h"
#include "BibleIndex.h"
#include "BibleMain.h"
#include "Building.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "LinkSynx.h"
#include "MainNew.h"
#include "MltyDays.h"
#include "Picture.h"
#include "PrintRich.h"
#include "Readings.h"
#include "RichPreview.h"
#include "Search.h"
#include "ShowIcons.h"
#include "Synx.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "VerseOfTheDay.h"

#include <QPointer>
#include <QProgressBar>

namespace {

void created(const TStartupOptions& options, const char* instance) {
    if (options.Created)
        options.Created(QString::fromLatin1(instance));
}

// Only the main window ends the program when it closes; the About box may
// still be open then.
void doNotQuitOnClose(QWidget* window) {
    window->setAttribute(Qt::WA_QuitOnClose, false);
}

// A window besides the main one, built in its place in the start-up order.
template <class TForm>
void createWindow(TForm*& form, const TStartupOptions& options, const char* instance) {
    form = new TForm;
    doNotQuitOnClose(form);
    created(options, instance);
}

template <class TForm> void destroy(TForm*& form) {
    delete form;
    form = nullptr;
}

QString& applicationTitle() {
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle() {
    return applicationTitle();
}

void StartUp(const TStartupOptions& options) {
    // The splash belongs to the application and is held only here.
    QPointer<TfrmAbout> splash = new TfrmAbout;
    doNotQuitOnClose(splash);
    splash->ShowSplash();
    // Should a window's creation fail, the splash must not stay on screen.
    TScopeGuard freeSplash([&] { delete splash.data(); });

    auto step = [&] {
        splash->StepSplash();
        if (options.SplashStepped)
            options.SplashStepped(splash->ProgressBar1 ? splash->ProgressBar1->value() : 0);
    };

    step(); // 1
    // Not Qt's application display name: that would be appended to the
    // caption of every window and message box.
    applicationTitle() = QStringLiteral("English Velmorande");
    if (options.TitleSet)
        options.TitleSet(ApplicationTitle());

    CreateMainDM();
    created(options, "MainDM");
    frmMainNew = new TfrmMainNew;
    created(options, "frmMainNew");
    frmPrintRich = new TfrmPrintRich;
    created(options, "frmPrintRich");
    InstallRichPreview();
    createWindow(frmSynxShowSaints, options, "frmSynxShowSaints");
    createWindow(frmSynxSearchResults, options, "frmSynxSearchResults");
    createWindow(frmBible, options, "frmBible");
    step(); // 2
    createWindow(frmBibleChapter, options, "frmBibleChapter");
    createWindow(frmBibleIndex, options, "frmBibleIndex");
    createWindow(frmSearch, options, "frmSearch");
    createWindow(frmBibleMain, options, "frmBibleMain");
    createWindow(frmShowIcons, options, "frmShowIcons");
    createWindow(frmPicture, options, "frmPicture");
    // frmUtil holds no state and needs no instance
    createWindow(frmMltyDays, options, "frmMltyDays");
    step(); // 3
    createWindow(frmReadings, options, "frmReadings");
    createWindow(frmSynx, options, "frmSynx");
    createWindow(frmLinkSynx, options, "frmLinkSynx");
    step(); // 4
    createWindow(frmAllDates, options, "frmAllDates");
    step(); // 5
    createWindow(frmBuilding, options, "frmBuilding");
    step(); // 6
    createWindow(frmVerseOfTheDay, options, "frmVerseOfTheDay");
    step(); // 7
    createWindow(frmAbout, options, "frmAbout");

    splash->SetCloseDelay(options.SplashCloseDelay);
    splash->close();
    // The splash frees itself on close; let that happen now rather than when
    // the message loop starts, so it is gone before the tables are opened.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (splash) // a zero delay only hides it
        delete splash.data();
    if (options.SplashClosed)
        options.SplashClosed();

    frmMainNew->OnFirstDayShown = options.FirstDayShown;
    // The message loop's first act: the main window's first show opens the
    // tables and shows today.
    frmMainNew->show();
}

void ShutDown() {
    destroy(frmAbout);
    destroy(frmVerseOfTheDay);
    destroy(frmBuilding);
    destroy(frmAllDates);
    destroy(frmLinkSynx);
    destroy(frmSynx);
    destroy(frmReadings);
    destroy(frmMltyDays);
    destroy(frmPicture);
    destroy(frmShowIcons);
    destroy(frmSynxSearchResults);
    destroy(frmSynxShowSaints);
    destroy(frmBibleMain);
    destroy(frmSearch);
    destroy(frmBibleIndex);
    destroy(frmBible);
    destroy(frmBibleChapter);
    destroy(frmPrintRich);
    destroy(frmMainNew); // frees its church-date engine
    DestroyMainDM();
    // Closed now, while the program still runs: the user's file then leaves
    // no write-ahead log behind.
    Session.CloseUnusedFiles();
}

int RunProgram(int argc, char** argv) {
    TApplication app(argc, argv);
    try {
        StartUp();
    } catch (const std::exception& e) {
        // The default handler's report; the program goes on when its main
        // window exists.
        ShowException(e);
        if (!frmMainNew)
            return 1;
        frmMainNew->show();
    }
    const int code = app.exec();
    ShutDown();
    return code;
}
