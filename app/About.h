#pragma once
// The About window: the start-up splash (its own instance, freed when it
// closes) and the About box frmAbout (hidden when closed, shown again later).
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QPlainTextEdit;

class TfrmAbout : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // Shows the splash and draws it once the display has put it on screen.
    void ShowSplash();
    // One step of the splash's bar, drawn at once (start-up blocks the loop).
    void StepSplash();
    // Longest wait, in milliseconds, for the display to put the splash on
    // screen; a display that never does only costs this much.
    static constexpr quint32 SplashExposeWait = 2000;
    // Turns the window into the About box: OK button shown, bar hidden.
    void SetDialogMode();
    // Milliseconds the close holds the thread; above 0 the window also frees
    // itself when closed.
    void SetCloseDelay(int ms) { CloseDelay = ms; }
    int GetCloseDelay() const { return CloseDelay; }

    // The environment's tick counter in milliseconds; it wraps like a 32-bit
    // counter.
    static quint32 Tick();

    static const char* const WebAddress;
    static const char* const ContactAddress;

    QLabel* lblVersion = nullptr;
    QLabel* lblSubtitle = nullptr;
    QLabel* lblWebsite = nullptr;
    QLabel* lblEmailAddress = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPlainTextEdit* memoCredits = nullptr;
    QPlainTextEdit* memoReferences = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    int CloseDelay = 0;
};

extern TfrmAbout* frmAbout;
