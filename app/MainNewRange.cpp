// Main window: the readings of a range of days, asked for in the
// multiple-days dialog and built by the readings window.

#include "MainNew.h"

#include "Dialogs.h"
#include "MltyDays.h"
#include "RadioGroup.h"
#include "Readings.h"
#include "ZIZ_Cldr.h"

#include <QCheckBox>
#include <QDateEdit>

void TfrmMainNew::btnMultipleReadingsClick() {
    RequireContentOpened();
    frmMltyDays->dtpckrStartDate->setDate(clndrDate->Date());
    frmMltyDays->dtpckrEndDate->setDate(clndrDate->Date());
    ShowModal(frmMltyDays);
}

void TfrmMainNew::ShowReadingsForDateRange(const QDate& startDate, const QDate& endDate) {
    if (frmReadings == nullptr || frmReadings->Building())
        return;
    TfrmReadings& r = *frmReadings;
    r.RangeMode = true;
    r.StartDate = QDateTime(startDate, QTime(0, 0));
    r.EndDate = QDateTime(endDate, QTime(0, 0));
    const TfrmMltyDays& d = *frmMltyDays;
    r.VespersChoice = RangeChoiceOfIndex(d.rdgrpVespers->ItemIndex());
    r.MatinsChoice = RangeChoiceOfIndex(d.rdgrpMatains->ItemIndex());
    r.LiturgyChoice = RangeChoiceOfIndex(d.rdgrpLiturgy->ItemIndex());
    r.EveningChoice = RangeChoiceOfIndex(d.rdgrpEvening->ItemIndex());
    r.PassionChoice = RangeChoiceOfIndex(d.rdgrpPassion->ItemIndex());
    r.SynxChoice = RangeChoiceOfIndex(d.rdgrpSynx->ItemIndex());
    const ServiceRangeChoice full = ServiceRangeChoice::FullReadings;
    r.RangeAllServices = r.VespersChoice == full && r.MatinsChoice == full &&
                         r.LiturgyChoice == full && r.EveningChoice == full &&
                         r.PassionChoice == full && r.SynxChoice == full;
    r.ShowSynxAlways = d.chkbxShowSynxAlways->isChecked();
    ShowModal(&r);
}
