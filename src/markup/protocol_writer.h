#pragma once
// The stream of UTF-8 text lines that a protocol writer produces, encoded to Windows-1251
// in large chunks on the way to its sink. The first failure of the sink stops all further
// output; writers check once, at Finish, and copy ErrorText.

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

#include "markup/protocol_sink.h"

namespace orsvelt {

class ProtocolWriter {
 public:
  static constexpr std::size_t kDefaultChunkBytes = std::size_t{1} << 20;

  // The writer does not own the sink. A small chunk size is for tests only.
  explicit ProtocolWriter(ProtocolSink& sink, std::size_t chunkBytes = kDefaultChunkBytes);
  ProtocolWriter(const ProtocolWriter&) = delete;
  ProtocolWriter& operator=(const ProtocolWriter&) = delete;

  // Appends text without a line end.
  void Put(std::string_view utf8) {
    if (failed_ || finished_) return;
    pending_.append(utf8);
    if (pending_.size() >= chunk_) Flush(false);
  }
  // Appends a value made safe for markup, as MarkupText does.
  void PutText(std::string_view utf8);
  // Ends the line: CR LF.
  void Line();
  // The text and CR LF.
  void Line(std::string_view utf8);
  // Pieces one after another, then CR LF. Pieces are texts only: numbers go through
  // std::to_string or FormatAmount*, so that an Amount is never printed as its raw integer.
  template <typename... Pieces>
    requires(sizeof...(Pieces) >= 2 && (std::convertible_to<const Pieces&, std::string_view> && ...))
  void Line(const Pieces&... pieces) {
    (Put(std::string_view(pieces)), ...);
    Line();
  }

  // False once the sink has failed.
  bool Ok() const { return !failed_; }

  // Writes out the rest and commits the sink. True when the whole protocol is in place.
  // Text put after Finish is ignored.
  bool Finish();

  // Why the protocol could not be written; empty while Ok.
  const std::string& ErrorText() const { return error_; }

 private:
  void Flush(bool final);
  void Failure();

  ProtocolSink& sink_;
  std::size_t chunk_;
  std::string pending_;
  std::string encoded_;  // kept between chunks: grown once, not zeroed again for each
  bool failed_ = false;
  bool finished_ = false;
  std::string error_;
};

}  // namespace orsvelt
