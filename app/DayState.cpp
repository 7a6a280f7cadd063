#include "DayState.h"

TDayState* DayState = nullptr;

TDayState::TDayState() = default;

TDayState::~TDayState() {
    if (DayState == this)
        DayState = nullptr;
}
