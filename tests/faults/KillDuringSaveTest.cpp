// Kills a process that keeps saving the scores or the settings at random
// moments, many times over, and checks that what is left on disk is always
// either the old or the new content, never a torn file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

#include "highscores/ScoreFile.h"
#include "support/ScratchDir.h"
#include "settings/SettingsStore.h"

namespace brixel {
namespace {

namespace fs = std::filesystem;

constexpr int Kills = 150;

using test::ReadBytes;

// Runs `save(i)` for i = 0, 1, 2... in a child process until it is killed
// after a random number of microseconds.
template <typename Save>
void KillWhileSaving(std::mt19937& rng, Save save)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (unsigned i = 0;; ++i) {
            save(i);
        }
    }
    std::uniform_int_distribution<int> micros(50, 20000);
    ::usleep(static_cast<useconds_t>(micros(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

HighScoreTable Table(const std::string& name, double top)
{
    HighScoreTable table;
    for (int place = 1; place <= HighScoreCount; ++place) {
        table.SetEntry(place, name, top / place);
    }
    return table;
}

TEST(KillDuringSave, ScoresAreAlwaysTheOldOrTheNewTable)
{
    const test::ScratchDir dir;
    const fs::path file = dir.Path() / "scores.lst";
    // Different lengths, so a save over the longer one leaves an old tail.
    const HighScoreTable a = Table("Annegret Langname", 123456789);
    const HighScoreTable b = Table("Bo", 7);
    ASSERT_TRUE(SaveHighScores(file, a));
    std::mt19937 rng(7);
    for (int i = 0; i < Kills; ++i) {
        KillWhileSaving(rng, [&](unsigned n) { SaveHighScores(file, n % 2 ? a : b); });
        const HighScoreTable read = LoadHighScores(file);
        ASSERT_TRUE(read == a || read == b) << "torn scores file after kill " << i << ":\n" << ReadBytes(file);
    }
}

TEST(KillDuringSave, SettingsAreAlwaysTheOldOrTheNewFile)
{
    const test::ScratchDir dir;
    const fs::path file = dir.Path() / "Brixel32.ini";
    test::WriteBytes(file, "; kept by every save\r\n[Other]\r\nKey=Value\r\n");
    Settings a{3.0, true, false, true};
    Settings b{7.5, false, true, false};
    ASSERT_TRUE(SaveSettings(a, file));
    const std::string textA = ReadBytes(file);
    ASSERT_TRUE(SaveSettings(b, file));
    const std::string textB = ReadBytes(file);
    std::mt19937 rng(11);
    for (int i = 0; i < Kills; ++i) {
        KillWhileSaving(rng, [&](unsigned n) { SaveSettings(n % 2 ? a : b, file); });
        const std::string text = ReadBytes(file);
        ASSERT_TRUE(text == textA || text == textB) << "torn settings file after kill " << i << ":\n" << text;
        const Settings read = LoadSettings(file);
        ASSERT_TRUE(read == a || read == b);
    }
}

}  // namespace
}  // namespace brixel
