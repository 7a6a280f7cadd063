#pragma once
// The data module: every dataset and data source through which the windows
// reach the content tables, and the operations on top of them (passage
// texts, chapter and verse look-ups, day-type and reading-time IDs, the
// calculated fields).

#include "Schema.h"
#include "TableEngine.h"

#include <QString>

#include <functional>

// ID of the book named "Psalms"; the readings window sets it, the data
// module looks it up when it is still 0 at use.
extern int PsalmsBookID;

// The two values of the shown day that the data module reads at the moment
// of use; the main window provides them.
class IDayStateSource {
public:
    virtual ~IDayStateSource() = default;
    virtual int WeekDay() const = 0;               // 1 = Sunday .. 7 = Saturday
    virtual int SelectedGregorianYear() const = 0; // year of Synaxarium dates
};

// Steps a progress bar once; empty when no bar is shown.
using TProgressStep = std::function<void()>;

class TMainDM {
public:
    TMainDM();
    ~TMainDM();
    TMainDM(const TMainDM&) = delete;
    TMainDM& operator=(const TMainDM&) = delete;

    // ---- datasets --------------------------------------------------------
    TTable tblBookNames;
    TTable tblBibleBooksbyName;
    TTable tblBookNamesFiltered;
    TTable tblBible;
    TTable tblBibleByID;
    TTable tblBibleTranslations;
    TTable tblReadings;
    TTable tblReadingsTimes;
    TTable tblReadingTimesID;
    TTable tblReadingsTypes;
    TTable tblVelmTypes;
    TTable tblYearly;
    TTable tblLent;
    TTable tblFifty;
    TTable tblSundays;
    TTable tblSynxHead;
    TTable tblSynxHdBrowse;
    TTable tblSynxHeadID;
    TTable tblSynxDetail;
    TTable tblSynxDetailSearch;
    TTable tblSynxDtailByPictSaint;
    TTable tblSynxSaints;
    TTable tblSynxSaintByIdNum;
    TTable tblVerses;
    TTable tblBibleWords;
    TTable tblBibleOmittedWords;
    TTable tblWordVerse;
    TTable tblSearchResults;
    TQuery qrySearch;
    TQuery qrySynx;
    TTable tblMonths;
    TTable tblRpt1;
    TTable tblRpt2;
    TTable tblEvents;

    // ---- data sources ----------------------------------------------------
    TDataSource dsBookNames;
    TDataSource dsBible;
    TDataSource dsMonths;
    TDataSource dsReadings;
    TDataSource dsReadingsTypes;
    TDataSource dsReadingsTimes;
    TDataSource dsYearly;
    TDataSource dsVelmTypes;
    TDataSource dsLent;
    TDataSource dsFifty;
    TDataSource dsSundays;
    TDataSource dsSynxHead;
    TDataSource dsSynxDetail;
    TDataSource dsEvents;
    TDataSource dsVerses;
    TDataSource dsSynxSaints;
    TDataSource dsBookNamesFiltered;
    TDataSource dsBibleWords;
    TDataSource dsWordVerse;
    TDataSource dsSearch;
    TDataSource dsSearchResults;
    TDataSource dsBibleOmittedWords;
    TDataSource dsSynxDtailByPictSaint;

    // The 28 tables the main window opens at its first show, in that order.
    QList<TDataSet*> StartupTables();
    void OpenStartupTables();
    void CloseAll();

    // ---- inputs from the day state ----------------------------------------
    // Not owned. Without a source the weekday is today's and the year 2006.
    void SetDayStateSource(const IDayStateSource* source) { dayState_ = source; }
    const IDayStateSource* DayStateSource() const { return dayState_; }

    // Called on every move of qrySynx (the icons list shows its current row).
    std::function<void()> ShowCurrentIcon;

    // ---- operations --------------------------------------------------------
    QString GetPassageText(int BookID, int StartChapter, int EndChapter, int StartVerse,
                           int EndVerse, const TProgressStep& ProgressBar, int StartSkipWords,
                           int EndSkipWords, bool ShowVerseNumbers, bool NewLinePerVerse,
                           bool ShowChapterInLabel, bool ChapterHeadings, bool StepPerChapter);
    QString FormatVerse(bool ShowChapterInLabel, bool ChapterHeadings);
    QString GetChapterHeading(int BookID, int Chapter);
    int GetFirstChapter(int BookID);
    int GetLastChapter(int BookID);
    int GetFirstVerse(int BookID, int Chapter);
    int GetLastVerse(int BookID, int Chapter);
    int GetVelmTypeID(int DayType);
    int GetReadingTimeID(const QString& Name);
    QString GetReadingTimeName(int TimeID, bool PalmSunday, bool JoyousSaturday, bool HolyWeek);
    // PsalmsBookID, looked up by name when still 0.
    int GetPsalmsBookID();

    // ---- all-words search ------------------------------------------------------
    // The scope clause of a scope of the search window: 0 all books, 1 New
    // Testament, 2 Old Testament, 3 Deuterocanonical, 4 the book bookID;
    // empty for all books.
    static QString AllWordsScopeClause(int scopeIndex, int bookID = 0);
    // The verses (BookOrder, VerseID) that hold every word of wordIDs (at
    // least one), within the scope clause when it is not empty: a row for
    // each place of the first word. `hits` (each word's count, in the same
    // order, when known) chooses the quickest way to the same rows.
    static QString AllWordsSearchSQL(const QList<int>& wordIDs, const QString& scopeClause,
                                     const QList<int>& hits = {});
    // qrySearch closed, given that text and opened.
    void OpenAllWordsSearch(const QList<int>& wordIDs, const QString& scopeClause,
                            const QList<int>& hits = {});

    // ---- handlers ------------------------------------------------------------
    void DataModuleCreate() {}
    void tblBibleCalcFields(TDataSet& DataSet);
    void tblSynxSaintsCalcFields(TDataSet& DataSet);
    void tblWordVerseCalcFields(TDataSet& DataSet);
    void qrySearchCalcFields(TDataSet& DataSet);
    void tblBibleOmittedWordsCalcFields(TDataSet& DataSet);
    void dsSynxDtailByPictSaintDataChange(TDataSource& Sender);

private:
    void setUpTables();
    void setUpFields();
    void setUpSources();
    bool findVerse(int bookID, int chapter, int verse);
    int currentWeekDay() const;
    int selectedGregorianYear() const;

    const IDayStateSource* dayState_ = nullptr;
};

// The one data module; created at start-up before the main window.
extern TMainDM* MainDM;
void CreateMainDM();
void DestroyMainDM();
