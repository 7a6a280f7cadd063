#pragma once
// Controls that keep what they show within bounds: a spin edit that holds a
// typed number to its range, a label that elides a text too long for it, and
// drop-down lists of a given number of rows.

#include <QLabel>
#include <QSpinBox>

class QComboBox;

// A number typed beyond the range is held to its nearer end when the edit
// is committed, instead of losing the keystroke that overshot ("151" with a
// maximum of 150 gives 150, not 15). A change handler may let events run
// (a progress window) while an arrow is clicked: the keys still step it.
class TClampingSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The typed digits without prefix and suffix; empty when not a number.
    QString Digits(const QString& text) const;
};

// A one-line label whose text, however long, never widens its window: what
// does not fit ends in an ellipsis, and the whole text shows as its hint.
// text() stays the whole text.
class TElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit TElidedLabel(QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    bool IsElided() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString ShownText() const;
};

// The list drops down below the box with at most rows rows and a scroll
// bar, in every style (some would otherwise fill the screen's height).
void SetDropDownRows(QComboBox* combo, int rows);
