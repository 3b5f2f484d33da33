#include "xml/stringfuncs.h"

#include <cstdint>

#include "xml/codepage.h"

namespace orsvelt {

namespace {

// Longest entity body considered ("#x0010FFFF" with room for leading zeros); bounds the
// look-ahead so decoding stays linear.
constexpr std::size_t kMaxEntityBody = 32;

bool IsEntityChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "#1040" or "#x410": appends the character; false when malformed or not a valid code point.
bool DecodeNumeric(std::string_view body, std::string& out) {
  body.remove_prefix(1);
  int base = 10;
  if (!body.empty() && (body[0] == 'x' || body[0] == 'X')) {
    base = 16;
    body.remove_prefix(1);
  }
  if (body.empty()) return false;
  std::uint32_t value = 0;
  for (const char c : body) {
    const int d = base == 16 ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return false;
    value = value * base + static_cast<std::uint32_t>(d);
    if (value > 0x10FFFF) return false;
  }
  if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return false;
  AppendUtf8(out, value);
  return true;
}

bool DecodeEntity(std::string_view body, std::string& out) {
  struct Named {
    std::string_view name;
    std::string_view text;
  };
  // &#039; is decoded as a numeric reference.
  static constexpr Named kNamed[] = {
      {"quot", "\""}, {"laquo", "«"}, {"raquo", "»"}, {"gt", ">"},
      {"lt", "<"},    {"amp", "&"},   {"nbsp", " "},
  };
  if (body.empty()) return false;
  if (body[0] == '#') return DecodeNumeric(body, out);
  for (const Named& n : kNamed) {
    if (n.name == body) {
      out += n.text;
      return true;
    }
  }
  return false;
}

// Written digit by digit, from the right, so that no locale can change the separators.
std::string FormatAmount(Amount amount, char point, bool grouped) {
  const bool negative = amount < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
  std::uint64_t cents = (magnitude + 50) / 100;  // halves away from zero

  char text[40];  // 19 digits, 6 group blanks, sign, point
  char* p = text + sizeof text;
  const bool minus = negative && cents != 0;
  *--p = static_cast<char>('0' + cents % 10);
  cents /= 10;
  *--p = static_cast<char>('0' + cents % 10);
  cents /= 10;
  *--p = point;
  int written = 0;
  do {
    if (grouped && written != 0 && written % 3 == 0) *--p = ' ';
    *--p = static_cast<char>('0' + cents % 10);
    cents /= 10;
    ++written;
  } while (cents != 0);
  if (minus) *--p = '-';
  return std::string(p, static_cast<std::size_t>(text + sizeof text - p));
}

}  // namespace

ReplaceResult ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) {
  ReplaceResult result;
  if (search.empty()) {
    result.text = text;
    return result;
  }
  std::size_t from = 0;
  for (std::size_t found; (found = text.find(search, from)) != std::string_view::npos;) {
    result.text.append(text, from, found - from);
    result.text += replacement;
    ++result.count;
    from = found + search.size();
  }
  result.text.append(text, from);
  return result;
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t amp = text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(text, i);
      break;
    }
    out.append(text, i, amp - i);
    std::size_t end = amp + 1;
    while (end < text.size() && end - amp <= kMaxEntityBody && IsEntityChar(text[end])) ++end;
    if (end < text.size() && text[end] == ';' &&
        DecodeEntity(text.substr(amp + 1, end - amp - 1), out)) {
      i = end + 1;
    } else {
      out += '&';
      i = amp + 1;
    }
  }
  return out;
}

std::string EncodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#039;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string SnilsDigits(std::string_view text) {
  // Fourteen characters, not bytes: seven Cyrillic letters are no insurance number.
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (characters != 14) return std::string(text);
  std::string out;
  for (const char c : text)
    if (c >= '0' && c <= '9') out += c;
  return out;
}

std::string FormatSnils(std::string_view text) {
  const auto piece = [&](std::size_t pos, std::size_t len) {
    return pos < text.size() ? text.substr(pos, len) : std::string_view();
  };
  std::string out;
  out.append(piece(0, 3)).append("-").append(piece(3, 3)).append("-");
  out.append(piece(6, 3)).append(" ").append(piece(9, 2));
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string FoldCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    if (b0 >= 'A' && b0 <= 'Z') {
      out.push_back(static_cast<char>(b0 - 'A' + 'a'));
    } else if ((b0 == 0xD0 || b0 == 0xD1) && i + 1 < utf8.size()) {
      const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
      char32_t cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | (b1 & 0x3F);
      if (cp >= 0x0410 && cp <= 0x042F)
        cp += 0x20;  // А..Я
      else if (cp >= 0x0400 && cp <= 0x040F)
        cp += 0x50;  // Ё and the other capitals before А
      AppendUtf8(out, cp);
      ++i;
    } else {
      out.push_back(static_cast<char>(b0));
    }
  }
  return out;
}

std::string FormatAmountPlain(Amount amount) { return FormatAmount(amount, '.', false); }

std::string FormatAmountGrouped(Amount amount) { return FormatAmount(amount, ',', true); }

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace orsvelt
