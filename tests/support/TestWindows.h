#pragma once
// Windows a test makes into their globals; freed last made first, each
// global cleared with its window.

#include <functional>
#include <vector>

class TTestWindows {
public:
    TTestWindows() = default;
    TTestWindows(const TTestWindows&) = delete;
    TTestWindows& operator=(const TTestWindows&) = delete;
    ~TTestWindows() { FreeAll(); }

    template <class T> T* Make(T*& global) {
        auto* made = new T;
        global = made;
        frees_.push_back([made, &global] {
            global = nullptr;
            delete made;
        });
        return made;
    }

    void FreeAll() {
        while (!frees_.empty()) {
            frees_.back()();
            frees_.pop_back();
        }
    }

private:
    std::vector<std::function<void()>> frees_;
};
