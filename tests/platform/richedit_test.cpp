#include "RichEdit.h"
#include "RichEditRuns.h"
#include "support/RichEditView.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

TEST(RichEditText, AppendingToAnEmptyControlStartsAtZero) {
    TRichEdit e;
    EXPECT_EQ(e.Length(), 0);
    EXPECT_EQ(e.Text(), "");
    e.SetSelStart(e.Length());
    EXPECT_EQ(e.SelStart(), 0);
    e.SetSelText("Hello");
    EXPECT_EQ(e.Text(), "Hello");
    EXPECT_EQ(e.SelStart(), 5); // caret after the run
    EXPECT_EQ(e.FindText("Hello", 0, -1, 0), 0);
}

TEST(RichEditText, LineBreaksAreCrLfPairsInOnePositionSpace) {
    TRichEdit e;
    e.AppendRun("first\r\nsecond\r\n\r\nfourth");
    const QString expected = "first\r\nsecond\r\n\r\nfourth";
    EXPECT_EQ(e.Text(), expected);
    EXPECT_EQ(e.Length(), expected.size());
    const int pos = int(expected.indexOf("fourth"));
    EXPECT_EQ(e.FindText("fourth", 0, -1, 0), pos);
    e.SetSelStart(pos);
    e.SetSelLength(6);
    EXPECT_EQ(e.SelText(), "fourth");
    EXPECT_EQ(e.SelStart(), pos);
    EXPECT_EQ(e.SelLength(), 6);
    // A selection across a break carries the break.
    e.SetSelStart(2);
    e.SetSelLength(8);
    EXPECT_EQ(e.SelText(), "rst\r\nsec");
    // Lone LF and CR also start paragraphs, written back as CR LF.
    TRichEdit f;
    f.AppendRun("a\nb\rc");
    EXPECT_EQ(f.Text(), "a\r\nb\r\nc");
}

TEST(RichEditText, PositionMappingRoundTrips) {
    TRichEdit e;
    e.AppendRun("ab\r\ncd\r\n\r\nef");
    const QString t = e.Text();
    for (int p = 0; p <= t.size(); ++p) {
        if (p > 0 && t[p - 1] == '\r')
            continue; // between CR and LF: no document position of its own
        EXPECT_EQ(e.FromDocPos(e.ToDocPos(p)), p) << p;
    }
}

TEST(RichEditRuns, AttributesNotSetKeepThoseOfThePreviousRun) {
    TRichEdit e;
    AddRun(e, "Red", Qt::red, "Arial", 14, fsBold);
    e.SetSelStart(e.Length());
    e.SelAttributes().SetSize(20);
    e.SetSelText("Big");
    e.SetSelStart(1);
    e.SetSelLength(1);
    EXPECT_EQ(e.SelAttributes().Color(), QColor(Qt::red));
    EXPECT_EQ(e.SelAttributes().Size(), 14);
    e.SetSelStart(4);
    e.SetSelLength(1);
    EXPECT_EQ(e.SelText(), "i");
    EXPECT_EQ(e.SelAttributes().Color(), QColor(Qt::red));
    EXPECT_EQ(e.SelAttributes().Name(), "Arial");
    EXPECT_EQ(e.SelAttributes().Size(), 20);
    EXPECT_EQ(e.SelAttributes().Style(), fsBold);
}

TEST(RichEditRuns, ARunAfterALineBreakKeepsTheAttributesOfTheRunBefore) {
    TRichEdit e;
    AddRun(e, "Heading\r\n", Qt::darkRed, "Arial", 18, fsBold | fsItalic);
    e.SetSelStart(e.Length());
    e.SelAttributes().SetSize(10);
    e.SetSelText("body");
    e.SetSelStart(int(e.Text().indexOf("body")));
    e.SetSelLength(1);
    EXPECT_EQ(e.SelAttributes().Color(), QColor(Qt::darkRed));
    EXPECT_EQ(e.SelAttributes().Name(), "Arial");
    EXPECT_EQ(e.SelAttributes().Style(), fsBold | fsItalic);
    EXPECT_EQ(e.SelAttributes().Size(), 10);
}

TEST(RichEditRuns, EmptyStringChangesOnlyTheAttributesAtTheCaret) {
    TRichEdit e;
    AddRun(e, "plain ", Qt::black, "Arial", 12, 0);
    AddRun(e, "", Qt::blue, "Arial", 12, fsItalic | fsUnderline);
    EXPECT_EQ(e.Text(), "plain ");
    e.SetSelText("next"); // caret unchanged: goes on in the attributes just set
    EXPECT_EQ(e.Text(), "plain next");
    e.SetSelStart(7);
    e.SetSelLength(1);
    EXPECT_EQ(e.SelAttributes().Color(), QColor(Qt::blue));
    EXPECT_EQ(e.SelAttributes().Style(), fsItalic | fsUnderline);
    e.SetSelStart(1);
    e.SetSelLength(1);
    EXPECT_EQ(e.SelAttributes().Style(), 0);
}

TEST(RichEditRuns, ReplacingASelectionKeepsTheRest) {
    TRichEdit e;
    e.AppendRun("one two three");
    e.SetSelStart(4);
    e.SetSelLength(3);
    e.SetSelText("2\r\n");
    EXPECT_EQ(e.Text(), "one 2\r\n three");
    EXPECT_EQ(e.SelStart(), 7);
}

TEST(RichEditFind, RangeAndOptions) {
    TRichEdit e;
    e.AppendRun("Moses said\r\nand moses went; Mosesson too");
    const QString t = e.Text();
    const int second = int(t.indexOf("moses"));
    EXPECT_EQ(e.FindText("moses", 0, -1, 0), 0);
    EXPECT_EQ(e.FindText("moses", 0, -1, stMatchCase), second);
    EXPECT_EQ(e.FindText("MOSES", 0, -1, stMatchCase), -1); // differs only in case
    EXPECT_EQ(e.FindText("moses", 1, -1, 0), second);
    // A range that ends before the only match.
    EXPECT_EQ(e.FindText("went", 0, int(t.indexOf("went")) + 3, 0), -1);
    EXPECT_EQ(e.FindText("went", 0, int(t.indexOf("went")) + 4, 0), int(t.indexOf("went")));
    EXPECT_EQ(e.FindText("Moses", second + 1, -1, stWholeWord), -1);
    EXPECT_EQ(e.FindText("Moses", second + 1, -1, 0), int(t.indexOf("Mosesson")));
    EXPECT_EQ(e.FindText("", 0, -1, 0), -1);
    EXPECT_EQ(e.FindText("said", 500, 10, 0), -1);
}

TEST(RichEditLines, LineOfAPositionAndFirstPositionOfALine) {
    TRichEdit e;
    e.resize(2000, 400);
    e.AppendRun("alpha\r\nbeta\r\ngamma");
    EXPECT_EQ(e.LineCount(), 3);
    EXPECT_EQ(e.LineFromChar(0), 0);
    EXPECT_EQ(e.LineFromChar(8), 1);
    EXPECT_EQ(e.LineFromChar(e.Length()), 2);
    EXPECT_EQ(e.LineIndex(0), 0);
    EXPECT_EQ(e.LineIndex(1), 7);
    EXPECT_EQ(e.LineIndex(2), 13);
    EXPECT_EQ(e.LineIndex(3), -1);
    e.SetSelStart(9);
    EXPECT_EQ(e.LineIndex(-1), 7);
}

TEST(RichEditLines, WrappedLinesCountAsLines) {
    TRichEdit e;
    e.resize(120, 400);
    e.show(); // the text width follows the shown control
    QString words;
    for (int i = 0; i < 60; ++i)
        words += QString("word%1 ").arg(i);
    e.AppendRun(words);
    const int n = e.LineCount();
    ASSERT_GT(n, 3);
    int last = -1;
    for (int line = 0; line < n; ++line) {
        const int p = e.LineIndex(line);
        EXPECT_GT(p, last);
        EXPECT_EQ(e.LineFromChar(p), line);
        last = p;
    }
}

TEST(RichEditLines, ScrollNearTopLeavesLinesAboveThePlace) {
    TRichEdit e;
    e.resize(300, 200);
    e.show();
    for (int i = 0; i < 200; ++i)
        e.AppendRun(QString("line %1\r\n").arg(i));
    QCoreApplication::processEvents();
    // From below and from above; at the start; on the first line with all
    // its lines above; where the end of the text stops the scroll.
    for (int line : {150, 40, 0, 3, 5, 199, 120}) {
        const int pos = e.FindText(QString("line %1\r").arg(line), 0, -1, stMatchCase);
        ASSERT_GE(pos, 0);
        e.ScrollNearTop(pos, JumpLinesAbove);
        EXPECT_TRUE(RichEditView::JumpedTo(e, pos)) << line;
    }
    // In a view three lines high the found line stands in the view.
    QTextCursor c(e.document());
    e.resize(300, e.height() - e.viewport()->height() + 3 * e.cursorRect(c).height() +
                      2 * int(e.document()->documentMargin()));
    QCoreApplication::processEvents();
    for (int line : {150, 40, 199}) {
        c.setPosition(e.ToDocPos(e.FindText(QString("line %1\r").arg(line), 0, -1, stMatchCase)));
        e.ScrollNearTop(e.FromDocPos(c.position()), JumpLinesAbove);
        const QRect r = e.cursorRect(c);
        EXPECT_TRUE(r.top() >= 0 && r.bottom() < e.viewport()->height())
            << line << " at " << r.top() << " of " << e.viewport()->height();
    }
}

TEST(RichEditLines, AJumpBeforeTheFirstShowHoldsAtTheShownSize) {
    // Written and jumped in while hidden and narrow, as a window does
    // before it first appears; its lines wrap anew when it is shown wider.
    TRichEdit e;
    e.resize(120, 80);
    for (int i = 0; i < 60; ++i)
        e.AppendRun(QString("Paragraph %1 of some words that wrap at a narrow width.\r\n").arg(i));
    const int pos = e.FindText("Paragraph 30 ", 0, -1, stMatchCase);
    e.ScrollNearTop(pos, JumpLinesAbove);
    e.resize(500, 300);
    e.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(RichEditView::JumpedTo(e, pos));
    // Once shown the view is the user's: a later resize keeps the scroll.
    e.verticalScrollBar()->setValue(0);
    e.resize(480, 320);
    QCoreApplication::processEvents();
    EXPECT_EQ(e.verticalScrollBar()->value(), 0);
}

namespace {
// Headings and wrapping paragraphs, as the readings and the books are written.
void WriteLongText(TRichEdit& e) {
    for (int i = 0; i < 80; ++i) {
        AddRun(e, QString("[Chapter %1]\r\n").arg(i), Qt::blue, "Arial", 17, fsBold);
        AddRun(e, QString("%1:1 ").arg(i), Qt::red, "Arial", 7, fsBold);
        AddRun(e, "words that wrap at the width of the view, " + QString(12, 'x') + " and more\r\n",
               Qt::black, "Times New Roman", 12, 0);
    }
}
} // namespace

// A text written into a hidden control, one a splitter squeezes to no width,
// or between BeginUpdate and EndUpdate is laid out only when it is
// shown at its width, and then shows as the same text written in view: the
// same runs, lines and scroll range, from the first paint on.
TEST(RichEditLayout, TextWrittenWhileHeldIsLaidOutOnceWhereItIsShown) {
    enum How { Hidden, Update, Squeezed };
    for (const How how : {Hidden, Update, Squeezed}) {
        SCOPED_TRACE(how);
        QSplitter split;
        split.addWidget(new QWidget);
        auto* e = new TRichEdit;
        split.addWidget(e);
        split.resize(500, 300);
        split.show();
        TRichEdit inView;
        inView.resize(e->size());
        inView.show();
        WriteLongText(inView);
        QCoreApplication::processEvents();

        e->AppendRun("old text\r\n");
        const QList<int> sizes = split.sizes();
        if (how == Hidden)
            e->hide();
        else if (how == Update)
            e->BeginUpdate();
        else
            split.setSizes({500, 0});
        e->Clear();
        WriteLongText(*e);
        EXPECT_EQ(e->document()->lastBlock().previous().layout()->lineCount(), 0);
        if (how == Hidden) {
            e->show();
            split.refresh();
        } else if (how == Squeezed) {
            ASSERT_TRUE(e->isVisible());
            split.setSizes(sizes);
        } else {
            // Lines asked for meanwhile are those of the shown width, and
            // asking keeps the layout held.
            EXPECT_EQ(e->LineCount(), inView.LineCount());
            EXPECT_FALSE(e->document()->isLayoutEnabled());
            e->EndUpdate();
        }
        ASSERT_EQ(e->size(), inView.size());
        EXPECT_EQ(e->Text(), inView.Text());
        EXPECT_EQ(e->ToRtf(), inView.ToRtf());
        EXPECT_EQ(e->SelStart(), e->Length());
        EXPECT_EQ(e->LineCount(), inView.LineCount());
        EXPECT_GT(e->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(e->verticalScrollBar()->maximum(), inView.verticalScrollBar()->maximum());
    }
}

TEST(RichEditControl, ClearMaxLengthReadOnlyVisible) {
    TRichEdit e;
    e.AppendRun("something");
    e.Clear();
    EXPECT_EQ(e.Length(), 0);
    e.SetSelStart(e.Length());
    e.SetSelText("x");
    EXPECT_EQ(e.FindText("x", 0, -1, 0), 0);

    e.SetMaxLength(100000);
    EXPECT_EQ(e.MaxLength(), 100000);
    e.setVisible(false);
    const QString longText(70000, QChar('a'));
    e.AppendRun(longText);
    EXPECT_EQ(e.Length(), 70001);
    e.setReadOnly(true);
    e.AppendRun("b"); // the program writes into a read-only control
    EXPECT_EQ(e.Length(), 70002);
}

TEST(RichEditControl, CopyPutsRtfHtmlAndPlainTextOnTheClipboard) {
    TRichEdit e;
    AddRun(e, "Bold red", Qt::red, "Arial", 16, fsBold);
    AddRun(e, "\r\nplain", Qt::black, "Arial", 12, 0);
    e.SelectAll();
    EXPECT_EQ(e.SelLength(), e.Length());
    e.CopyToClipboard();
    const QMimeData* m = QApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->text(), "Bold red\nplain");
    EXPECT_TRUE(m->html().contains("Bold red"));
    const QByteArray rtf = m->data("text/rtf");
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\b "));
    EXPECT_TRUE(rtf.contains("\\red255\\green0\\blue0"));
    EXPECT_EQ(m->data("application/rtf"), rtf);

    // Only the selection is copied.
    e.SetSelStart(5);
    e.SetSelLength(3);
    e.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->mimeData()->text(), "red");
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->data("text/rtf").contains("plain}"));
}
