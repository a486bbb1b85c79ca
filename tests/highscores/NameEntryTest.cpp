#include "highscores/NameEntry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "support/ScratchDir.h"
#include "highscores/ScoreFile.h"

namespace brixel {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const std::string TieTable = "a:5000\r\nb:3000\r\nc:3000\r\nd:1000\r\ne:0\r\n";

// Plays the player: answers the input box with a set name and records every
// question and every showing of the table.
class NameEntryTest : public ::testing::Test {
protected:
    test::ScratchDir dir;
    fs::path file = dir.Path() / "scores.lst";
    std::string answer = "Zoe";
    std::vector<std::string> prompts;
    std::vector<std::string> titles;
    std::vector<HighScoreTable> shown;
    std::vector<HighScoreTable> tableWhileAsking;

    NameEntry entry{file,
                    [this](std::string_view prompt, std::string_view title) {
                        prompts.emplace_back(prompt);
                        titles.emplace_back(title);
                        tableWhileAsking.push_back(entry.Table());
                        return answer;
                    },
                    [this](const HighScoreTable& table) { shown.push_back(table); }};
};

TEST_F(NameEntryTest, ATieTakesTheFirstEqualPlaceAfterRoomIsMadeAndTheNameAsked)
{
    WriteBytes(file, TieTable);
    const auto outcome = entry.CheckHighScore(3000);
    EXPECT_EQ(outcome, (NameEntryOutcome{2, true}));
    const std::string after = "a:5000\r\nZoe:3000\r\nb:3000\r\nc:3000\r\nd:1000\r\n";
    EXPECT_EQ(ReadBytes(file), after);
    EXPECT_EQ(entry.Table(), HighScoreTable::FromFileText(after));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], entry.Table());

    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], "Coole Leistung!\r\nHast es in die High Score geschafft!\r\nGib Deinen Namen ein:");
    EXPECT_EQ(titles[0], "Fallox");
    // While the box is open, the old entry 5 is already gone.
    EXPECT_EQ(tableWhileAsking[0].ToFileText(),
              "a:5000\r\nb:3000\r\nb:3000\r\nc:3000\r\nd:1000\r\n");
}

TEST_F(NameEntryTest, PlaceFiveReplacesOnlyTheLastEntry)
{
    WriteBytes(file, "a:5\r\nb:4\r\nc:3\r\nd:2\r\ne:1\r\n");
    EXPECT_EQ(entry.CheckHighScore(1).Place, 5);
    EXPECT_EQ(ReadBytes(file), "a:5\r\nb:4\r\nc:3\r\nd:2\r\nZoe:1\r\n");
}

TEST_F(NameEntryTest, NoPlaceMeansNoQuestionNoWriteNoWindow)
{
    WriteBytes(file, "a:5\r\nb:4\r\nc:3\r\nd:2\r\ne:1\r\nold tail");
    // Whole seconds, which every file system can store (Windows keeps 100 ns steps).
    const auto past = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now() - std::chrono::hours(24));
    fs::last_write_time(file, past);

    EXPECT_EQ(entry.CheckHighScore(0), (NameEntryOutcome{0, false}));
    EXPECT_TRUE(prompts.empty());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ReadBytes(file), "a:5\r\nb:4\r\nc:3\r\nd:2\r\ne:1\r\nold tail");
    EXPECT_EQ(fs::last_write_time(file), past);
}

TEST_F(NameEntryTest, ZeroPointsEnterTheDefaultTableAtTheTop)
{
    entry.LoadHighScores();
    EXPECT_EQ(entry.CheckHighScore(0).Place, 1);
    // One byte shorter than the 40-byte default: its last LF stays behind.
    EXPECT_EQ(ReadBytes(file), "Zoe:0\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n\n");
    EXPECT_EQ(LoadHighScores(file), entry.Table());
}

TEST_F(NameEntryTest, CancelStoresAnEmptyNameAndStillSavesAndShows)
{
    WriteBytes(file, TieTable);
    answer.clear();
    EXPECT_EQ(entry.CheckHighScore(6000), (NameEntryOutcome{1, true}));
    EXPECT_EQ(ReadBytes(file), ":6000\r\na:5000\r\nb:3000\r\nc:3000\r\nd:1000\r\n");
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(NameEntryTest, APastedLineBreakBecomesABlank)
{
    WriteBytes(file, TieTable);
    answer = "Zoe\r\nX";
    entry.CheckHighScore(6000);
    EXPECT_EQ(ReadBytes(file), "Zoe  X:6000\r\na:5000\r\nb:3000\r\nc:3000\r\nd:1000\r\n");
    EXPECT_EQ(entry.Table().HighNames(1), "Zoe  X");
}

TEST_F(NameEntryTest, ComparesAgainstTheFileAsItIsNow)
{
    WriteBytes(file, "a:5\r\nb:4\r\nc:3\r\nd:2\r\ne:1\r\n");
    entry.LoadHighScores();
    WriteBytes(file, "a:500\r\nb:400\r\nc:300\r\nd:200\r\ne:100\r\n");
    EXPECT_EQ(entry.CheckHighScore(50).Place, 0);
    EXPECT_EQ(entry.Table().HighScores(5), 100);
}

TEST_F(NameEntryTest, AFileDeletedSinceStartUpCountsAsTheDefaults)
{
    WriteBytes(file, "a:500\r\nb:400\r\nc:300\r\nd:200\r\ne:100\r\n");
    entry.LoadHighScores();
    fs::remove(file);
    EXPECT_EQ(entry.CheckHighScore(50).Place, 1);
    EXPECT_EQ(ReadBytes(file), "Zoe:50\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n");
}

TEST_F(NameEntryTest, ANonFiniteScoreCountsAsZero)
{
    WriteBytes(file, "a:5\r\nb:4\r\nc:3\r\nd:2\r\ne:0\r\n");
    EXPECT_EQ(entry.CheckHighScore(std::numeric_limits<double>::quiet_NaN()).Place, 5);
    EXPECT_EQ(ReadBytes(file), "a:5\r\nb:4\r\nc:3\r\nd:2\r\nZoe:0\r\n");
}

TEST(NameEntryUnsaved, AFailedSaveKeepsTheEntryForTheRestOfTheRun)
{
    test::ScratchDir dir;
    const fs::path file = dir.Path() / "not-there" / "scores.lst";
    std::vector<HighScoreTable> shown;
    std::string answer = "First";
    NameEntry entry(file, [&](std::string_view, std::string_view) { return answer; },
                    [&](const HighScoreTable& table) { shown.push_back(table); });
    entry.LoadHighScores();

    EXPECT_EQ(entry.CheckHighScore(100), (NameEntryOutcome{1, false}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].HighNames(1), "First");

    // The next game must not read the (still missing) file over the first entry;
    // once the folder exists the save goes through with both entries.
    fs::create_directory(file.parent_path());
    answer = "Second";
    EXPECT_EQ(entry.CheckHighScore(50), (NameEntryOutcome{2, true}));
    EXPECT_EQ(ReadBytes(file), "First:100\r\nSecond:50\r\nNone:0\r\nNone:0\r\nNone:0\r\n");
}

}  // namespace
}  // namespace brixel
