#include "TCalendar.h"

#include "Apaqty.h"

#include "CldrTypes.h"
#include "Environment.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

TCalendar::TCalendar(QWidget* parent) : QWidget(parent), FColor(Qt::white) {
    setFocusPolicy(Qt::StrongFocus);
    FDate = Today();
    resize(122, 115);
    UpdateCalendar();
}

void TCalendar::SetCalendarDate(const QDate& date) {
    if (!date.isValid() || date == FDate || date.year() < MinCalendarYear ||
        date.year() > MaxCalendarYear)
        return;
    ChangeDate(date);
}

void TCalendar::ChangeDate(const QDate& date) {
    FDate = date;
    UpdateCalendar();
    Change();
}

void TCalendar::ChangeElement(const QDate& date) {
    FUseCurrentDate = false;
    ChangeDate(date);
}

void TCalendar::SetDay(int day) {
    if (day <= 0 || day > DaysInMonth(Year(), Month()) || day == Day())
        return;
    ChangeElement(QDate(Year(), Month(), day));
}

void TCalendar::SetMonth(int month) {
    if (month <= 0 || month > 12 || month == Month())
        return;
    ChangeElement(QDate(Year(), month, qMin(Day(), DaysInMonth(Year(), month))));
}

void TCalendar::SetYear(int year) {
    if (year <= 0 || year > MaxCalendarYear || year == Year())
        return;
    ChangeElement(QDate(year, Month(), qMin(Day(), DaysInMonth(year, Month()))));
}

void TCalendar::SetStartOfWeek(int day) {
    day = ((day % 7) + 7) % 7;
    if (day == FStartOfWeek)
        return;
    FStartOfWeek = day;
    UpdateCalendar();
}

void TCalendar::SetColor(const QColor& color) {
    if (color == FColor)
        return;
    FColor = color;
    update();
}

void TCalendar::Change() {
    if (OnChange)
        OnChange(this);
}

void TCalendar::UpdateCalendar() {
    const int first = DayOfWeekSun1(QDate(Year(), Month(), 1));
    FMonthOffset = 2 - ((first - FStartOfWeek + 7) % 7);
    if (FMonthOffset == 2)
        FMonthOffset = -5;
    FUpdating = true;
    SelectCell((Day() - FMonthOffset) % 7, (Day() - FMonthOffset) / 7 + 1);
    FUpdating = false;
    update();
}

QString TCalendar::CellText(int col, int row) const {
    if (col < 0 || col > 6 || row < 0 || row > 6)
        return QString();
    if (row == 0)
        return CldrLocale::ShortDayName((FStartOfWeek + col) % 7);
    const int n = col + FMonthOffset + (row - 1) * 7;
    if (n < 1 || n > DaysInMonth(Year(), Month()))
        return QString();
    return QString::number(n);
}

bool TCalendar::SelectCell(int col, int row) {
    if (row < 1 || row > 6 || col < 0 || col > 6)
        return false;
    if (FReadOnly && !FUpdating)
        return false;
    const QString text = CellText(col, row);
    if (text.isEmpty())
        return false;
    FCol = col;
    FRow = row;
    if (!FUpdating)
        SetDay(text.toInt());
    update();
    return true;
}

QRect TCalendar::CellRect(int col, int row) const {
    const int lw = GridLineWidth();
    return QRect(col * (ColWidth() + lw), row * (RowHeight() + lw), ColWidth(), RowHeight());
}

bool TCalendar::CellAt(const QPoint& pos, int& col, int& row) const {
    const int lw = GridLineWidth();
    if (pos.x() < 0 || pos.y() < 0 || ColWidth() <= 0 || RowHeight() <= 0)
        return false;
    col = pos.x() / (ColWidth() + lw);
    row = pos.y() / (RowHeight() + lw);
    return col <= 6 && row <= 6;
}

void TCalendar::DrawCellText(QPainter& painter, const QRect& rect, const QString& text) {
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(text);
    const int th = fm.height();
    painter.drawText(rect.left() + (rect.width() - tw) / 2,
                     rect.top() + (rect.height() - th) / 2 + fm.ascent(), text);
}

void TCalendar::DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) {
    const QString text = CellText(col, row);
    if (row == 0) {
        qDrawShadePanel(&painter, rect, palette(), false, 1, &palette().brush(QPalette::Button));
        painter.setPen(palette().color(QPalette::ButtonText));
        // Weekday names keep clear of the cells' raised edges: when one is
        // wider than its cell, all are drawn in a smaller size of the font.
        const QFont normal = painter.font();
        painter.setFont(HeaderFont(rect.width()));
        painter.drawText(rect, Qt::AlignCenter, text);
        painter.setFont(normal);
        return;
    } else if (selected) {
        painter.fillRect(rect, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
    } else {
        painter.fillRect(rect, FColor);
        painter.setPen(palette().color(QPalette::Text));
    }
    DrawCellText(painter, rect, text);
}

QFont TCalendar::HeaderFont(int cellWidth) const {
    const QFontMetrics fm(font());
    int widest = 0;
    for (int d = 0; d < 7; ++d)
        widest = qMax(widest, fm.horizontalAdvance(CldrLocale::ShortDayName(d)));
    const int room = cellWidth - 2 * HeaderTextMargin;
    QFont f = font();
    if (widest > room && room > 0 && f.pointSizeF() > 0)
        f.setPointSizeF(qMax(4.0, f.pointSizeF() * room / widest));
    return f;
}

void TCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Grid lines under the cells; the pixels the division by 7 leaves over
    // take the day cells' colour.
    painter.fillRect(rect(), FColor);
    const int lw = GridLineWidth();
    painter.fillRect(0, 0, 7 * (ColWidth() + lw), 7 * (RowHeight() + lw),
                     palette().color(QPalette::Mid));
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            DrawCell(painter, col, row, CellRect(col, row), col == FCol && row == FRow);
    // The keyboard moves the selected day: a dotted frame on it shows where
    // the focus is, however the grid got it.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(FCol, FRow).adjusted(1, 1, -2, -2));
    }
}

void TCalendar::mousePressEvent(QMouseEvent* event) {
    int col = 0, row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row))
        SelectCell(col, row);
    QWidget::mousePressEvent(event);
}

void TCalendar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -7;
        break;
    case Qt::Key_Down:
        step = 7;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Arrow keys move within the shown month only.
    const int day = Day() + step;
    if (day >= 1 && day <= DaysInMonth(Year(), Month()))
        SelectCell((day - FMonthOffset) % 7, (day - FMonthOffset) / 7 + 1);
}
