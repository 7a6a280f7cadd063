#pragma once

#include <QColor>
#include <QDate>
#include <QWidget>

#include <functional>

// A month grid: 7 columns, a fixed first row of weekday names and six rows of
// day numbers; the cell of the shown day is the selected one.
class TCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TCalendar(QWidget* parent = nullptr);

    QDate CalendarDate() const { return FDate; }
    void SetCalendarDate(const QDate& date);
    int Day() const { return FDate.day(); }
    int Month() const { return FDate.month(); }
    int Year() const { return FDate.year(); }
    // Each ignores values <= 0, a month above 12, a day beyond the shown month,
    // a year beyond 9999 and an unchanged value. A day the new month or year
    // lacks becomes its last day.
    void SetDay(int day);
    void SetMonth(int month);
    void SetYear(int year);

    // Weekday of column 0: 0 = Sunday .. 6 = Saturday.
    int StartOfWeek() const { return FStartOfWeek; }
    void SetStartOfWeek(int day);

    bool UseCurrentDate() const { return FUseCurrentDate; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    int MonthOffset() const { return FMonthOffset; }

    // Background of the day cells.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);

    int GridLineWidth() const { return 1; }
    // Pixels kept free on each side of a weekday name in the header.
    static constexpr int HeaderTextMargin = 2;
    // The font of the weekday names: the grid's, smaller when the widest
    // name would not keep that margin in a cell of the given width.
    QFont HeaderFont(int cellWidth) const;
    int ColWidth() const { return qMax(0, (width() - 6 * GridLineWidth()) / 7); }
    int RowHeight() const { return qMax(0, (height() - 6 * GridLineWidth()) / 7); }
    QRect CellRect(int col, int row) const;
    // The cell under a point of the grid; false outside every cell.
    bool CellAt(const QPoint& pos, int& col, int& row) const;
    QString CellText(int col, int row) const;
    int SelectedCol() const { return FCol; }
    int SelectedRow() const { return FRow; }

    // Fires after every change of the date, by the user or by the setters.
    std::function<void(TCalendar*)> OnChange;

protected:
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    void DrawCellText(QPainter& painter, const QRect& rect, const QString& text);
    // Selects a day cell (as a click does); cells without text cannot be selected.
    bool SelectCell(int col, int row);
    virtual void Change();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChangeDate(const QDate& date);
    // A date element set: the grid no longer follows today.
    void ChangeElement(const QDate& date);
    void UpdateCalendar();

    QDate FDate;
    int FStartOfWeek = 1;
    bool FUseCurrentDate = true;
    bool FReadOnly = false;
    bool FUpdating = false;
    int FMonthOffset = 0;
    int FCol = 0;
    int FRow = 1;
    QColor FColor;
};
