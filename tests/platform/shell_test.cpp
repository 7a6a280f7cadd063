#include "Shell.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Shell, OpenGoesThroughTheHook) {
    QStringList opened;
    TShellOpenHook old = SetShellOpenHook([&](const QString& t) {
        opened << t;
        return true;
    });
    EXPECT_TRUE(ShellOpen("https://evelmorande.example.org/"));
    SetShellOpenHook(old);
    EXPECT_EQ(opened, QStringList{"https://evelmorande.example.org/"});
}

TEST(Shell, WallpaperGoesThroughTheHook) {
    QString file;
    int style = -1;
    TWallpaperHook old = SetWallpaperHook([&](const QString& f, int s) {
        file = f;
        style = s;
    });
    ReloadDesktopWallpaper("/pict/EVelmorande.bmp", 2);
    SetWallpaperHook(old);
    EXPECT_EQ(file, "/pict/EVelmorande.bmp");
    EXPECT_EQ(style, 2);
}

TEST(Shell, WithoutADesktopTheRealCallsDoNothing) {
    // The tests run on the offscreen platform: no browser is started.
    EXPECT_FALSE(ShellOpen("https://evelmorande.example.org/"));
    ReloadDesktopWallpaper("/nonexistent.bmp", 1);
}
