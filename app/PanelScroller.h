#pragma once
// A panel of the main window in a frameless scroll area: when the window is
// made smaller than the panel needs, the panel scrolls instead of drawing its
// controls over each other.
#include <QScrollArea>

class TPanelScroller : public QScrollArea {
    Q_OBJECT
public:
    // A vertical-only scroller keeps the panel's own width and widens itself
    // by its scroll bar while that shows.
    TPanelScroller(QWidget* panel, Qt::Orientations directions, QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowPanelWidth();
    Qt::Orientations directions_;
};
