#include "settings/LevelText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace brixel {
namespace {

TEST(LevelText, ParseLeadingNumberReadsLikeTheOkButton)
{
    constexpr double Max = std::numeric_limits<double>::max();
    const std::vector<std::pair<std::string, double>> cases = {
        {"4.5", 4.5},  {"4,5", 4.0},   {"abc", 0.0},   {"", 0.0},        {"7", 7.0},      {"  7", 7.0},
        {"\t8", 8.0},  {"1 2", 12.0},  {"3\n4", 34.0}, {" 1 2 . 5", 12.5}, {"-3", -3.0},  {"+3", 3.0},
        {"- 3", -3.0}, {"--5", 0.0},   {"-", 0.0},     {".", 0.0},       {".5", 0.5},     {"5.", 5.0},
        {"-.5", -0.5}, {"9abc", 9.0},  {"1.2.3", 1.2}, {"0x1A", 0.0},    {"2e1", 20.0},   {"2E-1", 0.2},
        {"1 e 1", 10.0}, {"2e", 2.0},  {"2e+", 2.0},   {"2ex", 2.0},     {"007", 7.0},    {"e5", 0.0},
        {"1e400", Max}, {"-1e400", -Max}, {"1e-400", 0.0}, {"1e99999999999999999999", Max},
        {std::string(400, '9'), Max},   {std::string("0.").append(400, '0').append("1"), 0.0},
        {std::string("5\0" "6", 3), 5.0},
    };
    for (const auto& [text, expected] : cases) {
        const double value = ParseLeadingNumber(text);
        EXPECT_TRUE(std::isfinite(value)) << testing::PrintToString(text);
        EXPECT_DOUBLE_EQ(value, expected) << testing::PrintToString(text);
    }
}

TEST(LevelText, NeitherReadingGivesMinusZero)
{
    EXPECT_FALSE(std::signbit(CheckLevelText("-0", ".", ",").value_or(-1.0)));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0")));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0.0e5")));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-1e-400")));
}

struct CheckCase {
    std::string text;
    std::optional<double> level;
};

void ExpectChecks(const std::vector<CheckCase>& cases, std::string_view decimal, std::string_view group)
{
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckLevelText(c.text, decimal, group), c.level)
            << testing::PrintToString(c.text) << " with decimal " << decimal << " and group " << group;
    }
}

TEST(LevelText, CheckAcceptsLevelsZeroToNineInAnEnglishLocale)
{
    ExpectChecks(
        {
            {"a", std::nullopt},   {"-", std::nullopt},    {"", std::nullopt},     {"   ", std::nullopt},
            {"10", std::nullopt},  {"-1", std::nullopt},   {"9.5", std::nullopt},  {"9.0001", std::nullopt},
            {"-0.5", std::nullopt}, {"9", 9.0},            {"0", 0.0},             {" 3 ", 3.0},
            {"\t3\t", 3.0},        {"4.5", 4.5},           {"+2", 2.0},            {"-0", 0.0},
            {".5", 0.5},           {"5.", 5.0},            {".", std::nullopt},    {"+", std::nullopt},
            {"007", 7.0},          {"3 3", std::nullopt},  {"- 3", std::nullopt},  {"3a", std::nullopt},
            {"1e0", std::nullopt}, {"4,5", std::nullopt},  {"1,000", std::nullopt}, {",5", std::nullopt},
            {std::string(400, '9'), std::nullopt},         {std::string("3\0", 2), std::nullopt},
        },
        ".", ",");
}

TEST(LevelText, CheckFollowsAGermanLocale)
{
    ExpectChecks(
        {
            {"4,5", 4.5},           {"9,0", 9.0},           {"0,25", 0.25},         {"9,5", std::nullopt},
            {"4.5", std::nullopt},  {"0.005", std::nullopt}, {"1.000", std::nullopt}, {"1.000,5", std::nullopt},
            {"a", std::nullopt},    {"-", std::nullopt},     {"", std::nullopt},      {" 3 ", 3.0},
        },
        ",", ".");
}

TEST(LevelText, CheckTakesSeparatorsOfMoreThanOneByte)
{
    // A French locale groups with a narrow no-break space.
    ExpectChecks({{"4,5", 4.5}, {"1\u202F000", std::nullopt}, {"4\u202F5", std::nullopt}}, ",", "\u202F");
    ExpectChecks({{"4\u066B5", 4.5}, {"4.5", std::nullopt}}, "\u066B", "\u066C");
}

TEST(LevelText, LevelToTextShowsPlainDigits)
{
    const std::vector<std::pair<std::optional<double>, std::string>> cases = {
        {std::nullopt, ""}, {0.0, "0"},       {-0.0, "0"},        {7.0, "7"},
        {9.0, "9"},         {4.5, "4.5"},     {0.1, "0.1"},       {1e-7, "0.0000001"},
        {1e20, "100000000000000000000"},      {std::numeric_limits<double>::infinity(), ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& [level, text] : cases) {
        EXPECT_EQ(LevelToText(level), text) << text;
    }
    EXPECT_EQ(LevelToText(4.5, ","), "4,5");
    EXPECT_EQ(LevelToText(7.0, ","), "7");
    EXPECT_EQ(LevelToText(4.5, ""), "4.5");
}

TEST(LevelText, ShownLevelPassesTheCheckInTheSameLocale)
{
    for (const double level : {0.0, 0.5, 4.5, 8.75, 9.0}) {
        EXPECT_EQ(CheckLevelText(LevelToText(level, ","), ",", "."), level);
        EXPECT_EQ(CheckLevelText(LevelToText(level, "."), ".", ","), level);
    }
}

}  // namespace
}  // namespace brixel
