#pragma once
// A sink that runs out of room after a given number of bytes, for the error paths of the
// writers. It can pass what fits on to another sink (a FileSink, to see the temporary file
// go away).

#include <cstddef>
#include <string>
#include <string_view>

#include "markup/protocol_sink.h"

namespace orsvelt {

class FailingSink : public ProtocolSink {
 public:
  // The error text every FailingSink reports.
  static constexpr std::string_view kErrorText = "Недостаточно места на диске";

  explicit FailingSink(std::size_t limit, ProtocolSink* forward = nullptr);

  // Takes what still fits, then fails like a full disk.
  bool Write(std::string_view bytes) override;
  bool Commit() override;

  // The bytes accepted before the failure.
  const std::string& Bytes() const { return bytes_; }

 private:
  std::size_t limit_;
  ProtocolSink* forward_;
  std::string bytes_;
};

}  // namespace orsvelt
