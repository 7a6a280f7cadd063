// The data module on the built sample content: its start-up tables open in
// their order, and every reading of the lectionary gives its passage text.

#include "BuiltContent.h"
#include "DMMain.h"
#include "SwordBible.h"
#include "TableEngine.h"

#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class ContentDataModule : public ::testing::Test {
protected:
    void SetUp() override {
        const BuiltContent& c = BuiltContent::Get();
        if (!c.Available)
            GTEST_SKIP() << "The SWORD module " << kSwordModuleName << " is not installed";
        ASSERT_EQ(c.First.exitCode, 0) << c.First.output.toStdString();
        CreateMainDM();
        MainDM->OpenStartupTables();
    }
    void TearDown() override {
        if (MainDM) {
            MainDM->CloseAll();
            DestroyMainDM();
        }
        BuiltContent::Release();
    }
};

} // namespace

TEST_F(ContentDataModule, LookupsOfDayTypesAndServices) {
    EXPECT_EQ(MainDM->GetVelmTypeID(1), 1);
    EXPECT_EQ(MainDM->GetVelmTypeID(4), 4);
    EXPECT_EQ(MainDM->GetReadingTimeID(QStringLiteral("Liturgy")), 3);
    EXPECT_EQ(MainDM->GetReadingTimeID(QStringLiteral("Twelfth hour of the day")), 10);
    EXPECT_EQ(MainDM->GetReadingTimeName(7, true, false, false),
              QStringLiteral("General Funeral Prayers"));
    EXPECT_EQ(MainDM->GetPsalmsBookID(), 46);
    EXPECT_EQ(MainDM->GetFirstChapter(46), 1);
    EXPECT_EQ(MainDM->GetLastChapter(46), 150);
    EXPECT_EQ(MainDM->GetLastVerse(4, 3), 36);
}

TEST_F(ContentDataModule, EveryReadingGivesItsPassage) {
    PsalmsBookID = 46;
    TTable readings;
    readings.SetDatabaseName(DatabaseAlias);
    readings.SetTableName(QStringLiteral("Readings.DB"));
    readings.SetIndexName(QStringLiteral("ndxReadings2"));
    readings.Open();
    int count = 0;
    for (readings.First(); !readings.Eof(); readings.Next()) {
        auto f = [&](const char* n) {
            return readings.FieldByName(QString::fromLatin1(n))->AsInteger();
        };
        QString text;
        EXPECT_NO_THROW(
            text = MainDM->GetPassageText(f("BookID"), f("StartChapter"), f("EndChapter"),
                                          f("StartVerse"), f("EndVerse"), {}, f("StartSkipWords"),
                                          f("EndSkipWords"), true, false, false, false, false))
            << "reading " << f("ID");
        EXPECT_FALSE(text.isEmpty()) << "reading " << f("ID");
        ++count;
    }
    EXPECT_GT(count, 5000);
}

namespace {

// The verse labels ("c:v") at the starts of the lines of a passage.
int verseLabels(const QString& passage) {
    static const QRegularExpression label(QStringLiteral("^\\d+:\\d+( |$)"));
    int n = 0;
    for (const QString& line : passage.split(QStringLiteral("\r\n")))
        n += label.match(line).hasMatch() ? 1 : 0;
    return n;
}

} // namespace

// Every chapter reads as one passage from its first to its last verse, and a
// whole book gives as many verses as the book has rows.
TEST_F(ContentDataModule, EveryChapterAndBookReadsWhole) {
    QMap<int, int> rowsOfBook;
    TTable& bible = MainDM->tblBible;
    for (bible.First(); !bible.Eof(); bible.Next()) {
        rowsOfBook[bible.FieldByName(QStringLiteral("BookID"))->AsInteger()] += 1;
        const QString text = bible.FieldByName(QStringLiteral("Text"))->AsString();
        EXPECT_FALSE(text.contains(u'[') || text.contains(u']')) << text.toStdString();
    }
    ASSERT_GT(rowsOfBook.size(), 70);
    int chapters = 0;
    for (auto it = rowsOfBook.cbegin(); it != rowsOfBook.cend(); ++it) {
        const int book = it.key();
        const int first = MainDM->GetFirstChapter(book), last = MainDM->GetLastChapter(book);
        for (int c = first; c <= last; ++c, ++chapters) {
            const int lastVerse = MainDM->GetLastVerse(book, c);
            QString text;
            ASSERT_NO_THROW(text = MainDM->GetPassageText(book, c, c, 1, lastVerse, {}, 0, 0, true,
                                                          true, true, false, false))
                << book << " " << c;
            EXPECT_EQ(verseLabels(text), lastVerse) << book << " " << c;
        }
        const QString whole =
            MainDM->GetPassageText(book, first, last, 1, MainDM->GetLastVerse(book, last), {}, 0, 0,
                                   true, true, true, false, true);
        EXPECT_EQ(verseLabels(whole), it.value()) << "book " << book;
    }
    EXPECT_GT(chapters, 1300);
}
