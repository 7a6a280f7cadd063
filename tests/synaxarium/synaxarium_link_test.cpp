// The linked entry opened from its four openers, the saints index's year and
// the icons list's move notice over a missing picture file.

#include "DMMain.h"
#include "DayState.h"
#include "FixtureDb.h"
#include "GridModel.h"
#include "LinkSynx.h"
#include "Picture.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "ScriptedDialogs.h"
#include "ShowIcons.h"
#include "Synx.h"
#include "SynxCommon.h"
#include "SynxFixture.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "TableEngine.h"
#include "TestWindows.h"
#include "UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace SynxFixture;

namespace {

class SynxLinked : public SynxTest {
protected:
    void SetUp() override {
        SynxTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.DayEngine->SetDate(QDate(2007, 4, 9));
        state.SelectedGregorianYear = 2007;
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12);
        DayState = &state;
        synx = windows.Make(frmSynx);
        link = windows.Make(frmLinkSynx);
        search = windows.Make(frmSynxSearchResults);
        saints = windows.Make(frmSynxShowSaints);
        dialogs.WhileModal = [this](QWidget* w) {
            if (w == link) {
                captions << link->windowTitle();
                texts << link->rchedtSynx->Text();
                shown << link->isVisible();
            }
        };
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        SynxTest::TearDown();
    }
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope{dialogs};
    TDayState state;
    TTestWindows windows;
    TfrmSynx* synx = nullptr;
    TfrmLinkSynx* link = nullptr;
    TfrmSynxSearchResults* search = nullptr;
    TfrmSynxShowSaints* saints = nullptr;
    QStringList captions, texts;
    QList<bool> shown;
};

} // namespace

TEST_F(SynxLinked, CaptionAndKeywordOfEachOpener) {
    // A related date of the Synaxarium window.
    synx->DateCaption = "Barmoudah 1";
    synx->OpenLinkedEntry(Fixture::SynxTut1, 1, "BARTHOLOMEW");
    ASSERT_EQ(captions.size(), 1);
    EXPECT_EQ(captions[0], "Linked From: Barmoudah 1, Link Keyword BARTHOLOMEW");
    EXPECT_EQ(link->LinkDateText, "Tut 1");
    EXPECT_EQ(link->PageHeading, "From the Coptic Synaxarium Readings for: Tut 1");
    EXPECT_EQ(link->EntryHeading, "[1] The Martyrdom of Saint Bartholomew the Apostle");
    EXPECT_FALSE(link->btnSynx1->isHidden());
    EXPECT_EQ(link->btnSynx1->toolTip(), "Icon for: St. Bartholomew");

    // A search result: the search text in capitals, no "Linked From".
    search->SearchText = "righteous";
    search->FullSearch = false;
    ShowModal(search);
    ASSERT_EQ(search->ResultKeys, QStringList{"1?2"});
    search->lstbxSearchResultsClick(0);
    ASSERT_EQ(captions.size(), 2);
    EXPECT_EQ(captions[1], "Search result for RIGHTEOUS");
    EXPECT_TRUE(link->btnSynx1->isHidden());
    EXPECT_TRUE(texts[1].contains("departed the righteous Job"));

    // A row of the saints index: its name.
    ShowModal(saints);
    saints->edtSearch->setText("john");
    saints->SeekKeyword();
    EXPECT_EQ(saints->pnlFound->text(), "Found");
    saints->OpenSelectedSaint();
    ASSERT_EQ(captions.size(), 3);
    EXPECT_EQ(captions[2], "Search result for JOHN THE BAPTIST");
    EXPECT_EQ(link->EntryHeading, "[1] The Martyrdom of Saint John the Baptist");
    // A divider row opens nothing but still sets the keyword.
    saints->edtSearch->setText("n");
    saints->SeekKeyword();
    saints->OpenSelectedSaint();
    EXPECT_EQ(captions.size(), 3);
    EXPECT_EQ(link->Keyword, "N");

    // The icons list: no keyword, no caption.
    OpenSynxEntry(Fixture::SynxKiahk29, 1);
    link->Keyword.clear();
    OpenSynxEntry(Fixture::SynxKiahk29, 1);
    ASSERT_EQ(captions.size(), 5);
    EXPECT_EQ(captions[4], "");
}

TEST_F(SynxLinked, HighlightedKeywordRunsAndMissingDay) {
    link->Keyword = "THE";
    OpenSynxEntry(Fixture::SynxTut2, 1);
    ASSERT_EQ(texts.size(), 1);
    // "the" is written in its own case; the rule of 108 hyphens follows.
    EXPECT_TRUE(texts[0].contains("On this day John the Baptist was martyred.\r\n" +
                                  QString(108, QLatin1Char('-')) + "\r\n"));
    const int at = link->rchedtSynx->Text().lastIndexOf("the Baptist");
    link->rchedtSynx->SetSelStart(at + 2);
    EXPECT_EQ(link->rchedtSynx->SelAttributes().Color(), QColor(0, 0, 255));
    link->chkbxShowSearchWord->setChecked(false);
    link->FillEntryText();
    link->rchedtSynx->SetSelStart(at + 2);
    EXPECT_EQ(link->rchedtSynx->SelAttributes().Color(), QColor(Qt::black));
    EXPECT_EQ(link->rchedtSynx->Text(), texts[0]);

    // A day without a head row: the error box, and the window stays closed
    // rather than show the entry of the opening before.
    OpenSynxEntry(99, 1);
    ASSERT_FALSE(dialogs.Messages.isEmpty());
    EXPECT_TRUE(dialogs.Messages.last().Text.startsWith("Synxarim Table Error"));
    EXPECT_EQ(shown, (QList<bool>{true, false}));
}

TEST_F(SynxLinked, SaintsYearRefreshesGregorianDatesOnly) {
    ShowModal(saints);
    TTable& t = dm().tblSynxSaints;
    auto rows = [&] {
        QStringList out;
        for (t.First(); !t.Eof(); t.Next())
            out << t.FieldByName("Name")->AsString() + "|" +
                       t.FieldByName("CopticMonthDay")->AsString() + "|" +
                       t.FieldByName("GregMonthDay")->AsString();
        return out;
    };
    dayState.gregorianYear = 2007;
    state.SelectedGregorianYear = 2007;
    const QStringList before = rows();
    EXPECT_EQ(saints->updwnSynxYear->Position(), 2007);
    saints->updwnSynxYear->Click(true);
    EXPECT_EQ(state.SelectedGregorianYear, 2008);
    dayState.gregorianYear = 2008;
    saints->updwnSynxYearClick();
    const QStringList after = rows();
    ASSERT_EQ(before.size(), after.size());
    bool changed = false;
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].section('|', 0, 1), after[i].section('|', 0, 1));
        changed = changed || before[i] != after[i];
    }
    EXPECT_TRUE(changed);

    // Opened again after the Synaxarium window took the year back, and once
    // after it chose another: the box and the grid's dates agree.
    auto gridDates = [&] {
        QStringList out;
        TGridModel* m = saints->Model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->FieldValue(r, "GregMonthDay").toString();
        return out.join(", ").toStdString();
    };
    auto datesOf = [](const QStringList& rows) {
        QStringList out;
        for (const QString& row : rows)
            out << row.section('|', 2);
        return out.join(", ").toStdString();
    };
    ASSERT_EQ(gridDates(), datesOf(after));
    for (const auto& [year, rows] : {std::pair{2007, before}, {2008, after}}) {
        dayState.gregorianYear = year;
        state.SelectedGregorianYear = quint16(year);
        ShowModal(saints);
        EXPECT_EQ(saints->updwnSynxYear->Position(), year);
        EXPECT_EQ(gridDates(), datesOf(rows)) << year;
    }
}

TEST_F(SynxLinked, MissingIconFileShowsAnEmptyPicture) {
    TfrmShowIcons icons;
    frmShowIcons = &icons;
    QTemporaryDir pictures;
    icons.PicturesFolder = pictures.path() + "/";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(pictures.filePath("bartholomew.jpg"), "JPG"));
    ShowModal(&icons);
    TQuery& q = dm().qrySynx;
    q.First(); // Saint One Icon: one.jpg is missing
    EXPECT_TRUE(icons.imgPicture->Empty());
    EXPECT_EQ(icons.lblSaintName->text(), "Saint One Icon");
    q.Next();
    EXPECT_FALSE(icons.imgPicture->Empty());
    q.Next(); // john.jpg is missing; the list moves on
    EXPECT_EQ(q.RecNo(), 3);
    EXPECT_TRUE(icons.imgPicture->Empty());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    // Find: empty text warns; "st." wraps.
    icons.btnSynxSearchAllClick();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, "Invalid Keyword");
    icons.edtSearch->setText("st.");
    icons.IconSearchFromTop = true;
    icons.btnSynxSearchAllClick();
    EXPECT_EQ(icons.pnlFound->text(), " Found ");
    EXPECT_EQ(q.RecNo(), 2);
    frmShowIcons = nullptr;
}

TEST_F(SynxLinked, IconsNavigatorMovesTheListAndNothingWhenClosed) {
    TfrmShowIcons icons;
    frmShowIcons = &icons;
    ShowModal(&icons);
    const auto buttons = icons.dbnvgtrSaintsIcons->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 4); // first, prior, next, last
    TQuery& q = dm().qrySynx;
    const int count = q.RecordCount();
    ASSERT_GT(count, 2);
    const struct {
        int button;
        int recNo;
    } steps[] = {{3, count}, {1, count - 1}, {0, 1}, {2, 2}};
    for (const auto& s : steps) {
        buttons[s.button]->click();
        EXPECT_EQ(q.RecNo(), s.recNo) << "button " << s.button;
    }
    q.Close();
    buttons[2]->click();
    EXPECT_FALSE(q.Active());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    frmShowIcons = nullptr;
}

TEST_F(SynxLinked, SynaxariumWindowCommands) {
    TfrmPrintRich host;
    frmPrintRich = &host;
    synx->setWindowTitle("The Coptic Synaxarium Readings for: Tut 5");
    synx->FillSynxEntries();
    // A cancelled print dialog prints nothing; the header is set all the same.
    synx->spdbtnPrintClick();
    EXPECT_EQ(dialogs.PrintCalls, 1);
    EXPECT_EQ(host.RichPrinter1->Header(), "The Coptic Synaxarium Readings for: Tut 5");
    EXPECT_EQ(PrintHeader("a\r\n\nb"), "a b");
    // The font: cancelled or not, the readings font takes the dialog's.
    dialogs.FontAnswers.push_back(QFont("DejaVu Sans", 15));
    synx->btnSetFontClick();
    EXPECT_EQ(state.ReadingsFont.pointSize(), 15);
    // through the shared dialog, which keeps the font for the next opening
    EXPECT_EQ(state.FontDialog1.Font, state.ReadingsFont);
    // Copy is enabled exactly with a selection.
    synx->rchedtSynx->SetSelStart(0);
    synx->PopupMenu1Change();
    EXPECT_FALSE(synx->mnuitmCopy->isEnabled());
    synx->mnuitmSelectAllClick();
    EXPECT_TRUE(synx->mnuitmCopy->isEnabled());
    // "Find" hands the text and the choice to the search window.
    synx->edtSynxSearchAll->setText("john");
    synx->chkbxSearchTitlesOnly->setChecked(true);
    synx->btnSynxSearchAllClick();
    EXPECT_EQ(search->SearchText, "john");
    EXPECT_TRUE(search->FullSearch);
    EXPECT_EQ(search->lblMatched->text(), "(1 matches) for \"john\"");
    frmPrintRich = nullptr;
}

TEST_F(SynxLinked, ALongSearchTextKeepsTheSearchWindowsWidth) {
    TfrmSynxSearchResults& w = *search;
    w.show();
    const int width = w.width();
    w.edtSynxSearchAll->setText(QString(500, u'm'));
    w.btnSynxSearchAllClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.width(), width);
    EXPECT_EQ(w.lblMatched->text(),
              QStringLiteral("(0 matches) for \"%1\"").arg(QString(500, u'm')));
    w.close();
}
