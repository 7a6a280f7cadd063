#pragma once
// A group box whose caption wraps onto further lines when the box is too
// narrow for it, so the whole caption always shows; the box's content moves
// down by the extra lines.
#include <QGroupBox>

class TWrappedGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Where the caption is drawn, as many lines high as the width needs.
    QRect TitleRect() const;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int ExtraTitleHeight() const;
    void MakeRoomForTitle();
    bool adjusting_ = false;
};
