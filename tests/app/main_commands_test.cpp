// The main window's small commands on the day fixture: every command reaches
// its window or the shell, the larger day picture, and the window's return
// to its place on the screen at every paint.

#include "About.h"
#include "BibleMain.h"
#include "Building.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "Picture.h"
#include "Readings.h"
#include "ShowIcons.h"
#include "TCalendarLighted.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class MainCommands : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        SetScreen(1024, 768, 96);
        QDir().mkpath(env.ProgramFolder() + "pict");
        db = std::make_unique<DayFixture::TDayDatabase>();
        CreateWindow();
        Make(frmBuilding);
        readings = Make(frmReadings);
        bibleMain = Make(frmBibleMain);
        icons = Make(frmShowIcons);
        picture = Make(frmPicture);
        about = Make(frmAbout);
    }
    void TearDown() override {
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    void WritePicture(const QString& name) {
        QImage image(QSize(120, 160), QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        ASSERT_TRUE(image.save(env.ProgramFolder() + "pict/" + name, "JPG"));
    }
    // The centre of the grid cell that shows a day of the calendar's month.
    QPoint CellOfDay(int day) {
        TCalendarLighted* grid = w().clndrDate->Grid();
        for (int row = 1; row < 7; ++row)
            for (int col = 0; col < 7; ++col)
                if (grid->CellText(col, row).trimmed() == QString::number(day))
                    return grid->CellRect(col, row).center();
        ADD_FAILURE() << "no cell for day " << day;
        return {};
    }

    std::unique_ptr<DayFixture::TDayDatabase> db;
    TfrmReadings* readings = nullptr;
    TfrmBibleMain* bibleMain = nullptr;
    TfrmShowIcons* icons = nullptr;
    TfrmPicture* picture = nullptr;
    TfrmAbout* about = nullptr;
};

TEST_F(MainCommands, EveryCommandReachesItsWindowOrAction) {
    WritePicture("Pantocrator2.jpg");
    w().show();
    ASSERT_TRUE(w().btnIconList->isVisible());
    w().clndrDate->SetDate(QDate(2024, 9, 10));
    const QString address = "https://evelmorande.example.org/";
    EXPECT_EQ(w().lblWebAddress->text(), "evelmorande.example.org");

    auto click = [](QWidget* widget) {
        return [widget] { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3)); };
    };
    struct Case {
        const char* command;
        std::function<void()> act;
        QWidget* modal; // the window shown modally, if any
        bool aboutShown;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"btnBible", click(w().btnBible), bibleMain, false, {}},
        {"btnIconList", click(w().btnIconList), icons, false, {}},
        {"btnAbout", click(w().btnAbout), nullptr, true,
         [&] {
             EXPECT_TRUE(about->BitBtn1->isVisibleTo(about));
             EXPECT_FALSE(about->ProgressBar1->isVisibleTo(about));
         }},
        {"lblWebAddress", click(w().lblWebAddress), nullptr, false,
         [&] { EXPECT_EQ(env.Opened, QStringList{address}); }},
        {"imgDefault", click(w().imgDefault), picture, false,
         [&] { EXPECT_EQ(picture->PicturePath, env.ProgramFolder() + "pict/Pantocrator2.jpg"); }},
        // The first press selects the 15th, the double click opens its readings.
        {"clndrDate",
         [&] { QTest::mouseDClick(w().clndrDate->Grid(), Qt::LeftButton, {}, CellOfDay(15)); },
         readings, false,
         [&] {
             EXPECT_EQ(w().CurrentDate, QDate(2024, 9, 15));
             EXPECT_TRUE(readings->AllServices);
             EXPECT_EQ(readings->DayID, w().DayID);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        dialogs.ModalShows.clear();
        env.Opened.clear();
        about->hide();
        c.act();
        EXPECT_EQ(dialogs.ModalShows, c.modal ? QList<QWidget*>{c.modal} : QList<QWidget*>{});
        EXPECT_EQ(about->isVisible(), c.aboutShown);
        if (c.check)
            c.check();
    }
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
    EXPECT_EQ(w().lblWebAddress->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w().imgDefault->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainCommands, LargerDayPictureDropsTheSmallMarkWhenThatPictureExists) {
    struct Case {
        const char* pictureFile;
        QStringList files; // in the pictures folder
        const char* shown; // "" when none is found
    } cases[] = {
        {"xPantocrator2.jpg", {"xPantocrator2.jpg", "Pantocrator2.jpg"}, "Pantocrator2.jpg"},
        {"xPantocrator2.jpg", {"xPantocrator2.jpg"}, "xPantocrator2.jpg"},
        {"XStMichael.jpg", {"XStMichael.jpg", "StMichael.jpg"}, "StMichael.jpg"},
        // Only an "x" marks a small copy.
        {"mNativity1.jpg", {"mNativity1.jpg", "Nativity1.jpg"}, "mNativity1.jpg"},
        {"xGone.jpg", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pictureFile);
        QDir pict(env.ProgramFolder() + "pict");
        for (const QString& f : pict.entryList(QDir::Files))
            pict.remove(f);
        for (const QString& f : c.files)
            WritePicture(f);
        w().PictureFile = c.pictureFile;
        w().PictureCaption = "Christ on the Throne";
        dialogs.ModalShows.clear();
        w().imgDefaultClick();
        ASSERT_EQ(dialogs.ModalShows, QList<QWidget*>{picture});
        if (*c.shown) {
            EXPECT_EQ(picture->PicturePath, pict.filePath(c.shown));
            EXPECT_EQ(picture->windowTitle(), "Christ on the Throne");
            EXPECT_EQ(picture->lblName->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        } else {
            EXPECT_TRUE(picture->PicturePath.isEmpty());
            EXPECT_EQ(picture->lblName->text(), "Picture Not Found");
        }
    }
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST(MainWindowPlacement, HalvesTowardZeroAndNeverLeavesTheScreen) {
    EXPECT_EQ(MainWindowPlacement({801, 500}, {800, 701}), QPoint(0, 100));
    EXPECT_EQ(MainWindowPlacement({800, 601}, {799, 598}), QPoint(0, 0));
}

TEST_F(MainCommands, EveryPaintPutsTheWindowBackInPlaceWholeOnTheScreen) {
    SetScreen(1024, 768, 96);
    w().show();
    QCoreApplication::processEvents();
    // The frame the offscreen platform draws adds 2 pixels a side.
    ASSERT_EQ(w().size(), QSize(800, 600));
    ASSERT_EQ(w().frameGeometry().size(), QSize(804, 604));
    struct Case {
        int width, height;
        QPoint at;
        QSize size;
    } cases[] = {{1024, 768, {110, 82}, {800, 600}},
                 // Lower or narrower than the window with its frame: it gives
                 // way, frame and all.
                 {1280, 600, {238, 0}, {800, 596}},
                 {800, 600, {0, 0}, {796, 596}},
                 {1024, 576, {110, 0}, {800, 572}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        SetScreen(c.width, c.height, 96);
        w().resize(800, 600);
        w().move(5, 5);
        w().repaint();
        EXPECT_EQ(w().pos(), c.at);
        EXPECT_EQ(w().size(), c.size);
    }
}

} // namespace
