// The main window's day computation on the fixture tables: labels written by
// ShowDay, the saints of the day, the picture, the reading time, the verse,
// the calendar's change and a walk over every day of 1901 to 2099.

#include "Apaqty.h"
#include "DMMain.h"
#include "DayRules.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "NativityCalculator.h"
#include "RichEdit.h"
#include "Synx.h"
#include "UpDown.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace DayFixture;

namespace {

const QString NL = QStringLiteral("\r\n");
const QString NotRead =
    QStringLiteral("Synaxarium (Not to be read in the church during this time of the year)");

QDate D(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

class DayWindowTest : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<TDayDatabase>(VerseCount());
        CreateWindow();
    }
    void TearDown() override {
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    virtual int VerseCount() const { return 366; }

    TfrmMainNew& w() { return *window; }
    void Show(const QDate& date) {
        w().CurrentDate = date;
        w().RefreshDay();
    }
    int VisibleSaints() {
        int n = 0;
        for (QLabel* l : w().SynxLabels())
            n += l->isHidden() ? 0 : 1;
        return n;
    }

    std::unique_ptr<TDayDatabase> db;
};

} // namespace

// ---------------------------------------------------------------- ShowDay ---

class AppDayShowDay : public DayWindowTest {};

TEST_F(AppDayShowDay, NativityObservedOnKiahk28) {
    Show(D("2024-01-07"));
    EXPECT_EQ(w().lblGregDate->text(), "January 7, 2024");
    EXPECT_EQ(w().lblCopticDate->text(), "Kiahk 28, 1740");
    EXPECT_EQ(w().CopticDayText, "Kiahk 28");
    const QString title = "Sunday" + NL + "(Nativity Feast Observed)";
    EXPECT_EQ(w().lblDOW->text(), title);
    EXPECT_EQ(w().lblDOW->toolTip(), title);
    EXPECT_TRUE(w().lblDOW->alignment() & Qt::AlignTop);
    EXPECT_EQ(w().lblDOW->font().pointSize(), 8);
    EXPECT_EQ(w().DayKey.DayType, 3);
    EXPECT_EQ(w().DayKey.CopticDay, 29);
    EXPECT_EQ(w().VelmTypeID, 13); // "Annual" in the fixture
    EXPECT_EQ(w().DayID, YearlyID(4, 29));
    EXPECT_EQ(w().DayComment, "Annual comment 4/29");
    EXPECT_EQ(w().FastingLevel, 0);
    EXPECT_EQ(w().lblFasting->text(), "(No Fasting)");
    EXPECT_EQ(w().lblTune->text(), "Festal Tune");
    EXPECT_EQ(w().grpbxSynexeriam->title(), "Synaxarium");
    EXPECT_EQ(w().SelectedGregorianYear, 2024);
    EXPECT_EQ(w().NativityCalc->Year, 2024);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(AppDayShowDay, ShortTitleIsCentredAtTenPoints) {
    Show(D("2024-10-22"));
    EXPECT_EQ(w().lblDOW->text(), "Tuesday");
    EXPECT_TRUE(w().lblDOW->alignment() & Qt::AlignVCenter);
    EXPECT_EQ(w().lblDOW->font().pointSize(), 10);
    EXPECT_EQ(w().VelmTypeID, 13);
    EXPECT_EQ(w().lblFasting->text(), "(No Fasting)");
    EXPECT_EQ(w().lblTune->text(), "Annual Tune");
}

TEST_F(AppDayShowDay, LentAndFiftyDays) {
    Show(D("2024-03-23")); // Saturday of Great Lent
    EXPECT_EQ(w().lblDOW->text(), "Lent name 43");
    EXPECT_EQ(w().VelmTypeID, 11);
    EXPECT_EQ(w().DayID, LentID(43));
    EXPECT_EQ(w().lblFasting->text(), "Strict Fasting, No Abstinence");
    EXPECT_EQ(w().lblTune->text(), "Lenten Tune");
    EXPECT_EQ(w().grpbxSynexeriam->title(), "Synaxarium");

    Show(D("2024-05-15")); // Wednesday of the Fifty Days
    EXPECT_EQ(w().lblDOW->text(), "Fifty name 10");
    EXPECT_EQ(w().VelmTypeID, 12);
    EXPECT_EQ(w().lblFasting->text(), "(No Fasting)");
    EXPECT_EQ(w().grpbxSynexeriam->title(), NotRead);

    Show(D("2024-04-30")); // Holy Tuesday
    EXPECT_EQ(w().grpbxSynexeriam->title(), NotRead);
    EXPECT_EQ(w().lblTune->text(), "Attribis Tune");
}

TEST_F(AppDayShowDay, ReadingTimeIsTheLiturgyAfterARefresh) {
    w().ReadingTimeID = 1;
    Show(D("2024-10-22"));
    EXPECT_EQ(w().ReadingTimeID, 3);
}

// ---------------------------------------------------- the borrowing chain ---

class AppDayRecordWindow : public DayWindowTest {};

TEST_F(AppDayRecordWindow, CycleInTheChainIsReportedOnceAndTheDayIsShown) {
    Show(D("2025-10-20")); // Babah 10 -> 11 -> 10
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "Annual Day Not Found#13#10Please Report This Error to Technical Support");
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbOK);
    EXPECT_EQ(w().DayID, YearlyID(2, 11));
    EXPECT_EQ(w().lblDOW->text(), "Monday" + NL + "Readings source: Babah 11");
}

TEST_F(AppDayRecordWindow, ChainWithoutCycleIsSilent) {
    Show(D("2024-10-15"));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(w().DayID, YearlyID(2, 7));
}

// -------------------------------------------------------------- calendar ---

class AppDayCalendarChange : public DayWindowTest {};

TEST_F(AppDayCalendarChange, ComputesTheCalendarsDate) {
    w().clndrDate->SetDate(D("2024-10-22"));
    EXPECT_EQ(w().CurrentDate, D("2024-10-22"));
    EXPECT_EQ(w().lblDOW->text(), "Tuesday");
}

TEST_F(AppDayCalendarChange, FastStartTextsOnlyWhileTheCalendarShowsTheDay) {
    w().clndrDate->SetDate(D("2024-06-24"));
    EXPECT_EQ(w().DayComment, "Start of the Apostles' Fast");
    w().clndrDate->SetDate(D("2024-06-25"));
    // A range of readings sets the current date without moving the calendar.
    w().CurrentDate = D("2024-06-24");
    w().ShowDay(false);
    EXPECT_EQ(w().DayComment, "Annual comment 10/17");
}

TEST_F(AppDayCalendarChange, YearsUpTo1900AndClosedTablesComputeNothing) {
    w().clndrDate->SetDate(D("2024-10-22"));
    w().clndrDate->SetDate(D("1900-05-05"));
    EXPECT_EQ(w().CurrentDate, D("2024-10-22"));
    EXPECT_EQ(w().lblGregDate->text(), "October 22, 2024");

    MainDM->tblSynxHead.Close();
    w().clndrDate->SetDate(D("2024-10-23"));
    EXPECT_EQ(w().CurrentDate, D("2024-10-22"));
}

// ---------------------------------------------------------------- saints ---

class AppDaySaintLabels : public DayWindowTest {};

TEST_F(AppDaySaintLabels, ThreeThenTwelveThenThree) {
    Show(D("2024-10-13")); // Babah 3
    EXPECT_EQ(VisibleSaints(), 3);
    EXPECT_EQ(w().lblSynx1->text(), "1- Saint 1 of 2/3");
    EXPECT_EQ(w().lblSynx3->toolTip(), "3- Saint 3 of 2/3");
    EXPECT_EQ(w().SynxID, SynxHeadID(2, 3));
    EXPECT_EQ(w().SynxMonth, 2);
    EXPECT_EQ(w().SynxDay, 3);

    Show(D("2024-10-14")); // Babah 4, 13 entries
    EXPECT_EQ(VisibleSaints(), 12);
    EXPECT_EQ(w().lblSynx12->text(), "12- Saint 12 of 2/4");

    Show(D("2024-10-13"));
    EXPECT_EQ(VisibleSaints(), 3);
    EXPECT_TRUE(w().lblSynx4->isHidden());
    EXPECT_TRUE(w().lblSynx12->isHidden());
}

TEST_F(AppDaySaintLabels, DayMissingFromTheTablesShowsNoSaints) {
    Show(D("2024-10-13"));
    ASSERT_EQ(VisibleSaints(), 3);
    Show(D("2024-11-16")); // Hatour 7: no head row
    EXPECT_EQ(w().SynxID, 0);
    EXPECT_EQ(VisibleSaints(), 0);
    EXPECT_EQ(w().SynxMonth, 3);
    EXPECT_EQ(w().SynxDay, 7);

    Show(D("2024-10-13"));
    Show(D("2024-11-17")); // Hatour 8: no entry 1
    EXPECT_EQ(w().SynxID, 0);
    EXPECT_EQ(VisibleSaints(), 0);
}

TEST_F(AppDaySaintLabels, LocateSynaxariumDay) {
    Show(D("2024-10-14"));
    EXPECT_EQ(w().LocateSynaxariumDay(), 1);
    EXPECT_EQ(w().SynxID, SynxHeadID(2, 4));
    EXPECT_EQ(MainDM->tblSynxDetail.FieldByName("Number")->AsInteger(), 1);

    w().CurrentDate = D("2024-11-16");
    w().ShowDay(false);
    EXPECT_EQ(w().LocateSynaxariumDay(), 0);
    EXPECT_EQ(w().SynxID, 0);
    // Locating leaves the labels as they are.
    EXPECT_EQ(VisibleSaints(), 12);
}

TEST_F(AppDaySaintLabels, ClickOpensTheSynaxariumAtTheEntry) {
    TfrmSynx synx;
    frmSynx = &synx;
    Show(D("2024-10-13"));
    QString shownDate;
    dialogs.WhileModal = [&](QWidget* shown) {
        EXPECT_EQ(shown, &synx);
        shownDate = synx.lblSynxDate->text();
        synx.updwnSynxYear->Click(true);
    };
    w().lblSynx2Click();
    frmSynx = nullptr;
    ASSERT_EQ(dialogs.ModalShows.size(), 1);
    EXPECT_EQ(synx.EntryToShow, 2);
    EXPECT_EQ(synx.SynxID, SynxHeadID(2, 3));
    EXPECT_EQ(synx.DateCaption, "Babah 3");
    EXPECT_EQ(shownDate, "Babah 3");
    // The entry's heading is where the text stands.
    EXPECT_EQ(synx.rchedtSynx->SelStart(), synx.rchedtSynx->Text().indexOf("[2] "));
    // Opening took the shown day's year; the up-down moved it on.
    EXPECT_EQ(w().SelectedGregorianYear, 2025);
    EXPECT_EQ(synx.lblSynxDateGreg->toolTip(), "October 13, 2025");
}

TEST_F(AppDaySaintLabels, MouseClickOnALabelOpensItsEntry) {
    TfrmSynx synx;
    frmSynx = &synx;
    Show(D("2024-10-13")); // three saints
    const auto labels = w().SynxLabels();
    for (int i = 0; i < 3; ++i) {
        int entry = 0;
        dialogs.WhileModal = [&](QWidget*) { entry = synx.EntryToShow; };
        QTest::mouseClick(labels[i], Qt::LeftButton, {}, labels[i]->rect().center());
        ASSERT_EQ(dialogs.ModalShows.size(), i + 1);
        EXPECT_EQ(entry, i + 1);
    }
    // A right click, or a left button let go outside the label, opens nothing.
    QTest::mouseClick(labels[0], Qt::RightButton, {}, labels[0]->rect().center());
    QTest::mousePress(labels[0], Qt::LeftButton, {}, labels[0]->rect().center());
    QTest::mouseRelease(labels[0], Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(dialogs.ModalShows.size(), 3);
    frmSynx = nullptr;
}

// --------------------------------------------------------------- picture ---

class AppDayPictureWindow : public DayWindowTest {
protected:
    void SetUp() override {
        DayWindowTest::SetUp();
        ASSERT_TRUE(pictures.isValid());
        w().PicturesFolder = pictures.path() + QLatin1Char('/');
    }
    void WritePicture(const QString& name) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        ASSERT_TRUE(image.save(pictures.filePath(name), "JPG"));
    }
    bool PictureShown() { return !w().imgDefault->pixmap().isNull(); }
    QTemporaryDir pictures;
};

TEST_F(AppDayPictureWindow, SamePictureIsNotReloaded) {
    WritePicture("xStMichael02.jpg");
    Show(D("2024-10-22")); // Babah 12
    EXPECT_EQ(w().PictureFile, "xStMichael02.jpg");
    EXPECT_EQ(w().PictureCaption, "Archangel Michael");
    EXPECT_EQ(w().lblSaintName->text(), "Archangel Michael");
    EXPECT_TRUE(PictureShown());

    // Gone from the folder: the same choice keeps what is shown.
    QFile::remove(pictures.filePath("xStMichael02.jpg"));
    w().RefreshDayPictureAndTime(true);
    EXPECT_TRUE(PictureShown());
    Show(D("2024-11-21")); // Hatour 12: the same picture again
    EXPECT_TRUE(PictureShown());
}

TEST_F(AppDayPictureWindow, MissingFileEmptiesThePictureSilently) {
    WritePicture("xStMichael02.jpg");
    Show(D("2024-10-22"));
    ASSERT_TRUE(PictureShown());
    Show(D("2024-10-31")); // Babah 21, no such file
    EXPECT_EQ(w().PictureFile, "xTheotokos2.jpg");
    EXPECT_EQ(w().lblSaintName->text(), "St. Mary the Theotokos");
    EXPECT_FALSE(PictureShown());
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    // A different choice reads its file again.
    Show(D("2024-10-22"));
    EXPECT_TRUE(PictureShown());
}

// ----------------------------------------------------------------- verse ---

class AppDayVerseWindow : public DayWindowTest {};

TEST_F(AppDayVerseWindow, VerseByDayOfTheYear) {
    Show(D("2024-12-31")); // day 366
    QString verse;
    w().GetVerseOfTheDay(verse);
    EXPECT_EQ(verse, "Verse 1");
    Show(D("2025-01-01"));
    w().GetVerseOfTheDay(verse);
    EXPECT_EQ(verse, "Verse 2");
}

class AppDayEmptyVersesWindow : public DayWindowTest {
protected:
    int VerseCount() const override { return 0; }
};

TEST_F(AppDayEmptyVersesWindow, EmptyTableGivesAnEmptyVerse) {
    Show(D("2024-10-22"));
    QString verse = QStringLiteral("old");
    w().GetVerseOfTheDay(verse);
    EXPECT_EQ(verse, "");
}

// ------------------------------------------------------------ every day ---

class AppDayEveryDay : public DayWindowTest {};

TEST_F(AppDayEveryDay, From1901To2099) {
    int errors = 0;
    for (QDate d(1901, 1, 1); d.year() <= 2099 && errors < 10; d = d.addDays(1)) {
        const int messagesBefore = int(dialogs.Messages.size());
        w().CurrentDate = d;
        w().ShowDay(false);
        const TDayKey& k = w().DayKey;
        const int offset = std::abs(int(k.EasterOffset));
        bool ok = !w().lblDOW->text().isEmpty() && k.DayType >= 1 && k.DayType <= 4 &&
                  k.CopticMonth >= 1 && k.CopticMonth <= 13 && k.CopticDay >= 1 &&
                  k.CopticDay <= 30 && k.SundayNumber <= 5 && w().DayID != 0;
        if (k.DayType == 1)
            ok = ok && offset <= 69;
        if (k.DayType == 2)
            ok = ok && k.EasterOffset >= 1 && k.EasterOffset <= 49;
        if (k.DayType == 4)
            ok = ok && k.SundayNumber >= 1;
        // Only the fixture's borrowing cycle (Babah 10 and 11) may complain.
        const bool cycleDay = w().DayEngine->CopticMonth == 2 &&
                              (w().DayEngine->CopticDay == 10 || w().DayEngine->CopticDay == 11);
        if (dialogs.Messages.size() != messagesBefore && !cycleDay)
            ok = false;
        if (!ok) {
            ++errors;
            ADD_FAILURE() << qPrintable(d.toString(Qt::ISODate)) << " title '"
                          << qPrintable(w().lblDOW->text()) << "' key " << int(k.DayType) << '/'
                          << int(k.CopticMonth) << '/' << int(k.CopticDay) << '/'
                          << int(k.SundayNumber) << '/' << int(k.EasterOffset) << " id "
                          << w().DayID;
        }
    }
    EXPECT_EQ(errors, 0);
}
