// The main window as a user's display and locale see it: the screen check
// from font DPI and scale, the calendar's years and an Arabic locale.

#include "MainNewTestSupport.h"

#include "Bible.h"
#include "BibleChapter.h"
#include "BibleIndex.h"
#include "BibleMain.h"
#include "MltyDays.h"
#include "Readings.h"
#include "Search.h"
#include "Synx.h"

#include "About.h"
#include "AllDates.h"
#include "Building.h"
#include "LinkSynx.h"
#include "Picture.h"
#include "RichPreview.h"
#include "RichPrntProgDlg.h"
#include "ShowIcons.h"
#include "SynxSearchResults.h"
#include "SynxShowSaints.h"
#include "VerseOfTheDay.h"
#include "arrowbtn.h"

#include "CldrDates.h"
#include "FixtureDb.h"
#include "Shell.h"
#include "TButPanel.h"
#include "WrappedGroupBox.h"
#include "ZIZ_Cldr.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPicture>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <iterator>

namespace {

class MainWindowDisplay : public MainNewTest {};

} // namespace

TEST(ScreenMetrics, RatioComesFromFontDpiAndScaleTogether) {
    struct Case {
        const char* setting;
        QSize qtSize; // device-independent pixels, as Qt reports them
        double logicalDpi;
        double ratio;
        QString warning;
    } const cases[] = {
        {"96 dpi, 800x600", {800, 600}, 96, 1.0, QString()},
        {"font DPI 120 as scale, 1280x720",
         {1024, 576},
         96,
         1.25,
         QString::fromLatin1(LargeFontsWarning)},
        {"font DPI 120 unscaled, 1280x720",
         {1280, 720},
         120,
         1.0,
         QString::fromLatin1(LargeFontsWarning)},
        {"scale 1.25, 1024x768", {819, 614}, 96, 1.25, QString()},
        {"96 dpi, 1024x576", {1024, 576}, 96, 1.0, QString::fromLatin1(ResolutionWarning)},
    };
    for (const Case& c : cases) {
        const TScreenMetrics m = ScreenMetricsOf(c.qtSize, c.logicalDpi, c.ratio);
        EXPECT_EQ(ScreenCheckWarning(m), c.warning) << c.setting;
        EXPECT_DOUBLE_EQ(m.Scale, c.ratio) << c.setting;
    }
    const TScreenMetrics scaled = ScreenMetricsOf({1024, 576}, 96, 1.25);
    EXPECT_EQ(scaled.Width, 1280);
    EXPECT_EQ(scaled.Height, 720);
    EXPECT_EQ(scaled.LogPixelsX, 120);
}

TEST_F(MainWindowDisplay, LargeFontsSizeTheWindowInTheScreensOwnPixels) {
    TFixtureDatabase db;
    db.Finish();
    struct Case {
        const char* setting;
        double scale;
        QSize maximum; // the window's own (device-independent) pixels
        QSize size;
    } const cases[] = {
        // Qt scales the window itself: 800x600 is 1000x750 on the screen,
        // cut to the 1024x576 the screen holds.
        {"scale 1.25", 1.25, {800, 600}, {800, 576}},
        // Unscaled, the window grows by the ratio itself.
        {"font DPI 120", 1.0, {1000, 750}, {1000, 720}},
    };
    for (const Case& c : cases) {
        SetScreen(1280, 720, 120);
        screen.Scale = c.scale;
        TfrmMainNew& w = CreateWindow();
        w.show();
        EXPECT_EQ(w.maximumSize(), c.maximum) << c.setting;
        EXPECT_EQ(w.size(), c.size) << c.setting;
        ASSERT_FALSE(dialogs.Messages.isEmpty());
        EXPECT_EQ(dialogs.Messages[0].Text, QString::fromLatin1(LargeFontsWarning));
        dialogs.Messages.clear();
        window.reset();
    }
}

namespace {

// A control or caption the user cannot reach (off the window, cut by a
// panel that does not scroll) or a button whose caption does not show whole.
QStringList Unreachable(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            (label && !label->text().isEmpty()) || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QTabBar*>(w) || qobject_cast<TArrowButton*>(w) ||
            qobject_cast<TButPanel*>(w) ||
            (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()) &&
             !qobject_cast<QAbstractSpinBox*>(w->parentWidget())) ||
            (qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QScrollArea*>(w));
        // A view's own corner and header controls move with the view.
        const QWidget* parent = w->parentWidget();
        if (!control || w->window() != window || !w->isVisibleTo(window) ||
            w->objectName().startsWith(QLatin1String("qt_")) ||
            (qobject_cast<const QAbstractScrollArea*>(parent) &&
             !qobject_cast<const QScrollArea*>(parent)))
            continue;
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className()) + ' ' +
                                       w->property("text").toString()
                                 : w->objectName();
        // Up to the window: each ancestor holds the control, unless it is
        // the panel of a scroll area that can scroll to it.
        QRect r = w->rect();
        const QWidget* at = w;
        bool reached = true;
        while (at != window && reached) {
            const QWidget* parent = at->parentWidget();
            auto* scroller =
                qobject_cast<const QScrollArea*>(parent ? parent->parentWidget() : nullptr);
            if (scroller && scroller->widget() == at) {
                reached = QRect(QPoint(0, 0), at->size()).contains(r) &&
                          !scroller->viewport()->size().isEmpty();
                r = scroller->rect().intersected(QRect(QPoint(0, 0), scroller->viewport()->size()));
                at = scroller;
                continue;
            }
            r.translate(at->pos());
            reached = parent->rect().contains(r);
            at = parent;
        }
        if (!reached)
            out << name;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && !button->text().isEmpty()) {
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            const int need = qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w)
                                 ? button->fontMetrics().horizontalAdvance(caption) + 4
                                 : button->minimumSizeHint().width();
            if (button->width() < need)
                out << name + QLatin1String(" caption");
        }
    }
    return out;
}

// A preview of two pages, built; the window that shows the second page.
TRichPreviewForm* Preview(bool second) {
    auto* form = new TRichPreviewForm({827, 1169, 210, 297, muMillimeters}, true);
    form->show();
    for (int i = 0; i < 2; ++i) {
        QPicture page;
        page.setBoundingRect(QRect(0, 0, 827, 1169));
        form->SavePage(page);
    }
    form->EndBuild();
    if (second && !form->SecondWindow())
        ADD_FAILURE() << "no second window";
    return form;
}

} // namespace

TEST_F(MainWindowDisplay, EveryWindowStaysWithinASmallScaledScreen) {
    // 1280x1024 at a scale of 2 is 640x512 of a window's own pixels: less
    // than the controls of the Bible hub and search window need side by side.
    TFixtureDatabase db;
    db.Finish();
    static TRichPrntProgDlg* progress = nullptr; // outlives the test, as Make needs
    const QSize large(1280, 1024), small(800, 600);
    CreateWindow();
    // A window up first, as the main window is in the program: the window
    // manager's frame is known before the others show.
    QWidget framed;
    framed.show();
    const struct {
        const char* name;
        QSize screen;
        double scale;
        std::function<QWidget*()> make;
    } windows[] = {
        {"hub", large, 2, [&] { return Make(frmBibleMain); }},
        {"search", large, 2, [&] { return Make(frmSearch); }},
        {"chapter", large, 2, [&] { return Make(frmBibleChapter); }},
        {"whole book", large, 2, [&] { return Make(frmBible); }},
        {"concordance", large, 2, [&] { return Make(frmBibleIndex); }},
        {"Synaxarium", large, 2, [&] { return Make(frmSynx); }},
        {"readings", large, 2, [&] { return Make(frmReadings); }},
        {"range", large, 2, [&] { return Make(frmMltyDays); }},
        {"linked entry", large, 2,
         [&] {
             MainDM->OpenStartupTables();
             Make(frmLinkSynx)->SynxID = Fixture::SynxKiahk29;
             frmLinkSynx->EntryNumber = 1;
             return frmLinkSynx;
         }},
        {"Synaxarium results", large, 2, [&] { return Make(frmSynxSearchResults); }},
        {"saints index 1.5", large, 1.5, [&] { return Make(frmSynxShowSaints); }},
        {"saints index", large, 2, [&] { return Make(frmSynxShowSaints); }},
        {"icons list", large, 2, [&] { return Make(frmShowIcons); }},
        {"feasts", large, 2, [&] { return Make(frmAllDates); }},
        {"feasts 800x600 1.25", small, 1.25, [&] { return Make(frmAllDates); }},
        {"feasts 800x600 1.5", small, 1.5, [&] { return Make(frmAllDates); }},
        {"picture", large, 2, [&] { return Make(frmPicture); }},
        {"verse of the day", large, 2, [&] { return Make(frmVerseOfTheDay); }},
        {"about", large, 2, [&] { return Make(frmAbout); }},
        {"building", large, 2, [&] { return Make(frmBuilding); }},
        {"print progress", large, 2, [&] { return Make(progress); }},
        {"preview", large, 2, [] { return Preview(false); }},
        {"preview 1.5", large, 1.5, [] { return Preview(false); }},
        {"preview 1.25", large, 1.25, [] { return Preview(false); }},
        {"second preview 1.5", large, 1.5, [] { return Preview(true)->SecondWindow(); }},
        {"second preview 1.25", large, 1.25, [] { return Preview(true)->SecondWindow(); }},
        {"preview 800x600", small, 1, [] { return Preview(false); }},
        {"main", large, 2, [&] { return window.get(); }},
    };
    for (const auto& c : windows) {
        SetScreen(c.screen.width(), c.screen.height(), int(96 * c.scale));
        screen.Scale = c.scale;
        const QSize fits = ScreenInWindowPixels(screen);
        QWidget* w = c.make();
        if (!w)
            continue;
        w->show();
        // Maximized, a window is as large as the screen it is on.
        if (w->isMaximized()) {
            w->setWindowState(Qt::WindowNoState);
            w->resize(fits - (w->frameGeometry().size() - w->size()));
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(w->isVisible()) << c.name;
        // With the frame a window manager puts round it.
        EXPECT_LE(w->frameGeometry().width(), fits.width()) << c.name;
        EXPECT_LE(w->frameGeometry().height(), fits.height()) << c.name;
        // The preview places itself on the screen.
        if (RichPreviewForm) {
            EXPECT_TRUE(QRect(QPoint(0, 0), fits).contains(w->geometry())) << c.name;
        }
        const QStringList lost = Unreachable(w);
        EXPECT_TRUE(lost.isEmpty())
            << c.name << ": " << lost.join(QLatin1String(", ")).toStdString();
        if (RichPreviewForm)
            RichPreviewForm->close();
        else
            w->hide();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MainWindowDisplay, ArabicLocaleShowsTheDayOfTheCalendar) {
    TFixtureDatabase db;
    db.Finish();
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    TfrmMainNew& w = CreateWindow();
    w.show();
    QCoreApplication::processEvents();
    const QDate today = Today(); // the test environment's
    EXPECT_EQ(w.CurrentDate, today);
    EXPECT_EQ(w.lblGregDate->text(), QStringLiteral("%1 %2, %3")
                                         .arg(QLocale::c().standaloneMonthName(today.month()))
                                         .arg(today.day())
                                         .arg(today.year()));
    w.clndrDate->SetDate(QDate(2027, 1, 7));
    EXPECT_EQ(w.CurrentDate, QDate(2027, 1, 7));
    EXPECT_EQ(w.lblGregDate->text(), QStringLiteral("January 7, 2027"));
    EXPECT_TRUE(MessagesOf(mtError).isEmpty());
    window.reset();
    QLocale::setDefault(QLocale::c());
}

TEST_F(MainWindowDisplay, CalendarStaysWithinTheYearsTheWindowComputes) {
    TFixtureDatabase db;
    db.Finish();
    TfrmMainNew& w = CreateWindow();
    w.show();
    w.clndrDate->SetDate(QDate(1901, 12, 7));
    ASSERT_EQ(w.CurrentDate, QDate(1901, 12, 7));
    // By the arrow, by a typed year and by a date set: never 1900.
    TButPanel* prior = w.clndrDate->StepButton(StepYearPrior);
    prior->OnTick(prior);
    QSpinBox* spin = w.clndrDate->YearSpin();
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("1900"));
    QTest::keyClick(spin, Qt::Key_Return);
    w.clndrDate->SetDate(QDate(1900, 12, 7));
    EXPECT_EQ(w.clndrDate->Date(), QDate(1901, 12, 7));
    EXPECT_EQ(w.CurrentDate, QDate(1901, 12, 7));
    EXPECT_EQ(w.lblGregDate->text(), QStringLiteral("December 7, 1901"));
}

namespace {

// The part of a widget the window shows: its rectangle cut by every
// ancestor's (a scrolled panel shows only what its viewport holds).
QRect VisibleRect(const QWidget* w, const QWidget* window) {
    QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        r &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    return r & window->rect();
}

// Pairs of controls that cover one another, neither holding the other.
QStringList Overlaps(const QWidget& window) {
    QList<const QWidget*> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The feast pages draw their picture under their rows on purpose.
        if (qobject_cast<const QLabel*>(w) && w->objectName().startsWith(QLatin1String("Image")))
            continue;
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QGroupBox*>(w) || qobject_cast<const TFullCalendarLight*>(w) ||
            qobject_cast<const QTabBar*>(w) || qobject_cast<const QTextEdit*>(w))
            controls << w;
    }
    QStringList out;
    for (int i = 0; i < controls.size(); ++i) {
        const QRect a = VisibleRect(controls[i], &window);
        if (a.isEmpty())
            continue;
        for (int j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
                continue;
            const QRect b = VisibleRect(controls[j], &window);
            if (!b.isEmpty() && a.intersects(b))
                out << controls[i]->objectName() + QLatin1String(" / ") + controls[j]->objectName();
        }
    }
    return out;
}

} // namespace

TEST_F(MainWindowDisplay, NoControlCoversAnotherAtAnySizeTheWindowAllows) {
    TFixtureDatabase db;
    db.Finish();
    TfrmMainNew& w = CreateWindow();
    w.show();
    // 800x576 is a 1024x576 screen, 800x551 the same under a window manager;
    // at 800x500 the column of an ordinary day would fit and Palm Sunday's not.
    const QSize sizes[] = {{800, 600}, {800, 576}, {800, 551}, {800, 500}, {650, 450}, {500, 300}};
    QMap<int, int> rightPanelX; // by size
    // A Holy Week day shows its longest caption; a long title wraps. Palm
    // Sunday, Good Friday and Bright Saturday offer the most buttons.
    for (const QDate& day : {QDate(2026, 10, 20), QDate(2027, 4, 28), QDate(2027, 4, 25),
                             QDate(2027, 4, 30), QDate(2027, 5, 1), QDate(2027, 3, 10)}) {
        w.clndrDate->SetDate(day);
        for (int s = 0; s < int(std::size(sizes)); ++s) {
            const QSize size = sizes[s];
            w.resize(size);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            ASSERT_EQ(w.size(), size);
            const std::string where = QStringLiteral("%1x%2 %3")
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(day.toString(Qt::ISODate))
                                          .toStdString();
            // The day does not move the right panel sideways.
            const int x = w.pnlTopRight->mapTo(&w, QPoint(0, 0)).x();
            EXPECT_EQ(rightPanelX.value(s, x), x) << where;
            rightPanelX[s] = x;
            // From a 1024x576 screen up the whole left column shows unscrolled,
            // each button wide enough for its caption.
            for (const QWidget* c : w.pnlLeft->findChildren<QWidget*>()) {
                if (size.height() < 551 || !c->isVisibleTo(&w) ||
                    !(qobject_cast<const QLabel*>(c) || qobject_cast<const QAbstractButton*>(c)))
                    continue;
                EXPECT_EQ(VisibleRect(c, &w).size(), c->size())
                    << where << " " << c->objectName().toStdString();
                if (const auto* b = qobject_cast<const QAbstractButton*>(c)) {
                    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 4, b->width())
                        << where << " " << b->text().toStdString();
                }
            }
            // The panels share the whole width between them.
            QRect panels;
            for (const QWidget* c :
                 w.findChildren<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly))
                panels |= c->geometry();
            EXPECT_GE(panels.width(), size.width() - 8) << where;
            const QStringList overlaps = Overlaps(w);
            EXPECT_TRUE(overlaps.isEmpty())
                << where << ": " << overlaps.join(QLatin1String(", ")).toStdString();
        }
    }
    // The month box shows its longest month whole.
    QComboBox* month = w.clndrDate->MonthCombo();
    QStyleOptionComboBox option;
    option.initFrom(month);
    EXPECT_GE(
        month->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, month)
            .width(),
        month->fontMetrics().horizontalAdvance(QStringLiteral("September")));
}

TEST_F(MainWindowDisplay, SynaxariumCaptionShowsWholeAndKeepsItsPlace) {
    TFixtureDatabase db;
    db.Finish();
    TfrmMainNew& w = CreateWindow();
    w.show();
    w.clndrDate->SetDate(QDate(2027, 4, 28)); // Holy Week: the long caption
    auto* box = qobject_cast<TWrappedGroupBox*>(w.grpbxSynexeriam);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(),
              "Synaxarium (Not to be read in the church during this time of the year)");
    int fastingHeight = -1;
    for (const QSize& size : {QSize(800, 600), QSize(650, 450), QSize(500, 300)}) {
        w.resize(size);
        QCoreApplication::processEvents();
        const QRect title = box->TitleRect();
        const int needed =
            box->fontMetrics()
                .boundingRect(QRect(0, 0, title.width(), 100000), Qt::TextWordWrap, box->title())
                .height();
        EXPECT_GE(title.height(), needed) << size.width();
        EXPECT_TRUE(box->rect().contains(title)) << size.width();
        EXPECT_GE(box->contentsRect().top(), title.bottom()) << size.width();
        if (fastingHeight < 0)
            fastingHeight = w.lblFasting->height();
        EXPECT_EQ(w.lblFasting->height(), fastingHeight);
    }
    // A fasting text of one line keeps the two lines' room as well.
    const int wrapped = w.lblFasting->height();
    w.clndrDate->SetDate(QDate(2026, 10, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.lblFasting->height(), wrapped);
}

TEST_F(MainWindowDisplay, ATableErrorMidDayLeavesTheLastWholeDay) {
    TFixtureDatabase db;
    db.Finish();
    TfrmMainNew& w = CreateWindow();
    w.show();
    w.clndrDate->SetDate(QDate(2026, 10, 21));
    ASSERT_EQ(w.CurrentDate, QDate(2026, 10, 21));
    const QStringList shown = {w.lblGregDate->text(), w.lblCopticDate->text(), w.lblDOW->text(),
                               w.lblFasting->text(), w.lblTune->text()};
    const int engineDay = w.DayEngine->CopticDay;
    dialogs.Messages.clear();

    // The Yearly table fails on the next day, an Annual day.
    MainDM->tblYearly.Close();
    TButPanel* back = w.clndrDate->StepButton(StepDayPrior);
    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(back->width() / 2, back->height() / 2));
    ASSERT_EQ(MessagesOf(mtError).size(), 1);
    const QStringList after = {w.lblGregDate->text(), w.lblCopticDate->text(), w.lblDOW->text(),
                               w.lblFasting->text(), w.lblTune->text()};
    EXPECT_EQ(after, shown);
    EXPECT_EQ(w.CurrentDate, QDate(2026, 10, 21));
    EXPECT_EQ(w.clndrDate->Date(), QDate(2026, 10, 21));
    EXPECT_EQ(w.DayEngine->CopticDay, engineDay);

    // Mended, the same step shows the day.
    MainDM->tblYearly.Open();
    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(back->width() / 2, back->height() / 2));
    EXPECT_EQ(w.CurrentDate, QDate(2026, 10, 20));
    EXPECT_EQ(w.lblGregDate->text(), QStringLiteral("October 20, 2026"));
    EXPECT_EQ(MessagesOf(mtError).size(), 1);
}

TEST_F(MainWindowDisplay, FeastNamesAndDatesKeepAGapOnEveryPage) {
    TFixtureDatabase db;
    db.Finish();
    TfrmMainNew& w = CreateWindow();
    w.show();
    // 2026: the Annunciation is not celebrated, its date ends in "*".
    w.clndrDate->SetDate(QDate(2026, 12, 7));
    for (const QSize& size : {QSize(800, 600), QSize(500, 300)}) {
        w.resize(size);
        for (int page = 0; page < w.pgcntrlFeasts->count(); ++page) {
            w.pgcntrlFeasts->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QGridLayout* grid :
                 w.pgcntrlFeasts->widget(page)->findChildren<QGridLayout*>()) {
                for (int row = 0; row < grid->rowCount(); ++row) {
                    const QLayoutItem* nameItem = grid->itemAtPosition(row, 0);
                    const QLayoutItem* dateItem = grid->itemAtPosition(row, 1);
                    if (nameItem == nullptr || dateItem == nullptr || nameItem == dateItem)
                        continue;
                    const auto* name = qobject_cast<const QLabel*>(nameItem->widget());
                    const auto* date = qobject_cast<const QLabel*>(dateItem->widget());
                    if (name == nullptr || date == nullptr)
                        continue;
                    const int nameEnd =
                        name->x() + name->fontMetrics().horizontalAdvance(name->text());
                    EXPECT_GE(date->x() - nameEnd, 4)
                        << size.width() << " " << name->text().toStdString() << " "
                        << date->text().toStdString();
                    // A date label is as wide as its text; beside it lies the
                    // page's picture.
                    const int text = date->fontMetrics().horizontalAdvance(date->text());
                    EXPECT_GE(date->width(), text) << date->text().toStdString();
                    EXPECT_LE(date->width(), text + 2) << date->text().toStdString();
                    const QWidget* sheet = w.pgcntrlFeasts->widget(page);
                    if (date->parentWidget() == sheet) {
                        const QWidget* beside = sheet->childAt(date->geometry().right() + 20,
                                                               date->geometry().center().y());
                        EXPECT_TRUE(beside &&
                                    beside->objectName().startsWith(QLatin1String("Image")))
                            << date->text().toStdString();
                    }
                }
            }
        }
    }
}
