#pragma once
// The only place where the program touches the desktop settings: a JPEG
// picture turned into the wallpaper bitmap, and that bitmap installed.
#include <QString>

// Wallpaper style as the desktop settings store it.
enum TWallpaperStyle { wsTiled = 0, wsCentred = 1, wsStretched = 2 };

class TfrmUtil {
public:
    // Writes the JPEG picture as a 24-bit BMP file, replacing any file of
    // that name only once the whole bitmap is written. A missing or damaged
    // picture or an unwritable folder raises an error; no bitmap is written.
    static void JpegToBitmapFile(const QString& JpegFile, const QString& BitmapFile);
    // Writes the wallpaper values under HKEY_CURRENT_USER "Control
    // Panel\Desktop" and tells the desktop; false when either failed.
    static bool SetWallpaper(const QString& BitmapFile, int Style);
};

// The picture windows' wallpaper command: the JPEG picture converted to the
// bitmap, then installed in the style. A conversion error leaves the desktop
// settings untouched; a desktop that refuses the wallpaper is an error too.
void InstallWallpaper(const QString& JpegFile, const QString& BitmapFile, int Style);
