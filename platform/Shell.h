#pragma once
// The desktop services the program uses: opening a web address in the
// default browser and reloading the desktop wallpaper. Both go through a
// replaceable hook so tests never reach the desktop.
#include <QString>
#include <functional>

// Opens a web address (or file) with the desktop's default handler.
using TShellOpenHook = std::function<bool(const QString& target)>;
// Tells the desktop that the wallpaper settings changed: the bitmap to show
// and the style (0 tiled, 1 centred, 2 stretched).
using TWallpaperHook = std::function<void(const QString& bitmapFile, int style)>;

// Each returns the previous hook; an empty function restores the real one.
TShellOpenHook SetShellOpenHook(TShellOpenHook hook);
TWallpaperHook SetWallpaperHook(TWallpaperHook hook);

bool ShellOpen(const QString& target);
void ReloadDesktopWallpaper(const QString& bitmapFile, int style);
