#include "Lectionary.h"
#include "LectionaryCourse.h"

#include <gtest/gtest.h>

namespace {

// Genesis 1 (31 verses) and 2 (25); Psalms 1 (6), 2 (12), 3 (4);
// John 3 with verse 5 missing (1..10), John 4 (1..6).
BibleText smallBible() {
    BibleText b;
    for (int id : {28, 46, 4})
        b.Books.append(*FindBookByID(id));
    auto add = [&](int book, int chapter, int last, int missing = 0) {
        for (int v = 1; v <= last; ++v)
            if (v != missing)
                b.Verses.append({book, chapter, v,
                                 QStringLiteral("Verse %1 %2:%3").arg(book).arg(chapter).arg(v)});
    };
    add(28, 1, 31);
    add(28, 2, 25);
    add(46, 1, 6);
    add(46, 2, 12);
    add(46, 3, 4);
    add(4, 3, 10, 5);
    add(4, 4, 6);
    return b;
}

class ContentLectionary : public ::testing::Test {
protected:
    BibleText bible = smallBible();
    VerseIndex index{bible};
};

QString errorOf(const QString& text, const VerseIndex& index) {
    try {
        ParseService(text, index);
    } catch (const ELectionaryError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

TEST_F(ContentLectionary, ServiceOrdersAndJoinedPsalmRanges) {
    const QList<ReadingRow> rows = ParseService(
        QStringLiteral("Gen 1:1-3; Ps 1:1-2 + Ps 1:5-6; #104 John 4:1; John 4:2-6"), index);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0].Order, 1);
    EXPECT_EQ(rows[1].Order, 2);
    EXPECT_EQ(rows[2].Order, 2); // the second range of the same psalm reading
    EXPECT_EQ(rows[2].Book, kPsalmsBookID);
    EXPECT_EQ(rows[2].StartVerse, 5);
    EXPECT_EQ(rows[3].Order, 104);
    EXPECT_EQ(rows[3].StartVerse, 1);
    EXPECT_EQ(rows[3].EndVerse, 1); // a single verse
    EXPECT_EQ(rows[4].Order, 105);
    EXPECT_EQ(rows[4].Book, 4);
}

TEST_F(ContentLectionary, PassageAcrossChapters) {
    const QList<ReadingRow> rows = ParseService(QStringLiteral("Gen 1:30-2:3"), index);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].StartChapter, 1);
    EXPECT_EQ(rows[0].EndChapter, 2);
    EXPECT_EQ(rows[0].EndVerse, 3);
}

TEST_F(ContentLectionary, BadReadingsAreRefusedWithTheirReference) {
    EXPECT_TRUE(
        errorOf(QStringLiteral("Gen 1:1-40"), index).contains(QStringLiteral("Gen 1:1-40")));
    EXPECT_TRUE(errorOf(QStringLiteral("Gen 1:1-40"), index).contains(QStringLiteral("missing")));
    // The data module stops a chapter at its first missing verse.
    EXPECT_TRUE(errorOf(QStringLiteral("John 3:1-8"), index).contains(QStringLiteral("3:5")));
    EXPECT_TRUE(errorOf(QStringLiteral("John 3:9-4:2"), index).isEmpty());
    EXPECT_TRUE(errorOf(QStringLiteral("John 3:4-4:2"), index).contains(QStringLiteral("3:5")));
    EXPECT_TRUE(errorOf(QStringLiteral("Foo 1:1"), index).contains(QStringLiteral("Unknown book")));
    EXPECT_TRUE(errorOf(QStringLiteral("Gen one"), index).contains(QStringLiteral("Unreadable")));
    EXPECT_TRUE(
        errorOf(QStringLiteral("Gen 2:3-1"), index).contains(QStringLiteral("ends before")));
}

TEST_F(ContentLectionary, CourseStaysInsideChaptersAndAroundGaps) {
    Course c(index, {{4, 3, 4}}, 3);
    const ReadingRow a = c.next();
    EXPECT_EQ(a.StartVerse, 1);
    EXPECT_EQ(a.EndVerse, 3);
    const ReadingRow b = c.next();
    EXPECT_EQ(b.StartVerse, 4);
    EXPECT_EQ(b.EndVerse, 4); // verse 5 is missing
    const ReadingRow d = c.next();
    EXPECT_EQ(d.StartVerse, 6);
    EXPECT_EQ(d.EndVerse, 10); // 6..8 would leave a stub of two verses
    const ReadingRow e = c.next();
    EXPECT_EQ(e.StartChapter, 4);
    EXPECT_EQ(e.StartVerse, 1);
    EXPECT_EQ(e.EndVerse, 3);
    const ReadingRow f = c.next();
    EXPECT_EQ(f.StartVerse, 4);
    EXPECT_EQ(f.EndVerse, 6);
    const ReadingRow again = c.next(); // round to the start
    EXPECT_EQ(again.StartChapter, 3);
    EXPECT_EQ(again.StartVerse, 1);
    for (const ReadingRow& r : {a, b, d, e, f})
        EXPECT_TRUE(
            CheckPassage(index, r.Book, r.StartChapter, r.StartVerse, r.EndChapter, r.EndVerse)
                .isEmpty());
}

TEST_F(ContentLectionary, CourseLeavesNoStubOfTwoVerses) {
    Course c(index, {{kPsalmsBookID, 2, 2}}, 5);
    EXPECT_EQ(c.next().EndVerse, 5);
    EXPECT_EQ(c.next().EndVerse, 12); // 6..10 would leave 11..12 behind
}

TEST_F(ContentLectionary, PsalmOfSixVersesGivesTwoRanges) {
    Course c(index, {{kPsalmsBookID, 1, 3}}, 2);
    const QList<ReadingRow> first = c.nextPsalm();
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(first[0].StartVerse, 1);
    EXPECT_EQ(first[0].EndVerse, 2);
    EXPECT_EQ(first[1].StartVerse, 5);
    EXPECT_EQ(first[1].EndVerse, 6);
    EXPECT_EQ(c.nextPsalm()[1].EndVerse, 12);
    const QList<ReadingRow> shortPsalm = c.nextPsalm();
    ASSERT_EQ(shortPsalm.size(), 1);
    EXPECT_EQ(shortPsalm[0].EndVerse, 4);
}
