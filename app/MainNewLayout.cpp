// The controls of the main window and where they sit. Behaviour lives in the
// other MainNew sources; this file only builds and places.

#include "MainNew.h"

#include "About.h"
#include "ClickFilter.h"
#include "Controls.h"
#include "MainNewFeastLabels.h"
#include "PageControl.h"
#include "PanelScroller.h"
#include "RichEdit.h"
#include "ServiceButtons.h"
#include "WrappedGroupBox.h"
#include "ZIZ_Cldr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* makeFeastLabel(QWidget* parent, const QString& name, const QString& caption) {
    QLabel* l = MakeLabel(parent, name, caption);
    SetFeastLabelColor(l, FeastLabelColor);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    return g;
}

// A feast page: its picture fills the page and the rows sit on top of it.
struct TFeastPage {
    QWidget* page;
    QGridLayout* grid;
    int row = 0;

    // Each label as wide as its text: a click beside a date or a name
    // reaches the page's picture, not the label.
    void addRow(QLabel* name, QLabel* date) {
        grid->addWidget(name, row, 0, Qt::AlignLeft);
        grid->addWidget(date, row, 1, Qt::AlignLeft);
        ++row;
    }
};

TFeastPage makeFeastPage(QTabWidget* tabs, const QString& name, const QString& tabText,
                         QLabel*& image, const QString& imageName, const QString& title,
                         QLabel*& yearLabel, const QString& yearName, QLabel*& copticLabel,
                         const QString& copticName) {
    auto* page = new QWidget(tabs);
    page->setObjectName(name);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);

    image = MakeLabel(page, imageName, QString());
    image->setScaledContents(true);
    image->setAutoFillBackground(true);
    QPalette ip = image->palette();
    ip.setColor(QPalette::Window, QColor(255, 251, 240));
    image->setPalette(ip);
    image->setMinimumSize(1, 1);
    image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    TFeastPage fp{page, grid, 0};
    QLabel* titleLabel = makeFeastLabel(page, QString(), title);
    yearLabel = makeFeastLabel(page, yearName, QString());
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(4);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(yearLabel);
    titleRow->addStretch(1);
    grid->addLayout(titleRow, fp.row++, 0, 1, 2);
    copticLabel = makeFeastLabel(page, copticName, QString());
    grid->addWidget(copticLabel, fp.row++, 0, 1, 2, Qt::AlignLeft);
    tabs->addTab(page, tabText);
    return fp;
}

void finishFeastPage(TFeastPage& fp, QLabel* image) {
    fp.grid->setRowStretch(fp.row, 1);
    fp.grid->setColumnStretch(1, 1);
    // The picture lies under the rows, over the grid's area. It stays out of
    // the grid: an item spanning its columns takes away the gap between names
    // and dates.
    QWidget* page = fp.page;
    QGridLayout* grid = fp.grid;
    OnWidgetEvent(page, QEvent::Resize, [page, grid, image] {
        image->setGeometry(page->rect().marginsRemoved(grid->contentsMargins()));
    });
    image->lower();
}

using F = TfrmMainNew;

// One row of a feast page: the feast's name and its date. A name without a
// member is a fixed caption.
struct TFeastRow {
    QLabel* TfrmMainNew::*NameMember;
    const char* Name;
    const char* Caption;
    QLabel* TfrmMainNew::*DateMember;
    const char* DateName;
    bool MonthDay = true; // the date label starts as "Month, day"
};

struct TFeastPageDef {
    QWidget* TfrmMainNew::*Page;
    const char* Name;
    const char* TabText;
    QLabel* TfrmMainNew::*Image;
    const char* ImageName;
    const char* Title;
    QLabel* TfrmMainNew::*Year;
    const char* YearName;
    QLabel* TfrmMainNew::*CopticYears;
    const char* CopticYearsName;
    QList<TFeastRow> Rows;
};

const TFeastPageDef MajorPage{
    &F::tbshtMajor,
    "tbshtMajor",
    "Major Feasts",
    &F::Image4,
    "Image4",
    "The Lord's Major Feasts:",
    &F::lblGregYearMajor,
    "lblGregYearMajor",
    &F::lblCopticYearsMajor,
    "lblCopticYearsMajor",
    {{&F::lblNativity, "lblNativity", "Nativity:", &F::lblNativityDay, "lblNativityDay"},
     {&F::lblEpiphany, "lblEpiphany", "Epiphany:", &F::lblEpiphanyDay, "lblEpiphanyDay"},
     {&F::lblPalmSunday, "lblPalmSunday", "Palm Sunday:", &F::lblPalmSundayDay, "lblPalmSundayDay"},
     {&F::lblResurrection, "lblResurrection", "Resurrection:", &F::lblResurrectionDay,
      "lblResurrectionDay"},
     {&F::lblAscension, "lblAscension", "Ascension:", &F::lblAscensionDay, "lblAscensionDay"},
     {&F::lblPentecost, "lblPentecost", "Pentecost:", &F::lblPenticostDay, "lblPenticostDay"},
     {&F::lblAnnunciation, "lblAnnunciation", "Annunciation:", &F::lblAnnunciationDay,
      "lblAnnunciationDay"}}};

const TFeastPageDef MinorPage{
    &F::tbshtMinorFeast,
    "tbshtMinorFeast",
    "Minor Feasts",
    &F::Image2,
    "Image2",
    "The Lord's Minor Feasts:",
    &F::lblGregYearMinor,
    "lblGregYearMinor",
    &F::lblCopticYearsMinor,
    "lblCopticYearsMinor",
    {{&F::lblCircumsision, "lblCircumsision", "Circumcision", &F::lblCircumsisionDay,
      "lblCircumsisionDay"},
     {&F::lblCanaGalilee, "lblCanaGalilee", "Cana of Galilee:", &F::lblCanaGalileeDay,
      "lblCanaGalileeDay"},
     {&F::lblEntryToTemple, "lblEntryToTemple", "Entry into the Temple:", &F::lblEntryToTempleDay,
      "lblEntryToTempleDay"},
     {&F::lblMoundThursday, "lblMoundThursday", "Maundy Thursday:", &F::lblMoundThursdayDay,
      "lblMoundThursdayDay"},
     {&F::lblThomasSunday, "lblThomasSunday", "Thomas Sunday:", &F::lblThomasSundayDay,
      "lblThomasSundayDay"},
     {&F::lblEntryToEgypt, "lblEntryToEgypt", "Entry into Egypt:", &F::lblEntryToEgyptDay,
      "lblEntryToEgyptDay"},
     {&F::lblTransfiguration, "lblTransfiguration", "Transfiguration:", &F::lblTransfigurationDay,
      "lblTransfigurationDay"}}};

const QList<TFeastRow> CrossRows{
    {&F::lblCross1, "lblCross1", "First feast of the Cross:", &F::lblCrossDay1, "lblCrossDay1"},
    {&F::lblCross2, "lblCross2", "Second feast: (3 days)", &F::lblCrossDay2, "lblCrossDay2"}};

const TFeastPageDef StMaryPage{
    &F::tbshtStMary,
    "tbshtStMary",
    "St. Mary's",
    &F::Image3,
    "Image3",
    "Feasts for St. Mary:",
    &F::lblGregYearStMary,
    "lblGregYearStMary",
    &F::lblCopticYearsStMary,
    "lblCopticYearsStMary",
    {{&F::lblStMaryAnnuciationForHerBirth, "lblStMaryAnnuciationForHerBirth",
      "Annunciation of her birth:", &F::lblStMaryAnnuciationForHerBirthDay,
      "lblStMaryAnnuciationForHerBirthDay"},
     {&F::lblStMaryBirthday, "lblStMaryBirthday", "Birthday:", &F::lblStMaryBirthdayDay,
      "lblStMaryBirthdayDay"},
     {&F::lblStMaryEntryToTemple, "lblStMaryEntryToTemple",
      "Entry into the Temple:", &F::lblStMaryEntryToTempleDay, "lblStMaryEntryToTempleDay"},
     {&F::lblStMaryDeparture, "lblStMaryDeparture", "Departure:", &F::lblStMaryDepartureDay,
      "lblStMaryDepartureDay"},
     {&F::lblStMaryBodyAssumption, "lblStMaryBodyAssumption",
      "Assumption of her body:", &F::lblStMaryBodyAssumptionDay, "lblStMaryBodyAssumptionDay"},
     {&F::lblStMaryFirstChurch, "lblStMaryFirstChurch",
      "1st church after her name:", &F::lblStMaryFirstChurchDay, "lblStMaryFirstChurchDay"},
     {&F::lblStMaryZitune, "lblStMaryZitune", "Apparition in Zeiton", &F::lblStMaryZituneDay,
      "lblStMaryZituneDay"}}};

const TFeastPageDef TravelingPage{
    &F::tbshtTraveling,
    "tbshtTraveling",
    "Traveling",
    &F::Image1,
    "Image1",
    "Traveling Feasts / Fasts: ",
    &F::lblGregYearChangeable,
    "lblGregYearChangeable",
    &F::lblCopticYearsChangeable,
    "lblCopticYearsChangeable",
    {{nullptr, "", "Nativity's Paramouni:", &F::lblNativityParamouni, "lblNativityParamouni",
      false},
     {nullptr, "", "Epiphany's Paramouni", &F::lblEpiphanyParamouni, "lblEpiphanyParamouni", false},
     {nullptr, "", "From Nativity to the Lent:", &F::lblUnfastingDays, "lblUnfastingDays", false},
     {nullptr, "", "Start of Jonah's Fast:", &F::lblStartOfJonahFast, "lblStartOfJonahFast"},
     {nullptr, "", "Start of the Lent:", &F::lblStartOfTheLent, "lblStartOfTheLent"},
     {nullptr, "", "Holy Resurrection Feast:", &F::lblResurrectionFeast, "lblResurrectionFeast"},
     {nullptr, "", "Apostles Fast starts on:", &F::lblStartOfApostoleslFast,
      "lblStartOfApostoleslFast"},
     {nullptr, "", "Apostles Fast length:", &F::lblApostolesFastDuration,
      "lblApostolesFastDuration", false},
     {&F::lblCopticNewYear, "lblCopticNewYear", "Coptic New Year:", &F::lblCopticNewYearDate,
      "lblCopticNewYearDate"}}};

void addFeastRows(TfrmMainNew& w, TFeastPage& page, const QList<TFeastRow>& rows) {
    for (const TFeastRow& r : rows) {
        QLabel* name = makeFeastLabel(page.page, QLatin1String(r.Name), QLatin1String(r.Caption));
        if (r.NameMember != nullptr)
            w.*r.NameMember = name;
        QLabel* date = makeFeastLabel(page.page, QLatin1String(r.DateName),
                                      r.MonthDay ? QStringLiteral("Month, day") : QString());
        w.*r.DateMember = date;
        page.addRow(name, date);
    }
}

TFeastPage buildFeastPage(TfrmMainNew& w, QTabWidget* tabs, const TFeastPageDef& def) {
    TFeastPage page = makeFeastPage(
        tabs, QLatin1String(def.Name), QLatin1String(def.TabText), w.*def.Image,
        QLatin1String(def.ImageName), QLatin1String(def.Title), w.*def.Year,
        QLatin1String(def.YearName), w.*def.CopticYears, QLatin1String(def.CopticYearsName));
    w.*def.Page = page.page;
    addFeastRows(w, page, def.Rows);
    return page;
}

} // namespace

std::array<QLabel*, 12> TfrmMainNew::SynxLabels() const {
    return {lblSynx1, lblSynx2, lblSynx3, lblSynx4,  lblSynx5,  lblSynx6,
            lblSynx7, lblSynx8, lblSynx9, lblSynx10, lblSynx11, lblSynx12};
}

void TfrmMainNew::CreateControls() {
    setObjectName(QStringLiteral("frmMainNew"));
    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(4);
    // Each panel scrolls its own content when the window is smaller than
    // the panel needs; the left one only upwards and downwards.
    main->addWidget(new TPanelScroller(CreateLeftPanel(), Qt::Vertical, this));
    main->addWidget(new TPanelScroller(CreateRightPanel(), Qt::Vertical | Qt::Horizontal, this), 1);
}

QWidget* TfrmMainNew::CreateLeftPanel() {
    pnlLeft = new QFrame(this);
    pnlLeft->setObjectName(QStringLiteral("pnlLeft"));
    // At least the calendar's width; wider while the day's service buttons
    // need more (its scroller follows, see TPanelScroller).
    pnlLeft->setMinimumWidth(CalendarDesignWidth + 4);
    auto* col = new QVBoxLayout(pnlLeft);
    col->setContentsMargins(2, 0, 2, 0);
    col->setSpacing(4);

    // The calendar fills the width of its panel; a long date format makes it
    // claim more (see CheckDateFormat).
    pnlDates = new QFrame(pnlLeft);
    pnlDates->setObjectName(QStringLiteral("pnlDates"));
    pnlDates->setFixedWidth(CalendarDesignWidth);
    auto* dates = new QVBoxLayout(pnlDates);
    dates->setContentsMargins(0, 0, 0, 0);
    dates->setSpacing(2);

    const QColor navy(0, 0, 128);
    clndrDate = new TFullCalendarLight(pnlDates);
    clndrDate->setObjectName(QStringLiteral("clndrDate"));
    {
        clndrDate->setFont(CalendarDesignFont(QFont(QStringLiteral("Arial"))));
        SetTextColor(clndrDate, navy, {QPalette::WindowText, QPalette::Text});
    }
    clndrDate->setFixedHeight(196);
    dates->addWidget(clndrDate);

    auto dateLabel = [&](const QString& name, int pointSize, const QColor& colour) {
        QLabel* l = MakeLabel(pnlDates, name, QString());
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(pointSize);
        l->setFont(f);
        SetTextColor(l, colour, {QPalette::WindowText});
        dates->addWidget(l);
        return l;
    };
    lblGregDate = dateLabel(QStringLiteral("lblGregDate"), 10, navy);
    lblCopticDate = dateLabel(QStringLiteral("lblCopticDate"), 10, navy);
    lblDOW = dateLabel(QStringLiteral("lblDOW"), 10, QColor(128, 0, 0));
    lblDOW->setFixedHeight(56);
    lblFasting = dateLabel(QStringLiteral("lblFasting"), 8, Qt::black);
    // Two lines always, so a text that wraps does not move what lies below
    // from one day to the next.
    lblFasting->setFixedHeight(2 * lblFasting->fontMetrics().lineSpacing());
    lblTune = dateLabel(QStringLiteral("lblTune"), 8, Qt::black);
    col->addWidget(pnlDates);

    col->addWidget(CreateServiceButtons());
    col->addStretch(1);

    QString web = QString::fromLatin1(TfrmAbout::WebAddress);
    web.remove(QRegularExpression(QStringLiteral("^[a-z]+://")))
        .remove(QRegularExpression(QStringLiteral("/$")));
    lblWebAddress = MakeLabel(pnlLeft, QStringLiteral("lblWebAddress"), web);
    lblWebAddress->setAlignment(Qt::AlignCenter);
    lblWebAddress->setCursor(Qt::PointingHandCursor);
    {
        QFont f = lblWebAddress->font();
        f.setUnderline(true);
        lblWebAddress->setFont(f);
        SetTextColor(lblWebAddress, QColor(0, 0, 128), {QPalette::WindowText});
    }
    col->addWidget(lblWebAddress);
    return pnlLeft;
}

namespace {

// One service button and its cell in its group's grid.
struct TServiceButtonRow {
    QPushButton* TfrmMainNew::*Member;
    const char* Name;
    const char* Caption;
    int Row;
    int Column;
    int ColumnSpan = 1;
};

// A group of service buttons; a column group stacks its buttons.
struct TServiceGroup {
    QGroupBox* TfrmMainNew::*Member;
    const char* Name;
    const char* Caption;
    bool Column;
    QList<TServiceButtonRow> Buttons;
};

using F = TfrmMainNew;

const TServiceGroup TimesGroup{&F::grpbxTimes,
                               "grpbxTimes",
                               "Time of the day",
                               false,
                               {{&F::btnVespers, "btnVespers", "Vespers (night before)", 0, 0, 2},
                                {&F::btnMatins, "btnMatins", "Matins", 1, 0},
                                {&F::btnLiturgy, "btnLiturgy", "Liturgy", 1, 1},
                                {&F::btnEvening, "btnEvening", "Evening", 2, 0, 2}}};

// A column beside the night hours, as the day hours stand in Holy Week: in
// rows of three the two groups stack higher than the left column holds.
const TServiceGroup PalmSundayGroup{
    &F::grpbxPalmSunday,
    "grpbxPalmSunday",
    "Palm Sunday",
    true,
    {{&F::btnPalmVespers, "btnPalmVespers", "Vespers", 0, 0},
     {&F::btnPalmMatins, "btnPalmMatins", "Matins", 1, 0},
     {&F::btnPalmLiturgy, "btnPalmLiturgy", "Liturgy", 2, 0},
     {&F::btnPalmDay6thHour, "btnPalmDay6thHour", "G. Funeral", 3, 0},
     {&F::btnPalmDay9thHour, "btnPalmDay9thHour", "Ninth", 4, 0},
     {&F::btnPalmDay11thHour, "btnPalmDay11thHour", "Eleventh", 5, 0}}};

const TServiceGroup DayHoursGroup{&F::grpbxHolyWeekHoursDay,
                                  "grpbxHolyWeekHoursDay",
                                  "Hours, Day",
                                  true,
                                  {{&F::btnDay1stHour, "btnDay1stHour", "First", 0, 0},
                                   {&F::btnDay3rdHour, "btnDay3rdHour", "Third", 1, 0},
                                   {&F::btnDay6thHour, "btnDay6thHour", "Sixth", 2, 0},
                                   {&F::btnDay9thHour, "btnDay9thHour", "Ninth", 3, 0},
                                   {&F::btnDay11thHour, "btnDay11thHour", "Eleventh", 4, 0},
                                   {&F::btnDay12thHour, "btnDay12thHour", "Twelfth", 5, 0}}};

const TServiceGroup NightHoursGroup{&F::grpbxHolyWeekHoursNight,
                                    "grpbxHolyWeekHoursNight",
                                    "Hours, Night",
                                    true,
                                    {{&F::btnNight1stHour, "btnNight1stHour", "First", 0, 0},
                                     {&F::btnNight3rdHour, "btnNight3rdHour", "Third", 1, 0},
                                     {&F::btnNight6thHour, "btnNight6thHour", "Sixth", 2, 0},
                                     {&F::btnNight9thHour, "btnNight9thHour", "Ninth", 3, 0},
                                     {&F::btnNight11thHour, "btnNight11thHour", "Eleventh", 4, 0}}};

const TServiceGroup BrightSaturdayGroup{
    &F::grpbxGoodSaturday,
    "grpbxGoodSaturday",
    "Bright Saturday",
    false,
    {{&F::btnLightSaturdayPraises, "btnLightSaturdayPraises", "Songs and Prayers", 0, 0, 3},
     {&F::btnLightSaturday1stHour, "btnLightSaturday1stHour", "First", 1, 0},
     {&F::btnLightSaturday3rdHour, "btnLightSaturday3rdHour", "Third", 1, 1},
     {&F::btnLightSaturday6thHour, "btnLightSaturday6thHour", "Sixth", 1, 2},
     {&F::btnLightSaturday9thHour, "btnLightSaturday9thHour", "Ninth and Liturgy", 2, 0, 2},
     {&F::btnLightSaturdayLiturgy, "btnLightSaturdayLiturgy", "Liturgy", 2, 2}}};

QGroupBox* createServiceGroup(TfrmMainNew& w, QWidget* parent, const TServiceGroup& group) {
    QGroupBox* box = makeGroup(parent, QLatin1String(group.Name), QLatin1String(group.Caption));
    w.*group.Member = box;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(2);
    // Columns of hours have the day hours' width of Holy Week, so that two
    // fit side by side within the calendar's width, and buttons just high
    // enough for their caption: six of them and the rest of the left column
    // fit a 576-pixel screen under a window manager.
    const ServiceButtons::TGroupState design;
    if (group.Column) {
        box->setFixedWidth(design.DayHoursWidth);
        grid->setContentsMargins(design.DayHourButtonLeft, 0, 4, 2);
        grid->setSpacing(0);
    }
    for (const TServiceButtonRow& b : group.Buttons) {
        w.*b.Member = MakeButton(box, QLatin1String(b.Name), QLatin1String(b.Caption));
        QPushButton* button = w.*b.Member;
        if (group.Column) {
            button->setFixedSize(design.DayHourButtonWidth, button->fontMetrics().height() + 5);
        } else {
            // Narrower than the style's wish for a button when the row needs
            // it, never narrower than the caption: three a row fit the column.
            const QStyle* st = button->style();
            button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) +
                                    st->pixelMetric(QStyle::PM_ButtonMargin) +
                                    2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4);
        }
        grid->addWidget(w.*b.Member, b.Row, b.Column, 1, b.ColumnSpan);
    }
    return box;
}

} // namespace

QWidget* TfrmMainNew::CreateServiceButtons() {
    auto* box = new QWidget(pnlLeft);
    pnlServices = box;
    box->setObjectName(QStringLiteral("pnlServices"));
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(2);

    col->addWidget(createServiceGroup(*this, box, TimesGroup));
    btnEvening->setVisible(false);
    auto* hours = new QHBoxLayout;
    hours->setSpacing(2);
    hours->addWidget(createServiceGroup(*this, box, PalmSundayGroup), 0, Qt::AlignTop);
    grpbxPalmSunday->setVisible(false);
    hours->addWidget(createServiceGroup(*this, box, DayHoursGroup), 0, Qt::AlignTop);
    hours->addWidget(createServiceGroup(*this, box, NightHoursGroup), 0, Qt::AlignTop);
    hours->addStretch(1);
    grpbxHolyWeekHoursDay->setVisible(false);
    grpbxHolyWeekHoursNight->setVisible(false);
    col->addLayout(hours);
    col->addWidget(createServiceGroup(*this, box, BrightSaturdayGroup));
    grpbxGoodSaturday->setVisible(false);

    auto* all = new QHBoxLayout;
    all->setSpacing(2);
    btnAllReadings =
        MakeButton(box, QStringLiteral("btnAllReadings"), QStringLiteral("All Readings"));
    btnMultipleReadings =
        MakeToolButton(box, QStringLiteral("btnMultipleReadings"), QStringLiteral("..."),
                       QStringLiteral("Show Readings for More Than One Day"));
    btnTodayReadings =
        MakeToolButton(box, QStringLiteral("btnTodayReadings"), QStringLiteral("Today"),
                       QStringLiteral("Set Calender to Today's Date"));
    all->addWidget(btnAllReadings, 1);
    all->addWidget(btnMultipleReadings);
    all->addWidget(btnTodayReadings);
    col->addLayout(all);
    btnFeasts = MakeButton(box, QStringLiteral("btnFeasts"), QStringLiteral("All feasts"));
    col->addWidget(btnFeasts);
    // The room the busiest day needs (see FitServicesToEveryDay) lies below
    // the buttons of a day that needs less.
    col->addStretch(1);
    return box;
}

QWidget* TfrmMainNew::CreateRightPanel() {
    auto* right = new QWidget(this);
    auto* col = new QVBoxLayout(right);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(4);

    // Verse of the day.
    pnlTopRight = new QFrame(right);
    pnlTopRight->setObjectName(QStringLiteral("pnlTopRight"));
    pnlTopRight->setFrameShape(QFrame::StyledPanel);
    pnlTopRight->setFixedHeight(104);
    auto* top = new QHBoxLayout(pnlTopRight);
    top->setContentsMargins(2, 2, 2, 2);
    top->setSpacing(0);
    rchedtVOD = new TRichEdit(pnlTopRight);
    rchedtVOD->setObjectName(QStringLiteral("rchedtVOD"));
    rchedtVOD->setReadOnly(true);
    rchedtVOD->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    {
        // Paragraphs are centred unless a text says otherwise.
        QTextOption centred = rchedtVOD->document()->defaultTextOption();
        centred.setAlignment(Qt::AlignHCenter);
        rchedtVOD->document()->setDefaultTextOption(centred);
    }
    {
        QPalette p = rchedtVOD->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Button));
        rchedtVOD->setPalette(p);
    }
    pblShowAllTheVerse =
        MakeLabel(pnlTopRight, QStringLiteral("pblShowAllTheVerse"), QStringLiteral(">"));
    pblShowAllTheVerse->setAlignment(Qt::AlignCenter);
    pblShowAllTheVerse->setFixedWidth(12);
    pblShowAllTheVerse->setFrameShape(QFrame::Panel);
    pblShowAllTheVerse->setFrameShadow(QFrame::Raised);
    pblShowAllTheVerse->setCursor(Qt::PointingHandCursor);
    pblShowAllTheVerse->setToolTip(QStringLiteral("Show the verse of the day in a new window"));
    top->addWidget(rchedtVOD, 1);
    top->addWidget(pblShowAllTheVerse);
    col->addWidget(pnlTopRight);

    // Saints of the day and the day picture.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    // Its caption is long on Holy Week and the Holy Fifty days: it wraps.
    grpbxSynexeriam = new TWrappedGroupBox(QStringLiteral("Synaxarium"), right);
    grpbxSynexeriam->setObjectName(QStringLiteral("grpbxSynexeriam"));
    {
        auto* l = new QVBoxLayout(grpbxSynexeriam);
        l->setContentsMargins(6, 2, 6, 4);
        l->setSpacing(0);
        QLabel** targets[12] = {&lblSynx1, &lblSynx2,  &lblSynx3,  &lblSynx4,
                                &lblSynx5, &lblSynx6,  &lblSynx7,  &lblSynx8,
                                &lblSynx9, &lblSynx10, &lblSynx11, &lblSynx12};
        for (int i = 0; i < 12; ++i) {
            QLabel* s =
                MakeLabel(grpbxSynexeriam, QStringLiteral("lblSynx%1").arg(i + 1), QString());
            s->setCursor(Qt::PointingHandCursor);
            SetTextColor(s, QColor(0, 0, 128), {QPalette::WindowText});
            s->setVisible(false);
            s->setMinimumWidth(1);
            s->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            *targets[i] = s;
            l->addWidget(s);
        }
        l->addStretch(1);
    }
    middle->addWidget(grpbxSynexeriam, 1);

    auto* pictureCol = new QVBoxLayout;
    pictureCol->setSpacing(1);
    imgDefault = MakeLabel(right, QStringLiteral("imgDefault"), QString());
    imgDefault->setScaledContents(true);
    imgDefault->setFixedSize(170, 200);
    imgDefault->setFrameShape(QFrame::Box);
    imgDefault->setCursor(Qt::PointingHandCursor);
    lblSaintName = MakeLabel(right, QStringLiteral("lblSaintName"), QString());
    lblSaintName->setAlignment(Qt::AlignCenter);
    lblSaintName->setWordWrap(true);
    lblSaintName->setFixedWidth(170);
    {
        QFont f = lblSaintName->font();
        f.setBold(true);
        lblSaintName->setFont(f);
    }
    pictureCol->addWidget(imgDefault);
    pictureCol->addWidget(lblSaintName);
    pictureCol->addStretch(1);
    middle->addLayout(pictureCol);
    col->addLayout(middle, 1);

    col->addWidget(CreateFeastPages());

    // Commands.
    auto* commands = new QHBoxLayout;
    commands->setSpacing(2);
    btnBible = MakeButton(right, QStringLiteral("btnBible"), QStringLiteral("The Holy Bible"));
    btnIconList = MakeButton(right, QStringLiteral("btnIconList"), QStringLiteral("Icon List"));
    btnIconList->setVisible(false);
    btnSetFont = MakeButton(right, QStringLiteral("btnSetFont"), QStringLiteral("Set Font"));
    btnSetFont->setToolTip(QStringLiteral("Set The Font For All Readings"));
    btnRestoreDefaults =
        MakeToolButton(right, QStringLiteral("btnRestoreDefaults"), QStringLiteral("Default Font"),
                       QStringLiteral("Restore Readings Font To The Original Settings"));
    btnAbout = MakeButton(right, QStringLiteral("btnAbout"), QStringLiteral("About"));
    commands->addWidget(btnBible);
    commands->addWidget(btnIconList);
    commands->addWidget(btnSetFont);
    commands->addWidget(btnRestoreDefaults);
    commands->addWidget(btnAbout);
    commands->addStretch(1);
    col->addLayout(commands);
    return right;
}

QWidget* TfrmMainNew::CreateFeastPages() {
    pgcntrlFeasts = new TPageControl(this);
    pgcntrlFeasts->setObjectName(QStringLiteral("pgcntrlFeasts"));
    pgcntrlFeasts->setTabPosition(QTabWidget::South);
    pgcntrlFeasts->setFixedHeight(214);
    {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(12);
        f.setBold(true);
        pgcntrlFeasts->tabBar()->setFont(f);
        SetTextColor(pgcntrlFeasts->tabBar(), FeastLabelColor);
    }

    QWidget* tabs = pgcntrlFeasts;
    auto feast = [](QWidget* page, const char* name, const QString& caption) {
        return makeFeastLabel(page, QString::fromLatin1(name), caption);
    };

    // Major.
    TFeastPage major = buildFeastPage(*this, pgcntrlFeasts, MajorPage);
    QWidget* p = tbshtMajor;
    lblNotCelebrated = feast(p, "lblNotCelebrated", QStringLiteral("* Not celebrated this year"));
    lblNotCelebrated->setCursor(Qt::PointingHandCursor);
    lblNotCelebrated->setVisible(false);
    major.grid->addWidget(lblNotCelebrated, major.row++, 0, 1, 2, Qt::AlignLeft);
    finishFeastPage(major, Image4);

    // Minor.
    TFeastPage minor = buildFeastPage(*this, pgcntrlFeasts, MinorPage);
    p = tbshtMinorFeast;
    grpbxCrossFeasts = makeGroup(p, QStringLiteral("grpbxCrossFeasts"),
                                 QStringLiteral("Feasts of the Holy Cross"));
    {
        SetTextColor(grpbxCrossFeasts, FeastLabelColor, {QPalette::WindowText});
        auto* g = new QGridLayout(grpbxCrossFeasts);
        g->setContentsMargins(4, 0, 4, 2);
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(0);
        TFeastPage cross{grpbxCrossFeasts, g, 0};
        addFeastRows(*this, cross, CrossRows);
        lblCross1->setToolTip(QStringLiteral("First feast of the Cross, Always in the Lent (it is "
                                             "the Second one in the Coptic year)"));
        lblCross2->setToolTip(
            QStringLiteral("Second feast of the Cross, for 3 days (First in the Coptic Year)"));
        g->setColumnStretch(1, 1);
    }
    grpbxCrossFeasts->setAttribute(Qt::WA_TranslucentBackground);
    minor.grid->addWidget(grpbxCrossFeasts, minor.row++, 0, 1, 2);
    finishFeastPage(minor, Image2);

    // St. Mary's.
    TFeastPage mary = buildFeastPage(*this, pgcntrlFeasts, StMaryPage);
    finishFeastPage(mary, Image3);

    // Traveling.
    TFeastPage travel = buildFeastPage(*this, pgcntrlFeasts, TravelingPage);
    finishFeastPage(travel, Image1);

    pgcntrlFeasts->setCurrentIndex(0);
    return tabs;
}
