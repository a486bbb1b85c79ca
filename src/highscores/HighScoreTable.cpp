#include "highscores/HighScoreTable.h"

#include <cmath>
#include <stdexcept>
#include <system_error>

#include "core/NumberText.h"

namespace brixel {

namespace {

// Splits off the next line of a scores file. Lines end at CR LF, and also at a
// lone LF or CR, so files edited on any system read the same. Returns false
// when nothing is left; text after the last line end counts as a line.
bool NextLine(std::string_view& rest, std::string_view& line)
{
    if (rest.empty()) {
        return false;
    }
    const std::size_t end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    std::size_t skip = 1;
    if (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') {
        skip = 2;
    }
    rest.remove_prefix(end + skip);
    return true;
}

}  // namespace

HighScoreTable::HighScoreTable()
{
    m_names.fill(std::string(DefaultHighName));
}

std::size_t HighScoreTable::Slot(int place)
{
    if (place < 1 || place > HighScoreCount) {
        throw std::out_of_range("high-score place must be 1..5");
    }
    return static_cast<std::size_t>(place - 1);
}

const std::string& HighScoreTable::HighNames(int place) const
{
    return m_names[Slot(place)];
}

double HighScoreTable::HighScores(int place) const
{
    return m_scores[Slot(place)];
}

void HighScoreTable::SetEntry(int place, std::string name, double score)
{
    const std::size_t slot = Slot(place);
    m_names[slot] = CleanHighName(name);
    m_scores[slot] = std::isfinite(score) ? score : 0.0;
}

int HighScoreTable::PlaceFor(double score) const
{
    for (int place = 1; place <= HighScoreCount; ++place) {
        if (score >= HighScores(place)) {
            return place;
        }
    }
    return 0;
}

void HighScoreTable::MakeRoom(int place)
{
    for (int j = HighScoreCount; j > place; --j) {
        m_names[Slot(j)] = m_names[Slot(j - 1)];
        m_scores[Slot(j)] = m_scores[Slot(j - 1)];
    }
}

HighScoreTable HighScoreTable::FromFileText(std::string_view bytes)
{
    HighScoreTable table;
    std::string_view rest = bytes;
    std::string_view line;
    for (int place = 1; place <= HighScoreCount && NextLine(rest, line); ++place) {
        // Split at the last colon, so a name that holds a colon reads back whole.
        const std::size_t colon = line.rfind(':');
        if (colon == std::string_view::npos) {
            continue;  // unreadable place: stays "None" with 0
        }
        table.SetEntry(place, std::string(line.substr(0, colon)),
                       LeadingNumber(line.substr(colon + 1)));
    }
    return table;
}

std::string HighScoreTable::ToFileText() const
{
    std::string text;
    for (int place = 1; place <= HighScoreCount; ++place) {
        text += HighNames(place);  // SetEntry stored it clean
        text += ':';
        text += DecimalText(HighScores(place));
        text += "\r\n";
    }
    return text;
}

std::string CleanHighName(std::string_view name)
{
    std::string clean(name.substr(0, MaxHighNameBytes));
    for (char& c : clean) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return clean;
}

}  // namespace brixel
