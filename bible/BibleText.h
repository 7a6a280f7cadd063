#pragma once
// What the Bible reader windows write and filter, without a widget: the runs
// of a passage with its highlighted words, the highlight word list, the book
// filters of the reader hub, the chapter caption and the chapter range.

#include <QList>
#include <QString>
#include <QStringList>

namespace BibleText {

// Word delimiters of the Bible windows: " +.,;:'`\"!?\\/<>()^#&%+-*", TAB,
// LF, CR, 26, blank, the two line-break separators (in place of the
// single-byte soft line feed and carriage return), NUL, the typographic
// quotes ‘ ’ “ ” and the em dash; 37 characters.
extern const QString BibleWordDelimiters;

enum class TBibleRunKind {
    Heading,     // "[Chapter 3]": blue, bold, readings size + 5
    VerseNumber, // "3:16": red, bold, readings size - 5
    Plain,       // text in the readings font
    Marked,      // a highlighted word: blue, bold, readings size
    Phrase,      // a text run written by the print host with its phrase marked
};

struct TBibleRun {
    TBibleRunKind Kind;
    QString Text;
    bool operator==(const TBibleRun&) const = default;
};

enum class THighlightMode { Off, Words, Phrase };

// The mode of the text runs: phrase mode needs a highlight text and "As
// Phrase"; word mode needs a highlight list and "As Phrase" unchecked.
THighlightMode HighlightMode(bool highlightOn, bool noHighlight, bool asPhrase,
                             const QString& highlightText, const QStringList& highlightList);

// The upper-cased words of text, in order, duplicates kept.
QStringList HighlightWords(const QString& text);
// Whether the ASCII-upper-cased word is in the list.
bool IsHighlightWord(const QStringList& highlightList, const QString& word);

// A passage text (bracketed headings, verse labels of digits and colons,
// verse text) cut into runs; in word mode the text runs are cut further
// into plain text and marked whole words. Every character is in exactly one
// run.
QList<TBibleRun> PassageRuns(const QString& passage, THighlightMode mode,
                             const QStringList& highlightList);

// The size of the translation tag after a passage.
int TagSize(int readingsSize);

// A book name ending in a digit alone, else the name, a blank and the chapter.
QString ChapterCaption(const QString& bookName, int chapter);
// A caption as a print header: line breaks turned into blanks.
QString PrintHeader(const QString& caption);

// ------------------------------------------------------------ the hub ---

enum class TBookScope { AllBooks, NewTestament, OldTestament, Deuterocanonical };

// The filter of the hub's book list; the translation check applies to the
// whole scope.
QString BookFilter(TBookScope scope, bool nkjvOnly);

// The chapter spin edit of a book of chapters first..last.
struct TChapterRange {
    int Minimum = 1;
    int Maximum = 1;
    int Value = 1; // the given value held within the range
    bool Enabled = false;
    QString RangeCaption;
    QString Hint;
};
TChapterRange ChapterRange(int firstChapter, int lastChapter, int value);

} // namespace BibleText
