#pragma once
// The application's default error handler. Errors in window work are
// exceptions with an English message; they are caught at the edge of each
// handler, shown in an error box, and the window goes on.
#include <QApplication>
#include <cstddef>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

// Shows the exception's message (error icon, OK button).
void ShowException(const std::exception& e);
void ShowUnknownException();

// Runs fn now; an exception from it is shown and swallowed.
template <class F> void RunGuarded(F&& fn) {
    try {
        std::forward<F>(fn)();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowUnknownException();
    }
}

namespace guard_detail {
template <class F, class Tuple, class Seq> struct InvocablePrefix;
template <class F, class Tuple, std::size_t... I>
struct InvocablePrefix<F, Tuple, std::index_sequence<I...>>
    : std::is_invocable<F&, std::tuple_element_t<I, Tuple>...> {};

// Calls fn with as many leading arguments as it takes, as Qt does for slots.
template <std::size_t N, class F, class Tuple> void CallFitting(F& fn, Tuple& args) {
    if constexpr (InvocablePrefix<F, Tuple, std::make_index_sequence<N>>::value) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            fn(std::get<I>(args)...);
        }
        (std::make_index_sequence<N>());
    } else {
        static_assert(N > 0, "the guarded function cannot take these arguments");
        if constexpr (N > 0)
            CallFitting<N - 1>(fn, args);
    }
}
} // namespace guard_detail

// Wraps a slot: connect(btn, &QPushButton::clicked, this, Guard([this] { ... }));
template <class F> auto Guard(F fn) {
    return [fn = std::move(fn)](auto&&... args) mutable {
        auto tuple = std::forward_as_tuple(args...);
        RunGuarded([&] { guard_detail::CallFitting<sizeof...(args)>(fn, tuple); });
    };
}

// The application object: an exception that leaves any event handler is
// shown here instead of ending the program.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs one step of a final clean-up; its failure must not keep the steps
// after it from running, nor hide the error on its way.
template <class F> void RunQuietly(F&& step) noexcept {
    try {
        std::forward<F>(step)();
    } catch (...) {
    }
}

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
