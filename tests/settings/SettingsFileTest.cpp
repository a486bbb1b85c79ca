#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brixel {
namespace {

namespace fs = std::filesystem;

// Every test gets a folder of its own and leaves nothing behind.
class SettingsFileTest : public ::testing::Test {
protected:
    void WriteFile(const std::string& bytes) const { test::WriteBytes(m_ini, bytes); }
    std::string ReadFile() const { return test::ReadBytes(m_ini); }

    test::ScratchDir m_scratch;
    const fs::path m_dir = m_scratch.Path();
    fs::path m_ini = m_dir / SettingsFileName;
};

const Settings LevelSevenSoundOnly{7.0, false, true, false};

TEST_F(SettingsFileTest, NewFileInANewFolderHoldsExactlyTheFourKeys)
{
    m_ini = m_dir / "config" / SettingsFileName;
    EXPECT_EQ(LoadSettings(m_ini), Settings{});
    ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini));
    EXPECT_EQ(ReadFile(),
              "[Brixel32]\r\n"
              "Starting Level=7\r\n"
              "Fill Lines=False\r\n"
              "Play Sounds=True\r\n"
              "Hide Splash=False\r\n");
}

TEST_F(SettingsFileTest, EverythingElseInTheFileStaysByteForByte)
{
    WriteFile(
        "; written by hand\r\n"
        "[Desktop]\r\n"
        "  Wallpaper =  flowers.bmp\t\r\n"
        "\r\n"
        "[brixel32]\r\n"
        "hide splash = True\r\n"
        "   ; keep me\r\n"
        "Volume=11\r\n"
        "\r\n"
        "\r\n"
        "[Fonts]\r\n"
        "Sans=Arial\r\n");
    ASSERT_TRUE(SaveSettings(Settings{4.5, true, false, false}, m_ini));
    EXPECT_EQ(ReadFile(),
              "; written by hand\r\n"
              "[Desktop]\r\n"
              "  Wallpaper =  flowers.bmp\t\r\n"
              "\r\n"
              "[brixel32]\r\n"
              "Hide Splash=False\r\n"
              "   ; keep me\r\n"
              "Volume=11\r\n"
              "Starting Level=4.5\r\n"
              "Fill Lines=True\r\n"
              "Play Sounds=False\r\n"
              "\r\n"
              "\r\n"
              "[Fonts]\r\n"
              "Sans=Arial\r\n");
}

TEST_F(SettingsFileTest, KeysAreReplacedWhereTheyStandInAnLfFile)
{
    WriteFile(
        "[Brixel32]\n"
        "Play Sounds=False\n"
        "Starting Level=2\n"
        "Hide Splash=True\n"
        "Fill Lines=True\n"
        "[Next]\n"
        "a=b\n");
    ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini));
    EXPECT_EQ(ReadFile(),
              "[Brixel32]\n"
              "Play Sounds=True\n"
              "Starting Level=7\n"
              "Hide Splash=False\n"
              "Fill Lines=False\n"
              "[Next]\n"
              "a=b\n");
}

TEST_F(SettingsFileTest, ConfirmingTwiceGivesTheSameFile)
{
    WriteFile("; mine\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini));
    const std::string once = ReadFile();
    ASSERT_TRUE(SaveSettings(LevelSevenSoundOnly, m_ini));
    EXPECT_EQ(ReadFile(), once);
}

TEST_F(SettingsFileTest, SaveThenLoadGivesTheSameSettings)
{
    const std::vector<Settings> cases = {
        {},
        {0.0, false, false, false},
        {9.0, true, true, true},
        {4.5, std::nullopt, true, std::nullopt},
        {0.125, true, std::nullopt, false},
    };
    for (const Settings& s : cases) {
        ASSERT_TRUE(SaveSettings(s, m_ini));
        EXPECT_EQ(LoadSettings(m_ini), s) << ReadFile();
    }
}

TEST_F(SettingsFileTest, UnsetSettingsAreWrittenEmpty)
{
    ASSERT_TRUE(SaveSettings(Settings{}, m_ini));
    EXPECT_EQ(ReadFile(), "[Brixel32]\r\nStarting Level=\r\nFill Lines=\r\nPlay Sounds=\r\nHide Splash=\r\n");
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileFailsQuietly)
{
    fs::create_directories(m_ini);
    EXPECT_FALSE(SaveSettings(LevelSevenSoundOnly, m_ini));
    EXPECT_EQ(LoadSettings(m_ini), Settings{});
    EXPECT_TRUE(fs::is_directory(m_ini));
}

TEST(SettingsText, OnlyTheTextsWeWriteAreTakenBack)
{
    struct Case {
        const char* stored;
        std::optional<bool> flag;
        std::optional<double> level;
    };
    const std::vector<Case> cases = {
        {"True", true, std::nullopt},    {"true", true, std::nullopt},    {"-1", true, std::nullopt},
        {"False", false, std::nullopt},  {"FALSE", false, std::nullopt},  {"0", false, 0.0},
        {"1", std::nullopt, 1.0},        {"9", std::nullopt, 9.0},        {"4.5", std::nullopt, 4.5},
        {"yes", std::nullopt, std::nullopt}, {"", std::nullopt, std::nullopt}, {"4,5", std::nullopt, std::nullopt},
        {"10", std::nullopt, std::nullopt}, {"9.5", std::nullopt, std::nullopt}, {"1e0", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string v = c.stored;
        const Settings s = ReadSettingsText("[Brixel32]\nStarting Level=" + v + "\nFill Lines=" + v +
                                            "\nPlay Sounds=" + v + "\nHide Splash=" + v + "\n");
        EXPECT_EQ(s.FillLines, c.flag) << c.stored;
        EXPECT_EQ(s.PlaySounds, c.flag) << c.stored;
        EXPECT_EQ(s.HideSplash, c.flag) << c.stored;
        EXPECT_EQ(s.StartingLevel, c.level) << c.stored;
    }
}

}  // namespace
}  // namespace brixel
