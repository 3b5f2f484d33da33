// The one run of a protocol writer: what each way of failing leaves as the reason.

#include <new>
#include <stdexcept>

#include <gtest/gtest.h>

#include "analysis/common/protocol_file.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

// A sink whose Write throws what it is given, as a device or an allocation may.
template <class Error>
class ThrowingSink : public ProtocolSink {
 public:
  bool Write(std::string_view) override { throw Error(); }
  bool Commit() override { return true; }
};

struct Thrown : std::runtime_error {
  Thrown() : std::runtime_error("сбой устройства") {}
};

bool WriteOneLine(ProtocolSink& sink, std::string& error) {
  return WriteProtocol(sink, [](ProtocolWriter& out) { out.Line("<html>"); }, error);
}

TEST(ProtocolFile, EachFailureGivesItsReason) {
  std::string error;
  ThrowingSink<std::bad_alloc> noMemory;
  EXPECT_FALSE(WriteOneLine(noMemory, error));
  EXPECT_EQ(error, "Недостаточно памяти для формирования протокола.");

  ThrowingSink<Thrown> device;
  EXPECT_FALSE(WriteOneLine(device, error));
  EXPECT_EQ(error, "сбой устройства");

  ThrowingSink<int> odd;
  EXPECT_FALSE(WriteOneLine(odd, error));
  EXPECT_EQ(error, "Неизвестная ошибка при формировании протокола.");
}

TEST(ProtocolFile, OutOfMemoryIntoAFileKeepsTheOlderProtocol) {
  TempDir dir;
  const std::filesystem::path target = dir / "prot.html";
  WriteBytes(target, "older protocol");
  std::string error;
  EXPECT_FALSE(WriteProtocolFile(target, [](ProtocolWriter&) { throw std::bad_alloc(); }, error));
  EXPECT_EQ(error, "Недостаточно памяти для формирования протокола.");
  EXPECT_EQ(ReadBytes(target), "older protocol");
}

}  // namespace
}  // namespace orsvelt::test
