// The controls of the Synaxarium window and where they sit. Behaviour lives
// in Synx.cpp.

#include "Synx.h"

#include "ClickFilter.h"
#include "Controls.h"
#include "ErrorHandler.h"
#include "RichEdit.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor Maroon(128, 0, 0);
const QColor LinkBlue(0, 0, 255);
const QString TimesNewRoman = QStringLiteral("Times New Roman");
const QString YearHint =
    QStringLiteral("Select Gregorian Year, for the Greg. Month & Day to be Correct");

constexpr int DesignWidth = 810;
constexpr int DesignHeight = 555;
constexpr int ListMinHeight = 37;
constexpr int ListMaxHeight = 250;

// Blue, bold, underlined and with the hand-point cursor: a label that opens.
QLabel* makeLinkLabel(QWidget* parent, const QString& name) {
    QLabel* l = MakeLabel(parent, name, QString());
    QFont f(TimesNewRoman);
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    SetTextColor(l, LinkBlue);
    l->setCursor(Qt::PointingHandCursor);
    l->setFixedHeight(TfrmSynx::ListRowHeight);
    l->setVisible(false);
    return l;
}

QLabel* makeDateLabel(QWidget* parent, const QString& name) {
    QLabel* l = MakeLabel(parent, name, QString());
    QFont f(TimesNewRoman, 14);
    f.setBold(true);
    l->setFont(f);
    SetTextColor(l, Maroon);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// One column title of the entry list; a click on it goes to the first entry.
QLabel* makeColumnTitle(QWidget* parent, const QString& caption) {
    QLabel* l = MakeLabel(parent, QString(), caption);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setFixedHeight(TfrmSynx::ListTitleHeight);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QGridLayout* makeListGrid(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 0, 4, 0);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(6);
    grid->setAlignment(Qt::AlignTop);
    return grid;
}

} // namespace

void TfrmSynx::CreateControls() {
    setObjectName(QStringLiteral("frmSynx"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(DesignWidth, DesignHeight);
    setMinimumSize(500, 250);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateTitleBar());

    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(CreateEntryList());
    rchedtSynx = new TRichEdit(splitter);
    rchedtSynx->setObjectName(QStringLiteral("rchedtSynx"));
    rchedtSynx->setReadOnly(true);
    rchedtSynx->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rchedtSynx->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rchedtSynx->setPlainText(QStringLiteral("(No Data Found)"));
    splitter->addWidget(rchedtSynx);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    layout->addWidget(CreateBottomBar());

    CloseOnEscape(this);
    ConnectCommands();
}

QWidget* TfrmSynx::CreateTitleBar() {
    pnlTitle = MakePanel(this, QStringLiteral("pnlTitle"));
    // The day's name centred on the first line, the tools and search below.
    auto* lines = new QVBoxLayout(pnlTitle);
    lines->setContentsMargins(6, 4, 6, 4);
    lines->setSpacing(4);

    pnlDayName = MakePanel(pnlTitle, QStringLiteral("pnlDayName"));
    pnlDayName->setFrameShape(QFrame::Panel);
    pnlDayName->setFrameShadow(QFrame::Raised);
    SetTextColor(pnlDayName, Maroon);
    auto* day = new QHBoxLayout(pnlDayName);
    day->setContentsMargins(4, 2, 4, 2);
    spdbtnPrevDay = MakeToolButton(pnlDayName, QStringLiteral("spdbtnPrevDay"), QString(),
                                   QStringLiteral("Previous Day"));
    spdbtnPrevDay->setArrowType(Qt::LeftArrow);
    spdbtnPrevDay->setAutoRaise(false);
    lblSynxDate = makeDateLabel(pnlDayName, QStringLiteral("lblSynxDate"));
    lblSynxDate->setMinimumWidth(150);
    spdbtnNextDay = MakeToolButton(pnlDayName, QStringLiteral("spdbtnNextDay"), QString(),
                                   QStringLiteral("Next Day"));
    spdbtnNextDay->setArrowType(Qt::RightArrow);
    spdbtnNextDay->setAutoRaise(false);
    lblSynxDateGreg = makeDateLabel(pnlDayName, QStringLiteral("lblSynxDateGreg"));
    lblSynxDateGreg->setMinimumWidth(150);
    day->addWidget(spdbtnPrevDay);
    day->addWidget(lblSynxDate);
    day->addWidget(spdbtnNextDay);
    day->addSpacing(8);
    day->addWidget(lblSynxDateGreg);
    connect(spdbtnPrevDay, &QToolButton::clicked, this, Guard([this] { spdbtnPrevDayClick(); }));
    connect(spdbtnNextDay, &QToolButton::clicked, this, Guard([this] { spdbtnNextDayClick(); }));

    Panel2 = MakePanel(pnlTitle, QStringLiteral("Panel2"));
    auto* tools = new QHBoxLayout(Panel2);
    tools->setContentsMargins(0, 0, 0, 0);
    btnSynxSaintsShow = MakeButton(Panel2, QStringLiteral("btnSynxSaintsShow"), "Keywords");
    BitBtn1 = MakeButton(Panel2, QStringLiteral("BitBtn1"), "Icon List");
    edtGregYear = new QLineEdit(Panel2);
    edtGregYear->setObjectName(QStringLiteral("edtGregYear"));
    edtGregYear->setToolTip(YearHint);
    edtGregYear->setFixedWidth(50);
    updwnSynxYear = new TUpDown(edtGregYear, Panel2);
    updwnSynxYear->setObjectName(QStringLiteral("updwnSynxYear"));
    updwnSynxYear->setToolTip(YearHint);
    updwnSynxYear->Min = 1900;
    updwnSynxYear->Max = 5000;
    updwnSynxYear->OnClick = [this] { RunGuarded([this] { updwnSynxYearClick(); }); };
    tools->addWidget(btnSynxSaintsShow);
    tools->addWidget(BitBtn1);
    tools->addSpacing(8);
    tools->addWidget(MakeLabel(Panel2, QStringLiteral("lblYear"), "Year:"));
    tools->addWidget(edtGregYear);
    tools->addWidget(updwnSynxYear);

    pnlSearch = MakePanel(pnlTitle, QStringLiteral("pnlSearch"));
    pnlSearch->setToolTip(
        "Do not enter quotes, if you ente 2 words, the search will be for the exact words "
        "including the space in between, like: Abba Hor");
    auto* search = new QHBoxLayout(pnlSearch);
    search->setContentsMargins(0, 0, 0, 0);
    edtSynxSearchAll = new QLineEdit(pnlSearch);
    edtSynxSearchAll->setObjectName(QStringLiteral("edtSynxSearchAll"));
    edtSynxSearchAll->setToolTip("Part of a word or a word, spaces are counted");
    chkbxSearchTitlesOnly = new QCheckBox("Full Search", pnlSearch);
    chkbxSearchTitlesOnly->setObjectName(QStringLiteral("chkbxSearchTitlesOnly"));
    chkbxSearchTitlesOnly->setToolTip("If not checked, only the titles searched");
    btnSynxSearchAll = MakeButton(pnlSearch, QStringLiteral("btnSynxSearchAll"), "Find");
    btnSynxSearchAll->setToolTip("not case sensitive, mar will return Mark, Marina and Marcorious");
    search->addWidget(edtSynxSearchAll, 1);
    search->addWidget(chkbxSearchTitlesOnly);
    search->addWidget(btnSynxSearchAll);

    lines->addWidget(pnlDayName, 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    row->addWidget(Panel2);
    row->addSpacing(16);
    row->addWidget(pnlSearch, 1);
    lines->addLayout(row);
    return pnlTitle;
}

QWidget* TfrmSynx::CreateEntryList() {
    scrlbxTop = new QScrollArea(this);
    scrlbxTop->setObjectName(QStringLiteral("scrlbxTop"));
    scrlbxTop->setFrameShape(QFrame::NoFrame);
    scrlbxTop->setWidgetResizable(true);
    scrlbxTop->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrlbxTop->setMinimumHeight(ListHeight(0));
    scrlbxTop->setMaximumHeight(ListHeight(MaxSynxEntries));

    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    pnlLeft = MakePanel(content, QStringLiteral("pnlLeft"));
    pnlRight = MakePanel(content, QStringLiteral("pnlRight"));
    columns->addWidget(pnlLeft, 3);
    columns->addWidget(pnlRight, 2);

    QGridLayout* left = makeListGrid(pnlLeft);
    QGridLayout* right = makeListGrid(pnlRight);
    const QList<QLabel*> titles = {
        makeColumnTitle(pnlLeft, "Icon"), makeColumnTitle(pnlLeft, "Saint or Occasion"),
        makeColumnTitle(pnlRight, "Related Date1"), makeColumnTitle(pnlRight, "Related Date 2")};
    left->addWidget(titles[0], 0, 0);
    left->addWidget(titles[1], 0, 1);
    right->addWidget(titles[2], 0, 0);
    right->addWidget(titles[3], 0, 1);
    for (QLabel* title : titles)
        OnWidgetClick(title, [this] { lblSynxClick(1); });
    left->setColumnStretch(1, 1);
    right->setColumnStretch(0, 1);
    right->setColumnStretch(1, 1);

    for (int k = 1; k <= MaxSynxEntries; ++k) {
        const QString n = QString::number(k);
        btnSynx[k] = MakeToolButton(pnlLeft, "btnSynx" + n, QString(),
                                    QStringLiteral("Click here to see a picture"));
        btnSynx[k]->setText(QString(QChar(0x271D))); // a cross stands for the icon
        btnSynx[k]->setFixedSize(28, ListRowHeight);
        btnSynx[k]->setCursor(Qt::PointingHandCursor);
        btnSynx[k]->setVisible(false);
        lblSynx[k] = makeLinkLabel(pnlLeft, "lblSynx" + n);
        lblLink[k] = makeLinkLabel(pnlRight, "lblLink" + n);
        lblLinkB[k] = makeLinkLabel(pnlRight, "lblLinkB" + n);
        left->addWidget(btnSynx[k], k, 0);
        left->addWidget(lblSynx[k], k, 1);
        right->addWidget(lblLink[k], k, 0);
        right->addWidget(lblLinkB[k], k, 1);

        OnWidgetClick(lblSynx[k], [this, k] { lblSynxClick(k); });
        connect(btnSynx[k], &QToolButton::clicked, this,
                Guard([this, k] { ShowIconPicture(EntryPictureFile[k], EntryPictSaintName[k]); }));
        OnWidgetClick(lblLink[k], [this, k] {
            OpenLinkedEntry(LinkHeadID[k], LinkEntryNumber[k], EntryKeyword[k]);
        });
        OnWidgetClick(lblLinkB[k], [this, k] {
            OpenLinkedEntry(LinkHeadIDB[k], LinkEntryNumberB[k], EntryKeyword[k]);
        });
    }
    scrlbxTop->setWidget(content);
    return scrlbxTop;
}

QWidget* TfrmSynx::CreateBottomBar() {
    pnlClose = MakePanel(this, QStringLiteral("pnlClose"));
    auto* row = new QHBoxLayout(pnlClose);
    row->setContentsMargins(6, 4, 6, 4);

    const TPrintingButtons printing = MakePrintingPanel(pnlClose);
    pnlPrinting = printing.Panel;
    spdbtnPrint = printing.Print;
    spdbtnPreview = printing.Preview;
    spdbtnPageSetup = printing.PageSetup;
    spdbtnSaveAs = printing.SaveAs;

    lblTextSize = MakeLabel(pnlClose, QStringLiteral("lblTextSize"), "Text size:");
    cmbxTextSize = new QComboBox(pnlClose);
    cmbxTextSize->setObjectName(QStringLiteral("cmbxTextSize"));
    cmbxTextSize->addItems({"Largest", "Large", "Medium", "Small", "Smallest"});
    cmbxTextSize->setCurrentIndex(2);
    lblTextSize->setVisible(false);
    cmbxTextSize->setVisible(false);

    btnSetFont = MakeButton(pnlClose, QStringLiteral("btnSetFont"), "Change Font");
    btnClose = MakeButton(pnlClose, QStringLiteral("btnClose"), "Close");
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    row->addWidget(pnlPrinting);
    row->addStretch(1);
    row->addWidget(lblTextSize);
    row->addWidget(cmbxTextSize);
    row->addWidget(btnSetFont);
    row->addSpacing(8);
    row->addWidget(btnClose);
    row->addStretch(1);
    setFocusProxy(btnClose);
    return pnlClose;
}

int TfrmSynx::ListHeight(int entries) {
    return std::clamp(ListTitleHeight + ListRowHeight * entries, ListMinHeight, ListMaxHeight);
}

void TfrmSynx::SetListRows(int entries) {
    // Rows of the shown entries keep their height also where a link is hidden,
    // so both halves of the list stay in step.
    for (QWidget* panel : {static_cast<QWidget*>(pnlLeft), static_cast<QWidget*>(pnlRight)}) {
        auto* grid = static_cast<QGridLayout*>(panel->layout());
        for (int k = 1; k <= MaxSynxEntries; ++k)
            grid->setRowMinimumHeight(k, k <= entries ? ListRowHeight : 0);
    }
    const int height = ListHeight(entries);
    const QList<int> sizes = splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    splitter->setSizes({height, total > height ? total - height : DesignHeight});
}
