#pragma once
// What the concordance window shows, without a widget: the scope filter of
// the word-verse rows and the statistics line of a word.

#include <QString>

namespace IndexText {

// Filter of the word-verse table for a scope: 0 all books, 1 New Testament,
// 2 Old Testament (with the books above 80), 3 every book above 66, 4 the
// book bookID.
QString ScopeFilter(int scopeIndex, int bookID = 0);

// The statistics panel: its caption, and whether it is the "not found" one
// (red on yellow) rather than navy on the button face.
struct TWordStatistics {
    QString Caption;
    bool NotFound = false;
};
TWordStatistics WordStatistics(bool found, bool allBooks, int hits, int verses);

// The ASCII upper case of what the user typed.
QString TypedWord(const QString& editText);

// The start word of a showing: the upper-cased edit text, else the current
// word; "666" starts at "AARON".
QString StartWord(const QString& editText, const QString& currentWord);

} // namespace IndexText
