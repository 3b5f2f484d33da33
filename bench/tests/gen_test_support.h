#pragma once
// What the generator's tests share: loading a generated file into the model and running
// the command line programs.

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <sys/wait.h>

#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt::bench::gentest {

struct TLoaded {
  TXMLFile xml;
  TRSVFile file;
  bool parsed = false;
};

inline std::unique_ptr<TLoaded> Load(const std::filesystem::path& path) {
  auto l = std::make_unique<TLoaded>();
  l->parsed = l->xml.LoadFromFile(path) && l->xml.Parse() && l->xml.Root().Name() == "Файл";
  if (l->parsed) l->file.Load(l->xml.Root(), "");
  return l;
}

// Runs a command, returning its exit code and what it printed.
inline int RunCommand(const std::string& command, std::string& output) {
  output.clear();
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return -1;
  std::array<char, 4096> chunk;
  std::size_t n;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) output.append(chunk.data(), n);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string Quote(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace orsvelt::bench::gentest
