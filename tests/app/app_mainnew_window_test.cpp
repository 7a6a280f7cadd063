// The main window's creation, first show and database opening.

#include "MainNewTestSupport.h"

#include "FixtureDb.h"
#include "Readings.h"
#include "RichEdit.h"
#include "Schema.h"
#include "TableEngine.h"
#include "ZIZ_Cldr.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

class MainNewWindow : public MainNewTest {};

// ------------------------------------------------------------ screen check ---

TEST(MainNewScreenCheck, NoWarningAt96DpiOn800x600) {
    EXPECT_EQ(ScreenCheckWarning({800, 600, 96}), QString());
}

TEST(MainNewScreenCheck, LargeFontsFitOn1024x768At120Dpi) {
    EXPECT_EQ(ScreenCheckWarning({1024, 768, 120}), QString());
}

TEST(MainNewScreenCheck, LargeFontsTooHighOn1280x720At120Dpi) {
    EXPECT_EQ(ScreenCheckWarning({1280, 720, 120}), QString::fromLatin1(LargeFontsWarning));
}

TEST(MainNewScreenCheck, LargeFontsTooWide) {
    // 800 x 1.25 = 1000 > 999 while the height fits.
    EXPECT_EQ(ScreenCheckWarning({999, 900, 120}), QString::fromLatin1(LargeFontsWarning));
}

TEST(MainNewScreenCheck, LowScreenAt96Dpi) {
    EXPECT_EQ(ScreenCheckWarning({1024, 576, 96}), QString::fromLatin1(ResolutionWarning));
}

TEST(MainNewScreenCheck, NarrowScreenAt96Dpi) {
    EXPECT_EQ(ScreenCheckWarning({799, 600, 96}), QString::fromLatin1(ResolutionWarning));
}

TEST_F(MainNewWindow, CreationWarnsOnceForLargeFontsAndGoesOn) {
    SetScreen(1280, 720, 120);
    TfrmMainNew& w = CreateWindow();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(LargeFontsWarning));
    EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
    EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
    EXPECT_TRUE(w.DayEngine);
    EXPECT_TRUE(w.NativityCalc);
}

TEST_F(MainNewWindow, CreationWarnsOnceForLowResolution) {
    SetScreen(1024, 576, 96);
    CreateWindow();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(ResolutionWarning));
    EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
}

TEST_F(MainNewWindow, CreationIsSilentOnGoodScreens) {
    CreateWindow();
    window.reset();
    SetScreen(1024, 768, 120);
    CreateWindow();
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(MainNewWindow, LargeFontsRatio) {
    TfrmMainNew& w = CreateWindow();
    double ratio = 0;
    EXPECT_FALSE(w.hasLargeFonts(ratio));
    EXPECT_DOUBLE_EQ(ratio, 1.0);
    SetScreen(1024, 768, 120);
    EXPECT_TRUE(w.hasLargeFonts(ratio));
    EXPECT_DOUBLE_EQ(ratio, 1.25);
}

// ----------------------------------------------------------- day state ---

TEST_F(MainNewWindow, CreationSetsTheDayStateDefaults) {
    TfrmMainNew& w = CreateWindow();
    EXPECT_EQ(w.ReadingsFont.family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(w.ReadingsFont.pointSize(), 12);
    EXPECT_TRUE(w.ReadingsFont.bold());
    EXPECT_FALSE(w.ReadingsFont.italic());
    EXPECT_EQ(w.PictureFile, QStringLiteral("xPantocrator2.jpg"));
    EXPECT_EQ(w.PictureCaption, QStringLiteral("Christ on the Throne"));
    EXPECT_EQ(w.PicturesFolder, env.ProgramFolder() + QStringLiteral("pict/"));
    // The data module reads the Synaxarium year from the window.
    ASSERT_NE(MainDM->DayStateSource(), nullptr);
    w.SelectedGregorianYear = 1999;
    EXPECT_EQ(MainDM->DayStateSource()->SelectedGregorianYear(), 1999);
}

TEST_F(MainNewWindow, WindowHasItsDesignSizeAndLimits) {
    TfrmMainNew& w = CreateWindow();
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_EQ(w.minimumSize(), QSize(500, 300));
    EXPECT_FALSE(w.btnIconList->isVisibleTo(&w));
}

// ---------------------------------------------------------------- layout ---

namespace {

QString captionOf(const QWidget& root, const char* name) {
    const QWidget* w = root.findChild<QWidget*>(QString::fromLatin1(name));
    if (!w)
        return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    return QStringLiteral("<no caption %1>").arg(QString::fromLatin1(name));
}

} // namespace

TEST_F(MainNewWindow, ControlsCarryTheirCaptions) {
    const TfrmMainNew& w = CreateWindow();
    const std::pair<const char*, const char*> captions[] = {
        {"grpbxTimes", "Time of the day"},
        {"btnVespers", "Vespers (night before)"},
        {"btnMatins", "Matins"},
        {"btnLiturgy", "Liturgy"},
        {"btnEvening", "Evening"},
        {"grpbxPalmSunday", "Palm Sunday"},
        {"btnPalmVespers", "Vespers"},
        {"btnPalmDay6thHour", "G. Funeral"},
        {"btnPalmDay9thHour", "Ninth"},
        {"btnPalmDay11thHour", "Eleventh"},
        {"grpbxHolyWeekHoursDay", "Hours, Day"},
        {"btnDay1stHour", "First"},
        {"btnDay12thHour", "Twelfth"},
        {"grpbxHolyWeekHoursNight", "Hours, Night"},
        {"btnNight11thHour", "Eleventh"},
        {"grpbxGoodSaturday", "Bright Saturday"},
        {"btnLightSaturdayPraises", "Songs and Prayers"},
        {"btnLightSaturday9thHour", "Ninth and Liturgy"},
        {"btnLightSaturdayLiturgy", "Liturgy"},
        {"btnAllReadings", "All Readings"},
        {"btnFeasts", "All feasts"},
        {"btnBible", "The Holy Bible"},
        {"btnIconList", "Icon List"},
        {"btnAbout", "About"},
        {"btnSetFont", "Set Font"},
        {"grpbxSynexeriam", "Synaxarium"},
        {"pblShowAllTheVerse", ">"},
        {"lblNativity", "Nativity:"},
        {"lblPentecost", "Pentecost:"},
        {"lblNotCelebrated", "* Not celebrated this year"},
        {"lblCircumsision", "Circumcision"},
        {"lblMoundThursday", "Maundy Thursday:"},
        {"grpbxCrossFeasts", "Feasts of the Holy Cross"},
        {"lblCross1", "First feast of the Cross:"},
        {"lblCross2", "Second feast: (3 days)"},
        {"lblStMaryAnnuciationForHerBirth", "Annunciation of her birth:"},
        {"lblStMaryFirstChurch", "1st church after her name:"},
        {"lblStMaryZitune", "Apparition in Zeiton"},
        {"lblNativityDay", "Month, day"},
        {"lblCrossDay2", "Month, day"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(captionOf(w, name), QString::fromLatin1(caption)) << name;

    const std::pair<QWidget*, const char*> hints[] = {
        {w.btnMultipleReadings, "Show Readings for More Than One Day"},
        {w.btnTodayReadings, "Set Calender to Today's Date"},
        {w.btnSetFont, "Set The Font For All Readings"},
        {w.btnRestoreDefaults, "Restore Readings Font To The Original Settings"},
        {w.pblShowAllTheVerse, "Show the verse of the day in a new window"},
        {w.lblCross1, "First feast of the Cross, Always in the Lent (it is the Second one in "
                      "the Coptic year)"},
        {w.lblCross2, "Second feast of the Cross, for 3 days (First in the Coptic Year)"},
    };
    for (const auto& [widget, hint] : hints)
        EXPECT_EQ(widget->toolTip(), QString::fromLatin1(hint)) << qPrintable(widget->objectName());
}

TEST_F(MainNewWindow, FeastPagesInTheirOrderWithTabsBelow) {
    const TfrmMainNew& w = CreateWindow();
    ASSERT_EQ(w.pgcntrlFeasts->count(), 4);
    const QStringList tabs = {QStringLiteral("Major Feasts"), QStringLiteral("Minor Feasts"),
                              QStringLiteral("St. Mary's"), QStringLiteral("Traveling")};
    const QList<QWidget*> pages = {w.tbshtMajor, w.tbshtMinorFeast, w.tbshtStMary,
                                   w.tbshtTraveling};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.pgcntrlFeasts->tabText(i), tabs[i]);
        EXPECT_EQ(w.pgcntrlFeasts->widget(i), pages[i]);
    }
    EXPECT_EQ(w.pgcntrlFeasts->tabPosition(), QTabWidget::South);
    // Every page title is there, the traveling one with its trailing blank.
    for (const char* title : {"The Lord's Major Feasts:", "The Lord's Minor Feasts:",
                              "Feasts for St. Mary:", "Traveling Feasts / Fasts: "}) {
        bool found = false;
        for (const QLabel* l : w.pgcntrlFeasts->findChildren<QLabel*>())
            found = found || l->text() == QLatin1String(title);
        EXPECT_TRUE(found) << title;
    }
    for (const QLabel* l : {w.lblNativity, w.lblNativityDay, w.lblCross2, w.lblStMaryZituneDay,
                            w.lblCopticNewYearDate, w.lblGregYearMajor})
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 0, 160))
            << qPrintable(l->objectName());
    EXPECT_FALSE(w.lblNotCelebrated->isVisibleTo(&w));
}

TEST_F(MainNewWindow, VersePanelIsReadOnlyAndCentred) {
    TfrmMainNew& w = CreateWindow();
    EXPECT_TRUE(w.rchedtVOD->isReadOnly());
    EXPECT_EQ(w.rchedtVOD->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    w.rchedtVOD->Clear(); // every verse starts from a cleared box
    EXPECT_TRUE(w.rchedtVOD->document()->defaultTextOption().alignment() & Qt::AlignHCenter);
}

// ------------------------------------------------------ date-format check ---

TEST_F(MainNewWindow, CalendarOf206PixelsNeitherWarnsNorWidens) {
    TfrmMainNew& w = CreateWindow();
    w.clndrDate->setFixedWidth(206);
    const int window = w.width(), left = w.pnlLeft->width(), dates = w.pnlDates->width();
    w.CheckDateFormat();
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(w.width(), window);
    EXPECT_EQ(w.pnlLeft->width(), left);
    EXPECT_EQ(w.pnlDates->width(), dates);
}

TEST_F(MainNewWindow, CalendarOf207PixelsWarnsAndWidensByOne) {
    TfrmMainNew& w = CreateWindow();
    w.clndrDate->setFixedWidth(207);
    const int window = w.width(), left = w.pnlLeft->width(), dates = w.pnlDates->width();
    w.CheckDateFormat();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(DateFormatWarning));
    EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
    EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(w.width(), window + 1);
    EXPECT_EQ(w.pnlLeft->width(), left + 1);
    EXPECT_EQ(w.pnlDates->width(), dates + 1);
}

TEST_F(MainNewWindow, EnglishDateFormatGivesNoWarning) {
    const QString locale = QLocale::system().name();
    if (!locale.startsWith(QLatin1String("en")) && locale != QLatin1String("C"))
        GTEST_SKIP() << "the system's date format is not English: " << locale.toStdString();
    TfrmMainNew& w = CreateWindow();
    w.layout()->activate();
    w.CheckDateFormat();
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(w.width(), 800);
}

TEST_F(MainNewWindow, LongMonthNamesWarnAndWidenTheWindow) {
    // Malayalam month names are far wider than "September".
    QLocale::setDefault(QLocale(QLocale::Malayalam, QLocale::India));
    TfrmMainNew& w = CreateWindow();
    w.CheckDateFormat();
    QLocale::setDefault(QLocale::system());
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(DateFormatWarning));
    const int extra = w.width() - 800;
    EXPECT_GT(extra, 0);
    EXPECT_EQ(w.pnlDates->width(), CalendarDesignWidth + extra);
    EXPECT_EQ(w.pnlLeft->width(), CalendarDesignWidth + 4 + extra);
}

// ------------------------------------------------------------ first show ---

TEST_F(MainNewWindow, FirstShowOpensTheTablesAndShowsToday) {
    TFixtureDatabase db;
    db.Finish();
    const auto before = FolderSnapshot(db.Folder());
    TfrmMainNew& w = CreateWindow();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(MessagesOf(mtError).isEmpty()) << MessagesOf(mtError).value(0).Text.toStdString();
    EXPECT_EQ(FolderSnapshot(db.Folder()), before); // the content folder is only read
    EXPECT_EQ(w.windowTitle(), QStringLiteral("E-Velmorande 2.0"));
    EXPECT_TRUE(w.btnIconList->isVisible());
    EXPECT_EQ(w.pgcntrlFeasts->currentIndex(), 0);
    EXPECT_EQ(w.CurrentDate, env.Today);
    EXPECT_EQ(w.clndrDate->Date(), env.Today);
    // After the first computation the year is the shown day's.
    EXPECT_EQ(w.SelectedGregorianYear, env.Today.year());
    EXPECT_TRUE(Session.HasPassword(TablePassword));
    const QList<TDataSet*> tables = MainDM->StartupTables();
    for (int i = 0; i < tables.size(); ++i)
        EXPECT_TRUE(tables[i]->Active()) << "table " << i + 1;
    EXPECT_EQ(w.height(), 600);
    EXPECT_EQ(w.maximumHeight(), 600);
    EXPECT_EQ(w.maximumWidth(), w.width());
}

TEST_F(MainNewWindow, StartupTablesOpenInTheirFixedOrder) {
    TMainDM& dm = *MainDM;
    const QList<TDataSet*> expected = {&dm.tblReadings,
                                       &dm.tblBookNames,
                                       &dm.tblBibleTranslations,
                                       &dm.tblBible,
                                       &dm.tblBibleBooksbyName,
                                       &dm.tblBookNamesFiltered,
                                       &dm.tblMonths,
                                       &dm.tblReadingsTypes,
                                       &dm.tblReadingsTimes,
                                       &dm.tblYearly,
                                       &dm.tblVelmTypes,
                                       &dm.tblLent,
                                       &dm.tblFifty,
                                       &dm.tblSundays,
                                       &dm.tblSynxHead,
                                       &dm.tblSynxHdBrowse,
                                       &dm.tblSynxHeadID,
                                       &dm.tblSynxDetail,
                                       &dm.tblSynxDetailSearch,
                                       &dm.tblSynxDtailByPictSaint,
                                       &dm.tblRpt1,
                                       &dm.tblRpt2,
                                       &dm.tblReadingTimesID,
                                       &dm.tblVerses,
                                       &dm.tblSynxSaints,
                                       &dm.tblSynxSaintByIdNum,
                                       &dm.tblBibleWords,
                                       &dm.tblWordVerse};
    const QList<TDataSet*> tables = dm.StartupTables();
    ASSERT_EQ(tables.size(), 28);
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(tables[i], expected[i]) << "table " << i + 1;
}

TEST_F(MainNewWindow, ExistingAliasIsUsedUnchanged) {
    TFixtureDatabase db; // registers VelmEng4 on its own folder
    db.Finish();
    ASSERT_TRUE(Session.IsAlias(QStringLiteral("VelmEng4")));
    TfrmMainNew& w = CreateWindow();
    w.show();
    EXPECT_EQ(QDir(Session.AliasPath(QStringLiteral("VelmEng4"))), QDir(db.Folder()));
    EXPECT_TRUE(MainDM->tblWordVerse.Active());
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
}

TEST_F(MainNewWindow, LargeFontsScaleTheSizeLimits) {
    TFixtureDatabase db;
    db.Finish();
    SetScreen(1600, 1200, 120);
    TfrmMainNew& w = CreateWindow();
    w.show();
    EXPECT_EQ(w.maximumSize(), QSize(1000, 750));
    EXPECT_EQ(w.size(), QSize(1000, 750));
}

// --------------------------------------------------------------- failures ---

class MainNewFailure : public MainNewTest {
protected:
    QString DataEng() const { return env.ProgramFolder() + QStringLiteral("DataEng"); }

    // Shows the window and checks what every failure has in common: one
    // error message, no crash, the window up, the content folder untouched.
    QString ShowAndExpectOneError() {
        const auto before = FolderSnapshot(env.ProgramFolder());
        TfrmMainNew& w = CreateWindow();
        w.show();
        QCoreApplication::processEvents(); // the calendar appears and paints
        // Moving the calendar afterwards computes nothing from half-open tables.
        w.clndrDate->SetDate(QDate(2024, 5, 5));
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(FolderSnapshot(env.ProgramFolder()), before);
        EXPECT_EQ(Session.AliasPath(QStringLiteral("VelmEng4")), DataEng());
        const auto errors = MessagesOf(mtError);
        EXPECT_EQ(errors.size(), 1)
            << errors.value(0).Text.toStdString() << " / " << errors.value(1).Text.toStdString();
        EXPECT_EQ(dialogs.Messages.size(), errors.size());
        EXPECT_NE(w.windowTitle(), QStringLiteral("E-Velmorande 2.0"));
        // Set before the tables are opened; no day was computed after it.
        EXPECT_EQ(w.SelectedGregorianYear, 2006);
        // Each command on the content says why it cannot work and opens
        // nothing: no readings window on a day never computed.
        Make(frmReadings);
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                 w.btnVespers, w.btnAllReadings, w.btnMultipleReadings, w.btnFeasts, w.btnBible}) {
            dialogs.Messages.clear();
            dialogs.ModalShows.clear();
            b->click();
            EXPECT_TRUE(dialogs.ModalShows.isEmpty()) << b->objectName().toStdString();
            EXPECT_EQ(dialogs.Messages.size(), 1) << b->objectName().toStdString();
            EXPECT_TRUE(dialogs.Messages.value(0).Text.endsWith(errors.value(0).Text))
                << dialogs.Messages.value(0).Text.toStdString();
        }
        return errors.value(0).Text;
    }

    // A content database in DataEng holding every table except `skip`.
    void WriteContent(const QString& password, const QString& skip = QString()) {
        ASSERT_TRUE(QDir().mkpath(DataEng()));
        TDatabaseWriter writer(DataEng(), password);
        for (const TTableDef& def : ContentTables())
            if (def.FileName.compare(skip, Qt::CaseInsensitive) != 0 && !def.UserWritable)
                writer.CreateTable(def);
        writer.Commit();
    }
};

TEST_F(MainNewFailure, MissingDataEngFolder) {
    const QString message = ShowAndExpectOneError();
    EXPECT_FALSE(message.isEmpty());
    EXPECT_FALSE(QDir(DataEng()).exists());
    EXPECT_FALSE(MainDM->tblReadings.Active());
}

TEST_F(MainNewFailure, MissingTableKeepsWhatWasOpened) {
    WriteContent(TablePassword, QStringLiteral("Verses.DB"));
    const QString message = ShowAndExpectOneError();
    EXPECT_TRUE(message.contains(QStringLiteral("Verses"), Qt::CaseInsensitive))
        << message.toStdString();
    // Opened in order up to the missing table, nothing after it.
    EXPECT_TRUE(MainDM->tblReadings.Active());
    EXPECT_TRUE(MainDM->tblReadingTimesID.Active());
    EXPECT_FALSE(MainDM->tblVerses.Active());
    EXPECT_FALSE(MainDM->tblWordVerse.Active());
}

TEST_F(MainNewFailure, WrongPassword) {
    WriteContent(QStringLiteral("99zzzzzz000000"));
    ShowAndExpectOneError();
    EXPECT_FALSE(MainDM->tblReadings.Active());
}

TEST_F(MainNewFailure, CorruptDatabaseFile) {
    ASSERT_TRUE(QDir().mkpath(DataEng()));
    QFile f(DataEng() + QLatin1Char('/') + DatabaseFileName());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray junk(8192, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) & 0xff);
    f.write(junk);
    f.close();
    ShowAndExpectOneError();
    EXPECT_FALSE(MainDM->tblReadings.Active());
}
