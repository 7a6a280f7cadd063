#pragma once
// The Bible text is typeset with typographic quotes (’ ‘ “ ”), while users
// type the keyboard's straight ones (' "). Comparisons fold both sides to the
// straight quotes; the text itself is shown as it is stored.

#include <QString>
#include <QStringView>

// ‘ ’ “ ” and the em dash: they end a word as ' " and - do.
inline constexpr QStringView TypographicWordBreaks = u"\u2018\u2019\u201C\u201D\u2014";

// ‘ ’ become ', “ ” become "; every other character stays. One character for
// one, so positions in the folded text are positions in the text.
QString FoldQuotes(const QString& text);
// The same, in the text itself.
void FoldQuotesInPlace(QString& text);
