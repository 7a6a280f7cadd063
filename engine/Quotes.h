#pragma once
// The Bible text is typeset with typographic quotes (’ ‘ “ ”), while users
// type the keyboard's straight ones (' "). Comparisons fold both sides to the
// straight quotes; the text itself is shown as it is stored.

#include <QString>
#include <QStringView>

// ‘ ’ “ ”: they separate words as the straight quotes do.
inline constexpr QStringView TypographicQuotes = u"\u2018\u2019\u201C\u201D";

// ‘ ’ become ', “ ” become "; every other character stays. One character for
// one, so positions in the folded text are positions in the text.
QString FoldQuotes(const QString& text);
