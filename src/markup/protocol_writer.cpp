#include "markup/protocol_writer.h"

#include <algorithm>

#include "markup/markup_text.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kEncodeSliceBytes = 256 * 1024;

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
  std::string().swap(encoded_);
  if (!failed_ && !sink_.Commit()) Failure();
  return !failed_;
}

void ProtocolWriter::Flush(bool final) {
  if (failed_ || pending_.empty()) return;
  const std::size_t cut = final ? pending_.size() : CompleteUtf8Prefix(pending_);
  if (cut == 0) return;
  // Encoded a slice at a time: the buffer stays small however much a chunk holds.
  std::string_view rest = std::string_view(pending_).substr(0, cut);
  while (!rest.empty()) {
    std::size_t slice = rest.size();
    if (slice > kEncodeSliceBytes) slice = CompleteUtf8Prefix(rest.substr(0, kEncodeSliceBytes));
    if (slice == 0) slice = rest.size();
    const std::size_t room = kMaxCp1251BytesPerUtf8Byte * slice;
    if (encoded_.size() < room) encoded_.resize(room);
    const char* const end = Utf8ToCp1251(rest.substr(0, slice), encoded_.data());
    if (!sink_.Write(std::string_view(encoded_.data(), static_cast<std::size_t>(end - encoded_.data())))) {
      Failure();
      return;
    }
    rest.remove_prefix(slice);
  }
  pending_.erase(0, cut);
}

void ProtocolWriter::Failure() {
  failed_ = true;
  error_ = sink_.ErrorText().empty() ? std::string("ошибка записи протокола") : sink_.ErrorText();
  std::string().swap(pending_);
  std::string().swap(encoded_);
}

}  // namespace orsvelt
