#include "highscores/NameCodePage.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

// Windows' own conversion with its ANSI code page, as the system's 8-bit text
// calls use it.

QString NameFromBytes(std::string_view bytes)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return QString::fromStdWString(wide);
}

std::string NameToBytes(const QString& name)
{
    const std::wstring wide = name.toStdWString();
    if (wide.empty()) {
        return {};
    }
    // No "best fit": a character the code page lacks becomes '?' rather than a
    // look-alike. A UTF-8 code page takes neither the flag nor a default character.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = utf8 ? nullptr : "?";
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, fallback, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), size, bytes.data(), length, fallback, nullptr);
    return bytes;
}
