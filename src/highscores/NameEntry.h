#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "highscores/HighScoreTable.h"

namespace brixel {

// The input box that asks a new high scorer for the name.
inline constexpr std::string_view NameEntryTitle = "Fallox";
inline constexpr std::string_view NameEntryPrompt =
    "Coole Leistung!\r\nHast es in die High Score geschafft!\r\nGib Deinen Namen ein:";

// What the end of a game did to the table.
struct NameEntryOutcome {
    int Place = 0;       // place 1..5 the new entry took, 0 when the score made no place
    bool Saved = false;  // the scores file now holds the new entry

    bool operator==(const NameEntryOutcome&) const = default;
};

// Keeps the running program's high-score table and its file, and runs the
// name entry at the end of every game.
class NameEntry {
public:
    // Called when a score made a place; shows the input box with the prompt and
    // title and returns the text typed (in the system's 8-bit code page), or the empty text on Cancel.
    using AskName = std::function<std::string(std::string_view prompt, std::string_view title)>;

    // Called after a new entry has been stored and saved; shows the table
    // modally and returns when the player has closed the window.
    using ShowHighScores = std::function<void(const HighScoreTable& table)>;

    NameEntry(std::filesystem::path scoresFile, AskName askName, ShowHighScores showHighScores);

    // Replaces the table with the file's contents (at start-up), creating the
    // default file when there is none.
    void LoadHighScores();

    // The end of a game with `score` points. Reloads the table, so that a file
    // edited or deleted meanwhile counts; finds the place; makes room before
    // asking, so the old entry 5 drops out whatever the answer; stores the
    // name, saves and shows the table. A score that makes no place returns at
    // once: no question, no write, no window.
    NameEntryOutcome CheckHighScore(double score);

    // The table as the high-score window shows it.
    const HighScoreTable& Table() const { return m_table; }
    const std::filesystem::path& ScoresFile() const { return m_file; }

private:
    std::filesystem::path m_file;
    AskName m_askName;
    ShowHighScores m_showHighScores;
    HighScoreTable m_table;
    bool m_unsaved = false;  // the table holds an entry the file could not take
};

}  // namespace brixel
