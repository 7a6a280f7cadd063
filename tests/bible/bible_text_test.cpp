// The Bible reader without a window: passage runs with numbers, headings and
// highlighted words, the highlight list, the highlight modes, the chapter
// caption and range, and the hub's book filters on the fixture books.

#include "BibleFixture.h"
#include "BibleText.h"
#include "DMMain.h"
#include "FixtureDb.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace BibleText;
using K = TBibleRunKind;

namespace {

QString Joined(const QList<TBibleRun>& runs) {
    QString s;
    for (const TBibleRun& r : runs)
        s += r.Text;
    return s;
}

} // namespace

TEST(BiblePassageRuns, HeadingsNumbersAndMarkedWholeWords) {
    const QString passage = QStringLiteral(
        "\r\n\r\n[Chapter 3]\r\n3:16 God so loved the world; LOVE is love.\r\n3:17 Lovely "
        "beloved Love\r\n[Psalm 4");
    const QList<TBibleRun> runs = PassageRuns(passage, THighlightMode::Words, {"LOVE"});
    const QList<TBibleRun> expected = {
        {K::Plain, "\r\n\r\n"},
        {K::Heading, "[Chapter 3]"},
        {K::Plain, "\r\n"},
        {K::VerseNumber, "3:16"},
        {K::Plain, " God so loved the world; "},
        {K::Marked, "LOVE"},
        {K::Plain, " is "},
        {K::Marked, "love"},
        {K::Plain, ".\r\n"},
        {K::VerseNumber, "3:17"},
        {K::Plain, " Lovely beloved "},
        {K::Marked, "Love"},
        {K::Plain, "\r\n"},
        {K::Heading, "[Psalm 4"},
    };
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(Joined(runs), passage);
}

TEST(BiblePassageRuns, ModesWriteTextRunsWhole) {
    const QString passage = QStringLiteral("1:1 In love. 2 Abide in love");
    for (THighlightMode mode : {THighlightMode::Off, THighlightMode::Phrase}) {
        const K kind = mode == THighlightMode::Off ? K::Plain : K::Phrase;
        const QList<TBibleRun> expected = {{K::VerseNumber, "1:1"},
                                           {kind, " In love. "},
                                           {K::VerseNumber, "2"},
                                           {kind, " Abide in love"}};
        EXPECT_EQ(PassageRuns(passage, mode, {"LOVE"}), expected);
    }
    // A word at the very end of the text is whole too.
    const QList<TBibleRun> last = PassageRuns("2 loves", THighlightMode::Words, {"LOVE"});
    EXPECT_EQ(last, (QList<TBibleRun>{{K::VerseNumber, "2"}, {K::Plain, " loves"}}));
}

TEST(BiblePassageRuns, HighlightModeFollowsTheControls) {
    struct Case {
        bool on, noHighlight, asPhrase;
        QString text;
        QStringList list;
        THighlightMode mode;
    };
    const QList<Case> cases = {
        {false, false, true, "love", {"LOVE"}, THighlightMode::Off},
        {true, false, true, "love", {"LOVE"}, THighlightMode::Phrase},
        {true, false, true, "", {}, THighlightMode::Off},
        {true, true, true, "love", {}, THighlightMode::Off},
        {true, true, false, "love", {}, THighlightMode::Off},
        {true, false, false, "love", {"LOVE"}, THighlightMode::Words},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HighlightMode(c.on, c.noHighlight, c.asPhrase, c.text, c.list), c.mode)
            << c.on << c.noHighlight << c.asPhrase;
}

TEST(BibleHighlightWords, UpperCasedSplitOnTheDelimiters) {
    EXPECT_EQ(BibleWordDelimiters.size(), 37);
    EXPECT_EQ(HighlightWords("love,the (World)+love's \"light\""),
              (QStringList{"LOVE", "THE", "WORLD", "LOVE", "S", "LIGHT"}));
    // The typographic quotes and the em dash of the Bible text, as typed.
    EXPECT_EQ(HighlightWords("\u201Clove\u2019s \u2018light\u2019\u2014word\u201D"),
              (QStringList{"LOVE", "S", "LIGHT", "WORD"}));
    const QStringList list = {"LOVE"};
    EXPECT_TRUE(IsHighlightWord(list, "love"));
    EXPECT_TRUE(IsHighlightWord(list, "Love"));
    EXPECT_FALSE(IsHighlightWord(list, "loved"));
}

TEST(BibleCaption, ChapterCaptionRangeAndTag) {
    EXPECT_EQ(ChapterCaption("John", 3), "John 3");
    EXPECT_EQ(ChapterCaption("Psalm 151", 1), "Psalm 151");
    EXPECT_EQ(PrintHeader("John\r\n3"), "John 3");
    EXPECT_EQ(TagSize(8), 6);
    EXPECT_EQ(TagSize(14), 9);

    const TChapterRange many = ChapterRange(1, 21, 50);
    EXPECT_EQ(many.Value, 21);
    EXPECT_TRUE(many.Enabled);
    EXPECT_EQ(many.RangeCaption, "1 .. 21");
    EXPECT_EQ(many.Hint,
              "Enter a vlaue between: 1 .. 21 or use Up or Down Arrows to Change the Value");
    const TChapterRange one = ChapterRange(1, 1, 3);
    EXPECT_EQ(one.Value, 1);
    EXPECT_FALSE(one.Enabled);
    EXPECT_TRUE(one.RangeCaption.isEmpty());
    EXPECT_EQ(one.Hint, "* * You Can Not Change the Chapter Number For Current Book * *");
    EXPECT_EQ(ChapterRange(2, 5, 0).Value, 2);
}

class BibleBookFilter : public BibleTest {
protected:
    QList<int> Books(TBookScope scope, bool nkjv) {
        TTable& t = dm().tblBookNamesFiltered;
        t.SetFilter(BookFilter(scope, nkjv));
        QList<int> ids;
        for (t.First(); !t.Eof(); t.Next())
            ids << t.FieldByName("ID")->AsInteger();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

TEST_F(BibleBookFilter, ScopesListTheirBooks) {
    using namespace Fixture;
    using namespace BibleFixture;
    struct Case {
        TBookScope scope;
        bool nkjv;
        QList<int> ids;
    };
    const QList<Case> cases = {
        {TBookScope::AllBooks,
         false,
         {Matthew, Mark, Revelation, Genesis, OtherJob, Proverbs, Psalms, Malachi, Tobit, Baruch,
          Manasseh, Psalm151, Broken}},
        {TBookScope::AllBooks,
         true,
         {Matthew, Mark, Revelation, Genesis, Proverbs, Psalms, Malachi, Tobit, Baruch, Manasseh,
          Broken}},
        {TBookScope::NewTestament, false, {Matthew, Mark, Revelation}},
        {TBookScope::OldTestament,
         false,
         {Genesis, OtherJob, Proverbs, Psalms, Malachi, Manasseh, Psalm151, Broken}},
        // The translation check holds for the books 28-66 too, not only above 80.
        {TBookScope::OldTestament, true, {Genesis, Proverbs, Psalms, Malachi, Manasseh, Broken}},
        {TBookScope::Deuterocanonical, false, {Tobit, Baruch}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Books(c.scope, c.nkjv), c.ids) << BookFilter(c.scope, c.nkjv).toStdString();
}
