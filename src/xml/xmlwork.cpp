#include "xml/xmlwork.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>

#include "xml/codepage.h"
#include "xml/stringfuncs.h"
#include "xml/xml_declaration.h"

namespace orsvelt {

namespace {

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* StatusText(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory: return "недостаточно памяти для разбора файла";
    case pugi::status_unrecognized_tag: return "неизвестная конструкция разметки";
    case pugi::status_bad_pi: return "ошибка в объявлении XML или инструкции обработки";
    case pugi::status_bad_comment: return "ошибка в комментарии";
    case pugi::status_bad_cdata: return "ошибка в секции CDATA";
    case pugi::status_bad_doctype: return "ошибка в объявлении типа документа";
    case pugi::status_bad_pcdata: return "ошибка в тексте элемента";
    case pugi::status_bad_start_element: return "ошибка в открывающем теге";
    case pugi::status_bad_attribute: return "ошибка в атрибуте";
    case pugi::status_bad_end_element: return "ошибка в закрывающем теге";
    case pugi::status_end_element_mismatch: return "закрывающий тег не соответствует открывающему или отсутствует";
    case pugi::status_no_document_element: return "в файле нет корневого элемента";
    default: return "файл не является правильным XML-документом";
  }
}

// 1-based line and column (in characters) of a byte offset into UTF-8 text.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

// True when, from `from` on, a '!' or a '?' right after a '<' opens what may hide a tag from
// a plain scan: a comment, CDATA, or a processing instruction whose '<' stands at
// `questionFrom` or later (before it, the declaration). `before` is the byte before the
// bytes, 0 when none. The marks are rare, so scanning for them is cheaper than for '<'.
bool HidesTag(std::string_view bytes, std::size_t from, char before, std::ptrdiff_t questionFrom) {
  for (const char mark : {'!', '?'})
    for (std::size_t at = bytes.find(mark, from); at != std::string_view::npos; at = bytes.find(mark, at + 1))
      if ((at > 0 ? bytes[at - 1] : before) == '<' &&
          (mark == '!' || static_cast<std::ptrdiff_t>(at) - 1 >= questionFrom))
        return true;
  return false;
}

// The offset of the '>' that ends the tag whose name starts at `from`, quoted values
// stepped over; npos when the tag does not end.
std::size_t TagEnd(std::string_view bytes, std::size_t from) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  for (const char* p = begin + from; p < end; ++p) {
    const char c = *p;
    if (c == '>') return static_cast<std::size_t>(p - begin);
    if (c == '"' || c == '\'') {
      // Values are short: a plain loop beats a call to memchr.
      do
        ++p;
      while (p < end && *p != c);
      if (p == end) return std::string_view::npos;
    }
  }
  return std::string_view::npos;
}

// The offset of the next '<' from `from`, or npos; the text between tags inside the
// calculation is mostly a line end and an indent.
std::size_t NextTag(std::string_view bytes, std::size_t from) {
  for (std::size_t i = from, stop = std::min(bytes.size(), from + 32); i < stop; ++i)
    if (bytes[i] == '<') return i;
  return bytes.find('<', from);
}

// A run is closed once it holds this many bytes: big enough that parsing it costs far more
// than starting a parse, small enough to stay in the cache.
constexpr std::size_t kPieceRunBytes = 256 * 1024;

struct SplitContents {
  std::size_t end = 0;  // offset of the end tag that closes the contents
  std::size_t elements = 0;
};

// Once the scan of an element's contents has passed this many bytes, it lets the window
// forget them.
constexpr std::size_t kScanDropBytes = 64 * 1024;

// Splits the contents of an element, from `from` (into the window's view) to its end tag
// `close` (the "</name" bytes), into runs of whole child elements appended to `runs` as
// offsets into the file. Nothing when the contents hold what a plain scan does not follow:
// text or marks other than elements among the children, an element left open, or an end
// tag of another name. Where the view ends before a step is done, the window reads on and
// the step is taken again; the end it gives is into the view as it then is.
template <class Window, class Run>
std::optional<SplitContents> Split(Window& window, std::size_t from, std::string_view close,
                                   std::vector<Run>& runs) {
  SplitContents out;
  Run run{};
  bool runOpen = false;
  std::size_t depth = 0, elementStart = 0, pos = from;
  std::string_view bytes = window.View();
  const auto elementDone = [&](std::size_t end) {
    if (!runOpen) run.begin = elementStart;
    run.end = window.Base() + end;
    runOpen = true;
    ++out.elements;
    if (run.end - run.begin >= kPieceRunBytes) {
      runs.push_back(run);
      runOpen = false;
    }
  };
  for (;;) {
    if (depth == 0 && pos >= kScanDropBytes) {
      window.Drop(pos);
      pos = 0;
      bytes = window.View();
    }
    const std::size_t stepFrom = pos;
    const auto readOn = [&] {
      if (!window.More()) return false;
      bytes = window.View();
      pos = stepFrom;
      return true;
    };
    if (depth == 0) {
      while (pos < bytes.size() && IsXmlBlank(bytes[pos])) ++pos;
      if (pos >= bytes.size()) {
        if (!readOn()) return std::nullopt;
        continue;
      }
      if (bytes[pos] != '<') return std::nullopt;
    } else {
      pos = NextTag(bytes, pos);
      if (pos == std::string_view::npos) {
        if (!readOn()) return std::nullopt;
        continue;
      }
    }
    if (pos + 1 >= bytes.size()) {
      if (!readOn()) return std::nullopt;
      continue;
    }
    const char mark = bytes[pos + 1];
    if (mark == '/') {
      if (depth == 0) {
        const std::size_t after = pos + close.size();
        if (after >= bytes.size()) {
          if (!readOn()) return std::nullopt;
          continue;
        }
        if (bytes.substr(pos, close.size()) != close || (!IsXmlBlank(bytes[after]) && bytes[after] != '>'))
          return std::nullopt;
        if (runOpen) runs.push_back(run);
        out.end = pos;
        return out;
      }
      const std::size_t gt = TagEnd(bytes, pos + 2);
      if (gt == std::string_view::npos) {
        if (!readOn()) return std::nullopt;
        continue;
      }
      pos = gt + 1;
      if (--depth == 0) elementDone(pos);
    } else if (mark == '!' || mark == '?') {
      return std::nullopt;
    } else {
      if (depth == 0) elementStart = window.Base() + pos;
      const std::size_t gt = TagEnd(bytes, pos + 1);
      if (gt == std::string_view::npos) {
        if (!readOn()) return std::nullopt;
        continue;
      }
      pos = gt + 1;
      if (bytes[gt - 1] != '/')
        ++depth;
      else if (depth == 0)
        elementDone(pos);
    }
  }
}

// Where the declaration at the start of the bytes ends (0 when there is none), or nothing
// when it does not end.
std::optional<std::size_t> DeclarationEnd(std::string_view bytes) {
  if (bytes.substr(0, 2) != "<?") return 0;
  const std::size_t end = bytes.find("?>");
  if (end == std::string_view::npos) return std::nullopt;
  return end + 2;
}

// Whether a plain scan sees every tag: a comment, CDATA or a processing instruction after
// the declaration may hide one.
bool ScanSeesEveryTag(std::string_view bytes) {
  const std::optional<std::size_t> declarationEnd = DeclarationEnd(bytes);
  return declarationEnd && !HidesTag(bytes, 0, 0, static_cast<std::ptrdiff_t>(*declarationEnd));
}

constexpr const char* kBrokenUtf8Text = "Файл объявлен в кодировке UTF-8, но содержит байты, недопустимые в ней.";

// Finds the start tags of one element name in raw bytes (the name in the bytes' encoding).
class StartTags {
 public:
  explicit StartTags(std::string_view name) : open_("<" + std::string(name)), searcher_(open_.begin(), open_.end()) {}
  StartTags(const StartTags&) = delete;
  StartTags& operator=(const StartTags&) = delete;

  struct Tag {
    std::size_t begin = 0;                   // its '<'
    std::size_t end = std::string_view::npos;  // its '>', npos when the tag does not end
    bool empty = false;                      // written "<name ... />"
  };

  // The first start tag at or after `from` (a longer name that begins alike is passed
  // over); nothing when there is none.
  std::optional<Tag> Next(std::string_view bytes, std::size_t from) const {
    for (;;) {
      const auto hit = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), searcher_);
      if (hit == bytes.end()) return std::nullopt;
      Tag tag;
      tag.begin = static_cast<std::size_t>(hit - bytes.begin());
      const std::size_t after = tag.begin + open_.size();
      if (after >= bytes.size()) return std::nullopt;
      if (const char next = bytes[after]; !IsXmlBlank(next) && next != '>' && next != '/') {
        from = after;
        continue;
      }
      tag.end = TagEnd(bytes, after);
      tag.empty = tag.end != std::string_view::npos && bytes[tag.end - 1] == '/';
      return tag;
    }
  }

 private:
  std::string open_;
  std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher_;
};

// The bytes with the contents of every element `name` cut out (its start tag and end tag
// kept), or nothing when nothing was cut or a plain scan cannot cut safely: a tag may be
// hidden (ScanSeesEveryTag), and an element that is not closed has no end to cut to.
std::optional<std::string> WithoutContentsOf(std::string_view bytes, std::string_view name) {
  if (!ScanSeesEveryTag(bytes)) return std::nullopt;
  const StartTags startTags(name);
  const std::string close = "</" + std::string(name);
  const std::boyer_moore_horspool_searcher closeTag(close.begin(), close.end());

  std::string out;
  std::size_t pos = 0;
  bool cut = false;
  for (std::optional<StartTags::Tag> tag; (tag = startTags.Next(bytes, pos)) && tag->end != std::string_view::npos;) {
    out.append(bytes, pos, tag->end + 1 - pos);
    pos = tag->end + 1;
    if (tag->empty) continue;
    const auto end = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end(), closeTag);
    if (end == bytes.end()) return std::nullopt;
    const auto endOffset = static_cast<std::size_t>(end - bytes.begin());
    cut = cut || endOffset > pos;
    pos = endOffset;
  }
  if (!cut) return std::nullopt;
  out.append(bytes, pos);
  return out;
}

}  // namespace

std::size_t TXMLElement::AttributeCount() const {
  std::size_t n = 0;
  for (auto a = node_.first_attribute(); a; a = a.next_attribute()) ++n;
  return n;
}

std::size_t TXMLElement::ChildCount() const {
  if (file_)
    if (const TXMLFile::PiecedElement* pieces = file_->PiecesOf(node_)) return pieces->elementCount;
  std::size_t n = 0;
  for (auto it = Children().begin(); it != Children().end(); ++it) ++n;
  return n;
}

namespace {

// While a TXMLFile::SharedStorage lives, the storage of the last file's bytes is kept for
// the next file this thread reads: the large files of one folder are read one after
// another, and fresh memory costs the system a page fault for every page. The spare keeps
// its length too, so that a file of about the same size is read in without zero-filling.
thread_local int storageSharers = 0;
thread_local std::string spareBytes;

// Gives the storage back: assigning an empty string keeps the capacity.
void FreeStorage(std::string& bytes) { std::string().swap(bytes); }

void KeepAsSpare(std::string& bytes) {
  if (storageSharers > 0 && bytes.capacity() > spareBytes.capacity()) std::swap(spareBytes, bytes);
  FreeStorage(bytes);
}

}  // namespace

TXMLFile::SharedStorage::SharedStorage() { ++storageSharers; }

TXMLFile::SharedStorage::~SharedStorage() {
  if (--storageSharers == 0) FreeStorage(spareBytes);
}

TXMLFile::TXMLFile() = default;
TXMLFile::~TXMLFile() { ReleaseBytes(); }

bool TXMLFile::Open(const std::filesystem::path& path) {
  ReleaseBytes();
  disk_.close();
  disk_.clear();
  onDisk_ = false;
  diskSize_ = 0;
  error_.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error_ = "Указанный путь является папкой, а не файлом.";
    return false;
  }
  disk_.open(path, std::ios::binary);
  if (!disk_) {
    error_ = "Файл не открывается для чтения.";
    return false;
  }
  disk_.seekg(0, std::ios::end);
  const auto size = disk_.tellg();
  disk_.seekg(0, std::ios::beg);
  if (size < 0 || !disk_) {
    disk_.close();
    error_ = "Файл не читается.";
    return false;
  }
  diskSize_ = static_cast<std::size_t>(size);
  onDisk_ = true;
  return true;
}

// Reads the whole of the opened file into bytes_.
bool TXMLFile::ReadOpenedFile() {
  onDisk_ = false;
  // A larger file gets fresh storage of its own size: growing the spare would copy it
  // and, for a moment, hold both.
  if (diskSize_ <= spareBytes.capacity())
    std::swap(bytes_, spareBytes);
  else
    FreeStorage(spareBytes);
  bytes_.resize(diskSize_);
  disk_.clear();
  disk_.seekg(0, std::ios::beg);
  disk_.read(bytes_.data(), static_cast<std::streamsize>(diskSize_));
  const bool read = static_cast<std::size_t>(disk_.gcount()) == diskSize_;
  disk_.close();
  if (!read) {
    ReleaseBytes();
    error_ = "Файл не читается.";
  }
  return read;
}

bool TXMLFile::LoadFromFile(const std::filesystem::path& path) { return Open(path) && ReadOpenedFile(); }

bool TXMLFile::OpenFile(const std::filesystem::path& path, std::size_t windowBytes) {
  windowBytes_ = std::max<std::size_t>(windowBytes, 1);
  return Open(path);
}

void TXMLFile::LoadFromBytes(std::string bytes) {
  disk_.close();
  onDisk_ = false;
  bytes_ = std::move(bytes);
  error_.clear();
}

bool TXMLFile::Parse() { return ParseText({}); }

bool TXMLFile::ParseWithoutContentsOf(std::string_view elementName) {
  // From the disk, the outline's scan cuts the contents out without the file ever being in
  // memory whole; what it cannot settle is left to the cut of the whole text, as before.
  if (onDisk_) {
    ResetTree();
    if (ParseOutlineFromDisk(elementName) == Outline::Built) {
      pieced_.clear();  // the elements cut out stay empty: nothing reads their runs
      runs_.clear();
      runParsed_.clear();
      disk_.close();
      onDisk_ = false;
      parsed_ = true;
      return true;
    }
    ResetTree();
  }
  return ParseText(elementName) || (!bytes_.empty() && ParseText({}));
}

// Pugixml's options for every parse: entities stay raw in the tree, the model decodes
// what it copies.
constexpr unsigned kParseOptions = (pugi::parse_default | pugi::parse_declaration) & ~pugi::parse_escapes;

// Skips a byte-order mark and leading blanks and decides the encoding. False (with
// ErrorText) for an empty file, UTF-16 or an encoding the format does not use.
// CheckUtf8 then refuses bytes that break the UTF-8 they claim.
bool TXMLFile::PrepareBytes(std::string_view all, std::string_view& bytes, bool& utf8) {
  bytes = all;
  utf8 = false;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    bytes.remove_prefix(3);
    utf8 = true;
  }
  while (!bytes.empty() && IsXmlBlank(bytes.front())) bytes.remove_prefix(1);
  if (bytes.empty()) {
    error_ = "Файл пуст.";
    return false;
  }
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    error_ = "Файл записан в кодировке UTF-16, которая для расчётов не применяется.";
    return false;
  }
  const std::string declared = AsciiLower(DeclaredEncoding(bytes));
  if (!utf8 && !declared.empty()) {
    if (declared == "utf-8" || declared == "utf8") {
      utf8 = true;
    } else if (declared != "windows-1251" && declared != "cp1251" && declared != "cp-1251") {
      error_ = "Кодировка файла «" + Cp1251ToUtf8(DeclaredEncoding(bytes)) +
               "» не поддерживается: расчёт должен быть в кодировке windows-1251 или UTF-8.";
      return false;
    }
  }
  return true;
}

bool TXMLFile::CheckUtf8(std::string_view bytes, bool utf8) {
  if (!utf8 || IsValidUtf8(bytes)) return true;
  error_ = kBrokenUtf8Text;
  return false;
}

// Forgets the tree of an earlier parse, and its pieces.
void TXMLFile::ResetTree() {
  parsed_ = false;
  doc_.reset();
  text_.clear();
  error_.clear();
  pieced_.clear();
  runs_.clear();
  runParsed_.clear();
  pieceFailed_ = false;
}

// With `skipped` set, the bytes are kept until the shortened text has parsed, for the
// whole-text parse that takes over when it does not.
bool TXMLFile::ParseText(std::string_view skipped) {
  ResetTree();
  if (onDisk_ && !ReadOpenedFile()) return false;

  std::string_view bytes;
  bool utf8 = false;
  if (!PrepareBytes(bytes_, bytes, utf8)) return false;
  std::string shortened;
  if (!skipped.empty()) {
    const std::string name = utf8 ? std::string(skipped) : Utf8ToCp1251(skipped);
    std::optional<std::string> cut = WithoutContentsOf(bytes, name);
    if (!cut) return ParseText({});
    shortened = std::move(*cut);
    bytes = shortened;
  }
  if (!CheckUtf8(bytes, utf8)) return false;
  if (utf8)
    text_.assign(bytes);
  else
    text_ = Cp1251ToUtf8(bytes);
  FreeStorage(shortened);
  if (skipped.empty()) ReleaseBytes();

  const pugi::xml_parse_result result =
      doc_.load_buffer_inplace(text_.data(), text_.size(), kParseOptions, pugi::encoding_utf8);
  if (!result) {
    const auto [line, column] = LineAndColumn(text_, static_cast<std::size_t>(result.offset));
    error_ = "Строка " + std::to_string(line) + ", позиция " + std::to_string(column) + ": " +
             StatusText(result.status) + ".";
    doc_.reset();
    return false;
  }
  if (!doc_.document_element()) {
    error_ = std::string("Строка 1, позиция 1: ") + StatusText(pugi::status_no_document_element) + ".";
    doc_.reset();
    return false;
  }
  if (!skipped.empty()) ReleaseBytes();
  parsed_ = true;
  return true;
}

// What the outline scan reads: all of the text in memory, or a window over a file on disk
// that reads on when the scan asks for more and forgets what the scan has passed. Either
// way it refuses, as the scan comes to them, bytes a plain scan cannot follow: a NUL (which
// would end pugixml's text early), a mark that may hide a tag (ScanSeesEveryTag), and
// bytes that break the UTF-8 they claim.
class TXMLFile::ScanWindow {
 public:
  // `all` from `start` (past a byte-order mark and blanks); the declaration ends at
  // `declarationEnd`, 0 when there is none.
  ScanWindow(std::string_view all, std::size_t start, std::size_t declarationEnd, bool utf8)
      : view_(all.substr(start)), base_(start), declarationEnd_(declarationEnd), utf8_(utf8), fileSize_(all.size()),
        read_(all.size()), utf8From_(start) {
    Check(0);
  }
  // The file of `fileSize` bytes whose first `head.size()` bytes are read into `head`; the
  // rest is read from `in`, about `chunk` bytes at a time.
  ScanWindow(std::istream& in, std::string head, std::size_t fileSize, std::size_t start, std::size_t declarationEnd,
             bool utf8, std::size_t chunk)
      : in_(&in), buffer_(std::move(head)), start_(start), base_(start), declarationEnd_(declarationEnd),
        utf8_(utf8), fileSize_(fileSize), read_(buffer_.size()), chunk_(chunk), utf8From_(start) {
    view_ = std::string_view(buffer_).substr(start_);
    Check(0);
  }

  // The bytes at hand, and the offset in the file of the first of them.
  std::string_view View() const { return view_; }
  std::size_t Base() const { return base_; }

  // Reads on: at least a chunk, and at least as much as is at hand, so that a step taken
  // again over a long element costs no more than its length over all. False at the end of
  // the file, when a read fails or when the new bytes are refused.
  bool More() {
    if (!in_ || refused_ || brokenUtf8_ || failed_ || read_ >= fileSize_) return false;
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t held = buffer_.size();
    const std::size_t want = std::min(fileSize_ - read_, std::max(chunk_, held));
    buffer_.resize(held + want);
    in_->read(buffer_.data() + held, static_cast<std::streamsize>(want));
    if (static_cast<std::size_t>(in_->gcount()) != want) {
      failed_ = true;
      return false;
    }
    read_ += want;
    view_ = buffer_;
    Check(held);
    return !refused_ && !brokenUtf8_;
  }

  // Forgets the first `count` bytes at hand.
  void Drop(std::size_t count) {
    count = std::min(count, view_.size());
    if (utf8_) count = std::min(count, utf8From_ - base_);
    start_ += count;
    base_ += count;
    view_.remove_prefix(count);
  }

  bool Refused() const { return refused_ || failed_; }
  bool BrokenUtf8() const { return brokenUtf8_; }

 private:
  // Looks at the bytes at hand from `from` on, which were not looked at before.
  void Check(std::size_t from) {
    const std::string_view fresh = view_.substr(from);
    if (fresh.find('\0') != std::string_view::npos ||
        HidesTag(view_, from, last_, static_cast<std::ptrdiff_t>(declarationEnd_) - static_cast<std::ptrdiff_t>(base_)))
      refused_ = true;
    if (!view_.empty()) last_ = view_.back();
    if (utf8_ && !brokenUtf8_) {
      // Up to the last byte that begins a character, unless the file ends here.
      std::size_t end = base_ + view_.size();
      if (read_ < fileSize_)
        for (int back = 0; back < 4 && end > utf8From_; ++back) {
          const auto c = static_cast<unsigned char>(view_[end - 1 - base_]);
          if ((c & 0xC0) != 0x80) {
            if (c >= 0xC0) --end;
            break;
          }
          --end;
        }
      if (end > utf8From_) {
        brokenUtf8_ = !IsValidUtf8(view_.substr(utf8From_ - base_, end - utf8From_));
        utf8From_ = end;
      }
    }
  }

  std::istream* in_ = nullptr;
  std::string buffer_;
  std::size_t start_ = 0;  // of the view in buffer_
  std::string_view view_;
  std::size_t base_ = 0;
  std::size_t declarationEnd_ = 0;
  bool utf8_ = false;
  std::size_t fileSize_ = 0, read_ = 0, chunk_ = 0;
  std::size_t utf8From_ = 0;  // the file offset up to which the UTF-8 is checked
  char last_ = 0;             // the last byte looked at, which may be forgotten since
  bool refused_ = false, brokenUtf8_ = false, failed_ = false;
};

bool TXMLFile::ParseInPieces(std::string_view elementName) {
  ResetTree();
  if (onDisk_) {
    switch (ParseOutlineFromDisk(elementName)) {
      case Outline::Built:
        parsed_ = true;
        return true;
      case Outline::Refused:
        return false;
      case Outline::CannotSplit:
        ResetTree();
        return ParseText({});
    }
  }

  std::string_view bytes;
  if (!PrepareBytes(bytes_, bytes, utf8_)) return false;
  const std::size_t start = static_cast<std::size_t>(bytes.data() - bytes_.data());
  const std::optional<std::size_t> declarationEnd = DeclarationEnd(bytes);
  if (!declarationEnd) return CheckUtf8(bytes, utf8_) && ParseText({});
  ScanWindow window(bytes_, start, start + *declarationEnd, utf8_);
  if (window.BrokenUtf8()) {
    error_ = kBrokenUtf8Text;
    return false;
  }
  if (ParseOutline(window, elementName)) {
    parsed_ = true;
    if (runs_.empty()) ReleaseBytes();
    return true;
  }
  return ParseText({});
}

// ParseInPieces of a file opened by OpenFile, which stays on the disk. Its head decides
// the encoding; a head that does not (a long run of blanks, a declaration longer than the
// head) is left to the whole-file parse, as is what the scan cannot split.
TXMLFile::Outline TXMLFile::ParseOutlineFromDisk(std::string_view name) {
  // A head that decides: the whole file, or five bytes past a byte-order mark and blanks
  // (enough to tell UTF-16 and a declaration) with the declaration's end.
  const auto decides = [&](std::string_view head) {
    if (head.size() == diskSize_) return true;
    if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
    while (!head.empty() && IsXmlBlank(head.front())) head.remove_prefix(1);
    return head.size() >= 5 && DeclarationEnd(head);
  };
  constexpr std::size_t kLongestHead = 4096;
  std::string head;
  for (std::size_t size = std::min(diskSize_, windowBytes_);; size = std::min(diskSize_, kLongestHead)) {
    head.assign(size, '\0');
    disk_.clear();
    disk_.seekg(0, std::ios::beg);
    disk_.read(head.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(disk_.gcount()) != size) return Outline::CannotSplit;
    if (decides(head)) break;
    if (size >= std::min(diskSize_, kLongestHead)) return Outline::CannotSplit;
  }
  std::string_view bytes;
  if (!PrepareBytes(head, bytes, utf8_)) return Outline::Refused;
  const std::size_t start = static_cast<std::size_t>(bytes.data() - head.data());
  const std::optional<std::size_t> declarationEnd = DeclarationEnd(bytes);
  if (!declarationEnd) return Outline::CannotSplit;
  ScanWindow window(disk_, std::move(head), diskSize_, start, start + *declarationEnd, utf8_, windowBytes_);
  const bool built = !window.BrokenUtf8() && ParseOutline(window, name);
  if (window.BrokenUtf8()) {
    error_ = kBrokenUtf8Text;
    return Outline::Refused;
  }
  return built ? Outline::Built : Outline::CannotSplit;
}

// Builds the outline: the text with the contents of every element `name` cut out and
// split into runs, each outline element tied to its runs by where pugixml saw its name.
// False when a plain scan cannot split safely or the outline does not parse as it should.
bool TXMLFile::ParseOutline(ScanWindow& window, std::string_view name) {
  if (window.Refused()) return false;
  const std::string encodedName = utf8_ ? std::string(name) : Utf8ToCp1251(name);
  const StartTags startTags(encodedName);
  const std::string close = "</" + encodedName;
  const auto append = [&](std::size_t from, std::size_t to) {
    const std::string_view bytes = window.View().substr(from, to - from);
    if (utf8_)
      text_.append(bytes);
    else
      text_ += Cp1251ToUtf8(bytes);
  };

  std::vector<std::pair<std::size_t, PiecedElement>> found;  // where each name lands in text_
  std::size_t pos = 0;
  for (;;) {
    const std::string_view bytes = window.View();
    const std::optional<StartTags::Tag> tag = startTags.Next(bytes, pos);
    if (!tag || tag->end == std::string_view::npos) {
      // What lies before a start tag that may still come is outline; the rest waits for
      // the window to read on.
      if (!tag) {
        const std::size_t keep = encodedName.size() + 1;
        if (bytes.size() > keep && bytes.size() - keep > pos) {
          append(pos, bytes.size() - keep);
          pos = bytes.size() - keep;
        }
      }
      window.Drop(pos);
      pos = 0;
      if (window.More()) continue;
      if (window.Refused() || window.BrokenUtf8() || tag) return false;
      append(0, window.View().size());
      break;
    }
    append(pos, tag->begin);
    const std::size_t nameOffset = text_.size() + 1;
    append(tag->begin, tag->end + 1);
    pos = tag->end + 1;
    PiecedElement element;
    element.firstRun = runs_.size();
    if (!tag->empty) {
      const std::optional<SplitContents> contents = Split(window, pos, close, runs_);
      if (!contents) return false;
      element.elementCount = contents->elements;
      pos = contents->end;
    }
    element.runCount = runs_.size() - element.firstRun;
    found.emplace_back(nameOffset, element);
  }

  const pugi::xml_parse_result result =
      doc_.load_buffer_inplace(text_.data(), text_.size(), kParseOptions, pugi::encoding_utf8);
  if (!result || !doc_.document_element()) return false;

  // Tie the outline's elements of that name, in document order, to what the scan found.
  std::size_t next = 0;
  for (pugi::xml_node n = doc_.first_child(); n;) {
    if (n.type() == pugi::node_element && name == n.name()) {
      if (next == found.size() || n.offset_debug() != static_cast<std::ptrdiff_t>(found[next].first)) return false;
      pieced_.emplace(n.internal_object(), found[next++].second);
    }
    if (n.first_child()) {
      n = n.first_child();
    } else {
      while (n && !n.next_sibling()) n = n.parent();
      if (n) n = n.next_sibling();
    }
  }
  if (next != found.size()) return false;
  runParsed_.assign(runs_.size(), false);
  return true;
}

const TXMLFile::PiecedElement* TXMLFile::PiecesOf(pugi::xml_node node) const {
  if (pieced_.empty() || node.first_child()) return nullptr;
  const auto it = pieced_.find(node.internal_object());
  return it == pieced_.end() ? nullptr : &it->second;
}

// Parses one run into doc, its text kept in `text`. False when it is not well-formed.
bool TXMLFile::ParseRun(std::size_t run, std::string& text, pugi::xml_document& doc) const {
  const std::size_t length = runs_[run].end - runs_[run].begin;
  std::string_view raw;
  if (onDisk_) {
    runBytes_.resize(length);
    disk_.clear();
    disk_.seekg(static_cast<std::streamoff>(runs_[run].begin), std::ios::beg);
    disk_.read(runBytes_.data(), static_cast<std::streamsize>(length));
    if (static_cast<std::size_t>(disk_.gcount()) != length) {
      pieceFailed_ = true;
      return false;
    }
    raw = runBytes_;
  } else {
    raw = std::string_view(bytes_).substr(runs_[run].begin, length);
  }
  // A run of the usual size is decoded unsized into a buffer that only grows; a single huge
  // element is sized first, so that it does not take three times its size.
  std::size_t size = 0;
  if (utf8_) {
    text.assign(raw);
    size = text.size();
  } else if (raw.size() > 4 * kPieceRunBytes) {
    Cp1251ToUtf8(raw, text);
    size = text.size();
  } else {
    const std::size_t room = kMaxUtf8BytesPerCp1251Byte * raw.size() + 3;
    if (text.size() < room) text.resize(room);
    size = static_cast<std::size_t>(Cp1251ToUtf8(raw, text.data()) - text.data());
  }
  const unsigned options = kParseOptions & ~pugi::parse_declaration;
  const bool ok = doc.load_buffer_inplace(text.data(), size, options, pugi::encoding_utf8) &&
                  static_cast<bool>(doc.first_child());
  if (ok)
    runParsed_[run] = true;
  else
    pieceFailed_ = true;
  return ok;
}

bool TXMLFile::PiecesParsed() const {
  std::string text;
  pugi::xml_document doc;
  for (std::size_t run = 0; run < runs_.size() && !pieceFailed_; ++run)
    if (!runParsed_[run]) ParseRun(run, text, doc);
  return !pieceFailed_;
}

// The run at hand of a walk over children parsed in pieces.
struct TXMLPieceCursor {
  const TXMLFile* file = nullptr;
  std::size_t run = 0, endRun = 0;
  std::string text;
  pugi::xml_document doc;

  // The first element of the next run that parses, or an empty node at the end or at a
  // broken run (which the file remembers).
  pugi::xml_node Next() {
    for (; run < endRun; ++run) {
      if (!file->ParseRun(run, text, doc)) {
        run = endRun;
        break;
      }
      for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element) return n;
    }
    doc.reset();
    return {};
  }
};

TXMLElement::ChildIterator::ChildIterator(std::shared_ptr<TXMLPieceCursor> cursor) : cursor_(std::move(cursor)) {
  n_ = cursor_->Next();
}

void TXMLElement::ChildIterator::NextPiece() {
  ++cursor_->run;
  n_ = cursor_->Next();
}

TXMLElement::ChildIterator TXMLElement::ChildRange::begin() const {
  if (file)
    if (const TXMLFile::PiecedElement* pieces = file->PiecesOf(node)) {
      if (pieces->runCount == 0) return end();
      auto cursor = std::make_shared<TXMLPieceCursor>();
      cursor->file = file;
      cursor->run = pieces->firstRun;
      cursor->endRun = pieces->firstRun + pieces->runCount;
      return ChildIterator(std::move(cursor));
    }
  return ChildIterator(node.first_child(), file);
}

bool TXMLElement::HasChildren() const {
  if (file_)
    if (const TXMLFile::PiecedElement* pieces = file_->PiecesOf(node_)) return pieces->elementCount > 0;
  return static_cast<bool>(*Children().begin());
}

void TXMLFile::ReleaseBytes() {
  KeepAsSpare(bytes_);
}

TXMLElement TXMLFile::Root() const {
  return parsed_ ? TXMLElement(doc_.document_element(), pieced_.empty() ? nullptr : this) : TXMLElement();
}

}  // namespace orsvelt
