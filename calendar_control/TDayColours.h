#pragma once

#include "CldrTypes.h"

#include <QColor>

// The colours of lighted and weekend days that the day grid paints with and
// the calendar hands on to its grid.
class TDayColours {
public:
    virtual ~TDayColours() = default;

    QColor ColorLight() const { return FColorLight; }
    void SetColorLight(const QColor& c) { SetColour(FColorLight, c); }
    QColor ColorLightSelect() const { return FColorLightSelect; }
    void SetColorLightSelect(const QColor& c) { SetColour(FColorLightSelect, c); }
    QColor ColorLightSunday() const { return FColorLightSunday; }
    void SetColorLightSunday(const QColor& c) { SetColour(FColorLightSunday, c); }
    QColor ColorSunday() const { return FColorSunday; }
    void SetColorSunday(const QColor& c) { SetColour(FColorSunday, c); }

    // Takes the four colours of another holder, each only where it differs.
    void CopyDayColours(const TDayColours& from) {
        SetColorLight(from.FColorLight);
        SetColorLightSelect(from.FColorLightSelect);
        SetColorLightSunday(from.FColorLightSunday);
        SetColorSunday(from.FColorSunday);
    }

protected:
    // Runs after one of the colours changed.
    virtual void DayColoursChanged() = 0;

private:
    void SetColour(QColor& member, const QColor& c) {
        if (member == c)
            return;
        member = c;
        DayColoursChanged();
    }

    QColor FColorLight = BgrColor(0x00FFFF);       // yellow
    QColor FColorLightSelect = BgrColor(0x00FF00); // lime
    QColor FColorLightSunday = BgrColor(0x0000FF); // red
    QColor FColorSunday = BgrColor(0xCE89FC);
};
