#pragma once
// The icons list: every distinct icon of the Synaxarium by the name of its
// saint or occasion, the current icon beside the list, a find by a piece of
// the name, and the entry an icon belongs to. The data module tells it of
// every move of its icons query, whether or not it is shown.

#include <QString>
#include <QWidget>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TGridModel;
class TPictureImage;

class TfrmShowIcons : public QWidget {
    Q_OBJECT
public:
    explicit TfrmShowIcons(QWidget* parent = nullptr);
    ~TfrmShowIcons() override;

    QString PicturesFolder;
    QString WallpaperBitmapPath;
    QString IconPicturePath;
    bool IconSearchFromTop = true;

    void FormShow();
    // Shows the icon of the current query row; a file that cannot be read
    // raises and leaves the picture empty.
    void ShowCurrentIcon();
    void btnSynxSearchAllClick();
    void ShowStory();
    void btnWallpaperClick();
    void SetWallpaperCentered();
    void SetWallpaperStretched();
    void SetWallpaperTiled();
    // Through the picture window, on this window's picture.
    void SavePictureAs();
    void CopyPicture();

    QTableView* dbgrdIcons = nullptr;
    TPictureImage* imgPicture = nullptr;
    QLabel* lblSaintName = nullptr;
    QFrame* dbnvgtrSaintsIcons = nullptr;
    QLineEdit* edtSearch = nullptr;
    QLabel* pnlFound = nullptr;
    QPushButton* btnSynxSearchAll = nullptr;
    QPushButton* btnSaveAs = nullptr;
    QPushButton* btnCopyToClipboard = nullptr;
    QPushButton* btnShowStory = nullptr;
    QPushButton* btnWallpaper = nullptr;
    QComboBox* cmbxWallpaper = nullptr;
    QPushButton* btnClose = nullptr;
    TGridModel* Model() const { return model_; }

    void setVisible(bool visible) override;

private:
    void CreateControls();
    // The data module's notice of a move of the icons query.
    void IconQueryMoved();
    void SetWallpaper(int style);
    // Save As, copy and wallpaper, offered only while a picture is shown.
    void EnablePictureCommands();
    TGridModel* model_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
};

extern TfrmShowIcons* frmShowIcons;
