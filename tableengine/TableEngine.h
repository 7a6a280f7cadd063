#pragma once
// The table engine: named tables of an alias folder, reached through
// datasets with an active index, ranges, filters, lookups and calculated
// fields. All tables of one alias folder live in one SQLite file.
//
// This header is the contract that the data module, the content builder and
// the windows code against: add to it freely, change nothing that exists.

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

// What a failure comes from, where the user can do something about it.
enum class TDbFailure {
    Other,
    InUse,             // another copy of the program, or another program, holds it
    FolderNotWritable, // the folder of a writable file cannot be written
    FileReadOnly,      // the writable file is read-only
    DiskFull,
    SqlText, // the program's own SQL text cannot be run: its words are for the developer
};

// Every failure of the engine: a missing alias, folder, file, table, index or
// field, a password not in the session's list, a corrupt file, a write to a
// read-only table, a filter or SQL text that cannot be translated.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString& message, TDbFailure cause = TDbFailure::Other,
                            const QString& path = QString());
    QString Message() const { return message_; }
    TDbFailure Cause() const { return cause_; }
    // The file or folder the cause is about; empty for Other.
    QString Path() const { return path_; }

private:
    QString message_;
    TDbFailure cause_;
    QString path_;
};

enum class TFieldType {
    ftAutoInc,
    ftSmallint,
    ftWord,
    ftInteger,
    ftBoolean,
    ftDate,
    ftString,
    ftMemo
};
enum class TFieldKind { fkData, fkLookup, fkCalculated };
enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

class TDataSet;
class TDataSource;

// ---------------------------------------------------------------- schema ---
// Used by the content builder and by the tests' fixture builder to write a
// database; the datasets read the definitions back from the file.

struct TFieldDef {
    QString Name;
    TFieldType Type = TFieldType::ftInteger;
    int Size = 0; // characters for ftString, else 0
};

struct TIndexDef {
    QString Name;       // "" is the primary index
    QStringList Fields; // key fields in order
    bool CaseInsensitive = false;
};

struct TTableDef {
    QString FileName; // "Bible.DB", "BibleBooks.db", "Rpt1" ...
    QList<TFieldDef> Fields;
    QList<TIndexDef> Indexes; // the primary one, if any, has Name ""
    bool PasswordProtected = true;
    // Kept in the user's own data folder rather than the content folder,
    // created there from this definition when missing (SRN.DB).
    bool UserWritable = false;
};

// Writes a new database file into a folder (the file the engine reads for an
// alias on that folder). Rows go in through prepared inserts in one
// transaction; nothing is visible to readers until Commit().
class TDatabaseWriter {
public:
    // Creates (replacing) the database file in `folder`; `password` protects
    // every table whose definition says so. The folder must exist.
    TDatabaseWriter(const QString& folder, const QString& password);
    ~TDatabaseWriter();
    TDatabaseWriter(const TDatabaseWriter&) = delete;
    TDatabaseWriter& operator=(const TDatabaseWriter&) = delete;

    void CreateTable(const TTableDef& def);
    // Appends one row; `fields` names the columns given (others are null,
    // autoinc fields are numbered when not given).
    void Insert(const QString& fileName, const QStringList& fields, const QVariantList& values);
    void Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The file name of the database inside an alias folder.
QString DatabaseFileName();

// Waits until a written file, or the entries of a folder (files made or
// renamed in it), are on the disk; raises naming the path when that fails.
void SyncToDisk(const QString& path);

// --------------------------------------------------------------- session ---

class TSession {
public:
    void AddPassword(const QString& password);
    void RemoveAllPasswords();
    bool HasPassword(const QString& password) const;

    bool IsAlias(const QString& name) const;
    // Driver is "PARADOX"; any other driver name is refused.
    void AddStandardAlias(const QString& name, const QString& path, const QString& driver);
    void DeleteAlias(const QString& name);
    QString AliasPath(const QString& name) const; // raises when unknown

    // Folder of the user-writable tables; defaults to the application's
    // data location. Tests point it at a temporary folder.
    void SetUserDataFolder(const QString& folder);
    QString UserDataFolder() const;

    // Forgets aliases and passwords and closes cached connections
    // (datasets must be closed first); for tests.
    void Reset();

    // Closes the database files that no open dataset uses (the program's
    // exit, after its datasets are gone); a later open opens them again.
    void CloseUnusedFiles();
    // Database files the session holds open.
    int OpenFileCount() const;

private:
    struct Impl;
    std::shared_ptr<Impl> d;

public:
    TSession();
    ~TSession();
    Impl& impl() const { return *d; }
};

extern TSession Session;

// ----------------------------------------------------------------- field ---

class TField {
public:
    virtual ~TField() = default;
    QString FieldName() const { return name_; }
    TFieldType DataType() const { return type_; }
    TFieldKind FieldKind() const { return kind_; }
    int Size() const { return size_; }
    TDataSet* DataSet() const { return dataSet_; }

    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const; // null reads as ""
    int AsInteger() const;    // null reads as 0
    bool AsBoolean() const;   // null reads as false
    QDate AsDate() const;

    // Allowed on calculated fields inside OnCalcFields, and on data fields of
    // a writable table in insert or edit state; raises otherwise.
    void SetValue(const QVariant& value);
    void SetAsString(const QString& v) { SetValue(v); }
    void SetAsInteger(int v) { SetValue(v); }
    void SetAsBoolean(bool v) { SetValue(v); }

    // Lookup definition (fkLookup only).
    QString KeyFields, LookupKeyFields, LookupResultField;
    TDataSet* LookupDataSet = nullptr;

protected:
    friend class TDataSet;
    friend struct TFieldAccess;
    TField(TDataSet* ds, QString name, TFieldType type, int size, TFieldKind kind)
        : dataSet_(ds), name_(std::move(name)), type_(type), size_(size), kind_(kind) {}
    TDataSet* dataSet_;
    QString name_;
    TFieldType type_;
    int size_;
    TFieldKind kind_;
    int slot_ = -1; // place of the value in the dataset's row buffers
};

class TParam {
public:
    explicit TParam(QString name) : name_(std::move(name)) {}
    QString Name() const { return name_; }
    QVariant Value() const { return value_; }
    void SetValue(const QVariant& v) { value_ = v; }
    void SetAsInteger(int v) { value_ = v; }
    void SetAsString(const QString& v) { value_ = v; }

private:
    QString name_;
    QVariant value_;
};

// --------------------------------------------------------------- dataset ---

using TBookmark = QVariant; // opaque; invalid when null

class TDataSet : public QObject {
    Q_OBJECT
public:
    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    QString DatabaseName() const; // the alias
    void SetDatabaseName(const QString& alias);

    bool Active() const;
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const;

    // Navigation over the visible rows (index order, range, filter, master).
    void First();
    void Last();
    void Next();  // on the last row: Eof set, the row stays current
    void Prior(); // on the first row: Bof set, the row stays current
    int MoveBy(int distance);
    bool Eof() const;
    bool Bof() const;
    bool IsEmpty() const;
    int RecNo() const; // 1-based; 0 when empty or inactive
    void SetRecNo(int recNo);
    int RecordCount() const;

    // Fields: data fields come from the table; lookup and calculated fields
    // are added before opening.
    QList<TField*> Fields() const;
    TField* FindField(const QString& name) const;   // case-insensitive; nullptr when missing
    TField* FieldByName(const QString& name) const; // raises "Field 'X' not found"
    TField* AddLookupField(const QString& name, TFieldType type, int size, const QString& keyFields,
                           TDataSet* lookupDataSet, const QString& lookupKeyFields,
                           const QString& lookupResultField);
    TField* AddCalcField(const QString& name, TFieldType type, int size);
    // Fills the calculated fields of the current row; called whenever a
    // row becomes current.
    std::function<void(TDataSet&)> OnCalcFields;

    // Filter text in the engine's expression language: field names, numbers,
    // '' strings, = <> < > <= >=, and, or, not, parentheses; a bare Boolean
    // field name is a test of that field.
    QString Filter() const;
    void SetFilter(const QString& filter);
    bool Filtered() const;
    void SetFiltered(bool filtered);

    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& bookmark); // raises when the row is gone
    bool BookmarkValid(const TBookmark& bookmark) const;

    // While disabled, data-change notices are held back; the last enable
    // sends one.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const;

    // Re-reads the rows (keeps the current row when it still exists).
    void Refresh();

    // The values of `fields` (names; an unknown name reads as null) for up to
    // `count` visible rows from record number `firstRecNo` on, with lookup and
    // calculated fields computed for each row. The current row, its fields,
    // Eof and Bof stay as they are and no notice is sent: grids paint with it.
    QList<QVariantList> ReadRows(int firstRecNo, int count, const QStringList& fields);

    // Implementation access for the engine's own classes.
    struct Impl;
    Impl& impl() const { return *d; }

signals:
    // The current row moved or the visible rows changed (open, close,
    // filter, range, master move, post).
    void dataChanged();

protected:
    std::unique_ptr<Impl> d;
    friend class TField;
};

// One row of TTable::ReadAll: its fields by their place in the list asked.
class TRowValues {
public:
    virtual qint64 Integer(int field) const = 0;
    virtual QString Text(int field) const = 0;
    // The text as the file holds it (UTF-8), valid until the next row.
    virtual QByteArrayView Utf8(int field) const = 0;

protected:
    ~TRowValues() = default;
};

class TTable : public TDataSet {
    Q_OBJECT
public:
    explicit TTable(QObject* parent = nullptr);
    ~TTable() override;

    QString TableName() const;
    void SetTableName(const QString& fileName); // "Bible.DB"

    // Index by name ("" = primary) or by field list ("A;B"); the one set
    // last wins. Missing index: raises on open or at once when active.
    QString IndexName() const;
    void SetIndexName(const QString& name);
    QString IndexFieldNames() const;
    void SetIndexFieldNames(const QString& fields);

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool Exclusive() const;
    void SetExclusive(bool exclusive);

    // Exact match on the leading fields of the active index; on a miss the
    // cursor stays where it was.
    bool FindKey(const QVariantList& keyValues);
    // First visible row whose key is at or after the values; the last row
    // when none is (Eof is not set).
    void FindNearest(const QVariantList& keyValues);
    void SetRange(const QVariantList& startValues, const QVariantList& endValues);
    void CancelRange();

    // Reads the named data fields of every visible row in order, straight
    // from the file, for a scan that reads a whole table once: the current
    // row stays, no lookup or calculated field is computed, no notice sent.
    void ReadAll(const QStringList& fields, const std::function<void(const TRowValues&)>& each);

    // Detail of a master: shows the rows whose MasterFields (index fields of
    // this table, ';'-separated) equal the same-named fields of the master's
    // current row.
    void SetMasterSource(TDataSource* source);
    TDataSource* MasterSource() const;
    void SetMasterFields(const QString& fields);
    QString MasterFields() const;

    // Writing (only on a writable, exclusively opened user table).
    void EmptyTable();
    void Append();
    void Edit();
    void Post();
    void Cancel();

    // Appends rows of integer fields at once: `values` holds the rows one
    // after another, one value per field named. No row becomes current on
    // the way; afterwards the table stands on its first row. Inside a batch
    // the rows belong to it, else they are stored together or not at all.
    // Rows given in the table's index order are stored fastest.
    void AppendRows(const QStringList& fields, const std::vector<qint64>& values);

    // Batched writing: the writes from StartBatch to CommitBatch are one
    // transaction (an empty-and-fill run is one commit). CancelBatch, closing
    // the table or a failed commit drops them all: the table holds its old
    // rows or all the new ones. A posted row is visible to this table at once.
    void StartBatch();
    void CommitBatch(); // posts a pending append or edit first
    void CancelBatch(); // cancels a pending append or edit
    bool InBatch() const;

    struct TableImpl;
    TableImpl& tableImpl() const { return *t; }

private:
    std::unique_ptr<TableImpl> t;
};

// A batch of a table for one scope: dropped unless Commit ran, so an error
// that leaves the scope leaves the table's old rows.
//   TWriteBatch batch(table);
//   table.EmptyTable(); ... Append(); ... Post(); ...
//   batch.Commit();
class TWriteBatch {
public:
    explicit TWriteBatch(TTable& table);
    ~TWriteBatch();
    TWriteBatch(const TWriteBatch&) = delete;
    TWriteBatch& operator=(const TWriteBatch&) = delete;
    void Commit();

private:
    QPointer<TTable> table_;
};

class TQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TQuery(QObject* parent = nullptr);
    ~TQuery() override;

    // Local SQL text, one string per line; named parameters are ":name".
    // Setting the text closes the query and re-reads the parameter list.
    QStringList SQL() const;
    void SetSQL(const QStringList& lines);
    void SetSQL(const QString& text) { SetSQL(QStringList{text}); }
    TParam* ParamByName(const QString& name); // raises when unknown
    QList<TParam*> Params() const;

    struct QueryImpl;

private:
    std::unique_ptr<QueryImpl> q;
};

// ------------------------------------------------------------ data source ---

class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(QObject* parent = nullptr);
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Called on every move of the dataset's current row and every change of
    // its visible rows.
    std::function<void(TDataSource&)> OnDataChange;

signals:
    void dataChange();
    void dataSetChanged(); // SetDataSet gave it another dataset

private:
    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    QMetaObject::Connection conn_;
    QMetaObject::Connection destroyedConn_; // forgets a dataset that goes first
};
