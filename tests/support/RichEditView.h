#pragma once
// Where a rich edit's view stands after a jump, measured on the laid-out
// text: the lines in view above the place jumped to.

#include "RichEdit.h"

#include <QScrollBar>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>

namespace RichEditView {

// The line at the top of the view.
inline int TopLine(const TRichEdit& e) {
    return e.LineFromChar(e.FromDocPos(e.cursorForPosition(QPoint(1, 1)).position()));
}

// The place's line and the line after it stand wholly in the view (the
// text under a heading shows).
inline bool LineInView(const TRichEdit& e, int pos) {
    QTextCursor c(e.document());
    c.setPosition(e.ToDocPos(pos));
    const QRect r = e.cursorRect(c);
    return r.top() >= 0 && r.bottom() + r.height() <= e.viewport()->height();
}

// A jump to pos left JumpLinesAbove lines in view above its line: fewer at
// the start of the text or in a view too short to show what follows, more
// where the end of the text stopped the scroll.
inline testing::AssertionResult JumpedTo(const TRichEdit& e, int pos) {
    const int line = e.LineFromChar(pos);
    const int above = line - TopLine(e);
    const int wanted = std::min(JumpLinesAbove, line);
    const QScrollBar* bar = e.verticalScrollBar();
    QTextCursor c(e.document());
    c.setPosition(e.ToDocPos(pos));
    const int top = e.cursorRect(c).top();
    const bool atEnd = bar->value() == bar->maximum();
    const bool shortView = above < wanted && top >= e.viewport()->height() / 2 - 2;
    if (!LineInView(e, pos) || (above != wanted && !(above > wanted && atEnd) && !shortView))
        return testing::AssertionFailure()
               << "line " << line << " stands " << above << " lines below the top (wanted "
               << wanted << "), at y " << top << " of a view " << e.viewport()->height()
               << " high; scroll " << bar->value() << " of " << bar->maximum();
    return testing::AssertionSuccess();
}

} // namespace RichEditView
