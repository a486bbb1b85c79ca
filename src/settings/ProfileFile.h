#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brixel {

// Editing and reading of INI text the way the Windows profile functions treat
// it, so that a player's own sections, keys and comments survive our writes.
//
// How the text is read:
// - Lines end at "\n"; a "\r" right before it belongs to the line break.
// - A line whose first non-blank character is ';' is a comment.
// - "[name]" starts a section; blanks around the name and anything after ']'
//   are ignored. A '[' line without ']' is not a header, only a damaged line of
//   the section it stands in.
// - "key = value" is a key line; blanks around key and value are ignored.
//   A line without '=' is kept but never matches a key.
// - Section and key names compare without regard to ASCII case. When a name
//   occurs twice, the first occurrence counts, for reading and for writing.
// - A UTF-8 byte-order mark at the very start is kept and otherwise ignored.
// Any bytes at all (NULs, binary junk, huge lines) are accepted; lines that do
// not fit the rules above are kept unchanged.

// Returns `text` with `key=value` in `section`, changing nothing else:
// - an existing key line is replaced by "key=value" (with the spelling passed
//   here) and keeps its own line break;
// - a missing key goes right after the last non-blank, non-comment line of its
//   section (the header when there is none), so blank lines and a comment that
//   lead into the next section stay where they are;
// - a missing section is appended at the end of the text, separated from any
//   text before it by one blank line.
// New lines use the line break of the text's first line; text without any
// line break gets "\r\n", so the file is byte for byte the same on every
// platform and stays readable for Windows editors.
// A name or value that cannot be stored on one line (a line break anywhere, a
// ']' in the section, an '=' in the key, an empty name, a key starting with
// ';' or '[') leaves the text unchanged.
std::string WriteProfileString(std::string_view text, std::string_view section, std::string_view key,
                               std::string_view value);

// The value of `key` in `section`, blanks around it removed; nothing when the
// section or the key is missing.
std::optional<std::string> ReadProfileString(std::string_view text, std::string_view section,
                                             std::string_view key);

// Whether two names are the same the way profile files compare section and
// key names: ASCII letters without regard to case, everything else exactly.
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace brixel
