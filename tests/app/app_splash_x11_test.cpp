// The splash as the display really shows it. Runs under Xvfb with Qt's X11
// platform; the screen is read through a connection of its own, so only what
// the program has actually sent to the display counts, as for a user.
#include "About.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// A rectangle of the screen as the display holds it now.
QImage GrabScreen(const QRect& area) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return QImage();
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_get_image_cookie_t cookie =
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, qint16(area.x()),
                      qint16(area.y()), quint16(area.width()), quint16(area.height()), ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(c, cookie, nullptr), &std::free);
    QImage image;
    if (reply && reply->depth == 24) {
        const QImage view(xcb_get_image_data(reply.get()), area.width(), area.height(),
                          QImage::Format_RGB32);
        image = view.copy();
    }
    xcb_disconnect(c);
    return image;
}

// Share of the pixels that are (nearly) the same in both pictures.
double Likeness(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 same = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            same += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                        qAbs(qBlue(p[col]) - qBlue(q[col])) <
                    24;
        }
    }
    return double(same) / (qint64(x.width()) * x.height());
}

} // namespace

TEST(SplashOnX11, IsPaintedFromItsShowAndItsBarStepsToSeven) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run under Xvfb with QT_QPA_PLATFORM=xcb";
    QPointer<TfrmAbout> splash = new TfrmAbout;
    const QRect area(splash->screen()->geometry().center() - splash->rect().center(),
                     splash->size());
    const QImage background = GrabScreen(area);
    ASSERT_FALSE(background.isNull());

    // As start-up does it: no event is processed between these calls.
    splash->ShowSplash();
    splash->StepSplash();
    ASSERT_EQ(splash->geometry(), area);
    const QImage shown = GrabScreen(area);
    EXPECT_LT(Likeness(shown, background), 0.5) << "the screen still shows what was behind";
    EXPECT_GT(Likeness(shown, splash->grab().toImage()), 0.95) << "the splash is not drawn";

    const QRect bar(splash->ProgressBar1->mapTo(splash, QPoint(0, 0)),
                    splash->ProgressBar1->size());
    const QImage barAtOne = shown.copy(bar);
    for (int i = 2; i <= 7; ++i)
        splash->StepSplash();
    EXPECT_EQ(splash->ProgressBar1->value(), 7);
    const QImage barAtSeven = GrabScreen(area).copy(bar);
    EXPECT_LT(Likeness(barAtSeven, barAtOne), 0.9) << "the bar did not move on screen";
    EXPECT_GT(Likeness(barAtSeven, splash->ProgressBar1->grab().toImage()), 0.95);

    splash->SetCloseDelay(1);
    splash->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}
