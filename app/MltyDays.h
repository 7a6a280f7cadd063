#pragma once
// The multiple-days dialog: the first and last day of a range of readings
// and, per service, whether its readings are shown in full, as citations
// only or not at all. It checks the range and hands it to the main window,
// and stays open until Cancel.

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;
class TRadioGroup;

// Warnings of "Show Readings".
extern const char* const InvalidDateRangeMessage;
extern const char* const LongRangeMessage;
extern const char* const RangeTooLongMessage;
extern const char* const ShowSynxAlwaysMessage;
// A longer range asks first.
constexpr int RangeWarningDays = 60;
// The longest range that is built, as RangeTooLongMessage names it: its
// text and layout take about 66 KB a day, so ten years stay near 300 MB.
constexpr int RangeLimitYears = 10;

class TfrmMltyDays : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMltyDays(QWidget* parent = nullptr);

    void FormShow();
    void ShowAllOrSomeClick();
    void rdgrpSynxClick();
    void chkbxShowSynxAlwaysClick();
    // The start picker's drop-down calendar closed.
    void dtpckrStartDateCloseUp();
    void btnOKClick();

    QDateEdit* dtpckrStartDate = nullptr;
    QDateEdit* dtpckrEndDate = nullptr;
    QRadioButton* rdgrpShowAllReadings = nullptr;
    QRadioButton* rdbtnSelectSomeReadings = nullptr;
    QGroupBox* pnlDetails = nullptr;
    TRadioGroup* rdgrpVespers = nullptr;
    TRadioGroup* rdgrpMatains = nullptr;
    TRadioGroup* rdgrpLiturgy = nullptr;
    TRadioGroup* rdgrpEvening = nullptr;
    TRadioGroup* rdgrpPassion = nullptr;
    TRadioGroup* rdgrpSynx = nullptr;
    QCheckBox* chkbxShowSynxAlways = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // Every service and the Synaxarium in full, the box cleared, the
    // selection panel off.
    void ResetSelection();
    QList<TRadioGroup*> Groups() const;
};

extern TfrmMltyDays* frmMltyDays;
