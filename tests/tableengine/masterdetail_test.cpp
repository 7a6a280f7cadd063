// Detail tables follow their master; data sources see every move.
#include "TinyDb.h"

#include <gtest/gtest.h>

namespace {

class TableEngineMasterDetail : public ::testing::Test {
protected:
    TinyDb db;
    std::unique_ptr<TTable> words = openTable("BW.db", QString(), false);
    TDataSource source;
    TTable wordVerse;

    void SetUp() override {
        words->SetFilter("Included");
        words->SetFiltered(true);
        words->Open();
        source.SetDataSet(words.get());
        wordVerse.SetDatabaseName(kAlias);
        wordVerse.SetTableName("WVN.DB");
        wordVerse.SetIndexFieldNames("WordID");
        wordVerse.SetMasterSource(&source);
        wordVerse.SetMasterFields("WordID");
        wordVerse.AddLookupField("Word", TFieldType::ftString, 16, "WordID", words.get(), "WordID",
                                 "TheWord");
        wordVerse.Open();
    }
    QList<int> verses() {
        QList<int> out;
        for (wordVerse.First(); !wordVerse.Eof(); wordVerse.Next())
            out << wordVerse.FieldByName("VerseID")->AsInteger();
        return out;
    }
};

TEST_F(TableEngineMasterDetail, DetailShowsRowsOfMasterRow) {
    EXPECT_EQ(words->FieldByName("TheWord")->AsString(), "FAITH");
    EXPECT_EQ(verses(), (QList<int>{5, 9}));
    EXPECT_EQ(wordVerse.RecordCount(), 2);
    ASSERT_TRUE(words->FindKey({"GRACE"}));
    EXPECT_EQ(verses(), (QList<int>{2, 5, 7}));
    EXPECT_EQ(wordVerse.FieldByName("Word")->AsString(), "GRACE");
    words->Next();
    EXPECT_EQ(verses(), (QList<int>{1, 2, 5}));
    EXPECT_EQ(wordVerse.RecNo(), 3);
}

TEST_F(TableEngineMasterDetail, DetailFilterAppliesWithinMasterRow) {
    words->FindKey({"GRACE"});
    wordVerse.SetFilter("VerseID > 2");
    wordVerse.SetFiltered(true);
    EXPECT_EQ(verses(), (QList<int>{5, 7}));
    words->FindKey({"LOVE"});
    EXPECT_EQ(verses(), (QList<int>{5}));
}

TEST_F(TableEngineMasterDetail, EmptyMasterGivesEmptyDetail) {
    words->SetFilter("TheWord = 'NONE'");
    EXPECT_TRUE(words->IsEmpty());
    EXPECT_TRUE(wordVerse.IsEmpty());
    EXPECT_TRUE(wordVerse.Eof());
    EXPECT_EQ(wordVerse.RecordCount(), 0);
}

TEST(TableEngineDataSource, NoticeOnEveryMove) {
    TinyDb db;
    auto bible = openTable("Bible.DB", "ndxBible1");
    TDataSource ds;
    int notices = 0;
    ds.OnDataChange = [&](TDataSource& s) {
        ++notices;
        EXPECT_EQ(s.DataSet(), bible.get());
    };
    ds.SetDataSet(bible.get());
    bible->Next();
    bible->FindKey({2, 1, 1});
    bible->Prior();
    bible->SetRecNo(5);
    EXPECT_EQ(notices, 4);
    bible->SetFilter("BookID = 3");
    EXPECT_EQ(notices, 4); // not in force yet
    bible->SetFiltered(true);
    EXPECT_EQ(notices, 5);
    bible->Close();
    EXPECT_EQ(notices, 6);
}

TEST(TableEngineDataSource, DisabledControlsHoldNoticesBack) {
    TinyDb db;
    auto bible = openTable("Bible.DB", "ndxBible1");
    TDataSource ds;
    int notices = 0;
    ds.OnDataChange = [&](TDataSource&) { ++notices; };
    ds.SetDataSet(bible.get());
    bible->DisableControls();
    bible->DisableControls();
    for (int i = 0; i < 5; ++i)
        bible->Next();
    bible->EnableControls();
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(bible->ControlsDisabled());
    bible->EnableControls();
    EXPECT_EQ(notices, 1);
    ds.SetEnabled(false);
    bible->Next();
    EXPECT_EQ(notices, 1);
}

} // namespace

namespace {

TEST(TableEngineMasterDetailLifetime, SourceOrMasterMayGoFirst) {
    for (const bool masterFirst : {true, false}) {
        SCOPED_TRACE(masterFirst ? "master first" : "source first");
        TinyDb db;
        auto words = openTable("BW.db");
        auto source = std::make_unique<TDataSource>();
        source->SetDataSet(words.get());
        TTable detail;
        detail.SetDatabaseName(kAlias);
        detail.SetTableName("WVN.DB");
        detail.SetIndexFieldNames("WordID");
        detail.SetMasterSource(source.get());
        detail.SetMasterFields("WordID");
        detail.Open();
        ASSERT_TRUE(words->FindKey({"FAITH"}));
        EXPECT_EQ(detail.RecordCount(), 2);
        if (masterFirst) {
            words.reset();
            EXPECT_EQ(source->DataSet(), nullptr);
            source.reset();
        } else {
            source.reset();
            words->Next();
            words.reset();
        }
        EXPECT_EQ(detail.MasterSource(), nullptr);
        // Unlinked, the detail is a plain table again: all eight rows.
        detail.Refresh();
        EXPECT_TRUE(detail.Active());
        EXPECT_EQ(detail.RecordCount(), 8);
        detail.First();
        EXPECT_EQ(detail.FieldByName("WordID")->AsInteger(), 1);
        detail.Close();
        EXPECT_FALSE(detail.Active());
    }
}

} // namespace
