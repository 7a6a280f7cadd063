#pragma once

#include <QFrame>
#include <QPixmap>
#include <QTimer>

#include <functional>

// A press-and-hold button showing a glyph: one tick when pressed, then one
// tick every AutoRepeat milliseconds while it stays pressed.
class TButPanel : public QFrame {
    Q_OBJECT
public:
    explicit TButPanel(QWidget* parent = nullptr);
    ~TButPanel() override;

    const QPixmap& Glyph() const { return FGlyph; }
    void SetGlyph(const QPixmap& glyph);

    bool Down() const { return FDown; }
    void SetDown(bool down);

    int AutoRepeat() const { return FAutoRepeat; }
    // Takes effect at the next press.
    void SetAutoRepeat(int ms) { FAutoRepeat = ms; }

    // Kept for the owner; no effect inside the button.
    bool ExternalState() const { return FExternalState; }
    void SetExternalState(bool state) { FExternalState = state; }

    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    // True while the repeat timer runs.
    bool Repeating() const { return FTimer.isActive(); }
    int RepeatInterval() const { return FTimer.interval(); }
    // Ends a running repeat and raises the button, as a release does.
    void StopRepeat();
    // What the repeat timer runs at each interval: a tick while repeating.
    void TimerTick();

    std::function<void(TButPanel*)> OnTick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FireTick();

    QPixmap FGlyph;
    bool FDown = false;
    int FAutoRepeat = 300;
    bool FExternalState = false;
    int FTag = 0;
    QTimer FTimer;
};
