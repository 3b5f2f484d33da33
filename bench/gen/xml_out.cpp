#include "xml_out.h"

#include <charconv>
#include <stdexcept>

#include "xml/codepage.h"

namespace orsvelt::bench {

namespace {
constexpr std::size_t kFlushSize = 1 << 20;
}

TXmlOut::TXmlOut(const std::filesystem::path& path) : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("cannot create " + path.string());
  buffer_.reserve(kFlushSize + 4096);
  buffer_ += "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
}

TXmlOut::~TXmlOut() {
  if (!finished_) {
    try {
      Finish();
    } catch (...) {
      // A destructor cannot report; Finish() is the call that does.
    }
  }
}

void TXmlOut::Indent() {
  buffer_ += '\n';
  buffer_.append(static_cast<std::size_t>(depth_) * 2, ' ');
}

TXmlOut& TXmlOut::Open(std::string_view name) {
  Indent();
  buffer_ += '<';
  buffer_ += name;
  return *this;
}

TXmlOut& TXmlOut::Attr(std::string_view name, std::string_view value) {
  if (value.empty()) return *this;
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  for (char c : value) {
    switch (c) {
      case '&': buffer_ += "&amp;"; break;
      case '<': buffer_ += "&lt;"; break;
      case '>': buffer_ += "&gt;"; break;
      case '"': buffer_ += "&quot;"; break;
      default: buffer_ += c;
    }
  }
  buffer_ += '"';
  return *this;
}

TXmlOut& TXmlOut::Int(std::string_view name, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  buffer_.append(digits, end);
  buffer_ += '"';
  return *this;
}

TXmlOut& TXmlOut::Money(std::string_view name, std::int64_t kopecks) {
  char text[32];
  char* p = text;
  std::uint64_t magnitude = kopecks < 0 ? 0 - static_cast<std::uint64_t>(kopecks) : static_cast<std::uint64_t>(kopecks);
  if (kopecks < 0) *p++ = '-';
  p = std::to_chars(p, text + sizeof text - 3, magnitude / 100).ptr;
  *p++ = '.';
  *p++ = static_cast<char>('0' + magnitude % 100 / 10);
  *p++ = static_cast<char>('0' + magnitude % 10);
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  buffer_.append(text, p);
  buffer_ += '"';
  return *this;
}

void TXmlOut::Leaf() {
  buffer_ += " />";
  MaybeFlush();
}

void TXmlOut::Body() {
  buffer_ += '>';
  ++depth_;
}

void TXmlOut::Close(std::string_view name) {
  --depth_;
  Indent();
  buffer_ += "</";
  buffer_ += name;
  buffer_ += '>';
  MaybeFlush();
}

void TXmlOut::MaybeFlush() {
  if (buffer_.size() >= kFlushSize) Flush();
}

// The buffer only ever ends after a whole UTF-8 character, so it converts on its own.
void TXmlOut::Flush() {
  const std::string bytes = Utf8ToCp1251(buffer_);
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  buffer_.clear();
  if (!out_) throw std::runtime_error("cannot write " + path_.string());
}

void TXmlOut::Finish() {
  finished_ = true;
  buffer_ += "\n";
  Flush();
  out_.close();
  if (!out_) throw std::runtime_error("cannot write " + path_.string());
}

}  // namespace orsvelt::bench
