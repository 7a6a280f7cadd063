#pragma once
// Shared set-up of the main-window tests: scripted dialogs, a chosen screen,
// a program folder of the test's own and a fresh data module and session.

#include "DMMain.h"
#include "MainNew.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "TestWindows.h"

#include <QByteArray>
#include <QMap>

#include <gtest/gtest.h>

#include <memory>

class MainNewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void SetScreen(int width, int height, int dpi);
    // Creates the main window (its create handler runs).
    TfrmMainNew& CreateWindow();
    // A window of the test's own in its global until FreeWindows.
    template <class T> T* Make(T*& global) { return windows_.Make(global); }
    // The windows of Make, last made first, then the main window.
    void FreeWindows();
    // Only the messages of the given kind.
    QList<TScriptedDialogs::Message> MessagesOf(TMsgDlgType type) const;

    // Dialogs, screen, today, the registry and the folder of the program
    // file are the test's own.
    TTestEnvironment env;
    TScriptedDialogs& dialogs = env.Dialogs;
    TScreenMetrics& screen = env.Screen;
    std::unique_ptr<TfrmMainNew> window;

private:
    TTestWindows windows_;
};

// Names, sizes, times and contents of every file under a folder, to prove
// that nothing was written there.
QMap<QString, QByteArray> FolderSnapshot(const QString& folder);
