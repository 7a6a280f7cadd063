// The one-chapter window and the reader hub on the fixture books: verse
// selection, highlighted words and phrases, find next to the end, stepping
// at the ends of a book, the hub's filters, a one-chapter book and errors.

#include "BibleChapter.h"
#include "BibleFixture.h"
#include "BibleMain.h"
#include "Building.h"
#include "DMMain.h"
#include "DayState.h"
#include "FixtureDb.h"
#include "PrintRich.h"
#include "RadioGroup.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "ScriptedDialogs.h"
#include "TestWindows.h"
#include "support/RichEditView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace Fixture;
using namespace BibleFixture;

namespace {

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

class BibleWindow : public BibleTest {
protected:
    void SetUp() override {
        BibleTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12);
        DayState = &state;
        windows.Make(frmPrintRich);
        windows.Make(frmBuilding);
        chapter = windows.Make(frmBibleChapter);
        hub = windows.Make(frmBibleMain);
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        BibleTest::TearDown();
    }

    // Opens the chapter window as the readings window does on a citation.
    void OpenChapter(int book, const QString& name, int chap, int verse, bool select,
                     const std::function<void()>& whileOpen = {}) {
        TfrmBibleChapter& w = *chapter;
        w.BookID = book;
        w.BookName = name;
        w.Chapter = chap;
        w.FirstChapter = MainDM->GetFirstChapter(book);
        w.LastChapter = MainDM->GetLastChapter(book);
        w.TargetVerse = verse;
        TTable& bible = MainDM->tblBible;
        w.VerseLength = verse > 0 && bible.FindKey({book, chap, verse})
                            ? int(bible.FieldByName("Text")->AsString().size())
                            : 0;
        w.SelectVerse = select;
        dialogs.WhileModal = [&](QWidget*) {
            if (whileOpen)
                whileOpen();
        };
        ShowModal(&w);
        dialogs.WhileModal = nullptr;
    }

    // Colour and boldness of the character at pos of a rich edit.
    static QColor ColorAt(TRichEdit* e, int pos) {
        e->SetSelStart(pos);
        e->SetSelLength(1);
        return e->SelAttributes().Color();
    }
    static bool BoldAt(TRichEdit* e, int pos) {
        e->SetSelStart(pos);
        e->SetSelLength(1);
        return (e->SelAttributes().Style() & fsBold) != 0;
    }

    QStringList ComboBooks() {
        QStringList names;
        for (int i = 0; i < hub->dblkupcmbxBibleBooks->count(); ++i)
            names << hub->dblkupcmbxBibleBooks->itemText(i);
        return names;
    }
    void ChooseBook(const QString& name) {
        const int index = hub->dblkupcmbxBibleBooks->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        hub->dblkupcmbxBibleBooks->setCurrentIndex(index);
        emit hub->dblkupcmbxBibleBooks->activated(index);
    }

    TDayState state;
    TTestWindows windows;
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope dialogScope{dialogs};
    TfrmBibleChapter* chapter = nullptr;
    TfrmBibleMain* hub = nullptr;
};

} // namespace

TEST_F(BibleWindow, TargetVerseIsSelectedWithItsNumber) {
    // The number, the blank after it and the verse text, exactly, whatever
    // the length of the number.
    const struct {
        int book;
        const char* name;
        int chap, verse, lastVerse;
        QString text;
    } cases[] = {
        {Matthew, "Matthew", 1, 12, 25, VerseText(Matthew, 1, 12)},
        {Matthew, "Matthew", 1, 5, 25, VerseText(Matthew, 1, 5)},
        {OtherJob, "Other Job", 2, 176, 176, LongChapterVerse(176)},
    };
    for (const auto& c : cases) {
        QString selected, caption;
        OpenChapter(c.book, c.name, c.chap, c.verse, true, [&] {
            selected = chapter->rchedtReadings->SelText();
            caption = chapter->lblBookAndChapter->text();
            EXPECT_EQ(chapter->FirstVerse, 1);
            EXPECT_EQ(chapter->LastVerse, c.lastVerse);
        });
        EXPECT_EQ(caption, QStringLiteral("%1 %2").arg(c.name).arg(c.chap));
        EXPECT_EQ(selected, QStringLiteral("%1 ").arg(c.verse) + c.text) << selected.toStdString();
        // Closing forgets the target; the next opening goes to the first verse.
        EXPECT_EQ(chapter->TargetVerse, 0);
        EXPECT_FALSE(chapter->SelectVerse);
        EXPECT_FALSE(frmBuilding->isVisible());
    }
}

TEST_F(BibleWindow, WordModeMarksWholeWordsInAnyCase) {
    chapter->edtHighlight->setText("LOVE light");
    chapter->chkbxAsPhrase->setChecked(false);
    OpenChapter(Matthew, "Matthew", 1, 0, false, [&] {
        TRichEdit* e = chapter->rchedtReadings;
        const QString text = e->Text();
        const int loved = text.indexOf("loved");
        const int love = text.indexOf("in love He");
        const int light = text.indexOf("light.");
        ASSERT_GT(loved, 0);
        EXPECT_EQ(ColorAt(e, loved), Black);
        EXPECT_EQ(ColorAt(e, love + 3), Blue);
        EXPECT_TRUE(BoldAt(e, love + 3));
        EXPECT_EQ(ColorAt(e, love + 7), Black);
        EXPECT_EQ(ColorAt(e, light), Blue);
        EXPECT_EQ(chapter->HighlightList, (QStringList{"LOVE", "LIGHT"}));
    });
}

TEST_F(BibleWindow, PhraseModeAndNoHighlight) {
    chapter->edtHighlight->setText(" in love ");
    chapter->chkbxAsPhrase->setChecked(true);
    OpenChapter(Matthew, "Matthew", 1, 0, false, [&] {
        TRichEdit* e = chapter->rchedtReadings;
        int at = e->Text().indexOf("Abide,in love");
        ASSERT_GT(at, 0);
        EXPECT_EQ(ColorAt(e, at + 6), Blue);
        EXPECT_EQ(ColorAt(e, at), Black);
        EXPECT_TRUE(BoldAt(e, at));
        // "No Highlight" rewrites the text plainly and disables the controls.
        chapter->chkbxNoHighlight->click();
        EXPECT_FALSE(chapter->edtHighlight->isEnabled());
        EXPECT_FALSE(chapter->btnHighlight->isEnabled());
        at = e->Text().indexOf("Abide,in love");
        EXPECT_EQ(ColorAt(e, at + 6), Black);
        chapter->chkbxNoHighlight->click();
        EXPECT_EQ(ColorAt(e, e->Text().indexOf("Abide,in love") + 6), Blue);
    });
    chapter->chkbxNoHighlight->setChecked(false);
}

// The highlight text, "As Phrase" and "Highlight Now" follow "No Highlight"
// whoever sets it: the user's click, or the next opener that unchecks it.
TEST_F(BibleWindow, HighlightControlsFollowTheNoHighlightBox) {
    const auto enabled = [&] {
        return QList<bool>{chapter->edtHighlight->isEnabled(), chapter->chkbxAsPhrase->isEnabled(),
                           chapter->btnHighlight->isEnabled()};
    };
    QList<bool> afterClick, reopened;
    OpenChapter(Matthew, "Matthew", 1, 0, false, [&] {
        chapter->chkbxNoHighlight->click();
        afterClick = enabled();
    });
    chapter->chkbxNoHighlight->setChecked(false); // as every opener does
    OpenChapter(Matthew, "Matthew", 2, 0, false, [&] { reopened = enabled(); });
    EXPECT_EQ(afterClick, (QList<bool>{false, false, false}));
    EXPECT_EQ(reopened, (QList<bool>{true, true, true}));
}

TEST_F(BibleWindow, FindNextWalksToTheEndThenWarns) {
    int finds = 0;
    QList<int> positions;
    OpenChapter(Matthew, "Matthew", 1, 0, false, [&] {
        chapter->edtSearch->setText("LIGHT");
        for (int i = 0; i < 10 && dialogs.Messages.isEmpty(); ++i) {
            chapter->btSearch->click();
            if (dialogs.Messages.isEmpty()) {
                ++finds;
                positions << chapter->rchedtReadings->SelStart();
                EXPECT_EQ(chapter->rchedtReadings->SelText().toUpper(), "LIGHT");
            }
        }
    });
    const QString text = chapter->rchedtReadings->Text().toUpper();
    EXPECT_EQ(finds, text.count("LIGHT"));
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, "No Further Match");
    EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
}

TEST_F(BibleWindow, SteppingStaysInTheBook) {
    QStringList captions;
    OpenChapter(Matthew, "Matthew", 3, 0, false, [&] {
        chapter->spdbtnNextDay->click();
        captions << chapter->lblBookAndChapter->text();
        chapter->spdbtnPrevDay->click();
        captions << chapter->lblBookAndChapter->text();
        EXPECT_EQ(chapter->rchedtReadings->SelStart(),
                  chapter->rchedtReadings->Text().indexOf("2:1") + 2);
        EXPECT_EQ(chapter->rchedtReadings->SelLength(), 0);
        chapter->spdbtnPrevDay->click();
        chapter->spdbtnPrevDay->click();
        captions << chapter->lblBookAndChapter->text();
    });
    EXPECT_EQ(captions, (QStringList{"Matthew 3", "Matthew 2", "Matthew 1"}));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

// A chapter is shown from its heading, after a choice in the hub and after
// a step; a target verse stands a few lines down with the lines before it,
// and stays there when highlighted anew. The windows are shorter than the
// chapters.
TEST_F(BibleWindow, ChaptersShowFromTheirHeadingAndVersesWithTheLinesBefore) {
    using namespace RichEditView;
    chapter->resize(640, 320);
    OpenChapter(Matthew, "Matthew", 1, 12, true, [&] {
        TRichEdit& e = *chapter->rchedtReadings;
        ASSERT_GT(e.verticalScrollBar()->maximum(), 0);
        EXPECT_TRUE(JumpedTo(e, e.Text().indexOf(":12") + 1));
        // Highlighting again keeps the view.
        const int top = TopLine(e);
        chapter->chkbxNoHighlight->click();
        EXPECT_EQ(TopLine(e), top);
        chapter->chkbxNoHighlight->click();
        chapter->spdbtnNextDay->click();
        EXPECT_EQ(TopLine(e), 0) << "[Chapter 2] in view";
        chapter->spdbtnPrevDay->click();
        EXPECT_EQ(TopLine(e), 0) << "[Chapter 1] in view";
    });
    hub->resize(800, 420);
    dialogs.WhileModal = [&](QWidget*) {
        TRichEdit& e = *hub->rchedtReadings;
        EXPECT_EQ(TopLine(e), 0) << "opening";
        ASSERT_GT(e.verticalScrollBar()->maximum(), 0);
        hub->spnedtChapter->setValue(2);
        EXPECT_EQ(TopLine(e), 0) << "chapter";
        hub->rdbtnNewTestament->click();
        EXPECT_EQ(TopLine(e), 0) << "scope";
        ChooseBook("Matthew");
        EXPECT_EQ(TopLine(e), 0) << "book";
    };
    ShowModal(hub);
    dialogs.WhileModal = nullptr;
}

TEST_F(BibleWindow, OneChapterBookWithDigitInItsName) {
    QString caption;
    OpenChapter(Psalm151, "Psalm 151", 1, 0, false, [&] {
        caption = chapter->lblBookAndChapter->text();
        chapter->spdbtnNextDay->click();
        chapter->spdbtnPrevDay->click();
        EXPECT_EQ(chapter->Chapter, 1);
    });
    EXPECT_EQ(caption, "Psalm 151");
}

TEST_F(BibleWindow, MissingVerseClosesTheProgressAndKeepsTheText) {
    OpenChapter(Broken, "Broken", 1, 3, true);
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    EXPECT_FALSE(frmBuilding->isVisible());
    EXPECT_EQ(chapter->TargetVerse, 0);
    // A step to the broken chapter: the caption and the next step stay with
    // the chapter the text shows.
    QString caption, text;
    int chap = 0;
    OpenChapter(Broken, "Broken", 2, 1, false, [&] {
        chapter->spdbtnPrevDay->click();
        caption = chapter->lblBookAndChapter->text();
        text = chapter->rchedtReadings->Text();
        chap = chapter->Chapter;
    });
    EXPECT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(caption, "Broken 2");
    EXPECT_EQ(chap, 2);
    EXPECT_TRUE(text.contains("2:1 Whole text.")) << text.toStdString();
}

// ---------------------------------------------------------------- the hub ---

TEST_F(BibleWindow, HubShowsTheFirstBookAndFiltersItsList) {
    QStringList all, nt, ot, dc, otNkjv;
    bool dcEnabled = true;
    QString text;
    ShowModal(hub);
    text = hub->rchedtReadings->Text();
    EXPECT_TRUE(text.contains("[Chapter 1]")) << text.toStdString();
    EXPECT_TRUE(text.contains("\r\n1:2 ")) << text.toStdString();
    EXPECT_TRUE(text.contains("[WEB]"));
    all = ComboBooks();
    EXPECT_EQ(hub->dblkupcmbxBibleBooks->currentText(), "Genesis");
    hub->rdbtnNewTestament->click();
    nt = ComboBooks();
    hub->rdbtnOldTestament->click();
    ot = ComboBooks();
    hub->rdbtnSecondCanonical->click();
    dc = ComboBooks();
    hub->chkbxNKJV->click();
    dcEnabled = hub->rdbtnSecondCanonical->isEnabled();
    EXPECT_TRUE(hub->rdbtnAllBooks->isChecked());
    hub->rdbtnOldTestament->click();
    otNkjv = ComboBooks();

    EXPECT_EQ(all.size(), 13);
    EXPECT_EQ(nt, (QStringList{"Matthew", "Mark", "Revelation"}));
    EXPECT_EQ(ot, (QStringList{"Genesis", "Psalms", "Proverbs", "Other Job", "Malachi",
                               "Prayer of Manasseh", "Psalm 151", "Broken"}));
    EXPECT_EQ(dc, (QStringList{"Tobit", "Baruch"}));
    EXPECT_FALSE(dcEnabled);
    EXPECT_EQ(otNkjv, (QStringList{"Genesis", "Psalms", "Proverbs", "Malachi", "Prayer of Manasseh",
                                   "Broken"}));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(BibleWindow, HubClampsTheChapterWithoutShowingItTwice) {
    ShowModal(hub);
    hub->rdbtnNewTestament->click();
    ChooseBook("Matthew");
    hub->spnedtChapter->setValue(3);
    EXPECT_TRUE(hub->rchedtReadings->Text().contains("[Chapter 3]"));
    int changes = 0;
    QObject::connect(hub->spnedtChapter, &QSpinBox::valueChanged, [&] { ++changes; });
    // A one-chapter book: the chapter is held at 1 without a change report.
    hub->rdbtnOldTestament->click();
    ChooseBook("Proverbs");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(hub->spnedtChapter->value(), 1);
    EXPECT_FALSE(hub->spnedtChapter->isEnabled());
    EXPECT_TRUE(hub->lblChapterRange->text().isEmpty());
    EXPECT_EQ(hub->spnedtChapter->toolTip(),
              "* * You Can Not Change the Chapter Number For Current Book * *");
    EXPECT_EQ(hub->lblChapter->toolTip(), hub->spnedtChapter->toolTip());
    ChooseBook("Genesis");
    EXPECT_TRUE(hub->spnedtChapter->isEnabled());
    EXPECT_EQ(hub->lblChapterRange->text(), "1 .. 2");
}

TEST_F(BibleWindow, HubVerseLabelsFollowTheChapterBox) {
    ShowModal(hub);
    hub->chkbxShowChapter->click(); // off
    const QString text = hub->rchedtReadings->Text();
    EXPECT_TRUE(text.contains("\r\n1:1 ")) << text.toStdString();
    EXPECT_TRUE(text.contains("\r\n2 ")) << text.toStdString();
    EXPECT_FALSE(text.contains("\r\n1:2 ")) << text.toStdString();
    hub->chkbxShowChapter->click();
}

TEST_F(BibleWindow, HubShowsTheTextAgainAfterAnError) {
    ShowModal(hub);
    ChooseBook("Broken");
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    EXPECT_FALSE(hub->rchedtReadings->isHidden());
    EXPECT_FALSE(frmBuilding->isVisible());
    // The boxes show what the text shows: the book and the chapter before.
    EXPECT_EQ(hub->dblkupcmbxBibleBooks->currentText(), "Genesis");
    EXPECT_EQ(hub->CurrentBookID(), Genesis);
    EXPECT_EQ(hub->spnedtChapter->value(), 1);
    EXPECT_EQ(hub->lblChapterRange->text(), "1 .. 2");
    hub->spnedtChapter->setValue(2);
    ChooseBook("Broken"); // its chapter 2 is whole
    EXPECT_TRUE(hub->rchedtReadings->Text().contains("2:1 Whole text."));
    hub->spnedtChapter->setValue(1);
    EXPECT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(hub->spnedtChapter->value(), 2);
    EXPECT_EQ(hub->dblkupcmbxBibleBooks->currentText(), "Broken");
    EXPECT_TRUE(hub->rchedtReadings->Text().contains("2:1 Whole text."));
}

TEST_F(BibleWindow, PrintAndSaveGoThroughThePrintHost) {
    QTemporaryDir dir;
    const QString name = dir.filePath("matthew");
    dialogs.SaveAnswers = {name};
    dialogs.PrintAnswers = {false};
    OpenChapter(Matthew, "Matthew", 2, 0, false, [&] {
        chapter->spdbtnPrint->click();
        chapter->spdbtnSaveAs->click();
    });
    EXPECT_EQ(dialogs.PrintCalls, 1);
    EXPECT_EQ(frmPrintRich->RichPrinter1->Header(), "Matthew 2");
    QFile saved(name + ".rtf");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf"));
    EXPECT_TRUE(rtf.contains(" speaks of grace and truth."));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(BibleWindow, HubTypedChapterBeyondTheBookIsHeldAtItsLast) {
    ShowModal(hub);
    ASSERT_EQ(hub->dblkupcmbxBibleBooks->currentText(), "Genesis"); // chapters 1 .. 2
    QLineEdit* edit = hub->spnedtChapter->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("3"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(hub->spnedtChapter->value(), 2);
    EXPECT_TRUE(hub->rchedtReadings->Text().contains("[Chapter 2]"));
}

TEST_F(BibleWindow, HubChapterClickTakesUpTheCurrentBook) {
    ShowModal(hub);
    ASSERT_EQ(hub->lblChapterRange->text(), "1 .. 2"); // Genesis
    // The list moved on to Matthew behind the hub's back.
    ASSERT_TRUE(MainDM->tblBookNamesFiltered.FindKey({70}));
    QLineEdit* edit = hub->spnedtChapter->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(hub->lblChapterRange->text(), "1 .. 3");
}

TEST_F(BibleWindow, HubHiddenScopeGroupFiltersByTheScopeButtons) {
    ShowModal(hub);
    EXPECT_TRUE(hub->rdgrpBibleBooks->isHidden());
    EXPECT_TRUE(hub->cmbxTextSize->isHidden());
    EXPECT_TRUE(hub->lblTextSize->isHidden());
    const QList<QRadioButton*> items = hub->rdgrpBibleBooks->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[3]->text(), "Second Canonical Only");
    hub->rdbtnNewTestament->setChecked(true); // checked without its own filtering
    ASSERT_EQ(ComboBooks().size(), 13);
    items[0]->click();
    EXPECT_EQ(ComboBooks(), (QStringList{"Matthew", "Mark", "Revelation"}));
}
