// Dataset core: fields, current row, navigation over a cursor, notices.
#include "Internal.h"

using namespace te;

quint64 te::newCursorSerial() {
    static quint64 next = 0;
    return ++next;
}

TCursor::TCursor() : serial(te::newCursorSerial()) {}

void TCursor::block(int from, int n, std::vector<TRow>& rows) {
    TRow r;
    for (int i = 0; i < n && seek(from + i, r); ++i)
        rows.push_back(std::move(r));
}

TDataSet::TDataSet(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
    d->q = this;
}

TDataSet::~TDataSet() = default;

QString TDataSet::DatabaseName() const {
    return d->alias;
}

void TDataSet::SetDatabaseName(const QString& alias) {
    if (d->active)
        fail(QStringLiteral("Cannot change the database of an open dataset"));
    d->alias = alias;
}

bool TDataSet::Active() const {
    return d->active;
}

void TDataSet::SetActive(bool active) {
    if (active == d->active)
        return;
    if (active) {
        if (!d->openHook)
            fail(QStringLiteral("A plain dataset has no table or query to open"));
        const auto abandonOpen = [this] {
            d->active = false;
            d->state = TDataSetState::dsInactive;
            d->cursor.reset();
            if (d->closeHook)
                d->closeHook();
        };
        try {
            d->openHook();
            d->rebuildFieldList();
            d->translateFilter();
            d->active = true;
            d->state = TDataSetState::dsBrowse;
            d->rebuildHook();
            d->openFailure.reset();
        } catch (const EDatabaseError& e) {
            // Kept so that later calls on the closed dataset say why it closed.
            d->openFailure = std::make_unique<EDatabaseError>(e);
            abandonOpen();
            throw;
        } catch (...) {
            abandonOpen();
            throw;
        }
        d->resetToFirst();
    } else {
        d->active = false;
        d->state = TDataSetState::dsInactive;
        d->cursor.reset();
        d->hasRow = false;
        d->row = TRow();
        d->eof = d->bof = true;
        d->pastEnd = false;
        d->countCache = -1;
        if (d->closeHook)
            d->closeHook();
        d->notice();
    }
}

TDataSetState TDataSet::State() const {
    return d->state;
}

void TDataSet::Impl::failNotOpen() const {
    // Why it is closed, when its open failed: that names the file and cause.
    if (openFailure)
        throw *openFailure;
    QString why = describe ? describe() : QStringLiteral("The dataset");
    why += QStringLiteral(" is not open");
    const QString aliasFailure = Session.impl().aliasFailures.value(alias.toLower());
    if (!aliasFailure.isEmpty())
        why += QStringLiteral(": ") + aliasFailure;
    fail(why);
}

void TDataSet::Impl::requireActive() const {
    if (!active)
        failNotOpen();
    if (state == TDataSetState::dsInsert || state == TDataSetState::dsEdit)
        fail(QStringLiteral("Cannot move while a record is being edited; post or cancel it first"));
}

void TDataSet::Impl::setRow(bool found, TRow&& r) {
    if (!found)
        return;
    row = std::move(r);
    hasRow = true;
    calc();
}

void TDataSet::Impl::calc() {
    std::fill(lookupDone.begin(), lookupDone.end(), false);
    for (QVariant& v : calcValues)
        v = QVariant();
    calcDirty = q->OnCalcFields && !calcValues.isEmpty() && hasRow;
}

void TDataSet::Impl::ensureCalc() {
    if (!calcDirty || inCalc)
        return;
    calcDirty = false;
    inCalc = true;
    try {
        q->OnCalcFields(*q);
    } catch (...) {
        inCalc = false;
        throw;
    }
    inCalc = false;
}

void TDataSet::Impl::notice() {
    if (disableCount > 0) {
        noticePending = true;
        return;
    }
    emit q->dataChanged();
}

void TDataSet::Impl::resetToFirst() {
    countCache = -1;
    pastEnd = false;
    TRow r;
    hasRow = false;
    if (cursor && cursor->first(r)) {
        setRow(true, std::move(r));
        bof = true;
        eof = false;
    } else {
        row = TRow();
        eof = bof = true;
        calc();
    }
    notice();
}

void TDataSet::Impl::translateFilter() {
    filterSql.clear();
    if (filtered && !filter.trimmed().isEmpty())
        filterSql = te::translateFilter(filter, dataDefs);
}

int TDataSet::Impl::dataIndex(const QString& name) const {
    for (int i = 0; i < dataDefs.size(); ++i)
        if (dataDefs[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TDataSet::Impl::rebuildFieldList() {
    std::vector<std::unique_ptr<TField>> old = std::move(dataFields);
    dataFields.clear();
    for (int i = 0; i < dataDefs.size(); ++i) {
        const TFieldDef& def = dataDefs[i];
        std::unique_ptr<TField> f;
        for (auto& o : old)
            if (o && o->FieldName().compare(def.Name, Qt::CaseInsensitive) == 0 &&
                o->DataType() == def.Type && o->Size() == def.Size) {
                f = std::move(o);
                break;
            }
        if (!f)
            f = TFieldAccess::make(q, def.Name, def.Type, def.Size, TFieldKind::fkData);
        TFieldAccess::slot(f.get()) = i;
        dataFields.push_back(std::move(f));
    }
    all.clear();
    byName.clear();
    asAsked.clear();
    for (auto& f : dataFields) {
        all << f.get();
        byName.insert(f->FieldName().toLower(), f.get());
    }
    int calcs = 0, lookups = 0;
    for (auto& f : extraFields) {
        if (byName.contains(f->FieldName().toLower()))
            fail(QStringLiteral("Field '%1' is defined twice").arg(f->FieldName()));
        TFieldAccess::slot(f.get()) =
            f->FieldKind() == TFieldKind::fkCalculated ? calcs++ : lookups++;
        all << f.get();
        byName.insert(f->FieldName().toLower(), f.get());
    }
    calcValues = QVariantList(calcs);
    lookupValues = QVariantList(lookups);
    lookupDone.assign(lookups, false);
    lookupMemo.assign(lookups, LookupMemo());
}

QVariant TDataSet::Impl::lookupValue(int slot) {
    if (slot < 0 || slot >= int(lookupValues.size()))
        return QVariant();
    if (lookupDone[slot])
        return lookupValues[slot];
    TField* lf = nullptr;
    int n = 0;
    for (auto& f : extraFields)
        if (f->FieldKind() == TFieldKind::fkLookup && n++ == slot)
            lf = f.get();
    QVariant result;
    if (lf && hasRow && lf->LookupDataSet && lf->LookupDataSet->Active() &&
        lf->LookupDataSet->impl().cursor) {
        QVariantList keys;
        bool anyNull = false;
        for (const QString& k : lf->KeyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QVariant v = q->FieldByName(k.trimmed())->Value();
            anyNull = anyNull || v.isNull();
            keys << v;
        }
        if (!anyNull && !keys.isEmpty()) {
            QStringList lookupKeys;
            for (const QString& k : lf->LookupKeyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                lookupKeys << k.trimmed();
            if (lookupKeys.size() != keys.size())
                fail(QStringLiteral("Lookup field '%1': key fields do not match")
                         .arg(lf->FieldName()));
            TCursor* source = lf->LookupDataSet->impl().cursor.get();
            LookupMemo& memo = lookupMemo[size_t(slot)];
            if (memo.serial == source->serial && memo.keys == keys) {
                result = memo.value;
            } else {
                result = source->lookup(lookupKeys, keys, lf->LookupResultField);
                memo = {source->serial, keys, result};
            }
        }
    }
    lookupValues[slot] = result;
    lookupDone[slot] = true;
    return result;
}

// ------------------------------------------------------------ navigation ---

void TDataSet::First() {
    d->requireActive();
    d->pastEnd = false;
    TRow r;
    if (d->cursor->first(r)) {
        d->setRow(true, std::move(r));
        d->bof = true;
        d->eof = false;
    } else {
        d->hasRow = false;
        d->eof = d->bof = true;
    }
    d->notice();
}

void TDataSet::Last() {
    d->requireActive();
    d->pastEnd = false;
    TRow r;
    if (d->cursor->last(r)) {
        d->setRow(true, std::move(r));
        d->eof = true;
        d->bof = false;
    } else {
        d->hasRow = false;
        d->eof = d->bof = true;
    }
    d->notice();
}

void TDataSet::Next() {
    d->requireActive();
    if (!d->hasRow) {
        d->eof = true;
        return;
    }
    if (d->pastEnd) {
        d->pastEnd = false;
        d->eof = true;
        return;
    }
    TRow r;
    if (d->cursor->next(d->row, r)) {
        d->setRow(true, std::move(r));
        d->eof = d->bof = false;
        d->notice();
    } else {
        d->eof = true;
        d->bof = false;
    }
}

void TDataSet::Prior() {
    d->requireActive();
    if (!d->hasRow) {
        d->bof = true;
        return;
    }
    if (d->pastEnd) {
        // The cursor sat behind the last row: one step back is the last row.
        d->pastEnd = false;
        d->eof = d->bof = false;
        d->notice();
        return;
    }
    TRow r;
    if (d->cursor->prior(d->row, r)) {
        d->setRow(true, std::move(r));
        d->eof = d->bof = false;
        d->notice();
    } else {
        d->bof = true;
        d->eof = false;
    }
}

int TDataSet::MoveBy(int distance) {
    int moved = 0;
    while (distance > 0 && !d->eof) {
        Next();
        if (!d->eof)
            ++moved;
        --distance;
    }
    while (distance < 0 && !d->bof) {
        Prior();
        if (!d->bof)
            --moved;
        ++distance;
    }
    return moved;
}

bool TDataSet::Eof() const {
    return d->eof;
}
bool TDataSet::Bof() const {
    return d->bof;
}
bool TDataSet::IsEmpty() const {
    return !d->hasRow;
}

int TDataSet::RecNo() const {
    if (!d->active || !d->hasRow || !d->cursor)
        return 0;
    if (d->state == TDataSetState::dsInsert)
        return 0;
    return d->cursor->recNo(d->row);
}

void TDataSet::SetRecNo(int recNo) {
    d->requireActive();
    TRow r;
    if (d->cursor->seek(recNo, r)) {
        d->pastEnd = false;
        d->setRow(true, std::move(r));
        d->eof = d->bof = false;
        d->notice();
    }
}

int TDataSet::RecordCount() const {
    if (!d->active || !d->cursor)
        return 0;
    if (d->countCache < 0)
        d->countCache = d->cursor->count();
    return d->countCache;
}

// ---------------------------------------------------------------- fields ---

QList<TField*> TDataSet::Fields() const {
    return d->all;
}

TField* TDataSet::FindField(const QString& name) const {
    // Loops ask for the same few names again and again: spelled as asked,
    // they need no folding.
    if (TField* f = d->asAsked.value(name))
        return f;
    TField* f = d->byName.value(name.trimmed().toLower());
    if (f && d->asAsked.size() < 256)
        d->asAsked.insert(name, f);
    return f;
}

TField* TDataSet::FieldByName(const QString& name) const {
    TField* f = FindField(name);
    if (!f)
        fail(QStringLiteral("Field '%1' not found").arg(name));
    return f;
}

TField* TDataSet::AddLookupField(const QString& name, TFieldType type, int size,
                                 const QString& keyFields, TDataSet* lookupDataSet,
                                 const QString& lookupKeyFields, const QString& lookupResultField) {
    if (d->active)
        fail(QStringLiteral("Cannot add field '%1' to an open dataset").arg(name));
    for (auto& f : d->extraFields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            fail(QStringLiteral("Field '%1' is defined twice").arg(name));
    auto f = TFieldAccess::make(this, name, type, size, TFieldKind::fkLookup);
    f->KeyFields = keyFields;
    f->LookupDataSet = lookupDataSet;
    f->LookupKeyFields = lookupKeyFields;
    f->LookupResultField = lookupResultField;
    TField* p = f.get();
    d->extraFields.push_back(std::move(f));
    return p;
}

TField* TDataSet::AddCalcField(const QString& name, TFieldType type, int size) {
    if (d->active)
        fail(QStringLiteral("Cannot add field '%1' to an open dataset").arg(name));
    for (auto& f : d->extraFields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            fail(QStringLiteral("Field '%1' is defined twice").arg(name));
    auto f = TFieldAccess::make(this, name, type, size, TFieldKind::fkCalculated);
    TField* p = f.get();
    d->extraFields.push_back(std::move(f));
    return p;
}

// ---------------------------------------------------------------- filter ---

QString TDataSet::Filter() const {
    return d->filter;
}

void TDataSet::SetFilter(const QString& filter) {
    if (d->active && d->filtered) {
        // Translate first, so a bad text leaves the old filter in force.
        const QString sql =
            filter.trimmed().isEmpty() ? QString() : te::translateFilter(filter, d->dataDefs);
        d->filter = filter;
        d->filterSql = sql;
        d->rebuildHook();
        d->resetToFirst();
    } else {
        d->filter = filter;
    }
}

bool TDataSet::Filtered() const {
    return d->filtered;
}

void TDataSet::SetFiltered(bool filtered) {
    if (filtered == d->filtered)
        return;
    if (d->active) {
        const QString sql = filtered && !d->filter.trimmed().isEmpty()
                                ? te::translateFilter(d->filter, d->dataDefs)
                                : QString();
        d->filtered = filtered;
        d->filterSql = sql;
        d->rebuildHook();
        d->resetToFirst();
    } else {
        d->filtered = filtered;
    }
}

// ------------------------------------------------------------- bookmarks ---

TBookmark TDataSet::GetBookmark() const {
    if (!d->active || !d->hasRow || d->state == TDataSetState::dsInsert)
        return TBookmark();
    return d->row.bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
    d->requireActive();
    TRow r;
    if (!d->cursor->gotoBookmark(bookmark, r))
        fail(QStringLiteral("Record not found"));
    d->pastEnd = false;
    d->setRow(true, std::move(r));
    d->eof = d->bof = false;
    d->notice();
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
    if (!d->active || !d->cursor)
        return false;
    TRow r;
    return d->cursor->gotoBookmark(bookmark, r);
}

// ----------------------------------------------------------------- notices ---

void TDataSet::DisableControls() {
    ++d->disableCount;
}

void TDataSet::EnableControls() {
    if (d->disableCount == 0)
        return;
    if (--d->disableCount == 0) {
        d->noticePending = false;
        emit dataChanged();
    }
}

bool TDataSet::ControlsDisabled() const {
    return d->disableCount > 0;
}

QList<QVariantList> TDataSet::ReadRows(int firstRecNo, int count, const QStringList& fields) {
    QList<QVariantList> out;
    if (!d->active || !d->cursor || d->state != TDataSetState::dsBrowse || count <= 0)
        return out;
    QList<TField*> wanted;
    for (const QString& name : fields)
        wanted << FindField(name);
    // The current row's buffers are borrowed for each row read and given back.
    TRow savedRow = d->row;
    const bool savedHasRow = d->hasRow, savedDirty = d->calcDirty, savedPending = d->noticePending;
    const QVariantList savedCalc = d->calcValues, savedLookups = d->lookupValues;
    const std::vector<bool> savedDone = d->lookupDone;
    ++d->disableCount;
    auto restore = [&] {
        d->row = std::move(savedRow);
        d->hasRow = savedHasRow;
        d->calcDirty = savedDirty;
        d->calcValues = savedCalc;
        d->lookupValues = savedLookups;
        d->lookupDone = savedDone;
        --d->disableCount;
        d->noticePending = savedPending;
    };
    try {
        std::vector<TRow> rows;
        d->cursor->block(firstRecNo, count, rows);
        out.reserve(qsizetype(rows.size()));
        for (TRow& r : rows) {
            d->row = std::move(r);
            d->hasRow = true;
            d->calc();
            QVariantList values;
            values.reserve(wanted.size());
            for (TField* f : wanted) {
                QVariant v;
                try {
                    if (f)
                        v = f->Value();
                } catch (const EDatabaseError&) {
                    // A row whose lookup or calculation fails shows empty cells.
                }
                values << v;
            }
            out << values;
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return out;
}

void TDataSet::Refresh() {
    d->requireActive();
    d->countCache = -1;
    d->rebuildHook(); // a query runs again, a table drops cached lookups
    TRow r;
    if (d->hasRow && d->cursor->gotoBookmark(d->row.bookmark, r)) {
        d->setRow(true, std::move(r));
        d->notice();
    } else {
        d->resetToFirst();
    }
}
