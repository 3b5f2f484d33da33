#pragma once
// File paths as the program's UTF-8 text, and back.

#include <filesystem>
#include <string>
#include <string_view>

namespace orsvelt {

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

inline std::filesystem::path Utf8ToPath(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace orsvelt
