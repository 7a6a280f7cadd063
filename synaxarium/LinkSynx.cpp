#include "LinkSynx.h"

#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "DayState.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "RichEdit.h"
#include "Synx.h"
#include "SynxCommon.h"
#include "SynxSearch.h"
#include "SynxText.h"
#include "TableEngine.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

TfrmLinkSynx* frmLinkSynx = nullptr;

namespace {

const QString HeadingPrefix = QStringLiteral("From the Coptic Synaxarium Readings for: ");
const QString TableError =
    QStringLiteral("Synxarim Table Error, Please Re-install the program, If did not work please "
                   "contact technical support");
const QColor HighlightBlue(0, 0, 255);
constexpr int EntryRuleLength = 108;

// One run at the end in the readings font's style and size; the font's name
// stays that of the run before.
void AppendPiece(TRichEdit* e, const QString& s, const QColor& color) {
    const QFont& font = DayState->ReadingsFont;
    e->SetSelStart(e->Length());
    e->SelAttributes().SetColor(color);
    e->SelAttributes().SetSize(font.pointSize());
    e->SelAttributes().SetStyle(FontStylesOf(font));
    e->SetSelText(s);
}

} // namespace

TfrmLinkSynx::TfrmLinkSynx(QWidget* parent) : QWidget(parent) {
    CreateControls();
    Keyword.clear();
    TextSize = 12;
}

TfrmLinkSynx::~TfrmLinkSynx() {
    if (frmLinkSynx == this)
        frmLinkSynx = nullptr;
}

void TfrmLinkSynx::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        bool built = false;
        RunGuarded([this, &built] {
            FormShow();
            built = true;
        });
        // After the error box the window stays closed: it would show the
        // previous opening's entry.
        if (!built)
            return;
        CentreOverOpener(this);
    }
    QWidget::setVisible(visible);
}

void TfrmLinkSynx::FormShow() {
    QString caption;
    if (!FromText.isEmpty()) {
        caption = QStringLiteral("Linked From: ") + FromText;
        if (!Keyword.isEmpty())
            caption += QStringLiteral(", Link Keyword ") + Keyword;
    } else if (!Keyword.isEmpty()) {
        caption = QStringLiteral("Search result for ") + Keyword;
    }
    setWindowTitle(caption);
    rchedtSynx->Clear();

    TTable& head = MainDM->tblSynxHeadID;
    if (!head.FindKey({SynxID}))
        throw std::runtime_error(TableError.toStdString());
    const int month = head.FieldByName(QStringLiteral("Month"))->AsInteger();
    const int day = head.FieldByName(QStringLiteral("Day"))->AsInteger();
    LinkGregorianText = frmSynx->CopticToGregorianText(month, day);
    LinkDateText = SynxDateCaption(month, day);
    lblDate->setText(LinkDateText);
    lblSynxDateGreg->setText(LinkGregorianText);

    TTable& detail = MainDM->tblSynxDetail;
    if (!detail.FindKey({SynxID, EntryNumber}))
        return;
    const QString picture = detail.FieldByName(QStringLiteral("PictureFile"))->AsString();
    if (!picture.isEmpty()) {
        LinkPictureFile = picture;
        LinkPictSaintName = detail.FieldByName(QStringLiteral("PictSaintName"))->AsString();
        btnSynx1->setToolTip(QStringLiteral("Icon for: ") + LinkPictSaintName);
        btnSynx1->setVisible(true);
    } else {
        LinkPictureFile.clear();
        LinkPictSaintName.clear();
        btnSynx1->setToolTip(QString());
        btnSynx1->setVisible(false);
    }
    FillEntryText();
}

void TfrmLinkSynx::FillEntryText() {
    rchedtSynx->Clear();
    PageHeading = HeadingPrefix + LinkDateText;
    frmSynx->AddRichHeading(rchedtSynx, QStringLiteral("\t\t") + PageHeading, false, true, false,
                            SynxDayColor);
    // The entry is read again: the fields may have moved since the opening.
    TTable& detail = MainDM->tblSynxDetail;
    if (!detail.FindKey({SynxID, EntryNumber}))
        return;
    const QString name = detail.FieldByName(QStringLiteral("Name"))->AsString();
    const QString desc = detail.FieldByName(QStringLiteral("Desc"))->AsString();
    EntryHeading = SynxEntryHeading(EntryNumber, name);
    frmSynx->AddRichHeading(rchedtSynx, EntryHeading, false, true, false, SynxEntryColor);
    lblSynx1->setText(name);
    lblSynx1->setToolTip(name);
    AddTextHighlighted(desc);
    AddTextHighlighted(QString(EntryRuleLength, QLatin1Char('-')));
    frmSynx->GoToEntry(rchedtSynx, EntryNumber);
}

void TfrmLinkSynx::AddTextHighlighted(const QString& Text) {
    for (const TTextPiece& piece : HighlightPieces(Text, Keyword)) {
        if (piece.Highlighted)
            AddHighlightedPiece(piece.Text);
        else
            AddPlainPiece(piece.Text);
    }
    rchedtSynx->SetSelStart(rchedtSynx->Length());
    rchedtSynx->SetSelText(QStringLiteral("\r\n"));
}

void TfrmLinkSynx::AddHighlightedPiece(const QString& S) {
    if (chkbxShowSearchWord->isChecked())
        AppendPiece(rchedtSynx, S, HighlightBlue);
    else
        AddPlainPiece(S);
}

void TfrmLinkSynx::AddPlainPiece(const QString& S) {
    AppendPiece(rchedtSynx, S, Qt::black);
}

void TfrmLinkSynx::PopupMenu1Popup() {
    mnuitmCopy->setEnabled(rchedtSynx->SelLength() > 0);
    mnuitmSelectAll->setEnabled(rchedtSynx->SelLength() < 4);
}

void TfrmLinkSynx::mnuitmSelectAllClick() {
    rchedtSynx->SelectAll();
    mnuitmSelectAll->setEnabled(false);
    mnuitmCopy->setEnabled(true);
}

void TfrmLinkSynx::btnSetFontClick() {
    DayState->ChooseReadingsFont(this);
    FillEntryText();
}

void TfrmLinkSynx::CreateControls() {
    setObjectName(QStringLiteral("frmLinkSynx"));
    setWindowTitle(QStringLiteral("Link Reading"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(700, 520);
    setMinimumHeight(250);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* top = MakePanel(this, QStringLiteral("pnlTitle"));
    auto* topLines = new QVBoxLayout(top);
    topLines->setContentsMargins(6, 4, 6, 4);
    pnlDayName = MakePanel(top, QStringLiteral("pnlDayName"));
    pnlDayName->setFrameShape(QFrame::Panel);
    pnlDayName->setFrameShadow(QFrame::Raised);
    auto* dates = new QHBoxLayout(pnlDayName);
    dates->setContentsMargins(8, 2, 8, 2);
    QFont dateFont(QStringLiteral("Times New Roman"), 14);
    dateFont.setBold(true);
    lblDate = new QLabel(pnlDayName);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblSynxDateGreg = new QLabel(pnlDayName);
    lblSynxDateGreg->setObjectName(QStringLiteral("lblSynxDateGreg"));
    for (QLabel* l : {lblDate, lblSynxDateGreg}) {
        l->setFont(dateFont);
        SetTextColor(l, SynxMaroon);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(130);
        dates->addWidget(l);
    }
    topLines->addWidget(pnlDayName, 0, Qt::AlignHCenter);

    auto* entryRow = new QHBoxLayout;
    btnSynx1 = new QToolButton(top);
    btnSynx1->setObjectName(QStringLiteral("btnSynx1"));
    btnSynx1->setText(QString(QChar(0x271D))); // a cross stands for the icon
    btnSynx1->setCursor(Qt::PointingHandCursor);
    btnSynx1->setVisible(false);
    lblSynx1 = new QLabel(top);
    lblSynx1->setObjectName(QStringLiteral("lblSynx1"));
    QFont linkFont(QStringLiteral("Times New Roman"));
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    lblSynx1->setFont(linkFont);
    SetTextColor(lblSynx1, Qt::blue);
    lblSynx1->setCursor(Qt::PointingHandCursor);
    chkbxShowSearchWord = new QCheckBox(QStringLiteral("Highlight search Text"), top);
    chkbxShowSearchWord->setObjectName(QStringLiteral("chkbxShowSearchWord"));
    chkbxShowSearchWord->setChecked(true);
    entryRow->addWidget(btnSynx1);
    entryRow->addWidget(lblSynx1, 1);
    entryRow->addWidget(chkbxShowSearchWord);
    topLines->addLayout(entryRow);
    layout->addWidget(top);

    rchedtSynx = new TRichEdit(this);
    rchedtSynx->setObjectName(QStringLiteral("rchedtSynx"));
    rchedtSynx->setReadOnly(true);
    rchedtSynx->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(rchedtSynx, 1);
    const TTextMenu menu = MakeTextMenu(rchedtSynx, this, [this] { PopupMenu1Popup(); });
    PopupMenu1 = menu.Menu;
    mnuitmSelectAll = menu.SelectAll;
    mnuitmCopy = menu.Copy;

    pnlClose = MakePanel(this, QStringLiteral("pnlClose"));
    auto* bottom = new QHBoxLayout(pnlClose);
    bottom->setContentsMargins(6, 4, 6, 4);
    const TPrintingButtons printing = MakePrintingPanel(pnlClose);
    spdbtnPrint = printing.Print;
    spdbtnPreview = printing.Preview;
    spdbtnPageSetup = printing.PageSetup;
    spdbtnSaveAs = printing.SaveAs;
    btnSetFont = MakeButton(pnlClose, QStringLiteral("btnSetFont"), "Change Font");
    btnClose = MakeButton(pnlClose, QStringLiteral("btnClose"), "Close");
    bottom->addWidget(printing.Panel);
    bottom->addStretch(1);
    bottom->addWidget(btnSetFont);
    bottom->addSpacing(8);
    bottom->addWidget(btnClose);
    bottom->addStretch(1);
    layout->addWidget(pnlClose);
    setFocusProxy(btnClose);

    OnWidgetClick(lblSynx1, [this] { frmSynx->GoToEntry(rchedtSynx, EntryNumber); });
    connect(btnSynx1, &QToolButton::clicked, this,
            Guard([this] { frmSynx->ShowIconPicture(LinkPictureFile, LinkPictSaintName); }));
    connect(chkbxShowSearchWord, &QCheckBox::clicked, this, Guard([this] { FillEntryText(); }));
    connect(btnSetFont, &QPushButton::clicked, this, Guard([this] { btnSetFontClick(); }));
    connect(spdbtnPreview, &QToolButton::clicked, this,
            Guard([this] { PreviewSynxText(rchedtSynx, PageHeading); }));
    connect(spdbtnPrint, &QToolButton::clicked, this,
            Guard([this] { PrintSynxText(rchedtSynx, PageHeading); }));
    connect(spdbtnPageSetup, &QToolButton::clicked, this, Guard([] { SynxPageSetup(); }));
    connect(spdbtnSaveAs, &QToolButton::clicked, this,
            Guard([this] { SaveSynxTextAs(rchedtSynx); }));
    connect(mnuitmSelectAll, &QAction::triggered, this, Guard([this] { mnuitmSelectAllClick(); }));
    connect(mnuitmCopy, &QAction::triggered, this,
            Guard([this] { rchedtSynx->CopyToClipboard(); }));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, &QWidget::close);
    }
}

void OpenSynxEntry(int SynxID, int EntryNumber) {
    frmLinkSynx->SynxID = SynxID;
    frmLinkSynx->EntryNumber = EntryNumber;
    frmLinkSynx->FromText.clear();
    ShowModal(frmLinkSynx);
}
