// Pictures of the multiple-days dialog and of the readings of a range as
// Qt's X11 platform draws them, for a look by eye:
// app_range_screenshots <folder>. Run it under Xvfb with QT_QPA_PLATFORM=xcb,
// beside the sample content of its own folder.
#include "ErrorHandler.h"
#include "MainNew.h"
#include "MltyDays.h"
#include "Readings.h"
#include "Screenshots.h"
#include "Startup.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QTimer>

using namespace Shots;

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    SetFolder(argc, argv);
    try {
        StartUp();
    } catch (const std::exception& e) {
        ShowException(e);
        return 1;
    }
    QTimer::singleShot(800, [] {
        frmMltyDays->show();
        frmMltyDays->dtpckrStartDate->setDate(QDate(2024, 9, 17));
        frmMltyDays->dtpckrEndDate->setDate(QDate(2024, 11, 15));
        QTimer::singleShot(500, [] {
            Save(frmMltyDays, QStringLiteral("range-dialog.png"));
            // The readings window is modal: picture and close it from inside.
            QTimer::singleShot(3000, [] {
                Save(frmReadings, QStringLiteral("range-readings.png"));
                frmReadings->reject();
                QTimer::singleShot(300, [] {
                    frmMltyDays->close();
                    frmMainNew->close();
                });
            });
            frmMltyDays->btnOK->click();
        });
    });
    return app.exec();
}
