#include "Picture.h"

#include "Controls.h"
#include "Dialogs.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "PictureSizing.h"
#include "Shell.h"
#include "Wallpaper.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <cmath>
#include <stdexcept>

TfrmPicture* frmPicture = nullptr;

namespace {
// The band below the picture that holds the Close button.
constexpr int ButtonBandHeight = 45;
} // namespace

// ------------------------------------------------------------ the image ---

TPictureImage::TPictureImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TPictureImage::SetPicture(const TJPEGImage& picture) {
    picture_ = picture;
    SetAutoSize();
}

void TPictureImage::Clear() {
    picture_.Clear();
    stretched_ = false;
    clear();
}

void TPictureImage::SetAutoSize() {
    stretched_ = false;
    if (proportional_) {
        update();
        return;
    }
    resize(picture_.Empty() ? QSize(0, 0) : picture_.Image().size());
    Render();
}

void TPictureImage::SetStretched(const QSize& size) {
    stretched_ = true;
    resize(size);
    Render();
}

void TPictureImage::SetProportional() {
    proportional_ = true;
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    clear();
    update();
}

void TPictureImage::paintEvent(QPaintEvent* event) {
    if (!proportional_) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    if (picture_.Empty())
        return;
    // Painted at each size rather than kept as a scaled pixmap, so that a
    // layout that resizes the control never meets a pixmap's size hint.
    const QImage& image = picture_.Image();
    const QRect area = contentsRect();
    const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.topLeft() + QPoint((area.width() - size.width()) / 2,
                                               (area.height() - size.height()) / 2),
                       size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

void TPictureImage::Render() {
    if (picture_.Empty()) {
        clear();
        return;
    }
    const QImage& image = picture_.Image();
    setPixmap(QPixmap::fromImage(
        stretched_ ? image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   : image));
}

// ------------------------------------------------------------ the window ---

TfrmPicture::TfrmPicture(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPicture"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    PicturesFolder = ProgramFolder() + QStringLiteral("pict/");

    pnlPicture = new QFrame(this);
    scrlbxPicture = new QScrollArea(pnlPicture);
    scrlbxPicture->setFrameShape(QFrame::NoFrame);
    imgPicture = new TPictureImage;
    scrlbxPicture->setWidget(imgPicture);
    scrlbxPicture->setWidgetResizable(false);
    lblName = new QLabel(imgPicture);
    lblName->setAlignment(Qt::AlignCenter);
    lblName->hide();
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    PopupMenu1 = new QMenu(this);
    mnuCopy = PopupMenu1->addAction(QStringLiteral("Copy"));
    mnuSaveAs = PopupMenu1->addAction(QStringLiteral("Save As"));
    mnuWallpaper = PopupMenu1->addMenu(QStringLiteral("Use picture as wallpaper"));
    mnuCenter = mnuWallpaper->addAction(QStringLiteral("Center the picture on the desktop"));
    mnuStretch =
        mnuWallpaper->addAction(QStringLiteral("Stretch the picture (it might be distorted)"));
    mnuTile = mnuWallpaper->addAction(QStringLiteral("Tile the picture "));
    connect(mnuCopy, &QAction::triggered, this, Guard([this] { CopyPicture(imgPicture); }));
    connect(mnuSaveAs, &QAction::triggered, this, Guard([this] { SavePictureAs(imgPicture); }));
    connect(mnuCenter, &QAction::triggered, this, Guard([this] { UseAsWallpaper(wsCentred); }));
    connect(mnuStretch, &QAction::triggered, this, Guard([this] { UseAsWallpaper(wsStretched); }));
    connect(mnuTile, &QAction::triggered, this, Guard([this] { UseAsWallpaper(wsTiled); }));
    imgPicture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(imgPicture, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(imgPicture->mapToGlobal(pos)); });
    EnablePictureCommands();
    resize(330, 280);
}

QSize TfrmPicture::ScreenSize() {
    return ScreenInWindowPixels(PrimaryScreenMetrics());
}

void TfrmPicture::EnablePictureCommands() {
    const bool has = !imgPicture->Empty();
    mnuCopy->setEnabled(has);
    mnuSaveAs->setEnabled(has);
    mnuWallpaper->setEnabled(has && !PicturePath.isEmpty());
}

void TfrmPicture::ShowPicture(const QString& FileName, const QString& Caption,
                              const QColor& LabelColor) {
    const QString path = PicturesFolder + FileName;
    setWindowTitle(Caption);
    // A file that cannot be read as a picture is as good as missing.
    TJPEGImage jpeg;
    const TPictureLayout layout = QFileInfo(path).isFile() && jpeg.TryLoadFromFile(path)
                                      ? PictureLayout(jpeg.Image().size(), ScreenSize())
                                      : TPictureLayout{{}, {}, false, true};
    if (layout.Failed) {
        imgPicture->Clear();
        // A path kept from the previous picture would make a picture that is
        // not shown the wallpaper.
        PicturePath.clear();
        WallpaperBitmapPath.clear();
        EnablePictureCommands();
        // An empty window says nothing: the label says why, over the
        // place of the picture.
        SetTextColor(lblName, palette().color(QPalette::WindowText), {QPalette::WindowText});
        lblName->setText(QStringLiteral("Picture Not Found"));
        imgPicture->resize(width(), height() - ButtonBandHeight);
        lblName->setGeometry(imgPicture->rect());
        lblName->show();
        return;
    }
    PicturePath = path;
    WallpaperBitmapPath = UserDataFolder() + QStringLiteral("EVelmorande.bmp");
    SetTextColor(lblName, LabelColor, {QPalette::WindowText});
    lblName->setText(Caption);
    lblName->hide();
    imgPicture->SetPicture(jpeg);
    if (layout.Stretched)
        imgPicture->SetStretched(layout.Image);
    imgPicture->move(0, 0);
    lblName->setGeometry(0, imgPicture->height() - 20, imgPicture->width(), 20);
    resize(layout.Window);
    EnablePictureCommands();
}

void TfrmPicture::CopyPicture(TPictureImage* Image) {
    if (Image->Empty())
        return;
    QApplication::clipboard()->setImage(Image->Picture().Image());
}

void TfrmPicture::SavePictureAs(TPictureImage* Image) {
    TSaveDialogRequest request;
    request.Filter = QStringLiteral("JPEG Image (*.JPG)|*.JPG");
    request.FilterIndex = 1;
    QString f;
    // The dialog belongs to the window that shows the image: the icons list
    // stays on top of a dialog owned by this hidden window.
    if (!ExecuteSaveDialog(Image->window(), request, f))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TScopeGuard restore([] { QApplication::restoreOverrideCursor(); });
    try {
        const QString upper = f.toUpper();
        if (!upper.contains(QStringLiteral(".JPG")) && !upper.contains(QLatin1Char('.')))
            f = f.trimmed() + QStringLiteral(".jpg");
        if (QFileInfo::exists(f) &&
            MessageDlg(f + QStringLiteral(" already exists\n\rDo you want to replace it?"),
                       mtWarning, mbYes | mbNo) != mrYes)
            return;
        if (Image->Empty())
            throw std::runtime_error("There is no picture to save.");
        Image->Picture().SaveToFile(f);
    } catch (const std::exception& e) {
        MessageDlg(QString::fromUtf8(e.what()), mtWarning, mbOK);
    }
}

void TfrmPicture::UseAsWallpaper(int Style) {
    if (PicturePath.isEmpty())
        throw std::runtime_error("There is no picture to use as wallpaper.");
    InstallWallpaper(PicturePath, WallpaperBitmapPath, Style);
}

void TfrmPicture::paintEvent(QPaintEvent* event) {
    const QPoint at = PicturePlacement(size(), ScreenSize());
    if (pos() != at)
        move(at);
    QDialog::paintEvent(event);
}

void TfrmPicture::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    pnlPicture->setGeometry(0, 0, width(), height() - ButtonBandHeight);
    scrlbxPicture->setGeometry(0, 0, pnlPicture->width(), pnlPicture->height());
    btnClose->move(width() / 2 - btnClose->width() / 2, height() - 38);
}
