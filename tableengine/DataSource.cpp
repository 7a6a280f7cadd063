#include "TableEngine.h"

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_)
        return;
    QObject::disconnect(conn_);
    QObject::disconnect(destroyedConn_);
    dataSet_ = dataSet;
    if (dataSet_) {
        destroyedConn_ = connect(dataSet_, &QObject::destroyed, this, [this] {
            dataSet_ = nullptr;
            emit dataSetChanged();
        });
        conn_ = connect(dataSet_, &TDataSet::dataChanged, this, [this] {
            emit dataChange();
            if (enabled_ && OnDataChange)
                OnDataChange(*this);
        });
    }
    emit dataSetChanged();
}
