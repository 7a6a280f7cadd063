#pragma once
// Keyset cursor over one SQLite table: every move is one indexed query
// that continues from the current row's key, so no operation scans the table.

#include "Internal.h"

#include <QPointer>

struct TOrderColumn {
    QString sql;    // quoted column, with its collation
    int field = -1; // index in the data fields
};

class TTableCursor : public TCursor {
public:
    TTableCursor(std::shared_ptr<te::Connection> conn, std::shared_ptr<te::TableMeta> meta,
                 QList<TOrderColumn> order, bool orderIsUnique, QString where, QVariantList binds,
                 QString alias);

    bool first(TRow& row) override;
    bool last(TRow& row) override;
    bool next(const TRow& cur, TRow& row) override;
    bool prior(const TRow& cur, TRow& row) override;
    int count() override;
    int recNo(const TRow& cur) override;
    bool seek(int recNo, TRow& row) override;
    void block(int from, int n, std::vector<TRow>& rows) override;
    bool gotoBookmark(const QVariant& bm, TRow& row) override;
    QVariant lookup(const QStringList& keyFields, const QVariantList& keyValues,
                    const QString& resultField) override;

    // The given data fields (by index) of every visible row, in order.
    void readAll(const QList<int>& fields, const std::function<void(const TRowValues&)>& each);
    // No range, filter or master narrows the rows.
    bool showsEveryRow() const { return where_.isEmpty(); }
    // Exact match on the leading order fields.
    bool findKey(const QVariantList& values, TRow& row);
    // First row at or after the values on the leading order fields.
    bool findNearest(const QVariantList& values, TRow& row);
    // Key values given as text for number fields compare as numbers.
    static QVariantList typed(const QVariantList& values, const QList<TOrderColumn>& order,
                              const QList<TFieldDef>& fields);

private:
    // An SQLite failure in the words of this table: its file, alias, folder.
    template <class F> auto guarded(F&& f) -> decltype(f()) {
        try {
            return f();
        } catch (const te::ESqlError& e) {
            te::tableFail(e, meta_->def.FileName, alias_, conn_->path());
        }
    }
    // Record numbers: the row ids of the visible rows in order, read once
    // record numbers are used more than once (a grid, a random jump) and
    // kept while the rows stay the same. False when they are not read.
    bool usePositions(bool now);
    QString countSql(const QString& extra) const;
    // The rows after, before or up to the current one, as an SQL condition.
    QString positionCompare(const TRow& cur, const QString& op, QVariantList& binds) const;
    // The row after (before, when back) the current one in the order.
    bool step(const TRow& cur, bool back, TRow& row);
    bool fetch(const QString& extra, const QVariantList& extraBinds, bool descending, TRow& row,
               int offset = 0);
    QString whereWith(const QString& extra) const;
    QStringList keyCols(int n) const;
    QVariantList keyVals(const TRow& cur) const;

    std::shared_ptr<te::Connection> conn_;
    std::shared_ptr<te::TableMeta> meta_;
    QList<TOrderColumn> order_;
    bool unique_;
    QString where_;
    QVariantList binds_;
    QString select_, orderAsc_, orderDesc_;
    QString alias_;
    std::vector<qint64> positions_;
    QHash<qint64, int> rankOf_; // row id -> index in positions_, filled when asked
    quint64 positionsSerial_ = 0;
    bool positionsRead_ = false;
    int positionCalls_ = 0;
    // Rows read ahead of the last step, in its direction.
    std::vector<TRow> ahead_;
    size_t aheadPos_ = 0; // the next row to give
    int aheadSize_ = 1;   // rows the last read asked for
    quint64 aheadSerial_ = 0;
    bool aheadBack_ = false;
};

struct TTable::TableImpl {
    QString tableName, indexName, indexFieldNames;
    bool byFieldNames = false;
    bool readOnly = false, exclusive = false;

    std::shared_ptr<te::Connection> conn;
    std::shared_ptr<te::TableMeta> meta;
    QList<TOrderColumn> order;
    bool orderUnique = false;

    bool hasRange = false;
    QVariantList rangeLo, rangeHi;

    QPointer<TDataSource> master; // cleared when the source goes first
    QString masterFields;
    QMetaObject::Connection masterConn;
    QVariantList masterValues;

    QString lockKey;
    bool registered = false;
    std::unique_ptr<QLockFile> lock;

    TRow savedRow;
    bool savedHasRow = false;
    bool inBatch = false;
    QString insertSql; // made at the first append of an opening
};
