#include "scoring/LineScoring.h"

#include <algorithm>
#include <limits>

namespace brixel {

int FindAndBlankFullRows(Well& board, RowFlags& fullRow)
{
    int count = 0;
    for (int row = WellRows; row >= 1; --row) {
        bool full = true;
        for (int col = 1; col <= WellColumns && full; ++col) {
            full = board(col, row) != 0;
        }
        fullRow[row] = full;
        if (full) {
            ++count;
            for (int col = 1; col <= WellColumns; ++col) {
                board(col, row) = 0;
            }
        }
    }
    return count;
}

void CollapseRow(Well& board, RowFlags& fullRow, int r)
{
    for (int r2 = r; r2 >= 2; --r2) {
        for (int col = 1; col <= WellColumns; ++col) {
            board(col, r2) = board(col, r2 - 1);
        }
        fullRow[r2] = fullRow[r2 - 1];
    }
    for (int col = 1; col <= WellColumns; ++col) {
        board(col, 1) = 0;
    }
    fullRow[1] = false;
}

int LevelRises(int lines, int rows)
{
    return (lines + rows) / 10 - lines / 10;
}

void ApplyLevelRises(GameState& s, int rises)
{
    for (int i = 0; i < rises; ++i) {
        s.Level = SaturatingAdd16(s.Level, 1);
        if (s.Level <= FastestLevel) {
            s.StepDelay -= DelayStepPerLevel;
        }
    }
}

std::int64_t PointsFor(int rows, int level)
{
    static constexpr std::array<std::int64_t, 5> Base{0, 50, 150, 500, 1000};
    if (rows <= 0) {
        return 0;
    }
    const std::int64_t perLevel = Base[4] * (rows / 4) + Base[static_cast<std::size_t>(rows % 4)];
    return perLevel * (static_cast<std::int64_t>(level) + 1);
}

int RowSound(int rows)
{
    return rows <= 0 ? 0 : 103 + std::min(rows, 4);
}

std::int16_t SaturatingAdd16(std::int16_t a, std::int64_t b)
{
    const std::int64_t sum = std::clamp<std::int64_t>(a + b, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(sum);
}

std::int32_t SaturatingAdd32(std::int32_t a, std::int64_t b)
{
    const std::int64_t sum = std::clamp<std::int64_t>(a + b, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(sum);
}

}  // namespace brixel
