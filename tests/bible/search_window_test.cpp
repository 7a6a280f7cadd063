// The Bible search window, the concordance and the whole-book window on the
// fixture books: words searched once, omitted and unknown words, scopes of
// both modes, the phrase results grid, the output text and its reuse, the
// concordance's word jump and statistics, the whole book's tree and find.

#include "Bible.h"
#include "BibleChapter.h"
#include "BibleIndex.h"
#include "BibleMain.h"
#include "Building.h"
#include "DMMain.h"
#include "DayState.h"
#include "FixtureDb.h"
#include "GridModel.h"
#include "MainDMTest.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "ScriptedDialogs.h"
#include "Search.h"
#include "SearchRun.h"
#include "TestWindows.h"
#include "support/FullDisk.h"
#include "support/NoFileOverride.h"
#include "support/RichEditView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include <sqlite3.h>

using namespace Fixture;

namespace {

class SearchWindow : public MainDMTest {
protected:
    // AARON, the word a showing starts at when the edit says "666".
    void AddRows(TFixtureDatabase& db) override {
        db.Insert("BW.db", {"Hits", "Included", "WordID", "TheWord"}, {1, true, 20, "AARON"});
        db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {20, 1, Matthew, 70});
    }
    void SetUp() override {
        MainDMTest::SetUp();
        state.DayEngine = std::make_unique<TApaqty>();
        state.ReadingsFont = QFont(QStringLiteral("Times New Roman"), 12);
        DayState = &state;
        windows.Make(frmPrintRich);
        windows.Make(frmBuilding);
        windows.Make(frmBibleChapter);
        search = windows.Make(frmSearch);
        index = windows.Make(frmBibleIndex);
        book = windows.Make(frmBible);
        dm().tblBookNamesFiltered.FindKey({70}); // Matthew, by book order
    }
    void TearDown() override {
        windows.FreeAll();
        DayState = nullptr;
        MainDMTest::TearDown();
    }

    void Search(const QString& text, bool phrase, int scope, bool caseSensitive = false) {
        SearchRun::Run(*search, text, phrase, scope, caseSensitive);
    }
    QStringList Citations() { return SearchRun::Column(*search, QStringLiteral("Citation")); }

    TDayState state;
    TTestWindows windows;
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope dialogScope{dialogs};
    TfrmSearch* search = nullptr;
    TfrmBibleIndex* index = nullptr;
    TfrmBible* book = nullptr;
};

TEST_F(SearchWindow, AllWordsSearchesEachWordOnceAndListsTheOthers) {
    Search(QStringLiteral("light LIGHT Light the xyzzy"), false, 1);
    TfrmSearch& w = *search;
    // "the" is an omitted word, "xyzzy" unknown: neither narrows the result.
    EXPECT_EQ(w.lblOmittedWords->text(), "Omitted Words: THE ");
    EXPECT_TRUE(w.lblOmittedWords->isVisibleTo(&w));
    EXPECT_EQ(w.lblNotFoundWords->text(), "Words Not Found: XYZZY ");
    EXPECT_EQ(Citations(), QStringList({"Matthew 1:2", "Matthew 1:3", "Matthew 1:3", "Matthew 1:5",
                                        "Matthew 1:7"}));
    EXPECT_EQ(w.lblFoundRecs->text(), "5");
    EXPECT_EQ(w.BuildPrintHeader(), "Search For: LIGHT  In: New Testament Only");

    Search(QStringLiteral("god light"), false, 0);
    EXPECT_EQ(Citations(), QStringList({"Matthew 1:2"}));
    Search(QStringLiteral("god light in"), false, 0);
    EXPECT_EQ(Citations(), QStringList({"Matthew 1:2"}));
    // Only unsearchable words: no query, an empty grid.
    Search(QStringLiteral("the xyzzy"), false, 0);
    EXPECT_EQ(w.gridModel->rowCount(), 0);
    EXPECT_FALSE(dm().qrySearch.Active());
    // A phrase search of the same text omits nothing and finds its verses.
    Search(QStringLiteral("the xyzzy"), true, 0);
    EXPECT_FALSE(w.lblOmittedWords->isVisibleTo(&w));
    EXPECT_FALSE(w.lblNotFoundWords->isVisibleTo(&w));
    Search(QStringLiteral("the xyzzy"), false, 0);
    w.edtSearch->setText(QStringLiteral("x"));
    emit w.edtSearch->textEdited(QStringLiteral("x"));
    EXPECT_FALSE(w.lblOmittedWords->isVisibleTo(&w));
    // However long a word, the shown window keeps its width: the label
    // elides it.
    w.show();
    const int width = w.width();
    for (int length : {5000, 20000}) {
        Search(QString(length, QLatin1Char('q')) + QStringLiteral(" light"), false, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.width(), width) << length;
        EXPECT_TRUE(w.lblNotFoundWords->isVisibleTo(&w)) << length;
        EXPECT_EQ(w.lblNotFoundWords->text().size(), length + 18) << length;
        EXPECT_LE(w.lblNotFoundWords->width(), width) << length;
    }
}

// An all-words search without a searchable word (omitted, unknown, or none
// at all) shows no verse and says so in both counts, also after a search
// that found verses and a selected row.
TEST_F(SearchWindow, NoSearchableWordCountsNothing) {
    TfrmSearch& w = *search;
    for (const char* text : {"the", "%", "q"}) {
        Search(QStringLiteral("light"), false, 0);
        ASSERT_GT(w.gridModel->rowCount(), 1);
        w.dbgrdSearch->selectRow(1);
        w.UpdateSelectionCount();
        ASSERT_EQ(w.lblSelectCount->text(), "1");
        Search(QString::fromLatin1(text), false, 0);
        EXPECT_EQ(w.gridModel->rowCount(), 0) << text;
        EXPECT_EQ(w.lblFoundRecs->text(), "0") << text;
        EXPECT_EQ(w.lblSelectCount->text(), "0") << text;
    }
}

// Book 80 beside the fixture's 81, speaking of grace in its text and in the
// concordance.
class SearchScopes : public SearchWindow {
protected:
    void AddRows(TFixtureDatabase& db) override {
        db.Insert("BibleBooks.db",
                  {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
                  {80, "Baruch", 3, 55, 1, QString()});
        db.Insert("Bible.DB", {"ID", "BookID", "Chapter", "Verse", "Text"},
                  {10001, 80, 1, 1, "Baruch speaks of grace."});
        db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {6, 10001, 80, 55});
    }
};

TEST_F(SearchScopes, ScopesOfBothModesAndTheConcordance) {
    // "grace" is in every generated verse. The books at each edge, 27/28,
    // 66/67 and 80/81: above 80 counts with the Old Testament for the
    // all-words search and the concordance, with the deuterocanon for the
    // phrase search and the concordance.
    enum Mode { AllWords, Phrase, Concordance };
    struct Case {
        Mode mode;
        int scope;
        QStringList books; // in the order of the rows
    } cases[] = {
        {AllWords,
         0,
         {"Genesis", "Psalms", "Proverbs", "Malachi", "Tobit", "Baruch", "Prayer of Manasseh",
          "Matthew", "Mark", "Revelation"}},
        {AllWords, 1, {"Matthew", "Mark", "Revelation"}},
        {AllWords, 2, {"Genesis", "Psalms", "Proverbs", "Malachi", "Prayer of Manasseh"}},
        {AllWords, 3, {"Tobit", "Baruch", "Prayer of Manasseh"}},
        {AllWords, 4, {"Mark"}},
        {Phrase, 1, {"Matthew", "Mark", "Revelation"}},
        {Phrase, 2, {"Genesis", "Psalms", "Proverbs", "Malachi"}},
        {Phrase, 3, {"Tobit", "Baruch", "Prayer of Manasseh"}},
        {Phrase, 4, {"Mark"}},
        {Concordance, 1, {"Matthew", "Mark", "Revelation"}},
        {Concordance, 2, {"Genesis", "Proverbs", "Psalms", "Prayer of Manasseh", "Malachi"}},
        {Concordance, 3, {"Tobit", "Prayer of Manasseh", "Baruch"}},
        {Concordance, 4, {"Mark"}},
    };
    TfrmSearch& w = *search;
    w.show();
    w.dblkupcmbxBibleBooks->setCurrentIndex(w.dblkupcmbxBibleBooks->findData(Mark));
    index->show();
    index->dblkupcmbxBibleBooks->setCurrentIndex(index->dblkupcmbxBibleBooks->findData(Mark));
    for (const Case& c : cases) {
        QStringList books;
        if (c.mode == Concordance) {
            index->scopeButtons->button(c.scope)->click();
            index->edtSearch->setText(QStringLiteral("GRACE"));
            TTable& wv = dm().tblWordVerse;
            for (wv.First(); !wv.Eof(); wv.Next())
                books << wv.FieldByName("BookName")->AsString();
        } else {
            Search(QStringLiteral("grace"), c.mode == Phrase, c.scope);
            for (const QString& citation : Citations())
                books << citation.left(citation.lastIndexOf(' '));
            EXPECT_EQ(w.ShowsPhraseResults(), c.mode == Phrase);
        }
        books.removeDuplicates();
        EXPECT_EQ(books, c.books) << c.mode << " " << c.scope;
    }
    EXPECT_EQ(w.BuildPrintHeader(), "Search For: grace In (Book Name): Mark");
}

TEST_F(SearchWindow, PhraseSearchFillsTheResultsTableWithInputHeldOff) {
    TfrmSearch& w = *search;
    w.show();
    // While the scan lets messages run, the close button and the grid are
    // off and a click on the search button goes nowhere.
    bool heldDuringScan = false;
    int clicks = 0;
    QObject::connect(w.btSearch, &QPushButton::clicked, [&] { ++clicks; });
    QTimer::singleShot(0, [&] {
        heldDuringScan = !w.btnClose->isEnabled() && !w.dbgrdSearch->isEnabled();
        const QPointF at(w.btSearch->rect().center());
        QMouseEvent press(QEvent::MouseButtonPress, at, w.btSearch->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w.btSearch->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.btSearch, &press);
        QCoreApplication::sendEvent(w.btSearch, &release);
    });
    Search(QStringLiteral("Light"), true, 0, true);
    EXPECT_TRUE(heldDuringScan);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Citations().isEmpty()); // "Light" with a capital is in no fixture verse
    Search(QStringLiteral("light"), true, 0, true);
    EXPECT_EQ(Citations(),
              QStringList({"Matthew 1:2", "Matthew 1:3", "Matthew 1:5", "Matthew 1:7"}));
    EXPECT_EQ(dm().tblSearchResults.RecordCount(), 4);
    EXPECT_EQ(w.lblFoundRecs->text(), "4");
    EXPECT_TRUE(w.btnClose->isEnabled());
    EXPECT_TRUE(w.dbgrdSearch->isEnabled());
    EXPECT_FALSE(w.lblMessage->isVisibleTo(&w));
    EXPECT_EQ(w.BuildPrintHeader(), "Search For: light In: All Bible Books");
    // A new showing empties the results.
    w.close();
    w.show();
    EXPECT_EQ(dm().tblSearchResults.RecordCount(), 0);
}

TEST_F(SearchWindow, OutputTextOfSelectedOrAllVersesAndItsReuse) {
    TfrmSearch& w = *search;
    Search(QStringLiteral("light"), true, 1);
    ASSERT_EQ(w.gridModel->rowCount(), 4);
    const int currentBefore = dm().tblSearchResults.RecNo();
    // No selection: all verses, once; a second output reuses them.
    w.dbgrdSearch->selectionModel()->clear();
    EXPECT_TRUE(w.PrepareOutputText(QStringLiteral("Save")));
    const QString all = w.rchedtReadings->Text();
    EXPECT_TRUE(all.startsWith("(Matthew 1:2) God so loved the world; in love He gave light.\r\n"));
    EXPECT_EQ(all.count(QStringLiteral("\r\n")), 4);
    EXPECT_EQ(dm().tblSearchResults.RecNo(), currentBefore); // the cursor never moved
    w.rchedtReadings->SetSelStart(5);
    EXPECT_TRUE(w.PrepareOutputText(QStringLiteral("Save")));
    EXPECT_EQ(w.rchedtReadings->Text(), all);
    // Two rows selected, "Yes": only those, in the order of selection.
    w.dbgrdSearch->selectionModel()->select(
        w.gridModel->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w.dbgrdSearch->selectionModel()->select(
        w.gridModel->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(w.lblSelectCount->text(), "2");
    EXPECT_EQ(w.mnuCopySelection->text(), "Copy &Current Selection Only");
    const QString two = "(Matthew 1:5) Let the light come in.\r\n"
                        "(Matthew 1:2) God so loved the world; in love He gave light.\r\n";
    // Each output keeps the selection as the user made it: a second one
    // writes the same verses.
    for (int output = 1; output <= 2; ++output) {
        dialogs.MessageAnswers = {mrYes};
        EXPECT_TRUE(w.PrepareOutputText(QStringLiteral("Save")));
        EXPECT_EQ(dialogs.Messages.last().Text, "Save Current Selection Only?");
        EXPECT_EQ(w.rchedtReadings->Text(), two) << output;
        EXPECT_EQ(w.lblSelectCount->text(), "2") << output;
        EXPECT_EQ(w.gridModel->CurrentRow(), 2) << output; // the first selected row
    }
    // "No" after a selection writes all verses again.
    dialogs.MessageAnswers = {mrNo};
    EXPECT_TRUE(w.PrepareOutputText(QStringLiteral("Save")));
    EXPECT_EQ(w.rchedtReadings->Text(), all);
    // Nothing found: the warning and no output.
    Search(QStringLiteral("nowhere at all"), true, 0);
    dialogs.Messages.clear();
    EXPECT_FALSE(w.PrepareOutputText(QStringLiteral("Save")));
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "Can Not Perform This Task When There is No Verses Founded");
}

TEST_F(SearchWindow, APhraseSearchThatCannotWriteItsResultsSaysWhyAndRestoresTheWindow) {
    enum Fault {
        HeldByAnotherConnection,
        ReadOnlyFile,
        ReadOnlyFolder,
        RenamedWhileOpen,
        DiskFull
    };
    const QString folder = QDir(Session.UserDataFolder()).absolutePath();
    const QString file = QDir(folder).filePath(QStringLiteral("userdata.sqlite"));
    const TFullDisk fullDisk;
    const struct {
        Fault fault;
        QString says;
    } cases[] = {
        {HeldByAnotherConnection,
         QStringLiteral("The search results file \"%1\" is in use by another copy of the "
                        "program.\nClose the other copy of the program, then search again.")
             .arg(file)},
        {ReadOnlyFile, QStringLiteral("The search results file \"%1\" is read-only.\nMake the "
                                      "file writable, then search again.")
                           .arg(file)},
        {ReadOnlyFolder, QStringLiteral("The search results cannot be saved: the folder \"%1\" "
                                        "cannot be written.\nMake the folder writable, then "
                                        "search again.")
                             .arg(folder)},
        {RenamedWhileOpen,
         QStringLiteral("Table 'SRN.DB' of 'VelmEng4' in folder '%1' is missing from the "
                        "database file")
             .arg(folder)},
        // Full from the start: not even the lock file could be written.
        {DiskFull, QStringLiteral("The search results cannot be saved: the disk that holds \"%1\" "
                                  "is full.\nFree some space on it, then search again.")
                       .arg(fullDisk.Folder())},
    };
    TfrmSearch& w = *search;
    // The results table closed, to be opened again by the next showing.
    const auto closeResults = [&] {
        w.close();
        dm().tblSearchResults.Close();
        Session.CloseUnusedFiles();
    };
    for (const auto& c : cases) {
        if (c.fault == DiskFull && !fullDisk.Mounted()) {
            ADD_FAILURE() << "no full disk could be mounted for the test";
            continue;
        }
        Search(QStringLiteral("light"), true, 0);
        ASSERT_EQ(Citations().size(), 4);
        sqlite3* other = nullptr;
        std::optional<TNoFileOverride> noOverride;
        if (c.fault == HeldByAnotherConnection) {
            ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &other), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        } else if (c.fault == RenamedWhileOpen) {
            // Renamed under the open table while the scan runs: the write and
            // the count of the rows fail.
            ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &other), SQLITE_OK);
            QTimer::singleShot(0, [other] {
                EXPECT_EQ(sqlite3_exec(other, "ALTER TABLE SRN RENAME TO SRN_", 0, 0, 0),
                          SQLITE_OK);
            });
        } else if (c.fault == DiskFull) {
            closeResults();
            Session.SetUserDataFolder(fullDisk.Folder());
        } else {
            closeResults(); // the showing lets the fault pass
            QFile::setPermissions(c.fault == ReadOnlyFile ? file : folder,
                                  c.fault == ReadOnlyFile ? QFile::ReadOwner
                                                          : QFile::ReadOwner | QFile::ExeOwner);
            noOverride.emplace();
        }
        dialogs.Messages.clear();
        Search(QStringLiteral("grace"), true, 0);
        ASSERT_EQ(dialogs.Messages.size(), 1) << c.fault;
        EXPECT_EQ(dialogs.Messages[0].Text.toStdString(), c.says.toStdString());
        // The window is usable again: nothing disabled, nothing left up.
        EXPECT_TRUE(w.btnClose->isEnabled()) << c.fault;
        EXPECT_TRUE(w.dbgrdSearch->isEnabled()) << c.fault;
        EXPECT_FALSE(w.lblMessage->isVisibleTo(&w)) << c.fault;
        EXPECT_FALSE(frmBuilding->isVisible()) << c.fault;
        // Nothing found rather than the earlier search's verses.
        EXPECT_EQ(Citations(), QStringList()) << c.fault;
        EXPECT_EQ(w.lblFoundRecs->text(), "0") << c.fault;
        Search(QStringLiteral("god light"), false, 0);
        EXPECT_EQ(Citations(), QStringList({"Matthew 1:2"})) << c.fault;
        noOverride.reset();
        if (c.fault == DiskFull) {
            closeResults();
            Session.SetUserDataFolder(folder);
        }
        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_exec(other, "ALTER TABLE SRN_ RENAME TO SRN", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        QFile::setPermissions(c.fault == ReadOnlyFile ? file : folder,
                              c.fault == ReadOnlyFile
                                  ? QFile::ReadOwner | QFile::WriteOwner
                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Once the fault is gone the same window searches again.
        Search(QStringLiteral("light"), true, 0);
        EXPECT_EQ(Citations().size(), 4) << c.fault;
        EXPECT_EQ(dialogs.Messages.size(), 1) << c.fault;
    }
}

// ---- concordance -------------------------------------------------------------

TEST_F(SearchWindow, ConcordanceJumpsToWordsAndCountsTheirVerses) {
    TfrmBibleIndex& w = *index;
    w.show();
    w.edtSearch->setText(QStringLiteral("LI"));
    EXPECT_EQ(dm().tblBibleWords.FieldByName("TheWord")->AsString(), "LIGHT");
    // LIGHT: 7 hits in 4 verses (Matthew 1:2, 1:3 twice, 1:5, 1:7 once...).
    const int hits = dm().tblBibleWords.FieldByName("Hits")->AsInteger();
    const int verses = dm().tblWordVerse.RecordCount();
    EXPECT_EQ(w.pnlFound->text(),
              QStringLiteral("Founded: %1  times in  %2 Verses").arg(hits).arg(verses));
    EXPECT_EQ(w.dblkupcmbxBibleWords->currentText(), "LIGHT");
    // The context split around the word.
    dm().tblWordVerse.First();
    EXPECT_EQ(dm().tblWordVerse.FieldByName("Verse1")->AsString(),
              "God so loved the world; in love He gave ");
    EXPECT_EQ(dm().tblWordVerse.FieldByName("Word1")->AsString(), "light");
    EXPECT_EQ(dm().tblWordVerse.FieldByName("Verse2")->AsString(), ".");
    // A prefix no word begins with: red, the not-found banner.
    // "666" typed is a prefix like any other: no word begins with it.
    for (const char* typed : {"LIZ", "666"}) {
        w.edtSearch->setText(QString::fromLatin1(typed));
        EXPECT_EQ(w.pnlFound->text(), "* * * Word Not Found * * *") << typed;
        EXPECT_EQ(w.edtSearch->palette().color(QPalette::Text), QColor(0xFF, 0, 0)) << typed;
    }
    // A letter label clears the edit and jumps.
    w.LetterClick(QLatin1Char('W'));
    EXPECT_TRUE(w.edtSearch->text().isEmpty());
    EXPECT_EQ(dm().tblBibleWords.FieldByName("TheWord")->AsString(), "WORD");
    // Old Testament scope: the words of Matthew only are passed over while
    // the first letter stays.
    w.scopeButtons->button(2)->click();
    w.edtSearch->setText(QStringLiteral("G"));
    EXPECT_EQ(dm().tblBibleWords.FieldByName("TheWord")->AsString(), "GRACE");
    EXPECT_TRUE(w.pnlFound->text().startsWith("Founded in: "));
    w.close();
}

TEST_F(SearchWindow, CitationColumnsOnMoneyGreenAndTheWordInBlue) {
    const QColor moneyGreen(0xC0, 0xDC, 0xC0);
    Search(QStringLiteral("light"), false, 0);
    QAbstractItemModel* results = search->dbgrdSearch->model();
    ASSERT_GT(results->rowCount(), 1);
    EXPECT_EQ(results->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), moneyGreen);
    EXPECT_FALSE(results->index(1, 1).data(Qt::BackgroundRole).isValid());
    index->show();
    index->edtSearch->setText(QStringLiteral("LIGHT"));
    QAbstractItemModel* verses = index->dbgridWVerses->model();
    ASSERT_GT(verses->rowCount(), 1);
    EXPECT_EQ(verses->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), moneyGreen);
    EXPECT_EQ(verses->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    EXPECT_EQ(verses->index(1, 2).data(Qt::FontRole).value<QFont>(), index->lblWidth->font());
    index->close();
}

// Enter in each window's box does the window's action; on a selected
// result it opens the result's chapter, as a click does.
TEST_F(SearchWindow, EnterDoesTheWindowsAction) {
    TfrmBibleChapter& chapter = *frmBibleChapter;
    const auto findsLight = [](TRichEdit* e) {
        return
            [e] { return e->SelText() == "light" && e->SelStart() == e->Text().indexOf("light"); };
    };
    QStringList opened; // the chapters shown, at their selected verse
    const struct {
        const char* name;
        QWidget* window;
        std::function<QWidget*()> prepare; // gives the control Enter goes to
        std::function<bool()> done;
    } rows[] = {
        {"chapter find", &chapter,
         [&] {
             chapter.BookID = Matthew;
             chapter.BookName = QStringLiteral("Matthew");
             chapter.Chapter = chapter.FirstChapter = 1;
             chapter.LastChapter = 3;
             chapter.show();
             chapter.edtSearch->setText(QStringLiteral("light"));
             return chapter.edtSearch;
         },
         findsLight(chapter.rchedtReadings)},
        {"whole book find", book,
         [this] {
             book->BookID = Matthew;
             book->BookName = QStringLiteral("Matthew");
             book->FirstChapter = 1;
             book->LastChapter = 3;
             book->show();
             book->edtSearch->setText(QStringLiteral("light"));
             return book->edtSearch;
         },
         findsLight(book->rchedtReadings)},
        {"concordance word", index,
         [this] {
             index->show();
             index->edtSearch->setText(QStringLiteral("LI"));
             dm().tblBibleWords.Next(); // the list moved past the typed word
             return index->edtSearch;
         },
         [this] { return dm().tblBibleWords.FieldByName("TheWord")->AsString() == "LIGHT"; }},
        {"search result", search,
         [this] {
             Search(QStringLiteral("light"), false, 0);
             search->show();
             search->dbgrdSearch->selectRow(1);
             return search->dbgrdSearch;
         },
         [&] { return opened == QStringList{"Matthew 1, verse 3"}; }},
    };
    dialogs.WhileModal = [&](QWidget* w) {
        if (w == &chapter)
            opened << chapter.lblBookAndChapter->text() + ", verse " +
                          chapter.rchedtReadings->SelText().section(QLatin1Char(' '), 0, 0);
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QWidget* target = r.prepare();
        r.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(r.window));
        target->setFocus();
        EXPECT_FALSE(r.done());
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_TRUE(r.done());
        r.window->close();
    }
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

// ---- whole book -----------------------------------------------------------------

TEST_F(SearchWindow, WholeBookTreeScrollAndFind) {
    TfrmBible& w = *book;
    for (const auto& [id, name, prefix] :
         {std::tuple{Psalms, "Psalms", "Psalm "}, std::tuple{Mark, "Mark", "Chapter "}}) {
        w.BookID = id;
        w.BookName = QString::fromLatin1(name);
        w.FirstChapter = MainDM->GetFirstChapter(id);
        w.LastChapter = MainDM->GetLastChapter(id);
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Book Name: ") + name);
        QTreeWidgetItem* top = w.trvwCitiations->topLevelItem(0);
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->text(0), name);
        ASSERT_EQ(top->childCount(), 3);
        EXPECT_EQ(top->child(2)->text(0), QString::fromLatin1(prefix) + "3");
        // The caret on the first heading.
        EXPECT_EQ(w.rchedtReadings->SelStart(), w.rchedtReadings->Text().indexOf('['));
        w.trvwCitiations->setCurrentItem(top->child(1));
        w.trvwCitiationsClick();
        EXPECT_EQ(w.rchedtReadings->SelStart(),
                  w.rchedtReadings->Text().indexOf(QString::fromLatin1(prefix) + "2"));
        w.close();
        EXPECT_TRUE(w.rchedtReadings->Text().isEmpty());
    }
    w.show();
    w.edtSearch->setText(QStringLiteral("speaks"));
    w.btSearchClick();
    const int first = w.rchedtReadings->SelStart();
    EXPECT_EQ(first, w.rchedtReadings->Text().indexOf("speaks"));
    w.btSearchClick();
    EXPECT_GT(w.rchedtReadings->SelStart(), first);
    w.edtSearch->setText(QStringLiteral("nowhere"));
    w.btSearchClick();
    EXPECT_EQ(dialogs.Messages.last().Text, "No Further Match");
}

// The whole book opens on its first heading at the top; a chapter of the
// tree stands a few lines down, forward and back, in a window shorter than
// the book.
TEST_F(SearchWindow, WholeBookJumpsLeaveTheLinesBeforeInView) {
    using namespace RichEditView;
    TfrmBible& w = *book;
    w.BookID = Matthew;
    w.BookName = QStringLiteral("Matthew");
    w.FirstChapter = 1;
    w.LastChapter = 3;
    w.resize(640, 360);
    w.show();
    QCoreApplication::processEvents();
    TRichEdit& e = *w.rchedtReadings;
    ASSERT_GT(e.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(TopLine(e), 0);
    EXPECT_EQ(e.SelStart(), e.Text().indexOf('['));
    QTreeWidgetItem* top = w.trvwCitiations->topLevelItem(0);
    for (int chapterNode : {1, 2, 0}) {
        w.trvwCitiations->setCurrentItem(top->child(chapterNode));
        w.trvwCitiationsClick();
        const int pos = e.Text().indexOf(top->child(chapterNode)->text(0));
        EXPECT_EQ(e.SelStart(), pos);
        EXPECT_TRUE(JumpedTo(e, pos)) << chapterNode;
    }
    w.close();
}

} // namespace

TEST_F(SearchWindow, SearchAndConcordanceEditsSelectTheirTextOnAClick) {
    for (QLineEdit* edit : {search->edtSearch, index->edtSearch}) {
        QWidget* window = edit->window();
        window->show();
        edit->setText(QStringLiteral("light"));
        edit->deselect();
        QTest::mouseClick(edit, Qt::LeftButton);
        EXPECT_EQ(edit->selectedText(), "light") << window->objectName().toStdString();
        window->close();
    }
}

TEST_F(SearchWindow, ConcordanceContextColumnFitsTheGridOnTheFirstShow) {
    TfrmBibleIndex& w = *index;
    w.show();
    QCoreApplication::processEvents();
    QTableView* grid = w.dbgridWVerses;
    const int rest = grid->viewport()->width() - grid->columnWidth(0) - grid->columnWidth(2);
    EXPECT_GT(rest / 2, 40);
    EXPECT_EQ(grid->columnWidth(1), rest / 2);
    w.close();
}
