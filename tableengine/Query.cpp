// TQuery: local SQL over the tables of an alias; the result rows are read
// once on open and kept, since results are small (search hits, icon names).
#include "Internal.h"

#include <sqlite3.h>

using namespace te;

namespace {

TFieldDef fieldFromDecl(const QString& name, const char* decl, const QVariant& sample) {
    TFieldDef f;
    f.Name = name;
    const QString d = decl ? QString::fromLatin1(decl).toUpper() : QString();
    if (d.startsWith(QLatin1String("SMALLINT"))) {
        f.Type = TFieldType::ftSmallint;
    } else if (d.startsWith(QLatin1String("WORD"))) {
        f.Type = TFieldType::ftWord;
    } else if (d.startsWith(QLatin1String("INTEGER"))) {
        f.Type = TFieldType::ftInteger;
    } else if (d.startsWith(QLatin1String("BOOLEAN"))) {
        f.Type = TFieldType::ftBoolean;
    } else if (d.startsWith(QLatin1String("DATE"))) {
        f.Type = TFieldType::ftDate;
    } else if (d.startsWith(QLatin1String("VARCHAR("))) {
        f.Type = TFieldType::ftString;
        f.Size = d.mid(8).chopped(1).toInt();
    } else if (d.startsWith(QLatin1String("MEMO"))) {
        f.Type = TFieldType::ftMemo;
    } else if (sample.typeId() == QMetaType::Int || sample.typeId() == QMetaType::LongLong) {
        f.Type = TFieldType::ftInteger;
    } else {
        f.Type = TFieldType::ftMemo;
    }
    return f;
}

class TQueryCursor : public TCursor {
public:
    explicit TQueryCursor(const std::vector<TRow>* rows, QList<TFieldDef> defs)
        : rows_(rows), defs_(std::move(defs)) {}
    bool first(TRow& row) override { return at(0, row); }
    bool last(TRow& row) override { return at(int(rows_->size()) - 1, row); }
    bool next(const TRow& cur, TRow& row) override { return at(cur.bookmark.toInt() + 1, row); }
    bool prior(const TRow& cur, TRow& row) override { return at(cur.bookmark.toInt() - 1, row); }
    int count() override { return int(rows_->size()); }
    int recNo(const TRow& cur) override { return cur.bookmark.toInt() + 1; }
    bool seek(int recNo, TRow& row) override { return at(recNo - 1, row); }
    bool gotoBookmark(const QVariant& bm, TRow& row) override {
        return !bm.isNull() && at(bm.toInt(), row);
    }
    QVariant lookup(const QStringList& keyFields, const QVariantList& keyValues,
                    const QString& resultField) override {
        auto index = [&](const QString& name) {
            for (int i = 0; i < defs_.size(); ++i)
                if (defs_[i].Name.compare(name, Qt::CaseInsensitive) == 0)
                    return i;
            fail(QStringLiteral("Field '%1' not found").arg(name));
        };
        QList<int> keys;
        for (const QString& k : keyFields)
            keys << index(k);
        const int result = index(resultField);
        for (const TRow& r : *rows_) {
            bool match = true;
            for (int i = 0; i < keys.size() && match; ++i)
                match = r.values[keys[i]].toString() == keyValues[i].toString();
            if (match)
                return r.values[result];
        }
        return QVariant();
    }

private:
    bool at(int i, TRow& row) {
        if (i < 0 || i >= int(rows_->size()))
            return false;
        row = (*rows_)[size_t(i)];
        return true;
    }
    const std::vector<TRow>* rows_;
    QList<TFieldDef> defs_;
};

} // namespace

struct TQuery::QueryImpl {
    QStringList sql;
    std::vector<std::unique_ptr<TParam>> params;
    std::shared_ptr<Connection> conn;
    QString translated;
    QStringList used; // table files of the SQL text
    std::vector<TRow> rows;
};

namespace {

void runQuery(TQuery::QueryImpl* q, TDataSet::Impl* d, const QString& sql) {
    {
        sqlite3_stmt* raw = q->conn->prepare(sql);
        Stmt s(q->conn->db(), raw);
        for (int i = 1; i <= sqlite3_bind_parameter_count(raw); ++i) {
            const char* pn = sqlite3_bind_parameter_name(raw, i);
            const QString name = pn ? QString::fromUtf8(pn + 1) : QString();
            TParam* p = nullptr;
            for (auto& candidate : q->params)
                if (candidate->Name().compare(name, Qt::CaseInsensitive) == 0)
                    p = candidate.get();
            if (!p || !p->Value().isValid())
                fail(QStringLiteral("No value for parameter '%1'").arg(name));
            s.bind(i, p->Value());
        }
        q->rows.clear();
        while (s.step()) {
            TRow r;
            r.bookmark = int(q->rows.size());
            for (int i = 0; i < d->dataDefs.size(); ++i)
                r.values << s.column(i, d->dataDefs[i].Type);
            q->rows.push_back(std::move(r));
        }
    }
}

[[noreturn]] void failOnTables(TQuery::QueryImpl* q, TDataSet::Impl* d, const ESqlError& e) {
    tableFail(e, q->used.join(QStringLiteral("', '")), d->alias, q->conn->path());
}

} // namespace

TQuery::TQuery(QObject* parent) : TDataSet(parent), q(std::make_unique<QueryImpl>()) {
    d->describe = [this] { return QStringLiteral("The query of '%1'").arg(d->alias); };
    d->openHook = [this] {
        const QString text = q->sql.join(QLatin1Char('\n'));
        if (text.trimmed().isEmpty())
            fail(QStringLiteral("The query has no SQL text"));
        q->conn = Session.impl().contentConnection(d->alias);
        QStringList names;
        QList<std::shared_ptr<TableMeta>> used;
        q->translated = translateSql(text, *q->conn, names, used);
        for (const auto& m : used) {
            if (m->def.UserWritable)
                fail(QStringLiteral("Cannot query table '%1': it is kept in the user's data folder")
                         .arg(m->def.FileName));
            if (m->def.PasswordProtected && !q->conn->checkPassword(Session.impl().passwords))
                fail(
                    QStringLiteral("Table '%1': the password is not in the session's password list")
                        .arg(m->def.FileName));
        }
        q->used.clear();
        for (const auto& m : used)
            q->used << m->def.FileName;
        sqlite3_stmt* raw = nullptr;
        try {
            raw = q->conn->prepare(q->translated);
        } catch (const ESqlError& e) {
            // Damage and missing tables or fields are the tables' faults.
            if ((e.code & 0xff) != SQLITE_ERROR || e.sqliteMessage.startsWith(u"no such"))
                failOnTables(q.get(), d.get(), e);
            fail(QStringLiteral("Cannot run the SQL text '%1': %2")
                     .arg(text.simplified(), e.sqliteMessage),
                 TDbFailure::SqlText);
        }
        d->dataDefs.clear();
        QSet<QString> seen;
        for (int i = 0; i < sqlite3_column_count(raw); ++i) {
            QString name = QString::fromUtf8(sqlite3_column_name(raw, i));
            const int dot = int(name.lastIndexOf(QLatin1Char('.')));
            if (dot >= 0)
                name = name.mid(dot + 1);
            QString unique = name;
            for (int k = 1; seen.contains(unique.toLower()); ++k)
                unique = name + QStringLiteral("_%1").arg(k);
            seen.insert(unique.toLower());
            d->dataDefs << fieldFromDecl(unique, sqlite3_column_decltype(raw, i), QVariant());
        }
    };
    d->closeHook = [this] {
        q->rows.clear();
        q->conn.reset();
    };
    d->rebuildHook = [this] {
        QString sql = q->translated;
        if (!d->filterSql.isEmpty())
            sql = QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(sql, d->filterSql);
        try {
            runQuery(q.get(), d.get(), sql);
        } catch (const ESqlError& e) {
            failOnTables(q.get(), d.get(), e);
        }
        d->cursor = std::make_unique<TQueryCursor>(&q->rows, d->dataDefs);
    };
}

TQuery::~TQuery() = default;

QStringList TQuery::SQL() const {
    return q->sql;
}

void TQuery::SetSQL(const QStringList& lines) {
    Close();
    q->sql = lines;
    const QStringList names = sqlParamNames(lines.join(QLatin1Char('\n')));
    std::vector<std::unique_ptr<TParam>> kept;
    for (const QString& n : names) {
        std::unique_ptr<TParam> p;
        for (auto& old : q->params)
            if (old && old->Name().compare(n, Qt::CaseInsensitive) == 0)
                p = std::move(old);
        if (!p)
            p = std::make_unique<TParam>(n);
        kept.push_back(std::move(p));
    }
    q->params = std::move(kept);
}

TParam* TQuery::ParamByName(const QString& name) {
    for (auto& p : q->params)
        if (p->Name().compare(name, Qt::CaseInsensitive) == 0)
            return p.get();
    fail(QStringLiteral("Parameter '%1' not found").arg(name));
}

QList<TParam*> TQuery::Params() const {
    QList<TParam*> out;
    for (auto& p : q->params)
        out << p.get();
    return out;
}
