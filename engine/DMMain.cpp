#include "DMMain.h"

int PsalmsBookID = 0;
TMainDM* MainDM = nullptr;

void CreateMainDM() {
    if (!MainDM) {
        MainDM = new TMainDM;
        MainDM->DataModuleCreate();
    }
}

void DestroyMainDM() {
    delete MainDM;
    MainDM = nullptr;
}

namespace {

void setTable(TTable& t, const QString& file, const QString& index, bool readOnly = true) {
    t.SetDatabaseName(DatabaseAlias);
    t.SetTableName(file);
    if (!index.isNull())
        t.SetIndexName(index);
    t.SetReadOnly(readOnly);
}

void setFilter(TDataSet& ds, const QString& filter) {
    ds.SetFilter(filter);
    ds.SetFiltered(true);
}

} // namespace

TMainDM::TMainDM() {
    setUpTables();
    setUpFields();
    setUpSources();
}

TMainDM::~TMainDM() {
    // Handlers and master links point into this object: drop them before
    // the members go, details before their masters.
    dsSynxDtailByPictSaint.OnDataChange = nullptr;
    ShowCurrentIcon = nullptr;
    try {
        CloseAll();
        tblWordVerse.SetMasterSource(nullptr);
    } catch (...) {
        // Closing at the end of the run has nobody left to tell.
    }
}

void TMainDM::setUpTables() {
    setTable(tblBookNames, "BibleBooks.db", "ndxBookID");
    setFilter(tblBookNames, QString());
    setTable(tblBibleBooksbyName, "BibleBooks.DB", "ndxBookName");
    setTable(tblBookNamesFiltered, "BibleBooks.db", "ndxBookOrder");
    setFilter(tblBookNamesFiltered, QString());

    setTable(tblBible, "Bible.DB", "ndxBible1");
    setFilter(tblBible, QString());
    setTable(tblBibleByID, "Bible.DB", "");
    setTable(tblBibleTranslations, "Translations.DB", "");

    setTable(tblReadings, "Readings.DB", "ndxReadings2");
    setTable(tblReadingsTimes, "ReadingTimes.DB", "ndxTime");
    setTable(tblReadingTimesID, "ReadingTimes.DB", "ndxID");
    setTable(tblReadingsTypes, "ReadingTypes.DB", "ndxType");
    setTable(tblVelmTypes, "VelmType.db", "ndxDesc");

    setTable(tblYearly, "Yearly.DB", "ndxMonthDay");
    setTable(tblLent, "Lent_HolyWeek.DB", "ndxDaysFromEaster");
    setTable(tblFifty, "FiftyDays.DB", "ndxDaysFromEaster");
    setTable(tblSundays, "Sundays.DB", "ndxMonthWeek");

    setTable(tblSynxHead, "SynxHead.db", "ndxMonthDay");
    setTable(tblSynxHdBrowse, "SynxHead.db", "ndxMonthDay");
    setTable(tblSynxHeadID, "SynxHead.db", "ndxID");
    setTable(tblSynxDetail, "SynxDetail.DB", "ndxSynxIDNumber");
    setTable(tblSynxDetailSearch, "SynxDetail.DB", "ndxSynxIDNumber");
    setTable(tblSynxDtailByPictSaint, "SynxDetail.DB", "ndxSynxIDNumber");
    setFilter(tblSynxDtailByPictSaint, "PictSaintName<>''");
    setTable(tblSynxSaints, "SynxSaints.DB", "ndxName");
    setTable(tblSynxSaintByIdNum, "SynxSaints.DB", "ndxSynxIDNum");

    setTable(tblVerses, "Verses.DB", QString());

    setTable(tblBibleWords, "BW.db", "");
    setFilter(tblBibleWords, "Included");
    setTable(tblBibleOmittedWords, "BW.db", "");
    setFilter(tblBibleOmittedWords, "not Included");
    tblWordVerse.SetDatabaseName(DatabaseAlias);
    tblWordVerse.SetTableName("WVN.DB");
    tblWordVerse.SetIndexFieldNames("WordID");
    tblWordVerse.SetReadOnly(true);
    tblWordVerse.SetMasterSource(&dsBibleWords);
    tblWordVerse.SetMasterFields("WordID");

    setTable(tblSearchResults, "SRN.DB", "", false);
    tblSearchResults.SetExclusive(true);

    qrySearch.SetDatabaseName(DatabaseAlias);
    qrySearch.SetSQL(QStringLiteral("SELECT WVN.VerseID FROM WVN where WVN.VerseID = :count"));
    qrySearch.ParamByName("count")->SetValue(QVariant(QMetaType(QMetaType::Int)));

    qrySynx.SetDatabaseName(DatabaseAlias);
    qrySynx.SetSQL(QStringList{
        QStringLiteral("SELECT DISTINCT PictSaintName , PictureFile  From SynxDetail S"),
        QStringLiteral("WHERE PictSaintName <>\"\""), QStringLiteral("ORDER BY PictSaintName")});

    setTable(tblMonths, "Months.DB", QString());
    setTable(tblRpt1, "Rpt1", QString());
    setTable(tblRpt2, "Rpt2.db", "ndxDaysFromEaster");
    setTable(tblEvents, "Events.DB", "Date");
}

void TMainDM::setUpFields() {
    using FT = TFieldType;
    // Fields that hold a verse's text are memos: verses run to thousands of
    // characters, and none may be cut.

    // Bible verses: book name and order come from the book table.
    tblBible.AddLookupField("BookName", FT::ftString, 30, "BookID", &tblBibleBooksbyName, "ID",
                            "BookName");
    tblBible.AddLookupField("BookOrder", FT::ftSmallint, 0, "BookID", &tblBookNames, "ID",
                            "BookOrder");
    tblBible.AddCalcField("VersText", FT::ftMemo, 0);
    tblBible.OnCalcFields = [this](TDataSet& ds) { tblBibleCalcFields(ds); };

    tblBibleByID.AddLookupField("BookName", FT::ftString, 30, "BookID", &tblBibleBooksbyName, "ID",
                                "BookName");
    tblBibleByID.AddCalcField("VersText", FT::ftMemo, 0);
    tblBibleByID.OnCalcFields = [this](TDataSet& ds) { tblBibleCalcFields(ds); };

    // Saints index: the Coptic day of the entry comes from the Synaxarium head.
    tblSynxSaints.AddCalcField("SynxName", FT::ftString, 200);
    tblSynxSaints.AddCalcField("CopticMonthDay", FT::ftString, 20);
    tblSynxSaints.AddCalcField("GregMonthDay", FT::ftString, 20);
    tblSynxSaints.AddLookupField("CopticMonth", FT::ftWord, 0, "SynxID", &tblSynxHeadID, "ID",
                                 "Month");
    tblSynxSaints.AddLookupField("CopticDay", FT::ftWord, 0, "SynxID", &tblSynxHeadID, "ID", "Day");
    tblSynxSaints.OnCalcFields = [this](TDataSet& ds) { tblSynxSaintsCalcFields(ds); };

    tblBibleOmittedWords.AddCalcField("WordNHits", FT::ftString, 25);
    tblBibleOmittedWords.OnCalcFields = [this](TDataSet& ds) {
        tblBibleOmittedWordsCalcFields(ds);
    };

    // Concordance rows: the word, the verse and its citation.
    tblWordVerse.AddLookupField("Word", FT::ftString, 16, "WordID", &tblBibleWords, "WordID",
                                "TheWord");
    tblWordVerse.AddLookupField("Verse", FT::ftMemo, 0, "VerseID", &tblBible, "ID", "Text");
    tblWordVerse.AddLookupField("Chapter", FT::ftSmallint, 0, "VerseID", &tblBible, "ID",
                                "Chapter");
    tblWordVerse.AddLookupField("VerseNum", FT::ftSmallint, 0, "VerseID", &tblBible, "ID", "Verse");
    tblWordVerse.AddLookupField("BookName", FT::ftString, 30, "BookID", &tblBibleBooksbyName, "ID",
                                "BookName");
    tblWordVerse.AddCalcField("Citation", FT::ftString, 40);
    tblWordVerse.AddCalcField("Verse1", FT::ftString, 150);
    tblWordVerse.AddCalcField("Word1", FT::ftString, 16);
    tblWordVerse.AddCalcField("Verse2", FT::ftString, 150);
    tblWordVerse.OnCalcFields = [this](TDataSet& ds) { tblWordVerseCalcFields(ds); };

    // Search results, of the phrase search and of the all-words query.
    tblSearchResults.AddCalcField("VerseText", FT::ftMemo, 0);
    tblSearchResults.AddCalcField("Citation", FT::ftString, 80);
    // The book name is itself a lookup in tblBible, so it is reached through
    // the verse's BookID: the same name, one step further.
    tblSearchResults.AddLookupField("BookName", FT::ftString, 60, "BookID", &tblBibleBooksbyName,
                                    "ID", "BookName");
    tblSearchResults.AddLookupField("ChapterNum", FT::ftSmallint, 0, "VerseID", &tblBible, "ID",
                                    "Chapter");
    tblSearchResults.AddLookupField("VerseNum", FT::ftSmallint, 0, "VerseID", &tblBible, "ID",
                                    "Verse");
    tblSearchResults.AddLookupField("BookID", FT::ftInteger, 0, "VerseID", &tblBible, "ID",
                                    "BookID");
    tblSearchResults.OnCalcFields = [this](TDataSet& ds) { qrySearchCalcFields(ds); };

    qrySearch.AddCalcField("VerseText", FT::ftMemo, 0);
    qrySearch.AddCalcField("Citation", FT::ftString, 80);
    qrySearch.AddLookupField("BookName", FT::ftString, 60, "BookID", &tblBibleBooksbyName, "ID",
                             "BookName");
    qrySearch.AddLookupField("ChapterNum", FT::ftSmallint, 0, "VerseID", &tblBible, "ID",
                             "Chapter");
    qrySearch.AddLookupField("VerseNum", FT::ftSmallint, 0, "VerseID", &tblBible, "ID", "Verse");
    qrySearch.AddLookupField("BookID", FT::ftInteger, 0, "VerseID", &tblBible, "ID", "BookID");
    qrySearch.OnCalcFields = [this](TDataSet& ds) { qrySearchCalcFields(ds); };

    // Icons list: one entry of the Synaxarium that carries the picture.
    qrySynx.AddLookupField("SynxID", FT::ftInteger, 0, "PictSaintName", &tblSynxDtailByPictSaint,
                           "PictSaintName", "SynxID");
    qrySynx.AddLookupField("SynxNum", FT::ftInteger, 0, "PictSaintName", &tblSynxDtailByPictSaint,
                           "PictSaintName", "Number");
}

void TMainDM::setUpSources() {
    dsBookNames.SetDataSet(&tblBookNames);
    dsBible.SetDataSet(&tblBible);
    dsMonths.SetDataSet(&tblMonths);
    dsReadings.SetDataSet(&tblReadings);
    dsReadingsTypes.SetDataSet(&tblReadingsTypes);
    dsReadingsTimes.SetDataSet(&tblReadingsTimes);
    dsYearly.SetDataSet(&tblYearly);
    dsVelmTypes.SetDataSet(&tblVelmTypes);
    dsLent.SetDataSet(&tblLent);
    dsFifty.SetDataSet(&tblFifty);
    dsSundays.SetDataSet(&tblSundays);
    dsSynxHead.SetDataSet(&tblSynxHead);
    dsSynxDetail.SetDataSet(&tblSynxDetail);
    dsEvents.SetDataSet(&tblEvents);
    // dsVerses has no dataset.
    dsSynxSaints.SetDataSet(&tblSynxSaints);
    dsBookNamesFiltered.SetDataSet(&tblBookNamesFiltered);
    dsBibleWords.SetDataSet(&tblBibleWords);
    dsWordVerse.SetDataSet(&tblWordVerse);
    dsSearch.SetDataSet(&qrySearch);
    dsSearchResults.SetDataSet(&tblSearchResults);
    dsBibleOmittedWords.SetDataSet(&tblBibleOmittedWords);
    dsSynxDtailByPictSaint.SetDataSet(&qrySynx);
    dsSynxDtailByPictSaint.OnDataChange = [this](TDataSource& s) {
        dsSynxDtailByPictSaintDataChange(s);
    };
}

QList<TDataSet*> TMainDM::StartupTables() {
    return {&tblReadings,
            &tblBookNames,
            &tblBibleTranslations,
            &tblBible,
            &tblBibleBooksbyName,
            &tblBookNamesFiltered,
            &tblMonths,
            &tblReadingsTypes,
            &tblReadingsTimes,
            &tblYearly,
            &tblVelmTypes,
            &tblLent,
            &tblFifty,
            &tblSundays,
            &tblSynxHead,
            &tblSynxHdBrowse,
            &tblSynxHeadID,
            &tblSynxDetail,
            &tblSynxDetailSearch,
            &tblSynxDtailByPictSaint,
            &tblRpt1,
            &tblRpt2,
            &tblReadingTimesID,
            &tblVerses,
            &tblSynxSaints,
            &tblSynxSaintByIdNum,
            &tblBibleWords,
            &tblWordVerse};
}

void TMainDM::OpenStartupTables() {
    for (TDataSet* ds : StartupTables())
        ds->Open();
}

void TMainDM::CloseAll() {
    // Users of lookups and details first, then their sources.
    for (TDataSet* ds :
         QList<TDataSet*>{&qrySynx, &qrySearch, &tblSearchResults, &tblWordVerse, &tblSynxSaints,
                          &tblBibleByID, &tblBible, &tblBibleOmittedWords, &tblEvents})
        ds->Close();
    for (TDataSet* ds : StartupTables())
        ds->Close();
}
