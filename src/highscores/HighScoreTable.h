#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace brixel {

inline constexpr int HighScoreCount = 5;          // places in the table, 1 the best
inline constexpr std::string_view DefaultHighName = "None";

// Loading never looks further into "scores.lst" than this many bytes, so a
// damaged or foreign file of any size costs a few KB at most. Five lines
// with names of MaxHighNameBytes always fit.
inline constexpr std::size_t MaxScoreFileBytes = 4096;

// Longest name the table keeps, in bytes. Far wider than the name label
// anyway; it keeps a saved file readable within MaxScoreFileBytes.
inline constexpr std::size_t MaxHighNameBytes = 255;

// The five best results: HighNames(i) and HighScores(i) for places 1..5.
// Names are byte strings, one byte per character in the
// system's 8-bit code page (NameCodePage.h), possibly empty.
// Scores are always finite; anything else is stored as 0.
class HighScoreTable {
public:
    // Five places named "None" with 0.
    HighScoreTable();

    // Throws std::out_of_range for a place outside 1..5.
    const std::string& HighNames(int place) const;
    double HighScores(int place) const;
    // Stores the name as CleanHighName makes it and a non-finite score as 0.
    void SetEntry(int place, std::string name, double score);

    // The first place whose score `score` reaches (ties push the old entry
    // down), or 0 when the score beats none of the five.
    int PlaceFor(double score) const;

    // Moves the entries from `place` on one place down; the old entry 5 drops out.
    // Entry `place` keeps its old contents until it is overwritten.
    void MakeRoom(int place);

    // Reads the table from the bytes of a scores file. Never fails: places
    // whose line is missing or has no colon become "None" with 0.
    static HighScoreTable FromFileText(std::string_view bytes);

    // The whole file text: per place the name, ":", the score text and CR LF.
    std::string ToFileText() const;

    bool operator==(const HighScoreTable&) const = default;

private:
    static std::size_t Slot(int place);

    std::array<std::string, HighScoreCount> m_names;
    std::array<double, HighScoreCount> m_scores{};  // points, finite
};

// A name as the table stores it: CR and LF become blanks, so a pasted name
// cannot split a line of the file, and it is cut to MaxHighNameBytes.
std::string CleanHighName(std::string_view name);

}  // namespace brixel
