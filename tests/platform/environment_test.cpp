#include "Registry.h"
#include "Shell.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(TestEnvironment, AnswersEveryMachineQuestionAndEndsWithItsScope) {
    QString registryFolder;
    {
        TTestEnvironment env(QDate(2025, 12, 31));
        EXPECT_EQ(Today(), QDate(2025, 12, 31));
        env.Today = QDate(2026, 1, 1);
        EXPECT_EQ(Today(), QDate(2026, 1, 1));

        env.Ticks = 0xFFFFFFFFu;
        EXPECT_EQ(TickCount(), 0xFFFFFFFFu);
        EXPECT_EQ(TickCount(), 0u); // it wraps

        env.Screen = {1024, 768, 120};
        const TScreenMetrics screen = PrimaryScreenMetrics();
        EXPECT_EQ(screen.Width, 1024);
        EXPECT_EQ(screen.Height, 768);
        EXPECT_EQ(screen.LogPixelsX, 120);

        EXPECT_EQ(ProgramFolder(), env.ProgramFolder());
        EXPECT_TRUE(ProgramFolder().endsWith('/'));
        EXPECT_TRUE(QFileInfo(ProgramFolder()).isDir());

        registryFolder = env.RegistryFolder();
        TRegistry r(HKEY_CURRENT_USER);
        ASSERT_TRUE(r.OpenKey("\\Software\\Test", true));
        r.WriteInteger("x", 5);
        EXPECT_TRUE(QFileInfo::exists(registryFolder + "/HKEY_CURRENT_USER/Software/Test"));

        // A message box is answered, not shown.
        EXPECT_EQ(MessageDlg("x", mtWarning, mbYes | mbNo), mrNo);
        EXPECT_EQ(env.Dialogs.Messages.size(), 1);
    }
    EXPECT_EQ(TEnvironmentScope::Scripted(&TEnvironment::Today), nullptr);
    EXPECT_FALSE(TRegistry::StorageRoot(HKEY_CURRENT_USER).startsWith(registryFolder));
    EXPECT_FALSE(QFileInfo::exists(registryFolder)) << "the private folder is removed";
}

TEST(Environment, RealProgramFolderIsTheFolderOfThisProgram) {
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + '/');
    EXPECT_TRUE(QFileInfo::exists(ProgramFolder() + "platform_environment"));
}
