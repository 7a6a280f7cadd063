#include "Tokens.h"

#include <gtest/gtest.h>

namespace {

const QString kComma = QStringLiteral(",");
const QString kSentence =
    QStringLiteral("In the beginning was the Word, and the Word was with God.");

QString RemoveError(const QString& text, int n, bool fromStart, const QString& delims = {}) {
    try {
        RemoveWords(text, n, fromStart, delims);
    } catch (const ETokenError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

// ------------------------------------------------------ WordCount, fields --

TEST(TokensCount, WordsAndFields) {
    EXPECT_EQ(WordCount(QStringLiteral("a,,b"), kComma, true), 3);
    EXPECT_EQ(WordCount(QStringLiteral("a,,b"), kComma, false), 2);
    EXPECT_EQ(WordCount(QStringLiteral(",a"), kComma, true), 2);
    EXPECT_EQ(WordCount(QStringLiteral("a,"), kComma, true), 1);
    EXPECT_EQ(WordCount(QStringLiteral(",,"), kComma, true), 2);
    EXPECT_EQ(WordCount(QStringLiteral(",,"), kComma, false), 0);
    EXPECT_EQ(WordCount(QString(), kComma, true), 0);
    EXPECT_EQ(WordCount(QString(), kComma, false), 0);
}

TEST(TokensCount, DefaultDelimitersUsedForAnEmptySet) {
    EXPECT_EQ(WordCount(QStringLiteral("one, two;three\tfour")), 4);
    EXPECT_EQ(WordCount(kSentence), 12);
}

TEST(TokensCount, DefaultSetHoldsTwentyEightCharacters) {
    EXPECT_EQ(DefaultDelimiters.size(), 28);
    EXPECT_EQ(DefaultDelimiters.count(QLatin1Char('+')), 2);
    EXPECT_TRUE(DefaultDelimiters.contains(QChar(0)));
    EXPECT_TRUE(DefaultDelimiters.contains(QChar(26)));
    EXPECT_TRUE(DefaultDelimiters.contains(QChar(0x2028)));
    EXPECT_TRUE(DefaultDelimiters.contains(QChar(0x2029)));
    // Š is a letter, not the single-byte delimiter 138.
    EXPECT_FALSE(DefaultDelimiters.contains(QChar(0x0160)));
}

// ------------------------------------------------------------- ExtractWord --

TEST(TokensExtract, EmptyFieldHasDelimitersOnBothSides) {
    const QString t = QStringLiteral("a,,b");
    EXPECT_EQ(ExtractWord(t, 2, kComma, true), QString());
    EXPECT_EQ(PrevDelimiter, kComma);
    EXPECT_EQ(NextDelimiter, kComma);
    EXPECT_EQ(ExtractWord(t, 3, kComma, true), QStringLiteral("b"));
    EXPECT_EQ(PrevDelimiter, kComma);
    EXPECT_TRUE(NextDelimiter.isEmpty());
    EXPECT_EQ(ExtractWord(t, 0, kComma, true), QStringLiteral("b"));
    EXPECT_EQ(ExtractWord(t, 1, kComma, true), QStringLiteral("a"));
    EXPECT_TRUE(PrevDelimiter.isEmpty());
    EXPECT_EQ(NextDelimiter, kComma);
}

TEST(TokensExtract, WordsSkipEmptyFields) {
    const QString t = QStringLiteral("a,,b");
    EXPECT_EQ(ExtractWord(t, 2, kComma, false), QStringLiteral("b"));
    EXPECT_EQ(PrevDelimiter, kComma);
    EXPECT_EQ(ExtractWord(QStringLiteral(",a"), 1, kComma, true), QString());
    EXPECT_EQ(ExtractWord(QStringLiteral(",a"), 2, kComma, true), QStringLiteral("a"));
    // All of them at once, the same.
    EXPECT_EQ(ExtractWords(t, kComma, false), QStringList({"a", "b"}));
    EXPECT_EQ(ExtractWords(t, kComma, true), QStringList({"a", "", "b"}));
    EXPECT_EQ(ExtractWords(QStringLiteral(",a"), kComma, true), QStringList({"", "a"}));
    EXPECT_TRUE(ExtractWords(QString(), kComma, true).isEmpty());
}

TEST(TokensExtract, OutOfRangeClearsDelimiters) {
    ExtractWord(QStringLiteral("a,,b"), 2, kComma, true);
    EXPECT_EQ(ExtractWord(QStringLiteral("a,b"), 3, kComma, false), QString());
    EXPECT_TRUE(PrevDelimiter.isEmpty());
    EXPECT_TRUE(NextDelimiter.isEmpty());
    EXPECT_EQ(ExtractWord(QString(), 1, kComma, false), QString());
    EXPECT_EQ(ExtractWord(QStringLiteral(",,"), 0, kComma, false), QString());
    EXPECT_EQ(ExtractWord(QStringLiteral("a"), -1, kComma, false), QString());
}

TEST(TokensExtract, UsesTheGivenDelimiterSet) {
    const QString t = QStringLiteral("Jesus wept. (John 11:35)");
    EXPECT_EQ(WordCount(t, QStringLiteral(" "), false), 4);
    EXPECT_EQ(ExtractWord(t, 3, QStringLiteral(" "), false), QStringLiteral("(John"));
    EXPECT_EQ(ExtractWord(t, 3), QStringLiteral("John"));
    EXPECT_EQ(PrevDelimiter, QStringLiteral("("));
    EXPECT_EQ(NextDelimiter, QStringLiteral(" "));
}

// ------------------------------------------------------------- RemoveWords --

TEST(TokensRemove, FromStartAndEnd) {
    EXPECT_EQ(RemoveWords(kSentence, 2, true),
              QStringLiteral("beginning was the Word, and the Word was with God."));
    EXPECT_EQ(RemoveWords(kSentence, 2, false),
              QStringLiteral("In the beginning was the Word, and the Word was"));
    EXPECT_EQ(RemoveWords(QStringLiteral("a b"), 1, true), QStringLiteral("b"));
    EXPECT_EQ(RemoveWords(QStringLiteral("a b"), 1, false), QStringLiteral("a"));
}

TEST(TokensRemove, GuardCountsCommaAndBlankOnly) {
    EXPECT_EQ(RemoveWords(QStringLiteral("one;two three"), 1, true), QStringLiteral("two three"));
    EXPECT_EQ(RemoveError(QStringLiteral("one;two three"), 2, true),
              QStringLiteral("Too Many Words to Remove"));
}

TEST(TokensRemove, TooManyWordsRaises) {
    EXPECT_EQ(RemoveError(QStringLiteral("a b"), 2, true),
              QStringLiteral("Too Many Words to Remove"));
    EXPECT_EQ(RemoveError(QStringLiteral("a b"), 5, false),
              QStringLiteral("Too Many Words to Remove"));
    EXPECT_THROW(RemoveWords(QStringLiteral("word"), 1, true), ETokenError);
    // The exception is a std::runtime_error with the same text.
    try {
        RemoveWords(QStringLiteral("a b"), 2, true);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Too Many Words to Remove");
    }
}

TEST(TokensRemove, NothingToRemoveLeavesTheText) {
    EXPECT_EQ(RemoveWords(kSentence, 0, true), kSentence);
    EXPECT_EQ(RemoveWords(kSentence, -3, false), kSentence);
    EXPECT_EQ(RemoveWords(QString(), 0, true), QString());
}

// -------------------------------------------------------------- WordBoundary --

TEST(TokensBoundary, PositionsCountFromOne) {
    const QString t = QStringLiteral("ab cd ef");
    EXPECT_EQ(WordBoundary(t, 2, true, QStringLiteral(" ")), 4);
    EXPECT_EQ(WordBoundary(t, 3, true, QStringLiteral(" ")), 7);
    EXPECT_EQ(WordBoundary(t, 2, false, QStringLiteral(" ")), 5);
    EXPECT_EQ(WordBoundary(t, 3, false, QStringLiteral(" ")), 2);
    // N = 1 runs to the far end; the last character is never passed.
    EXPECT_EQ(WordBoundary(t, 1, true, QStringLiteral(" ")), 8);
    EXPECT_EQ(WordBoundary(t, 1, false, QStringLiteral(" ")), 1);
    EXPECT_EQ(WordBoundary(QStringLiteral("x"), 2, true), 1);
    EXPECT_EQ(WordBoundary(QString(), 2, false), 0);
}

// ------------------------------------------------------- DelimitersToSpaces --

TEST(TokensSpaces, RunsBecomeOneBlank) {
    const QString crlf = QStringLiteral("\r\n");
    EXPECT_EQ(DelimitersToSpaces(QStringLiteral("Line one\r\nLine two"), crlf),
              QStringLiteral("Line one Line two"));
    EXPECT_EQ(DelimitersToSpaces(QStringLiteral("\nTitle\n\n"), crlf), QStringLiteral(" Title "));
    EXPECT_EQ(DelimitersToSpaces(QStringLiteral("a  ,, b")), QStringLiteral("a b"));
}

TEST(TokensSpaces, RichTextLineSeparatorsAreDefaultDelimiters) {
    const QString t = QStringLiteral("Matins") + QChar(0x2029) + QStringLiteral("Luke") +
                      QChar(0x2028) + QStringLiteral("1");
    EXPECT_EQ(DelimitersToSpaces(t), QStringLiteral("Matins Luke 1"));
}

// ----------------------------------------------------------------- Unicode --

TEST(TokensUnicode, NonAsciiLettersStayWhole) {
    const QString t = QStringLiteral(u"Café “naïve” — Šimon’s résumé");
    EXPECT_EQ(WordCount(t, QStringLiteral(" ")), 5);
    EXPECT_EQ(ExtractWord(t, 1, QStringLiteral(" ")), QStringLiteral(u"Café"));
    EXPECT_EQ(ExtractWord(t, 2, QStringLiteral(" ")), QStringLiteral(u"“naïve”"));
    EXPECT_EQ(ExtractWord(t, 3, QStringLiteral(" ")), QStringLiteral(u"—"));
    EXPECT_EQ(ExtractWord(t, 0), QStringLiteral(u"résumé"));
    EXPECT_EQ(WordCount(t), 5); // the default set splits on none of them
    EXPECT_EQ(RemoveWords(t, 3, true), QStringLiteral(u"Šimon’s résumé"));
    EXPECT_EQ(RemoveWords(t, 1, false), QStringLiteral(u"Café “naïve” — Šimon’s"));
}

TEST(TokensUnicode, NonAsciiDelimiters) {
    const QString quotes = QStringLiteral(u"“”— ");
    const QString t = QStringLiteral(u"“Ève”—Noël");
    EXPECT_EQ(WordCount(t, quotes), 2);
    EXPECT_EQ(ExtractWord(t, 1, quotes), QStringLiteral(u"Ève"));
    EXPECT_EQ(PrevDelimiter, QStringLiteral(u"“"));
    EXPECT_EQ(NextDelimiter, QStringLiteral(u"”"));
    EXPECT_EQ(ExtractWord(t, 2, quotes), QStringLiteral(u"Noël"));
    EXPECT_EQ(PrevDelimiter, QStringLiteral(u"—"));
    EXPECT_EQ(DelimitersToSpaces(t, quotes), QStringLiteral(u" Ève Noël"));
}

TEST(TokensUnicode, SurrogatePairsAreNeverSplit) {
    // A word of one character outside the basic plane (two UTF-16 units).
    const QString ornament = QString::fromUcs4(U"\U0001D11E");
    EXPECT_EQ(RemoveWords(QStringLiteral("a b;") + ornament, 1, true, QStringLiteral(";")),
              ornament);
    // The guard sees two words, the removal only one: the scan runs to the
    // far end and stops on the last (first) character, which stays whole.
    const QString t = QStringLiteral("a b") + ornament;
    EXPECT_EQ(RemoveWords(t, 1, true, QStringLiteral(";")), ornament);
    const QString u = ornament + QStringLiteral("b c");
    EXPECT_EQ(RemoveWords(u, 1, false, QStringLiteral(";")), ornament);
}
