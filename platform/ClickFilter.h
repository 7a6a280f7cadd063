#pragma once
// Click, double-click and key handlers for widgets that have no such signal
// (labels, pictures, panels, lists), as the windows' designs expect of them.

#include <QEvent>
#include <QWidget>

#include <functional>

class QAbstractItemView;
class QKeySequence;

// Runs `handler` when the left mouse button is released over `widget`.
void OnWidgetClick(QWidget* widget, std::function<void()> handler);
// Runs `handler` on a left double click on `widget`.
void OnWidgetDoubleClick(QWidget* widget, std::function<void()> handler);
// Runs `handler` when the right mouse button is released over `widget`.
void OnWidgetRightClick(QWidget* widget, std::function<void()> handler);
// Runs `handler` on each event of `type` that reaches `widget` (an enter, a
// leave, a mouse move), which still gets the event. Moves without a pressed
// button come only with the widget's mouse tracking on.
void OnWidgetEvent(QWidget* widget, QEvent::Type type, std::function<void()> handler);
// Runs `handler` for `key` pressed while `widget` has the focus; the widget
// itself does not see that key.
void OnWidgetKey(QWidget* widget, const QKeySequence& key, std::function<void()> handler);
// Enter, on the main keys or the keypad, opens the list's selected row.
void OpenRowOnEnter(QAbstractItemView* list, const std::function<void()>& open);
