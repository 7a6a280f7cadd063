#pragma once
// The application's default error handler. Errors in window work are
// exceptions with an English message; they are caught at the edge of each
// handler, shown in an error box, and the window goes on.
#include <QApplication>
#include <exception>
#include <functional>
#include <utility>

// Shows the exception's message (error icon, OK button).
void ShowException(const std::exception& e);
void ShowUnknownException();

// Runs fn now; an exception from it is shown and swallowed.
template <class F>
void RunGuarded(F&& fn) {
  try {
    std::forward<F>(fn)();
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowUnknownException();
  }
}

// Wraps a slot: connect(btn, &QPushButton::clicked, this, Guard([this] { ... }));
template <class F>
auto Guard(F fn) {
  return [fn = std::move(fn)](auto&&... args) {
    RunGuarded([&] { fn(std::forward<decltype(args)>(args)...); });
  };
}

// The application object: an exception that leaves any event handler is
// shown here instead of ending the program.
class TApplication : public QApplication {
public:
  TApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs its step when the scope ends, also after an exception ("finally").
class TScopeGuard {
public:
  explicit TScopeGuard(std::function<void()> step) : m_step(std::move(step)) {}
  ~TScopeGuard() {
    if (m_step) {
      try {
        m_step();
      } catch (...) {
        // A failing final step must not hide the error that is on its way.
      }
    }
  }
  void Dismiss() { m_step = nullptr; }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;

private:
  std::function<void()> m_step;
};
