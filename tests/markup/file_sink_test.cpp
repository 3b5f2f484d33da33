#include "markup/file_sink.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "markup/protocol_writer.h"
#include "support/failing_sink.h"
#include "support/test_support.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(PathToUtf8(entry.path().filename()));
  return names;
}

TEST(FileSink, ProtocolAppearsOnlyWhenComplete) {
  TempDir dir;
  const fs::path target = dir / "prot.html";
  {
    FileSink sink(target);
    ProtocolWriter out(sink, 8);
    out.Line("Протокол, часть первая");
    EXPECT_FALSE(fs::exists(target));
    ASSERT_EQ(Entries(dir.path()).size(), 1u);
    EXPECT_EQ(sink.TempPath().parent_path(), dir.path());
    ASSERT_TRUE(out.Finish()) << out.ErrorText();
    EXPECT_TRUE(sink.TempPath().empty());
  }
  EXPECT_EQ(ReadBytes(target), "\xCF\xF0\xEE\xF2\xEE\xEA\xEE\xEB, \xF7\xE0\xF1\xF2\xFC \xEF\xE5\xF0\xE2\xE0\xFF\r\n");
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"prot.html"});
}

TEST(FileSink, ReplacesAnOlderProtocol) {
  TempDir dir;
  const fs::path target = dir / "prot.xml";
  WriteBytes(target, "old protocol, longer than the new one");
  FileSink sink(target);
  ProtocolWriter out(sink);
  out.Line("new");
  ASSERT_TRUE(out.Finish()) << out.ErrorText();
  EXPECT_EQ(ReadBytes(target), "new\r\n");
}

TEST(FileSink, CyrillicFileName) {
  TempDir dir;
  const fs::path target = dir.path() / Utf8ToPath("prot_07.12.2026_Расчёт.xml");
  FileSink sink(target);
  ProtocolWriter out(sink);
  out.Line("x");
  ASSERT_TRUE(out.Finish()) << out.ErrorText();
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"prot_07.12.2026_Расчёт.xml"});
}

TEST(FileSink, MissingFolderFailsWithoutLeavingAnything) {
  TempDir dir;
  const fs::path target = dir / "absent" / "prot.html";
  FileSink sink(target);
  ProtocolWriter out(sink);
  out.Line("text");
  EXPECT_FALSE(out.Finish());
  EXPECT_NE(out.ErrorText().find("Не удалось создать файл протокола"), std::string::npos) << out.ErrorText();
  EXPECT_NE(out.ErrorText().find(PathToUtf8(target)), std::string::npos) << out.ErrorText();
  // The system's reason reaches the user in Russian.
  EXPECT_TRUE(out.ErrorText().ends_with("\": нет такого файла или папки")) << out.ErrorText();
  EXPECT_TRUE(Entries(dir.path()).empty());
}

// A disk that fills up half-way: no temporary file, and an older protocol of the same name
// stays as it was rather than being half overwritten.
TEST(FileSink, FailureHalfWayLeavesNoFileAndKeepsTheOlderOne) {
  for (bool older : {false, true}) {
    TempDir dir;
    const fs::path target = dir / "prot.xml";
    if (older) WriteBytes(target, "older");
    {
      FileSink file(target);
      FailingSink sink(100, &file);
      ProtocolWriter out(sink, 16);
      for (int i = 0; i < 50; ++i) out.Line("line of the protocol");
      EXPECT_FALSE(out.Finish());
      EXPECT_EQ(out.ErrorText(), FailingSink::kErrorText);
    }
    if (older) {
      EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"prot.xml"});
      EXPECT_EQ(ReadBytes(target), "older");
    } else {
      EXPECT_TRUE(Entries(dir.path()).empty());
    }
  }
}

TEST(FileSink, WriterAbortedByAnExceptionLeavesNoFile) {
  TempDir dir;
  const fs::path target = dir / "prot.html";
  try {
    FileSink sink(target);
    ProtocolWriter out(sink);
    out.Line("begun");
    throw std::runtime_error("fault while writing");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(Entries(dir.path()).empty());
}

TEST(FileSink, TargetThatCannotBeReplacedFailsAtCommit) {
  TempDir dir;
  const fs::path target = dir / "prot.html";
  fs::create_directories(target / "occupied");
  FileSink sink(target);
  ProtocolWriter out(sink);
  out.Line("text");
  EXPECT_FALSE(out.Finish());
  EXPECT_NE(out.ErrorText().find("Не удалось сохранить файл протокола"), std::string::npos) << out.ErrorText();
  EXPECT_TRUE(out.ErrorText().ends_with("\": это папка")) << out.ErrorText();
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"prot.html"});
  EXPECT_TRUE(fs::is_directory(target));
}

TEST(FileSink, PathWithoutFileName) {
  TempDir dir;
  FileSink sink(dir.path() / "");
  ProtocolWriter out(sink);
  EXPECT_FALSE(out.Finish());
  EXPECT_FALSE(out.ErrorText().empty());
  EXPECT_TRUE(Entries(dir.path()).empty());
}

}  // namespace
}  // namespace orsvelt
