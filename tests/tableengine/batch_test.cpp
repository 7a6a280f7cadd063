// Batched writing: one empty-and-fill run is one transaction, and a run
// that fails midway leaves the table's old rows.
#include "TinyDb.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <stdexcept>

namespace {

std::unique_ptr<TTable> openResults() {
    auto t = std::make_unique<TTable>();
    t->SetDatabaseName(kAlias);
    t->SetTableName("SRN.DB");
    t->SetExclusive(true);
    t->Open();
    return t;
}

QList<int> verses(TTable& t) {
    QList<int> out;
    for (t.First(); !t.Eof(); t.Next())
        out << t.FieldByName("VerseID")->AsInteger();
    return out;
}

void append(TTable& t, int verse) {
    t.Append();
    t.FieldByName("VerseID")->SetAsInteger(verse);
    t.FieldByName("BookOrder")->SetAsInteger(1);
    t.Post();
}

// The phrase search's write: empty the table, append every match, commit.
void fill(TTable& t, const QList<int>& matches, const std::function<void(int)>& before = {}) {
    TWriteBatch batch(t);
    t.EmptyTable();
    for (int v : matches) {
        if (before)
            before(v);
        append(t, v);
    }
    batch.Commit();
}

// Makes SQLite refuse one row of SRN, as a full disk would.
void refuseVerse(const QString& userFolder, int verse) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QDir(userFolder).filePath("userdata.sqlite").toUtf8().constData(), &db),
              SQLITE_OK);
    const QByteArray sql = QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SRN WHEN "
                                          "NEW.VerseID = %1 BEGIN SELECT RAISE(ABORT, 'disk "
                                          "full'); END;")
                               .arg(verse)
                               .toUtf8();
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST(TableEngineBatch, AFillIsStoredWhole) {
    TinyDb db;
    auto t = openResults();
    fill(*t, {3, 1, 2});
    EXPECT_EQ(t->RecordCount(), 3);
    t.reset();
    t = openResults();
    EXPECT_EQ(verses(*t), (QList<int>{3, 1, 2}));
    EXPECT_FALSE(t->InBatch());
}

TEST(TableEngineBatch, AFillThatFailsMidwayLeavesTheOldRows) {
    const struct {
        const char* name;
        bool sqliteRefuses; // else the scan raises between two rows
    } cases[] = {{"write refused", true}, {"scan error", false}};
    for (const auto& c : cases) {
        TinyDb db;
        auto t = openResults();
        fill(*t, {7, 8});
        if (c.sqliteRefuses)
            refuseVerse(db.userFolder(), 13);
        try {
            fill(*t, {11, 12, 13, 14}, [&](int v) {
                EXPECT_EQ(t->RecordCount(), v - 11); // the new rows so far
                if (!c.sqliteRefuses && v == 13)
                    throw EDatabaseError("Too Many Words to Remove");
            });
            ADD_FAILURE() << c.name << ": the fill went through";
        } catch (const EDatabaseError& e) {
            if (c.sqliteRefuses) {
                EXPECT_TRUE(e.Message().contains("SRN.DB")) << e.Message().toStdString();
            }
        }
        EXPECT_FALSE(t->InBatch()) << c.name;
        EXPECT_EQ(verses(*t), (QList<int>{7, 8})) << c.name;
        t.reset();
        t = openResults();
        EXPECT_EQ(verses(*t), (QList<int>{7, 8})) << c.name << " after reopening";
    }
}

TEST(TableEngineBatch, ClosingTheTableDropsAnOpenBatch) {
    TinyDb db;
    auto t = openResults();
    fill(*t, {5});
    t->StartBatch();
    EXPECT_THROW(t->StartBatch(), EDatabaseError);
    t->EmptyTable();
    append(*t, 6);
    t->Close();
    t->Open();
    EXPECT_EQ(verses(*t), (QList<int>{5}));
    auto bible = openTable("Bible.DB");
    EXPECT_THROW(bible->StartBatch(), EDatabaseError); // read-only
}

TEST(TableEngineBatch, TheUserDatabaseKeepsAWriteAheadLog) {
    TinyDb db;
    auto t = openResults();
    fill(*t, {1});
    EXPECT_TRUE(QFileInfo::exists(QDir(db.userFolder()).filePath("userdata.sqlite-wal")));
}

} // namespace
