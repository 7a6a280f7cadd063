// Renders the calendar at its default size and at large sizes to PNG files:
// calendar_shot <folder> [locale name, e.g. en_US].
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QDir>
#include <QFont>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const QString localeName = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!localeName.isEmpty())
        QLocale::setDefault(QLocale(localeName));
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
    const QList<QSize> sizes = {QSize(209, 209), QSize(480, 620), QSize(800, 700)};
    for (const QSize& size : sizes) {
        cal.resize(size);
        cal.show();
        app.processEvents();
        const QString name = QStringLiteral("%1/calendar_%2%3x%4.png")
                                 .arg(folder, localeName.isEmpty() ? QString() : localeName + "_")
                                 .arg(cal.width())
                                 .arg(cal.height());
        cal.grab().save(name);
        qInfo("%s", qPrintable(name));
    }
    return 0;
}
