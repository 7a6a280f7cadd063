#pragma once
// The feasts, fasts and events of one Gregorian year as a fixed-pitch text,
// with year stepping, text size, printing and saving. It computes with a
// church-date engine of its own, so the main window's day stays as it is.

#include "FeastEvents.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class TApaqty;
class TNativityCalculator;
class TRichEdit;

class TfrmAllDates : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllDates(QWidget* parent = nullptr);
    ~TfrmAllDates() override;

    std::unique_ptr<TApaqty> YearEngine;               // January 1 of the shown year
    std::unique_ptr<TNativityCalculator> YearNativity; // the shown year
    QStringList EventList;                             // key?date^name~notes, sorted
    int TextSize = 12;
    int CharsPerTab = 5;

    // ---------------------------------------------------------- controls ---
    QFrame* pnlTop = nullptr;
    QFrame* pnlTitle = nullptr;
    QLabel* lblGregYear = nullptr;
    QLabel* lblCopticYear1 = nullptr;
    QLabel* lblCopticYear2 = nullptr;
    QToolButton* spdbtnPrevYear = nullptr;
    QToolButton* spdbtnNextYear = nullptr;
    QComboBox* cmbxTextSize = nullptr;
    QToolButton* spdbtnPrint = nullptr;
    QToolButton* spdbtnPreview = nullptr;
    QToolButton* spdbtnPageSetup = nullptr;
    QToolButton* spdbtnSaveAs = nullptr;
    TRichEdit* rchedtAllDates = nullptr;
    QFrame* pnlBottom = nullptr;
    QPushButton* btnClose = nullptr;

    // ------------------------------------------------------------- work ---
    void FormShow();
    void ShowYear(int Year);
    void BuildEventList();
    void RenderEvents();
    void AppendEventLine(const QString& S);
    void AppendTitle(const QString& S, bool BlankLineBefore);
    // The header of a printed page.
    QString PrintHeader() const;

    // --------------------------------------------------------- commands ---
    void spdbtnPrevYearClick();
    void spdbtnNextYearClick();
    void cmbxTextSizeChange();
    void spdbtnPrintClick();
    void spdbtnPreviewClick();
    void spdbtnPageSetupClick();
    void spdbtnSaveAsClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // The rich edit's tab stops at the fixed-pitch text's default width.
    void ApplyTabStops();
};

extern TfrmAllDates* frmAllDates;
