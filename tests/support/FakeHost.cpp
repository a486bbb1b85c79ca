#include "support/FakeHost.h"

#include <algorithm>
#include <cmath>

namespace brixel::test {

namespace {
constexpr double SecondsPerDay = 86400.0;
constexpr double OversleepSeconds = 1e-6;
}

FakeHost::FakeHost(double startTime, unsigned seed) : m_now(startTime), m_rng(seed) {}

void FakeHost::At(double time, std::function<void()> action)
{
    Event e{time, m_order++, std::move(action)};
    const auto pos = std::upper_bound(m_events.begin(), m_events.end(), e, [](const Event& a, const Event& b) {
        return a.time < b.time || (a.time == b.time && a.order < b.order);
    });
    m_events.insert(pos, std::move(e));
}

void FakeHost::QueueRandom(std::vector<double> values)
{
    m_randoms.insert(m_randoms.end(), values.begin(), values.end());
}

double FakeHost::Clock()
{
    return std::fmod(m_now, SecondsPerDay);
}

bool FakeHost::RunDueEvents()
{
    bool ran = false;
    while (!m_events.empty() && m_events.front().time <= m_now) {
        auto action = std::move(m_events.front().action);
        m_events.erase(m_events.begin());
        ran = true;
        action();  // may nest a whole game, which delivers further events itself
    }
    return ran;
}

void FakeHost::DeliverEvents(std::optional<double> timeout)
{
    if (record) {
        timeouts.push_back(timeout);
        log.push_back("deliver");
    }
    if (!RunDueEvents()) {
        if (timeout) {
            // Like a real timer, wake a hair late rather than early, so a wait
            // is not split in two by the rounding of the clock.
            const double target = m_now + std::max(0.0, *timeout) + OversleepSeconds;
            if (!m_events.empty() && m_events.front().time <= target) {
                m_now = m_events.front().time;
            } else {
                // A real clock always moves on; make sure the virtual one does too,
                // even when the time left is below the clock's resolution.
                m_now = std::max(target, std::nextafter(m_now, SecondsPerDay * 1e6));
            }
        } else {
            if (m_events.empty()) {
                throw StuckWaiting();
            }
            m_now = std::max(m_now, m_events.front().time);
        }
        RunDueEvents();
    }
    if (AfterDeliver) {
        AfterDeliver();
    }
}

double FakeHost::Random()
{
    if (m_nextRandom < m_randoms.size()) {
        return m_randoms[m_nextRandom++];
    }
    return std::generate_canonical<double, 53>(m_rng);
}

void FakeHost::PaintTile(int col, int row, int tile)
{
    if (!record) {
        return;
    }
    paints.push_back({col, row, tile});
}

void FakeHost::PresentWell()
{
    ++presents;
    if (record) {
        log.push_back("present");
    }
    if (OnPresent) {
        OnPresent();
    }
}

void FakeHost::ShowPreview(int pieceType)
{
    ++previewCount;
    if (record) {
        previews.push_back(pieceType);
    }
    if (OnPreview) {
        OnPreview(pieceType);
    }
}

void FakeHost::SetCounterText(Counter counter, const std::string& text)
{
    counters[counter] = text;
    if (!record) {
        return;
    }
    static const char* const Names[] = {"score", "lines", "level"};
    log.push_back(std::string(Names[static_cast<int>(counter)]) + "=" + text);
}

void FakeHost::SetIntroVisible(bool visible)
{
    log.push_back(visible ? "intro shown" : "intro hidden");
}

void FakeHost::SetTitle(const std::string& t)
{
    title = t;
    titles.push_back(t);
    log.push_back("title " + t);
}

void FakeHost::PlaySound(int number)
{
    sounds.push_back(number);
    log.push_back("sound " + std::to_string(number));
}

void FakeHost::CheckHighScore(std::int32_t score)
{
    highScoreChecks.push_back(score);
    log.push_back("highscore " + std::to_string(score));
    if (OnCheckHighScore) {
        OnCheckHighScore(score);
    }
}

}  // namespace brixel::test
