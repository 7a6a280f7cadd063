#include "RichEdit.h"
#include "RichEditRuns.h"
#include "RtfWriter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The sample (red, navy, maroon, teal): headings, colours, sizes, styles, non-ASCII and the RTF
// specials.
void FillSample(TRichEdit& e) {
    AddRun(e, "Heading in red\r\n", QColor(255, 0, 0), "Liberation Serif", 20, fsBold);
    AddRun(e, "Navy text with \\ backslash, {braces} and ", QColor(0, 0, 128), "Liberation Sans",
           12, 0);
    AddRun(e, "italic", QColor(0, 0, 128), "Liberation Sans", 12, fsItalic);
    AddRun(
        e,
        "\r\nCaf\u00e9 \u03a9\u03bc\u03ad\u03b3\u03b1 \u0627\u0644\u0644\u0647 \u2013 \u00a9\r\n",
        QColor(128, 0, 0), "Liberation Sans", 12, fsUnderline);
    AddRun(e, "last line", QColor(0, 128, 128), "Liberation Serif", 16, fsBold | fsItalic);
}

QString Unrtf(const QString& file, const QString& mode) {
#ifdef EVELM_UNRTF
    QProcess p;
    p.start(EVELM_UNRTF, {mode, file});
    if (!p.waitForFinished(20000))
        return "(unrtf did not finish)";
    return QString::fromUtf8(p.readAllStandardOutput());
#else
    (void)file;
    (void)mode;
    return {};
#endif
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// What the writer writes, read by the test itself.
class RtfTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

// What an independent reader, unrtf, reads back.
class RtfUnrtf : public RtfTest {
protected:
    void SetUp() override {
#ifndef EVELM_UNRTF
        GTEST_SKIP() << "unrtf is not installed";
#endif
        RtfTest::SetUp();
    }
};

TEST_F(RtfUnrtf, AnIndependentReaderGetsTextAndLineBreaksBack) {
    TRichEdit e;
    FillSample(e);
    const QString file = dir.filePath("sample.rtf");
    e.SaveToFile(file);
    QString text = Unrtf(file, "--text");
    // Drop unrtf's own comment lines.
    QStringList lines;
    for (const QString& l : text.split('\n'))
        if (!l.startsWith("###") && l != "-----------------")
            lines << l;
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    ASSERT_EQ(lines.size(), 4) << text.toStdString();
    EXPECT_EQ(lines[0], "Heading in red");
    EXPECT_EQ(lines[1], "Navy text with \\ backslash, {braces} and italic");
    EXPECT_EQ(lines[3], "last line");
}

TEST_F(RtfUnrtf, ColoursBoldSizesAndNonAsciiSurvive) {
    TRichEdit e;
    FillSample(e);
    const QString file = dir.filePath("sample.rtf");
    e.SaveToFile(file);
    const QString html = Unrtf(file, "--html");
    EXPECT_TRUE(html.contains("<font color=\"#ff0000\"><b>Heading in red</b>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("font-size:20pt"));
    EXPECT_TRUE(html.contains("font-size:16pt"));
    EXPECT_TRUE(
        html.contains("<font color=\"#000080\">Navy text with \\ backslash, {braces} and </font>"));
    EXPECT_TRUE(html.contains("<i>italic</i>"));
    EXPECT_TRUE(html.contains("color=\"#800000\""));
    EXPECT_TRUE(html.contains("color=\"#008080\""));
    EXPECT_TRUE(html.contains("<b><i>last line</i></b>") ||
                html.contains("<i><b>last line</b></i>"));
    EXPECT_TRUE(html.contains("Liberation Serif"));
    // Non-ASCII characters come back as the same code points.
    EXPECT_TRUE(html.contains("Caf&eacute;"));
    EXPECT_TRUE(html.contains("&Omega;") || html.contains("&#937;"));
    EXPECT_TRUE(html.contains("&#1575;&#1604;&#1604;&#1607;"));
}

TEST_F(RtfTest, WriterEscapesSpecialsAndWritesUnicode) {
    TRichEdit e;
    AddRun(e, "a\\b{c}d \u00e9\U0001D11E", Qt::black, "Arial", 12, 0);
    const QByteArray rtf = e.ToRtf();
    EXPECT_TRUE(rtf.contains("a\\\\b\\{c\\}d \\u233\\'3f\\u-10188\\'3f\\u-8930\\'3f"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.trimmed().endsWith("}"));
    // Braces balance, counting only unescaped ones.
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        if (rtf[i] == '}')
            --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(RtfUnrtf, EmptyControlSavesAValidDocument) {
    TRichEdit e;
    const QString file = dir.filePath("empty.rtf");
    e.SaveToFile(file);
    EXPECT_TRUE(ReadAll(file).startsWith("{\\rtf1"));
    EXPECT_FALSE(Unrtf(file, "--text").contains("error", Qt::CaseInsensitive));
}

TEST_F(RtfTest, EachParagraphSavesItsAlignment) {
    TRichEdit e;
    AddRun(e, "left\r\ncentred\r\nright\r\njustified\r\nplain", Qt::black, "Arial", 12, 0);
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                    Qt::AlignJustify};
    QTextBlock b = e.document()->begin();
    for (Qt::Alignment a : aligns) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(a);
        c.setBlockFormat(f);
        b = b.next();
    }
    const QString file = dir.filePath("aligned.rtf");
    e.SaveToFile(file);
    const QByteArray rtf = ReadAll(file);
    // Each paragraph opens with its own alignment; left is RTF's default.
    const struct {
        const char* Text;
        const char* Opening;
    } paragraphs[] = {{"left", "\\pard\\plain\\ltrpar "},
                      {"centred", "\\pard\\plain\\ltrpar\\qc "},
                      {"right", "\\pard\\plain\\ltrpar\\qr "},
                      {"justified", "\\pard\\plain\\ltrpar\\qj "},
                      {"plain", "\\pard\\plain\\ltrpar "}};
    qsizetype from = 0;
    for (const auto& p : paragraphs) {
        const qsizetype at = rtf.indexOf(QByteArray(p.Text) + '}', from);
        ASSERT_GE(at, 0) << p.Text << ": " << rtf.toStdString();
        const qsizetype open = rtf.lastIndexOf("\\pard", at);
        EXPECT_EQ(rtf.mid(open, rtf.indexOf('{', open) - open), p.Opening) << p.Text;
        from = at;
    }
}

TEST_F(RtfTest, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    const QString file = dir.filePath("out.rtf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content that is longer than nothing");
    }
    TRichEdit e;
    AddRun(e, "new", Qt::black, "Arial", 12, 0);
    e.SaveToFile(file);
    EXPECT_EQ(ReadAll(file), e.ToRtf());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.rtf"});
}

TEST_F(RtfTest, AFailedSaveKeepsTheOldFile) {
    TRichEdit e;
    AddRun(e, "text", Qt::black, "Arial", 12, 0);
    EXPECT_THROW(e.SaveToFile(dir.filePath("missing/folder/x.rtf")), std::runtime_error);
    // A folder in the way of the name: nothing replaced, nothing left behind.
    QDir(dir.path()).mkdir("taken.rtf");
    EXPECT_THROW(e.SaveToFile(dir.filePath("taken.rtf")), std::runtime_error);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.rtf")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

namespace {

QString Pandoc(const QString& file) {
#ifdef EVELM_PANDOC
    QProcess p;
    p.start(EVELM_PANDOC, {"-f", "rtf", "-t", "plain", "--wrap=none", file});
    if (!p.waitForFinished(60000))
        return "(pandoc did not finish)";
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
#else
    (void)file;
    return {};
#endif
}

// The group of the run that holds text, from its opening brace.
QByteArray RunGroup(const QByteArray& rtf, const QByteArray& text) {
    const qsizetype at = rtf.indexOf(text);
    const qsizetype open = rtf.lastIndexOf('{', at);
    return at < 0 || open < 0 ? QByteArray() : rtf.mid(open, at - open);
}

} // namespace

class RtfReaders : public RtfUnrtf {
protected:
    void SetUp() override {
        RtfUnrtf::SetUp();
#ifndef EVELM_PANDOC
        GTEST_SKIP() << "pandoc is not installed";
#endif
    }
};

TEST_F(RtfReaders, EveryCharacterAfterANonAsciiOneSurvives) {
    const QStringList texts = {"Caf\u00e9, na\u00efve", "\u00c6gypt \u2013 \u00a9 2024",
                               "\u03a9\u03bc\u03ad\u03b3\u03b1 x", "\u0627\u0644\u0644\u0647 ab",
                               "\u2c80\u2c81 z"};
    for (const QString& text : texts) {
        TRichEdit e;
        AddRun(e, text, Qt::black, "Liberation Serif", 12, 0);
        const QString file = dir.filePath("chars.rtf");
        e.SaveToFile(file);
        EXPECT_EQ(Pandoc(file), text) << text.toStdString();
        // unrtf keeps the whole word after the character too.
        const QString last = text.section(' ', -1);
        EXPECT_TRUE(Unrtf(file, "--text").contains(last.right(1))) << text.toStdString();
    }
}

TEST_F(RtfReaders, RightToLeftRunsCarryTheirFontSizeAndStyle) {
    TRichEdit e;
    AddRun(e, "Latin ", Qt::black, "Liberation Serif", 12, 0);
    AddRun(e, "\u0627\u0644\u0644\u0647", Qt::black, "Liberation Sans", 14, fsBold | fsItalic);
    AddRun(e, " \u0645\u062d\u0628\u0629", Qt::black, "Liberation Sans", 18, 0);
    const QByteArray rtf = e.ToRtf();
    const QByteArray bold = RunGroup(rtf, "\\u1575\\'3f");
    EXPECT_TRUE(bold.contains("\\rtlch\\af1\\afs28\\ab\\ai")) << bold.toStdString();
    EXPECT_TRUE(bold.contains("\\f1\\fs28"));
    const QByteArray plain = RunGroup(rtf, "\\u1605\\'3f");
    EXPECT_TRUE(plain.contains("\\rtlch\\af1\\afs36\\ab0\\ai0")) << plain.toStdString();
    EXPECT_FALSE(RunGroup(rtf, "Latin").contains("\\rtlch"));
    const QString file = dir.filePath("rtl.rtf");
    e.SaveToFile(file);
    EXPECT_EQ(Pandoc(file), "Latin \u0627\u0644\u0644\u0647 \u0645\u062d\u0628\u0629");
}

TEST_F(RtfTest, FontTableGivesFamilyAndPitch) {
    const struct {
        const char* Font;
        const char* Entry;
    } cases[] = {
        {"Times New Roman", "\\froman\\fprq2\\fcharset0 Times New Roman;"},
        {"Liberation Serif", "\\froman\\fprq2\\fcharset0 Liberation Serif;"},
        {"Arial", "\\fswiss\\fprq2\\fcharset0 Arial;"},
        {"Liberation Sans", "\\fswiss\\fprq2\\fcharset0 Liberation Sans;"},
        {"Courier New", "\\fmodern\\fprq1\\fcharset0 Courier New;"},
        {"Liberation Mono", "\\fmodern\\fprq1\\fcharset0 Liberation Mono;"},
    };
    for (const auto& c : cases) {
        TRichEdit e;
        AddRun(e, "x", Qt::black, c.Font, 12, 0);
        EXPECT_TRUE(e.ToRtf().contains(QByteArray("{\\f0") + c.Entry))
            << c.Font << ": " << e.ToRtf().toStdString();
    }
}

TEST_F(RtfReaders, ADocumentCentredByDefaultSavesAndCopiesCentred) {
    TRichEdit e;
    QTextOption centred = e.document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    e.document()->setDefaultTextOption(centred);
    AddRun(e, "Verse of the day\r\nsecond line", Qt::black, "Liberation Serif", 12, 0);
    const QByteArray rtf = e.ToRtf();
    EXPECT_EQ(rtf.count("\\pard\\plain\\ltrpar\\qc "), 2) << rtf.toStdString();
    const QString file = dir.filePath("centred.rtf");
    e.SaveToFile(file);
    const QString html = Unrtf(file, "--html");
    EXPECT_TRUE(html.contains(QRegularExpression("<center>(<[^>]*>)*Verse of the day")))
        << html.toStdString();
    e.SelectAll();
    e.CopyToClipboard();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->data("text/rtf").contains("\\qc "));
    // A paragraph's own alignment wins over the default.
    QTextCursor c(e.document());
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    c.setBlockFormat(left);
    EXPECT_EQ(e.ToRtf().count("\\qc "), 1);
}

TEST_F(RtfTest, SizesStayWithinWhatRtfHolds) {
    const struct {
        double Points;
        const char* Size;
    } cases[] = {{0, "\\fs24"},      {-3, "\\fs24"},     {0.2, "\\fs1"},
                 {10.5, "\\fs21"},   {1e12, "\\fs3276"}, {std::nan(""), "\\fs24"},
                 {1638, "\\fs3276"}, {5000, "\\fs3276"}};
    for (const auto& c : cases) {
        TRichEdit e;
        QFont base = e.document()->defaultFont();
        base.setPointSize(12);
        e.document()->setDefaultFont(base);
        QTextCursor cur(e.document());
        QTextCharFormat f;
        f.setFontPointSize(c.Points);
        cur.insertText("sized", f);
        const QByteArray group = RunGroup(e.ToRtf(), "sized");
        EXPECT_TRUE(group.contains(QByteArray(c.Size) + "\\")) << c.Points << group.toStdString();
    }
}

TEST_F(RtfTest, SavingIntoAFullDeviceFailsAndLeavesTheDevice) {
    if (!QFileInfo::exists("/dev/full") || QFileInfo("/dev/full").isFile())
        GTEST_SKIP() << "no full device";
    TRichEdit e;
    e.SetSelText(QString("A long text. ").repeated(5000));
    EXPECT_THROW(e.SaveToFile("/dev/full"), std::runtime_error);
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
}

namespace {

// The document converted by LibreOffice into format ("fodt": its flat XML,
// "pdf"); the name of the file it wrote.
QString LibreOffice(const QString& rtf, const QString& folder, const QString& format) {
#ifdef EVELM_SOFFICE
    QProcess p;
    p.start(EVELM_SOFFICE, {"--headless", "-env:UserInstallation=file://" + folder + "/profile",
                            "--convert-to", format, "--outdir", folder, rtf});
    if (!p.waitForFinished(120000))
        return {};
    return QFileInfo(folder, QFileInfo(rtf).completeBaseName() + "." + format).absoluteFilePath();
#else
    (void)rtf;
    (void)folder;
    (void)format;
    return {};
#endif
}

// Left and right edge of each word of a PDF page, as poppler reads them.
QMap<QString, std::pair<double, double>> WordEdges(const QString& pdf) {
    QMap<QString, std::pair<double, double>> words;
#ifdef EVELM_PDFTOTEXT
    QProcess p;
    p.start(EVELM_PDFTOTEXT, {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    const QRegularExpression word("xMin=\"([\\d.]+)\"[^>]*xMax=\"([\\d.]+)\"[^>]*>([^<]+)<");
    for (auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        words[m.captured(3)] = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
#else
    (void)pdf;
#endif
    return words;
}

// The properties of the automatic style that the element holding text, or
// the paragraph holding it, carries in LibreOffice's flat XML.
QString StyleAround(const QString& xml, const QString& text, const QString& element) {
    const qsizetype at = xml.indexOf(">" + text + "<");
    const qsizetype open = xml.lastIndexOf("<" + element + " ", at);
    const QRegularExpression name("text:style-name=\"([^\"]+)\"");
    const auto m = name.match(xml, open);
    if (at < 0 || open < 0 || !m.hasMatch())
        return {};
    const qsizetype style = xml.indexOf("style:name=\"" + m.captured(1) + "\"");
    return style < 0 ? QString() : xml.mid(style, xml.indexOf("</style:style>", style) - style);
}

} // namespace

TEST_F(RtfTest, LibreOfficeShowsDirectionsAndKeepsFontsOfMixedRuns) {
#ifndef EVELM_SOFFICE
    GTEST_SKIP() << "LibreOffice is not installed";
#endif
    TRichEdit e;
    AddRun(e, "\u0627\u0644\u0644\u0647 Abc", Qt::black, "Liberation Serif", 14, fsBold);
    AddRun(e, "\r\nLatin", Qt::black, "Liberation Sans", 10, 0);
    const QString file = dir.filePath("mixed.rtf");
    e.SaveToFile(file);
    const QString xml = ReadAll(LibreOffice(file, dir.path(), "fodt"));
    ASSERT_FALSE(xml.isEmpty());
    const QString arabic = "\u0627\u0644\u0644\u0647 ";
    EXPECT_TRUE(StyleAround(xml, arabic, "text:p").contains("style:writing-mode=\"rl-tb\""));
    EXPECT_TRUE(StyleAround(xml, "Latin", "text:p").contains("style:writing-mode=\"lr-tb\""));
    EXPECT_TRUE(StyleAround(xml, arabic, "text:span").contains("style:font-size-complex=\"14pt\""));
    const QString latin = StyleAround(xml, "Abc", "text:span");
    for (const char* property : {"style:font-name=\"Liberation Serif\"", "fo:font-size=\"14pt\"",
                                 "fo:font-weight=\"bold\""})
        EXPECT_TRUE(latin.contains(property)) << property << " in " << latin.toStdString();

#ifdef EVELM_PDFTOTEXT
    // On the page the right-to-left paragraph stands on the right, the
    // other on the left.
    const auto words = WordEdges(LibreOffice(file, dir.path(), "pdf"));
    ASSERT_TRUE(words.contains("Abc") && words.contains("Latin"));
    EXPECT_GT(words["Abc"].first, 300);
    EXPECT_LT(words["Latin"].first, 100);
#endif
}
