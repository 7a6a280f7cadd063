// Writing a new database file: table definitions, indexes, rows.
#include "Internal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <filesystem>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace te {

void createTableFromDef(Connection& c, const TTableDef& def) {
    const QString stem = tableStem(def.FileName);
    if (stem.isEmpty())
        fail(QStringLiteral("Table definition without a file name"));
    if (stem.startsWith(QLatin1String("evelm_"), Qt::CaseInsensitive) ||
        stem.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        fail(QStringLiteral("Table name '%1' is reserved").arg(def.FileName));
    if (def.Fields.isEmpty())
        fail(QStringLiteral("Table '%1' has no fields").arg(def.FileName));
    QStringList cols;
    QSet<QString> seen;
    int autoIncs = 0;
    for (const TFieldDef& f : def.Fields) {
        if (f.Name.trimmed().isEmpty() || seen.contains(f.Name.toLower()))
            fail(QStringLiteral("Table '%1': empty or repeated field name '%2'")
                     .arg(def.FileName, f.Name));
        seen.insert(f.Name.toLower());
        QString col = quoteId(f.Name) + QLatin1Char(' ') + sqlTypeOf(f);
        if (f.Type == TFieldType::ftAutoInc) {
            if (++autoIncs > 1)
                fail(
                    QStringLiteral("Table '%1' has more than one autoinc field").arg(def.FileName));
            col += QLatin1String(" PRIMARY KEY");
        }
        cols << col;
    }
    QSet<QString> indexNames;
    for (const TIndexDef& ix : def.Indexes) {
        if (indexNames.contains(ix.Name.toLower()))
            fail(QStringLiteral("Table '%1': repeated index name '%2'").arg(def.FileName, ix.Name));
        indexNames.insert(ix.Name.toLower());
        for (const QString& f : ix.Fields)
            if (!seen.contains(f.toLower()))
                fail(QStringLiteral("Table '%1': index '%2' names the missing field '%3'")
                         .arg(def.FileName, ix.Name, f));
    }
    c.exec(
        QStringLiteral("CREATE TABLE %1(%2)").arg(quoteId(stem), cols.join(QLatin1String(", "))));
    int seq = 0;
    {
        Stmt s(c.db(), c.prepare(QStringLiteral("SELECT count(*) FROM evelm_tables")));
        if (s.step())
            seq = s.columnAuto(0).toInt();
    }
    {
        Stmt s(c.db(), c.prepare(QStringLiteral("INSERT INTO evelm_tables VALUES(?, ?, ?, ?, ?)")));
        s.bindAll(
            {stem, def.FileName, def.PasswordProtected ? 1 : 0, def.UserWritable ? 1 : 0, seq});
        s.step();
    }
    for (int i = 0; i < def.Fields.size(); ++i) {
        Stmt s(c.db(), c.prepare(QStringLiteral("INSERT INTO evelm_fields VALUES(?, ?, ?, ?, ?)")));
        s.bindAll({stem, i, def.Fields[i].Name, int(def.Fields[i].Type), def.Fields[i].Size});
        s.step();
    }
    for (int i = 0; i < def.Indexes.size(); ++i) {
        const TIndexDef& ix = def.Indexes[i];
        {
            Stmt s(c.db(),
                   c.prepare(QStringLiteral("INSERT INTO evelm_indexes VALUES(?, ?, ?, ?, ?)")));
            s.bindAll(
                {stem, i, ix.Name, ix.Fields.join(QLatin1Char(';')), ix.CaseInsensitive ? 1 : 0});
            s.step();
        }
        if (ix.Fields.isEmpty())
            continue;
        bool onRowId = ix.Fields.size() == 1;
        if (onRowId)
            for (const TFieldDef& f : def.Fields)
                if (f.Name.compare(ix.Fields[0], Qt::CaseInsensitive) == 0)
                    onRowId = f.Type == TFieldType::ftAutoInc;
        if (onRowId)
            continue; // the rowid already orders it
        QStringList keyCols;
        for (const QString& f : ix.Fields)
            keyCols << quoteId(f) +
                           (ix.CaseInsensitive ? QStringLiteral(" COLLATE NOCASE") : QString());
        c.exec(QStringLiteral("CREATE INDEX %1 ON %2(%3)")
                   .arg(quoteId(stem + QStringLiteral("__") +
                                (ix.Name.isEmpty() ? QStringLiteral("PRIMARY") : ix.Name)),
                        quoteId(stem), keyCols.join(QLatin1String(", "))));
    }
}

} // namespace te

using namespace te;

QString DatabaseFileName() {
    return QStringLiteral("evelmorande.sqlite");
}

void SyncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("Cannot open '%1' to save it to disk: %2")
                 .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    const int rc = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    // EINVAL: the file system has nothing to sync for this kind of file.
    if (rc != 0 && err != EINVAL)
        fail(QStringLiteral("Cannot save '%1' to disk: %2")
                 .arg(path, QString::fromLocal8Bit(std::strerror(err))));
}

struct TDatabaseWriter::Impl {
    QString path, tmpPath;
    std::unique_ptr<Connection> conn;
    QHash<QString, TTableDef> defs; // by lower stem
    bool committed = false;
};

TDatabaseWriter::TDatabaseWriter(const QString& folder, const QString& password)
    : d(std::make_unique<Impl>()) {
    if (!QFileInfo(folder).isDir())
        fail(QStringLiteral("Folder '%1' not found").arg(folder));
    d->path = QDir(folder).filePath(DatabaseFileName());
    d->tmpPath = d->path + QStringLiteral(".part");
    QFile::remove(d->tmpPath);
    try {
        d->conn = std::make_unique<Connection>(d->tmpPath, false);
        d->conn->exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"));
        writePasswordMeta(*d->conn, password);
        d->conn->exec(QStringLiteral("BEGIN"));
    } catch (...) {
        d->conn.reset();
        QFile::remove(d->tmpPath);
        throw;
    }
}

TDatabaseWriter::~TDatabaseWriter() {
    if (!d->committed) {
        d->conn.reset();
        QFile::remove(d->tmpPath);
    }
}

void TDatabaseWriter::CreateTable(const TTableDef& def) {
    if (d->committed)
        fail(QStringLiteral("The database is already written"));
    const QString key = tableStem(def.FileName).toLower();
    if (d->defs.contains(key))
        fail(QStringLiteral("Table '%1' is defined twice").arg(def.FileName));
    createTableFromDef(*d->conn, def);
    d->defs.insert(key, def);
}

void TDatabaseWriter::Insert(const QString& fileName, const QStringList& fields,
                             const QVariantList& values) {
    if (d->committed)
        fail(QStringLiteral("The database is already written"));
    auto it = d->defs.constFind(tableStem(fileName).toLower());
    if (it == d->defs.constEnd())
        fail(QStringLiteral("Table '%1' not found").arg(fileName));
    if (fields.size() != values.size())
        fail(QStringLiteral("Table '%1': %2 fields but %3 values")
                 .arg(fileName)
                 .arg(fields.size())
                 .arg(values.size()));
    const TTableDef& def = it.value();
    QStringList cols, marks;
    QVariantList binds;
    for (int i = 0; i < fields.size(); ++i) {
        const TFieldDef* f = nullptr;
        for (const TFieldDef& fd : def.Fields)
            if (fd.Name.compare(fields[i], Qt::CaseInsensitive) == 0)
                f = &fd;
        if (!f)
            fail(QStringLiteral("Table '%1': field '%2' not found").arg(fileName, fields[i]));
        QVariant v = values[i];
        if (f->Type == TFieldType::ftString && !v.isNull() && v.toString().size() > f->Size)
            fail(QStringLiteral("Table '%1': value of field '%2' is longer than %3 characters")
                     .arg(fileName, f->Name)
                     .arg(f->Size));
        if (f->Type == TFieldType::ftBoolean && !v.isNull())
            v = v.toBool() ? 1 : 0;
        cols << quoteId(f->Name);
        marks << QStringLiteral("?");
        binds << v;
    }
    const QString sql =
        cols.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteId(tableStem(def.FileName)))
            : QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                  .arg(quoteId(tableStem(def.FileName)), cols.join(QLatin1Char(',')),
                       marks.join(QLatin1Char(',')));
    Stmt s(d->conn->db(), d->conn->prepare(sql));
    s.bindAll(binds);
    s.step();
}

void TDatabaseWriter::Commit() {
    if (d->committed)
        return;
    d->conn->exec(QStringLiteral("COMMIT"));
    d->conn.reset();
    Session.impl().forget(d->path);
    try {
        // The file is written without SQLite's syncs; it reaches the disk
        // whole before its name can stand for the database.
        SyncToDisk(d->tmpPath);
    } catch (...) {
        QFile::remove(d->tmpPath);
        d->committed = true;
        throw;
    }
    // One atomic step: readers see the old file or the new one, never none.
    std::error_code ec;
    std::filesystem::rename(d->tmpPath.toStdString(), d->path.toStdString(), ec);
    if (ec) {
        QFile::remove(d->tmpPath);
        d->committed = true; // nothing left to clean up
        fail(QStringLiteral("Cannot write database file '%1': %2")
                 .arg(d->path, QString::fromStdString(ec.message())));
    }
    d->committed = true;
    SyncToDisk(QFileInfo(d->path).absolutePath()); // the rename itself
}
