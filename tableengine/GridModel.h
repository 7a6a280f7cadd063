#pragma once
// The one grid model: a data source's dataset shown in a Qt item view.
//
// How a window uses it (one model per grid, made with the window):
//   model_ = new TGridModel(this);
//   model_->SetColumns({{"Citation"}, {"VerseText", "Verse"}}); // none: every field
//   (a column's Roles give it, say, its own background colour)
//   model_->SetDataSource(&MainDM->dsSearch);
//   dbgrdSearch->setModel(model_);
//   model_->FollowSelection(dbgrdSearch->selectionModel());
// Painting reads rows in blocks, with their lookup and calculated fields,
// without moving the dataset's cursor or sending its data-change notices.
// Only a change of the view's current row (a click, a key) moves the cursor,
// and so sends the one notice. When the dataset moves by itself (navigator,
// FindKey, a search loop) the view's current row follows; when its rows
// change (open, close, refresh, filter, range, master move, post) the model
// is reset. Pointing the grid at another source is SetDataSource.
// Cell drawing that depends on other fields of a row (the divider rows of
// the saints index) reads them with FieldValue, never from the dataset.

#include "TableEngine.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QItemSelectionModel>
#include <QPointer>

#include <exception>
#include <functional>
#include <list>

struct TGridColumn {
    TGridColumn(const char* field) : FieldName(QString::fromUtf8(field)), Title(FieldName) {}
    TGridColumn(QString field) : FieldName(field), Title(std::move(field)) {}
    TGridColumn(QString field, QString title,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
        : FieldName(std::move(field)), Title(std::move(title)), Alignment(alignment) {}
    QString FieldName;
    QString Title; // shown in the header; empty for an untitled column
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // What every cell of the column gives for other roles (a colour for
    // Qt::BackgroundRole or Qt::ForegroundRole, a font for Qt::FontRole);
    // a role not held here is the view's.
    QHash<int, QVariant> Roles;
};

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Rows read together; a screen of a grid needs one or two blocks.
    static constexpr int BlockSize = 64;

    explicit TGridModel(QObject* parent = nullptr);
    ~TGridModel() override;

    void SetDataSource(TDataSource* source);
    TDataSource* DataSource() const { return source_; }
    TDataSet* DataSet() const; // nullptr without a source or dataset

    // Columns by field name; an empty list shows every field of the dataset.
    // A name the dataset lacks shows an empty column.
    void SetColumns(const QList<TGridColumn>& columns);
    QList<TGridColumn> Columns() const { return columns_; }

    // The value of any field of a row (0-based), read from the row blocks.
    QVariant FieldValue(int row, const QString& fieldName) const;
    // The dataset's current row (0-based); -1 when it has none.
    int CurrentRow() const { return current_; }
    // Moves the dataset's cursor to a row (0-based): the user's selection.
    void SelectRow(int row);
    // Keeps a view's current row and the dataset's cursor together both ways.
    void FollowSelection(QItemSelectionModel* selection);
    // Gets the error of a cursor move that a selection started (a notice
    // handler failed) after the view's row went back to the dataset's; a
    // window shows it in the application's error box. Without a handler the
    // error goes on to whatever changed the selection.
    std::function<void(const std::exception&)> OnError;
    // Reads every row anew (after a change the dataset cannot report).
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The dataset's cursor moved to another row (0-based, -1 for none).
    void CurrentRowChanged(int row);

private:
    struct Block {
        QList<QVariantList> rows; // values in the order of fields_
    };
    void datasetChanged();
    void rebuild();
    void resolveFields();
    int fieldSlot(const QString& name) const; // index into fields_, -1 when none
    const Block* block(int index) const;
    int cursorRow() const;
    void syncSelection();

    QPointer<TDataSource> source_;
    QPointer<TDataSet> dataSet_;
    QMetaObject::Connection sourceConn_, sourceSetConn_;
    QList<TGridColumn> columns_;
    QList<TGridColumn> shown_;   // the columns in effect
    mutable QStringList fields_; // fields read per row: the shown ones, then extras
    QList<int> columnSlots_;     // per shown column, its index in fields_
    mutable QStringList extras_; // fields asked through FieldValue
    int rows_ = 0;
    int current_ = -1;
    quint64 serial_ = 0; // the dataset's row set the blocks were read from
    bool active_ = false;
    bool selecting_ = false;
    mutable QHash<int, Block> blocks_;
    mutable std::list<int> recent_; // block indexes, most recent first
    QPointer<QItemSelectionModel> selection_;
    QMetaObject::Connection selectionConn_;
};
