#include "CldrDates.h"
#include "Environment.h"
#include "TButPanel.h"
#include "TCalendarLighted.h"
#include "ZIZ_Cldr.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CalendarFullCalendar : public ::testing::Test {
protected:
    CalendarFullCalendar() {
        env.Today = [this] { return today; };
    }
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        cal = std::make_unique<TFullCalendarLight>();
        cal->resize(209, 209);
    }
    void TearDown() override {
        cal.reset();
        QLocale::setDefault(QLocale::c());
    }
    void CountChanges() {
        cal->OnChange = [this](TFullCalendarAncestor* sender) {
            EXPECT_EQ(sender, cal.get());
            ++changes;
        };
    }
    // Shows a date, then counts the changes that follow.
    void Start(const QDate& d) {
        cal->SetDate(d);
        CountChanges();
        cal->SetDate(d); // the first update with a handler reports once
        changes = 0;
    }
    void Click(int tag) {
        TButPanel* b = cal->StepButton(tag);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
    }
    QDate StepFrom(const QDate& d, int tag) {
        Start(d);
        Click(tag);
        return cal->Date();
    }
    void Type(const QString& text) {
        cal->DateEdit()->clear();
        QTest::keyClicks(cal->DateEdit(), text);
        QTest::keyClick(cal->DateEdit(), Qt::Key_Return);
    }

    // The last day of a year: a test that read the real clock would see
    // today change under it at midnight, and the year change at New Year.
    const QDate today{2026, 12, 31};
    TEnvironment env;
    TEnvironmentScope scope{env};
    std::unique_ptr<TFullCalendarLight> cal;
    int changes = 0;
};

TEST_F(CalendarFullCalendar, StartsOnTodayWithTheDefaults) {
    EXPECT_EQ(cal->Date(), today);
    EXPECT_EQ(cal->YearRange(), 5);
    EXPECT_EQ(cal->AutoRepeat(), 300);
    EXPECT_EQ(cal->StartOfWeek(), 1);
    EXPECT_EQ(cal->WeekEnd(), TLightDay(SunDay) | SaturDay);
    EXPECT_EQ(cal->MonthCombo()->count(), 12);
    EXPECT_EQ(cal->MonthCombo()->itemText(0), "January");
    EXPECT_EQ(cal->YearSpin()->value(), today.year());
    // The first update puts the spin's limits one year beyond the range.
    EXPECT_EQ(cal->YearSpin()->minimum(), today.year() - 6);
    EXPECT_EQ(cal->YearSpin()->maximum(), today.year() + 6);
    EXPECT_EQ(cal->Grid()->CalendarDate(), today);
}

TEST_F(CalendarFullCalendar, FirstUpdateWithAHandlerReportsOnce) {
    CountChanges();
    cal->SetDate(today);
    EXPECT_EQ(changes, 1);
    cal->UpdateParts();
    cal->SetDate(today);
    EXPECT_EQ(changes, 1);
    cal->SetDate(QDate(2020, 5, 5));
    EXPECT_EQ(changes, 2);
}

TEST_F(CalendarFullCalendar, FirstUpdateToAnotherDateReportsTheUpdateAndTheChange) {
    CountChanges();
    cal->SetDate(QDate(2020, 5, 5));
    EXPECT_EQ(changes, 2);
    cal->SetDate(QDate(2020, 5, 6));
    EXPECT_EQ(changes, 3);
}

TEST_F(CalendarFullCalendar, UpdatePartsDoesNotReportChangesOfItsParts) {
    Start(QDate(2024, 2, 29));
    cal->SetStartOfWeek(0);
    cal->SetColorLight(Qt::cyan);
    cal->UpdateParts();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(cal->Grid()->StartOfWeek(), 0);
    EXPECT_EQ(cal->Grid()->ColorLight(), QColor(Qt::cyan));
    EXPECT_EQ(cal->MonthCombo()->currentIndex(), 1);
    EXPECT_EQ(cal->DateEdit()->text(), "2/29/24");
}

TEST_F(CalendarFullCalendar, StartOfWeekIsTakenModSeven) {
    cal->SetStartOfWeek(8);
    EXPECT_EQ(cal->StartOfWeek(), 1);
    EXPECT_EQ(cal->Grid()->StartOfWeek(), 1);
}

TEST_F(CalendarFullCalendar, OneClickOnNextDayReportsOnce) {
    Start(QDate(2024, 12, 31));
    Click(StepDayNext);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cal->Date(), QDate(2025, 1, 1));
    EXPECT_EQ(cal->Grid()->CalendarDate(), QDate(2025, 1, 1));
    EXPECT_EQ(cal->YearSpin()->value(), 2025);
    EXPECT_EQ(cal->MonthCombo()->currentIndex(), 0);
    EXPECT_EQ(cal->DateEdit()->text(), "1/1/25");
}

TEST_F(CalendarFullCalendar, HeldButtonReportsOnEveryTick) {
    Start(QDate(2024, 3, 1));
    cal->SetAutoRepeat(2); // kept only: the buttons repeat at their own 300 ms
    TButPanel* b = cal->StepButton(StepDayPrior);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
    EXPECT_EQ(b->RepeatInterval(), 300);
    b->TimerTick();
    b->TimerTick();
    b->TimerTick();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(cal->Date(), QDate(2024, 2, 26));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-10, -10));
    b->TimerTick();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(cal->Date(), QDate(2024, 2, 26));
}

TEST_F(CalendarFullCalendar, StepOfAButtonThatIsNotDownIsNotReported) {
    Start(QDate(2024, 3, 1));
    cal->StepDate(cal->StepButton(StepDayNext));
    EXPECT_EQ(cal->Date(), QDate(2024, 3, 2));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarFullCalendar, MonthAndYearButtons) {
    struct {
        QDate from;
        int tag;
        QDate expected;
    } const cases[] = {
        {QDate(2023, 1, 31), StepMonthNext, QDate(2023, 2, 28)},
        {QDate(2024, 1, 31), StepMonthNext, QDate(2024, 2, 29)},
        {QDate(2023, 2, 28), StepMonthNext, QDate(2023, 3, 31)},
        {QDate(2023, 4, 30), StepMonthNext, QDate(2023, 5, 31)},
        {QDate(2023, 3, 31), StepMonthPrior, QDate(2023, 2, 28)},
        {QDate(2024, 2, 29), StepYearPrior, QDate(2023, 2, 28)},
        {QDate(2023, 2, 28), StepYearNext, QDate(2024, 2, 29)},
    };
    for (const auto& c : cases) {
        const std::string from = c.from.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(StepFrom(c.from, c.tag), c.expected) << from << " tag " << c.tag;
        // Every part follows, and the click is one change.
        EXPECT_EQ(changes, 1) << from;
        EXPECT_EQ(cal->Grid()->CalendarDate(), c.expected) << from;
        EXPECT_EQ(cal->MonthCombo()->currentIndex(), c.expected.month() - 1) << from;
        EXPECT_EQ(cal->YearSpin()->value(), c.expected.year()) << from;
        EXPECT_EQ(cal->DateEdit()->text(), QLocale().toString(c.expected, "M/d/yy")) << from;
    }
}

TEST_F(CalendarFullCalendar, NextYearBeyondTheRangeWidensIt) {
    const int t = today.year();
    Start(QDate(t + 5, 6, 1));
    Click(StepYearNext);
    EXPECT_EQ(cal->Date(), QDate(t + 6, 6, 1));
    EXPECT_EQ(cal->YearRange(), 6);
    EXPECT_EQ(cal->YearSpin()->maximum(), t + 6);
    EXPECT_EQ(cal->YearSpin()->value(), t + 6);
}

TEST_F(CalendarFullCalendar, PriorYearPastFiveYearsSetsTheRangeToTheShownYear) {
    const int t = today.year();
    cal->SetYearRange(20);
    Start(QDate(t - 5, 6, 1));
    Click(StepYearPrior); // to t - 6: past five years
    EXPECT_EQ(cal->Date(), QDate(t - 6, 6, 1));
    EXPECT_EQ(cal->YearRange(), 5);
    EXPECT_EQ(cal->YearSpin()->maximum(), t + 5);
    EXPECT_EQ(cal->YearSpin()->minimum(), t - 6);
    EXPECT_EQ(cal->YearSpin()->value(), t - 6);
    cal->SetYearRange(20);
    Start(QDate(t - 4, 6, 1));
    Click(StepYearPrior); // to t - 5: the range is left alone
    EXPECT_EQ(cal->YearRange(), 20);
    EXPECT_EQ(cal->YearSpin()->minimum(), t - 20);
}

TEST_F(CalendarFullCalendar, PriorYearWithYearRangeZeroKeepsTheSpinOnTheDate) {
    // As the main window sets it up.
    const int t = today.year();
    cal->SetYearRange(0);
    Start(QDate(t, 3, 1));
    for (int back = 1; back <= 8; ++back) {
        Click(StepYearPrior);
        ASSERT_EQ(cal->Date(), QDate(t - back, 3, 1));
        EXPECT_EQ(cal->YearSpin()->value(), t - back);
        EXPECT_EQ(cal->YearSpin()->minimum(), t - back);
        EXPECT_EQ(cal->YearRange(), back < 6 ? 0 : back - 1);
    }
    // The spin still moves the date, and past its limits widens them.
    cal->YearSpin()->stepUp();
    EXPECT_EQ(cal->Date(), QDate(t - 7, 3, 1));
    cal->YearSpin()->stepDown();
    cal->YearSpin()->stepDown();
    EXPECT_EQ(cal->Date(), QDate(t - 9, 3, 1));
    EXPECT_EQ(cal->YearSpin()->minimum(), t - 9);
}

TEST_F(CalendarFullCalendar, YearRangeSetsTheSpinLimitsAroundThisYear) {
    const int t = today.year();
    cal->SetYearRange(3);
    EXPECT_EQ(cal->SpinMinValue(), t - 3);
    EXPECT_EQ(cal->SpinMaxValue(), t + 3);
    // A date outside the limits widens them so the spin can show it.
    Start(QDate(t + 10, 1, 1));
    EXPECT_EQ(cal->YearSpin()->value(), t + 10);
    EXPECT_EQ(cal->SpinMaxValue(), t + 10);
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarFullCalendar, StepPastTheLastYearStopsTheRepeat) {
    Start(QDate(9999, 12, 30));
    TButPanel* b = cal->StepButton(StepDayNext);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
    EXPECT_EQ(cal->Date(), QDate(9999, 12, 31));
    b->TimerTick(); // fails: no year 10000
    EXPECT_EQ(cal->Date(), QDate(9999, 12, 31));
    EXPECT_FALSE(b->Repeating());
    EXPECT_FALSE(b->Down());
    b->TimerTick();
    EXPECT_EQ(changes, 1);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    // The calendar still works afterwards.
    Click(StepDayPrior);
    EXPECT_EQ(cal->Date(), QDate(9999, 12, 30));
}

TEST_F(CalendarFullCalendar, StepBeforeTheFirstYearChangesNothing) {
    Start(QDate(1, 6, 1));
    Click(StepYearPrior);
    EXPECT_EQ(cal->Date(), QDate(1, 6, 1));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarFullCalendar, YearSpinFrom29FebruaryToACommonYearShows28February) {
    Start(QDate(2024, 2, 29));
    cal->YearSpin()->setValue(2023);
    EXPECT_EQ(cal->Date(), QDate(2023, 2, 28));
    EXPECT_EQ(cal->Grid()->CalendarDate(), QDate(2023, 2, 28));
    EXPECT_EQ(cal->DateEdit()->text(), "2/28/23");
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarFullCalendar, MonthComboTakesTheLastDayOfAShorterMonth) {
    Start(QDate(2100, 3, 31));
    cal->MonthCombo()->setCurrentIndex(1);
    EXPECT_EQ(cal->Date(), QDate(2100, 2, 28));
    EXPECT_EQ(cal->DateEdit()->text(), "2/28/00");
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarFullCalendar, ClickInTheGridSetsTheDate) {
    Start(QDate(2025, 6, 10));
    std::vector<QDate> clicked;
    cal->OnDateClick = [&](TFullCalendarAncestor*, const QDate& d, Qt::MouseButton) {
        clicked.push_back(d);
    };
    TCalendarLighted* grid = cal->Grid();
    QPoint cell(-1, -1);
    for (int row = 1; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (grid->CellText(col, row) == "20")
                cell = QPoint(col, row);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(cell.x(), cell.y()).center());
    EXPECT_EQ(cal->Date(), QDate(2025, 6, 20));
    EXPECT_EQ(cal->DateEdit()->text(), "6/20/25");
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], QDate(2025, 6, 20));
}

TEST_F(CalendarFullCalendar, ArrowKeysInTheGridSetTheDate) {
    Start(QDate(2025, 6, 10));
    QTest::keyClick(cal->Grid(), Qt::Key_Down);
    EXPECT_EQ(cal->Date(), QDate(2025, 6, 17));
    EXPECT_EQ(cal->DateEdit()->text(), "6/17/25");
    EXPECT_EQ(changes, 1);
    QTest::keyClick(cal->Grid(), Qt::Key_Left);
    EXPECT_EQ(cal->Date(), QDate(2025, 6, 16));
    EXPECT_EQ(changes, 2);
}

TEST_F(CalendarFullCalendar, TypedDateInMonthDayYearOrder) {
    Start(QDate(2020, 7, 7));
    Type("1/5/2024");
    EXPECT_EQ(cal->Date(), QDate(2024, 1, 5));
    EXPECT_EQ(cal->YearSpin()->value(), 2024);
    EXPECT_EQ(cal->MonthCombo()->currentIndex(), 0);
    EXPECT_EQ(cal->DateEdit()->text(), "1/5/24");
    EXPECT_GE(changes, 1);
}

TEST_F(CalendarFullCalendar, TypedDateInDayMonthYearOrderWithTwoDigitYear) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    Start(QDate(2020, 7, 7));
    Type("5/1/24");
    EXPECT_EQ(cal->Date(), QDate(2024, 1, 5));
    EXPECT_EQ(cal->DateEdit()->text(), "05/01/2024");
}

TEST_F(CalendarFullCalendar, TypingKeepsTheTextUntilEnter) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    Start(QDate(2020, 7, 7));
    cal->DateEdit()->clear();
    QTest::keyClicks(cal->DateEdit(), "5/1/2024");
    EXPECT_EQ(cal->DateEdit()->text(), "5/1/2024");
    EXPECT_EQ(cal->Date(), QDate(2024, 1, 5));
    QTest::keyClick(cal->DateEdit(), Qt::Key_Return);
    EXPECT_EQ(cal->DateEdit()->text(), "05/01/2024");
}

TEST_F(CalendarFullCalendar, TypedYearBefore1910MovesACenturyOn) {
    Start(QDate(2020, 7, 7));
    Type("1/5/1905");
    EXPECT_EQ(cal->Date(), QDate(2005, 1, 5));
}

TEST_F(CalendarFullCalendar, UnreadableTypedDatesChangeNothing) {
    Start(QDate(2020, 7, 7));
    for (const char* text :
         {"1/5", "1/5/2024/1", "a/5/2024", "13/5/2024", "1/32/2024", "2/30/2023", "2/29/1600"}) {
        cal->DateEdit()->setText(text);
        QTest::keyClick(cal->DateEdit(), Qt::Key_Return);
        EXPECT_EQ(cal->Date(), QDate(2020, 7, 7)) << text;
    }
    EXPECT_EQ(changes, 0);
    // Still attached: a good date afterwards is taken.
    Type("3/4/2021");
    EXPECT_EQ(cal->Date(), QDate(2021, 3, 4));
}

TEST_F(CalendarFullCalendar, LightingAnAlreadyLitDateIsNotAListChange) {
    int listChanges = 0, clears = 0;
    cal->OnListChange = [&](TFullCalendarAncestor*) { ++listChanges; };
    cal->OnClear = [&](TFullCalendarAncestor*) { ++clears; };
    cal->AddLightDate(QDate(2024, 1, 7));
    cal->AddLightDate(QDate(2024, 1, 7));
    EXPECT_EQ(listChanges, 1);
    EXPECT_TRUE(cal->IsDateLighted(QDate(2024, 1, 7)));
    cal->AddLightDate(QDate(2024, 1, 8));
    EXPECT_EQ(listChanges, 2);
    cal->ClearLightDates();
    EXPECT_EQ(clears, 1);
    EXPECT_FALSE(cal->IsDateLighted(QDate(2024, 1, 7)));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarFullCalendar, DoubleClickPassesTheCalendarDate) {
    Start(QDate(2025, 6, 10));
    std::vector<QDate> dbl;
    cal->OnDateDblClick = [&](TFullCalendarAncestor*, const QDate& d) { dbl.push_back(d); };
    TCalendarLighted* grid = cal->Grid();
    QTest::mouseDClick(grid, Qt::LeftButton, {},
                       grid->CellRect(grid->SelectedCol(), grid->SelectedRow()).center());
    ASSERT_EQ(dbl.size(), 1u);
    EXPECT_EQ(dbl[0], QDate(2025, 6, 10));
}

TEST_F(CalendarFullCalendar, EnabledFlagReachesTheParts) {
    cal->SetEnabled(false);
    EXPECT_FALSE(cal->GetEnabled());
    EXPECT_FALSE(cal->Grid()->isEnabled());
    EXPECT_FALSE(cal->DateEdit()->isEnabled());
    EXPECT_FALSE(cal->YearSpin()->isEnabled());
    EXPECT_FALSE(cal->MonthCombo()->isEnabled());
    cal->SetEnabled(true);
    EXPECT_TRUE(cal->Grid()->isEnabled());
}

// Every part lies inside the control and no two rows overlap.
void ExpectTidyLayout(TFullCalendarAncestor* c) {
    const QRect inside = c->rect();
    QWidget* parts[] = {c->DateEdit(), c->Grid(), c->MonthCombo(), c->YearSpin()};
    for (QWidget* w : parts)
        EXPECT_TRUE(inside.contains(w->geometry())) << w->metaObject()->className();
    for (int tag = 1; tag <= 6; ++tag) {
        EXPECT_TRUE(inside.contains(c->StepButton(tag)->geometry())) << tag;
        EXPECT_EQ(c->StepButton(tag)->height(), c->DateEdit()->height());
    }
    EXPECT_LT(c->DateEdit()->geometry().bottom(), c->Grid()->geometry().top());
    EXPECT_LT(c->Grid()->geometry().bottom(), c->MonthCombo()->geometry().top());
    EXPECT_LT(c->MonthCombo()->geometry().bottom(), c->YearSpin()->geometry().top());
    EXPECT_FALSE(c->StepButton(StepDayPrior)->geometry().intersects(c->DateEdit()->geometry()));
    EXPECT_FALSE(c->StepButton(StepDayNext)->geometry().intersects(c->DateEdit()->geometry()));
    // The month box shows its longest month whole, between its buttons.
    QComboBox* box = c->MonthCombo();
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    EXPECT_GE(field.width(), box->fontMetrics().horizontalAdvance(QStringLiteral("September")));
    EXPECT_LT(c->StepButton(StepMonthPrior)->geometry().right(), box->x());
    EXPECT_GT(c->StepButton(StepMonthNext)->x(), box->geometry().right());
}

TEST_F(CalendarFullCalendar, ArrangedRowsFollowTheFont) {
    TFullCalendarAncestor plain;
    const QFontMetrics fm(plain.font());
    int widest = fm.horizontalAdvance(QLocale().toString(QDate(2000, 12, 31), "M/d/yy"));
    for (int m = 1; m <= 12; ++m)
        widest = qMax(widest, fm.horizontalAdvance(QLocale().standaloneMonthName(m)));
    const QRect edit = plain.DateEdit()->geometry();
    EXPECT_EQ(edit.width(), widest + 23);
    EXPECT_GE(plain.MonthCombo()->width(), edit.width());
    EXPECT_EQ(plain.YearSpin()->width(), edit.width());
    // Rows 2 pixels apart, 2 below the last.
    EXPECT_EQ(plain.Grid()->geometry().top(), edit.bottom() + 1 + 2);
    EXPECT_EQ(plain.MonthCombo()->geometry().top(), plain.Grid()->geometry().bottom() + 1 + 2);
    EXPECT_EQ(plain.YearSpin()->geometry().top(), plain.MonthCombo()->geometry().bottom() + 1 + 2);
    EXPECT_EQ(plain.ArrangedHeight(), plain.YearSpin()->geometry().bottom() + 1 + 2);
    EXPECT_GE(plain.ArrangedWidth(), edit.width() + 68);
    // Left buttons step back, right ones forward, each beside its part.
    const std::pair<int, QWidget*> rows[] = {{StepDayPrior, plain.DateEdit()},
                                             {StepMonthPrior, plain.MonthCombo()},
                                             {StepYearPrior, plain.YearSpin()}};
    for (const auto& [prior, part] : rows) {
        const QRect back = plain.StepButton(prior)->geometry();
        const QRect forward = plain.StepButton(prior - 1)->geometry();
        EXPECT_EQ(back.top(), part->y());
        EXPECT_EQ(back.height(), edit.height());
        EXPECT_EQ(forward.top(), part->y());
        EXPECT_LE(back.right(), part->x());
        EXPECT_GE(forward.left(), part->geometry().right());
    }
}

TEST_F(CalendarFullCalendar, FontFitsTheHeight) {
    cal->show();
    cal->resize(209, 209);
    QCoreApplication::processEvents();
    const int small = cal->font().pointSize();
    ExpectTidyLayout(cal.get());
    cal->resize(700, 700);
    QCoreApplication::processEvents();
    EXPECT_GT(cal->font().pointSize(), small);
    EXPECT_LE(cal->ArrangedHeight(), 700);
    ExpectTidyLayout(cal.get());
    cal->resize(209, 209);
    QCoreApplication::processEvents();
    EXPECT_EQ(cal->font().pointSize(), small); // a grown calendar shrinks again
    cal->resize(100, 60);
    QCoreApplication::processEvents();
    EXPECT_EQ(cal->font().pointSize(), 6);
    EXPECT_GE(cal->width(), cal->ArrangedWidth());
}

TEST_F(CalendarFullCalendar, ArrowGlyphsAreBlueTrianglesWithAGreyOutline) {
    cal->show();           // a hidden widget gets no resize events
    cal->resize(400, 400); // rows of 20 pixels and more
    const QImage left = cal->StepButton(StepDayPrior)->Glyph().toImage();
    const QImage right = cal->StepButton(StepDayNext)->Glyph().toImage();
    const int size = cal->GlyphSize();
    ASSERT_EQ(size, 16);
    ASSERT_EQ(left.size(), QSize(size, size));
    const int mid = size / 2 - 1;
    const QColor blue(0, 0, 255), grey(128, 128, 128);
    EXPECT_EQ(left.pixelColor(8, mid), blue);
    EXPECT_EQ(left.pixelColor(10, mid), grey);
    EXPECT_EQ(left.pixelColor(1, mid), cal->Color());
    EXPECT_EQ(left.pixelColor(11, mid), cal->Color());
    EXPECT_EQ(right.pixelColor(5, mid), blue);
    EXPECT_EQ(right.pixelColor(3, mid), grey);
    EXPECT_EQ(right.pixelColor(11, mid), cal->Color());
    EXPECT_EQ(right.pixelColor(1, mid), cal->Color());

    cal->resize(120, 100); // the smallest font: an edit lower than 20 pixels
    const int edit = cal->DateEdit()->height();
    ASSERT_LT(edit, 20);
    EXPECT_EQ(cal->GlyphSize(), (edit - 6) / 2 * 2);
    EXPECT_EQ(cal->StepButton(StepYearNext)->Glyph().width(), cal->GlyphSize());
}

TEST_F(CalendarFullCalendar, EnterAndExitFollowTheFocusOfTheParts) {
    QWidget window;
    QLineEdit other(&window);
    cal->setParent(&window);
    other.move(0, 300);
    window.resize(400, 400);
    window.show();
    QApplication::setActiveWindow(&window);
    int enters = 0, exits = 0;
    cal->OnEnter = [&](TFullCalendarAncestor*) { ++enters; };
    cal->OnExit = [&](TFullCalendarAncestor*) { ++exits; };
    other.setFocus();
    QCoreApplication::processEvents();
    cal->setFocus(); // goes to the date edit
    QCoreApplication::processEvents();
    EXPECT_TRUE(cal->DateEdit()->hasFocus());
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(cal->Entered());
    cal->YearSpin()->setFocus();
    cal->MonthCombo()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
    other.setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(cal->Entered());
    cal->setParent(nullptr);
}

TEST_F(CalendarFullCalendar, ShowingTheCalendarIsItsFirstUpdate) {
    CountChanges();
    cal->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);
    cal->update();
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);
}

} // namespace
