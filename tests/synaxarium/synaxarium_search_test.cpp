// The Synaxarium look-ups without windows: ASCII capitals, the keyword
// pieces of a highlighted text, the search over every entry, the seek of the
// saints index and the find of the icons list.

#include "DMMain.h"
#include "SynxFixture.h"
#include "SynxSearch.h"
#include "TableEngine.h"

#include <gtest/gtest.h>

using namespace SynxFixture;

namespace {

QStringList Names(const QList<TSynxSearchHit>& hits) {
    QStringList names;
    for (const TSynxSearchHit& h : hits)
        names << h.Name;
    return names;
}

} // namespace

TEST(SynxHighlight, AsciiCapitalsOnly) {
    EXPECT_EQ(AsciiUpper(QStringLiteral("mar Mark z{")), "MAR MARK Z{");
    // Letters beyond ASCII keep their case and the text its length.
    EXPECT_EQ(AsciiUpper(QString::fromUtf8("straße é")), QString::fromUtf8("STRAßE é"));
}

TEST(SynxHighlight, PiecesAtEveryCapitalKeyword) {
    using P = QList<TTextPiece>;
    struct Case {
        const char* text;
        const char* keyword;
        P pieces;
    } cases[] = {
        {"Abba Hor met abba hor.",
         "ABBA HOR",
         {{"Abba Hor", true}, {" met ", false}, {"abba hor", true}, {".", false}}},
        {"one Mark two", "MARK", {{"one ", false}, {"Mark", true}, {" two", false}}},
        // Lower case, one character and none never match.
        {"one Mark two", "mark", {{"one Mark two", false}}},
        {"a b a", "A", {{"a b a", false}}},
        {"a b a", "", {{"a b a", false}}},
        {"", "MARK", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HighlightPieces(c.text, c.keyword), c.pieces) << c.text << " / " << c.keyword;
}

TEST(SynxHighlight, ResultKeysAndCaption) {
    int id = 0, number = 0;
    EXPECT_EQ(SearchResultKey(12, 3), "12?3");
    EXPECT_TRUE(ParseSearchResultKey("12?3", id, number));
    EXPECT_EQ(id, 12);
    EXPECT_EQ(number, 3);
    EXPECT_FALSE(ParseSearchResultKey("123", id, number));
    EXPECT_EQ(MatchedCaption(1, "mar "), "(1 matches) for \"mar \"");
    EXPECT_EQ(MatchedCaption(0, ""), "(0 matches) for \"\"");
}

class SynxLookups : public SynxTest {};

TEST_F(SynxLookups, SearchByNameOrFullTextInIndexOrder) {
    TTable& detail = dm().tblSynxDetailSearch;
    struct Case {
        const char* text;
        bool full;
        QStringList names;
    } cases[] = {
        // Case-insensitive, in order of SynxID and Number, not by name.
        {"mar",
         false,
         {"The Martyrdom of Saint Bartholomew the Apostle",
          "The Martyrdom of Saint John the Baptist"}},
        {"THREE T", false, {"Three Two", "Three Three"}},
        // A trailing blank counts.
        {"entry 1 ", false, {}},
        {"entry 14", false, {"Entry 14"}},
        // Words of a story only with the full search.
        {"bethlehem", false, {}},
        {"bethlehem", true, {"The Nativity of our Lord"}},
        // Name and story meet only across "~".
        {"lord~on this", true, {"The Nativity of our Lord"}},
        {"lord on this", true, {}},
        {"", true, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(SearchSynaxarium(detail, c.text, c.full)), c.names) << c.text << c.full;
    const QList<TSynxSearchHit> hits = SearchSynaxarium(detail, "three t", false);
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[0].SynxID, Three);
    EXPECT_EQ(hits[0].Number, 2);
    EXPECT_EQ(hits[1].Number, 3);
}

TEST_F(SynxLookups, SaintSeekFindsTheNearestNameAndSaysWhetherItBegins) {
    TTable& saints = dm().tblSynxSaints;
    struct Case {
        const char* typed;
        const char* name; // the row the seek stands on
        bool found;
    } cases[] = {
        {"jo", "JOB THE RIGHTEOUS", true},
        {"  john ", "JOHN THE BAPTIST", true},
        {"jp", "N", false},
        {"", "B", true},
        // Typed capitals meet names in capitals only.
        {"sai", "Saint One", false},
        {"zz", "Second Keyword", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeekSaint(saints, c.typed), c.found) << c.typed;
        EXPECT_EQ(saints.FieldByName("Name")->AsString(), c.name) << c.typed;
    }
    EXPECT_TRUE(IsDividerName(" B "));
    EXPECT_FALSE(IsDividerName("JOB"));
}

TEST_F(SynxLookups, IconFindWrapsAndReturnsToWhereItBegan) {
    TQuery& icons = dm().qrySynx;
    icons.Open();
    auto name = [&] { return icons.FieldByName("PictSaintName")->AsString(); };
    ASSERT_EQ(name(), "Saint One Icon");
    // "st." twice, then nothing more: back where that find began.
    EXPECT_TRUE(FindNextRow(icons, "PictSaintName", "st.", true));
    EXPECT_EQ(name(), "St. Bartholomew");
    EXPECT_TRUE(FindNextRow(icons, "PictSaintName", "ST.", false));
    EXPECT_EQ(name(), "St. John the Baptist");
    EXPECT_FALSE(FindNextRow(icons, "PictSaintName", "ST.", false));
    EXPECT_EQ(name(), "St. John the Baptist");
    // From the top again; the very next row is found and kept.
    EXPECT_TRUE(FindNextRow(icons, "PictSaintName", "ST.", true));
    EXPECT_EQ(name(), "St. Bartholomew");
    EXPECT_TRUE(FindNextRow(icons, "PictSaintName", "JOHN", false));
    EXPECT_EQ(icons.RecNo(), 3);
    // A move that fails before anything is found puts the row back.
    int moves = 0;
    dm().ShowCurrentIcon = [&] {
        if (++moves == 2)
            throw std::runtime_error("no picture");
    };
    EXPECT_THROW(FindNextRow(icons, "PictSaintName", "NATIVITY", true), std::runtime_error);
    dm().ShowCurrentIcon = nullptr;
    EXPECT_EQ(icons.RecNo(), 3);
}
