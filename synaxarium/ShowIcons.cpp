#include "ShowIcons.h"

#include "ClickFilter.h"
#include "Controls.h"
#include "DMMain.h"
#include "Dialogs.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "GridModel.h"
#include "Jpeg.h"
#include "LinkSynx.h"
#include "PanelScroller.h"
#include "Picture.h"
#include "SynxCommon.h"
#include "SynxSearch.h"
#include "Wallpaper.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

TfrmShowIcons* frmShowIcons = nullptr;

namespace {

QString Field(const char* name) {
    return MainDM->qrySynx.FieldByName(QLatin1String(name))->AsString();
}

} // namespace

TfrmShowIcons::TfrmShowIcons(QWidget* parent) : QWidget(parent) {
    PicturesFolder = ProgramFolder() + QStringLiteral("pict/");
    // The program's folder is no place to write to: the bitmap goes to the
    // user's own folder, as the picture window's does.
    WallpaperBitmapPath = UserDataFolder() + QStringLiteral("EVelmorande.bmp");
    IconSearchFromTop = true;
    CreateControls();
    MainDM->ShowCurrentIcon = [this] { IconQueryMoved(); };
}

TfrmShowIcons::~TfrmShowIcons() {
    if (MainDM)
        MainDM->ShowCurrentIcon = nullptr;
    if (frmShowIcons == this)
        frmShowIcons = nullptr;
}

void TfrmShowIcons::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        RunGuarded([this] { FormShow(); });
        CentreOverOpener(this);
    }
    QWidget::setVisible(visible);
}

void TfrmShowIcons::FormShow() {
    FocusOnOpening(edtSearch);
    MainDM->qrySynx.Open();
    if (model_->DataSource() != &MainDM->dsSynxDtailByPictSaint) {
        model_->SetDataSource(&MainDM->dsSynxDtailByPictSaint);
        model_->FollowSelection(dbgrdIcons->selectionModel());
    }
    dbgrdIcons->viewport()->update();
}

void TfrmShowIcons::ShowCurrentIcon() {
    IconPicturePath = PicturesFolder + Field("PictureFile");
    lblSaintName->setText(Field("PictSaintName"));
    imgPicture->Clear();
    TScopeGuard enable([this] { EnablePictureCommands(); });
    TJPEGImage picture;
    picture.LoadFromFile(IconPicturePath);
    imgPicture->SetPicture(picture);
}

// A missing icon file must not stop the list from moving: the row's name
// shows over an empty picture.
void TfrmShowIcons::IconQueryMoved() {
    try {
        ShowCurrentIcon();
    } catch (const std::exception&) {
        // ShowCurrentIcon has emptied the picture and its commands.
    }
}

void TfrmShowIcons::EnablePictureCommands() {
    const bool has = !imgPicture->Empty();
    for (QPushButton* b : {btnSaveAs, btnCopyToClipboard, btnWallpaper})
        b->setEnabled(has);
    mnuCopy_->setEnabled(has);
    mnuSaveAs_->setEnabled(has);
}

void TfrmShowIcons::btnSynxSearchAllClick() {
    if (edtSearch->text().isEmpty()) {
        MessageDlg(QStringLiteral("Invalid Keyword"), mtWarning, mbOK);
        return;
    }
    imgPicture->setVisible(false);
    TScopeGuard showPicture([this] { imgPicture->setVisible(true); });
    const bool found = FindNextRow(MainDM->qrySynx, QStringLiteral("PictSaintName"),
                                   AsciiUpper(edtSearch->text()), IconSearchFromTop);
    pnlFound->setText(found ? QStringLiteral(" Found ") : QStringLiteral("Not Found"));
    IconSearchFromTop = !found;
}

void TfrmShowIcons::ShowStory() {
    frmLinkSynx->Keyword.clear();
    TQuery& query = MainDM->qrySynx;
    const int synxID = query.FieldByName(QStringLiteral("SynxID"))->AsInteger();
    const int number = query.FieldByName(QStringLiteral("SynxNum"))->AsInteger();
    if (synxID == 0 || number == 0)
        return;
    imgPicture->setVisible(false);
    const int row = query.RecNo();
    {
        TScopeGuard back([this, &query, row] {
            query.SetRecNo(row);
            imgPicture->setVisible(true);
        });
        OpenSynxEntry(synxID, number);
    }
}

void TfrmShowIcons::btnWallpaperClick() {
    switch (cmbxWallpaper->currentIndex()) {
    case 0:
        SetWallpaperCentered();
        break;
    case 1:
        SetWallpaperStretched();
        break;
    case 2:
        SetWallpaperTiled();
        break;
    default:
        break;
    }
}

void TfrmShowIcons::SetWallpaperCentered() {
    SetWallpaper(wsCentred);
}

void TfrmShowIcons::SetWallpaperStretched() {
    SetWallpaper(wsStretched);
}

void TfrmShowIcons::SetWallpaperTiled() {
    SetWallpaper(wsTiled);
}

void TfrmShowIcons::SetWallpaper(int style) {
    InstallWallpaper(IconPicturePath, WallpaperBitmapPath, style);
}

void TfrmShowIcons::SavePictureAs() {
    frmPicture->SavePictureAs(imgPicture);
}

void TfrmShowIcons::CopyPicture() {
    frmPicture->CopyPicture(imgPicture);
}

void TfrmShowIcons::CreateControls() {
    setObjectName(QStringLiteral("frmShowIcons"));
    setWindowTitle(QStringLiteral("Icons from The Synxarium Book"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(780, 560);

    // What a small or scaled screen cannot hold scrolls; the body is no
    // window, so it keeps the window's margins.
    auto* layout = new QVBoxLayout(TPanelScroller::WindowBody(this));
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: #800000; }"));
    splitter->setHandleWidth(4);

    auto* left = new QWidget(splitter);
    auto* leftLines = new QVBoxLayout(left);
    leftLines->setContentsMargins(0, 0, 0, 0);
    dbgrdIcons = new QTableView(left);
    dbgrdIcons->setObjectName(QStringLiteral("dbgrdIcons"));
    dbgrdIcons->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgrdIcons->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgrdIcons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgrdIcons->horizontalHeader()->setStretchLastSection(true);
    dbgrdIcons->verticalHeader()->setDefaultSectionSize(20);
    model_ = new TGridModel(this);
    model_->SetColumns({{QStringLiteral("PictSaintName"), QStringLiteral("Picture Name")}});
    model_->OnError = [](const std::exception& e) { ShowException(e); };
    dbgrdIcons->setModel(model_);
    leftLines->addWidget(dbgrdIcons, 1);

    dbnvgtrSaintsIcons =
        MakeNavigator(left, QStringLiteral("dbnvgtrSaintsIcons"), [] { return &MainDM->qrySynx; });
    leftLines->addWidget(dbnvgtrSaintsIcons, 0, Qt::AlignLeft);

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Keyword:"), left));
    edtSearch = new QLineEdit(left);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    search->addWidget(edtSearch, 1);
    pnlFound = new QLabel(QStringLiteral("Not Found"), left);
    pnlFound->setObjectName(QStringLiteral("pnlFound"));
    pnlFound->setFrameShape(QFrame::Panel);
    pnlFound->setFrameShadow(QFrame::Sunken);
    pnlFound->setAlignment(Qt::AlignCenter);
    pnlFound->setMinimumWidth(70);
    search->addWidget(pnlFound);
    btnSynxSearchAll = MakeButton(left, QStringLiteral("btnSynxSearchAll"), "Find");
    btnSynxSearchAll->setToolTip(
        QStringLiteral("not case sensitive, mar will return Mark, Marina and Marcorious"));
    search->addWidget(btnSynxSearchAll);
    leftLines->addLayout(search);

    auto* right = new QWidget(splitter);
    auto* rightLines = new QVBoxLayout(right);
    rightLines->setContentsMargins(0, 0, 0, 0);
    imgPicture = new TPictureImage(right);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->SetProportional();
    imgPicture->setMinimumSize(200, 200);
    imgPicture->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* pictureMenu = new QMenu(this);
    mnuCopy_ = pictureMenu->addAction(QStringLiteral("Copy"));
    mnuSaveAs_ = pictureMenu->addAction(QStringLiteral("Save As"));
    connect(
        imgPicture, &QWidget::customContextMenuRequested, this,
        [this, pictureMenu](const QPoint& at) { pictureMenu->popup(imgPicture->mapToGlobal(at)); });
    rightLines->addWidget(imgPicture, 1);
    lblSaintName = new QLabel(right);
    lblSaintName->setObjectName(QStringLiteral("lblSaintName"));
    QFont bold = lblSaintName->font();
    bold.setBold(true);
    lblSaintName->setFont(bold);
    SetTextColor(lblSaintName, SynxNavy);
    lblSaintName->setAlignment(Qt::AlignCenter);
    lblSaintName->setWordWrap(true);
    rightLines->addWidget(lblSaintName);

    auto* buttons = new QHBoxLayout;
    btnSaveAs = MakeButton(right, QStringLiteral("btnSaveAs"), "Save As");
    btnSaveAs->setToolTip(QStringLiteral("Save picture as a JPG file"));
    btnCopyToClipboard =
        MakeButton(right, QStringLiteral("btnCopyToClipboard"), "Copy to Clipboard");
    btnCopyToClipboard->setToolTip(QStringLiteral("Copy Picture to Clipboard"));
    btnShowStory = MakeButton(right, QStringLiteral("btnShowStory"), "Show Story");
    buttons->addWidget(btnSaveAs);
    buttons->addWidget(btnCopyToClipboard);
    buttons->addWidget(btnShowStory);
    rightLines->addLayout(buttons);
    auto* wallpaper = new QHBoxLayout;
    btnWallpaper = MakeButton(right, QStringLiteral("btnWallpaper"), "Use as wallpaper");
    cmbxWallpaper = new QComboBox(right);
    cmbxWallpaper->setObjectName(QStringLiteral("cmbxWallpaper"));
    cmbxWallpaper->addItems({QStringLiteral("Center the picture on the desktop"),
                             QStringLiteral("Stretch the picture (it might be distorted)"),
                             QStringLiteral("Tile the picture ")});
    cmbxWallpaper->setCurrentIndex(0);
    wallpaper->addWidget(btnWallpaper);
    wallpaper->addWidget(cmbxWallpaper, 1);
    rightLines->addLayout(wallpaper);

    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    // Room for the search line's box beside its state and button.
    splitter->setSizes({330, 450});
    layout->addWidget(splitter, 1);

    btnClose = MakeButton(this, QStringLiteral("btnClose"), "&Close");
    layout->addWidget(btnClose, 0, Qt::AlignHCenter);

    connect(btnSynxSearchAll, &QPushButton::clicked, this,
            Guard([this] { btnSynxSearchAllClick(); }));
    connect(edtSearch, &QLineEdit::returnPressed, this, Guard([this] { btnSynxSearchAllClick(); }));
    connect(btnShowStory, &QPushButton::clicked, this, Guard([this] { ShowStory(); }));
    connect(dbgrdIcons, &QTableView::doubleClicked, this, Guard([this] { ShowStory(); }));
    connect(btnSaveAs, &QPushButton::clicked, this, Guard([this] { SavePictureAs(); }));
    connect(mnuSaveAs_, &QAction::triggered, this, Guard([this] { SavePictureAs(); }));
    connect(btnCopyToClipboard, &QPushButton::clicked, this, Guard([this] { CopyPicture(); }));
    connect(mnuCopy_, &QAction::triggered, this, Guard([this] { CopyPicture(); }));
    connect(btnWallpaper, &QPushButton::clicked, this, Guard([this] { btnWallpaperClick(); }));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    CloseOnEscape(this);
    EnablePictureCommands();
}
