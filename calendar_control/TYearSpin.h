#pragma once

#include "CldrTypes.h"

#include <QSpinBox>

#include <functional>
#include <optional>

// The calendar's year field. A year typed outside the limits is taken as the
// nearest limit when typing ends, instead of refusing the keys; digits are
// read in the locale's own digits or in ASCII ones. The arrow keys and the
// wheel step on past the limits, up to the outer range: the owner is told the
// year and widens the limits.
class TYearSpin : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    // The number a text holds, or nothing when it is not one.
    std::optional<int> NumberOf(const QString& text) const;

    void SetOuterRange(int first, int last);
    std::function<void(int year)> OnStepPastLimit;

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    int valueFromText(const QString& text) const override;

private:
    int FOuterFirst = MinCalendarYear;
    int FOuterLast = MaxCalendarYear;
};
