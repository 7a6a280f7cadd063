#include "CldrDates.h"
#include "Environment.h"
#include "TButPanel.h"
#include "TYearSpin.h"
#include "ZIZ_Cldr.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CalendarYearSpin : public ::testing::Test {
protected:
    void SetUp() override { Make(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override {
        cal.reset();
        QLocale::setDefault(QLocale::c());
    }
    void Make(const QLocale& locale) {
        cal.reset();
        QLocale::setDefault(locale);
        cal = std::make_unique<TFullCalendarLight>();
        cal->SetDate(QDate(2026, 3, 15));
        cal->OnChange = [this](TFullCalendarAncestor*) { ++changes; };
        cal->SetDate(QDate(2026, 3, 15)); // the first update with a handler reports once
        changes = 0;
    }
    // Types a year into the spin, in any digits, and ends typing with Enter.
    void TypeYear(const QString& text) {
        QSpinBox* spin = cal->YearSpin();
        spin->setFocus();
        spin->selectAll();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, spin, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(spin, Qt::Key_Return);
    }
    // A year as the locale writes it in a spin: its digits, no grouping.
    static QString LocaleYear(int year) {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(year);
    }

    // A fixed today: the year limits must not move at New Year under a run.
    const QDate today{2026, 12, 31};
    TEnvironment env = [this] {
        TEnvironment e;
        e.Today = [this] { return today; };
        return e;
    }();
    TEnvironmentScope scope{env};
    std::unique_ptr<TFullCalendarLight> cal;
    int changes = 0;
};

// The arrows the year box offers.
struct YearArrows : TYearSpin {
    static StepEnabled Of(const QSpinBox* spin) {
        return (static_cast<const TYearSpin*>(spin)->*(&YearArrows::stepEnabled))();
    }
};

} // namespace

TEST_F(CalendarYearSpin, TheArrowsStopAtTheCalendarsFirstAndLastYears) {
    cal->SetYearRange(0);
    cal->SetFirstYear(1901);
    const QAbstractSpinBox::StepEnabled both =
        QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const struct {
        QDate date;
        QAbstractSpinBox::StepEnabled arrows;
    } cases[] = {
        {{1901, 6, 1}, QAbstractSpinBox::StepUpEnabled},
        {{1902, 6, 1}, both},
        {{9998, 6, 1}, both},
        {{9999, 6, 1}, QAbstractSpinBox::StepDownEnabled},
    };
    for (const auto& c : cases) {
        cal->SetDate(c.date);
        EXPECT_EQ(YearArrows::Of(cal->YearSpin()), c.arrows) << c.date.year();
    }
}

TEST_F(CalendarYearSpin, TypedYearsOutsideTheLimitsAreClampedToThem) {
    cal->SetYearRange(3); // limits: this year +- 3
    const int t = today.year();
    struct Case {
        QString typed;
        int year;
    } const cases[] = {
        {QString::number(t + 40), t + 3},
        {QStringLiteral("1000"), t - 3},
        {QString::number(t + 1), t + 1},
        {QStringLiteral("99999"), t + 3},
    };
    for (const Case& c : cases) {
        changes = 0;
        TypeYear(c.typed);
        EXPECT_EQ(cal->YearSpin()->value(), c.year) << c.typed.toStdString();
        EXPECT_EQ(cal->Date(), QDate(c.year, 3, 15)) << c.typed.toStdString();
        EXPECT_EQ(changes, 1) << c.typed.toStdString();
    }
}

TEST_F(CalendarYearSpin, YearIsReadInTheLocalesDigits) {
    Make(QLocale(QLocale::Arabic, QLocale::Egypt));
    QSpinBox* spin = cal->YearSpin();
    EXPECT_EQ(spin->value(), 2026);
    EXPECT_EQ(spin->text(), LocaleYear(2026));
    EXPECT_NE(spin->text(), QStringLiteral("2026")); // Arabic-Indic digits
    TypeYear(LocaleYear(2027));
    EXPECT_EQ(cal->Date(), QDate(2027, 3, 15));
    TypeYear(QStringLiteral("2028")); // ASCII digits are numbers too
    EXPECT_EQ(cal->Date(), QDate(2028, 3, 15));
    EXPECT_EQ(changes, 2);
}

TEST_F(CalendarYearSpin, NothingGoesBelowTheFirstYear) {
    cal->SetYearRange(0);
    cal->SetFirstYear(1901);
    cal->SetDate(QDate(1901, 1, 1));
    changes = 0;
    for (int tag : {StepDayPrior, StepMonthPrior, StepYearPrior}) {
        TButPanel* b = cal->StepButton(tag);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
        EXPECT_EQ(cal->Date(), QDate(1901, 1, 1)) << tag;
    }
    EXPECT_EQ(changes, 0);
    TypeYear(QStringLiteral("1900"));
    EXPECT_EQ(cal->Date(), QDate(1901, 1, 1));
    cal->SetDate(QDate(1900, 12, 7));
    EXPECT_EQ(cal->Date(), QDate(1901, 1, 1));
    // A typed date still below it after the century rule changes nothing.
    cal->DateEdit()->setText(QStringLiteral("12/7/1700"));
    QTest::keyClick(cal->DateEdit(), Qt::Key_Return);
    EXPECT_EQ(cal->Date(), QDate(1901, 1, 1));
    EXPECT_EQ(changes, 0);
    cal->SetDate(QDate(1902, 1, 1));
    TypeYear(QStringLiteral("1850"));
    EXPECT_EQ(cal->Date(), QDate(1901, 1, 1));
}
