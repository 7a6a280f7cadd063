#pragma once
// The sample Synaxarium: a head row for every Coptic day, written entries
// for the month of Kiahk and the feasts they link to, and the saints index
// with its letter dividers.

#include "ContentData.h"

QList<TableRows> BuildSynaxariumTables();

// The SynxHead ID of a Coptic day (IDs ascend in month and day order).
inline int SynxHeadID(int month, int day) {
    return (month - 1) * 30 + day;
}
