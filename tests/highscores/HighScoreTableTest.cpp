#include "highscores/HighScoreTable.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace brixel {
namespace {

using namespace std::string_literals;

using Entries = std::vector<std::pair<std::string, double>>;

Entries EntriesOf(const HighScoreTable& table)
{
    Entries entries;
    for (int place = 1; place <= HighScoreCount; ++place) {
        entries.emplace_back(table.HighNames(place), table.HighScores(place));
    }
    return entries;
}

HighScoreTable TableOf(const Entries& entries)
{
    HighScoreTable table;
    for (int place = 1; place <= HighScoreCount; ++place) {
        table.SetEntry(place, entries[place - 1].first, entries[place - 1].second);
    }
    return table;
}

const Entries Defaults{{"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}};
const std::string DefaultText = "None:0\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n";

TEST(HighScoreTable, RejectsPlacesOutsideOneToFive)
{
    HighScoreTable table;
    EXPECT_THROW(table.HighNames(0), std::out_of_range);
    EXPECT_THROW(table.HighScores(6), std::out_of_range);
    EXPECT_THROW(table.SetEntry(0, "X", 1), std::out_of_range);
}

TEST(HighScoreTableText, WritesNameColonScoreCrLfFiveTimes)
{
    const auto table = TableOf({{"Ann", 5000}, {"", 700}, {"A:B", 300}, {"Zo\xe9", 12.5}, {"x", -3}});
    EXPECT_EQ(table.ToFileText(), "Ann:5000\r\n:700\r\nA:B:300\r\nZo\xe9:12.5\r\nx:-3\r\n");
}

TEST(HighScoreTableText, RoundTripsEveryKindOfEntry)
{
    const auto table = TableOf({{"Ann", 5000}, {"", 700}, {"A:B", 300}, {"\x01\xff" "bin", 0.25},
                                {"::", 1e20}});
    EXPECT_EQ(HighScoreTable::FromFileText(table.ToFileText()), table);
}

struct ReadCase {
    const char* what;
    std::string bytes;
    Entries expected;
};

TEST(HighScoreTableText, ReadsWhatItCanAndCountsTheRestAsNone)
{
    const std::string longName(400, 'n');
    const std::vector<ReadCase> cases{
        {"default file", DefaultText, Defaults},
        {"empty file", "", Defaults},
        {"empty name", ":700\r\n", {{"", 700}, {"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"colon in name", "A:B:700\r\n", {{"A:B", 700}, {"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"trailing text", "Ann:12abc\r\nBob:  7 points\r\n",
         {{"Ann", 12}, {"Bob", 7}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"no number", "Ann:\r\nBob:xyz\r\n", {{"Ann", 0}, {"Bob", 0}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"more than five lines", "a:1\r\nb:2\r\nc:3\r\nd:4\r\ne:5\r\nf:6\r\ng:7\r\n",
         {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}}},
        {"fewer lines", "a:1\r\nb:2\r\n", {{"a", 1}, {"b", 2}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"no final line end", "a:1\r\nb:2", {{"a", 1}, {"b", 2}, {"None", 0}, {"None", 0}, {"None", 0}}},
        {"empty line keeps the places below", "a:1\r\n\r\nc:3\r\n",
         {{"a", 1}, {"None", 0}, {"c", 3}, {"None", 0}, {"None", 0}}},
        {"line without colon", "a:1\r\ngarbage\r\nc:3\r\n",
         {{"a", 1}, {"None", 0}, {"c", 3}, {"None", 0}, {"None", 0}}},
        {"bare LF", "a:1\nb:2\nc:3\nd:4\ne:5\nf:6\n", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}}},
        {"bare CR", "a:1\rb:2\rc:3\rd:4\re:5\rf:6\r", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}}},
        {"LF CR is two line ends", "a:1\n\rc:3\r\n",
         {{"a", 1}, {"None", 0}, {"c", 3}, {"None", 0}, {"None", 0}}},
        {"binary and NUL bytes", "\x00\xff\x01:5\x00\r\n\x80\x81\r\n"s,
         {{"\x00\xff\x01"s, 5}, {"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}}},
        // A number too large for a double reads as the largest one, as every number text does.
        {"non-finite scores", "a:nan\r\nb:inf\r\nc:1e400\r\n",
         {{"a", 0}, {"b", 0}, {"c", std::numeric_limits<double>::max()}, {"None", 0}, {"None", 0}}},
        {"overlong name is cut", longName + ":9\r\n",
         {{std::string(MaxHighNameBytes, 'n'), 9}, {"None", 0}, {"None", 0}, {"None", 0}, {"None", 0}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntriesOf(HighScoreTable::FromFileText(c.bytes)), c.expected) << c.what;
    }
}

TEST(HighScoreTablePlace, TiesPushTheOldEntryDown)
{
    const auto table = TableOf({{"a", 5000}, {"b", 3000}, {"c", 3000}, {"d", 1000}, {"e", 0}});
    const std::vector<std::pair<double, int>> cases{
        {9000, 1}, {5000, 1}, {4999, 2}, {3000, 2}, {2999, 4}, {1000, 4}, {1, 5}, {0, 5}, {-1, 0},
    };
    for (const auto& [score, place] : cases) {
        EXPECT_EQ(table.PlaceFor(score), place) << score;
    }
}

TEST(HighScoreTablePlace, MakeRoomMovesEntriesDownAndDropsTheLast)
{
    auto table = TableOf({{"a", 5000}, {"b", 3000}, {"c", 3000}, {"d", 1000}, {"e", 0}});
    table.MakeRoom(2);
    EXPECT_EQ(EntriesOf(table), (Entries{{"a", 5000}, {"b", 3000}, {"b", 3000}, {"c", 3000}, {"d", 1000}}));

    auto last = TableOf({{"a", 5}, {"b", 4}, {"c", 3}, {"d", 2}, {"e", 1}});
    const auto before = last;
    last.MakeRoom(5);
    EXPECT_EQ(last, before);
}

}  // namespace
}  // namespace brixel
