// The print preview over the windows that open it, each shown through the
// real modal show, under Xvfb with Qt's X11 platform. Qt blocks every window
// outside the modal one, so a preview that did not belong to its opener
// would take no click, key or close; the scripted modal show of the other
// tests cannot see that. Mouse and keys are the X server's own (xdotool).

#include "AllDates.h"
#include "Bible.h"
#include "BibleChapter.h"
#include "BibleIndex.h"
#include "BibleMain.h"
#include "Building.h"
#include "FixtureDb.h"
#include "LinkSynx.h"
#include "MainNew.h"
#include "MltyDays.h"
#include "Picture.h"
#include "PrintRich.h"
#include "Readings.h"
#include "RichPreview.h"
#include "ScriptedDialogs.h"
#include "Search.h"
#include "Synx.h"
#include "TableEngine.h"
#include "TestWindows.h"
#include "ZIZ_Cldr.h"
#include "arrowbtn.h"
#include "day_fixture.h"
#include "support/XInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int Matthew = 1, Mark = 2, Psalms = 46;
constexpr int VelmAnnual = 13, Liturgy = 3;
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
        db = std::make_unique<DayFixture::TDayDatabase>(366, AddLongReadings);
        main = windows.Make(frmMainNew);
        windows.Make(frmBuilding);
        windows.Make(frmPrintRich);
        windows.Make(frmPicture);
        readings = windows.Make(frmReadings);
        windows.Make(frmMltyDays);
        windows.Make(frmAllDates);
        synx = windows.Make(frmSynx);
        windows.Make(frmLinkSynx);
        windows.Make(frmBibleChapter);
        windows.Make(frmBibleIndex);
        windows.Make(frmSearch);
        windows.Make(frmBible);
        windows.Make(frmBibleMain);
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

// Each window that previews, opened as its opener opens it: the preview
// belongs to it, is the modal window while open and closes with Esc; the
// window then takes input again and the windows under it are still shown.
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
    for (const auto& o : openers) {
        SCOPED_TRACE(o.name);
        std::function<void(size_t)> level = [&](size_t i) {
            const bool shown = WhenModal(o.path[i], [&](QWidget* w) {
                if (i + 1 < o.path.size()) {
                    level(i + 1);
                    EXPECT_TRUE(w->isVisible());
                    EXPECT_EQ(QApplication::activeModalWidget(), w);
                } else {
                    if (o.prepare)
                        o.prepare();
                    QPointer<TRichPreviewForm> preview = OpenPreview(w);
                    ASSERT_TRUE(preview) << "the preview did not open or never became active";
                    EXPECT_EQ(preview->parentWidget(), w);
                    EXPECT_EQ(QApplication::activeModalWidget(), preview.data());
                    Key(QStringLiteral("Escape"));
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

} // namespace
