#pragma once
// The Bible tables of the content: books, verses, the translation, the
// concordance (BW.db, WVN.DB) and the verses of the day.

#include "ContentData.h"

#include <QSet>

// A word is left out of the search indexes (Included false) when it is one
// of the common English function words and occurs in more than this many
// verses; every other word is included.
constexpr int kOmittedWordMinVerses = 500;
const QSet<QString>& CommonEnglishWords();

// The words of a verse: maximal runs of letters and digits, upper-cased.
QStringList VerseWords(const QString& text);

QList<TableRows> BuildBibleTables(const VerseIndex& index);

// 366 verses of the day, each "text (Citation)".
QStringList VersesOfTheDay(const VerseIndex& index);
