// SQLite connections, statements and the meta tables that describe the
// table files of a database.
#include "Internal.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QUrl>

#include <sqlite3.h>

namespace te {

void fail(const QString& message, TDbFailure cause, const QString& path) {
    throw EDatabaseError(message, cause, path);
}

namespace {
QString native(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}
} // namespace

void failInUse(const QString& what, const QString& path) {
    fail(what + QStringLiteral(" is in use by another copy of the program: close the other copy, "
                               "then try again"),
         TDbFailure::InUse, native(path));
}

void failFolderNotWritable(const QString& what, const QString& folder) {
    fail(what + QStringLiteral(": the folder cannot be written. Make the folder writable, then "
                               "try again"),
         TDbFailure::FolderNotWritable, native(folder));
}

void failDiskFull(const QString& what, const QString& folder) {
    fail(what + QStringLiteral(" cannot be written: the disk that holds the folder is full. Free "
                               "some space on it, then try again"),
         TDbFailure::DiskFull, native(folder));
}

bool diskFull(const QString& folder) {
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() <= 0;
}

void failReadOnly(const QString& what, const QString& path) {
    fail(what + QStringLiteral(" cannot be written: the file '%1' is read-only. Make the file "
                               "writable, then try again")
                    .arg(native(path)),
         TDbFailure::FileReadOnly, native(path));
}

ESqlError::ESqlError(int c, const QString& m)
    : EDatabaseError(QStringLiteral("Database error: ") + m), code(c), sqliteMessage(m) {}

QString tablePlace(const QString& fileName, const QString& alias, const QString& path) {
    return QStringLiteral("Table '%1' of '%2' in folder '%3'")
        .arg(fileName, alias, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

void tableFail(const ESqlError& e, const QString& fileName, const QString& alias,
               const QString& path) {
    const QString place = tablePlace(fileName, alias, path);
    const int primary = e.code & 0xff;
    const QString column = QStringLiteral("no such column: ");
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        fail(place + QStringLiteral(" is damaged"));
    if (e.sqliteMessage.startsWith(column))
        fail(place + QStringLiteral(" has no field '%1'").arg(e.sqliteMessage.mid(column.size())));
    if (e.sqliteMessage.startsWith(QLatin1String("no such table")))
        fail(place + QStringLiteral(" is missing from the database file"));
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        failInUse(place, path);
    // A file SQLite cannot open beside a folder that takes no new files
    // (its write-ahead log): the folder is at fault.
    const QString folder = QFileInfo(path).absolutePath();
    if (e.code == SQLITE_READONLY_DIRECTORY ||
        (primary == SQLITE_CANTOPEN && !QFileInfo(folder).isWritable()))
        failFolderNotWritable(place, folder);
    if (primary == SQLITE_CANTOPEN)
        fail(place + QStringLiteral(" cannot be opened: ") + e.sqliteMessage);
    if (primary == SQLITE_READONLY)
        failReadOnly(place, path);
    if (primary == SQLITE_FULL)
        fail(place + QStringLiteral(" cannot be written: the disk is full"), TDbFailure::DiskFull,
             native(path));
    if (primary == SQLITE_IOERR)
        fail(place + QStringLiteral(" cannot be read or written (disk error)"));
    fail(place + QStringLiteral(": ") + e.sqliteMessage);
}

QString quoteId(const QString& name) {
    QString n = name;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString tableStem(const QString& fileName) {
    QString n = fileName.trimmed();
    const int slash = qMax(n.lastIndexOf(QLatin1Char('/')), n.lastIndexOf(QLatin1Char('\\')));
    if (slash >= 0)
        n = n.mid(slash + 1);
    const int dot = n.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        n = n.left(dot);
    return n;
}

QString sqlTypeOf(const TFieldDef& f) {
    switch (f.Type) {
    case TFieldType::ftAutoInc:
        return QStringLiteral("INTEGER");
    case TFieldType::ftSmallint:
        return QStringLiteral("SMALLINT");
    case TFieldType::ftWord:
        return QStringLiteral("WORD INT");
    case TFieldType::ftInteger:
        return QStringLiteral("INTEGER");
    case TFieldType::ftBoolean:
        return QStringLiteral("BOOLEAN");
    case TFieldType::ftDate:
        return QStringLiteral("DATE");
    case TFieldType::ftString:
        return QStringLiteral("VARCHAR(%1)").arg(f.Size);
    case TFieldType::ftMemo:
        return QStringLiteral("MEMO TEXT");
    }
    return QStringLiteral("TEXT");
}

QByteArray passwordHash(const QByteArray& salt, const QString& password) {
    QByteArray h = salt + password.toUtf8();
    for (int i = 0; i < 2000; ++i)
        h = QCryptographicHash::hash(salt + h, QCryptographicHash::Sha256);
    return h;
}

// ------------------------------------------------------------------ Stmt ---

Stmt::~Stmt() {
    if (s_) {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
}

void Stmt::bind(int pos, const QVariant& v) {
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(s_, pos);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(s_, pos, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Char:
        case QMetaType::UChar:
        case QMetaType::SChar:
            rc = sqlite3_bind_int64(s_, pos, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(s_, pos, v.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray t = v.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(s_, pos, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text(s_, pos, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(QStringLiteral("Cannot bind a value: %1").arg(QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Stmt::bindAll(const QVariantList& values, int from) {
    for (int i = 0; i < values.size(); ++i)
        bind(from + i, values[i]);
}

bool Stmt::step() {
    const int rc = sqlite3_step(s_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw ESqlError(sqlite3_extended_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
}

int Stmt::columnCount() const {
    return sqlite3_column_count(s_);
}

QVariant Stmt::columnAuto(int i) const {
    switch (sqlite3_column_type(s_, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(s_, i);
        if (v >= INT_MIN && v <= INT_MAX)
            return QVariant(int(v));
        return QVariant(v);
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(s_, i));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s_, i)),
                                 sqlite3_column_bytes(s_, i));
    }
}

QVariant Stmt::column(int i, TFieldType type) const {
    if (sqlite3_column_type(s_, i) == SQLITE_NULL)
        return QVariant();
    switch (type) {
    case TFieldType::ftAutoInc:
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
    case TFieldType::ftInteger:
        if (sqlite3_column_type(s_, i) == SQLITE_TEXT)
            return columnAuto(i);
        return QVariant(int(sqlite3_column_int64(s_, i)));
    case TFieldType::ftBoolean:
        return QVariant(sqlite3_column_int64(s_, i) != 0);
    case TFieldType::ftDate: {
        const QDate d = QDate::fromString(columnAuto(i).toString(), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case TFieldType::ftString:
    case TFieldType::ftMemo:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s_, i)),
                                 sqlite3_column_bytes(s_, i));
    }
    return columnAuto(i);
}

// ------------------------------------------------------------ Connection ---

Connection::Connection(const QString& path, bool readOnly) : path_(path), readOnly_(readOnly) {
    if (readOnly && QFileInfo(path).isDir())
        fail(QStringLiteral("Database file '%1' is a folder, not a file").arg(path));
    if (readOnly && !QFileInfo(path).isFile())
        fail(QStringLiteral("Database file '%1' not found").arg(path));
    const int flags = readOnly ? (SQLITE_OPEN_READONLY | SQLITE_OPEN_URI)
                               : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // Content files never change while open (a rewrite makes a new file),
    // so reads skip SQLite's per-statement locking and change checks.
    const QByteArray name = readOnly ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                                               .toString(QUrl::FullyEncoded)
                                               .toUtf8() +
                                           "?immutable=1"
                                     : path.toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg =
            db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db_);
        db_ = nullptr;
        fail(QStringLiteral("Cannot open database file '%1': %2").arg(path, msg));
    }
    if (!readOnly && sqlite3_db_readonly(db_, "main") == 1) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        failReadOnly(QStringLiteral("The database"), path);
    }
    sqlite3_busy_timeout(db_, 2000);
    // An unknown name in double quotes is an error, never a string.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (readOnly) {
        sqlite3_exec(db_, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);
        sqlite3_exec(db_, "PRAGMA cache_size=-16000", nullptr, nullptr, nullptr);
    }
    try {
        if (!readOnly)
            createMetaTables(*this);
        loadMeta();
    } catch (const ESqlError& e) {
        closeAfterFailure();
        if (!readOnly)
            throw; // the user's file: the session names the cause
        fail(QStringLiteral("Database file '%1' cannot be read: %2").arg(path, e.sqliteMessage));
    } catch (...) {
        closeAfterFailure();
        throw;
    }
}

void Connection::closeAfterFailure() {
    for (sqlite3_stmt* s : std::as_const(stmts_))
        sqlite3_finalize(s);
    stmts_.clear();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

Connection::~Connection() {
    for (sqlite3_stmt* s : std::as_const(stmts_))
        sqlite3_finalize(s);
    if (!db_)
        return;
    // Every statement of the connection is ours: one left unfinalized would
    // keep the file half open (and its write-ahead log on disk) until exit.
    while (sqlite3_stmt* s = sqlite3_next_stmt(db_, nullptr))
        sqlite3_finalize(s);
    sqlite3_close(db_);
}

sqlite3_stmt* Connection::prepare(const QString& sql) {
    auto it = stmts_.constFind(sql);
    if (it != stmts_.constEnd())
        return it.value();
    sqlite3_stmt* s = nullptr;
    const QByteArray u = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, u.constData(), int(u.size()), &s, nullptr) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        const int code = sqlite3_extended_errcode(db_);
        sqlite3_finalize(s);
        throw ESqlError(code, msg);
    }
    if (stmts_.size() > 400) { // keep the cache bounded
        for (sqlite3_stmt* old : std::as_const(stmts_))
            sqlite3_finalize(old);
        stmts_.clear();
    }
    stmts_.insert(sql, s);
    return s;
}

void Connection::exec(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_free(err);
        throw ESqlError(sqlite3_extended_errcode(db_), msg);
    }
}

void Connection::loadMeta() {
    tables_.clear();
    const QString probe = QStringLiteral(
        "SELECT stem, filename, protected, userwritable FROM evelm_tables ORDER BY seq");
    sqlite3_stmt* raw = nullptr;
    try {
        raw = prepare(probe); // prepared once, also when the tables are read again
    } catch (const ESqlError& e) {
        const int code = e.code & 0xff;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            fail(QStringLiteral("File '%1' is not a database or is damaged").arg(path_));
        if (code == SQLITE_CANTOPEN || code == SQLITE_BUSY || code == SQLITE_READONLY ||
            code == SQLITE_IOERR)
            throw;
        fail(QStringLiteral("File '%1' holds no table definitions").arg(path_));
    }
    {
        Stmt s(db_, raw);
        while (s.step()) {
            auto t = std::make_shared<TableMeta>();
            t->sqlName = s.columnAuto(0).toString();
            t->def.FileName = s.columnAuto(1).toString();
            t->def.PasswordProtected = s.columnAuto(2).toInt() != 0;
            t->def.UserWritable = s.columnAuto(3).toInt() != 0;
            tables_.insert(t->sqlName.toLower(), t);
        }
    }
    {
        Stmt s(db_, prepare(QStringLiteral(
                        "SELECT stem, name, type, size FROM evelm_fields ORDER BY stem, pos")));
        while (s.step()) {
            auto t = tables_.value(s.columnAuto(0).toString().toLower());
            if (!t)
                continue;
            TFieldDef f;
            f.Name = s.columnAuto(1).toString();
            f.Type = TFieldType(s.columnAuto(2).toInt());
            f.Size = s.columnAuto(3).toInt();
            t->def.Fields.append(f);
        }
    }
    {
        Stmt s(db_,
               prepare(QStringLiteral(
                   "SELECT stem, name, fields, nocase FROM evelm_indexes ORDER BY stem, pos")));
        while (s.step()) {
            auto t = tables_.value(s.columnAuto(0).toString().toLower());
            if (!t)
                continue;
            TIndexDef ix;
            ix.Name = s.columnAuto(1).toString();
            ix.Fields = s.columnAuto(2).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
            ix.CaseInsensitive = s.columnAuto(3).toInt() != 0;
            t->def.Indexes.append(ix);
        }
    }
    {
        Stmt s(db_, prepare(QStringLiteral("SELECT key, value FROM evelm_meta")));
        while (s.step()) {
            const QString key = s.columnAuto(0).toString();
            const QByteArray v = QByteArray::fromHex(s.columnAuto(1).toString().toLatin1());
            if (key == QLatin1String("salt"))
                salt_ = v;
            else if (key == QLatin1String("hash"))
                hash_ = v;
        }
    }
}

std::shared_ptr<TableMeta> Connection::table(const QString& fileName) {
    return tables_.value(tableStem(fileName).toLower());
}

QStringList Connection::tableNames() const {
    QStringList names;
    for (const auto& t : tables_)
        names << t->sqlName;
    return names;
}

bool Connection::checkPassword(const QStringList& passwords) {
    if (hash_.isEmpty())
        return false;
    for (const QString& p : passwords) {
        if (verified_.contains(p))
            return true;
        if (passwordHash(salt_, p) == hash_) {
            verified_.insert(p);
            return true;
        }
    }
    return false;
}

void createMetaTables(Connection& c) {
    c.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS evelm_meta(key TEXT PRIMARY KEY, value TEXT);"
                          "CREATE TABLE IF NOT EXISTS evelm_tables(stem TEXT PRIMARY KEY COLLATE "
                          "NOCASE, filename TEXT,"
                          " protected INTEGER, userwritable INTEGER, seq INTEGER);"
                          "CREATE TABLE IF NOT EXISTS evelm_fields(stem TEXT COLLATE NOCASE, pos "
                          "INTEGER, name TEXT, type INTEGER, size INTEGER);"
                          "CREATE TABLE IF NOT EXISTS evelm_indexes(stem TEXT COLLATE NOCASE, pos "
                          "INTEGER, name TEXT, fields TEXT, nocase INTEGER);"));
}

void writePasswordMeta(Connection& c, const QString& password) {
    QByteArray salt(16, '\0');
    for (char& ch : salt)
        ch = char(QRandomGenerator::system()->bounded(256));
    const QByteArray hash = passwordHash(salt, password);
    c.exec(QStringLiteral("INSERT OR REPLACE INTO evelm_meta VALUES('salt', '%1');"
                          "INSERT OR REPLACE INTO evelm_meta VALUES('hash', '%2');")
               .arg(QString::fromLatin1(salt.toHex()), QString::fromLatin1(hash.toHex())));
}

} // namespace te
