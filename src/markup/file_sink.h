#pragma once
// A protocol file that appears only when complete: the bytes go to a temporary file beside
// the target, which Commit renames into place. A failure, or destruction without Commit,
// removes the temporary file; a file already at the target is then left as it was.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "markup/protocol_sink.h"

namespace orsvelt {

class FileSink : public ProtocolSink {
 public:
  // Creates the temporary file at once; a failure shows in the first Write or in Commit.
  explicit FileSink(std::filesystem::path target);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  bool Write(std::string_view bytes) override;
  // Closes the temporary file and renames it to the target, replacing an older file.
  bool Commit() override;

  const std::filesystem::path& Target() const { return target_; }
  // Empty once committed or cleaned up.
  const std::filesystem::path& TempPath() const { return temp_; }

 private:
  bool FailAndClean(std::string_view action, std::string reason);
  void RemoveTemp();

  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::ofstream out_;
  bool committed_ = false;
};

// A small file written whole through a FileSink; false with the reason in error.
bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes, std::string& error);

}  // namespace orsvelt
