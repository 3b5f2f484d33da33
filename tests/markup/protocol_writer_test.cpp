#include "markup/protocol_writer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/failing_sink.h"
#include "support/memory_sink.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

// Records the size of every write, to see that output streams in chunks.
class CountingSink : public ProtocolSink {
 public:
  bool Write(std::string_view bytes) override {
    sizes.push_back(bytes.size());
    total += bytes.size();
    return true;
  }
  bool Commit() override { return true; }
  std::vector<std::size_t> sizes;
  std::size_t total = 0;
};

TEST(ProtocolWriter, LinesEndWithCrLfAndPiecesJoin) {
  MemorySink sink;
  ProtocolWriter out(sink);
  out.Put("<td>");
  out.Line("x");
  out.Line();
  const std::string value = "v";
  out.Line("    <td rowspan=\"", std::to_string(3), "\">", value, "</td>");
  ASSERT_TRUE(out.Finish());
  EXPECT_EQ(sink.Bytes(), "<td>x\r\n\r\n    <td rowspan=\"3\">v</td>\r\n");
  EXPECT_TRUE(sink.Committed());
}

TEST(ProtocolWriter, EncodesWindows1251WithReferencesForTheRest) {
  MemorySink sink;
  ProtocolWriter out(sink);
  out.Line("Жё№ ✓");
  ASSERT_TRUE(out.Finish());
  EXPECT_EQ(sink.Bytes(), "\xC6\xB8\xB9 &#10003;\r\n");
}

// Every chunk size puts a boundary inside some character; the result must be the same as
// encoding the whole text at once, malformed bytes included.
TEST(ProtocolWriter, ChunkBoundaryNeverSplitsACharacter) {
  const std::string text = "aЖ€✓😀bД\xD0" "A\xE2\x82" "B\x80Ёz\xF0\x9F";
  const std::string expected = Utf8ToCp1251(text);
  for (std::size_t chunk = 1; chunk <= text.size() + 1; ++chunk) {
    for (bool bytewise : {false, true}) {
      MemorySink sink;
      ProtocolWriter out(sink, chunk);
      if (bytewise) {
        for (char c : text) out.Put(std::string_view(&c, 1));
      } else {
        out.Put(text);
      }
      ASSERT_TRUE(out.Finish());
      EXPECT_EQ(sink.Bytes(), expected) << "chunk " << chunk << (bytewise ? ", byte by byte" : "");
    }
  }
}

// A chunk is encoded in slices; wherever a slice ends, the bytes must be those of encoding
// the whole text at once.
TEST(ProtocolWriter, LargeChunksEncodeAsTheWholeText) {
  const std::string pattern = "aЖ€✓😀bД\xD0" "A\xE2\x82" "B\x80Ёz\xF0\x9F";
  for (std::size_t shift = 0; shift < pattern.size(); ++shift) {
    std::string text(shift, 'x');
    while (text.size() < 700 * 1024) text += pattern;
    MemorySink sink;
    ProtocolWriter out(sink, 2 * 1024 * 1024);
    out.Put(text);
    ASSERT_TRUE(out.Finish());
    EXPECT_EQ(sink.Bytes(), Utf8ToCp1251(text)) << "shift " << shift;
  }
}

TEST(ProtocolWriter, LargeOutputStreamsInChunks) {
  CountingSink sink;
  ProtocolWriter out(sink);
  std::string line;
  for (int i = 0; i < 100; ++i) line += "Ж";  // 200 UTF-8 bytes, 100 encoded
  const std::size_t lines = 40000;     // 8 MB of text
  for (std::size_t i = 0; i < lines; ++i) out.Line(line);
  ASSERT_TRUE(out.Finish());
  EXPECT_EQ(sink.total, lines * 102);
  EXPECT_GE(sink.sizes.size(), 7u);
  for (std::size_t size : sink.sizes) EXPECT_LE(size, ProtocolWriter::kDefaultChunkBytes);
}

TEST(ProtocolWriter, FailureStopsOutputAndIsReportedAtFinish) {
  MemorySink file;
  FailingSink sink(10, &file);
  ProtocolWriter out(sink, 4);
  out.Line("0123456789abcdef");
  EXPECT_FALSE(out.Ok());
  out.Line("more");
  EXPECT_FALSE(out.Finish());
  EXPECT_EQ(out.ErrorText(), FailingSink::kErrorText);
  EXPECT_EQ(sink.Bytes(), "0123456789");
  EXPECT_EQ(file.Bytes(), "0123456789");
  EXPECT_FALSE(file.Committed());
}

TEST(ProtocolWriter, FailureInTheLastChunkIsReported) {
  FailingSink sink(5);
  ProtocolWriter out(sink);
  out.Line("12345");  // stays buffered until Finish, which then overflows the sink
  EXPECT_TRUE(out.Ok());
  EXPECT_FALSE(out.Finish());
  EXPECT_EQ(out.ErrorText(), FailingSink::kErrorText);
}

TEST(ProtocolWriter, OutputThatFitsTheFailingSinkSucceeds) {
  MemorySink file;
  FailingSink sink(100, &file);
  ProtocolWriter out(sink);
  out.Line("fits");
  EXPECT_TRUE(out.Finish());
  EXPECT_TRUE(out.ErrorText().empty());
  EXPECT_TRUE(file.Committed());
}

TEST(ProtocolWriter, FinishIsFinal) {
  MemorySink sink;
  ProtocolWriter out(sink);
  out.Line("a");
  ASSERT_TRUE(out.Finish());
  out.Line("late");
  EXPECT_TRUE(out.Finish());
  EXPECT_EQ(sink.Bytes(), "a\r\n");
}

}  // namespace
}  // namespace orsvelt
