#pragma once
// The program's start-up: the splash while the data module and every window
// are created in their fixed order, the application title, the main window
// shown (its first show opens the tables and shows today), and the end.

#include <QString>

#include <functional>

struct TStartupOptions {
    // Called after each step of the splash with the bar's position.
    std::function<void(int position)> SplashStepped;
    std::function<void(const QString& title)> TitleSet;
    // Called after each global instance is created, with its name.
    std::function<void(const QString& instance)> Created;
    // Called once the splash has closed and freed itself.
    std::function<void()> SplashClosed;
    // Called when the main window's first show has shown the first day.
    std::function<void()> FirstDayShown;
    // How long the splash holds the start-up when it closes.
    int SplashCloseDelay = 1000;
};

// The application title that start-up sets; no window caption carries it.
QString ApplicationTitle();

// Everything before the message loop, then the main window shown. Needs the
// application object.
void StartUp(const TStartupOptions& options = {});
// Frees the windows and the data module, the main window's last.
void ShutDown();
// The whole program: application object, start-up, message loop, end.
int RunProgram(int argc, char** argv);
