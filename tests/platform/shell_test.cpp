#include "Shell.h"
#include "TestEnvironment.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Shell, OpenAndWallpaperGoThroughTheEnvironment) {
    TTestEnvironment env;
    EXPECT_TRUE(ShellOpen("https://evelmorande.example.org/"));
    env.ShellOpenResult = false;
    EXPECT_FALSE(ShellOpen("mailto:contact@evelmorande.example.org"));
    EXPECT_EQ(env.Opened, QStringList({"https://evelmorande.example.org/",
                                       "mailto:contact@evelmorande.example.org"}));

    ReloadDesktopWallpaper("/pict/EVelmorande.bmp", 2);
    ReloadDesktopWallpaper("/pict/Other.bmp", 0);
    ASSERT_EQ(env.Wallpapers.size(), 2);
    EXPECT_EQ(env.Wallpapers[0], std::make_pair(QString("/pict/EVelmorande.bmp"), 2));
    EXPECT_EQ(env.Wallpapers[1], std::make_pair(QString("/pict/Other.bmp"), 0));
}

TEST(Shell, WithoutADesktopTheRealCallsDoNothing) {
    // The tests run on the offscreen platform: no browser is started.
    EXPECT_FALSE(ShellOpen("https://evelmorande.example.org/"));
    ReloadDesktopWallpaper("/nonexistent.bmp", 1);
}
