#include "TCalendarLighted.h"

#include "Apaqty.h"

#include <QMouseEvent>
#include <QPainter>

TCalendarLighted::TCalendarLighted(QWidget* parent) : TCalendar(parent) {
    SetStartOfWeek(1);
    resize(122, 115);
}

TCalendarLighted::~TCalendarLighted() = default;

void TCalendarLighted::AddLight(const QDate& date) {
    if (FLights.Add(date))
        update();
}

bool TCalendarLighted::IsLighted(const QDate& date) const {
    const int n = DayNumberOf(date);
    return n >= 1 && FLights.Contains(n);
}

void TCalendarLighted::ClearLights() {
    FLights.Clear();
    update();
}

void TCalendarLighted::SetWeekEnd(TLightDay weekEnd) {
    if (weekEnd == FWeekEnd)
        return;
    FWeekEnd = weekEnd;
    update();
}

void TCalendarLighted::DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                                bool selected) {
    TCalendar::DrawCell(painter, col, row, rect, selected);
    if (row == 0)
        return;
    const QString text = CellText(col, row);
    bool isNumber = false;
    const int day = text.toInt(&isNumber);
    if (!isNumber)
        return;
    const QDate d(Year(), Month(), day);
    const bool lit = IsLighted(d);

    QColor brush = Color();
    bool selectionColour = false;
    if (FWeekEnd.testFlag(DayFlagOf(DayOfWeekSun1(d))) && isEnabled()) {
        if (selected && !lit)
            selectionColour = true;
        else if (selected)
            brush = ColorLightSelect();
        else
            brush = lit ? ColorLightSunday() : ColorSunday();
    } else if (!selected) {
        brush = lit ? ColorLight() : Color();
    } else if (lit) {
        brush = ColorLightSelect();
    } else {
        selectionColour = true;
    }
    if (selectionColour)
        brush = palette().color(QPalette::Highlight);
    // A selected cell keeps the selection's text colour, lit or not.
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.fillRect(rect, brush);
    DrawCellText(painter, rect, text);
}

void TCalendarLighted::mousePressEvent(QMouseEvent* event) {
    TCalendar::mousePressEvent(event);
    FPressPos = event->position().toPoint();
    FPressShift = event->modifiers();
    FPressButton = event->button();
    int col = 0, row = 0;
    if (CellAt(FPressPos, col, row) && row != 0 && !CellText(col, row).trimmed().isEmpty()) {
        const QDate d(Year(), Month(), CellText(col, row).toInt());
        if (OnDateClick)
            OnDateClick(this, d, FPressButton);
    }
    update();
}

void TCalendarLighted::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press too.
    mousePressEvent(event);
    int col = 0, row = 0;
    if (CellAt(FPressPos, col, row) && row != 0 && !CellText(col, row).trimmed().isEmpty()) {
        if (OnDateDblClick)
            OnDateDblClick(this, CalendarDate());
    }
}
