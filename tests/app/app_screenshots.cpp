// Pictures of the program as Qt's X11 platform puts it on a display, for a
// look by eye: app_screenshots <folder> design|scaled|days. Run it under Xvfb
// with QT_QPA_PLATFORM=xcb (scripts/screenshots.sh does). It starts the
// program as the program does, beside the sample content of its own folder;
// message boxes are pictured and answered with their default button.
#include "About.h"
#include "ErrorHandler.h"
#include "MainNew.h"
#include "Startup.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

QString folder;
int messages = 0;

// What the display shows in a window's area now.
void Shoot(QWidget* w, const QString& name) {
    QScreen* screen = w->screen();
    const QRect area = w->frameGeometry();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString file = QDir(folder).filePath(name);
    shot.save(file);
    qInfo("%s: %dx%d", qPrintable(file), w->width(), w->height());
}

// Message boxes block the start-up: picture each, then press its default.
class MessageShooter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                QPointer<QMessageBox> b = box;
                QTimer::singleShot(400, [b] {
                    if (!b)
                        return;
                    qInfo("message: %s", qPrintable(b->text()));
                    Shoot(b, QStringLiteral("message-%1.png").arg(++messages));
                    b->accept();
                });
            }
        }
        return false;
    }
};

struct Shot {
    QString name;
    QDate date;
    QSize size;
};

// Runs the shots one after another from the message loop.
void RunShots(const QList<Shot>& shots, int index) {
    if (index >= shots.size()) {
        frmMainNew->close();
        return;
    }
    const Shot& s = shots[index];
    if (s.date.isValid())
        frmMainNew->clndrDate->SetDate(s.date);
    if (s.size.isValid())
        frmMainNew->resize(s.size);
    QTimer::singleShot(600, [shots, index] {
        Shoot(frmMainNew, shots[index].name);
        RunShots(shots, index + 1);
    });
}

} // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString set = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("design");
    QDir().mkpath(folder);
    MessageShooter shooter;
    app.installEventFilter(&shooter);

    TStartupOptions options;
    options.SplashStepped = [set](int position) {
        if (position != 4 || set != QLatin1String("design"))
            return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TfrmAbout*>(w) && w->isVisible())
                Shoot(w, QStringLiteral("01-splash.png"));
    };
    try {
        StartUp(options);
    } catch (const std::exception& e) {
        ShowException(e);
        return 1;
    }

    QList<Shot> shots;
    if (set == QLatin1String("days")) {
        // The window at the size the screen gives it: Palm Sunday has the
        // most buttons, an ordinary day the fewest; September is the
        // longest month name.
        shots = {{QStringLiteral("palm-sunday.png"), QDate(2027, 4, 25), QSize()},
                 {QStringLiteral("ordinary-day.png"), QDate(2026, 10, 20), QSize()},
                 {QStringLiteral("september.png"), QDate(2026, 9, 15), QSize()}};
    } else if (set == QLatin1String("scaled")) {
        shots = {{QStringLiteral("08-scale-1.25-1280x720.png"), QDate(2026, 10, 20), QSize()}};
    } else {
        shots = {
            {QStringLiteral("02-ordinary-day-800x600.png"), QDate(2026, 10, 20), QSize(800, 600)},
            {QStringLiteral("03-palm-sunday.png"), QDate(2027, 4, 25), QSize()},
            {QStringLiteral("04-holy-week.png"), QDate(2027, 4, 28), QSize()},
            {QStringLiteral("05-kiahk-twelve-saints.png"), QDate(2026, 12, 29), QSize()},
            {QStringLiteral("06-650x450.png"), QDate(2026, 10, 20), QSize(650, 450)},
            {QStringLiteral("07-500x300.png"), QDate(), QSize(500, 300)},
        };
    }
    QTimer::singleShot(800, [shots] { RunShots(shots, 0); });
    const int code = app.exec();
    ShutDown();
    return code;
}
