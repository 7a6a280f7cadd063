#include "BibleTables.h"

#include <gtest/gtest.h>

namespace {

const TableRows& table(const QList<TableRows>& tables, const QString& file) {
    for (const TableRows& t : tables)
        if (t.File == file)
            return t;
    throw std::runtime_error("no table");
}

QHash<QString, QVariantList> wordsByName(const TableRows& bw) {
    QHash<QString, QVariantList> h;
    for (const QVariantList& r : bw.Rows)
        h.insert(r[3].toString(), r);
    return h;
}

} // namespace

TEST(ContentConcordance, WordsAreRunsOfLettersUpperCased) {
    EXPECT_EQ(VerseWords(QStringLiteral("God’s Spirit—moved, 3 times; “Amen!”")),
              (QStringList{"GOD", "S", "SPIRIT", "MOVED", "3", "TIMES", "AMEN"}));
}

TEST(ContentConcordance, HitsVersesAndTheOmittedWordRule) {
    BibleText b;
    b.Books = {*FindBookByID(28), *FindBookByID(1)};
    // "the" in 501 verses of Genesis: common and frequent, so omitted; "and"
    // in only 2 verses stays included; "love" twice in one verse.
    for (int v = 1; v <= 501; ++v)
        b.Verses.append({28, 1, v, QStringLiteral("In the beginning")});
    b.Verses.append(
        {1, 1, 1, QStringLiteral("Love and love again, Mahershalalhashbaz and the rest.")});
    const VerseIndex index(b);
    const QList<TableRows> tables = BuildBibleTables(index);

    const QHash<QString, QVariantList> words = wordsByName(table(tables, QStringLiteral("BW.db")));
    ASSERT_TRUE(words.contains(QStringLiteral("LOVE")));
    EXPECT_EQ(words[QStringLiteral("LOVE")][0].toInt(), 2); // Hits
    EXPECT_TRUE(words[QStringLiteral("LOVE")][1].toBool()); // Included
    EXPECT_EQ(words[QStringLiteral("THE")][0].toInt(), 502);
    EXPECT_FALSE(words[QStringLiteral("THE")][1].toBool());
    EXPECT_TRUE(words[QStringLiteral("AND")][1].toBool());
    EXPECT_TRUE(words[QStringLiteral("BEGINNING")][1].toBool());        // not a function word
    EXPECT_FALSE(words.contains(QStringLiteral("MAHERSHALALHASHBAZ"))); // longer than 16

    // Word IDs follow the alphabet; one word-verse row per included word and verse.
    EXPECT_LT(words[QStringLiteral("AGAIN")][2].toInt(), words[QStringLiteral("AND")][2].toInt());
    const TableRows& wvn = table(tables, QStringLiteral("WVN.DB"));
    int loveRows = 0, theRows = 0, beginningRows = 0;
    for (const QVariantList& r : wvn.Rows) {
        const int id = r[0].toInt();
        if (id == words[QStringLiteral("LOVE")][2].toInt()) {
            ++loveRows;
            EXPECT_EQ(r[1].toInt(), 502);                    // VerseID of the Matthew verse
            EXPECT_EQ(r[2].toInt(), 1);                      // BookID
            EXPECT_EQ(r[3].toInt(), FindBookByID(1)->Order); // BookOrder
        }
        theRows += id == words[QStringLiteral("THE")][2].toInt();
        beginningRows += id == words[QStringLiteral("BEGINNING")][2].toInt();
    }
    EXPECT_EQ(loveRows, 1);
    EXPECT_EQ(theRows, 0);
    EXPECT_EQ(beginningRows, 501);
}

TEST(ContentConcordance, VersesOfTheDayAreWholeSentencesWithCitations) {
    BibleText b;
    b.Books = {*FindBookByID(46)};
    for (int c = 1; c <= 10; ++c)
        for (int v = 1; v <= 8; ++v)
            b.Verses.append(
                {46, c, v,
                 v == 8 ? QStringLiteral("and a fragment without an end")
                        : QStringLiteral(
                              "Blessed is the one who walks in the way of peace, number %1.")
                              .arg(v)});
    const QStringList verses = VersesOfTheDay(VerseIndex(b));
    ASSERT_EQ(verses.size(), 366);
    for (const QString& v : verses) {
        EXPECT_TRUE(v.startsWith(QStringLiteral("Blessed")));
        EXPECT_TRUE(v.contains(QStringLiteral(". (Psalms ")));
    }
    EXPECT_TRUE(verses.first().endsWith(QStringLiteral("(Psalms 1:1)")));
}
