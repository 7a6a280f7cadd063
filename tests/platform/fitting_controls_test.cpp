// Controls that keep within bounds: a typed chapter beyond the range, a
// label with a long text, a list of many rows, a window on a small screen.

#include "Controls.h"
#include "FittingControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct TTyped {
    int Minimum;
    int Maximum;
    const char* Typed;
    int Expected;
};

class ClampingSpinBox : public ::testing::TestWithParam<TTyped> {};

TEST_P(ClampingSpinBox, HoldsATypedNumberToTheRange) {
    const TTyped t = GetParam();
    TClampingSpinBox spin;
    spin.setRange(t.Minimum, t.Maximum);
    spin.setValue(t.Minimum);
    spin.setKeyboardTracking(false);
    spin.show();
    auto* edit = spin.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(t.Typed));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(spin.value(), t.Expected) << t.Typed;
}

// The Psalms (1..150) and a book of two chapters, at and past their ends.
INSTANTIATE_TEST_SUITE_P(BookEdges, ClampingSpinBox,
                         ::testing::Values(TTyped{1, 150, "150", 150}, TTyped{1, 150, "151", 150},
                                           TTyped{1, 150, "1500", 150}, TTyped{1, 150, "0", 1},
                                           TTyped{1, 2, "2", 2}, TTyped{1, 2, "3", 2},
                                           TTyped{3, 9, "1", 3}));

TEST(ElidedLabel, ALongTextNeitherWidensTheWindowNorIsCut) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new TElidedLabel(&window);
    layout->addWidget(label);
    window.resize(460, 100);
    window.show();
    const QString longText = QStringLiteral("(0 matches) for \"%1\"").arg(QString(500, u'x'));
    label->setText(longText);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.width(), 460);
    EXPECT_LE(window.minimumSizeHint().width(), 460);
    EXPECT_TRUE(label->IsElided());
    EXPECT_EQ(label->text(), longText);
    label->setText(QStringLiteral("(1 matches) for \"john\""));
    EXPECT_FALSE(label->IsElided());
}

TEST(DropDownRows, TheListShowsTheGivenRowsNotTheScreensHeight) {
    QComboBox combo;
    for (int i = 0; i < 200; ++i)
        combo.addItem(QString::number(i));
    SetDropDownRows(&combo, 10);
    combo.show();
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    const int rowHeight = view->sizeHintForRow(0);
    ASSERT_GT(rowHeight, 0);
    EXPECT_LE(view->height(), 11 * rowHeight);
    EXPECT_GE(view->height(), 9 * rowHeight);
    combo.hidePopup();
}

} // namespace

// A window with its 20 x 20 frame on an 800 x 600 screen: a side too long
// gives way, never below the window's minimum.
TEST(SizeOnScreen, EachSideTooLongGivesWayDownToTheMinimum) {
    const struct {
        QSize size, minimum, fit;
    } cases[] = {
        {{780, 580}, {100, 100}, {780, 580}},
        {{781, 581}, {100, 100}, {780, 580}},
        {{900, 500}, {850, 300}, {850, 500}},
        {{500, 700}, {300, 650}, {500, 650}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SizeOnScreen(c.size, c.minimum, {20, 20}, {800, 600}), c.fit)
            << c.size.width() << "x" << c.size.height();
}
