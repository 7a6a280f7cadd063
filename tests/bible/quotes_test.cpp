// The Bible windows on a book set as the sample Bible is: words next to
// typographic quotes are words, straight quotes typed find the typographic
// ones, and a verse of more than 4,000 characters is never cut.

#include "Bible.h"
#include "BibleChapter.h"
#include "BibleFixture.h"
#include "Building.h"
#include "DMMain.h"
#include "DayState.h"
#include "GridModel.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "ScriptedDialogs.h"
#include "Search.h"
#include "SearchRun.h"
#include "TestWindows.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

using namespace BibleFixture;

namespace {

const QColor Blue(0, 0, 255);

class QuotedBible : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override { AddQuotedRows(db); }
    void SetUp() override {
        MainDMTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12);
        DayState = &state;
        windows.Make(frmPrintRich);
        windows.Make(frmBuilding);
        chapter = windows.Make(frmBibleChapter);
        search = windows.Make(frmSearch);
        book = windows.Make(frmBible);
        dm().tblBookNamesFiltered.FindKey({63});
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        MainDMTest::TearDown();
    }

    // In the whole Bible.
    void Search(const QString& text, bool phrase, bool caseSensitive = false) {
        SearchRun::Run(*search, text, phrase, 0, caseSensitive);
    }
    QStringList Results(const char* field) {
        return SearchRun::Column(*search, QLatin1String(field));
    }

    // Runs whileOpen in the chapter of the quoted book, highlighted as given.
    void OpenChapter(const QString& highlight, bool asPhrase,
                     const std::function<void(TRichEdit*)>& whileOpen) {
        TfrmBibleChapter& w = *chapter;
        w.BookID = Quoted;
        w.BookName = QStringLiteral("Esther (Greek)");
        w.Chapter = w.FirstChapter = w.LastChapter = 1;
        w.edtHighlight->setText(highlight);
        w.chkbxNoHighlight->setChecked(false);
        w.chkbxAsPhrase->setChecked(asPhrase);
        dialogs.WhileModal = [&](QWidget*) { whileOpen(w.rchedtReadings); };
        ShowModal(&w);
        dialogs.WhileModal = nullptr;
    }
    static bool IsBlue(TRichEdit* e, int pos) {
        e->SetSelStart(pos);
        e->SetSelLength(1);
        return e->SelAttributes().Color() == Blue;
    }

    TDayState state;
    TTestWindows windows;
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope dialogScope{dialogs};
    TfrmBibleChapter* chapter = nullptr;
    TfrmSearch* search = nullptr;
    TfrmBible* book = nullptr;
};

TEST_F(QuotedBible, WordsNextToTypographicQuotesAreWords) {
    // Highlight: every "neighbor" of "neighbor’s" and the "covet" after “.
    int marked = 0;
    OpenChapter(QStringLiteral("covet neighbor"), false, [&](TRichEdit* e) {
        const QString text = e->Text();
        for (const QString& word : {QStringLiteral("covet"), QStringLiteral("neighbor")})
            for (qsizetype p = text.indexOf(word); p >= 0; p = text.indexOf(word, p + 1))
                marked += IsBlue(e, int(p)) && IsBlue(e, int(p + word.size() - 1)) ? 1 : 0;
        EXPECT_FALSE(IsBlue(e, int(text.indexOf(QStringLiteral("\u2019s house")))));
    });
    EXPECT_EQ(marked, 3);

    // All words: "neighbor’s" is NEIGHBOR and the omitted S.
    Search(QStringLiteral("neighbor\u2019s"), false);
    EXPECT_FALSE(search->lblNotFoundWords->isVisibleTo(search));
    EXPECT_EQ(search->lblOmittedWords->text(), "Omitted Words: S ");
    EXPECT_EQ(Results("Citation"), QStringList{"Esther (Greek) 1:1"});

    // Concordance: GOD stands in "God’s", not in "godly" before it.
    TTable& words = dm().tblBibleWords;
    ASSERT_TRUE(words.FindKey({QStringLiteral("GOD")}));
    TTable& verses = dm().tblWordVerse;
    bool seen = false;
    for (verses.First(); !verses.Eof(); verses.Next()) {
        if (verses.FieldByName("BookID")->AsInteger() != Quoted)
            continue;
        seen = true;
        EXPECT_EQ(verses.FieldByName("Word1")->AsString(), " God");
        EXPECT_EQ(verses.FieldByName("Verse2")->AsString(), QStringLiteral("\u2019s hand."));
    }
    EXPECT_TRUE(seen);
}

TEST_F(QuotedBible, StraightQuotesTypedFindTheTypographicOnes) {
    const struct {
        const char* typed;
        bool caseSensitive;
        QStringList found;
    } cases[] = {
        {"don't", false, {"Esther (Greek) 1:2"}},
        {"Lord's", false, {"Esther (Greek) 1:2"}},
        {"\"Don't be", true, {"Esther (Greek) 1:2"}},
        {"don't", true, {}},
        {"neighbor's.\"", false, {"Esther (Greek) 1:1"}},
        {"'the king's", false, {"Esther (Greek) 1:3"}},
        {"Don\u2019t", false, {"Esther (Greek) 1:2"}},
    };
    for (const auto& c : cases) {
        Search(QString::fromUtf8(c.typed), true, c.caseSensitive);
        EXPECT_EQ(Results("Citation"), c.found) << c.typed;
    }

    // The chapter window's find, and the phrase marked as stored.
    QString found;
    bool phraseMarked = false;
    OpenChapter(QStringLiteral("lord's"), true, [&](TRichEdit* e) {
        EXPECT_TRUE(chapter->FindNext(QStringLiteral("DON'T"), e, true));
        found = e->SelText();
        const int lords = int(e->Text().indexOf(QStringLiteral("Lord\u2019s")));
        phraseMarked = IsBlue(e, lords) && IsBlue(e, lords + 5) && !IsBlue(e, lords + 6);
    });
    EXPECT_EQ(found, QStringLiteral("Don\u2019t"));
    EXPECT_TRUE(phraseMarked);

    // The whole-book window's find.
    TfrmBible& w = *book;
    w.BookID = Quoted;
    w.BookName = QStringLiteral("Esther (Greek)");
    w.FirstChapter = w.LastChapter = 1;
    w.show();
    w.edtSearch->setText(QStringLiteral("your neighbor's."));
    w.btSearchClick();
    EXPECT_EQ(w.rchedtReadings->SelText(), QStringLiteral("your neighbor\u2019s."));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    w.close();
}

TEST_F(QuotedBible, LongVerseIsNeverCut) {
    const QString verse = QuotedVerse(3);
    ASSERT_GT(verse.size(), 4000);
    const QString line = QStringLiteral("(Esther (Greek) 1:3) ") + verse + QStringLiteral("\r\n");
    // Both result sets, their output text and the chapter window's selection.
    for (bool phrase : {true, false}) {
        Search(phrase ? QStringLiteral("so let it be done") : QStringLiteral("king"), phrase);
        ASSERT_EQ(Results("VerseText"), QStringList{verse}) << phrase;
        search->dbgrdSearch->selectionModel()->clear();
        EXPECT_TRUE(search->PrepareOutputText(QStringLiteral("Save")));
        EXPECT_EQ(search->rchedtReadings->Text(), line) << phrase;
        QString selected;
        dialogs.WhileModal = [&](QWidget*) { selected = chapter->rchedtReadings->SelText(); };
        search->dbgrdSearchCellClick();
        dialogs.WhileModal = nullptr;
        EXPECT_TRUE(selected.startsWith(QStringLiteral("3 ") + verse)) << phrase;
    }
    // The concordance's verse.
    ASSERT_TRUE(dm().tblBibleWords.FindKey({QStringLiteral("KING")}));
    dm().tblWordVerse.First();
    EXPECT_EQ(dm().tblWordVerse.FieldByName("Verse")->AsString(), verse);
}

} // namespace
