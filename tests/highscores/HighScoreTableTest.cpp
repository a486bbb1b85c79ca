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

TEST(ScoreText, ShowsPlainDigitsInTheShortestExactForm)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, std::string>> cases{
        {0.0, "0"},         {-0.0, "0"},       {1500.0, "1500"},
        {700.0, "700"},     {-700.0, "-700"},  {12.5, "12.5"},
        {0.1, "0.1"},       {2147483647.0, "2147483647"},
        // Round scores a good game reaches stay plain digits.
        {100000.0, "100000"}, {200000.0, "200000"}, {1e6, "1000000"}, {-3e6, "-3000000"},
        {1e14, "100000000000000"}, {0.00001, "0.00001"},
        {1e15, "1e+15"},    {1e-6, "1e-06"},
        {nan, "0"},         {inf, "0"},        {-inf, "0"},
    };
    for (const auto& [score, text] : cases) {
        EXPECT_EQ(ScoreText(score), text) << score;
    }
}

TEST(ScoreText, ReadsBackToTheSameValue)
{
    for (double score : {1e20, 1e-7, 123456.789, -0.3, 1.0 / 3.0, 9007199254740993.0}) {
        EXPECT_EQ(LeadingNumber(ScoreText(score)), score) << ScoreText(score);
    }
}

TEST(LeadingNumber, TakesTheNumberTheTextBeginsWith)
{
    const std::vector<std::pair<std::string, double>> cases{
        {"700", 700},       {"12abc", 12},      {"  42", 42},       {"\t7", 7},
        {"-5", -5},         {"+5", 5},          {"1.5", 1.5},       {".5", 0.5},
        {"5.", 5},          {"1e3", 1000},      {"1E+2x", 100},     {"3.5e-1", 0.35},
        {"2e", 2},          {"2e+", 2},         {"2e+x", 2},        {"1,5", 1},
        {"0x10", 0},        {"7 8", 7},         {"B:700", 0},       {"", 0},
        {"abc", 0},         {"-", 0},           {".", 0},           {"-.e5", 0},
        {"- 5", 0},         {"nan", 0},         {"inf", 0},         {"-infinity", 0},
        {"1e999", 0},       {"-1e999", 0},      {"1e-999", 0},      {"\x01" "5", 0},
        {"99999999999999999999", 1e20},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << '"' << text << '"';
    }
}

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
        {"non-finite scores", "a:nan\r\nb:inf\r\nc:1e400\r\n",
         {{"a", 0}, {"b", 0}, {"c", 0}, {"None", 0}, {"None", 0}}},
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
