// The user's file of writable tables when it cannot be used: each failure
// provoked for real names the table, the file or folder and what to do,
// leaves no file behind, and a later operation on the closed table says the
// same; a clean close leaves nothing open.
#include "TinyDb.h"
#include "support/NoFileOverride.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

TTable* newResults(std::unique_ptr<TTable>& t) {
    t = std::make_unique<TTable>();
    t->SetDatabaseName(kAlias);
    t->SetTableName("SRN.DB");
    t->SetExclusive(true);
    return t.get();
}

QString userFile(const TinyDb& db) {
    return QDir(db.userFolder()).filePath("userdata.sqlite");
}

void fillOne(TTable& t, int verse) {
    TWriteBatch batch(t);
    t.EmptyTable();
    t.Append();
    t.FieldByName("VerseID")->SetAsInteger(verse);
    t.FieldByName("BookOrder")->SetAsInteger(1);
    t.Post();
    batch.Commit();
}

TEST(TableEngineUserFile, FailuresNameTheCauseAndLeaveNoFile) {
    enum Fault { ReadOnlyFile, ReadOnlyFolder, MissingFolderInReadOnlyParent };
    const struct {
        Fault fault;
        TDbFailure cause;
        const char* says;
    } cases[] = {
        {ReadOnlyFile, TDbFailure::FileReadOnly, "is read-only. Make the file writable"},
        {ReadOnlyFolder, TDbFailure::FolderNotWritable,
         "the folder cannot be written. Make the folder writable"},
        {MissingFolderInReadOnlyParent, TDbFailure::FolderNotWritable,
         "the folder cannot be written. Make the folder writable"},
    };
    for (const auto& c : cases) {
        TinyDb db;
        QString folder = db.userFolder();
        QString expectedPath = QDir::toNativeSeparators(userFile(db));
        QByteArray before;
        if (c.fault == ReadOnlyFile) {
            std::unique_ptr<TTable> t;
            newResults(t)->Open();
            fillOne(*t, 4);
            t.reset();
            Session.CloseUnusedFiles();
            QFile f(userFile(db));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            before = f.readAll();
            QFile::setPermissions(userFile(db), QFile::ReadOwner | QFile::ReadGroup);
        } else if (c.fault == ReadOnlyFolder) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            expectedPath = QDir::toNativeSeparators(folder);
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            folder = QDir(folder).filePath("sub");
            Session.SetUserDataFolder(folder);
            expectedPath = QDir::toNativeSeparators(folder);
        }
        std::unique_ptr<TTable> t;
        {
            TNoFileOverride noOverride;
            try {
                newResults(t)->Open();
                ADD_FAILURE() << "opened with fault " << c.fault;
            } catch (const EDatabaseError& e) {
                EXPECT_EQ(e.Cause(), c.cause) << c.fault;
                EXPECT_EQ(e.Path(), expectedPath) << c.fault;
                EXPECT_TRUE(e.Message().startsWith("Table 'SRN.DB' of 'TestAlias' in folder"))
                    << e.Message().toStdString();
                EXPECT_TRUE(e.Message().contains(c.says)) << e.Message().toStdString();
                // The closed table says the same when asked for more.
                try {
                    t->First();
                    ADD_FAILURE() << "a closed table moved";
                } catch (const EDatabaseError& again) {
                    EXPECT_EQ(again.Message(), e.Message());
                    EXPECT_EQ(again.Cause(), c.cause);
                }
            }
        }
        QFile::setPermissions(db.userFolder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (c.fault == ReadOnlyFile) {
            QFile f(userFile(db));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), before);
            EXPECT_FALSE(QFile::exists(userFile(db) + "-wal"));
        } else {
            EXPECT_EQ(QDir(db.userFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                      QStringList())
                << c.fault;
        }
    }
}

TEST(TableEngineUserFile, AWriteWhileAnotherConnectionWritesSaysInUse) {
    TinyDb db;
    std::unique_ptr<TTable> t;
    newResults(t)->Open();
    fillOne(*t, 4);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(userFile(db).toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        fillOne(*t, 5);
        ADD_FAILURE() << "wrote while another connection held the file";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Cause(), TDbFailure::InUse);
        EXPECT_TRUE(e.Message().contains("is in use by another copy of the program"))
            << e.Message().toStdString();
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    t->First();
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 4); // the old rows
    fillOne(*t, 6);
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 6);
}

TEST(TableEngineUserFile, AClosedTableNamesItselfAndWhyItsFileFailed) {
    TinyDb db;
    TTable never;
    never.SetDatabaseName(kAlias);
    never.SetTableName("Bible.DB");
    try {
        never.First();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Table 'Bible.DB' of 'TestAlias' is not open");
    }
    // After a failed start every table of the alias says why.
    QFile::remove(QDir(db.folder()).filePath(DatabaseFileName()));
    Session.CloseUnusedFiles();
    EXPECT_THROW(openTable("Readings.DB"), EDatabaseError);
    try {
        never.First();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Table 'Bible.DB' of 'TestAlias' is not open: "
                                              "Database file '%1' not found")
                                   .arg(QDir(db.folder()).absoluteFilePath(DatabaseFileName())));
    }
}

TEST(TableEngineUserFile, ClosingLeavesNothingOpen) {
    TinyDb db;
    {
        // The first open makes the table in a new file, reading its
        // definitions twice.
        std::unique_ptr<TTable> t;
        newResults(t)->Open();
        fillOne(*t, 4);
        EXPECT_TRUE(QFile::exists(userFile(db) + "-wal"));
        Session.CloseUnusedFiles();
        EXPECT_GE(Session.OpenFileCount(), 1); // still in use
    }
    Session.CloseUnusedFiles();
    EXPECT_EQ(Session.OpenFileCount(), 0);
    EXPECT_FALSE(QFile::exists(userFile(db) + "-wal"));
    EXPECT_FALSE(QFile::exists(userFile(db) + "-shm"));
    EXPECT_FALSE(QFile::exists(QDir(db.userFolder()).filePath("SRN.lock")));
}

} // namespace
