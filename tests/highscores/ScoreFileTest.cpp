#include "highscores/ScoreFile.h"

#include <gtest/gtest.h>

#include <filesystem>
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

TEST_F(ScoreFileTest, ChoosesTheFileBesideTheExecutableWhenItExists)
{
    const fs::path exeDir = dir.Path() / "bin";
    const fs::path dataDir = dir.Path() / "data";
    fs::create_directory(exeDir);
    WriteBytes(exeDir / "scores.lst", DefaultText);
    EXPECT_EQ(ChooseScoresFile(exeDir, dataDir), exeDir / "scores.lst");
    EXPECT_FALSE(fs::exists(dataDir));
}

TEST_F(ScoreFileTest, ChoosesAWritableExecutableFolderAndLeavesNoTrace)
{
    const fs::path exeDir = dir.Path() / "bin";
    fs::create_directory(exeDir);
    EXPECT_EQ(ChooseScoresFile(exeDir, dir.Path() / "data"), exeDir / "scores.lst");
    EXPECT_TRUE(fs::is_empty(exeDir));
    EXPECT_FALSE(fs::exists(dir.Path() / "data"));
}

TEST_F(ScoreFileTest, ChoosesAndCreatesTheDataFolderWhenTheExecutableFolderIsClosed)
{
    // A folder that does not exist takes no files, like a read-only install folder.
    const fs::path exeDir = dir.Path() / "not-there";
    const fs::path dataDir = dir.Path() / "user" / "Fallox";
    EXPECT_EQ(ChooseScoresFile(exeDir, dataDir), dataDir / "scores.lst");
    EXPECT_TRUE(fs::is_directory(dataDir));
    EXPECT_FALSE(fs::exists(exeDir));
}

TEST_F(ScoreFileTest, WithoutADataFolderStaysBesideTheExecutable)
{
    const fs::path exeDir = dir.Path() / "not-there";
    EXPECT_EQ(ChooseScoresFile(exeDir, fs::path{}), exeDir / "scores.lst");
}

}  // namespace
}  // namespace brixel
