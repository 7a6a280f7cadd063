#pragma once
// A tab control whose tab captions the owning window draws: the tab shapes
// are the style's, the text is left to OnDrawTab.

#include <QTabWidget>

#include <functional>

class QPainter;

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    // The canvas, the tab's index, its rectangle and whether it is the
    // selected one. Without a handler the style draws the caption.
    using TDrawTabEvent =
        std::function<void(QPainter& canvas, int TabIndex, const QRect& rect, bool Active)>;
    TDrawTabEvent OnDrawTab;
};
