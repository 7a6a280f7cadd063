// The Synaxarium window's commands besides the day display: printing, the
// font, copying, the related-date links and the windows it opens.

#include "Synx.h"

#include "ClickFilter.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "LinkSynx.h"
#include "RichEdit.h"
#include "ShowIcons.h"
#include "SynxCommon.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <array>

namespace {

// "Largest" .. "Smallest".
constexpr std::array<int, 5> TextSizes = {18, 14, 12, 10, 8};

} // namespace

void TfrmSynx::ConnectCommands() {
    const TTextMenu menu = MakeTextMenu(rchedtSynx, this, [this] { PopupMenu1Change(); });
    PopupMenu1 = menu.Menu;
    mnuitmSelectAll = menu.SelectAll;
    mnuitmCopy = menu.Copy;
    connect(mnuitmSelectAll, &QAction::triggered, this, Guard([this] { mnuitmSelectAllClick(); }));
    connect(mnuitmCopy, &QAction::triggered, this, Guard([this] { mnuitmCopyClick(); }));

    connect(spdbtnPrint, &QToolButton::clicked, this, Guard([this] { spdbtnPrintClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this, Guard([this] { spdbtnPreviewClick(); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            Guard([this] { spdbtnPageSetupClick(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, Guard([this] { spdbtnSaveAsClick(); }));
    connect(btnSetFont, &QPushButton::clicked, this, Guard([this] { btnSetFontClick(); }));
    connect(cmbxTextSize, &QComboBox::currentIndexChanged, this,
            Guard([this] { cmbxTextSizeChange(); }));
    connect(btnSynxSearchAll, &QPushButton::clicked, this,
            Guard([this] { btnSynxSearchAllClick(); }));
    // Enter in the search box finds: "Find" is the default button.
    connect(edtSynxSearchAll, &QLineEdit::returnPressed, this,
            Guard([this] { btnSynxSearchAllClick(); }));
    OnWidgetClick(edtSynxSearchAll, [this] { edtSynxSearchAll->selectAll(); });
    connect(chkbxSearchTitlesOnly, &QCheckBox::clicked, this,
            Guard([this] { chkbxSearchTitlesOnlyClick(); }));
    connect(btnSynxSaintsShow, &QPushButton::clicked, this,
            Guard([this] { btnSynxSaintsShowClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));
}

void TfrmSynx::spdbtnPrintClick() {
    PrintSynxText(rchedtSynx, windowTitle());
}

void TfrmSynx::spdbtnPreviewClick() {
    PreviewSynxText(rchedtSynx, windowTitle());
}

void TfrmSynx::spdbtnPageSetupClick() {
    SynxPageSetup();
}

void TfrmSynx::spdbtnSaveAsClick() {
    SaveSynxTextAs(rchedtSynx);
}

void TfrmSynx::btnSetFontClick() {
    DayState->ChooseReadingsFont(this);
    FillSynxEntries();
    GoToEntry(rchedtSynx, 1);
}

void TfrmSynx::cmbxTextSizeChange() {
    const int index = cmbxTextSize->currentIndex();
    if (index < 0 || index >= int(TextSizes.size()))
        return;
    TextSize = TextSizes[size_t(index)];
    FillSynxEntries();
}

void TfrmSynx::btnSynxSearchAllClick() {
    frmSynxSearchResults->SearchText = edtSynxSearchAll->text();
    frmSynxSearchResults->FullSearch = chkbxSearchTitlesOnly->isChecked();
    ShowModal(frmSynxSearchResults);
}

void TfrmSynx::chkbxSearchTitlesOnlyClick() {
    frmSynxSearchResults->FullSearch = chkbxSearchTitlesOnly->isChecked();
}

void TfrmSynx::btnSynxSaintsShowClick() {
    ShowModal(frmSynxShowSaints);
}

void TfrmSynx::BitBtn1Click() {
    ShowModal(frmShowIcons);
}

void TfrmSynx::PopupMenu1Change() {
    mnuitmCopy->setEnabled(rchedtSynx->SelLength() > 0);
}

void TfrmSynx::mnuitmSelectAllClick() {
    rchedtSynx->SelectAll();
    mnuitmCopy->setEnabled(true);
}

void TfrmSynx::mnuitmCopyClick() {
    rchedtSynx->CopyToClipboard();
}

void TfrmSynx::OpenLinkedEntry(int HeadID, int EntryNumber, const QString& Keyword) {
    frmLinkSynx->SynxID = HeadID;
    frmLinkSynx->EntryNumber = EntryNumber;
    frmLinkSynx->FromText = DateCaption;
    frmLinkSynx->TextSize = TextSize;
    frmLinkSynx->Keyword = Keyword;
    ShowModal(frmLinkSynx);
}
