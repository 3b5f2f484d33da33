// A whole check on a fuzzed main report with up to three fuzzed earlier reports in its
// folder, both protocols written; a protocol that its viewer could not open is a finding.
//
// Input layout: the files separated by the line "\n--8<--\n"; the first is the main report.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/check_run.h"
#include "support/html_check.h"
#include "support/workbook_check.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSeparator = "\n--8<--\n";

std::vector<std::string_view> SplitFiles(std::string_view input) {
  std::vector<std::string_view> parts;
  while (parts.size() < 3) {
    const auto at = input.find(kSeparator);
    if (at == std::string_view::npos) break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + kSeparator.size());
  }
  parts.push_back(input);
  return parts;
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path p = fs::temp_directory_path() / ("orsvelt-fuzz-" + std::to_string(getpid()));
    fs::create_directories(p);
    return p;
  }();
  return folder;
}

void Finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& folder = Folder();
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove_all(entry.path(), ec);

  const auto files = SplitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::ofstream out(folder / ("NO_RASCHSV_" + std::to_string(i) + ".xml"), std::ios::binary);
    out.write(files[i].data(), static_cast<std::streamsize>(files[i].size()));
  }

  for (const auto format : {orsvelt::ProtocolFormat::Html, orsvelt::ProtocolFormat::Workbook}) {
    orsvelt::CheckRequest request;
    request.report = folder / "NO_RASCHSV_0.xml";
    request.format = format;
    request.outputPath = folder / "protocol.out";
    request.runStamp = "01.01.2020 0:00:00";
    const orsvelt::CheckOutcome outcome = orsvelt::RunCheck(request);
    if (!outcome.ok) {
      if (outcome.message.empty()) Finding("a failed check without a message");
      if (fs::exists(request.outputPath)) Finding("a failed check left a protocol");
      continue;
    }
    const std::string bytes = ReadAll(outcome.protocol);
    const std::string problem = format == orsvelt::ProtocolFormat::Html ? orsvelt::CheckHtmlWellFormed(bytes)
                                                                        : orsvelt::CheckWorkbook(bytes);
    if (!problem.empty()) Finding(problem);
    fs::remove(outcome.protocol, ec);
  }
  // Nothing but the reports and the protocol may appear in the folder.
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("NO_RASCHSV_", 0) != 0) Finding("stray file " + name);
  }
  return 0;
}
