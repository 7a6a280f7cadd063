#pragma once
// Holds off user input to some windows while long work lets pending window
// messages run: clicks, keys and the close box of those windows are dropped,
// so that the work cannot be started again inside itself, while paint and
// timer messages (the progress window) go on.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class TInputHold : public QObject {
    Q_OBJECT
public:
    // Holds input to the given windows (and everything in them) until the
    // object is destroyed. Null windows are passed over.
    explicit TInputHold(const QList<QWidget*>& windows);
    ~TInputHold() override;

    // Esc in any window, or the close box of a held window or of one of
    // others, calls stop instead; the window stays open.
    void StopWith(std::function<void()> stop, const QList<QWidget*>& others = {});

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsHeld(QObject* object) const;
    bool InWindows(QObject* object, const QList<QPointer<QWidget>>& windows) const;
    QList<QPointer<QWidget>> windows_;
    QList<QPointer<QWidget>> stopWindows_;
    std::function<void()> stop_;
};
