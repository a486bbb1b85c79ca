#include "settings/SettingsStore.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <QSaveFile>
#include <QString>

#include "settings/SettingsFile.h"

namespace brixel {

namespace {

// A missing file reads as empty text. False when the file exists but cannot
// be read, so the caller does not overwrite what it could not see.
bool ReadWholeFile(const std::filesystem::path& path, std::string& text)
{
    text.clear();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return true;
    }
    if (error || !std::filesystem::is_regular_file(status)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// QSaveFile writes a sibling file and renames it over the old one; it follows
// a link to the file it names, gives the new file the old one's permission
// bits and, with the fallback on, writes in place where the folder refuses
// the sibling. The player's own setup of the file thus survives every save.
bool WriteWholeFile(const std::filesystem::path& path, const std::string& text)
{
    QSaveFile file(QString::fromStdU16String(path.u16string()));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // A failed write is remembered; commit() then drops the sibling file and
    // leaves the old one as it was.
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

}  // namespace

bool SaveSettings(const Settings& settings, const std::filesystem::path& iniPath)
{
    return SaveSettings(settings, iniPath, iniPath);
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& iniPath,
                  const std::filesystem::path& basePath)
{
    std::string text;
    if (!ReadWholeFile(basePath, text)) {
        return false;
    }
    if (iniPath.has_parent_path()) {
        std::error_code ignored;
        std::filesystem::create_directories(iniPath.parent_path(), ignored);
    }
    return WriteWholeFile(iniPath, WriteSettingsText(text, settings));
}

Settings LoadSettings(const std::filesystem::path& iniPath)
{
    std::string text;
    if (!ReadWholeFile(iniPath, text)) {
        return {};
    }
    return ReadSettingsText(text);
}

}  // namespace brixel
