// Readings window: the commands on what a build wrote. Going to a reading
// from the tree, expanding the tree, rebuilds for the verse numbers and the
// font, the print host's commands, copying, the Bible chapter of a citation
// and the date handed back to the main window on closing.

#include "Readings.h"

#include "ClickFilter.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "MainNew.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "TableEngine.h"
#include "Tokens.h"
#include "ZIZ_Cldr.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const char* const SelectCitationMessage = "You need to select one of the citations (from the left "
                                          "panel) before trying to connect to the Bible";
const char* const NotCitationMessage = "This is not a valid citation";
const char* const BookNameNotFoundMessage = "Book Name Not Found";

} // namespace

void TfrmReadings::ConnectCommands() {
    connect(trvwCitiations, &QTreeWidget::itemClicked, this,
            Guard([this] { trvwCitiationsClick(); }));
    // Rows closed while the button is down would move the click to another
    // row (or none) under the pointer: the tree changes after the click.
    connect(trvwCitiations, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) {
                if (current == nullptr)
                    return;
                if (treeMouseDown_) {
                    expandPending_ = true;
                    return;
                }
                // The focus alone, coming in by Tab, makes a node current
                // without choosing it: the tree stays as it is.
                if (!current->isSelected())
                    return;
                ExpandOnlyCurrentNode();
                if (trvwCitiations->hasFocus())
                    RunGuarded([this] { ShowNodeReadingByKey(); });
            });
    // Enter and Space choose the current node, as a click does.
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        OnWidgetKey(trvwCitiations, QKeySequence(key), [this] {
            QTreeWidgetItem* node = trvwCitiations->currentItem();
            if (node == nullptr)
                return;
            // Chosen alone, as a click chooses it.
            trvwCitiations->setCurrentItem(node);
            ExpandOnlyCurrentNode();
            RunGuarded([this] { ShowNodeReadingByKey(); });
        });
    OnWidgetEvent(trvwCitiations->viewport(), QEvent::MouseButtonPress,
                  [this] { treeMouseDown_ = true; });
    OnWidgetEvent(trvwCitiations->viewport(), QEvent::MouseButtonRelease, [this] {
        treeMouseDown_ = false;
        if (expandPending_)
            QMetaObject::invokeMethod(
                this, [this] { ExpandOnlyCurrentNode(); }, Qt::QueuedConnection);
    });
    connect(chkbxTreeSmartExpansion, &QCheckBox::clicked, this,
            [this] { chkbxTreeSmartExpansionClick(); });
    connect(btnExpandTree, &QPushButton::clicked, this, [this] { btnExpandTreeClick(); });
    connect(btnMinimizeTree, &QPushButton::clicked, this, [this] { btnMinimizeTreeClick(); });
    connect(chkbxVerseNum, &QCheckBox::clicked, this, Guard([this] { chkbxVerseNumClick(); }));
    connect(btnSetFont, &QPushButton::clicked, this, Guard([this] { btnSetFontClick(); }));
    connect(BitBtn1, &QToolButton::clicked, this, Guard([this] { OpenBibleAtCitation(); }));
    connect(ShowBibleChapter1, &QAction::triggered, this, Guard([this] { OpenBibleAtCitation(); }));
    connect(spdbtnPrint, &QToolButton::clicked, this, Guard([this] { spdbtnPrintClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this, Guard([this] { spdbtnPreviewClick(); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            Guard([this] { spdbtnPageSetupClick(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, Guard([this] { spdbtnSaveAsClick(); }));
    // A long text has no other key for its two ends.
    OnWidgetKey(rchedtReadings, QKeySequence(Qt::CTRL | Qt::Key_Home),
                [this] { GotoTextEnd(false); });
    OnWidgetKey(rchedtReadings, QKeySequence(Qt::CTRL | Qt::Key_End),
                [this] { GotoTextEnd(true); });
    connect(mnuitmCopy, &QAction::triggered, rchedtReadings, &TRichEdit::CopyToClipboard);
    connect(SelectAll1, &QAction::triggered, rchedtReadings, &TRichEdit::SelectAll);
    // Copy only while there is something selected.
    connect(mnuText, &QMenu::aboutToShow, this,
            [this] { mnuitmCopy->setEnabled(rchedtReadings->SelLength() > 0); });
    connect(rchedtReadings, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { mnuText->popup(rchedtReadings->mapToGlobal(p)); });
    connect(trvwCitiations, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (QTreeWidgetItem* item = trvwCitiations->itemAt(p))
            trvwCitiations->setCurrentItem(item);
        // The menu takes the button's release, so the press ends here: held
        // on, the keys would no longer show the node they move to.
        treeMouseDown_ = false;
        mnuTree->popup(trvwCitiations->viewport()->mapToGlobal(p));
    });
    connect(splitter, &QSplitter::splitterMoved, this, [this] {
        rchedtReadings->update();
        pnlOptions->setFixedWidth(pnlLeft->width());
    });
}

// ------------------------------------------------------------------ tree ---

void TfrmReadings::trvwCitiationsClick() {
    if (QTreeWidgetItem* node = trvwCitiations->currentItem())
        GotoReading(node->text(0), SearchStartOf(node));
}

void TfrmReadings::ShowNodeReadingByKey() {
    if (building_)
        return;
    trvwCitiationsClick();
    trvwCitiations->setFocus();
}

void TfrmReadings::GotoTextEnd(bool end) {
    rchedtReadings->SetSelStart(end ? rchedtReadings->Length() : 0);
    QScrollBar* bar = rchedtReadings->verticalScrollBar();
    bar->setValue(end ? bar->maximum() : bar->minimum());
}

void TfrmReadings::ExpandOnlyCurrentNode() {
    expandPending_ = false;
    QTreeWidgetItem* current = trvwCitiations->currentItem();
    if (current == nullptr || !chkbxTreeSmartExpansion->isChecked() || building_)
        return;
    trvwCitiations->collapseAll();
    for (QTreeWidgetItem* n = current; n != nullptr; n = n->parent())
        n->setExpanded(true);
    trvwCitiations->scrollToItem(current);
}

void TfrmReadings::chkbxTreeSmartExpansionClick() {
    trvwCitiations->viewport()->update();
}

void TfrmReadings::btnExpandTreeClick() {
    trvwCitiations->expandAll();
}

void TfrmReadings::btnMinimizeTreeClick() {
    trvwCitiations->collapseAll();
}

// -------------------------------------------------------------- rebuilds ---

// The window's mode decides, not its dates: a range of one day is rebuilt
// as a range, its Synaxarium section, day node and titles kept.
void TfrmReadings::Rebuild() {
    if (RangeMode)
        BuildRangeReadings();
    else
        BuildDayReadings(true, QString());
}

void TfrmReadings::chkbxVerseNumClick() {
    ShowVerseNumbers = chkbxVerseNum->isChecked();
    Rebuild();
    // The rebuild goes to the first reading in the text; the box keeps the
    // keys, so that Space toggles it back.
    chkbxVerseNum->setFocus();
}

void TfrmReadings::btnSetFontClick() {
    // The dialog's font becomes the readings font whatever the answer.
    if (DayState != nullptr)
        DayState->ChooseReadingsFont(this);
    Rebuild();
    if (QTreeWidgetItem* node = trvwCitiations->currentItem())
        GotoReading(node->text(0), SearchStartOf(node));
}

// -------------------------------------------------------------- printing ---

QString TfrmReadings::PrintHeader() const {
    return DelimitersToSpaces(lblReadingTitle->text(), QStringLiteral("\r\n"));
}

void TfrmReadings::spdbtnPrintClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    if (frmPrintRich->PrintDialog1->Execute(this))
        frmPrintRich->RichPrinter1->PrintRichEdit(rchedtReadings, 1);
}

void TfrmReadings::spdbtnPreviewClick() {
    frmPrintRich->RichPrinter1->SetHeader(PrintHeader());
    frmPrintRich->RichPrinter1->PreviewRichEdit(rchedtReadings);
}

void TfrmReadings::spdbtnPageSetupClick() {
    frmPrintRich->RichPrinter1->PageSetup();
}

void TfrmReadings::spdbtnSaveAsClick() {
    frmPrintRich->SaveRichEditAs(rchedtReadings);
}

// ------------------------------------------------------------ Bible link ---

void TfrmReadings::OpenBibleAtCitation() {
    QTreeWidgetItem* node = trvwCitiations->currentItem();
    if (node == nullptr) {
        MessageDlg(QString::fromLatin1(SelectCitationMessage), mtWarning, mbOK);
        return;
    }
    const ReadingsRules::TCitationLink link = ReadingsRules::ParseCitation(node->text(0));
    if (!link.Valid()) {
        MessageDlg(QString::fromLatin1(NotCitationMessage), mtWarning, mbOK);
        return;
    }
    TTable& books = MainDM->tblBibleBooksbyName;
    if (!books.FindKey({link.BookName})) {
        MessageDlg(QString::fromLatin1(BookNameNotFoundMessage), mtError, mbOK);
        return;
    }
    ShowBibleChapter(link.BookName, books.FieldByName(QStringLiteral("ID"))->AsInteger(),
                     link.Chapter, link.Verse);
}

// ---------------------------------------------------------------- closing ---

void TfrmReadings::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // The close button, Escape, the close box and the opener's end of the
    // modal show all hide the window; a minimized window is not closed.
    if (!event->spontaneous())
        RunGuarded([this] { HandBackDate(); });
}

void TfrmReadings::HandBackDate() {
    if (frmMainNew == nullptr || !ReadingsDate.isValid() || MainDM == nullptr ||
        !MainDM->tblSynxHead.Active())
        return;
    frmMainNew->CurrentDate = ReadingsDate;
    frmMainNew->RefreshDay();
}
