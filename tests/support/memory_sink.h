#pragma once
// A protocol kept in memory, for tests and fuzzing.

#include <string>
#include <string_view>

#include "markup/protocol_sink.h"

namespace orsvelt {

class MemorySink : public ProtocolSink {
 public:
  bool Write(std::string_view bytes) override;
  bool Commit() override;

  // The Windows-1251 bytes written so far.
  const std::string& Bytes() const { return bytes_; }
  bool Committed() const { return committed_; }

 private:
  std::string bytes_;
  bool committed_ = false;
};

}  // namespace orsvelt
