// Field values read from the dataset's current row buffers.
#include "Internal.h"

using namespace te;

QVariant TField::Value() const {
    TDataSet::Impl& d = dataSet_->impl();
    if (!d.active || (!d.hasRow && d.state != TDataSetState::dsInsert))
        return QVariant();
    switch (kind_) {
    case TFieldKind::fkData:
        return d.row.values.value(slot_);
    case TFieldKind::fkCalculated:
        d.ensureCalc();
        return d.calcValues.value(slot_);
    case TFieldKind::fkLookup:
        return d.lookupValue(slot_);
    }
    return QVariant();
}

bool TField::IsNull() const {
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

QString te::valueText(const QVariant& v) {
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    return v.toString();
}

QString TField::AsString() const {
    return te::valueText(Value());
}

int TField::AsInteger() const {
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        if (!ok)
            fail(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                     .arg(v.toString(), name_));
        return n;
    }
    return v.toInt();
}

bool TField::AsBoolean() const {
    const QVariant v = Value();
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("true") || s == QLatin1String("t") || s == QLatin1String("yes") ||
               s == QLatin1String("1");
    }
    return v.toBool();
}

QDate TField::AsDate() const {
    const QVariant v = Value();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString(), Qt::ISODate);
}

void TField::SetValue(const QVariant& value) {
    TDataSet::Impl& d = dataSet_->impl();
    QVariant v = value;
    if (!v.isNull()) {
        switch (type_) {
        case TFieldType::ftAutoInc:
        case TFieldType::ftSmallint:
        case TFieldType::ftWord:
        case TFieldType::ftInteger: {
            bool ok = false;
            const int n =
                v.typeId() == QMetaType::QString ? v.toString().trimmed().toInt(&ok) : v.toInt(&ok);
            if (!ok)
                fail(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                         .arg(v.toString(), name_));
            v = n;
            break;
        }
        case TFieldType::ftBoolean:
            v = v.toBool();
            break;
        case TFieldType::ftDate:
            v = v.typeId() == QMetaType::QDate
                    ? v
                    : QVariant(QDate::fromString(v.toString(), Qt::ISODate));
            break;
        case TFieldType::ftString:
        case TFieldType::ftMemo:
            v = v.toString();
            break;
        }
    }
    if (kind_ == TFieldKind::fkCalculated) {
        if (!d.inCalc)
            fail(QStringLiteral("Field '%1' cannot be modified").arg(name_));
        if (type_ == TFieldType::ftString && size_ > 0 && v.toString().size() > size_)
            v = v.toString().left(size_);
        d.calcValues[slot_] = v;
        return;
    }
    if (kind_ == TFieldKind::fkLookup)
        fail(QStringLiteral("Field '%1' cannot be modified").arg(name_));
    if (d.state != TDataSetState::dsInsert && d.state != TDataSetState::dsEdit)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    if (type_ == TFieldType::ftAutoInc)
        fail(QStringLiteral("Field '%1' cannot be modified").arg(name_));
    if (type_ == TFieldType::ftString && size_ > 0 && v.toString().size() > size_)
        fail(QStringLiteral("Value of field '%1' is longer than %2 characters")
                 .arg(name_)
                 .arg(size_));
    d.row.values[slot_] = v;
}
