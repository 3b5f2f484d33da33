#include "markup/protocol_writer.h"

#include <algorithm>

#include "markup/markup_text.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The longest prefix that does not end inside a UTF-8 sequence, so that a chunk boundary
// never splits a character (which would become two "?" instead of one letter).
std::size_t CompleteUtf8Prefix(std::string_view text) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

}  // namespace

ProtocolWriter::ProtocolWriter(ProtocolSink& sink, std::size_t chunkBytes)
    : sink_(sink), chunk_(std::max<std::size_t>(chunkBytes, 1)) {
  pending_.reserve(std::min(chunk_, kDefaultChunkBytes) + 64);
}

void ProtocolWriter::PutText(std::string_view utf8) { PutMarkupText(*this, utf8); }

void ProtocolWriter::Line() { Put(kLineEnd); }

void ProtocolWriter::Line(std::string_view utf8) {
  Put(utf8);
  Put(kLineEnd);
}

bool ProtocolWriter::Finish() {
  if (finished_) return !failed_;
  Flush(true);
  finished_ = true;
  encoded_ = {};
  if (!failed_ && !sink_.Commit()) Failure();
  return !failed_;
}

void ProtocolWriter::Flush(bool final) {
  if (failed_ || pending_.empty()) return;
  const std::size_t cut = final ? pending_.size() : CompleteUtf8Prefix(pending_);
  if (cut == 0) return;
  const std::size_t room = kMaxCp1251BytesPerUtf8Byte * cut;
  if (encoded_.size() < room) encoded_.resize(room);
  const char* const end = Utf8ToCp1251(std::string_view(pending_).substr(0, cut), encoded_.data());
  pending_.erase(0, cut);
  if (!sink_.Write(std::string_view(encoded_.data(), static_cast<std::size_t>(end - encoded_.data())))) Failure();
}

void ProtocolWriter::Failure() {
  failed_ = true;
  error_ = sink_.ErrorText().empty() ? std::string("ошибка записи протокола") : sink_.ErrorText();
  pending_ = {};
  encoded_ = {};
}

}  // namespace orsvelt
