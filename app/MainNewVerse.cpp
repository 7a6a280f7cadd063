// Main window: the verse of the day in its box and in its own window, and
// the readings font from the registry, the font dialog and the defaults.

#include "MainNew.h"

#include "DMMain.h"
#include "Dialogs.h"
#include "ReadingsFontSettings.h"
#include "RichEdit.h"
#include "Tokens.h"
#include "VerseOfTheDay.h"
#include "ZIZ_Cldr.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);
// The gap line between the heading and the verse.
constexpr int GapSize = 4;

QFont FontOf(const ReadingsFontSettings::TFontValues& v) {
    QFont f(v.Name);
    f.setPointSize(v.Size);
    f.setBold(v.Bold);
    f.setItalic(v.Italic);
    return f;
}

} // namespace

void TfrmMainNew::ShowVerseOfTheDay() {
    if (VerseOfTheDay.isEmpty() && MainDM != nullptr)
        GetVerseOfTheDay(VerseOfTheDay);
    VerseOfTheDay = TrimControls(VerseOfTheDay);
    TRichEdit& box = *rchedtVOD;
    box.Clear();
    const QString name = ReadingsFont.family();
    const int size = ReadingsFont.pointSize();
    if (!DayComment.isEmpty()) {
        box.SetSelStart(0);
        box.SelAttributes().SetColor(Maroon);
        box.SelAttributes().SetName(name);
        box.SelAttributes().SetStyle(fsBold);
        box.SelAttributes().SetSize(size + 2);
        box.SetSelText(DayComment);
    }
    box.SetSelStart(box.Length());
    if (box.Length() > 0) {
        box.SelAttributes().SetSize(GapSize);
        box.SetSelText(QStringLiteral("\r\n\r\n"));
    }
    box.SelAttributes().SetColor(Navy);
    box.SelAttributes().SetName(name);
    box.SelAttributes().SetStyle(fsBold);
    box.SelAttributes().SetSize(size);
    box.SetSelText(VerseOfTheDay);
    box.SetSelText(QStringLiteral("\r\n"));

    // Each key typed into the calendar may show a new day; the keys after it
    // belong to the calendar still.
    const bool typingInCalendar = clndrDate != nullptr && clndrDate->isAncestorOf(focusWidget());
    if (!typingInCalendar)
        box.setFocus();
    box.SetSelStart(0);
    box.repaint();
    box.ScrollCaret();
    if (!typingInCalendar)
        btnAllReadings->setFocus();
}

void TfrmMainNew::ShowVerseWindow() {
    RequireContentOpened();
    if (frmVerseOfTheDay == nullptr)
        return;
    const QString title = lblCopticDate->text() + QStringLiteral(" - ") + lblGregDate->text() +
                          QStringLiteral(" (") + lblDOW->text() + QStringLiteral(")");
    frmVerseOfTheDay->lblVODTitle->setText(DelimitersToSpaces(title, QStringLiteral("\r\n")));
    if (VerseOfTheDay.isEmpty() && MainDM != nullptr)
        GetVerseOfTheDay(VerseOfTheDay);
    frmVerseOfTheDay->memoVerse->setPlainText(VerseOfTheDay);
    ShowModal(frmVerseOfTheDay);
}

void TfrmMainNew::pblShowAllTheVerseClick() {
    ShowVerseWindow();
}

void TfrmMainNew::pnlTopRightDblClick() {
    ShowVerseWindow();
}

void TfrmMainNew::LoadReadingsFont() {
    ReadingsFontSettings::TFontValues v{ReadingsFont.family(), ReadingsFont.pointSize(),
                                        ReadingsFont.bold(), ReadingsFont.italic()};
    const QStringList problems = ReadingsFontSettings::Read(v);
    SetReadingsFont(FontOf(v));
    // What could not be used is told once; the first show goes on.
    if (!problems.isEmpty())
        MessageDlg(ReadingsFontSettings::ProblemMessage(problems), mtWarning, mbOK);
}

void TfrmMainNew::btnSetFontClick() {
    ChooseReadingsFont(this);
    ShowVerseOfTheDay();
}

void TfrmMainNew::btnRestoreDefaultsClick() {
    SetReadingsFont(FontOf(ReadingsFontSettings::Defaults()));
    ShowVerseOfTheDay();
    MessageDlg(QStringLiteral("Default Font Has Been Restored To 'Times New Roman' Size:12, Bold"),
               mtInformation, mbOK);
}
