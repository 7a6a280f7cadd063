// Passage texts, chapter and verse look-ups, day-type and reading-time IDs.

#include "Apaqty.h"
#include "DMMain.h"
#include "Environment.h"
#include "Tokens.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

[[noreturn]] void raise(const QString& message) {
    throw EDatabaseError(message);
}

int fieldInt(const TDataSet& ds, const char* name) {
    return ds.FieldByName(QLatin1String(name))->AsInteger();
}

// The row before the first key at or after (bookID, chapter, verse). A
// search past the last key leaves the cursor where one step back reaches
// the last row.
void stepBeforeNearest(TTable& bible, int bookID, int chapter, int verse) {
    bible.FindNearest({bookID, chapter, verse});
    bible.Prior();
}

} // namespace

bool TMainDM::findVerse(int bookID, int chapter, int verse) {
    return tblBible.FindKey({bookID, chapter, verse});
}

QString TMainDM::GetPassageText(int BookID, int StartChapter, int EndChapter, int StartVerse,
                                int EndVerse, const TProgressStep& ProgressBar, int StartSkipWords,
                                int EndSkipWords, bool ShowVerseNumbers, bool NewLinePerVerse,
                                bool ShowChapterInLabel, bool ChapterHeadings,
                                bool StepPerChapter) {
    const QString sep = NewLinePerVerse ? CrLf : QStringLiteral(" ");
    auto label = [&] {
        return FormatVerse(ShowChapterInLabel, ChapterHeadings) + QLatin1Char(' ');
    };
    auto text = [&] { return tblBible.FieldByName("Text")->AsString(); };
    auto notFound = [&](int c, int v) {
        raise(QStringLiteral("Verse Not Found,Book ID:%1 Chapter:%2 Verse:%3")
                  .arg(BookID)
                  .arg(c)
                  .arg(v));
    };

    QString T;
    int c = StartChapter;
    int v = StartVerse;

    // A missing first verse is skipped silently.
    if (findVerse(BookID, c, v)) {
        T = text();
        if (StartSkipWords > 0)
            T = RemoveWords(T, StartSkipWords, true);
        if (ShowVerseNumbers) {
            QString first = FormatVerse(ShowChapterInLabel, ChapterHeadings);
            if (v == 1)
                first = first.trimmed(); // the text never starts with empty lines
            T = first + QLatin1Char(' ') + T;
        }
    }

    // Each chapter before the last runs to its first missing verse number.
    while (v + 1 < EndVerse || c < EndChapter) {
        ++v;
        if (findVerse(BookID, c, v)) {
            T += sep;
            if (ShowVerseNumbers)
                T += label();
            T += text();
        } else if (c == EndChapter) {
            notFound(c, v);
        } else if (c < EndChapter) {
            ++c;
            v = 0;
            if (StepPerChapter && ProgressBar)
                ProgressBar();
        }
    }

    if (StartChapter == EndChapter && StartVerse == EndVerse && v == StartVerse) {
        // One verse: the end trimming takes the whole entry, label included.
        if (EndSkipWords > 0)
            T = RemoveWords(T, EndSkipWords, false);
    } else {
        ++v;
        if (!findVerse(BookID, c, v))
            notFound(c, v);
        QString last = text();
        if (EndSkipWords > 0)
            last = RemoveWords(last, EndSkipWords, false);
        T += sep;
        if (ShowVerseNumbers)
            T += label();
        T += last;
    }
    return T;
}

QString TMainDM::FormatVerse(bool ShowChapterInLabel, bool ChapterHeadings) {
    const int book = fieldInt(tblBible, "BookID");
    const int chapter = fieldInt(tblBible, "Chapter");
    const int verse = fieldInt(tblBible, "Verse");
    QString prefix;
    if (verse == 1)
        prefix = ChapterHeadings ? CrLf + CrLf + GetChapterHeading(book, chapter) + CrLf : CrLf;
    if (ShowChapterInLabel || verse == 1)
        return prefix + QString::number(chapter) + QLatin1Char(':') + QString::number(verse);
    return QString::number(verse);
}

int TMainDM::GetPsalmsBookID() {
    if (PsalmsBookID == 0 && tblBibleBooksbyName.Active() &&
        tblBibleBooksbyName.FindKey({QStringLiteral("Psalms")}))
        PsalmsBookID = fieldInt(tblBibleBooksbyName, "ID");
    return PsalmsBookID;
}

QString TMainDM::GetChapterHeading(int BookID, int Chapter) {
    const int psalms = GetPsalmsBookID();
    if (psalms != 0 && BookID == psalms)
        return QStringLiteral("[Psalm %1]").arg(Chapter);
    return QStringLiteral("[Chapter %1]").arg(Chapter);
}

int TMainDM::GetFirstChapter(int BookID) {
    tblBible.FindNearest({BookID, 0, 0});
    if (tblBible.IsEmpty() || fieldInt(tblBible, "BookID") != BookID)
        raise(QStringLiteral("Can Not Locate First Chapter for This Book"));
    return fieldInt(tblBible, "Chapter");
}

int TMainDM::GetLastChapter(int BookID) {
    stepBeforeNearest(tblBible, BookID, 999, 999);
    if (tblBible.IsEmpty() || fieldInt(tblBible, "BookID") != BookID)
        raise(QStringLiteral("Can Not Locate Last Chapter of This Book"));
    return fieldInt(tblBible, "Chapter");
}

int TMainDM::GetFirstVerse(int BookID, int Chapter) {
    tblBible.FindNearest({BookID, Chapter, 0});
    if (tblBible.IsEmpty() || fieldInt(tblBible, "BookID") != BookID ||
        fieldInt(tblBible, "Chapter") != Chapter)
        raise(QStringLiteral("Can Not Locate First Verse for This Book"));
    return fieldInt(tblBible, "Verse");
}

int TMainDM::GetLastVerse(int BookID, int Chapter) {
    stepBeforeNearest(tblBible, BookID, Chapter, 999);
    // The book is compared too: a book without the chapter must not answer
    // with the last verse of the book before it.
    if (tblBible.IsEmpty() || fieldInt(tblBible, "BookID") != BookID ||
        fieldInt(tblBible, "Chapter") != Chapter)
        raise(QStringLiteral("Can Not Locate Last Verse"));
    return fieldInt(tblBible, "Verse");
}

int TMainDM::GetVelmTypeID(int DayType) {
    QString name;
    switch (DayType) {
    case 1:
        name = QStringLiteral("Holy Lent");
        break;
    case 2:
        name = QStringLiteral("Holy Fifty Days");
        break;
    case 3:
        name = QStringLiteral("Annual");
        break;
    case 4:
        name = QStringLiteral("Sundays");
        break;
    default:
        break;
    }
    if (!tblVelmTypes.FindKey({name}))
        raise(QStringLiteral("Velmorande Type Not Found in VelmType.db: ") + name);
    return fieldInt(tblVelmTypes, "ID");
}

int TMainDM::GetReadingTimeID(const QString& Name) {
    if (!tblReadingsTimes.FindKey({Name}))
        raise(QStringLiteral("Reading Time is not found in ReadingsTimes.db: ") + Name);
    return fieldInt(tblReadingsTimes, "ID");
}

QString TMainDM::GetReadingTimeName(int TimeID, bool PalmSunday, bool JoyousSaturday,
                                    bool HolyWeek) {
    if (!tblReadingTimesID.FindKey({TimeID}))
        raise(QStringLiteral("Reading Time ID is not found in ReadingsTimes.db: ") +
              QString::number(TimeID));
    QString name = tblReadingTimesID.FieldByName("Time")->AsString();

    const int W = currentWeekDay();
    // The hours of the eve belong to the next day; after Saturday comes Sunday.
    const int next = (W >= 1 && W <= 7) ? W % 7 + 1 : 0;
    const QString ofHoly = QStringLiteral(" of Holy ");
    const bool eveHour = TimeID >= 11 && TimeID <= 16;

    if (HolyWeek) {
        if (TimeID >= 1 && TimeID <= 10)
            name += ofHoly + WeekDayNames[W];
        else if (eveHour)
            name += ofHoly + WeekDayNames[next];
    }
    if (JoyousSaturday && TimeID == 1)
        name = QStringLiteral("Songs and Prayers of Holy Saturday");
    if (PalmSunday) {
        if ((TimeID >= 1 && TimeID <= 6) || (TimeID >= 8 && TimeID <= 10))
            name += QStringLiteral(" of Palm Sunday");
        else if (TimeID == 7)
            name = QStringLiteral("General Funeral Prayers");
        else if (eveHour)
            name += ofHoly + WeekDayNames[next];
    }
    return name;
}

int TMainDM::currentWeekDay() const {
    return dayState_ ? dayState_->WeekDay() : DayOfWeekSun1(Today());
}

int TMainDM::selectedGregorianYear() const {
    return dayState_ ? dayState_->SelectedGregorianYear() : 2006;
}
