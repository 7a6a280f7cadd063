#include "TYearSpin.h"

#include <QLocale>

std::optional<int> TYearSpin::NumberOf(const QString& text) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    bool ok = false;
    int value = locale().toInt(t, &ok);
    if (!ok)
        value = QLocale::c().toInt(t, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QValidator::State TYearSpin::validate(QString& text, int&) const {
    if (text.trimmed().isEmpty())
        return QValidator::Intermediate;
    const std::optional<int> value = NumberOf(text);
    if (!value)
        return QValidator::Invalid;
    return *value >= minimum() && *value <= maximum() ? QValidator::Acceptable
                                                      : QValidator::Intermediate;
}

void TYearSpin::fixup(QString& text) const {
    if (const std::optional<int> value = NumberOf(text))
        text = textFromValue(qBound(minimum(), *value, maximum()));
}

int TYearSpin::valueFromText(const QString& text) const {
    return qBound(minimum(), NumberOf(text).value_or(value()), maximum());
}

void TYearSpin::SetOuterRange(int first, int last) {
    FOuterFirst = first;
    FOuterLast = last;
}

void TYearSpin::stepBy(int steps) {
    const int year = qBound(FOuterFirst, value() + steps, FOuterLast);
    if (OnStepPastLimit && (year < minimum() || year > maximum()))
        OnStepPastLimit(year);
    else
        QSpinBox::stepBy(steps);
}

QAbstractSpinBox::StepEnabled TYearSpin::stepEnabled() const {
    StepEnabled enabled = QSpinBox::stepEnabled();
    if (isReadOnly() || !OnStepPastLimit)
        return enabled;
    if (value() < FOuterLast)
        enabled |= StepUpEnabled;
    if (value() > FOuterFirst)
        enabled |= StepDownEnabled;
    return enabled;
}
