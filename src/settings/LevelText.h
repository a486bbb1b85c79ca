#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixel {

// The options dialog's answer to a level it cannot take.
inline constexpr std::string_view LevelRefusedText = "Du musst eine Start Level angeben 0 bis 9";
inline constexpr std::string_view LevelRefusedTitle = "Brixel32";

inline constexpr double LowestStartingLevel = 0.0;
inline constexpr double HighestStartingLevel = 9.0;

// The number the text begins with, the way the OK button reads the level box.
// Only a point separates the fraction ("4.5" is 4.5, "4,5" is 4). Blanks
// (spaces, tabs, line feeds) are skipped wherever they stand, also between
// digits and around the sign, so "1 2" is 12 and " - 3" is -3. Then come an
// optional '+' or '-', digits, an optional fraction and an optional exponent
// ("2e1" is 20; an 'e' not followed by digits ends the number). Reading stops
// at the first character that cannot continue the number; text that does not
// begin with one gives 0.
// The result is always finite: a number too large for a double is clamped to
// the largest double of its sign, one too small to represent gives 0, and
// "-0" gives plain 0. Callers still check the range before using it as a level.
double ParseLeadingNumber(std::string_view text);

// The level check of the level box: the text must be a number in the player's
// locale, given by its decimal and digit-group separators (UTF-8, as the
// locale spells them; an empty decimal separator stands for '.'), and lie
// within 0..9 (both ends included). Blanks before and after the number are
// allowed; then an optional '+' or '-', ASCII digits, and an optional fraction
// after the decimal separator (".5" and "5." count). Digit groups are accepted
// only where the locale puts them (groups of three in the whole part), so a
// grouped number is always 1000 or more and never passes; exponents, inner
// blanks and anything else make the text no number at all. An empty group
// separator allows no grouping.
// Returns the level when the text passes ("-0" gives 0), nothing otherwise.
std::optional<double> CheckLevelText(std::string_view text, std::string_view decimalSeparator,
                                     std::string_view groupSeparator);

// A level as the player reads it and as the settings file stores it: a whole
// level as its plain digits ("7"), a fractional one with the given decimal
// separator ("4.5"; an empty separator stands for the point), never an
// exponent; an unset level, or one that is not finite, as the empty text.
std::string LevelToText(std::optional<double> level, std::string_view decimalSeparator = ".");

}  // namespace brixel
