#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "highscores/NameEntry.h"

class QWidget;
class HighScoreWindow;

// The high scores as the main window uses them: the table and "scores.lst",
// the name entry at the end of a game and the high-score window.
class HighScoreService {
public:
    // Keeps "scores.lst" beside the executable, or in the user's data folder
    // when the game is installed in a folder it may not write to.
    HighScoreService();
    // Keeps the table in `scoresFile` instead.
    explicit HighScoreService(std::filesystem::path scoresFile);
    ~HighScoreService();

    HighScoreService(const HighScoreService&) = delete;
    HighScoreService& operator=(const HighScoreService&) = delete;

    // Makes the high-score window, the name box and the warning transient
    // children of `mainWindow`, so every desktop keeps them with it; at the
    // end of a game that ends while it is minimised they stand on their own
    // (WindowOwner::ForWindowOpenedByTheGame).
    void SetOwner(QWidget* mainWindow);

    // Reads the table at start-up, creating the default file when there is none.
    void LoadAtStartup();

    // The end of a game with `score` points: reloads the table and, when the
    // score makes a place, asks for the name, saves and shows the window where
    // it was last. Returns once the player has closed the window, or at once
    // when the score made no place.
    brixel::NameEntryOutcome CheckHighScore(std::int32_t score);

    // The "High-Score" button: shows the table in memory directly below the
    // main window given to SetOwner and returns when the player closes the
    // window. A game that runs underneath holds meanwhile, since its wait
    // cannot go on before this returns.
    void ShowFromButton();

    // The high-score window, made at its first use: start-up does not need its pictures.
    HighScoreWindow& Window();
    // Closes the high-score window where it was ever made.
    void CloseWindow();
    const brixel::HighScoreTable& Table() const { return m_entry.Table(); }
    const std::filesystem::path& ScoresFile() const { return m_entry.ScoresFile(); }

private:
    std::string AskName(std::string_view prompt, std::string_view title);
    void WarnIfNotSaved(const brixel::NameEntryOutcome& outcome);
    // The owner of the name box, the warning and the window at the end of a
    // game; none while the main window is minimised.
    QWidget* GameEndOwner() const;
    void ShowWindow(const brixel::HighScoreTable& table, QWidget* owner);

    std::unique_ptr<HighScoreWindow> m_window;
    brixel::NameEntry m_entry;
    QWidget* m_owner = nullptr;  // the main window; null before SetOwner
    bool m_saveFailureShown = false;  // the player already knows the file cannot be written
};
