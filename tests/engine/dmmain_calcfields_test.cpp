// Calculated fields: verse text, saints' dates, concordance split, search
// results, omitted words.

#include "MainDMTest.h"

using namespace Fixture;

namespace {

// ---- saints' index ---------------------------------------------------------------

class SaintsTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        // A saint whose day is missing from SynxHead.db.
        db.Insert("SynxSaints.DB", {"Name", "SynxID", "SynxNumber"}, {"UNKNOWN MARTYR", 99, 1});
    }
    TTable& saints() { return dm().tblSynxSaints; }
    QString field(const char* name) { return saints().FieldByName(name)->AsString(); }
    void go(const QString& name) { ASSERT_TRUE(saints().FindKey({name})) << name.toStdString(); }
};

TEST_F(SaintsTest, EntryNameAndDatesInTheChosenYear) {
    dayState.gregorianYear = 2026;
    go("BARTHOLOMEW THE APOSTLE");
    EXPECT_EQ(field("SynxName"), "The Martyrdom of Saint Bartholomew the Apostle");
    EXPECT_EQ(field("CopticMonthDay"), "Tut 1");
    EXPECT_EQ(field("GregMonthDay"), "September 11");

    go("NATIVITY");
    EXPECT_EQ(field("CopticMonthDay"), "Kiahk 29");
    EXPECT_EQ(field("GregMonthDay"), "January 7");
}

TEST_F(SaintsTest, GregorianDateFollowsTheYearAtTheMomentOfUse) {
    dayState.gregorianYear = 2023;
    go("BARTHOLOMEW THE APOSTLE");
    EXPECT_EQ(field("GregMonthDay"), "September 12");
    dayState.gregorianYear = 2024;
    go("NATIVITY");
    EXPECT_EQ(field("GregMonthDay"), "January 8");
    dayState.gregorianYear = 2025;
    go("BARTHOLOMEW THE APOSTLE");
    EXPECT_EQ(field("GregMonthDay"), "September 11");
}

TEST_F(SaintsTest, SecondEntryOfADay) {
    go("JOB THE RIGHTEOUS");
    EXPECT_EQ(field("SynxName"), "The Departure of the Righteous Job");
    EXPECT_EQ(field("CopticMonthDay"), "Tut 1");
}

TEST_F(SaintsTest, LetterDividersHaveNoDates) {
    go("J");
    EXPECT_EQ(field("SynxName"), "");
    EXPECT_EQ(field("CopticMonthDay"), "");
    EXPECT_EQ(field("GregMonthDay"), "");
}

TEST_F(SaintsTest, SaintWithoutADayGetsEmptyFields) {
    go("UNKNOWN MARTYR");
    EXPECT_EQ(field("SynxName"), "");
    EXPECT_EQ(field("CopticMonthDay"), "");
    EXPECT_EQ(field("GregMonthDay"), "");
}

// ---- concordance split -----------------------------------------------------------

class ConcordanceTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        // "in" only inside "Within" (Matthew 1:6), and "God" where the verse
        // lacks it (Mark 1:1 is verse 25 + 23 + 17 + 1 = 66).
        db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {4, 6, Matthew, 70});
        db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {1, 66, Mark, 71});
    }

    struct Split {
        QString before, word, after, citation;
    };

    // The split of the concordance row of `word` in the verse `verseID`.
    Split split(const QString& word, int verseID) {
        EXPECT_TRUE(dm().tblBibleWords.FindKey({word}));
        TTable& wv = dm().tblWordVerse;
        for (wv.First(); !wv.Eof(); wv.Next()) {
            if (wv.FieldByName("VerseID")->AsInteger() == verseID)
                return {wv.FieldByName("Verse1")->AsString(), wv.FieldByName("Word1")->AsString(),
                        wv.FieldByName("Verse2")->AsString(),
                        wv.FieldByName("Citation")->AsString()};
        }
        ADD_FAILURE() << "no row for " << word.toStdString() << " in verse " << verseID;
        return {};
    }
};

TEST_F(ConcordanceTest, WhereTheWordIsFoundInItsVerse) {
    // A long word is the whole word where the verse has one ("love", not the
    // start of "loved"); a short one prefers a whole word between blanks,
    // then one beside punctuation, then any match.
    struct Row {
        const char* Word;
        int Verse;
        const char* Before;
        const char* Found;
        const char* After;
    };
    const Row rows[] = {
        {"LIGHT", 2, "God so loved the world; in love He gave ", "light", "."},
        {"LOVE", 2, "God so loved the world; in ", "love", " He gave light."},
        {"IN", 3, "Walk", " in ", "the light, as He is in the light."},
        {"IN", 4, "Abide,", "in ", "love and keep My word."},
        {"IN", 5, "Let the light come", " in", "."},
        {"IN", 6, "With", "in", " the beginning of days."},
    };
    for (const Row& r : rows) {
        const Split s = split(r.Word, r.Verse);
        EXPECT_EQ(s.before, r.Before) << r.Word << ' ' << r.Verse;
        EXPECT_EQ(s.word, r.Found) << r.Word << ' ' << r.Verse;
        EXPECT_EQ(s.after, r.After) << r.Word << ' ' << r.Verse;
    }
    EXPECT_EQ(split("LIGHT", 2).citation, "Matthew 1:2");
}

TEST_F(ConcordanceTest, ContextIsCutAt150Characters) {
    const QString verse = VerseText(Matthew, 1, 7);
    const qsizetype at = verse.indexOf("light");
    ASSERT_GT(at, 150);
    ASSERT_GT(verse.size() - at - 5, 150);
    const Split s = split("LIGHT", 7);
    EXPECT_EQ(s.before, verse.mid(at - 150, 150));
    EXPECT_EQ(s.word, "light");
    EXPECT_EQ(s.after, verse.mid(at + 5, 150));
}

TEST_F(ConcordanceTest, VerseWithoutTheWordLeavesTheSplitEmpty) {
    const Split s = split("GOD", 66);
    EXPECT_EQ(s.before, "");
    EXPECT_EQ(s.word, "");
    EXPECT_EQ(s.after, "");
    EXPECT_EQ(s.citation, "Mark 1:1");
}

// ---- other calculated fields -------------------------------------------------------

using CalcFieldsTest = MainDMTest;

// No verse is cut, also past the 400 characters the field once held.
TEST_F(CalcFieldsTest, VerseTextHoldsTheWholeVerse) {
    ASSERT_TRUE(dm().tblBible.FindKey({Matthew, 1, 2}));
    EXPECT_EQ(dm().tblBible.FieldByName("VersText")->AsString(), VerseText(Matthew, 1, 2));
    ASSERT_TRUE(dm().tblBible.FindKey({Matthew, 1, 7}));
    ASSERT_GT(VerseText(Matthew, 1, 7).size(), 400);
    EXPECT_EQ(dm().tblBible.FieldByName("VersText")->AsString(), VerseText(Matthew, 1, 7));
}

TEST_F(CalcFieldsTest, VerseTextByID) {
    dm().tblBibleByID.Open();
    ASSERT_TRUE(dm().tblBibleByID.FindKey({66}));
    EXPECT_EQ(dm().tblBibleByID.FieldByName("VersText")->AsString(), VerseText(Mark, 1, 1));
    EXPECT_EQ(dm().tblBibleByID.FieldByName("BookName")->AsString(), "Mark");
}

TEST_F(CalcFieldsTest, OmittedWordWithItsHits) {
    TTable& w = dm().tblBibleOmittedWords;
    w.Open();
    ASSERT_TRUE(w.FindKey({"AND"}));
    EXPECT_EQ(w.FieldByName("WordNHits")->AsString(),
              "AND ** " + w.FieldByName("Hits")->AsString());
    EXPECT_GT(w.FieldByName("Hits")->AsInteger(), 100);
}

class OrphanSearchRowTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"}, {1, 9999, Matthew, 70});
    }
};

TEST_F(OrphanSearchRowTest, SearchRowWithoutItsVerseHasNoText) {
    dm().tblBibleByID.Open();
    dm().qrySearch.ParamByName("count")->SetAsInteger(9999);
    dm().qrySearch.Open();
    ASSERT_EQ(dm().qrySearch.RecordCount(), 1);
    EXPECT_EQ(dm().qrySearch.FieldByName("VerseText")->AsString(), "");
    EXPECT_EQ(dm().qrySearch.FieldByName("BookName")->AsString(), "");
}

} // namespace
