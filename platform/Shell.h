#pragma once
// The desktop services the program uses: opening a web address in the
// default browser, reloading the desktop wallpaper and the primary screen's
// size. A test answers them through the environment (Environment.h), so it
// never reaches the desktop.
#include "Environment.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Opens a web address (or file) with the desktop's default handler.
bool ShellOpen(const QString& target);
// Tells the desktop that the wallpaper settings changed: the bitmap to show
// and the style (0 tiled, 1 centred, 2 stretched). False when no desktop
// took it.
bool ReloadDesktopWallpaper(const QString& bitmapFile, int style);
TScreenMetrics PrimaryScreenMetrics();
// The metrics of a screen as Qt reports it: its size in device-independent
// pixels, its logical DPI (the font DPI left after scaling) and its device
// pixel ratio (the scale).
TScreenMetrics ScreenMetricsOf(const QSize& size, double logicalDpi, double devicePixelRatio);
// The screen in a window's own pixels: its device pixels over the scale.
QSize ScreenInWindowPixels(const TScreenMetrics& screen);
// The large-fonts rule of the windows that follow it: above 96 dots per inch
// a window takes its design size times dots per inch / 96. Qt's scale
// already enlarges every size of a window by its part of that ratio, so only
// the rest is applied, and the size stays within the primary screen. An
// empty size at 96 dots per inch or less: the rule does not apply.
QSize LargeFontsSize(const QSize& design);

// The gsettings argument lists that show the bitmap on a desktop, from the
// Qt platform name and XDG_CURRENT_DESKTOP; none where nothing is to be set.
QList<QStringList> WallpaperSettings(const QString& platform, const QString& desktop,
                                     const QString& bitmapFile, int style);
