#include "highscores/HighScoreTable.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace brixel {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

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
        text += ScoreText(HighScores(place));
        text += "\r\n";
    }
    return text;
}

std::string ScoreText(double score)
{
    // Also folds -0 into "0": the table never shows a signed zero.
    if (!std::isfinite(score) || score == 0.0) {
        return "0";
    }
    // Plain digits, as a player writes a score: 100000, not 1e+05. Only
    // numbers no game reaches (from 10^15 up, or tinier than 10^-5) keep
    // the exponent. Either way the shortest text that reads back exactly.
    const double size = std::fabs(score);
    const auto format = size >= 1e-5 && size < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, score, format);
    return std::string(buffer, result.ptr);
}

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Take the longest prefix that is a number; from_chars never sees a sign.
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) {
                ++e;
            }
            end = e;  // an exponent without digits is trailing text, not part of the number
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value,
                                        std::chars_format::general);
    if (result.ec != std::errc{} || !std::isfinite(value)) {
        return 0.0;
    }
    return negative ? -value : value;
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
