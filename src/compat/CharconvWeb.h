#pragma once

// Emscripten 3.1.6's C++ library (libc++ of LLVM 14) converts only integers
// with std::to_chars and std::from_chars. The game reads and writes its
// decimal numbers with the floating-point forms, so the web build includes
// this header ahead of every source, and it supplies those forms from the C
// library's conversions. They behave like the standard ones for what the game
// asks of them: the shortest text that reads back as the same double, and
// reading without regard to a locale (a browser's C library has only the "C" one).

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general)
{
    // strtod also takes blanks and a plus sign first, which from_chars refuses.
    if (first == last || *first == '+' || *first == ' ' || *first == '\t' || *first == '\n') {
        return {first, errc::invalid_argument};
    }
    const string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double parsed = strtod(text.c_str(), &end);
    const char* stop = first + (end - text.c_str());
    if (stop == first) {
        return {first, errc::invalid_argument};
    }
    // strtod reports a tiny number it can still hold (a subnormal) as out of
    // range too; from_chars only one that became zero or infinite.
    if (errno == ERANGE && (parsed == 0.0 || parsed > 1.0 || parsed < -1.0)) {
        return {stop, errc::result_out_of_range};
    }
    value = parsed;
    return {stop, errc{}};
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format)
{
    // The shortest digits that read back as the same double: those of the
    // first precision whose scientific form does.
    char scientific[48];
    for (int precision = 0; precision <= 17; ++precision) {
        snprintf(scientific, sizeof scientific, "%.*e", precision, value);
        if (strtod(scientific, nullptr) == value) {
            break;
        }
    }
    const char* mark = strchr(scientific, 'e');
    const int exponent = atoi(mark + 1);
    string digits;
    for (const char* c = scientific; c != mark; ++c) {
        if (*c >= '0' && *c <= '9') {
            digits += *c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int count = static_cast<int>(digits.size());
    // The general form is scientific where printf's %g would be at its
    // default precision, as GCC's library decides.
    const bool useScientific = format == chars_format::scientific ||
                               (format == chars_format::general && (exponent < -4 || exponent >= 6));
    string text = value < 0 ? "-" : "";
    if (useScientific) {
        text += digits.substr(0, 1);
        if (count > 1) {
            text += '.' + digits.substr(1);
        }
        char tail[8];
        snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
        text += tail;
    } else if (count <= exponent + 1) {
        // A whole number is written out exactly, every digit of its double.
        char whole[320];
        snprintf(whole, sizeof whole, "%.0f", value);
        text = whole;
    } else if (exponent >= 0) {
        text += digits.substr(0, static_cast<size_t>(exponent) + 1) + '.' +
                digits.substr(static_cast<size_t>(exponent) + 1);
    } else {
        text += "0." + string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    if (text.size() > static_cast<size_t>(last - first)) {
        return {last, errc::value_too_large};
    }
    memcpy(first, text.data(), text.size());
    return {first + text.size(), errc{}};
}

}  // namespace std
