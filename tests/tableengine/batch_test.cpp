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

// Rows of (VerseID, BookOrder 1) for AppendRows.
std::vector<qint64> rowsOf(int first, int count) {
    std::vector<qint64> v;
    for (int i = 0; i < count; ++i) {
        v.push_back(first + i);
        v.push_back(1);
    }
    return v;
}

TEST(TableEngineBatch, AppendRowsStoresAllRowsOrNone) {
    const QStringList fields{"VerseID", "BookOrder"};
    TinyDb db;
    auto t = openResults();
    // Alone, past the rows one statement takes and a tail of single rows.
    t->AppendRows(fields, rowsOf(1, 600));
    EXPECT_EQ(t->RecordCount(), 600);
    EXPECT_EQ(t->FieldByName("VerseID")->AsInteger(), 1); // on the first row
    QList<int> expected;
    for (int v = 1; v <= 600; ++v)
        expected << v;
    EXPECT_EQ(verses(*t), expected);
    // A row SQLite refuses midway: none of them is stored.
    refuseVerse(db.userFolder(), 1300);
    try {
        t->AppendRows(fields, rowsOf(1000, 400));
        ADD_FAILURE() << "a refused row was stored";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("SRN.DB")) << e.Message().toStdString();
    }
    EXPECT_FALSE(t->InBatch());
    EXPECT_EQ(t->RecordCount(), 600);
    // In a batch the rows belong to it: dropped with it.
    {
        TWriteBatch batch(*t);
        t->EmptyTable();
        t->AppendRows(fields, rowsOf(700, 3));
        EXPECT_EQ(verses(*t), (QList<int>{700, 701, 702}));
    }
    EXPECT_EQ(t->RecordCount(), 600);
    // Values that do not make whole rows, an unknown field.
    EXPECT_THROW(t->AppendRows(fields, {1, 2, 3}), EDatabaseError);
    EXPECT_THROW(t->AppendRows({"VerseID", "Nope"}, rowsOf(1, 1)), EDatabaseError);
    EXPECT_EQ(t->RecordCount(), 600);
}

TEST(TableEngineBatch, ReadAllGivesTheVisibleRowsInOrderAndLeavesTheCursor) {
    TinyDb db;
    auto bible = openTable("Bible.DB", "ndxBible1");
    bible->SetFilter("BookID = 2");
    bible->SetFiltered(true);
    QList<QPair<int, QString>> stepped;
    for (bible->First(); !bible->Eof(); bible->Next())
        stepped << qMakePair(bible->FieldByName("ID")->AsInteger(),
                             bible->FieldByName("Text")->AsString());
    ASSERT_GT(stepped.size(), 1);
    bible->First();
    bible->Next();
    const int here = bible->RecNo();
    QList<QPair<int, QString>> read;
    bible->ReadAll({"ID", "Text"}, [&](const TRowValues& row) {
        read << qMakePair(int(row.Integer(0)), row.Text(1));
        EXPECT_EQ(QString::fromUtf8(row.Utf8(1)), row.Text(1));
    });
    EXPECT_EQ(read, stepped);
    EXPECT_EQ(bible->RecNo(), here);
    EXPECT_THROW(bible->ReadAll({"Nope"}, [](const TRowValues&) {}), EDatabaseError);
}

TEST(TableEngineBatch, TheUserDatabaseKeepsAWriteAheadLog) {
    TinyDb db;
    auto t = openResults();
    fill(*t, {1});
    EXPECT_TRUE(QFileInfo::exists(QDir(db.userFolder()).filePath("userdata.sqlite-wal")));
}

} // namespace
