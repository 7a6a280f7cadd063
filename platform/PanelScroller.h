#pragma once
// A panel in a frameless scroll area: when its window is made smaller than
// the panel needs, the panel scrolls instead of drawing its controls over
// each other.
#include <QScrollArea>

class TPanelScroller : public QScrollArea {
    Q_OBJECT
public:
    // A vertical-only scroller keeps the panel's own width and widens itself
    // by its scroll bar while that shows.
    TPanelScroller(QWidget* panel, Qt::Orientations directions, QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize minimumSizeHint() const override;

    // The whole content of window in a scroller that asks for the content's
    // own minimum size as far as the screen holds it: on a screen too small
    // for the content the window stays on the screen and the content scrolls.
    // Returns the body to lay the window's controls out on.
    static QWidget* WindowBody(QWidget* window);

private:
    void FollowPanelWidth();
    Qt::Orientations directions_;
    bool screenBound_ = false;
};
