#include "platform/ini/PrivateProfile.h"
#include "platform/registry/RegistryStore.h"
#include "ConfigHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

using test::ConfigHome;

constexpr const char* kMouseKey = "Control Panel\\Mouse";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home_.valid()); }

    ConfigHome home_;
};

// Runs `body` in a child process and returns its exit status.
template <typename Body>
int inChildProcess(Body body)
{
    const pid_t pid = fork();
    if (pid == 0) _exit(body() ? 0 : 1);
    int status = -1;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(RegistryStoreTest, StoreIsAPrivateFileUnderXdgConfigHome)
{
    EXPECT_EQ(registryFile(), home_.storeFile());
    struct stat folder {};
    ASSERT_EQ(stat((home_.path() + "/zuronoxa").c_str(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_mode & 0777, 0700u);

    auto key = RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("DoubleClickSpeed", "500"));
    EXPECT_EQ(ini::readString(home_.storeFile(), kMouseKey, "DoubleClickSpeed"), "500");
}

TEST_F(RegistryStoreTest, FallsBackToConfigInHomeWithoutAnAbsoluteXdgConfigHome)
{
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home_.folder().path().c_str(), 1);

    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(registryFile(), home_.folder().path() + "/.config/zuronoxa/registry.ini");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(registryFile(), home_.folder().path() + "/.config/zuronoxa/registry.ini");

    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(RegistryStoreTest, NoStoreWhenTheFolderCannotBeMade)
{
    // A file where the folder should be.
    std::filesystem::create_directories(home_.path());
    { std::ofstream(home_.path() + "/zuronoxa") << "not a folder"; }
    EXPECT_EQ(registryFile(), "");
    EXPECT_FALSE(RegistryKey::openOrCreate(kMouseKey));
}

TEST_F(RegistryStoreTest, OpenFailsUntilTheKeyIsCreated)
{
    EXPECT_FALSE(RegistryKey::open(kMouseKey));

    const auto created = RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->path(), kMouseKey);
    EXPECT_EQ(ini::sectionNames(home_.storeFile()), std::vector<std::string>{kMouseKey});

    const auto opened = RegistryKey::open(kMouseKey);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->readString("DoubleClickSpeed"));
    EXPECT_FALSE(RegistryKey::open(kDesktopKey));
}

TEST_F(RegistryStoreTest, CreatingASubkeyMakesItsParents)
{
    ASSERT_TRUE(RegistryKey::openOrCreate("Software\\Vantro\\ZuroNoxa"));
    EXPECT_TRUE(RegistryKey::open("Software\\Vantro"));
    EXPECT_TRUE(RegistryKey::open("software"));
    EXPECT_FALSE(RegistryKey::open("Soft"));
    EXPECT_FALSE(RegistryKey::open("Software\\Van"));
    EXPECT_FALSE(RegistryKey::open("Software\\Vantro\\ZuroNoxa\\Deeper"));
}

TEST_F(RegistryStoreTest, KeyPathsIgnoreCaseAndStraySeparators)
{
    auto written = RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(written);
    ASSERT_TRUE(written->writeString("MouseTrails", "0"));

    for (const char* spelling : {"CONTROL PANEL\\MOUSE", "control panel\\mouse", "\\Control Panel\\\\Mouse\\"}) {
        auto key = RegistryKey::open(spelling);
        ASSERT_TRUE(key) << spelling;
        EXPECT_EQ(key->readString("mousetrails"), "0") << spelling;
    }
    auto other = RegistryKey::openOrCreate("control panel\\MOUSE");
    ASSERT_TRUE(other);
    ASSERT_TRUE(other->writeString("MOUSETRAILS", "7"));
    EXPECT_EQ(written->readString("MouseTrails"), "7");
    EXPECT_EQ(ini::sectionNames(home_.storeFile()).size(), 1u);
}

TEST_F(RegistryStoreTest, PathsThatCannotNameAKeyAreRefused)
{
    for (const std::string& path : {std::string(), std::string("\\"), std::string("\\\\\\"),
                                   std::string("Control Panel\nMouse"), std::string(256, 'k')}) {
        EXPECT_FALSE(RegistryKey::openOrCreate(path)) << path;
        EXPECT_FALSE(RegistryKey::open(path)) << path;
    }
    EXPECT_TRUE(RegistryKey::openOrCreate(std::string(255, 'k')));
}

TEST_F(RegistryStoreTest, ValuesRoundTripAcrossOpens)
{
    const std::vector<std::pair<std::string, std::string>> values{
        {"MouseSpeed", "1"}, {"MouseThreshold1", "6"}, {"WheelScrollLines", "-1"},
        {"Empty", ""}, {"Padded", "  x  "}, {"Quoted", "\"q\""}, {"OpenQuote", "\"q"},
        {"LoneQuote", "\""}, {"Tricky", "a=b;c [d] #e"}, {"Blank", " "}};
    {
        auto key = RegistryKey::openOrCreate(kDesktopKey);
        ASSERT_TRUE(key);
        for (const auto& [name, value] : values) ASSERT_TRUE(key->writeString(name, value)) << name;
    }
    auto key = RegistryKey::open(kDesktopKey);
    ASSERT_TRUE(key);
    for (const auto& [name, value] : values) EXPECT_EQ(key->readString(name), value) << name;
    EXPECT_FALSE(key->readString("Missing"));
}

TEST_F(RegistryStoreTest, ValuesRoundTripAcrossProcesses)
{
    const int written = inChildProcess([] {
        auto key = RegistryKey::openOrCreate(kMouseKey);
        return key && key->writeString("DoubleClickSpeed", "430");
    });
    ASSERT_EQ(written, 0);
    auto key = RegistryKey::open(kMouseKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("DoubleClickSpeed"), "430");

    ASSERT_TRUE(key->writeString("MouseSensitivity", "12"));
    EXPECT_EQ(inChildProcess([] {
                  auto child = RegistryKey::open(kMouseKey);
                  return child && child->readString("MouseSensitivity") == "12";
              }),
              0);
}

TEST_F(RegistryStoreTest, ConcurrentWritersInTwoProcessesLoseNothing)
{
    constexpr int kEach = 40;
    ASSERT_TRUE(RegistryKey::openOrCreate(kMouseKey));
    const auto writeAll = [](char prefix) {
        auto key = RegistryKey::open(kMouseKey);
        if (!key) return false;
        for (int i = 0; i < kEach; ++i)
            if (!key->writeString(prefix + std::to_string(i), std::to_string(i))) return false;
        return true;
    };
    const pid_t child = fork();
    if (child == 0) _exit(writeAll('A') ? 0 : 1);
    ASSERT_GT(child, 0);
    EXPECT_TRUE(writeAll('B'));
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    auto key = RegistryKey::open(kMouseKey);
    ASSERT_TRUE(key);
    for (int i = 0; i < kEach; ++i) {
        EXPECT_EQ(key->readString("A" + std::to_string(i)), std::to_string(i));
        EXPECT_EQ(key->readString("B" + std::to_string(i)), std::to_string(i));
    }
}

TEST_F(RegistryStoreTest, LongValuesAreCutToTheBuffer)
{
    auto key = RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(key);
    const std::string longValue(3000, '7');
    ASSERT_TRUE(key->writeString("Long", longValue));
    EXPECT_EQ(key->readString("Long"), std::string(2047, '7'));
    EXPECT_EQ(key->readString("Long", 80), std::string(79, '7'));
    EXPECT_EQ(key->readString("Long", 3001), longValue);
    EXPECT_EQ(key->readString("Long", 1), "");
    ASSERT_TRUE(key->writeString("Short", "123"));
    EXPECT_EQ(key->readString("Short", 4), "123");
    EXPECT_EQ(key->readString("Short", 3), "12");
}

TEST_F(RegistryStoreTest, WritesThatCouldNotReadBackAreRefused)
{
    auto key = RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("MouseTrails", "1"));
    EXPECT_FALSE(key->writeString("MouseTrails", "2\r\nInjected=1"));
    EXPECT_FALSE(key->writeString("MouseTrails", std::string("2\0", 2)));
    EXPECT_FALSE(key->writeString("", "1"));
    EXPECT_FALSE(key->writeString("a=b", "1"));
    EXPECT_FALSE(key->writeString("Two\nLines", "1"));
    EXPECT_EQ(key->readString("MouseTrails"), "1");
    EXPECT_FALSE(key->readString("Injected"));
}

}  // namespace
}  // namespace platform
