// The main window's creation and first show: the day state's defaults, the
// screen checks, the content tables opened and today shown.

#include "MainNew.h"

#include "Apaqty.h"
#include "ClickFilter.h"
#include "DMMain.h"
#include "Dialogs.h"
#include "ErrorHandler.h"
#include "Jpeg.h"
#include "NativityCalculator.h"
#include "Schema.h"
#include "Shell.h"
#include "ShownDay.h"
#include "TableEngine.h"
#include "ZIZ_Cldr.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

TfrmMainNew* frmMainNew = nullptr;

const char* const LargeFontsWarning = "Your Computer is set to use Large Fonts, Large Fonts are "
                                      "not compatible with Your Current Screen "
                                      "Resolution, Please Use Control Panel, Display, Settings, "
                                      "Advanced and set the font to Small or the DPI "
                                      "to 96 (normal)";
const char* const ResolutionWarning = "Your Monitor's Resolution Has To Be 600x800 at Least in "
                                      "Order For This Program to Work Correctly";
const char* const DateFormatWarning = "Incompatible Date Format, For Best Results Please Set "
                                      "Windows Regional And Language Options, Standards "
                                      "and Formats to Use English USA";

namespace {

int roundToInt(double v) {
    return static_cast<int>(std::lround(v));
}

// The data module reads the shown day's weekday and the Synaxarium year at
// the moment of use.
class TMainNewDayState final : public IDayStateSource {
public:
    explicit TMainNewDayState(const TfrmMainNew& window) : window_(window) {}
    int WeekDay() const override {
        if (window_.DayEngine && window_.DayEngine->WeekDay != 0)
            return window_.DayEngine->WeekDay;
        return DayOfWeekSun1(window_.CurrentDate.isValid() ? window_.CurrentDate : Today());
    }
    int SelectedGregorianYear() const override { return window_.SelectedGregorianYear; }

private:
    const TfrmMainNew& window_;
};

// The calendar's arrangement at a font, without touching its layout.
struct TCalendarMeasure : TFullCalendarLight {
    static int WidthAt(const TFullCalendarLight& calendar, const QFont& font) {
        return (calendar.*(&TCalendarMeasure::Measure))(font).width;
    }
};

} // namespace

QFont CalendarDesignFont(const QFont& base) {
    QFont f = base;
    f.setPointSize(8);
    f.setBold(true);
    return f;
}

QString ScreenCheckWarning(const TScreenMetrics& screen) {
    const double ratio = screen.LogPixelsX / 96.0;
    if (screen.LogPixelsX > 96) {
        if (roundToInt(600 * ratio) > screen.Height || roundToInt(800 * ratio) > screen.Width)
            return QString::fromLatin1(LargeFontsWarning);
    } else if (screen.Height < 600 || screen.Width < 800) {
        return QString::fromLatin1(ResolutionWarning);
    }
    return QString();
}

TScreenMetrics TfrmMainNew::CurrentScreenMetrics() {
    return PrimaryScreenMetrics();
}

QString TfrmMainNew::ProgramFolder() {
    return ::ProgramFolder();
}

TfrmMainNew::TfrmMainNew(QWidget* parent)
    : QWidget(parent), dayStateSource_(std::make_unique<TMainNewDayState>(*this)) {
    resize(800, 600);
    setMinimumSize(500, 300);
    CreateControls();
    FitServicesToEveryDay();

    clndrDate->SetFirstYear(FirstComputedYear);
    clndrDate->SetYearRange(0);
    clndrDate->SetAutoRepeat(2);
    const QColor skyBlue(166, 202, 240);
    clndrDate->SetColorLight(skyBlue);
    clndrDate->SetColorLightSelect(QColor(0, 0, 255));
    clndrDate->SetColorLightSunday(skyBlue);
    clndrDate->SetColorSunday(palette().color(QPalette::Button));
    clndrDate->SetStartOfWeek(0);
    clndrDate->SetWeekEnd(TLightDay(SunDay));
    clndrDate->OnChange = [this](TFullCalendarAncestor*) { clndrDateChange(); };

    const std::array<void (TfrmMainNew::*)(), 12> synxClicks = {
        &TfrmMainNew::lblSynx1Click,  &TfrmMainNew::lblSynx2Click,  &TfrmMainNew::lblSynx3Click,
        &TfrmMainNew::lblSynx4Click,  &TfrmMainNew::lblSynx5Click,  &TfrmMainNew::lblSynx6Click,
        &TfrmMainNew::lblSynx7Click,  &TfrmMainNew::lblSynx8Click,  &TfrmMainNew::lblSynx9Click,
        &TfrmMainNew::lblSynx10Click, &TfrmMainNew::lblSynx11Click, &TfrmMainNew::lblSynx12Click};
    const auto labels = SynxLabels();
    for (int i = 0; i < 12; ++i)
        OnWidgetClick(labels[i], [this, handler = synxClicks[i]] { (this->*handler)(); });
    ConnectFeastsAndFonts();
    ConnectFeastLabels();

    ConnectServiceButtons();
    ConnectCommands();

    if (MainDM)
        MainDM->SetDayStateSource(dayStateSource_.get());
    DayState = this;
    FormCreate();
}

TfrmMainNew::~TfrmMainNew() {
    if (MainDM && MainDM->DayStateSource() == dayStateSource_.get())
        MainDM->SetDayStateSource(nullptr);
    if (frmMainNew == this)
        frmMainNew = nullptr;
}

void TfrmMainNew::FormCreate() {
    ReadingsFont = QFont(QStringLiteral("Times New Roman"));
    ReadingsFont.setPointSize(12);
    ReadingsFont.setBold(true);
    FontDialog1.Font = ReadingsFont;

    DayEngine = std::make_unique<TApaqty>();
    NativityCalc = std::make_unique<TNativityCalculator>();

    PictureFile = QStringLiteral("xPantocrator2.jpg");
    PictureCaption = QStringLiteral("Christ on the Throne");
    PicturesFolder = ProgramFolder() + QStringLiteral("pict/");
    // The picture the window is designed with, until a day chooses another.
    TJPEGImage picture;
    if (picture.TryLoadFromFile(PicturesFolder + PictureFile))
        imgDefault->setPixmap(QPixmap::fromImage(picture.Image()));
    lblSaintName->setText(PictureCaption);

    const QString warning = ScreenCheckWarning(CurrentScreenMetrics());
    if (!warning.isEmpty())
        MessageDlg(warning, mtWarning, mbOK);
}

bool TfrmMainNew::hasLargeFonts(double& ratio) const {
    const int dpi = CurrentScreenMetrics().LogPixelsX;
    ratio = dpi / 96.0;
    return dpi > 96;
}

void TfrmMainNew::CheckDateFormat() {
    // The calendar fits its font to the panel, so its width is that of its
    // arrangement at the design font, which a long date format widens.
    const int arranged =
        TCalendarMeasure::WidthAt(*clndrDate, CalendarDesignFont(clndrDate->font()));
    const int calendarWidth = std::max(clndrDate->minimumWidth(), arranged);
    if (calendarWidth <= CalendarDesignWidth)
        return;
    MessageDlg(QString::fromLatin1(DateFormatWarning), mtWarning, mbOK);
    const int extra = calendarWidth - CalendarDesignWidth;
    setMaximumWidth(QWIDGETSIZE_MAX);
    resize(width() + extra, height());
    pnlLeft->setMinimumWidth(pnlLeft->minimumWidth() + extra);
    pnlDates->setFixedWidth(pnlDates->width() + extra);
}

void TfrmMainNew::ApplySizeLimits() {
    double ratio = 1.0;
    if (hasLargeFonts(ratio)) {
        // The limits are device pixels; Qt already scales the window's own
        // sizes by the screen's scale, so only the rest of the ratio is ours.
        const TScreenMetrics screen = CurrentScreenMetrics();
        const double own = ratio / screen.Scale;
        const int maxHeight = roundToInt(height() * own);
        const int maxWidth = roundToInt(width() * own);
        setMaximumSize(maxWidth, maxHeight);
        // A window larger than the screen would be cut off; the warning has
        // told the user why it does not fit.
        const int screenWidth = roundToInt(screen.Width / screen.Scale);
        const int screenHeight = roundToInt(screen.Height / screen.Scale);
        resize(std::max(minimumWidth(), std::min(maxWidth, screenWidth)),
               std::max(minimumHeight(), std::min(maxHeight, screenHeight)));
    } else {
        setMaximumSize(width(), 600);
        resize(width(), 600);
    }
}

void TfrmMainNew::FormShow() {
    CheckDateFormat();
    ApplySizeLimits();
    SelectedGregorianYear = 2006;

    Session.AddPassword(TablePassword);
    if (!Session.IsAlias(DatabaseAlias))
        Session.AddStandardAlias(DatabaseAlias, ProgramFolder() + QStringLiteral("DataEng"),
                                 QStringLiteral("PARADOX"));
    MainDM->OpenStartupTables();

    // The calendar's first update with its change handler attached reports
    // a change, and the change handler shows today.
    clndrDate->ClearLightDates();
    clndrDate->SetDate(Today());

    // Only a day the calendar has set is shown: none is computed from an
    // empty date.
    if (CurrentDate.isValid()) {
        ShowDay(true);
        RefreshDayPictureAndTime(true);
    }
    pgcntrlFeasts->setCurrentIndex(0);
    setWindowTitle(QStringLiteral("E-Velmorande 2.0"));
    btnIconList->setVisible(true);
    LoadReadingsFont();
    ShowVerseOfTheDay();

    if (OnFirstDayShown)
        OnFirstDayShown();
}

void TfrmMainNew::FormShowGuarded() {
    RunGuarded([this] {
        try {
            FormShow();
        } catch (const std::exception& e) {
            startupFailure_ = QString::fromUtf8(e.what());
            throw;
        }
    });
    // With the tables only partly open a day cannot be computed: the calendar
    // would report its first change when it appears and fail again on the
    // missing tables, so it stops reporting changes.
    const QList<TDataSet*> tables = MainDM ? MainDM->StartupTables() : QList<TDataSet*>();
    if (tables.isEmpty() || !tables.last()->Active())
        clndrDate->OnChange = nullptr;
}

void TfrmMainNew::RequireContentOpened() const {
    if (!startupFailure_.isEmpty())
        throw std::runtime_error(
            (QStringLiteral("This cannot be shown: the program's content was not opened at "
                            "start-up.\n") +
             startupFailure_)
                .toStdString());
}

void TfrmMainNew::setVisible(bool visible) {
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        ensurePolished();
        if (layout())
            layout()->activate();
        FormShowGuarded();
    }
    QWidget::setVisible(visible);
}
