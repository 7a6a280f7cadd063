#include "BibleChapter.h"

#include "BibleText.h"
#include "Building.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "PrintRich.h"
#include "Quotes.h"
#include "RichEdit.h"
#include "RichPrint.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

using BibleText::TBibleRunKind;

TfrmBibleChapter* frmBibleChapter = nullptr;

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);
const QString CRLF = QStringLiteral("\r\n");

QFont ReadingsFont() {
    return DayState != nullptr ? DayState->ReadingsFont
                               : QFont(QStringLiteral("Times New Roman"), 12);
}

void AppendRun(TRichEdit& edit, const QString& text, const QColor& color, TFontStyles style,
               int size) {
    TTextAttributes& a = edit.SelAttributes();
    a.SetName(ReadingsFont().family());
    a.SetColor(color);
    a.SetStyle(style);
    a.SetSize(size);
    edit.AppendRun(text);
}

void ShowBuilding() {
    if (frmBuilding == nullptr)
        return;
    frmBuilding->show();
    QCoreApplication::processEvents();
}

void CloseBuilding() {
    if (frmBuilding != nullptr)
        frmBuilding->close();
}

} // namespace

void StepBuildingBar() {
    if (frmBuilding != nullptr && frmBuilding->prgrsbarChapter != nullptr) {
        QProgressBar* bar = frmBuilding->prgrsbarChapter;
        bar->setValue(bar->value() + 1);
    }
}

TfrmBibleChapter::TfrmBibleChapter(QWidget* parent) : QWidget(parent) {
    CreateControls();
    TranslationTag.clear();
    TargetVerse = 0;
    VerseLength = 0;
    SelectVerse = false;
}

TfrmBibleChapter::~TfrmBibleChapter() {
    if (frmBibleChapter == this)
        frmBibleChapter = nullptr;
}

void TfrmBibleChapter::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOnScreen(this);
    } else if (!visible && isVisible()) {
        TargetVerse = 0;
        SelectVerse = false;
    }
    QWidget::setVisible(visible);
}

void TfrmBibleChapter::FormShow() {
    FontSize = FontPointSize(ReadingsFont());
    ShowChapter(SelectVerse);
}

void TfrmBibleChapter::ShowChapter(bool Select) {
    ShowBuilding();
    TScopeGuard finally([this] {
        CloseBuilding();
        TargetVerse = 0;
    });
    FindFromStart = true;
    lblBookAndChapter->setText(BibleText::ChapterCaption(BookName, Chapter));
    FirstVerse = MainDM->GetFirstVerse(BookID, Chapter);
    LastVerse = MainDM->GetLastVerse(BookID, Chapter);
    StartSkipWords = 0;
    EndSkipWords = 0;
    if (!chkbxNoHighlight->isChecked())
        BuildHighlightList(edtHighlight->text());
    else
        HighlightList.clear();
    PassageText =
        MainDM->GetPassageText(BookID, Chapter, Chapter, FirstVerse, LastVerse, StepBuildingBar,
                               StartSkipWords, EndSkipWords, WithVerseNumbers, NewLinePerVerse,
                               WithChapterInLabel, WithChapterHeadings, false);
    rchedtReadings->Clear();
    WritePassage(rchedtReadings, PassageText, nullptr, true, TranslationTag, false, FontSize);
    rchedtReadings->repaint();
    // A new chapter is read from its top, also where no verse label is found.
    rchedtReadings->ScrollNearTop(0, 0);
    GotoVerse(rchedtReadings, TargetVerse != 0 ? TargetVerse : FirstVerse, Select);
}

void TfrmBibleChapter::WritePassage(TRichEdit* RichEdit, const QString& Text,
                                    QProgressBar* ProgressBar, bool HighlightOn, const QString& Tag,
                                    bool StepPerHeading, int Size) {
    TRichEdit& edit = *RichEdit;
    const TRichEditUpdate update(edit);
    const QFont font = ReadingsFont();
    const int readingsSize = FontPointSize(font);
    const QString phrase = edtHighlight->text().trimmed();
    const BibleText::THighlightMode mode =
        BibleText::HighlightMode(HighlightOn, chkbxNoHighlight->isChecked(),
                                 chkbxAsPhrase->isChecked(), edtHighlight->text(), HighlightList);
    edit.SelAttributes().SetName(font.family());
    edit.SetMaxLength(int(Text.size()));

    for (const BibleText::TBibleRun& run : BibleText::PassageRuns(Text, mode, HighlightList)) {
        switch (run.Kind) {
        case TBibleRunKind::Heading:
            if (StepPerHeading && ProgressBar != nullptr)
                ProgressBar->setValue(ProgressBar->value() + 1);
            AppendRun(edit, run.Text, Blue, fsBold, readingsSize + 5);
            break;
        case TBibleRunKind::VerseNumber:
            AppendRun(edit, run.Text, Red, fsBold, readingsSize - 5);
            break;
        case TBibleRunKind::Plain:
            AppendRun(edit, run.Text, Black, FontStylesOf(font), readingsSize);
            break;
        case TBibleRunKind::Marked:
            AppendRun(edit, run.Text, Blue, fsBold, readingsSize);
            break;
        case TBibleRunKind::Phrase:
            edit.SelAttributes().SetName(font.family());
            frmPrintRich->AddHighlightedText(&edit, run.Text, Size, phrase);
            break;
        }
    }
    if (!Tag.isEmpty())
        AppendRun(edit, QLatin1Char(' ') + Tag, Black, 0, BibleText::TagSize(readingsSize));
    edit.AppendRun(CRLF);
}

bool TfrmBibleChapter::GotoVerse(TRichEdit* RichEdit, int Verse, bool Select) {
    if (Verse == 0)
        return true;
    const int found =
        RichEdit->FindText(QLatin1Char(':') + QString::number(Verse), 0, -1, stMatchCase);
    if (found < 0)
        return false;
    RichEdit->setFocus();
    RichEdit->SetSelStart(found + 1);
    // The number, the blank after it and the text, whatever the number's
    // length.
    const int label = int(QString::number(Verse).size()) + 1;
    RichEdit->SetSelLength(Select ? label + VerseLength : 0);
    // The lines before the verse stay in view: the chapter's heading above
    // its first verse.
    RichEdit->ScrollNearTop(found + 1, JumpLinesAbove);
    return true;
}

void TfrmBibleChapter::BuildHighlightList(const QString& Text) {
    HighlightList = BibleText::HighlightWords(Text);
}

bool TfrmBibleChapter::IsHighlightWord(const QString& Word) const {
    return BibleText::IsHighlightWord(HighlightList, Word);
}

void TfrmBibleChapter::Rehighlight() {
    const int selStart = rchedtReadings->SelStart();
    // The same text in other colours: the view stays where the user had it.
    const int scroll = rchedtReadings->verticalScrollBar()->value();
    if (!chkbxNoHighlight->isChecked() && !edtHighlight->text().isEmpty())
        BuildHighlightList(edtHighlight->text());
    else
        HighlightList.clear();
    rchedtReadings->Clear();
    WritePassage(rchedtReadings, PassageText, nullptr, true, TranslationTag, false, FontSize);
    rchedtReadings->SetSelStart(selStart);
    rchedtReadings->verticalScrollBar()->setValue(scroll);
}

bool TfrmBibleChapter::FindNext(const QString& SearchText, TRichEdit* RichEdit, bool FromStart) {
    // An empty search text would "find" itself at every position.
    if (SearchText.isEmpty())
        return false;
    const int start = FromStart ? 0 : RichEdit->SelStart() + int(SearchText.size());
    // Straight quotes typed find the typographic ones of the text.
    const int found = int(
        FoldQuotes(RichEdit->Text()).indexOf(FoldQuotes(SearchText), start, Qt::CaseInsensitive));
    if (found < 0)
        return false;
    RichEdit->setFocus();
    RichEdit->SetSelStart(found);
    RichEdit->SetSelLength(int(SearchText.size()));
    return true;
}

// --------------------------------------------------------------- handlers ---

void TfrmBibleChapter::btSearchClick() {
    if (!FindNext(edtSearch->text(), rchedtReadings, FindFromStart))
        MessageDlg(QStringLiteral("No Further Match"), mtWarning, mbOK);
    FindFromStart = false;
    btSearch->setFocus();
}

void TfrmBibleChapter::EnableHighlightControls() {
    const bool on = !chkbxNoHighlight->isChecked();
    btnHighlight->setEnabled(on);
    edtHighlight->setEnabled(on);
    chkbxAsPhrase->setEnabled(on);
}

void TfrmBibleChapter::HighlightClick() {
    ShowBuilding();
    TScopeGuard finally([] { CloseBuilding(); });
    Rehighlight();
    rchedtReadings->repaint();
}

void TfrmBibleChapter::StepTo(int chapter) {
    const int shown = Chapter, first = FirstVerse, last = LastVerse;
    Chapter = chapter;
    try {
        ShowChapter(false);
    } catch (...) {
        // The text still shows the chapter it showed: so do the caption and
        // the next step.
        Chapter = shown;
        FirstVerse = first;
        LastVerse = last;
        lblBookAndChapter->setText(BibleText::ChapterCaption(BookName, Chapter));
        throw;
    }
}

void TfrmBibleChapter::spdbtnPrevDayClick() {
    if (Chapter > FirstChapter)
        StepTo(Chapter - 1);
}

void TfrmBibleChapter::spdbtnNextDayClick() {
    if (Chapter < LastChapter)
        StepTo(Chapter + 1);
}

QString TfrmBibleChapter::PrintHeader() const {
    return BibleText::PrintHeader(lblBookAndChapter->text());
}

void TfrmBibleChapter::spdbtnPrintClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtReadings, 1);
}

void TfrmBibleChapter::spdbtnPreviewClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtReadings);
}

void TfrmBibleChapter::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmBibleChapter::spdbtnSaveAsClick() {
    frmPrintRich->SaveRichEditAs(rchedtReadings);
}
