// Format control of reports against one schema, timed: for comparing with
// `xmllint --noout --schema SCHEMA FILE`.
//
//   orsvelt-bench-format SCHEMA FILE...
//
// Prints each file's findings (kind, line, code, path, message) and the seconds it took.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "analysis/format_control/format_control.h"
#include "xml/path_text.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: orsvelt-bench-format SCHEMA FILE...\n");
    return 2;
  }
  using Clock = std::chrono::steady_clock;
  const auto loadStart = Clock::now();
  std::string error;
  const auto schema = orsvelt::FormatSchema::Load(argv[1], error);
  if (!schema) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::printf("schema loaded in %.3f s, %zu asserts\n",
              std::chrono::duration<double>(Clock::now() - loadStart).count(), schema->Rules().AssertCount());
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path file = argv[i];
    const auto start = Clock::now();
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const orsvelt::FormatControlResult result = schema->Check(bytes, orsvelt::PathToUtf8(file.filename()));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const orsvelt::FormatFinding& f : result.findings) {
      std::printf("  %s | line %ld | %s | %s | %s\n", f.title.c_str(), f.line, f.code.c_str(), f.path.c_str(),
                  f.message.c_str());
    }
    std::printf("%s: %zu findings, %.3f s\n", argv[i], result.findings.size(), seconds);
  }
  return 0;
}
