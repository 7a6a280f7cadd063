// Field access: names, conversions, memo, lookup and calculated fields.
#include "TinyDb.h"

#include <gtest/gtest.h>

namespace {

class TableEngineFields : public ::testing::Test {
protected:
    TinyDb db;
};

TEST_F(TableEngineFields, NamesAreCaseInsensitive) {
    auto bible = openTable("Bible.DB", "ndxBible1");
    EXPECT_EQ(bible->FieldByName("bookid"), bible->FieldByName("BOOKID"));
    EXPECT_EQ(bible->FieldByName("bookid")->FieldName(), "BookID");
    EXPECT_EQ(bible->FindField("Nope"), nullptr);
    try {
        bible->FieldByName("Nope");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("Nope"));
    }
}

TEST_F(TableEngineFields, TypesAndSizesComeFromTheFile) {
    auto books = openTable("BibleBooks.db");
    EXPECT_EQ(books->FieldByName("ID")->DataType(), TFieldType::ftAutoInc);
    EXPECT_EQ(books->FieldByName("BookName")->DataType(), TFieldType::ftString);
    EXPECT_EQ(books->FieldByName("BookName")->Size(), 30);
    EXPECT_EQ(books->FieldByName("BookOrder")->DataType(), TFieldType::ftSmallint);
    EXPECT_EQ(books->Fields().size(), 3);
}

TEST_F(TableEngineFields, ConversionsAndNulls) {
    auto detail = openTable("SynxDetail.DB", "ndxSynxIDNumber");
    ASSERT_TRUE(detail->FindKey({3, 2}));
    EXPECT_TRUE(detail->FieldByName("PictSaintName")->IsNull());
    EXPECT_EQ(detail->FieldByName("PictSaintName")->AsString(), "");
    EXPECT_EQ(detail->FieldByName("Number")->AsString(), "2");
    auto words = openTable("BW.db");
    ASSERT_TRUE(words->FindKey({"AND"}));
    EXPECT_FALSE(words->FieldByName("Included")->AsBoolean());
    EXPECT_EQ(words->FieldByName("Hits")->AsInteger(), 900);
    ASSERT_TRUE(words->FindKey({"LOVE"}));
    EXPECT_TRUE(words->FieldByName("Included")->AsBoolean());
}

TEST_F(TableEngineFields, DatesReadBack) {
    TTableDef ev{"Ev.DB", {{"EventDate", TFieldType::ftDate}}, {{"", {"EventDate"}}}};
    QTemporaryDir dir;
    {
        TDatabaseWriter w(dir.path(), kPassword);
        w.CreateTable(ev);
        w.Insert("Ev.DB", {"EventDate"}, {QDate(2024, 1, 7)});
        w.Commit();
    }
    Session.AddStandardAlias("Dates", dir.path(), "PARADOX");
    TTable t;
    t.SetDatabaseName("Dates");
    t.SetTableName("ev.db");
    t.Open();
    EXPECT_EQ(t.FieldByName("EventDate")->AsDate(), QDate(2024, 1, 7));
}

TEST_F(TableEngineFields, LookupFieldsResolveThroughTheLookupTable) {
    auto books = openTable("BibleBooks.DB", "ndxBookName");
    auto bible = openTable("Bible.DB", "ndxBible1", false);
    bible->AddLookupField("BookName", TFieldType::ftString, 30, "BookID", books.get(), "ID",
                          "BookName");
    bible->AddLookupField("BookOrder", TFieldType::ftSmallint, 0, "BookID", books.get(), "ID",
                          "BookOrder");
    bible->Open();
    ASSERT_TRUE(bible->FindKey({2, 1, 1}));
    EXPECT_EQ(bible->FieldByName("bookname")->AsString(), "Genesis");
    EXPECT_EQ(bible->FieldByName("BookOrder")->AsInteger(), 1);
    EXPECT_EQ(bible->FieldByName("BookName")->FieldKind(), TFieldKind::fkLookup);
    bible->FindKey({3});
    EXPECT_EQ(bible->FieldByName("BookName")->AsString(), "Psalms");
    EXPECT_THROW(bible->FieldByName("BookName")->SetValue("x"), EDatabaseError);
    // The lookup's own cursor does not move.
    EXPECT_EQ(books->FieldByName("BookName")->AsString(), "Genesis");
}

TEST_F(TableEngineFields, LookupFollowsChangesOfTheLookupDataset) {
    auto books = openTable("BibleBooks.DB", "ndxBookName");
    auto bible = openTable("Bible.DB", "ndxBible1", false);
    bible->AddLookupField("BookName", TFieldType::ftString, 30, "BookID", books.get(), "ID",
                          "BookName");
    bible->Open();
    bible->FindKey({2, 1, 1});
    EXPECT_EQ(bible->FieldByName("BookName")->AsString(), "Genesis");
    books->SetFilter("ID <> 2");
    books->SetFiltered(true);
    bible->Next();
    EXPECT_EQ(bible->FieldByName("BookName")->AsString(), "");
    books->Close();
    bible->Next();
    EXPECT_TRUE(bible->FieldByName("BookName")->IsNull()); // lookup source closed
}

TEST_F(TableEngineFields, FieldsCannotBeAddedToAnOpenDataset) {
    auto bible = openTable("Bible.DB");
    EXPECT_THROW(bible->AddCalcField("X", TFieldType::ftString, 10), EDatabaseError);
}

TEST_F(TableEngineFields, CalculatedFieldsFilledPerRow) {
    auto bible = openTable("Bible.DB", "ndxBible1", false);
    bible->AddCalcField("VersText", TFieldType::ftString, 6);
    int calls = 0;
    bible->OnCalcFields = [&](TDataSet& ds) {
        ++calls;
        ds.FieldByName("VersText")->SetAsString(ds.FieldByName("Text")->AsString());
    };
    bible->Open();
    EXPECT_EQ(bible->FieldByName("VersText")->AsString(), "Text 1"); // cut to its size
    bible->FindKey({3, 2, 4});
    EXPECT_EQ(bible->FieldByName("VersText")->AsString(), "Text 3");
    EXPECT_GE(calls, 2);
    EXPECT_THROW(bible->FieldByName("VersText")->SetAsString("x"), EDatabaseError);
}

TEST_F(TableEngineFields, DataFieldsOfReadOnlyTableCannotBeSet) {
    auto bible = openTable("Bible.DB");
    EXPECT_THROW(bible->FieldByName("Text")->SetAsString("x"), EDatabaseError);
}

} // namespace
