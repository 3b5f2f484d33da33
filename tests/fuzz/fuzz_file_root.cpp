// Bytes into a file root of either format: loading reports faults as messages only.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orsvelt::TXMLFile xml;
  xml.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  if (!xml.Parse()) return 0;
  orsvelt::TRSVFile file;
  const bool ok = file.Load(xml.Root(), "");
  if (ok != file.Errors.empty()) __builtin_trap();
  return 0;
}
