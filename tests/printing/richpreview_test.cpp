#include "RichPreview.h"

#include "TestEnvironment.h"
#include "arrowbtn.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A4 at 100 pixels per inch.
TPreviewPaper a4() {
    return {827, 1169, 210, 297, muMillimeters};
}

// Each page is filled with a colour of its own, so a look at a pixel tells
// which page shows there.
QColor pageColour(int index) {
    return QColor(QColor::fromHsv((index * 47) % 360, 255, 200).rgb());
}

QPicture page(int index) {
    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, 827, 1169));
    QPainter p(&picture);
    p.fillRect(QRect(0, 0, 827, 1169), pageColour(index));
    p.setPen(Qt::black);
    p.setFont(QFont("Times New Roman", 40));
    p.drawText(QRect(100, 100, 600, 200), Qt::AlignLeft, QString("Page %1").arg(index + 1));
    p.end();
    return picture;
}

const QSize Wide(1600, 1000);   // room for two windows
const QSize Narrow(1000, 1000); // room for one

// The colour in the middle of a place of an image (0 whole, 1-4 quarters).
QColor colourAt(QWidget* image, int quarter = 0) {
    const QImage shot = image->grab().toImage();
    const int w = shot.width(), h = shot.height();
    if (quarter == 0)
        return shot.pixelColor(w / 2, h * 3 / 4);
    const int q = quarter - 1;
    return shot.pixelColor((q % 2) * w / 2 + w / 4, (q / 2) * h / 2 + h * 3 / 8);
}

class RichPreview : public ::testing::Test {
protected:
    // A preview of `pages` pages, built and shown.
    TRichPreviewForm* open(int pages, QSize screen, bool compress = true) {
        testEnv.Screen = TScreenMetrics{screen.width(), screen.height(), 96};
        form = new TRichPreviewForm(a4(), compress);
        form->show();
        for (int i = 0; i < pages; ++i)
            form->SavePage(page(i));
        form->EndBuild();
        QApplication::processEvents();
        return form;
    }
    void TearDown() override {
        if (form)
            form->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QPointer<TRichPreviewForm> form;
    TTestEnvironment testEnv;
    TScriptedDialogs& dialogs = testEnv.Dialogs;
};

TEST_F(RichPreview, OnePageHasNoSecondWindowAReadOnlyPageAndNoCompact) {
    open(1, Wide);
    EXPECT_EQ(form->SecondWindow(), nullptr);
    EXPECT_TRUE(form->edtPage->isReadOnly());
    EXPECT_FALSE(form->chkCompact->isVisible());
    EXPECT_EQ(form->windowTitle(), "Print Preview");
    EXPECT_EQ(form->lblPageCount->text(), "(1)");
    EXPECT_EQ(form->edtPage->text(), "   1");
    EXPECT_EQ(colourAt(form->Image1), pageColour(0));
    EXPECT_FALSE(form->ArrowButton2->isEnabled());
    EXPECT_FALSE(form->ArrowButton1->isEnabled());
}

TEST_F(RichPreview, TwoPagesOpenASecondWindowOnlyWhereTheScreenHasRoom) {
    open(2, Wide);
    TPreview2* second = form->SecondWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Preview2, second);
    const int w = form->Geometry().FrameWidth;
    EXPECT_EQ(form->x(), (Wide.width() - 2 * w) / 2);
    EXPECT_EQ(second->x(), form->x() + w);
    EXPECT_EQ(second->size(), form->size());
    EXPECT_EQ(second->windowTitle(), "next page(s)");
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(colourAt(form->Image1), pageColour(0));
    EXPECT_EQ(colourAt(second->Image1), pageColour(1));
    EXPECT_EQ(second->lblPage->text(), "   2");
    EXPECT_TRUE(form->chkCompact->isVisible());
    EXPECT_FALSE(form->edtPage->isReadOnly());
    // Fewer than three pages in two windows: nowhere to go.
    EXPECT_FALSE(form->ArrowButton2->isEnabled());
    form->close();
    QApplication::processEvents();
    EXPECT_EQ(Preview2, nullptr);

    open(2, Narrow);
    EXPECT_EQ(form->SecondWindow(), nullptr);
    EXPECT_EQ(form->x(), (Narrow.width() - form->Geometry().FrameWidth + 1) / 2);
    EXPECT_TRUE(form->ArrowButton2->isEnabled());
}

TEST_F(RichPreview, FivePagesInCompactModeMakeTwoSheets) {
    open(5, Narrow);
    form->chkCompact->click();
    EXPECT_TRUE(form->View().Compact());
    EXPECT_EQ(form->edtPage->text(), "1-4");
    for (int q = 1; q <= 4; ++q)
        EXPECT_EQ(colourAt(form->Image1, q), pageColour(q - 1)) << q;
    form->ArrowButton2Click();
    EXPECT_EQ(form->edtPage->text(), "5");
    EXPECT_EQ(colourAt(form->Image1, 1), pageColour(4));
    EXPECT_EQ(colourAt(form->Image1, 2), QColor(Qt::white));

    // The second sheet carries page 5 in its top-left quarter.
    QImage sheet(827, 1169, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    form->PaintSheet(p, 1, QRectF(0, 0, 827, 1169));
    p.end();
    EXPECT_EQ(sheet.pixelColor(200, 400), pageColour(4));
    EXPECT_EQ(sheet.pixelColor(600, 400), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(200, 900), QColor(Qt::white));

    // Printing offers the two sheets and prints them in one job.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("sheets.pdf"));
    form->SetPrinter(&printer);
    dialogs.PrintAnswers.push_back(true);
    QTest::keyClick(form, Qt::Key_P);
    EXPECT_EQ(dialogs.PrintCalls, 1);
    EXPECT_EQ(printer.toPage(), 2);
    QFile pdf(dir.filePath("sheets.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")),
              2);
    EXPECT_EQ(form->edtPage->text(), "5");
}

TEST_F(RichPreview, ZoomStepsTheImageAndSmallerStopsAtOne) {
    open(3, Narrow);
    EXPECT_EQ(form->lblZoom->text(), "1.000");
    EXPECT_FALSE(form->SpeedButton3->isEnabled());
    const QSize box = form->ScrollBox1->size();
    EXPECT_EQ(form->Image1->size(), box);
    form->SpeedButton2->click();
    EXPECT_EQ(form->lblZoom->text(), "1.250");
    EXPECT_TRUE(form->SpeedButton3->isEnabled());
    EXPECT_EQ(form->Image1->width(), qRound(box.width() * 1.25));
    QApplication::processEvents();
    EXPECT_GT(form->ScrollBox1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(form->Image1->toolTip(), "Click right mouse button for original size");
    QTest::keyClick(form, Qt::Key_S);
    EXPECT_EQ(form->lblZoom->text(), "1.000");
    EXPECT_FALSE(form->SpeedButton3->isEnabled());
    EXPECT_EQ(form->Image1->toolTip(), "");
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(form, Qt::Key_L);
    EXPECT_EQ(form->lblZoom->text(), "8.000");
    EXPECT_EQ(form->Image1->width(), box.width() * 8);
    QTest::mouseClick(form->Image1, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->lblZoom->text(), "1.000");
}

TEST_F(RichPreview, KeysAndThePageEditMoveThroughThePages) {
    open(5, Narrow);
    QTest::keyClick(form, Qt::Key_PageUp);
    EXPECT_EQ(form->edtPage->text(), "   2");
    EXPECT_EQ(colourAt(form->Image1), pageColour(1));
    QTest::keyClick(form, Qt::Key_End);
    EXPECT_EQ(form->edtPage->text(), "   5");
    EXPECT_FALSE(form->ArrowButton2->isEnabled());
    QTest::keyClick(form, Qt::Key_PageUp);
    EXPECT_EQ(form->edtPage->text(), "   5");
    QTest::keyClick(form, Qt::Key_PageDown);
    EXPECT_EQ(form->edtPage->text(), "   4");
    QTest::keyClick(form, Qt::Key_Home);
    EXPECT_FALSE(form->ArrowButton1->isEnabled());
    form->edtPage->clear();
    QTest::keyClicks(form->edtPage, "3");
    EXPECT_EQ(colourAt(form->Image1), pageColour(2));
    EXPECT_EQ(form->View().Index(), 2);
    QTest::keyClicks(form->edtPage, "9"); // "39": no such page
    EXPECT_EQ(form->View().Index(), 2);
    // Return, or leaving the box, shows the page the window shows.
    QTest::keyClick(form->edtPage, Qt::Key_Return);
    EXPECT_EQ(form->edtPage->text(), "   3");
    form->edtPage->clear();
    QTest::keyClicks(form->edtPage, "0");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(form->edtPage, &leave);
    EXPECT_EQ(form->edtPage->text(), "   3");
    // The end-of-build set-up runs once: a later activation keeps the page.
    form->EndBuild();
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(form->View().Index(), 2);

    // With two windows an even page shows right of the one before it, the
    // page that the box reads.
    form->close();
    open(3, Wide);
    ASSERT_NE(form->SecondWindow(), nullptr);
    form->edtPage->clear();
    QTest::keyClicks(form->edtPage, "2");
    QTest::keyClick(form->edtPage, Qt::Key_Return);
    EXPECT_EQ(form->edtPage->text(), "   1");
}

TEST_F(RichPreview, ClosingRemovesEveryPageFile) {
    for (bool compress : {false, true}) {
        open(3, Wide, compress);
        const QString folder = form->Files().Folder();
        const QString suffix = compress ? ".CPR" : "";
        EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
                  QStringList({"PreviewMetafile0" + suffix, "PreviewMetafile1" + suffix,
                               "PreviewMetafile2" + suffix}));
        TPreview2* second = form->SecondWindow();
        ASSERT_NE(second, nullptr);
        // Keys in the second window work the first; it closes only with it.
        QTest::keyClick(second->Image1, Qt::Key_End);
        EXPECT_EQ(form->edtPage->text(), "   3");
        second->close();
        EXPECT_TRUE(second->isVisible());
        form->btnClose->click();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(QDir(folder).exists());
        EXPECT_TRUE(form.isNull());
        EXPECT_EQ(RichPreviewForm, nullptr);
        EXPECT_EQ(Preview2, nullptr);
    }
}

TEST_F(RichPreview, PagesThatCannotBeSavedAreReportedOnceAndShownAndPrintedWhole) {
    // A temporary folder where no folder can be made.
    QTemporaryDir tmp;
    const QString blocked = tmp.filePath("a file");
    QFile(blocked).open(QIODevice::WriteOnly);
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", blocked.toLocal8Bit());
    testEnv.Screen = TScreenMetrics{Narrow.width(), Narrow.height(), 96};
    form = new TRichPreviewForm(a4(), true);
    qputenv("TMPDIR", before);
    for (int i = 0; i < 3; ++i)
        form->SavePage(page(i));
    form->EndBuild();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Text, "Can not save the page information (MetaFiles)");
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    EXPECT_EQ(form->View().PageCount(), 3);
    EXPECT_EQ(colourAt(form->Image1), pageColour(0));
    for (int sheet = 0; sheet < 3; ++sheet) {
        QImage paper(827 / 4, 1169 / 4, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter p(&paper);
        form->PaintSheet(p, sheet, QRectF(QPointF(0, 0), paper.size()));
        p.end();
        EXPECT_EQ(paper.pixelColor(paper.width() / 2, paper.height() * 3 / 4), pageColour(sheet))
            << sheet;
    }
}

} // namespace

TEST_F(RichPreview, PageNumbersAndRulerLabelsShowWhole) {
    open(104, Wide);
    form->chkCompact->click();
    while (form->edtPage->text() != "97-100" && form->ArrowButton2->isEnabled())
        form->ArrowButton2Click();
    ASSERT_EQ(form->edtPage->text(), "97-100");
    ASSERT_NE(form->SecondWindow(), nullptr);
    EXPECT_EQ(form->SecondWindow()->lblPage->text(), "101-104");
    // The widest texts the two page boxes take fit inside them.
    const QLineEdit* edit = form->edtPage;
    const QMargins frame = edit->textMargins() + edit->contentsMargins();
    EXPECT_LE(edit->fontMetrics().horizontalAdvance("101-104"),
              edit->width() - frame.left() - frame.right() - 4);
    const QLabel* label = form->SecondWindow()->lblPage;
    EXPECT_LE(label->fontMetrics().horizontalAdvance("101-104"), label->width());
    // The page box, the page count, the unit and the zoom captions do not overlap.
    const QWidget* row[] = {form->lblPageCaption, form->edtPage, form->lblPageCount, form->lblUnit,
                            form->lblZoomCaption};
    for (int i = 1; i < 5; ++i)
        EXPECT_LE(row[i - 1]->geometry().right(), row[i]->geometry().left()) << i;

    // The last label of a ruler stands before its tick where the strip ends.
    const QRect top(0, 0, 400, 22), left(0, 0, 22, 600);
    const QSize text(17, 11);
    for (int tick : {10, 380, 389, 399}) {
        const QRect r = RulerLabelRect(top, tick, text, false);
        EXPECT_TRUE(top.adjusted(1, 1, -1, -1).contains(r)) << tick;
        EXPECT_TRUE(r.left() > tick || r.right() < tick) << tick; // never on the tick
    }
    for (int tick : {10, 590, 599}) {
        const QRect r = RulerLabelRect(left, tick, text, true);
        EXPECT_TRUE(left.adjusted(1, 1, -1, -1).contains(r)) << tick;
    }
}
