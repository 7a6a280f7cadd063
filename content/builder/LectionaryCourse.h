#pragma once
// Continuous reading through chosen chapters: each call gives the next
// passage of at most a set number of verses, within one chapter and without
// crossing a missing verse number.

#include "Lectionary.h"

struct ChapterSpan {
    int Book = 0;
    int FirstChapter = 0;
    int LastChapter = 0; // 0: to the end of the book
};

class Course {
public:
    Course(const VerseIndex& index, QList<ChapterSpan> spans, int verses);
    // The next passage, as a row with book, chapters and verses set.
    ReadingRow next();
    // The next chapter of the spans as one psalm: the first two and the last
    // two verses as two ranges of one reading when it is long enough.
    QList<ReadingRow> nextPsalm();

private:
    void settle();
    void advanceChapter();
    const VerseIndex& index_;
    QList<ChapterSpan> spans_;
    int size_;
    int span_ = 0;
    int chapter_ = 0;
    int verse_ = 1;
};
