// Passage texts: labels, separators, chapter headings, trimming, errors.

#include "MainDMTest.h"
#include "Tokens.h"

using namespace Fixture;

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString t(int book, int chapter, int verse) {
    return VerseText(book, chapter, verse);
}

struct Options {
    int startSkip = 0, endSkip = 0;
    bool numbers = true, newLine = false, chapterInLabel = false, headings = false, step = false;
};

class PassageTest : public MainDMTest {
protected:
    QString passage(int book, int c1, int v1, int c2, int v2, const Options& o = {},
                    int* steps = nullptr) {
        TProgressStep step;
        if (steps)
            step = [steps] { ++*steps; };
        return dm().GetPassageText(book, c1, c2, v1, v2, step, o.startSkip, o.endSkip, o.numbers,
                                   o.newLine, o.chapterInLabel, o.headings, o.step);
    }

    void expectError(int book, int c1, int v1, int c2, int v2, const QString& message) {
        try {
            passage(book, c1, v1, c2, v2);
            ADD_FAILURE() << "no error for " << message.toStdString();
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
};

// ---- one verse ---------------------------------------------------------------

TEST_F(PassageTest, OneVerseIsLabelBlankText) {
    EXPECT_EQ(passage(Matthew, 1, 2, 1, 2), "2 " + t(Matthew, 1, 2));
}

TEST_F(PassageTest, OneVerseWithEndSkipLosesItsLastTwoWords) {
    Options o;
    o.endSkip = 2;
    EXPECT_EQ(passage(Matthew, 1, 2, 1, 2, o), "2 God so loved the world; in love He");
}

TEST_F(PassageTest, OneVerseWithoutNumbersIsTheText) {
    Options o;
    o.numbers = false;
    EXPECT_EQ(passage(Mark, 2, 3, 2, 3, o), t(Mark, 2, 3));
}

TEST_F(PassageTest, FirstVerseLabelHasChapterAndNoLeadingBreak) {
    EXPECT_EQ(passage(Matthew, 1, 1, 1, 1), "1:1 " + t(Matthew, 1, 1));
}

TEST_F(PassageTest, FirstVerseWithHeadingStartsWithTheHeading) {
    Options o;
    o.headings = true;
    EXPECT_EQ(passage(Psalms, 1, 1, 1, 1, o), "[Psalm 1]" + CrLf + "1:1 " + t(Psalms, 1, 1));
}

TEST_F(PassageTest, TooManyWordsToRemovePassesToTheCaller) {
    Options o;
    o.endSkip = 40;
    try {
        passage(Mark, 1, 2, 1, 2, o);
        FAIL() << "no error";
    } catch (const ETokenError& e) {
        EXPECT_EQ(e.Message(), "Too Many Words to Remove");
    }
}

// ---- verses of one chapter -----------------------------------------------------

TEST_F(PassageTest, ThreeVersesWithBlankSeparator) {
    EXPECT_EQ(passage(Matthew, 1, 1, 1, 3),
              "1:1 " + t(Matthew, 1, 1) + " 2 " + t(Matthew, 1, 2) + " 3 " + t(Matthew, 1, 3));
}

TEST_F(PassageTest, ChapterInLabelOnEveryVerse) {
    Options o;
    o.chapterInLabel = true;
    EXPECT_EQ(passage(Mark, 2, 2, 2, 3, o), "2:2 " + t(Mark, 2, 2) + " 2:3 " + t(Mark, 2, 3));
}

TEST_F(PassageTest, NoNumbersJoinsTexts) {
    Options o;
    o.numbers = false;
    o.newLine = true;
    EXPECT_EQ(passage(Mark, 1, 1, 1, 3, o),
              t(Mark, 1, 1) + CrLf + t(Mark, 1, 2) + CrLf + t(Mark, 1, 3));
}

TEST_F(PassageTest, StartAndEndSkipTrimFirstAndLastVerse) {
    Options o;
    o.startSkip = 2;
    o.endSkip = 1;
    EXPECT_EQ(passage(Matthew, 1, 1, 1, 3, o),
              "1:1 beginning was the Word, and the Word was with God. 2 " + t(Matthew, 1, 2) +
                  " 3 Walk in the light, as He is in the");
}

// ---- across chapters -----------------------------------------------------------

TEST_F(PassageTest, AcrossChapterBoundaryWithHeadingsAndNewLines) {
    Options o;
    o.newLine = true;
    o.headings = true;
    QString expected = "20 " + t(Matthew, 2, 20);
    for (int v = 21; v <= 23; ++v)
        expected += CrLf + QString::number(v) + " " + t(Matthew, 2, v);
    expected += CrLf + CrLf + CrLf + "[Chapter 3]" + CrLf + "3:1 " + t(Matthew, 3, 1);
    expected += CrLf + "2 " + t(Matthew, 3, 2);
    EXPECT_EQ(passage(Matthew, 2, 20, 3, 2, o), expected);
}

TEST_F(PassageTest, AcrossChapterBoundaryWithoutHeadingsBreaksOnce) {
    EXPECT_EQ(passage(Mark, 1, 5, 2, 1),
              "5 " + t(Mark, 1, 5) + " " + CrLf + "2:1 " + t(Mark, 2, 1));
}

TEST_F(PassageTest, PsalmHeadingsAcrossPsalms) {
    Options o;
    o.headings = true;
    const QString text = passage(Psalms, 1, 6, 3, 1, o);
    EXPECT_TRUE(text.startsWith("6 " + t(Psalms, 1, 6)));
    EXPECT_TRUE(text.contains(CrLf + CrLf + "[Psalm 2]" + CrLf + "2:1 " + t(Psalms, 2, 1)));
    EXPECT_TRUE(text.endsWith(CrLf + CrLf + "[Psalm 3]" + CrLf + "3:1 " + t(Psalms, 3, 1)));
    EXPECT_EQ(text.count("12 " + t(Psalms, 2, 12)), 1);
}

TEST_F(PassageTest, OtherBooksGetChapterHeadings) {
    Options o;
    o.headings = true;
    EXPECT_TRUE(passage(Proverbs, 1, 1, 1, 2, o).startsWith("[Chapter 1]" + CrLf + "1:1 "));
}

TEST_F(PassageTest, ProgressStepsOncePerChapterChange) {
    Options o;
    o.step = true;
    int steps = 0;
    passage(Matthew, 1, 24, 3, 2, o, &steps);
    EXPECT_EQ(steps, 2);

    steps = 0;
    o.step = false;
    passage(Matthew, 1, 24, 3, 2, o, &steps);
    EXPECT_EQ(steps, 0);
}

TEST_F(PassageTest, WholeBookRunsToTheEndOfEachChapter) {
    Options o;
    o.numbers = false;
    const QString text = passage(Mark, 1, 1, 3, 5, o);
    EXPECT_EQ(text.count("speaks of grace"), 15);
    EXPECT_TRUE(text.endsWith(t(Mark, 3, 5)));
}

// ---- missing verses ------------------------------------------------------------

TEST_F(PassageTest, EndVersePastTheLastChapterRaises) {
    expectError(Matthew, 3, 1, 3, 20, "Verse Not Found,Book ID:1 Chapter:3 Verse:18");
}

TEST_F(PassageTest, EndVerseJustPastTheChapterRaises) {
    expectError(Matthew, 3, 16, 3, 18, "Verse Not Found,Book ID:1 Chapter:3 Verse:18");
}

TEST_F(PassageTest, EndVersePastTheEndAcrossChaptersRaises) {
    expectError(Mark, 1, 4, 2, 9, "Verse Not Found,Book ID:2 Chapter:2 Verse:6");
}

TEST_F(PassageTest, EndChapterMissingRaisesForItsFirstVerse) {
    expectError(Mark, 3, 4, 4, 2, "Verse Not Found,Book ID:2 Chapter:4 Verse:1");
}

TEST_F(PassageTest, MissingFirstVerseIsSkippedSilently) {
    QString text;
    EXPECT_NO_THROW(text = passage(Mark, 1, 0, 1, 2));
    EXPECT_TRUE(text.endsWith("2 " + t(Mark, 1, 2)));
    EXPECT_FALSE(text.contains("1:0"));
}

// ---- labels and headings -------------------------------------------------------

TEST_F(PassageTest, FormatVerseOfTheCurrentRow) {
    ASSERT_TRUE(dm().tblBible.FindKey({Psalms, 2, 1}));
    EXPECT_EQ(dm().FormatVerse(false, false), CrLf + "2:1");
    EXPECT_EQ(dm().FormatVerse(false, true), CrLf + CrLf + "[Psalm 2]" + CrLf + "2:1");
    ASSERT_TRUE(dm().tblBible.FindKey({Psalms, 2, 7}));
    EXPECT_EQ(dm().FormatVerse(false, true), "7");
    EXPECT_EQ(dm().FormatVerse(true, true), "2:7");
}

TEST_F(PassageTest, PsalmsBookIsLookedUpWhenUnset) {
    ASSERT_EQ(PsalmsBookID, 0);
    EXPECT_EQ(dm().GetChapterHeading(Psalms, 23), "[Psalm 23]");
    EXPECT_EQ(PsalmsBookID, Psalms);
    EXPECT_EQ(dm().GetChapterHeading(Proverbs, 3), "[Chapter 3]");
}

TEST_F(PassageTest, PsalmsBookIDSetByTheReadingsWindowWins) {
    PsalmsBookID = Proverbs;
    EXPECT_EQ(dm().GetChapterHeading(Proverbs, 3), "[Psalm 3]");
    EXPECT_EQ(dm().GetChapterHeading(Psalms, 3), "[Chapter 3]");
}

class NoPsalmsTest : public MainDMTest {
protected:
    bool StandardRows() const override { return false; }
    void AddRows(TFixtureDatabase& db) override {
        db.Insert("BibleBooks.db", {"ID", "BookName"}, {1, "Matthew"});
        db.Insert("Bible.DB", {"BookID", "Chapter", "Verse", "Text"}, {1, 1, 1, "Text."});
    }
};

TEST_F(NoPsalmsTest, WithoutAPsalmsBookEveryHeadingIsAChapter) {
    EXPECT_EQ(dm().GetChapterHeading(1, 1), "[Chapter 1]");
    EXPECT_EQ(PsalmsBookID, 0);
    EXPECT_EQ(dm().GetChapterHeading(0, 2), "[Chapter 2]");
}

} // namespace
