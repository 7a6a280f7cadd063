#pragma once
// The Synaxarium look-ups that need no widget: the search over every entry,
// the splitting of a text at a highlighted keyword, the seek of the saints
// index and the find of the icons list.

#include <QList>
#include <QString>

class TDataSet;
class TTable;

// Upper-cases the 26 ASCII letters only; every other character stays, so
// positions in the result are positions in the text.
QString AsciiUpper(const QString& text);

// One run of a text written with a keyword highlighted.
struct TTextPiece {
    QString Text;
    bool Highlighted = false;
    bool operator==(const TTextPiece&) const = default;
};

// The text cut at every occurrence of keyword in the upper-cased text; the
// keyword itself is compared as given, so only capitals match. A keyword of
// fewer than two characters, or one that does not occur: the whole text as
// one plain run. Empty runs are left out.
QList<TTextPiece> HighlightPieces(const QString& text, const QString& keyword);

// One entry found by the search.
struct TSynxSearchHit {
    QString Name;
    int SynxID = 0;
    int Number = 0;
};

// Every entry of detail (in the order of its index) whose name, or with
// fullSearch its name + "~" + story, holds searchText in capitals. An empty
// text finds nothing. The cursor ends on the last row.
QList<TSynxSearchHit> SearchSynaxarium(TTable& detail, const QString& searchText, bool fullSearch);

// "(n matches) for "text"".
QString MatchedCaption(int count, const QString& searchText);

// The key of a result, "SynxID?Number", and back; false for a malformed key.
QString SearchResultKey(int synxID, int number);
bool ParseSearchResultKey(const QString& key, int& synxID, int& number);

// Moves the saints table to the nearest name at or after the typed text in
// capitals, trimmed; true when that name begins with it exactly.
bool SeekSaint(TTable& saints, const QString& typed);

// A name of one character after trimming: a letter-divider row.
bool IsDividerName(const QString& name);

// Finds the next row whose nameField in capitals holds key in capitals: from the first
// row when fromTop, else from the row after the current one. Not found: the
// dataset goes back to the row it stood on. Every row passed is a move of the
// dataset. An error while moving goes back to that row too, when nothing was
// found yet, and goes on to the caller.
bool FindNextRow(TDataSet& dataSet, const QString& nameField, const QString& key, bool fromTop);
