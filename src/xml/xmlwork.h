#pragma once
// The element tree of a report file. Parsing is pugixml's; this layer decides the
// encoding, keeps the reason of a failure for the user, and offers the small read-only
// view the document model walks: names, attributes in document order with raw values
// (entities not decoded), leaf texts and child elements.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace orsvelt {

// One attribute as written: its name and its raw value (quotes removed, entities kept).
// Both views point into the file's text and live as long as its TXMLFile.
struct TXMLAttr {
  std::string_view Name;
  std::string_view Value;
};

class TXMLFile;
struct TXMLPieceCursor;

// A cheap handle to one element of a parsed file; an empty handle behaves as an element
// without name, attributes or children.
class TXMLElement {
 public:
  TXMLElement() = default;
  explicit TXMLElement(pugi::xml_node node, const TXMLFile* outlineOf = nullptr) : node_(node), file_(outlineOf) {}

  explicit operator bool() const { return static_cast<bool>(node_); }

  std::string_view Name() const { return node_.name(); }

  // A leaf's raw inner text, exactly as written (entities kept, blanks kept). For an
  // element with child elements it holds only the first run of text among them, which
  // nobody reads.
  std::string_view Text() const { return node_.child_value(); }

  class AttrIterator {
   public:
    using value_type = TXMLAttr;
    using difference_type = std::ptrdiff_t;
    AttrIterator() = default;
    explicit AttrIterator(pugi::xml_attribute a) : a_(a) {}
    TXMLAttr operator*() const { return {a_.name(), a_.value()}; }
    AttrIterator& operator++() { a_ = a_.next_attribute(); return *this; }
    AttrIterator operator++(int) { auto old = *this; ++*this; return old; }
    bool operator==(const AttrIterator& o) const { return a_ == o.a_; }

   private:
    pugi::xml_attribute a_;
  };
  struct AttrRange {
    pugi::xml_node node;
    AttrIterator begin() const { return AttrIterator(node.first_attribute()); }
    AttrIterator end() const { return AttrIterator(); }
  };

  // Attributes in document order; a name may repeat.
  AttrRange Attributes() const { return {node_}; }
  bool HasAttributes() const { return static_cast<bool>(node_.first_attribute()); }
  std::size_t AttributeCount() const;

  // Walks child elements. Over children that are parsed in pieces (see
  // TXMLFile::ParseInPieces) it owns the piece at hand, so the handles it yields live only
  // until it moves past their piece.
  class ChildIterator {
   public:
    using value_type = TXMLElement;
    using difference_type = std::ptrdiff_t;
    ChildIterator() = default;
    ChildIterator(pugi::xml_node first, const TXMLFile* outlineOf) : n_(SkipToElement(first)), file_(outlineOf) {}
    explicit ChildIterator(std::shared_ptr<TXMLPieceCursor> cursor);
    TXMLElement operator*() const { return TXMLElement(n_, cursor_ ? nullptr : file_); }
    ChildIterator& operator++() {
      n_ = SkipToElement(n_.next_sibling());
      if (!n_ && cursor_) NextPiece();
      return *this;
    }
    ChildIterator operator++(int) { auto old = *this; ++*this; return old; }
    bool operator==(const ChildIterator& o) const { return n_ == o.n_; }

   private:
    static pugi::xml_node SkipToElement(pugi::xml_node n) {
      while (n && n.type() != pugi::node_element) n = n.next_sibling();
      return n;
    }
    void NextPiece();

    pugi::xml_node n_;
    const TXMLFile* file_ = nullptr;            // walking the outline of a file parsed in pieces
    std::shared_ptr<TXMLPieceCursor> cursor_;  // walking children parsed in pieces
  };
  struct ChildRange {
    pugi::xml_node node;
    const TXMLFile* file = nullptr;
    ChildIterator begin() const;
    ChildIterator end() const { return ChildIterator(); }
  };

  // Child elements in document order (text between them is not a child).
  ChildRange Children() const { return {node_, file_}; }
  bool HasChildren() const;
  std::size_t ChildCount() const;

  pugi::xml_node Node() const { return node_; }

 private:
  pugi::xml_node node_;
  const TXMLFile* file_ = nullptr;  // set on the outline of a file parsed in pieces
};

// A report file: its bytes, then its tree once parsed. Owns the text every view points into.
class TXMLFile {
 public:
  TXMLFile();
  ~TXMLFile();
  TXMLFile(const TXMLFile&) = delete;
  TXMLFile& operator=(const TXMLFile&) = delete;

  // Reads the file's bytes. False (with ErrorText) when it cannot be opened or read.
  bool LoadFromFile(const std::filesystem::path& path);

  // Takes bytes from memory instead of a file.
  void LoadFromBytes(std::string bytes);

  // Opens a file for ParseInPieces to read from the disk: the outline is scanned a window of
  // about windowBytes at a time and each run of children is read again when a walk comes to
  // it, so the file's bytes are never all in memory. Parse reads the whole file first, as
  // does ParseWithoutContentsOf where the scan cannot cut. False (with ErrorText) when it
  // cannot be opened.
  bool OpenFile(const std::filesystem::path& path, std::size_t windowBytes = kDiskWindowBytes);
  static constexpr std::size_t kDiskWindowBytes = 1 << 20;

  // Decodes the bytes (Windows-1251 unless a byte-order mark or the declaration says
  // UTF-8) and builds the tree. False when the text is not well-formed XML or declares an
  // encoding the format does not use; ErrorText then says where and what.
  bool Parse();

  // Parse for a quick look at what surrounds the bulk of a file: the contents of every
  // element with this name are cut out unread (neither decoded nor checked), so the tree
  // holds such elements empty. Where a plain scan cannot tell the cut safely (comments,
  // CDATA, processing instructions, an element left open) or the shortened text does not
  // parse, the whole text is parsed as by Parse.
  bool ParseWithoutContentsOf(std::string_view elementName);

  // Parse that builds only the outline of the file at once: the children of every element
  // with this name are parsed a few at a time while they are walked, each run freed when
  // the walk moves on, so a large file never holds its whole tree. Bytes in memory stay
  // until the file goes; a file opened by OpenFile stays open. Where a plain scan cannot split the contents safely (text, comments,
  // CDATA, processing instructions, NUL bytes, an element left open) the whole text is
  // parsed as by Parse. After a walk, call PiecesParsed.
  bool ParseInPieces(std::string_view elementName);

  // After ParseInPieces and a walk over the tree: parses the pieces the walk left unread.
  // True when every piece was well-formed, so the walk saw the tree Parse would have
  // built; otherwise false, and the caller parses the whole text with Parse to learn
  // where the text is broken.
  bool PiecesParsed() const;

  // While one lives, the files this thread reads one after another share the storage of
  // their bytes: what a file no longer needs is kept for the next, and given back to the
  // system when the last SharedStorage goes.
  class SharedStorage {
   public:
    SharedStorage();
    ~SharedStorage();
    SharedStorage(const SharedStorage&) = delete;
    SharedStorage& operator=(const SharedStorage&) = delete;
  };

  // Why the last LoadFromFile or Parse failed, in Russian, for the user.
  const std::string& ErrorText() const { return error_; }

  // The root element; an empty handle before a successful Parse.
  TXMLElement Root() const;

 private:
  friend class TXMLElement;
  friend struct TXMLPieceCursor;
  // A run of whole child elements, as a range of the bytes.
  struct PieceRun {
    std::size_t begin = 0, end = 0;
  };
  // An element of the outline whose children wait in the bytes.
  struct PiecedElement {
    std::size_t firstRun = 0, runCount = 0, elementCount = 0;
  };

  bool Open(const std::filesystem::path& path);
  bool ReadOpenedFile();
  bool PrepareBytes(std::string_view all, std::string_view& bytes, bool& utf8);
  bool CheckUtf8(std::string_view bytes, bool utf8);
  bool ParseText(std::string_view skipped);
  enum class Outline { Built, CannotSplit, Refused };
  Outline ParseOutlineFromDisk(std::string_view name);
  class ScanWindow;
  bool ParseOutline(ScanWindow& window, std::string_view name);
  void ResetTree();
  void ReleaseBytes();
  const PiecedElement* PiecesOf(pugi::xml_node node) const;
  bool ParseRun(std::size_t run, std::string& text, pugi::xml_document& doc) const;

  std::string bytes_;
  // A file opened by OpenFile whose bytes are not read into bytes_.
  mutable std::ifstream disk_;
  std::size_t diskSize_ = 0, windowBytes_ = 0;
  bool onDisk_ = false;
  std::string text_;  // UTF-8 text that the tree points into
  pugi::xml_document doc_;
  bool parsed_ = false;
  std::string error_;

  // Parsing in pieces: the elements whose children wait in the bytes, and the runs of
  // whole child elements they are cut into.
  bool utf8_ = false;
  std::unordered_map<const void*, PiecedElement> pieced_;  // by pugixml's node
  std::vector<PieceRun> runs_;
  mutable std::vector<bool> runParsed_;
  mutable std::string runBytes_;  // a run read from the disk
  mutable bool pieceFailed_ = false;
};

}  // namespace orsvelt
