#include "Wallpaper.h"

#include "Jpeg.h"
#include "Registry.h"
#include "Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <stdexcept>

void TfrmUtil::JpegToBitmapFile(const QString& JpegFile, const QString& BitmapFile) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(JpegFile);
    const QImage bitmap = jpeg.Image().convertToFormat(QImage::Format_RGB888);
    QDir().mkpath(QFileInfo(BitmapFile).absolutePath());
    QSaveFile file(BitmapFile);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                     .arg(BitmapFile, file.errorString())
                                     .toStdString());
    QImageWriter writer(&file, "BMP");
    if (!writer.write(bitmap) || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write file \"%1\". %2")
                                     .arg(BitmapFile, file.errorString())
                                     .toStdString());
}

bool TfrmUtil::SetWallpaper(const QString& BitmapFile, int Style) {
    TRegistry reg(HKEY_CURRENT_USER);
    if (!reg.OpenKey(QStringLiteral("\\Control Panel\\Desktop"), true))
        return false;
    try {
        reg.WriteString(QStringLiteral("Wallpaper"), BitmapFile);
        reg.WriteString(QStringLiteral("TileWallpaper"),
                        Style == wsTiled ? QStringLiteral("1") : QStringLiteral("0"));
        reg.WriteString(QStringLiteral("WallpaperStyle"),
                        Style == wsStretched ? QStringLiteral("2") : QStringLiteral("0"));
        reg.WriteString(QStringLiteral("WallpaperOriginX"), QStringLiteral("0"));
        reg.WriteString(QStringLiteral("WallpaperOriginY"), QStringLiteral("0"));
    } catch (const ERegistryException&) {
        reg.CloseKey();
        return false;
    }
    reg.CloseKey();
    return ReloadDesktopWallpaper(BitmapFile, Style);
}

void InstallWallpaper(const QString& JpegFile, const QString& BitmapFile, int Style) {
    TfrmUtil::JpegToBitmapFile(JpegFile, BitmapFile);
    if (!TfrmUtil::SetWallpaper(BitmapFile, Style))
        throw std::runtime_error(QStringLiteral("The desktop wallpaper could not be set to \"%1\".")
                                     .arg(BitmapFile)
                                     .toStdString());
}
