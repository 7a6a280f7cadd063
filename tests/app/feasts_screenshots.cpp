// Pictures of the main window's four feast pages, the feasts and events
// window and the verse of the day window as Qt's X11 platform draws them,
// for a look by eye: app_feasts_screenshots <folder>. Run it under Xvfb with
// QT_QPA_PLATFORM=xcb, beside the sample content of its own folder.
#include "AllDates.h"
#include "ErrorHandler.h"
#include "FeastEvents.h"
#include "MainNew.h"
#include "Screenshots.h"
#include "Startup.h"
#include "VerseOfTheDay.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

using namespace Shots;

namespace {

const char* const PageNames[] = {"major", "minor", "stmary", "traveling"};

// Each page of a year: the whole window once, then each page's tab control.
void ShootPages(int page, const QString& year, std::function<void()> done) {
    if (page >= 4) {
        done();
        return;
    }
    frmMainNew->pgcntrlFeasts->setCurrentIndex(page);
    Then(400, [page, year, done] {
        if (page == 0)
            Save(Grab(frmMainNew), QStringLiteral("main-%1.png").arg(year));
        Save(Grab(frmMainNew->pgcntrlFeasts),
             QStringLiteral("feast-tab-%1-%2.png").arg(year, QLatin1String(PageNames[page])));
        ShootPages(page + 1, year, done);
    });
}

void ShootFeastsWindow(std::function<void()> done) {
    // Modal: pictured and closed from inside.
    Then(1000, [done] {
        // Without a window manager the main window could cover it.
        frmAllDates->setGeometry(0, 0, 900, 700);
        frmAllDates->raise();
        Then(500, [done] {
            Save(Grab(frmAllDates), QStringLiteral("feasts-window-medium.png"));
            frmAllDates->cmbxTextSize->setCurrentIndex(FeastEvents::tsLarge);
            Then(400, [done] {
                Save(Grab(frmAllDates), QStringLiteral("feasts-window-large.png"));
                frmAllDates->cmbxTextSize->setCurrentIndex(FeastEvents::tsSmall);
                frmAllDates->spdbtnNextYear->click();
                Then(400, [done] {
                    Save(Grab(frmAllDates), QStringLiteral("feasts-window-small-next-year.png"));
                    frmAllDates->cmbxTextSize->setCurrentIndex(FeastEvents::tsMedium);
                    frmAllDates->accept();
                    Then(200, done);
                });
            });
        });
    });
    frmMainNew->btnFeasts->click();
}

void ShootVerseWindow(std::function<void()> done) {
    Then(800, [] { frmVerseOfTheDay->raise(); });
    Then(1200, [done] {
        Save(Grab(frmVerseOfTheDay), QStringLiteral("verse-window.png"));
        frmVerseOfTheDay->accept();
        Then(200, done);
    });
    frmMainNew->pblShowAllTheVerseClick();
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
        // 2026: the Annunciation is not celebrated; 2024: Nativity on Kiahk 28.
        frmMainNew->clndrDate->SetDate(QDate(2026, 4, 7));
        ShootPages(0, QStringLiteral("2026"), [] {
            frmMainNew->clndrDate->SetDate(QDate(2024, 1, 7));
            ShootPages(0, QStringLiteral("2024"), [] {
                ShootFeastsWindow([] { ShootVerseWindow([] { frmMainNew->close(); }); });
            });
        });
    });
    const int code = app.exec();
    ShutDown();
    return code;
}
