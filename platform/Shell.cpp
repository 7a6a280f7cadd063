#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool OnRealDesktop() {
    const QString p = QGuiApplication::platformName();
    return p != "offscreen" && p != "minimal" && !p.isEmpty();
}

bool RealShellOpen(const QString& target) {
    if (!OnRealDesktop())
        return false;
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

// GNOME-like desktops keep the wallpaper in gsettings; elsewhere there is no
// common setting, so nothing is touched.
void RealWallpaper(const QString& bitmapFile, int style) {
    if (!OnRealDesktop())
        return;
    const QString gsettings = QStandardPaths::findExecutable("gsettings");
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    if (gsettings.isEmpty() || !desktop.contains("GNOME", Qt::CaseInsensitive))
        return;
    const QString uri = QUrl::fromLocalFile(QFileInfo(bitmapFile).absoluteFilePath()).toString();
    const QString options = style == 0 ? "wallpaper" : style == 2 ? "stretched" : "centered";
    for (const char* key : {"picture-uri", "picture-uri-dark"})
        QProcess::startDetached(gsettings, {"set", "org.gnome.desktop.background", key, uri});
    QProcess::startDetached(gsettings,
                            {"set", "org.gnome.desktop.background", "picture-options", options});
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
