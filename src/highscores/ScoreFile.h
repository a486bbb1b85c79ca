#pragma once

#include <filesystem>
#include <string_view>

#include "highscores/HighScoreTable.h"

namespace brixel {

inline constexpr std::string_view ScoresFileName = "scores.lst";

// Reads the table from `file`. When the file cannot be opened it is first
// created with the default text (five "None:0" lines, 40 bytes) and read back;
// when even that fails the default table is returned. A damaged file is read
// as far as it makes sense and is left as it is.
HighScoreTable LoadHighScores(const std::filesystem::path& file);

// Writes the whole file text in one piece from the first byte. The file is
// created when missing and never shortened: a longer old file keeps its tail
// after the fifth line, where reading ignores it. Returns whether it worked.
bool SaveHighScores(const std::filesystem::path& file, const HighScoreTable& table);

// Where "scores.lst" lives. The file beside the executable when we may write
// it, or when it is missing and that folder lets us create files; otherwise
// (an installed game, or a table left there by someone with more rights) the
// one in the user's data folder, which is created when needed and starts as a
// copy of a table beside the executable. Without a data folder the
// executable's folder is the answer anyway.
std::filesystem::path ChooseScoresFile(const std::filesystem::path& exeDir,
                                       const std::filesystem::path& dataDir);

}  // namespace brixel
