#include "DayState.h"

#include "Dialogs.h"
#include "ReadingsFontSettings.h"

#include <algorithm>

TDayState* DayState = nullptr;

bool TFontDialog::Execute(QWidget* parent) {
    QFont chosen = Font;
    const bool ok = ExecuteFontDialog(parent, chosen);
    if (ok) {
        if (chosen.pointSize() > 0)
            chosen.setPointSize(std::clamp(chosen.pointSize(), ReadingsFontSettings::MinSize,
                                           ReadingsFontSettings::MaxSize));
        Font = chosen;
    }
    return ok;
}

TDayState::TDayState() = default;

TDayState::~TDayState() {
    if (DayState == this)
        DayState = nullptr;
}

void TDayState::ChooseReadingsFont(QWidget* parent) {
    FontDialog1.Execute(parent);
    ReadingsFont = FontDialog1.Font;
}

void TDayState::SetReadingsFont(const QFont& font) {
    ReadingsFont = font;
    FontDialog1.Font = font;
}
