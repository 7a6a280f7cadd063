#pragma once
// The picture window: one picture of the pictures folder in a small
// stay-on-top window sized to it, with a pop-up menu to copy it, save it or
// make it the desktop wallpaper. Openers call ShowPicture, then show it
// modally.
#include "Jpeg.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QString>

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QScrollArea;

// An image control: a picture shown at its natural size, stretched to the
// control's size, or scaled to fit it with its proportions kept and centred,
// keeping the JPEG data it was loaded from.
class TPictureImage : public QLabel {
    Q_OBJECT
public:
    explicit TPictureImage(QWidget* parent = nullptr);
    void SetPicture(const TJPEGImage& picture);
    void Clear();
    bool Empty() const { return picture_.Empty(); }
    const TJPEGImage& Picture() const { return picture_; }
    // Natural size: the control takes the picture's size.
    void SetAutoSize();
    // Scaled: the picture fills the control, whatever its size.
    void SetStretched(const QSize& size);
    bool Stretched() const { return stretched_; }
    // Fitted: the picture keeps its proportions, centred in whatever size
    // the control's layout gives it; the control asks for no size of its own.
    void SetProportional();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Render();
    TJPEGImage picture_;
    bool stretched_ = false;
    bool proportional_ = false;
};

// The caption colours that openers give ShowPicture.
namespace CaptionColour {
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb Cream = qRgb(255, 251, 240);
} // namespace CaptionColour

class TfrmPicture : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPicture(QWidget* parent = nullptr);

    void ShowPicture(const QString& FileName, const QString& Caption, const QColor& LabelColor);
    void CopyPicture(TPictureImage* Image);
    void SavePictureAs(TPictureImage* Image);
    // The picture last shown made the wallpaper in the given style.
    void UseAsWallpaper(int Style);

    QString PicturesFolder;
    QString PicturePath;
    QString WallpaperBitmapPath;

    QFrame* pnlPicture = nullptr;
    QScrollArea* scrlbxPicture = nullptr;
    TPictureImage* imgPicture = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lblName = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuSaveAs = nullptr;
    QMenu* mnuWallpaper = nullptr;
    QAction* mnuCenter = nullptr;
    QAction* mnuStretch = nullptr;
    QAction* mnuTile = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The copy, save and wallpaper commands, offered only with a picture.
    void EnablePictureCommands();
    // The primary screen in this window's pixels.
    static QSize ScreenSize();
};

extern TfrmPicture* frmPicture;
