#include "support/test_support.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "xml/codepage.h"

namespace orsvelt::test {

std::filesystem::path DataDir() { return ORSVELT_TEST_DATA; }
std::filesystem::path ExamplesDir() { return ORSVELT_EXAMPLES; }
std::filesystem::path ReferenceDir() { return ORSVELT_SHARED_REFERENCE; }

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteCp1251(const std::filesystem::path& path, std::string_view utf8) {
  WriteBytes(path, Utf8ToCp1251(utf8));
}

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("orsvelt-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string NumbersSpoiled(std::string_view text, bool signedOrBare) {
  const auto digit = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "=\"") == 0) {
      std::size_t j = i + 2;
      if (signedOrBare && j < text.size() && text[j] == '-') ++j;
      const std::size_t digitsFrom = j;
      while (digit(j)) ++j;
      const bool integerPart = j > digitsFrom;
      if (j < text.size() && text[j] == '.' && digit(j + 1)) {
        ++j;
        while (digit(j)) ++j;
      }
      if ((integerPart || signedOrBare) && j < text.size() && text[j] == '"') {
        out += "=\"x\"";
        i = j + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace orsvelt::test
