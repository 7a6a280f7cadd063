// Starts the program on the content beside it, clicks the main window's
// saint label n (default 1) with the mouse once today is shown, so the
// Synaxarium window opens on a real display for a look by eye:
// synaxarium_shot [n] [yyyy-mm-dd] [step|preview|font|message]. With "step"
// the window then steps to the next day and a year on. The others click, with
// the X server's mouse (xdotool), its Preview, its Change Font, or its Icon
// List and there Find with no keyword, and save the whole screen as
// <which>.png in the current folder. Quits after 10 seconds.
#include "ErrorHandler.h"
#include "MainNew.h"
#include "ShowIcons.h"
#include "Startup.h"
#include "Synx.h"
#include "UpDown.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void XClick(QWidget* w) {
    // The X server counts device pixels.
    const QPoint p = w->mapToGlobal(w->rect().center()) * w->devicePixelRatioF();
    QProcess::execute(QStringLiteral("xdotool"),
                      {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

void SaveScreen(const QByteArray& which) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLatin1(which + ".png"));
}

} // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 1;
    const QDate date =
        argc > 2 ? QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate) : QDate();
    const QByteArray then = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    const bool step = then == "step";
    StartUp();
    if (step)
        QTimer::singleShot(3000, [] {
            QTest::mouseClick(frmSynx->spdbtnNextDay, Qt::LeftButton);
            QTest::mouseClick(frmSynx->updwnSynxYear->btnUp, Qt::LeftButton);
        });
    QTimer::singleShot(1500, [n, date] {
        if (date.isValid())
            frmMainNew->clndrDate->SetDate(date);
        QLabel* label = frmMainNew->SynxLabels()[size_t(std::clamp(n, 1, 12) - 1)];
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    });
    // The modal loops run these; each step gives the window before it time to
    // show. At a large scale the start-up warning waits for a key first.
    if (then == "preview" || then == "font")
        QTimer::singleShot(3000, [then] {
            XClick(then == "preview" ? static_cast<QWidget*>(frmSynx->spdbtnPreview)
                                     : frmSynx->btnSetFont);
        });
    if (then == "message") {
        QTimer::singleShot(3000, [] { XClick(frmSynx->BitBtn1); });
        QTimer::singleShot(7000, [] { XClick(frmShowIcons->btnSynxSearchAll); });
    }
    if (then == "preview" || then == "font" || then == "message")
        QTimer::singleShot(8500, [then] { SaveScreen(then); });
    QTimer::singleShot(10000, [] { QApplication::exit(0); });
    const int code = app.exec();
    ShutDown();
    return code;
}
