#pragma once
// A small content database in a temporary folder, written through the
// content schema: a few books, chapters and verses, day records, readings,
// Synaxarium rows and concordance rows. Tests may add rows of their own
// before Finish().

#include "TableEngine.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace Fixture {

// Books (BibleBooks.db IDs).
constexpr int Matthew = 1;     // chapters 1..3: 25, 23, 17 verses
constexpr int Mark = 2;        // chapters 1..3: 5 verses each; no book 3
constexpr int Revelation = 27; // chapter 1: 2 verses; the last New Testament book
constexpr int Genesis = 28;    // chapters 1..2: 31, 25 verses
constexpr int Proverbs = 45;   // chapter 1: 10 verses
constexpr int Psalms = 46;     // chapters 1..3: 6, 12, 8 verses
constexpr int Malachi = 66;    // chapter 1: 2 verses; the last Old Testament book
constexpr int Tobit = 67;      // chapter 1: 4 verses
constexpr int Manasseh = 81;   // chapters 1..2: 3, 1 verses; the last book

// ReadingTimes.DB IDs (names in ReadingTimeName).
constexpr int Vespers = 1, Matins = 2, Liturgy = 3, Evening = 4;
constexpr int FirstHourOfEve = 11, TwelfthHourOfEve = 16, Psalmody = 17;
QString ReadingTimeName(int id); // "" for an unknown ID

// VelmType.db IDs, deliberately unlike the day-type bytes 1..4.
constexpr int VelmLent = 12, VelmFifty = 13, VelmAnnual = 10, VelmSundays = 11;

// SynxHead.db IDs.
constexpr int SynxTut1 = 1, SynxTut2 = 2, SynxKiahk29 = 3, SynxBaramhat29 = 4;

// The stored text of a fixture verse; a handful of verses carry fixed
// sentences for the word tests, the others a generated one.
QString VerseText(int bookID, int chapter, int verse);
// Number of verses of a fixture chapter, 0 when there is none.
int VerseCount(int bookID, int chapter);

} // namespace Fixture

class TFixtureDatabase {
public:
    // Creates the tables in a new temporary folder; with standardRows the
    // rows described in Fixture are written too.
    explicit TFixtureDatabase(bool standardRows = true);
    ~TFixtureDatabase();
    TFixtureDatabase(const TFixtureDatabase&) = delete;
    TFixtureDatabase& operator=(const TFixtureDatabase&) = delete;

    // The writer, open until Finish(): add rows of your own.
    TDatabaseWriter& Writer();
    void Insert(const QString& fileName, const QStringList& fields, const QVariantList& values);

    // Commits the file and registers it in Session: the password, the alias
    // VelmEng4 on Folder() (replacing an earlier one) and the user data
    // folder of the writable tables.
    void Finish();

    QString Folder() const;     // the alias folder
    QString UserFolder() const; // the user's data folder (SRN.DB)

private:
    void writeStandardRows();
    QTemporaryDir dir_;
    std::unique_ptr<TDatabaseWriter> writer_;
};
