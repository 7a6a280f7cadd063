#pragma once
// Turns one verse of OSIS markup into the plain verse text that the Bible
// table holds: notes, titles and glossary matter dropped, the words kept.

#include <QString>

// Plain text of one verse entry. Notes leave a blank only where the words on
// both sides would otherwise run together ("God<note/>created").
QString OsisToPlainText(const QString& osis);
