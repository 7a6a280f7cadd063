// The Synaxarium windows through the real modal show, under Xvfb with Qt's
// X11 platform: the first opening at a late entry shows its heading where
// the jump put it, and a linked entry whose day is missing stays closed after
// its error box and hands control straight back to its opener; a
// double-click on a row of a list opens its entry once.

#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "Environment.h"
#include "LinkSynx.h"
#include "RichEdit.h"
#include "Synx.h"
#include "SynxFixture.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "TableEngine.h"
#include "TestWindows.h"
#include "support/RichEditView.h"
#include "support/XInput.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace SynxFixture;

namespace {

class SynxOnX11 : public SynxTest {
protected:
    void SetUp() override {
        SynxTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.DayEngine->SetDate(QDate(2007, 4, 10));
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12, QFont::Bold);
        DayState = &state;
        synx = windows.Make(frmSynx);
        link = windows.Make(frmLinkSynx);
        // Only the message boxes are scripted: the windows go through the
        // real modal show.
        env.MessageDlg = [this](const QString& text, TMsgDlgType, TMsgDlgButtons) {
            messages << text;
            return int(mrOk);
        };
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        SynxTest::TearDown();
    }

    TDayState state;
    TTestWindows windows;
    TEnvironment env;
    TEnvironmentScope scope{env};
    QStringList messages;
    TfrmSynx* synx = nullptr;
    TfrmLinkSynx* link = nullptr;
};

} // namespace

TEST_F(SynxOnX11, FirstOpeningAtALateEntryShowsItsHeading) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_TRUE(MainDM->tblSynxHeadID.FindKey({Fourteen}));
    ASSERT_TRUE(MainDM->tblSynxHead.FindKey({8, 2}));
    synx->SynxID = Fourteen;
    synx->EntryToShow = 10;
    testing::AssertionResult jumped = testing::AssertionFailure() << "never shown";
    QTimer::singleShot(500, synx, [&] {
        const int pos = synx->rchedtSynx->Text().indexOf(QStringLiteral("[10] Entry 10"));
        jumped = RichEditView::JumpedTo(*synx->rchedtSynx, pos);
        synx->close();
    });
    ShowModal(synx);
    EXPECT_TRUE(jumped);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SynxOnX11, ALinkedEntryWithoutItsDayStaysClosed) {
    link->SynxID = 99; // no such day
    link->EntryNumber = 1;
    // Should the window open after all, this ends its modal show.
    bool closedByTimer = false;
    QTimer::singleShot(3000, link, [&] {
        closedByTimer = true;
        link->close();
    });
    const int result = ShowModal(link);
    EXPECT_FALSE(closedByTimer);
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(link->isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Synxarim Table Error")));
}

TEST_F(SynxOnX11, ADoubleClickOnARowOpensItsEntryOnce) {
    auto* search = windows.Make(frmSynxSearchResults);
    auto* saints = windows.Make(frmSynxShowSaints);
    search->SearchText = "righteous"; // one result: Tut 1, entry 2
    const struct {
        const char* name;
        QWidget* window;
        QAbstractItemView* list;
        std::function<int()> row;
        int synxID, entry;
    } rows[] = {
        {"result", search, search->lstbxSearchResults, [] { return 0; }, Fixture::SynxTut1, 2},
        {"saint", saints, saints->dbgrdSynxSaints,
         [saints] {
             saints->edtSearch->setText("john");
             saints->SeekKeyword();
             return MainDM->tblSynxSaints.RecNo() - 1;
         },
         Fixture::SynxTut2, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QList<std::pair<int, int>> opened; // day and entry of each entry opened
        QTimer closeEntry;
        QObject::connect(&closeEntry, &QTimer::timeout, [&] {
            if (link->isVisible()) {
                opened.append({link->SynxID, link->EntryNumber});
                link->close();
            }
        });
        closeEntry.start(20);
        QTimer::singleShot(300, r.window, [&] {
            const QModelIndex at = r.list->model()->index(r.row(), 0);
            r.list->scrollTo(at);
            const QPoint p = r.list->viewport()->mapToGlobal(r.list->visualRect(at).center());
            Xdo({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "--repeat",
                 "2", "--delay", "60", "1"});
            Pause(1500);
            r.window->close();
        });
        ShowModal(r.window);
        using TOpened = QList<std::pair<int, int>>;
        EXPECT_EQ(opened, (TOpened{{r.synxID, r.entry}}));
    }
}
