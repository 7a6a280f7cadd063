// Readings window: the readings of a range of days. The main window is set
// to each day in turn and computes it; each day's part is its Synaxarium
// section, its title heading and the services the user chose.

#include "Readings.h"

#include "Apaqty.h"
#include "Building.h"
#include "CldrTypes.h"
#include "ErrorHandler.h"
#include "InputHold.h"
#include "MainNew.h"
#include "RichEdit.h"
#include "Synx.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTreeWidget>

#include <malloc.h>

namespace {

// How long a range build goes on before the stop keys are heard.
constexpr int MessagesEveryMs = 50;

QDateTime WholeDay(const QDateTime& t) {
    return QDateTime(t.date(), QTime(0, 0));
}

} // namespace

void TfrmReadings::GetRangeTitle(QString& Title) {
    Title = QStringLiteral("Readings Between ") + CldrLocale::FormatShortDate(StartDate.date()) +
            QStringLiteral(" And ") + CldrLocale::FormatShortDate(EndDate.date());
}

void TfrmReadings::BuildRangeReadings() {
    if (building_)
        return;
    StartDate = WholeDay(StartDate);
    EndDate = WholeDay(EndDate);
    const int days = int(StartDate.date().daysTo(EndDate.date())) + 1;
    TfrmMainNew& main = *frmMainNew;

    // Armed first, as for one day: a build that fails while it begins
    // still gives the window, its input and the text's layout back.
    TScopeGuard finish([this] {
        if (stopAsked_) {
            rchedtReadings->Clear();
            trvwCitiations->clear();
            // Freed text stays with the process unless handed back.
            malloc_trim(0);
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        }
        QString title;
        GetRangeTitle(title);
        lblReadingTitle->setText(title);
        EndBuilding(false);
        if (frmBuilding != nullptr)
            frmBuilding->lblProgress->clear();
    });
    BeginBuilding();
    SetBuildingProgressMax(days);
    // A long range (a year typed wrong) can be given up; what was built of
    // it is dropped, and this window closes, back to the range's dialog.
    inputHold_->StopWith([this] { stopAsked_ = true; }, {frmBuilding});
    if (frmBuilding != nullptr)
        frmBuilding->ShowStopHint();

    QElapsedTimer sinceMessages;
    sinceMessages.start();
    for (QDate d = StartDate.date(); d <= EndDate.date() && !stopAsked_; d = d.addDays(1)) {
        main.CurrentDate = d;
        main.ShowDay(false);
        const bool synaxariumFound = main.LocateSynaxariumDay() != 0;
        main.RefreshDayPictureAndTime(false);

        VelmTypeID = main.VelmTypeID;
        DayType = main.DayKey.DayType;
        DayID = main.DayID;
        ReadingTimeID = main.ReadingTimeID;
        ServiceName = main.ServiceName;
        QString rangeTitle;
        GetRangeTitle(rangeTitle);
        setWindowTitle(rangeTitle);
        const TApaqty& engine = *main.DayEngine;
        IsPalmSunday = engine.IsPalmSunday();
        IsJoyousSaturday = engine.IsJoyousSaturday();
        IsCovenantThursday = engine.IsCovenantThursday();
        IsHolyWeek = engine.IsHolyWeek;
        main.SetReadingTitle(lblReadingTitle);

        const int dayStart = rchedtReadings->Length();
        QString synxTitle;
        // A Coptic day missing from the Synaxarium gets no section, rather
        // than the section of the day looked up before it.
        if (synaxariumFound && IsSynaxariumShown(main.IsSynaxariumRead()) && frmSynx != nullptr)
            frmSynx->AppendSynxToRichEdit(main.SynxID, true, IsSynaxariumFull(),
                                          main.IsSynaxariumRead(), rchedtReadings, synxTitle);
        const int headingStart = rchedtReadings->Length();
        BuildDayReadings(false, synxTitle);
        MarkDayNode(dayStart, headingStart, !synxTitle.isEmpty());

        if (frmBuilding != nullptr) {
            frmBuilding->lblProgress->setText(main.lblCopticDate->text() + QStringLiteral(" - ") +
                                              main.lblGregDate->text());
            frmBuilding->lblProgress->repaint();
        }
        // Days without passages let no messages run of their own: the
        // stop keys and the progress window would wait for the whole walk.
        if (sinceMessages.elapsed() >= MessagesEveryMs) {
            LetPendingMessagesRun();
            sinceMessages.restart();
        }
    }
}

// A day's node and its Synaxarium node are looked for from the start of the
// day's part, its other nodes from the day's title heading: a citation that
// an earlier day has too is found in its own day.
void TfrmReadings::MarkDayNode(int dayStart, int headingStart, bool withSynaxarium) {
    const int n = trvwCitiations->topLevelItemCount();
    if (n == 0)
        return;
    QTreeWidgetItem* day = trvwCitiations->topLevelItem(n - 1);
    day->setData(0, SearchFromRole, dayStart);
    day->setData(0, ChildrenSearchFromRole, headingStart);
    if (withSynaxarium && day->childCount() > 0)
        day->child(0)->setData(0, SearchFromRole, dayStart);
}

int TfrmReadings::SearchStartOf(const QTreeWidgetItem* node) const {
    const QVariant own = node->data(0, SearchFromRole);
    if (own.isValid())
        return own.toInt();
    const QTreeWidgetItem* top = node;
    while (top->parent() != nullptr)
        top = top->parent();
    const QVariant fromDay = top->data(0, ChildrenSearchFromRole);
    return fromDay.isValid() ? fromDay.toInt() : 0;
}
