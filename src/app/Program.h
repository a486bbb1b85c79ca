#pragma once

#include <memory>

#include "app/MainWindow.h"
#include "highscores/HighScoreService.h"
#include "settings/SettingsFilePath.h"

class OptionsDialog;

// The whole program once it is allowed to run: the main window, the
// high-score window and its file, the options dialog (made at its first
// opening), the saved options and the speaker, wired together.
class Program {
public:
    Program();
    ~Program();

    // Start-up: read the saved options, show the main window, read the score
    // table, and open the speaker once the window is up.
    void Start();

    MainWindow& Window() { return m_window; }

private:
    void OpenOptions();
    void CloseOtherWindows();

    MainWindow m_window;
    HighScoreService m_highScores;
    std::unique_ptr<OptionsDialog> m_options;
    SettingsLocation m_settingsFile;  // where the options were read from and are saved to
};
