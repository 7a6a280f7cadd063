#include "About.h"
#include "Building.h"
#include "Environment.h"
#include "Shell.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A fake tick counter that moves one millisecond per reading.
struct FakeTicks {
    explicit FakeTicks(quint32 start) : now(start), first(start) {
        env.TickCount = [this] {
            ++reads;
            return now++;
        };
    }
    quint32 now;
    quint32 first;
    int reads = 0;
    TEnvironment env;
    TEnvironmentScope scope{env};
};

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Saves a picture of a window when EVELM_SHOT_DIR names a folder.
void Shot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("EVELM_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QTest::qWait(200);
    w->grab().save(QDir(dir).filePath(name));
}

} // namespace

TEST(AboutSplash, DesignTextsAndSize) {
    TfrmAbout a;
    EXPECT_EQ(a.size(), QSize(621, 426));
    EXPECT_TRUE(a.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(a.lblVersion->text(), "E-Velmorande 2.0  & E-Tessavine 1.0");
    EXPECT_TRUE(a.lblVersion->font().bold());
    EXPECT_EQ(a.lblVersion->font().pixelSize(), 21);
    EXPECT_EQ(a.lblSubtitle->text(),
              "The Holy Bible and The Lectionary of the Razade Doviruvu Riveri");
    ASSERT_EQ(a.PageControl1->count(), 3);
    EXPECT_EQ(a.PageControl1->tabText(1), "Credits");
    EXPECT_EQ(a.PageControl1->tabText(2), "References");
    EXPECT_EQ(a.PageControl1->widget(0)->findChildren<QGroupBox*>().size(), 2);
    const auto refs = a.PageControl1->widget(2)->findChildren<QGroupBox*>();
    ASSERT_EQ(refs.size(), 1);
    EXPECT_EQ(refs[0]->title(), "The E-Velmorande pogram is based upon the following books:");
    EXPECT_EQ(a.ProgressBar1->minimum(), 0);
    EXPECT_EQ(a.ProgressBar1->maximum(), 7);
    EXPECT_FALSE(a.BitBtn1->isVisibleTo(&a));
    EXPECT_TRUE(a.ProgressBar1->isVisibleTo(&a));
    EXPECT_EQ(a.GetCloseDelay(), 0);
}

TEST(AboutSplash, StepsStopAtTheMaximum) {
    TfrmAbout a;
    a.show();
    for (int i = 1; i <= 7; ++i) {
        a.StepSplash();
        EXPECT_EQ(a.ProgressBar1->value(), i);
    }
    a.StepSplash();
    EXPECT_EQ(a.ProgressBar1->value(), 7);
    Shot(&a, "splash.png");
    a.hide();
}

TEST(AboutSplash, ClosesAfterTheDelayEvenAcrossATickWrap) {
    for (quint32 start : {0u, 0xFFFFFFFFu - 500u, 0xFFFFFFFFu}) {
        QPointer<TfrmAbout> splash = new TfrmAbout;
        splash->show();
        splash->SetCloseDelay(1000);
        FakeTicks ticks(start);
        splash->close();
        // The wait read the counter until 1000 ms had passed, and not longer.
        EXPECT_GE(ticks.reads, 1001) << start;
        EXPECT_LE(ticks.reads, 1003) << start;
        ASSERT_FALSE(splash.isNull());
        EXPECT_EQ(splash->GetCloseDelay(), 0);
        FlushDeletes();
        EXPECT_TRUE(splash.isNull()) << "the splash frees itself";
    }
}

TEST(AboutBox, CloseReturnsAtOnceAndTheSameInstanceShowsAgain) {
    QPointer<TfrmAbout> box = new TfrmAbout;
    box->SetDialogMode();
    box->show();
    EXPECT_TRUE(box->BitBtn1->isVisible());
    EXPECT_FALSE(box->ProgressBar1->isVisible());
    Shot(box, "about.png");
    {
        FakeTicks ticks(12345);
        QTest::mouseClick(box->BitBtn1, Qt::LeftButton);
        EXPECT_LE(ticks.reads, 2); // no delay
    }
    FlushDeletes();
    ASSERT_FALSE(box.isNull());
    EXPECT_FALSE(box->isVisible());
    box->SetDialogMode();
    box->show();
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->BitBtn1->isVisible());
    EXPECT_FALSE(box->ProgressBar1->isVisible());
    box->close();
    FlushDeletes();
    EXPECT_FALSE(box.isNull());
    delete box;
}

TEST(AboutBox, EnterAndEscCloseItLikeItsOkButton) {
    TfrmAbout box;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        box.SetDialogMode();
        box.show();
        box.activateWindow();
        ASSERT_TRUE(box.isVisible());
        EXPECT_EQ(box.focusWidget(), box.BitBtn1);
        FakeTicks ticks(0);
        QTest::keyClick(box.focusWidget(), key);
        EXPECT_FALSE(box.isVisible()) << key;
        EXPECT_LE(ticks.reads, 2); // closed at once, not after a delay
    }
    // The splash has no OK button to press: a key leaves it up.
    TfrmAbout splash;
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    EXPECT_TRUE(splash.isVisible());
    splash.hide();
}

TEST(AboutBox, SubtitleLinesAreBalanced) {
    TfrmAbout box;
    box.SetDialogMode();
    box.show();
    QCoreApplication::processEvents();
    // At the box's width the subtitle takes two lines; neither is a lone word.
    const QImage shot = box.lblSubtitle->grab().toImage();
    QList<int> inkRows; // widest run of yellow text per line
    int lines = 0;
    bool inLine = false;
    int narrowest = shot.width(), widest = 0;
    for (int y = 0; y < shot.height(); ++y) {
        int left = -1, right = -1;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 150 && c.blue() < 100) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        if (left >= 0 && !inLine) {
            ++lines;
            inLine = true;
            inkRows << 0;
        }
        if (left < 0)
            inLine = false;
        if (left >= 0)
            inkRows.last() = qMax(inkRows.last(), right - left);
    }
    for (int w : inkRows) {
        narrowest = qMin(narrowest, w);
        widest = qMax(widest, w);
    }
    ASSERT_EQ(lines, 2);
    EXPECT_GT(narrowest, widest / 2) << narrowest << " of " << widest;
}

TEST(AboutBox, WebAddressAndContactLabelsOpenThroughTheShell) {
    TTestEnvironment env;
    const QStringList& opened = env.Opened;
    TfrmAbout a;
    a.SetDialogMode();
    a.show();
    EXPECT_EQ(a.lblWebsite->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(a.lblEmailAddress->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(a.lblWebsite->font().underline());
    EXPECT_EQ(a.lblWebsite->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QTest::mouseClick(a.lblWebsite, Qt::LeftButton);
    QTest::mouseClick(a.lblEmailAddress, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], TfrmAbout::WebAddress);
    EXPECT_TRUE(opened[0].startsWith("https://"));
    EXPECT_TRUE(opened[1].startsWith("mailto:"));
    a.hide();
}

TEST(Building, BarStartsAtZeroAtEveryShow) {
    TfrmBuilding b;
    EXPECT_EQ(b.size(), QSize(325, 79));
    EXPECT_TRUE(b.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(b.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(b.lblStatus->text(), "Retrieving Data, Please Wait...");
    EXPECT_TRUE(b.lblStatus->font().bold());
    EXPECT_EQ(b.lblStatus->font().pixelSize(), 13);
    EXPECT_EQ(b.prgrsbarChapter->maximum(), 100);
    b.prgrsbarChapter->setMaximum(40);
    b.show();
    EXPECT_EQ(b.prgrsbarChapter->value(), 0);
    b.lblProgress->setText("Genesis 12");
    b.prgrsbarChapter->setValue(25);
    b.ShowStopHint();
    Shot(&b, "building.png");
    b.close();
    b.show();
    EXPECT_EQ(b.prgrsbarChapter->value(), 0);
    EXPECT_FALSE(b.lblStopHint->isVisible()) << "an operation Esc does not stop";
    EXPECT_EQ(b.prgrsbarChapter->maximum(), 40); // the operation's maximum stays
    b.prgrsbarChapter->setValue(40);
    b.show(); // shown again without a close in between
    EXPECT_EQ(b.prgrsbarChapter->value(), 40);
    b.close();
}

TEST(Building, RestoringTheWindowFromMinimizedKeepsTheBar) {
    TfrmBuilding b;
    b.show();
    b.prgrsbarChapter->setValue(40);
    QCoreApplication::processEvents();
    b.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    b.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_EQ(b.prgrsbarChapter->value(), 40);
    b.close();
}
