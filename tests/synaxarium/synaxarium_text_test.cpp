// The writers of the Synaxarium texts: headings with their rules, colours and
// sizes, story paragraphs in the readings font, and the jump to an entry.

#include "RichEdit.h"
#include "SynxText.h"
#include "support/RichEditView.h"

#include <QApplication>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const QString NL = QStringLiteral("\r\n");

// Attributes of the run that holds position pos.
struct TRun {
    QColor color;
    QString name;
    int size;
    TFontStyles style;
};

TRun RunAt(TRichEdit& e, int pos) {
    e.SetSelStart(pos);
    e.SetSelLength(1);
    TRun r{e.SelAttributes().Color(), e.SelAttributes().Name(), e.SelAttributes().Size(),
           e.SelAttributes().Style()};
    e.SetSelStart(0);
    return r;
}

QFont ReadingsFont(TFontStyles style = fsBold) {
    QFont f(QStringLiteral("Liberation Serif"), 12);
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    return f;
}

// A text with entries [1] to [count], each with a story of several lines.
void WriteEntries(TRichEdit& e, int count) {
    const QFont font = ReadingsFont();
    AddRichHeading(e, font, QStringLiteral("\t\tThe day"), false, true, false, SynxDayColor);
    for (int k = 1; k <= count; ++k) {
        AddRichHeading(e, font, SynxEntryHeading(k, QStringLiteral("Saint %1").arg(k)), true, true,
                       true, SynxEntryColor);
        QStringList story;
        for (int i = 0; i < 8; ++i)
            story << QStringLiteral("Line %1 of story %2.").arg(i).arg(k);
        AddRichBody(e, font, story.join(NL));
    }
}

} // namespace

TEST(SynxText, HeadingWithRulesAndBody) {
    TRichEdit e;
    const QFont font = ReadingsFont(fsBold | fsItalic | fsUnderline);
    AddRichHeading(e, font, QStringLiteral("[1] Saint"), true, true, true, SynxEntryColor);
    AddRichBody(e, font, QStringLiteral("Story."));
    const QString rule(81, QLatin1Char('_'));
    EXPECT_EQ(SynxRule(), rule);
    EXPECT_EQ(e.Text(), rule + NL + "[1] Saint" + NL + rule + NL + "Story." + NL);

    const int heading = rule.size() + 2;
    const int body = e.Text().indexOf("Story.");
    struct Case {
        int pos;
        QColor color;
        int size;
        TFontStyles style;
    } cases[] = {
        {0, Qt::black, 10, fsBold},                             // rule
        {heading, QColor(255, 0, 0), 16, fsBold},               // heading: bold only
        {heading + 12, Qt::black, 10, fsBold},                  // rule after
        {body, Qt::black, 12, fsBold | fsItalic | fsUnderline}, // body: the readings style
    };
    for (const Case& c : cases) {
        const TRun r = RunAt(e, c.pos);
        EXPECT_EQ(r.color, c.color) << c.pos;
        EXPECT_EQ(r.name, font.family()) << c.pos;
        EXPECT_EQ(r.size, c.size) << c.pos;
        EXPECT_EQ(r.style, c.style) << c.pos;
    }
}

TEST(SynxText, HeadingFlags) {
    struct Case {
        bool blank, before, after;
        const char* text; // R stands for a rule
    } cases[] = {
        {false, false, false, "H|"},
        {false, true, false, "R|H|"},
        {false, false, true, "H|R"},
        {true, false, false, "H||"},
    };
    for (const Case& c : cases) {
        TRichEdit e;
        QFont font = ReadingsFont();
        font.setPointSize(20);
        AddRichHeading(e, font, QStringLiteral("H"), c.blank, c.before, c.after, SynxDayColor);
        QString expected = QString::fromLatin1(c.text);
        expected.replace('R', SynxRule()).replace('|', NL);
        EXPECT_EQ(e.Text(), expected) << c.text;
        EXPECT_EQ(RunAt(e, e.Text().indexOf('H')).size, 24);
        EXPECT_EQ(RunAt(e, e.Text().indexOf('H')).color, QColor(0, 0, 255));
    }
}

TEST(SynxText, GoToEntryFindsTheMarkerOnly) {
    TRichEdit empty;
    EXPECT_FALSE(GoToEntry(empty, 1));

    TRichEdit e;
    WriteEntries(e, 11);
    e.SetSelStart(5);
    // [1] is found, never [10] or [11]; [12] is not in the text.
    EXPECT_TRUE(GoToEntry(e, 1));
    EXPECT_EQ(e.SelStart(), e.Text().indexOf("[1]"));
    EXPECT_EQ(e.SelLength(), 0);

    TRichEdit nine;
    WriteEntries(nine, 9);
    nine.SetSelStart(7);
    EXPECT_FALSE(GoToEntry(nine, 10));
    EXPECT_EQ(nine.SelStart(), 7);
}

TEST(SynxText, GoToEntryLeavesTheLinesBeforeTheHeadingInView) {
    TRichEdit e;
    e.resize(500, 300);
    WriteEntries(e, 12);
    e.show();
    QApplication::processEvents();
    // Forward, back, and the last entry, whose story ends the text.
    for (int n : {7, 2, 12}) {
        ASSERT_TRUE(GoToEntry(e, n));
        const int pos = e.Text().indexOf(QStringLiteral("[%1]").arg(n));
        EXPECT_EQ(e.SelStart(), pos);
        EXPECT_TRUE(RichEditView::JumpedTo(e, pos)) << n;
    }
    EXPECT_GT(e.verticalScrollBar()->value(), 0);
}

TEST(SynxText, ARuleFitsOneLineOfAnA4PageWithThePrintersMargins) {
    for (const char* family : {"Times New Roman", "Liberation Serif"}) {
        TRichEdit e;
        QFont font(family, 12);
        font.setBold(true);
        AddRichHeading(e, font, SynxEntryHeading(1, "Saint"), true, true, true, SynxEntryColor);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        // 210 mm less the print host's margins of 20 mm each side.
        const double width = 170 / 25.4 * printer.logicalDpiX();
        const int rule = SynxRule().size();
        // One line of the page: the whole rule and its line break.
        EXPECT_EQ(e.FormatRange(nullptr, &printer, QRectF(0, 0, width, 1), 0), rule + 2) << family;
        const int after = int(e.Text().lastIndexOf(SynxRule()));
        EXPECT_EQ(e.FormatRange(nullptr, &printer, QRectF(0, 0, width, 1), after), e.Length())
            << family;
        e.FormatRangeDone();
    }
}
