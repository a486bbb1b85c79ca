// Saving the options into a file the player has set up by hand: a link into a
// folder of dotfiles, a file only its owner may read, a folder that takes no
// new files. The save must leave all of that as it found it.
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brixel {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const Settings LevelSevenSoundOnly{7.0, false, true, false};
const std::string Foreign = "; mine\r\n[Other]\r\nx=1\r\n";
const std::string ForeignThenOurs = Foreign +
                                    "\r\n[Brixel32]\r\n"
                                    "Starting Level=7\r\n"
                                    "Fill Lines=False\r\n"
                                    "Play Sounds=True\r\n"
                                    "Hide Splash=False\r\n";

class SettingsFileRightsTest : public ::testing::Test {
protected:

    // Names in `folder`, so a test sees any sibling file a save left behind.
    static std::set<std::string> Names(const fs::path& folder)
    {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    test::ScratchDir m_scratch;
    const fs::path m_dir = m_scratch.Path();
    const fs::path m_ini = m_dir / SettingsFileName;
};

TEST_F(SettingsFileRightsTest, ALinkedFileIsWrittenThroughTheLinkAndStaysALink)
{
    struct Case {
        const char* what;
        bool targetExists;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"link to a file", true, ForeignThenOurs},
        {"link to a file not made yet", false, ForeignThenOurs.substr(Foreign.size() + 2)},
    };
    const fs::path link = fs::path("dotfiles") / "fallox.ini";
    for (const Case& c : cases) {
        fs::remove_all(m_dir / "dotfiles");
        fs::remove(m_ini);
        fs::create_directories(m_dir / "dotfiles");
        if (c.targetExists) {
            WriteBytes(m_dir / link, Foreign);
        }
        fs::create_symlink(link, m_ini);

        ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini)) << c.what;
        ASSERT_TRUE(fs::is_symlink(m_ini)) << c.what << ": the link was replaced by a file";
        EXPECT_EQ(fs::read_symlink(m_ini), link) << c.what;
        EXPECT_EQ(ReadBytes(m_dir / link), c.expected) << c.what;
        EXPECT_EQ(LoadSettings(m_ini), LevelSevenSoundOnly) << c.what;
        EXPECT_EQ(Names(m_dir / "dotfiles"), std::set<std::string>{"fallox.ini"}) << c.what;
        EXPECT_EQ(Names(m_dir), (std::set<std::string>{"dotfiles", std::string(SettingsFileName)})) << c.what;
    }
}

TEST_F(SettingsFileRightsTest, TheOldFilesPermissionsAreKept)
{
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
        WriteBytes(m_ini, Foreign);
        fs::permissions(m_ini, mode);
        ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini));
        EXPECT_EQ(static_cast<unsigned>(fs::status(m_ini).permissions()), static_cast<unsigned>(mode))
            << "modes in octal: " << std::oct << static_cast<unsigned>(mode);
        EXPECT_EQ(ReadBytes(m_ini), ForeignThenOurs);
        fs::remove(m_ini);
    }
}

// Saves as someone who may write the file but not create files beside it.
// Root may create files anywhere, so as root the save runs in a child process
// that has become "nobody" and owns the file.
bool SaveWithoutRightsToTheFolder(const fs::path& file)
{
    fs::permissions(file.parent_path(), fs::perms(0555));
    if (::geteuid() != 0) {
        return SaveSettings(LevelSevenSoundOnly, file);
    }
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
    const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
    if (::chown(file.c_str(), uid, gid) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(gid) == 0 && ::setuid(uid) == 0;
        ::_exit(dropped && SaveSettings(LevelSevenSoundOnly, file) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SettingsFileRightsTest, AFolderThatTakesNoNewFilesGetsTheFileWrittenInPlace)
{
    WriteBytes(m_ini, Foreign + "[Brixel32]\r\nStarting Level=3.000\r\nFill Lines=True\r\nPlay Sounds=False\r\n"
                           "Hide Splash=True\r\n; a long tail the shorter text must not leave behind\r\n");
    fs::permissions(m_ini, fs::perms(0644));
    EXPECT_TRUE(SaveWithoutRightsToTheFolder(m_ini));
    EXPECT_EQ(ReadBytes(m_ini), Foreign +
                               "[Brixel32]\r\nStarting Level=7\r\nFill Lines=False\r\nPlay Sounds=True\r\n"
                               "Hide Splash=False\r\n; a long tail the shorter text must not leave behind\r\n");
    EXPECT_EQ(Names(m_dir), std::set<std::string>{std::string(SettingsFileName)});
}

}  // namespace
}  // namespace brixel
