#include "analysis/prot501/patronymic.h"

#include <array>

namespace orsvelt {

namespace {

// Start of the UTF-8 sequence that ends just before end.
std::size_t StartOfLastChar(std::string_view text, std::size_t end) {
  std::size_t i = end - 1;
  while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
  return i;
}

// Decodes one UTF-8 sequence; 0 when malformed.
char32_t DecodeChar(std::string_view seq) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(seq[i]); };
  if (seq.size() == 1 && b(0) < 0x80) return b(0);
  if (seq.size() == 2 && (b(0) & 0xE0) == 0xC0) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  return 0;
}

char32_t LowerCyrillic(char32_t c) {
  if (c >= U'А' && c <= U'Я') return c + 0x20;
  if (c == U'Ё') return U'ё';
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  return c;
}

}  // namespace

std::string_view SexOfPatronymic(std::string_view patronymic) {
  if (patronymic.empty()) return {};
  const std::size_t last = StartOfLastChar(patronymic, patronymic.size());
  if (last == 0) return {};
  const std::size_t first = StartOfLastChar(patronymic, last);
  const char32_t a = LowerCyrillic(DecodeChar(patronymic.substr(first, last - first)));
  const char32_t b = LowerCyrillic(DecodeChar(patronymic.substr(last)));
  struct Ending {
    char32_t a, b;
    std::string_view sex;
  };
  static constexpr std::array<Ending, 5> kEndings{{
      {U'и', U'ч', "1"}, {U'н', U'а', "2"}, {U'л', U'ы', "1"}, {U'л', U'у', "1"}, {U'з', U'ы', "2"}}};
  for (const Ending& e : kEndings)
    if (e.a == a && e.b == b) return e.sex;
  return {};
}

}  // namespace orsvelt
