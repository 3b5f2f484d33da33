#pragma once
// Helpers shared by all test programs: fixture paths, temporary folders, file bytes.

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace orsvelt::test {

// tests/data, examples/ and ../shared/reference of the source tree.
std::filesystem::path DataDir();
std::filesystem::path ExamplesDir();
std::filesystem::path ReferenceDir();

// Whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Every attribute value of the form ="123" or ="123.45" replaced by ="x"; with signedOrBare
// also ="-1", =".5", ="-" and the empty ="" (what a reader may still take for a number).
std::string NumbersSpoiled(std::string_view text, bool signedOrBare = false);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// A UTF-8 text written as Windows-1251 bytes (for report fixtures made inside a test).
void WriteCp1251(const std::filesystem::path& path, std::string_view utf8);

// A fresh folder below the system temp folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

 private:
  std::filesystem::path path_;
};

}  // namespace orsvelt::test

// Skips the current test when the shared reference folder is not beside the project.
#define ORSVELT_REQUIRE_REFERENCE()                                                   \
  do {                                                                                \
    if (!std::filesystem::is_directory(::orsvelt::test::ReferenceDir()))              \
      GTEST_SKIP() << "reference folder absent: " << ::orsvelt::test::ReferenceDir(); \
  } while (0)
