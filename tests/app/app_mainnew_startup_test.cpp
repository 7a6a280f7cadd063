// The program's start-up order: splash steps, title, windows, first show.

#include "MainNewTestSupport.h"

#include "About.h"
#include "Building.h"
#include "DMMain.h"
#include "FixtureDb.h"
#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <QTimer>

#include <stdexcept>

namespace {

// Records the main window's show event into the start-up's event list.
class ShowRecorder : public QObject {
public:
    explicit ShowRecorder(QStringList& events) : events_(events) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show)
            events_ << QStringLiteral("main window shown");
        return false;
    }

private:
    QStringList& events_;
};

class MainNewStartup : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        DestroyMainDM(); // start-up creates its own
    }
    void TearDown() override {
        ShutDown();
        MainNewTest::TearDown();
    }
};

} // namespace

TEST_F(MainNewStartup, OrderOfStartUp) {
    TFixtureDatabase db;
    db.Finish();
    QStringList events;
    ShowRecorder recorder(events);
    TStartupOptions options;
    options.SplashStepped = [&](int position) {
        events << QStringLiteral("step %1").arg(position);
    };
    options.TitleSet = [&](const QString& title) { events << QStringLiteral("title ") + title; };
    options.Created = [&](const QString& name) {
        events << name;
        if (name == QLatin1String("frmMainNew"))
            frmMainNew->installEventFilter(&recorder);
    };
    options.SplashClosed = [&] {
        events << QStringLiteral("splash gone");
        // The tables are opened by the main window's first show, not before.
        EXPECT_FALSE(MainDM->tblReadings.Active());
    };
    options.FirstDayShown = [&] { events << QStringLiteral("first day shown"); };

    StartUp(options);

    const QStringList expected = {QStringLiteral("step 1"),
                                  QStringLiteral("title English Velmorande"),
                                  QStringLiteral("MainDM"),
                                  QStringLiteral("frmMainNew"),
                                  QStringLiteral("frmPrintRich"),
                                  QStringLiteral("frmSynxShowSaints"),
                                  QStringLiteral("frmSynxSearchResults"),
                                  QStringLiteral("frmBible"),
                                  QStringLiteral("step 2"),
                                  QStringLiteral("frmBibleChapter"),
                                  QStringLiteral("frmBibleIndex"),
                                  QStringLiteral("frmSearch"),
                                  QStringLiteral("frmBibleMain"),
                                  QStringLiteral("frmShowIcons"),
                                  QStringLiteral("frmPicture"),
                                  QStringLiteral("frmMltyDays"),
                                  QStringLiteral("step 3"),
                                  QStringLiteral("frmReadings"),
                                  QStringLiteral("frmSynx"),
                                  QStringLiteral("frmLinkSynx"),
                                  QStringLiteral("step 4"),
                                  QStringLiteral("frmAllDates"),
                                  QStringLiteral("step 5"),
                                  QStringLiteral("frmBuilding"),
                                  QStringLiteral("step 6"),
                                  QStringLiteral("frmVerseOfTheDay"),
                                  QStringLiteral("step 7"),
                                  QStringLiteral("frmAbout"),
                                  QStringLiteral("splash gone"),
                                  QStringLiteral("first day shown"),
                                  QStringLiteral("main window shown")};
    EXPECT_EQ(events, expected) << events.join(QLatin1String(" | ")).toStdString();
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("English Velmorande"));
    // Captions are the windows' own: Qt appends a display name to each.
    EXPECT_TRUE(QApplication::applicationDisplayName().isEmpty() ||
                QApplication::applicationDisplayName() == QApplication::applicationName());
    EXPECT_EQ(frmMainNew->windowTitle(), QStringLiteral("E-Velmorande 2.0"));
    EXPECT_TRUE(frmMainNew->isVisible());
    EXPECT_EQ(frmMainNew->CurrentDate, env.Today);
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
}

TEST_F(MainNewStartup, SplashIsGoneAndTheAboutBoxIsAnotherInstance) {
    TFixtureDatabase db;
    db.Finish();
    int splashes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        splashes += qobject_cast<TfrmAbout*>(w) != nullptr;
    ASSERT_EQ(splashes, 0);

    TStartupOptions options;
    options.SplashCloseDelay = 0; // the delay's own behaviour is the About window's
    StartUp(options);

    ASSERT_NE(frmAbout, nullptr);
    EXPECT_FALSE(frmAbout->isVisible());
    int abouts = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        abouts += qobject_cast<TfrmAbout*>(w) != nullptr;
    EXPECT_EQ(abouts, 1); // only frmAbout: the splash has been freed
    ASSERT_NE(frmBuilding, nullptr);
    EXPECT_FALSE(frmBuilding->isVisible());
}

TEST_F(MainNewStartup, ShutDownFreesEverything) {
    TFixtureDatabase db;
    db.Finish();
    TStartupOptions options;
    options.SplashCloseDelay = 0;
    StartUp(options);
    // The results table makes the user's file, with its write-ahead log.
    TTable& results = MainDM->tblSearchResults;
    results.Open();
    TWriteBatch batch(results);
    results.EmptyTable();
    batch.Commit();
    const QString file = QDir(Session.UserDataFolder()).filePath(QStringLiteral("userdata.sqlite"));
    ASSERT_TRUE(QFile::exists(file + QStringLiteral("-wal")));
    ShutDown();
    EXPECT_EQ(frmMainNew, nullptr);
    EXPECT_EQ(frmAbout, nullptr);
    EXPECT_EQ(frmBuilding, nullptr);
    EXPECT_EQ(MainDM, nullptr);
    // Every file closed: nothing but the database is left beside it.
    EXPECT_EQ(Session.OpenFileCount(), 0);
    EXPECT_FALSE(QFile::exists(file + QStringLiteral("-wal")));
    EXPECT_FALSE(QFile::exists(file + QStringLiteral("-shm")));
}

TEST_F(MainNewStartup, ClosingTheMainWindowEndsTheProgramWhileTheAboutBoxIsOpen) {
    TFixtureDatabase db;
    db.Finish();
    TStartupOptions options;
    options.SplashCloseDelay = 0;
    StartUp(options);
    frmAbout->SetDialogMode();
    frmAbout->show();

    QTimer closeMain;
    closeMain.setSingleShot(true);
    QObject::connect(&closeMain, &QTimer::timeout, [] { frmMainNew->close(); });
    closeMain.start(0);
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);

    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(timedOut); // the open About box did not keep the program running
}

TEST_F(MainNewStartup, FailedCreationLeavesNoSplashOnScreen) {
    TFixtureDatabase db;
    db.Finish();
    TStartupOptions options;
    options.Created = [](const QString& name) {
        if (name == QLatin1String("frmMainNew"))
            throw std::runtime_error("creation failed");
    };
    EXPECT_THROW(StartUp(options), std::runtime_error);
    int splashes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        splashes += qobject_cast<TfrmAbout*>(w) != nullptr;
    EXPECT_EQ(splashes, 0);
}
