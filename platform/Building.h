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

    // Shown as belonging to the modal window of the moment (none: to no
    // window), so that its close box and keys are not blocked by it.
    void ShowOver(QWidget* modal);

protected:
    void showEvent(QShowEvent* event) override; // bar back to 0 at every Show
};

extern TfrmBuilding* frmBuilding;
