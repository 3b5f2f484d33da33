#pragma once
// A streaming writer of indented XML in Windows-1251: the text is built in UTF-8 in a small
// buffer and converted and written out whenever the buffer fills, so a report of any size
// needs only the buffer's memory.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace orsvelt::bench {

class TXmlOut {
 public:
  // Opens the file and writes the declaration; throws std::runtime_error when it cannot.
  explicit TXmlOut(const std::filesystem::path& path);
  ~TXmlOut();
  TXmlOut(const TXmlOut&) = delete;
  TXmlOut& operator=(const TXmlOut&) = delete;

  // "<name" on a new line; then attributes; then either Leaf() or Body() ... Close(name).
  TXmlOut& Open(std::string_view name);
  TXmlOut& Attr(std::string_view name, std::string_view value);  // escaped; empty value skipped
  TXmlOut& Int(std::string_view name, std::int64_t value);
  TXmlOut& Money(std::string_view name, std::int64_t kopecks);  // "1234.56"
  void Leaf();   // " />"
  void Body();   // ">", children follow
  void Close(std::string_view name);

  // Writes out what is buffered and closes the file; throws when the disk refused anything.
  void Finish();

 private:
  void Indent();
  void MaybeFlush();
  void Flush();

  std::filesystem::path path_;
  std::ofstream out_;
  std::string buffer_;
  int depth_ = 0;
  bool finished_ = false;
};

}  // namespace orsvelt::bench
