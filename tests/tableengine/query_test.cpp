// Local SQL: the program's query texts, parameters, and refused texts.
#include "DMMain.h"
#include "TinyDb.h"

#include <gtest/gtest.h>

namespace {

class TableEngineQuery : public ::testing::Test {
protected:
    TinyDb db;
    TQuery q;
    void SetUp() override { q.SetDatabaseName(kAlias); }
    QList<int> column(const QString& name) {
        QList<int> out;
        for (q.First(); !q.Eof(); q.Next())
            out << q.FieldByName(name)->AsInteger();
        return out;
    }
};

TEST_F(TableEngineQuery, DistinctWithEmptyDoubleQuotedString) {
    q.SetSQL(QStringList{"SELECT DISTINCT PictSaintName , PictureFile  From SynxDetail S",
                         "WHERE PictSaintName <>\"\"", "ORDER BY PictSaintName"});
    q.Open();
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.FieldByName("PictSaintName")->AsString(), "Anthony");
    EXPECT_EQ(q.FieldByName("PictureFile")->AsString(), "a.jpg");
    EXPECT_EQ(q.FieldByName("PictSaintName")->DataType(), TFieldType::ftString);
    EXPECT_EQ(q.FieldByName("PictSaintName")->Size(), 60);
    q.Next();
    EXPECT_EQ(q.FieldByName("pictsaintname")->AsString(), "Mary");
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.RecNo(), 2);
}

TEST_F(TableEngineQuery, NamedParameter) {
    q.SetSQL("SELECT WVN.VerseID FROM WVN where WVN.VerseID = :count");
    ASSERT_EQ(q.Params().size(), 1);
    q.ParamByName("count")->SetAsInteger(5);
    q.Open();
    EXPECT_EQ(column("VerseID"), (QList<int>{5, 5, 5}));
    EXPECT_THROW(q.ParamByName("other"), EDatabaseError);
}

TEST_F(TableEngineQuery, ParameterWithoutValueIsRefused) {
    q.SetSQL("SELECT WVN.VerseID FROM WVN where WVN.VerseID = :count");
    EXPECT_THROW(q.Open(), EDatabaseError);
    EXPECT_FALSE(q.Active());
}

TEST_F(TableEngineQuery, ThreeWordSelfJoin) {
    q.SetSQL(TMainDM::AllWordsSearchSQL({1, 3, 4}, QString()));
    q.Open();
    EXPECT_EQ(column("VerseID"), (QList<int>{5}));
    EXPECT_EQ(q.FieldByName("BookOrder")->AsInteger(), 40);
}

TEST_F(TableEngineQuery, JoinOrderDoesNotChangeResults) {
    // The rarest word last and first; and a comma join with the condition in WHERE.
    for (const char* text :
         {"SELECT v1.VerseID FROM WVN V1 JOIN WVN V2 ON v1.VerseID = v2.VerseID WHERE V1.WordID = "
          "3 AND V2.WordID = 4 ORDER BY VerseID",
          "SELECT v1.VerseID FROM WVN V1 JOIN WVN V2 ON v1.VerseID = v2.VerseID WHERE V1.WordID = "
          "4 AND V2.WordID = 3 ORDER BY VerseID",
          "SELECT v1.VerseID FROM WVN V1, WVN V2 WHERE v1.VerseID = v2.VerseID AND 4 = V2.WordID "
          "AND V1.WordID = 3 ORDER BY VerseID",
          "SELECT v1.VerseID FROM WVN V1 INNER JOIN WVN V2 ON (v1.VerseID = v2.VerseID) WHERE "
          "V2.WordID = 4 AND V1.WordID = 3 AND V1.BookID BETWEEN 1 AND 3"}) {
        q.SetSQL(QString::fromLatin1(text));
        q.Open();
        EXPECT_EQ(column("VerseID"), (QList<int>{5})) << text;
    }
    q.SetSQL("SELECT v1.VerseID FROM WVN V1 JOIN WVN V2 ON v1.VerseID = v2.VerseID WHERE V1.WordID "
             "= 1 OR V2.WordID = 4 ORDER BY VerseID");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 9); // same-verse pairs: 1 + 2 + 5 + 1
}

TEST_F(TableEngineQuery, TwoWordsWithScopeClause) {
    q.SetSQL(QStringLiteral(
        "SELECT v1.BookOrder, v1.VERSEID FROM WVN  V1  JOIN WVN V2 ON v1.VerseID = v2.VerseID "
        " Where V1.WordID = 1  AND V2.WordID =3  AND  (BookID BETWEEN 1 AND 2 OR BookID>80)  ORDER "
        "BY BookOrder, VerseID"));
    q.Open();
    EXPECT_EQ(column("VerseID"), (QList<int>{2, 5}));
    q.SetSQL(QStringLiteral(
        "SELECT v1.BookOrder, v1.VERSEID FROM WVN  V1  JOIN WVN V2 ON v1.VerseID = v2.VerseID "
        " Where V1.WordID = 1  AND V2.WordID =3  AND  (V1.BookID > 66)  ORDER BY BookOrder, "
        "VerseID"));
    EXPECT_FALSE(q.Active()); // new text closes the query
    q.Open();
    EXPECT_TRUE(q.IsEmpty());
    EXPECT_TRUE(q.Eof());
}

TEST_F(TableEngineQuery, EveryScopeClauseWithOneAndThreeWords) {
    // The data module's all-words search text for one word and for three,
    // with each scope of the search window.
    const QList<int> oneWord{3, 3, 0, 0, 3};
    const QList<int> threeWords{1, 1, 0, 0, 1};
    for (int scope = 0; scope < 5; ++scope) {
        const QString clause = TMainDM::AllWordsScopeClause(scope, 2);
        q.SetSQL(TMainDM::AllWordsSearchSQL({1}, clause));
        q.Open();
        EXPECT_EQ(q.RecordCount(), oneWord[scope]) << clause.toStdString();
        q.SetSQL(TMainDM::AllWordsSearchSQL({1, 3, 4}, clause));
        q.Open();
        EXPECT_EQ(q.RecordCount(), threeWords[scope]) << clause.toStdString();
    }
}

TEST_F(TableEngineQuery, TableFileNamesAndFilters) {
    q.SetSQL(
        "SELECT BookID, Chapter, Verse FROM \"Bible.DB\" WHERE Chapter = 2 ORDER BY BookID, Verse");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 12);
    q.SetFilter("BookID = 3");
    q.SetFiltered(true);
    EXPECT_EQ(column("Verse"), (QList<int>{1, 2, 3, 4}));
}

TEST_F(TableEngineQuery, BookmarksAndLookups) {
    auto detail = openTable("SynxDetail.DB", "ndxSynxIDNumber");
    q.SetSQL("SELECT DISTINCT PictSaintName FROM SynxDetail WHERE PictSaintName <> '' ORDER BY "
             "PictSaintName");
    q.AddLookupField("SynxID", TFieldType::ftInteger, 0, "PictSaintName", detail.get(),
                     "PictSaintName", "SynxID");
    q.Open();
    EXPECT_EQ(q.FieldByName("SynxID")->AsInteger(), 1);
    q.Next();
    const TBookmark bm = q.GetBookmark();
    EXPECT_EQ(q.FieldByName("SynxID")->AsInteger(), 2);
    q.First();
    q.GotoBookmark(bm);
    EXPECT_EQ(q.FieldByName("PictSaintName")->AsString(), "Mary");
}

TEST_F(TableEngineQuery, UntranslatableTextsAreRefused) {
    const char* bad[] = {
        "DELETE FROM WVN",
        "SELECT * FROM WVN; DROP TABLE WVN",
        "SELECT * FROM Nope",
        "SELECT * FROM evelm_meta",
        "SELECT * FROM sqlite_master",
        "SELECT load_extension('x') FROM WVN",
        "SELECT VerseID FROM WVN -- comment",
        "SELECT Missing FROM WVN",
        "SELECT VerseID FROM",
        "SELECT 'open FROM WVN",
        "",
    };
    for (const char* text : bad) {
        q.SetSQL(QString::fromLatin1(text));
        EXPECT_THROW(q.Open(), EDatabaseError) << text;
        EXPECT_FALSE(q.Active()) << text;
    }
}

TEST_F(TableEngineQuery, UnreadableTextsNameTheReason) {
    const QList<QPair<const char*, const char*>> bad = {
        {"SELECT VerseID FROM WVN /* c */", "comments are not allowed"},
        {"SELECT VerseID FROM WVN WHERE VerseID =< 2", "unknown operator '=<'"},
        {"SELECT VerseID FROM WVN WHERE VerseID ! 2", "unknown operator '!'"},
        {"SELECT VerseID FROM WVN WHERE VerseID = 2x", "bad number"},
        {"SELECT VerseID FROM WVN WHERE VerseID = \"2", "unterminated string"},
        {"SELECT VerseID FROM WVN WHERE VerseID = 2 & 3", "unexpected character '&'"},
    };
    for (const auto& [text, why] : bad) {
        q.SetSQL(QString::fromLatin1(text));
        try {
            q.Open();
            ADD_FAILURE() << "accepted: " << text;
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().startsWith("Cannot run the SQL text '"));
            EXPECT_EQ(e.Cause(), TDbFailure::SqlText);
            EXPECT_TRUE(e.Message().endsWith(QString::fromLatin1(why)))
                << e.Message().toStdString();
        }
    }
}

TEST_F(TableEngineQuery, WritableUserTableIsNotQueried) {
    q.SetSQL("SELECT * FROM SRN");
    EXPECT_THROW(q.Open(), EDatabaseError);
}

TEST_F(TableEngineQuery, ProtectedTablesNeedThePassword) {
    Session.RemoveAllPasswords();
    q.SetSQL("SELECT VerseID FROM WVN");
    EXPECT_THROW(q.Open(), EDatabaseError);
}

} // namespace
