#include "highscores/HighScoreService.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QString>
#include <QWidget>

#include "highscores/ScoreFile.h"
#include "highscores/HighScoreWindow.h"
#include "highscores/NameCodePage.h"
#include "media/WindowOwner.h"

namespace {

std::filesystem::path ToPath(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

std::filesystem::path DefaultScoresFile()
{
    return brixel::ChooseScoresFile(
        ToPath(QCoreApplication::applicationDirPath()),
        ToPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HighScoreService::HighScoreService() : HighScoreService(DefaultScoresFile()) {}

HighScoreService::HighScoreService(std::filesystem::path scoresFile)
    : m_entry(std::move(scoresFile),
              [this](std::string_view prompt, std::string_view title) { return AskName(prompt, title); },
              [this](const brixel::HighScoreTable& table) { ShowWindow(table, GameEndOwner()); })
{
}

HighScoreService::~HighScoreService() = default;

HighScoreWindow& HighScoreService::Window()
{
    if (!m_window) {
        m_window = std::make_unique<HighScoreWindow>();
    }
    return *m_window;
}

void HighScoreService::CloseWindow()
{
    if (m_window) {
        m_window->close();
    }
}

void HighScoreService::SetOwner(QWidget* mainWindow)
{
    m_owner = mainWindow;
}

void HighScoreService::LoadAtStartup()
{
    m_entry.LoadHighScores();
}

brixel::NameEntryOutcome HighScoreService::CheckHighScore(std::int32_t score)
{
    const brixel::NameEntryOutcome outcome = m_entry.CheckHighScore(score);
    WarnIfNotSaved(outcome);
    return outcome;
}

void HighScoreService::ShowFromButton()
{
    if (m_owner != nullptr) {
        const QRect frame = m_owner->frameGeometry();
        Window().move(frame.left(), frame.top() + frame.height());
    }
    ShowWindow(m_entry.Table(), m_owner);
}

QWidget* HighScoreService::GameEndOwner() const
{
    return WindowOwner::ForWindowOpenedByTheGame(m_owner);
}

void HighScoreService::ShowWindow(const brixel::HighScoreTable& table, QWidget* owner)
{
    if (m_owner != nullptr) {
        WindowOwner::Attach(&Window(), owner);
    }
    Window().ShowHighScores(table);
}

std::string HighScoreService::AskName(std::string_view prompt, std::string_view title)
{
    QInputDialog dialog(GameEndOwner());
    dialog.setWindowTitle(FromUtf8(title));
    // The prompt's lines end in CR LF like the file's; the label breaks at LF alone.
    dialog.setLabelText(FromUtf8(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMaxLength(static_cast<int>(brixel::MaxHighNameBytes));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return NameToBytes(dialog.textValue());
}

void HighScoreService::WarnIfNotSaved(const brixel::NameEntryOutcome& outcome)
{
    if (outcome.Place == 0) {
        return;
    }
    if (outcome.Saved) {
        m_saveFailureShown = false;
        return;
    }
    // Said once: while the file stays unwritable, the following games keep
    // their entries in memory without asking the player to read it again.
    if (m_saveFailureShown) {
        return;
    }
    m_saveFailureShown = true;
    const QString file = QDir::toNativeSeparators(QString::fromStdU16String(ScoresFile().u16string()));
    QMessageBox::warning(GameEndOwner(), QStringLiteral("Fallox"),
                         QStringLiteral("Die High Scores konnten nicht gespeichert werden:\n%1\n\n"
                                        "Dein Eintrag bleibt erhalten, bis Fallox beendet wird.")
                             .arg(file));
}
