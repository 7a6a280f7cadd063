// Main window: the small commands (Bible, icons list, About, the web
// address, the larger day picture, the calendar's double click) and the
// window's return to the middle of the screen.

#include "MainNew.h"

#include "About.h"
#include "BibleMain.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "Picture.h"
#include "Shell.h"
#include "ShowIcons.h"
#include "ZIZ_Cldr.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

QString LargerPictureName(const QString& pictureFile, const QString& picturesFolder) {
    // A day picture whose name starts with "x" is the small copy of the
    // picture named without it.
    QString name = pictureFile;
    if (!pictureFile.isEmpty() && pictureFile.at(0).toUpper() == QLatin1Char('X'))
        name = pictureFile.mid(1);
    if (!QFileInfo(picturesFolder + name).isFile())
        name = pictureFile;
    return name;
}

QPoint MainWindowPlacement(const QSize& window, const QSize& screen) {
    // Integer division truncates toward zero, as the placement asks.
    const int left = (screen.width() - window.width()) / 2;
    const int top = screen.height() == 600 ? 0 : (screen.height() - window.height()) / 2;
    // Never above or left of the screen, where its title and calendar would
    // be out of reach.
    return {std::max(0, left), std::max(0, top)};
}

void TfrmMainNew::ConnectCommands() {
    connect(btnBible, &QPushButton::clicked, this, Guard([this] { btnBibleClick(); }));
    connect(btnIconList, &QPushButton::clicked, this, Guard([this] { btnIconListClick(); }));
    connect(btnAbout, &QPushButton::clicked, this, Guard([this] { btnAboutClick(); }));
    OnWidgetClick(lblWebAddress, Guard([this] { lblWebAddressClick(); }));
    OnWidgetClick(imgDefault, Guard([this] { imgDefaultClick(); }));
    clndrDate->OnDateDblClick = Guard([this] { clndrDateDblClick(); });
}

void TfrmMainNew::btnBibleClick() {
    RequireContentOpened();
    ShowModal(frmBibleMain);
}

void TfrmMainNew::btnIconListClick() {
    RequireContentOpened();
    ShowModal(frmShowIcons);
}

void TfrmMainNew::btnAboutClick() {
    frmAbout->SetDialogMode();
    ShowModeless(frmAbout);
}

void TfrmMainNew::lblWebAddressClick() {
    ShellOpen(QString::fromLatin1(TfrmAbout::WebAddress));
}

void TfrmMainNew::imgDefaultClick() {
    frmPicture->ShowPicture(LargerPictureName(PictureFile, PicturesFolder), PictureCaption,
                            QColor(CaptionColour::Yellow));
    ShowModal(frmPicture);
}

void TfrmMainNew::clndrDateDblClick() {
    btnAllReadingsClick();
}

QSize TfrmMainNew::ScreenSizeInWindowPixels() {
    return ScreenInWindowPixels(CurrentScreenMetrics());
}

void TfrmMainNew::FormPaint() {
    // A maximised window belongs where the desktop put it; a child (as in a
    // test that embeds the window) has no screen position of its own.
    if (!isWindow() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // On a screen lower or narrower than the window with its frame (1024 x
    // 576, or 800 x 600 under a window manager's title bar), the window gives
    // way down to its minimum size, and stays whole on the screen.
    const QSize screen = ScreenSizeInWindowPixels();
    const QSize frame = frameGeometry().size() - size();
    const QSize fit = SizeOnScreen(size(), minimumSize(), frame, screen);
    if (fit != size())
        resize(fit);
    const QPoint at = MainWindowPlacement(fit + frame, screen);
    // Moving only when away from the place keeps a paint from asking for
    // another move, and so another paint, for ever.
    if (pos() != at)
        move(at);
}

void TfrmMainNew::paintEvent(QPaintEvent* event) {
    FormPaint();
    QWidget::paintEvent(event);
}
