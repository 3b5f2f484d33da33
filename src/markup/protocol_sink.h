#pragma once
// Where the encoded bytes of a protocol go: a file, memory, or a sink that fails on purpose.

#include <string>
#include <string_view>
#include <utility>

namespace orsvelt {

class ProtocolSink {
 public:
  virtual ~ProtocolSink() = default;

  // Appends bytes. False once the sink has failed; ErrorText says why.
  virtual bool Write(std::string_view bytes) = 0;

  // Makes everything written the finished protocol. False (with ErrorText) when it could
  // not; a failed sink never commits.
  virtual bool Commit() = 0;

  // Empty until the sink fails.
  const std::string& ErrorText() const { return error_; }
  bool Failed() const { return !error_.empty(); }

 protected:
  // Records the first failure only: later ones are usually its consequences.
  bool Fail(std::string text) {
    if (error_.empty()) error_ = text.empty() ? std::string("ошибка записи") : std::move(text);
    return false;
  }

 private:
  std::string error_;
};

}  // namespace orsvelt
