#pragma once
// Small builders of the windows' controls, and the few settings every window
// gives them.

#include <QPalette>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>

class QColor;
class TDataSet;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption);

// Off: Enter never presses the button for having the focus. Unchanged: Qt's
// own rule (on in a dialog).
enum class TAutoDefault { Off, Unchanged };
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        TAutoDefault autoDefault = TAutoDefault::Off);

// Flat until the mouse is over it.
QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& caption,
                            const QString& hint);

QFrame* MakePanel(QWidget* parent, const QString& name);

// Paints the text of w and of its children in color; by default the text of
// labels and frames and the captions of buttons.
void SetTextColor(QWidget* w, const QColor& color,
                  std::initializer_list<QPalette::ColorRole> roles = {QPalette::WindowText,
                                                                      QPalette::ButtonText});

// A record navigator in a panel of that name: first, prior, next and last
// row of the dataset that dataSet returns at the click (none, or a closed
// one, moves nothing), then after.
QFrame* MakeNavigator(QWidget* parent, const QString& name, std::function<TDataSet*()> dataSet,
                      std::function<void()> after = {});

// What a window manager's frame adds to window: the window's own frame once
// it has been framed, before that the frame of a window already framed (a
// desktop frames its windows alike); nothing without a window manager.
QSize WindowFrame(const QWidget* window);
// The size of a window that, with its frame, lies whole on a screen of
// screen window pixels: each side too long gives way, down to minimum.
QSize SizeOnScreen(const QSize& size, const QSize& minimum, const QSize& frame,
                   const QSize& screen);
// The primary screen's room for window's own area, its frame left out.
QSize RoomOnScreen(const QWidget* window);
// Makes window, frame included, no larger than the primary screen: a design
// size can exceed a small or scaled screen. A window that needs more room
// than the screen has puts its controls on a scrolling body
// (TPanelScroller::WindowBody).
void FitOnScreen(QWidget* window);
// After the program moved a window fitted to the screen while it shows: its
// frame goes back on the screen again once it is known.
void FitOnScreenAgain(QWidget* window);
// Centres window with its frame on the primary screen's free area, fitted to
// the screen.
void CentreOnScreen(QWidget* window);
// Centres window with its frame over the window it opens from (the modal
// window, else the active one), fitted to the screen and kept on it; with no
// opener, on the screen.
void CentreOverOpener(QWidget* window);

// The box a window opens for takes the keys at every opening, whatever had
// them when the window last closed; its whole text is selected, so that what
// the user types replaces it.
void FocusOnOpening(QWidget* box);

// Esc closes window, whichever control has the focus; an Esc that closes an
// open drop-down list closes only the list.
void CloseOnEscape(QWidget* window);

// The maroon "Printing" panel with its four buttons.
struct TPrintingButtons {
    QFrame* Panel = nullptr;
    QToolButton* Print = nullptr;
    QToolButton* Preview = nullptr;
    QToolButton* PageSetup = nullptr;
    QToolButton* SaveAs = nullptr;
};
TPrintingButtons MakePrintingPanel(QWidget* parent);
