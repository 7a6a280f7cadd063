// The Bible search operations on the fixture database: the all-words query
// and the phrase search into the results table.

#include "MainDMTest.h"
#include "PhraseSearch.h"

#include <algorithm>

using namespace Fixture;

namespace {

QList<int> ids(TDataSet& ds, const char* field = "VerseID") {
    QList<int> v;
    for (ds.First(); !ds.Eof(); ds.Next())
        v << ds.FieldByName(field)->AsInteger();
    return v;
}

// The verse of the fixture with that book, chapter and verse.
int verseID(TMainDM& dm, int book, int chapter, int verse) {
    TTable& b = dm.tblBible;
    EXPECT_TRUE(b.FindKey({book, chapter, verse}));
    return b.FieldByName("ID")->AsInteger();
}

// The self-join form of the query (one join per word), distinct verses.
QString joinedSQL(const QList<int>& w, const QString& clause) {
    QString sql = QStringLiteral("SELECT DISTINCT v1.BookOrder, v1.VerseID FROM WVN V1 ");
    for (int k = 2; k <= w.size(); ++k)
        sql += QStringLiteral(" JOIN WVN V%1 ON v%2.VerseID = v%1.VerseID ").arg(k).arg(k - 1);
    sql += QStringLiteral(" WHERE V1.WordID = %1 ").arg(w[0]);
    for (int k = 2; k <= w.size(); ++k)
        sql += QStringLiteral(" AND V%1.WordID = %2 ").arg(k).arg(w[k - 1]);
    if (!clause.isEmpty())
        sql += QStringLiteral(" AND V1.") + clause.trimmed();
    return sql + QStringLiteral(" ORDER BY 1, 2");
}

// Forty words of Matthew 1:2 (words 100 .. 139), all but the last also of
// Matthew 1:3.
constexpr int kManyWords = 40, kFirstManyWord = 100;

class BibleSearchTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        for (int k = 0; k < kManyWords; ++k)
            for (int verse : {2, 3})
                if (verse == 2 || k < kManyWords - 1)
                    db.Insert("WVN.DB", {"WordID", "VerseID", "BookID", "BookOrder"},
                              {kFirstManyWord + k, verse, Matthew, 70});
    }
};

TEST_F(BibleSearchTest, AllWordsQueryFindsTheVersesTheJoinFinds) {
    // GOD=1, LOVE=2, LIGHT=3, IN=4, WORD=5; IN and LIGHT occur twice in a verse.
    const QList<QList<int>> lists{{1}, {4}, {1, 4}, {3, 4}, {1, 3, 4}, {2, 4, 5}, {1, 2, 3, 4}};
    for (const QList<int>& words : lists) {
        // Word counts choose the way: unknown, the first word rarest, the
        // last word rarest; the rows are the same.
        QList<int> firstRarest, lastRarest;
        for (int k = 0; k < words.size(); ++k) {
            firstRarest << k + 1;
            lastRarest << int(words.size()) - k;
        }
        for (const QList<int>& hits : {QList<int>(), firstRarest, lastRarest}) {
            for (int scope : {0, 1, 4}) {
                const QString clause = TMainDM::AllWordsScopeClause(scope, Mark);
                dm().OpenAllWordsSearch(words, clause, hits);
                QList<int> found = ids(dm().qrySearch);
                found.erase(std::unique(found.begin(), found.end()), found.end());
                TQuery joined;
                joined.SetDatabaseName(DatabaseAlias);
                joined.SetSQL(joinedSQL(words, clause));
                joined.Open();
                EXPECT_EQ(found, ids(joined))
                    << TMainDM::AllWordsSearchSQL(words, clause, hits).toStdString();
            }
        }
    }
    // A word twice in a verse gives its row twice when it comes first,
    // whichever word leads the search.
    for (const QList<int>& hits : {QList<int>(), QList<int>{1, 9}, QList<int>{9, 1}}) {
        dm().OpenAllWordsSearch({3, 1}, QString(), hits);
        EXPECT_EQ(ids(dm().qrySearch).size(), 1) << hits.value(0); // LIGHT once in Matthew 1:2
        dm().OpenAllWordsSearch({4, 3}, QString(), hits);
        const QList<int> both = ids(dm().qrySearch);
        EXPECT_EQ(both.count(verseID(dm(), Matthew, 1, 3)), 2) << hits.value(0);
    }
    dm().OpenAllWordsSearch({1, 3, 4}, QString());
    EXPECT_EQ(ids(dm().qrySearch), QList<int>{verseID(dm(), Matthew, 1, 2)});
}

TEST_F(BibleSearchTest, AllWordsQueryTakesMoreWordsThanAJoinCould) {
    // A join of SQLite stops at 64 tables, an expression at 1000 levels: 70
    // and 1,200 words run, and find nothing since no verse holds the unknown
    // ones.
    for (int count : {70, 1200}) {
        QList<int> words{1, 3, 4};
        while (words.size() < count)
            words << 1000 + int(words.size());
        QList<int> rising, falling; // counts that lead by the first word, by the last
        for (int k = 0; k < words.size(); ++k) {
            rising << k;
            falling << int(words.size()) - k;
        }
        for (const QList<int>& hits : {QList<int>(), rising, falling}) {
            EXPECT_NO_THROW(dm().OpenAllWordsSearch(words, QString(), hits)) << count;
            EXPECT_EQ(dm().qrySearch.RecordCount(), 0) << count;
        }
    }
    // Forty words of one verse find it, not the verse that lacks the most
    // frequent of them, whichever way they are counted.
    QList<int> forty, last, first;
    for (int k = 0; k < kManyWords; ++k) {
        forty << kFirstManyWord + k;
        last << (k == 0 ? 500 : k == kManyWords - 1 ? 1000 : k + 1);
        first << k;
    }
    for (const QList<int>& hits : {QList<int>(), last, first}) {
        dm().OpenAllWordsSearch(forty, QString(), hits);
        EXPECT_EQ(ids(dm().qrySearch), QList<int>{verseID(dm(), Matthew, 1, 2)}) << hits.size();
    }
    // Seventy copies of the two words of one verse find it once.
    QList<int> many;
    for (int k = 0; k < 35; ++k)
        many << 1 << 3;
    dm().OpenAllWordsSearch(many, QString());
    EXPECT_EQ(ids(dm().qrySearch), QList<int>{verseID(dm(), Matthew, 1, 2)});
}

TEST_F(BibleSearchTest, PhraseScopesDifferFromTheAllWordsScopes) {
    // Each phrase filter on the Bible table holds the books the scan takes.
    TTable& b = dm().tblBible;
    for (int scope = 0; scope < 5; ++scope) {
        b.SetFilter(PhraseScopeFilter(scope, Psalms));
        b.SetFiltered(true);
        int inScope = 0;
        for (b.First(); !b.Eof(); b.Next()) {
            EXPECT_TRUE(InPhraseScope(scope, Psalms, b.FieldByName("BookID")->AsInteger()));
            ++inScope;
        }
        TPhraseSearch search(dm());
        // " speaks of grace" is in every generated verse; the fixed ones are few.
        const int fixedVerses = scope <= 1 ? 7 : 0;
        EXPECT_EQ(search.Matches(QStringLiteral("SPEAKS OF"), false, scope, Psalms).size(),
                  inScope - fixedVerses)
            << scope;
    }
    b.SetFilter(QString());
    // Books above 80 are Old Testament for the all-words search only.
    EXPECT_FALSE(InPhraseScope(2, 0, Manasseh));
    EXPECT_TRUE(InPhraseScope(3, 0, Manasseh));
    dm().OpenAllWordsSearch({6}, TMainDM::AllWordsScopeClause(2));
    int manasseh = 0;
    for (int id : ids(dm().qrySearch, "BookID"))
        manasseh += id == Manasseh;
    EXPECT_EQ(manasseh, 4);
}

TEST_F(BibleSearchTest, PhraseMatchesBySubstringWithOrWithoutCase) {
    const int m1 = verseID(dm(), Matthew, 1, 1), m2 = verseID(dm(), Matthew, 1, 2),
              m3 = verseID(dm(), Matthew, 1, 3), m4 = verseID(dm(), Matthew, 1, 4),
              m5 = verseID(dm(), Matthew, 1, 5), m6 = verseID(dm(), Matthew, 1, 6);
    // Matthew 1:7 and the generated verses are left out below.
    struct Case {
        const char* needle;
        bool caseSensitive;
        QList<int> found;
    } cases[] = {
        {"the light", false, {m3, m5}},
        {"THE LIGHT", true, {}},
        {"the light", true, {m3, m5}},
        {"light", false, {m2, m3, m5}},
        {"light ", false, {m5}},              // a trailing blank asks for a blank after it
        {"in ", false, {m1, m2, m3, m4, m6}}, // not "come in."
        {"begin", false, {m1, m6}},           // part of a word
        {"In", true, {m1}},
        {"WITHIN", false, {m6}},
        {"", false, {}}, // an empty needle never matches
        {"loved the world; in", false, {m2}},
        {"in.", false, {m5}},
    };
    TPhraseSearch search(dm());
    for (const Case& c : cases) {
        QList<int> found = search.Matches(QString::fromLatin1(c.needle), c.caseSensitive, 1, 0);
        found.removeIf([&](int id) { return id > m6; });
        EXPECT_EQ(found, c.found) << c.needle << " case " << c.caseSensitive;
    }
}

TEST_F(BibleSearchTest, PhraseResultsReplaceTheTableInOneBatchWithProgress) {
    TTable& out = dm().tblSearchResults;
    out.Open();
    TPhraseSearch search(dm());
    QList<int> steps;
    QStringList books;
    const int n =
        search.Run(QStringLiteral("grace"), false, 0, 0, [&](int found, const QString& b) {
            steps << found;
            books << b;
        });
    // Every generated verse speaks of grace: all verses but the seven fixed ones.
    TTable& b = dm().tblBible;
    EXPECT_EQ(n, b.RecordCount() - 7);
    EXPECT_EQ(out.RecordCount(), n);
    EXPECT_EQ(steps.size(), b.RecordCount() / 50);
    // The scan goes in book ID order: verses 50, 100, 150.
    EXPECT_EQ(books, QStringList({"Matthew", "Genesis", "Psalms"}));
    // The table lists its rows by book order (Genesis 1, Revelation 96).
    out.First();
    EXPECT_EQ(out.FieldByName("VerseID")->AsInteger(), verseID(dm(), Genesis, 1, 1));
    EXPECT_EQ(out.FieldByName("BookOrder")->AsInteger(), 1);
    EXPECT_EQ(out.FieldByName("Citation")->AsString(), "Genesis 1:1");
    out.Last();
    EXPECT_EQ(out.FieldByName("Citation")->AsString(), "Revelation 1:2");
    EXPECT_EQ(out.FieldByName("BookOrder")->AsInteger(), 96);

    // A search that finds nothing leaves an empty table; a failed one the old rows.
    EXPECT_EQ(search.Run(QStringLiteral("nowhere"), false, 0, 0), 0);
    EXPECT_EQ(out.RecordCount(), 0);
    search.Run(QStringLiteral("light"), false, 1, 0);
    EXPECT_EQ(out.RecordCount(), 4); // Matthew 1:2, 3, 5 and 7
    EXPECT_THROW(search.Run(QStringLiteral("grace"), false, 0, 0,
                            [](int, const QString&) { throw EDatabaseError("stopped"); }),
                 EDatabaseError);
    EXPECT_EQ(out.RecordCount(), 4);
}

} // namespace
