#include "Picture.h"
#include "PictureSizing.h"
#include "Registry.h"
#include "TestEnvironment.h"
#include "Wallpaper.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

TEST(PictureSizing, WindowAndImageFollowThePictureOnTheScreen) {
    struct Case {
        QSize picture, screen, window, image;
        bool stretched;
    };
    const Case cases[] = {
        // natural size: 315 x 485 first, 330 x 480 in the end
        {{300, 400}, {1024, 768}, {330, 480}, {300, 400}, false},
        // wider than the screen: scaled to the window width - 15
        {{2000, 500}, {1024, 768}, {1039, 332}, {1009, 252}, true},
        // taller: scaled to the window height - 75
        {{400, 1000}, {1024, 768}, {295, 743}, {265, 663}, true},
        // both: the height's scaling wins
        {{2000, 2000}, {1024, 768}, {693, 743}, {663, 663}, true},
    };
    for (const Case& c : cases) {
        const TPictureLayout l = PictureLayout(c.picture, c.screen);
        EXPECT_FALSE(l.Failed);
        EXPECT_EQ(l.Window, c.window) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(l.Image, c.image) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(l.Stretched, c.stretched);
    }
    EXPECT_TRUE(PictureLayout({0, 1000}, {1024, 768}).Failed);
}

TEST(PictureSizing, PlacementCentresAndKeepsAFullHeightWindowAtTheTop) {
    EXPECT_EQ(PicturePlacement({330, 480}, {1024, 768}), QPoint(347, 144));
    EXPECT_EQ(PicturePlacement({400, 738}, {1024, 768}), QPoint(312, 0));
    EXPECT_EQ(PicturePlacement({1100, 301}, {1024, 768}), QPoint(-38, 233));
}

class PictureWindow : public ::testing::Test {
protected:
    void SetUp() override {
        env.Screen.Width = 1024;
        env.Screen.Height = 768;
        QDir().mkpath(env.ProgramFolder() + "pict");
        WritePicture("a.jpg", {300, 400});
        WritePicture("b.jpg", {200, 100});
        frm = std::make_unique<TfrmPicture>();
    }
    void WritePicture(const QString& name, const QSize& size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::darkRed);
        ASSERT_TRUE(img.save(env.ProgramFolder() + "pict/" + name, "JPG"));
    }
    bool CommandsEnabled() const {
        return frm->mnuCopy->isEnabled() && frm->mnuSaveAs->isEnabled() &&
               frm->mnuWallpaper->isEnabled();
    }
    TTestEnvironment env;
    std::unique_ptr<TfrmPicture> frm;
};

TEST_F(PictureWindow, ShowsAPictureSizedToItAndAMissingOneClearsThePath) {
    EXPECT_EQ(frm->PicturesFolder, env.ProgramFolder() + "pict/");
    frm->ShowPicture("a.jpg", "Nativity", Qt::yellow);
    EXPECT_EQ(frm->windowTitle(), QString("Nativity"));
    EXPECT_EQ(frm->size(), QSize(330, 480));
    EXPECT_EQ(frm->imgPicture->size(), QSize(300, 400));
    EXPECT_EQ(frm->PicturePath, env.ProgramFolder() + "pict/a.jpg");
    EXPECT_EQ(frm->WallpaperBitmapPath, env.DataFolder() + "EVelmorande.bmp");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_FALSE(frm->lblName->isVisible());

    // A missing file: this feast's caption, and the window says so in
    // place of the picture.
    frm->ShowPicture("missing.jpg", "Other", Qt::white);
    EXPECT_TRUE(frm->imgPicture->Empty());
    EXPECT_EQ(frm->lblName->text(), QString("Picture Not Found"));
    EXPECT_TRUE(frm->lblName->isVisibleTo(frm.get()));
    EXPECT_EQ(frm->lblName->size(), frm->imgPicture->size());
    EXPECT_GT(frm->lblName->height(), 0);
    EXPECT_EQ(frm->windowTitle(), QString("Other"));
    EXPECT_EQ(frm->size(), QSize(330, 480));
    EXPECT_TRUE(frm->PicturePath.isEmpty());
    EXPECT_FALSE(frm->mnuCopy->isEnabled());
    EXPECT_FALSE(frm->mnuSaveAs->isEnabled());
    EXPECT_FALSE(frm->mnuWallpaper->isEnabled());

    QFile damaged(env.ProgramFolder() + "pict/bad.jpg");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    // One that cannot be decoded is taken as missing, after a picture too.
    frm->ShowPicture("a.jpg", "Nativity", Qt::yellow);
    frm->ShowPicture("bad.jpg", "Bad", Qt::black);
    EXPECT_TRUE(frm->imgPicture->Empty());
    EXPECT_EQ(frm->lblName->text(), QString("Picture Not Found"));
    EXPECT_TRUE(frm->lblName->isVisibleTo(frm.get()));
    EXPECT_EQ(frm->lblName->size(), frm->imgPicture->size());
    EXPECT_EQ(frm->windowTitle(), QString("Bad"));
    EXPECT_TRUE(frm->PicturePath.isEmpty());
    EXPECT_FALSE(frm->mnuCopy->isEnabled());
    EXPECT_FALSE(frm->mnuWallpaper->isEnabled());
    EXPECT_TRUE(env.Dialogs.Messages.isEmpty());
}

TEST_F(PictureWindow, CopyPutsThePictureOnTheClipboard) {
    frm->ShowPicture("b.jpg", "B", Qt::black);
    QApplication::clipboard()->clear();
    frm->mnuCopy->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(200, 100));
}

TEST_F(PictureWindow, SaveAsAddsJpgOnlyToANameWithoutAPointAndAsksBeforeReplacing) {
    frm->ShowPicture("b.jpg", "B", Qt::black);
    const QByteArray jpeg = frm->imgPicture->Picture().Data();
    const QString dir = env.DataFolder();
    QDir().mkpath(dir);
    struct Case {
        QString chosen, written;
    };
    const Case cases[] = {{dir + "plain", dir + "plain.jpg"},
                          {dir + "other.png", dir + "other.png"},
                          {dir + "upper.JPG", dir + "upper.JPG"}};
    for (const Case& c : cases) {
        env.Dialogs.SaveAnswers.push_back(c.chosen);
        frm->mnuSaveAs->trigger();
        QFile f(c.written);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.written.toStdString();
        EXPECT_EQ(f.readAll(), jpeg);
    }
    EXPECT_EQ(env.Dialogs.SaveRequests.last().Filter, QString("JPEG Image (*.JPG)|*.JPG"));
    EXPECT_EQ(env.Dialogs.SaveRequests.last().FilterIndex, 1);
    EXPECT_TRUE(env.Dialogs.Messages.isEmpty());

    // An existing file: No keeps it, Yes replaces it.
    QFile old(dir + "kept.jpg");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    env.Dialogs.SaveAnswers.push_back(dir + "kept.jpg");
    env.Dialogs.MessageAnswers.push_back(mrNo);
    frm->mnuSaveAs->trigger();
    ASSERT_EQ(env.Dialogs.Messages.size(), 1);
    EXPECT_EQ(env.Dialogs.Messages[0].Text,
              dir + "kept.jpg already exists\n\rDo you want to replace it?");
    EXPECT_EQ(env.Dialogs.Messages[0].Buttons, mbYes | mbNo);
    QFile check(dir + "kept.jpg");
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("old"));
    check.close();
    env.Dialogs.SaveAnswers.push_back(dir + "kept.jpg");
    env.Dialogs.MessageAnswers.push_back(mrYes);
    frm->mnuSaveAs->trigger();
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), jpeg);

    // A folder that does not exist: a warning with the error's message.
    env.Dialogs.SaveAnswers.push_back(dir + "no/such/folder/x.jpg");
    frm->mnuSaveAs->trigger();
    EXPECT_EQ(env.Dialogs.Messages.last().Type, mtWarning);
    EXPECT_EQ(env.Dialogs.Messages.last().Buttons, mbOK);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PictureWindow, WallpaperWritesTheBitmapToTheDataFolderAndTheStyleValues) {
    frm->ShowPicture("a.jpg", "A", Qt::black);
    struct Case {
        QAction* command;
        int style;
        QString tile, wallpaperStyle;
    };
    const Case cases[] = {
        {frm->mnuTile, 0, "1", "0"}, {frm->mnuCenter, 1, "0", "0"}, {frm->mnuStretch, 2, "0", "2"}};
    const QString bmp = env.DataFolder() + "EVelmorande.bmp";
    for (const Case& c : cases) {
        QFile::remove(bmp);
        c.command->trigger();
        ASSERT_FALSE(env.Wallpapers.isEmpty());
        EXPECT_EQ(env.Wallpapers.last(), std::make_pair(bmp, c.style));
        QImage written(bmp, "BMP");
        EXPECT_EQ(written.size(), QSize(300, 400));
        TRegistry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("\\Control Panel\\Desktop", false));
        EXPECT_EQ(reg.ReadString("Wallpaper"), bmp);
        EXPECT_EQ(reg.ReadString("TileWallpaper"), c.tile);
        EXPECT_EQ(reg.ReadString("WallpaperStyle"), c.wallpaperStyle);
        EXPECT_EQ(reg.ReadString("WallpaperOriginX"), QString("0"));
        EXPECT_EQ(reg.ReadString("WallpaperOriginY"), QString("0"));
    }
    EXPECT_TRUE(env.Dialogs.Messages.isEmpty());

    // A desktop that refuses the wallpaper is reported.
    env.WallpaperResult = false;
    frm->mnuTile->trigger();
    ASSERT_EQ(env.Dialogs.Messages.size(), 1);
    EXPECT_EQ(env.Dialogs.Messages[0].Type, mtError);
}

TEST_F(PictureWindow, AWallpaperThatCannotBeConvertedLeavesTheDesktopAlone) {
    frm->ShowPicture("a.jpg", "A", Qt::black);
    QFile::remove(env.ProgramFolder() + "pict/a.jpg");
    frm->mnuCenter->trigger();
    EXPECT_TRUE(env.Wallpapers.isEmpty());
    EXPECT_FALSE(QFile::exists(env.DataFolder() + "EVelmorande.bmp"));
    ASSERT_EQ(env.Dialogs.Messages.size(), 1);
    EXPECT_EQ(env.Dialogs.Messages[0].Type, mtError);
    TRegistry reg(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.KeyExists("\\Control Panel\\Desktop"));
}

} // namespace
