#include "Shell.h"
#include "TestEnvironment.h"

#include <QGuiApplication>
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
    // The tests run on the offscreen platform: no browser is started and
    // no setting is changed, even under a GNOME session.
    EXPECT_FALSE(ShellOpen("https://evelmorande.example.org/"));
    EXPECT_TRUE(
        WallpaperSettings(QGuiApplication::platformName(), "GNOME", "/pict/x.bmp", 1).isEmpty());
}

TEST(Shell, WallpaperSettingsOfEachDesktopAndStyle) {
    const QString schema = "org.gnome.desktop.background";
    const QString uri = "file:///pict/EVelmorande.bmp";
    const struct {
        const char* Platform;
        const char* Desktop;
        int Style;
        const char* Options; // nullptr: nothing is set
    } rows[] = {
        {"xcb", "GNOME", 0, "wallpaper"},
        {"xcb", "ubuntu:GNOME", 1, "centered"},
        {"wayland", "GNOME", 2, "stretched"},
        {"xcb", "KDE", 2, nullptr},
        {"xcb", "", 2, nullptr},
        {"minimal", "GNOME", 2, nullptr},
    };
    for (const auto& r : rows) {
        const QList<QStringList> got =
            WallpaperSettings(r.Platform, r.Desktop, "/pict/EVelmorande.bmp", r.Style);
        if (!r.Options) {
            EXPECT_TRUE(got.isEmpty()) << r.Platform << " " << r.Desktop;
            continue;
        }
        const QList<QStringList> want = {{"set", schema, "picture-uri", uri},
                                         {"set", schema, "picture-uri-dark", uri},
                                         {"set", schema, "picture-options", r.Options}};
        EXPECT_EQ(got, want) << r.Platform << " " << r.Desktop << " " << r.Style;
    }
}
