#pragma once
// Protocol bytes as lines, and a line-by-line comparison that shows where two differ.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace orsvelt::test {

// Windows-1251 bytes whose every line ends in CR LF, as UTF-8 lines. A line end without CR
// or text after the last line end fails the current test.
std::vector<std::string> ProtocolLines(std::string_view cp1251Bytes);

// The lines of a UTF-8 text file (LF or CR LF).
std::vector<std::string> TextFileLines(const std::string& path);

// Success, or the first differing line with a few lines of context from both sides.
::testing::AssertionResult SameLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected);

// SameLines against a golden text file; ORSVELT_WRITE_GOLDEN=1 rewrites the file from the
// lines first (read every changed line before committing it).
::testing::AssertionResult SameLinesAsFile(const std::vector<std::string>& actual, const std::string& path);

// Index of the first line equal to text, or -1.
int LineIndex(const std::vector<std::string>& lines, std::string_view text, int from = 0);

}  // namespace orsvelt::test
