#pragma once
// Every message box, modal show and common dialog of the program passes
// through here; a test answers them through the environment (Environment.h)
// and never blocks.
#include "Environment.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;
class QPrinter;

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
int ShowModal(QWidget* window);
// Shows a window that has no modal loop and is not modal (the About box):
// once it is hidden, the window it was opened from takes the keys again, as
// after a modal show, with a window manager or without one.
void ShowModeless(QWidget* window);
// Shows a window that has no modal loop of its own (the print preview). Opened
// from a modal window, it belongs to that window and is modal over it: Qt lets
// no click or key reach a window outside the modal one, and the opener takes
// input again once it closes.
void ShowOverModal(QWidget* window);
bool ExecuteSaveDialog(QWidget* parent, const TSaveDialogRequest& request, QString& fileName);
bool ExecuteFontDialog(QWidget* parent, QFont& font);
// lastPage: the dialog offers the pages 1 to lastPage, all of them chosen;
// 0: the command prints every page and the dialog offers no range (the
// printer's range is cleared, so its toPage() is 0).
bool ExecutePrintDialog(QWidget* parent, QPrinter* printer, int lastPage = 0);
bool ExecutePageSetupDialog(QWidget* parent, QPrinter* printer);

// Where Save As and Print to File start: the folder used last in this run,
// else the user's documents folder (the home folder when there is none).
QString StartFolder();
// The file Print to File suggests for a printer: its document name as a PDF
// file in StartFolder.
QString SuggestedPrintFile(const QPrinter& printer);

// Converts "Text (*.a)|*.a|Other|*.b" into Qt's filter list.
QStringList QtFilterList(const QString& filter);
