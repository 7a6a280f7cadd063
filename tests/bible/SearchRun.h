#pragma once
// The Bible search window driven as a user drives it, and what its grid then
// holds.

#include "GridModel.h"
#include "Search.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace SearchRun {

// Shows the window when hidden, sets the mode, the case and the scope, types
// the text and presses the search button.
inline void Run(TfrmSearch& w, const QString& text, bool phrase, int scope,
                bool caseSensitive = false) {
    if (!w.isVisible())
        w.show();
    if (w.chkBxLiteralSearch->isChecked() != phrase)
        w.chkBxLiteralSearch->click();
    w.chkbxCaseSensitive->setChecked(caseSensitive);
    w.scopeButtons->button(scope)->click();
    w.edtSearch->setText(text);
    w.btSearch->click();
}

// One field of every result row, in the grid's order.
inline QStringList Column(const TfrmSearch& w, const QString& field) {
    QStringList values;
    for (int r = 0; r < w.gridModel->rowCount(); ++r)
        values << w.gridModel->FieldValue(r, field).toString();
    return values;
}

} // namespace SearchRun
