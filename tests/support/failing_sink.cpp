#include "support/failing_sink.h"

namespace orsvelt {

FailingSink::FailingSink(std::size_t limit, ProtocolSink* forward) : limit_(limit), forward_(forward) {}

bool FailingSink::Write(std::string_view bytes) {
  if (Failed()) return false;
  const std::size_t room = limit_ - bytes_.size();
  const std::string_view taken = bytes.substr(0, room);
  bytes_.append(taken);
  if (forward_ && !forward_->Write(taken)) return Fail(forward_->ErrorText());
  if (taken.size() < bytes.size()) return Fail(std::string(kErrorText));
  return true;
}

bool FailingSink::Commit() {
  if (Failed()) return false;
  if (forward_ && !forward_->Commit()) return Fail(forward_->ErrorText());
  return true;
}

}  // namespace orsvelt
