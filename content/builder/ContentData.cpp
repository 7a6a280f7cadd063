#include "ContentData.h"

VerseIndex::VerseIndex(const BibleText& bible) : bible_(bible) {
    verses_.reserve(bible.Verses.size());
    for (int i = 0; i < bible.Verses.size(); ++i) {
        const VerseRow& v = bible.Verses[i];
        verses_.insert(key(v.BookID, v.Chapter, v.Verse), i);
        int& last = lastVerse_[key(v.BookID, v.Chapter, 0)];
        last = std::max(last, v.Verse);
        QList<int>& ch = chapters_[v.BookID];
        if (ch.isEmpty() || ch.back() != v.Chapter)
            ch.append(v.Chapter);
    }
}

bool VerseIndex::has(int book, int chapter, int verse) const {
    return verses_.contains(key(book, chapter, verse));
}

QString VerseIndex::text(int book, int chapter, int verse) const {
    const auto it = verses_.constFind(key(book, chapter, verse));
    return it == verses_.cend() ? QString() : bible_.Verses[*it].Text;
}

int VerseIndex::lastVerse(int book, int chapter) const {
    return lastVerse_.value(key(book, chapter, 0), 0);
}

QList<int> VerseIndex::chapters(int book) const {
    return chapters_.value(book);
}

QString CitationOf(int book, int chapter, int verse) {
    const BookInfo* b = FindBookByID(book);
    return QStringLiteral("%1 %2:%3")
        .arg(b ? b->Name : QString::number(book))
        .arg(chapter)
        .arg(verse);
}
