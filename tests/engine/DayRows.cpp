#include "DayRows.h"

#include <stdexcept>

namespace DayFixture {

using DayRules::TDayRow;
using DayRules::TYearlyRow;

QList<TYearlyRow> YearlyRows() {
    QList<TYearlyRow> rows;
    for (int m = 1; m <= 13; ++m) {
        for (int d = 1; d <= DaysInCopticMonth(m); ++d) {
            const QString md = QStringLiteral("%1/%2").arg(m).arg(d);
            TYearlyRow r;
            r.DayID = YearlyID(m, d);
            r.MonthID = m;
            r.Day = d;
            r.VerseOfTheDay = QStringLiteral("Annual verse ") + md;
            r.Comment = QStringLiteral("Annual comment ") + md;
            r.DayName = QStringLiteral("Annual name ") + md;
            if (m == 2 && (d == 5 || d == 6 || d == 10 || d == 11)) {
                r.FromMonth = 2;
                r.FromDay = d == 11 ? 10 : d + 1;
            }
            if (m == 2 && d == 15) {
                r.PictureFile = OwnPicture;
                r.PictureSaintName = OwnPictureCaption;
            }
            rows << r;
        }
    }
    return rows;
}

namespace {

TDayRow Row(int id, const char* book, const QString& key) {
    const QString b = QLatin1String(book);
    return {id, b + QStringLiteral(" comment ") + key, b + QStringLiteral(" name ") + key,
            b + QStringLiteral(" verse ") + key};
}

} // namespace

QList<QPair<int, TDayRow>> LentRows() {
    QList<QPair<int, TDayRow>> rows;
    for (int n = 0; n <= 69; ++n)
        rows.append({n, Row(LentID(n), "Lent", QString::number(n))});
    return rows;
}

QList<QPair<int, TDayRow>> FiftyRows() {
    QList<QPair<int, TDayRow>> rows;
    for (int n = 1; n <= 49; ++n)
        rows.append({n, Row(FiftyID(n), "Fifty", QString::number(n))});
    return rows;
}

QList<QPair<int, TDayRow>> SundayRows() {
    QList<QPair<int, TDayRow>> rows;
    for (int m = 1; m <= 13; ++m)
        for (int k = 1; k <= 5; ++k)
            rows.append(
                {m * 10 + k, Row(SundayID(m, k), "Sunday", QStringLiteral("%1/%2").arg(m).arg(k))});
    return rows;
}

TMemoryDayTables::TMemoryDayTables() {
    for (const TYearlyRow& r : YearlyRows())
        yearly_.insert(r.MonthID * 100 + r.Day, r);
    for (const auto& [key, row] : LentRows())
        lent_.insert(key, row);
    for (const auto& [key, row] : FiftyRows())
        fifty_.insert(key, row);
    for (const auto& [key, row] : SundayRows())
        sundays_.insert(key, row);
}

namespace {

template <class Row> std::optional<Row> Find(const QHash<int, Row>& rows, int key) {
    const auto it = rows.find(key);
    if (it == rows.end())
        return std::nullopt;
    return *it;
}

} // namespace

std::optional<TDayRow> TMemoryDayTables::Lent(int daysBeforeEaster) {
    return Find(lent_, daysBeforeEaster);
}

std::optional<TDayRow> TMemoryDayTables::Fifty(int daysAfterEaster) {
    return Find(fifty_, daysAfterEaster);
}

std::optional<TDayRow> TMemoryDayTables::Sunday(int copticMonth, int sundayNumber) {
    return Find(sundays_, copticMonth * 10 + sundayNumber);
}

std::optional<TYearlyRow> TMemoryDayTables::Yearly(int copticMonth, int copticDay) {
    if (Failing.contains(copticMonth * 100 + copticDay))
        throw std::runtime_error("table error");
    return Find(yearly_, copticMonth * 100 + copticDay);
}

} // namespace DayFixture
