#pragma once
// The progress window shown, not modally, around every long operation.
#include <QWidget>

class QLabel;
class QProgressBar;

class TfrmBuilding : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBuilding(QWidget* parent = nullptr);

    QLabel* lblStatus = nullptr;
    QLabel* lblProgress = nullptr;
    QProgressBar* prgrsbarChapter = nullptr;
    QLabel* lblStopHint = nullptr;

    // Shown as belonging to the modal window of the moment (none: to no
    // window), so that its close box and keys are not blocked by it.
    void ShowOver(QWidget* modal);
    // The operation shown now stops at Esc; the next Show forgets it.
    void ShowStopHint();

protected:
    // Bar back to 0 and no stop hint at every Show.
    void showEvent(QShowEvent* event) override;
};

extern TfrmBuilding* frmBuilding;
