#pragma once
// Click and double-click handlers for widgets that have no such signal
// (labels, pictures, panels), as the windows' designs expect of them.

#include <QWidget>

#include <functional>

// Runs `handler` when the left mouse button is released over `widget`.
void OnWidgetClick(QWidget* widget, std::function<void()> handler);
// Runs `handler` on a left double click on `widget`.
void OnWidgetDoubleClick(QWidget* widget, std::function<void()> handler);
