#pragma once
// The X server's own mouse and keys for the tests that run under Xvfb with
// Qt's X11 platform (xdotool, named by EVELM_XDOTOOL), and a wait that lets
// events run meanwhile.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Its own deadline: an xdotool that cannot reach the X server fails the test
// here instead of holding it until the suite's limit.
inline void Xdo(const QStringList& args) {
    QProcess xdo;
    xdo.setProcessChannelMode(QProcess::ForwardedChannels);
    xdo.start(QStringLiteral(EVELM_XDOTOOL), args);
    const bool ended = xdo.waitForFinished(10000);
    if (!ended) {
        xdo.kill();
        xdo.waitForFinished();
    }
    ASSERT_TRUE(ended && xdo.exitStatus() == QProcess::NormalExit && xdo.exitCode() == 0)
        << "xdotool " << args.join(' ').toStdString()
        << (ended ? " failed" : " did not end in 10 s");
}

// A click at a point of the widget, by default its middle, with the left
// button unless told (3: the right). The X server counts device pixels: on a
// scaled screen (QT_SCALE_FACTOR) Qt's are larger.
inline void Click(QWidget* w, QPoint at = {-1, -1}, int button = 1) {
    const QPointF p =
        QPointF(w->mapToGlobal(at.x() < 0 ? w->rect().center() : at)) * w->devicePixelRatioF();
    Xdo({"mousemove", QString::number(qRound(p.x())), QString::number(qRound(p.y())), "click",
         QString::number(button)});
}

inline void Key(const QString& key) {
    Xdo({"key", key});
}

// Lets events run until done() holds or the time (ten seconds) passes.
inline bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Lets events run for a while: for what no state of the program shows, such
// as a window manager placing a window.
inline void Pause(int ms) {
    WaitFor([] { return false; }, ms);
}
