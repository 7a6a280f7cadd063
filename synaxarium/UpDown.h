#pragma once
// An up-down pair of arrow buttons tied to a line edit that shows its
// position. A click reads the number typed into the edit first, so a typed
// value takes effect at the next click; typing alone changes nothing. Up and
// Down in the edit click the arrows, for users of the keyboard alone.

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position); // held within Min..Max; the edit shows it
    int Min = 0;
    int Max = 100;

    // A click on either arrow, after the position moved.
    std::function<void()> OnClick;

    QToolButton* btnUp = nullptr;
    QToolButton* btnDown = nullptr;

    // One click: up when up, else down; no wrap at the limits.
    void Click(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate_;
    int position_ = 0;
};
