// The controls of the Bible search window and their handlers. Behaviour
// lives in Search.cpp.

#include "Search.h"

#include "BibleLayout.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "FittingControls.h"
#include "GridModel.h"
#include "PanelScroller.h"
#include "PhraseSearch.h"
#include "RichEdit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace BibleLayout;

namespace {} // namespace

TfrmSearch::TfrmSearch(QWidget* parent) : QWidget(parent, Qt::Window) {
    CreateControls();
}

void TfrmSearch::CreateControls() {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Bible Search"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(TPanelScroller::WindowBody(this));
    layout->setContentsMargins(6, 6, 6, 6);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    lblSearch =
        MakeLabel(this, QStringLiteral("lblSearch"), QStringLiteral("Search for All Words:"));
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    btSearch = MakeButton(this, QStringLiteral("btSearch"), QStringLiteral("Search Now"),
                          TAutoDefault::Unchanged);
    btSearch->setDefault(true);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(edtSearch, 1);
    searchRow->addWidget(btSearch);
    chkBxLiteralSearch = new QCheckBox(QStringLiteral("Phrase or part of word"), this);
    chkBxLiteralSearch->setObjectName(QStringLiteral("chkBxLiteralSearch"));
    chkbxCaseSensitive = new QCheckBox(QStringLiteral("Case Sensitive"), this);
    chkbxCaseSensitive->setObjectName(QStringLiteral("chkbxCaseSensitive"));
    chkbxCaseSensitive->setEnabled(false);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkBxLiteralSearch);
    checks->addWidget(chkbxCaseSensitive);
    checks->addStretch();
    lblMessage = MakeLabel(this, QStringLiteral("lblMessage"), QString());
    lblMessage->hide();
    // However long the words typed, the window keeps its width.
    lblOmittedWords = new TElidedLabel(this);
    lblOmittedWords->setObjectName(QStringLiteral("lblOmittedWords"));
    lblOmittedWords->hide();
    lblNotFoundWords = new TElidedLabel(this);
    lblNotFoundWords->setObjectName(QStringLiteral("lblNotFoundWords"));
    lblNotFoundWords->hide();
    dblkupcmbxBibleOmittedWordsw = new QComboBox(this);
    dblkupcmbxBibleOmittedWordsw->setObjectName(QStringLiteral("dblkupcmbxBibleOmittedWordsw"));
    dblkupcmbxBibleOmittedWordsw->hide();
    auto* found = new QHBoxLayout;
    found->addWidget(MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Verses Founded:")));
    lblFoundRecs = MakeLabel(this, QStringLiteral("lblFoundRecs"), QStringLiteral("0"));
    found->addWidget(lblFoundRecs);
    found->addSpacing(20);
    found->addWidget(lblMessage);
    found->addStretch();
    left->addWidget(lblSearch);
    left->addLayout(searchRow);
    left->addLayout(checks);
    left->addLayout(found);
    left->addWidget(lblOmittedWords);
    left->addWidget(lblNotFoundWords);
    left->addStretch();
    top->addLayout(left, 1);

    const TScopeGroup scope = ScopeGroup(this);
    rdgrpBibleScope = scope.Group;
    scopeButtons = scope.Buttons;
    dblkupcmbxBibleBooks = scope.Books;
    dblkupcmbxBibleBooks->setMinimumWidth(180);
    top->addWidget(scope.Group);
    layout->addLayout(top);

    dbgrdSearch = new QTableView(this);
    dbgrdSearch->setObjectName(QStringLiteral("dbgrdSearch"));
    dbgrdSearch->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgrdSearch->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dbgrdSearch->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgrdSearch->setWordWrap(false);
    dbgrdSearch->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    dbgrdSearch->horizontalHeader()->setStretchLastSection(true);
    dbgrdSearch->setContextMenuPolicy(Qt::CustomContextMenu);
    gridModel = new TGridModel(this);
    gridModel->SetColumns({CitationColumn(), {QStringLiteral("VerseText")}});
    gridModel->SetDataSource(&MainDM->dsSearch);
    gridModel->OnError = [](const std::exception& e) { ShowException(e); };
    dbgrdSearch->setModel(gridModel);
    gridModel->FollowSelection(dbgrdSearch->selectionModel());
    dbgrdSearch->setColumnWidth(0, 132);
    layout->addWidget(dbgrdSearch, 1);

    PopupMenu1 = new QMenu(this);
    mnuCopySelection = PopupMenu1->addAction(QStringLiteral("&Copy Current Selection Only"));
    mnuCopySelection->setObjectName(QStringLiteral("mnuCopySelection"));
    mnuCopyAll = PopupMenu1->addAction(QStringLiteral("Copy &All Verses in Scope"));
    mnuCopyAll->setObjectName(QStringLiteral("mnuCopyAll"));

    auto* bottom = new QHBoxLayout;
    dbnvgtrWordVerse = MakeNavigator(this, QStringLiteral("dbnvgtrWordVerse"),
                                     [model = gridModel] { return model->DataSet(); });
    bottom->addWidget(dbnvgtrWordVerse);
    bottom->addWidget(
        MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Selected verses:")));
    lblSelectCount = MakeLabel(this, QStringLiteral("lblSelectCount"), QStringLiteral("0"));
    bottom->addWidget(lblSelectCount);
    bottom->addStretch();
    const TPrintingButtons print = MakePrintingPanel(this);
    bottom->addWidget(print.Panel);
    spdbtnPrint = print.Print;
    spdbtnPreview = print.Preview;
    spdbtnPageSetup = print.PageSetup;
    spdbtnSaveAs = print.SaveAs;
    SpeedButton1 = MakeButton(this, QStringLiteral("SpeedButton1"),
                              QStringLiteral("Copy to Clipboard"), TAutoDefault::Unchanged);
    bottom->addWidget(SpeedButton1);
    btnClose = MakeButton(this, QStringLiteral("btnClose"), QStringLiteral("&Close"),
                          TAutoDefault::Unchanged);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);

    rchedtReadings = new TRichEdit(this);
    rchedtReadings->setObjectName(QStringLiteral("rchedtReadings"));
    rchedtReadings->hide();
    CloseOnEscape(this);

    auto guarded = [this](void (TfrmSearch::*handler)()) {
        return [this, handler] { RunGuarded([&] { (this->*handler)(); }); };
    };
    connect(btSearch, &QPushButton::clicked, this, guarded(&TfrmSearch::btSearchClick));
    connect(edtSearch, &QLineEdit::returnPressed, this, guarded(&TfrmSearch::btSearchClick));
    connect(chkBxLiteralSearch, &QCheckBox::clicked, this,
            guarded(&TfrmSearch::chkBxLiteralSearchClick));
    connect(chkbxCaseSensitive, &QCheckBox::clicked, this, [this] { AllVersesWritten = false; });
    connect(scopeButtons, &QButtonGroup::idClicked, this,
            guarded(&TfrmSearch::rdgrpBibleScopeClick));
    connect(dblkupcmbxBibleBooks, &QComboBox::activated, this,
            [this] { AllVersesWritten = false; });
    connect(edtSearch, &QLineEdit::textEdited, this, guarded(&TfrmSearch::edtSearchChange));
    OnWidgetClick(edtSearch, [this] { edtSearch->selectAll(); });
    connect(dbgrdSearch, &QTableView::clicked, this, guarded(&TfrmSearch::dbgrdSearchCellClick));
    OpenRowOnEnter(dbgrdSearch, [this] { dbgrdSearchCellClick(); });
    connect(dbgrdSearch->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateSelectionCount(); });
    connect(dbgrdSearch, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        PopupMenu1->popup(dbgrdSearch->viewport()->mapToGlobal(p));
    });
    connect(mnuCopySelection, &QAction::triggered, this,
            guarded(&TfrmSearch::mnuCopySelectionClick));
    connect(mnuCopyAll, &QAction::triggered, this, guarded(&TfrmSearch::mnuCopyAllClick));
    connect(spdbtnPrint, &QToolButton::clicked, this, guarded(&TfrmSearch::spdbtnPrintClick));
    connect(spdbtnPreview, &QToolButton::clicked, this, guarded(&TfrmSearch::spdbtnPreviewClick));
    connect(spdbtnPageSetup, &QToolButton::clicked, this,
            guarded(&TfrmSearch::spdbtnPageSetupClick));
    connect(spdbtnSaveAs, &QToolButton::clicked, this, guarded(&TfrmSearch::spdbtnSaveAsClick));
    connect(SpeedButton1, &QPushButton::clicked, this, guarded(&TfrmSearch::SpeedButton1Click));
    connect(btnClose, &QPushButton::clicked, this, guarded(&TfrmSearch::btnCloseClick));
}

void TfrmSearch::chkBxLiteralSearchClick() {
    const bool phrase = chkBxLiteralSearch->isChecked();
    if (!phrase)
        chkbxCaseSensitive->setChecked(false);
    chkbxCaseSensitive->setEnabled(phrase);
    lblSearch->setText(phrase ? QStringLiteral("Find Exact Phrase:")
                              : QStringLiteral("Search for All Words:"));
    AllVersesWritten = false;
}

void TfrmSearch::rdgrpBibleScopeClick() {
    dblkupcmbxBibleBooks->setEnabled(ScopeIndex() == 4);
    AllVersesWritten = false;
}

void TfrmSearch::edtSearchChange() {
    lblOmittedWords->hide();
    lblNotFoundWords->hide();
    AllVersesWritten = false;
}

void TfrmSearch::btnCloseClick() {
    MainDM->qrySearch.Close();
    close();
}

void TfrmSearch::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOnScreen(this);
    }
    QWidget::setVisible(visible);
}

void TfrmSearch::closeEvent(QCloseEvent* event) {
    if (searching_) {
        event->ignore();
        return;
    }
    RunGuarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}
