#pragma once
// Shared inner parts of the table engine; not for the engine's users.

#include "TableEngine.h"

#include <QHash>
#include <QLockFile>
#include <QSet>

#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace te {

[[noreturn]] void fail(const QString& message, TDbFailure cause = TDbFailure::Other,
                       const QString& path = QString());

// A field value as text: booleans as True/False, dates in ISO form, null as
// empty. AsString and the grid model show values so.
QString valueText(const QVariant& v);

// A failure reported by SQLite, before a table or query puts it in its own
// words; its message alone is "Database error: " and SQLite's text.
class ESqlError : public EDatabaseError {
public:
    ESqlError(int code, const QString& sqliteMessage);
    int code;              // SQLite's extended result code
    QString sqliteMessage; // SQLite's own text
};
// Raises the engine's error for a table file of an alias whose database
// file is `path`: what is wrong, named by file, alias and folder.
[[noreturn]] void tableFail(const ESqlError& e, const QString& fileName, const QString& alias,
                            const QString& path);
// "Table 'X' of 'Alias' in folder 'F'"
QString tablePlace(const QString& fileName, const QString& alias, const QString& path);
// The database file of the user's writable tables.
QString userDatabasePath();
// The failures that keep a writable file from being written, in the user's
// words: what is wrong and what to do. `what` names the table and its place.
[[noreturn]] void failInUse(const QString& what, const QString& path);
[[noreturn]] void failFolderNotWritable(const QString& what, const QString& folder);
[[noreturn]] void failReadOnly(const QString& what, const QString& path);
[[noreturn]] void failDiskFull(const QString& what, const QString& folder);
// No room left for a new file's first bytes in the folder.
bool diskFull(const QString& folder);

// Quotes an SQL identifier.
QString quoteId(const QString& name);
// Table file name ("Bible.DB", "Rpt1") to its stem ("Bible", "Rpt1").
QString tableStem(const QString& fileName);
QString sqlTypeOf(const TFieldDef& f);
QByteArray passwordHash(const QByteArray& salt, const QString& password);
quint64 newCursorSerial();

// One prepared statement, reset when the holder goes out of scope.
class Stmt {
public:
    Stmt(sqlite3* db, sqlite3_stmt* s) : db_(db), s_(s) {}
    ~Stmt();
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    void bind(int pos, const QVariant& v);
    void bindAll(const QVariantList& values, int from = 1);
    bool step(); // true when a row is there
    QVariant column(int i, TFieldType type) const;
    QVariant columnAuto(int i) const;
    int columnCount() const;
    sqlite3_stmt* raw() const { return s_; }

private:
    sqlite3* db_;
    sqlite3_stmt* s_;
};

struct TableMeta {
    TTableDef def;
    QString sqlName; // the SQLite table
    bool passwordOk = false;
};

// One SQLite file: the content file of an alias folder (read-only) or the
// user's file of writable tables.
class Connection {
public:
    Connection(const QString& path, bool readOnly);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* db() const { return db_; }
    QString path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    // Cached prepared statement; raises with the SQLite message.
    sqlite3_stmt* prepare(const QString& sql);
    void exec(const QString& sql);
    // The table of a file name; nullptr when the file has no such table.
    std::shared_ptr<TableMeta> table(const QString& fileName);
    QStringList tableNames() const;
    bool checkPassword(const QStringList& passwords);
    void loadMeta();

private:
    void closeAfterFailure();
    QSet<QString> verified_;
    sqlite3* db_ = nullptr;
    QString path_;
    bool readOnly_;
    QHash<QString, sqlite3_stmt*> stmts_;
    QHash<QString, std::shared_ptr<TableMeta>> tables_; // by lower-case stem
    QByteArray salt_, hash_;
};

// Creates the meta tables and one table from its definition.
void createMetaTables(Connection& c);
void createTableFromDef(Connection& c, const TTableDef& def);
void writePasswordMeta(Connection& c, const QString& password);

} // namespace te

struct TSession::Impl {
    QHash<QString, QString> aliases;    // lower name -> folder
    QHash<QString, QString> aliasNames; // lower name -> name as given
    QStringList passwords;
    QString userDataFolder;
    QHash<QString, std::shared_ptr<te::Connection>> connections; // by path
    QHash<QString, int> openCounts;        // opens per table key in this process
    QSet<QString> exclusiveKeys;           // tables opened exclusively here
    QHash<QString, QString> aliasFailures; // lower alias -> why its file cannot be opened

    std::shared_ptr<te::Connection> contentConnection(const QString& alias);
    // Raises naming the table file of the alias that asked for it.
    std::shared_ptr<te::Connection> userConnection(const QString& fileName, const QString& alias);
    void forget(const QString& path);
};

// ------------------------------------------------------------------ cursor --
// A row of a dataset: the data field values and a stable position.
struct TRow {
    QVariantList values;
    QVariant bookmark;
};

class TCursor {
public:
    TCursor();
    virtual ~TCursor() = default;
    // Changes whenever the visible rows may have changed; lookups that
    // cache results check it.
    quint64 serial;
    virtual bool first(TRow& row) = 0;
    virtual bool last(TRow& row) = 0;
    virtual bool next(const TRow& cur, TRow& row) = 0;
    virtual bool prior(const TRow& cur, TRow& row) = 0;
    virtual int count() = 0;
    virtual int recNo(const TRow& cur) = 0;
    virtual bool seek(int recNo, TRow& row) = 0;
    // Up to n rows from record number `from` on, in order.
    virtual void block(int from, int n, std::vector<TRow>& rows);
    virtual bool gotoBookmark(const QVariant& bm, TRow& row) = 0;
    // The first visible row (in order) whose field equals the value.
    virtual QVariant lookup(const QStringList& keyFields, const QVariantList& keyValues,
                            const QString& resultField) = 0;
};

struct TDataSet::Impl {
    TDataSet* q = nullptr;
    QString alias;
    bool active = false;
    TDataSetState state = TDataSetState::dsInactive;

    QList<TFieldDef> dataDefs; // data fields of the open table/query
    std::vector<std::unique_ptr<TField>> dataFields;
    std::vector<std::unique_ptr<TField>> extraFields; // lookup and calculated
    QList<TField*> all;
    QHash<QString, TField*> byName;
    QHash<QString, TField*> asAsked; // names as callers spell them

    std::unique_ptr<TCursor> cursor;
    bool hasRow = false;
    TRow row;
    QVariantList calcValues;
    QVariantList lookupValues;
    std::vector<bool> lookupDone;
    struct LookupMemo {
        quint64 serial = 0;
        QVariantList keys;
        QVariant value;
    };
    std::vector<LookupMemo> lookupMemo; // last result per lookup field
    bool eof = true, bof = true;
    bool pastEnd = false; // after a FindNearest beyond the last key
    int countCache = -1;

    QString filter;
    bool filtered = false;
    QString filterSql; // translated, "" when none

    int disableCount = 0;
    bool noticePending = false;
    bool inCalc = false;
    // The calculated fields of the current row are computed when first read,
    // so moves that nobody reads (a fill, a scan) cost no handler call.
    bool calcDirty = false;

    // Virtuals of the subclasses.
    std::function<void()> openHook, closeHook, rebuildHook;

    void rebuildFieldList();
    void setRow(bool found, TRow&& r);
    void calc();       // the row changed: its calculated fields are due
    void ensureCalc(); // runs the handler when they are due
    void notice();
    void requireActive() const;
    [[noreturn]] void failNotOpen() const;
    // The last failed open, given again to what is asked of the closed
    // dataset; names it in messages ("Table 'X' of 'Alias'").
    std::unique_ptr<EDatabaseError> openFailure;
    std::function<QString()> describe;
    QVariant lookupValue(int slot);
    int dataIndex(const QString& name) const; // -1 when none
    void translateFilter();
    void resetToFirst();
};

namespace te {
// The words, numbers, quoted texts, ":name" parameters and punctuation of a
// filter or local SQL text. "[name]" is a word; '"' texts are DString.
enum class Tok { Word, Number, String, DString, Param, Punct, End };
struct Token {
    Tok kind;
    QString text;
};
// Ends with an End token. `bad` raises the caller's error for the reason
// given; it must not return.
QList<Token> lex(const QString& s, const std::function<void(const QString&)>& bad);

// Filter text to an SQL condition over the given data fields.
QString translateFilter(const QString& filter, const QList<TFieldDef>& fields);
// Local SQL to SQLite over the tables of a connection; fills the parameter
// names in the order they appear.
QString translateSql(const QString& text, Connection& c, QStringList& paramNames,
                     QList<std::shared_ptr<TableMeta>>& used);
QStringList sqlParamNames(const QString& text);
// Key comparison (cols) op (values) as SQL with '?' placeholders, NULL
// ordered first; appends the bound values.
QString keyCompare(const QStringList& cols, const QVariantList& vals, const QString& op,
                   QVariantList& binds);
} // namespace te

// Builds fields with the protected constructor of TField.
struct TFieldAccess {
    static std::unique_ptr<TField> make(TDataSet* ds, const QString& name, TFieldType type,
                                        int size, TFieldKind kind) {
        return std::unique_ptr<TField>(new TField(ds, name, type, size, kind));
    }
    static int& slot(TField* f) { return f->slot_; }
};
