// Session, aliases, passwords and every failed open.
#include "TinyDb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString openError(const QString& alias, const QString& file, const QString& index = QString()) {
    TTable t;
    t.SetDatabaseName(alias);
    t.SetTableName(file);
    if (!index.isEmpty())
        t.SetIndexName(index);
    try {
        t.Open();
    } catch (const EDatabaseError& e) {
        EXPECT_FALSE(t.Active());
        return e.Message();
    }
    return QString();
}

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TEST(TableEngineSession, AliasesAndPasswords) {
    TinyDb db;
    EXPECT_TRUE(Session.IsAlias(kAlias));
    EXPECT_TRUE(Session.IsAlias(kAlias.toLower()));
    EXPECT_FALSE(Session.IsAlias("Other"));
    EXPECT_EQ(Session.AliasPath(kAlias), db.folder());
    EXPECT_THROW(Session.AliasPath("Other"), EDatabaseError);
    EXPECT_THROW(Session.AddStandardAlias("Other", db.folder(), "DBASE"), EDatabaseError);
    EXPECT_FALSE(Session.IsAlias("Other"));
    Session.AddStandardAlias("Other", db.folder(), "PARADOX");
    EXPECT_TRUE(Session.IsAlias("Other"));
    Session.DeleteAlias("Other");
    EXPECT_FALSE(Session.IsAlias("Other"));
    EXPECT_TRUE(Session.HasPassword(kPassword));
    Session.RemoveAllPasswords();
    EXPECT_FALSE(Session.HasPassword(kPassword));
}

TEST(TableEngineOpenFailures, MissingAlias) {
    TinyDb db;
    EXPECT_TRUE(openError("NoSuchAlias", "Bible.DB").contains("NoSuchAlias"));
}

TEST(TableEngineOpenFailures, MissingAliasFolder) {
    TinyDb db;
    Session.AddStandardAlias("Gone", db.folder() + "/missing", "PARADOX");
    EXPECT_TRUE(openError("Gone", "Bible.DB").contains("missing"));
}

TEST(TableEngineOpenFailures, MissingDatabaseFile) {
    TinyDb db;
    QTemporaryDir empty;
    Session.AddStandardAlias("Empty", empty.path(), "PARADOX");
    EXPECT_TRUE(openError("Empty", "Bible.DB").contains(DatabaseFileName()));
    EXPECT_TRUE(QDir(empty.path())
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                    .isEmpty()); // nothing written
    // A folder where the file should be is named as a folder.
    const QString path = QDir(empty.path()).absoluteFilePath(DatabaseFileName());
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(openError("Empty", "Bible.DB").toStdString(),
              QStringLiteral("Database file '%1' is a folder, not a file").arg(path).toStdString());
}

TEST(TableEngineOpenFailures, MissingTable) {
    TinyDb db;
    EXPECT_TRUE(openError(kAlias, "Months.DB").contains("Months.DB"));
    EXPECT_TRUE(openError(kAlias, "").contains("table name"));
}

TEST(TableEngineOpenFailures, MissingIndex) {
    TinyDb db;
    EXPECT_TRUE(openError(kAlias, "Bible.DB", "ndxNope").contains("ndxNope"));
    TTable t;
    t.SetDatabaseName(kAlias);
    t.SetTableName("WVN.DB");
    t.SetIndexFieldNames("BookID");
    EXPECT_THROW(t.Open(), EDatabaseError);
}

TEST(TableEngineOpenFailures, PasswordNotInList) {
    TinyDb db;
    Session.RemoveAllPasswords();
    EXPECT_TRUE(openError(kAlias, "Bible.DB").contains("password"));
    Session.AddPassword("wrong");
    EXPECT_FALSE(openError(kAlias, "Bible.DB").isEmpty());
    EXPECT_TRUE(openError(kAlias, "Events.DB").isEmpty()); // not protected
    Session.AddPassword(kPassword);
    EXPECT_TRUE(openError(kAlias, "Bible.DB").isEmpty());
}

TEST(TableEngineOpenFailures, FileHoldsNoPlainPassword) {
    TinyDb db;
    QFile f(QDir(db.folder()).filePath(DatabaseFileName()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains(kPassword.toUtf8()));
}

TEST(TableEngineOpenFailures, CorruptOrForeignFile) {
    TinyDb db;
    QTemporaryDir dir;
    {
        QFile f(QDir(dir.path()).filePath(DatabaseFileName()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'z'));
    }
    const QByteArray before = digest(QDir(dir.path()).filePath(DatabaseFileName()));
    Session.AddStandardAlias("Bad", dir.path(), "PARADOX");
    const QString msg = openError("Bad", "Bible.DB");
    EXPECT_TRUE(msg.contains("not a database")) << msg.toStdString();
    EXPECT_EQ(digest(QDir(dir.path()).filePath(DatabaseFileName())), before);
}

TEST(TableEngineOpenFailures, TableNamesMapCaseInsensitively) {
    TinyDb db;
    for (const char* name :
         {"Bible.DB", "bible.db", "BIBLE", "BibleBooks.DB", "biblebooks.db", "Rpt1", "rpt1.dbf"})
        EXPECT_TRUE(openError(kAlias, name).isEmpty()) << name;
}

TEST(TableEngineOpenFailures, OpeningNeverWritesTheContentFolder) {
    TinyDb db;
    const QString file = QDir(db.folder()).filePath(DatabaseFileName());
    const QByteArray before = digest(file);
    {
        auto bible = openTable("Bible.DB", "ndxBible1");
        bible->SetFilter("BookID = 2");
        bible->SetFiltered(true);
        bible->Last();
        auto results = openTable("SRN.DB", QString(), false);
        results->SetReadOnly(false);
        results->Open();
        results->Append();
        results->FieldByName("VerseID")->SetAsInteger(3);
        results->Post();
    }
    EXPECT_EQ(digest(file), before);
    EXPECT_EQ(QDir(db.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{DatabaseFileName()});
}

TEST(TableEngineWriter, RefusesBadDefinitionsAndRows) {
    QTemporaryDir dir;
    TDatabaseWriter w(dir.path(), kPassword);
    EXPECT_THROW(w.CreateTable({"", {{"A", TFieldType::ftInteger}}, {}}), EDatabaseError);
    EXPECT_THROW(w.CreateTable({"T.DB", {}, {}}), EDatabaseError);
    EXPECT_THROW(
        w.CreateTable({"T.DB", {{"A", TFieldType::ftInteger}, {"a", TFieldType::ftInteger}}, {}}),
        EDatabaseError);
    EXPECT_THROW(w.CreateTable({"T.DB", {{"A", TFieldType::ftInteger}}, {{"ndx", {"B"}}}}),
                 EDatabaseError);
    w.CreateTable(
        {"T.DB", {{"A", TFieldType::ftInteger}, {"S", TFieldType::ftString, 3}}, {{"ndx", {"A"}}}});
    EXPECT_THROW(w.CreateTable({"t.db", {{"A", TFieldType::ftInteger}}, {}}), EDatabaseError);
    EXPECT_THROW(w.Insert("T.DB", {"S"}, {"toolong"}), EDatabaseError);
    EXPECT_THROW(w.Insert("T.DB", {"Nope"}, {1}), EDatabaseError);
    EXPECT_THROW(w.Insert("U.DB", {"A"}, {1}), EDatabaseError);
    EXPECT_THROW(w.Insert("T.DB", {"A", "S"}, {1}), EDatabaseError);
}

TEST(TableEngineWriter, AbandonedWriterLeavesNoFile) {
    QTemporaryDir dir;
    {
        TDatabaseWriter w(dir.path(), kPassword);
        w.CreateTable({"T.DB", {{"A", TFieldType::ftInteger}}, {}});
        w.Insert("T.DB", {"A"}, {1});
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    EXPECT_THROW(TDatabaseWriter(dir.path() + "/none", kPassword), EDatabaseError);
}

TEST(TableEngineWriter, RewritingReplacesTheDatabaseSeenByNewOpens) {
    TinyDb db;
    {
        auto t = openTable("Bible.DB");
        EXPECT_EQ(t->RecordCount(), 30);
    }
    {
        TDatabaseWriter w(db.folder(), kPassword);
        w.CreateTable({"Bible.DB", {{"ID", TFieldType::ftAutoInc}}, {}});
        w.Insert("Bible.DB", {}, {});
        w.Commit();
    }
    auto t = openTable("Bible.DB");
    EXPECT_EQ(t->RecordCount(), 1);
}

} // namespace
