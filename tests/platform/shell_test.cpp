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

// The large-fonts rule at a user's scale: Qt already enlarges every size of a
// window by its scale, so the rule adds only the rest of dots per inch / 96,
// and a window never comes out larger than the screen.
TEST(Shell, LargeFontsSizeAddsOnlyWhatQtDoesNotScaleAndFitsTheScreen) {
    const struct {
        double scale;
        int dpi;
        QSize screen; // device pixels
        QSize expected;
    } cases[] = {{1.0, 96, {1280, 1024}, {}},           // the rule does not apply
                 {1.25, 120, {1280, 1024}, {810, 600}}, // Qt's scale is all of it
                 {1.5, 144, {1280, 1024}, {810, 600}},  // 853 x 683 window pixels
                 {2.0, 192, {1280, 1024}, {640, 512}},  // the screen is smaller
                 {1.0, 120, {1280, 1024}, {1013, 750}}, // a font DPI Qt left alone
                 {1.0, 144, {1280, 720}, {1215, 720}}}; // as high as the screen
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        SCOPED_TRACE(c.dpi);
        TTestEnvironment env;
        env.Screen = {c.screen.width(), c.screen.height(), c.dpi, c.scale};
        EXPECT_EQ(LargeFontsSize({810, 600}), c.expected);
    }
}
