// The content schema against the data module: every dataset opens on its
// file and index, and the schema's own look-ups and password.

#include "MainDMTest.h"
#include "Schema.h"

#include <QRegularExpression>

namespace {

TEST(SchemaTest, PasswordIsTwoDigitsSixLettersSixDigits) {
    EXPECT_TRUE(QRegularExpression("^[0-9]{2}[a-z]{6}[0-9]{6}$").match(TablePassword).hasMatch());
}

TEST(SchemaTest, TableNamesCompareWithoutCase) {
    EXPECT_EQ(ContentTable("BIBLEBOOKS.DB").FileName, "BibleBooks.db");
    EXPECT_EQ(ContentTable("bible.db").FileName, "Bible.DB");
    EXPECT_THROW(ContentTable("Nothing.DB"), EDatabaseError);
}

TEST(SchemaTest, OnlyTheResultsTableIsWritable) {
    QStringList writable;
    for (const TTableDef& def : ContentTables())
        if (def.UserWritable)
            writable << def.FileName;
    EXPECT_EQ(writable, QStringList{"SRN.DB"});
}

class AllDatasetsTest : public MainDMTest {
protected:
    bool StandardRows() const override { return false; }
};

TEST_F(AllDatasetsTest, EveryDatasetOpensOnAnEmptyDatabase) {
    // Lookup sources first, as the windows open them.
    for (TDataSet* ds : dm().StartupTables())
        EXPECT_TRUE(ds->Active());
    for (TDataSet* ds :
         QList<TDataSet*>{&dm().tblBibleByID, &dm().tblBibleOmittedWords, &dm().tblSearchResults,
                          &dm().qrySearch, &dm().qrySynx, &dm().tblEvents}) {
        EXPECT_NO_THROW(ds->Open());
        EXPECT_TRUE(ds->IsEmpty());
    }
}

TEST_F(AllDatasetsTest, ResultsTableLivesInTheUserFolder) {
    dm().tblSearchResults.Open();
    dm().tblSearchResults.Append();
    dm().tblSearchResults.FieldByName("VerseID")->SetAsInteger(7);
    dm().tblSearchResults.FieldByName("BookOrder")->SetAsInteger(1);
    dm().tblSearchResults.Post();
    dm().tblSearchResults.Close();

    // A second module sees the row: it was kept, and not in the content.
    DestroyMainDM();
    CreateMainDM();
    MainDM->OpenStartupTables();
    MainDM->tblSearchResults.Open();
    EXPECT_EQ(MainDM->tblSearchResults.RecordCount(), 1);
    EXPECT_FALSE(QDir(db->UserFolder()).entryList(QDir::Files).isEmpty());
}

} // namespace
