// Writing to the one kind of table that may change: a user-writable table.
#include "TableCursor.h"

#include <sqlite3.h>

#include <algorithm>

using namespace te;

namespace {

void checkWritable(TTable* table, TDataSet::Impl& d) {
    if (!d.active)
        d.failNotOpen();
    auto& ti = table->tableImpl();
    if (!ti.meta->def.UserWritable || ti.readOnly || ti.conn->readOnly())
        fail(QStringLiteral("Table '%1' is read-only").arg(ti.tableName));
}

// A failed write in the words of the table.
template <class F> void writing(TTable* table, TDataSet::Impl& d, F&& f) {
    auto& t = table->tableImpl();
    // SQLite ends a transaction by itself on some failures; the writes after
    // must not be stored one by one as if the batch were still open.
    if (t.inBatch && sqlite3_get_autocommit(t.conn->db()))
        fail(tablePlace(t.meta->def.FileName, d.alias, t.conn->path()) +
             QStringLiteral(": the batch was lost after a failed write"));
    try {
        f();
    } catch (const ESqlError& e) {
        auto& ti = table->tableImpl();
        tableFail(e, ti.meta->def.FileName, d.alias, ti.conn->path());
    }
}

void rollBack(TTable::TableImpl& ti) {
    if (!ti.inBatch)
        return;
    ti.inBatch = false;
    try {
        ti.conn->exec(QStringLiteral("ROLLBACK"));
    } catch (const EDatabaseError&) {
        // SQLite has rolled back already when a write failed that way.
    }
}

} // namespace

void TTable::EmptyTable() {
    checkWritable(this, *d);
    if (d->state != TDataSetState::dsBrowse)
        Cancel();
    writing(this, *d, [&] {
        t->conn->exec(QStringLiteral("DELETE FROM %1").arg(quoteId(t->meta->sqlName)));
    });
    d->rebuildHook();
    d->resetToFirst();
}

void TTable::Append() {
    checkWritable(this, *d);
    if (d->state != TDataSetState::dsBrowse)
        fail(QStringLiteral("Table '%1' is already being edited").arg(t->tableName));
    t->savedRow = d->row;
    t->savedHasRow = d->hasRow;
    d->row = TRow();
    d->row.values = QVariantList(d->dataDefs.size());
    d->state = TDataSetState::dsInsert;
    d->calc();
}

void TTable::AppendRows(const QStringList& fields, const std::vector<qint64>& values) {
    checkWritable(this, *d);
    if (d->state != TDataSetState::dsBrowse)
        fail(QStringLiteral("Table '%1' is already being edited").arg(t->tableName));
    const qsizetype n = fields.size();
    if (n == 0 || values.size() % size_t(n) != 0)
        fail(QStringLiteral("Table '%1': %2 values for rows of %3 fields")
                 .arg(t->tableName)
                 .arg(values.size())
                 .arg(n));
    QStringList cols;
    for (const QString& f : fields) {
        const int i = d->dataIndex(f);
        if (i < 0)
            fail(QStringLiteral("Field '%1' not found in table '%2'").arg(f, t->tableName));
        cols << quoteId(d->dataDefs[i].Name);
    }
    // Many rows to a statement: a statement's own cost (its cursors, its
    // start and end) is paid once for them all.
    const qsizetype perStatement = std::max<qsizetype>(1, 512 / n);
    const QString tuple = QLatin1Char('(') +
                          QStringList(n, QStringLiteral("?")).join(QLatin1Char(',')) +
                          QLatin1Char(')');
    auto insertOf = [&](qsizetype rows) {
        return QStringLiteral("INSERT INTO %1(%2) VALUES")
                   .arg(quoteId(t->meta->sqlName), cols.join(QLatin1Char(','))) +
               QStringList(rows, tuple).join(QLatin1Char(','));
    };
    const bool own = !t->inBatch; // alone, the rows are one transaction of their own
    if (own)
        StartBatch();
    try {
        writing(this, *d, [&] {
            sqlite3* db = t->conn->db();
            const qsizetype total = qsizetype(values.size()) / n;
            for (qsizetype row = 0; row < total;) {
                const qsizetype rows = total - row >= perStatement ? perStatement : 1;
                Stmt s(db, t->conn->prepare(insertOf(rows)));
                const qint64* v = values.data() + row * n;
                for (int k = 1; k <= rows * n; ++k)
                    sqlite3_bind_int64(s.raw(), k, v[k - 1]);
                if (sqlite3_step(s.raw()) != SQLITE_DONE)
                    throw ESqlError(sqlite3_extended_errcode(db),
                                    QString::fromUtf8(sqlite3_errmsg(db)));
                row += rows;
            }
        });
        if (own)
            CommitBatch();
    } catch (...) {
        if (own)
            CancelBatch();
        throw;
    }
    d->countCache = -1;
    d->rebuildHook(); // a new cursor: the rows changed
    d->resetToFirst();
}

void TTable::Edit() {
    checkWritable(this, *d);
    if (d->state != TDataSetState::dsBrowse)
        return;
    if (!d->hasRow)
        fail(QStringLiteral("Table '%1' has no current record to edit").arg(t->tableName));
    t->savedRow = d->row;
    t->savedHasRow = d->hasRow;
    d->state = TDataSetState::dsEdit;
}

void TTable::Post() {
    if (d->state == TDataSetState::dsBrowse || d->state == TDataSetState::dsInactive)
        return;
    checkWritable(this, *d);
    const bool insert = d->state == TDataSetState::dsInsert;
    const bool needCols = !insert || t->insertSql.isEmpty();
    QStringList cols, marks;
    QVariantList binds;
    for (int i = 0; i < d->dataDefs.size(); ++i) {
        const TFieldDef& f = d->dataDefs[i];
        if (f.Type == TFieldType::ftAutoInc)
            continue;
        QVariant v = d->row.values.value(i);
        if (f.Type == TFieldType::ftBoolean && !v.isNull())
            v = v.toBool() ? 1 : 0;
        if (needCols) {
            cols << quoteId(f.Name);
            marks << QStringLiteral("?");
        }
        binds << v;
    }
    QVariant rowid;
    if (insert) {
        if (t->insertSql.isEmpty())
            t->insertSql =
                cols.isEmpty()
                    ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteId(t->meta->sqlName))
                    : QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                          .arg(quoteId(t->meta->sqlName), cols.join(QLatin1Char(',')),
                               marks.join(QLatin1Char(',')));
        const QString& sql = t->insertSql;
        writing(this, *d, [&] {
            Stmt s(t->conn->db(), t->conn->prepare(sql));
            s.bindAll(binds);
            s.step();
        });
        rowid = qint64(sqlite3_last_insert_rowid(t->conn->db()));
    } else {
        QStringList sets;
        for (const QString& c : cols)
            sets << c + QStringLiteral(" = ?");
        rowid = d->row.bookmark;
        if (!sets.isEmpty())
            writing(this, *d, [&] {
                Stmt s(t->conn->db(),
                       t->conn->prepare(
                           QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                               .arg(quoteId(t->meta->sqlName), sets.join(QLatin1String(", ")))));
                s.bindAll(binds);
                s.bind(int(binds.size()) + 1, rowid);
                s.step();
            });
    }
    const bool inserted = d->state == TDataSetState::dsInsert;
    d->state = TDataSetState::dsBrowse;
    d->cursor->serial = te::newCursorSerial(); // rows changed: drop cached lookups
    TRow r;
    bool visible;
    if (inserted && static_cast<TTableCursor*>(d->cursor.get())->showsEveryRow()) {
        // Seen for sure, with the values just stored: no need to read it back.
        r.values = std::move(d->row.values);
        r.bookmark = rowid;
        for (int i = 0; i < d->dataDefs.size(); ++i)
            if (d->dataDefs[i].Type == TFieldType::ftAutoInc)
                r.values[i] = int(rowid.toLongLong());
        visible = true;
    } else {
        visible = d->cursor->gotoBookmark(rowid, r);
    }
    // A fill asks for the count often: an appended row adds one when seen.
    if (!inserted)
        d->countCache = -1;
    else if (visible && d->countCache >= 0)
        ++d->countCache;
    if (visible) {
        d->setRow(true, std::move(r));
        d->eof = d->bof = false;
        d->pastEnd = false;
        d->notice();
    } else {
        d->resetToFirst(); // the new row is outside the range or filter
    }
}

void TTable::Cancel() {
    if (d->state != TDataSetState::dsInsert && d->state != TDataSetState::dsEdit)
        return;
    d->row = t->savedRow;
    d->hasRow = t->savedHasRow;
    d->state = TDataSetState::dsBrowse;
    d->calc();
    d->notice();
}

void TTable::StartBatch() {
    checkWritable(this, *d);
    if (t->inBatch)
        fail(QStringLiteral("Table '%1' is already writing a batch").arg(t->tableName));
    writing(this, *d, [&] { t->conn->exec(QStringLiteral("BEGIN IMMEDIATE")); });
    t->inBatch = true;
}

void TTable::CommitBatch() {
    if (!t->inBatch)
        return;
    try {
        if (d->state == TDataSetState::dsInsert || d->state == TDataSetState::dsEdit)
            Post();
        writing(this, *d, [&] { t->conn->exec(QStringLiteral("COMMIT")); });
        t->inBatch = false;
    } catch (...) {
        CancelBatch();
        throw;
    }
}

void TTable::CancelBatch() {
    if (!t->inBatch)
        return;
    Cancel();
    rollBack(*t);
    if (d->active) {
        d->countCache = -1;
        d->rebuildHook();
        d->resetToFirst();
    }
}

bool TTable::InBatch() const {
    return t->inBatch;
}

TWriteBatch::TWriteBatch(TTable& table) : table_(&table) {
    table.StartBatch();
}

TWriteBatch::~TWriteBatch() {
    if (!table_)
        return;
    try {
        table_->CancelBatch();
    } catch (...) {
        // A destructor must not throw; the transaction is gone either way.
    }
}

void TWriteBatch::Commit() {
    if (!table_)
        return;
    TTable* t = table_;
    table_ = nullptr;
    t->CommitBatch();
}
