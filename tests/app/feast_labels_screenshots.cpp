// Pictures of the main window's live feast labels as Qt's X11 platform draws
// them, for a look by eye: a feast name under the mouse, the window after a
// date label of another year was clicked, and the picture window a feast
// name opened. The mouse is the X server's own, moved and clicked by
// xdotool. Run under Xvfb with QT_QPA_PLATFORM=xcb, beside the sample
// content: app_feast_labels_screenshots <folder>.
#include "ErrorHandler.h"
#include "MainNew.h"
#include "Picture.h"
#include "Screenshots.h"
#include "Startup.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>

#include <functional>

using namespace Shots;

namespace {

// The X server's pointer over the middle of the label's text, or beside it
// by a number of pixels, clicked or not.
void Pointer(QLabel* label, bool click, int beside = 0) {
    const QPoint at = label->mapToGlobal(
        QPoint(beside ? label->sizeHint().width() + beside : label->sizeHint().width() / 2,
               label->height() / 2));
    QStringList args{QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())};
    if (click)
        args << QStringLiteral("click") << QStringLiteral("1");
    if (QProcess::execute(QStringLiteral("xdotool"), args) != 0)
        qWarning("xdotool failed");
}

QString ColourName(const QLabel* label) {
    return label->palette().color(QPalette::WindowText).name();
}

void ShootPictureWindow(std::function<void()> done) {
    // Modal: pictured and closed from inside.
    Then(1200, [done] {
        frmPicture->raise();
        Then(400, [done] {
            qInfo("picture window: %s, caption \"%s\" in %s", qPrintable(frmPicture->PicturePath),
                  qPrintable(frmPicture->lblName->text()),
                  qPrintable(ColourName(frmPicture->lblName)));
            Save(Grab(frmPicture), QStringLiteral("feast-picture-window.png"));
            frmPicture->accept();
            Then(300, done);
        });
    });
    Pointer(frmMainNew->lblResurrection, true);
}

} // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    SetFolder(argc, argv);
    try {
        StartUp();
    } catch (const std::exception& e) {
        ShowException(e);
        return 1;
    }
    Then(1000, [] {
        // A year that is not today's; its Nativity tab reads "January 7,8".
        frmMainNew->clndrDate->SetDate(QDate(2024, 10, 30));
        frmMainNew->pgcntrlFeasts->setCurrentIndex(0);
        Then(400, [] {
            Save(Grab(frmMainNew), QStringLiteral("main-before-jump.png"));
            Pointer(frmMainNew->lblNativity, false);
            Then(400, [] {
                qInfo("lblNativity under the mouse: %s",
                      qPrintable(ColourName(frmMainNew->lblNativity)));
                Save(Grab(frmMainNew->pgcntrlFeasts), QStringLiteral("feast-label-hover.png"));
                // Beside a date lies the page's picture: the day stays.
                Pointer(frmMainNew->lblPalmSundayDay, true, 200);
                Then(600, [] {
                    qInfo("after a click 200 px right of \"%s\": %s",
                          qPrintable(frmMainNew->lblPalmSundayDay->text()),
                          qPrintable(frmMainNew->CurrentDate.toString(Qt::ISODate)));
                    Pointer(frmMainNew->lblPalmSundayDay, true);
                });
                Then(1200, [] {
                    qInfo("after the click on \"%s\": %s",
                          qPrintable(frmMainNew->lblPalmSundayDay->text()),
                          qPrintable(frmMainNew->CurrentDate.toString(Qt::ISODate)));
                    Save(Grab(frmMainNew), QStringLiteral("main-after-jump.png"));
                    ShootPictureWindow([] { frmMainNew->close(); });
                });
            });
        });
    });
    const int code = app.exec();
    ShutDown();
    return code;
}
