// The data module's datasets on the fixture database: opening, row orders,
// filters, lookups, the detail link, the writable results table, queries.

#include "MainDMTest.h"
#include "Schema.h"

using namespace Fixture;

namespace {

QStringList column(TDataSet& ds, const char* field) {
    QStringList values;
    for (ds.First(); !ds.Eof(); ds.Next())
        values << ds.FieldByName(field)->AsString();
    return values;
}

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

// ---- opening -------------------------------------------------------------------

class OpeningTest : public MainDMTest {
protected:
    bool OpenTables() const override { return false; }
};

TEST_F(OpeningTest, TablesAreClosedUntilTheStartupOpening) {
    for (TDataSet* ds : dm().StartupTables())
        EXPECT_FALSE(ds->Active());
    dm().OpenStartupTables();
    for (TDataSet* ds : dm().StartupTables())
        EXPECT_TRUE(ds->Active());
}

TEST_F(OpeningTest, StartupOpeningLeavesTheSearchTablesClosed) {
    dm().OpenStartupTables();
    EXPECT_EQ(dm().StartupTables().size(), 28);
    for (TDataSet* ds :
         QList<TDataSet*>{&dm().tblBibleByID, &dm().tblBibleOmittedWords, &dm().tblSearchResults,
                          &dm().qrySearch, &dm().qrySynx, &dm().tblEvents})
        EXPECT_FALSE(ds->Active());
}

TEST_F(OpeningTest, StartupOrderBeginsWithReadingsAndEndsWithTheConcordance) {
    const QList<TDataSet*> order = dm().StartupTables();
    EXPECT_EQ(order.first(), &dm().tblReadings);
    EXPECT_EQ(order[3], &dm().tblBible);
    EXPECT_EQ(order[14], &dm().tblSynxHead);
    EXPECT_EQ(order.last(), &dm().tblWordVerse);
}

TEST_F(OpeningTest, WithoutThePasswordNothingOpens) {
    Session.RemoveAllPasswords();
    const QString message = errorOf([&] { dm().OpenStartupTables(); });
    EXPECT_NE(message, "<no error>");
    EXPECT_FALSE(dm().tblReadings.Active());
}

TEST_F(OpeningTest, MissingAliasFolderNamesTheProblem) {
    Session.DeleteAlias(DatabaseAlias);
    Session.AddStandardAlias(DatabaseAlias, db->Folder() + "/nowhere", "PARADOX");
    EXPECT_NE(errorOf([&] { dm().OpenStartupTables(); }), "<no error>");
    EXPECT_FALSE(dm().tblReadings.Active());
}

TEST_F(OpeningTest, DestroyingTheModuleWithOpenTablesIsSafe) {
    dm().OpenStartupTables();
    dm().tblBibleByID.Open();
    dm().qrySynx.Open();
    DestroyMainDM();
    EXPECT_EQ(MainDM, nullptr);
    CreateMainDM();
    MainDM->SetDayStateSource(&dayState);
    EXPECT_NO_THROW(MainDM->OpenStartupTables());
}

// ---- row orders and filters ------------------------------------------------------

using ComponentsTest = MainDMTest;

TEST_F(ComponentsTest, BookTablesFollowTheirIndexes) {
    EXPECT_EQ(column(dm().tblBookNames, "BookName").first(), "Matthew");
    EXPECT_EQ(column(dm().tblBibleBooksbyName, "BookName"),
              QStringList({"Genesis", "Malachi", "Mark", "Matthew", "Prayer of Manasseh",
                           "Proverbs", "Psalms", "Revelation", "Tobit"}));
    EXPECT_EQ(column(dm().tblBookNamesFiltered, "BookName"),
              QStringList({"Genesis", "Psalms", "Proverbs", "Malachi", "Tobit",
                           "Prayer of Manasseh", "Matthew", "Mark", "Revelation"}));
}

TEST_F(ComponentsTest, BookFilterSetByAWindowApplies) {
    dm().tblBookNamesFiltered.SetFilter("BookType = 1");
    EXPECT_EQ(dm().tblBookNamesFiltered.RecordCount(), 3);
    dm().tblBookNames.SetFilter("(ID >= 28) AND (ID<= 66) ");
    EXPECT_EQ(column(dm().tblBookNames, "BookName"),
              QStringList({"Genesis", "Proverbs", "Psalms", "Malachi"}));
}

TEST_F(ComponentsTest, ReadingsOfOneServiceComeInOrder) {
    TTable& r = dm().tblReadings;
    r.SetRange({VelmAnnual, 1, Liturgy}, {VelmAnnual, 1, Liturgy});
    EXPECT_EQ(column(r, "Order"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(column(r, "BookID"), QStringList({"1", "46", "1"}));
}

TEST_F(ComponentsTest, DayTablesFindTheirKeys) {
    EXPECT_TRUE(dm().tblYearly.FindKey({4, 29}));
    EXPECT_EQ(dm().tblYearly.FieldByName("DayID")->AsInteger(), 2);
    EXPECT_TRUE(dm().tblLent.FindKey({7}));
    EXPECT_EQ(dm().tblLent.FieldByName("DayName")->AsString(), "Palm Sunday");
    EXPECT_TRUE(dm().tblFifty.FindKey({39}));
    EXPECT_EQ(dm().tblFifty.FieldByName("Comment")->AsString(), "Ascension");
    EXPECT_TRUE(dm().tblSundays.FindKey({4, 4}));
    EXPECT_TRUE(dm().tblSynxHead.FindKey({7, 29}));
    EXPECT_EQ(dm().tblSynxHead.FieldByName("ID")->AsInteger(), SynxBaramhat29);
    EXPECT_TRUE(dm().tblSynxHeadID.FindKey({SynxKiahk29}));
    EXPECT_EQ(dm().tblSynxHeadID.FieldByName("Month")->AsInteger(), 4);
    EXPECT_TRUE(dm().tblSynxSaintByIdNum.FindKey({SynxTut2, 1}));
    EXPECT_EQ(dm().tblSynxSaintByIdNum.FieldByName("Name")->AsString(), "JOHN THE BAPTIST");
}

TEST_F(ComponentsTest, VersesAreReachedByRecordNumber) {
    dm().tblVerses.SetRecNo(2);
    EXPECT_EQ(dm().tblVerses.FieldByName("verse")->AsString(), "God is love. (1 John 4:8)");
}

TEST_F(ComponentsTest, ContentTablesAreReadOnly) {
    EXPECT_THROW(dm().tblBible.Append(), EDatabaseError);
    EXPECT_THROW(dm().tblReadings.Append(), EDatabaseError);
}

TEST_F(ComponentsTest, PictureEntriesOnlyInTheIconTable) {
    EXPECT_EQ(dm().tblSynxDetail.RecordCount(), 5);
    EXPECT_EQ(dm().tblSynxDtailByPictSaint.RecordCount(), 4);
}

TEST_F(ComponentsTest, WordTablesSplitIncludedAndOmitted) {
    EXPECT_EQ(column(dm().tblBibleWords, "TheWord"),
              QStringList({"GOD", "GRACE", "IN", "LIGHT", "LOVE", "WORD"}));
    dm().tblBibleOmittedWords.Open();
    EXPECT_EQ(column(dm().tblBibleOmittedWords, "TheWord"), QStringList({"AND", "THE"}));
}

// ---- lookups and the detail link --------------------------------------------------

TEST_F(ComponentsTest, BibleRowsCarryBookNameAndOrder) {
    ASSERT_TRUE(dm().tblBible.FindKey({Psalms, 2, 1}));
    EXPECT_EQ(dm().tblBible.FieldByName("BookName")->AsString(), "Psalms");
    EXPECT_EQ(dm().tblBible.FieldByName("BookOrder")->AsInteger(), 19);
}

TEST_F(ComponentsTest, WordVerseFollowsTheCurrentWord) {
    ASSERT_TRUE(dm().tblBibleWords.FindKey({"LIGHT"}));
    TTable& wv = dm().tblWordVerse;
    const int hits = dm().tblBibleWords.FieldByName("Hits")->AsInteger();
    EXPECT_EQ(wv.RecordCount(), hits);
    for (wv.First(); !wv.Eof(); wv.Next())
        EXPECT_EQ(wv.FieldByName("Word")->AsString(), "LIGHT");

    ASSERT_TRUE(dm().tblBibleWords.FindKey({"GOD"}));
    EXPECT_EQ(wv.RecordCount(), 2);
    wv.First();
    EXPECT_EQ(wv.FieldByName("BookName")->AsString(), "Matthew");
    EXPECT_EQ(wv.FieldByName("Verse")->AsString(), VerseText(Matthew, 1, 1));
}

TEST_F(ComponentsTest, WordVerseScopeFilter) {
    ASSERT_TRUE(dm().tblBibleWords.FindKey({"GRACE"}));
    TTable& wv = dm().tblWordVerse;
    const int all = wv.RecordCount();
    wv.SetFiltered(true);
    wv.SetFilter("(BookID > 27)and(BookID < 67) or (BookID > 80)");
    const int oldTestament = wv.RecordCount();
    EXPECT_GT(oldTestament, 0);
    EXPECT_LT(oldTestament, all);
    for (wv.First(); !wv.Eof(); wv.Next()) {
        const int book = wv.FieldByName("BookID")->AsInteger();
        EXPECT_TRUE((book > 27 && book < 67) || book > 80) << book;
    }
}

// ---- the results table -----------------------------------------------------------

TEST_F(ComponentsTest, SearchResultsAreWrittenAndLookedUp) {
    dm().tblBibleByID.Open();
    TTable& srn = dm().tblSearchResults;
    srn.Open();
    srn.EmptyTable();
    ASSERT_TRUE(dm().tblBible.FindKey({Psalms, 2, 3}));
    const int verseID = dm().tblBible.FieldByName("ID")->AsInteger();
    srn.Append();
    srn.FieldByName("VerseID")->SetAsInteger(verseID);
    srn.FieldByName("BookOrder")->SetAsInteger(19);
    srn.Post();

    EXPECT_EQ(srn.RecordCount(), 1);
    srn.First();
    EXPECT_EQ(srn.FieldByName("Citation")->AsString(), "Psalms 2:3");
    EXPECT_EQ(srn.FieldByName("VerseText")->AsString(), VerseText(Psalms, 2, 3));
    EXPECT_EQ(srn.FieldByName("BookID")->AsInteger(), Psalms);

    srn.EmptyTable();
    EXPECT_EQ(srn.RecordCount(), 0);
}

TEST_F(ComponentsTest, SearchResultsOpenOnlyOnceAtATime) {
    dm().tblSearchResults.Open();
    TTable second;
    second.SetDatabaseName(DatabaseAlias);
    second.SetTableName("SRN.DB");
    second.SetExclusive(true);
    EXPECT_THROW(second.Open(), EDatabaseError);
    EXPECT_FALSE(second.Active());
}

// ---- queries -----------------------------------------------------------------------

TEST_F(ComponentsTest, SearchQueryWithItsInitialText) {
    dm().tblBibleByID.Open();
    ASSERT_TRUE(dm().tblBible.FindKey({Matthew, 1, 3}));
    const int verseID = dm().tblBible.FieldByName("ID")->AsInteger();
    dm().qrySearch.ParamByName("count")->SetAsInteger(verseID);
    dm().qrySearch.Open();
    // One row per occurrence of an indexed word: "in" and "light" twice each.
    EXPECT_EQ(dm().qrySearch.RecordCount(), 4);
    EXPECT_EQ(dm().qrySearch.FieldByName("Citation")->AsString(), "Matthew 1:3");
    EXPECT_EQ(dm().qrySearch.FieldByName("VerseText")->AsString(), VerseText(Matthew, 1, 3));
}

TEST_F(ComponentsTest, AllWordsQueryJoinsTheWordRows) {
    dm().tblBibleByID.Open();
    TQuery& q = dm().qrySearch;
    q.Open(); // the search replaces an open query
    dm().OpenAllWordsSearch({1, 2}, QString());
    ASSERT_TRUE(q.Active());
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("Citation")->AsString(), "Matthew 1:2");
    EXPECT_EQ(q.FieldByName("VerseText")->AsString(), VerseText(Matthew, 1, 2));
    // Outside the New Testament the same words find nothing.
    dm().OpenAllWordsSearch({1, 2}, TMainDM::AllWordsScopeClause(2));
    EXPECT_EQ(q.RecordCount(), 0);
}

TEST_F(ComponentsTest, IconQueryListsEachPictureOnceAndTellsTheIconsList) {
    int calls = 0;
    dm().ShowCurrentIcon = [&] { ++calls; };
    TQuery& q = dm().qrySynx;
    q.Open();
    EXPECT_GT(calls, 0);
    EXPECT_EQ(column(q, "PictSaintName"),
              QStringList({"St. Bartholomew", "St. John the Baptist", "The Nativity"}));
    q.First();
    EXPECT_EQ(q.FieldByName("PictureFile")->AsString(), "bartholomew.jpg");
    EXPECT_EQ(q.FieldByName("SynxID")->AsInteger(), SynxTut1);
    EXPECT_EQ(q.FieldByName("SynxNum")->AsInteger(), 1);
    const int before = calls;
    q.Next();
    EXPECT_GT(calls, before);
    EXPECT_EQ(q.FieldByName("SynxID")->AsInteger(), SynxTut2);
}

TEST_F(ComponentsTest, IconQueryMovesWithoutAnIconsList) {
    dm().ShowCurrentIcon = nullptr;
    dm().qrySynx.Open();
    EXPECT_NO_THROW(dm().qrySynx.Next());
}

} // namespace
