#include "SampleContent.h"

#include "DMMain.h"
#include "Schema.h"
#include "TableEngine.h"

#include <QApplication>
#include <QDir>

#include <exception>

void StartOffscreenApplication(const char* name) {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static QByteArray program(name);
    static char* argv[] = {program.data(), nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

QString OpenSampleContent() {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/DataEng");
    if (!QDir(folder).exists())
        return QStringLiteral("no sample content in ") + folder +
               QStringLiteral(" (run scripts/content.sh with this build folder)");
    try {
        Session.AddPassword(TablePassword);
        if (!Session.IsAlias(DatabaseAlias))
            Session.AddStandardAlias(DatabaseAlias, folder, QStringLiteral("PARADOX"));
        CreateMainDM();
        MainDM->OpenStartupTables();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}
