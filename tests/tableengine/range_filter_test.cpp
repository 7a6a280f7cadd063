// Ranges and filters bound every operation: moves, counts, RecNo, FindKey.
#include "TinyDb.h"

#include <gtest/gtest.h>

namespace {

class TableEngineRangeFilter : public ::testing::Test {
protected:
    TinyDb db;
    std::unique_ptr<TTable> bible = openTable("Bible.DB", "ndxBible1");
    int visible(TDataSet& t) {
        int n = 0;
        for (t.First(); !t.Eof(); t.Next())
            ++n;
        return n;
    }
};

TEST_F(TableEngineRangeFilter, RangeBoundsMovesAndCounts) {
    bible->SetRange({2}, {2});
    EXPECT_EQ(bible->RecordCount(), 10);
    EXPECT_EQ(visible(*bible), 10);
    bible->First();
    EXPECT_EQ(bible->FieldByName("BookID")->AsInteger(), 2);
    EXPECT_EQ(bible->RecNo(), 1);
    bible->Last();
    EXPECT_EQ(bible->FieldByName("Chapter")->AsInteger(), 3);
    EXPECT_EQ(bible->RecNo(), 10);
    bible->Next();
    EXPECT_TRUE(bible->Eof());
    EXPECT_EQ(bible->FieldByName("BookID")->AsInteger(), 2);
    EXPECT_FALSE(bible->FindKey({3, 1, 1}));
    bible->CancelRange();
    EXPECT_EQ(bible->RecordCount(), 30);
}

TEST_F(TableEngineRangeFilter, KeyValuesAsTextCompareAsNumbers) {
    bible->SetRange({"2"}, {"2"});
    EXPECT_EQ(bible->RecordCount(), 10);
    EXPECT_TRUE(bible->FindKey({"2", "3", "3"}));
    bible->CancelRange();
    bible->FindNearest({"2", "0"});
    EXPECT_EQ(bible->FieldByName("BookID")->AsInteger(), 2);
    EXPECT_EQ(bible->FieldByName("Chapter")->AsInteger(), 1);
}

TEST_F(TableEngineRangeFilter, RangeOnTwoFields) {
    bible->SetRange({2, 2}, {2, 2});
    EXPECT_EQ(bible->RecordCount(), 4);
    bible->SetRange({1, 3}, {2, 1});
    EXPECT_EQ(visible(*bible), 6);
}

TEST_F(TableEngineRangeFilter, BooleanFieldFilters) {
    auto words = openTable("BW.db");
    words->SetFilter("Included");
    words->SetFiltered(true);
    QStringList seen;
    for (words->First(); !words->Eof(); words->Next())
        seen << words->FieldByName("TheWord")->AsString();
    EXPECT_EQ(seen, (QStringList{"FAITH", "GRACE", "LOVE"}));
    words->SetFilter("not Included");
    EXPECT_EQ(words->RecordCount(), 1);
    EXPECT_EQ(words->FieldByName("TheWord")->AsString(), "AND");
    EXPECT_FALSE(words->FindKey({"LOVE"}));
}

TEST_F(TableEngineRangeFilter, EmptyStringComparison) {
    auto detail = openTable("SynxDetail.DB", "ndxSynxIDNumber");
    detail->SetFilter("PictSaintName<>''");
    detail->SetFiltered(true);
    EXPECT_EQ(detail->RecordCount(), 3);
    EXPECT_EQ(visible(*detail), 3);
}

TEST_F(TableEngineRangeFilter, ScopeExpressions) {
    bible->SetFiltered(true);
    bible->SetFilter("(BookID >= 2) AND (BookID<= 2) ");
    EXPECT_EQ(bible->RecordCount(), 10);
    bible->SetFilter("(BookID > 1)and(BookID < 3) or (BookID > 2)");
    EXPECT_EQ(bible->RecordCount(), 20);
    bible->SetFilter("BookID < 2 ");
    EXPECT_EQ(bible->RecordCount(), 10);
    bible->SetFilter("(BookID = 3)");
    EXPECT_EQ(bible->RecordCount(), 10);
}

TEST_F(TableEngineRangeFilter, AndBindsTighterThanOr) {
    bible->SetFiltered(true);
    bible->SetFilter("BookID = 3 or BookID = 1 and Chapter = 1");
    EXPECT_EQ(bible->RecordCount(), 13);
    bible->SetFilter("BookID = 1 and Chapter = 1 or BookID = 3");
    EXPECT_EQ(bible->RecordCount(), 13);
}

TEST_F(TableEngineRangeFilter, FilterHidesRowsFromRecNoAndFindKey) {
    bible->SetFilter("BookID = 3");
    bible->SetFiltered(true);
    bible->First();
    EXPECT_EQ(bible->RecNo(), 1);
    EXPECT_TRUE(bible->Bof());
    bible->SetRecNo(10);
    EXPECT_EQ(bible->FieldByName("Chapter")->AsInteger(), 3);
    EXPECT_FALSE(bible->FindKey({2, 1, 1}));
    bible->FindNearest({1, 0, 0});
    EXPECT_EQ(bible->FieldByName("BookID")->AsInteger(), 3);
}

TEST_F(TableEngineRangeFilter, FilterTextWaitsForFiltered) {
    bible->SetFilter("BookID = 3");
    EXPECT_EQ(bible->RecordCount(), 30);
    bible->SetFiltered(true);
    EXPECT_EQ(bible->RecordCount(), 10);
    bible->SetFiltered(false);
    EXPECT_EQ(bible->RecordCount(), 30);
}

TEST_F(TableEngineRangeFilter, FilterAndRangeTogether) {
    bible->SetRange({2}, {3});
    bible->SetFilter("Chapter = 2");
    bible->SetFiltered(true);
    EXPECT_EQ(bible->RecordCount(), 8);
}

TEST_F(TableEngineRangeFilter, UntranslatableFiltersAreRefusedAndOldFilterStays) {
    bible->SetFiltered(true);
    bible->SetFilter("BookID = 2");
    for (const char* bad :
         {"BookID >", "Nope = 1", "BookID = 1; DROP TABLE Bible", "Chapter", "BookID = 'x",
          "(BookID = 1", "BookID = 1)", "BookID == 1", "Text LIKE 'x'", "BookID = :p",
          "Chapter * 2 = 4", "BookID = 1 -- x", "[BookID = 1", "BookID = 1 & 1"}) {
        try {
            bible->SetFilter(bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().startsWith("Cannot use the filter '" +
                                               QString::fromLatin1(bad) + "': "))
                << e.Message().toStdString();
        }
        EXPECT_EQ(bible->Filter(), "BookID = 2");
        EXPECT_EQ(bible->RecordCount(), 10) << bad;
    }
}

TEST_F(TableEngineRangeFilter, BadFilterFailsTheOpen) {
    auto t = openTable("Bible.DB", "ndxBible1", false);
    t->SetFilter("Missing = 1");
    t->SetFiltered(true);
    EXPECT_THROW(t->Open(), EDatabaseError);
    EXPECT_FALSE(t->Active());
}

TEST_F(TableEngineRangeFilter, QuotesInFilterStringsAreData) {
    bible->SetFiltered(true);
    bible->SetFilter("Text = 'x'' OR 1=1 --'");
    EXPECT_EQ(bible->RecordCount(), 0);
}

} // namespace
