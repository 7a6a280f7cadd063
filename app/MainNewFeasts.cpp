// Main window: the four feast pages of the shown day's year, the dates they
// light in the calendar, the Annunciation note and the feasts window.

#include "MainNew.h"

#include "AllDates.h"
#include "ClickFilter.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "FeastTabs.h"
#include "MainNewFeastLabels.h"
#include "NameTables.h"
#include "PageControl.h"
#include "ZIZ_Cldr.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include <utility>

namespace {

using T = FeastTabs::TFeastTabTexts;
using F = TfrmMainNew;

// Each date or value label and the text it shows.
const std::pair<QLabel * F::*, QString T::*> Captions[] = {
    {&F::lblNativityDay, &T::Nativity},
    {&F::lblEpiphanyDay, &T::Epiphany},
    {&F::lblPalmSundayDay, &T::PalmSunday},
    {&F::lblResurrectionDay, &T::Resurrection},
    {&F::lblAscensionDay, &T::Ascension},
    {&F::lblPenticostDay, &T::Pentecost},
    {&F::lblAnnunciationDay, &T::Annunciation},
    {&F::lblCircumsisionDay, &T::Circumcision},
    {&F::lblCanaGalileeDay, &T::CanaGalilee},
    {&F::lblEntryToTempleDay, &T::EntryToTemple},
    {&F::lblMoundThursdayDay, &T::MaundyThursday},
    {&F::lblThomasSundayDay, &T::ThomasSunday},
    {&F::lblEntryToEgyptDay, &T::EntryToEgypt},
    {&F::lblTransfigurationDay, &T::Transfiguration},
    {&F::lblCrossDay1, &T::Cross1},
    {&F::lblCrossDay2, &T::Cross2},
    {&F::lblStMaryAnnuciationForHerBirthDay, &T::MaryBirthAnnunciation},
    {&F::lblStMaryBirthdayDay, &T::MaryBirthday},
    {&F::lblStMaryEntryToTempleDay, &T::MaryEntryToTemple},
    {&F::lblStMaryDepartureDay, &T::MaryDeparture},
    {&F::lblStMaryBodyAssumptionDay, &T::MaryBodyAssumption},
    {&F::lblStMaryFirstChurchDay, &T::MaryFirstChurch},
    {&F::lblStMaryZituneDay, &T::MaryZeiton},
    {&F::lblNativityParamouni, &T::NativityParamouni},
    {&F::lblEpiphanyParamouni, &T::EpiphanyParamouni},
    {&F::lblUnfastingDays, &T::UnfastingDays},
    {&F::lblStartOfJonahFast, &T::StartOfJonahFast},
    {&F::lblStartOfTheLent, &T::StartOfTheLent},
    {&F::lblResurrectionFeast, &T::ResurrectionFeast},
    {&F::lblStartOfApostoleslFast, &T::StartOfApostlesFast},
    {&F::lblApostolesFastDuration, &T::ApostlesFastDuration},
    {&F::lblCopticNewYear, &T::CopticNewYear},
    {&F::lblCopticNewYearDate, &T::CopticNewYearDate},
    {&F::lblGregYearMajor, &T::GregYear},
    {&F::lblGregYearMinor, &T::GregYear},
    {&F::lblGregYearStMary, &T::GregYear},
    {&F::lblGregYearChangeable, &T::GregYear},
    {&F::lblCopticYearsMajor, &T::CopticYears},
    {&F::lblCopticYearsMinor, &T::CopticYears},
    {&F::lblCopticYearsStMary, &T::CopticYears},
    {&F::lblCopticYearsChangeable, &T::CopticYears},
};

} // namespace

QString TfrmMainNew::FormatMonthDay(const QDate& date) const {
    return MonthDayText(date);
}

void TfrmMainNew::FillFeastTabs() {
    const T texts = FeastTabs::FeastTabTexts(*DayEngine, *NativityCalc);
    for (const auto& [label, text] : Captions)
        (this->*label)->setText(texts.*text);
    lblNotCelebrated->setVisible(!texts.AnnunciationCelebrated);
    FeastTabs::ApplyFeastLights(
        FeastTabs::FeastLights(*DayEngine, *NativityCalc),
        [this](const QDate& d) { return clndrDate->IsDateLighted(d); },
        [this](const QDate& d) { clndrDate->AddLightDate(d); });
}

void TfrmMainNew::pgcntrlFeastsDrawTab(QPainter& canvas, int TabIndex, const QRect& rect, bool) {
    canvas.setFont(pgcntrlFeasts->tabBar()->font());
    canvas.setPen(FeastLabelColor);
    canvas.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, pgcntrlFeasts->tabText(TabIndex));
}

void TfrmMainNew::lblNotCelebratedClick() {
    MessageDlg(QStringLiteral("The Church does not celebrate the Annunciation feast when it comes "
                              "between the Last Friday of the Holy Lent until the second day of "
                              "the Holy Fifty Days."),
               mtInformation, mbOK);
}

void TfrmMainNew::btnFeastsClick() {
    RequireContentOpened();
    if (frmAllDates != nullptr)
        ShowModal(frmAllDates);
}

void TfrmMainNew::ConnectFeastsAndFonts() {
    if (auto* pages = qobject_cast<TPageControl*>(pgcntrlFeasts))
        pages->OnDrawTab = [this](QPainter& canvas, int index, const QRect& rect, bool active) {
            pgcntrlFeastsDrawTab(canvas, index, rect, active);
        };
    OnWidgetClick(lblNotCelebrated, Guard([this] { lblNotCelebratedClick(); }));
    OnWidgetClick(pblShowAllTheVerse, Guard([this] { pblShowAllTheVerseClick(); }));
    OnWidgetDoubleClick(pnlTopRight, Guard([this] { pnlTopRightDblClick(); }));
    connect(btnSetFont, &QPushButton::clicked, this, Guard([this] { btnSetFontClick(); }));
    connect(btnRestoreDefaults, &QToolButton::clicked, this,
            Guard([this] { btnRestoreDefaultsClick(); }));
}
