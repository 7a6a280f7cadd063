#include "Registry.h"

#include "Environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        env.RegistryFolder = [this] { return dir.path(); };
    }

    // Writes the readings font key the way an installer would.
    void WriteFont() {
        TRegistry r(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", true));
        r.WriteString("Name", "Arial");
        r.WriteInteger("bold", 0);
        r.WriteInteger("italic", 1);
        r.WriteInteger("size", 14);
    }

    QTemporaryDir dir;
    TEnvironment env;
    TEnvironmentScope scope{env};
};

std::string ErrorOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST_F(RegistryTest, TypedValuesReadBackUnderBothRoots) {
    WriteFont();
    TRegistry r(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", false));
    EXPECT_EQ(r.ReadString("Name"), "Arial");
    EXPECT_EQ(r.ReadInteger("bold"), 0);
    EXPECT_EQ(r.ReadInteger("italic"), 1);
    EXPECT_EQ(r.ReadInteger("size"), 14);
    EXPECT_EQ(r.GetDataType("size"), rdInteger);
    EXPECT_EQ(r.GetDataType("Name"), rdString);

    // The same key under the other root is a different key.
    TRegistry u(HKEY_CURRENT_USER);
    EXPECT_FALSE(u.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", false));
}

TEST_F(RegistryTest, BinaryDoublesAndNegativeIntegersSurvive) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("RichPrint.Settings\\Marges", true));
    r.WriteFloat("MarginLeft", 25.4);
    r.WriteInteger("n", -7);
    const QByteArray raw("\x00\x01\t\n\\\xff", 6);
    r.WriteBinaryData("raw", raw);
    r.WriteString("text", "line\nwith\ttab \\ and \u00e9");
    TRegistry again;
    ASSERT_TRUE(again.OpenKey("\\RichPrint.Settings\\Marges", false));
    EXPECT_DOUBLE_EQ(again.ReadFloat("MarginLeft"), 25.4);
    EXPECT_EQ(again.ReadBinaryData("MarginLeft").size(), 8);
    EXPECT_EQ(again.ReadInteger("n"), -7);
    EXPECT_EQ(again.ReadBinaryData("raw"), raw);
    EXPECT_EQ(again.ReadString("text"), QString::fromUtf8("line\nwith\ttab \\ and \u00e9"));
    double d = 0;
    EXPECT_EQ(again.ReadBinaryData("MarginLeft", &d, sizeof d), 8);
    EXPECT_DOUBLE_EQ(d, 25.4);
}

TEST_F(RegistryTest, MissingValueGivesFailedToGetData) {
    WriteFont();
    TRegistry r(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", false));
    EXPECT_EQ(ErrorOf([&] { r.ReadInteger("weight"); }), "Failed to get data for 'weight'");
    EXPECT_EQ(ErrorOf([&] { r.ReadFloat("MarginTop"); }), "Failed to get data for 'MarginTop'");
    EXPECT_EQ(ErrorOf([&] { r.ReadBinaryData("blob"); }), "Failed to get data for 'blob'");
    // A missing string reads as empty, so an absent font name keeps the old one.
    EXPECT_EQ(r.ReadString("Missing"), "");
}

TEST_F(RegistryTest, WrongTypeGivesInvalidDataType) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", true));
    r.WriteString("size", "14");
    r.WriteInteger("Name", 3);
    r.WriteBinaryData("short", QByteArray(4, 'x'));
    EXPECT_EQ(ErrorOf([&] { r.ReadInteger("size"); }), "Invalid data type for 'size'");
    EXPECT_EQ(ErrorOf([&] { r.ReadString("Name"); }), "Invalid data type for 'Name'");
    EXPECT_EQ(ErrorOf([&] { r.ReadFloat("short"); }), "Invalid data type for 'short'");
    EXPECT_EQ(ErrorOf([&] { r.ReadFloat("size"); }), "Invalid data type for 'size'");
    double d = 0;
    r.WriteBinaryData("long", QByteArray(12, 'x'));
    EXPECT_EQ(ErrorOf([&] { r.ReadBinaryData("long", &d, sizeof d); }),
              "Failed to get data for 'long'");
    // A value of another type is reported as such, whatever its size.
    r.WriteString("text", "longer than eight bytes");
    EXPECT_EQ(ErrorOf([&] { r.ReadBinaryData("text", &d, sizeof d); }),
              "Invalid data type for 'text'");
}

TEST_F(RegistryTest, MissingKeyIsNotOpenedAndNotCreated) {
    TRegistry r(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", false));
    EXPECT_FALSE(r.HasCurrentKey());
    EXPECT_FALSE(r.KeyExists("\\Software"));
    EXPECT_FALSE(r.OpenKeyReadOnly("\\Software"));
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreCaseAndRelativeKeysNest) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("\\Control Panel\\Desktop", true));
    r.WriteString("Wallpaper", "/tmp/a.bmp");
    r.WriteString("wallpaper", "/tmp/b.bmp"); // same value, replaced
    EXPECT_EQ(r.GetValueNames().size(), 1);
    TRegistry s;
    ASSERT_TRUE(s.OpenKey("\\control panel", false));
    ASSERT_TRUE(s.OpenKey("DESKTOP", false));
    EXPECT_EQ(s.CurrentPath(), "control panel\\DESKTOP");
    EXPECT_EQ(s.ReadString("WALLPAPER"), "/tmp/b.bmp");
    EXPECT_TRUE(s.DeleteValue("Wallpaper"));
    EXPECT_FALSE(s.ValueExists("Wallpaper"));
}

TEST_F(RegistryTest, ReadOnlyKeyRefusesWrites) {
    WriteFont();
    TRegistry r(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(r.OpenKeyReadOnly("\\Software\\Tavrin\\EVelmorande\\Font"));
    EXPECT_EQ(ErrorOf([&] { r.WriteInteger("size", 9); }), "Failed to set data for 'size'");
    EXPECT_EQ(r.ReadInteger("size"), 14);
}

TEST_F(RegistryTest, MachineRootInAFolderWithoutWriteAccessCannotBeCreated) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    WriteFont();
    QFile::setPermissions(dir.filePath("HKEY_LOCAL_MACHINE/Software"),
                          QFile::ReadOwner | QFile::ExeOwner);
    TRegistry r(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(r.OpenKey("\\Software\\Other", true));
    EXPECT_TRUE(r.OpenKey("\\Software\\Tavrin\\EVelmorande\\Font", false));
    QFile::setPermissions(dir.filePath("HKEY_LOCAL_MACHINE/Software"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(RegistryTest, DefaultRootsFollowTheXdgFolders) {
    env.RegistryFolder = nullptr;
    qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (dir.filePath("sys1") + ":" + dir.filePath("sys2")).toUtf8());
    EXPECT_EQ(TRegistry::StorageRoot(HKEY_CURRENT_USER),
              dir.filePath("home") + "/EVelmorande/registry/HKEY_CURRENT_USER");
    EXPECT_EQ(TRegistry::StorageRoot(HKEY_LOCAL_MACHINE),
              dir.filePath("sys1") + "/EVelmorande/registry/HKEY_LOCAL_MACHINE");
    QDir().mkpath(dir.filePath("sys2/EVelmorande/registry"));
    EXPECT_EQ(TRegistry::StorageRoot(HKEY_LOCAL_MACHINE),
              dir.filePath("sys2") + "/EVelmorande/registry/HKEY_LOCAL_MACHINE");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_DIRS");
}

TEST_F(RegistryTest, DamagedValueFileLinesAreSkipped) {
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("\\K", true));
    r.WriteInteger("good", 5);
    QFile f(dir.filePath("HKEY_CURRENT_USER/K/.values"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("broken line\nbad\tdword\tx\nhuge\tdword\t99999999999\nunsigned\tdword\t4294967295\n");
    f.close();
    EXPECT_EQ(r.ReadInteger("good"), 5);
    EXPECT_EQ(ErrorOf([&] { r.ReadInteger("bad"); }), "Failed to get data for 'bad'");
    EXPECT_EQ(ErrorOf([&] { r.ReadInteger("huge"); }), "Failed to get data for 'huge'");
    EXPECT_EQ(r.ReadInteger("unsigned"), -1);
}
