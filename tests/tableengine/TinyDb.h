#pragma once
// A tiny database for the engine's tests, written with TDatabaseWriter.

#include "TableEngine.h"

#include <QTemporaryDir>

inline const QString kPassword = QStringLiteral("12abcdef345678");
inline const QString kAlias = QStringLiteral("TestAlias");

// Books 1..3, a few chapters and verses, words and word-verse rows,
// Synaxarium detail rows and the writable results table.
class TinyDb {
public:
    TinyDb();
    ~TinyDb();
    QString folder() const { return content_.path(); }
    QString userFolder() const { return user_.path(); }
    // Registers the alias and password in the session.
    void attach() const;

    static void writeInto(const QString& folder, const QString& password);

private:
    QTemporaryDir content_, user_;
};

// Opens a table of the tiny database.
std::unique_ptr<TTable> openTable(const QString& file, const QString& index = QString(),
                                  bool open = true);
