#include "PictureSizing.h"

TPictureLayout PictureLayout(const QSize& picture, const QSize& screen) {
    TPictureLayout r;
    const int pw = picture.width();
    const int ph = picture.height();
    int w = pw + 15;
    int h = ph + 85;
    const double ratio = pw == 0 ? 0.0 : double(ph) / double(pw);
    if (screen.width() < w)
        w = screen.width();
    if (screen.height() - 30 < h)
        h = screen.height() - 30;
    int iw = pw;
    int ih = ph;
    // Both compare the natural size, so the height's scaling wins over the
    // width's when both apply.
    if (pw > w - 15) {
        r.Stretched = true;
        iw = w - 15;
        ih = int(iw * ratio);
    }
    if (ph > h - 50) {
        r.Stretched = true;
        ih = h - 75;
        if (ratio == 0.0) {
            r.Failed = true;
            return r;
        }
        iw = int(ih / ratio);
    }
    r.Image = QSize(iw, ih);
    r.Window = QSize(iw + 30, ih + 80);
    return r;
}

QPoint PicturePlacement(const QSize& window, const QSize& screen) {
    const int left = (screen.width() - window.width()) / 2;
    const int top =
        window.height() == screen.height() - 30 ? 0 : (screen.height() - window.height()) / 2;
    return QPoint(left, top);
}
