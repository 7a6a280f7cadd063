#pragma once
// The phrase search of the Bible search window: every verse of a scope whose
// text holds the typed text, written into the results table (SRN.DB) in the
// Bible table's index order.

#include <QList>
#include <QString>

#include <functional>

class EDatabaseError;
class TMainDM;

// The Bible table's filter of a scope of the search window in phrase mode:
// 0 all books, 1 New Testament, 2 Old Testament (books 28-66 only),
// 3 Deuterocanonical (every book above 66), 4 the book bookID.
QString PhraseScopeFilter(int scopeIndex, int bookID = 0);
bool InPhraseScope(int scopeIndex, int bookID, int verseBookID);

// The needle as the search compares it: typographic quotes folded to the
// straight ones (as in the verse texts), ASCII letters a-z upper-cased
// unless the case matters.
QString PhraseNeedle(const QString& typed, bool caseSensitive);

// Called after every 50th verse scanned: rows found so far and the book of
// the current verse; it may let window messages run.
using TPhraseProgress = std::function<void(int found, const QString& bookName)>;

// A failure of the results file in the user's words: what is wrong and
// what to do; other failures keep their own message.
QString PhraseResultsFailureText(const EDatabaseError& e);

class TPhraseSearch {
public:
    explicit TPhraseSearch(TMainDM& dm) : dm_(dm) {}

    // Empties dm.tblSearchResults (exclusive; opened when closed) and fills
    // it in one batch; an error leaves the table's old rows and says, when
    // the results file is at fault, what the user can do. Result: rows
    // written.
    int Run(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
            const TPhraseProgress& progress = {});

    // Reads the verse texts now, when not yet read, so that the first
    // search does not wait for them.
    void Load();

    // The verse IDs that Run would write, without writing them.
    QList<int> Matches(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
                       const TPhraseProgress& progress = {});

private:
    struct Verse {
        int id;
        int bookID;
        int bookOrder;
        int bookIndex; // into bookNames_
        qsizetype offset, length;
    };
    int write(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
              const TPhraseProgress& progress);
    void load();
    template <typename OnMatch>
    void scan(const QString& typed, bool caseSensitive, int scopeIndex, int bookID,
              const TPhraseProgress& progress, OnMatch onMatch);

    TMainDM& dm_;
    bool loaded_ = false;
    // The Bible is read only: its texts are read once, quotes folded, with
    // an upper-cased copy, so a search allocates nothing per verse.
    QList<Verse> verses_;
    QString text_;
    QString upper_;
    QStringList bookNames_;
};
