#include "OsisText.h"
#include "SwordBible.h"

#include <gtest/gtest.h>

namespace {

QString plain(const char* osis) {
    return OsisToPlainText(QString::fromUtf8(osis));
}

} // namespace

TEST(ContentOsisText, NoteBetweenWordsLeavesOneBlank) {
    EXPECT_EQ(
        plain("<w lemma=\"x\">God</w><note placement=\"foot\"><reference>1:1 </reference>The word "
              "“God”.</note><w>created</w> the heavens."),
        QStringLiteral("God created the heavens."));
}

TEST(ContentOsisText, NoteBeforePunctuationLeavesNoBlank) {
    EXPECT_EQ(
        plain("the earth<note type=\"crossReference\"><reference>Isa 1:1</reference></note>. Amen"),
        QStringLiteral("the earth. Amen"));
    EXPECT_EQ(plain("Christ,<note>Messiah</note><w>the</w> son"),
              QStringLiteral("Christ, the son"));
}

TEST(ContentOsisText, NestedNoteIsDroppedWhole) {
    EXPECT_EQ(
        plain("only born</q><note><reference>3:16</reference>The phrase <hi>only</hi> born</note>"
              "<q marker=\"\"><w>Son</w>, that"),
        QStringLiteral("only born Son, that"));
}

TEST(ContentOsisText, TitlesAndPoetryMarkupGo) {
    EXPECT_EQ(plain("<div type=\"x-milestone\" sID=\"p1\"/><title canonical=\"true\" "
                    "type=\"psalm\">A Psalm by "
                    "David.</title> <lg sID=\"g1\"/> <l level=\"1\" sID=\"g2\"/><w>Yahweh</w> is "
                    "my shepherd;"
                    "<l eID=\"g2\" level=\"1\"/><l level=\"2\" sID=\"g3\"/>I shall lack nothing. "
                    "<l eID=\"g3\"/>"),
              QStringLiteral("Yahweh is my shepherd; I shall lack nothing."));
}

TEST(ContentOsisText, LineMarkersSeparateWords) {
    EXPECT_EQ(plain("forever<l eID=\"a\"/><l sID=\"b\"/>and ever"),
              QStringLiteral("forever and ever"));
}

TEST(ContentOsisText, AppendixAfterTheBookEndIsDropped) {
    EXPECT_EQ(plain("saints. Amen. <chapter eID=\"Rev.22\"/> <div canonical=\"true\" eID=\"g9\" "
                    "osisID=\"Rev\" "
                    "type=\"book\"/> <div sID=\"g10\" type=\"glossary\"/> <title>Glossary</title> "
                    "Abba is a word."),
              QStringLiteral("saints. Amen."));
}

TEST(ContentOsisText, GlossaryDivIsSkippedToItsEnd) {
    EXPECT_EQ(plain("first <div sID=\"g1\" type=\"introduction\"/>intro text<div eID=\"g1\" "
                    "type=\"introduction\"/>"
                    " last"),
              QStringLiteral("first last"));
}

TEST(ContentOsisText, EntitiesAndBlanks) {
    EXPECT_EQ(plain("  Tom &amp; Jerry &lt;x&gt;\n\tsaid &#65;  "),
              QStringLiteral("Tom & Jerry <x> said A"));
    EXPECT_EQ(plain("<note>only a note</note>"), QString());
}

TEST(ContentOsisText, SquareBracketsGoAndKeepWordsApart) {
    const struct {
        const char* osis;
        const char* text;
    } cases[] = {
        {"[In the second year", "In the second year"},
        {"to the end[of days, who", "to the end of days, who"},
        {"behold,[this wind", "behold, this wind"},
        {"my fear.] While they", "my fear. While they"},
        {"and speak] to them", "and speak to them"},
        {"the letter],", "the letter,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plain(c.osis), QString::fromUtf8(c.text)) << c.osis;
}

TEST(ContentVerseGaps, EveryChapterGetsEveryVerseNumber) {
    QList<VerseRow> rows{{3, 17, 1, "a"}, {3, 17, 2, "b"}, {3, 17, 4, "d"},
                         {3, 18, 2, "x"}, {4, 1, 1, "y"},  {4, 1, 3, "z"}};
    FillVerseGaps(rows);
    QStringList got;
    for (const VerseRow& v : rows)
        got << QStringLiteral("%1 %2:%3 %4").arg(v.BookID).arg(v.Chapter).arg(v.Verse).arg(v.Text);
    EXPECT_EQ(got, (QStringList{"3 17:1 a", "3 17:2 b", "3 17:3 ", "3 17:4 d", "3 18:1 ",
                                "3 18:2 x", "4 1:1 y", "4 1:2 ", "4 1:3 z"}));
}
