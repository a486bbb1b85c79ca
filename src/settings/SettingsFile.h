#pragma once

#include <string>
#include <string_view>

#include "core/GameState.h"

namespace brixel {

// The text of the options file. Reading and saving it on disk is in
// SettingsStore.h; this part stays free of Qt.
inline constexpr std::string_view SettingsFileName = "Brixel32.ini";
inline constexpr std::string_view SettingsSection = "Brixel32";
inline constexpr std::string_view StartingLevelKey = "Starting Level";
inline constexpr std::string_view FillLinesKey = "Fill Lines";
inline constexpr std::string_view PlaySoundsKey = "Play Sounds";
inline constexpr std::string_view HideSplashKey = "Hide Splash";

// `text` with the four options written into section "Brixel32", in the order
// Starting Level, Fill Lines, Play Sounds, Hide Splash, each like one call of
// the profile writer: flags as "True" or "False", the level as LevelText
// gives it, an unset option as the empty text. Everything else stays as it was.
std::string WriteSettingsText(std::string_view text, const Settings& settings);

// The options found in `text`. Flags accept "True"/"False" and "-1"/"0"
// (any case); the level must be a plain number 0..9 with a point as decimal
// separator. A missing key or any other value leaves that option unset.
Settings ReadSettingsText(std::string_view text);

}  // namespace brixel
