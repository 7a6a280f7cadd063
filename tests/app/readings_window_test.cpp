// The readings window on fixture readings: headings and tree nodes per
// service and citation, tags and closing sentences, run styles in the text,
// sub-services, missing data, and user input held off during a build.

#include "Building.h"
#include "MainDMTest.h"
#include "MainNew.h"
#include "Readings.h"
#include "RichEdit.h"
#include "ScriptedDialogs.h"
#include "support/RichEditView.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace Fixture;

constexpr int AnnualDay = 41, HolyDay = 42, EmptyDay = 43;

const QStringList ReadingFields = {"VelmType",   "DayID",    "ReadingTime",    "ReadingType",
                                   "Order",      "BookID",   "StartChapter",   "StartVerse",
                                   "EndChapter", "EndVerse", "StartSkipWords", "EndSkipWords"};

const QString Title = QStringLiteral("Tut 1, 1741 - September 11, 2024, Day title");

class ReadingsWindow : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        auto row = [&](int velm, int day, int time, int type, int order, int book, int sc, int sv,
                       int ec, int ev, int endSkip = 0) {
            db.Insert("Readings.DB", ReadingFields,
                      {velm, day, time, type, order, book, sc, sv, ec, ev, 0, endSkip});
        };
        row(VelmAnnual, AnnualDay, Vespers, 5, 1, Psalms, 1, 1, 1, 2);
        row(VelmAnnual, AnnualDay, Vespers, 1, 2, Matthew, 1, 1, 1, 3);
        row(VelmAnnual, AnnualDay, Liturgy, 2, 1, Mark, 1, 1, 1, 2);
        row(VelmAnnual, AnnualDay, Liturgy, 2, 1, Mark, 1, 4, 1, 5);
        row(VelmAnnual, AnnualDay, Liturgy, 5, 2, Psalms, 2, 1, 2, 2);
        row(VelmAnnual, AnnualDay, Liturgy, 5, 2, Psalms, 2, 5, 2, 6);
        row(VelmAnnual, AnnualDay, Liturgy, 0, 3, Psalms, 3, 1, 3, 1);
        row(VelmAnnual, AnnualDay, Liturgy, 7, 4, Matthew, 1, 5, 1, 5, 1);
        // Parts of services: jumps of 101 start one, a jump of 100 does not.
        row(VelmLent, HolyDay, Vespers, 1, 1, Mark, 1, 1, 1, 1);
        row(VelmLent, HolyDay, Vespers, 1, 102, Mark, 1, 2, 1, 2);
        row(VelmLent, HolyDay, Vespers, 1, 203, Mark, 1, 3, 1, 3);
        row(VelmLent, HolyDay, Matins, 1, 1, Mark, 2, 1, 2, 1);
        row(VelmLent, HolyDay, Matins, 1, 101, Mark, 2, 2, 2, 2);
    }

    void SetUp() override {
        MainDMTest::SetUp();
        scope = std::make_unique<TScriptedDialogs::Scope>(dialogs);
        frmBuilding = new TfrmBuilding;
        main = std::make_unique<TfrmMainNew>();
        frmMainNew = main.get();
        MainDM->SetDayStateSource(&dayState);
        readings = std::make_unique<TfrmReadings>();
        frmReadings = readings.get();
    }
    void TearDown() override {
        readings.reset();
        frmReadings = nullptr;
        main.reset();
        frmMainNew = nullptr;
        delete frmBuilding;
        frmBuilding = nullptr;
        scope.reset();
        MainDMTest::TearDown();
    }

    // Opens the window as the main window does, for one service or all.
    void Open(int velm, int day, int time, bool all) {
        TfrmReadings& r = *readings;
        r.VelmTypeID = velm;
        r.DayID = day;
        r.ReadingTimeID = time;
        r.AllServices = all;
        r.lblReadingTitle->setText(Title);
        ShowModal(&r);
    }

    // The tree, one line per node, children indented by two blanks.
    QStringList Tree() const {
        QStringList out;
        std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
            out << QString(depth * 2, ' ') + item->text(0);
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i), depth + 1);
        };
        for (int i = 0; i < readings->trvwCitiations->topLevelItemCount(); ++i)
            walk(readings->trvwCitiations->topLevelItem(i), 0);
        return out;
    }

    QString Text() const { return readings->rchedtReadings->Text(); }

    QList<TScriptedDialogs::Message> Errors() const {
        QList<TScriptedDialogs::Message> out;
        for (const auto& m : dialogs.Messages)
            if (m.Type == mtError)
                out << m;
        return out;
    }

    TScriptedDialogs dialogs;
    std::unique_ptr<TScriptedDialogs::Scope> scope;
    std::unique_ptr<TfrmMainNew> main;
    std::unique_ptr<TfrmReadings> readings;
};

TEST_F(ReadingsWindow, OneServiceHeadingsNodesTagsAndClosings) {
    Open(VelmAnnual, AnnualDay, Liturgy, false);
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(Tree(), QStringList({"Liturgy", "  Mark 1:1-2", "  Mark 1:4-5", "  Psalms 2:1-2, 5-6",
                                   "  Psalms 3:1", "  Matthew 1:5"}));

    const QString rule(74, '_');
    const QString crlf = QStringLiteral("\r\n");
    const QString mark = QStringLiteral(" speaks of grace and truth.");
    const QString expected =
        rule + crlf + Title + crlf +                            // title heading
        rule + crlf + "Liturgy" + crlf + rule + crlf +          // service heading
        crlf + "Mark 1:1-2" + crlf +                            // one reading in two rows:
        "1:1 Mark 1:1" + mark + " 2 Mark 1:2" + mark + crlf +   // no tag or closing yet
        crlf + "Mark 1:4-5" + crlf +                            //
        "4 Mark 1:4" + mark + " 5 Mark 1:5" + mark + " [WEB]" + //
        "     The Grace of God the Father be with you all. Amen" + crlf + // five blanks before
        crlf + "Psalms 2:1-2, 5-6" + crlf +                       // one heading for both rows
        "2:1 Psalms 2:1" + mark + " 2 Psalms 2:2" + mark + crlf + //
        "5 Psalms 2:5" + mark + " 6 Psalms 2:6" + mark + " [WEB]     Alleluia" + crlf + crlf +
        "Psalms 3:1" + crlf +                       // reading type 0
        "3:1 Psalms 3:1" + mark + " [WEB]" + crlf + //
        crlf + "Matthew 1:5" + crlf +               // type 7, last word cut:
        "5 Let the light come. [WEB]" + crlf;       // a full stop is added
    EXPECT_EQ(Text().toStdString(), expected.toStdString());
    // The build is over: text shown in its place beside the tree (not
    // squeezed by the tree while hidden), progress window closed.
    EXPECT_TRUE(readings->rchedtReadings->isVisibleTo(readings.get()));
    EXPECT_GT(readings->rchedtReadings->width(), readings->pnlLeft->width());
    EXPECT_FALSE(frmBuilding->isVisible());
    EXPECT_FALSE(readings->Building());
}

TEST_F(ReadingsWindow, AllServicesInReadingTimeOrder) {
    Open(VelmAnnual, AnnualDay, Liturgy, true);
    EXPECT_EQ(Tree(), QStringList({"Vespers", "  Psalms 1:1-2", "  Matthew 1:1-3", "Liturgy",
                                   "  Mark 1:1-2", "  Mark 1:4-5", "  Psalms 2:1-2, 5-6",
                                   "  Psalms 3:1", "  Matthew 1:5"}));
    EXPECT_EQ(readings->ReadingTimeID, Liturgy);
    EXPECT_LT(Text().indexOf("Vespers"), Text().indexOf("Liturgy"));
    EXPECT_EQ(Text().count(QString(74, '_')), 5); // title, and two around each service
}

TEST_F(ReadingsWindow, PartsOfServicesOnTheThursdayAndSaturdayBeforeEaster) {
    struct Case {
        bool covenantThursday, joyousSaturday;
        QStringList tree;
    } cases[] = {
        {true,
         false,
         {"Vespers", "  Mark 1:1", "The Service of the Washing of the Feet", "  Mark 1:2",
          "Holy Thursday Liturgy", "  Mark 1:3", "Matins", "  Mark 2:1", "  Mark 2:2"}},
        {false,
         true,
         {"Songs and Prayers of Holy Saturday", "  Mark 1:1", "Songs and Prayers of Holy Saturday",
          "  Mark 1:2", "Holy Saturday Liturgy", "  Mark 1:3", "Matins", "  Mark 2:1",
          "  Mark 2:2"}},
        // Other days repeat the service's own name.
        {false,
         false,
         {"Vespers", "  Mark 1:1", "Vespers", "  Mark 1:2", "Vespers", "  Mark 1:3", "Matins",
          "  Mark 2:1", "  Mark 2:2"}},
    };
    for (const Case& c : cases) {
        readings->IsCovenantThursday = c.covenantThursday;
        readings->IsJoyousSaturday = c.joyousSaturday;
        Open(VelmLent, HolyDay, Vespers, true);
        EXPECT_EQ(Tree(), c.tree);
    }
}

TEST_F(ReadingsWindow, MissingDataKeepsWhatWasWrittenAndClosesTheProgress) {
    // A day without rows: the title heading only, no error.
    Open(VelmAnnual, EmptyDay, Liturgy, false);
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(Text(), QString(74, '_') + "\r\n" + Title + "\r\n");
    EXPECT_TRUE(Tree().isEmpty());

    // A service without rows on a day with rows.
    Open(VelmAnnual, AnnualDay, Matins, false);
    ASSERT_EQ(Errors().size(), 1);
    EXPECT_EQ(Errors()[0].Text, "No Data Was Entered For This Selectioin");
    EXPECT_EQ(Text(), QString(74, '_') + "\r\n" + Title + "\r\n");
    EXPECT_TRUE(readings->rchedtReadings->isVisibleTo(readings.get()));
    EXPECT_FALSE(frmBuilding->isVisible());
    EXPECT_FALSE(readings->Building());
}

TEST_F(ReadingsWindow, RunStylesFollowTheReadingsFont) {
    struct Case {
        const char* text;
        QColor colour;
        bool bold;
        int size8, size12, size20;
    } cases[] = {
        {"____", Qt::black, true, 12, 12, 12},
        {"Tut 1, 1741", Qt::blue, true, 16, 20, 26},
        {"Liturgy", Qt::red, true, 16, 20, 26},
        {"Mark 1:4-5", Qt::blue, true, 10, 14, 22},
        {"4 Mark", Qt::red, true, 3, 7, 15},
        {" Mark 1:4 speaks", Qt::black, true, 8, 12, 20}, // the readings font is bold
        {"[WEB]", Qt::black, false, 6, 7, 15},
        {"The Grace", Qt::blue, false, 9, 9, 9},
    };
    const int fonts[] = {8, 12, 20};
    for (int i = 0; i < 3; ++i) {
        main->ReadingsFont.setPointSize(fonts[i]);
        Open(VelmAnnual, AnnualDay, Liturgy, false);
        TRichEdit& edit = *readings->rchedtReadings;
        for (const Case& c : cases) {
            const int pos = edit.FindText(QString::fromLatin1(c.text), 0, -1, stMatchCase);
            ASSERT_GE(pos, 0) << c.text;
            edit.SetSelStart(pos);
            edit.SetSelLength(1);
            const int sizes[] = {c.size8, c.size12, c.size20};
            EXPECT_EQ(edit.SelAttributes().Size(), sizes[i]) << c.text << " at " << fonts[i];
            EXPECT_EQ(edit.SelAttributes().Color(), c.colour) << c.text;
            EXPECT_EQ((edit.SelAttributes().Style() & fsBold) != 0, c.bold) << c.text;
            EXPECT_EQ(edit.SelAttributes().Name(), main->ReadingsFont.family()) << c.text;
        }
    }
}

// The opening shows the first service's heading a few lines down under the
// day's title; one click on any node goes to its reading, with "Expand Only
// Current Hour" on (the clicked node's branch then the one open) or off.
TEST_F(ReadingsWindow, OneClickOnANodeGoesToItsReading) {
    using namespace RichEditView;
    readings->resize(700, 300); // shorter than the text
    for (const bool smart : {true, false}) {
        readings->chkbxTreeSmartExpansion->setChecked(smart);
        dialogs.WhileModal = [&](QWidget*) {
            TRichEdit& e = *readings->rchedtReadings;
            ASSERT_GT(e.verticalScrollBar()->maximum(), 0);
            EXPECT_TRUE(JumpedTo(e, Text().indexOf("Vespers")));
            EXPECT_TRUE(LineInView(e, Text().indexOf(Title)));
            QTreeWidget* tree = readings->trvwCitiations;
            // A service below an open branch, a citation, back up, a late one.
            for (const char* name : {"Liturgy", "Mark 1:4-5", "Vespers", "Matthew 1:5"}) {
                const QList<QTreeWidgetItem*> found =
                    tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
                ASSERT_EQ(found.size(), 1) << name;
                QTreeWidgetItem* node = found[0];
                if (node->parent() != nullptr)
                    node->parent()->setExpanded(true);
                tree->scrollToItem(node);
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(node).center());
                QCoreApplication::processEvents();
                EXPECT_EQ(tree->currentItem(), node) << name << smart;
                const int pos = Text().indexOf(name);
                EXPECT_EQ(e.SelStart(), pos) << name << smart;
                EXPECT_TRUE(JumpedTo(e, pos)) << name << smart;
                const QTreeWidgetItem* branch = node->parent() != nullptr ? node->parent() : node;
                for (int i = 0; smart && i < tree->topLevelItemCount(); ++i)
                    EXPECT_EQ(tree->topLevelItem(i)->isExpanded(), tree->topLevelItem(i) == branch)
                        << name;
            }
        };
        Open(VelmAnnual, AnnualDay, Liturgy, true);
    }
    dialogs.WhileModal = nullptr;
}

// While a build runs, clicks and keys to the readings window are dropped, so
// the close button cannot hide the window in the middle of its build; after
// the build they work again.
TEST_F(ReadingsWindow, InputDuringABuildIsHeldOff) {
    bool clickedDuringBuild = false;
    QTimer::singleShot(0, readings.get(), [&] {
        clickedDuringBuild = readings->Building();
        QTest::mouseClick(readings->btnClose, Qt::LeftButton);
        QTest::keyClick(readings.get(), Qt::Key_Escape);
    });
    bool visibleAfterBuild = false;
    bool closedByClickAfterBuild = false;
    dialogs.WhileModal = [&](QWidget*) {
        visibleAfterBuild = readings->isVisible();
        QTest::mouseClick(readings->btnClose, Qt::LeftButton);
        closedByClickAfterBuild = !readings->isVisible();
    };
    Open(VelmAnnual, AnnualDay, Liturgy, false);
    EXPECT_TRUE(clickedDuringBuild);
    EXPECT_TRUE(visibleAfterBuild);
    EXPECT_TRUE(closedByClickAfterBuild);
    EXPECT_EQ(Tree().size(), 6);
}

} // namespace
