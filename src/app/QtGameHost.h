#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include <QTimer>

#include "core/GameHost.h"

class MainWindow;

// The game's view of the world, made of Qt: the clock of the day, Qt's event
// queue, a seeded random generator, and the main window's well, labels,
// preview and title. Sound and the high-score table are hooks that their
// owners set; left empty, the game plays silently and keeps no scores.
class QtGameHost : public brixel::GameHost {
public:
    explicit QtGameHost(MainWindow& window);

    // Plays effect 101..107 to its end.
    std::function<void(int)> onPlaySound;
    // A game ended normally with this score.
    std::function<void(std::int32_t)> onCheckHighScore;

    // 32 random bits as a number in [0, 1): only the top 24 bits are used, so
    // the largest result is 1 - 2^-24, exact in a double and never 1.
    static constexpr double UnitFromBits(std::uint32_t bits) { return static_cast<double>(bits >> 8) / 16777216.0; }

    // Replaces the seeded generator, so a test can pin every piece.
    void SetRandomSource(std::function<double()> source) { m_randomSource = std::move(source); }

    double Clock() override;
    void DeliverEvents(std::optional<double> timeout) override;
    void Randomize() override;
    double Random() override;
    void PaintTile(int col, int row, int tile) override;
    void PresentWell() override;
    void SetCounterText(brixel::Counter counter, const std::string& text) override;
    void ShowPreview(int pieceType) override;
    void SetIntroVisible(bool visible) override;
    std::string Title() override;
    void SetTitle(const std::string& title) override;
    brixel::WindowState GetWindowState() override;
    void PlaySound(int number) override;
    void CheckHighScore(std::int32_t score) override;

private:
    // Notes every event the program is handed, so a wait knows it has delivered one.
    class EventSeen : public QObject {
    public:
        bool seen = false;

    protected:
        bool eventFilter(QObject*, QEvent*) override
        {
            seen = true;
            return false;
        }
    };

    MainWindow& m_window;
    QTimer m_wakeUp;  // ends a sleep for events when the wait's time is up
    EventSeen m_eventSeen;
    int m_waits = 0;  // DeliverEvents calls sleeping for events, a nested game's inside the game's
    std::mt19937 m_generator;
    std::function<double()> m_randomSource;
};
