#pragma once
// Shared set-up of the main-window tests: scripted dialogs, a chosen screen,
// a program folder of the test's own and a fresh data module and session.

#include "DMMain.h"
#include "MainNew.h"
#include "ScriptedDialogs.h"

#include <QByteArray>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class MainNewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void SetScreen(int width, int height, int dpi);
    // Creates the main window (its create handler runs).
    TfrmMainNew& CreateWindow();
    // Only the messages of the given kind.
    QList<TScriptedDialogs::Message> MessagesOf(TMsgDlgType type) const;

    TScriptedDialogs dialogs;
    TScriptedDialogs::Scope dialogsScope{dialogs};
    TScreenMetrics screen;
    QTemporaryDir programFolder; // stands for the folder of the program file
    std::unique_ptr<TfrmMainNew> window;
};

// Names, sizes, times and contents of every file under a folder, to prove
// that nothing was written there.
QMap<QString, QByteArray> FolderSnapshot(const QString& folder);
