#pragma once
// The day state: the one church day the program shows, with everything
// computed for it. Windows that read or write the shown day include this
// header instead of the main window's, which carries all its controls.
//
// The main window is the day state (TfrmMainNew derives from TDayState), so
// `frmMainNew->CurrentDate` and `DayState->CurrentDate` name the same field.
// `DayState` points at the main window while it lives; a test without a main
// window points it at a TDayState of its own.

#include "Apaqty.h"
#include "DayKey.h"
#include "NativityCalculator.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <memory>

class QWidget;

// The font dialog that the font buttons of every window share; it keeps its
// font between showings.
class TFontDialog {
public:
    QFont Font;
    // True when confirmed; after Cancel the font is what it was. A size is
    // kept within the dialog's 6 to 48 points.
    bool Execute(QWidget* parent = nullptr);
};

struct TDayState {
    TDayState();
    ~TDayState();
    TDayState(const TDayState&) = delete;
    TDayState& operator=(const TDayState&) = delete;

    // Font of every readings, Synaxarium and Bible text; read at use time.
    QFont ReadingsFont;
    TFontDialog FontDialog1;
    // A font button's work: the font dialog, then its font, confirmed or
    // not, becomes the readings font. The caller rebuilds its text.
    void ChooseReadingsFont(QWidget* parent);
    // The readings font and the dialog's font together.
    void SetReadingsFont(const QFont& font);
    std::unique_ptr<TApaqty> DayEngine;                // the church day of CurrentDate
    std::unique_ptr<TNativityCalculator> NativityCalc; // for the year of CurrentDate
    QDate CurrentDate;
    // Year in which Coptic Synaxarium dates are shown as Gregorian dates.
    quint16 SelectedGregorianYear = 0;
    TDayKey DayKey;
    int VelmTypeID = 0; // VelmType.db ID of DayKey.DayType
    int DayID = 0;      // the day record; 0 when none was found
    QString DayComment;
    QString DayName;
    QString VerseOfTheDay;
    TFastingLevel FastingLevel = flNoFasting;
    quint8 NoAbstinence = 0;
    TTuneKind TuneKind = tkAnnual;
    int SynxID = 0;        // the day's row in SynxHead.db
    QString CopticDayText; // "Kiahk 29", no year
    // The service chosen for the readings window; after every refresh the
    // Liturgy.
    int ReadingTimeID = 0;
    QString ServiceName;
    QString PictureFile; // in PicturesFolder
    QString PictureCaption;
    QString PicturesFolder; // program folder + "pict/"
    // Coptic month and day of the last Synaxarium look-up.
    quint8 SynxMonth = 0;
    quint8 SynxDay = 0;
};

// The shown day; null before the main window exists.
extern TDayState* DayState;
