#include "highscores/ScoreFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/ScratchDir.h"

namespace brixel {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const std::string DefaultText = "None:0\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n";

class ScoreFileTest : public ::testing::Test {
protected:
    test::ScratchDir dir;
    fs::path file = dir.Path() / "scores.lst";
};

TEST_F(ScoreFileTest, LoadCreatesTheDefaultFileWhenMissing)
{
    const HighScoreTable table = LoadHighScores(file);
    EXPECT_EQ(table, HighScoreTable{});
    EXPECT_EQ(ReadBytes(file), DefaultText);
    EXPECT_EQ(fs::file_size(file), 40u);
}

TEST_F(ScoreFileTest, FallsBackToDefaultsWhenTheFileCannotBeCreated)
{
    const fs::path nowhere = dir.Path() / "missing-folder" / "scores.lst";
    EXPECT_EQ(LoadHighScores(nowhere), HighScoreTable{});
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_FALSE(SaveHighScores(nowhere, HighScoreTable{}));
}

TEST_F(ScoreFileTest, AFolderInPlaceOfTheFileGivesDefaults)
{
    fs::create_directory(file);
    EXPECT_EQ(LoadHighScores(file), HighScoreTable{});
    EXPECT_FALSE(SaveHighScores(file, HighScoreTable{}));
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(ScoreFileTest, SaveWritesExactBytesAndLoadReadsThemBack)
{
    HighScoreTable table;
    table.SetEntry(1, "Ann", 1500);
    table.SetEntry(2, "", 700);
    table.SetEntry(3, "A:B", 700);
    ASSERT_TRUE(SaveHighScores(file, table));
    EXPECT_EQ(ReadBytes(file), "Ann:1500\r\n:700\r\nA:B:700\r\nNone:0\r\nNone:0\r\n");
    EXPECT_EQ(LoadHighScores(file), table);
}

TEST_F(ScoreFileTest, AShorterSaveLeavesTheOldTailWhichLoadIgnores)
{
    const std::string old = "Somebody:123456\r\nSomebody:123456\r\nSomebody:123456\r\n"
                            "Somebody:123456\r\nSomebody:123456\r\nextra:99\r\n";
    WriteBytes(file, old);
    const HighScoreTable table;  // 40 bytes of text
    ASSERT_TRUE(SaveHighScores(file, table));
    EXPECT_EQ(ReadBytes(file), DefaultText + old.substr(DefaultText.size()));
    EXPECT_EQ(LoadHighScores(file), table);
}

TEST_F(ScoreFileTest, LoadLeavesADamagedFileAsItIs)
{
    const std::vector<std::string> damaged{
        "",
        "a:1\r\n",
        "\r\n\r\n\r\n",
        "no colon here\r\nnor here\r\n",
        std::string("\x00\x01\x02\xff\xfe", 5),
        std::string(3000, '\0'),
    };
    for (const auto& bytes : damaged) {
        WriteBytes(file, bytes);
        (void)LoadHighScores(file);
        EXPECT_EQ(ReadBytes(file), bytes) << bytes.size() << " bytes";
    }
}

TEST_F(ScoreFileTest, AHugeFileReadsOnlyItsBeginning)
{
    // First line fine, then one line far longer than anything loading looks at,
    // whose colon lies beyond that window.
    std::string bytes = "Big:1\r\n" + std::string(8 * 1024 * 1024, 'x') + ":5\r\nc:3\r\n";
    WriteBytes(file, bytes);
    HighScoreTable expected;
    expected.SetEntry(1, "Big", 1);
    EXPECT_EQ(LoadHighScores(file), expected);
    EXPECT_EQ(fs::file_size(file), bytes.size());
}

// Where the table goes, by what lies beside the executable. A read-only table
// there is one an elevated run or another user left: this player's own table
// starts as a copy of it, and a copy made before is not overwritten.
TEST_F(ScoreFileTest, ChoosesTheFileBesideTheExecutableOnlyWhereItCanBeWritten)
{
    enum class Beside { Writable, ReadOnly, Missing, FolderMissing };
    struct Case {
        const char* what;
        Beside beside;
        bool ownTableBefore;
        bool chosenBeside;
        std::string ownTableAfter;  // empty: no table in the data folder
    };
    const std::string earned = "Erika:4014\r\n" + DefaultText.substr(8);
    const std::string own = "Own:77\r\n" + DefaultText.substr(8);
    const Case cases[] = {
        {"writable table", Beside::Writable, false, true, ""},
        {"no table, writable folder", Beside::Missing, false, true, ""},
        {"no folder", Beside::FolderMissing, false, false, ""},
        // Last, as root skips them: a read-only file does not bind root.
        {"read-only table", Beside::ReadOnly, false, false, earned},
        {"read-only table, own copy made before", Beside::ReadOnly, true, false, own},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScratchDir scratch;
        const fs::path exeDir = scratch.Path() / "bin";
        const fs::path dataDir = scratch.Path() / "user" / "Fallox";
        if (c.beside != Beside::FolderMissing) {
            fs::create_directory(exeDir);
        }
        if (c.beside == Beside::Writable || c.beside == Beside::ReadOnly) {
            WriteBytes(exeDir / "scores.lst", earned);
        }
        if (c.beside == Beside::ReadOnly) {
            fs::permissions(exeDir / "scores.lst", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
            if (std::fstream(exeDir / "scores.lst", std::ios::in | std::ios::out).is_open()) {
                GTEST_SKIP() << "a read-only file is writable for this user (root)";
            }
        }
        if (c.ownTableBefore) {
            fs::create_directories(dataDir);
            WriteBytes(dataDir / "scores.lst", own);
        }
        const fs::path chosen = ChooseScoresFile(exeDir, dataDir);
        EXPECT_EQ(chosen, (c.chosenBeside ? exeDir : dataDir) / "scores.lst");
        if (c.chosenBeside) {
            EXPECT_FALSE(fs::exists(dataDir));
        } else {
            EXPECT_TRUE(fs::is_directory(dataDir));
            EXPECT_EQ(fs::exists(chosen) ? ReadBytes(chosen) : "", c.ownTableAfter);
        }
        if (c.beside != Beside::FolderMissing) {
            // No probe file or other trace is left beside the executable.
            EXPECT_EQ(std::distance(fs::directory_iterator(exeDir), fs::directory_iterator{}),
                      c.beside == Beside::Missing ? 0 : 1);
        }
    }
}

TEST_F(ScoreFileTest, WithoutADataFolderStaysBesideTheExecutable)
{
    const fs::path exeDir = dir.Path() / "not-there";
    EXPECT_EQ(ChooseScoresFile(exeDir, fs::path{}), exeDir / "scores.lst");
}

}  // namespace
}  // namespace brixel
