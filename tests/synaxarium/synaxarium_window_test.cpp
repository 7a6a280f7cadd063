// The Synaxarium window on the fixture days: opening on the main window's day
// at an entry, the list of up to twelve entries with icons and related dates,
// a day without entry 1, keywords, stepping and the year up-down.

#include "DMMain.h"
#include "DayState.h"
#include "Environment.h"
#include "FixtureDb.h"
#include "RichEdit.h"
#include "ScriptedDialogs.h"
#include "Synx.h"
#include "SynxFixture.h"
#include "SynxText.h"
#include "TableEngine.h"
#include "UpDown.h"
#include "support/RichEditView.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace SynxFixture;

namespace {

const QString NL = QStringLiteral("\r\n");

class SynxWindow : public SynxTest {
protected:
    void SetUp() override {
        SynxTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12, QFont::Bold);
        DayState = &state;
        window = std::make_unique<TfrmSynx>();
        frmSynx = window.get();
    }
    void TearDown() override {
        window.reset();
        DayState = nullptr;
        SynxTest::TearDown();
    }

    // Opens the window as the main window does on the day synxID (month, day)
    // of date's year, at entry.
    void Open(int synxID, int entry, const QDate& date,
              const std::function<void()>& whileOpen = {}) {
        state.DayEngine->SetDate(date);
        const TTable& byID = MainDM->tblSynxHeadID;
        ASSERT_TRUE(MainDM->tblSynxHeadID.FindKey({synxID}));
        ASSERT_TRUE(MainDM->tblSynxHead.FindKey(
            {byID.FieldByName("Month")->AsInteger(), byID.FieldByName("Day")->AsInteger()}));
        w().EntryToShow = entry;
        w().SynxID = synxID;
        dialogs.WhileModal = [&](QWidget*) {
            if (whileOpen)
                whileOpen();
        };
        ShowModal(&w());
        dialogs.WhileModal = nullptr;
    }

    TfrmSynx& w() { return *window; }
    QString Text() { return w().rchedtSynx->Text(); }
    int VisibleSlots() {
        int n = 0;
        for (int k = 1; k <= MaxSynxEntries; ++k)
            n += w().lblSynx[k]->isHidden() ? 0 : 1;
        return n;
    }
    // Any control of slots from..12 that is shown.
    bool AnyShownFrom(int from) {
        for (int k = from; k <= MaxSynxEntries; ++k)
            if (!w().lblSynx[k]->isHidden() || !w().btnSynx[k]->isHidden() ||
                !w().lblLink[k]->isHidden() || !w().lblLinkB[k]->isHidden())
                return true;
        return false;
    }

    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope dialogScope{dialogs};
    TDayState state;
    std::unique_ptr<TfrmSynx> window;
};

} // namespace

TEST_F(SynxWindow, OpensOnTheMainDayAtItsEntry) {
    int listHeight = 0;
    Open(Three, 3, QDate(2007, 4, 9), [&] { listHeight = w().scrlbxTop->height(); });
    EXPECT_EQ(w().DateCaption, "Barmoudah 1");
    EXPECT_EQ(w().lblSynxDate->text(), "Barmoudah 1");
    EXPECT_EQ(w().windowTitle(), "The Coptic Synaxarium Readings for: Barmoudah 1");
    EXPECT_EQ(w().lblSynxDateGreg->text(), "April 9");
    EXPECT_EQ(w().lblSynxDateGreg->toolTip(), "April 9, 2007");
    EXPECT_EQ(state.SelectedGregorianYear, 2007);
    EXPECT_EQ(w().updwnSynxYear->Position(), 2007);
    EXPECT_EQ(w().edtGregYear->text(), "2007");

    const QString rule = SynxRule();
    EXPECT_TRUE(Text().startsWith(
        rule + NL + "\t\tThe Coptic Synaxarium Readings for: Barmoudah 1" + NL + rule + NL +
        "[1] Three One" + NL + rule + NL + "The first story." + NL + rule))
        << Text().toStdString();
    EXPECT_EQ(w().rchedtSynx->SelStart(), Text().indexOf("[3] Three Three"));

    // Three slots and a list of 30 + 3 x 19 pixels.
    EXPECT_EQ(VisibleSlots(), 3);
    EXPECT_FALSE(AnyShownFrom(4));
    EXPECT_EQ(listHeight, 87);
    EXPECT_EQ(w().lblSynx[1]->text(), "1- Three One");
    EXPECT_EQ(w().lblSynx[1]->toolTip(), "1- Three One");
    EXPECT_FALSE(w().btnSynx[1]->isHidden());
    EXPECT_EQ(w().btnSynx[1]->toolTip(), "Icon for: Saint One Icon");
    EXPECT_EQ(w().EntryPictureFile[1], "one.jpg");
    EXPECT_EQ(w().EntryPictSaintName[1], "Saint One Icon");
    EXPECT_TRUE(w().btnSynx[2]->isHidden());
    EXPECT_EQ(w().btnSynx[2]->toolTip(), "");
    EXPECT_EQ(w().EntryPictureFile[2], "");

    // Related dates: A of slot 1 to Tut 1 [2], B to a date without a head row.
    struct Link {
        int slot;
        bool b;
        const char* caption; // nullptr: hidden
        int headID, number;
    } links[] = {
        {1, false, "Tut 1", Fixture::SynxTut1, 2},
        {1, true, "Hatour 7", 0, 1},
        {2, false, nullptr, 0, 0},
        {2, true, "Barmoudah 2", Fourteen, 4},
        {3, false, nullptr, 0, 0},
        {3, true, "Tut 2", Fixture::SynxTut2, 1},
    };
    for (const Link& l : links) {
        QLabel* label = l.b ? w().lblLinkB[l.slot] : w().lblLink[l.slot];
        EXPECT_EQ(label->isHidden(), l.caption == nullptr) << l.slot << l.b;
        if (l.caption) {
            EXPECT_EQ(label->text(), l.caption);
        }
        EXPECT_EQ(l.b ? w().LinkHeadIDB[l.slot] : w().LinkHeadID[l.slot], l.headID);
        EXPECT_EQ(l.b ? w().LinkEntryNumberB[l.slot] : w().LinkEntryNumber[l.slot], l.number);
    }
}

TEST_F(SynxWindow, TwelveOfMoreEntries) {
    int listHeight = 0;
    Open(Fourteen, 12, QDate(2007, 4, 10), [&] { listHeight = w().scrlbxTop->height(); });
    EXPECT_EQ(VisibleSlots(), 12);
    EXPECT_EQ(w().lblSynx[12]->text(), "12- Entry 12");
    EXPECT_EQ(listHeight, 250);
    EXPECT_TRUE(Text().contains("[12] Entry 12"));
    EXPECT_FALSE(Text().contains("[13]"));
    EXPECT_FALSE(Text().contains("Entry 13"));
    EXPECT_EQ(w().rchedtSynx->SelStart(), Text().indexOf("[12] Entry 12"));

    // A click on a slot's label jumps to its entry; a missing one says so.
    w().lblSynxClick(4);
    EXPECT_EQ(w().rchedtSynx->SelStart(), Text().indexOf("[4] Entry 4"));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    w().FillSynxEntries();
    w().rchedtSynx->Clear();
    w().lblSynxClick(4);
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, "Not Found");
}

// Opened at a late entry, the window shows its heading a few lines down with
// the story below it, already on the first opening (the text is written
// before the window first appears); a click on a slot's label likewise.
TEST_F(SynxWindow, EntryHeadingsStandAFewLinesDownWithTheirStory) {
    using RichEditView::JumpedTo;
    Open(Fourteen, 10, QDate(2007, 4, 10), [&] {
        TRichEdit& e = *w().rchedtSynx;
        EXPECT_TRUE(JumpedTo(e, Text().indexOf("[10] Entry 10")));
        for (int slot : {4, 11, 2}) {
            w().lblSynxClick(slot);
            EXPECT_TRUE(JumpedTo(e, Text().indexOf(QStringLiteral("[%1] Entry").arg(slot))))
                << slot;
        }
    });
}

TEST_F(SynxWindow, DayWithoutEntryOneHidesEverySlot) {
    Open(Three, 1, QDate(2007, 4, 9));
    ASSERT_EQ(VisibleSlots(), 3);
    w().StepDay(true);
    w().StepDay(true);
    EXPECT_EQ(w().SynxID, NoFirst);
    EXPECT_EQ(w().lblSynxDate->text(), "Barmoudah 3");
    // Nothing of the previous day stays listed or clickable.
    EXPECT_FALSE(AnyShownFrom(1));
    EXPECT_EQ(Text(), SynxRule() + NL + "\t\tThe Coptic Synaxarium Readings for: Barmoudah 3" + NL);
    EXPECT_EQ(w().rchedtSynx->SelStart(), 0);
}

TEST_F(SynxWindow, EveryEntryGetsItsOwnKeyword) {
    // Slot 3 of Barmoudah 2 has a keyword; slot 3 of Barmoudah 1 has only a
    // related date B and no keyword, slot 2 only B and a keyword.
    Open(Fourteen, 1, QDate(2007, 4, 10));
    EXPECT_EQ(w().EntryKeyword[3], KeywordFourteen3);
    w().StepDay(false);
    ASSERT_EQ(w().SynxID, Three);
    EXPECT_EQ(w().EntryKeyword[1], KeywordThree1);
    EXPECT_EQ(w().EntryKeyword[2], KeywordThree2);
    EXPECT_EQ(w().EntryKeyword[3], "");
}

TEST_F(SynxWindow, StepsStopAtTheEndsAndKeepTheEntry) {
    Open(Fixture::SynxTut1, 2, QDate(2006, 9, 11));
    w().StepDay(false);
    EXPECT_EQ(w().SynxID, Fixture::SynxTut1);
    EXPECT_EQ(w().lblSynxDate->text(), "Tut 1");
    EXPECT_EQ(w().rchedtSynx->SelStart(), Text().indexOf("[2] The Departure"));

    // Tut 2 has no entry [2]: its text stays at the start.
    w().StepDay(true);
    EXPECT_EQ(w().SynxID, Fixture::SynxTut2);
    EXPECT_EQ(w().DateCaption, "Tut 2");
    EXPECT_EQ(w().windowTitle(), "The Coptic Synaxarium Readings for: Tut 2");
    EXPECT_EQ(w().lblSynxDateGreg->text(), "September 12");
    EXPECT_EQ(w().rchedtSynx->SelStart(), 0);
    EXPECT_EQ(w().EntryToShow, 2);

    Open(Last, 1, QDate(2007, 9, 10));
    w().StepDay(true);
    EXPECT_EQ(w().SynxID, Last);
    EXPECT_EQ(w().lblSynxDate->text(), "Nasi 5");
    w().StepDay(false);
    EXPECT_EQ(w().SynxID, NoFirst);
}

TEST_F(SynxWindow, YearUpDownChangesTheGregorianDateOnly) {
    Open(Fixture::SynxTut1, 1, QDate(2006, 9, 11));
    EXPECT_EQ(w().lblSynxDateGreg->text(), "September 11");
    const QString text = Text();
    const QString first = w().lblSynx[1]->text();

    w().updwnSynxYear->Click(true);
    EXPECT_EQ(state.SelectedGregorianYear, 2007);
    EXPECT_EQ(w().lblSynxDateGreg->text(), "September 12");
    EXPECT_EQ(w().lblSynxDateGreg->toolTip(), "September 12, 2007");
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(w().lblSynx[1]->text(), first);

    // A typed year counts from the next click; the limits hold without wrap.
    w().edtGregYear->setText("2010");
    EXPECT_EQ(state.SelectedGregorianYear, 2007);
    w().updwnSynxYear->Click(false);
    EXPECT_EQ(state.SelectedGregorianYear, 2009);
    EXPECT_EQ(w().edtGregYear->text(), "2009");
    EXPECT_EQ(w().lblSynxDateGreg->text(), "September 11");
    w().edtGregYear->setText("5000");
    w().updwnSynxYear->Click(true);
    EXPECT_EQ(state.SelectedGregorianYear, 5000);
    w().edtGregYear->setText("1900");
    w().updwnSynxYear->Click(false);
    EXPECT_EQ(state.SelectedGregorianYear, 1900);

    // The next opening takes the main day's year again.
    Open(Fixture::SynxTut1, 1, QDate(2006, 9, 11));
    EXPECT_EQ(state.SelectedGregorianYear, 2006);
    EXPECT_EQ(w().lblSynxDateGreg->text(), "September 11");
}

TEST_F(SynxWindow, LargeFontsScaleTheWindow) {
    TEnvironment screen;
    screen.ScreenMetrics = [] { return TScreenMetrics{1920, 1200, 144}; };
    TEnvironmentScope scope(screen);
    Open(Fixture::SynxTut1, 1, QDate(2006, 9, 11));
    EXPECT_EQ(w().width(), 1215);
    EXPECT_EQ(w().height(), 900);
}
