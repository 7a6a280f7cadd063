#pragma once
// A whole environment for tests, in force from construction to destruction:
// scripted dialogs, a recorded shell and wallpaper, a chosen screen, a fixed
// today, a tick counter that moves one millisecond at each reading (so a
// wait for time to pass ends at once), and a registry and program folder of
// its own in a private temporary folder. A test changes any answer at any
// time.
#include "ScriptedDialogs.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <utility>

class TTestEnvironment {
public:
    explicit TTestEnvironment(const QDate& today = QDate(2026, 3, 18));
    TTestEnvironment(const TTestEnvironment&) = delete;
    TTestEnvironment& operator=(const TTestEnvironment&) = delete;
    ~TTestEnvironment();

    TScriptedDialogs Dialogs;
    QDate Today;
    quint32 Ticks = 0; // the next reading
    TScreenMetrics Screen;
    // What ShellOpen answers, and the targets it was given.
    bool ShellOpenResult = true;
    QStringList Opened;
    // Bitmap file and style of each wallpaper reload.
    QList<std::pair<QString, int>> Wallpapers;
    // What the wallpaper reload answers.
    bool WallpaperResult = true;

    // Empty folders of this environment's own.
    QString RegistryFolder() const;
    // With its trailing separator.
    QString ProgramFolder() const;
    // The user's data folder, with its trailing separator; not made.
    QString DataFolder() const;

private:
    QTemporaryDir folder_;
    TEnvironment env_;
    std::unique_ptr<TEnvironmentScope> scope_;
};
