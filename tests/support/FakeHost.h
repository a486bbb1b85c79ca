#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/GameHost.h"

namespace brixel::test {

// A scripted stand-in for the windows: a virtual clock that moves only when
// the game waits, events that fire at chosen virtual times, pinned chance,
// and a record of everything the game showed or played.
class FakeHost : public GameHost {
public:
    explicit FakeHost(double startTime = 10 * 3600.0, unsigned seed = 12345);

    // Runs `action` (a key press, a button...) once the virtual clock reaches `time`.
    void At(double time, std::function<void()> action);
    // Runs `action` on the next delivery of events, whatever the time.
    void Soon(std::function<void()> action) { At(m_now, std::move(action)); }
    // Random numbers to hand out before falling back to the seeded generator.
    void QueueRandom(std::vector<double> values);
    // Called after every delivery of events, for invariant checks.
    std::function<void()> AfterDeliver;
    // Called at every presentation of the well.
    std::function<void()> OnPresent;
    // Called when the game asks for name entry.
    std::function<void(std::int32_t)> OnCheckHighScore;
    // Called when a new piece comes in, with the type shown as next.
    std::function<void(int)> OnPreview;
    // Long runs switch the record off so it does not grow without end.
    bool record = true;

    double Now() const { return m_now; }
    void SetWindowState(WindowState state) { m_windowState = state; }

    // GameHost
    double Clock() override;
    void DeliverEvents(std::optional<double> timeout) override;
    void Randomize() override {}  // the numbers are pinned
    double Random() override;
    void PaintTile(int col, int row, int tile) override;
    void PresentWell() override;
    void SetCounterText(Counter counter, const std::string& text) override;
    void ShowPreview(int pieceType) override;
    void SetIntroVisible(bool visible) override;
    std::string Title() override { return title; }
    void SetTitle(const std::string& t) override;
    WindowState GetWindowState() override { return m_windowState; }
    void PlaySound(int number) override;
    void CheckHighScore(std::int32_t score) override;

    struct Paint {
        int col, row, tile;
        bool operator==(const Paint&) const = default;
    };
    // One entry per call the game made, in order, for checking sequences.
    std::vector<std::string> log;
    std::vector<Paint> paints;
    int presents = 0;
    std::map<Counter, std::string> counters;
    std::vector<int> previews;
    std::string title = "Fallox";
    std::vector<std::string> titles;
    std::vector<int> sounds;
    std::vector<std::int32_t> highScoreChecks;
    std::vector<std::optional<double>> timeouts;
    std::uint64_t previewCount = 0;

private:
    struct Event {
        double time;
        std::uint64_t order;
        std::function<void()> action;
    };
    bool RunDueEvents();

    double m_now;
    std::uint64_t m_order = 0;
    std::vector<Event> m_events;  // kept sorted by (time, order)
    std::vector<double> m_randoms;
    std::size_t m_nextRandom = 0;
    std::mt19937 m_rng;
    WindowState m_windowState = WindowState::Normal;
};

// Thrown when a paused game would wait for ever because nothing is scheduled.
struct StuckWaiting : std::runtime_error {
    StuckWaiting() : std::runtime_error("the game waits for ever: paused with no event scheduled") {}
};

}  // namespace brixel::test
