#pragma once
// Click and double-click handlers for widgets that have no such signal
// (labels, pictures, panels), as the windows' designs expect of them.

#include <QEvent>
#include <QWidget>

#include <functional>

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
