#include "app/Program.h"

#include "highscores/frmHighScore.h"

#include "media/SoundResources.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsFilePath.h"
#include "settings/frmOptions.h"

Program::Program()
{
    QtGameHost& host = m_window.Host();
    host.onPlaySound = [](int number) { brixel::PlaySoundRes(number); };
    host.onCheckHighScore = [this](std::int32_t score) { m_highScores.CheckHighScore(score); };
    m_window.onHighScores = [this] { m_highScores.ShowFromButton(&m_window); };
    m_window.onOptions = [this] { OpenOptions(); };
    m_window.onCloseOtherWindows = [this] { CloseOtherWindows(); };
}

Program::~Program() = default;

void Program::Start()
{
    // Options chosen in an earlier run hold again; anything unreadable stays unset.
    m_window.Game().State().Options = brixel::LoadSettings(SettingsFilePath().toStdString());
    brixel::SoundResources::OpenDevice();
    m_window.Form_Load();
    m_highScores.LoadAtStartup();
}

void Program::OpenOptions()
{
    if (!m_options) {
        m_options = std::make_unique<frmOptions>(m_window.Game().State().Options, SettingsFilePath());
    }
    m_options->Open(&m_window);
}

void Program::CloseOtherWindows()
{
    if (m_options) {
        m_options->close();
    }
    m_highScores.Window().close();
}
