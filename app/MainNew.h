#pragma once
// The main window: holder of the shown church day (it is the day state of
// DayState.h, which other windows include instead of this header), with the
// calendar, the day's labels, saints, picture, verse of the day, feast pages
// and the service and command buttons.
//
// Member functions are spread over several sources:
//   MainNew.cpp        creation, first show, screen and date-format checks
//   MainNewLayout.cpp  the controls and their placement
//   MainNewDay.cpp     day computation, day record, saints, picture, verse look-up
// and the later files of the feast pages, commands, fonts and services.

#include "DayState.h"
#include "Environment.h"

#include <QDate>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QPainter;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class QFrame;
class TFullCalendarLight;
class TRichEdit;
class IDayStateSource;
namespace DayRules {
struct TShownDay;
}
namespace ServiceButtons {
struct TServiceButton;
struct TGroupState;
} // namespace ServiceButtons

// The warning the screen check gives for a screen, or "" when none.
QString ScreenCheckWarning(const TScreenMetrics& screen);

extern const char* const LargeFontsWarning;
extern const char* const ResolutionWarning;
extern const char* const DateFormatWarning;

// Width of the calendar with a short English date format; a wider calendar
// means a long regional date format.
constexpr int CalendarDesignWidth = 206;
// The first year whose days the window computes; the calendar shows none
// before it, so the day shown always matches the calendar.
constexpr int FirstComputedYear = 1901;

// The calendar's font in the window's design: what its width is judged by.
QFont CalendarDesignFont(const QFont& base);

// The picture the day picture opens enlarged: "xName.jpg" stands for
// "Name.jpg" when the pictures folder holds that, else for itself.
QString LargerPictureName(const QString& pictureFile, const QString& picturesFolder);
// Where the main window sits on a screen (both in the window's pixels):
// centred, but at the top edge of a screen exactly 600 pixels high.
QPoint MainWindowPlacement(const QSize& window, const QSize& screen);

class TfrmMainNew : public QWidget, public TDayState {
    Q_OBJECT
public:
    explicit TfrmMainNew(QWidget* parent = nullptr);
    ~TfrmMainNew() override;

    // ------------------------------------------ creation and first show ---
    void FormCreate();
    void FormShow();
    // FormShow with its errors reported once through the application's
    // default handler; the window stays up with what was opened.
    void FormShowGuarded();
    // A command on the shown day or the content, after a start-up that
    // could not open every table, ends here with that failure's message
    // rather than opening a window on a day never computed.
    void RequireContentOpened() const;
    bool hasLargeFonts(double& ratio) const;
    // The primary screen as the checks see it (the environment's).
    static TScreenMetrics CurrentScreenMetrics();
    // The date-format check and the widening it causes (first show step 1).
    void CheckDateFormat();
    // Folder of the program file with its trailing separator (the
    // environment's).
    static QString ProgramFolder();

    // ------------------------------------------------ day computation ---
    void clndrDateChange();
    void RefreshDay();
    // After a day failed to compute: back to the given day, shown whole.
    void ReturnToDay(const QDate& day);
    void ShowDay(bool fillFeastTabs);
    QString BuildDayTitle(const QDate& date);
    // In/out: the key bytes of DayKey; out: the strings (emptied first).
    int GetDayRecord(QString& dayComment, QString& dayName, QString& verseOfTheDay,
                     QString& noteText);
    TFastingLevel GetFastingLevel();
    bool IsNoAbstinenceDay();
    TTuneKind GetTuneKind();
    bool IsSynaxariumRead();

    // ------------------------------------- saints, picture, verse look-up ---
    void FillSynaxariumLabels();
    int LocateSynaxariumDay();
    void RefreshDayPictureAndTime(bool withPicture);
    void SelectDayPicture(TDayCategory category);
    void GetVerseOfTheDay(QString& verse);
    void OpenSynaxarium(int entry);
    void lblSynx1Click();
    void lblSynx2Click();
    void lblSynx3Click();
    void lblSynx4Click();
    void lblSynx5Click();
    void lblSynx6Click();
    void lblSynx7Click();
    void lblSynx8Click();
    void lblSynx9Click();
    void lblSynx10Click();
    void lblSynx11Click();
    void lblSynx12Click();

    // ----------------------------------- operations filled by later work ---
    TDayCategory GetDayCategory();
    void FillFeastTabs();
    void ShowVerseOfTheDay();
    void LoadReadingsFont();
    void ShowReadingsForDateRange(const QDate& startDate, const QDate& endDate);

    // ---------------------------------------------- services and readings ---
    // The groups of service buttons that the day category offers.
    void ShowServiceGroups(TDayCategory category);
    void ApplyServiceGroups(const ServiceButtons::TGroupState& g);
    // The service buttons keep the room of the day that needs the most, so
    // that no day moves the right panel or scrolls the left one alone.
    void FitServicesToEveryDay();
    void ServiceButtonClick(const ServiceButtons::TServiceButton& button);
    void btnAllReadingsClick();
    void btnTodayReadingsClick();
    void btnFeastsClick();
    // Fills the readings window's parameters from the day state and shows it.
    void ShowServiceReadings(bool AllServices);
    void FillReadingsParameters(bool AllServices);
    // The readings title of the shown day, and its size, on a label.
    void SetReadingTitle(QLabel* label);
    // The multiple-days dialog for the calendar's date.
    void btnMultipleReadingsClick();

    // ------------------------------------ feast pages, verse and fonts ---
    // "January 7": the feast pages' date text.
    QString FormatMonthDay(const QDate& date) const;
    void pgcntrlFeastsDrawTab(QPainter& canvas, int TabIndex, const QRect& rect, bool Active);
    void lblNotCelebratedClick();
    void pblShowAllTheVerseClick();
    void pnlTopRightDblClick();
    void btnSetFontClick();
    void btnRestoreDefaultsClick();

    // ------------------------------------------------------- commands ---
    void btnBibleClick();
    void btnIconListClick();
    void btnAboutClick();
    void lblWebAddressClick();
    // The day picture enlarged in the picture window.
    void imgDefaultClick();
    // The readings of every service of the shown day, as "All Readings".
    void clndrDateDblClick();
    // Back to the window's place on the screen, from every paint.
    void FormPaint();
    // The primary screen (the environment's) in the window's own pixels.
    static QSize ScreenSizeInWindowPixels();

    // ------------------------------------------------------- controls ---
    QFrame* pnlLeft = nullptr;
    QFrame* pnlDates = nullptr;
    QWidget* pnlServices = nullptr;
    TFullCalendarLight* clndrDate = nullptr;
    QLabel* lblGregDate = nullptr;
    QLabel* lblDOW = nullptr;
    QLabel* lblCopticDate = nullptr;
    QLabel* lblFasting = nullptr;
    QLabel* lblTune = nullptr;

    QGroupBox* grpbxSynexeriam = nullptr;
    QLabel* lblSynx1 = nullptr;
    QLabel* lblSynx2 = nullptr;
    QLabel* lblSynx3 = nullptr;
    QLabel* lblSynx4 = nullptr;
    QLabel* lblSynx5 = nullptr;
    QLabel* lblSynx6 = nullptr;
    QLabel* lblSynx7 = nullptr;
    QLabel* lblSynx8 = nullptr;
    QLabel* lblSynx9 = nullptr;
    QLabel* lblSynx10 = nullptr;
    QLabel* lblSynx11 = nullptr;
    QLabel* lblSynx12 = nullptr;
    // lblSynx1..lblSynx12 by number - 1.
    std::array<QLabel*, 12> SynxLabels() const;

    QLabel* imgDefault = nullptr;
    QLabel* lblSaintName = nullptr;

    // Verse of the day.
    QFrame* pnlTopRight = nullptr;
    TRichEdit* rchedtVOD = nullptr;
    QLabel* pblShowAllTheVerse = nullptr;

    // Services.
    QGroupBox* grpbxTimes = nullptr;
    QPushButton* btnVespers = nullptr;
    QPushButton* btnMatins = nullptr;
    QPushButton* btnLiturgy = nullptr;
    QPushButton* btnEvening = nullptr;
    QGroupBox* grpbxPalmSunday = nullptr;
    QPushButton* btnPalmVespers = nullptr;
    QPushButton* btnPalmMatins = nullptr;
    QPushButton* btnPalmLiturgy = nullptr;
    QPushButton* btnPalmDay6thHour = nullptr;
    QPushButton* btnPalmDay9thHour = nullptr;
    QPushButton* btnPalmDay11thHour = nullptr;
    QGroupBox* grpbxHolyWeekHoursDay = nullptr;
    QPushButton* btnDay1stHour = nullptr;
    QPushButton* btnDay3rdHour = nullptr;
    QPushButton* btnDay6thHour = nullptr;
    QPushButton* btnDay9thHour = nullptr;
    QPushButton* btnDay11thHour = nullptr;
    QPushButton* btnDay12thHour = nullptr;
    QGroupBox* grpbxHolyWeekHoursNight = nullptr;
    QPushButton* btnNight1stHour = nullptr;
    QPushButton* btnNight3rdHour = nullptr;
    QPushButton* btnNight6thHour = nullptr;
    QPushButton* btnNight9thHour = nullptr;
    QPushButton* btnNight11thHour = nullptr;
    QGroupBox* grpbxGoodSaturday = nullptr;
    QPushButton* btnLightSaturdayPraises = nullptr;
    QPushButton* btnLightSaturday1stHour = nullptr;
    QPushButton* btnLightSaturday3rdHour = nullptr;
    QPushButton* btnLightSaturday6thHour = nullptr;
    QPushButton* btnLightSaturday9thHour = nullptr;
    QPushButton* btnLightSaturdayLiturgy = nullptr;
    QPushButton* btnAllReadings = nullptr;
    QToolButton* btnMultipleReadings = nullptr;
    QToolButton* btnTodayReadings = nullptr;
    QPushButton* btnFeasts = nullptr;

    // Commands.
    QPushButton* btnBible = nullptr;
    QPushButton* btnIconList = nullptr;
    QPushButton* btnAbout = nullptr;
    QPushButton* btnSetFont = nullptr;
    QToolButton* btnRestoreDefaults = nullptr;
    QLabel* lblWebAddress = nullptr;

    // Feast pages.
    QTabWidget* pgcntrlFeasts = nullptr;
    QWidget* tbshtMajor = nullptr;
    QWidget* tbshtMinorFeast = nullptr;
    QWidget* tbshtStMary = nullptr;
    QWidget* tbshtTraveling = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblGregYearMajor = nullptr;
    QLabel* lblCopticYearsMajor = nullptr;
    QLabel* lblGregYearMinor = nullptr;
    QLabel* lblCopticYearsMinor = nullptr;
    QLabel* lblGregYearStMary = nullptr;
    QLabel* lblCopticYearsStMary = nullptr;
    QLabel* lblGregYearChangeable = nullptr;
    QLabel* lblCopticYearsChangeable = nullptr;
    // Major.
    QLabel* lblNativity = nullptr;
    QLabel* lblNativityDay = nullptr;
    QLabel* lblEpiphany = nullptr;
    QLabel* lblEpiphanyDay = nullptr;
    QLabel* lblPalmSunday = nullptr;
    QLabel* lblPalmSundayDay = nullptr;
    QLabel* lblResurrection = nullptr;
    QLabel* lblResurrectionDay = nullptr;
    QLabel* lblAscension = nullptr;
    QLabel* lblAscensionDay = nullptr;
    QLabel* lblPentecost = nullptr;
    QLabel* lblPenticostDay = nullptr;
    QLabel* lblAnnunciation = nullptr;
    QLabel* lblAnnunciationDay = nullptr;
    QLabel* lblNotCelebrated = nullptr;
    // Minor.
    QLabel* lblCircumsision = nullptr;
    QLabel* lblCircumsisionDay = nullptr;
    QLabel* lblCanaGalilee = nullptr;
    QLabel* lblCanaGalileeDay = nullptr;
    QLabel* lblEntryToTemple = nullptr;
    QLabel* lblEntryToTempleDay = nullptr;
    QLabel* lblMoundThursday = nullptr;
    QLabel* lblMoundThursdayDay = nullptr;
    QLabel* lblThomasSunday = nullptr;
    QLabel* lblThomasSundayDay = nullptr;
    QLabel* lblEntryToEgypt = nullptr;
    QLabel* lblEntryToEgyptDay = nullptr;
    QLabel* lblTransfiguration = nullptr;
    QLabel* lblTransfigurationDay = nullptr;
    QGroupBox* grpbxCrossFeasts = nullptr;
    QLabel* lblCross1 = nullptr;
    QLabel* lblCrossDay1 = nullptr;
    QLabel* lblCross2 = nullptr;
    QLabel* lblCrossDay2 = nullptr;
    // St. Mary's.
    QLabel* lblStMaryAnnuciationForHerBirth = nullptr;
    QLabel* lblStMaryAnnuciationForHerBirthDay = nullptr;
    QLabel* lblStMaryBirthday = nullptr;
    QLabel* lblStMaryBirthdayDay = nullptr;
    QLabel* lblStMaryEntryToTemple = nullptr;
    QLabel* lblStMaryEntryToTempleDay = nullptr;
    QLabel* lblStMaryDeparture = nullptr;
    QLabel* lblStMaryDepartureDay = nullptr;
    QLabel* lblStMaryBodyAssumption = nullptr;
    QLabel* lblStMaryBodyAssumptionDay = nullptr;
    QLabel* lblStMaryFirstChurch = nullptr;
    QLabel* lblStMaryFirstChurchDay = nullptr;
    QLabel* lblStMaryZitune = nullptr;
    QLabel* lblStMaryZituneDay = nullptr;
    // Traveling.
    QLabel* lblNativityParamouni = nullptr;
    QLabel* lblEpiphanyParamouni = nullptr;
    QLabel* lblUnfastingDays = nullptr;
    QLabel* lblStartOfJonahFast = nullptr;
    QLabel* lblStartOfTheLent = nullptr;
    QLabel* lblResurrectionFeast = nullptr;
    QLabel* lblStartOfApostoleslFast = nullptr;
    QLabel* lblApostolesFastDuration = nullptr;
    QLabel* lblCopticNewYear = nullptr;
    QLabel* lblCopticNewYearDate = nullptr;

    // Called once after the first show's work has shown the day; the
    // start-up benchmark stops its clock here.
    std::function<void()> OnFirstDayShown;

    // The first show runs FormShow before the window and its controls
    // appear, as a show handler does.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ConnectCommands();
    void CreateControls();
    QWidget* CreateLeftPanel();
    QWidget* CreateRightPanel();
    QWidget* CreateServiceButtons();
    void ConnectServiceButtons();
    QWidget* CreateFeastPages();
    void ConnectFeastsAndFonts();
    // The feast pages' date labels, feast names and pictures made live.
    void ConnectFeastLabels();
    // The verse window's title and text for the shown day, then its show.
    void ShowVerseWindow();
    void ApplySizeLimits();
    bool shownOnce_ = false;
    // Why the first show could not open the content; empty when it did.
    QString startupFailure_;
    // What the data module reads of the shown day (weekday, Synaxarium year).
    std::unique_ptr<IDayStateSource> dayStateSource_;
    // The day last computed by ShowDay.
    std::unique_ptr<DayRules::TShownDay> shownDay_;
};

extern TfrmMainNew* frmMainNew;
