#pragma once
// The books of the sample Bible: their IDs (1-27 New Testament, 28-66 Old
// Testament, 67-80 Deuterocanonical, above 80 further books), the order of an
// English Bible with the Deuterocanon between the Testaments, and names.

#include <QList>
#include <QString>

struct BookInfo {
    QString Osis; // OSIS abbreviation of the SWORD module ("Gen")
    int ID = 0;
    int Order = 0; // BookOrder
    int Type = 0;  // BookType: 1 Old Testament, 2 New Testament, 3 Deuterocanonical
    QString Name;  // BookName
    QString MoreInfo;
};

// Every book the builder knows, in BookOrder. Books of the module that are
// not listed get IDs above 80 at the end of the order.
const QList<BookInfo>& KnownBooks();
const BookInfo* FindBookByOsis(const QString& osis);
const BookInfo* FindBookByID(int id);

constexpr int kPsalmsBookID = 46;
constexpr int kPairedBookID = 45;
