#include "settings/ProfileFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace brixel {
namespace {

struct WriteCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(ProfileFile, WriteEditsOnlyTheOneLine)
{
    const std::vector<WriteCase> cases = {
        {"empty text gets a CRLF section", "", "Brixel32", "Fill Lines", "True",
         "[Brixel32]\r\nFill Lines=True\r\n"},
        {"key replaced in place", "[A]\nx=1\ny=2\n", "A", "x", "5", "[A]\nx=5\ny=2\n"},
        {"odd spacing and case replaced by the caller's spelling", "[a]\n  X  =  1 \nz=0\n", "A", "x", "5",
         "[a]\nx=5\nz=0\n"},
        {"CRLF key replaced, line break kept", "[A]\r\nx=1\r\ny=2\r\n", "a", "Y", "7", "[A]\r\nx=1\r\nY=7\r\n"},
        {"unterminated last key replaced without adding a break", "[A]\nx=1", "A", "x", "2", "[A]\nx=2"},
        {"missing key after the last key, before blanks and the next section's comment",
         "[A]\nx=1\n\n; about B\n[B]\nz=3\n", "A", "y", "2", "[A]\nx=1\ny=2\n\n; about B\n[B]\nz=3\n"},
        {"missing key in CRLF text", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n"},
        {"missing key in a section without keys goes under its header", "[A]\n\n[B]\n", "A", "y", "2",
         "[A]\ny=2\n\n[B]\n"},
        {"a line without '=' is part of its section: a missing key goes after it",
         "[A]\nx=1\nmy own note\n\n[B]\n", "A", "y", "2", "[A]\nx=1\nmy own note\ny=2\n\n[B]\n"},
        {"a commented-out key does not count", "[A]\n;x=1\n", "A", "x", "5", "[A]\nx=5\n;x=1\n"},
        {"missing key at an unterminated end", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"same key in another section untouched", "[B]\nx=1\n[A]\n", "A", "x", "5", "[B]\nx=1\n[A]\nx=5\n"},
        {"missing section after one blank line", "[A]\nx=1\n", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"missing section when the text already ends blank", "[A]\nx=1\n\n", "B", "y", "2",
         "[A]\nx=1\n\n[B]\ny=2\n"},
        {"missing section at an unterminated end", "[A]\nx=1", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"text without a line break gets CRLF", "; note", "B", "y", "2", "; note\r\n\r\n[B]\r\ny=2\r\n"},
        {"blanks inside the brackets and a comment after them", "[ A ] ; mine\nx=1\n", "A", "x", "5",
         "[ A ] ; mine\nx=5\n"},
        {"first of two equal sections and keys", "[A]\nx=1\nx=2\n[a]\nx=3\n", "A", "X", "9",
         "[A]\nX=9\nx=2\n[a]\nx=3\n"},
        {"'[' without ']' is no header", "[A\nx=1\n", "A", "x", "5", "[A\nx=1\n\n[A]\nx=5\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "5", "\xEF\xBB\xBF[A]\nx=5\n"},
        {"empty value", "[A]\nx=1\n", "A", "x", "", "[A]\nx=\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WriteProfileString(c.before, c.section, c.key, c.value), c.after) << c.what;
    }
}

TEST(ProfileFile, WriteRefusesWhatDoesNotFitOnALine)
{
    const std::string text = "[A]\nx=1\n";
    EXPECT_EQ(WriteProfileString(text, "", "x", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A]", "x", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A\nB", "x", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", "", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", "   ", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", "x=y", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", ";x", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", "[x]", "1"), text);
    EXPECT_EQ(WriteProfileString(text, "A", "x", "1\r\n[B]"), text);
}

TEST(ProfileFile, ReadFindsTrimmedValues)
{
    const std::string text =
        "; x=comment\r\n"
        "[Other]\r\n"
        "x=other\r\n"
        "  [ a ]  \r\n"
        "broken line\r\n"
        "  X  =  spaced value \t\r\n"
        "eq=a=b\r\n"
        "empty=\r\n"
        "x=second\r\n"
        "[A]\r\n"
        "late=1\r\n";
    EXPECT_EQ(ReadProfileString(text, "A", "x"), "spaced value");
    EXPECT_EQ(ReadProfileString(text, "other", "X"), "other");
    EXPECT_EQ(ReadProfileString(text, "A", "eq"), "a=b");
    EXPECT_EQ(ReadProfileString(text, "A", "empty"), "");
    EXPECT_EQ(ReadProfileString(text, "A", "broken line"), std::nullopt);
    EXPECT_EQ(ReadProfileString(text, "A", "late"), std::nullopt);
    EXPECT_EQ(ReadProfileString(text, "A", "missing"), std::nullopt);
    EXPECT_EQ(ReadProfileString(text, "Missing", "x"), std::nullopt);
    EXPECT_EQ(ReadProfileString("", "A", "x"), std::nullopt);
}

// Texts stitched together from pieces that stress the parser: headers with and
// without brackets, stray separators, NULs, high bytes and all kinds of breaks.
std::string DamagedText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "[Brixel32]", "[other]", "[", "]", "Fill Lines", "=", ";", " ", "\t", "\n", "\r\n", "\r",
        std::string(1, '\0'), "\xff\xfe", "\xEF\xBB\xBF", "x", "True",
    };
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) {
        text += pieces[pick(random)];
    }
    return text;
}

TEST(ProfileFile, DamagedTextStillTakesAndGivesTheKey)
{
    std::mt19937 random(20240611);
    std::vector<std::string> texts = {std::string(1 << 20, 'x'), std::string(4096, '\0'), "[[[[", "]]]]=", "=\n=\n"};
    for (int i = 0; i < 2000; ++i) {
        texts.push_back(DamagedText(random));
    }
    for (const std::string& text : texts) {
        const std::string written = WriteProfileString(text, "Brixel32", "Fill Lines", "False");
        ASSERT_EQ(ReadProfileString(written, "Brixel32", "Fill Lines"), "False") << testing::PrintToString(text);
        ASSERT_EQ(WriteProfileString(written, "Brixel32", "Fill Lines", "False"), written)
            << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace brixel
