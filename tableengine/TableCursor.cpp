#include "TableCursor.h"

#include <sqlite3.h>

using namespace te;

namespace te {

QString keyCompare(const QStringList& cols, const QVariantList& vals, const QString& op,
                   QVariantList& binds) {
    bool anyNull = false;
    for (const QVariant& v : vals)
        anyNull = anyNull || v.isNull();
    if (!anyNull) {
        if (cols.size() == 1) {
            binds << vals[0];
            return cols[0] + QLatin1Char(' ') + op + QStringLiteral(" ?");
        }
        QStringList marks;
        for (const QVariant& v : vals) {
            marks << QStringLiteral("?");
            binds << v;
        }
        return QStringLiteral("(%1) %2 (%3)")
            .arg(cols.join(QLatin1String(", ")), op, marks.join(QLatin1String(", ")));
    }
    // NULL sorts first, as in SQLite's ORDER BY; expand lexicographically.
    const bool greater = op.startsWith(QLatin1Char('>'));
    const bool orEqual = op.endsWith(QLatin1Char('='));
    QStringList alternatives;
    QStringList prefix;
    QVariantList prefixBinds;
    for (int i = 0; i < cols.size(); ++i) {
        QString strict;
        QVariantList strictBinds;
        if (greater) {
            if (vals[i].isNull()) {
                strict = cols[i] + QStringLiteral(" IS NOT NULL");
            } else {
                strict = cols[i] + QStringLiteral(" > ?");
                strictBinds << vals[i];
            }
        } else {
            if (vals[i].isNull()) {
                strict = QStringLiteral("0");
            } else {
                strict = QStringLiteral("(%1 < ? OR %1 IS NULL)").arg(cols[i]);
                strictBinds << vals[i];
            }
        }
        QStringList parts = prefix;
        parts << strict;
        alternatives << QLatin1Char('(') + parts.join(QLatin1String(" AND ")) + QLatin1Char(')');
        binds << prefixBinds << strictBinds;
        prefix << cols[i] + QStringLiteral(" IS ?");
        prefixBinds << vals[i];
    }
    if (orEqual) {
        alternatives << QLatin1Char('(') + prefix.join(QLatin1String(" AND ")) + QLatin1Char(')');
        binds << prefixBinds;
    }
    return QLatin1Char('(') + alternatives.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

} // namespace te

TTableCursor::TTableCursor(std::shared_ptr<Connection> conn, std::shared_ptr<TableMeta> meta,
                           QList<TOrderColumn> order, bool orderIsUnique, QString where,
                           QVariantList binds, QString alias)
    : conn_(std::move(conn)), meta_(std::move(meta)), order_(std::move(order)),
      unique_(orderIsUnique), where_(std::move(where)), binds_(std::move(binds)),
      alias_(std::move(alias)) {
    QStringList cols{QStringLiteral("rowid")};
    for (const TFieldDef& f : meta_->def.Fields)
        cols << quoteId(f.Name);
    select_ = QStringLiteral("SELECT %1 FROM %2")
                  .arg(cols.join(QLatin1String(", ")), quoteId(meta_->sqlName));
    QStringList asc, desc;
    for (const TOrderColumn& c : order_) {
        asc << c.sql;
        desc << c.sql + QStringLiteral(" DESC");
    }
    if (!unique_) {
        asc << QStringLiteral("rowid");
        desc << QStringLiteral("rowid DESC");
    }
    orderAsc_ = QStringLiteral(" ORDER BY ") + asc.join(QLatin1String(", "));
    orderDesc_ = QStringLiteral(" ORDER BY ") + desc.join(QLatin1String(", "));
}

QString TTableCursor::whereWith(const QString& extra) const {
    QStringList parts;
    if (!where_.isEmpty())
        parts << where_;
    if (!extra.isEmpty())
        parts << extra;
    return parts.isEmpty() ? QString()
                           : QStringLiteral(" WHERE ") + parts.join(QLatin1String(" AND "));
}

QStringList TTableCursor::keyCols(int n) const {
    QStringList cols;
    for (int i = 0; i < n && i < order_.size(); ++i)
        cols << order_[i].sql;
    return cols;
}

QVariantList TTableCursor::keyVals(const TRow& cur) const {
    QVariantList vals;
    for (const TOrderColumn& c : order_)
        vals << cur.values.value(c.field);
    return vals;
}

QVariantList TTableCursor::typed(const QVariantList& values, const QList<TOrderColumn>& order,
                                 const QList<TFieldDef>& fields) {
    QVariantList out;
    for (int i = 0; i < values.size(); ++i) {
        QVariant v = values[i];
        if (i < order.size() && !v.isNull()) {
            const TFieldType t = fields[order[i].field].Type;
            if (t == TFieldType::ftBoolean)
                v = v.toBool() ? 1 : 0;
            else if (t == TFieldType::ftDate && v.typeId() == QMetaType::QDate)
                v = v.toDate().toString(Qt::ISODate);
            else if (t != TFieldType::ftString && t != TFieldType::ftMemo &&
                     t != TFieldType::ftDate && v.typeId() == QMetaType::QString) {
                bool ok = false;
                const qint64 n = v.toString().trimmed().toLongLong(&ok);
                if (ok)
                    v = n;
            }
        }
        out << v;
    }
    return out;
}

bool TTableCursor::fetch(const QString& extra, const QVariantList& extraBinds, bool descending,
                         TRow& row, int offset) {
    return guarded([&] {
        QString sql = select_ + whereWith(extra) + (descending ? orderDesc_ : orderAsc_) +
                      QStringLiteral(" LIMIT 1");
        if (offset > 0)
            sql += QStringLiteral(" OFFSET %1").arg(offset);
        Stmt s(conn_->db(), conn_->prepare(sql));
        s.bindAll(binds_);
        s.bindAll(extraBinds, int(binds_.size()) + 1);
        if (!s.step())
            return false;
        row.bookmark = s.columnAuto(0);
        row.values.clear();
        for (int i = 0; i < meta_->def.Fields.size(); ++i)
            row.values << s.column(i + 1, meta_->def.Fields[i].Type);
        return true;
    });
}

bool TTableCursor::first(TRow& row) {
    return fetch(QString(), {}, false, row);
}
bool TTableCursor::last(TRow& row) {
    return fetch(QString(), {}, true, row);
}

QString TTableCursor::positionCompare(const TRow& cur, const QString& op,
                                      QVariantList& binds) const {
    // Keys that are not unique are told apart by the row id.
    QStringList cols = keyCols(int(order_.size()));
    QVariantList vals = keyVals(cur);
    if (!unique_) {
        cols << QStringLiteral("rowid");
        vals << cur.bookmark;
    }
    return keyCompare(cols, vals, op, binds);
}

bool TTableCursor::step(const TRow& cur, bool back, TRow& row) {
    const bool sequential = aheadSerial_ == serial && aheadBack_ == back && aheadPos_ > 0 &&
                            ahead_[aheadPos_ - 1].bookmark == cur.bookmark;
    if (sequential && aheadPos_ < ahead_.size()) {
        // The values are handed over; the bookmark stays to know the next step.
        TRow& next = ahead_[aheadPos_++];
        row.values = std::move(next.values);
        row.bookmark = next.bookmark;
        return true;
    }
    if (sequential && ahead_.size() < size_t(aheadSize_))
        return false; // the last read stopped at the end
    // Steps in one direction read ahead, more rows each time, so a scan costs
    // a query per block while a single step stays one small query.
    aheadSize_ = sequential ? std::min(aheadSize_ * 4, 256) : 1;
    QVariantList binds;
    const QString cond =
        positionCompare(cur, back ? QStringLiteral("<") : QStringLiteral(">"), binds);
    ahead_.clear();
    aheadPos_ = 0;
    aheadSerial_ = serial;
    aheadBack_ = back;
    guarded([&] {
        Stmt s(conn_->db(),
               conn_->prepare(select_ + whereWith(cond) + (back ? orderDesc_ : orderAsc_) +
                              QStringLiteral(" LIMIT %1").arg(aheadSize_)));
        s.bindAll(binds_);
        s.bindAll(binds, int(binds_.size()) + 1);
        while (s.step()) {
            TRow r;
            r.bookmark = s.columnAuto(0);
            r.values.reserve(meta_->def.Fields.size());
            for (int i = 0; i < meta_->def.Fields.size(); ++i)
                r.values << s.column(i + 1, meta_->def.Fields[i].Type);
            ahead_.push_back(std::move(r));
        }
    });
    if (ahead_.empty())
        return false;
    TRow& first = ahead_[aheadPos_++];
    row.values = std::move(first.values);
    row.bookmark = first.bookmark;
    return true;
}

bool TTableCursor::next(const TRow& cur, TRow& row) {
    return step(cur, false, row);
}
bool TTableCursor::prior(const TRow& cur, TRow& row) {
    return step(cur, true, row);
}

QString TTableCursor::countSql(const QString& extra) const {
    return QStringLiteral("SELECT count(*) FROM %1").arg(quoteId(meta_->sqlName)) +
           whereWith(extra);
}

bool TTableCursor::usePositions(bool now) {
    if (positionsRead_ && positionsSerial_ == serial)
        return true;
    if (positionsRead_ || positionsSerial_ != serial) {
        positions_.clear();
        rankOf_.clear();
        positionsRead_ = false;
        positionCalls_ = 0;
        positionsSerial_ = serial;
    }
    // One record number alone is cheaper as one counting query.
    if (!now && ++positionCalls_ < 2)
        return false;
    guarded([&] {
        Stmt s(conn_->db(),
               conn_->prepare(QStringLiteral("SELECT rowid FROM %1").arg(quoteId(meta_->sqlName)) +
                              whereWith(QString()) + orderAsc_));
        s.bindAll(binds_);
        while (s.step())
            positions_.push_back(sqlite3_column_int64(s.raw(), 0));
    });
    positionsRead_ = true;
    return true;
}

int TTableCursor::count() {
    if (positionsRead_ && positionsSerial_ == serial)
        return int(positions_.size());
    return guarded([&] {
        Stmt s(conn_->db(), conn_->prepare(countSql(QString())));
        s.bindAll(binds_);
        return s.step() ? s.columnAuto(0).toInt() : 0;
    });
}

int TTableCursor::recNo(const TRow& cur) {
    if (usePositions(false)) {
        if (rankOf_.isEmpty()) {
            rankOf_.reserve(qsizetype(positions_.size()));
            for (size_t i = 0; i < positions_.size(); ++i)
                rankOf_.insert(positions_[i], int(i));
        }
        auto it = rankOf_.constFind(cur.bookmark.toLongLong());
        if (it != rankOf_.constEnd())
            return it.value() + 1;
    }
    QVariantList binds;
    const QString cond = positionCompare(cur, QStringLiteral("<="), binds);
    return guarded([&] {
        Stmt s(conn_->db(), conn_->prepare(countSql(cond)));
        s.bindAll(binds_);
        s.bindAll(binds, int(binds_.size()) + 1);
        return s.step() ? s.columnAuto(0).toInt() : 0;
    });
}

bool TTableCursor::seek(int recNo, TRow& row) {
    if (recNo < 1)
        return false;
    if (usePositions(false))
        return recNo <= int(positions_.size()) && gotoBookmark(positions_[size_t(recNo - 1)], row);
    return fetch(QString(), {}, false, row, recNo - 1);
}

void TTableCursor::block(int from, int n, std::vector<TRow>& rows) {
    usePositions(true);
    TRow r;
    for (int i = from; i < from + n && i >= 1 && i <= int(positions_.size()); ++i)
        if (gotoBookmark(positions_[size_t(i - 1)], r))
            rows.push_back(std::move(r));
}

bool TTableCursor::gotoBookmark(const QVariant& bm, TRow& row) {
    if (bm.isNull())
        return false;
    return fetch(QStringLiteral("rowid = ?"), {bm}, false, row);
}

QVariant TTableCursor::lookup(const QStringList& keyFields, const QVariantList& keyValues,
                              const QString& resultField) {
    QStringList conds;
    QString result;
    for (const TFieldDef& f : meta_->def.Fields)
        if (f.Name.compare(resultField, Qt::CaseInsensitive) == 0)
            result = f.Name;
    if (result.isEmpty())
        fail(QStringLiteral("Field '%1' not found in table '%2'")
                 .arg(resultField, meta_->def.FileName));
    TFieldType resultType = TFieldType::ftString;
    for (const TFieldDef& f : meta_->def.Fields)
        if (f.Name == result)
            resultType = f.Type;
    for (const QString& k : keyFields) {
        bool known = false;
        for (const TFieldDef& f : meta_->def.Fields)
            known = known || f.Name.compare(k, Qt::CaseInsensitive) == 0;
        if (!known)
            fail(QStringLiteral("Field '%1' not found in table '%2'").arg(k, meta_->def.FileName));
        conds << quoteId(k) + QStringLiteral(" = ?");
    }
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2").arg(quoteId(result), quoteId(meta_->sqlName)) +
        whereWith(conds.join(QLatin1String(" AND "))) + orderAsc_ + QStringLiteral(" LIMIT 1");
    return guarded([&] {
        Stmt s(conn_->db(), conn_->prepare(sql));
        s.bindAll(binds_);
        s.bindAll(keyValues, int(binds_.size()) + 1);
        return s.step() ? s.column(0, resultType) : QVariant();
    });
}

namespace {

class TStmtRow : public TRowValues {
public:
    explicit TStmtRow(sqlite3_stmt* s) : s_(s) {}
    qint64 Integer(int field) const override { return sqlite3_column_int64(s_, field); }
    QString Text(int field) const override { return QString::fromUtf8(Utf8(field)); }
    QByteArrayView Utf8(int field) const override {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(s_, field));
        return QByteArrayView(text, sqlite3_column_bytes(s_, field));
    }

private:
    sqlite3_stmt* s_;
};

} // namespace

void TTableCursor::readAll(const QList<int>& fields,
                           const std::function<void(const TRowValues&)>& each) {
    QStringList cols;
    for (int f : fields)
        cols << quoteId(meta_->def.Fields[f].Name);
    guarded([&] {
        Stmt s(conn_->db(),
               conn_->prepare(QStringLiteral("SELECT %1 FROM %2")
                                  .arg(cols.join(QLatin1String(", ")), quoteId(meta_->sqlName)) +
                              whereWith(QString()) + orderAsc_));
        s.bindAll(binds_);
        const TStmtRow row(s.raw());
        while (s.step())
            each(row);
    });
}

bool TTableCursor::findKey(const QVariantList& values, TRow& row) {
    if (values.isEmpty() || values.size() > order_.size())
        fail(QStringLiteral("Table '%1': %2 key values for an index of %3 fields")
                 .arg(meta_->def.FileName)
                 .arg(values.size())
                 .arg(order_.size()));
    const QVariantList vals = typed(values, order_, meta_->def.Fields);
    QStringList conds;
    QVariantList binds;
    for (int i = 0; i < vals.size(); ++i) {
        conds << order_[i].sql + QStringLiteral(" IS ?");
        binds << vals[i];
    }
    return fetch(conds.join(QLatin1String(" AND ")), binds, false, row);
}

bool TTableCursor::findNearest(const QVariantList& values, TRow& row) {
    if (values.isEmpty() || values.size() > order_.size())
        fail(QStringLiteral("Table '%1': %2 key values for an index of %3 fields")
                 .arg(meta_->def.FileName)
                 .arg(values.size())
                 .arg(order_.size()));
    QVariantList binds;
    const QString cond =
        keyCompare(keyCols(int(values.size())), typed(values, order_, meta_->def.Fields),
                   QStringLiteral(">="), binds);
    return fetch(cond, binds, false, row);
}
