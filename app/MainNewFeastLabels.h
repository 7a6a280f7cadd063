#pragma once
// The colours of the main window's feast labels: at rest, and under the
// mouse when the label is live.

#include <QColor>

class QLabel;

inline const QColor FeastLabelColor(0, 0, 160);
inline const QColor FeastHoverColor(128, 0, 0);

// Gives a label its font colour.
void SetFeastLabelColor(QLabel* label, const QColor& color);
