// The feasts and events window: opening at the shown day's year, the
// listing and its columns, year stepping, text size, printing and saving;
// then the main window's feast pages, their lit dates and the feasts button.

#include "AllDates.h"
#include "Apaqty.h"
#include "DayState.h"
#include "FeastEvents.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "PageControl.h"
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "TCalendarLighted.h"
#include "TestEnvironment.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString NL = QStringLiteral("\r\n");

struct TRun {
    QString Text;
    QColor Color;
    bool Bold;
    int Size;
};

// The runs of the block that holds `text`.
QList<TRun> RunsOfLine(const TRichEdit& e, const QString& text) {
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next()) {
        if (!b.text().contains(text))
            continue;
        QList<TRun> runs;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.push_back({it.fragment().text(), f.foreground().color(),
                            f.fontWeight() >= QFont::Bold, int(f.fontPointSize())});
        }
        return runs;
    }
    return {};
}

// Left edge of the text after the last tab of each listed event line.
QList<int> NameColumns(TRichEdit& e) {
    QList<int> xs;
    bool listing = false;
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next()) {
        if (b.text().startsWith(QLatin1String("Date")))
            listing = true;
        const int tab = static_cast<int>(b.text().lastIndexOf('\t'));
        if (!listing || tab < 0)
            continue;
        QTextCursor c(e.document());
        c.setPosition(b.position() + tab + 1);
        xs << e.cursorRect(c).left();
    }
    return xs;
}

class AllDatesWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.DayEngine = std::make_unique<TApaqty>();
        state.DayEngine->SetDate(QDate(2026, 3, 18));
        DayState = &state;
        frmPrintRich = &host;
        window.resize(900, 700);
    }
    void TearDown() override {
        frmPrintRich = nullptr;
        DayState = nullptr;
    }
    void Open() { ShowModal(&window); }
    QString Text() const { return window.rchedtAllDates->Text(); }

    TTestEnvironment env;
    TScriptedDialogs& dialogs = env.Dialogs;
    QTemporaryDir dir;
    TDayState state;
    TfrmPrintRich host;
    TfrmAllDates window;
};

} // namespace

TEST_F(AllDatesWindow, OpensAtTheShownDaysYearWithTheListing) {
    Open();
    EXPECT_EQ(window.windowTitle(), "Coptic Feasts and Events");
    EXPECT_EQ(window.lblGregYear->text(), "2026");
    EXPECT_EQ(window.lblCopticYear1->text(), "1742");
    EXPECT_EQ(window.lblCopticYear2->text(), "1743");
    ASSERT_EQ(window.EventList.size(), 28);
    const QString expected = FeastEvents::ListingTitle(2026, 1742) + NL +
                             FeastEvents::ListingLines(window.EventList, 5).join(NL) + NL;
    EXPECT_EQ(Text(), expected);
    EXPECT_TRUE(Text().contains("April 7\t\tThe Annunciation Feast ((Not Celebrated This Year))"));
    // The caret stands at the column heading.
    EXPECT_EQ(window.rchedtAllDates->SelStart(), Text().indexOf("Date\t\t\tFeast / Event"));
    EXPECT_EQ(window.rchedtAllDates->SelLength(), 0);
    EXPECT_EQ(window.rchedtAllDates->document()->defaultFont().family(), "Courier New");

    const QList<TRun> title = RunsOfLine(*window.rchedtAllDates, "Coptic Orthodox");
    ASSERT_FALSE(title.isEmpty());
    EXPECT_EQ(title[0].Color, QColor(255, 0, 0));
    EXPECT_TRUE(title[0].Bold);
    EXPECT_EQ(title[0].Size, 16);
    const QList<TRun> line = RunsOfLine(*window.rchedtAllDates, "Feast of The Cross");
    ASSERT_EQ(line.size(), 1);
    EXPECT_EQ(line[0].Color, QColor(0, 0, 0));
    EXPECT_TRUE(line[0].Bold);
    EXPECT_EQ(line[0].Size, 12);
}

TEST_F(AllDatesWindow, NamesStandInOneColumnAtEverySize) {
    Open();
    for (int size : {FeastEvents::tsLarge, FeastEvents::tsMedium, FeastEvents::tsSmall}) {
        window.cmbxTextSize->setCurrentIndex(size);
        const QList<int> xs = NameColumns(*window.rchedtAllDates);
        ASSERT_EQ(xs.size(), 30) << size; // heading, rule and 28 rows
        for (int x : xs)
            EXPECT_EQ(x, xs.first()) << "size " << size;
    }
}

TEST_F(AllDatesWindow, YearStepsStopAtWhatADateHoldsAndLeaveTheShownDay) {
    Open();
    window.spdbtnNextYear->click();
    EXPECT_EQ(window.lblGregYear->text(), "2027");
    EXPECT_TRUE(Text().contains("2027 (1743 / 1744 A.M.)"));
    window.spdbtnPrevYear->click();
    window.spdbtnPrevYear->click();
    EXPECT_EQ(window.lblGregYear->text(), "2025");
    EXPECT_EQ(state.DayEngine->Date, QDate(2026, 3, 18));

    window.ShowYear(FeastEvents::LastYear);
    window.spdbtnNextYear->click();
    EXPECT_EQ(window.YearEngine->Year, FeastEvents::LastYear);
    window.ShowYear(FeastEvents::FirstYear);
    window.spdbtnPrevYear->click();
    EXPECT_EQ(window.YearEngine->Year, FeastEvents::FirstYear);
    EXPECT_EQ(window.EventList.size(), 28);

    // Each opening starts again from the shown day's year; the size stays.
    window.cmbxTextSize->setCurrentIndex(FeastEvents::tsSmall);
    Open();
    EXPECT_EQ(window.lblGregYear->text(), "2026");
    EXPECT_EQ(window.TextSize, 10);
}

TEST_F(AllDatesWindow, TextSizeRendersTheSameRowsAgain) {
    Open();
    EXPECT_TRUE(Text().contains("May 21\t\tAscension of the Lord"));
    // A row the year does not have shows that the rows are not computed again.
    window.EventList << FeastEvents::EventRow(12, 31, "December 31", "Test row", "note");
    window.cmbxTextSize->setCurrentIndex(FeastEvents::tsLarge);
    EXPECT_EQ(window.TextSize, 16);
    EXPECT_EQ(window.CharsPerTab, 4);
    EXPECT_TRUE(Text().contains("May 21\t\t\tAscension of the Lord"));
    EXPECT_TRUE(Text().contains("December 31\t\tTest row (note)"));
    EXPECT_EQ(RunsOfLine(*window.rchedtAllDates, "Coptic Orthodox").value(0).Size, 20);
    EXPECT_EQ(RunsOfLine(*window.rchedtAllDates, "Test row").value(0).Size, 16);
    window.cmbxTextSize->setCurrentIndex(FeastEvents::tsSmall);
    EXPECT_EQ(window.TextSize, 10);
    EXPECT_EQ(window.CharsPerTab, 6);
    EXPECT_EQ(RunsOfLine(*window.rchedtAllDates, "Coptic Orthodox").value(0).Size, 14);
}

TEST_F(AllDatesWindow, SaveAsAddsTheExtensionAndAsksBeforeReplacing) {
    Open();
    dialogs.SaveAnswers.push_back(dir.filePath("feasts"));
    window.spdbtnSaveAs->click();
    ASSERT_EQ(dialogs.SaveRequests.size(), 1);
    EXPECT_EQ(dialogs.SaveRequests[0].Filter, "Rich Text (*.rtf)|*.RTF");
    EXPECT_EQ(dialogs.SaveRequests[0].FilterIndex, 1);
    QFile saved(dir.filePath("feasts.rtf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    saved.close();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("Feast of The Cross"));

    // Another year, saved over the file: No keeps the old one.
    window.spdbtnNextYear->click();
    dialogs.SaveAnswers.push_back(dir.filePath("feasts.rtf"));
    dialogs.MessageAnswers.push_back(mrNo);
    window.spdbtnSaveAs->click();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text,
              dir.filePath("feasts.rtf") + " already exists\n\rDo you want to replace it?");
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), rtf);
}

TEST_F(AllDatesWindow, PrintPreviewAndPageSetUpUseThePrintHost) {
    Open();
    QPrinter* printer = host.RichPrinter1->Printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath("feasts.pdf"));
    const QString header = "Coptic Orthodox Feasts and Events For Year: 2026 (1742 / 1743 A.M.)";

    dialogs.PrintAnswers.push_back(false);
    window.spdbtnPrint->click();
    EXPECT_EQ(dialogs.PrintCalls, 1);
    EXPECT_EQ(host.RichPrinter1->Header(), header);
    EXPECT_FALSE(QFile::exists(dir.filePath("feasts.pdf")));

    dialogs.PrintAnswers.push_back(true);
    window.spdbtnPrint->click();
    EXPECT_GT(QFileInfo(dir.filePath("feasts.pdf")).size(), 0);

    struct TCount : TPreviewPageSink {
        int Pages = 0;
        bool Ended = false;
        void SavePage(const QPicture&) override { ++Pages; }
        void EndPages() override { Ended = true; }
    } sink;
    TRichPrinter::SetPreviewWindowFactory([&](TRichPrinter&) { return &sink; });
    host.RichPrinter1->SetHeader(QString());
    window.spdbtnPreview->click();
    TRichPrinter::SetPreviewWindowFactory(nullptr);
    EXPECT_EQ(host.RichPrinter1->Header(), header);
    EXPECT_GE(sink.Pages, 1);
    EXPECT_TRUE(sink.Ended);

    dialogs.PageSetupAnswers.push_back(false);
    window.spdbtnPageSetup->click();
    EXPECT_EQ(dialogs.PageSetupCalls, 1);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(AllDatesWindow, EscapeAndCloseEndTheShow) {
    bool closedByEscape = false;
    dialogs.WhileModal = [&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        closedByEscape = !w->isVisible();
    };
    Open();
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(window.btnClose->text(), "&Close");
    EXPECT_EQ(window.btnClose->toolTip(), "Back to main Screen");
}

// ------------------------------------------------- main window's pages ---

namespace {

class FeastPages : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<DayFixture::TDayDatabase>();
        CreateWindow();
    }
    void TearDown() override {
        delete frmAllDates;
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    void Show(const QDate& date) {
        w().CurrentDate = date;
        w().RefreshDay();
    }
    int LitCount() const { return window->clndrDate->Grid()->Lights().Count(); }

    std::unique_ptr<DayFixture::TDayDatabase> db;
};

} // namespace

TEST_F(FeastPages, CaptionsAndLitDatesOfThreeYears) {
    Show(QDate(2024, 5, 5));
    EXPECT_EQ(w().lblGregYearMajor->text(), "2024");
    EXPECT_EQ(w().lblCopticYearsChangeable->text(), "1740 / 1741 A.M.");
    EXPECT_EQ(w().lblNativityDay->text(), "January 7,8");
    EXPECT_EQ(w().lblAnnunciationDay->text(), "April 7");
    EXPECT_TRUE(w().lblNotCelebrated->isHidden());
    EXPECT_EQ(w().lblCrossDay2->text(), "September 27");
    EXPECT_EQ(w().lblStMaryEntryToTempleDay->text(), "December 12");
    EXPECT_EQ(w().lblCopticNewYear->text(), "Coptic New Year (1741):");
    EXPECT_EQ(w().lblNativityParamouni->text(), "2 days");
    EXPECT_EQ(w().FormatMonthDay(QDate(2024, 1, 7)), "January 7");
    EXPECT_TRUE(w().clndrDate->IsDateLighted(QDate(2024, 1, 8)));
    EXPECT_TRUE(w().clndrDate->IsDateLighted(QDate(2024, 9, 29)));
    EXPECT_EQ(LitCount(), 27);

    Show(QDate(2026, 12, 31));
    EXPECT_EQ(w().lblAnnunciationDay->text(), "April 7*");
    EXPECT_FALSE(w().lblNotCelebrated->isHidden());
    EXPECT_FALSE(w().clndrDate->IsDateLighted(QDate(2026, 4, 7)));
    EXPECT_EQ(w().lblEpiphanyParamouni->text(), "3 days");
    EXPECT_EQ(LitCount(), 27 + 24);

    Show(QDate(2019, 1, 1));
    EXPECT_EQ(w().lblNativityDay->text(), "January 7");
    EXPECT_EQ(w().lblNativityParamouni->text(), "3 days");
    EXPECT_TRUE(w().lblNotCelebrated->isHidden());
    EXPECT_FALSE(w().clndrDate->IsDateLighted(QDate(2019, 1, 8)));
    EXPECT_EQ(LitCount(), 27 + 24 + 26);

    // Back to a year already shown: nothing is lit twice or taken away.
    Show(QDate(2024, 11, 1));
    EXPECT_EQ(LitCount(), 27 + 24 + 26);
    EXPECT_EQ(w().lblNativityDay->text(), "January 7,8");
}

TEST_F(FeastPages, AnnunciationNoteTellsWhy) {
    Show(QDate(2026, 1, 1));
    QTest::mouseClick(w().lblNotCelebrated, Qt::LeftButton, {},
                      w().lblNotCelebrated->rect().center());
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "The Church does not celebrate the Annunciation feast when it comes between the "
              "Last Friday of the Holy Lent until the second day of the Holy Fifty Days.");
    EXPECT_EQ(dialogs.Messages[0].Type, mtInformation);
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbOK);
}

TEST_F(FeastPages, TabsAreDrawnByTheWindowInDarkBlue) {
    auto* pages = qobject_cast<TPageControl*>(w().pgcntrlFeasts);
    ASSERT_NE(pages, nullptr);
    ASSERT_TRUE(pages->OnDrawTab);
    QImage image(120, 24, QImage::Format_RGB32);
    for (int tab = 0; tab < 4; ++tab) {
        image.fill(Qt::white);
        {
            QPainter p(&image);
            w().pgcntrlFeastsDrawTab(p, tab, image.rect(), false);
        }
        int blue = 0;
        int left = image.width();
        int right = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != Qt::white) {
                    blue += image.pixelColor(x, y) == QColor(0, 0, 160);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GT(blue, 10) << tab;
        // Centred: the margins on both sides differ by a pixel or two at most.
        EXPECT_LE(std::abs(left - (image.width() - 1 - right)), 2) << tab;
    }
}

TEST_F(FeastPages, FeastsButtonOpensTheShownYearAndLeavesTheDay) {
    frmAllDates = new TfrmAllDates;
    Show(QDate(2019, 3, 1));
    QString year;
    QString nextYear;
    dialogs.WhileModal = [&](QWidget* shown) {
        ASSERT_EQ(shown, frmAllDates);
        year = frmAllDates->lblGregYear->text();
        frmAllDates->spdbtnNextYear->click();
        nextYear = frmAllDates->lblGregYear->text();
    };
    ASSERT_TRUE(w().btnFeasts->isEnabled());
    w().btnFeasts->click();
    EXPECT_EQ(dialogs.ModalShows.size(), 1);
    EXPECT_EQ(year, "2019");
    EXPECT_EQ(nextYear, "2020");
    EXPECT_EQ(w().CurrentDate, QDate(2019, 3, 1));
    EXPECT_EQ(w().DayEngine->Year, 2019);
    EXPECT_EQ(w().lblGregYearMajor->text(), "2019");
}
