#pragma once

// Chooses the Qt platform for the application made while it lives: made
// before the QApplication, told once the application exists, since Qt reads
// its platform from the environment only then. PlatformChoiceLinux.cpp,
// PlatformChoiceWindows.cpp or PlatformChoiceWeb.cpp, chosen by CMake.
class PlatformChoice {
public:
    PlatformChoice();
    PlatformChoice(const PlatformChoice&) = delete;
    PlatformChoice& operator=(const PlatformChoice&) = delete;

    // Undoes what the choice changed in the environment, so that a program the
    // game starts (a browser) makes its own choice.
    void ApplicationMade();

private:
    bool m_chose = false;  // the environment names platforms the program chose
};
