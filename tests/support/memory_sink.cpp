#include "support/memory_sink.h"

namespace orsvelt {

bool MemorySink::Write(std::string_view bytes) {
  bytes_.append(bytes);
  return true;
}

bool MemorySink::Commit() {
  committed_ = true;
  return true;
}

}  // namespace orsvelt
