// Main window: the service buttons, the groups a day category offers, and
// the opening of the readings window with the shown day.

#include "MainNew.h"

#include "Apaqty.h"
#include "DMMain.h"
#include "Dialogs.h"
#include "Environment.h"
#include "ErrorHandler.h"
#include "Readings.h"
#include "ReadingsRules.h"
#include "ServiceButtons.h"
#include "ZIZ_Cldr.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void TfrmMainNew::ConnectServiceButtons() {
    for (const ServiceButtons::TServiceButton& b : ServiceButtons::Buttons()) {
        auto* button = findChild<QPushButton*>(QLatin1String(b.Name));
        Q_ASSERT(button != nullptr);
        connect(button, &QPushButton::clicked, this, Guard([this, &b] { ServiceButtonClick(b); }));
    }
    connect(btnAllReadings, &QPushButton::clicked, this, Guard([this] { btnAllReadingsClick(); }));
    connect(btnTodayReadings, &QToolButton::clicked, this,
            Guard([this] { btnTodayReadingsClick(); }));
    connect(btnFeasts, &QPushButton::clicked, this, Guard([this] { btnFeastsClick(); }));
    connect(btnMultipleReadings, &QToolButton::clicked, this,
            Guard([this] { btnMultipleReadingsClick(); }));
}

void TfrmMainNew::ServiceButtonClick(const ServiceButtons::TServiceButton& button) {
    RequireContentOpened();
    ServiceName = QLatin1String(button.ServiceName);
    ReadingTimeID = MainDM->GetReadingTimeID(QLatin1String(button.ReadingTime));
    if (button.PalmSundayName)
        ServiceName = MainDM->GetReadingTimeName(ReadingTimeID, true, false, false);
    ShowServiceReadings(false);
}

void TfrmMainNew::btnAllReadingsClick() {
    ShowServiceReadings(true);
}

void TfrmMainNew::btnTodayReadingsClick() {
    // The calendar's change notice refreshes the day.
    clndrDate->SetDate(Today());
}

void TfrmMainNew::ShowServiceGroups(TDayCategory category) {
    ApplyServiceGroups(ServiceButtons::GroupState(category, DayEngine->IsEntryToTemple()));
}

void TfrmMainNew::FitServicesToEveryDay() {
    QSize most;
    for (int c = dcEaster; c <= dcLazarusSaturday; ++c) {
        ApplyServiceGroups(ServiceButtons::GroupState(static_cast<TDayCategory>(c), true));
        pnlServices->layout()->activate();
        most = most.expandedTo(pnlServices->layout()->minimumSize());
    }
    pnlServices->setMinimumSize(most);
    ApplyServiceGroups(ServiceButtons::GroupState(dcOrdinary, false));
}

void TfrmMainNew::ApplyServiceGroups(const ServiceButtons::TGroupState& g) {
    grpbxTimes->setVisible(g.TimesVisible);
    btnVespers->setEnabled(g.VespersEnabled);
    btnEvening->setVisible(g.EveningVisible);
    btnEvening->setEnabled(g.EveningEnabled);
    grpbxPalmSunday->setVisible(g.PalmSundayVisible);
    grpbxHolyWeekHoursDay->setVisible(g.DayHoursVisible);
    btnDay12thHour->setVisible(g.Day12thHourVisible);
    grpbxHolyWeekHoursDay->setFixedWidth(g.DayHoursWidth);
    if (QLayout* l = grpbxHolyWeekHoursDay->layout()) {
        const QMargins m = l->contentsMargins();
        l->setContentsMargins(g.DayHourButtonLeft, m.top(), m.right(), m.bottom());
    }
    for (QPushButton* b : {btnDay1stHour, btnDay3rdHour, btnDay6thHour, btnDay9thHour,
                           btnDay11thHour, btnDay12thHour})
        b->setFixedWidth(g.DayHourButtonWidth);
    grpbxHolyWeekHoursNight->setVisible(g.NightHoursVisible);
    grpbxGoodSaturday->setVisible(g.BrightSaturdayVisible);
}

void TfrmMainNew::ShowServiceReadings(bool AllServices) {
    RequireContentOpened();
    // A build under way holds off the buttons; a call from elsewhere does
    // not start a second one either.
    if (frmReadings == nullptr || frmReadings->Building())
        return;
    FillReadingsParameters(AllServices);
    ShowModal(frmReadings);
}

void TfrmMainNew::FillReadingsParameters(bool AllServices) {
    TfrmReadings& r = *frmReadings;
    r.RangeMode = false;
    r.VelmTypeID = VelmTypeID;
    r.DayType = DayKey.DayType;
    r.DayID = DayID;
    r.ReadingTimeID = ReadingTimeID;
    r.ServiceName = ServiceName;
    r.setWindowTitle(DayComment);
    r.AllServices = AllServices;
    r.IsPalmSunday = DayEngine->IsPalmSunday();
    r.IsJoyousSaturday = DayEngine->IsJoyousSaturday();
    r.IsCovenantThursday = DayEngine->IsCovenantThursday();
    r.IsHolyWeek = DayEngine->IsHolyWeek;
    r.StartDate = QDateTime(Today(), QTime::currentTime());
    r.EndDate = r.StartDate;

    SetReadingTitle(r.lblReadingTitle);
}

void TfrmMainNew::SetReadingTitle(QLabel* label) {
    const ReadingsRules::TTitleDay day{DayKey.DayType,
                                       DayEngine->IsPalmSunday(),
                                       DayEngine->IsHolyWeek,
                                       DayEngine->IsGoodFriday(),
                                       DayEngine->IsHolySaturday(),
                                       DayEngine->WeekDay};
    const QString title = ReadingsRules::ReadingTitle(lblCopticDate->text(), lblGregDate->text(),
                                                      lblDOW->text(), day);
    label->setText(title);
    QFont f = label->font();
    f.setPointSize(ReadingsRules::ReadingTitleFontSize(title));
    label->setFont(f);
}
