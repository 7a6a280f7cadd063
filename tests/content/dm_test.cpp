// The data module on the built sample content: its start-up tables open in
// their order, and every reading of the lectionary gives its passage text.

#include "BuiltContent.h"
#include "DMMain.h"
#include "SwordBible.h"
#include "TableEngine.h"

#include <gtest/gtest.h>

namespace {

class content_DataModule : public ::testing::Test {
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

TEST_F(content_DataModule, LookupsOfDayTypesAndServices) {
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

TEST_F(content_DataModule, EveryReadingGivesItsPassage) {
    PsalmsBookID = 46;
    TTable readings;
    readings.SetDatabaseName(MainDMAlias);
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
