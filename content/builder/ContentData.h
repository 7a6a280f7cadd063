#pragma once
// Rows of the content tables as the builder produces them, before they are
// written through the table engine.

#include "SwordBible.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct TableRows {
    QString File; // table file name, as in the schema
    QStringList Fields;
    QList<QVariantList> Rows;

    void add(QVariantList row) { Rows.append(std::move(row)); }
};

// Fast verse lookups over the Bible text.
class VerseIndex {
public:
    explicit VerseIndex(const BibleText& bible);
    bool has(int book, int chapter, int verse) const;
    QString text(int book, int chapter, int verse) const;
    int lastVerse(int book, int chapter) const; // 0 when the chapter is missing
    QList<int> chapters(int book) const;        // ascending
    const BibleText& bible() const { return bible_; }

private:
    static qint64 key(int b, int c, int v) { return (qint64(b) << 32) | (qint64(c) << 16) | v; }
    const BibleText& bible_;
    QHash<qint64, int> verses_;    // -> index in bible.Verses
    QHash<qint64, int> lastVerse_; // (b, c, 0) -> last verse
    QHash<int, QList<int>> chapters_;
};

// "Name 3:16" as the readings window writes a citation.
QString CitationOf(int book, int chapter, int verse);
