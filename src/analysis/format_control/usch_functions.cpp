#include "analysis/format_control/usch_functions.h"

#include <vector>

namespace orsvelt {

namespace {

constexpr std::string_view kPrefix = "usch:";

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.';
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Index past the string literal that starts at i.
std::size_t SkipLiteral(std::string_view s, std::size_t i) {
  const auto close = s.find(s[i], i + 1);
  return close == std::string_view::npos ? s.size() : close + 1;
}

// A call found in the text: where it starts and ends, its name and its arguments.
struct Call {
  std::size_t begin = 0, end = 0;
  std::string name;
  std::vector<std::string_view> args;
};

// Reads the call whose "usch:" starts at begin; false when no well-formed call is there.
bool ReadCall(std::string_view s, std::size_t begin, Call& call) {
  std::size_t i = begin + kPrefix.size();
  while (i < s.size() && IsNameChar(s[i])) ++i;
  call.name = std::string(s.substr(begin, i - begin));
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
  if (i >= s.size() || s[i] != '(') return false;
  int depth = 0;
  std::size_t argStart = i + 1;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"' || c == '\'') {
      i = SkipLiteral(s, i) - 1;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      if (--depth == 0) {
        const auto last = Trim(s.substr(argStart, i - argStart));
        if (!last.empty() || !call.args.empty()) call.args.push_back(last);
        call.begin = begin;
        call.end = i + 1;
        return true;
      }
    } else if (c == ',' && depth == 1) {
      call.args.push_back(Trim(s.substr(argStart, i - argStart)));
      argStart = i + 1;
    }
  }
  return false;
}

class Rewriter {
 public:
  explicit Rewriter(std::string_view fileStem) : fileStem_(fileStem) {}

  // wholeIsBoolean: the expression is taken as a boolean, so an iif that is all of it may
  // become a boolean expression.
  std::string Rewrite(std::string_view s, bool wholeIsBoolean, XPathUse use) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
      const char c = s[i];
      if (c == '"' || c == '\'') {
        const auto next = SkipLiteral(s, i);
        out.append(s.substr(i, next - i));
        i = next;
        continue;
      }
      const bool tokenStart = i == 0 || !IsNameChar(s[i - 1]);
      if (tokenStart && s.substr(i, kPrefix.size()) == kPrefix) {
        Call call;
        if (!ReadCall(s, i, call)) {
          Fail(call.name.empty() ? std::string(kPrefix) : call.name);
          return {};
        }
        const bool whole = wholeIsBoolean && Trim(s) == Trim(s.substr(call.begin, call.end - call.begin));
        out += Replace(call, whole, use);
        if (!unsupported.empty()) return {};
        i = call.end;
        continue;
      }
      out += c;
      ++i;
    }
    return out;
  }

  std::string unsupported;
  bool usesFileName = false;

 private:
  void Fail(std::string name) {
    if (unsupported.empty()) unsupported = std::move(name);
  }

  std::string Replace(const Call& call, bool whole, XPathUse use) {
    if (call.name == "usch:getFileName" && call.args.empty()) {
      usesFileName = true;
      return XPathStringLiteral(fileStem_);
    }
    if (call.name == "usch:iif" && call.args.size() == 3) {
      if (use == XPathUse::kTest && !whole) {
        Fail(call.name);
        return {};
      }
      const bool asBoolean = use == XPathUse::kTest;
      const std::string c = Rewrite(call.args[0], true, use);
      const std::string a = Rewrite(call.args[1], asBoolean, use);
      const std::string b = Rewrite(call.args[2], asBoolean, use);
      if (!unsupported.empty()) return {};
      if (asBoolean) return "((" + c + ") and (" + a + ")) or (not(" + c + ") and (" + b + "))";
      return "concat(substring(" + a + ", 1 div boolean(" + c + ")), substring(" + b + ", 1 div not(" + c +
             ")))";
    }
    Fail(call.name);
    return {};
  }

  std::string_view fileStem_;
};

}  // namespace

RewrittenXPath RewriteUschCalls(std::string_view expression, std::string_view fileStem, XPathUse use) {
  Rewriter rewriter(fileStem);
  RewrittenXPath result;
  result.expression = rewriter.Rewrite(expression, use == XPathUse::kTest, use);
  result.unsupported = rewriter.unsupported;
  result.usesFileName = rewriter.usesFileName;
  if (!result.unsupported.empty()) result.expression.clear();
  return result;
}

std::string XPathStringLiteral(std::string_view text) {
  if (text.find('"') == std::string_view::npos) return "\"" + std::string(text) + "\"";
  if (text.find('\'') == std::string_view::npos) return "'" + std::string(text) + "'";
  std::string out = "concat(";
  std::size_t from = 0;
  while (from < text.size()) {
    const auto quote = text.find('"', from);
    const std::string_view piece = text.substr(from, quote == std::string_view::npos ? text.npos : quote - from);
    if (!piece.empty()) out += "\"" + std::string(piece) + "\", ";
    if (quote == std::string_view::npos) break;
    out += "'\"', ";
    from = quote + 1;
  }
  out += "\"\")";
  return out;
}

}  // namespace orsvelt
