#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>

namespace {

// Without a display there is no desktop to tell.
bool IsDesktopPlatform(const QString& platform) {
    return platform != "offscreen" && platform != "minimal" && !platform.isEmpty();
}

bool OnRealDesktop() {
    return IsDesktopPlatform(QGuiApplication::platformName());
}

bool RealShellOpen(const QString& target) {
    if (!OnRealDesktop())
        return false;
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void RealWallpaper(const QString& bitmapFile, int style) {
    const QString gsettings = QStandardPaths::findExecutable("gsettings");
    if (gsettings.isEmpty())
        return;
    const QList<QStringList> settings =
        WallpaperSettings(QGuiApplication::platformName(),
                          qEnvironmentVariable("XDG_CURRENT_DESKTOP"), bitmapFile, style);
    for (const QStringList& args : settings)
        QProcess::startDetached(gsettings, args);
}

} // namespace

bool ShellOpen(const QString& target) {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ShellOpen))
        return (*f)(target);
    return RealShellOpen(target);
}

void ReloadDesktopWallpaper(const QString& bitmapFile, int style) {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ReloadWallpaper))
        (*f)(bitmapFile, style);
    else
        RealWallpaper(bitmapFile, style);
}

TScreenMetrics PrimaryScreenMetrics() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ScreenMetrics))
        return (*f)();
    TScreenMetrics m;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QSize px = s->geometry().size() * s->devicePixelRatio();
        m.Width = px.width();
        m.Height = px.height();
        m.LogPixelsX = int(std::lround(s->logicalDotsPerInchX()));
    }
    return m;
}

QList<QStringList> WallpaperSettings(const QString& platform, const QString& desktop,
                                     const QString& bitmapFile, int style) {
    // GNOME-like desktops keep the wallpaper in gsettings; elsewhere there is
    // no common setting.
    if (!IsDesktopPlatform(platform) || !desktop.contains("GNOME", Qt::CaseInsensitive))
        return {};
    const QString uri = QUrl::fromLocalFile(QFileInfo(bitmapFile).absoluteFilePath()).toString();
    const QString options = style == 0 ? "wallpaper" : style == 2 ? "stretched" : "centered";
    const QString schema = "org.gnome.desktop.background";
    return {{"set", schema, "picture-uri", uri},
            {"set", schema, "picture-uri-dark", uri},
            {"set", schema, "picture-options", options}};
}
