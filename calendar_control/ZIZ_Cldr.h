#pragma once

#include "CldrTypes.h"
#include "TDayColours.h"
#include "TYearSpin.h"

#include <QDate>
#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class TButPanel;
class TCalendarLighted;

// A date picker: date edit, lighted day grid, month combo, year spin and six
// step buttons around one Date, with a list of lighted dates.
class TFullCalendarAncestor : public QFrame, public TDayColours {
    Q_OBJECT
public:
    explicit TFullCalendarAncestor(QWidget* parent = nullptr);
    ~TFullCalendarAncestor() override;

    QDate Date() const;
    // A null date means today. Runs UpdateParts (whose first run with a
    // change handler reports a change) and then reports a change when the
    // date differs.
    void SetDate(const QDate& date);

    int YearRange() const { return FYearRange; }
    // Sets the year spin's limits to this year +- the value.
    void SetYearRange(int range);
    // The lowest year the calendar shows: a step or a typed date below it
    // changes nothing, a typed year below it becomes this year.
    int FirstYear() const { return FFirstYear; }
    void SetFirstYear(int year);
    // Stored only; the step buttons repeat every 300 ms.
    int AutoRepeat() const { return FAutoRepeat; }
    void SetAutoRepeat(int ms) { FAutoRepeat = ms; }

    // The four day colours (ColorLight, ...) are handed on to the grid.
    int StartOfWeek() const { return FStartOfWeek; }
    void SetStartOfWeek(int day); // taken mod 7
    TLightDay WeekEnd() const { return FWeekEnd; }
    void SetWeekEnd(TLightDay weekEnd);
    // Background of the calendar and of the arrow glyphs.
    QColor Color() const;
    void SetColor(const QColor& color);

    void AddLightDate(const QDate& date);
    bool IsDateLighted(const QDate& date) const;
    virtual void ClearLightDates();

    virtual bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    // True while one of the parts has the focus.
    bool Entered() const { return FEntered; }

    virtual void UpdateParts();
    virtual void StepDate(QObject* sender);
    virtual void DoChange();

    // Year spin limits; equal limits mean no limit.
    int SpinMinValue() const { return FSpinMin; }
    int SpinMaxValue() const { return FSpinMax; }
    int ArrangedWidth() const { return FArrangedWidth; }
    int ArrangedHeight() const { return FArrangedHeight; }
    int GlyphSize() const { return FGlyphSize; }

    QLineEdit* DateEdit() const { return FEdit; }
    TCalendarLighted* Grid() const { return FGrid; }
    QComboBox* MonthCombo() const { return FCombo; }
    QSpinBox* YearSpin() const { return FSpin; }
    // Step buttons by Tag 1..6; nullptr for another tag.
    TButPanel* StepButton(int tag) const;

    using TNotifyEvent = std::function<void(TFullCalendarAncestor*)>;
    TNotifyEvent OnChange;
    std::function<void(TFullCalendarAncestor*, const QDate&, Qt::MouseButton)> OnDateClick;
    std::function<void(TFullCalendarAncestor*, const QDate&)> OnDateDblClick;
    TNotifyEvent OnListChange;
    TNotifyEvent OnClear;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnPaint;

protected:
    struct TArrangement {
        int editWidth = 0;
        int monthWidth = 0; // the month box with its longest month whole
        int rowHeight = 0;
        int gridWidth = 0;
        int gridHeight = 0;
        int glyph = 16;
        int width = 0;
        int height = 0;
    };
    void DayColoursChanged() override { UpdateParts(); }
    TArrangement Measure(const QFont& font) const;
    // Lays the parts out from the font: rows 2 pixels apart.
    void Arrange();
    // What a change of size, font or colour runs.
    virtual void Rearrange() { Arrange(); }
    // Places the rows with the given grid height and five gaps (top, three
    // between rows, bottom) over a width.
    void PlaceParts(const TArrangement& a, int totalWidth, int gridHeight, const int gaps[5]);
    QPixmap MakeArrowGlyph(bool left, int size) const;
    void ShowDateText(const QDate& date);
    void SetSpinYear(int year);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Detach() { FAttached = false; }
    void Attach() { FAttached = true; }
    void ApplySpinLimits();
    void StepByButton(TButPanel* button);
    bool StepByEdit();
    // The date the edit's text names, century added to a year before 1910;
    // none when the text is no date the calendar shows.
    std::optional<QDate> EditDate(bool* centuryAdded = nullptr) const;
    // Return, or the focus left the edit: a text that is no date gives the
    // day back that was shown before the typing.
    void EditDone(bool returnPressed);
    // The parts whose focus is the calendar's.
    std::array<QWidget*, 4> Parts() const;
    bool IsPart(QWidget* w) const;

    QDate FDate;
    int FYearRange = 5;
    int FFirstYear = MinCalendarYear;
    int FAutoRepeat = 300;
    int FStartOfWeek = 1;
    TLightDay FWeekEnd = TLightDay(SunDay) | SaturDay;
    int FSpinMin = 0;
    int FSpinMax = 0;
    int FGlyphSize = 16;
    int FArrangedWidth = 0;
    int FArrangedHeight = 0;
    bool FAttached = false;
    bool FEntered = false;
    bool FFirstUpdateDone = false;
    bool FEnabled = true;
    bool FTypingInEdit = false;
    std::optional<QDate> FDateBeforeTyping; // set while the user types a date

    QLineEdit* FEdit = nullptr;
    TCalendarLighted* FGrid = nullptr;
    QComboBox* FCombo = nullptr;
    TYearSpin* FSpin = nullptr;
    TButPanel* FButtons[6] = {};
};

// The form-ready calendar: fits its font size to its height.
class TFullCalendarLight : public TFullCalendarAncestor {
    Q_OBJECT
public:
    explicit TFullCalendarLight(QWidget* parent = nullptr);

    // Arranges and widens the control to the arranged width.
    void Loaded();
    // Chooses the largest font size 6..50 whose arranged calendar fits the
    // control and shares the spare height between the rows.
    void FitFont();

protected:
    void Rearrange() override { FitFont(); }
    void paintEvent(QPaintEvent* event) override;

private:
    bool FFitted = false;
    bool FFitting = false;
};
