#pragma once
// What the Synaxarium windows share besides the text writers: the printing
// commands through the print host, the font change and the text's pop-up
// menu.

#include <QColor>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;
class TRichEdit;

// The printer's header: the caption with every run of line feeds and
// carriage returns turned into one blank.
QString PrintHeader(const QString& caption);
// Sets the header; prints the text from page 1 when the print dialog is
// confirmed.
void PrintSynxText(TRichEdit* richEdit, const QString& caption);
// Sets the header; previews the text.
void PreviewSynxText(TRichEdit* richEdit, const QString& caption);
void SynxPageSetup();
void SaveSynxTextAs(TRichEdit* richEdit);

// The text's pop-up menu "Select &All", "&Copy".
struct TTextMenu {
    QMenu* Menu = nullptr;
    QAction* SelectAll = nullptr;
    QAction* Copy = nullptr;
};
// Made on the rich edit, which shows it at a right click; onPopup runs just
// before it shows.
TTextMenu MakeTextMenu(TRichEdit* richEdit, QWidget* owner, std::function<void()> onPopup);

inline const QColor SynxMaroon = QColor(128, 0, 0);
inline const QColor SynxNavy = QColor(0, 0, 128);
