// Writing a 5.01 protocol into a file: complete or not at all, with the reason in ErrorText.

#include <stdexcept>

#include "analysis/common/protocol_file.h"
#include "analysis/prot501/prot501_writers.h"
#include "support/failing_sink.h"
#include "markup/file_sink.h"
#include "support/test_support.h"
#include "writer_test_data.h"

namespace orsvelt::test {
namespace {

TRSV501Prot SmallProt() {
  TRSV501Prot prot;
  static_cast<TRSV501ProtData&>(prot) = SmallReport();
  return prot;
}

std::size_t FilesIn(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(Protocol501File, BothWritersWriteWhatTheyWriteToMemory) {
  TempDir dir;
  TRSV501Prot prot = SmallProt();
  ProtocolHeader header;
  header.runStamp = prot.RunStamp();
  ASSERT_TRUE(prot.WriteHtml(dir / "prot.html")) << prot.ErrorText();
  ASSERT_TRUE(prot.WriteSpreadsheet(dir / "prot.xml")) << prot.ErrorText();
  EXPECT_EQ(ReadBytes(dir / "prot.html"), PageOf(prot, header));
  EXPECT_EQ(ReadBytes(dir / "prot.xml"), WorkbookOf(prot, header));
  EXPECT_EQ(FilesIn(dir.path()), 2u);
}

TEST(Protocol501File, UnwritableFolderFailsWithAReason) {
  TempDir dir;
  TRSV501Prot prot = SmallProt();
  for (const char* name : {"prot.html", "prot.xml"}) {
    const std::filesystem::path path = dir / "missing" / name;
    const bool ok = std::string_view(name).ends_with(".html") ? prot.WriteHtml(path) : prot.WriteSpreadsheet(path);
    EXPECT_FALSE(ok);
    EXPECT_NE(prot.ErrorText().find("Не удалось создать файл протокола"), std::string::npos) << prot.ErrorText();
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

// A disk that fills up at any point: never a committed protocol, always the sink's reason.
TEST(Protocol501File, FullDiskAtAnyPointLeavesNoFile) {
  const TRSV501ProtData d = SmallReport();
  const ProtocolHeader header = TestHeader();
  const std::function<void(ProtocolWriter&)> writers[] = {
      [&](ProtocolWriter& out) { WriteHtmlProtocol501(out, d, header); },
      [&](ProtocolWriter& out) { WriteWorkbookProtocol501(out, d, header); },
  };
  for (const auto& write : writers) {
    const std::size_t size = WrittenBytes(write).size();
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, size / 2, size - 1}) {
      SCOPED_TRACE(limit);
      TempDir dir;
      const std::filesystem::path target = dir / "prot.out";
      {
        FileSink file(target);
        FailingSink sink(limit, &file);
        std::string error;
        EXPECT_FALSE(WriteProtocol(sink, write, error));
        EXPECT_EQ(error, FailingSink::kErrorText);
      }
      EXPECT_EQ(FilesIn(dir.path()), 0u);
    }
  }
}

// An error raised halfway (here thrown by the writing itself) is caught, and an older
// protocol of that name stays as it was.
TEST(Protocol501File, ExceptionWhileWritingKeepsTheOlderFile) {
  TempDir dir;
  const std::filesystem::path target = dir / "prot.html";
  WriteBytes(target, "older protocol");
  std::string error;
  const bool ok = WriteProtocolFile(
      target,
      [](ProtocolWriter& out) {
        WriteHtmlProtocol501(out, SmallReport(), TestHeader());
        throw std::runtime_error("сбой при записи");
      },
      error);
  EXPECT_FALSE(ok);
  EXPECT_EQ(error, "сбой при записи");
  EXPECT_EQ(ReadBytes(target), "older protocol");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace orsvelt::test
