#include "TableEngine.h"

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::SetDataSet(TDataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    QObject::disconnect(conn_);
    dataSet_ = dataSet;
    if (dataSet_) {
        conn_ = connect(dataSet_, &TDataSet::dataChanged, this, [this] {
            emit dataChange();
            if (enabled_ && OnDataChange)
                OnDataChange(*this);
        });
    }
}
