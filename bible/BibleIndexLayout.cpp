// The controls of the concordance window and their handlers. Behaviour
// lives in BibleIndex.cpp.

#include "BibleIndex.h"

#include "BibleLayout.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "ErrorHandler.h"
#include "FittingControls.h"
#include "GridModel.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace BibleLayout;

namespace {

// A label that reports clicks.
class TClickLabel : public QLabel {
public:
    TClickLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton)
            RunGuarded([this] { onClick_(); });
    }

private:
    std::function<void()> onClick_;
};

// The left context ends at the word: one too long for its cell loses its
// beginning, not the words next to the word.
class TElideLeftDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideLeft;
    }
};

} // namespace

TfrmBibleIndex::TfrmBibleIndex(QWidget* parent) : QWidget(parent, Qt::Window) {
    CreateControls();
}

void TfrmBibleIndex::CreateControls() {
    setObjectName(QStringLiteral("frmBibleIndex"));
    setWindowTitle(QStringLiteral("Whole Bible Index"));
    resize(820, 600);
    TMainDM& dm = *MainDM;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* top = new QHBoxLayout;
    auto* pick = new QGridLayout;
    QLabel* typeWord = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Type a Word:"));
    pick->addWidget(typeWord, 0, 0);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    pick->addWidget(edtSearch, 0, 1);
    QLabel* selectOne = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Or Select One:"));
    pick->addWidget(selectOne, 1, 0);
    wordsModel = new TGridModel(this);
    wordsModel->SetColumns({{QStringLiteral("TheWord")}});
    wordsModel->SetDataSource(&dm.dsBibleWords);
    dblkupcmbxBibleWords = new QComboBox(this);
    dblkupcmbxBibleWords->setObjectName(QStringLiteral("dblkupcmbxBibleWords"));
    SetDropDownRows(dblkupcmbxBibleWords, 25);
    dblkupcmbxBibleWords->setModel(wordsModel);
    pick->addWidget(dblkupcmbxBibleWords, 1, 1);
    dbnvgtrBibleWords = MakeNavigator(
        this, QStringLiteral("dbnvgtrBibleWords"),
        [ds = &dm.tblBibleWords]() -> TDataSet* { return ds; },
        [this] { ShowWordStatistics(true); });
    pick->addWidget(dbnvgtrBibleWords, 1, 2);
    pnlFound = MakeLabel(this, QStringLiteral("pnlFound"), QStringLiteral("0 Match"));
    pnlFound->setToolTip(QStringLiteral(
        "Number of Verses Could be Less if More Than One  Word Matches in the Same Verse"));
    pnlFound->setFrameShape(QFrame::Panel);
    pnlFound->setFrameShadow(QFrame::Sunken);
    pnlFound->setAlignment(Qt::AlignCenter);
    pnlFound->setMinimumHeight(26);
    pnlFound->setCursor(Qt::PointingHandCursor);
    pick->addWidget(pnlFound, 2, 0, 1, 3);
    auto* letters = new QHBoxLayout;
    letters->setSpacing(4);
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QChar letter = QLatin1Char(c);
        auto* l = new TClickLabel(QString(letter), this, [this, letter] { LetterClick(letter); });
        l->setObjectName(c == 'A'   ? QStringLiteral("lblA")
                         : c == 'B' ? QStringLiteral("lblB")
                         : c == 'C' ? QStringLiteral("lblC")
                                    : QStringLiteral("Label%1").arg(c - 'D' + 5));
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        letterLabels << l;
        letters->addWidget(l);
    }
    letters->addStretch();
    pick->addLayout(letters, 3, 0, 1, 3);
    top->addLayout(pick, 1);

    const TScopeGroup scope = ScopeGroup(this);
    rdgrpBibleScope = scope.Group;
    scopeButtons = scope.Buttons;
    dblkupcmbxBibleBooks = scope.Books;
    scopeButtons->button(0)->setChecked(true);
    dblkupcmbxBibleBooks->setEnabled(false);
    top->addWidget(scope.Group);
    layout->addLayout(top);

    dbgridWVerses = new QTableView(this);
    dbgridWVerses->setObjectName(QStringLiteral("dbgridWVerses"));
    dbgridWVerses->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgridWVerses->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgridWVerses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgridWVerses->setWordWrap(false);
    dbgridWVerses->setCursor(Qt::PointingHandCursor);
    dbgridWVerses->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    dbgridWVerses->horizontalHeader()->setStretchLastSection(true);
    versesModel = new TGridModel(this);
    // The word in blue Courier, in the font lblWidth measures it with.
    const QFont wordFont(QStringLiteral("Courier New"), 10, QFont::Bold);
    TGridColumn word(QStringLiteral("Word1"), QString(), Qt::AlignCenter);
    word.Roles.insert(Qt::ForegroundRole, QColor(Qt::blue));
    word.Roles.insert(Qt::FontRole, wordFont);
    versesModel->SetColumns(
        {CitationColumn(),
         {QStringLiteral("Verse1"), QStringLiteral("Verse"), Qt::AlignRight | Qt::AlignVCenter},
         word,
         {QStringLiteral("Verse2"), QString()}});
    versesModel->SetDataSource(&dm.dsWordVerse);
    versesModel->OnError = [](const std::exception& e) { ShowException(e); };
    dbgridWVerses->setModel(versesModel);
    versesModel->FollowSelection(dbgridWVerses->selectionModel());
    dbgridWVerses->setColumnWidth(0, 154);
    dbgridWVerses->setItemDelegateForColumn(1, new TElideLeftDelegate(dbgridWVerses));
    // The grid's own width is known only once it is laid out, after the
    // window's first resize.
    OnWidgetEvent(dbgridWVerses->viewport(), QEvent::Resize, [this] { FitContextColumn(); });
    layout->addWidget(dbgridWVerses, 1);

    auto* bottom = new QHBoxLayout;
    dbnvgtrWordVerse = MakeNavigator(
        this, QStringLiteral("dbnvgtrWordVerse"),
        [ds = &dm.tblWordVerse]() -> TDataSet* { return ds; },
        [this] { ShowWordStatistics(true); });
    bottom->addWidget(dbnvgtrWordVerse);
    bottom->addStretch();
    btnShowChapter = MakeButton(this, QStringLiteral("btnShowChapter"),
                                QStringLiteral("Show Chpater"), TAutoDefault::Unchanged);
    bottom->addWidget(btnShowChapter);
    btnClose = MakeButton(this, QStringLiteral("btnClose"), QStringLiteral("&Close"),
                          TAutoDefault::Unchanged);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);

    lblWidth = new QLabel(this);
    lblWidth->setObjectName(QStringLiteral("lblWidth"));
    lblWidth->setFont(wordFont);
    lblWidth->hide();
    CloseOnEscape(this);

    connect(edtSearch, &QLineEdit::textChanged, this,
            [this] { RunGuarded([this] { edtSearchChange(); }); });
    connect(edtSearch, &QLineEdit::returnPressed, this,
            [this] { RunGuarded([this] { edtSearchChange(); }); });
    connect(dblkupcmbxBibleWords, &QComboBox::activated, this,
            [this](int row) { RunGuarded([&] { WordChosen(row); }); });
    connect(scopeButtons, &QButtonGroup::idClicked, this,
            [this] { RunGuarded([this] { ScopeClick(); }); });
    connect(dblkupcmbxBibleBooks, &QComboBox::activated, this,
            [this] { RunGuarded([this] { ScopeClick(); }); });
    OnWidgetEvent(dblkupcmbxBibleBooks, QEvent::KeyRelease,
                  [this] { RunGuarded([this] { ScopeClick(); }); });
    OnWidgetClick(edtSearch, [this] { edtSearch->selectAll(); });
    connect(dbgridWVerses, &QTableView::clicked, this, [this] {
        RunGuarded([this] {
            if (!MainDM->tblWordVerse.Eof())
                ShowVerseChapter();
        });
    });
    connect(btnShowChapter, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowVerseChapter(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmBibleIndex::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOnScreen(this);
    }
    QWidget::setVisible(visible);
}

void TfrmBibleIndex::closeEvent(QCloseEvent* event) {
    RunGuarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}
