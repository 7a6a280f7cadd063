// The readings of a range of days on the day fixture: the range request of
// the multiple-days dialog, the per-service choices, the Synaxarium section
// of each day, the tree of day nodes, the commands on a range and the date
// handed back to the main window on every way of closing.

#include "BibleChapter.h"
#include "BibleMain.h"
#include "Building.h"
#include "DMMain.h"
#include "FixtureDb.h"
#include "MainNew.h"
#include "MainNewTestSupport.h"
#include "MltyDays.h"
#include "PrintRich.h"
#include "RadioGroup.h"
#include "Readings.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "Synx.h"
#include "SynxText.h"
#include "ZIZ_Cldr.h"
#include "day_fixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QDate D(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

constexpr int Matthew = 1, Mark = 2, Psalms = 46;
constexpr int VelmLent = 11, VelmAnnual = 13;
constexpr int Vespers = 1, Matins = 2, Liturgy = 3, FirstHour = 5;

void AddBibleAndReadings(TFixtureDatabase& db) {
    db.Insert("Translations.DB", {"ID", "Name", "ShortName"}, {1, "World English Bible", "WEB"});
    int id = 0;
    for (auto [book, name] : {std::pair{Matthew, "Matthew"}, {Mark, "Mark"}, {Psalms, "Psalms"}}) {
        db.Insert("BibleBooks.db",
                  {"ID", "BookName", "BookType", "BookOrder", "Translation", "MoreInfo"},
                  {book, name, book < 28 ? 1 : 2, book, 1, QString()});
        for (int c = 1; c <= 2; ++c)
            for (int v = 1; v <= 8; ++v)
                db.Insert(
                    "Bible.DB", {"ID", "BookID", "Chapter", "Verse", "Text"},
                    {++id, book, c, v, QStringLiteral("%1 %2:%3 text.").arg(name).arg(c).arg(v)});
    }
    const QStringList fields = {"VelmType",   "DayID",    "ReadingTime",    "ReadingType",
                                "Order",      "BookID",   "StartChapter",   "StartVerse",
                                "EndChapter", "EndVerse", "StartSkipWords", "EndSkipWords"};
    auto row = [&](int velm, int day, int time, int order, int book, int sc, int sv, int ec,
                   int ev) {
        db.Insert("Readings.DB", fields, {velm, day, time, 1, order, book, sc, sv, ec, ev, 0, 0});
    };
    // Tut 7, 8 and 9 of 1741 (September 17 to 19, 2024).
    row(VelmAnnual, 107, Vespers, 1, Matthew, 1, 1, 1, 2);
    row(VelmAnnual, 107, Matins, 1, Mark, 2, 1, 2, 2);
    row(VelmAnnual, 107, Liturgy, 1, Psalms, 1, 1, 1, 3);
    row(VelmAnnual, 107, Liturgy, 1, Psalms, 1, 5, 1, 6);
    row(VelmAnnual, 107, Liturgy, 2, Mark, 1, 1, 1, 2);
    row(VelmAnnual, 108, Liturgy, 1, Matthew, 2, 1, 2, 3);
    row(VelmAnnual, 109, Liturgy, 1, Mark, 1, 1, 1, 2); // as on Tut 7
    // Tuesday of Holy Week 2024: a Passion hour.
    row(VelmLent, 1005, FirstHour, 1, Mark, 2, 3, 2, 3);
}

class ReadingsRange : public MainNewTest {
protected:
    void SetUp() override {
        MainNewTest::SetUp();
        db = std::make_unique<DayFixture::TDayDatabase>(366, AddBibleAndReadings);
        CreateWindow();
        Make(frmBuilding);
        synx = Make(frmSynx);
        Make(frmPrintRich);
        readings = Make(frmReadings);
        mlty = Make(frmMltyDays);
        Make(frmBibleMain);
        bibleChapter = Make(frmBibleChapter);
        w().clndrDate->SetDate(D("2024-09-10"));
    }
    void TearDown() override {
        FreeWindows();
        db.reset();
        MainNewTest::TearDown();
    }
    TfrmMainNew& w() { return *window; }
    TfrmReadings& r() { return *readings; }

    // The dialog as the user leaves it: dates typed, choices made, then
    // "Show Readings".
    void Request(const QDate& start, const QDate& end,
                 const std::function<void(TfrmMltyDays&)>& choose = {}) {
        mlty->hide(); // each request from a freshly shown dialog
        mlty->show();
        mlty->dtpckrStartDate->setDate(start);
        mlty->dtpckrEndDate->setDate(end);
        if (choose) {
            mlty->rdbtnSelectSomeReadings->click();
            choose(*mlty);
        }
        mlty->btnOK->click();
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

    // The captions the main window shows for a day.
    struct TDayCaptions {
        QString coptic, gregorian, node, title;
    };
    TDayCaptions Captions(const QDate& d) {
        w().CurrentDate = d;
        w().RefreshDay();
        QLabel title;
        w().SetReadingTitle(&title);
        return {w().lblCopticDate->text(), w().lblGregDate->text(),
                w().lblCopticDate->text() + " - " + w().lblGregDate->text(), title.text()};
    }

    std::unique_ptr<DayFixture::TDayDatabase> db;
    TfrmSynx* synx = nullptr;
    TfrmReadings* readings = nullptr;
    TfrmMltyDays* mlty = nullptr;
    TfrmBibleChapter* bibleChapter = nullptr;

    // Runs the commands while the range's window is shown.
    // other sees the windows that the commands show modally.
    void WhileRangeShown(const QDate& start, const QDate& end,
                         const std::function<void()>& commands,
                         const std::function<void(QWidget*)>& other = {}) {
        dialogs.WhileModal = [&](QWidget* shown) {
            if (shown == readings)
                commands();
            else if (other)
                other(shown);
        };
        Request(start, end);
        dialogs.WhileModal = nullptr;
    }
    QTreeWidgetItem* Node(const QStringList& path) {
        QTreeWidgetItem* node = nullptr;
        for (const QString& text : path) {
            QTreeWidgetItem* next = nullptr;
            const int n = node ? node->childCount() : r().trvwCitiations->topLevelItemCount();
            for (int i = 0; i < n && !next; ++i) {
                QTreeWidgetItem* c = node ? node->child(i) : r().trvwCitiations->topLevelItem(i);
                if (c->text(0).startsWith(text))
                    next = c;
            }
            if (!next)
                return nullptr;
            node = next;
        }
        return node;
    }
};

const QString ReadNote =
    " [To be read during the liturgy, after The Acts of the Apostles and before the Psalm]";
const QString NotReadNote = " [Not to be read in the church during this time of the year]";

TEST_F(ReadingsRange, ThreeDaysAllServicesInFull) {
    const TDayCaptions day[] = {Captions(D("2024-09-17")), Captions(D("2024-09-18")),
                                Captions(D("2024-09-19"))};
    ASSERT_EQ(w().DayID, 109);
    Request(D("2024-09-17"), D("2024-09-19"));
    ASSERT_EQ(dialogs.ModalShows, QList<QWidget*>{readings});
    EXPECT_TRUE(r().RangeMode);
    EXPECT_TRUE(r().RangeAllServices);
    EXPECT_FALSE(r().ShowSynxAlways);

    const QString synx[] = {"Synaxarium: Tut 7, 1741 - September 17, 2024\r\n" + ReadNote,
                            "Synaxarium: Tut 8, 1741 - September 18, 2024\r\n" + ReadNote,
                            "Synaxarium: Tut 9, 1741 - September 19, 2024\r\n" + ReadNote};
    auto service = [&](const char* name, int d) { return QString(name) + " " + day[d].title; };
    const QStringList tree = {day[0].node,
                              "  " + synx[0],
                              "  " + service("Vespers", 0),
                              "    Matthew 1:1-2",
                              "  " + service("Matins", 0),
                              "    Mark 2:1-2",
                              "  " + service("Liturgy", 0),
                              "    Psalms 1:1-3, 5-6",
                              "    Mark 1:1-2",
                              day[1].node,
                              "  " + synx[1],
                              "  " + service("Liturgy", 1),
                              "    Matthew 2:1-3",
                              day[2].node,
                              "  " + synx[2],
                              "  " + service("Liturgy", 2),
                              "    Mark 1:1-2"};
    EXPECT_EQ(Tree(), tree);
    // Each day: its Synaxarium section (every entry in full), its title
    // heading, its services with their passages.
    const QString text = Text();
    int at = 0;
    for (int d = 0; d < 3; ++d) {
        for (const QString& part : {"\t\t" + synx[d], QString("[1] Saint 1 of 1/%1").arg(7 + d),
                                    QString("The story of saint 1 of 1/%1.").arg(7 + d),
                                    day[d].title + "\r\n", service("Liturgy", d)}) {
            const int next = int(text.indexOf(part, at));
            EXPECT_GT(next, at - 1) << d << ": " << part.toStdString();
            at = std::max(at, next);
        }
    }
    EXPECT_TRUE(text.contains("Psalms 1:5 text."));
    // The range title, the tree collapsed to the days, the build over.
    const QString rangeTitle =
        "Readings Between " + mlty->dtpckrStartDate->text() + " And " + mlty->dtpckrEndDate->text();
    EXPECT_EQ(r().lblReadingTitle->text(), rangeTitle);
    EXPECT_EQ(r().windowTitle(), rangeTitle);
    EXPECT_FALSE(r().trvwCitiations->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(frmBuilding->isVisible());
    EXPECT_TRUE(frmBuilding->lblProgress->text().isEmpty());
    // The main window has its date back.
    EXPECT_EQ(w().CurrentDate, D("2024-09-10"));
    EXPECT_TRUE(mlty->isVisible()); // the dialog stays open
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
}

TEST_F(ReadingsRange, ChoicesPerServiceAndForTheSynaxarium) {
    const TDayCaptions tut7 = Captions(D("2024-09-17"));
    const QString liturgy = "Liturgy " + tut7.title;
    struct Case {
        const char* name;
        std::function<void(TfrmMltyDays&)> choose;
        bool vespersShown, liturgyPassages, synxShown, synxStories;
    } cases[] = {
        {"Liturgy citations only", [](TfrmMltyDays& m) { m.rdgrpLiturgy->SetItemIndex(1); }, true,
         false, true, true},
        {"Vespers not shown", [](TfrmMltyDays& m) { m.rdgrpVespers->SetItemIndex(2); }, false, true,
         true, true},
        {"Synaxarium names only", [](TfrmMltyDays& m) { m.rdgrpSynx->SetItemIndex(1); }, true, true,
         true, false},
        {"Synaxarium not shown, every day asked for",
         [](TfrmMltyDays& m) {
             m.chkbxShowSynxAlways->setChecked(true);
             m.rdgrpSynx->SetItemIndex(2);
         },
         true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Request(D("2024-09-17"), D("2024-09-17"), c.choose);
        EXPECT_FALSE(r().RangeAllServices);
        const QStringList tree = Tree();
        const QString text = Text();
        EXPECT_EQ(tree.contains("  Vespers " + tut7.title), c.vespersShown);
        EXPECT_EQ(text.contains("Matthew 1:1 text."), c.vespersShown);
        // Citations only: heading, citation headings and nodes, no passage.
        EXPECT_TRUE(tree.contains("  " + liturgy));
        EXPECT_TRUE(tree.contains("    Psalms 1:1-3, 5-6"));
        EXPECT_TRUE(text.contains("Psalms 1:1-3, 5-6\r\n"));
        EXPECT_EQ(text.contains("Psalms 1:5 text."), c.liturgyPassages);
        EXPECT_EQ(text.contains("Synaxarium: Tut 7"), c.synxShown);
        EXPECT_EQ(tree.filter("Synaxarium").size(), c.synxShown ? 1 : 0);
        EXPECT_EQ(text.contains("[1] Saint 1 of 1/7"), c.synxShown);
        EXPECT_EQ(text.contains("The story of saint"), c.synxStories);
    }
}

// In Holy Week the Synaxarium is not read: no section, unless asked for on
// every day, then with the note that it is not read.
TEST_F(ReadingsRange, SynaxariumOnEveryDayInHolyWeek) {
    Captions(D("2024-04-30"));
    ASSERT_EQ(w().VelmTypeID, VelmLent);
    ASSERT_EQ(w().DayID, 1005);
    for (bool always : {false, true}) {
        SCOPED_TRACE(always);
        Request(D("2024-04-30"), D("2024-04-30"),
                [&](TfrmMltyDays& m) { m.chkbxShowSynxAlways->setChecked(always); });
        EXPECT_EQ(r().ShowSynxAlways, always);
        EXPECT_EQ(Text().contains(NotReadNote), always);
        EXPECT_EQ(Tree().filter("Synaxarium").size(), always ? 1 : 0);
        EXPECT_TRUE(Text().contains("Mark 2:3 text."));
    }
}

// A Coptic day missing from the Synaxarium tables (or without its first
// entry, which the main window counts as missing) gets no section, rather
// than the previous day's.
TEST_F(ReadingsRange, DayMissingFromTheSynaxariumHasNoSection) {
    Request(D("2024-11-15"), D("2024-11-17")); // Hatour 6, 7 (missing) and 8 (no entry 1)
    const QString text = Text();
    EXPECT_EQ(text.count("Synaxarium: "), 1);
    EXPECT_EQ(text.count("Synaxarium: Hatour 6"), 1);
    EXPECT_EQ(text.count("[1] Saint 1 of 3/6"), 1);
    EXPECT_EQ(Tree().filter("Synaxarium").size(), 1);
    EXPECT_EQ(r().trvwCitiations->topLevelItemCount(), 3);
}

// The section writer by itself: at most twelve entries, the note by the
// church's reading, names only, the title alone, a day without entry 1.
TEST_F(ReadingsRange, SynaxariumSectionWriter) {
    Captions(D("2024-10-14")); // Babah 4, 1741
    struct Case {
        int synxID;
        bool write, stories, read;
        int entries;
        QString note;
    } cases[] = {
        {204, true, true, true, 12, ReadNote},     // 13 entries stored
        {203, true, false, false, 3, NotReadNote}, // names only
        {308, true, true, true, 0, ReadNote},      // no entry 1: the heading only
        {203, false, true, true, 0, QString()},    // the title only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.synxID);
        TRichEdit edit;
        edit.show();
        QString title = "old";
        synx->AppendSynxToRichEdit(c.synxID, c.write, c.stories, c.read, &edit, title);
        EXPECT_FALSE(edit.isVisible());
        const QString date = c.synxID == 204   ? "Babah 4, 1741 - October 14, 2024"
                             : c.synxID == 203 ? "Babah 3, 1741 - October 13, 2024"
                                               : "Hatour 8, 1741 - November 17, 2024";
        EXPECT_EQ(title, "Synaxarium: " + date + (c.write ? "\r\n" + c.note : QString()));
        const QString text = edit.Text();
        if (!c.write) {
            EXPECT_TRUE(text.isEmpty());
            continue;
        }
        EXPECT_TRUE(text.startsWith(QString(81, '_') + "\r\n\t\t" + title + "\r\n"));
        EXPECT_EQ(text.count(QRegularExpression("\\[\\d+\\] Saint")), c.entries);
        EXPECT_EQ(text.count("The story of saint"), c.stories ? c.entries : 0);
        EXPECT_EQ(text.count(QString(81, '_')), 1 + 2 * c.entries);
    }
    EXPECT_EQ(synx->DateCaption, "Babah 3");
}

TEST_F(ReadingsRange, RangeChecksOfTheDialog) {
    struct Case {
        const char* start;
        const char* end;
        int answer; // to the OK/Cancel warning
        QString message;
        bool shown;
    } cases[] = {
        {"2024-09-17", "2024-09-17", mrOk, QString(), true},
        {"2024-11-20", "2025-01-19", mrOk, QString(), true}, // 61 days
        {"2024-11-20", "2025-01-20", mrCancel, LongRangeMessage, false},
        {"2024-11-20", "2025-01-20", mrOk, LongRangeMessage, true},
        {"2024-09-18", "2024-09-17", mrOk, InvalidDateRangeMessage, false},
        // Ten years from a leap day end on February 28; a day more is refused
        // before the long-range warning, and nothing is built.
        {"2024-02-29", "2034-02-28", mrCancel, LongRangeMessage, false},
        {"2024-02-29", "2034-03-01", mrOk, RangeTooLongMessage, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.end);
        dialogs.Messages.clear();
        dialogs.ModalShows.clear();
        dialogs.MessageAnswers = {c.answer};
        Request(D(c.start), D(c.end));
        EXPECT_TRUE(MessagesOf(mtError).isEmpty());
        ASSERT_EQ(dialogs.Messages.size(), c.message.isEmpty() ? 0 : 1);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(dialogs.Messages[0].Text, c.message);
            EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
            EXPECT_EQ(dialogs.Messages[0].Buttons,
                      c.message == LongRangeMessage ? mbOK | mbCancel : mbOK);
        }
        EXPECT_EQ(dialogs.ModalShows.size(), c.shown ? 1 : 0);
        EXPECT_TRUE(mlty->isVisible());
        if (c.shown) {
            EXPECT_EQ(r().trvwCitiations->topLevelItemCount(), D(c.start).daysTo(D(c.end)) + 1);
        }
    }
}

TEST_F(ReadingsRange, DialogStateFollowsTheChoices) {
    TfrmMltyDays& m = *mlty;
    m.show();
    EXPECT_TRUE(m.rdgrpShowAllReadings->isChecked());
    EXPECT_FALSE(m.pnlDetails->isEnabled());
    m.rdbtnSelectSomeReadings->click();
    EXPECT_TRUE(m.pnlDetails->isEnabled());
    m.rdgrpLiturgy->SetItemIndex(2);

    // Not shown clears and disables "every day"; names only enables it again.
    m.chkbxShowSynxAlways->click();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, ShowSynxAlwaysMessage);
    EXPECT_EQ(dialogs.Messages[0].Type, mtInformation);
    auto* notShown = m.rdgrpSynx->findChildren<QRadioButton*>()[2];
    auto* namesOnly = m.rdgrpSynx->findChildren<QRadioButton*>()[1];
    notShown->click();
    EXPECT_FALSE(m.chkbxShowSynxAlways->isChecked());
    EXPECT_FALSE(m.chkbxShowSynxAlways->isEnabled());
    namesOnly->click();
    EXPECT_TRUE(m.chkbxShowSynxAlways->isEnabled());
    EXPECT_FALSE(m.chkbxShowSynxAlways->isChecked());
    m.chkbxShowSynxAlways->click();
    m.chkbxShowSynxAlways->click(); // unticking says nothing
    EXPECT_EQ(dialogs.Messages.size(), 2);

    // "Show All Readings" puts every choice back to full.
    m.rdgrpShowAllReadings->click();
    EXPECT_FALSE(m.pnlDetails->isEnabled());
    EXPECT_EQ(m.rdgrpLiturgy->ItemIndex(), 0);
    EXPECT_EQ(m.rdgrpSynx->ItemIndex(), 0);
    EXPECT_FALSE(m.chkbxShowSynxAlways->isChecked());

    // A start picked in the calendar after the end moves the end; typed
    // dates do not.
    m.dtpckrEndDate->setDate(D("2024-09-17"));
    m.dtpckrStartDate->setDate(D("2024-09-20"));
    EXPECT_EQ(m.dtpckrEndDate->date(), D("2024-09-17"));
    m.dtpckrStartDateCloseUp();
    EXPECT_EQ(m.dtpckrEndDate->date(), D("2024-09-20"));

    // Showing again: choices reset, the radio buttons as they were.
    m.rdbtnSelectSomeReadings->click();
    m.rdgrpMatains->SetItemIndex(1);
    m.hide();
    m.show();
    EXPECT_EQ(m.rdgrpMatains->ItemIndex(), 0);
    EXPECT_TRUE(m.rdbtnSelectSomeReadings->isChecked());
    EXPECT_FALSE(m.pnlDetails->isEnabled());
}

TEST_F(ReadingsRange, ButtonOpensTheDialogOnTheCalendarsDate) {
    w().clndrDate->SetDate(D("2024-09-18"));
    dialogs.ModalShows.clear();
    w().btnMultipleReadings->click();
    ASSERT_EQ(dialogs.ModalShows, QList<QWidget*>{mlty});
    EXPECT_EQ(mlty->dtpckrStartDate->date(), D("2024-09-18"));
    EXPECT_EQ(mlty->dtpckrEndDate->date(), D("2024-09-18"));
}

// The close button, Escape and the close box all give the main window the
// date it showed before the range walk moved it.
TEST_F(ReadingsRange, DateHandedBackOnEveryClose) {
    const TDayCaptions before = Captions(D("2024-09-10"));
    const std::function<void(TfrmReadings&)> closes[] = {
        [](TfrmReadings& r) { QTest::mouseClick(r.btnClose, Qt::LeftButton); },
        [](TfrmReadings& r) { QTest::keyClick(&r, Qt::Key_Escape); },
        [](TfrmReadings& r) { r.close(); },
    };
    for (const auto& close : closes) {
        QDate during;
        dialogs.WhileModal = [&](QWidget* shown) {
            if (shown != readings)
                return;
            during = w().CurrentDate;
            close(r());
            EXPECT_FALSE(r().isVisible());
        };
        Request(D("2024-09-17"), D("2024-09-19"));
        EXPECT_EQ(during, D("2024-09-19")); // the walk ends on the last day
        EXPECT_EQ(w().CurrentDate, D("2024-09-10"));
        EXPECT_EQ(w().lblGregDate->text(), before.gregorian);
        EXPECT_EQ(w().lblCopticDate->text(), before.coptic);
    }
}

// A citation that two days share: the tree click goes to the node's own
// day; a one-day window looks from the start as before.
TEST_F(ReadingsRange, TreeClickGoesToTheNodesOwnDay) {
    const TDayCaptions tut7 = Captions(D("2024-09-17"));
    const TDayCaptions tut9 = Captions(D("2024-09-19"));
    int first = -1, last = -1, synxAt = -1;
    WhileRangeShown(D("2024-09-17"), D("2024-09-19"), [&] {
        const QString text = Text();
        const int day3 = int(text.indexOf(tut9.title + "\r\n"));
        ASSERT_GT(day3, 0);
        for (auto [day, at] : {std::pair{tut7.node, &first}, {tut9.node, &last}}) {
            QTreeWidgetItem* node = Node({day, "Liturgy", "Mark 1:1-2"});
            ASSERT_NE(node, nullptr);
            r().trvwCitiations->setCurrentItem(node);
            r().trvwCitiationsClick();
            *at = r().rchedtReadings->SelStart();
        }
        EXPECT_EQ(first, int(text.indexOf("Mark 1:1-2")));
        EXPECT_EQ(last, int(text.indexOf("Mark 1:1-2", day3)));
        // The Synaxarium node goes to the day's section before its title.
        r().trvwCitiations->setCurrentItem(Node({tut9.node, "Synaxarium"}));
        r().trvwCitiationsClick();
        synxAt = r().rchedtReadings->SelStart();
        EXPECT_EQ(synxAt, int(text.indexOf("Synaxarium: Tut 9")));
    });
    EXPECT_GT(last, first);
}

// The Bible button: a citation opens its chapter at its first verse; other
// nodes and no node give their messages and open nothing.
TEST_F(ReadingsRange, BibleChapterOfACitation) {
    const TDayCaptions tut7 = Captions(D("2024-09-17"));
    bool selectVerse = false;
    QString selected;
    WhileRangeShown(
        D("2024-09-17"), D("2024-09-17"),
        [&] {
            r().trvwCitiations->setCurrentItem(nullptr);
            r().BitBtn1->click();
            r().trvwCitiations->setCurrentItem(Node({tut7.node, "Liturgy"}));
            r().BitBtn1->click();
            r().trvwCitiations->setCurrentItem(Node({tut7.node, "Liturgy", "Psalms 1:1-3, 5-6"}));
            r().ShowBibleChapter1->trigger();
        },
        [&](QWidget*) {
            selectVerse = bibleChapter->SelectVerse;
            selected = bibleChapter->rchedtReadings->SelText();
        });
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(dialogs.Messages[0].Text, "You need to select one of the citations (from the left "
                                        "panel) before trying to connect to the Bible");
    EXPECT_EQ(dialogs.Messages[1].Text, "This is not a valid citation");
    EXPECT_EQ(dialogs.Messages[1].Type, mtWarning);
    EXPECT_EQ(dialogs.ModalShows, (QList<QWidget*>{readings, bibleChapter}));
    const TfrmBibleChapter& c = *bibleChapter;
    EXPECT_EQ(c.BookID, Psalms);
    EXPECT_EQ(c.BookName, "Psalms");
    EXPECT_EQ(c.Chapter, 1);
    EXPECT_TRUE(selectVerse);
    // The chapter opens with verse 1 selected.
    EXPECT_TRUE(selected.contains("Psalms 1:1 text.")) << selected.toStdString();
    EXPECT_EQ(c.FirstChapter, 1);
    EXPECT_EQ(c.LastChapter, 2);
    EXPECT_EQ(c.TranslationTag, "[WEB]");
    EXPECT_EQ(c.VerseLength, QString("Psalms 1:1 text.").size());
}

// Verse numbers and the font rebuild the whole range (also after a
// cancelled font dialog); printing takes the range title as its header.
TEST_F(ReadingsRange, RebuildsAndPrintingOfARange) {
    QTemporaryDir dir;
    const QString file = dir.filePath("range.rtf");
    QString header;
    WhileRangeShown(D("2024-09-17"), D("2024-09-19"), [&] {
        EXPECT_TRUE(Text().contains("1:1 Matthew 1:1 text."));
        r().chkbxVerseNum->click();
        EXPECT_FALSE(Text().contains("1:1 Matthew"));
        EXPECT_TRUE(Text().contains("Matthew 1:1 text."));
        EXPECT_EQ(r().trvwCitiations->topLevelItemCount(), 3);
        r().chkbxVerseNum->click();

        r().rchedtReadings->AppendRun("written after the build");
        r().btnSetFont->click(); // cancelled
        EXPECT_FALSE(Text().contains("written after the build"));
        EXPECT_EQ(r().trvwCitiations->topLevelItemCount(), 3);

        dialogs.PrintAnswers = {false};
        r().spdbtnPrint->click();
        header = frmPrintRich->RichPrinter1->Header();
        r().spdbtnPageSetup->click();
        dialogs.SaveAnswers = {file};
        r().spdbtnSaveAs->click();
    });
    EXPECT_EQ(dialogs.FontRequests.size(), 1);
    EXPECT_EQ(dialogs.PrintCalls, 1);
    EXPECT_EQ(dialogs.PageSetupCalls, 1);
    EXPECT_EQ(header, r().lblReadingTitle->text());
    EXPECT_TRUE(header.startsWith("Readings Between "));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf"));
    EXPECT_TRUE(rtf.contains("Synaxarium: Tut 9"));
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
}

// A range of one day rebuilt from the verse-number box or the font button
// is the same range: its Synaxarium section, day node and titles stay.
TEST_F(ReadingsRange, OneDayRangeRebuildsAsShown) {
    QStringList tree, rebuiltTree, fontTree;
    QString text, rebuiltText, title, rebuiltTitle;
    WhileRangeShown(D("2024-09-17"), D("2024-09-17"), [&] {
        tree = Tree();
        text = Text();
        title = r().lblReadingTitle->text();
        r().chkbxVerseNum->click();
        EXPECT_EQ(Tree(), tree);
        EXPECT_TRUE(Text().contains("Synaxarium: Tut 7"));
        EXPECT_FALSE(Text().contains("1:1 Matthew"));
        r().chkbxVerseNum->click();
        rebuiltTree = Tree();
        rebuiltText = Text();
        rebuiltTitle = r().lblReadingTitle->text();
        r().btnSetFont->click();
        fontTree = Tree();
    });
    ASSERT_GT(tree.size(), 2);
    EXPECT_TRUE(tree[1].contains("Synaxarium: Tut 7"));
    EXPECT_EQ(rebuiltTree, tree);
    EXPECT_EQ(rebuiltText, text);
    EXPECT_EQ(rebuiltTitle, title);
    EXPECT_TRUE(title.startsWith("Readings Between "));
    EXPECT_EQ(fontTree, tree);
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
}

} // namespace

TEST_F(ReadingsRange, DayNodesShowWholeAndTheSynaxariumNodeOnOneLine) {
    // Misra 29 and 30 and Nasi 1: the longest captions of the fixture's days.
    WhileRangeShown(D("2024-09-04"), D("2024-09-06"), [&] {
        QTreeWidget* tree = r().trvwCitiations;
        QCoreApplication::processEvents();
        const int viewWidth = tree->viewport()->width();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* day = tree->topLevelItem(i);
            const int end = tree->visualItemRect(day).left() +
                            tree->fontMetrics().horizontalAdvance(day->text(0));
            EXPECT_LE(end, viewWidth) << day->text(0).toStdString();
        }
        QTreeWidgetItem* day = tree->topLevelItem(0);
        tree->expandItem(day);
        QCoreApplication::processEvents();
        QTreeWidgetItem* synaxarium = day->child(0);
        ASSERT_TRUE(synaxarium->text(0).contains("\r\n")); // the heading it finds
        EXPECT_EQ(tree->visualItemRect(synaxarium).height(), tree->visualItemRect(day).height());
    });
}

TEST_F(ReadingsRange, SynaxariumRulesStayOnOneLineAtTheFirstSize) {
    SetScreen(1280, 1024, 96); // room for the window's first size
    WhileRangeShown(D("2024-09-17"), D("2024-09-19"), [&] {
        TRichEdit* edit = r().rchedtReadings;
        QCoreApplication::processEvents();
        const QString text = edit->Text();
        const QString rule = SynxRule();
        int rules = 0;
        for (qsizetype at = text.indexOf(rule); at >= 0; at = text.indexOf(rule, at + 1)) {
            ++rules;
            EXPECT_EQ(edit->LineFromChar(int(at)), edit->LineFromChar(int(at + rule.size() - 1)))
                << at;
        }
        EXPECT_GE(rules, 9); // three days: a rule above the day, two around each entry
    });
}
