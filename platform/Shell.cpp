#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
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

bool RealWallpaper(const QString& bitmapFile, int style) {
    const QString gsettings = QStandardPaths::findExecutable("gsettings");
    if (gsettings.isEmpty())
        return false;
    const QList<QStringList> settings =
        WallpaperSettings(QGuiApplication::platformName(),
                          qEnvironmentVariable("XDG_CURRENT_DESKTOP"), bitmapFile, style);
    bool ok = !settings.isEmpty();
    for (const QStringList& args : settings)
        ok = QProcess::startDetached(gsettings, args) && ok;
    return ok;
}

} // namespace

bool ShellOpen(const QString& target) {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ShellOpen))
        return (*f)(target);
    return RealShellOpen(target);
}

bool ReloadDesktopWallpaper(const QString& bitmapFile, int style) {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ReloadWallpaper))
        return (*f)(bitmapFile, style);
    return RealWallpaper(bitmapFile, style);
}

TScreenMetrics PrimaryScreenMetrics() {
    if (auto* f = TEnvironmentScope::Scripted(&TEnvironment::ScreenMetrics))
        return (*f)();
    if (QScreen* s = QGuiApplication::primaryScreen())
        return ScreenMetricsOf(s->geometry().size(), s->logicalDotsPerInchX(),
                               s->devicePixelRatio());
    return TScreenMetrics();
}

TScreenMetrics ScreenMetricsOf(const QSize& size, double logicalDpi, double devicePixelRatio) {
    // Qt turns a font DPI of 120 or a scale of 1.25 alike into 96 logical
    // DPI and a ratio of 1.25; what the user set is the two together.
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    TScreenMetrics m;
    m.Width = int(std::lround(size.width() * ratio));
    m.Height = int(std::lround(size.height() * ratio));
    m.LogPixelsX = int(std::lround(logicalDpi * ratio));
    m.Scale = ratio;
    return m;
}

QSize ScreenInWindowPixels(const TScreenMetrics& screen) {
    const double scale = screen.Scale > 0 ? screen.Scale : 1.0;
    return QSize(int(std::lround(screen.Width / scale)), int(std::lround(screen.Height / scale)));
}

QSize LargeFontsSize(const QSize& design) {
    const TScreenMetrics screen = PrimaryScreenMetrics();
    if (screen.LogPixelsX <= 96)
        return QSize();
    const double scale = screen.Scale > 0 ? screen.Scale : 1.0;
    const double own = screen.LogPixelsX / 96.0 / scale;
    const QSize fits = ScreenInWindowPixels(screen);
    return QSize(std::min(int(std::lround(design.width() * own)), fits.width()),
                 std::min(int(std::lround(design.height() * own)), fits.height()));
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
