#pragma once
// The verse of the day in a window of its own, under the shown day's dates.

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;
class QTextEdit;

class TfrmVerseOfTheDay : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVerseOfTheDay(QWidget* parent = nullptr);

    QLabel* lblVODTitle = nullptr;
    QTextEdit* memoVerse = nullptr;
    QFrame* pnlBottom = nullptr;
    QPushButton* btnClose = nullptr;

    // The verse takes the readings font; its colour stays.
    void FormShow();
    void btnCloseClick();
    void FormKeyPress(QChar key);
    // Centres the button in its panel.
    void pnlBottomResize();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TfrmVerseOfTheDay* frmVerseOfTheDay;
