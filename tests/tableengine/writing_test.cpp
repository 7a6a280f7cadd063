// The one writable table: kept in the user's folder, exclusive, and the
// only table that takes writes.
#include "TinyDb.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::unique_ptr<TTable> openResults(bool exclusive = true) {
    auto t = std::make_unique<TTable>();
    t->SetDatabaseName(kAlias);
    t->SetTableName("SRN.DB");
    t->SetExclusive(exclusive);
    t->Open();
    return t;
}

void appendRow(TTable& t, int verse, int order) {
    t.Append();
    t.FieldByName("VerseID")->SetAsInteger(verse);
    t.FieldByName("BookOrder")->SetAsInteger(order);
    t.Post();
}

TEST(TableEngineWriting, EmptyAppendPostAndCount) {
    TinyDb db;
    auto t = openResults();
    EXPECT_EQ(t->State(), TDataSetState::dsBrowse);
    t->EmptyTable();
    EXPECT_EQ(t->RecordCount(), 0);
    appendRow(*t, 30, 19);
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 30);
    appendRow(*t, 5, 1);
    appendRow(*t, 7, 1);
    EXPECT_EQ(t->RecordCount(), 3);
    QList<int> order;
    for (t->First(); !t->Eof(); t->Next())
        order << t->FieldByName("VerseID")->AsInteger();
    EXPECT_EQ(order, (QList<int>{30, 5, 7})); // primary order of SRN is the append order
    t->EmptyTable();
    EXPECT_TRUE(t->IsEmpty());
    EXPECT_EQ(t->RecordCount(), 0);
}

TEST(TableEngineWriting, RowsPersistInTheUserFolder) {
    TinyDb db;
    {
        auto t = openResults();
        t->EmptyTable();
        appendRow(*t, 11, 2);
    }
    EXPECT_TRUE(QFile::exists(QDir(db.userFolder()).filePath("userdata.sqlite")));
    auto t = openResults();
    EXPECT_EQ(t->RecordCount(), 1);
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 11);
}

TEST(TableEngineWriting, CancelAndEdit) {
    TinyDb db;
    auto t = openResults();
    t->EmptyTable();
    appendRow(*t, 1, 1);
    t->Append();
    t->FieldByName("VerseID")->SetAsInteger(99);
    EXPECT_THROW(t->Next(), EDatabaseError); // post or cancel first
    t->Cancel();
    EXPECT_EQ(t->RecordCount(), 1);
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 1);
    t->Edit();
    t->FieldByName("VerseID")->SetAsInteger(2);
    t->Post();
    t->Refresh();
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 2);
    EXPECT_EQ(t->RecordCount(), 1);
    EXPECT_THROW(t->FieldByName("VerseID")->SetAsInteger(3), EDatabaseError); // not editing
    t->Append();
    EXPECT_THROW(t->FieldByName("VerseID")->SetAsString("abc"), EDatabaseError);
    t->Cancel();
}

TEST(TableEngineWriting, ReadOnlyTablesRefuseWrites) {
    TinyDb db;
    auto bible = openTable("Bible.DB");
    EXPECT_THROW(bible->Append(), EDatabaseError);
    EXPECT_THROW(bible->EmptyTable(), EDatabaseError);
    EXPECT_THROW(bible->Edit(), EDatabaseError);
    EXPECT_EQ(bible->RecordCount(), 30);
    auto t = std::make_unique<TTable>();
    t->SetDatabaseName(kAlias);
    t->SetTableName("SRN.DB");
    t->SetReadOnly(true);
    t->Open();
    try {
        t->Append();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("read-only"));
    }
}

TEST(TableEngineWriting, WorksWhenContentFolderIsReadOnly) {
    TinyDb db;
    QFile::setPermissions(db.folder(), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(QDir(db.folder()).filePath(DatabaseFileName()), QFile::ReadOwner);
    {
        auto bible = openTable("Bible.DB", "ndxBible1");
        EXPECT_TRUE(bible->FindKey({2, 2, 2}));
        auto t = openResults();
        t->EmptyTable();
        appendRow(*t, bible->FieldByName("ID")->AsInteger(), 1);
        EXPECT_EQ(t->RecordCount(), 1);
    }
    QFile::setPermissions(db.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(QDir(db.folder()).filePath(DatabaseFileName()),
                          QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(QDir(db.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{DatabaseFileName()});
}

TEST(TableEngineExclusive, SecondOpenInThisProcessFails) {
    TinyDb db;
    auto first = openResults();
    try {
        openResults();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("SRN.DB"));
        EXPECT_TRUE(e.Message().contains("in use"));
    }
    EXPECT_THROW(openResults(false), EDatabaseError);
    first->Close();
    EXPECT_NO_THROW(openResults());
}

TEST(TableEngineExclusive, ExclusiveOpenFailsWhileSharedOpen) {
    TinyDb db;
    auto shared = openResults(false);
    EXPECT_THROW(openResults(true), EDatabaseError);
    shared.reset();
    EXPECT_NO_THROW(openResults(true));
}

TEST(TableEngineExclusive, SecondProcessIsRefused) {
    TinyDb db;
    int toParent[2], toChild[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(toChild), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        char c = 'n';
        try {
            auto t = openResults();
            c = 'y';
            (void)!write(toParent[1], &c, 1);
            (void)!read(toChild[0], &c, 1); // hold the table until told
        } catch (...) {
            (void)!write(toParent[1], &c, 1);
        }
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(toParent[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    try {
        openResults();
        ADD_FAILURE() << "second process opened the table";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Cause(), TDbFailure::InUse);
        EXPECT_TRUE(e.Message().contains("is in use by another copy of the program"));
        EXPECT_EQ(e.Path(), QDir(db.userFolder()).filePath("userdata.sqlite"));
    }
    (void)!write(toChild[1], &c, 1);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_NO_THROW(openResults()); // free again once the other process ends
}

TEST(TableEngineWriting, UserTableFollowsChangedDefinition) {
    TinyDb db;
    {
        auto t = openResults();
        appendRow(*t, 1, 1);
    }
    {
        TDatabaseWriter w(db.folder(), kPassword);
        TTableDef srn{"SRN.DB",
                      {{"VerseID", TFieldType::ftInteger},
                       {"BookOrder", TFieldType::ftSmallint},
                       {"Extra", TFieldType::ftString, 5}},
                      {{"", {}}}};
        srn.UserWritable = true;
        w.CreateTable(srn);
        w.Commit();
    }
    auto t = openResults();
    EXPECT_NE(t->FindField("Extra"), nullptr);
    EXPECT_EQ(t->RecordCount(), 0);
}

} // namespace
