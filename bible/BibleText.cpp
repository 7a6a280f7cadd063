#include "BibleText.h"

#include "Quotes.h"
#include "Tokens.h"

#include <algorithm>

namespace BibleText {

namespace {

QString DelimiterSet() {
    QString s = QStringLiteral(" +.,;:'`\"!?\\/<>()^#&%+-*\t\n\r");
    s += QChar(26);
    s += QLatin1Char(' ');
    s += QChar(0x2028);
    s += QChar(0x2029);
    s += QChar(0);
    // The Bible text's quotes and dashes, where the concordance ends its
    // words too.
    s += TypographicWordBreaks;
    return s;
}

const QString NumberChars = QStringLiteral("0123456789:");
const QString RunEnders = QStringLiteral("0123456789[");

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString AsciiUpper(const QString& s) {
    QString u = s;
    for (QChar& c : u)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return u;
}

// Cuts a text run into plain text and marked whole words.
void AddWordRuns(QList<TBibleRun>& runs, const QString& text, const QStringList& list) {
    qsizetype plainStart = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (BibleWordDelimiters.contains(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && !BibleWordDelimiters.contains(text[end]))
            ++end;
        const QString word = text.mid(i, end - i);
        if (IsHighlightWord(list, word)) {
            if (i > plainStart)
                runs.append({TBibleRunKind::Plain, text.mid(plainStart, i - plainStart)});
            runs.append({TBibleRunKind::Marked, word});
            plainStart = end;
        }
        i = end;
    }
    if (plainStart < n)
        runs.append({TBibleRunKind::Plain, text.mid(plainStart)});
}

} // namespace

const QString BibleWordDelimiters = DelimiterSet();

THighlightMode HighlightMode(bool highlightOn, bool noHighlight, bool asPhrase,
                             const QString& highlightText, const QStringList& highlightList) {
    if (!highlightOn)
        return THighlightMode::Off;
    if (!noHighlight && asPhrase && !highlightText.isEmpty())
        return THighlightMode::Phrase;
    if (!asPhrase && !highlightList.isEmpty())
        return THighlightMode::Words;
    return THighlightMode::Off;
}

QStringList HighlightWords(const QString& text) {
    QStringList words;
    const int count = WordCount(text, BibleWordDelimiters);
    for (int k = 1; k <= count; ++k)
        words << ExtractWord(text, k, BibleWordDelimiters).toUpper();
    return words;
}

bool IsHighlightWord(const QStringList& highlightList, const QString& word) {
    return highlightList.contains(AsciiUpper(word));
}

QList<TBibleRun> PassageRuns(const QString& passage, THighlightMode mode,
                             const QStringList& highlightList) {
    QList<TBibleRun> runs;
    const qsizetype n = passage.size();
    qsizetype p = 0;
    while (p < n) {
        const QChar c = passage[p];
        if (c == QLatin1Char('[')) {
            const qsizetype close = passage.indexOf(QLatin1Char(']'), p);
            const qsizetype end = close < 0 ? n : close + 1;
            runs.append({TBibleRunKind::Heading, passage.mid(p, end - p)});
            p = end;
        } else if (IsDigit(c)) {
            qsizetype end = p + 1;
            while (end < n && NumberChars.contains(passage[end]))
                ++end;
            runs.append({TBibleRunKind::VerseNumber, passage.mid(p, end - p)});
            p = end;
        } else {
            qsizetype end = p + 1;
            while (end < n && !RunEnders.contains(passage[end]))
                ++end;
            const QString text = passage.mid(p, end - p);
            switch (mode) {
            case THighlightMode::Phrase:
                runs.append({TBibleRunKind::Phrase, text});
                break;
            case THighlightMode::Words:
                AddWordRuns(runs, text, highlightList);
                break;
            case THighlightMode::Off:
                runs.append({TBibleRunKind::Plain, text});
                break;
            }
            p = end;
        }
    }
    return runs;
}

int TagSize(int readingsSize) {
    return std::max(readingsSize - 5, 6);
}

QString ChapterCaption(const QString& bookName, int chapter) {
    if (!bookName.isEmpty() && IsDigit(bookName.back()))
        return bookName;
    return bookName + QLatin1Char(' ') + QString::number(chapter);
}

QString PrintHeader(const QString& caption) {
    return DelimitersToSpaces(caption, QStringLiteral("\n\r"));
}

QString BookFilter(TBookScope scope, bool nkjvOnly) {
    QString filter;
    switch (scope) {
    case TBookScope::AllBooks:
        break;
    case TBookScope::NewTestament:
        filter = QStringLiteral("ID < 28");
        break;
    case TBookScope::OldTestament:
        filter = QStringLiteral("(ID > 27)and(ID < 67) or (ID > 80)");
        break;
    case TBookScope::Deuterocanonical:
        filter = QStringLiteral("(ID > 66) and (ID<=80)");
        break;
    }
    if (nkjvOnly) {
        const QString translation = QStringLiteral("(Translation=1)");
        filter = filter.isEmpty()
                     ? translation
                     : QLatin1Char('(') + filter + QStringLiteral(") and ") + translation;
    }
    return filter;
}

TChapterRange ChapterRange(int firstChapter, int lastChapter, int value) {
    TChapterRange r;
    r.Minimum = firstChapter;
    r.Maximum = lastChapter;
    r.Value = value > lastChapter ? lastChapter : value < firstChapter ? firstChapter : value;
    r.Enabled = firstChapter != lastChapter;
    if (r.Enabled) {
        const QString range =
            QString::number(firstChapter) + QStringLiteral(" .. ") + QString::number(lastChapter);
        r.RangeCaption = range;
        r.Hint = QStringLiteral("Enter a vlaue between: ") + range +
                 QStringLiteral(" or use Up or Down Arrows to Change the Value");
    } else {
        r.Hint = QStringLiteral("* * You Can Not Change the Chapter Number For Current Book * *");
    }
    return r;
}

} // namespace BibleText
