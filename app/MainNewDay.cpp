// Day computation of the main window: the calendar's change, the refresh of
// the day state and its labels, the day record, the saints of the day, the
// day picture and the verse look-up. The day itself is computed whole by
// ComputeShownDay before any label shows a part of it.

#include "MainNew.h"

#include "Apaqty.h"
#include "DMMain.h"
#include "DayRules.h"
#include "DayTables.h"
#include "Dialogs.h"
#include "Jpeg.h"
#include "NativityCalculator.h"
#include "ShownDay.h"
#include "Synx.h"
#include "ZIZ_Cldr.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>

#include <utility>

void TfrmMainNew::clndrDateChange() {
    // The spin's value is the year as a number in any locale's digits; the
    // spin takes a typed year only when typing ends.
    const int year = clndrDate->YearSpin() != nullptr ? clndrDate->YearSpin()->value() : 0;
    // Half-typed years and the start-up (tables still closed) compute nothing.
    if (year >= FirstComputedYear && MainDM != nullptr && MainDM->tblSynxHead.Active()) {
        const QDate previous = CurrentDate;
        CurrentDate = clndrDate->Date();
        try {
            RefreshDay();
        } catch (...) {
            ReturnToDay(previous);
            throw;
        }
    }
}

void TfrmMainNew::ReturnToDay(const QDate& day) {
    // A day that failed halfway is not shown: the window, its day state and
    // the calendar go back to the last day that was shown whole.
    CurrentDate = day;
    if (!day.isValid())
        return;
    const auto onChange = std::exchange(clndrDate->OnChange, nullptr);
    clndrDate->SetDate(day);
    clndrDate->OnChange = onChange;
    try {
        RefreshDay();
    } catch (...) {
        // The error on its way is the one to report.
    }
}

void TfrmMainNew::RefreshDay() {
    ShowDay(true);
    FillSynaxariumLabels();
    RefreshDayPictureAndTime(true);
}

void TfrmMainNew::ShowDay(bool fillFeastTabs) {
    DayRules::TDataModuleDayTables tables(*MainDM);
    // The start of the fasts is told by the calendar's own date.
    const QDate calendarDate = clndrDate != nullptr ? clndrDate->Date() : CurrentDate;
    DayRules::TShownDay day =
        DayRules::ComputeShownDay(CurrentDate, calendarDate, *DayEngine, *NativityCalc, tables);
    if (day.Record.ChainError)
        MessageDlg(QString::fromLatin1(DayRules::AnnualDayNotFoundMessage), mtError, mbOK);
    const int velmTypeID = MainDM->GetVelmTypeID(day.DayKey.DayType);

    // The day is complete: only now the day state and the labels change.
    SelectedGregorianYear = quint16(CurrentDate.year());
    DayKey = day.DayKey;
    DayID = day.Record.DayID;
    DayComment = day.Record.DayComment;
    DayName = day.Record.DayName;
    VerseOfTheDay = day.Record.VerseOfTheDay;
    VelmTypeID = velmTypeID;
    FastingLevel = day.FastingLevel;
    NoAbstinence = day.NoAbstinence ? 1 : 0;
    TuneKind = day.TuneKind;
    CopticDayText = day.CopticDayText;
    shownDay_ = std::make_unique<DayRules::TShownDay>(std::move(day));
    const DayRules::TShownDay& d = *shownDay_;

    lblGregDate->setText(d.GregorianDateText);
    lblDOW->setText(d.Title);
    lblDOW->setAlignment(Qt::AlignHCenter |
                         (DayRules::TitleTopAligned(d.Title) ? Qt::AlignTop : Qt::AlignVCenter));
    lblDOW->setToolTip(d.Title);
    lblFasting->setText(DayRules::FastingText(FastingLevel, NoAbstinence != 0));
    lblTune->setText(DayRules::TuneText(TuneKind));
    grpbxSynexeriam->setTitle(DayRules::SynaxariumCaption(d.SynaxariumRead));
    QFont f = lblDOW->font();
    f.setPointSize(DayRules::TitleIsLong(d.Title) ? 8 : 10);
    lblDOW->setFont(f);
    lblCopticDate->setText(d.CopticDateText);

    if (fillFeastTabs)
        FillFeastTabs();
}

QString TfrmMainNew::BuildDayTitle(const QDate& date) {
    DayRules::TDayRecord record;
    auto lookup = [this](TDayKey&) {
        DayRules::TDayRecord r;
        r.DayID = GetDayRecord(r.DayComment, r.DayName, r.VerseOfTheDay, r.NoteText);
        return r;
    };
    const QString title =
        DayRules::BuildDayTitle(date, *DayEngine, *NativityCalc, DayKey, lookup, record);
    DayID = record.DayID;
    DayComment = record.DayComment;
    DayName = record.DayName;
    VerseOfTheDay = record.VerseOfTheDay;
    return title;
}

int TfrmMainNew::GetDayRecord(QString& dayComment, QString& dayName, QString& verseOfTheDay,
                              QString& noteText) {
    // The start of the fasts is told by the calendar's own date.
    const QDate calendarDate = clndrDate != nullptr ? clndrDate->Date() : CurrentDate;
    DayRules::TDataModuleDayTables tables(*MainDM);
    const DayRules::TDayRecord r = DayRules::GetDayRecord(DayKey, *DayEngine, calendarDate, tables);
    if (r.ChainError)
        MessageDlg(QString::fromLatin1(DayRules::AnnualDayNotFoundMessage), mtError, mbOK);
    dayComment = r.DayComment;
    dayName = r.DayName;
    verseOfTheDay = r.VerseOfTheDay;
    noteText = r.NoteText;
    return r.DayID;
}

TFastingLevel TfrmMainNew::GetFastingLevel() {
    return DayRules::FastingLevel(*DayEngine);
}

bool TfrmMainNew::IsNoAbstinenceDay() {
    return DayRules::IsNoAbstinenceDay(*DayEngine);
}

TTuneKind TfrmMainNew::GetTuneKind() {
    return DayRules::TuneKind(*DayEngine, *NativityCalc, DayKey);
}

bool TfrmMainNew::IsSynaxariumRead() {
    return DayRules::IsSynaxariumRead(DayKey);
}

TDayCategory TfrmMainNew::GetDayCategory() {
    return DayRules::DayCategory(*DayEngine);
}

// ----------------------------------------------------------------- saints ---

void TfrmMainNew::FillSynaxariumLabels() {
    if (MainDM == nullptr || !MainDM->tblSynxHead.Active())
        return;
    SynxDay = quint8(DayEngine->CopticDay);
    SynxMonth = quint8(DayEngine->CopticMonth);
    const DayRules::TSynaxariumDay day = DayRules::LocateSynaxariumDay(
        MainDM->tblSynxHead, MainDM->tblSynxDetail, SynxMonth, SynxDay, true);
    // A day missing from the tables shows no saints rather than the
    // previous day's.
    SynxID = day.Found ? day.SynxID : 0;
    const auto labels = SynxLabels();
    for (int i = 0; i < 12; ++i) {
        QLabel* label = labels[size_t(i)];
        if (i < day.Captions.size()) {
            label->setText(day.Captions[i]);
            label->setToolTip(day.Captions[i]);
            label->setVisible(true);
        } else {
            label->setVisible(false);
        }
    }
}

int TfrmMainNew::LocateSynaxariumDay() {
    if (MainDM == nullptr || !MainDM->tblSynxHead.Active())
        return 0;
    SynxDay = quint8(DayEngine->CopticDay);
    SynxMonth = quint8(DayEngine->CopticMonth);
    const DayRules::TSynaxariumDay day = DayRules::LocateSynaxariumDay(
        MainDM->tblSynxHead, MainDM->tblSynxDetail, SynxMonth, SynxDay, false);
    SynxID = day.Found ? day.SynxID : 0;
    return day.Found ? 1 : 0;
}

// The Synaxarium window opens on the shown day at the clicked saint.
void TfrmMainNew::OpenSynaxarium(int entry) {
    RequireContentOpened();
    frmSynx->EntryToShow = entry;
    frmSynx->SynxID = SynxID;
    frmSynx->DateCaption = CopticDayText;
    ShowModal(frmSynx);
}

#define EVELM_SYNX_CLICK(n)                                                                        \
    void TfrmMainNew::lblSynx##n##Click() {                                                        \
        OpenSynaxarium(n);                                                                         \
    }
EVELM_SYNX_CLICK(1)
EVELM_SYNX_CLICK(2)
EVELM_SYNX_CLICK(3)
EVELM_SYNX_CLICK(4)
EVELM_SYNX_CLICK(5)
EVELM_SYNX_CLICK(6)
EVELM_SYNX_CLICK(7)
EVELM_SYNX_CLICK(8)
EVELM_SYNX_CLICK(9)
EVELM_SYNX_CLICK(10)
EVELM_SYNX_CLICK(11)
EVELM_SYNX_CLICK(12)
#undef EVELM_SYNX_CLICK

// ---------------------------------------------------------- picture, time ---

void TfrmMainNew::RefreshDayPictureAndTime(bool withPicture) {
    const TDayCategory category = GetDayCategory();
    if (withPicture)
        SelectDayPicture(category);
    ReadingTimeID = MainDM->GetReadingTimeID(QStringLiteral("Liturgy"));
    if (withPicture)
        ShowVerseOfTheDay();
}

void TfrmMainNew::SelectDayPicture(TDayCategory category) {
    ShowServiceGroups(category);
    // The shown day's own choice, unless asked for another category.
    DayRules::TDataModuleDayTables tables(*MainDM);
    const bool computed =
        shownDay_ && shownDay_->Date == CurrentDate && shownDay_->Category == category;
    const DayRules::TPictureChoice choice =
        computed ? shownDay_->Picture : DayRules::SelectDayPicture(category, *DayEngine, &tables);
    // The same picture as shown is not read again; a file that failed once
    // is not retried for the same choice either.
    if (choice.File != PictureFile) {
        PictureFile = choice.File;
        PictureCaption = choice.Caption;
        TJPEGImage image;
        if (image.TryLoadFromFile(PicturesFolder + choice.File))
            imgDefault->setPixmap(QPixmap::fromImage(image.Image()));
        else
            imgDefault->clear();
        lblSaintName->setText(choice.Caption);
    }
}

void TfrmMainNew::GetVerseOfTheDay(QString& verse) {
    verse = DayRules::VerseOfTheDay(MainDM->tblVerses, DayEngine->DayOfYear);
}
