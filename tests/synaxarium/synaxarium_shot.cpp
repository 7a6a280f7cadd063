// Starts the program on the content beside it, clicks the main window's
// saint label n (default 1) with the mouse once today is shown, so the
// Synaxarium window opens on a real display for a look by eye:
// synaxarium_shot [n] [yyyy-mm-dd] [step]. With "step" the window then
// steps to the next day and a year on. Quits after 8 seconds.
#include "ErrorHandler.h"
#include "MainNew.h"
#include "Startup.h"
#include "Synx.h"
#include "UpDown.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 1;
    const QDate date =
        argc > 2 ? QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate) : QDate();
    const bool step = argc > 3 && QByteArray(argv[3]) == "step";
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
    QTimer::singleShot(8000, [] { QApplication::exit(0); });
    const int code = app.exec();
    ShutDown();
    return code;
}
