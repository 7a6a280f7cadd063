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

protected:
    void showEvent(QShowEvent* event) override; // bar back to 0 at every Show
};

extern TfrmBuilding* frmBuilding;
