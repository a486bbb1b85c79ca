#include "highscores/ScoreFile.h"

#include <fstream>
#include <ios>
#include <string>
#include <system_error>

namespace brixel {

namespace fs = std::filesystem;

namespace {

// The bytes at the start of an open file, never more than MaxScoreFileBytes.
std::string ReadPrefix(std::ifstream& in)
{
    std::string bytes(MaxScoreFileBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Writes `bytes` over the start of `file` without shortening it, creating the
// file when it is missing.
bool WriteFromStart(const fs::path& file, std::string_view bytes)
{
    // Read/write keeps the old length; it only fails here for a missing file
    // (or one we may not touch).
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!out.is_open()) {
        // Append mode creates the file without cutting anything, and into an
        // empty file it writes from the first byte. A file that has contents but
        // refused the first open is left alone rather than appended to.
        std::error_code ec;
        const bool exists = fs::exists(file, ec);
        if (ec) {
            return false;
        }
        if (exists && (fs::file_size(file, ec) != 0 || ec)) {
            return false;
        }
        out.open(file, std::ios::out | std::ios::app | std::ios::binary);
        if (!out.is_open()) {
            return false;
        }
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Whether `file`, which exists, may be written: opening it for reading and
// writing changes nothing and fails exactly where a save would.
bool CanWriteFile(const fs::path& file)
{
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    return out.is_open();
}

// Whether we may create files in `dir`. Asking the file system is the only
// answer that holds for read-only mounts, access lists and the like.
bool CanCreateFilesIn(const fs::path& dir)
{
    const fs::path probe = dir / ".scores.lst.probe";
    std::ofstream out(probe, std::ios::out | std::ios::app | std::ios::binary);
    const bool created = out.is_open();
    out.close();
    if (created) {
        std::error_code ec;
        fs::remove(probe, ec);
    }
    return created;
}

}  // namespace

HighScoreTable LoadHighScores(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        const HighScoreTable defaults;
        if (!WriteFromStart(file, defaults.ToFileText())) {
            return defaults;
        }
        in.open(file, std::ios::binary);
        if (!in.is_open()) {
            return defaults;
        }
    }
    return HighScoreTable::FromFileText(ReadPrefix(in));
}

bool SaveHighScores(const fs::path& file, const HighScoreTable& table)
{
    return WriteFromStart(file, table.ToFileText());
}

fs::path ChooseScoresFile(const fs::path& exeDir, const fs::path& dataDir)
{
    const fs::path besideExe = exeDir / ScoresFileName;
    if (dataDir.empty()) {
        return besideExe;
    }
    std::error_code ec;
    const bool besideExists = fs::exists(besideExe, ec);
    if (besideExists ? CanWriteFile(besideExe) : CanCreateFilesIn(exeDir)) {
        return besideExe;
    }
    // A table beside the program that we may not write (left by an elevated
    // run or another user) is where this player's own table starts, so no
    // entry earned there is lost; after that the copy lives on its own.
    fs::create_directories(dataDir, ec);
    const fs::path own = dataDir / ScoresFileName;
    if (besideExists && !fs::exists(own, ec)) {
        fs::copy_file(besideExe, own, ec);
    }
    return own;
}

}  // namespace brixel
