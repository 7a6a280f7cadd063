#include "SynxSearchResults.h"

#include "Building.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "FittingControls.h"
#include "LinkSynx.h"
#include "SynxCommon.h"
#include "SynxSearch.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSynxSearchResults* frmSynxSearchResults = nullptr;

TfrmSynxSearchResults::TfrmSynxSearchResults(QWidget* parent) : QWidget(parent) {
    CreateControls();
}

TfrmSynxSearchResults::~TfrmSynxSearchResults() {
    if (frmSynxSearchResults == this)
        frmSynxSearchResults = nullptr;
}

void TfrmSynxSearchResults::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOverOpener(this);
    }
    QWidget::setVisible(visible);
}

void TfrmSynxSearchResults::FormShow() {
    // Also when the search fails, the box takes the keys.
    TScopeGuard focus([this] { FocusOnOpening(edtSynxSearchAll); });
    ResultKeys.clear();
    edtSynxSearchAll->setText(SearchText);
    chkbxSearchTitlesOnly->setChecked(FullSearch);
    RunSearch();
}

void TfrmSynxSearchResults::RunSearch() {
    if (frmBuilding)
        frmBuilding->show();
    QCoreApplication::processEvents();
    TScopeGuard closeProgress([] {
        if (frmBuilding)
            frmBuilding->close();
    });
    lstbxSearchResults->clear();
    ResultKeys.clear();
    const QList<TSynxSearchHit> hits =
        SearchSynaxarium(MainDM->tblSynxDetailSearch, SearchText, FullSearch);
    for (const TSynxSearchHit& hit : hits) {
        lstbxSearchResults->addItem(hit.Name);
        ResultKeys.append(SearchResultKey(hit.SynxID, hit.Number));
    }
    lblMatched->setText(MatchedCaption(int(hits.size()), SearchText));
}

void TfrmSynxSearchResults::btnSynxSearchAllClick() {
    SearchText = edtSynxSearchAll->text();
    RunSearch();
}

void TfrmSynxSearchResults::lstbxSearchResultsClick(int k) {
    int synxID = 0, number = 0;
    if (k < 0 || k >= ResultKeys.size() || !ParseSearchResultKey(ResultKeys[k], synxID, number))
        return;
    frmLinkSynx->Keyword = AsciiUpper(SearchText);
    OpenResult(synxID, number);
}

void TfrmSynxSearchResults::OpenResult(int SynxID, int Number) {
    OpenSynxEntry(SynxID, Number);
}

void TfrmSynxSearchResults::CreateControls() {
    setObjectName(QStringLiteral("frmSynxSearchResults"));
    setWindowTitle(QStringLiteral("Searching the whole Synaxarium"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(460, 480);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    edtSynxSearchAll = new QLineEdit(this);
    edtSynxSearchAll->setObjectName(QStringLiteral("edtSynxSearchAll"));
    chkbxSearchTitlesOnly = new QCheckBox(QStringLiteral("Full Search"), this);
    chkbxSearchTitlesOnly->setObjectName(QStringLiteral("chkbxSearchTitlesOnly"));
    btnSynxSearchAll = MakeButton(this, QStringLiteral("btnSynxSearchAll"), "Find");
    btnSynxSearchAll->setDefault(true);
    row->addWidget(edtSynxSearchAll, 1);
    row->addWidget(chkbxSearchTitlesOnly);
    row->addWidget(btnSynxSearchAll);
    layout->addLayout(row);

    // The caption quotes the searched text, which may be of any length.
    lblMatched = new TElidedLabel(this);
    lblMatched->setObjectName(QStringLiteral("lblMatched"));
    SetTextColor(lblMatched, SynxMaroon);
    layout->addWidget(lblMatched);

    lstbxSearchResults = new QListWidget(this);
    lstbxSearchResults->setObjectName(QStringLiteral("lstbxSearchResults"));
    QFont underlined = lstbxSearchResults->font();
    underlined.setUnderline(true);
    lstbxSearchResults->setFont(underlined);
    lstbxSearchResults->viewport()->setCursor(Qt::PointingHandCursor);
    layout->addWidget(lstbxSearchResults, 1);

    btnClose = MakeButton(this, QStringLiteral("btnClose"), "&Close");
    layout->addWidget(btnClose, 0, Qt::AlignHCenter);

    connect(btnSynxSearchAll, &QPushButton::clicked, this,
            Guard([this] { btnSynxSearchAllClick(); }));
    connect(edtSynxSearchAll, &QLineEdit::returnPressed, this,
            Guard([this] { btnSynxSearchAllClick(); }));
    connect(chkbxSearchTitlesOnly, &QCheckBox::clicked, this,
            [this](bool checked) { FullSearch = checked; });
    connect(lstbxSearchResults, &QListWidget::itemClicked, this,
            Guard([this](QListWidgetItem* item) {
                lstbxSearchResultsClick(lstbxSearchResults->row(item));
            }));
    OpenRowOnEnter(lstbxSearchResults,
                   [this] { lstbxSearchResultsClick(lstbxSearchResults->currentRow()); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
}
