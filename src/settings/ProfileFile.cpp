#include "settings/ProfileFile.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace brixel {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// One line of the text: [begin, contentEnd) is what the line says,
// [contentEnd, end) its line break (empty on an unterminated last line).
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key value, trimmed
};

bool IsBlank(char c)
{
    // A stray "\r" (a lone one, or one before a missing "\n" at the end) is
    // treated as a blank so it never becomes part of a name or value.
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const std::size_t newline = text.find('\n', pos);
        if (newline == std::string_view::npos) {
            line.contentEnd = line.end = text.size();
        } else {
            line.end = newline + 1;
            line.contentEnd = (newline > pos && text[newline - 1] == '\r') ? newline - 1 : newline;
        }
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

std::string_view Content(std::string_view text, const Line& line)
{
    return text.substr(line.begin, line.contentEnd - line.begin);
}

LineMeaning Classify(std::string_view content)
{
    const std::string_view t = Trim(content);
    if (t.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (t.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close != std::string_view::npos) {
            return {LineKind::Section, Trim(t.substr(1, close - 1)), {}};
        }
        return {LineKind::Other, {}, {}};
    }
    const std::size_t equals = t.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Key, Trim(t.substr(0, equals)), Trim(t.substr(equals + 1))};
}

// Where a key stands, or would go, in the text.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t keyLine = 0;          // index of the key's line, valid when keyFound
    std::size_t lastContentLine = 0;  // a new key goes after this line
};

KeyPlace FindKey(std::string_view text, const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    section = Trim(section);
    key = Trim(key);
    KeyPlace place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning m = Classify(Content(text, lines[i]));
        if (!place.sectionFound) {
            if (m.kind == LineKind::Section && EqualNoCase(m.name, section)) {
                place.sectionFound = true;
                place.lastContentLine = i;
            }
            continue;
        }
        if (m.kind == LineKind::Section) {
            break;
        }
        if (m.kind == LineKind::Key && EqualNoCase(m.name, key)) {
            place.keyFound = true;
            place.keyLine = i;
            return place;
        }
        if (m.kind == LineKind::Key || m.kind == LineKind::Other) {
            place.lastContentLine = i;
        }
    }
    return place;
}

bool ContainsLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value)
{
    if (section.empty() || ContainsLineBreak(section) || section.find(']') != std::string_view::npos) {
        return false;
    }
    if (key.empty() || ContainsLineBreak(key) || key.find('=') != std::string_view::npos) {
        return false;
    }
    const std::string_view trimmedKey = Trim(key);
    if (trimmedKey.empty() || trimmedKey.front() == ';' || trimmedKey.front() == '[') {
        return false;
    }
    return !ContainsLineBreak(value);
}

std::string_view LineBreakOf(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r')) {
        return "\n";
    }
    return "\r\n";
}

}  // namespace

std::string WriteProfileString(std::string_view text, std::string_view section, std::string_view key,
                               std::string_view value)
{
    std::string result(text);
    if (!CanStore(section, key, value)) {
        return result;
    }
    const std::string_view eol = LineBreakOf(text);
    std::string keyLine;
    keyLine.append(key).append("=").append(value);

    const std::vector<Line> lines = SplitLines(text);
    const KeyPlace place = FindKey(text, lines, section, key);

    if (place.keyFound) {
        const Line& line = lines[place.keyLine];
        result.replace(line.begin, line.contentEnd - line.begin, keyLine);
        return result;
    }
    if (place.sectionFound) {
        const Line& after = lines[place.lastContentLine];
        std::string insert;
        if (after.end == after.contentEnd) {
            // The section ends the text without a final line break.
            insert.append(eol);
        }
        insert.append(keyLine).append(eol);
        result.insert(after.end, insert);
        return result;
    }

    if (!lines.empty()) {
        const Line& last = lines.back();
        if (last.end == last.contentEnd) {
            result.append(eol);
        }
        if (Classify(Content(text, last)).kind != LineKind::Blank) {
            result.append(eol);
        }
    }
    result.append("[").append(section).append("]").append(eol);
    result.append(keyLine).append(eol);
    return result;
}

std::optional<std::string> ReadProfileString(std::string_view text, std::string_view section,
                                             std::string_view key)
{
    const std::vector<Line> lines = SplitLines(text);
    const KeyPlace place = FindKey(text, lines, section, key);
    if (!place.keyFound) {
        return std::nullopt;
    }
    const Line& line = lines[place.keyLine];
    return std::string(Classify(Content(text, line)).value);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace brixel
