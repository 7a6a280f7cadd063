// Pictures of the readings window and of the main window's service buttons
// as Qt's X11 platform draws them, for a look by eye:
// app_readings_screenshots <folder>. Run it under Xvfb with
// QT_QPA_PLATFORM=xcb, beside the sample content of its own folder.
#include "ErrorHandler.h"
#include "MainNew.h"
#include "Readings.h"
#include "Screenshots.h"
#include "Startup.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <functional>

using namespace Shots;

namespace {

struct Day {
    QDate date;
    QString label;
};

QList<QPixmap> groups;

void ShootGroups(const QList<Day>& days, int i, std::function<void()> done) {
    if (i >= days.size()) {
        // One picture: the groups side by side, each under its day.
        int width = 0, height = 0;
        for (const QPixmap& p : groups) {
            width += p.width() + 8;
            height = std::max(height, p.height());
        }
        QPixmap sheet(width, height + 20);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        int x = 0;
        for (int k = 0; k < groups.size(); ++k) {
            painter.drawText(QRect(x, 0, groups[k].width(), 18), Qt::AlignCenter, days[k].label);
            painter.drawPixmap(x, 20, groups[k]);
            x += groups[k].width() + 8;
        }
        painter.end();
        Save(sheet, QStringLiteral("service-buttons-by-category.png"));
        done();
        return;
    }
    frmMainNew->clndrDate->SetDate(days[i].date);
    qInfo("%s: category %d", qPrintable(days[i].label), int(frmMainNew->GetDayCategory()));
    Then(400, [days, i, done] {
        groups << Grab(frmMainNew->grpbxTimes->parentWidget());
        ShootGroups(days, i + 1, done);
    });
}

void ShootReadings(const QList<Day>& days, int i) {
    if (i >= days.size()) {
        frmMainNew->close();
        return;
    }
    frmMainNew->clndrDate->SetDate(days[i].date);
    Then(400, [days, i] {
        // The readings window is modal: picture and close it from inside.
        Then(1200, [days, i] {
            Save(Grab(frmReadings), QStringLiteral("readings-%1.png").arg(days[i].label));
            frmReadings->reject();
            Then(200, [days, i] { ShootReadings(days, i + 1); });
        });
        frmMainNew->btnAllReadings->click();
    });
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
    const QList<Day> categories = {
        {QDate(2024, 5, 5), "1 Easter"},         {QDate(2024, 1, 7), "2 Nativity"},
        {QDate(2024, 1, 20), "3 Epiphany"},      {QDate(2024, 4, 28), "4 Palm Sunday"},
        {QDate(2024, 9, 17), "5 Weekday"},       {QDate(2024, 9, 15), "6 Sunday"},
        {QDate(2024, 5, 15), "7 Fifty Days"},    {QDate(2024, 3, 17), "8 Lent Sunday"},
        {QDate(2024, 3, 13), "9 Lent weekday"},  {QDate(2024, 4, 30), "10 Holy Week"},
        {QDate(2024, 5, 3), "11 Good Friday"},   {QDate(2024, 5, 4), "12 Holy Saturday"},
        {QDate(2024, 4, 27), "13 Lazarus Sat."},
    };
    const QList<Day> readings = {
        {QDate(2024, 9, 17), "annual-day"},
        {QDate(2024, 4, 28), "palm-sunday"},
        {QDate(2024, 5, 3), "good-friday"},
    };
    Then(1000, [categories, readings] {
        ShootGroups(categories, 0, [readings] { ShootReadings(readings, 0); });
    });
    const int code = app.exec();
    ShutDown();
    return code;
}
