#include "app/Program.h"

#include <QTimer>

#include "highscores/HighScoreWindow.h"
#include "media/SoundResources.h"
#include "media/WindowOwner.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsFilePath.h"
#include "settings/OptionsDialog.h"

namespace {
constexpr int OpenSpeakerDelayMs = 300;
}

Program::Program()
{
    QtGameHost& host = m_window.Host();
    host.onPlaySound = [](int number) { brixel::PlaySoundRes(number); };
    host.onCheckHighScore = [this](std::int32_t score) { m_highScores.CheckHighScore(score); };
    m_window.onHighScores = [this] { m_highScores.ShowFromButton(); };
    m_window.onOptions = [this] { OpenOptions(); };
    m_window.onCloseOtherWindows = [this] { CloseOtherWindows(); };
}

// The program hands the sound device back as it ends, rather than leaving it
// to the clean-up after main() returns, whose order nobody controls.
Program::~Program()
{
    brixel::SoundResources::CloseDevice();
}

void Program::Start()
{
    // Options chosen in an earlier run hold again; anything unreadable stays unset.
    // Converted from UTF-16 like the dialog's save path, so a folder name
    // outside ASCII reads back on every platform.
    // The options dialog writes where this start chose, so both agree on the file.
    m_settingsFile = SettingsFileLocation();
    m_window.Game().State().Options = brixel::LoadSettings(m_settingsFile.readFrom.toStdU16String());
    m_window.ShowCentred();
    m_highScores.SetOwner(&m_window);
    m_highScores.LoadAtStartup();
    // Looking for a sound device can take a tenth of a second where there is
    // none; do it once the window is on the screen rather than before.
    QTimer::singleShot(OpenSpeakerDelayMs, &m_window, [] { brixel::SoundResources::OpenDevice(); });
}

void Program::OpenOptions()
{
    if (!m_options) {
        m_options = std::make_unique<OptionsDialog>(m_window.Game().State().Options, m_settingsFile);
        WindowOwner::Attach(m_options.get(), &m_window);
    }
    m_options->Open(&m_window);
}

void Program::CloseOtherWindows()
{
    if (m_options) {
        m_options->close();
    }
    m_highScores.CloseWindow();
}
