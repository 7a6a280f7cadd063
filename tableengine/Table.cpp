// TTable: opening a table file of an alias, its index, range and master.
#include "TableCursor.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

using namespace te;

namespace {

bool sameDefinition(const TTableDef& a, const TTableDef& b) {
    if (a.Fields.size() != b.Fields.size() || a.Indexes.size() != b.Indexes.size())
        return false;
    for (int i = 0; i < a.Fields.size(); ++i)
        if (a.Fields[i].Name != b.Fields[i].Name || a.Fields[i].Type != b.Fields[i].Type ||
            a.Fields[i].Size != b.Fields[i].Size)
            return false;
    for (int i = 0; i < a.Indexes.size(); ++i)
        if (a.Indexes[i].Name != b.Indexes[i].Name || a.Indexes[i].Fields != b.Indexes[i].Fields ||
            a.Indexes[i].CaseInsensitive != b.Indexes[i].CaseInsensitive)
            return false;
    return true;
}

// The user's copy of a writable table, made from the content definition.
std::shared_ptr<TableMeta> userTable(Connection& uc, const TTableDef& def) {
    auto existing = uc.table(def.FileName);
    if (existing && sameDefinition(existing->def, def))
        return existing;
    uc.exec(QStringLiteral("BEGIN"));
    try {
        if (existing) {
            const QString stem = existing->sqlName;
            uc.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoteId(stem)));
            Stmt a(uc.db(), uc.prepare(QStringLiteral("DELETE FROM evelm_tables WHERE stem = ?")));
            a.bind(1, stem);
            a.step();
            Stmt b(uc.db(), uc.prepare(QStringLiteral("DELETE FROM evelm_fields WHERE stem = ?")));
            b.bind(1, stem);
            b.step();
            Stmt c(uc.db(), uc.prepare(QStringLiteral("DELETE FROM evelm_indexes WHERE stem = ?")));
            c.bind(1, stem);
            c.step();
        }
        TTableDef copy = def;
        copy.PasswordProtected = false;
        createTableFromDef(uc, copy);
        uc.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            uc.exec(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
        throw;
    }
    uc.loadMeta();
    auto t = uc.table(def.FileName);
    if (!t)
        fail(QStringLiteral("Cannot create table '%1' in the user data folder").arg(def.FileName));
    return t;
}

} // namespace

TTable::TTable(QObject* parent) : TDataSet(parent), t(std::make_unique<TableImpl>()) {
    d->describe = [this] {
        return QStringLiteral("Table '%1' of '%2'").arg(t->tableName, d->alias);
    };
    d->openHook = [this] {
        TableImpl& ti = *t;
        if (ti.tableName.trimmed().isEmpty())
            fail(QStringLiteral("No table name given"));
        auto content = Session.impl().contentConnection(d->alias);
        auto meta = content->table(ti.tableName);
        const QString place = tablePlace(ti.tableName, d->alias, content->path());
        if (!meta)
            fail(place + QStringLiteral(" is not in the database file"));
        if (meta->def.PasswordProtected && !content->checkPassword(Session.impl().passwords))
            fail(place + QStringLiteral(": the password is not in the session's password list"));
        // Claimed before the user's copy is touched, so a refused open
        // changes nothing.
        const bool user = meta->def.UserWritable;
        const QString connPath = user ? userDatabasePath() : content->path();
        const QString where = user ? tablePlace(ti.tableName, d->alias, connPath) : place;
        // Sharing with other opens of the same table.
        ti.lockKey = connPath + QLatin1Char('|') + meta->sqlName.toLower();
        auto& s = Session.impl();
        if (s.exclusiveKeys.contains(ti.lockKey))
            fail(
                QStringLiteral("Table '%1' is in use: it is opened exclusively").arg(ti.tableName));
        if (ti.exclusive && s.openCounts.value(ti.lockKey) > 0)
            fail(QStringLiteral("Table '%1' is in use and cannot be opened exclusively")
                     .arg(ti.tableName));
        if (ti.exclusive) {
            QString lockPath;
            if (user) {
                const QString folder = QFileInfo(connPath).absolutePath();
                if (!QDir().mkpath(folder))
                    failFolderNotWritable(where, folder);
                lockPath = QDir(folder).filePath(meta->sqlName + QStringLiteral(".lock"));
            } else {
                const QByteArray h =
                    QCryptographicHash::hash(ti.lockKey.toUtf8(), QCryptographicHash::Sha1)
                        .toHex()
                        .left(16);
                lockPath = QDir::temp().filePath(
                    QStringLiteral("evelm-%1.lock").arg(QString::fromLatin1(h)));
            }
            ti.lock = std::make_unique<QLockFile>(lockPath);
            ti.lock->setStaleLockTime(0);
            if (!ti.lock->tryLock(0)) {
                const QLockFile::LockError error = ti.lock->error();
                ti.lock.reset();
                const QString lockFolder = QFileInfo(lockPath).absolutePath();
                if (error == QLockFile::PermissionError)
                    failFolderNotWritable(where, lockFolder);
                // The lock file was made but its contents could not be written.
                if (error == QLockFile::UnknownError && diskFull(lockFolder))
                    failDiskFull(where, lockFolder);
                failInUse(where, connPath);
            }
            s.exclusiveKeys.insert(ti.lockKey);
        }
        s.openCounts[ti.lockKey] += 1;
        ti.registered = true;
        auto conn = user ? s.userConnection(ti.tableName, d->alias) : content;
        if (user) {
            try {
                meta = userTable(*conn, meta->def);
            } catch (const ESqlError& e) {
                tableFail(e, ti.tableName, d->alias, conn->path());
            }
        }
        ti.conn = conn;
        ti.meta = meta;
        d->dataDefs = meta->def.Fields;
        tableImpl().order.clear();
        // The active index.
        const TIndexDef* index = nullptr;
        QStringList fields;
        if (ti.byFieldNames && !ti.indexFieldNames.trimmed().isEmpty()) {
            for (const QString& f : ti.indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                fields << f.trimmed();
            for (const TIndexDef& ix : meta->def.Indexes) {
                if (ix.Fields.size() < fields.size())
                    continue;
                bool match = true;
                for (int i = 0; i < fields.size(); ++i)
                    match = match && ix.Fields[i].compare(fields[i], Qt::CaseInsensitive) == 0;
                if (match) {
                    index = &ix;
                    break;
                }
            }
            if (!index)
                fail(place +
                     QStringLiteral(" has no index on the fields '%1'").arg(ti.indexFieldNames));
            fields = index->Fields;
        } else {
            for (const TIndexDef& ix : meta->def.Indexes)
                if (ix.Name.compare(ti.indexName.trimmed(), Qt::CaseInsensitive) == 0)
                    index = &ix;
            if (!index && !ti.indexName.trimmed().isEmpty())
                fail(place + QStringLiteral(" has no index '%1'").arg(ti.indexName));
            if (index)
                fields = index->Fields;
        }
        ti.orderUnique = false;
        for (const QString& f : fields) {
            const int i = d->dataIndex(f);
            if (i < 0)
                fail(place + QStringLiteral(" has no field '%1'").arg(f));
            const TFieldDef& fd = d->dataDefs[i];
            TOrderColumn c;
            c.field = i;
            c.sql = quoteId(fd.Name);
            if (index->CaseInsensitive &&
                (fd.Type == TFieldType::ftString || fd.Type == TFieldType::ftMemo))
                c.sql += QStringLiteral(" COLLATE NOCASE");
            ti.order << c;
            if (fields.size() == 1 && fd.Type == TFieldType::ftAutoInc)
                ti.orderUnique = true;
        }
        ti.masterValues.clear();
        if (ti.master && ti.master->DataSet()) {
            for (const QString& f : ti.masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                if (d->dataIndex(f.trimmed()) < 0)
                    fail(QStringLiteral("Master field '%1' not found in table '%2'")
                             .arg(f, ti.tableName));
            }
        }
    };
    d->closeHook = [this] {
        TableImpl& ti = *t;
        if (ti.inBatch) {
            ti.inBatch = false;
            try {
                ti.conn->exec(QStringLiteral("ROLLBACK"));
            } catch (const EDatabaseError&) {
            }
        }
        if (ti.registered) {
            auto& s = Session.impl();
            if (--s.openCounts[ti.lockKey] <= 0)
                s.openCounts.remove(ti.lockKey);
            if (ti.lock)
                s.exclusiveKeys.remove(ti.lockKey);
            ti.registered = false;
        }
        ti.lock.reset();
        ti.conn.reset();
        ti.meta.reset();
        ti.insertSql.clear();
    };
    d->rebuildHook = [this] {
        TableImpl& ti = *t;
        QStringList where;
        QVariantList binds;
        if (!d->filterSql.isEmpty())
            where << QLatin1Char('(') + d->filterSql + QLatin1Char(')');
        auto cols = [&](int n) {
            QStringList c;
            for (int i = 0; i < n; ++i)
                c << ti.order[i].sql;
            return c;
        };
        if (ti.hasRange) {
            if (ti.rangeLo.size() > ti.order.size() || ti.rangeHi.size() > ti.order.size())
                fail(QStringLiteral(
                         "Table '%1': the range has more values than the index has fields")
                         .arg(ti.tableName));
            const auto lo = TTableCursor::typed(ti.rangeLo, ti.order, d->dataDefs);
            const auto hi = TTableCursor::typed(ti.rangeHi, ti.order, d->dataDefs);
            if (!lo.isEmpty())
                where << keyCompare(cols(int(lo.size())), lo, QStringLiteral(">="), binds);
            if (!hi.isEmpty())
                where << keyCompare(cols(int(hi.size())), hi, QStringLiteral("<="), binds);
        }
        if (ti.master && ti.master->DataSet()) {
            TDataSet* m = ti.master->DataSet();
            ti.masterValues.clear();
            for (const QString& f : ti.masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const int i = d->dataIndex(f.trimmed());
                QVariant v;
                if (m->Active() && !m->IsEmpty())
                    if (TField* mf = m->FindField(f.trimmed()))
                        v = mf->Value();
                ti.masterValues << v;
                where << quoteId(d->dataDefs[i].Name) + QStringLiteral(" = ?");
                binds << v;
            }
        }
        d->cursor =
            std::make_unique<TTableCursor>(ti.conn, ti.meta, ti.order, ti.orderUnique,
                                           where.join(QLatin1String(" AND ")), binds, d->alias);
    };
}

TTable::~TTable() {
    if (d->active) {
        d->active = false;
        d->cursor.reset();
        d->closeHook();
    }
}

QString TTable::TableName() const {
    return t->tableName;
}

void TTable::SetTableName(const QString& fileName) {
    if (d->active)
        fail(QStringLiteral("Cannot change the table of an open dataset"));
    t->tableName = fileName;
}

QString TTable::IndexName() const {
    return t->byFieldNames ? QString() : t->indexName;
}
QString TTable::IndexFieldNames() const {
    return t->byFieldNames ? t->indexFieldNames : QString();
}

static void reopenOrder(TTable* table, TDataSet::Impl& d) {
    // Switch the order of an open table, keeping the current row.
    const TRow keep = d.row;
    const bool had = d.hasRow;
    d.openHook(); // re-resolves index; registration is counted again
    table->tableImpl().registered = true;
    d.rebuildHook();
    d.countCache = -1;
    TRow r;
    if (had && d.cursor->gotoBookmark(keep.bookmark, r)) {
        d.setRow(true, std::move(r));
        d.notice();
    } else {
        d.resetToFirst();
    }
}

// Applies a new order to an open table; on failure the old choice comes back.
static void changeOrder(TTable* table, TDataSet::Impl& d, TTable::TableImpl& t,
                        const std::function<void()>& choose) {
    const QString oldName = t.indexName, oldFields = t.indexFieldNames;
    const bool oldBy = t.byFieldNames;
    choose();
    if (!d.active)
        return;
    try {
        d.closeHook();
        reopenOrder(table, d);
    } catch (...) {
        t.indexName = oldName;
        t.indexFieldNames = oldFields;
        t.byFieldNames = oldBy;
        d.openHook();
        d.rebuildHook();
        throw;
    }
}

void TTable::SetIndexName(const QString& name) {
    changeOrder(this, *d, *t, [&] {
        t->indexName = name;
        t->byFieldNames = false;
    });
}

void TTable::SetIndexFieldNames(const QString& fields) {
    changeOrder(this, *d, *t, [&] {
        t->indexFieldNames = fields;
        t->byFieldNames = !fields.trimmed().isEmpty();
    });
}

bool TTable::ReadOnly() const {
    return t->readOnly;
}

void TTable::SetReadOnly(bool readOnly) {
    if (d->active)
        fail(QStringLiteral("Cannot change the read-only setting of an open table"));
    t->readOnly = readOnly;
}

bool TTable::Exclusive() const {
    return t->exclusive;
}

void TTable::SetExclusive(bool exclusive) {
    if (d->active)
        fail(QStringLiteral("Cannot change the exclusive setting of an open table"));
    t->exclusive = exclusive;
}

bool TTable::FindKey(const QVariantList& keyValues) {
    d->requireActive();
    TRow r;
    if (!static_cast<TTableCursor*>(d->cursor.get())->findKey(keyValues, r))
        return false;
    d->pastEnd = false;
    d->setRow(true, std::move(r));
    d->eof = d->bof = false;
    d->notice();
    return true;
}

void TTable::ReadAll(const QStringList& fields,
                     const std::function<void(const TRowValues&)>& each) {
    d->requireActive();
    QList<int> columns;
    for (const QString& f : fields) {
        const int i = d->dataIndex(f);
        if (i < 0)
            fail(QStringLiteral("Field '%1' not found in table '%2'").arg(f, t->tableName));
        columns << i;
    }
    static_cast<TTableCursor*>(d->cursor.get())->readAll(columns, each);
}

void TTable::FindNearest(const QVariantList& keyValues) {
    d->requireActive();
    TRow r;
    if (static_cast<TTableCursor*>(d->cursor.get())->findNearest(keyValues, r)) {
        d->pastEnd = false;
        d->setRow(true, std::move(r));
        d->eof = d->bof = false;
    } else if (d->cursor->last(r)) {
        d->setRow(true, std::move(r));
        d->pastEnd = true;
        d->eof = d->bof = false;
    }
    d->notice();
}

void TTable::SetRange(const QVariantList& startValues, const QVariantList& endValues) {
    const bool had = t->hasRange;
    const QVariantList lo = t->rangeLo, hi = t->rangeHi;
    t->hasRange = true;
    t->rangeLo = startValues;
    t->rangeHi = endValues;
    if (!d->active)
        return;
    try {
        d->rebuildHook();
    } catch (...) {
        t->hasRange = had;
        t->rangeLo = lo;
        t->rangeHi = hi;
        d->rebuildHook();
        throw;
    }
    d->resetToFirst();
}

void TTable::CancelRange() {
    if (!t->hasRange)
        return;
    t->hasRange = false;
    t->rangeLo.clear();
    t->rangeHi.clear();
    if (d->active) {
        d->rebuildHook();
        d->resetToFirst();
    }
}

void TTable::SetMasterSource(TDataSource* source) {
    QObject::disconnect(t->masterConn);
    t->master = source;
    if (source) {
        t->masterConn = connect(source, &TDataSource::dataChange, this, [this] {
            if (!d->active || d->state != TDataSetState::dsBrowse)
                return;
            TDataSet* m = t->master->DataSet();
            QVariantList now;
            for (const QString& f : t->masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                QVariant v;
                if (m && m->Active() && !m->IsEmpty())
                    if (TField* mf = m->FindField(f.trimmed()))
                        v = mf->Value();
                now << v;
            }
            if (now == t->masterValues && !now.isEmpty())
                return;
            d->rebuildHook();
            d->resetToFirst();
        });
    }
    if (d->active) {
        d->rebuildHook();
        d->resetToFirst();
    }
}

TDataSource* TTable::MasterSource() const {
    return t->master;
}

void TTable::SetMasterFields(const QString& fields) {
    t->masterFields = fields;
    if (d->active) {
        for (const QString& f : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (d->dataIndex(f.trimmed()) < 0)
                fail(QStringLiteral("Master field '%1' not found in table '%2'")
                         .arg(f, t->tableName));
        d->rebuildHook();
        d->resetToFirst();
    }
}

QString TTable::MasterFields() const {
    return t->masterFields;
}
