#pragma once
// The content database: every table file with its fields, types, sizes and
// the indexes that the data module's datasets select by name. Both the
// sample content builder and the tests' fixture builder write databases
// through these definitions, so the two can never drift apart.

#include "TableEngine.h"

#include <QList>
#include <QString>

// Added to the session's password list before any content table opens.
extern const QString TablePassword;

// The alias every dataset of the data module names.
extern const QString DatabaseAlias;

// Every table file, in a fixed order.
const QList<TTableDef>& ContentTables();

// The definition of one table file (file names compare case-insensitively,
// "BibleBooks.DB" and "BibleBooks.db" are the same file). Raises
// EDatabaseError for a name that is not part of the content.
const TTableDef& ContentTable(const QString& fileName);

// Creates every table of the content in a new database.
void CreateContentTables(TDatabaseWriter& writer);
