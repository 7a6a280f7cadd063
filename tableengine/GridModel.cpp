#include "GridModel.h"

#include "Internal.h"

namespace {

// More blocks than any screen needs; older ones are read again when needed.
constexpr int kKeptBlocks = 64;

} // namespace

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TGridModel::~TGridModel() {
    QObject::disconnect(sourceConn_);
    QObject::disconnect(sourceSetConn_);
    QObject::disconnect(selectionConn_);
}

TDataSet* TGridModel::DataSet() const {
    return source_ ? source_->DataSet() : nullptr;
}

void TGridModel::SetDataSource(TDataSource* source) {
    QObject::disconnect(sourceConn_);
    QObject::disconnect(sourceSetConn_);
    source_ = source;
    if (source) {
        sourceConn_ = connect(source, &TDataSource::dataChange, this, &TGridModel::datasetChanged);
        sourceSetConn_ = connect(source, &TDataSource::dataSetChanged, this, &TGridModel::rebuild);
    }
    rebuild();
}

void TGridModel::SetColumns(const QList<TGridColumn>& columns) {
    columns_ = columns;
    rebuild();
}

void TGridModel::Reload() {
    rebuild();
}

int TGridModel::cursorRow() const {
    TDataSet* ds = dataSet_;
    if (!ds || !ds->Active() || ds->IsEmpty() || ds->State() != TDataSetState::dsBrowse)
        return -1;
    return ds->RecNo() - 1;
}

void TGridModel::resolveFields() {
    shown_.clear();
    fields_.clear();
    columnSlots_.clear();
    TDataSet* ds = dataSet_;
    if (columns_.isEmpty()) {
        if (ds && ds->Active())
            for (TField* f : ds->Fields())
                shown_ << TGridColumn(f->FieldName());
    } else {
        shown_ = columns_;
    }
    auto slotFor = [this](const QString& name) {
        for (int i = 0; i < fields_.size(); ++i)
            if (fields_[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        fields_ << name;
        return int(fields_.size()) - 1;
    };
    for (const TGridColumn& c : shown_)
        columnSlots_ << slotFor(c.FieldName);
    for (const QString& e : std::as_const(extras_))
        slotFor(e);
}

void TGridModel::rebuild() {
    beginResetModel();
    TDataSet* ds = DataSet();
    dataSet_ = ds;
    active_ = ds && ds->Active() && ds->impl().cursor;
    serial_ = active_ ? ds->impl().cursor->serial : 0;
    blocks_.clear();
    recent_.clear();
    resolveFields();
    rows_ = active_ ? ds->RecordCount() : 0;
    current_ = cursorRow();
    endResetModel();
    emit CurrentRowChanged(current_);
    syncSelection();
}

void TGridModel::datasetChanged() {
    TDataSet* ds = DataSet();
    const bool active = ds && ds->Active() && ds->impl().cursor;
    const quint64 serial = active ? ds->impl().cursor->serial : 0;
    if (ds != dataSet_ || active != active_ || serial != serial_) {
        rebuild();
        return;
    }
    const int now = cursorRow();
    if (now == current_)
        return;
    const int old = current_;
    current_ = now;
    if (old >= 0)
        emit headerDataChanged(Qt::Vertical, old, old);
    if (now >= 0)
        emit headerDataChanged(Qt::Vertical, now, now);
    emit CurrentRowChanged(now);
    syncSelection();
}

void TGridModel::SelectRow(int row) {
    TDataSet* ds = dataSet_;
    if (!ds || !active_ || row < 0 || row >= rows_ || row == current_)
        return;
    ds->SetRecNo(row + 1); // its notice updates current_
}

void TGridModel::FollowSelection(QItemSelectionModel* selection) {
    QObject::disconnect(selectionConn_);
    selection_ = selection;
    if (!selection)
        return;
    selectionConn_ = connect(selection, &QItemSelectionModel::currentRowChanged, this,
                             [this](const QModelIndex& now) {
                                 if (selecting_ || !now.isValid())
                                     return;
                                 try {
                                     SelectRow(now.row());
                                 } catch (const std::exception& e) {
                                     current_ = cursorRow();
                                     syncSelection();
                                     if (!OnError)
                                         throw;
                                     OnError(e);
                                 }
                             });
    syncSelection();
}

void TGridModel::syncSelection() {
    if (!selection_ || selection_->model() != this)
        return;
    if (selection_->currentIndex().row() == current_ &&
        (current_ >= 0) == selection_->currentIndex().isValid())
        return;
    selecting_ = true;
    if (current_ < 0)
        selection_->clearCurrentIndex();
    else
        selection_->setCurrentIndex(index(current_, 0), QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    selecting_ = false;
}

const TGridModel::Block* TGridModel::block(int index) const {
    auto it = blocks_.constFind(index);
    if (it != blocks_.constEnd()) {
        if (recent_.front() != index) {
            recent_.remove(index);
            recent_.push_front(index);
        }
        return &it.value();
    }
    TDataSet* ds = dataSet_;
    if (!ds || !active_ || !ds->Active() || ds->State() != TDataSetState::dsBrowse)
        return nullptr;
    // Rows that changed without a notice yet (controls disabled) are not
    // kept: the notice will reset the model.
    if (!ds->impl().cursor || ds->impl().cursor->serial != serial_)
        return nullptr;
    Block b;
    try {
        b.rows = ds->ReadRows(index * BlockSize + 1, std::min(BlockSize, rows_ - index * BlockSize),
                              fields_);
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
        return nullptr;
    }
    if (int(recent_.size()) >= kKeptBlocks) {
        blocks_.remove(recent_.back());
        recent_.pop_back();
    }
    recent_.push_front(index);
    return &blocks_.insert(index, std::move(b)).value();
}

int TGridModel::fieldSlot(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant TGridModel::FieldValue(int row, const QString& fieldName) const {
    if (row < 0 || row >= rows_)
        return QVariant();
    int slot = fieldSlot(fieldName);
    if (slot < 0) {
        // Read with every row from now on.
        extras_ << fieldName;
        fields_ << fieldName;
        blocks_.clear();
        recent_.clear();
        slot = int(fields_.size()) - 1;
    }
    const Block* b = block(row / BlockSize);
    if (!b || row % BlockSize >= b->rows.size())
        return QVariant();
    return b->rows[row % BlockSize].value(slot);
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= shown_.size() || index.row() >= rows_)
        return QVariant();
    const TGridColumn& column = shown_[index.column()];
    if (role == Qt::TextAlignmentRole)
        return int(column.Alignment);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return column.Roles.value(role);
    const Block* b = block(index.row() / BlockSize);
    if (!b || index.row() % BlockSize >= b->rows.size())
        return QVariant();
    const QVariant v = b->rows[index.row() % BlockSize].value(columnSlots_[index.column()]);
    return role == Qt::DisplayRole ? QVariant(te::valueText(v)) : v;
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < shown_.size() ? QVariant(shown_[section].Title)
                                                       : QVariant();
    // The row indicator marks the dataset's current row; the other rows hold
    // a blank as wide, so the indicator column keeps its width wherever the
    // grid is scrolled.
    return section == current_ ? QStringLiteral("\u25B6") : QStringLiteral("\u2003");
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
