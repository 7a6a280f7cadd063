// Readings window: citations, headings, passages with their run styles,
// translation tags and closing sentences. The rules are in ReadingsRules.

#include "Readings.h"

#include "Building.h"
#include "DMMain.h"
#include "RichEdit.h"

#include <QLabel>
#include <QProgressBar>

using ReadingsRules::TRunKind;

namespace {

const QString CRLF = QStringLiteral("\r\n");

} // namespace

void TfrmReadings::AppendStyledRun(TRichEdit& edit, TRunKind kind, const QString& text,
                                   const QColor& colour) {
    const QFont font = ReadingsFont();
    const ReadingsRules::TRunStyle style = ReadingsRules::RunStyle(
        kind, FontPointSize(font), TextSize, colour.isValid() ? colour.rgb() & 0xFFFFFF : 0);
    TTextAttributes& a = edit.SelAttributes();
    a.SetColor(QColor::fromRgb(style.Rgb));
    switch (style.Weight) {
    case ReadingsRules::TRunWeight::Bold:
        a.SetStyle(fsBold);
        break;
    case ReadingsRules::TRunWeight::Regular:
        a.SetStyle(0);
        break;
    case ReadingsRules::TRunWeight::ReadingsStyle:
        a.SetStyle(FontStylesOf(font));
        break;
    }
    a.SetSize(style.Size);
    edit.AppendRun(text);
}

void TfrmReadings::NewLine(TRichEdit& edit) {
    edit.AppendRun(CRLF);
}

void TfrmReadings::BuildCitation(QString& Result) {
    Result = ReadingsRules::BuildCitation(MainDM->tblReadings, MainDM->tblBookNames,
                                          {VelmTypeID, DayID, ReadingTimeID});
}

void TfrmReadings::AddServiceHeading(const QString& Text, bool BlankLineBefore, bool BlankLineAfter,
                                     bool RuleBefore, bool RuleAfter, const QColor& Colour) {
    TRichEdit& edit = *rchedtReadings;
    edit.SelAttributes().SetName(ReadingsFont().family());
    if (BlankLineBefore)
        NewLine(edit);
    if (RuleBefore) {
        AppendStyledRun(edit, TRunKind::Rule, ReadingsRules::RuleText());
        NewLine(edit);
    }
    AppendStyledRun(edit, TRunKind::ServiceHeading, Text, Colour);
    NewLine(edit);
    if (RuleAfter)
        AppendStyledRun(edit, TRunKind::Rule, ReadingsRules::RuleText());
    if (BlankLineAfter)
        NewLine(edit);
}

void TfrmReadings::AddReadingHeading(const QString& Text) {
    TRichEdit& edit = *rchedtReadings;
    NewLine(edit);
    AppendStyledRun(edit, TRunKind::ReadingHeading, Text);
    NewLine(edit);
}

void TfrmReadings::AppendPassage(TRichEdit& RichEdit, QString& Passage, QString& Closing,
                                 QProgressBar* ProgressBar, const QString& Tag, bool StepProgress) {
    QLabel* progressLabel = frmBuilding != nullptr ? frmBuilding->lblProgress : nullptr;
    RichEdit.SelAttributes().SetName(ReadingsFont().family());
    for (const ReadingsRules::TPassageRun& run : ReadingsRules::SplitPassage(Passage)) {
        if (run.Kind == TRunKind::ChapterMarker) {
            if (StepProgress && ProgressBar != nullptr)
                ProgressBar->setValue(ProgressBar->value() + 1);
            if (progressLabel != nullptr)
                progressLabel->setText(run.Text);
            LetPendingMessagesRun();
        }
        AppendStyledRun(RichEdit, run.Kind, run.Text);
    }
    if (!Tag.isEmpty())
        AppendStyledRun(RichEdit, TRunKind::Tag, QLatin1Char(' ') + Tag);
    if (!Closing.isEmpty())
        AppendStyledRun(RichEdit, TRunKind::Closing, QStringLiteral("   ") + Closing);
    NewLine(RichEdit);
    if (progressLabel != nullptr)
        progressLabel->clear();
}

void TfrmReadings::GetTranslationTag(int BookID, QString& Tag) {
    Tag = ReadingsRules::TranslationTag(MainDM->tblBookNames, MainDM->tblBibleTranslations, BookID);
}

void TfrmReadings::GetClosingSentence(int, int ReadingType, int, QString& Result) {
    Result = ReadingsRules::ClosingSentence(ReadingType);
}
