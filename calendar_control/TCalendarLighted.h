#pragma once

#include "CldrTypes.h"
#include "TCalendar.h"
#include "TDayColours.h"
#include "TListDates.h"

// The day grid of the calendar: colours lighted dates and weekend days and
// reports a clicked or double-clicked day.
class TCalendarLighted : public TCalendar, public TDayColours {
    Q_OBJECT
public:
    explicit TCalendarLighted(QWidget* parent = nullptr);
    ~TCalendarLighted() override;

    void AddLight(const QDate& date);
    // False for a null date and for dates before day 1 (31 December 1899).
    bool IsLighted(const QDate& date) const;
    void ClearLights();
    const TListDates& Lights() const { return FLights; }

    TLightDay WeekEnd() const { return FWeekEnd; }
    void SetWeekEnd(TLightDay weekEnd);

    // (sender, date of the clicked cell, mouse button)
    std::function<void(TCalendarLighted*, const QDate&, Qt::MouseButton)> OnDateClick;
    // (sender, the grid's date)
    std::function<void(TCalendarLighted*, const QDate&)> OnDateDblClick;

protected:
    void DayColoursChanged() override { update(); }
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TListDates FLights;
    TLightDay FWeekEnd = TLightDay(SunDay) | SaturDay;
    QPoint FPressPos;
    Qt::KeyboardModifiers FPressShift;
    Qt::MouseButton FPressButton = Qt::NoButton;
};
