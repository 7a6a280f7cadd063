// The main window's service buttons on the day fixture: the groups each day
// category shows, what every button hands to the readings window, the
// reading title, and the main window held off while the readings build.

#include "Building.h"
#include "DMMain.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "Readings.h"
#include "ServiceButtons.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QDate D(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

class ServiceButtonsWindow : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<DayFixture::TDayDatabase>();
        CreateWindow();
        Make(frmBuilding);
        readings = Make(frmReadings);
    }
    void TearDown() override {
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    // The calendar too: closing the readings window gives the main window
    // the calendar's date back.
    void Show(const QDate& date) {
        w().clndrDate->SetDate(date);
        w().CurrentDate = date;
        w().RefreshDay();
    }
    bool Shown(QWidget* widget) { return widget->isVisibleTo(window.get()); }

    std::unique_ptr<DayFixture::TDayDatabase> db;
    TfrmReadings* readings = nullptr;
};

TEST_F(ServiceButtonsWindow, GroupsOfEveryDayCategory) {
    struct Case {
        const char* date;
        int category;
        bool times, vespers, evening, eveningEnabled, palm, dayHours, twelfth, night, bright;
    } cases[] = {
        {"2024-05-05", 1, true, false, true, true, false, false, false, false, false},
        {"2024-01-07", 2, true, true, false, false, false, false, false, false, false},
        {"2024-01-20", 3, true, true, false, false, false, false, false, false, false},
        {"2024-04-28", 4, false, true, false, false, true, false, false, true, false},
        {"2024-09-17", 5, true, true, false, false, false, false, false, false, false},
        {"2024-09-15", 6, true, true, false, false, false, false, false, false, false},
        {"2024-05-15", 7, true, true, false, false, false, false, false, false, false},
        {"2024-03-17", 8, true, true, true, true, false, false, false, false, false},
        {"2024-03-13", 9, true, false, true, false, false, false, false, false, false},
        {"2018-02-15", 9, true, true, true, false, false, false, false, false, false}, // Entry
        {"2024-04-29", 10, false, true, false, false, false, true, false, true, false},
        {"2024-05-03", 11, false, true, false, false, false, true, true, false, false},
        {"2024-05-04", 12, false, true, false, false, false, false, false, false, true},
        {"2024-04-27", 13, true, false, false, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        Show(D(c.date));
        SCOPED_TRACE(c.date);
        EXPECT_EQ(w().GetDayCategory(), c.category);
        EXPECT_EQ(Shown(w().grpbxTimes), c.times);
        EXPECT_EQ(w().btnVespers->isEnabled(), c.vespers);
        EXPECT_EQ(Shown(w().btnEvening), c.times && c.evening);
        EXPECT_EQ(w().btnEvening->isEnabled(), c.eveningEnabled);
        EXPECT_EQ(Shown(w().grpbxPalmSunday), c.palm);
        EXPECT_EQ(Shown(w().grpbxHolyWeekHoursDay), c.dayHours);
        EXPECT_EQ(Shown(w().btnDay12thHour), c.dayHours && c.twelfth);
        EXPECT_EQ(Shown(w().grpbxHolyWeekHoursNight), c.night);
        EXPECT_EQ(Shown(w().grpbxGoodSaturday), c.bright);
        EXPECT_TRUE(Shown(w().btnAllReadings));
        if (c.dayHours) {
            EXPECT_EQ(w().grpbxHolyWeekHoursDay->width(), c.twelfth ? 199 : 100);
            EXPECT_EQ(w().btnDay1stHour->width(), c.twelfth ? 150 : 75);
        }
    }
}

// Every button hands its service to the readings window and opens it.
TEST_F(ServiceButtonsWindow, EveryButtonOpensItsService) {
    Show(D("2024-04-28")); // Palm Sunday
    struct Case {
        const char* button;
        const char* serviceName;
        int readingTime;
    } cases[] = {
        {"btnVespers", "Vespers", 1},
        {"btnMatins", "Matins", 2},
        {"btnLiturgy", "Liturgy", 3},
        {"btnEvening", "Evening", 4},
        {"btnPalmVespers", "Vespers", 1},
        {"btnPalmMatins", "Matins", 2},
        {"btnPalmLiturgy", "Liturgy", 3},
        {"btnPalmDay6thHour", "General Funeral Prayers", 7},
        {"btnPalmDay9thHour", "Ninth hour of the day", 8},
        {"btnPalmDay11thHour", "Eleventh hour of the day", 9},
        {"btnDay1stHour", "First hour of the day", 5},
        {"btnDay3rdHour", "Third hour of the day", 6},
        {"btnDay6thHour", "Sixth hour of the day", 7},
        {"btnDay9thHour", "Ninth hour of the day", 8},
        {"btnDay11thHour", "Eleventh hour of the day", 9},
        {"btnDay12thHour", "Twelfth hour of the day", 10},
        {"btnNight1stHour", "First hour of the night", 11},
        {"btnNight3rdHour", "Third hour of the night", 12},
        {"btnNight6thHour", "Sixth hour of the night", 13},
        {"btnNight9thHour", "Ninth hour of the night", 14},
        {"btnNight11thHour", "Eleventh hour of the night", 15},
        {"btnLightSaturdayPraises", "Praises", 1},
        {"btnLightSaturday1stHour", "First hour of the day", 5},
        {"btnLightSaturday3rdHour", "Third Hour", 6},
        {"btnLightSaturday6thHour", "Sixth Hour", 7},
        {"btnLightSaturday9thHour", "Ninth Hour", 8},
        {"btnLightSaturdayLiturgy", "Liturgy", 9},
    };
    ASSERT_EQ(std::size(cases), size_t(ServiceButtons::Buttons().size()));
    // What the main window holds while the readings are shown; closing
    // refreshes its day, which puts its service back to the Liturgy.
    QString serviceName;
    int readingTime = 0;
    dialogs.WhileModal = [&](QWidget*) {
        serviceName = w().ServiceName;
        readingTime = w().ReadingTimeID;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        dialogs.ModalShows.clear();
        auto* button = w().findChild<QPushButton*>(QLatin1String(c.button));
        ASSERT_NE(button, nullptr);
        emit button->clicked(); // also the buttons a day shows disabled
        ASSERT_EQ(dialogs.ModalShows, QList<QWidget*>{readings});
        EXPECT_EQ(serviceName, QLatin1String(c.serviceName));
        EXPECT_EQ(readingTime, c.readingTime);
        EXPECT_EQ(readings->ServiceName, serviceName);
        EXPECT_EQ(readings->ReadingTimeID, c.readingTime);
        EXPECT_FALSE(readings->AllServices);
    }
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());

    // All readings right after a refresh: the Liturgy's time, the last name.
    Show(D("2024-04-28"));
    dialogs.ModalShows.clear();
    w().btnAllReadings->click();
    ASSERT_EQ(dialogs.ModalShows.size(), 1);
    EXPECT_TRUE(readings->AllServices);
    EXPECT_EQ(readings->ReadingTimeID, 3);
    EXPECT_EQ(readings->ServiceName, "Liturgy");
    EXPECT_FALSE(readings->RangeMode);
    EXPECT_EQ(readings->VelmTypeID, w().VelmTypeID);
    EXPECT_EQ(readings->DayType, w().DayKey.DayType);
    EXPECT_EQ(readings->DayID, w().DayID);
    EXPECT_EQ(readings->windowTitle(), w().DayComment);
    EXPECT_TRUE(readings->IsPalmSunday);
    EXPECT_FALSE(readings->IsJoyousSaturday || readings->IsCovenantThursday);
    EXPECT_EQ(readings->StartDate, readings->EndDate);
}

TEST_F(ServiceButtonsWindow, ReadingTitleWithTheNightOfHolyWeek) {
    struct Case {
        const char* date;
        const char* suffix;
        bool palm, joyous, covenant, holyWeek;
    } cases[] = {
        {"2024-04-28", " / Night of Holy Monday", true, false, false, false},
        {"2024-05-01", " / Night of Holy Thursday", false, false, false, true},
        {"2024-05-02", " / Night of Holy Friday", false, false, true, true},
        {"2024-05-03", "", false, false, false, true},
        {"2024-05-04", "", false, true, false, true},
        {"2024-09-17", "", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        Show(D(c.date));
        w().btnAllReadings->click();
        const QString title = w().lblCopticDate->text() + " - " + w().lblGregDate->text() + ", " +
                              w().lblDOW->text() + QLatin1String(c.suffix);
        EXPECT_EQ(readings->lblReadingTitle->text(), title);
        EXPECT_EQ(readings->lblReadingTitle->font().pointSize(), title.size() > 40 ? 10 : 12);
        EXPECT_EQ(readings->IsPalmSunday, c.palm);
        EXPECT_EQ(readings->IsJoyousSaturday, c.joyous);
        EXPECT_EQ(readings->IsCovenantThursday, c.covenant);
        EXPECT_EQ(readings->IsHolyWeek, c.holyWeek);
    }
}

// A click on the main window while the readings build (here: the button
// that moves the calendar to today) would change the shown day under the
// build; it is held off, and a second readings window does not open.
TEST_F(ServiceButtonsWindow, MainWindowHeldOffDuringABuild) {
    Show(D("2024-09-17"));
    w().clndrDate->SetDate(D("2024-09-17"));
    bool clickedDuringBuild = false;
    QTimer::singleShot(0, readings, [&] {
        clickedDuringBuild = readings->Building();
        QTest::mouseClick(w().btnTodayReadings, Qt::LeftButton);
        QTest::mouseClick(w().btnAllReadings, Qt::LeftButton);
    });
    w().btnAllReadings->click();
    EXPECT_TRUE(clickedDuringBuild);
    EXPECT_EQ(dialogs.ModalShows.size(), 1);
    EXPECT_EQ(w().clndrDate->Date(), D("2024-09-17"));
    // Afterwards the button works again.
    QTest::mouseClick(w().btnTodayReadings, Qt::LeftButton);
    EXPECT_EQ(w().clndrDate->Date(), env.Today);
}

} // namespace
