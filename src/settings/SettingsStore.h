#pragma once

#include <filesystem>

#include "core/GameState.h"

namespace brixel {

// Brixel32.ini on disk. Where it lives is the caller's choice (the Windows
// directory there, the user's configuration folder elsewhere).

// Reads the file (a missing one counts as empty), writes the four options
// into it and saves it; the folder is created when missing. The new text goes
// to a sibling file that then replaces the old one, so a kill halfway never
// leaves a cut-off file. A link is followed and stays a link, and the file
// keeps its permission bits. Where the folder takes no new files, the file is
// written in place instead.
// Returns false when the file could not be read or written; the game does not
// report that to the player. A file that exists but cannot be read is left
// alone rather than replaced by a file holding only our section.
bool SaveSettings(const Settings& settings, const std::filesystem::path& iniPath);

// The same, with the text the options are written into read from `basePath`:
// the options of a file that may not be written move into `iniPath` with its
// other sections and keys. `basePath` itself is left as it is.
bool SaveSettings(const Settings& settings, const std::filesystem::path& iniPath,
                  const std::filesystem::path& basePath);

// The options stored in the file; all unset when it is missing or unreadable.
Settings LoadSettings(const std::filesystem::path& iniPath);

}  // namespace brixel
