#include "DayRules.h"

#include "Apaqty.h"
#include "NativityCalculator.h"

#include <QSet>

#include <cstdlib>
#include <exception>

namespace DayRules {

const char* const AnnualDayNotFoundMessage =
    "Annual Day Not Found#13#10Please Report This Error to Technical Support";

const char* const SynaxariumReadCaption = "Synaxarium";
const char* const SynaxariumNotReadCaption =
    "Synaxarium (Not to be read in the church during this time of the year)";

const char* const ApostlesFastComment = "Start of the Apostles' Fast";
const char* const ApostlesFastVerse =
    "But the days will come when the bridegroom will be taken away from them; then they will fast "
    "in those days. (Luke 5:35)";
const char* const StMaryFastComment = "Start of Saint Mary's Fast";
const char* const StMaryFastVerse =
    "For behold, henceforth all generations will call me blessed For He who is mighty has done "
    "great things for me, And holy is His name. (Luke 1:48-49)";

const char* const December11Picture = "xChurchFatherDec11.jpg";
const char* const December11Caption = "Church Father of December 11";
const char* const February7Picture = "xChurchFatherFeb07.jpg";
const char* const February7Caption = "Church Father of February 7";
const char* const December17Picture = "xChurchFatherDec17.jpg";
const char* const December17Caption = "Church Father of December 17";

namespace {

QString ReadingsSource(const QString& monthName, int day) {
    return QStringLiteral("Readings source: ") + monthName + QLatin1Char(' ') +
           QString::number(day);
}

void TakeRecord(const TDayRow& row, TDayRecord& r) {
    r.DayID = row.ID;
    r.DayComment = row.Comment;
    r.DayName = row.DayName;
    r.VerseOfTheDay = row.VerseOfTheDay;
}

// Follows FromMonth/FromDay from an Annual row. The readings come from the
// last day of the chain, the note names the first borrowed day.
void FollowBorrowing(IDayTables& tables, const TYearlyRow& start, TDayRecord& r) {
    QSet<int> visited;
    visited.insert(start.MonthID * 100 + start.Day);
    int m = start.FromMonth;
    int d = start.FromDay;
    bool first = true;
    while (m > 0 && d > 0) {
        // A chain that comes back to a day already seen would never end.
        if (visited.contains(m * 100 + d)) {
            r.ChainError = true;
            return;
        }
        visited.insert(m * 100 + d);
        const std::optional<TYearlyRow> row = tables.Yearly(m, d);
        if (!row)
            return;
        r.DayID = row->DayID;
        if (first) {
            r.NoteText = ReadingsSource(CopticMonthNames[row->MonthID], row->Day);
            first = false;
        }
        m = row->FromMonth;
        d = row->FromDay;
    }
}

} // namespace

QString GregorianDateText(const QDate& date) {
    return GregorianMonthNames[date.month()] + QLatin1Char(' ') + QString::number(date.day()) +
           QStringLiteral(", ") + QString::number(date.year());
}

QString CopticDayText(const TApaqty& e) {
    return CopticMonthNames[e.CopticMonth] + QLatin1Char(' ') + QString::number(e.CopticDay);
}

QString CopticDateText(const TApaqty& e) {
    return CopticDayText(e) + QStringLiteral(", ") + QString::number(e.CopticYear);
}

qint8 EasterOffsetByte(int daysFromEaster) {
    return static_cast<qint8>(static_cast<quint8>(daysFromEaster & 0xFF));
}

TDayRecord GetDayRecord(TDayKey& key, const TApaqty& e, const QDate& calendarDate, IDayTables& t) {
    TDayRecord r;

    if (key.DayType == dtHolyFifty) {
        if (const auto row = t.Fifty(key.EasterOffset))
            TakeRecord(*row, r);
    }

    if (key.DayType == dtSundays) {
        if (e.IsMonthly29th()) {
            key.CopticMonth = 7;
            key.DayType = dtAnnual;
            r.NoteText = ReadingsSource(CopticMonthNames[7], 29);
        } else if (e.CopticMonth == 5 && e.CopticDay == 12 && e.IsSunday) {
            key.CopticDay = 11;
            key.DayType = dtAnnual;
            r.NoteText = ReadingsSource(CopticMonthNames[5], 11);
        } else if (const auto row = t.Sunday(key.CopticMonth, key.SundayNumber)) {
            TakeRecord(*row, r);
        }
    }

    if (key.DayType == dtAnnual) {
        if (const auto y = t.Yearly(key.CopticMonth, key.CopticDay)) {
            if (r.NoteText.isEmpty()) {
                r.DayComment = y->Comment;
                r.DayName = y->DayName;
            }
            r.VerseOfTheDay = y->VerseOfTheDay;
            r.DayID = y->DayID;
            try {
                FollowBorrowing(t, *y, r);
            } catch (const std::exception&) {
                r.ChainError = true;
            }
        }
    }

    if (key.DayType == dtHolyLent) {
        if (const auto row = t.Lent(std::abs(int(key.EasterOffset))))
            TakeRecord(*row, r);
    }

    if (e.StartOfApostlesFast() == calendarDate) {
        r.DayComment = QString::fromLatin1(ApostlesFastComment);
        r.VerseOfTheDay = QString::fromLatin1(ApostlesFastVerse);
    }
    if (e.StartOfStMaryFast() == calendarDate) {
        r.DayComment = QString::fromLatin1(StMaryFastComment);
        r.VerseOfTheDay = QString::fromLatin1(StMaryFastVerse);
    }
    return r;
}

QString BuildDayTitle(const QDate& date, const TApaqty& e, const TNativityCalculator& n,
                      TDayKey& key, const std::function<TDayRecord(TDayKey&)>& dayRecord,
                      TDayRecord& record) {
    key.CopticDay = quint8(e.CopticDay);
    key.CopticMonth = quint8(e.CopticMonth);
    key.SundayNumber = quint8(e.SundayOfMonth);
    bool found = false;
    QString t = WeekDayNames[DayOfWeekSun1(date)];

    // The Nativity and its paramoun.
    if (date == n.NativityDate) {
        key.DayType = dtAnnual;
        key.CopticDay = 29;
        t += n.NativityOnKiahk28 ? CRLF + QStringLiteral("(Nativity Feast Observed)")
                                 : QStringLiteral(" (Nativity Feast)");
        found = true;
    }
    if (n.NativityOnKiahk28 && date == n.NativityDate.addDays(1)) {
        key.DayType = dtAnnual;
        key.CopticDay = 29;
        t += QStringLiteral(" (Nativity Feast)");
        found = true;
    }
    const qint64 toNativity = date.daysTo(n.NativityDate);
    if (toNativity >= 1 && toNativity <= n.ParamounDays) {
        t += CRLF + QStringLiteral("(Nativity Paramouni)");
        found = true;
        key.DayType = dtAnnual;
        key.CopticDay = 28;
    }

    // Feasts: each one read from the Annual table; several may hold.
    auto feast = [&](bool holds, const QString& note) {
        if (!holds)
            return false;
        key.DayType = dtAnnual;
        found = true;
        t += note;
        return true;
    };
    feast(e.IsEpiphany(), QStringLiteral(" (Epiphany Feast)"));
    if (feast(e.IsEpiphanyParamoun(), CRLF + QStringLiteral("(Epiphany Paramouni)")))
        key.CopticDay = 10;
    feast(e.IsAnnunciation(), CRLF + QStringLiteral("(Annunciation Feast)"));
    feast(e.IsCircumcision(), CRLF + QStringLiteral("(Circumcision Feast)"));
    feast(e.IsCanaGalilee(), QStringLiteral(", Feast of the Wedding of Cana of Galilee"));
    feast(e.IsEntryToTemple(), QStringLiteral(", Candlemas Feast"));
    feast(e.IsEntryToEgypt(), CRLF + QStringLiteral("(Entry of the Lord into Egypt)"));
    feast(e.IsTransfiguration(), CRLF + QStringLiteral("(Transfiguration Feast)"));
    feast(e.IsCrossDayBaramhat10(), CRLF + QStringLiteral("(Feast of the Holy Cross)"));
    feast(e.IsCrossDayTut17(),
          QStringLiteral(", First day of the") + CRLF + QStringLiteral("Feast of the Holy Cross"));
    feast(e.IsCrossDayTut18(),
          QStringLiteral(", Second day of the") + CRLF + QStringLiteral("Feast of the Holy Cross"));
    feast(e.IsCrossDayTut19(),
          QStringLiteral(", Third day of the") + CRLF + QStringLiteral("Feast of the Holy Cross"));

    // The fifth Sunday before Jonah's fast reads the pre-Lent Sunday.
    if (e.IsFifthSundayBeforeJonah()) {
        key.DayType = dtHolyLent;
        key.EasterOffset = 56;
        t = QStringLiteral("Fifth Sunday of ") + CopticMonthNames[e.CopticMonth] + CRLF +
            QStringLiteral("(Readings of Pre-Lent Sunday)");
        found = true;
    }

    // The Sundays of Kiahk, counted back from the Nativity; they keep the
    // Sundays table.
    auto kiahkSunday = [&](bool holds, quint8 number, const QString& note) {
        if (!holds)
            return false;
        t = OrdinalNames[number] + QStringLiteral(" Sunday of ") + CopticMonthNames[4] + note;
        key.SundayNumber = number;
        found = true;
        return true;
    };
    const QString moved =
        n.KiahkSundaysBorrowed ? CRLF + QStringLiteral("(Moved one week)") : QString();
    if (kiahkSunday(date == n.FirstKiahkSunday, 1,
                    n.KiahkSundaysBorrowed ? CRLF + QStringLiteral("(Borrowed From ") +
                                                 CopticMonthNames[3] + QLatin1Char(')')
                                           : QString()))
        key.CopticMonth = 4;
    kiahkSunday(date == n.SecondKiahkSunday, 2, moved);
    kiahkSunday(date == n.ThirdKiahkSunday, 3, moved);
    kiahkSunday(n.HasJanuaryFourthSunday && date == n.JanuaryFourthSunday, 4, QString());
    kiahkSunday(n.HasDecemberFourthSunday && date == n.FourthKiahkSunday, 4, moved);

    // A year whose 1 Tut is a Sunday: the later Sundays of Tut take the
    // readings of the Sunday before.
    const bool tutOnSunday = e.NayrouzIsSunday && e.CopticMonth == 1;
    if (tutOnSunday && e.IsSunday) {
        if (key.SundayNumber == 1)
            key.DayType = dtAnnual;
        else
            key.SundayNumber = quint8(key.SundayNumber - 1);
    }

    if (!found && key.DayType == dtAnnual) {
        t = WeekDayNames[DayOfWeekSun1(date)];
        if (date == e.NayrouzDate)
            t += QStringLiteral(" (New Coptic Year)");
    }

    if (!found && key.DayType == dtSundays) {
        t = key.SundayNumber <= 5 ? OrdinalNames[key.SundayNumber] : QString();
        t += QStringLiteral(" Sunday of ") + CopticMonthNames[e.CopticMonth];
        if (tutOnSunday) {
            key.SundayNumber = quint8(e.SundayOfMonth - 1);
            if (key.SundayNumber >= 1 && key.SundayNumber <= 4)
                t = QStringLiteral("(Readings of ") + OrdinalNames[key.SundayNumber] +
                    QStringLiteral(" Sunday of ") + CopticMonthNames[1] + QLatin1Char(')');
        }
        if (e.CopticMonth == 4 && key.SundayNumber == 5) {
            t += QStringLiteral(" (Using Kiahk 30 Readings)");
            key.DayType = dtAnnual;
        }
    }

    record = dayRecord(key);
    if (!record.NoteText.isEmpty())
        t += CRLF + record.NoteText;

    if (!found && (key.DayType == dtHolyLent || key.DayType == dtHolyFifty))
        t = record.DayName;
    return t;
}

bool TitleIsLong(const QString& title) {
    return title.length() > 25;
}

bool TitleTopAligned(const QString& title) {
    return TitleIsLong(title) || title.contains(CRLF);
}

TFastingLevel FastingLevel(const TApaqty& e) {
    if (e.IsInHolyFifty() || e.IsNativity() || e.IsEpiphany())
        return flNoFasting;
    if (e.IsGreatLent() || e.IsHolyWeek || e.IsJonahFast() || e.IsNativityParamoun() ||
        e.IsEpiphanyParamoun() || e.WeekDay == 4 || e.WeekDay == 6 || e.IsPalmSunday() ||
        e.IsLazarusSaturday())
        return flStrict;
    if (e.IsNativityFast() || e.IsApostlesFast() || e.IsStMaryFast())
        return flFishAllowed;
    return flNoFasting;
}

bool IsNoAbstinenceDay(const TApaqty& e) {
    return e.IsInHolyFifty() || e.IsNativity() || e.IsEpiphany() || e.IsPalmSunday() ||
           e.IsMinorLordFeast() || (e.WeekDay == 7 && !e.IsJoyousSaturday()) || e.IsSunday ||
           e.IsFeastOfCross() || (e.CopticMonth == 4 && e.CopticDay == 30) || e.IsAnnunciation() ||
           e.IsMonthly29th();
}

QString FastingText(TFastingLevel level, bool noAbstinence) {
    switch (level) {
    case flFishAllowed:
        return noAbstinence ? QStringLiteral("Fasting, No Abstinence, Fish is allowable")
                            : QStringLiteral("Fasting, Fish is allowable");
    case flStrict:
        return noAbstinence ? QStringLiteral("Strict Fasting, No Abstinence")
                            : QStringLiteral("Strict Fasting");
    default:
        return QStringLiteral("(No Fasting)");
    }
}

namespace {
TTuneKind TuneBeforeParamoun(const TApaqty& e, const TNativityCalculator& n, const TDayKey& k) {
    const int m = k.CopticMonth;
    const int d = k.CopticDay;
    if (e.IsPalmSunday() || e.IsFeastOfCross())
        return tkHosanna;
    if (!e.IsHolyWeek && m == 1 && d >= 1 && d <= 16)
        return tkFestal;
    if (m == 4 && (d == 29 || d == 30) && !n.KiahkSundaysBorrowed)
        return tkFestal;
    if (e.IsNativity())
        return tkFestal;
    if (m == 5 && ((d >= 1 && d <= 6) || (d >= 11 && d <= 13)))
        return tkFestal;
    if (e.IsInHolyFifty() || e.IsMajorLordFeast() || e.IsMinorLordFeast() || e.IsMonthly29th())
        return tkFestal;
    if (m == 4 && d >= 1 && d <= 28 && !e.IsNativity() && !e.IsNativityParamoun())
        return tkKiahk;
    if (e.IsGreatLent() || e.IsJonahFast())
        return tkLenten;
    if (e.IsHolyWeek)
        return e.IsJoyousSaturday() ? tkAttribisAnnual : tkAttribis;
    return tkAnnual;
}
} // namespace

TTuneKind TuneKind(const TApaqty& e, const TNativityCalculator& n, const TDayKey& key) {
    const TTuneKind tune = TuneBeforeParamoun(e, n, key);
    if (e.IsNativityParamoun() || e.IsEpiphanyParamoun() || e.IsLazarusSaturday())
        return tkAnnual;
    return tune;
}

QString TuneText(TTuneKind tuneKind) {
    static const char* const texts[] = {"Annual Tune",         "Lenten Tune",   "Kiahk Tune",
                                        "Hosanna Tune",        "Attribis Tune", "Festal Tune",
                                        "Attribis/Annual Tune"};
    return tuneKind <= 6 ? QLatin1String(texts[tuneKind]) : QString();
}

bool IsSynaxariumRead(const TDayKey& key) {
    switch (key.DayType) {
    case dtHolyLent:
        return std::abs(int(key.EasterOffset)) > 7;
    case dtAnnual:
    case dtSundays:
        return true;
    default:
        return false;
    }
}

QString SynaxariumCaption(bool read) {
    return QLatin1String(read ? SynaxariumReadCaption : SynaxariumNotReadCaption);
}

TDayCategory DayCategory(const TApaqty& e) {
    if (e.IsEaster())
        return dcEaster;
    if (e.IsNativity())
        return dcNativity;
    if (e.IsEpiphany())
        return dcEpiphany;
    if (e.IsGoodFriday())
        return dcGoodFriday;
    if (e.IsHolySaturday())
        return dcHolySaturday;
    if (e.IsLazarusSaturday())
        return dcLazarusSaturday;
    if (e.IsPalmSunday())
        return dcPalmSunday;
    if (e.IsHolyWeek)
        return dcHolyWeek;
    if (e.IsFeastOfCross() || e.IsAnnunciation())
        return dcOrdinary;
    if (e.IsInHolyFifty())
        return dcHolyFifty;
    if (e.IsSunday && !e.IsGreatLent() && !e.IsPreLentSunday())
        return dcSunday;
    if (e.IsGreatLent() || e.IsPreLentSunday() || e.IsJonahFast() || e.IsJonahPassover())
        return e.IsSunday ? dcLentSunday : dcLentWeekday;
    return dcOrdinary;
}

TPictureChoice SelectDayPicture(TDayCategory cat, const TApaqty& e, IDayTables* tables) {
    TPictureChoice p;
    auto set = [&p](bool holds, const char* file, const char* caption) {
        if (holds) {
            p.File = QLatin1String(file);
            p.Caption = QLatin1String(caption);
        }
    };
    const int n = e.DaysFromEaster;
    const int m = e.CopticMonth;
    const int d = e.CopticDay;

    // Great feasts and Holy Week: every rule that holds overwrites.
    set(cat == dcEpiphany, "xEpiphany4.jpg", "Epiphany");
    set(cat == dcEaster, "xResurrection3.jpg", "Resurrection");
    set(cat == dcNativity, "xNativity3.jpg", "Nativity");
    set(cat == dcPalmSunday, "xPalmSunday3.jpg", "Palm Sunday");
    set(e.IsAscension(), "xAscenssion3.jpg", "Ascension");
    set(e.IsPentecost(), "xPentecost1.jpg", "Pentecost");
    set(e.IsAnnunciation(), "xAnnunciation4.jpg", "Annunciation");
    set(e.IsHolyWeek && n < -3, "xGassimany1.jpg", "In Gethsemane");
    set(e.IsGoodFriday(), "xCross2.jpg", "Behold, the lamb of God");
    set(e.IsJoyousSaturday(), "xHadesCoptic.jpg", "Christ saving Adam & Eve");

    // Minor feasts of the Lord and other days of the year.
    if (p.File.isEmpty()) {
        set(e.IsEntryToTemple(), "xEntryInTemple.jpg", "Lord's Entry to the Temple");
        set(e.IsCanaGalilee(), "xCanaGalilee.jpg", "Wedding of Cana");
        set(e.IsCovenantThursday(), "xLastSupper2.jpg", "Maundy Thursday");
        set(e.IsThomasSunday(), "xThomasSunday.jpg", "Thomas Sunday");
        set(e.IsEntryToEgypt(), "xFlightToEgypt.jpg", "Flight to Egypt");
        set(e.IsTransfiguration(), "xTransfiguration.jpg", "Transfiguration");
        set(e.IsLazarusSaturday(), "xLazarus.jpg", "Lazarus Saturday");
        set(e.IsFeastOfCross(), "xCross8.jpg", "The Lord on the Cross");
        set(e.IsStartOfJonahFast(), "xProphetJonahAndTheWhale.jpg", "Prophet Jonah and the whale");
    }

    // Feasts of St Mary.
    if (p.File.isEmpty()) {
        set((m == 12 && d == 7) || (m == 9 && d == 1), "xTheotokos1.jpg", "St. Mary the Theotokos");
        set(m == 4 && d == 3, "xTheotokos3.jpg", "St. Mary the Theotokos");
        set(d == 21, "xTheotokos2.jpg", "St. Mary the Theotokos");
    }
    if (!p.File.isEmpty())
        return p;

    // The rest: first match wins.
    if (e.IsMonthly29th())
        return {QStringLiteral("xTriFeasts3.jpg"), QStringLiteral("Commemoration of the 3 feasts")};
    if (tables != nullptr) {
        const auto y = tables->Yearly(m, d);
        if (y && !y->PictureFile.isEmpty())
            return {y->PictureFile, y->PictureSaintName};
    }
    if (d == 12)
        return {QStringLiteral("xStMichael02.jpg"), QStringLiteral("Archangel Michael")};
    if (e.Month == 12 && e.Day == 11)
        return {QLatin1String(December11Picture), QLatin1String(December11Caption)};
    if (e.Month == 2 && e.Day == 7)
        return {QLatin1String(February7Picture), QLatin1String(February7Caption)};
    if (e.Month == 12 && e.Day == 17)
        return {QLatin1String(December17Picture), QLatin1String(December17Caption)};
    if (m == 9 && d == 27)
        return {QStringLiteral("xStThomasNew.jpg"), QStringLiteral("St. Thomas the Hermit")};
    if ((m == 4 && d == 22) || (m == 7 && d == 30) || (m == 10 && d == 26))
        return {QStringLiteral("xArchangelGabriel.jpg"), QStringLiteral("Archangel Gabriel")};
    return {QStringLiteral("xPantocrator2.jpg"), QStringLiteral("Christ on the Throne")};
}

} // namespace DayRules
