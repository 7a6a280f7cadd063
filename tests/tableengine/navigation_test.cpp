// Cursor moves over an index: order, FindKey, FindNearest, Eof/Bof, RecNo.
#include "TinyDb.h"

#include <gtest/gtest.h>

namespace {

QString key(TDataSet& t) {
    return QStringLiteral("%1 %2:%3")
        .arg(t.FieldByName("BookID")->AsInteger())
        .arg(t.FieldByName("Chapter")->AsInteger())
        .arg(t.FieldByName("Verse")->AsInteger());
}

class TableEngineNavigation : public ::testing::Test {
protected:
    TinyDb db;
    std::unique_ptr<TTable> bible = openTable("Bible.DB", "ndxBible1");
};

TEST_F(TableEngineNavigation, RowsComeInIndexOrder) {
    QStringList seen;
    for (bible->First(); !bible->Eof(); bible->Next())
        seen << key(*bible);
    ASSERT_EQ(seen.size(), 30);
    EXPECT_EQ(seen.first(), "1 1:1");
    EXPECT_EQ(seen[3], "1 2:1");
    EXPECT_EQ(seen.last(), "3 3:3");
    QStringList sorted = seen;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(seen, sorted);
    EXPECT_EQ(bible->RecordCount(), 30);
}

TEST_F(TableEngineNavigation, PrimaryIndexOrdersById) {
    auto byId = openTable("Bible.DB");
    EXPECT_EQ(byId->FieldByName("ID")->AsInteger(), 1);
    EXPECT_EQ(key(*byId), "2 1:1"); // book 2 was written first
}

TEST_F(TableEngineNavigation, FindKeyHitPositions) {
    ASSERT_TRUE(bible->FindKey({2, 2, 4}));
    EXPECT_EQ(bible->FieldByName("Text")->AsString(), "Text 2 2:4");
    EXPECT_FALSE(bible->Eof());
    EXPECT_FALSE(bible->Bof());
}

TEST_F(TableEngineNavigation, FindKeyMissLeavesCursor) {
    ASSERT_TRUE(bible->FindKey({3, 1, 2}));
    EXPECT_FALSE(bible->FindKey({2, 9, 9}));
    EXPECT_EQ(key(*bible), "3 1:2");
    EXPECT_FALSE(bible->FindKey({2, 2, 5}));
    EXPECT_EQ(key(*bible), "3 1:2");
}

TEST_F(TableEngineNavigation, FindKeyOnLeadingFields) {
    ASSERT_TRUE(bible->FindKey({3}));
    EXPECT_EQ(key(*bible), "3 1:1");
    ASSERT_TRUE(bible->FindKey({2, 3}));
    EXPECT_EQ(key(*bible), "2 3:1");
}

TEST_F(TableEngineNavigation, FindKeyTextKeyIsCaseSensitiveOnPlainIndex) {
    auto books = openTable("BibleBooks.DB", "ndxBookName");
    ASSERT_TRUE(books->FindKey({"Psalms"}));
    EXPECT_EQ(books->FieldByName("ID")->AsInteger(), 3);
    EXPECT_FALSE(books->FindKey({"psalms"}));
    EXPECT_EQ(books->FieldByName("BookName")->AsString(), "Psalms");
}

TEST_F(TableEngineNavigation, FindNearestWithSentinels) {
    bible->FindNearest({2, 0, 0});
    EXPECT_EQ(key(*bible), "2 1:1");
    bible->FindNearest({2, 2, 0});
    EXPECT_EQ(key(*bible), "2 2:1");
    bible->FindNearest({2, 999, 999});
    EXPECT_EQ(key(*bible), "3 1:1");
    bible->Prior();
    EXPECT_EQ(key(*bible), "2 3:3");
    bible->FindNearest({2, 2, 999});
    bible->Prior();
    EXPECT_EQ(key(*bible), "2 2:4");
}

TEST_F(TableEngineNavigation, PriorAfterFindNearestPastLastKeyReachesLastRow) {
    bible->FindNearest({3, 999, 999});
    EXPECT_FALSE(bible->Eof());
    EXPECT_EQ(key(*bible), "3 3:3");
    bible->Prior();
    EXPECT_EQ(key(*bible), "3 3:3");
    bible->Prior();
    EXPECT_EQ(key(*bible), "3 3:2");
}

TEST_F(TableEngineNavigation, NextOnLastRowSetsEofAndStays) {
    bible->Last();
    EXPECT_EQ(key(*bible), "3 3:3");
    bible->Next();
    EXPECT_TRUE(bible->Eof());
    EXPECT_EQ(key(*bible), "3 3:3");
    bible->Prior();
    EXPECT_FALSE(bible->Eof());
    EXPECT_EQ(key(*bible), "3 3:2");
}

TEST_F(TableEngineNavigation, PriorOnFirstRowSetsBofAndStays) {
    bible->First();
    EXPECT_TRUE(bible->Bof());
    bible->Next();
    EXPECT_FALSE(bible->Bof());
    bible->Prior();
    bible->Prior();
    EXPECT_TRUE(bible->Bof());
    EXPECT_EQ(key(*bible), "1 1:1");
}

TEST_F(TableEngineNavigation, RecNoFollowsOrderAndCanBeSet) {
    bible->SetRecNo(11);
    EXPECT_EQ(key(*bible), "2 1:1");
    EXPECT_EQ(bible->RecNo(), 11);
    bible->Next();
    EXPECT_EQ(bible->RecNo(), 12);
    bible->SetRecNo(99); // out of range: no move
    EXPECT_EQ(bible->RecNo(), 12);
}

TEST_F(TableEngineNavigation, MoveByStopsAtTheEnds) {
    bible->First();
    EXPECT_EQ(bible->MoveBy(4), 4);
    EXPECT_EQ(key(*bible), "1 2:2");
    EXPECT_EQ(bible->MoveBy(-10), -4);
    EXPECT_TRUE(bible->Bof());
    bible->Last();
    EXPECT_EQ(bible->MoveBy(-2), -2);
    EXPECT_EQ(bible->MoveBy(10), 2);
    EXPECT_TRUE(bible->Eof());
}

TEST_F(TableEngineNavigation, TableWithoutIndexByRecordNumber) {
    auto verses = openTable("Verses.DB");
    verses->SetRecNo(2);
    EXPECT_EQ(verses->FieldByName("Verse")->AsString(), "second");
    verses->SetRecNo(1);
    EXPECT_EQ(verses->FieldByName("verse")->AsString().size(), 5000); // memo of any length
}

TEST_F(TableEngineNavigation, BookmarksReturnToTheRow) {
    bible->FindKey({2, 2, 3});
    const TBookmark bm = bible->GetBookmark();
    EXPECT_TRUE(bible->BookmarkValid(bm));
    bible->Last();
    bible->GotoBookmark(bm);
    EXPECT_EQ(key(*bible), "2 2:3");
    EXPECT_FALSE(bible->BookmarkValid(TBookmark()));
    EXPECT_THROW(bible->GotoBookmark(TBookmark()), EDatabaseError);
}

TEST_F(TableEngineNavigation, BookmarkOfFilteredOutRowIsGone) {
    bible->FindKey({1, 1, 1});
    const TBookmark bm = bible->GetBookmark();
    bible->SetFilter("BookID = 3");
    bible->SetFiltered(true);
    EXPECT_FALSE(bible->BookmarkValid(bm));
    EXPECT_THROW(bible->GotoBookmark(bm), EDatabaseError);
    EXPECT_EQ(bible->FieldByName("BookID")->AsInteger(), 3);
}

TEST_F(TableEngineNavigation, ChangingIndexKeepsRow) {
    bible->FindKey({2, 1, 1});
    bible->SetIndexName("");
    EXPECT_EQ(key(*bible), "2 1:1");
    bible->Next();
    EXPECT_EQ(key(*bible), "2 1:2");
    EXPECT_THROW(bible->SetIndexName("ndxMissing"), EDatabaseError);
    EXPECT_EQ(bible->IndexName(), "");
}

TEST(TableEnginePlainDataSet, HasNothingToOpen) {
    TDataSet plain;
    EXPECT_THROW(plain.Open(), EDatabaseError);
    EXPECT_FALSE(plain.Active());
}

TEST_F(TableEngineNavigation, KeyWithTooManyValuesIsRefused) {
    EXPECT_THROW(bible->FindKey({1, 1, 1, 1}), EDatabaseError);
    auto verses = openTable("Verses.DB");
    EXPECT_THROW(verses->FindKey({1}), EDatabaseError);
}

TEST_F(TableEngineNavigation, ClosedDatasetRefusesMoves) {
    bible->Close();
    EXPECT_THROW(bible->First(), EDatabaseError);
    EXPECT_EQ(bible->RecordCount(), 0);
    EXPECT_EQ(bible->RecNo(), 0);
}

} // namespace
