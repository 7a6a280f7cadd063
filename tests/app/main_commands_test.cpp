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

namespace {

class MainCommands : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        SetScreen(1024, 768, 96);
        QDir().mkpath(env.ProgramFolder() + "pict");
        db = std::make_unique<DayFixture::TDayDatabase>();
        CreateWindow();
        building = std::make_unique<TfrmBuilding>();
        frmBuilding = building.get();
        readings = std::make_unique<TfrmReadings>();
        frmReadings = readings.get();
        bibleMain = std::make_unique<TfrmBibleMain>();
        frmBibleMain = bibleMain.get();
        icons = std::make_unique<TfrmShowIcons>();
        frmShowIcons = icons.get();
        picture = std::make_unique<TfrmPicture>();
        frmPicture = picture.get();
        about = std::make_unique<TfrmAbout>();
        frmAbout = about.get();
    }
    void TearDown() override {
        frmAbout = nullptr;
        frmPicture = nullptr;
        frmShowIcons = nullptr;
        frmBibleMain = nullptr;
        frmReadings = nullptr;
        frmBuilding = nullptr;
        about.reset();
        picture.reset();
        icons.reset();
        bibleMain.reset();
        readings.reset();
        building.reset();
        window.reset();
        frmMainNew = nullptr;
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
    std::unique_ptr<TfrmBuilding> building;
    std::unique_ptr<TfrmReadings> readings;
    std::unique_ptr<TfrmBibleMain> bibleMain;
    std::unique_ptr<TfrmShowIcons> icons;
    std::unique_ptr<TfrmPicture> picture;
    std::unique_ptr<TfrmAbout> about;
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
        {"btnBible", click(w().btnBible), bibleMain.get(), false, {}},
        {"btnIconList", click(w().btnIconList), icons.get(), false, {}},
        {"btnAbout", click(w().btnAbout), nullptr, true,
         [&] {
             EXPECT_TRUE(about->BitBtn1->isVisibleTo(about.get()));
             EXPECT_FALSE(about->ProgressBar1->isVisibleTo(about.get()));
         }},
        {"lblWebAddress", click(w().lblWebAddress), nullptr, false,
         [&] { EXPECT_EQ(env.Opened, QStringList{address}); }},
        {"imgDefault", click(w().imgDefault), picture.get(), false,
         [&] { EXPECT_EQ(picture->PicturePath, env.ProgramFolder() + "pict/Pantocrator2.jpg"); }},
        // The first press selects the 15th, the double click opens its readings.
        {"clndrDate",
         [&] { QTest::mouseDClick(w().clndrDate->Grid(), Qt::LeftButton, {}, CellOfDay(15)); },
         readings.get(), false,
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
        ASSERT_EQ(dialogs.ModalShows, QList<QWidget*>{picture.get()});
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

TEST(MainWindowPlacement, CentredExceptAtTheTopOfA600PixelScreen) {
    struct Case {
        QSize window, screen;
        QPoint at;
    } cases[] = {
        {{800, 600}, {1024, 768}, {112, 84}},
        {{800, 600}, {1280, 600}, {240, 0}},
        {{800, 500}, {800, 600}, {0, 0}},
        // Larger than the screen: negative, halved toward zero.
        {{800, 600}, {1024, 576}, {112, -12}},
        {{800, 601}, {799, 598}, {0, -1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainWindowPlacement(c.window, c.screen), c.at)
            << c.screen.width() << "x" << c.screen.height();
}

// Counts the moves of a window.
class TMoveCounter : public QObject {
public:
    int Moves = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move)
            ++Moves;
        return false;
    }
};

TEST_F(MainCommands, EveryPaintPutsTheWindowBackInPlace) {
    SetScreen(1024, 576, 96); // lower than the window, which stays 600 high
    w().show();
    // The frame the offscreen platform draws adds 2 pixels a side.
    ASSERT_EQ(w().size(), QSize(800, 600));
    ASSERT_EQ(w().frameGeometry().size(), QSize(804, 604));
    TMoveCounter counter;
    w().installEventFilter(&counter);
    struct Case {
        int width, height;
        QPoint at;
    } cases[] = {{1024, 576, {110, -14}}, {1280, 600, {238, 0}}, {1024, 768, {110, 82}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        SetScreen(c.width, c.height, 96);
        w().move(5, 5);
        QCoreApplication::processEvents();
        counter.Moves = 0;
        w().repaint();
        QCoreApplication::processEvents();
        EXPECT_EQ(w().pos(), c.at);
        EXPECT_EQ(counter.Moves, 1);
        // In place already: a paint moves nothing.
        w().repaint();
        QCoreApplication::processEvents();
        EXPECT_EQ(counter.Moves, 1);
    }
    w().removeEventFilter(&counter);
}

} // namespace
