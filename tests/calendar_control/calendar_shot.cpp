// Renders the calendar at its default size and at a large size to PNG files.
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QDir>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    TFullCalendarLight cal;
    // As the main window sets it up.
    QFont f = cal.font();
    f.setBold(true);
    cal.setFont(f);
    QPalette pal = cal.palette();
    pal.setColor(QPalette::Text, BgrColor(0x800000));
    pal.setColor(QPalette::WindowText, BgrColor(0x800000));
    cal.setPalette(pal);
    cal.SetYearRange(0);
    cal.SetColorLight(BgrColor(0xF0CAA6));
    cal.SetColorLightSelect(BgrColor(0xFF0000));
    cal.SetColorLightSunday(BgrColor(0xF0CAA6));
    cal.SetColorSunday(cal.palette().color(QPalette::Button));
    cal.SetStartOfWeek(0);
    cal.SetWeekEnd(SunDay);
    cal.SetDate(QDate(2025, 4, 20));
    for (int d : {6, 13, 20, 27, 8, 25})
        cal.AddLightDate(QDate(2025, 4, d));
    const QList<QSize> sizes = {QSize(209, 209), QSize(480, 620)};
    for (const QSize& size : sizes) {
        cal.resize(size);
        cal.show();
        app.processEvents();
        const QString name = QStringLiteral("%1/calendar_%2x%3.png")
                                 .arg(folder)
                                 .arg(cal.width())
                                 .arg(cal.height());
        cal.grab().save(name);
        qInfo("%s", qPrintable(name));
    }
    return 0;
}
