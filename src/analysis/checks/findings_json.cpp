#include "analysis/checks/findings_json.h"

#include "xml/stringfuncs.h"

namespace orsvelt::checks {

namespace {

// Length of the well-formed UTF-8 sequence at i, or 0.
std::size_t Utf8Length(std::string_view t, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
  const unsigned char c = b(i);
  std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > t.size() || (n == 2 && c < 0xC2)) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((b(i + k) & 0xC0) != 0x80) return 0;
  if (n == 3 && ((c == 0xE0 && b(i + 1) < 0xA0) || (c == 0xED && b(i + 1) >= 0xA0))) return 0;
  if (n == 4 && ((c == 0xF0 && b(i + 1) < 0x90) || c > 0xF4 || (c == 0xF4 && b(i + 1) >= 0x90))) return 0;
  return n;
}

std::string Text(std::string_view text) { return text.empty() ? "null" : JsonString(text); }

std::string AmountText(const std::optional<Amount>& a) { return a ? "\"" + FormatAmountPlain(*a) + "\"" : "null"; }

std::string Number(const std::optional<std::int32_t>& n) { return n ? std::to_string(*n) : "null"; }

}  // namespace

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else if (c >= 0x80) {
      const std::size_t n = Utf8Length(text, i);
      if (n == 0) {
        out += "\\ufffd";
        ++i;
        continue;
      }
      out.append(text.substr(i, n));
      i += n;
      continue;
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  return out + "\"";
}

std::string FindingsJson(const CheckResult& result) {
  const CheckedReport& r = result.report;
  std::string out = "{\"report\": " + Text(r.fileName) + ", \"format\": " + Text(r.format) +
                    ", \"year\": " + Number(r.year) + ", \"period\": " + Text(r.period) +
                    ", \"correction\": " + Number(r.correction) + ", \"payer\": {\"inn\": " + Text(r.inn) +
                    ", \"kpp\": " + Text(r.kpp) + "}, \"checked_with\": [";
  for (std::size_t i = 0; i < result.checkedWith.size(); ++i)
    out += (i ? ", " : "") + JsonString(result.checkedWith[i]);
  out += "], \"findings\": [";
  for (std::size_t i = 0; i < result.findings.size(); ++i) {
    const Finding& f = result.findings[i];
    out += i ? ",\n  " : "\n  ";
    out += "{\"check\": " + JsonString(f.check) + ", \"group\": " + JsonString(GroupName(f.group)) +
           ", \"severity\": " + JsonString(SeverityName(f.severity)) + ", \"text\": " + JsonString(f.text) +
           ", \"tariff\": " + Text(f.tariff) + ", \"month\": " + Number(f.month) + ", \"snils\": " + Text(f.snils) +
           ", \"path\": " + Text(f.path) + ", \"left\": " + AmountText(f.left) + ", \"right\": " +
           AmountText(f.right) + ", \"difference\": " + AmountText(f.Difference()) + ", \"persons\": [";
    for (std::size_t k = 0; k < f.persons.size(); ++k) out += (k ? ", " : "") + JsonString(f.persons[k]);
    out += "]}";
  }
  out += result.findings.empty() ? "]}\n" : "\n]}\n";
  return out;
}

}  // namespace orsvelt::checks
