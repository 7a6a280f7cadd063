// Readings window: creation, controls, the show handler and the steps every
// build shares (progress window, input held off, going to the first node).

#include "Readings.h"

#include "Building.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "InputHold.h"
#include "MainNew.h"
#include "RichEdit.h"
#include "Tokens.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TfrmReadings* frmReadings = nullptr;
bool ShowVerseNumbers = true;

namespace {

// A node's text is the heading it finds in the text; the Synaxarium's
// heading holds a line break, which the tree shows as a blank.
class TOneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        return QStyledItemDelegate::displayText(
            DelimitersToSpaces(value.toString(), QStringLiteral("\r\n")), locale);
    }
};

} // namespace

TfrmReadings::TfrmReadings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReadings"));
    CreateControls();
    FormCreate();
}

TfrmReadings::~TfrmReadings() = default;

void TfrmReadings::CreateControls() {
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    // Wide enough for the tree to show a range's day nodes whole beside a
    // text that keeps its rules on one line.
    resize(960, 640);
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
        SetTextColor(lblReadingTitle, QColor(0x80, 0, 0), {QPalette::WindowText}); // maroon
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
    trvwCitiations->setItemDelegate(new TOneLineDelegate(trvwCitiations));
    left->addWidget(trvwCitiations, 1);
    CreateCommands(pnlLeft);

    rchedtReadings = new TRichEdit(splitter);
    rchedtReadings->setObjectName(QStringLiteral("rchedtReadings"));
    rchedtReadings->setReadOnly(true);
    rchedtReadings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter->addWidget(pnlLeft);
    splitter->addWidget(rchedtReadings);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 730});
    outer->addWidget(splitter, 1);

    // The printing commands under the tree, the close button centred.
    auto* bottom = new QHBoxLayout;
    pnlOptions = new QFrame(this);
    pnlOptions->setObjectName(QStringLiteral("pnlOptions"));
    auto* options = new QHBoxLayout(pnlOptions);
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(new QLabel(QStringLiteral("Printing"), pnlOptions));
    auto speedButton = [&](const char* name, const char* hint, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(pnlOptions);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QLatin1String(hint));
        b->setIcon(style()->standardIcon(icon));
        b->setAutoRaise(true);
        options->addWidget(b);
        return b;
    };
    spdbtnPrint = speedButton("spdbtnPrint", "Print", QStyle::SP_FileIcon);
    spdbtnPreview =
        speedButton("spdbtnPreview", "Print Preview", QStyle::SP_FileDialogContentsView);
    spdbtnPageSetup =
        speedButton("spdbtnPageSetup", "Page Setup", QStyle::SP_FileDialogDetailedView);
    spdbtnSaveAs = speedButton("spdbtnSaveAs", "Save As", QStyle::SP_DialogSaveButton);
    options->addStretch(1);
    pnlOptions->setFixedWidth(230);
    bottom->addWidget(pnlOptions);
    bottom->addStretch(1);
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setToolTip(QStringLiteral("Back to main Screen"));
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(btnClose);
    // The same width right of the button keeps it centred.
    bottom->addStretch(1);
    bottom->addSpacing(230);
    outer->addLayout(bottom);

    rchedtReadings->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuText = new QMenu(this);
    mnuitmCopy = mnuText->addAction(QStringLiteral("&Copy"));
    mnuitmCopy->setObjectName(QStringLiteral("mnuitmCopy"));
    SelectAll1 = mnuText->addAction(QStringLiteral("Select &All"));
    SelectAll1->setObjectName(QStringLiteral("SelectAll1"));
    trvwCitiations->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuTree = new QMenu(this);
    ShowBibleChapter1 = mnuTree->addAction(QStringLiteral("Show related Bible chapter"));
    ShowBibleChapter1->setObjectName(QStringLiteral("ShowBibleChapter1"));
    ConnectCommands();
}

void TfrmReadings::CreateCommands(QWidget* panel) {
    QLayout* left = panel->layout();
    chkbxTreeSmartExpansion = new QCheckBox(QStringLiteral("Expand Only Current Hour"), panel);
    chkbxTreeSmartExpansion->setObjectName(QStringLiteral("chkbxTreeSmartExpansion"));
    chkbxTreeSmartExpansion->setChecked(true);
    left->addWidget(chkbxTreeSmartExpansion);
    auto* row = new QHBoxLayout;
    btnExpandTree = new QPushButton(QStringLiteral("Expand  Tree"), panel);
    btnExpandTree->setObjectName(QStringLiteral("btnExpandTree"));
    btnMinimizeTree = new QPushButton(QStringLiteral("Minimize Tree"), panel);
    btnMinimizeTree->setObjectName(QStringLiteral("btnMinimizeTree"));
    row->addWidget(btnExpandTree);
    row->addWidget(btnMinimizeTree);
    static_cast<QVBoxLayout*>(left)->addLayout(row);
    chkbxVerseNum = new QCheckBox(QStringLiteral("Show Verse Number"), panel);
    chkbxVerseNum->setObjectName(QStringLiteral("chkbxVerseNum"));
    chkbxVerseNum->setChecked(true);
    left->addWidget(chkbxVerseNum);
    auto* row2 = new QHBoxLayout;
    btnSetFont = new QPushButton(QStringLiteral("Change Font"), panel);
    btnSetFont->setObjectName(QStringLiteral("btnSetFont"));
    BitBtn1 = new QToolButton(panel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setText(QStringLiteral("Bible"));
    BitBtn1->setToolTip(QStringLiteral("Open Bible for Current Citation"));
    row2->addWidget(btnSetFont, 1);
    row2->addWidget(BitBtn1);
    static_cast<QVBoxLayout*>(left)->addLayout(row2);
    for (QPushButton* b : {btnExpandTree, btnMinimizeTree, btnSetFont})
        b->setAutoDefault(false);
}

void TfrmReadings::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    rchedtReadings->update();
}

void TfrmReadings::FormCreate() {
    TextSize = ReadingsRules::DefaultTextSize;
    RangeMode = false;
}

void TfrmReadings::showEvent(QShowEvent* event) {
    FitOnScreen(this);
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
    Rebuild();
}

QFont TfrmReadings::ReadingsFont() const {
    return DayState != nullptr ? DayState->ReadingsFont : rchedtReadings->font();
}

void TfrmReadings::LetPendingMessagesRun() {
    QCoreApplication::processEvents();
}

void TfrmReadings::BeginBuilding() {
    building_ = true;
    stopAsked_ = false;
    // A build begins before this window is the modal one: the window that
    // opened it is, and is held too.
    QWidget* opener = QApplication::activeModalWidget();
    inputHold_ = std::make_unique<TInputHold>(QList<QWidget*>{this, frmMainNew, opener});
    if (frmBuilding != nullptr)
        frmBuilding->ShowOver(opener);
    // Laid out once, when the whole text is written and has its place.
    rchedtReadings->BeginUpdate();
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
    if (Expand)
        trvwCitiations->expandAll();
    else
        trvwCitiations->collapseAll();
    FitTreeToTopNodes();
    rchedtReadings->EndUpdate();
    rchedtReadings->repaint();
    if (QTreeWidgetItem* first = trvwCitiations->topLevelItem(0))
        GotoReading(first->text(0));
    if (frmBuilding != nullptr)
        frmBuilding->close();
    inputHold_.reset();
    building_ = false;
}

bool TfrmReadings::GotoReading(const QString& Text, int From) {
    TRichEdit& edit = *rchedtReadings;
    const int pos = edit.FindText(Text, From, edit.Length() - From, stMatchCase);
    if (pos < 0)
        return false;
    edit.setFocus();
    edit.SetSelStart(pos);
    edit.ScrollNearTop(pos, JumpLinesAbove);
    return true;
}

void TfrmReadings::FitTreeToTopNodes() {
    const QFontMetrics metrics = trvwCitiations->fontMetrics();
    int widest = 0;
    for (int i = 0; i < trvwCitiations->topLevelItemCount(); ++i)
        widest =
            std::max(widest, metrics.horizontalAdvance(trvwCitiations->topLevelItem(i)->text(0)));
    if (widest == 0)
        return;
    // The branch sign, the frame, a scroll bar and the item's own margins.
    const int needed = widest + trvwCitiations->indentation() + 2 * trvwCitiations->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
    QList<int> sizes = splitter->sizes();
    if (sizes.size() != 2)
        return;
    // The text keeps at least as much room as the tree.
    const int grow = std::min(needed, pnlLeft->maximumWidth()) - sizes[0];
    if (grow <= 0 || sizes[1] - grow < sizes[0] + grow)
        return;
    sizes[0] += grow;
    sizes[1] -= grow;
    splitter->setSizes(sizes);
}

QTreeWidgetItem* TfrmReadings::AddNode(QTreeWidgetItem* parent, const QString& text) {
    auto* node = parent != nullptr ? new QTreeWidgetItem(parent, {text})
                                   : new QTreeWidgetItem(trvwCitiations, {text});
    return node;
}
