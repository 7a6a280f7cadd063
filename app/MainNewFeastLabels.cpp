// Main window: the live labels of the feast pages. A date label jumps the
// calendar to its date of the shown year, a feast name or a page picture
// shows the feast's picture, and the labels light up under the mouse. The
// tables below are the whole of it; the handlers are made from them.

#include "MainNewFeastLabels.h"
#include "MainNew.h"

#include "Apaqty.h"
#include "ClickFilter.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "FeastTabs.h"
#include "Picture.h"
#include "ZIZ_Cldr.h"

#include <QLabel>
#include <QList>

void SetFeastLabelColor(QLabel* label, const QColor& color) {
    if (label->palette().color(QPalette::WindowText) == color)
        return;
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
}

namespace {

using F = TfrmMainNew;
using TLabelMember = QLabel* F::*;

// What lights a label up, and what its leaving undoes.
enum class THoverOn { MouseMove, MouseEnter };
enum class TOnLeave { Colour, ColourAndCursor };
struct THover {
    THoverOn On;
    TOnLeave Leave;
};

constexpr THover MajorNameHover{THoverOn::MouseMove, TOnLeave::ColourAndCursor};
constexpr THover EnteredDateHover{THoverOn::MouseEnter, TOnLeave::ColourAndCursor};
constexpr THover MinorNameHover{THoverOn::MouseMove, TOnLeave::Colour};
// Minor and St. Mary's dates. The page picture that also puts them back is
// mostly covered by the labels, so leaving a date puts back its colour.
constexpr THover PageDateHover{THoverOn::MouseMove, TOnLeave::Colour};

// ------------------------------------------------------------ dates ---

using TDateOf = QDate (*)(const TApaqty&);

template <int Row> QDate stMaryDate(const TApaqty& e) {
    return FeastTabs::StMaryDates(e.CopticYearOfJanuary).at(Row);
}

struct TDateLabel {
    TLabelMember Label;
    TDateOf Date;
    THover Hover;
    bool DoubleClick = false;
};

const TDateLabel DateLabels[] = {
    // Major.
    {&F::lblNativityDay, [](const TApaqty& e) { return QDate(e.Year, 1, 7); }, EnteredDateHover},
    {&F::lblEpiphanyDay, [](const TApaqty& e) { return e.EpiphanyDate(); }, EnteredDateHover},
    {&F::lblPalmSundayDay, [](const TApaqty& e) { return e.PalmSundayDate(); }, EnteredDateHover},
    {&F::lblResurrectionDay, [](const TApaqty& e) { return e.EasterDate; }, EnteredDateHover},
    {&F::lblAscensionDay, [](const TApaqty& e) { return e.AscensionDate(); }, EnteredDateHover},
    {&F::lblPenticostDay, [](const TApaqty& e) { return e.PentecostDate(); }, EnteredDateHover},
    {&F::lblAnnunciationDay, [](const TApaqty& e) { return e.AnnunciationDate(); },
     EnteredDateHover, true},
    // Minor.
    {&F::lblCircumsisionDay, [](const TApaqty& e) { return e.CircumcisionDate(); }, PageDateHover},
    {&F::lblCanaGalileeDay, [](const TApaqty& e) { return e.CanaGalileeDate(); }, PageDateHover},
    {&F::lblEntryToTempleDay, [](const TApaqty& e) { return e.EntryToTempleDate(); },
     PageDateHover},
    {&F::lblMoundThursdayDay, [](const TApaqty& e) { return e.CovenantThursdayDate(); },
     PageDateHover},
    {&F::lblThomasSundayDay, [](const TApaqty& e) { return e.ThomasSundayDate(); }, PageDateHover},
    {&F::lblEntryToEgyptDay, [](const TApaqty& e) { return e.EntryToEgyptDate(); }, PageDateHover},
    {&F::lblTransfigurationDay, [](const TApaqty& e) { return e.TransfigurationDate(); },
     PageDateHover},
    {&F::lblCrossDay1, [](const TApaqty& e) { return e.CrossFeastDate(0); }, PageDateHover},
    {&F::lblCrossDay2, [](const TApaqty& e) { return e.CrossFeastDate(1); }, PageDateHover},
    // St. Mary's, in the page's order.
    {&F::lblStMaryAnnuciationForHerBirthDay, &stMaryDate<0>, PageDateHover},
    {&F::lblStMaryBirthdayDay, &stMaryDate<1>, PageDateHover},
    {&F::lblStMaryEntryToTempleDay, &stMaryDate<2>, PageDateHover},
    {&F::lblStMaryDepartureDay, &stMaryDate<3>, PageDateHover},
    {&F::lblStMaryBodyAssumptionDay, &stMaryDate<4>, PageDateHover},
    {&F::lblStMaryFirstChurchDay, &stMaryDate<5>, PageDateHover},
    {&F::lblStMaryZituneDay, &stMaryDate<6>, PageDateHover},
    // Traveling.
    {&F::lblStartOfJonahFast, [](const TApaqty& e) { return e.StartOfJonahFast(); },
     EnteredDateHover},
    {&F::lblStartOfTheLent, [](const TApaqty& e) { return e.StartOfLent(); }, EnteredDateHover},
    {&F::lblResurrectionFeast, [](const TApaqty& e) { return e.EasterDate; }, EnteredDateHover},
    {&F::lblStartOfApostoleslFast, [](const TApaqty& e) { return e.StartOfApostlesFast(); },
     EnteredDateHover},
    {&F::lblCopticNewYearDate, [](const TApaqty& e) { return e.NayrouzDate; }, EnteredDateHover},
};

// --------------------------------------------------------- pictures ---

using namespace CaptionColour;

struct TFeastPicture {
    const char* File; // in the pictures folder
    const char* Caption;
    QRgb Colour;
};

struct TPictureLabel {
    TLabelMember Label;
    TFeastPicture Picture;
    THover Hover;
    bool RestoresFirst = false; // back to rest before the picture shows
};

const TPictureLabel PictureLabels[] = {
    {&F::lblNativity, {"mNativity1.jpg", "Nativity", Yellow}, MajorNameHover},
    {&F::lblEpiphany, {"mEpiphany.jpg", "Epiphany", Yellow}, MajorNameHover, true},
    {&F::lblPalmSunday, {"mPalmSunday.jpg", "Palm Sunday", Yellow}, MajorNameHover},
    {&F::lblResurrection, {"mResurrection.jpg", "Resurrectioin", Black}, MajorNameHover},
    {&F::lblAscension, {"mAscenssion.jpg", "Ascension", Black}, MajorNameHover},
    {&F::lblPentecost, {"mPentecost1.jpg", "Pentecost", Black}, MajorNameHover},
    {&F::lblAnnunciation, {"mAnnunciation.jpg", "Annunciation", Yellow}, MajorNameHover},
    {&F::lblEntryToTemple,
     {"mChristEntryToTemple.jpg", "Entry to the Temple", Yellow},
     MinorNameHover},
    {&F::lblCanaGalilee,
     {"mCanaGalilee.jpg", "Feast of the Wedding of Cana of Galilee", Black},
     MinorNameHover},
    {&F::lblEntryToEgypt,
     {"mFlightToEgypt1.jpg", "Feast of the Lord's Entry into Egypt", Yellow},
     MinorNameHover},
    {&F::lblThomasSunday, {"mThomasSunday.jpg", "Thomas' Sunday", Black}, MinorNameHover},
    {&F::lblMoundThursday,
     {"mLastSupper.jpg", "Take, eat; this is My body", Black},
     MinorNameHover},
    {&F::lblTransfiguration, {"mTransfiguration.jpg", "Transfiguration", White}, MinorNameHover},
    {&F::lblCross1, {"Cross8.jpg", "The Lord on the Cross", White}, MinorNameHover},
    {&F::lblCross2, {"Cross5.jpg", "The Lord on the Cross", White}, MinorNameHover},
    {&F::lblStMaryZitune,
     {"mZeitonApparation.jpg", "St. Mary's Apparition in Zeiton 1968", White},
     MajorNameHover},
    {&F::lblStMaryBodyAssumption,
     {"StMaryBodyAssumption.jpg", "Assumption of St. Mary's Body", Cream},
     MajorNameHover},
};

// A page's picture: its feast picture on a double click, and the labels a
// mouse move over it puts back to rest.
struct TPagePicture {
    TLabelMember Image;
    TFeastPicture Picture;
    bool RightClick; // the right button's release shows it too
    QList<TLabelMember> Reset;
    QList<TLabelMember> ResetKeepingHand;
};

const TPagePicture PagePictures[] = {
    {&F::Image4,
     {"mResurrection3.jpg", "Resurrectioin", Black},
     true,
     {&F::lblNativity, &F::lblEpiphany, &F::lblPalmSunday, &F::lblResurrection, &F::lblAscension,
      &F::lblPentecost, &F::lblAnnunciation, &F::lblNativityDay, &F::lblEpiphanyDay,
      &F::lblPalmSundayDay, &F::lblResurrectionDay, &F::lblAscensionDay, &F::lblPenticostDay,
      &F::lblAnnunciationDay},
     {}},
    {&F::Image2,
     {"mFlightToEgypt2.jpg", "The Lord's Entry into Egypt", Cream},
     false,
     {&F::lblCanaGalilee, &F::lblEntryToTemple, &F::lblMoundThursday, &F::lblThomasSunday,
      &F::lblEntryToEgypt, &F::lblTransfiguration, &F::lblCircumsisionDay, &F::lblCanaGalileeDay,
      &F::lblEntryToTempleDay, &F::lblMoundThursdayDay, &F::lblThomasSundayDay,
      &F::lblEntryToEgyptDay, &F::lblTransfigurationDay},
     {&F::lblCrossDay1, &F::lblCrossDay2, &F::lblCross1, &F::lblCross2}},
    {&F::Image3,
     {"mZeiton1.jpg", "St Mary's Apparition in 1968", Cream},
     false,
     {&F::lblStMaryAnnuciationForHerBirthDay, &F::lblStMaryBirthdayDay,
      &F::lblStMaryEntryToTempleDay, &F::lblStMaryDepartureDay, &F::lblStMaryBodyAssumptionDay,
      &F::lblStMaryFirstChurchDay, &F::lblStMaryZituneDay, &F::lblStMaryAnnuciationForHerBirth,
      &F::lblStMaryBodyAssumption, &F::lblStMaryZitune},
     {}},
    {&F::Image1, {"mStsPeterAndPaul.jpg", "St. Paul and St. Peter", Cream}, false, {}, {}},
};

// ------------------------------------------------------------ hover ---

void lightUp(QLabel* label) {
    SetFeastLabelColor(label, FeastHoverColor);
    label->setCursor(Qt::PointingHandCursor);
}

void putBack(QLabel* label, bool keepHand) {
    SetFeastLabelColor(label, FeastLabelColor);
    if (keepHand)
        label->setCursor(Qt::PointingHandCursor);
    else
        label->unsetCursor();
}

void connectHover(QLabel* label, const THover& hover) {
    if (hover.On == THoverOn::MouseMove) {
        label->setMouseTracking(true);
        OnWidgetEvent(label, QEvent::MouseMove, [label] { lightUp(label); });
    } else {
        OnWidgetEvent(label, QEvent::Enter, [label] { lightUp(label); });
    }
    if (hover.Leave == TOnLeave::Colour)
        OnWidgetEvent(label, QEvent::Leave,
                      [label] { SetFeastLabelColor(label, FeastLabelColor); });
    else
        OnWidgetEvent(label, QEvent::Leave, [label] { putBack(label, false); });
}

void showFeastPicture(const TFeastPicture& picture) {
    if (frmPicture == nullptr)
        return;
    frmPicture->ShowPicture(QString::fromLatin1(picture.File), QString::fromLatin1(picture.Caption),
                            QColor(picture.Colour));
    ShowModal(frmPicture);
}

} // namespace

void TfrmMainNew::ConnectFeastLabels() {
    for (const TDateLabel& d : DateLabels) {
        QLabel* label = this->*d.Label;
        const auto jump = Guard([this, date = d.Date] {
            // Computed now: the shown day's year, which the pages show.
            const QDate target = date(*DayEngine);
            if (target.isValid())
                clndrDate->SetDate(target);
        });
        OnWidgetClick(label, jump);
        if (d.DoubleClick)
            OnWidgetDoubleClick(label, jump);
        connectHover(label, d.Hover);
    }
    for (const TPictureLabel& p : PictureLabels) {
        QLabel* label = this->*p.Label;
        OnWidgetClick(label, Guard([label, p] {
                          if (p.RestoresFirst)
                              putBack(label, false);
                          showFeastPicture(p.Picture);
                      }));
        connectHover(label, p.Hover);
    }
    for (const TPagePicture& page : PagePictures) {
        QLabel* image = this->*page.Image;
        const auto show = Guard([picture = page.Picture] { showFeastPicture(picture); });
        OnWidgetDoubleClick(image, show);
        if (page.RightClick)
            OnWidgetRightClick(image, show);
        if (page.Reset.isEmpty() && page.ResetKeepingHand.isEmpty())
            continue;
        QList<QLabel*> reset;
        QList<QLabel*> keepingHand;
        for (TLabelMember m : page.Reset)
            reset << this->*m;
        for (TLabelMember m : page.ResetKeepingHand)
            keepingHand << this->*m;
        image->setMouseTracking(true);
        OnWidgetEvent(image, QEvent::MouseMove, [reset, keepingHand] {
            for (QLabel* l : reset)
                putBack(l, false);
            for (QLabel* l : keepingHand)
                putBack(l, true);
        });
    }
}
