#pragma once
// Where the picture window puts a picture: its own size and the picture's
// shown size on a given screen, without a widget.
#include <QPoint>
#include <QSize>

struct TPictureLayout {
    QSize Window;
    QSize Image;
    // The picture is scaled to Image instead of shown at its natural size.
    bool Stretched = false;
    // A picture too tall for the screen that has no width cannot be scaled.
    bool Failed = false;
};

// The window sized to the picture and kept on a screen of the given size.
TPictureLayout PictureLayout(const QSize& picture, const QSize& screen);
// The window centred on the screen, at the top edge when it is as tall as
// the screen allows.
QPoint PicturePlacement(const QSize& window, const QSize& screen);
