// The Bible search window: both searches, opening a found verse, and the
// output text of the found verses.

#include "Search.h"

#include "BibleChapter.h"
#include "BibleMain.h"
#include "BibleText.h"
#include "Building.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "GridModel.h"
#include "InputHold.h"
#include "PhraseSearch.h"
#include "PrintRich.h"
#include "ReadingsRules.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "Shell.h"
#include "Tokens.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <stdexcept>

TfrmSearch* frmSearch = nullptr;

namespace {

// Time between two shows of the phrase search's progress.
constexpr int kProgressPumpMs = 50;

const QString NoVersesMessage =
    QStringLiteral("Can Not Perform This Task When There is No Verses Founded");

QString asciiUpper(const QString& s) {
    return PhraseNeedle(s, false);
}

void showBuilding() {
    if (frmBuilding != nullptr)
        frmBuilding->show();
}

void closeBuilding() {
    if (frmBuilding != nullptr)
        frmBuilding->close();
}

void setProgressLabel(const QString& text) {
    if (frmBuilding != nullptr)
        frmBuilding->lblProgress->setText(text);
}

} // namespace

TfrmSearch::~TfrmSearch() = default;

int TfrmSearch::TextSize() const {
    const QFont f = DayState != nullptr ? DayState->ReadingsFont : font();
    return f.pointSize() > 0 ? f.pointSize() : 12;
}

void TfrmSearch::ShowBanner(bool on) {
    if (on) {
        lblMessage->setText(QStringLiteral("Please Wait"));
        lblMessage->setStyleSheet(QStringLiteral("background: #FFFF00; color: black;"));
    }
    lblMessage->setVisible(on);
}

// ------------------------------------------------------------ showing ---

void TfrmSearch::FormShow() {
    FocusOnOpening(edtSearch);
    const QSize large = LargeFontsSize({800, 600});
    resize(large.isEmpty() ? QSize(800, 600) : large);
    TMainDM& dm = *MainDM;
    dm.tblBibleByID.Open();
    dm.tblBibleOmittedWords.Open();
    try {
        dm.tblSearchResults.Open();
        TWriteBatch batch(dm.tblSearchResults);
        dm.tblSearchResults.EmptyTable();
        batch.Commit();
    } catch (const EDatabaseError&) {
        // Another copy of the program may hold the results, or their file
        // cannot be written: the all-words search needs none of it, and the
        // phrase search tries again and tells the user what to do.
    }
    lblFoundRecs->setText(QStringLiteral("0"));
    lblNotFoundWords->hide();
    lblOmittedWords->hide();

    TTable& books = dm.tblBookNamesFiltered;
    SavedBookFilter = books.Filter();
    SavedBookOrder =
        books.IsEmpty() ? 0 : books.FieldByName(QStringLiteral("BookOrder"))->AsInteger();
    SavedBookID = books.IsEmpty() ? 0 : books.FieldByName(QStringLiteral("ID"))->AsInteger();
    books.SetFilter(QString());
    FillBookCombo();

    dblkupcmbxBibleBooks->setCurrentIndex(dblkupcmbxBibleBooks->findData(SavedBookID));
    SetScopeIndex(4);
    rchedtReadings->Clear();
    AllVersesWritten = false;
    UpdateSelectionCount();
    // The phrase search reads the verse texts once: read them while the
    // user types, so the first search waits no longer than the next. A
    // failure here is met again, and shown, by the search itself.
    QTimer::singleShot(0, this, [this] {
        if (!phrase_)
            phrase_ = std::make_unique<TPhraseSearch>(*MainDM);
        RunQuietly([this] { phrase_->Load(); });
    });
}

void TfrmSearch::FillBookCombo() {
    TTable& books = MainDM->tblBookNamesFiltered;
    dblkupcmbxBibleBooks->clear();
    const TBookmark here = books.GetBookmark();
    for (books.First(); !books.Eof(); books.Next())
        dblkupcmbxBibleBooks->addItem(books.FieldByName(QStringLiteral("BookName"))->AsString(),
                                      books.FieldByName(QStringLiteral("ID"))->AsInteger());
    if (books.BookmarkValid(here))
        books.GotoBookmark(here);
}

int TfrmSearch::BookComboKey() const {
    return dblkupcmbxBibleBooks->currentData().toInt();
}

void TfrmSearch::FormClose() {
    TMainDM& dm = *MainDM;
    dm.tblBible.SetFilter(QString());
    dm.tblBookNamesFiltered.SetFilter(SavedBookFilter);
    dm.tblBookNamesFiltered.FindKey({SavedBookOrder});
}

// ------------------------------------------------------------ scopes ---

int TfrmSearch::ScopeIndex() const {
    return scopeButtons->checkedId();
}

void TfrmSearch::SetScopeIndex(int index) {
    if (QAbstractButton* b = scopeButtons->button(index))
        b->setChecked(true);
    dblkupcmbxBibleBooks->setEnabled(index == 4);
}

bool TfrmSearch::ShowsPhraseResults() const {
    return gridModel->DataSource() == &MainDM->dsSearchResults;
}

// -------------------------------------------------------- all words ---

bool TfrmSearch::LookupWordID(const QString& Word, int& WordID) {
    TTable& words = MainDM->tblBibleWords;
    if (words.FindKey({Word})) {
        WordID = words.FieldByName(QStringLiteral("WordID"))->AsInteger();
        return true;
    }
    WordID = -1;
    return false;
}

void TfrmSearch::SearchAllWords() {
    TMainDM& dm = *MainDM;
    dm.qrySearch.Close();
    showBuilding();
    ShowBanner(true);
    TScopeGuard finally([this, &dm] {
        gridModel->SetDataSource(&dm.dsSearch);
        dbgrdSearch->viewport()->update();
        closeBuilding();
        ShowBanner(false);
    });
    QCoreApplication::processEvents();

    SearchedWords.clear();
    NotFoundWords.clear();
    OmittedWords.clear();
    SearchWordList.clear();
    const QString text = edtSearch->text();
    const QString& delims = BibleText::BibleWordDelimiters;
    QList<int> ids, hits;
    // Split once: a text of a thousand words is searched as soon as a few.
    for (const QString& typed : ExtractWords(text, delims, false)) {
        const QString w = asciiUpper(typed);
        int id = -1;
        if (LookupWordID(w, id)) {
            const QString entry = w + QLatin1Char(',') + QString::number(id);
            if (!SearchWordList.contains(entry)) {
                SearchWordList << entry;
                ids << id;
                hits << dm.tblBibleWords.FieldByName(QStringLiteral("Hits"))->AsInteger();
                SearchedWords += w + QLatin1Char(' ');
            }
        } else if (dm.tblBibleOmittedWords.FindKey({w})) {
            OmittedWords += w + QLatin1Char(' ');
        } else {
            NotFoundWords += w + QLatin1Char(' ');
        }
    }
    lblOmittedWords->setText(QStringLiteral("Omitted Words: ") + OmittedWords);
    lblOmittedWords->setVisible(!OmittedWords.isEmpty());
    lblNotFoundWords->setText(QStringLiteral("Words Not Found: ") + NotFoundWords);
    lblNotFoundWords->setVisible(!NotFoundWords.isEmpty());
    QCoreApplication::processEvents();

    // With no searchable word no query runs and nothing is found.
    if (!ids.isEmpty()) {
        try {
            dm.OpenAllWordsSearch(ids, TMainDM::AllWordsScopeClause(ScopeIndex(), BookComboKey()),
                                  hits);
        } catch (const EDatabaseError& e) {
            // The query's own text is no message for the user.
            if (e.Cause() != TDbFailure::SqlText)
                throw;
            dm.qrySearch.Close();
            MessageDlg(QStringLiteral("These words cannot be searched for together."), mtError,
                       mbOK);
        }
    }
    lblFoundRecs->setText(QString::number(dm.qrySearch.Active() ? dm.qrySearch.RecordCount() : 0));
}

// ------------------------------------------------------------ phrase ---

void TfrmSearch::SearchPhrase() {
    TMainDM& dm = *MainDM;
    showBuilding();
    ShowBanner(true);
    dm.qrySearch.Close();
    gridModel->SetDataSource(&dm.dsSearch);
    dbgrdSearch->setEnabled(false);
    btnClose->setEnabled(false);
    bool written = false;
    TScopeGuard finally([this, &dm, &written] {
        // Step by step: a results table that could not be opened or read
        // must not keep the window disabled.
        TTable& results = dm.tblSearchResults;
        lblFoundRecs->setText(QStringLiteral("0")); // as the grid shows when the count fails
        closeBuilding();
        btnClose->setEnabled(true);
        dbgrdSearch->setEnabled(true);
        ShowBanner(false);
        RunQuietly([&] { dm.tblBible.SetFilter(QString()); });
        dbgrdSearch->viewport()->update();
        // A search that could not write its results shows none: the table
        // may still hold an earlier search's, which the typed text is not.
        if (!written)
            return;
        RunQuietly([&] { lblFoundRecs->setText(QString::number(results.RecordCount())); });
        RunQuietly([&] {
            if (results.Active())
                results.First();
        });
        RunQuietly([&] { gridModel->SetDataSource(&dm.dsSearchResults); });
    });
    QCoreApplication::processEvents();
    if (!phrase_)
        phrase_ = std::make_unique<TPhraseSearch>(dm);
    // Every 50 verses comes far oftener than a screen can show: the count
    // and the book move, and messages run, some twenty times a second.
    QElapsedTimer sincePump;
    sincePump.start();
    phrase_->Run(edtSearch->text(), chkbxCaseSensitive->isChecked(), ScopeIndex(), BookComboKey(),
                 [&](int found, const QString& bookName) {
                     if (sincePump.elapsed() < kProgressPumpMs)
                         return;
                     lblFoundRecs->setText(QString::number(found));
                     setProgressLabel(QStringLiteral("Searching: ") + bookName);
                     QCoreApplication::processEvents();
                     sincePump.restart();
                 });
    written = true;
}

void TfrmSearch::btSearchClick() {
    if (searching_)
        return;
    searching_ = true;
    // Clicks and keys of this window wait until the search has ended.
    TInputHold hold({this});
    TScopeGuard done([this] {
        searching_ = false;
        // The grid shows another result now, with its own selection.
        UpdateSelectionCount();
    });
    rchedtReadings->Clear();
    NotFoundWords.clear();
    OmittedWords.clear();
    // The labels say what this search left out; a phrase search leaves out
    // nothing, so an earlier search's words must not stay under it.
    lblOmittedWords->hide();
    lblNotFoundWords->hide();
    AllVersesWritten = false;
    if (chkBxLiteralSearch->isChecked())
        SearchPhrase();
    else
        SearchAllWords();
    dbgrdSearch->setFocus();
}

// ------------------------------------------------------ opening a verse ---

void TfrmSearch::dbgrdSearchCellClick() {
    UpdateSelectionCount();
    TDataSet* ds = gridModel->DataSet();
    if (ds == nullptr || !ds->Active() || ds->IsEmpty() || ds->Eof())
        return;
    const bool phrase = ShowsPhraseResults();
    const int book = ds->FieldByName(QStringLiteral("BookId"))->AsInteger();
    const QString verse = ds->FieldByName(QStringLiteral("versetext"))->AsString();
    TfrmBibleChapter& c = *frmBibleChapter;
    c.BookID = book;
    c.TranslationTag =
        ReadingsRules::TranslationTag(MainDM->tblBookNames, MainDM->tblBibleTranslations, book);
    c.BookName = ds->FieldByName(QStringLiteral("BookName"))->AsString();
    c.FirstChapter = MainDM->GetFirstChapter(book);
    c.LastChapter = MainDM->GetLastChapter(book);
    c.Chapter = ds->FieldByName(QStringLiteral("chapterNum"))->AsInteger();
    c.NewLinePerVerse = frmBibleMain != nullptr && frmBibleMain->chkbxNewLinePerVerse->isChecked();
    c.FontSize = TextSize();
    c.WithVerseNumbers = c.WithChapterInLabel = c.WithChapterHeadings = true;
    c.chkbxNoHighlight->setChecked(false);
    c.edtHighlight->setText(phrase ? edtSearch->text() : SearchedWords);
    c.chkbxAsPhrase->setChecked(phrase);
    c.TargetVerse = ds->FieldByName(QStringLiteral("versenum"))->AsInteger();
    c.VerseLength = int(verse.size());
    c.SelectVerse = true;
    ShowModal(&c);
}

void TfrmSearch::UpdateSelectionCount() {
    const int n = int(dbgrdSearch->selectionModel()->selectedRows().size());
    mnuCopySelection->setText(n < 2 ? QStringLiteral("Copy &Current Verse")
                                    : QStringLiteral("Copy &Current Selection Only"));
    lblSelectCount->setText(QString::number(n));
}

// -------------------------------------------------------------- output ---

QString TfrmSearch::VerseLine(const QString& citation, const QString& text) const {
    return QLatin1Char('(') + citation + QStringLiteral(") ") + text + QStringLiteral("\r\n");
}

bool TfrmSearch::WriteSelectedVerses() {
    rchedtReadings->Clear();
    try {
        showBuilding();
        ShowBanner(true);
        TScopeGuard finally([this] {
            closeBuilding();
            ShowBanner(false);
            AllVersesWritten = false;
        });
        TDataSet* ds = gridModel->DataSet();
        if (ds == nullptr || !ds->Active() || ds->IsEmpty())
            throw std::runtime_error("no verses");
        QItemSelectionModel* selection = dbgrdSearch->selectionModel();
        const QItemSelection chosen = selection->selection();
        QList<int> rows;
        for (const QModelIndex& i : selection->selectedRows())
            rows << i.row();
        if (rows.isEmpty())
            rows << gridModel->CurrentRow();
        QString text;
        for (int r : rows)
            text += VerseLine(gridModel->FieldValue(r, QStringLiteral("Citation")).toString(),
                              gridModel->FieldValue(r, QStringLiteral("VerseText")).toString());
        frmPrintRich->AddPlainText(rchedtReadings, text, TextSize());
        rchedtReadings->SetSelStart(0);
        gridModel->SelectRow(rows.first());
        // The cursor's move selects its row alone: the user's selection
        // stays for the next output.
        if (!chosen.isEmpty())
            selection->select(chosen, QItemSelectionModel::ClearAndSelect);
        return true;
    } catch (const std::exception&) {
        MessageDlg(NoVersesMessage, mtWarning, mbOK);
        return false;
    }
}

bool TfrmSearch::WriteAllVerses() {
    rchedtReadings->Clear();
    try {
        showBuilding();
        ShowBanner(true);
        TScopeGuard finally([this] {
            closeBuilding();
            ShowBanner(false);
        });
        TDataSet* ds = gridModel->DataSet();
        if (ds == nullptr || !ds->Active() || ds->IsEmpty())
            throw std::runtime_error("no verses");
        // Read through the grid's rows, so the dataset's cursor stays.
        const int count = gridModel->rowCount();
        QString text;
        for (int r = 0; r < count; ++r) {
            text += VerseLine(gridModel->FieldValue(r, QStringLiteral("Citation")).toString(),
                              gridModel->FieldValue(r, QStringLiteral("VerseText")).toString());
            if ((r + 1) % 50 == 0) {
                setProgressLabel(QStringLiteral("%1 of %2").arg(r + 1).arg(count));
                QCoreApplication::processEvents();
            }
        }
        setProgressLabel(QStringLiteral("Combining Verses, This May Take Several Minutes"));
        frmPrintRich->AddPlainText(rchedtReadings, text, TextSize());
        rchedtReadings->SetSelStart(0);
        AllVersesWritten = true;
        return true;
    } catch (const std::exception&) {
        MessageDlg(NoVersesMessage, mtWarning, mbOK);
        return false;
    }
}

bool TfrmSearch::PrepareOutputText(const QString& Verb) {
    if (!dbgrdSearch->selectionModel()->selectedRows().isEmpty() &&
        MessageDlg(Verb + QStringLiteral(" Current Selection Only?"), mtConfirmation,
                   mbYes | mbNo) == mrYes)
        return WriteSelectedVerses();
    if (AllVersesWritten)
        return true;
    return WriteAllVerses();
}

void TfrmSearch::CopyVerses(const QString& Verb) {
    rchedtReadings->Clear();
    bool ok;
    if (!dbgrdSearch->selectionModel()->selectedRows().isEmpty() &&
        MessageDlg(
            Verb + QStringLiteral(" Current Selection Only? (Note: Choose No to Have All Verses)"),
            mtConfirmation, mbYes | mbNo) == mrYes)
        ok = WriteSelectedVerses();
    else
        ok = WriteAllVerses();
    if (ok)
        CopyRichEditToClipboard();
}

void TfrmSearch::CopyRichEditToClipboard() {
    showBuilding();
    ShowBanner(true);
    TScopeGuard finally([this] {
        closeBuilding();
        ShowBanner(false);
    });
    rchedtReadings->SelectAll();
    rchedtReadings->CopyToClipboard();
}

QString TfrmSearch::BuildPrintHeader() const {
    static const QStringList scopes{
        QStringLiteral("All Bible Books"), QStringLiteral("New Testament Only"),
        QStringLiteral("Old Testament Only"), QStringLiteral("Deuterocanonical Only"),
        QStringLiteral("Selected  Book Only -=>>")};
    QString header =
        QStringLiteral("Search For: ") + (ShowsPhraseResults() ? edtSearch->text() : SearchedWords);
    const int scope = ScopeIndex();
    if (scope == 4)
        header += QStringLiteral(" In (Book Name): ") + dblkupcmbxBibleBooks->currentText();
    else
        header += QStringLiteral(" In: ") + scopes.value(scope);
    return header;
}

void TfrmSearch::spdbtnSaveAsClick() {
    if (PrepareOutputText(QStringLiteral("Save")))
        frmPrintRich->SaveRichEditAs(rchedtReadings);
}

void TfrmSearch::spdbtnPreviewClick() {
    if (!PrepareOutputText(QStringLiteral("Print/Preview")))
        return;
    frmPrintRich->RichPrinter1->SetHeader(BuildPrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtReadings);
}

void TfrmSearch::spdbtnPrintClick() {
    if (!PrepareOutputText(QStringLiteral("Print/Preview")))
        return;
    frmPrintRich->RichPrinter1->SetHeader(BuildPrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtReadings, 1);
}

void TfrmSearch::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmSearch::SpeedButton1Click() {
    CopyVerses(QStringLiteral("Copy"));
}

void TfrmSearch::mnuCopySelectionClick() {
    if (WriteSelectedVerses())
        CopyRichEditToClipboard();
}

void TfrmSearch::mnuCopyAllClick() {
    if (WriteAllVerses())
        CopyRichEditToClipboard();
}
