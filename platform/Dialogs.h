#pragma once
// Every message box, modal show and common dialog of the program passes
// through here, so tests can replace the handler and never block.
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;
class QPrinter;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Button set, combined with |.
enum TMsgDlgBtn { mbYes = 0x1, mbNo = 0x2, mbOK = 0x4, mbCancel = 0x8 };
using TMsgDlgButtons = int;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What a save dialog is asked; the answer is the chosen file name.
struct TSaveDialogRequest {
    QString Title;
    QString Filter;      // "JPEG Image (*.JPG)|*.JPG", pairs separated by '|'
    int FilterIndex = 1; // 1-based
    QString DefaultExt;
    QString FileName; // initial name
};

class TDialogHandler {
public:
    virtual ~TDialogHandler() = default;
    virtual int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;
    // A dialog answers from its result; another window ends the modal show by
    // closing or hiding itself, with its result in the property "ModalResult".
    virtual int ShowModal(QWidget* window) = 0;
    // True when confirmed; fileName receives the chosen name.
    virtual bool SaveDialog(QWidget* parent, const TSaveDialogRequest& request,
                            QString& fileName) = 0;
    // font is the dialog's font in and out; after Cancel it keeps its value.
    virtual bool FontDialog(QWidget* parent, QFont& font) = 0;
    virtual bool PrintDialog(QWidget* parent, QPrinter* printer) = 0;
    virtual bool PageSetupDialog(QWidget* parent, QPrinter* printer) = 0;
};

// Installs a handler (nullptr restores the real dialogs); returns the previous one.
TDialogHandler* SetDialogHandler(TDialogHandler* handler);
TDialogHandler* DialogHandler();

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
int ShowModal(QWidget* window);
bool ExecuteSaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName);
bool ExecuteFontDialog(QWidget* parent, QFont& font);
bool ExecutePrintDialog(QWidget* parent, QPrinter* printer);
bool ExecutePageSetupDialog(QWidget* parent, QPrinter* printer);

// Converts "Text (*.a)|*.a|Other|*.b" into Qt's filter list.
QStringList QtFilterList(const QString& filter);
