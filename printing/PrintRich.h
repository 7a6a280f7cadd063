#pragma once
// The print host: holds the printer, the print dialog and the save dialog
// that every text window shares, and appends highlighted or plain text to a
// rich edit and saves one as an RTF file. It is never shown.
#include <QString>
#include <QWidget>

class QPrinter;
class TRichEdit;
class TRichPrinter;

// The platform print dialog on a printer.
class TPrintDialog {
public:
    explicit TPrintDialog(QPrinter* printer) : printer_(printer) {}
    QPrinter* Printer() const { return printer_; }
    bool Execute(QWidget* parent = nullptr);

private:
    QPrinter* printer_;
};

// The platform save dialog.
class TSaveDialog {
public:
    QString Title;
    QString Filter; // "Rich Text (*.rtf)|*.RTF"
    int FilterIndex = 1;
    QString DefaultExt;
    QString FileName; // the initial name, then the chosen one
    bool Execute(QWidget* parent = nullptr);
};

class TfrmPrintRich : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPrintRich(QWidget* parent = nullptr);
    ~TfrmPrintRich() override;

    TRichPrinter* RichPrinter1 = nullptr;
    TPrintDialog* PrintDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    // Appends Text in bold at Size points, black, with every occurrence of
    // Word (any case, straight and typographic quotes alike, two characters
    // at least) in blue.
    void AddHighlightedText(TRichEdit* RichEdit, const QString& Text, int Size,
                            const QString& Word);
    // Appends Text in black, regular, at Size points.
    void AddPlainText(TRichEdit* RichEdit, const QString& Text, int Size);
    // Asks for a file name and saves the control as RTF.
    void SaveRichEditAs(TRichEdit* RichEdit);
};

extern TfrmPrintRich* frmPrintRich;

// The name a Save As writes to: a file name (the folders do not count)
// without any point gets ".rtf".
QString RtfSaveName(const QString& chosen);
