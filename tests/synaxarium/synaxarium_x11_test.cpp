// The Synaxarium windows through the real modal show, under Xvfb with Qt's
// X11 platform: the first opening at a late entry shows its heading where
// the jump put it, and a linked entry whose day is missing stays closed after
// its error box and hands control straight back to its opener.

#include "DayState.h"
#include "Dialogs.h"
#include "Environment.h"
#include "LinkSynx.h"
#include "RichEdit.h"
#include "Synx.h"
#include "SynxFixture.h"
#include "TableEngine.h"
#include "TestWindows.h"
#include "support/RichEditView.h"

#include <QGuiApplication>
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
