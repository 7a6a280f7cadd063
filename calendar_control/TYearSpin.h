#pragma once

#include <QSpinBox>

#include <optional>

// The calendar's year field. A year typed outside the limits is taken as the
// nearest limit when typing ends, instead of refusing the keys; digits are
// read in the locale's own digits or in ASCII ones.
class TYearSpin : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    // The number a text holds, or nothing when it is not one.
    std::optional<int> NumberOf(const QString& text) const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    int valueFromText(const QString& text) const override;
};
