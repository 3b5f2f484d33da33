#include "xml/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace orsvelt {

namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char32_t CodePointOf(unsigned byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kUpperHalf[byte - 0x80];
  return 0x0410 + (byte - 0xC0);
}

// The bytes come first: a form is copied as four bytes, its length byte landing where the
// next form overwrites it.
struct Utf8Form {
  char bytes[3] = {};
  std::uint8_t length = 0;
};
static_assert(sizeof(Utf8Form) == 4);

constexpr std::array<Utf8Form, 256> MakeDecodeTable() {
  std::array<Utf8Form, 256> table{};
  for (unsigned b = 0; b < 256; ++b) {
    const char32_t cp = CodePointOf(b);
    Utf8Form& f = table[b];
    if (cp < 0x80) {
      f.length = 1;
      f.bytes[0] = static_cast<char>(cp);
    } else if (cp < 0x800) {
      f.length = 2;
      f.bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
      f.bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      f.length = 3;
      f.bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
      f.bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      f.bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return table;
}

constexpr auto kDecode = MakeDecodeTable();

// Byte of every code point below U+0800 that the code page holds (0: none; U+0000 is
// ASCII and never looked up here).
constexpr std::array<std::uint8_t, 0x800> MakeLowEncodeTable() {
  std::array<std::uint8_t, 0x800> table{};
  for (unsigned b = 0x80; b < 256; ++b) {
    const char32_t cp = CodePointOf(b);
    if (cp < 0x800) table[cp] = static_cast<std::uint8_t>(b);
  }
  return table;
}

constexpr auto kLowEncode = MakeLowEncodeTable();

int EncodeHigh(char32_t cp) {
  if (cp == 0xFFFD) return -1;  // stands for the unassigned 0x98, which is not a character
  for (unsigned i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at s[i] with its code point, or 0 when malformed.
std::size_t DecodeUtf8At(std::string_view s, std::size_t i, char32_t& cp) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = at(i);
  const std::size_t left = s.size() - i;
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  if (c >= 0xC2 && c <= 0xDF) {
    if (left < 2 || !IsContinuation(at(i + 1))) return 0;
    cp = (char32_t(c & 0x1F) << 6) | (at(i + 1) & 0x3F);
    return 2;
  }
  if (c >= 0xE0 && c <= 0xEF) {
    if (left < 3 || !IsContinuation(at(i + 1)) || !IsContinuation(at(i + 2))) return 0;
    const unsigned char c1 = at(i + 1);
    if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 > 0x9F)) return 0;  // overlong, surrogate
    cp = (char32_t(c & 0x0F) << 12) | (char32_t(c1 & 0x3F) << 6) | (at(i + 2) & 0x3F);
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (left < 4 || !IsContinuation(at(i + 1)) || !IsContinuation(at(i + 2)) ||
        !IsContinuation(at(i + 3)))
      return 0;
    const unsigned char c1 = at(i + 1);
    if ((c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 > 0x8F)) return 0;  // overlong, > 10FFFF
    cp = (char32_t(c & 0x07) << 18) | (char32_t(c1 & 0x3F) << 12) |
         (char32_t(at(i + 2) & 0x3F) << 6) | (at(i + 3) & 0x3F);
    return 4;
  }
  return 0;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// Eight bytes at p, all of them ASCII.
bool AsciiWord(const char* p, std::uint64_t& word) {
  std::memcpy(&word, p, sizeof word);
  return (word & kHighBits) == 0;
}

// Four bytes at p, all of them 0xC0..0xFF (the letters А..я): bits 7 and 6 set in each.
bool CyrillicLetters(const char* p, std::uint32_t& four) {
  std::memcpy(&four, p, sizeof four);
  return (four & (four << 1) & 0x80808080u) == 0x80808080u;
}

// Encoding works in slices of the input so that the output grows by a bounded amount at
// a time and is written through a raw pointer.
constexpr std::size_t kSlice = 1 << 16;

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  Cp1251ToUtf8(bytes, out);
  return out;
}

void Cp1251ToUtf8(std::string_view bytes, std::string& out) {
  // Sizing first costs a table sum and spares reallocating hundreds of megabytes. Runs of
  // ASCII (digits, quotes, blanks) go eight bytes at a time.
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  std::size_t size = 0;
  std::uint64_t word = 0;
  for (const char* q = begin; q < end;) {
    if (end - q >= 8 && AsciiWord(q, word)) {
      size += 8;
      q += 8;
    } else {
      size += kDecode[static_cast<unsigned char>(*q++)].length;
    }
  }
  // Every form is stored as four bytes and the pointer moves by its length: room for the
  // last form's spare bytes.
  out.resize(size + 3);
  Cp1251ToUtf8(bytes, out.data());
  out.resize(size);
}

char* Cp1251ToUtf8(std::string_view bytes, char* p) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  std::uint64_t word = 0;
  for (const char* q = begin; q < end;) {
    std::uint32_t four = 0;
    if (end - q >= 8 && AsciiWord(q, word)) {
      std::memcpy(p, &word, sizeof word);
      p += 8;
      q += 8;
    } else if (end - q >= 4 && CyrillicLetters(q, four)) {
      // Four letters А..я: U+0410..U+044F, two bytes each, computed rather than looked up
      // so that the output position does not wait for a table load.
      for (int k = 0; k < 4; ++k) {
        const unsigned cp = static_cast<unsigned char>(q[k]) + 0x350u;
        p[2 * k] = static_cast<char>(0xC0 | (cp >> 6));
        p[2 * k + 1] = static_cast<char>(0x80 | (cp & 0x3F));
      }
      p += 8;
      q += 4;
    } else {
      const Utf8Form& f = kDecode[static_cast<unsigned char>(*q++)];
      std::memcpy(p, &f, sizeof f);
      p += f.length;
    }
  }
  return p;
}

char* Utf8ToCp1251(std::string_view utf8, char* p) {
  const char* const data = utf8.data();
  const std::size_t size = utf8.size();
  std::size_t i = 0;
  std::uint64_t word = 0;
  while (i < size) {
    if (size - i >= 8 && AsciiWord(data + i, word)) {
      std::memcpy(p, &word, sizeof word);
      p += 8;
      i += 8;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(data[i]);
    if (c < 0x80) {
      *p++ = static_cast<char>(c);
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8At(utf8, i, cp);
    if (len == 0) {
      *p++ = '?';
      ++i;
      continue;
    }
    i += len;
    const int b = cp < 0x800 ? (kLowEncode[cp] ? kLowEncode[cp] : -1) : EncodeHigh(cp);
    if (b >= 0) {
      *p++ = static_cast<char>(b);
      continue;
    }
    char digits[8];
    int n = 0;
    for (char32_t v = cp; v != 0; v /= 10) digits[n++] = static_cast<char>('0' + v % 10);
    *p++ = '&';
    *p++ = '#';
    while (n > 0) *p++ = digits[--n];
    *p++ = ';';
  }
  return p;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Slices end on a character boundary, at most three bytes past the slice size.
    std::size_t end = std::min(utf8.size(), i + kSlice);
    while (end < utf8.size() && end < i + kSlice + 3 && IsContinuation(static_cast<unsigned char>(utf8[end]))) ++end;
    const std::size_t written = out.size();
    out.resize(written + kMaxCp1251BytesPerUtf8Byte * (end - i));
    char* const last = Utf8ToCp1251(utf8.substr(i, end - i), out.data() + written);
    out.resize(static_cast<std::size_t>(last - out.data()));
    i = end;
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8At(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

}  // namespace orsvelt
