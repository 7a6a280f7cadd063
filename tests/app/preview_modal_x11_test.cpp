// The print preview over the windows that open it, each shown through the
// real modal show, under Xvfb with Qt's X11 platform. Qt blocks every window
// outside the modal one, so a preview that did not belong to its opener
// would take no click, key or close; the scripted modal show of the other
// tests cannot see that. Mouse and keys are the X server's own (xdotool).

#include "About.h"
#include "AllDates.h"
#include "Bible.h"
#include "BibleChapter.h"
#include "BibleIndex.h"
#include "BibleMain.h"
#include "Building.h"
#include "DayState.h"
#include "FixtureDb.h"
#include "LinkSynx.h"
#include "MainNew.h"
#include "MltyDays.h"
#include "Picture.h"
#include "PrintRich.h"
#include "Readings.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "ScriptedDialogs.h"
#include "Search.h"
#include "ShowIcons.h"
#include "Synx.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "TCalendarLighted.h"
#include "TableEngine.h"
#include "TestWindows.h"
#include "ZIZ_Cldr.h"
#include "arrowbtn.h"
#include "day_fixture.h"
#include "support/XInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include <xcb/xcb.h>

namespace {

constexpr int Matthew = 1, Mark = 2, Psalms = 46;
constexpr int VelmAnnual = 13, Matins = 2, Liturgy = 3;
const QDate Tut7(2024, 9, 17); // Annual day 107

// Three books of long verses, and a Liturgy on Tut 7 that reads them all:
// some pages of text.
void AddLongReadings(TFixtureDatabase& db) {
    db.Insert("Translations.DB", {"ID", "Name", "ShortName"}, {1, "World English Bible", "WEB"});
    int id = 0;
    for (auto [book, name] : {std::pair{Matthew, "Matthew"}, {Mark, "Mark"}, {Psalms, "Psalms"}}) {
        db.Insert("BibleBooks.db",
                  {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
                  {book, name, book < 28 ? 1 : 2, book, 1, QString()});
        for (int c = 1; c <= 2; ++c)
            for (int v = 1; v <= 8; ++v)
                db.Insert("Bible.DB", {"ID", "BookID", "Chapter", "Verse", "Text"},
                          {++id, book, c, v,
                           QStringLiteral("%1 %2:%3 ").arg(name).arg(c).arg(v) +
                               QStringLiteral("and the words of the verse go on. ").repeated(8)});
        db.Insert("Readings.DB",
                  {"VelmType", "DayID", "ReadingTime", "ReadingType", "Order", "BookID",
                   "StartChapter", "StartVerse", "EndChapter", "EndVerse", "StartSkipWords",
                   "EndSkipWords"},
                  {VelmAnnual, 107, Liturgy, 1, book, book, 1, 1, 2, 8, 0, 0});
    }
    // A second service, for a tree of more than one branch.
    db.Insert("Readings.DB",
              {"VelmType", "DayID", "ReadingTime", "ReadingType", "Order", "BookID", "StartChapter",
               "StartVerse", "EndChapter", "EndVerse", "StartSkipWords", "EndSkipWords"},
              {VelmAnnual, 107, Matins, 1, 1, Mark, 1, 1, 1, 8, 0, 0});
}

// Runs open(), which shows a window through the real modal show; once that
// window is the active modal one, then() runs in its modal loop, and the
// window is closed. False when no window became modal.
bool WhenModal(const std::function<void()>& open, const std::function<void(QWidget*)>& then) {
    QWidget* before = QApplication::activeModalWidget();
    bool ran = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || w == before || !w->isVisible())
            return;
        poll.stop();
        ran = true;
        then(w);
        // A failed check leaves nothing open to hang the loops under it.
        if (RichPreviewForm != nullptr)
            RichPreviewForm->close();
        if (w->isVisible())
            w->close();
    });
    poll.start();
    open();
    return ran;
}

// The preview that the opener's preview button opens, once built.
QPointer<TRichPreviewForm> OpenPreview(QWidget* opener) {
    auto* button = opener->findChild<QAbstractButton*>(QStringLiteral("spdbtnPreview"));
    if (button == nullptr) {
        ADD_FAILURE() << "no preview button";
        return nullptr;
    }
    Click(button);
    WaitFor([] {
        return RichPreviewForm != nullptr && RichPreviewForm->isActiveWindow() &&
               RichPreviewForm->windowTitle() == QStringLiteral("Print Preview");
    });
    return RichPreviewForm;
}

class PreviewOverModal : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run under Xvfb with QT_QPA_PLATFORM=xcb";
        // Every dialog scripted but the modal show, which is the real one.
        env = dialogs.Dialogs();
        env.ShowModal = nullptr;
        env.RegistryFolder = [this] { return folder.filePath(QStringLiteral("registry")); };
        env.DataFolder = [this] { return folder.filePath(QStringLiteral("data/")); };
        env.ProgramFolder = [this] { return folder.filePath(QStringLiteral("program/")); };
        scope = std::make_unique<TEnvironmentScope>(env);
        Session.Reset();
        // Every day of a long range computed, none ending it early.
        db = std::make_unique<DayFixture::TDayDatabase>(366, AddLongReadings, false);
        main = windows.Make(frmMainNew);
        windows.Make(frmBuilding);
        windows.Make(frmPrintRich);
        windows.Make(frmPicture);
        readings = windows.Make(frmReadings);
        windows.Make(frmMltyDays);
        windows.Make(frmAllDates);
        synx = windows.Make(frmSynx);
        windows.Make(frmLinkSynx);
        windows.Make(frmSynxSearchResults);
        windows.Make(frmSynxShowSaints);
        windows.Make(frmShowIcons);
        windows.Make(frmBibleChapter);
        windows.Make(frmBibleIndex);
        windows.Make(frmSearch);
        windows.Make(frmBible);
        windows.Make(frmBibleMain);
        windows.Make(frmAbout);
        windows.Make(frmSynxShowSaints);
        windows.Make(frmSynxSearchResults);
        windows.Make(frmShowIcons);
        InstallRichPreview();
        main->clndrDate->SetDate(Tut7);
    }
    void TearDown() override {
        windows.FreeAll();
        db.reset();
        Session.Reset();
        scope.reset();
    }

    QTemporaryDir folder;
    TScriptedDialogs dialogs;
    TEnvironment env;
    std::unique_ptr<TEnvironmentScope> scope;
    std::unique_ptr<DayFixture::TDayDatabase> db;
    TTestWindows windows;
    TfrmMainNew* main = nullptr;
    TfrmReadings* readings = nullptr;
    TfrmSynx* synx = nullptr;
};

TEST_F(PreviewOverModal, ReadingsPreviewTakesKeysAndClicksAndGivesTheWindowBack) {
    const bool shown = WhenModal(
        [this] { main->btnAllReadingsClick(); },
        [this](QWidget* w) {
            ASSERT_EQ(w, readings);
            QPointer<TRichPreviewForm> preview = OpenPreview(readings);
            ASSERT_TRUE(preview) << "the preview did not open or never became active";
            EXPECT_EQ(preview->parentWidget(), readings);
            ASSERT_GE(preview->View().PageCount(), 3) << "too little text to page through";
            EXPECT_EQ(preview->edtPage->text().trimmed(), QStringLiteral("1"));

            Key(QStringLiteral("Prior")); // PgUp: the next pages
            EXPECT_TRUE(WaitFor([&] { return preview->edtPage->text().trimmed() == "3"; }))
                << "PgUp did not reach the preview";
            Click(preview->ArrowButton1, QPoint(16, 20)); // inside the triangle
            EXPECT_TRUE(WaitFor([&] { return preview->edtPage->text().trimmed() == "1"; }))
                << "a click on the previous arrow did not reach the preview";

            Key(QStringLiteral("Escape"));
            EXPECT_TRUE(WaitFor([&] { return !preview || !preview->isVisible(); }))
                << "Esc did not close the preview";
            EXPECT_EQ(QApplication::activeModalWidget(), readings);

            // The readings window takes the mouse and the keys again.
            EXPECT_TRUE(WaitFor([&] { return readings->isActiveWindow(); }));
            readings->trvwCitiations->expandAll();
            Click(readings->btnMinimizeTree);
            EXPECT_TRUE(WaitFor([&] {
                return !readings->trvwCitiations->topLevelItem(0)->isExpanded();
            })) << "the readings window took no click";
            Key(QStringLiteral("Escape"));
            EXPECT_TRUE(WaitFor([&] { return !readings->isVisible(); }))
                << "the readings window took no key";
        });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(readings->isVisible());
}

// A window manager on the test's display for as long as it lives.
class TWindowManager {
public:
    TWindowManager() {
        const QString started = ready_.filePath(QStringLiteral("started"));
        wm_.start(QStringLiteral(EVELM_OPENBOX),
                  {"--sm-disable", "--startup", QStringLiteral("touch %1").arg(started)});
        EXPECT_TRUE(WaitFor([&] { return QFile::exists(started); })) << "openbox did not start";
    }
    ~TWindowManager() {
        wm_.terminate();
        wm_.waitForFinished();
    }

private:
    QTemporaryDir ready_;
    QProcess wm_;
};

// A window manager while the pointer returned lives, when managed: a table
// runs on a bare X server, then under one, and each row's trace says which.
std::unique_ptr<TWindowManager> WindowManagerIf(bool managed) {
    return managed ? std::make_unique<TWindowManager>() : nullptr;
}
std::string RowTrace(const char* row, bool managed) {
    return std::string(row) + (managed ? ", openbox" : ", no window manager");
}

int CoveredPoints(QWidget* w, QWidget* also = nullptr, int n = 6);
void Settle(QWidget* w);

// Each window that previews, opened as its opener opens it: the preview
// belongs to it, is the modal window while open, lies on the screen and
// closes with a click on Close; the window then takes input again and the
// windows under it are still shown. What the main window opens shows above
// it and takes the keys, the first time too. Run at a scale of 1 and of 2,
// and under a window manager on a screen of 800 by 600.
TEST_F(PreviewOverModal, EveryOpenerOwnsItsPreview) {
    const struct {
        const char* name;
        // The commands that open the window, each from the window the one
        // before opened.
        std::vector<std::function<void()>> path;
        // What the window needs before it has a text to preview.
        std::function<void()> prepare = {};
    } openers[] = {
        {"readings", {[this] { main->btnAllReadingsClick(); }}},
        {"range",
         {[this] { main->btnMultipleReadingsClick(); }, [] { frmMltyDays->btnOK->click(); }}},
        {"feasts of a year", {[this] { main->btnFeastsClick(); }}},
        {"Synaxarium", {[this] { main->OpenSynaxarium(1); }}},
        {"linked entry",
         {[this] { main->OpenSynaxarium(1); },
          [this] { synx->OpenLinkedEntry(synx->SynxID, 1, QString()); }}},
        {"chapter", {[this] { readings->ShowBibleChapter(QStringLiteral("Mark"), Mark, 1, 1); }}},
        {"hub", {[this] { main->btnBibleClick(); }}},
        {"search",
         {[this] { main->btnBibleClick(); }, [] { frmBibleMain->OpenSearch(); }},
         [] {
             frmSearch->chkBxLiteralSearch->setChecked(true);
             frmSearch->edtSearch->setText(QStringLiteral("words of the verse"));
             frmSearch->btSearch->click();
         }},
        {"whole book",
         {[this] { main->btnBibleClick(); },
          [] {
              frmBibleMain->OpenWholeBook({Mark, QStringLiteral("Mark"), 1, 2});
          }}},
    };
    // Also run under a window manager on a small screen.
    const auto wm = WindowManagerIf(qEnvironmentVariableIntValue("EVELM_TEST_OPENBOX") != 0);
    main->show();
    main->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return main->isActiveWindow(); }));
    for (const auto& o : openers) {
        SCOPED_TRACE(o.name);
        std::function<void(size_t)> level = [&](size_t i) {
            const bool shown = WhenModal(o.path[i], [&](QWidget* w) {
                if (i == 0) {
                    EXPECT_TRUE(WaitFor([w] { return w->isActiveWindow(); })) << "not active";
                    EXPECT_EQ(CoveredPoints(w, nullptr, 1), 0) << "beneath another window";
                }
                if (i + 1 < o.path.size()) {
                    level(i + 1);
                    EXPECT_TRUE(w->isVisible());
                    EXPECT_EQ(QApplication::activeModalWidget(), w);
                } else {
                    if (o.prepare)
                        o.prepare();
                    // A window manager frames and places the window first.
                    if (wm)
                        Settle(w);
                    QPointer<TRichPreviewForm> preview = OpenPreview(w);
                    ASSERT_TRUE(preview) << "the preview did not open or never became active";
                    EXPECT_EQ(preview->parentWidget(), w);
                    EXPECT_EQ(QApplication::activeModalWidget(), preview.data());
                    // Both windows and every button on the screen, whatever
                    // its scale; Close takes the X server's click.
                    const QRect screen = preview->screen()->geometry();
                    const auto text = [](const QRect& r) {
                        return QStringLiteral("%1,%2 %3x%4")
                            .arg(r.x())
                            .arg(r.y())
                            .arg(r.width())
                            .arg(r.height())
                            .toStdString();
                    };
                    // A window manager's frame is put back on the screen once
                    // it is known.
                    if (wm)
                        Settle(preview);
                    EXPECT_TRUE(
                        WaitFor([&] { return screen.contains(preview->frameGeometry()); }, 3000))
                        << text(preview->frameGeometry());
                    if (QWidget* second = preview->SecondWindow()) {
                        EXPECT_TRUE(screen.contains(second->frameGeometry()))
                            << text(second->frameGeometry());
                    }
                    for (const QAbstractButton* b : preview->findChildren<QAbstractButton*>())
                        EXPECT_TRUE(screen.contains(QRect(b->mapToGlobal(QPoint()), b->size())))
                            << b->text().toStdString();
                    Click(preview->btnClose);
                    EXPECT_TRUE(WaitFor([&] { return !preview || !preview->isVisible(); }));
                    EXPECT_EQ(QApplication::activeModalWidget(), w);
                    EXPECT_TRUE(WaitFor([&] { return w->isActiveWindow(); }));
                }
            });
            EXPECT_TRUE(shown) << "level " << i << " was not shown modally";
        };
        level(0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// The window of the screen's top level (a window manager's frame, or the
// window itself without one) that holds the window.
xcb_window_t TopLevelOf(xcb_connection_t* c, xcb_window_t w) {
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
        if (!tree || tree->parent == tree->root || tree->parent == XCB_NONE)
            return w;
        w = tree->parent;
    }
}

// The top level the X server puts under the pointer at a point of the screen.
xcb_window_t TopLevelAt(xcb_connection_t* c, QPoint p) {
    Xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> at(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr), &std::free);
    return at ? at->child : XCB_NONE;
}

// The keys follow the pointer and no window has them, as on a bare X server
// before its first click.
void KeysFollowThePointer() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_INPUT_FOCUS_POINTER_ROOT,
                        XCB_CURRENT_TIME);
    xcb_flush(c);
    xcb_disconnect(c);
}

// Points of a window the X server shows another top level over: of n by n
// (36) over its whole frame. The second window of a preview counts as the
// preview's.
int CoveredPoints(QWidget* w, QWidget* also, int n) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        ADD_FAILURE() << "no X connection";
        return -1;
    }
    const xcb_window_t top = TopLevelOf(c, w->winId());
    const xcb_window_t second = also != nullptr ? TopLevelOf(c, also->winId()) : top;
    const QRect area = w->frameGeometry() & w->screen()->geometry();
    int covered = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            // The X server counts device pixels.
            const QPointF p(area.left() + (2 * i + 1) * area.width() / (2.0 * n),
                            area.top() + (2 * j + 1) * area.height() / (2.0 * n));
            const xcb_window_t at = TopLevelAt(c, (p * w->devicePixelRatioF()).toPoint());
            covered += at != top && at != second;
        }
    xcb_disconnect(c);
    return covered;
}

// Waits until the window takes the keys and a window manager has framed and
// placed it, so that a click lands where the window shows.
void Settle(QWidget* w) {
    EXPECT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
    Pause(300);
}

// Users have a window manager, and the Synaxarium windows stay on top under
// one: the preview they open must show above them, over its whole window, and
// take a click on its Close.
TEST_F(PreviewOverModal, UnderAWindowManagerThePreviewShowsAboveItsStayOnTopOpener) {
    TWindowManager wm;
    // Paopi 4 has thirteen saints: in a large font, pages for both windows.
    main->clndrDate->SetDate(QDate(2024, 10, 14));
    DayState->SetReadingsFont(QFont(QStringLiteral("Liberation Serif"), 40));
    const bool shown =
        WhenModal([this] { main->OpenSynaxarium(1); },
                  [this](QWidget* w) {
                      ASSERT_EQ(w, synx);
                      ASSERT_TRUE(synx->windowFlags() & Qt::WindowStaysOnTopHint);
                      Settle(synx);
                      QPointer<TRichPreviewForm> preview = OpenPreview(synx);
                      ASSERT_TRUE(preview) << "the preview did not open or never became active";
                      Pause(500); // the window manager places and stacks it
                      EXPECT_EQ(CoveredPoints(preview, preview->SecondWindow()), 0)
                          << "of 36 points over the preview, covered by another window";
                      ASSERT_TRUE(preview->SecondWindow()) << "one page: no second window";
                      EXPECT_EQ(CoveredPoints(preview->SecondWindow(), preview), 0)
                          << "of 36 points over the second window, covered by another window";
                      Click(preview->btnClose);
                      EXPECT_TRUE(WaitFor([&] { return !preview || !preview->isVisible(); }))
                          << "a click on Close did not close the preview";
                      EXPECT_TRUE(WaitFor([&] { return synx->isActiveWindow(); }));
                  });
    EXPECT_TRUE(shown);
}

// The range dialog is placed before the window manager has framed it: once
// framed, the whole of it, frame included, lies on the screen at every scale,
// and its Cancel takes a click.
TEST_F(PreviewOverModal, UnderAWindowManagerTheRangeDialogLiesOnTheScreen) {
    TWindowManager wm;
    main->show();
    Settle(main);
    const bool shown = WhenModal(
        [this] { main->btnMultipleReadingsClick(); },
        [](QWidget* w) {
            ASSERT_EQ(w, frmMltyDays);
            Settle(w);
            // The window manager frames it, then the fit moves it back: both
            // take their time on a busy machine. What counts is the frame the
            // X server shows.
            xcb_connection_t* c = xcb_connect(nullptr, nullptr);
            ASSERT_FALSE(xcb_connection_has_error(c)) << "no X connection";
            const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
            const QRect screen(0, 0, root->width_in_pixels, root->height_in_pixels);
            QRect frame;
            const bool framed = WaitFor([&] {
                const xcb_window_t top = TopLevelOf(c, w->winId());
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> at(
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, top), nullptr), &std::free);
                if (!at || top == w->winId())
                    return false;
                frame = QRect(at->x, at->y, at->width + 2 * at->border_width,
                              at->height + 2 * at->border_width);
                return screen.contains(frame);
            });
            xcb_disconnect(c);
            EXPECT_TRUE(framed) << "frame off the screen or none: " << frame.x() << "," << frame.y()
                                << " " << frame.width() << "x" << frame.height();
            const QRect shown = w->screen()->geometry() & w->geometry();
            for (const QAbstractButton* b : {frmMltyDays->btnOK, frmMltyDays->btnCancel})
                EXPECT_TRUE(shown.contains(b->mapToGlobal(b->rect().center())))
                    << b->text().toStdString();
            Click(frmMltyDays->btnCancel);
            EXPECT_TRUE(WaitFor([w] { return !w->isVisible(); })) << "Cancel took no click";
        });
    EXPECT_TRUE(shown);
}

// What the Synaxarium window, which stays on top, opens over itself, with a
// window manager and without one: each shows above it, and once it has gone
// the keys reach the Synaxarium window again (Esc closes it). The Synaxarium
// window opens centred on the screen each time, after the main window's day
// changed, and the windows it opens for the Synaxarium centred over it.
TEST_F(PreviewOverModal, WhatAStayOnTopWindowOpensShowsAboveItAndGivesTheKeysBack) {
    // A click on the Synaxarium window where the window over it leaves it
    // uncovered: the window over it stays above and still takes the keys.
    const auto clickBlocked = [this](QWidget* over) {
        const QRect area = synx->geometry();
        for (const bool aside : {false, true}) {
            // A window centred over it may cover it whole: the user drags
            // it aside.
            if (aside) {
                over->move(synx->screen()->availableGeometry().topLeft());
                Pause(300);
            }
            for (int i = 1; i < 8; ++i)
                for (int j = 1; j < 8; ++j) {
                    const QPoint p(area.left() + i * area.width() / 8,
                                   area.top() + j * area.height() / 8);
                    if (!over->frameGeometry().contains(p)) {
                        Xdo({"mousemove", QString::number(p.x()), QString::number(p.y()), "click",
                             "1"});
                        Pause(300);
                        EXPECT_EQ(CoveredPoints(over), 0)
                            << "of 36 points, covered after the click";
                        return;
                    }
                }
        }
        ADD_FAILURE() << "no part of the Synaxarium window left to click";
    };
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<void(QWidget*)> meanwhile = {};
        bool centredOver = false;
    } rows[] = {
        {"font", [this] { Click(synx->btnSetFont); }},
        {"print", [this] { Click(synx->spdbtnPrint); }},
        {"page set-up", [this] { Click(synx->spdbtnPageSetup); }},
        {"save as", [this] { Click(synx->spdbtnSaveAs); }},
        {"message box", [this] { synx->lblSynxClick(99); }},
        {"preview", [this] { Click(synx->spdbtnPreview); }},
        {"linked entry", [this] { synx->OpenLinkedEntry(synx->SynxID, 1, QString()); }, {}, true},
        {"saints index", [this] { Click(synx->btnSynxSaintsShow); }, {}, true},
        {"icons list", [this] { Click(synx->BitBtn1); }, {}, true},
        {"search results",
         [this] {
             Click(synx->edtSynxSearchAll);
             ASSERT_TRUE(WaitFor([this] { return synx->edtSynxSearchAll->hasFocus(); }));
             Key(QStringLiteral("ctrl+a"));
             Xdo({"type", "--delay", "40", "saint"});
             Click(synx->btnSynxSearchAll);
         },
         {},
         true},
        {"picture", [this] { synx->ShowIconPicture(QString(), QStringLiteral("Saint")); }},
        {"a click on it under the preview", [this] { Click(synx->spdbtnPreview); }, clickBlocked},
        {"a click on it under the font dialog", [this] { Click(synx->btnSetFont); }, clickBlocked},
        {"a click on it under the linked entry",
         [this] { synx->OpenLinkedEntry(synx->SynxID, 1, QString()); }, clickBlocked},
    };
    env.FontDialog = nullptr;
    env.PrintDialog = nullptr;
    env.PageSetupDialog = nullptr;
    env.SaveDialog = nullptr;
    env.MessageDlg = nullptr;
    // Whether a window's middle comes to lie where it belongs, off by no more
    // than a window manager's frame; what Qt reads of a frame while the
    // window manager is still at work can be nonsense, so the windows
    // themselves are compared, and waited for.
    const auto centred = [](QWidget* w, const std::function<QPoint()>& middle) {
        QPoint off;
        const bool near = WaitFor(
            [&] {
                off = w->geometry().center() - middle();
                return std::abs(off.x()) <= 60 && std::abs(off.y()) <= 60;
            },
            3000);
        return near ? testing::AssertionSuccess()
                    : testing::AssertionFailure() << "off by " << off.x() << "," << off.y();
    };
    int day = 0;
    main->show();
    for (const bool managed : {false, true}) {
        const auto wm = WindowManagerIf(managed);
        for (const auto& row : rows) {
            SCOPED_TRACE(RowTrace(row.name, managed));
            main->clndrDate->SetDate(Tut7.addDays(++day % 2));
            const bool shown = WhenModal(
                [this] { main->OpenSynaxarium(1); },
                [&](QWidget* w) {
                    ASSERT_EQ(w, synx);
                    Settle(synx);
                    EXPECT_TRUE(centred(synx, [this] {
                        return synx->screen()->availableGeometry().center();
                    })) << "not centred on the screen";
                    bool seen = false;
                    QTimer poll;
                    poll.setInterval(20);
                    QObject::connect(&poll, &QTimer::timeout, [&] {
                        QWidget* d = QApplication::activeModalWidget();
                        if (d == nullptr || d == synx || !d->isVisible() || !d->isActiveWindow())
                            return;
                        poll.stop();
                        Pause(500);
                        if (managed) {
                            EXPECT_EQ(CoveredPoints(d), 0) << "of 36 points, covered";
                        }
                        if (row.centredOver) {
                            EXPECT_TRUE(centred(d, [this] { return synx->geometry().center(); }))
                                << "not centred over the Synaxarium window";
                        }
                        if (row.meanwhile)
                            row.meanwhile(d);
                        Key(QStringLiteral("Escape"));
                        seen = true;
                    });
                    poll.start();
                    row.open();
                    EXPECT_TRUE(WaitFor([&] {
                        return seen && QApplication::activeModalWidget() == synx;
                    })) << "the window did not open, take the keys, or close";
                    poll.stop();
                    Settle(synx);
                    Key(QStringLiteral("Escape"));
                    EXPECT_TRUE(WaitFor([&] { return !synx->isVisible(); }))
                        << "the keys did not reach the Synaxarium window";
                });
            EXPECT_TRUE(shown);
        }
    }
}

// Where a click selects the grid's day d of the month shown.
QPoint GridCellOf(TCalendar* grid, int d) {
    for (int row = 1; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (grid->CellText(col, row) == QString::number(d))
                return grid->CellRect(col, row).center();
    ADD_FAILURE() << "day " << d << " is not in the grid";
    return {};
}

// The keys of the calendar on the main window: every key that makes a day
// shows that day, and the keys after it still reach the calendar.
TEST_F(PreviewOverModal, MainCalendarTakesTypedDatesAndArrowKeys) {
    // A window opened over the main window, then closed by Esc: without a
    // window manager too, the main window has the keys again. It opens
    // before the main window has taken the keys, as when its click is
    // handled before the click's window takes them.
    const auto closedByEsc = [this](std::function<void()> open) {
        return [this, open] {
            // With the pointer off the main window, or the pointer's own focus
            // keeps it active. Again each second: a click still on its way
            // may take them back. Then the pointer goes back over it, as the
            // click's would be.
            const QPoint back = QCursor::pos();
            const QRect screen = main->screen()->geometry();
            const QPoint off = main->frameGeometry().contains(screen.bottomRight() - QPoint(2, 2))
                                   ? screen.topLeft() + QPoint(2, 2)
                                   : screen.bottomRight() - QPoint(2, 2);
            const qreal ratio = main->devicePixelRatioF();
            const auto pointerTo = [ratio](QPoint p) {
                Xdo({"mousemove", QString::number(qRound(p.x() * ratio)),
                     QString::number(qRound(p.y() * ratio))});
            };
            pointerTo(off);
            QElapsedTimer since;
            ASSERT_TRUE(WaitFor([&] {
                if (!since.isValid() || since.hasExpired(1000)) {
                    KeysFollowThePointer();
                    since.start();
                }
                return !main->isActiveWindow();
            })) << "the main window kept the keys";
            pointerTo(back);
            // Esc once the window has the keys; a modal one's loop runs
            // meanwhile, in open() or in the wait after it.
            bool closed = false;
            QTimer poll;
            poll.setInterval(20);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                QWidget* w = QApplication::activeWindow();
                if (w == nullptr || w == main || w == frmBuilding)
                    return;
                poll.stop();
                Key(QStringLiteral("Escape"));
                closed = WaitFor([w] { return !w->isVisible(); });
            });
            poll.start();
            open();
            EXPECT_TRUE(WaitFor([&] { return closed; }))
                << "the window did not open, take the keys or close at Esc";
        };
    };
    main->show();
    main->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return main->isActiveWindow(); }));
    TFullCalendarAncestor* cal = main->clndrDate;
    QWidget *edit = cal->DateEdit(), *grid = cal->Grid(), *year = cal->YearSpin();
    const QDate march15(2024, 3, 15);
    const auto readingsGone = closedByEsc([this] { main->btnAllReadingsClick(); });
    const auto rangeGone = closedByEsc([this] { Click(main->btnMultipleReadings); });
    const auto aboutGone = closedByEsc([this] { main->btnAboutClick(); });
    const struct {
        const char* name;
        QDate from;
        QWidget* clicked;
        QString typed; // after Ctrl+A
        QStringList keys;
        QDate shown;
        QString text;
        std::function<void()> closed = {}; // after the click
    } cases[] = {
        {"typed, Return", Tut7, edit, "2024-03-15", {"Return"}, march15, "2024-03-15"},
        {"typed", Tut7, edit, "2025-11-21", {}, {2025, 11, 21}, "2025-11-21"},
        {"typed before 1910", Tut7, edit, "1901-06-01", {}, {2001, 6, 1}, "2001-06-01"},
        // No such day: "2023-02-2" on the way was one, but not the one typed.
        {"typed no date, Return", march15, edit, "2023-02-29", {"Return"}, march15, "2024-03-15"},
        {"typed no date, Tab", march15, edit, "abc", {"Tab"}, march15, "2024-03-15"},
        {"readings closed", Tut7, edit, "2024-03-15", {}, march15, "2024-03-15", readingsGone},
        {"range closed", Tut7, edit, "2024-03-15", {}, march15, "2024-03-15", rangeGone},
        {"About closed", Tut7, edit, "2024-03-15", {}, march15, "2024-03-15", aboutGone},
        {"grid", march15, grid, {}, {"Right", "Right", "Right"}, {2024, 3, 18}, "2024-03-18"},
        // The year box's limits were the years shown so far.
        {"year box", march15, year, {}, {"Up", "Up", "Up"}, {2027, 3, 15}, "2027-03-15"},
        {"year box down", march15, year, {}, {"Down", "Down"}, {2022, 3, 15}, "2022-03-15"},
        {"month box", march15, year, {}, {"shift+Tab", "Up", "Up"}, {2024, 1, 15}, "2024-01-15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cal->SetDate(c.from);
        QCoreApplication::processEvents();
        if (c.clicked == grid)
            Click(c.clicked, GridCellOf(cal->Grid(), c.from.day()));
        else
            Click(c.clicked);
        ASSERT_TRUE(WaitFor([&] { return c.clicked->hasFocus(); }));
        if (c.closed)
            c.closed();
        if (!c.typed.isEmpty()) {
            Key(QStringLiteral("ctrl+a"));
            Xdo({"type", "--delay", "40", c.typed});
            // The keys after the text come after it.
            EXPECT_TRUE(WaitFor([&] {
                const QString text = cal->DateEdit()->text();
                return text == c.typed || (c.shown != c.from && main->CurrentDate == c.shown);
            })) << cal->DateEdit()->text().toStdString();
        }
        for (const QString& key : c.keys)
            Key(key);
        EXPECT_TRUE(WaitFor([&] {
            return main->CurrentDate == c.shown && cal->DateEdit()->text() == c.text;
        })) << main->CurrentDate.toString(Qt::ISODate).toStdString()
            << " " << cal->DateEdit()->text().toStdString();
        EXPECT_EQ(cal->Date(), c.shown);
        EXPECT_EQ(cal->DateEdit()->text(), c.text);
        EXPECT_TRUE(cal->isAncestorOf(QApplication::focusWidget()));
    }
}

// A date typed into a range picker takes, year included. At every opening
// From has the keys with its whole date selected, whatever had them when the
// dialog last closed, and Tab goes on to To; with a window manager and
// without one.
TEST_F(PreviewOverModal, RangeDatesTakeTypedDates) {
    TfrmMltyDays* d = frmMltyDays;
    // Both pickers open on the main window's day.
    const QDate march15(2024, 3, 15), may14(2024, 5, 14);
    const auto open = [this] { main->btnMultipleReadingsClick(); };
    const struct {
        const char* name;
        QWidget* clicked; // none: the keys go where the opening put them
        QStringList keys; // a key, or a date typed
        QDate from, to;
    } cases[] = {
        {"opened",
         nullptr,
         {"ctrl+a", "2024-03-15", "Tab", "ctrl+a", "2024-05-14"},
         march15,
         may14},
        {"From", d->dtpckrStartDate, {"ctrl+a", "2025-03-15"}, {2025, 3, 15}, Tut7},
        {"To", d->dtpckrEndDate, {"ctrl+a", "2025-11-21"}, Tut7, {2025, 11, 21}},
        {"opened after To", nullptr, {"2024-03-15", "Tab", "2024-05-14"}, march15, may14},
        {"a radio button", d->rdbtnSelectSomeReadings, {}, Tut7, Tut7},
        {"opened after a radio button", nullptr, {"2024-03-15"}, march15, Tut7},
    };
    for (const bool managed : {false, true}) {
        const auto wm = WindowManagerIf(managed);
        for (const auto& c : cases) {
            SCOPED_TRACE(RowTrace(c.name, managed));
            const bool shown = WhenModal(open, [&](QWidget* w) {
                ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
                if (c.clicked != nullptr) {
                    Settle(w);
                    Click(c.clicked, QPoint(8, c.clicked->height() / 2));
                    ASSERT_TRUE(WaitFor([&] { return c.clicked->hasFocus(); }));
                }
                for (const QString& k : c.keys) {
                    if (k.front().isDigit())
                        Xdo({"type", "--delay", "40", k});
                    else
                        Key(k);
                }
                const auto dates = [d] {
                    return d->dtpckrStartDate->date().toString(Qt::ISODate) + " to " +
                           d->dtpckrEndDate->date().toString(Qt::ISODate);
                };
                const QString wanted =
                    c.from.toString(Qt::ISODate) + " to " + c.to.toString(Qt::ISODate);
                EXPECT_TRUE(WaitFor([&] { return dates() == wanted; })) << dates().toStdString();
                Key(QStringLiteral("Escape"));
                EXPECT_TRUE(WaitFor([w] { return !w->isVisible(); }));
            });
            EXPECT_TRUE(shown);
        }
    }
}

// Each window that opens for typing has the keys in its box at every
// opening, whatever had them when it last closed, with the box's text
// selected; Tab into a group of choices lands on the chosen one. With a
// window manager and without one.
TEST_F(PreviewOverModal, EveryWindowTakesTheFirstKeyInItsBox) {
    const auto modal = [](QWidget* w) { return [w] { ShowModal(w); }; };
    frmSynxSearchResults->SearchText = QStringLiteral("ab");
    QLineEdit* synxBox = frmSynxSearchResults->edtSynxSearchAll;
    const QString scopeChosen = QStringLiteral("Selected  Book Only -=>>"); // the hub's book
    const struct {
        const char* name;
        std::function<void()> open;
        QStringList keys;
        QString typed; // after the keys
        QWidget* box;  // none: the control with the keys
        QString shown;
    } rows[] = {
        {"Bible search", modal(frmSearch), {}, "love", frmSearch->edtSearch, "love"},
        {"search, Tab", modal(frmSearch), {"Tab", "Tab", "Tab"}, {}, nullptr, scopeChosen},
        {"concordance", modal(frmBibleIndex), {}, "jo", frmBibleIndex->edtSearch, "jo"},
        {"saints", modal(frmSynxShowSaints), {}, "jo", frmSynxShowSaints->edtSearch, "jo"},
        {"Synaxarium search", modal(frmSynxSearchResults), {}, "jo", synxBox, "jo"},
        {"icons", modal(frmShowIcons), {}, "jo", frmShowIcons->edtSearch, "jo"},
        {"hub", modal(frmBibleMain), {}, "p", frmBibleMain->dblkupcmbxBibleBooks, "Psalms"},
    };
    const auto textOf = [](const QWidget* w) {
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            return combo->currentText();
        return w != nullptr ? w->property("text").toString() : QString();
    };
    for (const bool managed : {false, true}) {
        const auto wm = WindowManagerIf(managed);
        for (const auto& r : rows)
            for (const int opening : {1, 2}) {
                SCOPED_TRACE(RowTrace(r.name, managed) + ", opening " + std::to_string(opening));
                const bool shown = WhenModal(r.open, [&](QWidget* w) {
                    ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
                    for (const QString& k : r.keys)
                        Key(k);
                    if (!r.typed.isEmpty())
                        Xdo({"type", "--delay", "40", r.typed});
                    QWidget* box = r.box;
                    EXPECT_TRUE(WaitFor([&] {
                        box = r.box != nullptr ? r.box : QApplication::focusWidget();
                        return textOf(box) == r.shown;
                    })) << textOf(box).toStdString();
                    Key(QStringLiteral("Tab")); // the keys elsewhere when it closes
                    Key(QStringLiteral("Escape"));
                    EXPECT_TRUE(WaitFor([w] { return !w->isVisible(); }));
                });
                EXPECT_TRUE(shown);
            }
    }
}

// The keys of the boxes in the windows the main window opens, with a window
// manager and without one: each key does what its box promises, and the
// keys after it still reach the box.
TEST_F(PreviewOverModal, WindowBoxesTakeTheirKeys) {
    QTreeWidget* tree = readings->trvwCitiations;
    TRichEdit* text = readings->rchedtReadings;
    const auto focusName = [] {
        const QWidget* f = QApplication::focusWidget();
        return f != nullptr ? f->objectName() : QStringLiteral("nothing");
    };
    // The caret on the reading of the tree's current node, the keys in the tree.
    const auto treeShowsItsNode = [=]() -> QString {
        const QTreeWidgetItem* node = tree->currentItem();
        if (node == nullptr || !tree->hasFocus() ||
            text->SelStart() != text->Text().indexOf(node->text(0)))
            return QStringLiteral("node %1, caret %2, focus on %3")
                .arg(node != nullptr ? node->text(0) : QStringLiteral("none"))
                .arg(text->SelStart())
                .arg(focusName());
        return {};
    };
    // From the text, the Tabs that go round to the tree.
    const QStringList tabsToTheTree = {"Tab", "Tab", "Tab", "Tab", "Tab", "Tab"};
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<void()> click;
        std::function<bool()> clickTaken;
        QStringList keys;
        std::function<QString()> wrong; // what is wrong, empty when nothing
    } rows[] = {
        // Chapter 1 of 2: the arrow steps to 2, the keys back to 1.
        {"hub chapter box",
         [this] { main->btnBibleClick(); },
         [] {
             QSpinBox* box = frmBibleMain->spnedtChapter;
             Click(box, {box->width() - 6, box->height() / 4}); // its up arrow
             // Keys a while after the click, as a user who reads the chapter.
             Pause(1000);
         },
         [] { return frmBibleMain->spnedtChapter->value() == 2; },
         {"Down", "Prior", "Down"},
         [=, this] {
             QSpinBox* box = frmBibleMain->spnedtChapter;
             if (box->value() != 1 || !box->hasFocus() ||
                 !frmBibleMain->rchedtReadings->Text().contains("Matthew 1:1 "))
                 return QStringLiteral("chapter %1, focus on %2")
                     .arg(box->value())
                     .arg(focusName());
             return QString();
         }},
        {"Synaxarium year box",
         [this] { main->OpenSynaxarium(1); },
         [this] { Click(synx->edtGregYear); },
         [this] { return synx->edtGregYear->hasFocus(); },
         {"Up", "Up", "Down"},
         [=, this] {
             if (DayState->SelectedGregorianYear != 2025 ||
                 !synx->lblSynxDateGreg->toolTip().endsWith(", 2025") ||
                 !synx->edtGregYear->hasFocus())
                 return QStringLiteral("year %1, hint %2, focus on %3")
                     .arg(DayState->SelectedGregorianYear)
                     .arg(synx->lblSynxDateGreg->toolTip(), focusName());
             return QString();
         }},
        // No node chosen yet: Tab into the tree keeps every service open.
        {"citation tree, Tab into it",
         [this] { main->btnAllReadingsClick(); },
         [=, this] { Click(readings->btnExpandTree); },
         [=, this] { return readings->btnExpandTree->hasFocus(); },
         {"shift+Tab", "shift+Tab"},
         [=, this] {
             int open = 0;
             for (int i = 0; i < tree->topLevelItemCount(); ++i)
                 open += tree->topLevelItem(i)->isExpanded();
             if (open < 2 || open != tree->topLevelItemCount() || !tree->hasFocus())
                 return QStringLiteral("%1 services open, focus on %2").arg(open).arg(focusName());
             return QString();
         }},
        {"citation tree, Down",
         [this] { main->btnAllReadingsClick(); },
         [=, this] { Click(readings->btnExpandTree); },
         [=, this] { return readings->btnExpandTree->hasFocus(); },
         {"shift+Tab", "shift+Tab", "Down", "Down", "Down"},
         treeShowsItsNode},
        // The menu takes the right button's release: the keys still move the reading.
        {"citation tree, Down after its menu",
         [this] { main->btnAllReadingsClick(); },
         [=] { Click(tree->viewport(), tree->visualItemRect(tree->topLevelItem(0)).center(), 3); },
         [=, this] { return readings->mnuTree->isVisible(); },
         {"Escape", "Down", "Down"},
         treeShowsItsNode},
        {"citation tree, Enter", [this] { main->btnAllReadingsClick(); }, [=] { Click(text); },
         [=] { return text->hasFocus(); },
         QStringList{"ctrl+End"} + tabsToTheTree + QStringList{"Return"}, treeShowsItsNode},
        {"citation tree, Space", [this] { main->btnAllReadingsClick(); }, [=] { Click(text); },
         [=] { return text->hasFocus(); },
         QStringList{"ctrl+End"} + tabsToTheTree + QStringList{"space"}, treeShowsItsNode},
        {"readings text, Ctrl+End",
         [this] { main->btnAllReadingsClick(); },
         [=] { Click(text); },
         [=] { return text->hasFocus(); },
         {"ctrl+End"},
         [=, this] {
             const QScrollBar* bar = text->verticalScrollBar();
             if (text->SelStart() != text->Length() || bar->value() != bar->maximum())
                 return QStringLiteral("caret %1 of %2, scrolled to %3 of %4")
                     .arg(text->SelStart())
                     .arg(text->Length())
                     .arg(bar->value())
                     .arg(bar->maximum());
             return QString();
         }},
        {"readings text, Ctrl+Home",
         [this] { main->btnAllReadingsClick(); },
         [=] { Click(text); },
         [=] { return text->hasFocus(); },
         {"ctrl+End", "ctrl+Home"},
         [=, this] {
             if (text->SelStart() != 0 || text->verticalScrollBar()->value() != 0)
                 return QStringLiteral("caret %1, scrolled to %2")
                     .arg(text->SelStart())
                     .arg(text->verticalScrollBar()->value());
             return QString();
         }},
        // The click takes the verse numbers away, Space brings them back.
        {"Show Verse Number",
         [this] { main->btnAllReadingsClick(); },
         [=, this] { Click(readings->chkbxVerseNum); },
         [=, this] { return !readings->chkbxVerseNum->isChecked() && !readings->Building(); },
         {"space"},
         [=, this] {
             if (!readings->chkbxVerseNum->isChecked() || !readings->chkbxVerseNum->hasFocus() ||
                 readings->Building())
                 return QStringLiteral("checked %1, focus on %2")
                     .arg(readings->chkbxVerseNum->isChecked())
                     .arg(focusName());
             return QString();
         }},
    };
    for (const bool managed : {false, true}) {
        const auto wm = WindowManagerIf(managed);
        for (const auto& row : rows) {
            SCOPED_TRACE(RowTrace(row.name, managed));
            main->clndrDate->SetDate(Tut7);
            frmBibleMain->spnedtChapter->setValue(1);
            readings->chkbxVerseNum->setChecked(true);
            const bool shown = WhenModal(row.open, [&](QWidget* w) {
                ASSERT_TRUE(WaitFor([this] { return !readings->Building(); }, 5000));
                Settle(w);
                row.click();
                ASSERT_TRUE(WaitFor(row.clickTaken, 5000)) << "the click was not taken";
                for (const QString& key : row.keys)
                    Key(key);
                WaitFor([&] { return row.wrong().isEmpty(); }, 3000);
                EXPECT_EQ(row.wrong().toStdString(), "");
                Key(QStringLiteral("Escape"));
            });
            EXPECT_TRUE(shown);
        }
    }
}

// The longest range, ten years, confirmed past the long-range warning, says
// that Esc stops it and stops at Esc while it builds: the range dialog has
// the focus then, and the readings window is not yet shown. What was built
// is dropped, the readings window closes back to the range dialog, and that
// dialog takes keys again.
TEST_F(PreviewOverModal, ALongRangeStopsAtEscAndGivesEveryWindowBack) {
    dialogs.MessageAnswers = {mrOk}; // the long-range warning
    QElapsedTimer sinceEsc;
    bool rangeDialogBack = false;
    bool stopHinted = false;
    // Its own deadline, each step a few seconds past what it needs: the build
    // shows progress, and after Esc it stops within a second and closes. A
    // build that goes on, or a window left open, fails here with what was
    // seen, and the build and the windows are ended so the test can return.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setInterval(10000);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
        ADD_FAILURE() << (sinceEsc.isValid() ? "still going 10 s after Esc" : "no progress in 10 s")
                      << ": building " << readings->Building() << ", progress "
                      << frmBuilding->prgrsbarChapter->value() << ", readings window shown "
                      << readings->isVisible() << ", range dialog shown "
                      << frmMltyDays->isVisible();
        // Closed from the event loop: a window still in its show handler
        // would not leave its modal loop.
        readings->EndDate = readings->StartDate;
        QMetaObject::invokeMethod(readings, &QDialog::reject, Qt::QueuedConnection);
        QMetaObject::invokeMethod(frmMltyDays, &QDialog::reject, Qt::QueuedConnection);
    });
    QTimer poll;
    poll.setInterval(20);
    QDate reached; // the furthest day seen built
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (readings->Building())
            reached = std::max(reached, main->CurrentDate);
        if (!sinceEsc.isValid()) {
            if (readings->Building() && frmBuilding->prgrsbarChapter->value() > 0) {
                stopHinted = frmBuilding->lblStopHint->isVisible();
                Key(QStringLiteral("Escape"));
                sinceEsc.start();
                deadline.start();
            }
        } else if (!readings->isVisible() && frmMltyDays->isVisible()) {
            poll.stop();
            rangeDialogBack = QApplication::activeModalWidget() == frmMltyDays;
            Key(QStringLiteral("Escape"));
        }
    });
    QTimer::singleShot(0, [&] {
        frmMltyDays->dtpckrStartDate->setDate(QDate(2024, 1, 1));
        frmMltyDays->dtpckrEndDate->setDate(QDate(2034, 1, 1));
        poll.start();
        deadline.start();
        Click(frmMltyDays->btnOK);
    });
    main->btnMultipleReadingsClick();
    RecordProperty("ms from Esc to the range dialog closed", int(sinceEsc.elapsed()));
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_TRUE(stopHinted) << "the progress window did not say that Esc stops it";
    // Esc comes in the first year; a build that went on reaches the last.
    EXPECT_LT(reached, QDate(2033, 1, 1))
        << "the build went on after Esc, to " << reached.toString(Qt::ISODate).toStdString();
    EXPECT_TRUE(rangeDialogBack) << "the range dialog was not the modal window again";
    EXPECT_FALSE(frmMltyDays->isVisible()) << "the range dialog took no Esc";
    EXPECT_FALSE(frmBuilding->isVisible());
    EXPECT_EQ(readings->trvwCitiations->topLevelItemCount(), 0);
    EXPECT_EQ(readings->rchedtReadings->Length(), 0);
    EXPECT_EQ(main->CurrentDate, Tut7); // handed back
}

} // namespace
