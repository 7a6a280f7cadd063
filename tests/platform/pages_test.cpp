#include "RichEdit.h"
#include "support/TextCapture.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>
#include <gtest/gtest.h>

namespace {

void FillLongText(TRichEdit& e, int paragraphs) {
    for (int i = 0; i < paragraphs; ++i) {
        e.SetSelStart(e.Length());
        e.SelAttributes().SetName("Liberation Serif");
        e.SelAttributes().SetSize(i % 10 == 0 ? 18 : 12);
        e.SelAttributes().SetStyle(i % 10 == 0 ? fsBold : 0);
        e.SelAttributes().SetColor(i % 10 == 0 ? Qt::red : Qt::black);
        QString para = QString("Paragraph %1:").arg(i);
        for (int w = 0; w < (i * 7) % 40; ++w)
            para += QString(" word%1").arg(w);
        e.SetSelText(para + (i + 1 < paragraphs ? "\r\n" : ""));
    }
}

QString NoSpace(QString s) {
    s.remove(QRegularExpression("\\s"));
    return s;
}

} // namespace

TEST(RichEditPages, PagesSplitTheTextExactly) {
    TRichEdit e;
    FillLongText(e, 300);
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.setDotsPerMeterX(5906); // 150 dpi
    page.setDotsPerMeterY(5906);
    const QRectF rect(100, 120, 1000, 1500);
    const QString text = e.Text();
    QString joined;
    int first = 0;
    int pages = 0;
    while (first < e.Length()) {
        page.fill(Qt::white);
        QPainter p(&page);
        const int next = e.FormatRange(&p, nullptr, rect, first);
        ASSERT_GT(next, first);
        ASSERT_LE(next, e.Length());
        joined += text.mid(first, next - first);
        first = next;
        ++pages;
    }
    e.FormatRangeDone();
    EXPECT_EQ(joined, text);
    EXPECT_GT(pages, 4);
}

TEST(RichEditPages, EveryCharacterIsDrawnOnceInsideItsPage) {
    TRichEdit e;
    FillLongText(e, 200);
    TTextCaptureDevice dev;
    const QRectF rect(90, 100, 1000, 1400);
    const QString text = e.Text();
    int first = 0;
    int pages = 0;
    while (first < e.Length()) {
        dev.engine.clear();
        QPainter p(&dev);
        const int next = e.FormatRange(&p, nullptr, rect, first);
        p.end();
        ASSERT_GT(next, first);
        EXPECT_EQ(NoSpace(dev.engine.texts.join(QString())), NoSpace(text.mid(first, next - first)))
            << "page " << pages;
        for (const QPointF& at : dev.engine.points) {
            EXPECT_GT(at.y(), rect.top());
            EXPECT_LE(at.y(), rect.bottom());
        }
        first = next;
        ++pages;
    }
    EXPECT_GT(pages, 2);
}

TEST(RichEditPages, RunsAreDrawnInTheirColours) {
    TRichEdit e;
    FillLongText(e, 3); // paragraph 0 is a red heading
    QImage page(800, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    e.FormatRange(&p, nullptr, QRectF(10, 10, 780, 380), 0);
    p.end();
    int red = 0, dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++red;
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                ++dark;
            // Nothing outside the page rectangle.
            if (x < 10 || y < 10 || x >= 790 || y >= 390) {
                ASSERT_EQ(c, QColor(Qt::white)) << x << "," << y;
            }
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(dark, 20);
}

TEST(RichEditPages, MeasuringWithoutDrawingGivesTheSameBreaks) {
    TRichEdit e;
    FillLongText(e, 120);
    QImage page(1240, 1754, QImage::Format_RGB32);
    const QRectF rect(0, 0, 900, 1200);
    int a = 0, b = 0;
    while (a < e.Length()) {
        QPainter p(&page);
        const int drawn = e.FormatRange(&p, nullptr, rect, a);
        const int measured = e.FormatRange(nullptr, &page, rect, b);
        ASSERT_EQ(drawn, measured);
        a = drawn;
        b = measured;
    }
}

TEST(RichEditPages, EmptyTextAndTallLinesStillEnd) {
    TRichEdit empty;
    QImage page(400, 400, QImage::Format_RGB32);
    QPainter p(&page);
    EXPECT_EQ(empty.FormatRange(&p, nullptr, QRectF(0, 0, 300, 300), 0), 0);

    TRichEdit tall;
    tall.SetSelStart(0);
    tall.SelAttributes().SetSize(72);
    tall.SetSelText("Huge\r\nLines\r\nHere");
    int first = 0, calls = 0;
    while (first < tall.Length() && calls < 10) {
        const int next =
            tall.FormatRange(&p, nullptr, QRectF(0, 0, 300, 20), first); // page lower than a line
        ASSERT_GT(next, first);
        first = next;
        ++calls;
    }
    EXPECT_EQ(calls, 3);
}

TEST(RichEditPages, ANarrowerPageOrAnEditedTextIsLaidOutAgain) {
    TRichEdit e;
    FillLongText(e, 40);
    QImage page(1240, 1754, QImage::Format_RGB32);
    const int wide = e.FormatRange(nullptr, &page, QRectF(0, 0, 1200, 400), 0);
    const int narrow = e.FormatRange(nullptr, &page, QRectF(0, 0, 300, 400), 0);
    EXPECT_LT(narrow, wide);
    e.SetSelStart(0);
    e.SelAttributes().SetSize(40);
    e.SetSelText("Big opening line that takes room\r\n");
    EXPECT_LT(e.FormatRange(nullptr, &page, QRectF(0, 0, 1200, 400), 0), wide);
}
