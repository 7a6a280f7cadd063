#pragma once
// Reads the World English Bible with its Deuterocanon from the installed
// SWORD module and gives the verses as plain text, books in BookOrder.

#include "BibleBooks.h"

#include <QList>
#include <QString>

#include <stdexcept>

struct VerseRow {
    int BookID = 0;
    int Chapter = 0;
    int Verse = 0;
    QString Text;
};

struct BibleText {
    QList<BookInfo> Books;  // books that hold verses, in BookOrder
    QList<VerseRow> Verses; // in BookOrder, chapter, verse
    QString ModuleVersion;
};

class ESwordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kSwordModuleName = "engWEB2015eb";

// Gives every chapter every verse number from 1 to its last, with an empty
// text where the source has none, so that a chapter reads as one passage.
// The rows are in book, chapter and verse order.
void FillVerseGaps(QList<VerseRow>& verses);

// Raises ESwordError with a message naming the missing module or package.
BibleText ReadSwordBible(const char* moduleName = kSwordModuleName);

// The version line of the module's configuration, empty when not installed.
QString SwordModuleVersion(const char* moduleName = kSwordModuleName);
