// Reads arbitrary bytes as "scores.lst" and checks what the game relies on when
// it saves the table again: the saved text is five clean lines, it reads back
// as the very same table, and saving over a longer old file (the save never
// shortens it) changes nothing about what the next start reads.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "highscores/HighScoreTable.h"

using namespace brixel;

namespace {

// What the game reads at start: never more than the first MaxScoreFileBytes.
HighScoreTable Load(std::string_view file)
{
    return HighScoreTable::FromFileText(file.substr(0, MaxScoreFileBytes));
}

void CheckTableValues(const HighScoreTable& table)
{
    for (int place = 1; place <= HighScoreCount; ++place) {
        const std::string& name = table.HighNames(place);
        FUZZ_CHECK(name.size() <= MaxHighNameBytes);
        FUZZ_CHECK(name.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(std::isfinite(table.HighScores(place)));
    }
}

void CheckFileText(const HighScoreTable& table, const std::string& text)
{
    FUZZ_CHECK(text.size() <= MaxScoreFileBytes);
    std::size_t lineStart = 0;
    for (int place = 1; place <= HighScoreCount; ++place) {
        const std::size_t lineEnd = text.find("\r\n", lineStart);
        FUZZ_CHECK(lineEnd != std::string::npos);
        const std::string_view line(text.data() + lineStart, lineEnd - lineStart);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        // The name runs up to the last colon and the score follows it.
        const std::size_t colon = line.rfind(':');
        FUZZ_CHECK(colon != std::string_view::npos);
        FUZZ_CHECK(line.substr(0, colon) == table.HighNames(place));
        FUZZ_CHECK(line.substr(colon + 1) == DecimalText(table.HighScores(place)));
        lineStart = lineEnd + 2;
    }
    FUZZ_CHECK(lineStart == text.size());
}

// Saving writes the new text over the start of the old file and keeps the
// old tail; reading must not notice the tail.
void CheckSaveOver(std::string_view oldFile, const HighScoreTable& table)
{
    const std::string text = table.ToFileText();
    CheckFileText(table, text);
    FUZZ_CHECK(HighScoreTable::FromFileText(text) == table);

    std::string disk = text;
    if (oldFile.size() > text.size()) {
        disk.append(oldFile.substr(text.size()));
    }
    const HighScoreTable reread = Load(disk);
    FUZZ_CHECK(reread == table);
    FUZZ_CHECK(reread.ToFileText() == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);

    const HighScoreTable table = Load(file);
    CheckTableValues(table);
    CheckSaveOver(file, table);

    // The end of a game: a score taken from the first eight bytes and a name
    // from the raw input (line breaks and all, as a paste could bring them)
    // enter the table, and the table is saved over the same old file.
    double score = 0.0;
    if (size >= sizeof score) {
        std::memcpy(&score, data, sizeof score);
    }
    if (std::isfinite(score)) {
        const std::string text = DecimalText(score);
        FUZZ_CHECK(text.find_first_of(":\r\n \t") == std::string::npos);
        const double reread = LeadingNumber(text);
        FUZZ_CHECK(reread == score);
    }
    HighScoreTable updated = table;
    if (const int place = updated.PlaceFor(score); place != 0) {
        FUZZ_CHECK(place >= 1 && place <= HighScoreCount);
        updated.MakeRoom(place);
        updated.SetEntry(place, std::string(file.substr(0, 2 * MaxHighNameBytes)), score);
        CheckTableValues(updated);
        CheckSaveOver(file, updated);
    }
    return 0;
}
