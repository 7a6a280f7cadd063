// The print host: its printer as stored, highlighted and plain text, Save As.
#include "PrintRich.h"
#include "RichEdit.h"
#include "RichPrint.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct TextRun {
    QString Text;
    QColor Color;
    bool Bold;
    int Size;
    bool operator==(const TextRun&) const = default;
};

void PrintTo(const TextRun& r, std::ostream* os) {
    *os << r.Text.toStdString() << "/" << r.Color.name().toStdString() << "/" << r.Bold << "/"
        << r.Size;
}

std::vector<TextRun> RunsOf(const TRichEdit& e) {
    std::vector<TextRun> runs;
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.push_back({it.fragment().text(), f.foreground().color(),
                            f.fontWeight() >= QFont::Bold, int(f.fontPointSize())});
        }
    return runs;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QColor Blue(0, 0, 255), Black(0, 0, 0);

} // namespace

class PrintHost : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    TfrmPrintRich host;
};

TEST_F(PrintHost, RichPrinter1HasItsStoredValues) {
    TRichPrinter& rp = *host.RichPrinter1;
    EXPECT_EQ(QList<double>({rp.MarginTop(), rp.MarginBottom(), rp.MarginLeft(), rp.MarginRight(),
                             rp.LogoWidth(), rp.LogoHeight(), rp.BorderOffset()}),
              QList<double>({15, 15, 20, 20, 10, 3, 1}));
    EXPECT_EQ(QStringList({rp.Header(), rp.HeaderFormat(), rp.Footer(), rp.FooterFormat()}),
              QStringList({"{$TITLE}", "<1500", "Page {$PAGE}|{$TITLE}", "<100|<500"}));
    const QFont f = rp.Font_HeaderFooter();
    EXPECT_EQ(f.family(), "Times New Roman");
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 9); // 12 pixels at 96 per inch
    EXPECT_TRUE(f.bold() && f.italic());
    EXPECT_EQ(rp.Font_HeaderFooterColor(), QColor(255, 0, 0));
    EXPECT_EQ(rp.Options_Dialog(), poMargins);
    EXPECT_FALSE(rp.Title().isEmpty());
    EXPECT_TRUE(rp.BitmapLogo().isNull());
    EXPECT_EQ(host.PrintDialog1->Printer(), rp.Printer());
}

TEST_F(PrintHost, HighlightsEveryCaseOfTheWord) {
    TRichEdit e;
    host.AddHighlightedText(&e, "The LORD is my shepherd; Lord, lordship.", 13, "lord");
    EXPECT_EQ(RunsOf(e), (std::vector<TextRun>{{"The ", Black, true, 13},
                                               {"LORD", Blue, true, 13},
                                               {" is my shepherd; ", Black, true, 13},
                                               {"Lord", Blue, true, 13},
                                               {", ", Black, true, 13},
                                               {"lord", Blue, true, 13},
                                               {"ship.", Black, true, 13}}));
}

TEST_F(PrintHost, ShortHighlightWordsAndPlainText) {
    TRichEdit e;
    host.AddHighlightedText(&e, "a and a", 11, "a");
    host.AddHighlightedText(&e, " go in", 11, "in"); // two letters are a word
    host.AddHighlightedText(&e, " none here", 11, "lord");
    host.AddPlainText(&e, " plain", 9);
    EXPECT_EQ(RunsOf(e), (std::vector<TextRun>{{"a and a go ", Black, true, 11},
                                               {"in", Blue, true, 11},
                                               {" none here", Black, true, 11},
                                               {" plain", Black, false, 9}}));
}

TEST_F(PrintHost, SaveAsNames) {
    QDir(dir.path()).mkdir("j.doe");
    const struct {
        QString Chosen;
        QString Written;
    } cases[] = {
        {dir.filePath("psalm"), dir.filePath("psalm.rtf")},
        {dir.filePath("notes.txt"), dir.filePath("notes.txt")},
        {dir.filePath("Psalm.RTF"), dir.filePath("Psalm.RTF")},
        {dir.filePath("j.doe/psalm"), dir.filePath("j.doe/psalm.rtf")},
        {dir.filePath("trail  "), dir.filePath("trail.rtf")},
    };
    for (const auto& c : cases) {
        TScriptedDialogs dialogs;
        TScriptedDialogs::Scope scope(dialogs);
        dialogs.SaveAnswers = {c.Chosen};
        TRichEdit e;
        host.AddPlainText(&e, "In the beginning", 12);
        host.SaveRichEditAs(&e);
        ASSERT_EQ(dialogs.SaveRequests.size(), 1);
        EXPECT_EQ(dialogs.SaveRequests[0].Filter, "Rich Text (*.rtf)|*.RTF");
        EXPECT_EQ(dialogs.SaveRequests[0].FilterIndex, 1);
        EXPECT_EQ(ReadAll(c.Written), e.ToRtf()) << c.Written.toStdString();
        EXPECT_TRUE(dialogs.Messages.isEmpty());
    }
}

TEST_F(PrintHost, ReplacingAsksOnceAndNoKeepsTheFile) {
    const QString file = dir.filePath("psalm.rtf");
    for (int answer : {int(mrNo), int(mrYes)}) {
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        TScriptedDialogs dialogs;
        TScriptedDialogs::Scope scope(dialogs);
        dialogs.SaveAnswers = {dir.filePath("psalm")};
        dialogs.MessageAnswers = {answer};
        TRichEdit e;
        host.AddPlainText(&e, "new", 12);
        host.SaveRichEditAs(&e);
        ASSERT_EQ(dialogs.Messages.size(), 1);
        EXPECT_EQ(dialogs.Messages[0].Text, file + " already exists\n\rDo you want to replace it?");
        EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
        EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
        EXPECT_EQ(ReadAll(file), answer == mrYes ? e.ToRtf() : QByteArray("old"));
    }
}

TEST_F(PrintHost, CancelAndFailedSavesLeaveEverythingAsItWas) {
    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope scope(dialogs);
    TRichEdit e;
    host.AddPlainText(&e, "text", 12);
    dialogs.SaveAnswers = {QString()};
    host.SaveRichEditAs(&e);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    dialogs.SaveAnswers = {dir.filePath("missing/folder/x.rtf")};
    host.SaveRichEditAs(&e);
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbOK);
    // The whole path, however long the temporary folder's.
    EXPECT_TRUE(dialogs.Messages[0].Text.contains(dir.filePath("missing/folder/x.rtf")))
        << dialogs.Messages[0].Text.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
