#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brixel {
namespace {

constexpr double Max = std::numeric_limits<double>::max();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(LeadingNumber, TakesTheNumberTheTextBeginsWith)
{
    const std::vector<std::pair<std::string, double>> cases{
        {"700", 700},      {"12abc", 12},     {"  42", 42},        {"\t7", 7},         {"\n8", 8},
        {"-5", -5},        {"+5", 5},         {"1.5", 1.5},        {".5", 0.5},        {"5.", 5},
        {"-.5", -0.5},     {"1e3", 1000},     {"1E+2x", 100},      {"3.5e-1", 0.35},   {"2e", 2},
        {"2e+", 2},        {"2e+x", 2},       {"4,5", 4},          {"1.2.3", 1.2},     {"0x10", 0},
        {"7 8", 7},        {"B:700", 0},      {"", 0},             {"abc", 0},         {"-", 0},
        {".", 0},          {"-.e5", 0},       {"- 5", 0},          {"--5", 0},         {"nan", 0},
        {"inf", 0},        {"\x01" "5", 0},   {"007", 7},          {std::string("5\0" "6", 3), 5},
        {"1e400", Max},    {"-1e400", -Max},  {"0.001e400", Max},  {"1e-400", 0},      {"1e99999999999999999999", Max},
        {std::string(400, '9'), Max},         {std::string("0.").append(400, '0').append("1"), 0},
        {"99999999999999999999", 1e20},
    };
    for (const auto& [text, value] : cases) {
        const double read = LeadingNumber(text);
        EXPECT_EQ(read, value) << testing::PrintToString(text);
        EXPECT_FALSE(std::signbit(read) && read == 0.0) << testing::PrintToString(text);
    }
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
}

TEST(DecimalText, ShowsPlainDigitsInTheShortestExactForm)
{
    const std::vector<std::pair<double, std::string>> cases{
        {0.0, "0"},           {-0.0, "0"},          {1500.0, "1500"},         {-700.0, "-700"},
        {12.5, "12.5"},       {0.1, "0.1"},         {2147483647.0, "2147483647"},
        // Round scores a good game reaches stay plain digits.
        {100000.0, "100000"}, {1e6, "1000000"},     {1e14, "100000000000000"}, {0.00001, "0.00001"},
        {1e15, "1e+15"},      {1e-6, "1e-06"},      {NaN, "0"},               {Inf, "0"},
        {-Inf, "0"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(DecimalText(value), text) << value;
    }
    for (const double value : {1e20, 1e-7, 123456.789, -0.3, 1.0 / 3.0, 9007199254740993.0}) {
        EXPECT_EQ(LeadingNumber(DecimalText(value)), value) << DecimalText(value);
    }
}

TEST(LevelText, ShowsPlainDigitsThatTheCheckTakesBack)
{
    const std::vector<std::pair<std::optional<double>, std::string>> cases{
        {std::nullopt, ""}, {0.0, "0"},   {-0.0, "0"},         {7.0, "7"},   {9.0, "9"},
        {4.5, "4.5"},       {0.1, "0.1"}, {1e-7, "0.0000001"}, {Inf, ""},    {NaN, ""},
        {1e20, "100000000000000000000"},
    };
    for (const auto& [level, text] : cases) {
        EXPECT_EQ(LevelText(level), text) << text;
    }
    for (const double level : {0.0, 1e-7, 0.5, 4.5, 8.75, 9.0}) {
        EXPECT_EQ(CheckLevelText(LevelText(level)), level);
    }
}

TEST(CheckLevelText, TakesPlainLevelsFromZeroToNineOnly)
{
    const std::vector<std::pair<std::string, std::optional<double>>> cases{
        {"9", 9.0},         {"0", 0.0},          {" 3 ", 3.0},        {"\t3\t", 3.0},     {"4.5", 4.5},
        {"+2", 2.0},        {"-0", 0.0},         {".5", 0.5},         {"5.", 5.0},        {"007", 7.0},
        {"a", {}},          {"-", {}},           {"", {}},            {"   ", {}},        {".", {}},
        {"+", {}},          {"10", {}},          {"-1", {}},          {"9.5", {}},        {"9.0001", {}},
        {"-0.5", {}},       {"3 3", {}},         {"- 3", {}},         {"3a", {}},         {"1e0", {}},
        // The same rule in every locale: no decimal comma, no digit groups.
        {"4,5", {}},        {"1,000", {}},       {",5", {}},          {"1.000", 1.0},     {"1.2.3", {}},
        {std::string(400, '9'), {}},             {std::string("3\0", 2), {}},
    };
    for (const auto& [text, level] : cases) {
        EXPECT_EQ(CheckLevelText(text), level) << testing::PrintToString(text);
    }
    EXPECT_FALSE(std::signbit(CheckLevelText("-0").value_or(-1.0)));
}

}  // namespace
}  // namespace brixel
