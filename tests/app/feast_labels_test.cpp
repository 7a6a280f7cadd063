// The main window's live feast labels: each date label's jump, each feast
// picture with its caption and colour, and the labels' colours and cursors
// under the mouse.

#include "DayRules.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "NameTables.h"
#include "Picture.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using F = TfrmMainNew;
using TLabelMember = QLabel* F::*;

const QColor DarkBlue(0, 0, 160);
const QColor Maroon(128, 0, 0);

class FeastLabels : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<DayFixture::TDayDatabase>();
        CreateWindow();
        picture = Make(frmPicture);
        dialogs.WhileModal = [this](QWidget* shown) {
            ASSERT_EQ(shown, frmPicture);
            shownPath = frmPicture->PicturePath;
            shownCaption = frmPicture->lblName->text();
            shownColour = frmPicture->lblName->palette().color(QPalette::WindowText);
        };
    }
    void TearDown() override {
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    QLabel* L(TLabelMember m) { return w().*m; }
    void Click(QLabel* label) {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }
    void Send(QWidget* target, QEvent::Type type, Qt::MouseButton button = Qt::NoButton) {
        const QPointF at(2, 2);
        if (type == QEvent::Enter) {
            QEnterEvent e(at, at, at);
            QApplication::sendEvent(target, &e);
        } else if (type == QEvent::Leave) {
            QEvent e(QEvent::Leave);
            QApplication::sendEvent(target, &e);
        } else {
            QMouseEvent e(type, at, at, button, button, Qt::NoModifier);
            QApplication::sendEvent(target, &e);
        }
    }
    static bool HasHand(const QLabel* l) {
        return l->testAttribute(Qt::WA_SetCursor) && l->cursor().shape() == Qt::PointingHandCursor;
    }
    static QColor Colour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

    std::unique_ptr<DayFixture::TDayDatabase> db;
    TfrmPicture* picture = nullptr;
    QString shownPath;
    QString shownCaption;
    QColor shownColour;
};

TEST_F(FeastLabels, DateLabelsJumpToTheirDateOfTheShownYear) {
    // 2024 is not the test's today (2026), and its Nativity tab reads
    // "January 7,8".
    const struct {
        TLabelMember Label;
        QDate Date;
    } cases[] = {
        {&F::lblNativityDay, {2024, 1, 7}},
        {&F::lblEpiphanyDay, {2024, 1, 20}},
        {&F::lblPalmSundayDay, {2024, 4, 28}},
        {&F::lblResurrectionDay, {2024, 5, 5}},
        {&F::lblAscensionDay, {2024, 6, 13}},
        {&F::lblPenticostDay, {2024, 6, 23}},
        {&F::lblAnnunciationDay, {2024, 4, 7}},
        {&F::lblCircumsisionDay, {2024, 1, 15}},
        {&F::lblCanaGalileeDay, {2024, 1, 22}},
        {&F::lblEntryToTempleDay, {2024, 2, 16}},
        {&F::lblMoundThursdayDay, {2024, 5, 2}},
        {&F::lblThomasSundayDay, {2024, 5, 12}},
        {&F::lblEntryToEgyptDay, {2024, 6, 1}},
        {&F::lblTransfigurationDay, {2024, 8, 19}},
        {&F::lblCrossDay1, {2024, 3, 19}},
        {&F::lblCrossDay2, {2024, 9, 27}},
        {&F::lblStMaryAnnuciationForHerBirthDay, {2024, 8, 13}},
        {&F::lblStMaryBirthdayDay, {2024, 5, 9}},
        {&F::lblStMaryEntryToTempleDay, {2024, 12, 12}},
        {&F::lblStMaryDepartureDay, {2024, 1, 30}},
        {&F::lblStMaryBodyAssumptionDay, {2024, 8, 22}},
        {&F::lblStMaryFirstChurchDay, {2024, 6, 28}},
        {&F::lblStMaryZituneDay, {2024, 4, 2}},
        {&F::lblStartOfJonahFast, {2024, 2, 26}},
        {&F::lblStartOfTheLent, {2024, 3, 11}},
        {&F::lblResurrectionFeast, {2024, 5, 5}},
        {&F::lblStartOfApostoleslFast, {2024, 6, 24}},
        {&F::lblCopticNewYearDate, {2024, 9, 11}},
    };
    w().clndrDate->SetDate(QDate(2024, 10, 30));
    ASSERT_EQ(w().CurrentDate, QDate(2024, 10, 30));
    EXPECT_EQ(w().lblNativityDay->text(), "January 7,8");
    w().pgcntrlFeasts->setCurrentIndex(2);
    for (const auto& c : cases) {
        QLabel* label = L(c.Label);
        const QString shown = label->text().remove('*').replace(",8", "");
        Click(label);
        EXPECT_EQ(w().CurrentDate, c.Date) << label->objectName().toStdString() << " went to "
                                           << w().CurrentDate.toString(Qt::ISODate).toStdString();
        // The jump went through the calendar, and the label's own text
        // names the day it went to.
        EXPECT_EQ(w().clndrDate->Date(), c.Date);
        EXPECT_EQ(MonthDayText(w().CurrentDate), shown) << label->objectName().toStdString();
        EXPECT_EQ(w().lblGregYearMajor->text(), "2024");
        EXPECT_EQ(w().pgcntrlFeasts->currentIndex(), 2);
    }
    EXPECT_EQ(w().lblGregDate->text(), DayRules::GregorianDateText(QDate(2024, 9, 11)));
    EXPECT_TRUE(dialogs.ModalShows.isEmpty());

    // The Annunciation's date also answers a double click.
    w().clndrDate->SetDate(QDate(2024, 10, 30));
    Send(w().lblAnnunciationDay, QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_EQ(w().CurrentDate, QDate(2024, 4, 7));
}

TEST_F(FeastLabels, FeastNamesAndPagePicturesShowTheirPicture) {
    enum TEvent { LeftClick, DoubleClick, RightClick };
    const QColor black(0, 0, 0), yellow(255, 255, 0), white(255, 255, 255), cream(255, 251, 240);
    const struct {
        TLabelMember Control;
        TEvent Event;
        const char* File;
        const char* Caption;
        QColor Colour;
    } cases[] = {
        {&F::lblNativity, LeftClick, "mNativity1.jpg", "Nativity", yellow},
        {&F::lblEpiphany, LeftClick, "mEpiphany.jpg", "Epiphany", yellow},
        {&F::lblPalmSunday, LeftClick, "mPalmSunday.jpg", "Palm Sunday", yellow},
        {&F::lblResurrection, LeftClick, "mResurrection.jpg", "Resurrectioin", black},
        {&F::lblAscension, LeftClick, "mAscenssion.jpg", "Ascension", black},
        {&F::lblPentecost, LeftClick, "mPentecost1.jpg", "Pentecost", black},
        {&F::lblAnnunciation, LeftClick, "mAnnunciation.jpg", "Annunciation", yellow},
        {&F::Image4, DoubleClick, "mResurrection3.jpg", "Resurrectioin", black},
        {&F::Image4, RightClick, "mResurrection3.jpg", "Resurrectioin", black},
        {&F::lblEntryToTemple, LeftClick, "mChristEntryToTemple.jpg", "Entry to the Temple",
         yellow},
        {&F::lblCanaGalilee, LeftClick, "mCanaGalilee.jpg",
         "Feast of the Wedding of Cana of Galilee", black},
        {&F::lblEntryToEgypt, LeftClick, "mFlightToEgypt1.jpg",
         "Feast of the Lord's Entry into Egypt", yellow},
        {&F::lblThomasSunday, LeftClick, "mThomasSunday.jpg", "Thomas' Sunday", black},
        {&F::lblMoundThursday, LeftClick, "mLastSupper.jpg", "Take, eat; this is My body", black},
        {&F::lblTransfiguration, LeftClick, "mTransfiguration.jpg", "Transfiguration", white},
        {&F::lblCross1, LeftClick, "Cross8.jpg", "The Lord on the Cross", white},
        {&F::lblCross2, LeftClick, "Cross5.jpg", "The Lord on the Cross", white},
        {&F::Image2, DoubleClick, "mFlightToEgypt2.jpg", "The Lord's Entry into Egypt", cream},
        {&F::lblStMaryZitune, LeftClick, "mZeitonApparation.jpg",
         "St. Mary's Apparition in Zeiton 1968", white},
        {&F::lblStMaryBodyAssumption, LeftClick, "StMaryBodyAssumption.jpg",
         "Assumption of St. Mary's Body", cream},
        {&F::Image3, DoubleClick, "mZeiton1.jpg", "St Mary's Apparition in 1968", cream},
        {&F::Image1, DoubleClick, "mStsPeterAndPaul.jpg", "St. Paul and St. Peter", cream},
    };
    const QString folder = env.ProgramFolder() + "pict/";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(frmPicture->PicturesFolder, folder);
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    for (const auto& c : cases)
        ASSERT_TRUE(img.save(folder + c.File, "JPG"));

    w().clndrDate->SetDate(QDate(2024, 10, 30));
    for (const auto& c : cases) {
        QLabel* control = L(c.Control);
        const std::string name = control->objectName().toStdString() + " " + c.File;
        const qsizetype before = dialogs.ModalShows.size();
        shownPath.clear();
        if (c.Event == LeftClick)
            Click(control);
        else if (c.Event == RightClick)
            Send(control, QEvent::MouseButtonRelease, Qt::RightButton);
        else
            Send(control, QEvent::MouseButtonDblClick, Qt::LeftButton);
        ASSERT_EQ(dialogs.ModalShows.size(), before + 1) << name;
        EXPECT_EQ(shownPath, folder + c.File) << name;
        EXPECT_EQ(shownCaption, c.Caption) << name;
        EXPECT_EQ(shownColour, c.Colour) << name;
    }
    // The names without a picture; a picture's single click; the right
    // button on the pictures other than the Major page's.
    const qsizetype shows = dialogs.ModalShows.size();
    for (TLabelMember m : {&F::lblCircumsision, &F::lblStMaryBirthday,
                           &F::lblStMaryAnnuciationForHerBirth, &F::Image4})
        Click(L(m));
    for (TLabelMember m : {&F::Image2, &F::Image3, &F::Image1})
        Send(L(m), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(dialogs.ModalShows.size(), shows);
    EXPECT_EQ(w().CurrentDate, QDate(2024, 10, 30));
}

TEST_F(FeastLabels, LabelsLightUpUnderTheMouseAndThePagePictureResetsThem) {
    enum TAfter { Rest, RestKeepingHand };
    const struct {
        TLabelMember Label;
        QEvent::Type Hover;
        TAfter AfterLeave;
        TLabelMember Image; // whose mouse move resets it, or none
        bool HandAfterImage;
    } cases[] = {
        {&F::lblNativity, QEvent::MouseMove, Rest, &F::Image4, false},
        {&F::lblNativityDay, QEvent::Enter, Rest, &F::Image4, false},
        {&F::lblStartOfTheLent, QEvent::Enter, Rest, nullptr, false},
        {&F::lblCanaGalilee, QEvent::MouseMove, RestKeepingHand, &F::Image2, false},
        {&F::lblCross2, QEvent::MouseMove, RestKeepingHand, &F::Image2, true},
        {&F::lblCrossDay1, QEvent::MouseMove, RestKeepingHand, &F::Image2, true},
        {&F::lblTransfigurationDay, QEvent::MouseMove, RestKeepingHand, &F::Image2, false},
        {&F::lblStMaryZitune, QEvent::MouseMove, Rest, &F::Image3, false},
        {&F::lblStMaryDepartureDay, QEvent::MouseMove, RestKeepingHand, &F::Image3, false},
    };
    for (const auto& c : cases) {
        QLabel* l = L(c.Label);
        const std::string name = l->objectName().toStdString();
        EXPECT_EQ(Colour(l), DarkBlue) << name;
        // A real mouse moving over it without a button reaches it only so.
        EXPECT_EQ(l->hasMouseTracking(), c.Hover == QEvent::MouseMove) << name;
        Send(l, c.Hover);
        EXPECT_EQ(Colour(l), Maroon) << name;
        EXPECT_TRUE(HasHand(l)) << name;
        Send(l, QEvent::Leave);
        EXPECT_EQ(Colour(l), DarkBlue) << name;
        EXPECT_EQ(HasHand(l), c.AfterLeave != Rest) << name;
        EXPECT_EQ(l->testAttribute(Qt::WA_SetCursor), c.AfterLeave != Rest) << name;
        if (c.Image == nullptr)
            continue;
        Send(l, c.Hover);
        Send(L(c.Image), QEvent::MouseMove);
        EXPECT_EQ(Colour(l), DarkBlue) << name;
        EXPECT_EQ(HasHand(l), c.HandAfterImage) << name;
        EXPECT_EQ(l->testAttribute(Qt::WA_SetCursor), c.HandAfterImage) << name;
    }

    // Not live: the Circumcision's name; no handler: the Traveling picture.
    Send(w().lblCircumsision, QEvent::MouseMove);
    EXPECT_EQ(Colour(w().lblCircumsision), DarkBlue);
    Send(w().lblStartOfJonahFast, QEvent::Enter);
    Send(w().Image1, QEvent::MouseMove);
    EXPECT_EQ(Colour(w().lblStartOfJonahFast), Maroon);

    // The Epiphany's name goes back to rest before its picture shows.
    Send(w().lblEpiphany, QEvent::MouseMove);
    QColor whileShown;
    dialogs.WhileModal = [&](QWidget*) { whileShown = Colour(w().lblEpiphany); };
    Click(w().lblEpiphany);
    EXPECT_EQ(whileShown, DarkBlue);
    EXPECT_FALSE(w().lblEpiphany->testAttribute(Qt::WA_SetCursor));
}

} // namespace
