#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixel {

// The game's numbers as text, and back: one rule for each kind of number, the
// same on every desktop. Texts always use a point as decimal separator and no
// digit groups, whatever the player's locale, so a text the game writes (in
// a window, in scores.lst or in Brixel32.ini) reads back as the same number.

inline constexpr double LowestStartingLevel = 0.0;
inline constexpr double HighestStartingLevel = 9.0;

// The number a text begins with: blanks (spaces, tabs, line feeds) before
// it are skipped, then come an optional '+' or '-', digits with an
// optional fraction after a point, and an optional exponent ("2e1" is 20; an
// 'e' not followed by digits ends the number). Reading stops at the first
// character that cannot continue the number, so "12abc" is 12 and "4,5" is 4;
// text that does not begin with a number gives 0. The result is always finite
// and never -0: a number too large for a double gives the largest double of
// its sign, one too small to represent gives 0.
double LeadingNumber(std::string_view text);

// Scores and the window's counters: plain digits ("1500", "12.5"), the
// shortest text that reads back as the same value. Only numbers no game
// reaches (from 10^15 up, or below 10^-5) keep an exponent. Not a finite
// number, or -0, shows as "0".
std::string DecimalText(double value);

// A starting level: plain digits ("7", "4.5"), never an exponent, so the
// level box's check takes it again; an unset level, or one that is not
// finite, is the empty text.
std::string LevelText(std::optional<double> level);

// The level box's check: blanks around the number, an optional sign, digits
// with an optional fraction after a point (".5" and "5." count), and a value
// within 0..9 (both ends included). Anything else, a decimal comma, digit
// groups or an exponent included, is refused. Returns the level ("-0" gives
// 0), nothing when the text is refused.
std::optional<double> CheckLevelText(std::string_view text);

}  // namespace brixel
