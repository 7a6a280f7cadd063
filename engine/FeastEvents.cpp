#include "FeastEvents.h"

#include "Apaqty.h"
#include "NameTables.h"
#include "NativityCalculator.h"

#include <QDate>

#include <algorithm>

namespace FeastEvents {

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString num(int n) {
    return QString::number(n);
}

// Counts shown as the low byte of their value.
int asByte(int n) {
    return static_cast<quint8>(n);
}

int compareNoCase(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

int StepYear(int year, int step) {
    return std::clamp(year + step, FirstYear, LastYear);
}

QString EventRow(int month, int day, const QString& dateText, const QString& name,
                 const QString& notes) {
    return twoDigits(month) + twoDigits(day) + QLatin1Char('?') + dateText + QLatin1Char('^') +
           name + QLatin1Char('~') + notes;
}

QString EventRowOnDate(const QString& name, const QString& notes, const QDate& date) {
    return EventRow(date.month(), date.day(), MonthDayText(date), name, notes);
}

TEventParts SplitEventRow(const QString& row) {
    TEventParts p;
    const qsizetype q = row.indexOf(QLatin1Char('?'));
    const qsizetype c = row.indexOf(QLatin1Char('^'), q < 0 ? 0 : q + 1);
    const qsizetype t = row.indexOf(QLatin1Char('~'), c < 0 ? 0 : c + 1);
    if (q < 0) {
        p.Key = row;
        return p;
    }
    p.Key = row.left(q);
    if (c < 0) {
        p.DateText = row.mid(q + 1);
        return p;
    }
    p.DateText = row.mid(q + 1, c - q - 1);
    if (t < 0) {
        p.Name = row.mid(c + 1);
        return p;
    }
    p.Name = row.mid(c + 1, t - c - 1);
    p.Notes = row.mid(t + 1);
    return p;
}

void SortEventRows(QStringList& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
        const TEventParts x = SplitEventRow(a);
        const TEventParts y = SplitEventRow(b);
        if (int r = compareNoCase(x.Key, y.Key))
            return r < 0;
        if (int r = compareNoCase(x.DateText, y.DateText))
            return r < 0;
        return compareNoCase(x.Name, y.Name) < 0;
    });
}

QStringList BuildEventRows(const TApaqty& e, const TNativityCalculator& nativity) {
    QStringList rows;
    auto on = [&rows](const char* name, const QString& notes, const QDate& date) {
        rows << EventRowOnDate(QLatin1String(name), notes, date);
    };
    const int cy = e.CopticYearOfJanuary;
    auto c2g = [](int y, int m, int d) { return TApaqty::CopticToGregorian(y, m, d); };

    switch (nativity.ParamounDays) {
    case 1:
        rows << EventRow(1, 6, QStringLiteral("January 6"), QStringLiteral("Nativity Paramouni"),
                         QString());
        break;
    case 2:
        rows << EventRow(1, 5, QStringLiteral("Jan. 5 and 6"), QStringLiteral("Nativity Paramouni"),
                         QStringLiteral("Two Days"));
        break;
    case 3:
        rows << EventRow(1, 4, QStringLiteral("Jan. 4 - 6"), QStringLiteral("Nativity Paramouni"),
                         QStringLiteral("Three Days"));
        break;
    default:
        break;
    }
    rows << EventRow(1, 7, QStringLiteral("January 7"),
                     nativity.NativityOnKiahk28 ? QStringLiteral("Nativity Feast (Observed)")
                                                : QStringLiteral("Nativity Feast"),
                     QStringLiteral("Days until the Lent: ") + num(asByte(e.NativityToLentDays())) +
                         QStringLiteral(" days"));
    if (nativity.NativityOnKiahk28)
        rows << EventRow(1, 8, QStringLiteral("January 8"), QStringLiteral("Nativity Feast"),
                         QString());
    on("Circumcision Feast", QString(), c2g(cy, 5, 6));
    const QDate epiphany = c2g(cy, 5, 11);
    on("Epipahny Feast", QString(), epiphany);
    const int eve = ParamounDaysBefore(epiphany);
    on("Epipahny Paramouni",
       eve == 2   ? QStringLiteral("Two Days")
       : eve == 3 ? QStringLiteral("Three Days")
                  : QString(),
       epiphany.addDays(-eve));
    on("Miracle in Cana of Galilee", QString(), c2g(cy, 5, 13));
    on("Departure of the Virgin St. Mary", QString(), c2g(cy, 5, 21));
    on("Entry of the Lord into the Temple", QString(), c2g(cy, 6, 8));
    on("Start of Johna's Fasting", QString(), e.StartOfJonahFast());
    on("Start of the Lent", QString(), e.StartOfLent());
    on("Last Friday of the Lent", QString(), e.EndOfLentDate());
    on("Palm Sunday", QString(), e.PalmSundayDate());
    on("Maundy (Covenant) Thursday", QString(), e.CovenantThursdayDate());
    on("Great Friday", QString(), e.GoodFridayDate());
    on("Thomas Sunday", QString(), e.ThomasSundayDate());
    on("Holy Resurrection Feast", QString(), e.EasterDate);
    on("Entry of the Lord into Egypt", QString(), e.EntryToEgyptDate());
    on("Ascension of the Lord", QString(), e.AscensionDate());
    on("Feast of Pentecost", QString(), e.PentecostDate());
    on("Start of the Apostles Fast",
       QStringLiteral("Lasts for: ") + num(asByte(e.ApostlesFastDays())) + QStringLiteral(" days"),
       e.StartOfApostlesFast());
    on("Feast of the Apostles", QString(), e.ApostlesFeastDate());
    on("Start of St. Mary's Fast", QString(), e.StMaryFastStartDate());
    on("Feast of Assumption of St. Mary's body", QString(), e.AssumptionDate());
    on("Feast of Transfiguration", QString(), e.TransfigurationDate());
    on("The Annunciation Feast",
       e.IsAnnunciationCelebrated() ? QString() : QStringLiteral("(Not Celebrated This Year)"),
       e.AnnunciationDate());
    rows << EventRowOnDate(QStringLiteral("Nayrouz Feast (Coptic New Year ") + num(cy + 1) +
                               QLatin1Char(')'),
                           QString(), c2g(cy + 1, 1, 1));
    const QDate cross = e.CrossFeastDate(1);
    rows << EventRow(cross.month(), cross.day(),
                     QStringLiteral("Sep. ") + num(cross.day()) + QStringLiteral(" - ") +
                         num(cross.day() + 2),
                     QStringLiteral("Feast of The Cross"), QStringLiteral("Three days"));
    on("Beginning of the Advent (Holy Nativity Fast)", QString(), c2g(cy + 1, 3, 16));
    SortEventRows(rows);
    return rows;
}

// ---------------------------------------------------------------- text ---

TTextMetrics MetricsOf(TTextSize size) {
    switch (size) {
    case tsLarge:
        return {16, 4};
    case tsSmall:
        return {10, 6};
    case tsMedium:
        break;
    }
    return {12, 5};
}

QString TextSizeName(TTextSize size) {
    switch (size) {
    case tsLarge:
        return QStringLiteral("Large");
    case tsSmall:
        return QStringLiteral("Small");
    case tsMedium:
        break;
    }
    return QStringLiteral("Medium");
}

int TitleSize(int textSize) {
    return std::min(26, textSize + 4);
}

int DateColumn(int charsPerTab) {
    return 14 / std::max(1, charsPerTab) + 1;
}

QString PadWithTabs(const QString& s, int column, int charsPerTab) {
    const int k = static_cast<int>(s.size()) / std::max(1, charsPerTab);
    if (k <= column - 1)
        return s + QString(column - k, QLatin1Char('\t'));
    return s;
}

QString ListingTitle(int year, int copticYear) {
    return QStringLiteral("Coptic Orthodox Feasts and Events For Year:\r\n\t\t\t") + num(year) +
           QStringLiteral(" (") + num(copticYear) + QStringLiteral(" / ") + num(copticYear + 1) +
           QStringLiteral(" A.M.)");
}

QStringList ListingLines(const QStringList& rows, int charsPerTab) {
    const int column = DateColumn(charsPerTab);
    QStringList lines;
    lines << QStringLiteral(" ");
    lines << PadWithTabs(QStringLiteral("Date"), column, charsPerTab) +
                 QStringLiteral("Feast / Event");
    lines << PadWithTabs(QStringLiteral("_____________ "), column, charsPerTab) +
                 QString(36, QLatin1Char('_'));
    for (const QString& row : rows) {
        const TEventParts p = SplitEventRow(row);
        QString line = PadWithTabs(p.DateText, column, charsPerTab) + p.Name;
        if (!p.Notes.isEmpty())
            line += QStringLiteral(" (") + p.Notes + QLatin1Char(')');
        lines << line;
    }
    return lines;
}

QString PrintHeader(int year, int copticYear) {
    return QStringLiteral("Coptic Orthodox Feasts and Events For Year: ") + num(year) +
           QStringLiteral(" (") + num(copticYear) + QStringLiteral(" / ") + num(copticYear + 1) +
           QStringLiteral(" A.M.)");
}

} // namespace FeastEvents
