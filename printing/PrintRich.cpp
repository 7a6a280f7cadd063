#include "PrintRich.h"

#include "Dialogs.h"
#include "ErrorHandler.h"
#include "Quotes.h"
#include "RichEdit.h"
#include "RichPrint.h"

#include <QApplication>
#include <QFileInfo>

TfrmPrintRich* frmPrintRich = nullptr;

namespace {

const QColor Blue(0, 0, 255); // $FF0000
const QColor Black(0, 0, 0);

void AppendRun(TRichEdit* edit, const QString& text, const QColor& color, TFontStyles style,
               int size) {
    edit->SetSelStart(edit->Length());
    edit->SelAttributes().SetColor(color);
    edit->SelAttributes().SetStyle(style);
    edit->SelAttributes().SetSize(size);
    edit->SetSelText(text);
}

} // namespace

bool TPrintDialog::Execute(QWidget* parent) {
    return ExecutePrintDialog(parent, printer_);
}

bool TSaveDialog::Execute(QWidget* parent) {
    TSaveDialogRequest request;
    request.Title = Title;
    request.Filter = Filter;
    request.FilterIndex = FilterIndex;
    request.DefaultExt = DefaultExt;
    request.FileName = FileName;
    QString chosen;
    if (!ExecuteSaveDialog(parent, request, chosen) || chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}

TfrmPrintRich::TfrmPrintRich(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_QuitOnClose, false);
    RichPrinter1 = new TRichPrinter(this);
    RichPrinter1->setObjectName(QStringLiteral("RichPrinter1"));
    RichPrinter1->SetMarginTop(15);
    RichPrinter1->SetMarginBottom(15);
    RichPrinter1->SetMarginLeft(20);
    RichPrinter1->SetMarginRight(20);
    RichPrinter1->SetLogoWidth(10);
    RichPrinter1->SetLogoHeight(3);
    RichPrinter1->SetHeader(QStringLiteral("{$TITLE}"));
    RichPrinter1->SetHeaderFormat(QStringLiteral("<1500"));
    RichPrinter1->SetFooter(QStringLiteral("Page {$PAGE}|{$TITLE}"));
    RichPrinter1->SetFooterFormat(QStringLiteral("<100|<500"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12 * 72.0 / 96.0); // 12 pixels at 96 pixels per inch
    font.setBold(true);
    font.setItalic(true);
    RichPrinter1->SetFont_HeaderFooter(font, QColor(255, 0, 0));
    RichPrinter1->SetBorderOffset(1);
    RichPrinter1->SetOptions_Dialog(poMargins);
    RichPrinter1->SetTitle(QStringLiteral("English Velmorande - Coptic church calendar"));
    PrintDialog1 = new TPrintDialog(RichPrinter1->Printer());
    SaveDialog1 = new TSaveDialog;
}

TfrmPrintRich::~TfrmPrintRich() {
    delete PrintDialog1;
    delete SaveDialog1;
}

void TfrmPrintRich::AddHighlightedText(TRichEdit* RichEdit, const QString& Text, int Size,
                                       const QString& Word) {
    if (Word.size() < 2) {
        AppendRun(RichEdit, Text, Black, fsBold, Size);
        return;
    }
    // Straight quotes typed mark the typographic ones of the text.
    const QString upperWord = FoldQuotes(Word.toUpper());
    const QString upperText = FoldQuotes(Text.toUpper());
    // Upper-casing can change a text's length (ß becomes SS); then positions
    // of the two no longer match and the text goes in without highlight.
    if (upperText.size() != Text.size() || upperWord.size() != Word.size()) {
        AppendRun(RichEdit, Text, Black, fsBold, Size);
        return;
    }
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = upperText.indexOf(upperWord, from);
        if (at < 0) {
            AppendRun(RichEdit, Text.mid(from), Black, fsBold, Size);
            return;
        }
        AppendRun(RichEdit, Text.mid(from, at - from), Black, fsBold, Size);
        AppendRun(RichEdit, Text.mid(at, Word.size()), Blue, fsBold, Size);
        from = at + Word.size();
    }
}

void TfrmPrintRich::AddPlainText(TRichEdit* RichEdit, const QString& Text, int Size) {
    AppendRun(RichEdit, Text, Black, 0, Size);
}

QString RtfSaveName(const QString& chosen) {
    const QString fileName = QFileInfo(chosen).fileName();
    if (fileName.toUpper().contains(QLatin1String(".RTF")) || fileName.contains('.'))
        return chosen;
    return chosen.trimmed() + QStringLiteral(".rtf");
}

void TfrmPrintRich::SaveRichEditAs(TRichEdit* RichEdit) {
    SaveDialog1->Filter = QStringLiteral("Rich Text (*.rtf)|*.RTF");
    SaveDialog1->FilterIndex = 1;
    if (!SaveDialog1->Execute(QApplication::activeWindow()))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TScopeGuard restoreCursor([] { QApplication::restoreOverrideCursor(); });
    const QString name = RtfSaveName(SaveDialog1->FileName);
    if (QFileInfo::exists(name) &&
        MessageDlg(name + QStringLiteral(" already exists\n\rDo you want to replace it?"),
                   mtWarning, mbYes | mbNo) != mrYes)
        return;
    try {
        RichEdit->SaveToFile(name);
    } catch (const std::exception& e) {
        MessageDlg(QString::fromUtf8(e.what()), mtWarning, mbOK);
    }
}
