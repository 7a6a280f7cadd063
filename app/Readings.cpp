// Readings window: creation, controls, the show handler and the steps every
// build shares (progress window, input held off, going to the first node).

#include "Readings.h"

#include "Building.h"
#include "DMMain.h"
#include "DayState.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "InputHold.h"
#include "MainNew.h"
#include "RichEdit.h"
#include "ZIZ_Cldr.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmReadings* frmReadings = nullptr;
bool ShowVerseNumbers = true;

TfrmReadings::TfrmReadings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReadings"));
    CreateControls();
    FormCreate();
}

TfrmReadings::~TfrmReadings() = default;

void TfrmReadings::CreateControls() {
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    resize(900, 640);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);

    lblReadingTitle = new QLabel(this);
    lblReadingTitle->setObjectName(QStringLiteral("lblReadingTitle"));
    lblReadingTitle->setAlignment(Qt::AlignCenter);
    lblReadingTitle->setWordWrap(true);
    {
        QFont f = lblReadingTitle->font();
        f.setBold(true);
        f.setPointSize(12);
        lblReadingTitle->setFont(f);
        QPalette p = lblReadingTitle->palette();
        p.setColor(QPalette::WindowText, QColor(0x80, 0, 0)); // maroon
        lblReadingTitle->setPalette(p);
    }
    outer->addWidget(lblReadingTitle);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);

    pnlLeft = new QFrame(splitter);
    pnlLeft->setObjectName(QStringLiteral("pnlLeft"));
    pnlLeft->setMinimumWidth(50);
    pnlLeft->setMaximumWidth(350);
    auto* left = new QVBoxLayout(pnlLeft);
    left->setContentsMargins(0, 0, 0, 0);
    trvwCitiations = new QTreeWidget(pnlLeft);
    trvwCitiations->setObjectName(QStringLiteral("trvwCitiations"));
    trvwCitiations->setHeaderHidden(true);
    trvwCitiations->setColumnCount(1);
    trvwCitiations->setEditTriggers(QAbstractItemView::NoEditTriggers);
    trvwCitiations->setSelectionBehavior(QAbstractItemView::SelectRows);
    trvwCitiations->setToolTip(QStringLiteral("Click to move the cursor to a reading."));
    left->addWidget(trvwCitiations, 1);
    // The tree's commands take their place below the tree.
    chkbxVerseNum = new QCheckBox(QStringLiteral("Show Verse Number"), pnlLeft);
    chkbxVerseNum->setObjectName(QStringLiteral("chkbxVerseNum"));
    chkbxVerseNum->setChecked(true);
    left->addWidget(chkbxVerseNum);

    rchedtReadings = new TRichEdit(splitter);
    rchedtReadings->setObjectName(QStringLiteral("rchedtReadings"));
    rchedtReadings->setReadOnly(true);
    rchedtReadings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter->addWidget(pnlLeft);
    splitter->addWidget(rchedtReadings);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 670});
    outer->addWidget(splitter, 1);

    // The printing commands take their place left of the close button.
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setToolTip(QStringLiteral("Back to main Screen"));
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(btnClose);
    outer->addLayout(bottom);
}

void TfrmReadings::FormCreate() {
    TextSize = ReadingsRules::DefaultTextSize;
    RangeMode = false;
}

void TfrmReadings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the desktop keeps its text; only the opener's
    // show builds.
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

void TfrmReadings::FormShow() {
    if (building_)
        return;
    ReadingsDate = frmMainNew != nullptr && frmMainNew->clndrDate != nullptr
                       ? frmMainNew->clndrDate->Date()
                       : Today();
    PairedBookID = ReadingsRules::PairedBook;
    PsalmsBookID = ReadingsRules::PsalmsBook;
    ShowVerseNumbers = chkbxVerseNum->isChecked();
    if (!RangeMode)
        BuildDayReadings(true, QString());
    else
        BuildRangeReadings();
}

QFont TfrmReadings::ReadingsFont() const {
    return DayState != nullptr ? DayState->ReadingsFont : rchedtReadings->font();
}

void TfrmReadings::LetPendingMessagesRun() {
    QCoreApplication::processEvents();
}

void TfrmReadings::BeginBuilding() {
    building_ = true;
    inputHold_ = std::make_unique<TInputHold>(QList<QWidget*>{this, frmMainNew});
    if (frmBuilding != nullptr)
        frmBuilding->show();
    rchedtReadings->hide();
    LetPendingMessagesRun();
    rchedtReadings->Clear();
    trvwCitiations->clear();
}

void TfrmReadings::SetBuildingProgressMax(int N) {
    if (frmBuilding == nullptr)
        return;
    QProgressBar* bar = frmBuilding->prgrsbarChapter;
    bar->setMaximum(N == 1 ? MainDM->tblReadings.RecordCount() : N * 13);
    bar->setValue(0);
}

void TfrmReadings::EndBuilding(bool Expand) {
    rchedtReadings->show();
    // While the text was hidden the splitter held the tree alone, at most as
    // wide as the tree's panel; the text must have its place again before
    // the first node's heading is looked for.
    splitter->refresh();
    layout()->activate();
    rchedtReadings->repaint();
    if (Expand)
        trvwCitiations->expandAll();
    else
        trvwCitiations->collapseAll();
    if (QTreeWidgetItem* first = trvwCitiations->topLevelItem(0))
        GotoReading(first->text(0));
    if (frmBuilding != nullptr)
        frmBuilding->close();
    inputHold_.reset();
    building_ = false;
}

bool TfrmReadings::GotoReading(const QString& Text) {
    TRichEdit& edit = *rchedtReadings;
    const int pos = edit.FindText(Text, 0, edit.Length(), stMatchCase);
    if (pos < 0)
        return false;
    edit.setFocus();
    // A long text is laid out bit by bit after it is written; the place of
    // the heading is known only when that is done.
    edit.document()->documentLayout()->documentSize();
    edit.SetSelStart(pos);
    // The found heading goes to the top of the view, or as far up as the end
    // of the text lets it.
    QScrollBar* bar = edit.verticalScrollBar();
    bar->setValue(bar->value() + edit.cursorRect().top());
    return true;
}

QTreeWidgetItem* TfrmReadings::AddNode(QTreeWidgetItem* parent, const QString& text) {
    auto* node = parent != nullptr ? new QTreeWidgetItem(parent, {text})
                                   : new QTreeWidgetItem(trvwCitiations, {text});
    return node;
}

// The readings of a range of days come with the range request; until then
// no opener sets RangeMode.
void TfrmReadings::BuildRangeReadings() {}
