// The controls of the main window and where they sit. Behaviour lives in the
// other MainNew sources; this file only builds and places.

#include "MainNew.h"

#include "About.h"
#include "RichEdit.h"
#include "ZIZ_Cldr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor FeastLabelColor(0, 0, 160);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* makeFeastLabel(QWidget* parent, const QString& name, const QString& caption) {
    QLabel* l = makeLabel(parent, name, caption);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, FeastLabelColor);
    l->setPalette(p);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& caption,
                            const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
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

    void addRow(QLabel* name, QLabel* date) {
        grid->addWidget(name, row, 0);
        grid->addWidget(date, row, 1);
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

    image = makeLabel(page, imageName, QString());
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
    grid->addWidget(copticLabel, fp.row++, 0, 1, 2);
    tabs->addTab(page, tabText);
    return fp;
}

void finishFeastPage(TFeastPage& fp, QLabel* image) {
    fp.grid->setRowStretch(fp.row, 1);
    fp.grid->setColumnStretch(1, 1);
    // Added first would put it under the rows; added last it would cover
    // them, so it goes in now and is lowered.
    fp.grid->addWidget(image, 0, 0, fp.row + 1, 2);
    image->lower();
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
    main->addWidget(CreateLeftPanel());
    main->addWidget(CreateRightPanel(), 1);
}

QWidget* TfrmMainNew::CreateLeftPanel() {
    pnlLeft = new QFrame(this);
    pnlLeft->setObjectName(QStringLiteral("pnlLeft"));
    pnlLeft->setFixedWidth(CalendarDesignWidth + 4);
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
        QPalette p = clndrDate->palette();
        p.setColor(QPalette::WindowText, navy);
        p.setColor(QPalette::Text, navy);
        clndrDate->setPalette(p);
    }
    clndrDate->setFixedHeight(196);
    dates->addWidget(clndrDate);

    auto dateLabel = [&](const QString& name, int pointSize, const QColor& colour) {
        QLabel* l = makeLabel(pnlDates, name, QString());
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(pointSize);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        dates->addWidget(l);
        return l;
    };
    lblGregDate = dateLabel(QStringLiteral("lblGregDate"), 10, navy);
    lblCopticDate = dateLabel(QStringLiteral("lblCopticDate"), 10, navy);
    lblDOW = dateLabel(QStringLiteral("lblDOW"), 10, QColor(128, 0, 0));
    lblDOW->setFixedHeight(56);
    lblFasting = dateLabel(QStringLiteral("lblFasting"), 8, Qt::black);
    lblTune = dateLabel(QStringLiteral("lblTune"), 8, Qt::black);
    col->addWidget(pnlDates);

    col->addWidget(CreateServiceButtons());
    col->addStretch(1);

    QString web = QString::fromLatin1(TfrmAbout::WebAddress);
    web.remove(QRegularExpression(QStringLiteral("^[a-z]+://")))
        .remove(QRegularExpression(QStringLiteral("/$")));
    lblWebAddress = makeLabel(pnlLeft, QStringLiteral("lblWebAddress"), web);
    lblWebAddress->setAlignment(Qt::AlignCenter);
    lblWebAddress->setCursor(Qt::PointingHandCursor);
    {
        QFont f = lblWebAddress->font();
        f.setUnderline(true);
        lblWebAddress->setFont(f);
        QPalette p = lblWebAddress->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        lblWebAddress->setPalette(p);
    }
    col->addWidget(lblWebAddress);
    return pnlLeft;
}

QWidget* TfrmMainNew::CreateServiceButtons() {
    auto* box = new QWidget(pnlLeft);
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(2);

    auto grid = [](QGroupBox* g) {
        auto* l = new QGridLayout(g);
        l->setContentsMargins(4, 2, 4, 4);
        l->setSpacing(2);
        return l;
    };

    grpbxTimes = makeGroup(box, QStringLiteral("grpbxTimes"), QStringLiteral("Time of the day"));
    btnVespers = makeButton(grpbxTimes, QStringLiteral("btnVespers"),
                            QStringLiteral("Vespers (night before)"));
    btnMatins = makeButton(grpbxTimes, QStringLiteral("btnMatins"), QStringLiteral("Matins"));
    btnLiturgy = makeButton(grpbxTimes, QStringLiteral("btnLiturgy"), QStringLiteral("Liturgy"));
    btnEvening = makeButton(grpbxTimes, QStringLiteral("btnEvening"), QStringLiteral("Evening"));
    btnEvening->setVisible(false);
    {
        auto* l = grid(grpbxTimes);
        l->addWidget(btnVespers, 0, 0, 1, 2);
        l->addWidget(btnMatins, 1, 0);
        l->addWidget(btnLiturgy, 1, 1);
        l->addWidget(btnEvening, 2, 0, 1, 2);
    }

    grpbxPalmSunday =
        makeGroup(box, QStringLiteral("grpbxPalmSunday"), QStringLiteral("Palm Sunday"));
    btnPalmVespers =
        makeButton(grpbxPalmSunday, QStringLiteral("btnPalmVespers"), QStringLiteral("Vespers"));
    btnPalmMatins =
        makeButton(grpbxPalmSunday, QStringLiteral("btnPalmMatins"), QStringLiteral("Matins"));
    btnPalmLiturgy =
        makeButton(grpbxPalmSunday, QStringLiteral("btnPalmLiturgy"), QStringLiteral("Liturgy"));
    btnPalmDay6thHour = makeButton(grpbxPalmSunday, QStringLiteral("btnPalmDay6thHour"),
                                   QStringLiteral("G. Funeral"));
    btnPalmDay9thHour =
        makeButton(grpbxPalmSunday, QStringLiteral("btnPalmDay9thHour"), QStringLiteral("Ninth"));
    btnPalmDay11thHour = makeButton(grpbxPalmSunday, QStringLiteral("btnPalmDay11thHour"),
                                    QStringLiteral("Eleventh"));
    {
        auto* l = grid(grpbxPalmSunday);
        l->addWidget(btnPalmVespers, 0, 0);
        l->addWidget(btnPalmMatins, 0, 1);
        l->addWidget(btnPalmLiturgy, 0, 2);
        l->addWidget(btnPalmDay6thHour, 1, 0);
        l->addWidget(btnPalmDay9thHour, 1, 1);
        l->addWidget(btnPalmDay11thHour, 1, 2);
    }
    grpbxPalmSunday->setVisible(false);

    auto* hours = new QHBoxLayout;
    hours->setSpacing(2);
    grpbxHolyWeekHoursDay =
        makeGroup(box, QStringLiteral("grpbxHolyWeekHoursDay"), QStringLiteral("Hours, Day"));
    btnDay1stHour =
        makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay1stHour"), QStringLiteral("First"));
    btnDay3rdHour =
        makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay3rdHour"), QStringLiteral("Third"));
    btnDay6thHour =
        makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay6thHour"), QStringLiteral("Sixth"));
    btnDay9thHour =
        makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay9thHour"), QStringLiteral("Ninth"));
    btnDay11thHour = makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay11thHour"),
                                QStringLiteral("Eleventh"));
    btnDay12thHour = makeButton(grpbxHolyWeekHoursDay, QStringLiteral("btnDay12thHour"),
                                QStringLiteral("Twelfth"));
    {
        auto* l = new QVBoxLayout(grpbxHolyWeekHoursDay);
        l->setContentsMargins(4, 2, 4, 4);
        l->setSpacing(1);
        for (QPushButton* b : {btnDay1stHour, btnDay3rdHour, btnDay6thHour, btnDay9thHour,
                               btnDay11thHour, btnDay12thHour})
            l->addWidget(b);
    }
    grpbxHolyWeekHoursDay->setVisible(false);
    grpbxHolyWeekHoursNight =
        makeGroup(box, QStringLiteral("grpbxHolyWeekHoursNight"), QStringLiteral("Hours, Night"));
    btnNight1stHour = makeButton(grpbxHolyWeekHoursNight, QStringLiteral("btnNight1stHour"),
                                 QStringLiteral("First"));
    btnNight3rdHour = makeButton(grpbxHolyWeekHoursNight, QStringLiteral("btnNight3rdHour"),
                                 QStringLiteral("Third"));
    btnNight6thHour = makeButton(grpbxHolyWeekHoursNight, QStringLiteral("btnNight6thHour"),
                                 QStringLiteral("Sixth"));
    btnNight9thHour = makeButton(grpbxHolyWeekHoursNight, QStringLiteral("btnNight9thHour"),
                                 QStringLiteral("Ninth"));
    btnNight11thHour = makeButton(grpbxHolyWeekHoursNight, QStringLiteral("btnNight11thHour"),
                                  QStringLiteral("Eleventh"));
    {
        auto* l = new QVBoxLayout(grpbxHolyWeekHoursNight);
        l->setContentsMargins(4, 2, 4, 4);
        l->setSpacing(1);
        for (QPushButton* b :
             {btnNight1stHour, btnNight3rdHour, btnNight6thHour, btnNight9thHour, btnNight11thHour})
            l->addWidget(b);
    }
    grpbxHolyWeekHoursNight->setVisible(false);
    hours->addWidget(grpbxHolyWeekHoursDay, 0, Qt::AlignTop);
    hours->addWidget(grpbxHolyWeekHoursNight, 0, Qt::AlignTop);
    hours->addStretch(1);

    grpbxGoodSaturday =
        makeGroup(box, QStringLiteral("grpbxGoodSaturday"), QStringLiteral("Bright Saturday"));
    btnLightSaturdayPraises =
        makeButton(grpbxGoodSaturday, QStringLiteral("btnLightSaturdayPraises"),
                   QStringLiteral("Songs and Prayers"));
    btnLightSaturday1stHour = makeButton(
        grpbxGoodSaturday, QStringLiteral("btnLightSaturday1stHour"), QStringLiteral("First"));
    btnLightSaturday3rdHour = makeButton(
        grpbxGoodSaturday, QStringLiteral("btnLightSaturday3rdHour"), QStringLiteral("Third"));
    btnLightSaturday6thHour = makeButton(
        grpbxGoodSaturday, QStringLiteral("btnLightSaturday6thHour"), QStringLiteral("Sixth"));
    btnLightSaturday9thHour =
        makeButton(grpbxGoodSaturday, QStringLiteral("btnLightSaturday9thHour"),
                   QStringLiteral("Ninth and Liturgy"));
    btnLightSaturdayLiturgy = makeButton(
        grpbxGoodSaturday, QStringLiteral("btnLightSaturdayLiturgy"), QStringLiteral("Liturgy"));
    {
        auto* l = grid(grpbxGoodSaturday);
        l->addWidget(btnLightSaturdayPraises, 0, 0, 1, 3);
        l->addWidget(btnLightSaturday1stHour, 1, 0);
        l->addWidget(btnLightSaturday3rdHour, 1, 1);
        l->addWidget(btnLightSaturday6thHour, 1, 2);
        l->addWidget(btnLightSaturday9thHour, 2, 0, 1, 2);
        l->addWidget(btnLightSaturdayLiturgy, 2, 2);
    }
    grpbxGoodSaturday->setVisible(false);

    col->addWidget(grpbxTimes);
    col->addWidget(grpbxPalmSunday);
    col->addLayout(hours);
    col->addWidget(grpbxGoodSaturday);

    auto* all = new QHBoxLayout;
    all->setSpacing(2);
    btnAllReadings =
        makeButton(box, QStringLiteral("btnAllReadings"), QStringLiteral("All Readings"));
    btnMultipleReadings =
        makeToolButton(box, QStringLiteral("btnMultipleReadings"), QStringLiteral("..."),
                       QStringLiteral("Show Readings for More Than One Day"));
    btnTodayReadings =
        makeToolButton(box, QStringLiteral("btnTodayReadings"), QStringLiteral("Today"),
                       QStringLiteral("Set Calender to Today's Date"));
    all->addWidget(btnAllReadings, 1);
    all->addWidget(btnMultipleReadings);
    all->addWidget(btnTodayReadings);
    col->addLayout(all);
    btnFeasts = makeButton(box, QStringLiteral("btnFeasts"), QStringLiteral("All feasts"));
    col->addWidget(btnFeasts);
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
    rchedtVOD->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
        makeLabel(pnlTopRight, QStringLiteral("pblShowAllTheVerse"), QStringLiteral(">"));
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
    grpbxSynexeriam =
        makeGroup(right, QStringLiteral("grpbxSynexeriam"), QStringLiteral("Synaxarium"));
    {
        auto* l = new QVBoxLayout(grpbxSynexeriam);
        l->setContentsMargins(6, 2, 6, 4);
        l->setSpacing(0);
        QLabel** targets[12] = {&lblSynx1, &lblSynx2,  &lblSynx3,  &lblSynx4,
                                &lblSynx5, &lblSynx6,  &lblSynx7,  &lblSynx8,
                                &lblSynx9, &lblSynx10, &lblSynx11, &lblSynx12};
        for (int i = 0; i < 12; ++i) {
            QLabel* s =
                makeLabel(grpbxSynexeriam, QStringLiteral("lblSynx%1").arg(i + 1), QString());
            s->setCursor(Qt::PointingHandCursor);
            QPalette p = s->palette();
            p.setColor(QPalette::WindowText, QColor(0, 0, 128));
            s->setPalette(p);
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
    imgDefault = makeLabel(right, QStringLiteral("imgDefault"), QString());
    imgDefault->setScaledContents(true);
    imgDefault->setFixedSize(170, 200);
    imgDefault->setFrameShape(QFrame::Box);
    imgDefault->setCursor(Qt::PointingHandCursor);
    lblSaintName = makeLabel(right, QStringLiteral("lblSaintName"), QString());
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
    btnBible = makeButton(right, QStringLiteral("btnBible"), QStringLiteral("The Holy Bible"));
    btnIconList = makeButton(right, QStringLiteral("btnIconList"), QStringLiteral("Icon List"));
    btnIconList->setVisible(false);
    btnSetFont = makeButton(right, QStringLiteral("btnSetFont"), QStringLiteral("Set Font"));
    btnSetFont->setToolTip(QStringLiteral("Set The Font For All Readings"));
    btnRestoreDefaults =
        makeToolButton(right, QStringLiteral("btnRestoreDefaults"), QStringLiteral("Default Font"),
                       QStringLiteral("Restore Readings Font To The Original Settings"));
    btnAbout = makeButton(right, QStringLiteral("btnAbout"), QStringLiteral("About"));
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
    pgcntrlFeasts = new QTabWidget(this);
    pgcntrlFeasts->setObjectName(QStringLiteral("pgcntrlFeasts"));
    pgcntrlFeasts->setTabPosition(QTabWidget::South);
    pgcntrlFeasts->setFixedHeight(214);
    {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(12);
        f.setBold(true);
        pgcntrlFeasts->tabBar()->setFont(f);
        QPalette p = pgcntrlFeasts->tabBar()->palette();
        p.setColor(QPalette::WindowText, FeastLabelColor);
        p.setColor(QPalette::ButtonText, FeastLabelColor);
        pgcntrlFeasts->tabBar()->setPalette(p);
    }

    QWidget* tabs = pgcntrlFeasts;
    auto feast = [](QWidget* page, const char* name, const QString& caption) {
        return makeFeastLabel(page, QString::fromLatin1(name), caption);
    };
    const QString monthDay = QStringLiteral("Month, day");

    // Major.
    TFeastPage major =
        makeFeastPage(pgcntrlFeasts, QStringLiteral("tbshtMajor"), QStringLiteral("Major Feasts"),
                      Image4, QStringLiteral("Image4"), QStringLiteral("The Lord's Major Feasts:"),
                      lblGregYearMajor, QStringLiteral("lblGregYearMajor"), lblCopticYearsMajor,
                      QStringLiteral("lblCopticYearsMajor"));
    tbshtMajor = major.page;
    QWidget* p = tbshtMajor;
    major.addRow(lblNativity = feast(p, "lblNativity", QStringLiteral("Nativity:")),
                 lblNativityDay = feast(p, "lblNativityDay", monthDay));
    major.addRow(lblEpiphany = feast(p, "lblEpiphany", QStringLiteral("Epiphany:")),
                 lblEpiphanyDay = feast(p, "lblEpiphanyDay", monthDay));
    major.addRow(lblPalmSunday = feast(p, "lblPalmSunday", QStringLiteral("Palm Sunday:")),
                 lblPalmSundayDay = feast(p, "lblPalmSundayDay", monthDay));
    major.addRow(lblResurrection = feast(p, "lblResurrection", QStringLiteral("Resurrection:")),
                 lblResurrectionDay = feast(p, "lblResurrectionDay", monthDay));
    major.addRow(lblAscension = feast(p, "lblAscension", QStringLiteral("Ascension:")),
                 lblAscensionDay = feast(p, "lblAscensionDay", monthDay));
    major.addRow(lblPentecost = feast(p, "lblPentecost", QStringLiteral("Pentecost:")),
                 lblPenticostDay = feast(p, "lblPenticostDay", monthDay));
    major.addRow(lblAnnunciation = feast(p, "lblAnnunciation", QStringLiteral("Annunciation:")),
                 lblAnnunciationDay = feast(p, "lblAnnunciationDay", monthDay));
    lblNotCelebrated = feast(p, "lblNotCelebrated", QStringLiteral("* Not celebrated this year"));
    lblNotCelebrated->setCursor(Qt::PointingHandCursor);
    lblNotCelebrated->setVisible(false);
    major.grid->addWidget(lblNotCelebrated, major.row++, 0, 1, 2);
    finishFeastPage(major, Image4);

    // Minor.
    TFeastPage minor = makeFeastPage(
        pgcntrlFeasts, QStringLiteral("tbshtMinorFeast"), QStringLiteral("Minor Feasts"), Image2,
        QStringLiteral("Image2"), QStringLiteral("The Lord's Minor Feasts:"), lblGregYearMinor,
        QStringLiteral("lblGregYearMinor"), lblCopticYearsMinor,
        QStringLiteral("lblCopticYearsMinor"));
    tbshtMinorFeast = minor.page;
    p = tbshtMinorFeast;
    minor.addRow(lblCircumsision = feast(p, "lblCircumsision", QStringLiteral("Circumcision")),
                 lblCircumsisionDay = feast(p, "lblCircumsisionDay", monthDay));
    minor.addRow(lblCanaGalilee = feast(p, "lblCanaGalilee", QStringLiteral("Cana of Galilee:")),
                 lblCanaGalileeDay = feast(p, "lblCanaGalileeDay", monthDay));
    minor.addRow(lblEntryToTemple =
                     feast(p, "lblEntryToTemple", QStringLiteral("Entry into the Temple:")),
                 lblEntryToTempleDay = feast(p, "lblEntryToTempleDay", monthDay));
    minor.addRow(lblMoundThursday =
                     feast(p, "lblMoundThursday", QStringLiteral("Maundy Thursday:")),
                 lblMoundThursdayDay = feast(p, "lblMoundThursdayDay", monthDay));
    minor.addRow(lblThomasSunday = feast(p, "lblThomasSunday", QStringLiteral("Thomas Sunday:")),
                 lblThomasSundayDay = feast(p, "lblThomasSundayDay", monthDay));
    minor.addRow(lblEntryToEgypt = feast(p, "lblEntryToEgypt", QStringLiteral("Entry into Egypt:")),
                 lblEntryToEgyptDay = feast(p, "lblEntryToEgyptDay", monthDay));
    minor.addRow(lblTransfiguration =
                     feast(p, "lblTransfiguration", QStringLiteral("Transfiguration:")),
                 lblTransfigurationDay = feast(p, "lblTransfigurationDay", monthDay));
    grpbxCrossFeasts = makeGroup(p, QStringLiteral("grpbxCrossFeasts"),
                                 QStringLiteral("Feasts of the Holy Cross"));
    {
        QPalette gp = grpbxCrossFeasts->palette();
        gp.setColor(QPalette::WindowText, FeastLabelColor);
        grpbxCrossFeasts->setPalette(gp);
        auto* g = new QGridLayout(grpbxCrossFeasts);
        g->setContentsMargins(4, 0, 4, 2);
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(0);
        lblCross1 =
            feast(grpbxCrossFeasts, "lblCross1", QStringLiteral("First feast of the Cross:"));
        lblCross1->setToolTip(QStringLiteral("First feast of the Cross, Always in the Lent (it is "
                                             "the Second one in the Coptic year)"));
        lblCrossDay1 = feast(grpbxCrossFeasts, "lblCrossDay1", monthDay);
        lblCross2 = feast(grpbxCrossFeasts, "lblCross2", QStringLiteral("Second feast: (3 days)"));
        lblCross2->setToolTip(
            QStringLiteral("Second feast of the Cross, for 3 days (First in the Coptic Year)"));
        lblCrossDay2 = feast(grpbxCrossFeasts, "lblCrossDay2", monthDay);
        g->addWidget(lblCross1, 0, 0);
        g->addWidget(lblCrossDay1, 0, 1);
        g->addWidget(lblCross2, 1, 0);
        g->addWidget(lblCrossDay2, 1, 1);
        g->setColumnStretch(1, 1);
    }
    grpbxCrossFeasts->setAttribute(Qt::WA_TranslucentBackground);
    minor.grid->addWidget(grpbxCrossFeasts, minor.row++, 0, 1, 2);
    finishFeastPage(minor, Image2);

    // St. Mary's.
    TFeastPage mary =
        makeFeastPage(pgcntrlFeasts, QStringLiteral("tbshtStMary"), QStringLiteral("St. Mary's"),
                      Image3, QStringLiteral("Image3"), QStringLiteral("Feasts for St. Mary:"),
                      lblGregYearStMary, QStringLiteral("lblGregYearStMary"), lblCopticYearsStMary,
                      QStringLiteral("lblCopticYearsStMary"));
    tbshtStMary = mary.page;
    p = tbshtStMary;
    mary.addRow(lblStMaryAnnuciationForHerBirth =
                    feast(p, "lblStMaryAnnuciationForHerBirth",
                          QStringLiteral("Annunciation of her birth:")),
                lblStMaryAnnuciationForHerBirthDay =
                    feast(p, "lblStMaryAnnuciationForHerBirthDay", monthDay));
    mary.addRow(lblStMaryBirthday = feast(p, "lblStMaryBirthday", QStringLiteral("Birthday:")),
                lblStMaryBirthdayDay = feast(p, "lblStMaryBirthdayDay", monthDay));
    mary.addRow(lblStMaryEntryToTemple =
                    feast(p, "lblStMaryEntryToTemple", QStringLiteral("Entry into the Temple:")),
                lblStMaryEntryToTempleDay = feast(p, "lblStMaryEntryToTempleDay", monthDay));
    mary.addRow(lblStMaryDeparture = feast(p, "lblStMaryDeparture", QStringLiteral("Departure:")),
                lblStMaryDepartureDay = feast(p, "lblStMaryDepartureDay", monthDay));
    mary.addRow(lblStMaryBodyAssumption =
                    feast(p, "lblStMaryBodyAssumption", QStringLiteral("Assumption of her body:")),
                lblStMaryBodyAssumptionDay = feast(p, "lblStMaryBodyAssumptionDay", monthDay));
    mary.addRow(lblStMaryFirstChurch =
                    feast(p, "lblStMaryFirstChurch", QStringLiteral("1st church after her name:")),
                lblStMaryFirstChurchDay = feast(p, "lblStMaryFirstChurchDay", monthDay));
    mary.addRow(lblStMaryZitune =
                    feast(p, "lblStMaryZitune", QStringLiteral("Apparition in Zeiton")),
                lblStMaryZituneDay = feast(p, "lblStMaryZituneDay", monthDay));
    finishFeastPage(mary, Image3);

    // Traveling.
    TFeastPage travel = makeFeastPage(
        pgcntrlFeasts, QStringLiteral("tbshtTraveling"), QStringLiteral("Traveling"), Image1,
        QStringLiteral("Image1"), QStringLiteral("Traveling Feasts / Fasts: "),
        lblGregYearChangeable, QStringLiteral("lblGregYearChangeable"), lblCopticYearsChangeable,
        QStringLiteral("lblCopticYearsChangeable"));
    tbshtTraveling = travel.page;
    p = tbshtTraveling;
    travel.addRow(feast(p, "", QStringLiteral("Nativity's Paramouni:")),
                  lblNativityParamouni = feast(p, "lblNativityParamouni", QString()));
    travel.addRow(feast(p, "", QStringLiteral("Epiphany's Paramouni")),
                  lblEpiphanyParamouni = feast(p, "lblEpiphanyParamouni", QString()));
    travel.addRow(feast(p, "", QStringLiteral("From Nativity to the Lent:")),
                  lblUnfastingDays = feast(p, "lblUnfastingDays", QString()));
    travel.addRow(feast(p, "", QStringLiteral("Start of Jonah's Fast:")),
                  lblStartOfJonahFast = feast(p, "lblStartOfJonahFast", monthDay));
    travel.addRow(feast(p, "", QStringLiteral("Start of the Lent:")),
                  lblStartOfTheLent = feast(p, "lblStartOfTheLent", monthDay));
    travel.addRow(feast(p, "", QStringLiteral("Holy Resurrection Feast:")),
                  lblResurrectionFeast = feast(p, "lblResurrectionFeast", monthDay));
    travel.addRow(feast(p, "", QStringLiteral("Apostles Fast starts on:")),
                  lblStartOfApostoleslFast = feast(p, "lblStartOfApostoleslFast", monthDay));
    travel.addRow(feast(p, "", QStringLiteral("Apostles Fast length:")),
                  lblApostolesFastDuration = feast(p, "lblApostolesFastDuration", QString()));
    travel.addRow(lblCopticNewYear =
                      feast(p, "lblCopticNewYear", QStringLiteral("Coptic New Year:")),
                  lblCopticNewYearDate = feast(p, "lblCopticNewYearDate", monthDay));
    finishFeastPage(travel, Image1);

    pgcntrlFeasts->setCurrentIndex(0);
    return tabs;
}
