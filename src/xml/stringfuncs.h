#pragma once
// Text operations shared by the reader, the model, the run and the protocol writers.
// All texts are UTF-8.

#include <string>
#include <string_view>

#include "xml/amount.h"

namespace orsvelt {

struct ReplaceResult {
  std::string text;
  int count = 0;
};

// Replaces every occurrence of search, left to right; an inserted replacement is never
// searched again (replacing a letter by two such letters terminates).
ReplaceResult ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement);

// Decodes the entities quot, laquo, raquo, gt, lt, amp, #039, nbsp (a plain blank) and
// numeric character references (&#1040; &#x410;), each entity of the input exactly once:
// an ampersand that decoding produces never starts another entity. An unknown entity
// (&copy;) stays as written.
std::string DecodeEntities(std::string_view text);

// Escapes & < > " ' as &amp; &lt; &gt; &quot; &#039;, exactly once. Everything else,
// « and » included, stays a plain character.
std::string EncodeEntities(std::string_view text);

// An insurance number written as NNN-NNN-NNN NN (14 characters) reduced to its digits;
// a text of another length is returned unchanged.
std::string SnilsDigits(std::string_view text);

// Eleven digits shown as NNN-NNN-NNN NN; a shorter text gives shorter pieces.
std::string FormatSnils(std::string_view text);

// 1234567.5 -> "1234567.50": two decimals, point, no grouping, leading "-" when negative.
std::string FormatAmountPlain(Amount amount);

// 1234567.5 -> "1 234 567,50": groups of three digits separated by blanks, decimal comma.
std::string FormatAmountGrouped(Amount amount);

// Latin capitals lowered, every other byte kept: for names that are ASCII by definition
// (encodings, options), whatever the global locale.
std::string AsciiLower(std::string_view text);

// Latin and Cyrillic capitals (Ё included) lowered; everything else kept.
std::string FoldCase(std::string_view utf8);

// Blanks, tabs, CR and LF removed from both ends.
std::string_view Trim(std::string_view text);

}  // namespace orsvelt
