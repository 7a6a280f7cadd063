// The concordance window's work: jumping to a word, its statistics, the
// scope of its verses and opening a verse's chapter.

#include "BibleIndex.h"

#include "BibleChapter.h"
#include "BibleMain.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "GridModel.h"
#include "IndexText.h"
#include "ReadingsRules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

TfrmBibleIndex* frmBibleIndex = nullptr;

namespace {

QString field(TDataSet& ds, const char* name) {
    return ds.FieldByName(QString::fromLatin1(name))->AsString();
}

} // namespace

TfrmBibleIndex::~TfrmBibleIndex() = default;

void TfrmBibleIndex::FormShow() {
    FocusOnOpening(edtSearch);
    TMainDM& dm = *MainDM;
    TTable& books = dm.tblBookNamesFiltered;
    const int hubBook = books.IsEmpty() ? 0 : books.FieldByName(QStringLiteral("ID"))->AsInteger();
    SavedBookFilter = books.Filter();
    SavedBookOrder =
        books.IsEmpty() ? 0 : books.FieldByName(QStringLiteral("BookOrder"))->AsInteger();
    books.SetFilter(QString());
    dblkupcmbxBibleBooks->clear();
    for (books.First(); !books.Eof(); books.Next())
        dblkupcmbxBibleBooks->addItem(field(books, "BookName"),
                                      books.FieldByName(QStringLiteral("ID"))->AsInteger());
    dblkupcmbxBibleBooks->setCurrentIndex(dblkupcmbxBibleBooks->findData(hubBook));
    dblkupcmbxBibleBooks->setEnabled(ScopeIndex() == 4);

    TTable& words = dm.tblBibleWords;
    const QString start = IndexText::StartWord(
        edtSearch->text(), words.IsEmpty() ? QString() : field(words, "TheWord"));
    words.FindKey({start});
    FitWordColumn();
    ShowWordStatistics(true);
}

void TfrmBibleIndex::FormClose() {
    TTable& books = MainDM->tblBookNamesFiltered;
    books.SetFilter(SavedBookFilter);
    books.FindKey({SavedBookOrder});
    dblkupcmbxBibleWords->hidePopup();
}

void TfrmBibleIndex::JumpToWord(const QString& Prefix) {
    QString prefix = Prefix;
    if (prefix.isEmpty())
        prefix = IndexText::TypedWord(edtSearch->text().trimmed());
    if (prefix.isEmpty())
        prefix = QStringLiteral("A");
    TMainDM& dm = *MainDM;
    TTable& words = dm.tblBibleWords;
    words.FindNearest({prefix});
    while (dm.tblWordVerse.IsEmpty()) {
        const QString w = field(words, "TheWord");
        if (w.isEmpty() || w[0] != prefix[0])
            break;
        words.Next();
        if (words.Eof())
            break;
    }
    const bool found = field(words, "TheWord").startsWith(prefix);
    QPalette p = edtSearch->palette();
    p.setColor(QPalette::Text, found ? QColor(0x00, 0x00, 0x80) : QColor(0xFF, 0x00, 0x00));
    edtSearch->setPalette(p);
    edtSearch->update();
    ShowWordStatistics(found);
}

void TfrmBibleIndex::ShowWordStatistics(bool Found) {
    TMainDM& dm = *MainDM;
    TTable& words = dm.tblBibleWords;
    const int hits = Found ? words.FieldByName(QStringLiteral("Hits"))->AsInteger() : 0;
    if (!jumping_) {
        jumping_ = true;
        dblkupcmbxBibleWords->setCurrentIndex(wordsModel->CurrentRow());
        jumping_ = false;
    }
    const int n = dm.tblWordVerse.RecordCount();
    const IndexText::TWordStatistics s =
        IndexText::WordStatistics(Found, ScopeIndex() == 0, hits, n);
    pnlFound->setText(s.Caption);
    pnlFound->setStyleSheet(s.NotFound ? QStringLiteral("color: #FF0000; background: #FFFF00;")
                                       : QStringLiteral("color: #000080;"));
    FitWordColumn();
}

void TfrmBibleIndex::FitWordColumn() {
    QString word =
        versesModel->CurrentRow() >= 0
            ? versesModel->FieldValue(versesModel->CurrentRow(), QStringLiteral("Word1")).toString()
            : QString();
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    lblWidth->setText(word);
    lblWidth->adjustSize();
    dbgridWVerses->setColumnWidth(2, lblWidth->fontMetrics().horizontalAdvance(word) + 8);
    FitContextColumn();
}

void TfrmBibleIndex::FitContextColumn() {
    const int rest = dbgridWVerses->viewport()->width() - dbgridWVerses->columnWidth(2) -
                     dbgridWVerses->columnWidth(0);
    dbgridWVerses->setColumnWidth(1, std::max(40, rest / 2));
}

int TfrmBibleIndex::ScopeIndex() const {
    return scopeButtons->checkedId();
}

void TfrmBibleIndex::SetScopeIndex(int index) {
    if (QAbstractButton* b = scopeButtons->button(index))
        b->setChecked(true);
}

void TfrmBibleIndex::ApplyScopeFilter() {
    TTable& wv = MainDM->tblWordVerse;
    const int scope = ScopeIndex();
    dblkupcmbxBibleBooks->setEnabled(scope == 4);
    wv.SetFilter(IndexText::ScopeFilter(scope, dblkupcmbxBibleBooks->currentData().toInt()));
    wv.SetFiltered(true);
    JumpToWord(dblkupcmbxBibleWords->currentText());
    wv.Last();
}

void TfrmBibleIndex::ShowVerseChapter() {
    TMainDM& dm = *MainDM;
    TTable& wv = dm.tblWordVerse;
    if (wv.IsEmpty())
        return;
    const int book = wv.FieldByName(QStringLiteral("BookID"))->AsInteger();
    TfrmBibleChapter& c = *frmBibleChapter;
    c.BookID = book;
    c.TranslationTag =
        ReadingsRules::TranslationTag(MainDM->tblBookNames, MainDM->tblBibleTranslations, book);
    c.BookName = field(wv, "BookName");
    c.FirstChapter = dm.GetFirstChapter(book);
    c.LastChapter = dm.GetLastChapter(book);
    c.Chapter = wv.FieldByName(QStringLiteral("chapter"))->AsInteger();
    c.NewLinePerVerse = frmBibleMain != nullptr && frmBibleMain->chkbxNewLinePerVerse->isChecked();
    c.WithVerseNumbers = c.WithChapterInLabel = c.WithChapterHeadings = true;
    c.chkbxNoHighlight->setChecked(false);
    c.edtHighlight->setText(field(dm.tblBibleWords, "TheWord"));
    c.chkbxAsPhrase->setChecked(false);
    c.TargetVerse = wv.FieldByName(QStringLiteral("versenum"))->AsInteger();
    c.VerseLength = int(field(wv, "verse").size());
    c.SelectVerse = true;
    ShowModal(&c);
}

// ------------------------------------------------------------ handlers ---

void TfrmBibleIndex::edtSearchChange() {
    JumpToWord(QString());
}

void TfrmBibleIndex::LetterClick(QChar letter) {
    edtSearch->blockSignals(true);
    edtSearch->clear();
    edtSearch->blockSignals(false);
    JumpToWord(QString(letter));
}

void TfrmBibleIndex::ScopeClick() {
    ApplyScopeFilter();
    JumpToWord(QString());
}

void TfrmBibleIndex::WordChosen(int row) {
    if (jumping_ || row < 0)
        return;
    jumping_ = true;
    wordsModel->SelectRow(row);
    jumping_ = false;
    ShowWordStatistics(true);
}
