#pragma once

#include <memory>

#include "app/frmBrixel.h"
#include "highscores/HighScoreService.h"

class frmOptions;

// The whole program once it is allowed to run: the main window, the
// high-score window and its file, the options dialog (made at its first
// opening), the saved options and the speaker, wired together.
class Program {
public:
    Program();
    ~Program();

    // Start-up: read the saved options, open the speaker, show the main
    // window and read the score table.
    void Start();

    frmBrixel& MainWindow() { return m_window; }

private:
    void OpenOptions();
    void CloseOtherWindows();

    frmBrixel m_window;
    HighScoreService m_highScores;
    std::unique_ptr<frmOptions> m_options;
};
