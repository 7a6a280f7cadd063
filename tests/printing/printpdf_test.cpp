// Printing into PDF files, read back with poppler's tools.
#include "PrintTestSupport.h"
#include "RichEdit.h"
#include "RichPreview.h"
#include "RichPrint.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PageCollector : public TPreviewPageSink {
public:
    void SavePage(const QPicture& page) override { Pages.push_back(page); }
    std::vector<QPicture> Pages;
};

// Pages the rich edit's own page layout gives for the printer's text area.
int LayoutPages(TRichEdit& edit, TRichPrinter& rp) {
    const QRectF rect(rp.LeftOffset(), rp.TopOffset(), rp.ContentWidth(), rp.ContentHeight());
    int first = 0, pages = 1;
    for (;;) {
        const int next = edit.FormatRange(nullptr, rp.Printer(), rect, first);
        if (next >= edit.Length() || next <= first)
            break;
        first = next;
        ++pages;
    }
    edit.FormatRangeDone();
    return pages;
}

QList<int> BodyWords(const QStringList& pages) {
    QList<int> words;
    const QRegularExpression re("\\bw(\\d+)\\b");
    for (const QString& page : pages)
        for (auto it = re.globalMatch(page); it.hasNext();)
            words << it.next().captured(1).toInt();
    return words;
}

} // namespace

class PrintPdf : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString File(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(PrintPdf, EveryPageCarriesHeaderAndFooterAndTheBodyExactlyOnce) {
    // In colour and in gray: the same text, and colour only where chosen.
    for (const QPrinter::ColorMode mode : {QPrinter::Color, QPrinter::GrayScale}) {
        TRichEdit edit;
        FillNumberedText(edit, 120);
        const auto printer = PdfPrinter(File("long.pdf"));
        printer->setColorMode(mode);
        TRichPrinter rp(nullptr, printer.get());
        rp.SetShowProgress(false);
        rp.SetTitle("Readings of the Day");
        rp.SetFooter("Page {$PAGE}|{$TITLE}");
        rp.SetFooterFormat("<100|<500");
        rp.SetFont_HeaderFooter(QFont("Liberation Serif", 12), Qt::red);
        QImage logo(40, 30, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        rp.SetBitmapLogo(logo);
        const int expected = LayoutPages(edit, rp);
        ASSERT_GT(expected, 3);
        rp.PrintRichEdit(&edit, 1);
        const int coloured = ColouredPixels(PdfPageImage(File("long.pdf"), 50));
        if (mode == QPrinter::Color)
            EXPECT_GT(coloured, 100);
        else
            EXPECT_EQ(coloured, 0);

        EXPECT_EQ(PdfPageCount(File("long.pdf")), expected);
        const QStringList pages = PdfPages(File("long.pdf"));
        ASSERT_EQ(pages.size(), expected);
        for (int i = 0; i < pages.size(); ++i) {
            const QStringList lines = pages[i].split('\n', Qt::SkipEmptyParts);
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_EQ(lines.first().trimmed(), "Readings of the Day") << "page " << i + 1;
            EXPECT_TRUE(lines.last().contains(
                QRegularExpression(QString("^\\s*Page %1\\s+Readings of the Day\\s*$").arg(i + 1))))
                << lines.last().toStdString();
        }
        // No body word lost, repeated or out of order across the page breaks.
        const QList<int> words = BodyWords(pages);
        ASSERT_FALSE(words.isEmpty());
        for (int i = 0; i < words.size(); ++i)
            ASSERT_EQ(words[i], i + 1);
        EXPECT_EQ(words.size(), BodyWords({edit.Text()}).size());
    }
}

TEST_F(PrintPdf, AnEmptyControlPrintsOnePageWithHeaderAndFooterOnly) {
    TRichEdit edit;
    const auto printer = PdfPrinter(File("empty.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    rp.SetTitle("Empty");
    rp.PrintRichEdit(&edit, 1);
    EXPECT_EQ(PdfPageCount(File("empty.pdf")), 1);
    const QStringList pages = PdfPages(File("empty.pdf"));
    ASSERT_EQ(pages.size(), 1);
    QStringList lines = pages[0].split('\n', Qt::SkipEmptyParts);
    for (QString& l : lines)
        l = l.trimmed();
    lines.removeAll("");
    EXPECT_EQ(lines, QStringList({"Empty", "Page 1"}));
}

TEST_F(PrintPdf, ColumnsFollowTheFormatAndPageNumbersStartAtTheFirstPage) {
    TRichEdit edit;
    FillNumberedText(edit, 2);
    const auto printer = PdfPrinter(File("cols.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    rp.SetHeader("Left|Middle|Dropped");
    rp.SetHeaderFormat("<60|^60");
    rp.SetFooter("Page {$PAGE}");
    rp.SetFooterFormat("<100|<500");
    rp.PrintRichEdit(&edit, 7);
    const QStringList pages = PdfPages(File("cols.pdf"));
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = pages[0].split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.first().contains(QRegularExpression("^\\s*Left\\s+Middle\\s*$")))
        << lines.first().toStdString();
    EXPECT_FALSE(pages[0].contains("Dropped"));
    EXPECT_EQ(lines.last().trimmed(), "Page 7");
}

TEST_F(PrintPdf, PreviewPagesAreThePrintedPages) {
    TRichEdit edit;
    FillNumberedText(edit, 60);
    const auto printer = PdfPrinter(File("unused.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    rp.SetPageBorders(pbTop | pbBottom | pbLeft | pbRight);
    PageCollector pages;
    rp.RenderPreviewPages(&edit, pages);
    EXPECT_EQ(int(pages.Pages.size()), LayoutPages(edit, rp));
    EXPECT_FALSE(rp.Previewing());
    EXPECT_DOUBLE_EQ(TRichPrinter::PreviewRatio(), 0); // only a preview window sets it

    // A page picture replayed at the paper's size: ink inside the text area
    // and on the border lines, nothing left of the left border.
    const QPicture& first = pages.Pages.front();
    EXPECT_EQ(first.boundingRect(), QRect(0, 0, rp.PaperWidthPx(), rp.PaperHeightPx()));
    QImage image(rp.PaperWidthPx() / 8, rp.PaperHeightPx() / 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(0.125, 0.125);
    p.drawPicture(0, 0, first);
    p.end();
    const QRectF page = rp.Printer()->pageRect(QPrinter::DevicePixel);
    const int left = (int(page.left()) + rp.LeftOffset()) / 8;
    const int top = (int(page.top()) + rp.TopOffset()) / 8;
    int ink = 0;
    for (int y = top; y < top + rp.ContentHeight() / 8; ++y)
        for (int x = left; x < left + rp.ContentWidth() / 8; ++x)
            ink += image.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(ink, 300);
    const int border =
        (int(page.left()) + rp.LeftOffset() - rp.UnitToPixelsX(rp.BorderOffset())) / 8;
    int borderInk = 0;
    for (int y = top; y < top + rp.ContentHeight() / 8; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        borderInk += qGray(line[border - 1]) < 200 || qGray(line[border]) < 200 ||
                     qGray(line[border + 1]) < 200;
    }
    EXPECT_GT(borderInk, rp.ContentHeight() / 10);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < border - 3; ++x)
            ASSERT_EQ(line[x], qRgb(255, 255, 255)) << x << "," << y;
    }
}

TEST_F(PrintPdf, ProgressWindowOnlyWhenAsked) {
    for (bool show : {false, true}) {
        TRichEdit edit;
        FillNumberedText(edit, 3);
        const auto printer = PdfPrinter(File("progress.pdf"));
        TRichPrinter rp(nullptr, printer.get());
        rp.SetShowProgress(show);
        rp.SetTitle("Job");
        QStringList seen;
        rp.OnNewPage = [&](QObject*) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == "Print Progress")
                    seen << w->windowTitle();
        };
        rp.PrintRichEdit(&edit, 1);
        EXPECT_EQ(seen.size(), show ? 1 : 0);
        EXPECT_EQ(rp.ProgressWindow(), nullptr); // closed at the end
    }
}

TEST_F(PrintPdf, AFileThatCannotBeWrittenFailsWithItsOwnMessage) {
    TRichEdit edit;
    const auto printer = PdfPrinter(File("missing/folder/x.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    try {
        rp.PrintRichEdit(&edit, 1);
        FAIL() << "printed into a missing folder";
    } catch (const ELinePrinter& e) {
        EXPECT_TRUE(QString(e.what()).contains("missing/folder/x.pdf")) << e.what();
    }
    EXPECT_FALSE(rp.Printing());
    rp.SetMarginTop(20); // the printer is idle again
}

TEST_F(PrintPdf, PagePicturesPrintAtTheirSizeOnAnyDevice) {
    TRichEdit edit;
    FillNumberedText(edit, 20);
    const auto printer = PdfPrinter(File("source.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    rp.SetTitle("Picture title");
    PageCollector pages;
    rp.RenderPreviewPages(&edit, pages);
    ASSERT_FALSE(pages.Pages.empty());
    const QSize paper(rp.PaperWidthPx(), rp.PaperHeightPx());

    // On a printer of the same paper: the page's text, where it was.
    const auto out = PdfPrinter(File("replayed.pdf"));
    out->setFullPage(true);
    QPainter p(out.get());
    TPageImage::DrawPage(p, pages.Pages[0], QRectF(QPointF(0, 0), paper), paper);
    p.end();
    const QStringList text = PdfPages(File("replayed.pdf"));
    ASSERT_EQ(text.size(), 1);
    const QStringList lines = text[0].split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first().trimmed(), "Picture title");
    EXPECT_EQ(lines.last().trimmed(), "Page 1");
    EXPECT_TRUE(text[0].contains("w1 w2 w3"));

    // On an image of another resolution: ink inside, none in the margins.
    for (int dpm : {3780, 11811}) { // 96 and 300 per inch
        QImage image(paper / 16, QImage::Format_RGB32);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        image.fill(Qt::white);
        QPainter ip(&image);
        TPageImage::DrawPage(ip, pages.Pages[0], QRectF(QPointF(0, 0), image.size()), paper);
        ip.end();
        int inkTop = 0, inkMargin = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qGray(image.pixel(x, y)) < 160;
                inkTop += ink && y < image.height() / 2;
                inkMargin += ink && x < image.width() / 20;
            }
        EXPECT_EQ(inkMargin, 0) << dpm;
        EXPECT_GT(inkTop, 50) << dpm;
    }
}

TEST_F(PrintPdf, TheLogoStandsInItsRectangleBelowTheHeader) {
    TRichEdit edit;
    const auto printer = PdfPrinter(File("logo.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.SetShowProgress(false);
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::red);
    rp.SetBitmapLogo(logo);
    rp.SetLogoLeft(10);
    rp.SetLogoTop(5);
    PageCollector pages;
    rp.RenderPreviewPages(&edit, pages);
    ASSERT_EQ(pages.Pages.size(), 1u);
    const int scale = 8;
    QImage image(rp.PaperWidthPx() / scale, rp.PaperHeightPx() / scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(1.0 / scale, 1.0 / scale);
    p.drawPicture(0, 0, pages.Pages[0]);
    p.end();
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                red |= QRect(x, y, 1, 1);
        }
    // Paper offsets of the printable area, then the rule of the logo.
    const QRectF page = rp.Printer()->pageRect(QPrinter::DevicePixel);
    const int lh = rp.LineHeight();
    const int x0 = int(page.left()) + rp.LeftOffset();
    const int y0 = int(page.top()) + (rp.TopOffset() - lh) / 2 + lh;
    const int left = x0 + qRound(10 / rp.PaperWidth() * rp.ContentWidth());
    const int top = y0 + qRound(5 / rp.PaperHeight() * rp.ContentHeight());
    const int width = qRound(25 / rp.PaperWidth() * rp.ContentWidth());
    const int height = qRound(20 / rp.PaperHeight() * rp.ContentHeight());
    EXPECT_NEAR(red.left(), left / scale, 2);
    EXPECT_NEAR(red.top(), top / scale, 2);
    EXPECT_NEAR(red.width(), width / scale, 2);
    EXPECT_NEAR(red.height(), height / scale, 2);
}

TEST_F(PrintPdf, AJobThatFailsHalfwayLeavesThePrinterReady) {
    TRichEdit edit;
    FillNumberedText(edit, 60);
    const auto printer = PdfPrinter(File("again.pdf"));
    TRichPrinter rp(nullptr, printer.get());
    rp.OnNewPage = [&](QObject*) {
        if (rp.PageNumber() == 2)
            throw std::runtime_error("stopped on page 2");
    };
    EXPECT_THROW(rp.PrintRichEdit(&edit, 1), std::runtime_error);
    EXPECT_FALSE(QFileInfo::exists(File("again.pdf"))); // no file cut short
    EXPECT_FALSE(rp.Printing());
    EXPECT_EQ(rp.ProgressWindow(), nullptr);
    rp.OnNewPage = nullptr;
    rp.PrintRichEdit(&edit, 1);
    EXPECT_GT(PdfPageCount(File("again.pdf")), 1);
    EXPECT_EQ(PdfPages(File("again.pdf")).size(), PdfPageCount(File("again.pdf")));
}
