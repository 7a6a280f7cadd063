#include "LectionaryCourse.h"

Course::Course(const VerseIndex& index, QList<ChapterSpan> spans, int verses)
    : index_(index), spans_(std::move(spans)), size_(verses) {
    if (spans_.isEmpty())
        throw ELectionaryError("A reading course needs at least one span");
    chapter_ = spans_[0].FirstChapter;
}

void Course::advanceChapter() {
    const ChapterSpan& s = spans_[span_];
    const QList<int> chapters = index_.chapters(s.Book);
    const int last = s.LastChapter > 0 ? s.LastChapter : (chapters.isEmpty() ? 0 : chapters.back());
    ++chapter_;
    verse_ = 1;
    if (chapter_ > last) {
        span_ = (span_ + 1) % spans_.size();
        chapter_ = spans_[span_].FirstChapter;
    }
}

void Course::settle() {
    // Move to the next verse that exists, at most once round the spans.
    for (int guard = 0; guard < 100000; ++guard) {
        const ChapterSpan& s = spans_[span_];
        const int last = index_.lastVerse(s.Book, chapter_);
        if (last == 0 || verse_ > last) {
            advanceChapter();
            continue;
        }
        if (index_.has(s.Book, chapter_, verse_))
            return;
        ++verse_;
    }
    throw ELectionaryError("A reading course found no verses");
}

ReadingRow Course::next() {
    settle();
    const int book = spans_[span_].Book;
    const int last = index_.lastVerse(book, chapter_);
    int end = verse_;
    while (end - verse_ + 1 < size_ && end < last && index_.has(book, chapter_, end + 1))
        ++end;
    // Do not leave a stub of one or two verses for the next day.
    if (last - end <= 2) {
        int e = end;
        while (e < last && index_.has(book, chapter_, e + 1))
            ++e;
        if (e == last)
            end = last;
    }
    ReadingRow r;
    r.Book = book;
    r.StartChapter = r.EndChapter = chapter_;
    r.StartVerse = verse_;
    r.EndVerse = end;
    verse_ = end + 1;
    return r;
}

QList<ReadingRow> Course::nextPsalm() {
    settle();
    const int book = spans_[span_].Book;
    const int c = chapter_;
    const int last = index_.lastVerse(book, c);
    advanceChapter();
    ReadingRow a;
    a.Book = book;
    a.StartChapter = a.EndChapter = c;
    a.StartVerse = 1;
    for (int v = 1; v <= last; ++v)
        if (!index_.has(book, c, v))
            return {}; // a psalm with a gap is passed over
    if (last >= 6) {
        a.EndVerse = 2;
        ReadingRow b = a;
        b.StartVerse = last - 1;
        b.EndVerse = last;
        return {a, b};
    }
    a.EndVerse = last;
    return {a};
}
