#pragma once
// Line-by-line comparison of protocol output with golden text, with a readable diff.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "markup/protocol_writer.h"
#include "support/memory_sink.h"
#include "xml/codepage.h"

namespace orsvelt::test {

// Splits Windows-1251 protocol bytes at CR LF, decoded to UTF-8. A bare CR or LF is kept
// in its line, so that a missing CR shows up as a mismatch.
inline std::vector<std::string> ProtocolLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(Cp1251ToUtf8(bytes.substr(start)) + "<no CR LF>");
      break;
    }
    lines.push_back(Cp1251ToUtf8(bytes.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

// Golden text written with "\n" line ends.
inline std::vector<std::string> GoldenLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

inline ::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                            const std::vector<std::string>& expected) {
  const std::size_t common = std::min(actual.size(), expected.size());
  for (std::size_t i = 0; i < common; ++i)
    if (actual[i] != expected[i])
      return ::testing::AssertionFailure() << "line " << i + 1 << "\n  actual:   [" << actual[i]
                                           << "]\n  expected: [" << expected[i] << "]";
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " lines, expected " << expected.size() << "; first extra: ["
                                         << (actual.size() > common ? actual[common] : expected[common]) << "]";
  return ::testing::AssertionSuccess();
}

// Runs a writing function against memory and returns the encoded bytes.
template <typename Write>
std::string WrittenBytes(Write write) {
  MemorySink sink;
  ProtocolWriter out(sink);
  write(out);
  EXPECT_TRUE(out.Finish()) << out.ErrorText();
  return sink.Bytes();
}

}  // namespace orsvelt::test
