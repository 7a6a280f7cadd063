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
    Shot(&b, "building.png");
    b.close();
    b.show();
    EXPECT_EQ(b.prgrsbarChapter->value(), 0);
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
