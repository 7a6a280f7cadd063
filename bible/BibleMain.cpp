#include "BibleMain.h"

#include "Bible.h"
#include "BibleIndex.h"
#include "Controls.h"
#include "Search.h"

#include "BibleChapter.h"
#include "Building.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "PrintRich.h"
#include "ReadingsRules.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "Shell.h"
#include "TableEngine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

TfrmBibleMain* frmBibleMain = nullptr;

namespace {

int Int(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsInteger();
}

QString Str(const TTable& table, const char* field) {
    return table.FieldByName(QLatin1String(field))->AsString();
}

bool LocateBook(TTable& books, int id) {
    for (books.First(); !books.Eof(); books.Next())
        if (Int(books, "ID") == id)
            return true;
    return false;
}

} // namespace

TfrmBibleMain::TfrmBibleMain(QWidget* parent) : QWidget(parent) {
    CreateControls();
}

TfrmBibleMain::~TfrmBibleMain() {
    if (frmBibleMain == this)
        frmBibleMain = nullptr;
}

void TfrmBibleMain::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOnScreen(this);
    }
    QWidget::setVisible(visible);
}

void TfrmBibleMain::FormShow() {
    // The chapter box takes the focus when the book changes its value: the
    // book list takes it after, also when the chapter cannot be shown.
    TScopeGuard focus([this] { FocusOnOpening(dblkupcmbxBibleBooks); });
    if (const QSize large = LargeFontsSize({800, 600}); !large.isEmpty())
        resize(large);
    FillBookCombo();
    if (DayState != nullptr)
        rchedtReadings->setCurrentFont(DayState->ReadingsFont);
    UpdateBookInfo();
    ShowChapter();
}

int TfrmBibleMain::CurrentBookID() const {
    const TTable& books = MainDM->tblBookNamesFiltered;
    return books.IsEmpty() ? 0 : Int(books, "ID");
}

BibleText::TBookScope TfrmBibleMain::Scope() const {
    using BibleText::TBookScope;
    TBookScope scope = TBookScope::AllBooks;
    if (rdbtnNewTestament->isChecked())
        scope = TBookScope::NewTestament;
    if (rdbtnOldTestament->isChecked())
        scope = TBookScope::OldTestament;
    if (rdbtnSecondCanonical->isChecked())
        scope = TBookScope::Deuterocanonical;
    return scope;
}

void TfrmBibleMain::FillBookCombo() {
    TTable& books = MainDM->tblBookNamesFiltered;
    const int current = CurrentBookID();
    const QSignalBlocker hold(dblkupcmbxBibleBooks);
    dblkupcmbxBibleBooks->clear();
    for (books.First(); !books.Eof(); books.Next())
        dblkupcmbxBibleBooks->addItem(Str(books, "BookName"), Int(books, "ID"));
    if (current == 0 || !LocateBook(books, current))
        books.First();
    dblkupcmbxBibleBooks->setCurrentIndex(dblkupcmbxBibleBooks->findData(CurrentBookID()));
}

void TfrmBibleMain::UpdateBookInfo() {
    const int book = CurrentBookID();
    if (book == 0)
        return;
    CurrentTranslationTag =
        ReadingsRules::TranslationTag(MainDM->tblBookNames, MainDM->tblBibleTranslations, book);
    lblBookMoreInfo->setText(Str(MainDM->tblBookNamesFiltered, "MoreInfo"));
    const int first = MainDM->GetFirstChapter(book);
    const int last = MainDM->GetLastChapter(book);
    const BibleText::TChapterRange range =
        BibleText::ChapterRange(first, last, spnedtChapter->value());
    {
        // Setting the range must not report a change, which would show the
        // chapter again from within this update.
        const QSignalBlocker hold(spnedtChapter);
        spnedtChapter->setRange(range.Minimum, range.Maximum);
        spnedtChapter->setValue(range.Value);
    }
    spnedtChapter->setEnabled(range.Enabled);
    lblChapterRange->setText(range.RangeCaption);
    spnedtChapter->setToolTip(range.Hint);
    lblChapter->setToolTip(range.Hint);
}

void TfrmBibleMain::ShowWhatTheTextShows() {
    if (shownBook_ == 0)
        return;
    TTable& books = MainDM->tblBookNamesFiltered;
    // A book the list no longer offers stays as the list has it.
    if (CurrentBookID() != shownBook_ && LocateBook(books, shownBook_)) {
        const QSignalBlocker hold(dblkupcmbxBibleBooks);
        dblkupcmbxBibleBooks->setCurrentIndex(dblkupcmbxBibleBooks->findData(shownBook_));
    }
    if (CurrentBookID() != shownBook_)
        return;
    RunQuietly([this] { UpdateBookInfo(); });
    const QSignalBlocker hold(spnedtChapter);
    spnedtChapter->setValue(shownChapter_);
}

void TfrmBibleMain::ShowChapter() {
    if (spnedtChapter->value() <= 0)
        return;
    bool shown = false;
    TScopeGuard restore([this, &shown] {
        if (!shown)
            ShowWhatTheTextShows();
    });
    UpdateBookInfo();
    const int book = CurrentBookID();
    if (book == 0)
        return;
    if (frmBuilding != nullptr) {
        frmBuilding->show();
        QCoreApplication::processEvents();
    }
    // The text is shown again also after an error, with what it holds.
    TScopeGuard finally([this] {
        rchedtReadings->setVisible(true);
        if (frmBuilding != nullptr)
            frmBuilding->close();
    });
    const int chapter = spnedtChapter->value();
    const int firstVerse = MainDM->GetFirstVerse(book, chapter);
    const int lastVerse = MainDM->GetLastVerse(book, chapter);
    const QString text = MainDM->GetPassageText(
        book, chapter, chapter, firstVerse, lastVerse, StepBuildingBar, 0, 0, true,
        chkbxNewLinePerVerse->isChecked(), chkbxShowChapter->isChecked(), true, false);
    shown = true;
    shownBook_ = book;
    shownChapter_ = chapter;
    rchedtReadings->setVisible(false);
    rchedtReadings->Clear();
    const int size = DayState != nullptr ? FontPointSize(DayState->ReadingsFont) : 12;
    frmBibleChapter->WritePassage(rchedtReadings, text,
                                  frmBuilding != nullptr ? frmBuilding->prgrsbarChapter : nullptr,
                                  false, CurrentTranslationTag, false, size);
    rchedtReadings->repaint();
    rchedtReadings->setVisible(true);
    // A new chapter is read from its top, also where no verse label is found.
    rchedtReadings->ScrollNearTop(0, 0);
    frmBibleChapter->GotoVerse(rchedtReadings, firstVerse, false);
}

void TfrmBibleMain::FilterBooks() {
    TTable& books = MainDM->tblBookNamesFiltered;
    books.SetFilter(BibleText::BookFilter(Scope(), chkbxNKJV->isChecked()));
    books.First();
    FillBookCombo();
    UpdateBookInfo();
    ShowChapter();
}

void TfrmBibleMain::ShowWholeBook() {
    const int key = dblkupcmbxBibleBooks->currentData().toInt();
    TWholeBookRequest request;
    request.BookID = key > 0 ? key : CurrentBookID();
    request.BookName = dblkupcmbxBibleBooks->currentText();
    request.FirstChapter = spnedtChapter->minimum();
    request.LastChapter = spnedtChapter->maximum();
    request.WithVerseNumbers = true;
    request.NewLinePerVerse = chkbxNewLinePerVerse->isChecked();
    request.WithChapterInLabel = chkbxShowChapter->isChecked();
    request.WithChapterHeadings = true;
    if (frmBuilding != nullptr) {
        QProgressBar* bar = frmBuilding->prgrsbarChapter;
        bar->setRange(1, 2 * request.LastChapter + 1);
        bar->setValue(bar->minimum());
        bar->setVisible(true);
    }
    OpenWholeBook(request);
}

void TfrmBibleMain::OpenWholeBook(const TWholeBookRequest& request) {
    TfrmBible& w = *frmBible;
    w.BookID = request.BookID;
    w.BookName = request.BookName;
    w.FirstChapter = request.FirstChapter;
    w.LastChapter = request.LastChapter;
    w.WithVerseNumbers = request.WithVerseNumbers;
    w.NewLinePerVerse = request.NewLinePerVerse;
    w.WithChapterInLabel = request.WithChapterInLabel;
    w.WithChapterHeadings = request.WithChapterHeadings;
    ShowModal(&w);
}

void TfrmBibleMain::OpenConcordance() {
    ShowModal(frmBibleIndex);
}

void TfrmBibleMain::OpenSearch() {
    ShowModal(frmSearch);
}

// --------------------------------------------------------------- handlers ---

void TfrmBibleMain::BookChosen(int index) {
    const int id = dblkupcmbxBibleBooks->itemData(index).toInt();
    if (id > 0)
        LocateBook(MainDM->tblBookNamesFiltered, id);
    UpdateBookInfo();
    ShowChapter();
}

void TfrmBibleMain::spnedtChapterChange() {
    if (!spnedtChapter->text().isEmpty()) {
        UpdateBookInfo();
        ShowChapter();
    }
    if (spnedtChapter->isEnabled()) {
        spnedtChapter->setFocus();
        if (QLineEdit* edit = spnedtChapter->findChild<QLineEdit*>())
            edit->setCursorPosition(int(edit->text().size()));
    }
}

void TfrmBibleMain::chkbxNKJVClick() {
    rdbtnSecondCanonical->setEnabled(!chkbxNKJV->isChecked());
    if (rdbtnSecondCanonical->isChecked())
        rdbtnAllBooks->setChecked(true);
    FilterBooks();
}

void TfrmBibleMain::btnSetFontClick() {
    if (DayState != nullptr) {
        DayState->ChooseReadingsFont(this);
        rchedtReadings->setCurrentFont(DayState->ReadingsFont);
    }
    ShowChapter();
}

QString TfrmBibleMain::PrintHeader() const {
    return dblkupcmbxBibleBooks->currentText() + QLatin1Char(' ') + spnedtChapter->text();
}

void TfrmBibleMain::spdbtnPrintClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtReadings, 1);
}

void TfrmBibleMain::spdbtnPreviewClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtReadings);
}

void TfrmBibleMain::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmBibleMain::spdbtnSaveAsClick() {
    frmPrintRich->SaveRichEditAs(rchedtReadings);
}
