// Every filter text and local SQL text that the windows give the data
// module's datasets, run on the fixture: each must translate, and each must
// keep exactly the rows its scope means.

#include "MainDMTest.h"

#include <QSet>

#include <algorithm>

using namespace Fixture;

namespace {

using BookTest = std::function<bool(int)>;

// Rows of a dataset (from the first) as the values of one integer field.
QList<int> column(TDataSet& ds, const char* field) {
    QList<int> values;
    for (ds.First(); !ds.Eof(); ds.Next())
        values << ds.FieldByName(field)->AsInteger();
    return values;
}

QList<int> sorted(QList<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

// A second New Testament translation and an Old Testament book of another
// translation: the Bible reader's translation check must drop both, which
// shows that "and" binds tighter than "or" in the appended filter.
constexpr int OtherNT = 3, OtherOT = 30, OtherLate = 82;

class WindowTextsTest : public MainDMTest {
protected:
    void AddRows(TFixtureDatabase& db) override {
        const QStringList f = {"ID",        "BookName",    "BookType",
                               "BookOrder", "Translation", "MoreInfo"};
        db.Insert("BibleBooks.db", f, {OtherNT, "Other Luke", 1, 90, 2, QString()});
        db.Insert("BibleBooks.db", f, {OtherOT, "Other Exodus", 2, 91, 2, QString()});
        db.Insert("BibleBooks.db", f, {OtherLate, "Other Esdras", 3, 92, 2, QString()});
    }

    // The Bible reader's FilterBooks: scope text, then the translation check.
    static QString bookFilter(const QString& scope, bool nkjv) {
        QString filter = scope;
        if (nkjv)
            filter = filter.isEmpty() ? QStringLiteral("(Translation=1)")
                                      : filter + QStringLiteral(" and (Translation=1)");
        return filter;
    }

    QList<int> allBookIDs() {
        dm().tblBookNamesFiltered.SetFilter(QString());
        return sorted(column(dm().tblBookNamesFiltered, "ID"));
    }

    // The rows of the detail table of every word, under the current filter.
    QList<int> wordVerseBooks() {
        QList<int> books;
        for (dm().tblBibleWords.First(); !dm().tblBibleWords.Eof(); dm().tblBibleWords.Next())
            books << column(dm().tblWordVerse, "BookID");
        return sorted(books);
    }
};

// ---- book list of the Bible reader ------------------------------------------

TEST_F(WindowTextsTest, BookScopesKeepTheirBooks) {
    // t: the book is of translation 1; the appended check binds to the last
    // term only.
    using Test = std::function<bool(int, bool)>;
    struct Case {
        QString scope;
        Test in, inWithCheck;
    };
    const QList<Case> cases = {
        {QString(), [](int, bool) { return true; }, [](int, bool t) { return t; }},
        {"ID < 28", [](int id, bool) { return id < 28; },
         [](int id, bool t) { return id < 28 && t; }},
        {"(ID > 27)and(ID < 67) or (ID > 80)",
         [](int id, bool) { return (id > 27 && id < 67) || id > 80; },
         [](int id, bool t) { return (id > 27 && id < 67) || (id > 80 && t); }},
        {"(ID > 66) and (ID<=80)", [](int id, bool) { return id > 66 && id <= 80; },
         [](int id, bool t) { return id > 66 && id <= 80 && t; }},
    };
    const QList<int> all = allBookIDs();
    ASSERT_EQ(all.size(), 12);
    for (const Case& c : cases) {
        for (bool nkjv : {false, true}) {
            QList<int> expected;
            for (int id : all) {
                const bool t = id != OtherNT && id != OtherOT && id != OtherLate;
                if ((nkjv ? c.inWithCheck : c.in)(id, t))
                    expected << id;
            }
            const QString filter = bookFilter(c.scope, nkjv);
            dm().tblBookNamesFiltered.SetFilter(filter);
            EXPECT_EQ(sorted(column(dm().tblBookNamesFiltered, "ID")), expected)
                << filter.toStdString();
            EXPECT_EQ(dm().tblBookNamesFiltered.RecordCount(), expected.size())
                << filter.toStdString();
        }
    }
}

TEST_F(WindowTextsTest, TranslationCheckBindsTighterThanTheOr) {
    dm().tblBookNamesFiltered.SetFilter(bookFilter("(ID > 27)and(ID < 67) or (ID > 80)", true));
    const QList<int> ids = column(dm().tblBookNamesFiltered, "ID");
    EXPECT_TRUE(ids.contains(OtherOT)); // the first branch has no translation test
    EXPECT_FALSE(ids.contains(OtherLate));
    EXPECT_TRUE(ids.contains(Manasseh));
}

// ---- scopes of the concordance and of the phrase search ------------------------

TEST_F(WindowTextsTest, ConcordanceScopesKeepTheirVerses) {
    struct Case {
        QString filter;
        BookTest in;
    };
    const QList<Case> cases = {
        {"BookID < 28", [](int b) { return b < 28; }},
        {"(BookID > 27)and(BookID < 67) or (BookID > 80)",
         [](int b) { return (b > 27 && b < 67) || b > 80; }},
        {"BookID > 66", [](int b) { return b > 66; }},
        {QStringLiteral("(BookID = %1)").arg(Mark), [](int b) { return b == Mark; }},
    };
    const QList<int> all = wordVerseBooks();
    ASSERT_FALSE(all.isEmpty());
    dm().tblWordVerse.SetFiltered(true);
    for (const Case& c : cases) {
        QList<int> expected;
        std::copy_if(all.begin(), all.end(), std::back_inserter(expected), c.in);
        ASSERT_FALSE(expected.isEmpty()) << c.filter.toStdString();
        dm().tblWordVerse.SetFilter(c.filter);
        EXPECT_EQ(wordVerseBooks(), expected) << c.filter.toStdString();
    }
    dm().tblWordVerse.SetFilter(QString());
    EXPECT_EQ(wordVerseBooks(), all);
}

TEST_F(WindowTextsTest, PhraseScopesKeepTheirVerses) {
    struct Case {
        QString filter;
        BookTest in;
    };
    const QList<Case> cases = {
        {"BookID < 28 ", [](int b) { return b < 28; }},
        {"(BookID >= 28) AND (BookID<= 66) ", [](int b) { return b >= 28 && b <= 66; }},
        {"BookID > 66 ", [](int b) { return b > 66; }},
        {QStringLiteral("BookID = %1 ").arg(Psalms), [](int b) { return b == Psalms; }},
    };
    TTable& bible = dm().tblBible;
    bible.SetFilter(QString());
    const QList<int> all = sorted(column(bible, "BookID"));
    for (const Case& c : cases) {
        QList<int> expected;
        std::copy_if(all.begin(), all.end(), std::back_inserter(expected), c.in);
        ASSERT_FALSE(expected.isEmpty()) << c.filter.toStdString();
        bible.SetFilter(c.filter);
        EXPECT_EQ(sorted(column(bible, "BookID")), expected) << c.filter.toStdString();
        EXPECT_EQ(bible.RecordCount(), expected.size()) << c.filter.toStdString();
    }
}

// ---- the data module's own filters --------------------------------------------

TEST_F(WindowTextsTest, FixedFiltersSplitTheirTables) {
    dm().tblBibleOmittedWords.Open();
    const int included = dm().tblBibleWords.RecordCount();
    const int omitted = dm().tblBibleOmittedWords.RecordCount();
    EXPECT_EQ(included, 6);
    EXPECT_EQ(omitted, 2);
    for (dm().tblBibleOmittedWords.First(); !dm().tblBibleOmittedWords.Eof();
         dm().tblBibleOmittedWords.Next())
        EXPECT_FALSE(dm().tblBibleOmittedWords.FieldByName("Included")->AsBoolean());

    TTable& pict = dm().tblSynxDtailByPictSaint;
    EXPECT_EQ(pict.Filter(), QStringLiteral("PictSaintName<>''"));
    EXPECT_EQ(pict.RecordCount(), 4); // the entry without a picture is hidden
    for (pict.First(); !pict.Eof(); pict.Next())
        EXPECT_FALSE(pict.FieldByName("PictSaintName")->AsString().isEmpty());
}

// ---- local SQL of the Bible search and the icons list --------------------------

class WindowSqlTest : public MainDMTest {
protected:
    // The all-words SQL of the Bible search for word IDs and a scope clause.
    static QString allWordsSql(const QList<int>& ids, const QString& clause) {
        QString sql = QStringLiteral("SELECT v1.BookOrder, v1.VERSEID FROM WVN  V1 ");
        for (int k = 2; k <= ids.size(); ++k)
            sql += QStringLiteral(" JOIN WVN V%1 ON v%2.VerseID = v%1.VerseID ").arg(k).arg(k - 1);
        sql += QStringLiteral(" Where V1.WordID = %1 ").arg(ids[0]);
        for (int k = 2; k <= ids.size(); ++k)
            sql += QStringLiteral(" AND V%1.WordID =%2 ").arg(k).arg(ids[k - 1]);
        if (!clause.isEmpty())
            sql += QStringLiteral(" AND ") + clause;
        sql += QStringLiteral(" ORDER BY BookOrder, VerseID");
        return sql;
    }

    struct WordRow {
        int word, verse, book, order;
    };

    // The word-verse table read straight, without the detail link.
    QList<WordRow> wordRows() {
        TTable wvn;
        wvn.SetDatabaseName(DatabaseAlias);
        wvn.SetTableName("WVN.DB");
        wvn.Open();
        QList<WordRow> rows;
        for (wvn.First(); !wvn.Eof(); wvn.Next())
            rows << WordRow{
                wvn.FieldByName("WordID")->AsInteger(), wvn.FieldByName("VerseID")->AsInteger(),
                wvn.FieldByName("BookID")->AsInteger(), wvn.FieldByName("BookOrder")->AsInteger()};
        return rows;
    }

    // Verses holding every word, in book order then verse, one row per
    // combination of their word rows as the join gives them.
    QList<int> expectedVerses(const QList<int>& ids, const BookTest& in) {
        const QList<WordRow> rows = wordRows();
        QList<QPair<int, int>> found; // (book order, verse)
        QSet<int> seen;
        for (const WordRow& r : rows) {
            if (r.word != ids[0] || !in(r.book))
                continue;
            int combos = 1;
            for (int k = 1; k < ids.size(); ++k)
                combos *= int(std::count_if(rows.begin(), rows.end(), [&](const WordRow& o) {
                    return o.word == ids[k] && o.verse == r.verse;
                }));
            for (int i = 0; i < combos; ++i)
                found << qMakePair(r.order, r.verse);
        }
        std::sort(found.begin(), found.end());
        QList<int> verses;
        for (const auto& p : found)
            verses << p.second;
        return verses;
    }
};

TEST_F(WindowSqlTest, InitialSearchTextFindsTheCountedVerse) {
    TQuery& q = dm().qrySearch;
    const int verse = wordRows().first().verse;
    q.ParamByName("count")->SetAsInteger(verse);
    q.Open();
    EXPECT_GE(q.RecordCount(), 1);
    for (q.First(); !q.Eof(); q.Next())
        EXPECT_EQ(q.FieldByName("VerseID")->AsInteger(), verse);
}

TEST_F(WindowSqlTest, AllWordsTextWithEveryScopeClause) {
    struct Scope {
        QString clause;
        BookTest in;
    };
    const QList<Scope> scopes = {
        {QString(), [](int) { return true; }},
        {" BookID < 28 ", [](int b) { return b < 28; }},
        {" (BookID BETWEEN 28 AND 66 OR BookID>80) ",
         [](int b) { return (b >= 28 && b <= 66) || b > 80; }},
        {" (BookID > 66) ", [](int b) { return b > 66; }},
        {QStringLiteral(" BookID = %1 ").arg(Genesis), [](int b) { return b == Genesis; }},
    };
    // GRACE is in the generated verses of every book; GOD, LOVE, LIGHT and IN
    // meet in the first chapter of Matthew.
    const QList<QList<int>> searches = {{6}, {1, 2}, {1, 2, 3}, {2, 3, 4}};
    TQuery& q = dm().qrySearch;
    for (const QList<int>& ids : searches) {
        for (const Scope& s : scopes) {
            const QString sql = allWordsSql(ids, s.clause);
            q.Close();
            q.SetSQL(sql);
            ASSERT_NO_THROW(q.Open()) << sql.toStdString();
            EXPECT_EQ(column(q, "VerseID"), expectedVerses(ids, s.in)) << sql.toStdString();
            EXPECT_EQ(q.RecordCount(), expectedVerses(ids, s.in).size()) << sql.toStdString();
        }
    }
}

TEST_F(WindowSqlTest, IconsListTextGivesEachPictureOnce) {
    TQuery& q = dm().qrySynx;
    q.Open();
    QStringList names;
    for (q.First(); !q.Eof(); q.Next()) {
        names << q.FieldByName("PictSaintName")->AsString();
        EXPECT_FALSE(q.FieldByName("PictureFile")->AsString().isEmpty());
    }
    EXPECT_EQ(names, (QStringList{"St. Bartholomew", "St. John the Baptist", "The Nativity"}));
}

} // namespace
