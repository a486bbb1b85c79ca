#include "highscores/NameCodePage.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Bytes 0x80 to 0x9F, where Windows-1252 has printable characters and
// Latin-1 control codes. The five bytes Windows-1252 leaves free map to the
// control codes as on Windows itself; every other byte is its Latin-1 self.
constexpr std::array<char16_t, 32> HighBytes = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

char16_t CharOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighBytes[byte - 0x80] : char16_t{byte};
}

char ByteOf(char16_t c)
{
    const auto high = std::find(HighBytes.begin(), HighBytes.end(), c);
    if (high != HighBytes.end()) {
        return static_cast<char>(0x80 + std::distance(HighBytes.begin(), high));
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    return '?';
}

}  // namespace

QString NameFromBytes(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text.append(QChar(CharOf(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string NameToBytes(const QString& name)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A character beyond the first 65536 takes two UTF-16 units but is one
        // character, so one '?'.
        if (name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(ByteOf(name.at(i).unicode()));
    }
    return bytes;
}
