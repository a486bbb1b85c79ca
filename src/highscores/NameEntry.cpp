#include "highscores/NameEntry.h"

#include <cmath>
#include <utility>

#include "highscores/ScoreFile.h"

namespace brixel {

NameEntry::NameEntry(std::filesystem::path scoresFile, AskName askName,
                     ShowHighScores showHighScores)
    : m_file(std::move(scoresFile)),
      m_askName(std::move(askName)),
      m_showHighScores(std::move(showHighScores))
{
}

void NameEntry::LoadHighScores()
{
    m_table = brixel::LoadHighScores(m_file);
    m_unsaved = false;
}

NameEntryOutcome NameEntry::CheckHighScore(double score)
{
    if (!std::isfinite(score)) {
        score = 0.0;
    }
    // After a failed save the table in memory is newer than the file. Reading
    // the file again would throw away the player's last entry, so the table
    // stays as it is and the next save tries again.
    if (!m_unsaved) {
        m_table = brixel::LoadHighScores(m_file);
    }

    NameEntryOutcome outcome;
    outcome.Place = m_table.PlaceFor(score);
    if (outcome.Place == 0) {
        return outcome;
    }

    m_table.MakeRoom(outcome.Place);
    std::string name = m_askName ? m_askName(NameEntryPrompt, NameEntryTitle) : std::string();
    m_table.SetEntry(outcome.Place, std::move(name), score);

    outcome.Saved = SaveHighScores(m_file, m_table);
    m_unsaved = !outcome.Saved;
    if (m_showHighScores) {
        m_showHighScores(m_table);
    }
    return outcome;
}

}  // namespace brixel
