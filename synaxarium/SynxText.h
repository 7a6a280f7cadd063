#pragma once
// The writers of every Synaxarium text (the Synaxarium window, the linked
// entry and the Synaxarium section of the readings): headings framed by
// rules, story paragraphs, and the jump to an entry's heading.

#include <QColor>
#include <QFont>
#include <QString>

class TRichEdit;

// Heading colours: a day's heading is blue, an entry's red.
inline const QColor SynxDayColor = QColor(0, 0, 255);
inline const QColor SynxEntryColor = QColor(255, 0, 0);

// The rule above and below headings: 81 underscores.
QString SynxRule();
// "[k] name": the marker that GoToEntry looks for, then the entry's name.
QString SynxEntryHeading(int k, const QString& name);

// Appends text as a heading at the readings size + 4, bold, in color; with a
// rule (10 points, bold, black) before and after as asked, and a blank line
// after when blankLine.
void AddRichHeading(TRichEdit& richEdit, const QFont& readingsFont, const QString& text,
                    bool blankLine, bool ruleBefore, bool ruleAfter, const QColor& color);
// Appends text in black in the readings font, then a line break.
void AddRichBody(TRichEdit& richEdit, const QFont& readingsFont, const QString& text);
// Brings the heading of entry n into view near the top, the caret on its
// opening bracket; false (and nothing moves) when the text has no "[n]".
bool GoToEntry(TRichEdit& richEdit, int n);
