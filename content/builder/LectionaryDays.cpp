#include "LectionaryDays.h"
#include "LectionaryCourse.h"

namespace {

using S = QList<QPair<int, QString>>;

DayServices annual(int m, int d, S services) {
    return {vtAnnual, AnnualDayID(m, d), std::move(services)};
}
DayServices lent(int daysBefore, S services) {
    return {vtLent, LentDayID(daysBefore), std::move(services)};
}
DayServices fifty(int daysAfter, S services) {
    return {vtFifty, daysAfter, std::move(services)};
}
DayServices sunday(int m, int week, S services) {
    return {vtSundays, SundayDayID(m, week), std::move(services)};
}

QList<DayServices> makeServices() {
    QList<DayServices> d;
    // Great feasts and feasts of the Lord on the Annual table.
    d << annual(1, 1,
                {{rtVespers, "Ps 65:1-2; Mark 1:14-15"},
                 {rtMatins, "Ps 65:9-10; Luke 5:36-39"},
                 {rtLiturgy,
                  "Rom 12:1-8; 1Pet 1:13-21; Acts 17:22-31; Ps 65:11 + Ps 65:13; Luke 4:14-21"}});
    d << annual(1, 17,
                {{rtVespers, "Ps 98:1-2; Matt 16:24-28"},
                 {rtMatins, "Ps 99:5; Mark 8:34-38"},
                 {rtLiturgy,
                  "1Cor 1:17-25; 1Pet 2:21-25; Acts 10:34-43; Ps 60:4-5 + Ps 4:6; John 3:13-17"}});
    d << annual(3, 12,
                {{rtVespers, "Ps 103:20-21; Matt 18:10-14"},
                 {rtMatins, "Ps 91:11-12; Luke 15:8-10"},
                 {rtLiturgy,
                  "Heb 1:13-2:4; Jude 1:8-10; Acts 12:5-11; Ps 34:7-8 + Ps 91:11; Matt 13:44-52"}});
    d << annual(
        4, 3,
        {{rtVespers, "Ps 45:9; Luke 11:27-28"},
         {rtMatins, "Ps 87:1-3; Luke 1:26-33"},
         {rtLiturgy,
          "Heb 9:1-5; 1John 3:1-3; Acts 7:44-50; Ps 45:10-11 + Ps 45:13-15; Luke 1:39-56"}});
    d << annual(
        4, 22,
        {{rtVespers, "Ps 103:20; Luke 1:11-17"},
         {rtMatins, "Dan 9:20-23; Ps 34:7; Luke 1:21-25"},
         {rtLiturgy, "Heb 1:1-7; Jude 1:20-25; Acts 10:1-8; Ps 103:20 + Ps 103:22; Luke 1:5-20"}});
    d << annual(
        4, 28,
        {{rtVespers, "Ps 85:1-2; Luke 1:67-75"},
         {rtMatins, "Isa 9:2-7; Ps 85:8-9; Luke 1:76-80"},
         {rtLiturgy,
          "Gal 3:24-29; 1Pet 1:18-21; Acts 3:18-21; Ps 85:10-11 + Ps 85:12-13; Luke 2:1-7"}});
    d << annual(
        4, 29,
        {{rtVespers, "Ps 2:7-8; Matt 1:18-25"},
         {rtMatins, "Mic 5:2-4; Ps 72:10-11 + Ps 72:17; Luke 2:8-14"},
         {rtLiturgy, "Heb 1:1-12; 1John 4:9-14; Acts 13:26-33; Ps 2:7-8 + Ps 110:3; Matt 2:1-12"}});
    d << annual(5, 6, {{rtLiturgy, "Col 2:8-15; 1Pet 2:9-10; Acts 7:2-8; Ps 8:1-2; Luke 2:21-24"}});
    d << annual(5, 10,
                {{rtLiturgy, "1Cor 10:1-4; 1Pet 3:18-22; Acts 19:1-6; Ps 42:1-2; Luke 3:1-6"}});
    d << annual(5, 11,
                {{rtVespers, "Ps 29:3-4; Mark 1:1-8"},
                 {rtMatins, "Isa 40:1-5; Ps 114:3-6; Luke 3:15-18"},
                 {rtLiturgy, "Titus 2:11-3:7; 1John 5:5-9; Acts 10:37-43; Ps 118:26-27 + Ps "
                             "118:28-29; John 1:29-34"}});
    d << annual(5, 13,
                {{rtLiturgy, "Heb 13:4-8; 1Pet 3:7-9; Acts 2:42-47; Ps 128:3-4; John 2:1-11"}});
    d << annual(6, 8,
                {{rtLiturgy, "Heb 7:1-10; 1John 2:12-17; Acts 3:1-10; Ps 48:9-10; Luke 2:22-35"}});
    d << annual(
        7, 10,
        {{rtLiturgy, "Gal 6:11-18; 1Pet 4:12-16; Acts 4:8-12; Ps 60:4 + Ps 60:6; John 12:27-36"}});
    d << annual(
        7, 29,
        {{rtVespers, "Ps 45:10-11; Luke 1:39-45"},
         {rtMatins, "Isa 7:10-14; Ps 87:5-6; Luke 1:46-55"},
         {rtLiturgy,
          "Heb 2:14-18; 1John 1:1-4; Acts 7:30-34; Ps 132:13-14 + Ps 132:17; Luke 1:26-38"}});
    d << annual(9, 24,
                {{rtMatins, "Isa 19:19-22; Ps 80:1-2; Matt 2:13-15"},
                 {rtLiturgy, "Heb 11:23-29; 1Pet 2:11-17; Acts 7:9-16; Ps 80:8-9; Matt 2:16-23"}});
    d << annual(
        12, 13,
        {{rtLiturgy, "2Cor 3:12-18; 2Pet 1:16-21; Acts 1:6-11; Ps 89:12 + Ps 89:15; Matt 17:1-9"}});

    // The Sundays of Kiahk read the first chapter of Luke.
    d << sunday(4, 1,
                {{rtLiturgy,
                  "Heb 10:5-10; 1Pet 1:10-12; Acts 3:22-26; Ps 40:7-8 + Ps 40:10; Luke 1:1-25"}});
    d << sunday(4, 2,
                {{rtLiturgy,
                  "Rom 4:13-18; 1John 5:1-5; Acts 13:16-25; Ps 132:11 + Ps 132:13; Luke 1:26-38"}});
    d << sunday(4, 3,
                {{rtLiturgy, "Gal 4:1-7; Jas 1:12-18; Acts 7:17-22; Ps 45:10-11; Luke 1:39-56"}});
    d << sunday(4, 4,
                {{rtLiturgy, "Rom 15:8-13; 1John 3:1-3; Acts 13:44-49; Ps 98:2-3; Luke 1:57-80"}});

    // Lazarus Saturday, Palm Sunday, Holy Saturday and Easter.
    d << lent(8, {{rtMatins, "Ps 30:1-2; John 11:1-16"},
                  {rtLiturgy,
                   "Heb 12:1-8; 1Pet 4:1-6; Acts 9:36-42; Ps 30:3 + Ps 30:11; John 11:17-45"}});
    d << lent(7,
              {{rtVespers, "Ps 118:25-26; Mark 11:1-10"},
               {rtMatins, "Zech 9:9-10; Ps 8:1-2; Luke 19:29-40"},
               {rtLiturgy,
                "Heb 9:11-15; 1Pet 4:7-11; Acts 28:23-28; Ps 118:26-27 + Ps 118:29; John 12:12-19"},
               {rtDay6th, "Isa 25:8-9; 1Cor 15:51-57; Ps 116:15-16; John 5:24-29"}});
    // Covenant Thursday: the Washing of the Feet and the Liturgy follow the
    // ninth hour's readings as services of their own.
    d << lent(
        3,
        {{rtDay9th,
          "Jer 31:31-34; Ps 41:9; Luke 22:7-13; #104 Gen 18:1-5; #105 Ps 51:7; #106 John 13:1-11; "
          "#207 1Cor 11:23-34; #208 Acts 1:15-20; #209 Ps 41:9 + Ps 55:21; #210 Matt 26:20-29"},
         {rtDay11th, "Ezek 36:25-28; Ps 51:10; John 13:31-35"}});
    d << lent(
        1, {{rtVespers, "Exod 15:1-19; Ps 136:1-9; Ps 148:1-6; Luke 23:50-56"},
            {rtDay1st, "Lam 3:1-9; Ps 88:3-5; Matt 27:62-66"},
            {rtDay3rd, "Isa 26:19-21; Ps 16:9-10; Mark 15:42-47"},
            {rtDay6th, "Hos 6:1-3; Ps 30:3; John 19:38-42"},
            {rtDay9th, "Jonah 2:1-9; Ps 3:5-6; Matt 12:38-40"},
            {rtDay11th, "Ezek 37:1-14; Ps 68:1-3; Rev 1:17-18; #205 Rom 6:3-11; #206 1Pet 3:17-22; "
                        "#207 Acts 2:22-28; #208 Ps 82:8 + Ps 3:5; #209 Matt 28:1-7"}});
    d << lent(0,
              {{rtMatins, "Ps 30:4-5; John 20:1-10"},
               {rtLiturgy,
                "1Cor 15:1-11; 1Pet 1:3-9; Acts 1:1-8; Ps 118:22-24 + Ps 118:28-29; John 20:11-18"},
               {rtEvening, "Ps 16:9-11; Luke 24:13-35"}});

    // The first week of the Fifty Days, the Ascension and Pentecost.
    d << fifty(7,
               {{rtLiturgy,
                 "1John 5:4-13; 1Pet 1:3-9; Acts 5:12-16; Ps 118:24 + Ps 118:28; John 20:19-31"}});
    d << fifty(39, {{rtVespers, "Ps 47:5-6; Mark 16:14-20"},
                    {rtMatins, "Ps 68:32-33; Luke 24:44-53"},
                    {rtLiturgy,
                     "Eph 4:7-13; 1Pet 3:18-22; Acts 1:1-11; Ps 47:5 + Ps 47:8; Luke 24:36-53"}});
    d << fifty(
        49,
        {{rtVespers, "Ps 104:30-31; John 14:15-20"},
         {rtMatins, "Joel 2:28-32; Ps 143:10; John 14:21-26"},
         {rtLiturgy,
          "1Cor 12:1-11; 1John 2:20-27; Acts 2:1-21; Ps 104:30 + Ps 51:10-12; John 15:26-16:15"}});
    return d;
}

} // namespace

const QList<DayServices>& WrittenServices() {
    static const QList<DayServices> services = makeServices();
    return services;
}

QHash<int, AnnualDay> AnnualDays() {
    QHash<int, AnnualDay> h;
    auto add = [&](int m, int d, const char* name, const char* verse, const char* pict = "",
                   const char* caption = "") {
        h.insert(AnnualDayID(m, d),
                 AnnualDay{QString::fromUtf8(name), QString::fromLatin1(verse),
                           QString::fromLatin1(pict), QString::fromUtf8(caption), 0, 0});
    };
    add(1, 1, "The Coptic New Year", "Ps 65:11");
    add(1, 17, "Feast of the Holy Cross", "Gal 6:14");
    add(3, 12, "Feast of the Archangel Michael", "Ps 34:7");
    add(4, 1, "", "", "xZechariahPriest.jpg", "Zechariah the Priest");
    add(4, 3, "Presentation of the Virgin Mary into the Temple", "Ps 45:10");
    add(4, 7, "", "", "xProphetIsaiah.jpg", "Isaiah the Prophet");
    add(4, 13, "", "", "xProphetDaniel.jpg", "Daniel the Prophet");
    add(4, 22, "Archangel Gabriel", "Luke 1:19");
    add(4, 23, "", "", "xJosephTheCarpenter.jpg", "Joseph the Carpenter");
    add(4, 27, "", "", "xMagi.jpg", "The Magi from the East");
    add(4, 28, "Paramoun of the Nativity", "Isa 9:6");
    add(4, 29, "Feast of the Nativity", "Luke 2:11");
    add(5, 6, "Feast of the Circumcision", "Luke 2:21");
    add(5, 10, "Paramoun of the Epiphany", "Isa 40:3");
    add(5, 11, "Feast of the Epiphany", "Matt 3:17");
    add(5, 13, "Wedding of Cana of Galilee", "John 2:11");
    add(6, 8, "Entry of the Lord into the Temple", "Luke 2:30");
    add(7, 10, "Feast of the Holy Cross", "Gal 6:14");
    add(7, 29, "Feast of the Annunciation", "Luke 1:38");
    add(9, 24, "Entry of the Lord into Egypt", "Matt 2:15");
    add(12, 13, "Feast of the Transfiguration", "Matt 17:5");
    return h;
}

namespace {

struct NamedDay {
    int Offset; // days from Easter
    const char* Name;
    const char* Verse;
};

QHash<int, LentDay> namedDays(std::initializer_list<NamedDay> days) {
    QHash<int, LentDay> h;
    for (const NamedDay& d : days)
        h.insert(d.Offset,
                 LentDay{QString::fromUtf8(d.Name), QString(), QString::fromLatin1(d.Verse)});
    return h;
}

} // namespace

QHash<int, LentDay> LentDays() {
    return namedDays({{0, "Feast of the Resurrection", "Luke 24:5"},
                      {1, "Joyous Saturday", "Ps 16:10"},
                      {2, "Good Friday", "Isa 53:5"},
                      {3, "Covenant Thursday", "John 13:34"},
                      {4, "Wednesday of Holy Week", "Matt 26:2"},
                      {5, "Tuesday of Holy Week", "John 12:35"},
                      {6, "Monday of Holy Week", "Matt 21:13"},
                      {7, "Palm Sunday", "Matt 21:9"},
                      {8, "Lazarus Saturday", "John 11:25"},
                      {9, "Friday, End of the Holy Forty Days", ""},
                      {56, "Sunday before Great Lent", "Matt 6:17"}});
}

QHash<int, LentDay> FiftyDays() {
    return namedDays({{7, "Thomas Sunday", "John 20:29"},
                      {39, "Feast of the Ascension", "Acts 1:11"},
                      {49, "Feast of Pentecost", "Acts 2:4"}});
}

QList<HourService> HolyWeekHours(const VerseIndex& index) {
    // From the night before Holy Monday to the day hours of Good Friday, in
    // the order they are read.
    Course prophecy(
        index, {{50, 49, 51}, {51, 11, 12}, {51, 15, 20}, {52, 1, 2}, {55, 10, 11}, {65, 11, 11}},
        6);
    Course fridayProphecy(index, {{50, 53, 53}, {65, 12, 12}, {57, 8, 8}}, 6);
    Course psalm(index,
                 {{kPsalmsBookID, 22, 22},
                  {kPsalmsBookID, 31, 31},
                  {kPsalmsBookID, 35, 35},
                  {kPsalmsBookID, 38, 38},
                  {kPsalmsBookID, 41, 41},
                  {kPsalmsBookID, 55, 55},
                  {kPsalmsBookID, 69, 69},
                  {kPsalmsBookID, 88, 88},
                  {kPsalmsBookID, 102, 102},
                  {kPsalmsBookID, 109, 109}},
                 2);
    Course gospel(index, {{1, 21, 27}}, 8);
    Course passion(index, {{4, 18, 19}}, 7);

    QList<HourService> hours;
    auto add = [&](int daysBefore, int time, Course& g) {
        ReadingRow p = (daysBefore == 2 ? fridayProphecy : prophecy).next(), s = psalm.next(),
                   e = g.next();
        p.Order = 1, s.Order = 2, e.Order = 3;
        hours.append({LentDayID(daysBefore), time, {p, s, e}});
    };
    const int nightHours[] = {rtNight1st, rtNight3rd, rtNight6th, rtNight9th, rtNight11th};
    const int dayHours[] = {rtDay1st, rtDay3rd, rtDay6th, rtDay9th, rtDay11th};
    // Palm Sunday: the day hours after the Liturgy, then the night of Monday.
    for (int t : {rtDay9th, rtDay11th})
        add(7, t, gospel);
    for (int t : nightHours)
        add(7, t, gospel);
    for (int a = 6; a >= 3; --a) {
        for (int t : dayHours)
            add(a, t, gospel);
        for (int t : nightHours)
            add(a, t, gospel);
    }
    for (int t : {rtDay1st, rtDay3rd, rtDay6th, rtDay9th, rtDay11th, rtDay12th})
        add(2, t, passion);
    return hours;
}
