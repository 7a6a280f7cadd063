#include "TestEnvironment.h"

#include <QDir>

TTestEnvironment::TTestEnvironment(const QDate& today) : Today(today) {
    env_ = Dialogs.Dialogs();
    env_.ShellOpen = [this](const QString& target) {
        Opened << target;
        return ShellOpenResult;
    };
    env_.ReloadWallpaper = [this](const QString& bitmapFile, int style) {
        Wallpapers.append({bitmapFile, style});
        return WallpaperResult;
    };
    env_.DataFolder = [this] { return DataFolder(); };
    env_.RegistryFolder = [this] { return RegistryFolder(); };
    env_.Today = [this] { return Today; };
    env_.ProgramFolder = [this] { return ProgramFolder(); };
    env_.TickCount = [this] { return Ticks++; };
    env_.ScreenMetrics = [this] { return Screen; };
    QDir().mkpath(RegistryFolder());
    QDir().mkpath(ProgramFolder());
    scope_ = std::make_unique<TEnvironmentScope>(env_);
}

TTestEnvironment::~TTestEnvironment() = default;

QString TTestEnvironment::RegistryFolder() const {
    return folder_.filePath(QStringLiteral("registry"));
}

QString TTestEnvironment::DataFolder() const {
    return folder_.filePath(QStringLiteral("data")) + QLatin1Char('/');
}

QString TTestEnvironment::ProgramFolder() const {
    return folder_.filePath(QStringLiteral("program")) + QLatin1Char('/');
}
