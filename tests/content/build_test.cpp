// Runs the content builder and reads what it wrote back through the table
// engine. Skipped when the SWORD module of the Bible is not installed.

#include "BibleTables.h"
#include "BuiltContent.h"
#include "ContentBuilder.h"
#include "Pictures.h"
#include "Schema.h"
#include "SwordBible.h"
#include "TableEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// One build shared by every test of this file: the builder skips a build
// that is up to date, and the lock keeps parallel test processes in turn.
class ContentBuild : public ::testing::Test {
protected:
    static void SetUpTestSuite() { content = &BuiltContent::Get(); }
    static void TearDownTestSuite() { BuiltContent::Release(); }
    void SetUp() override {
        if (!content->Available)
            GTEST_SKIP() << "The SWORD module " << kSwordModuleName << " is not installed";
        ASSERT_EQ(content->First.exitCode, 0) << content->First.output.toStdString();
        ASSERT_EQ(content->Second.exitCode, 0) << content->Second.output.toStdString();
        out = content->Out;
        second = content->Second;
    }

    static std::unique_ptr<TTable> open(const QString& file, const QString& index = QString()) {
        auto t = std::make_unique<TTable>();
        t->SetDatabaseName(DatabaseAlias);
        t->SetTableName(file);
        if (!index.isEmpty())
            t->SetIndexName(index);
        t->SetReadOnly(true);
        t->Open();
        return t;
    }
    static QString verse(int book, int chapter, int verseNo) {
        auto bible = open(QStringLiteral("Bible.DB"), QStringLiteral("ndxBible1"));
        if (!bible->FindKey({book, chapter, verseNo}))
            return QStringLiteral("(missing)");
        return bible->FieldByName(QStringLiteral("Text"))->AsString();
    }

    static inline const BuiltContent* content = nullptr;
    QString out;
    BuilderRun second;
};

} // namespace

TEST_F(ContentBuild, EveryTableOpensWithEveryIndex) {
    for (const TTableDef& def : ContentTables()) {
        for (const TIndexDef& index : def.Indexes) {
            std::unique_ptr<TTable> t;
            EXPECT_NO_THROW(t = open(def.FileName, index.Name))
                << def.FileName.toStdString() << " " << index.Name.toStdString();
        }
        if (def.Indexes.isEmpty()) {
            EXPECT_NO_THROW(open(def.FileName)) << def.FileName.toStdString();
        }
    }
}

TEST_F(ContentBuild, SecondRunIsSkippedAsUpToDate) {
    EXPECT_TRUE(second.output.contains(QStringLiteral("up to date")))
        << second.output.toStdString();
    EXPECT_TRUE(
        QFileInfo::exists(out + QStringLiteral("/DataEng/") + QString::fromLatin1(kStampFileName)));
    EXPECT_TRUE(QDir(out)
                    .entryList({QStringLiteral(".content-build-*")}, QDir::Dirs | QDir::Hidden)
                    .isEmpty());
}

TEST_F(ContentBuild, BooksVersesAndKnownTexts) {
    EXPECT_EQ(open(QStringLiteral("BibleBooks.db"))->RecordCount(), 80);
    // 37,457 verses of the source and the 41 numbers it leaves out, as empty rows.
    EXPECT_EQ(open(QStringLiteral("Bible.DB"))->RecordCount(), 37498);
    EXPECT_EQ(verse(3, 17, 36), QString());
    EXPECT_EQ(verse(5, 8, 37), QString());
    EXPECT_TRUE(verse(5, 8, 38).startsWith(QStringLiteral("He commanded the chariot")));

    EXPECT_EQ(
        verse(4, 3, 16),
        QStringLiteral("For God so loved the world, that he gave his only born Son, that whoever "
                       "believes in him should not perish, but have eternal life."));
    EXPECT_EQ(
        verse(67, 1, 1),
        QStringLiteral("The book of the words of Tobit, the son of Tobiel, the son of Ananiel, "
                       "the son of Aduel, the son of Gabael, of the seed of Asiel, of the tribe "
                       "of Naphtali;"));
    EXPECT_EQ(verse(28, 1, 1),
              QStringLiteral("In the beginning, God created the heavens and the earth."));
    EXPECT_EQ(verse(46, 23, 1), QStringLiteral("Yahweh is my shepherd; I shall lack nothing."));
    EXPECT_EQ(verse(27, 22, 21),
              QStringLiteral("The grace of the Lord Jesus Christ be with all the saints. Amen."));

    auto byName = open(QStringLiteral("BibleBooks.db"), QStringLiteral("ndxBookName"));
    ASSERT_TRUE(byName->FindKey({QStringLiteral("Psalms")}));
    EXPECT_EQ(byName->FieldByName(QStringLiteral("ID"))->AsInteger(), 46);
    auto byID = open(QStringLiteral("BibleBooks.db"), QStringLiteral("ndxBookID"));
    ASSERT_TRUE(byID->FindKey({45}));
    EXPECT_EQ(byID->FieldByName(QStringLiteral("BookName"))->AsString(), QStringLiteral("Job"));
    ASSERT_TRUE(byID->FindKey({1}));
    EXPECT_EQ(byID->FieldByName(QStringLiteral("BookName"))->AsString(), QStringLiteral("Matthew"));
    ASSERT_TRUE(byID->FindKey({67}));
    EXPECT_EQ(byID->FieldByName(QStringLiteral("BookName"))->AsString(), QStringLiteral("Tobit"));

    auto translations = open(QStringLiteral("Translations.DB"));
    ASSERT_EQ(translations->RecordCount(), 1);
    EXPECT_EQ(translations->FieldByName(QStringLiteral("ShortName"))->AsString(),
              QStringLiteral("WEB"));
}

TEST_F(ContentBuild, ConcordanceMatchesTheVerseTexts) {
    // Recount the words of every verse as stored.
    QHash<QString, int> hits;
    QHash<QString, int> verses;
    int verseCount = 0;
    auto bible = open(QStringLiteral("Bible.DB"), QStringLiteral("ndxBible1"));
    for (bible->First(); !bible->Eof(); bible->Next()) {
        ++verseCount;
        QSet<QString> seen;
        for (const QString& w :
             VerseWords(bible->FieldByName(QStringLiteral("Text"))->AsString())) {
            if (w.size() > 16)
                continue;
            ++hits[w];
            if (!seen.contains(w)) {
                seen.insert(w);
                ++verses[w];
            }
        }
    }
    ASSERT_EQ(verseCount, 37498);

    auto bw = open(QStringLiteral("BW.db"));
    EXPECT_EQ(bw->RecordCount(), hits.size());
    long included = 0, expectedRows = 0;
    for (bw->First(); !bw->Eof(); bw->Next()) {
        const QString word = bw->FieldByName(QStringLiteral("TheWord"))->AsString();
        ASSERT_EQ(word, word.toUpper());
        ASSERT_EQ(bw->FieldByName(QStringLiteral("Hits"))->AsInteger(), hits.value(word))
            << word.toStdString();
        if (bw->FieldByName(QStringLiteral("Included"))->AsBoolean()) {
            ++included;
            expectedRows += verses.value(word);
        }
    }
    EXPECT_GT(included, 14000);
    EXPECT_EQ(open(QStringLiteral("WVN.DB"))->RecordCount(), expectedRows);

    // The concordance rows of one word lead to verses that hold it.
    ASSERT_TRUE(bw->FindKey({QStringLiteral("BETHLEHEM")}));
    const int id = bw->FieldByName(QStringLiteral("WordID"))->AsInteger();
    auto wvn = open(QStringLiteral("WVN.DB"), QStringLiteral("ndxWordID"));
    wvn->SetRange({id}, {id});
    EXPECT_EQ(wvn->RecordCount(), verses.value(QStringLiteral("BETHLEHEM")));
    auto byVerseID = open(QStringLiteral("Bible.DB"));
    for (wvn->First(); !wvn->Eof(); wvn->Next()) {
        ASSERT_TRUE(byVerseID->FindKey({wvn->FieldByName(QStringLiteral("VerseID"))->AsInteger()}));
        EXPECT_TRUE(byVerseID->FieldByName(QStringLiteral("Text"))
                        ->AsString()
                        .toUpper()
                        .contains(QStringLiteral("BETHLEHEM")));
        EXPECT_EQ(byVerseID->FieldByName(QStringLiteral("BookID"))->AsInteger(),
                  wvn->FieldByName(QStringLiteral("BookID"))->AsInteger());
    }
    // The most common words are left out of the search.
    auto omitted = open(QStringLiteral("BW.db"));
    ASSERT_TRUE(omitted->FindKey({QStringLiteral("THE")}));
    EXPECT_FALSE(omitted->FieldByName(QStringLiteral("Included"))->AsBoolean());
    ASSERT_TRUE(omitted->FindKey({QStringLiteral("GOD")}));
    EXPECT_TRUE(omitted->FieldByName(QStringLiteral("Included"))->AsBoolean());
}

TEST_F(ContentBuild, DayTablesAndServices) {
    EXPECT_EQ(open(QStringLiteral("Yearly.DB"))->RecordCount(), 366);
    EXPECT_EQ(open(QStringLiteral("Sundays.DB"))->RecordCount(), 61);
    EXPECT_EQ(open(QStringLiteral("Lent_HolyWeek.DB"))->RecordCount(), 62);
    EXPECT_EQ(open(QStringLiteral("FiftyDays.DB"))->RecordCount(), 49);
    EXPECT_EQ(open(QStringLiteral("SynxHead.db"))->RecordCount(), 366);
    EXPECT_EQ(open(QStringLiteral("Verses.DB"))->RecordCount(), 366);

    // The services that the main window looks up by name. A range of days
    // sorts them by ID (1..4 the daily services, above 4 the hours); the
    // service names of Holy Week and Palm Sunday take IDs 11..16 for the
    // hours of the night and 7 for the sixth hour of the day.
    auto times = open(QStringLiteral("ReadingTimes.DB"), QStringLiteral("ndxTime"));
    auto timeID = [&](const QString& name) {
        return times->FindKey({name}) ? times->FieldByName(QStringLiteral("ID"))->AsInteger() : 0;
    };
    EXPECT_EQ(timeID(QStringLiteral("Vespers")), 1);
    EXPECT_EQ(timeID(QStringLiteral("Matins")), 2);
    EXPECT_EQ(timeID(QStringLiteral("Liturgy")), 3);
    EXPECT_EQ(timeID(QStringLiteral("Evening")), 4);
    EXPECT_EQ(timeID(QStringLiteral("Sixth hour of the day")), 7);
    for (const char* hour : {"First", "Third", "Sixth", "Ninth", "Eleventh", "Twelfth"}) {
        const int day = timeID(QString::fromLatin1(hour) + QStringLiteral(" hour of the day"));
        EXPECT_TRUE(day >= 5 && day <= 10) << hour << " " << day;
    }
    for (const char* hour : {"First", "Third", "Sixth", "Ninth", "Eleventh"}) {
        const int night = timeID(QString::fromLatin1(hour) + QStringLiteral(" hour of the night"));
        EXPECT_TRUE(night >= 11 && night <= 16) << hour << " " << night;
    }
    auto types = open(QStringLiteral("VelmType.db"), QStringLiteral("ndxDesc"));
    for (const char* t : {"Holy Lent", "Holy Fifty Days", "Annual", "Sundays"})
        EXPECT_TRUE(types->FindKey({QString::fromLatin1(t)})) << t;

    auto lent = open(QStringLiteral("Lent_HolyWeek.DB"), QStringLiteral("ndxDaysFromEaster"));
    ASSERT_TRUE(lent->FindKey({7}));
    EXPECT_EQ(lent->FieldByName(QStringLiteral("DayName"))->AsString(),
              QStringLiteral("Palm Sunday"));
    const int palmSunday = lent->FieldByName(QStringLiteral("ID"))->AsInteger();
    ASSERT_TRUE(lent->FindKey({0}));
    const int easter = lent->FieldByName(QStringLiteral("ID"))->AsInteger();

    auto readings = open(QStringLiteral("Readings.DB"), QStringLiteral("ndxReadings2"));
    auto services = [&](int velmType, int dayID) {
        QSet<int> s;
        readings->SetRange({velmType, dayID}, {velmType, dayID});
        for (readings->First(); !readings->Eof(); readings->Next())
            s.insert(readings->FieldByName(QStringLiteral("ReadingTime"))->AsInteger());
        return s;
    };
    EXPECT_EQ(services(1, palmSunday), (QSet<int>{1, 2, 3, 7, 8, 9, 11, 12, 13, 14, 15}));
    EXPECT_EQ(services(1, easter), (QSet<int>{2, 3, 4}));
    // The services the main window offers on the other days of the Lent table.
    auto lentServices = [&](int daysBefore) {
        return lent->FindKey({daysBefore})
                   ? services(1, lent->FieldByName(QStringLiteral("ID"))->AsInteger())
                   : QSet<int>{};
    };
    EXPECT_EQ(lentServices(1), (QSet<int>{1, 5, 6, 7, 8, 9})); // Joyous Saturday
    EXPECT_EQ(lentServices(8), (QSet<int>{2, 3}));             // Lazarus Saturday
    EXPECT_EQ(lentServices(20), (QSet<int>{2, 3}));            // a weekday of Great Lent
    EXPECT_EQ(lentServices(49), (QSet<int>{1, 2, 3, 4}));      // a Sunday of Great Lent
    EXPECT_EQ(lentServices(56), (QSet<int>{1, 2, 3, 4}));      // the Sunday before Lent
    EXPECT_EQ(lentServices(57), (QSet<int>{1, 2, 3}));         // an ordinary Saturday
    EXPECT_EQ(lentServices(66), (QSet<int>{2, 3}));            // Jonah's Passover
    EXPECT_TRUE(
        services(1, lent->FindKey({2}) ? lent->FieldByName(QStringLiteral("ID"))->AsInteger() : 0)
            .contains(10));

    // Every Annual day of Kiahk has readings of its own or borrows them.
    auto yearly = open(QStringLiteral("Yearly.DB"), QStringLiteral("ndxMonthDay"));
    for (int d = 1; d <= 30; ++d) {
        ASSERT_TRUE(yearly->FindKey({4, d}));
        if (yearly->FieldByName(QStringLiteral("FromMonth"))->AsInteger() == 0) {
            EXPECT_TRUE(
                services(3, yearly->FieldByName(QStringLiteral("DayID"))->AsInteger()).contains(3))
                << d;
        }
    }
    ASSERT_TRUE(yearly->FindKey({1, 29}));
    EXPECT_EQ(yearly->FieldByName(QStringLiteral("FromMonth"))->AsInteger(), 7);
    EXPECT_EQ(yearly->FieldByName(QStringLiteral("FromDay"))->AsInteger(), 29);
}

TEST_F(ContentBuild, EveryReadingIsAPassageOfTheBible) {
    auto bible = open(QStringLiteral("Bible.DB"), QStringLiteral("ndxBible1"));
    auto readings = open(QStringLiteral("Readings.DB"), QStringLiteral("ndxReadings2"));
    int psalmPairs = 0;
    int prevDay = -1, prevTime = -1, prevOrder = -1, prevBook = -1;
    for (readings->First(); !readings->Eof(); readings->Next()) {
        auto f = [&](const char* n) {
            return readings->FieldByName(QString::fromLatin1(n))->AsInteger();
        };
        const int book = f("BookID"), sc = f("StartChapter"), sv = f("StartVerse"),
                  ec = f("EndChapter"), ev = f("EndVerse");
        EXPECT_TRUE(bible->FindKey({book, sc, sv})) << book << " " << sc << ":" << sv;
        EXPECT_TRUE(bible->FindKey({book, ec, ev})) << book << " " << ec << ":" << ev;
        EXPECT_GE(f("ReadingType"), 1);
        EXPECT_LE(f("ReadingType"), 6);
        const int day = f("VelmType") * 10000 + f("DayID");
        if (day == prevDay && f("ReadingTime") == prevTime) {
            EXPECT_GE(f("Order"), prevOrder);
            psalmPairs += f("Order") == prevOrder && book == 46 && prevBook == 46;
        }
        prevDay = day, prevTime = f("ReadingTime"), prevOrder = f("Order"), prevBook = book;
    }
    EXPECT_GT(psalmPairs, 100);
}

TEST_F(ContentBuild, SynaxariumAndPictures) {
    auto detail = open(QStringLiteral("SynxDetail.DB"), QStringLiteral("ndxSynxIDNumber"));
    auto head = open(QStringLiteral("SynxHead.db"), QStringLiteral("ndxMonthDay"));
    for (int d = 1; d <= 30; ++d) {
        ASSERT_TRUE(head->FindKey({4, d}));
        EXPECT_TRUE(detail->FindKey({head->FieldByName(QStringLiteral("ID"))->AsInteger(), 1}))
            << "Kiahk " << d;
    }
    int links = 0, pictures = 0;
    for (detail->First(); !detail->Eof(); detail->Next()) {
        auto f = [&](const char* n) { return detail->FieldByName(QString::fromLatin1(n)); };
        if (f("LinkNum")->AsInteger() > 0) {
            ++links;
            ASSERT_TRUE(head->FindKey({f("LinkMonth")->AsInteger(), f("LinkDay")->AsInteger()}));
        }
        if (!f("PictureFile")->AsString().isEmpty()) {
            ++pictures;
            EXPECT_TRUE(IsJpeg(out + QStringLiteral("/pict/") + f("PictureFile")->AsString()));
        }
    }
    EXPECT_GT(links, 5);
    EXPECT_GT(pictures, 5);

    auto saints = open(QStringLiteral("SynxSaints.DB"), QStringLiteral("ndxName"));
    int dividers = 0;
    for (saints->First(); !saints->Eof(); saints->Next()) {
        const QString name = saints->FieldByName(QStringLiteral("Name"))->AsString();
        EXPECT_EQ(name, name.toUpper()); // the index seeks names in capitals
        if (name.size() == 1) {
            ++dividers;
            continue;
        }
        EXPECT_TRUE(
            detail->FindKey({saints->FieldByName(QStringLiteral("SynxID"))->AsInteger(),
                             saints->FieldByName(QStringLiteral("SynxNumber"))->AsInteger()}))
            << name.toStdString();
    }
    EXPECT_GT(dividers, 5);

    const QMap<QString, QString> named = ProgramPictures();
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        EXPECT_TRUE(IsJpeg(out + QStringLiteral("/pict/") + it.key())) << it.key().toStdString();
    auto yearly = open(QStringLiteral("Yearly.DB"));
    for (yearly->First(); !yearly->Eof(); yearly->Next()) {
        const QString file = yearly->FieldByName(QStringLiteral("PictureFile"))->AsString();
        if (!file.isEmpty()) {
            EXPECT_TRUE(IsJpeg(out + QStringLiteral("/pict/") + file)) << file.toStdString();
        }
    }
}

// A failed build leaves the content that was there alone.
TEST(ContentBuildFailure, MissingModuleLeavesTheOldContent) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("DataEng"));
    QDir().mkpath(data);
    QFile marker(data + QStringLiteral("/old.txt"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("old");
    marker.close();

    try {
        BuildContent(dir.path(), true, {}, "evelmNoSuchModule");
        FAIL() << "the build went on without its module";
    } catch (const std::exception& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("evelmNoSuchModule")));
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("sword-text-web")));
    }
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/old.txt")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("pict"))));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList({QStringLiteral(".content-build-*")}, QDir::Dirs | QDir::Hidden)
                    .isEmpty());
}

TEST(ContentBuildFailure, HalfWrittenContentIsReplaced) {
    if (SwordModuleVersion().isEmpty())
        GTEST_SKIP() << "The SWORD module " << kSwordModuleName << " is not installed";
    QTemporaryDir dir;
    // A DataEng without its stamp, as an interrupted copy would leave it.
    QDir().mkpath(dir.filePath(QStringLiteral("DataEng")));
    QFile junk(dir.filePath(QStringLiteral("DataEng/")) + DatabaseFileName());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database");
    junk.close();

    const BuilderRun r = RunBuilder(dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_FALSE(r.output.contains(QStringLiteral("up to date")));
    QFile db(dir.filePath(QStringLiteral("DataEng/")) + DatabaseFileName());
    EXPECT_GT(db.size(), 1000000);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("DataEng/")) +
                                  QString::fromLatin1(kStampFileName)));
}

TEST(ContentBuildFailure, UnwritableOutputFolderIsReported) {
    if (SwordModuleVersion().isEmpty())
        GTEST_SKIP() << "The SWORD module " << kSwordModuleName << " is not installed";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("plainfile")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const BuilderRun r = RunBuilder(dir.filePath(QStringLiteral("plainfile")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.contains(QStringLiteral("Cannot create the folder")))
        << r.output.toStdString();
}
