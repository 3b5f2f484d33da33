#include "protocol_lines.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "xml/codepage.h"

namespace orsvelt::test {

std::vector<std::string> ProtocolLines(std::string_view cp1251Bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < cp1251Bytes.size()) {
    const std::size_t end = cp1251Bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "text after the last CR LF: " << cp1251Bytes.substr(start, 80);
      break;
    }
    const std::string_view line = cp1251Bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string_view::npos) ADD_FAILURE() << "a bare line end in line " << lines.size() + 1;
    lines.push_back(Cp1251ToUtf8(line));
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> TextFileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.is_open()) << path;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

::testing::AssertionResult SameLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
  const std::size_t common = std::min(actual.size(), expected.size());
  std::size_t i = 0;
  while (i < common && actual[i] == expected[i]) ++i;
  if (i == common && actual.size() == expected.size()) return ::testing::AssertionSuccess();

  auto show = [&](const std::vector<std::string>& lines, const char* side) {
    std::ostringstream out;
    const std::size_t from = i >= 2 ? i - 2 : 0;
    for (std::size_t k = from; k < std::min(lines.size(), i + 3); ++k)
      out << "  " << side << (k == i ? " >" : "  ") << (k + 1) << ": " << lines[k] << "\n";
    if (i >= lines.size()) out << "  " << side << " >" << (i + 1) << ": <end>\n";
    return out.str();
  };
  return ::testing::AssertionFailure() << "first difference at line " << (i + 1) << " (" << actual.size() << " lines written, "
                                       << expected.size() << " expected)\n"
                                       << show(expected, "expected") << show(actual, "written ");
}

int LineIndex(const std::vector<std::string>& lines, std::string_view text, int from) {
  for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < lines.size(); ++i)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

::testing::AssertionResult SameLinesAsFile(const std::vector<std::string>& actual, const std::string& path) {
  if (const char* write = std::getenv("ORSVELT_WRITE_GOLDEN"); write && std::string_view(write) == "1") {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : actual) file << line << '\n';
  }
  return SameLines(actual, TextFileLines(path));
}

}  // namespace orsvelt::test
