// Failures of a content file reach the user naming the table file, the
// alias, the folder and what is wrong.
#include "TinyDb.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

void changeContent(const QString& folder, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QDir(folder).filePath(DatabaseFileName()).toUtf8().constData(), &db),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// Overwrites the first page of a table's rows with noise.
void damageTable(const QString& folder, const char* table) {
    sqlite3* db = nullptr;
    const QString path = QDir(folder).filePath(DatabaseFileName());
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE name = ?", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, table, -1, SQLITE_STATIC);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    const int page = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &s, nullptr);
    sqlite3_step(s);
    const int size = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(db);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(qint64(page - 1) * size);
    f.write(QByteArray(size, char(0x5a)));
}

QString openError(const char* file, const char* index = "") {
    try {
        openTable(file, index);
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return QString();
}

TEST(TableEngineErrors, NameTheTableTheFolderAndTheFault) {
    const struct {
        const char* change; // SQL on the content file, or "" to damage a page
        const char* file;
        const char* index;
        const char* fault;
    } cases[] = {
        {"DROP TABLE Bible", "Bible.DB", "ndxBible1", "is missing from the database file"},
        {"ALTER TABLE SynxDetail DROP COLUMN PictureFile", "SynxDetail.DB", "",
         "has no field 'PictureFile'"},
        {"DELETE FROM evelm_tables WHERE stem = 'Verses'", "Verses.DB", "",
         "is not in the database file"},
        {"", "Bible.DB", "", "is damaged"},
        {"SELECT 1", "Bible.DB", "ndxNope", "has no index 'ndxNope'"},
    };
    for (const auto& c : cases) {
        TinyDb db;
        if (*c.change)
            changeContent(db.folder(), c.change);
        else
            damageTable(db.folder(), "Bible");
        const QString msg = openError(c.file, c.index);
        const QString place = QStringLiteral("Table '%1' of '%2' in folder '%3' ")
                                  .arg(c.file, kAlias, QDir::toNativeSeparators(db.folder()));
        EXPECT_EQ(msg, place + c.fault) << c.change;
    }
}

TEST(TableEngineErrors, AQueryNamesItsTables) {
    TinyDb db;
    changeContent(db.folder(), "ALTER TABLE WVN DROP COLUMN BookOrder");
    TQuery q;
    q.SetDatabaseName(kAlias);
    q.SetSQL("SELECT VerseID, BookOrder FROM WVN");
    try {
        q.Open();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Table 'WVN.DB' of '%1' in folder '%2' has no "
                                              "field 'BookOrder'")
                                   .arg(kAlias, QDir::toNativeSeparators(db.folder())));
    }
}

} // namespace
